/**************************************************************************/
/** TOOL : Unit Test Compiler VERSION 8.3.0.1.342.020                    **/
/**                                                                      **/
/** COMMAND : vexorprepro s.ptu t.c -LANGUAGE=C -TARGET=LINUX -FAST      **/
/**    -STD_DEFINE=<TGT>/ana/vxus_c.def            **/
/**                                                                      **/
/** FILE : <DIR>/t.c                    **/
/**                                                                      **/
/** DATE : <DATE>                                      **/
/**************************************************************************/
#line 2 "<DIR>/s.ptu"
#include "scale.h"
long long mode_plus_2_32 = 0x100000001LL;
#line 15 "<DIR>/t.c"
#ifndef USE_VXU
#define USE_VXU 1
#endif
#ifndef VXL_CPLUSPLUS_LANGUAGE
#define VXL_CPLUSPLUS_LANGUAGE 0
#endif
/* PROGRAM t*/
#include "TP.h"
#include "<DIR>/t.ic"

#ifndef vxu_integer
#define vxu_integer long
#endif

#ifndef vxu_unsigned
#define vxu_unsigned unsigned long
#endif

#ifndef vxu_pointer
#define vxu_pointer char *
#endif

#ifndef vxu_charstring
#define vxu_charstring char *
#endif

void _vx_check_muets(void)
{
EDV_MUET_CHECK(0,0);
}
void _vx_init_muets(void)
{
VXU_GLOBAL_STUB_INIT
#ifdef STUB_CALL_IDX_MAX
/* when STUB_CALL_IDX_MAX is defined vxu.c declare _vx_call_order_Idx and _vx_call_order[] */
   for(_vx_call_order_Idx=0; _vx_call_order_Idx<STUB_CALL_IDX_MAX; _vx_call_order_Idx++)
      _vx_call_order[_vx_call_order_Idx]=0;
#endif
}
void SRV1_SCALE (void) { 
/* BEGIN  SERVICE scale */
#ifdef NEEDS_NUM_TEST_OPE
NUM_OPERATION = 1;
#endif /*NEEDS_NUM_TEST_OPE*/

DCL_OP_C(1, "scale");
if (VXU_TEST_BEGIN_C(2)) {

DCL_TST_C(2, "fits");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 1;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#line 10 "<DIR>/s.ptu"
raw = 100;
#line 10 "<DIR>/s.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(raw),0+5,10);
scaled = 0;
#line 11 "<DIR>/s.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(scaled),0+6,10);
mask = 0;
#line 12 "<DIR>/s.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(mask),0+7,10);
offset = 0;
#line 13 "<DIR>/s.ptu"
PTU_INTEGER_C((vxu_integer)(offset),0+8,10);
mode = MODE_OFF;
#line 14 "<DIR>/s.ptu"
PTU_INTEGER_C((vxu_integer)(mode),0+9,10);
#line 16 "<DIR>/s.ptu"
rpm = 0;
#line 16 "<DIR>/s.ptu"
PTU_INTEGER_C((vxu_integer)(rpm),0+10,10);
pos_um = 0;
#line 17 "<DIR>/s.ptu"
PTU_INTEGER_C((vxu_integer)(pos_um),0+11,10);
scale();
#line 94 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
#line 10 "<DIR>/s.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(raw),0+5,10,(vxu_unsigned)((uint16_t)100),
#line 10 "<DIR>/s.ptu"
(vxu_unsigned)((uint16_t)100));
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(scaled),0+6,10,(vxu_unsigned)
#line 11 "<DIR>/s.ptu"
(VXU_HELD_UNSIGNED((vxu_integer)(raw * 2),8)),(vxu_unsigned)(VXU_HELD_UNSIGNED(
#line 11 "<DIR>/s.ptu"
(vxu_integer)(raw * 2),8)));
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(mask),0+7,10,(vxu_unsigned)(VXU_HELD_UNSIGNED
#line 12 "<DIR>/s.ptu"
((vxu_integer)((int)raw - 101),8)),(vxu_unsigned)(VXU_HELD_UNSIGNED(
#line 12 "<DIR>/s.ptu"
(vxu_integer)((int)raw - 101),8)));
EDV_INTEGER_C(1,1,(vxu_integer)(offset),0+8,10,(vxu_integer)((vxu_integer)((int
#line 13 "<DIR>/s.ptu"
)raw - 157)),(vxu_integer)((vxu_integer)((int)raw - 155)));
EDV_INTEGER_C(1,0,(vxu_integer)(mode),0+9,10,(vxu_integer)((scale_mode
#line 14 "<DIR>/s.ptu"
)MODE_SLOW),(vxu_integer)((scale_mode)MODE_SLOW));
#line 16 "<DIR>/s.ptu"
EDV_INTEGER_C(1,1,(vxu_integer)(rpm),0+10,10,(vxu_integer)((int32_t)-11),
#line 16 "<DIR>/s.ptu"
(vxu_integer)((int32_t)-9));
EDV_INTEGER_C(1,1,(vxu_integer)(pos_um),0+11,10,(vxu_integer)((int32_t
#line 17 "<DIR>/s.ptu"
)900000000),(vxu_integer)((int32_t)1100000000));
#line 124 "<DIR>/t.c"
VXU_END_ELEMENT_C();
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }

if (VXU_TEST_BEGIN_C(12)) {

DCL_TST_C(12, "overflows");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 2;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#line 27 "<DIR>/s.ptu"
raw = 200;
#line 27 "<DIR>/s.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(raw),0+15,10);
scaled = 0;
#line 28 "<DIR>/s.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(scaled),0+16,10);
offset = 0;
#line 29 "<DIR>/s.ptu"
PTU_INTEGER_C((vxu_integer)(offset),0+17,10);
mode = MODE_OFF;
#line 30 "<DIR>/s.ptu"
PTU_INTEGER_C((vxu_integer)(mode),0+18,10);
rpm = 0;
#line 31 "<DIR>/s.ptu"
PTU_INTEGER_C((vxu_integer)(rpm),0+19,10);
scale();
#line 154 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
#line 27 "<DIR>/s.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(raw),0+15,10,(vxu_unsigned)((uint16_t)200),
#line 27 "<DIR>/s.ptu"
(vxu_unsigned)((uint16_t)200));
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(scaled),0+16,10,(vxu_unsigned)
#line 28 "<DIR>/s.ptu"
(VXU_HELD_UNSIGNED((vxu_integer)(raw * 2),8)),(vxu_unsigned)(VXU_HELD_UNSIGNED(
#line 28 "<DIR>/s.ptu"
(vxu_integer)(raw * 2),8)));
EDV_INTEGER_C(1,0,(vxu_integer)(offset),0+17,10,(vxu_integer)((vxu_integer)(
#line 29 "<DIR>/s.ptu"
(int)raw + 100)),(vxu_integer)((vxu_integer)((int)raw + 100)));
EDV_INTEGER_C(1,0,(vxu_integer)(mode),0+18,10,(vxu_integer)((vxu_integer
#line 30 "<DIR>/s.ptu"
)mode_plus_2_32),(vxu_integer)((vxu_integer)mode_plus_2_32));
EDV_INTEGER_C(1,1,(vxu_integer)(rpm),0+19,10,(vxu_integer)((int32_t)-12),
#line 31 "<DIR>/s.ptu"
(vxu_integer)((int32_t)-10));
#line 175 "<DIR>/t.c"
VXU_END_ELEMENT_C();
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }
}/* END SERVICE scale*/
#ifdef ZQZQ_MAIN_HEADER
 ZQZQ_MAIN_HEADER
#else
int main(int argc, char ** argv)
{
#endif
   VXU_INIT_DATA
   VXU_COMMAND_LINE
OPF_C("<DIR>/t.rio");

#pragma vexor testing_tool_call_place
SRV1_SCALE();
CLF_C("<DIR>/t.rio");


#ifdef ZQZQ_MAIN_RETURN
 ZQZQ_MAIN_RETURN
#else
 return(0);
#endif

}/* end t */

VXU_TRACES_FILE("<DIR>/t.rio")

VXU_TESTS_BEGIN
VXU_TEST_ENTRY(2, "scale", "fits", "<DIR>/s.ptu", 7)
VXU_TEST_ENTRY(12, "scale", "overflows", "<DIR>/s.ptu", 24)
VXU_TESTS_END

