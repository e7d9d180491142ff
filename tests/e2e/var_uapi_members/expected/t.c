/**************************************************************************/
/** TOOL : Unit Test Compiler VERSION 8.3.0.1.342.020                    **/
/**                                                                      **/
/** COMMAND : vexorprepro s.ptu t.c -LANGUAGE=C -TARGET=LINUX -FAST      **/
/**    -STD_DEFINE=<TGT>/ana/vxus_c.def            **/
/**                                                                      **/
/** FILE : <DIR>/t.c                      **/
/**                                                                      **/
/** DATE : <DATE>                                      **/
/**************************************************************************/
#line 2 "<DIR>/s.ptu"
#define _DEFAULT_SOURCE 1
#include <sys/stat.h>
#include <net/if.h>
#include <linux/can.h>
#include <linux/sched.h>
#include "frames.h"
struct can_frame cf;
struct clone_args ca;
struct stat st;
struct ifreq ifr;
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
void SRV1_BUMP (void) { 
/* BEGIN  SERVICE bump */
#ifdef NEEDS_NUM_TEST_OPE
NUM_OPERATION = 1;
#endif /*NEEDS_NUM_TEST_OPE*/

DCL_OP_C(1, "bump");
if (VXU_TEST_BEGIN_C(2)) {

DCL_TST_C(2, "members");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 1;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#line 17 "<DIR>/s.ptu"
cf.len = 3;
#line 17 "<DIR>/s.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(cf.len),0+5,10);
cf.data[7] = 9;
#line 18 "<DIR>/s.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(cf.data[7]),0+6,16);
ca.flags = 16;
#line 19 "<DIR>/s.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(ca.flags),0+7,10);
st.st_mtime = 100;
#line 20 "<DIR>/s.ptu"
PTU_INTEGER_C((vxu_integer)(st.st_mtime),0+8,10);
ifr.ifr_flags = 1;
#line 21 "<DIR>/s.ptu"
PTU_INTEGER_C((vxu_integer)(ifr.ifr_flags),0+9,10);
bump(&cf, &ca, &st, &ifr);
#line 95 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
#line 17 "<DIR>/s.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(cf.len),0+5,10,(vxu_unsigned)((__u8)4),
#line 17 "<DIR>/s.ptu"
(vxu_unsigned)((__u8)4));
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(cf.data[7]),0+6,16,(vxu_unsigned)((__u8)10),
#line 18 "<DIR>/s.ptu"
(vxu_unsigned)((__u8)10));
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(ca.flags),0+7,10,(vxu_unsigned)((__u64)17),
#line 19 "<DIR>/s.ptu"
(vxu_unsigned)((__u64)17));
EDV_INTEGER_C(1,0,(vxu_integer)(st.st_mtime),0+8,10,(vxu_integer)((__time_t)101
#line 20 "<DIR>/s.ptu"
),(vxu_integer)((__time_t)101));
EDV_INTEGER_C(1,0,(vxu_integer)(ifr.ifr_flags),0+9,10,(vxu_integer)((short int
#line 21 "<DIR>/s.ptu"
)2),(vxu_integer)((short int)2));
#line 114 "<DIR>/t.c"
VXU_END_ELEMENT_C();
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }
}/* END SERVICE bump*/
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
SRV1_BUMP();
CLF_C("<DIR>/t.rio");


#ifdef ZQZQ_MAIN_RETURN
 ZQZQ_MAIN_RETURN
#else
 return(0);
#endif

}/* end t */

VXU_TRACES_FILE("<DIR>/t.rio")

VXU_TESTS_BEGIN
VXU_TEST_ENTRY(2, "bump", "members", "<DIR>/s.ptu", 14)
VXU_TESTS_END

