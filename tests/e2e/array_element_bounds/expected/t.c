/**************************************************************************/
/** TOOL : Unit Test Compiler VERSION 8.3.0.1.342.020                    **/
/**                                                                      **/
/** COMMAND : vexorprepro s.ptu t.c -LANGUAGE=C -TARGET=LINUX -FAST      **/
/**    -STD_DEFINE=<TGT>/ana/vxus_c.def            **/
/**                                                                      **/
/** FILE : <DIR>/t.c                  **/
/**                                                                      **/
/** DATE : <DATE>                                      **/
/**************************************************************************/
#line 2 "<DIR>/s.ptu"
#include "calib.h"
#line 14 "<DIR>/t.c"
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
void SRV1_CALIBRATE (void) { 
/* BEGIN  SERVICE calibrate */
#ifdef NEEDS_NUM_TEST_OPE
NUM_OPERATION = 1;
#endif /*NEEDS_NUM_TEST_OPE*/

DCL_OP_C(1, "calibrate");
if (VXU_TEST_BEGIN_C(2)) {

DCL_TST_C(2, "within");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 1;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#line 10 "<DIR>/s.ptu"
for (_vx_I1 = 0 ; _vx_I1 < 3 ; _vx_I1++) { 
#line 10 "<DIR>/s.ptu"
coef[_vx_I1] = 0;
#line 10 "<DIR>/s.ptu"
}
for (_vx_I1 = 0 ; _vx_I1 < 3 ; _vx_I1++) { 
#line 11 "<DIR>/s.ptu"
gain[_vx_I1] = 0;
#line 11 "<DIR>/s.ptu"
}
calibrate();
#line 81 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
#line 10 "<DIR>/s.ptu"
SET_MODE_TAB_C(5);
#line 10 "<DIR>/s.ptu"
{
#line 10 "<DIR>/s.ptu"
for (_vx_I1 = 0 ; _vx_I1 < 3 ; _vx_I1++) { 
#line 10 "<DIR>/s.ptu"
{ float _vx_e = (float)(_vx_I1 == (0)?0.5:(_vx_I1 == (1)?0:-0.2E1)); float
#line 10 "<DIR>/s.ptu"
 _vx_d = (float)0.05;
#line 10 "<DIR>/s.ptu"
if (_vx_d < 0) _vx_d = -_vx_d;
#line 10 "<DIR>/s.ptu"
EDV_FLOAT_C(1,1,(float)(coef[_vx_I1]),0+5,(float)(_vx_e - _vx_d),(float)(_vx_e
#line 10 "<DIR>/s.ptu"
 + _vx_d)); }
#line 10 "<DIR>/s.ptu"
}
#line 10 "<DIR>/s.ptu"
}
#line 10 "<DIR>/s.ptu"
UNSET_MODE_TAB_C(5);
SET_MODE_TAB_C(6);
#line 11 "<DIR>/s.ptu"
{
#line 11 "<DIR>/s.ptu"
for (_vx_I1 = 0 ; _vx_I1 < 3 ; _vx_I1++) { 
#line 11 "<DIR>/s.ptu"
EDV_UNSIGNED_C(1,1,(vxu_unsigned)(gain[_vx_I1]),0+6,10,(vxu_unsigned)
#line 11 "<DIR>/s.ptu"
(VXU_HELD_UNSIGNED((vxu_integer)(_vx_I1 == (0)?90:(_vx_I1 == (1)?240:390)),16))
#line 11 "<DIR>/s.ptu"
,(vxu_unsigned)(VXU_HELD_UNSIGNED((vxu_integer)(_vx_I1 == (0)?110:(_vx_I1 == (1
#line 11 "<DIR>/s.ptu"
)?260:410)),16)));
#line 11 "<DIR>/s.ptu"
}
#line 11 "<DIR>/s.ptu"
}
#line 11 "<DIR>/s.ptu"
UNSET_MODE_TAB_C(6);
#line 125 "<DIR>/t.c"
VXU_END_ELEMENT_C();
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }

if (VXU_TEST_BEGIN_C(7)) {

DCL_TST_C(7, "outside");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 2;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#line 20 "<DIR>/s.ptu"
for (_vx_I1 = 0 ; _vx_I1 < 3 ; _vx_I1++) { 
#line 20 "<DIR>/s.ptu"
coef[_vx_I1] = 0;
#line 20 "<DIR>/s.ptu"
}
for (_vx_I1 = 0 ; _vx_I1 < 3 ; _vx_I1++) { 
#line 21 "<DIR>/s.ptu"
gain[_vx_I1] = 0;
#line 21 "<DIR>/s.ptu"
}
calibrate();
#line 150 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
#line 20 "<DIR>/s.ptu"
SET_MODE_TAB_C(10);
#line 20 "<DIR>/s.ptu"
{
#line 20 "<DIR>/s.ptu"
for (_vx_I1 = 0 ; _vx_I1 < 3 ; _vx_I1++) { 
#line 20 "<DIR>/s.ptu"
{ float _vx_e = (float)(_vx_I1 == (0)?0.5:(_vx_I1 == (1)?0:-0.25E1)); float
#line 20 "<DIR>/s.ptu"
 _vx_d = (float)0.05;
#line 20 "<DIR>/s.ptu"
if (_vx_d < 0) _vx_d = -_vx_d;
#line 20 "<DIR>/s.ptu"
EDV_FLOAT_C(1,1,(float)(coef[_vx_I1]),0+10,(float)(_vx_e - _vx_d),(float)(_vx_e
#line 20 "<DIR>/s.ptu"
 + _vx_d)); }
#line 20 "<DIR>/s.ptu"
}
#line 20 "<DIR>/s.ptu"
}
#line 20 "<DIR>/s.ptu"
UNSET_MODE_TAB_C(10);
SET_MODE_TAB_C(11);
#line 21 "<DIR>/s.ptu"
{
#line 21 "<DIR>/s.ptu"
for (_vx_I1 = 0 ; _vx_I1 < 3 ; _vx_I1++) { 
#line 21 "<DIR>/s.ptu"
EDV_UNSIGNED_C(1,1,(vxu_unsigned)(gain[_vx_I1]),0+11,10,(vxu_unsigned)
#line 21 "<DIR>/s.ptu"
(VXU_HELD_UNSIGNED((vxu_integer)(_vx_I1 == 1?251:0),16)),(vxu_unsigned)(
#line 21 "<DIR>/s.ptu"
(unsigned short)1000));
#line 21 "<DIR>/s.ptu"
}
#line 21 "<DIR>/s.ptu"
}
#line 21 "<DIR>/s.ptu"
UNSET_MODE_TAB_C(11);
#line 192 "<DIR>/t.c"
VXU_END_ELEMENT_C();
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }
}/* END SERVICE calibrate*/
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
SRV1_CALIBRATE();
CLF_C("<DIR>/t.rio");


#ifdef ZQZQ_MAIN_RETURN
 ZQZQ_MAIN_RETURN
#else
 return(0);
#endif

}/* end t */

VXU_TRACES_FILE("<DIR>/t.rio")

VXU_TESTS_BEGIN
VXU_TEST_ENTRY(2, "calibrate", "within", "<DIR>/s.ptu", 7)
VXU_TEST_ENTRY(7, "calibrate", "outside", "<DIR>/s.ptu", 17)
VXU_TESTS_END

