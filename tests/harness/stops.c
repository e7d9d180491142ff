/************************************************************************/
/* TOOL : Unit Test Compiler VERSION 8.3.0.1.342.020                    */
/*                                                                      */
/* COMMAND : vexorprepro stops.ptu stops.c .                          */
/*                                                                      */
/* FILE : stops.c                                                      */
/*                                                                      */
/* DATE : Tue Dec  8 02:29:26 2026                                      */
/************************************************************************/
#include <stdlib.h>
int x;
int y;
#ifndef USE_VXU
#define USE_VXU 1
#endif
#ifndef VXL_CPLUSPLUS_LANGUAGE
#define VXL_CPLUSPLUS_LANGUAGE 0
#endif
/* PROGRAM stops*/
#include "TP.h"
#include "stops.ic"

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
void SRV1_S (void) { 
/* BEGIN  SERVICE s */
#ifdef NEEDS_NUM_TEST_OPE
NUM_OPERATION = 1;
#endif /*NEEDS_NUM_TEST_OPE*/

DCL_OP_C(1, "s");

DCL_TST_C(2, "first");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 1;
#endif /*NEEDS_NUM_TEST_OPE*/

START_CHRONO_C();
_vx_init_muets();
x = 1;
STOP_CHRONO_C();
_vx_check_muets();
EDV_INTEGER_C(1,0,(vxu_integer)(x),0+4,10,(vxu_integer)((int)1),(vxu_integer)((int)1));
VXU_END_TEST_C();

DCL_TST_C(5, "second");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 2;
#endif /*NEEDS_NUM_TEST_OPE*/

START_CHRONO_C();
_vx_init_muets();
y = 2;
exit(3);
STOP_CHRONO_C();
_vx_check_muets();
EDV_INTEGER_C(1,0,(vxu_integer)(y),0+7,10,(vxu_integer)((int)2),(vxu_integer)((int)2));
VXU_END_TEST_C();
}/* END SERVICE s*/
#ifdef ZQZQ_MAIN_HEADER
 ZQZQ_MAIN_HEADER
#else
int main(int argc, char ** argv)
{
#endif
   VXU_INIT_DATA
OPF_C("stops.rio");

#pragma vexor testing_tool_call_place
SRV1_S();
CLF_C("stops.rio");


#ifdef ZQZQ_MAIN_RETURN
 ZQZQ_MAIN_RETURN
#else
 return(0);
#endif

}/* end stops */

VXU_TRACES_FILE("stops.rio")

