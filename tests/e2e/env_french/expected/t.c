/**************************************************************************/
/** TOOL : Unit Test Compiler VERSION 8.3.0.1.342.020                    **/
/**                                                                      **/
/** COMMAND : vexorprepro plant.ptu t.c -LANGUAGE=C -TARGET=LINUX -FAST  **/
/**    -STD_DEFINE=<TGT>/ana/vxus_c.def            **/
/**                                                                      **/
/** FILE : <DIR>/t.c                            **/
/**                                                                      **/
/** DATE : <DATE>                                      **/
/**************************************************************************/
#line 2 "<DIR>/plant.ptu"
#include "plant.h"
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
void SRV1_REGULATE (void) { 
/* BEGIN  SERVICE regulate */
#ifdef NEEDS_NUM_TEST_OPE
NUM_OPERATION = 1;
#endif /*NEEDS_NUM_TEST_OPE*/

DCL_OP_C(1, "regulate");
if (VXU_TEST_BEGIN_C(2)) {

DCL_TST_C(2, "double");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 1;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#line 5 "<DIR>/plant.ptu"
gain = 2;
#line 5 "<DIR>/plant.ptu"
PTU_INTEGER_C((vxu_integer)(gain),0+6,10);
offset = 0;
#line 6 "<DIR>/plant.ptu"
PTU_INTEGER_C((vxu_integer)(offset),0+7,10);
limit = 100;
#line 7 "<DIR>/plant.ptu"
PTU_INTEGER_C((vxu_integer)(limit),0+8,10);
#line 14 "<DIR>/plant.ptu"
speed = 0;
#line 14 "<DIR>/plant.ptu"
PTU_INTEGER_C((vxu_integer)(speed),0+5,10);
regulate(4);
#line 84 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
#line 14 "<DIR>/plant.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(speed),0+5,10,(vxu_integer)((int)8),
#line 14 "<DIR>/plant.ptu"
(vxu_integer)((int)8));
#line 5 "<DIR>/plant.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(gain),0+6,10,(vxu_integer)((int)2),(vxu_integer
#line 5 "<DIR>/plant.ptu"
)((int)2));
EDV_INTEGER_C(1,0,(vxu_integer)(offset),0+7,10,(vxu_integer)((int)0),
#line 6 "<DIR>/plant.ptu"
(vxu_integer)((int)0));
EDV_INTEGER_C(1,0,(vxu_integer)(limit),0+8,10,(vxu_integer)((int)100),
#line 7 "<DIR>/plant.ptu"
(vxu_integer)((int)100));
#line 101 "<DIR>/t.c"
VXU_END_ELEMENT_C();
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }

if (VXU_TEST_BEGIN_C(9)) {

DCL_TST_C(9, "triple");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 2;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#line 5 "<DIR>/plant.ptu"
gain = 3;
#line 5 "<DIR>/plant.ptu"
PTU_INTEGER_C((vxu_integer)(gain),0+14,10);
offset = 0;
#line 6 "<DIR>/plant.ptu"
PTU_INTEGER_C((vxu_integer)(offset),0+15,10);
#line 23 "<DIR>/plant.ptu"
limit = 5;
#line 23 "<DIR>/plant.ptu"
PTU_INTEGER_C((vxu_integer)(limit),0+12,10);
speed = 0;
#line 24 "<DIR>/plant.ptu"
PTU_INTEGER_C((vxu_integer)(speed),0+13,10);
regulate(4);
#line 129 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
#line 23 "<DIR>/plant.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(limit),0+12,10,(vxu_integer)((int)5),
#line 23 "<DIR>/plant.ptu"
(vxu_integer)((int)5));
EDV_INTEGER_C(1,0,(vxu_integer)(speed),0+13,10,(vxu_integer)((int)5),
#line 24 "<DIR>/plant.ptu"
(vxu_integer)((int)5));
#line 5 "<DIR>/plant.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(gain),0+14,10,(vxu_integer)((int)3),
#line 5 "<DIR>/plant.ptu"
(vxu_integer)((int)3));
EDV_INTEGER_C(1,0,(vxu_integer)(offset),0+15,10,(vxu_integer)((int)0),
#line 6 "<DIR>/plant.ptu"
(vxu_integer)((int)0));
#line 146 "<DIR>/t.c"
VXU_END_ELEMENT_C();
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }
}/* END SERVICE regulate*/
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
SRV1_REGULATE();
CLF_C("<DIR>/t.rio");


#ifdef ZQZQ_MAIN_RETURN
 ZQZQ_MAIN_RETURN
#else
 return(0);
#endif

}/* end t */

VXU_TRACES_FILE("<DIR>/t.rio")

VXU_TESTS_BEGIN
VXU_TEST_ENTRY(2, "regulate", "double", "<DIR>/plant.ptu", 10)
VXU_TEST_ENTRY(9, "regulate", "triple", "<DIR>/plant.ptu", 19)
VXU_TESTS_END

