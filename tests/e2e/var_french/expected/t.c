/**************************************************************************/
/** TOOL : Unit Test Compiler VERSION 8.3.0.1.342.020                    **/
/**                                                                      **/
/** COMMAND : vexorprepro listes.ptu t.c -LANGUAGE=C -TARGET=LINUX       **/
/**    -FAST -STD_DEFINE=<TGT>/ana/vxus_c.def      **/
/**                                                                      **/
/** FILE : <DIR>/t.c                            **/
/**                                                                      **/
/** DATE : <DATE>                                      **/
/**************************************************************************/
#include "unit.h"
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
void SRV1_STEP (void) { 
/* BEGIN  SERVICE step */
#ifdef NEEDS_NUM_TEST_OPE
NUM_OPERATION = 1;
#endif /*NEEDS_NUM_TEST_OPE*/

DCL_OP_C(1, "step");
if (VXU_TEST_BEGIN_C(2)) {
for (_vx_J1 = 1 ; _vx_J1<=3;_vx_J1++ ){

DCL_TST_C(2, "listes");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 1;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
count = _vx_tab_initin1(_vx_J1);
PTU_INTEGER_C((vxu_integer)(count),0+5,10);
count = step(count);
STOP_CHRONO_C();
_vx_check_muets();
EDV_INTEGER_C(1,0,(vxu_integer)(count),0+5,10,(vxu_integer)((int)(_vx_tab_vain1
(_vx_J1))),(vxu_integer)((int)(_vx_tab_vain1(_vx_J1))));
VXU_END_ELEMENT_C();
}
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }

if (VXU_TEST_BEGIN_C(6)) {
for (_vx_J1 = 1 ; _vx_J1<=3;_vx_J1++ ){
for (_vx_J2 = 1 ; _vx_J2<=3;_vx_J2++ ){
 for ( _vx_J3 = 1; (_vx_J3-1) < 4; _vx_J3++ ) {

DCL_TST_C(6, "intervalles");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 2;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
total = (0) + (long long)(_vx_J1 - 1) * (5);
PTU_INTEGER_C((vxu_integer)(total),0+10,10);
mean = (0.0) + ((1.0) - (0.0)) * (double)(_vx_J2 - 1) / 2;
PTU_DOUBLE_C((double)(mean),0+11);
count = (1) + (vxu_integer)( ( (double)( 9 ) - (1) ) * _vx_rand2[_vx_J3-1] +
 0.5 );
PTU_INTEGER_C((vxu_integer)(count),0+12,10);
samples[0] = 0;
PTU_INTEGER_C((vxu_integer)(samples[0]),0+14,10);
samples[1] = 0;
PTU_INTEGER_C((vxu_integer)(samples[1]),0+15,10);
samples[2] = 0;
PTU_INTEGER_C((vxu_integer)(samples[2]),0+16,10);
samples[3] = 0;
PTU_INTEGER_C((vxu_integer)(samples[3]),0+17,10);
STOP_CHRONO_C();
_vx_check_muets();
EDV_INTEGER_C(1,0,(vxu_integer)(total),0+10,10,(vxu_integer)(total),
(vxu_integer)(total));
EDV_DOUBLE_C(1,1,(double)(mean),0+11,(double)(0.0),(double)(1.0));
EDV_INTEGER_C(1,1,(vxu_integer)(count),0+12,10,(vxu_integer)((int)1),
(vxu_integer)((int)9));
VEXOR_OPEN_BRA_C(13);
SET_MODE_TAB_C(13);
EDV_INTEGER_C(1,0,(vxu_integer)(samples[0]),0+14,10,(vxu_integer)((int)0),
(vxu_integer)((int)0));
EDV_INTEGER_C(1,0,(vxu_integer)(samples[1]),0+15,10,(vxu_integer)((int)0),
(vxu_integer)((int)0));
EDV_INTEGER_C(1,0,(vxu_integer)(samples[2]),0+16,10,(vxu_integer)((int)0),
(vxu_integer)((int)0));
EDV_INTEGER_C(1,0,(vxu_integer)(samples[3]),0+17,10,(vxu_integer)((int)0),
(vxu_integer)((int)0));
UNSET_MODE_TAB_C(13);
VEXOR_CLOSE_BRA_C(13);
VXU_END_ELEMENT_C();
}
}
}
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }
}/* END SERVICE step*/
#ifdef ZQZQ_MAIN_HEADER
 ZQZQ_MAIN_HEADER
#else
int main(int argc, char ** argv)
{
#endif
   VXU_INIT_DATA
OPF_C("<DIR>/t.rio");

#pragma vexor testing_tool_call_place
SRV1_STEP();
CLF_C("<DIR>/t.rio");


#ifdef ZQZQ_MAIN_RETURN
 ZQZQ_MAIN_RETURN
#else
 return(0);
#endif

}/* end t */

VXU_TRACES_FILE("<DIR>/t.rio")

