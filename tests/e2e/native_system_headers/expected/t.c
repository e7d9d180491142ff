/**************************************************************************/
/** TOOL : Unit Test Compiler VERSION 8.3.0.1.342.020                    **/
/**                                                                      **/
/** COMMAND : vexorprepro s.ptu t.c -LANGUAGE=C -TARGET=LINUX -FAST      **/
/**    -STD_DEFINE=<TGT>/ana/vxus_c.def            **/
/**                                                                      **/
/** FILE : <DIR>/t.c                 **/
/**                                                                      **/
/** DATE : <DATE>                                      **/
/**************************************************************************/
#line 2 "<DIR>/s.ptu"
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <stdint.h>
#include <limits.h>
#include <errno.h>
#include <unistd.h>
#include <sys/types.h>
#include "add.h"
int x, r;
#line 23 "<DIR>/t.c"
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
#line 17 "<DIR>/s.ptu"
r = add(x, (int)strlen("ab"));
#line 80 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
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
   VXU_COMMAND_LINE
OPF_C("<DIR>/t.rio");

#pragma vexor testing_tool_call_place
SRV1_ADD();
CLF_C("<DIR>/t.rio");


#ifdef ZQZQ_MAIN_RETURN
 ZQZQ_MAIN_RETURN
#else
 return(0);
#endif

}/* end t */

VXU_TRACES_FILE("<DIR>/t.rio")

VXU_TESTS_BEGIN
VXU_TEST_ENTRY(2, "add", "t1", "<DIR>/s.ptu", 14)
VXU_TESTS_END

