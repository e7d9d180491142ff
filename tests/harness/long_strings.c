/************************************************************************/
/* TOOL : Unit Test Compiler VERSION 8.3.0.1.342.020                    */
/*                                                                      */
/* COMMAND : vexorprepro long_strings.ptu long_strings.c .                          */
/*                                                                      */
/* FILE : long_strings.c                                                      */
/*                                                                      */
/* DATE : Tue Dec  8 02:29:26 2026                                      */
/************************************************************************/
#include <string.h>
#define LONG_SIZE 100000
#define PIECE_SIZE 800
char long_out[LONG_SIZE + 1];
char long_ref[LONG_SIZE + 1];
char piece[PIECE_SIZE + 1];
char joined[3 * PIECE_SIZE + 1];
#ifndef USE_VXU
#define USE_VXU 1
#endif
#ifndef VXL_CPLUSPLUS_LANGUAGE
#define VXL_CPLUSPLUS_LANGUAGE 0
#endif
/* PROGRAM long_strings*/
#include "TP.h"
#include "long_strings.ic"

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
void SRV1_STRINGS (void) { 
/* BEGIN  SERVICE strings */
#ifdef NEEDS_NUM_TEST_OPE
NUM_OPERATION = 1;
#endif /*NEEDS_NUM_TEST_OPE*/

DCL_OP_C(1, "strings");

DCL_TST_C(2, "long");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 1;
#endif /*NEEDS_NUM_TEST_OPE*/

START_CHRONO_C();
_vx_init_muets();
memset(long_ref, 'a', LONG_SIZE);
long_ref[LONG_SIZE - 1] = 'b';
memset(piece, 'p', PIECE_SIZE);
INI_STR_C((char *)(long_out), 1, 0+4, (vxu_charstring)long_ref);
INI_STR_C((char *)(joined), 1, 0+6, CONCAT_STR_C(piece,piece,piece,(vxu_charstring)0));
long_out[LONG_SIZE / 2] = 'X';
STOP_CHRONO_C();
_vx_check_muets();
EDV_STR_C(1,0,(vxu_charstring)(long_out),0+4,(vxu_charstring)long_ref,(vxu_charstring)long_ref);
EDV_STR_C(1,0,(vxu_charstring)(long_ref),0+5,(vxu_charstring)long_ref,(vxu_charstring)long_ref);
EDV_STR_C(1,0,(vxu_charstring)(joined),0+6,CONCAT_STR_C(piece,piece,piece,(vxu_charstring)0),CONCAT_STR_C(piece,piece,piece,(vxu_charstring)0));
VXU_END_TEST_C();
}/* END SERVICE strings*/
#ifdef ZQZQ_MAIN_HEADER
 ZQZQ_MAIN_HEADER
#else
int main(int argc, char ** argv)
{
#endif
   VXU_INIT_DATA
OPF_C("long_strings.rio");

#pragma vexor testing_tool_call_place
SRV1_STRINGS();
CLF_C("long_strings.rio");


#ifdef ZQZQ_MAIN_RETURN
 ZQZQ_MAIN_RETURN
#else
 return(0);
#endif

}/* end long_strings */

VXU_TRACES_FILE("long_strings.rio")

