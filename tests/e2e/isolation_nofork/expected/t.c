/**************************************************************************/
/** TOOL : Unit Test Compiler VERSION 8.3.0.1.342.020                    **/
/**                                                                      **/
/** COMMAND : vexorprepro frames.ptu t.c -LANGUAGE=C -TARGET=LINUX       **/
/**    -FAST -STD_DEFINE=<TGT>/ana/vxus_c.def      **/
/**                                                                      **/
/** FILE : <DIR>/t.c                      **/
/**                                                                      **/
/** DATE : <DATE>                                      **/
/**************************************************************************/
#line 2 "<DIR>/frames.ptu"
#include "parser.h"
static const uint8_t bytes[4] = {1, 2, 3, 4};
frame_t frame;
int sum;
volatile int ready;
#line 18 "<DIR>/t.c"
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
void SRV1_FRAME_CHECKSUM (void) { 
/* BEGIN  SERVICE frame_checksum */
#ifdef NEEDS_NUM_TEST_OPE
NUM_OPERATION = 1;
#endif /*NEEDS_NUM_TEST_OPE*/

DCL_OP_C(1, "frame_checksum");
if (VXU_TEST_BEGIN_C(2)) {

DCL_TST_C(2, "nominal");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 1;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#line 12 "<DIR>/frames.ptu"
sum = 0;
#line 12 "<DIR>/frames.ptu"
PTU_INTEGER_C((vxu_integer)(sum),0+5,10);
frame.data = bytes; frame.length = 4;
sum = frame_checksum(&frame);
#line 79 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
#line 12 "<DIR>/frames.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(sum),0+5,10,(vxu_integer)((int)10),(vxu_integer
#line 12 "<DIR>/frames.ptu"
)((int)10));
#line 86 "<DIR>/t.c"
VXU_END_ELEMENT_C();
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }

if (VXU_TEST_BEGIN_C(6)) {

DCL_TST_C(6, "null_buffer");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 2;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#line 21 "<DIR>/frames.ptu"
sum = 0;
#line 21 "<DIR>/frames.ptu"
PTU_INTEGER_C((vxu_integer)(sum),0+9,10);
frame.data = 0; frame.length = 4;
sum = frame_checksum(&frame);
#line 105 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
#line 21 "<DIR>/frames.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(sum),0+9,10,(vxu_integer)((int)0),(vxu_integer)
#line 21 "<DIR>/frames.ptu"
((int)0));
#line 112 "<DIR>/t.c"
VXU_END_ELEMENT_C();
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }

if (VXU_TEST_BEGIN_C(10)) {

DCL_TST_C(10, "never_ready");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 3;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#line 30 "<DIR>/frames.ptu"
sum = 0;
#line 30 "<DIR>/frames.ptu"
PTU_INTEGER_C((vxu_integer)(sum),0+13,10);
ready = 0;
sum = frame_wait_ready(&ready);
#line 131 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
#line 30 "<DIR>/frames.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(sum),0+13,10,(vxu_integer)((int)1),(vxu_integer
#line 30 "<DIR>/frames.ptu"
)((int)1));
#line 138 "<DIR>/t.c"
VXU_END_ELEMENT_C();
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }

if (VXU_TEST_BEGIN_C(14)) {

DCL_TST_C(14, "wrong_expectation");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 4;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#line 39 "<DIR>/frames.ptu"
sum = 0;
#line 39 "<DIR>/frames.ptu"
PTU_INTEGER_C((vxu_integer)(sum),0+17,10);
frame.data = bytes; frame.length = 2;
sum = frame_checksum(&frame);
#line 157 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
#line 39 "<DIR>/frames.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(sum),0+17,10,(vxu_integer)((int)7),(vxu_integer
#line 39 "<DIR>/frames.ptu"
)((int)7));
#line 164 "<DIR>/t.c"
VXU_END_ELEMENT_C();
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }

if (VXU_TEST_BEGIN_C(18)) {

DCL_TST_C(18, "after_the_crash");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 5;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#line 48 "<DIR>/frames.ptu"
sum = 0;
#line 48 "<DIR>/frames.ptu"
PTU_INTEGER_C((vxu_integer)(sum),0+21,10);
frame.data = bytes; frame.length = 3;
sum = frame_checksum(&frame);
#line 183 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
#line 48 "<DIR>/frames.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(sum),0+21,10,(vxu_integer)((int)6),(vxu_integer
#line 48 "<DIR>/frames.ptu"
)((int)6));
#line 190 "<DIR>/t.c"
VXU_END_ELEMENT_C();
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }
}/* END SERVICE frame_checksum*/
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
SRV1_FRAME_CHECKSUM();
CLF_C("<DIR>/t.rio");


#ifdef ZQZQ_MAIN_RETURN
 ZQZQ_MAIN_RETURN
#else
 return(0);
#endif

}/* end t */

VXU_TRACES_FILE("<DIR>/t.rio")

VXU_TESTS_BEGIN
VXU_TEST_ENTRY(2, "frame_checksum", "nominal", "<DIR>/frames.ptu", 9)
VXU_TEST_ENTRY(6, "frame_checksum", "null_buffer", "<DIR>/frames.ptu", 18)
VXU_TEST_ENTRY(10, "frame_checksum", "never_ready", "<DIR>/frames.ptu", 27)
VXU_TEST_ENTRY(14, "frame_checksum", "wrong_expectation", "<DIR>/frames.ptu", 36)
VXU_TEST_ENTRY(18, "frame_checksum", "after_the_crash", "<DIR>/frames.ptu", 45)
VXU_TESTS_END

