/**************************************************************************/
/** TOOL : Unit Test Compiler VERSION 8.3.0.1.342.020                    **/
/**                                                                      **/
/** COMMAND : vexorprepro s.ptu t.c -LANGUAGE=C -TARGET=LINUX -FAST      **/
/**    -STD_DEFINE=<TGT>/ana/vxus_c.def            **/
/**                                                                      **/
/** FILE : <DIR>/t.c                   **/
/**                                                                      **/
/** DATE : <DATE>                                      **/
/**************************************************************************/
#line 2 "<DIR>/s.ptu"
#include "frame.h"
int k;
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
void SRV1_PUT_HEADER (void) { 
/* BEGIN  SERVICE put_header */
#ifdef NEEDS_NUM_TEST_OPE
NUM_OPERATION = 1;
#endif /*NEEDS_NUM_TEST_OPE*/

DCL_OP_C(1, "put_header");
if (VXU_TEST_BEGIN_C(2)) {

DCL_TST_C(2, "after_the_index");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 1;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#line 11 "<DIR>/s.ptu"
k = 3;
#line 11 "<DIR>/s.ptu"
PTU_INTEGER_C((vxu_integer)(k),0+5,10);
for (_vx_I1 = 0 ; _vx_I1 < 6 ; _vx_I1++) { 
#line 12 "<DIR>/s.ptu"
frame[_vx_I1] = 0;
#line 12 "<DIR>/s.ptu"
}
put_header(k);
#line 80 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
#line 11 "<DIR>/s.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(k),0+5,10,(vxu_integer)((int)3),(vxu_integer)(
#line 11 "<DIR>/s.ptu"
(int)3));
SET_MODE_TAB_C(6);
#line 12 "<DIR>/s.ptu"
{
#line 12 "<DIR>/s.ptu"
for (_vx_I1 = 0 ; _vx_I1 < 6 ; _vx_I1++) { 
#line 12 "<DIR>/s.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(frame[_vx_I1]),0+6,16,(vxu_unsigned)
#line 12 "<DIR>/s.ptu"
(VXU_HELD_UNSIGNED((vxu_integer)(_vx_I1 == (k)?16:(_vx_I1 == ((k)+1)?17:0)),8))
#line 12 "<DIR>/s.ptu"
,(vxu_unsigned)(VXU_HELD_UNSIGNED((vxu_integer)(_vx_I1 == (k)?16:(_vx_I1 == ((k
#line 12 "<DIR>/s.ptu"
)+1)?17:0)),8)));
#line 12 "<DIR>/s.ptu"
}
#line 12 "<DIR>/s.ptu"
}
#line 12 "<DIR>/s.ptu"
UNSET_MODE_TAB_C(6);
#line 106 "<DIR>/t.c"
VXU_END_ELEMENT_C();
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }

if (VXU_TEST_BEGIN_C(7)) {

DCL_TST_C(7, "second_byte_left_out");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 2;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#line 21 "<DIR>/s.ptu"
k = 3;
#line 21 "<DIR>/s.ptu"
PTU_INTEGER_C((vxu_integer)(k),0+10,10);
for (_vx_I1 = 0 ; _vx_I1 < 6 ; _vx_I1++) { 
#line 22 "<DIR>/s.ptu"
frame[_vx_I1] = 0;
#line 22 "<DIR>/s.ptu"
}
put_header(k);
#line 129 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
#line 21 "<DIR>/s.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(k),0+10,10,(vxu_integer)((int)3),(vxu_integer)(
#line 21 "<DIR>/s.ptu"
(int)3));
SET_MODE_TAB_C(11);
#line 22 "<DIR>/s.ptu"
{
#line 22 "<DIR>/s.ptu"
for (_vx_I1 = 0 ; _vx_I1 < 6 ; _vx_I1++) { 
#line 22 "<DIR>/s.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(frame[_vx_I1]),0+11,16,(vxu_unsigned)
#line 22 "<DIR>/s.ptu"
(VXU_HELD_UNSIGNED((vxu_integer)(_vx_I1 == (k)?16:0),8)),(vxu_unsigned)
#line 22 "<DIR>/s.ptu"
(VXU_HELD_UNSIGNED((vxu_integer)(_vx_I1 == (k)?16:0),8)));
#line 22 "<DIR>/s.ptu"
}
#line 22 "<DIR>/s.ptu"
}
#line 22 "<DIR>/s.ptu"
UNSET_MODE_TAB_C(11);
#line 153 "<DIR>/t.c"
VXU_END_ELEMENT_C();
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }
}/* END SERVICE put_header*/
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
SRV1_PUT_HEADER();
CLF_C("<DIR>/t.rio");


#ifdef ZQZQ_MAIN_RETURN
 ZQZQ_MAIN_RETURN
#else
 return(0);
#endif

}/* end t */

VXU_TRACES_FILE("<DIR>/t.rio")

VXU_TESTS_BEGIN
VXU_TEST_ENTRY(2, "put_header", "after_the_index", "<DIR>/s.ptu", 8)
VXU_TEST_ENTRY(7, "put_header", "second_byte_left_out", "<DIR>/s.ptu", 18)
VXU_TESTS_END

