/**************************************************************************/
/** TOOL : Unit Test Compiler VERSION 8.3.0.1.342.020                    **/
/**                                                                      **/
/** COMMAND : vexorprepro queue.ptu t.c -LANGUAGE=C -TARGET=LINUX -FAST  **/
/**    -STD_DEFINE=<TGT>/ana/vxus_c.def            **/
/**                                                                      **/
/** FILE : <DIR>/t.c                            **/
/**                                                                      **/
/** DATE : <DATE>                                      **/
/**************************************************************************/
#line 2 "<DIR>/queue.ptu"
#include "queue.h"
int n;
int value;
#line 16 "<DIR>/t.c"
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
void SRV1_QUEUE_PUSH (void) { 
/* BEGIN  SERVICE queue_push */
#ifdef NEEDS_NUM_TEST_OPE
NUM_OPERATION = 1;
#endif /*NEEDS_NUM_TEST_OPE*/

DCL_OP_C(1, "queue_push");
if (VXU_TEST_BEGIN_C(2)) {

DCL_TST_C(2, "returns");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 1;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#line 10 "<DIR>/queue.ptu"
n = 0;
#line 10 "<DIR>/queue.ptu"
PTU_INTEGER_C((vxu_integer)(n),0+5,10);
queue_reset();
n = queue_push(7);
if (n == 1) return;
#line 78 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
#line 10 "<DIR>/queue.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(n),0+5,10,(vxu_integer)((int)1),(vxu_integer)(
#line 10 "<DIR>/queue.ptu"
(int)1));
#line 85 "<DIR>/t.c"
VXU_END_ELEMENT_C();
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }

if (VXU_TEST_BEGIN_C(6)) {
#line 20 "<DIR>/queue.ptu"
for (_vx_J1 = 1 ; _vx_J1<=3;_vx_J1++ ){
#line 93 "<DIR>/t.c"

DCL_TST_C(6, "breaks_out_of_its_loop");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 2;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#line 20 "<DIR>/queue.ptu"
value = _vx_tab_initin1(_vx_J1);
#line 20 "<DIR>/queue.ptu"
PTU_INTEGER_C((vxu_integer)(value),0+9,10);
n = 0;
#line 21 "<DIR>/queue.ptu"
PTU_INTEGER_C((vxu_integer)(n),0+10,10);
queue_reset();
n = queue_push((uint8_t)value);
if (value == 2) break;
#line 111 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
#line 20 "<DIR>/queue.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(value),0+9,10,(vxu_integer)((vxu_integer)value)
#line 20 "<DIR>/queue.ptu"
,(vxu_integer)((vxu_integer)value));
EDV_INTEGER_C(1,0,(vxu_integer)(n),0+10,10,(vxu_integer)((int)1),(vxu_integer)(
#line 21 "<DIR>/queue.ptu"
(int)1));
#line 121 "<DIR>/t.c"
VXU_END_ELEMENT_C();
#line 20 "<DIR>/queue.ptu"
}
#line 125 "<DIR>/t.c"
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }

if (VXU_TEST_BEGIN_C(11)) {

DCL_TST_C(11, "still_runs");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 3;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#line 31 "<DIR>/queue.ptu"
n = 0;
#line 31 "<DIR>/queue.ptu"
PTU_INTEGER_C((vxu_integer)(n),0+14,10);
queue_reset();
n = queue_push(3);
#line 143 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
#line 31 "<DIR>/queue.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(n),0+14,10,(vxu_integer)((int)1),(vxu_integer)(
#line 31 "<DIR>/queue.ptu"
(int)1));
#line 150 "<DIR>/t.c"
VXU_END_ELEMENT_C();
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }
}/* END SERVICE queue_push*/
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
SRV1_QUEUE_PUSH();
CLF_C("<DIR>/t.rio");


#ifdef ZQZQ_MAIN_RETURN
 ZQZQ_MAIN_RETURN
#else
 return(0);
#endif

}/* end t */

VXU_TRACES_FILE("<DIR>/t.rio")

VXU_TESTS_BEGIN
VXU_TEST_ENTRY(2, "queue_push", "returns", "<DIR>/queue.ptu", 7)
VXU_TEST_ENTRY(6, "queue_push", "breaks_out_of_its_loop", "<DIR>/queue.ptu", 17)
VXU_TEST_ENTRY(11, "queue_push", "still_runs", "<DIR>/queue.ptu", 28)
VXU_TESTS_END

