/************************************************************************/
/* TOOL : Unit Test Compiler VERSION 8.3.0.1.342.020                    */
/*                                                                      */
/* COMMAND : vexorprepro worked.ptu worked.c .                          */
/*                                                                      */
/* FILE : worked.c                                                      */
/*                                                                      */
/* DATE : Tue Dec  8 02:29:26 2026                                      */
/************************************************************************/
#include "unit.h"
int x;
int r;
#ifndef USE_VXU
#define USE_VXU 1
#endif
#ifndef VXL_CPLUSPLUS_LANGUAGE
#define VXL_CPLUSPLUS_LANGUAGE 0
#endif
/* PROGRAM worked*/
#include "TP.h"
#include "worked.ic"

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
void SRV1_ADD (void) { 
/* BEGIN  SERVICE add */
#ifdef NEEDS_NUM_TEST_OPE
NUM_OPERATION = 1;
#endif /*NEEDS_NUM_TEST_OPE*/

DCL_OP_C(1, "add");
if (VXU_TEST_BEGIN_C(2)) {

DCL_TST_C(2, "t1");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 1;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
x = 1;
PTU_INTEGER_C((vxu_integer)(x),0+4,10);
r = 0;
r = add(x, 2);
STOP_CHRONO_C();
_vx_check_muets();
EDV_INTEGER_C(1,0,(vxu_integer)(x),0+4,10,(vxu_integer)((int)1),(vxu_integer)((int)1));
EDV_INTEGER_C(1,0,(vxu_integer)(r),0+5,10,(vxu_integer)((int)3),(vxu_integer)((int)3));
VXU_END_ELEMENT_C();
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }
}/* END SERVICE add*/
#ifdef ZQZQ_MAIN_HEADER
 ZQZQ_MAIN_HEADER
#else
int main(int argc, char ** argv)
{
#endif
   VXU_INIT_DATA
OPF_C("worked.rio");

#pragma vexor testing_tool_call_place
SRV1_ADD();
CLF_C("worked.rio");


#ifdef ZQZQ_MAIN_RETURN
 ZQZQ_MAIN_RETURN
#else
 return(0);
#endif

}/* end worked */

VXU_TRACES_FILE("worked.rio")

