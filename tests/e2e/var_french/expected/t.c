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
#line 2 "<DIR>/listes.ptu"
#include "unit.h"
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
void SRV1_STEP (void) { 
/* BEGIN  SERVICE step */
#ifdef NEEDS_NUM_TEST_OPE
NUM_OPERATION = 1;
#endif /*NEEDS_NUM_TEST_OPE*/

DCL_OP_C(1, "step");
if (VXU_TEST_BEGIN_C(2)) {
#line 8 "<DIR>/listes.ptu"
for (_vx_J1 = 1 ; _vx_J1<=3;_vx_J1++ ){
#line 64 "<DIR>/t.c"

DCL_TST_C(2, "listes");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 1;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#line 8 "<DIR>/listes.ptu"
count = _vx_tab_initin1(_vx_J1);
#line 8 "<DIR>/listes.ptu"
PTU_INTEGER_C((vxu_integer)(count),0+5,10);
count = step(count);
#line 77 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
#line 8 "<DIR>/listes.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(count),0+5,10,(vxu_integer)((vxu_integer)
#line 8 "<DIR>/listes.ptu"
(_vx_tab_vain1(_vx_J1))),(vxu_integer)((vxu_integer)(_vx_tab_vain1(_vx_J1))));
#line 84 "<DIR>/t.c"
VXU_END_ELEMENT_C();
#line 8 "<DIR>/listes.ptu"
}
#line 88 "<DIR>/t.c"
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }

if (VXU_TEST_BEGIN_C(6)) {
#line 16 "<DIR>/listes.ptu"
for (_vx_J1 = 1 ; _vx_J1<=3;_vx_J1++ ){
for (_vx_J2 = 1 ; _vx_J2<=3;_vx_J2++ ){
 for ( _vx_J3 = 1; (_vx_J3-1) < 4; _vx_J3++ ) {
#line 97 "<DIR>/t.c"

DCL_TST_C(6, "intervalles");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 2;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#line 16 "<DIR>/listes.ptu"
total = (0) + (long long)(_vx_J1 - 1) * (5);
#line 16 "<DIR>/listes.ptu"
PTU_INTEGER_C((vxu_integer)(total),0+10,10);
mean = (0.0) + ((1.0) - (0.0)) * (double)(_vx_J2 - 1) / 2;
#line 17 "<DIR>/listes.ptu"
PTU_DOUBLE_C((double)(mean),0+11);
count = (1) + (vxu_integer)( ( (double)( 9 ) - (1) ) * _vx_rand2[_vx_J3-1] +
#line 18 "<DIR>/listes.ptu"
 0.5 );
#line 18 "<DIR>/listes.ptu"
PTU_INTEGER_C((vxu_integer)(count),0+12,10);
samples[0] = 0;
#line 19 "<DIR>/listes.ptu"
PTU_INTEGER_C((vxu_integer)(samples[0]),0+14,10);
#line 19 "<DIR>/listes.ptu"
samples[1] = 0;
#line 19 "<DIR>/listes.ptu"
PTU_INTEGER_C((vxu_integer)(samples[1]),0+15,10);
#line 19 "<DIR>/listes.ptu"
samples[2] = 0;
#line 19 "<DIR>/listes.ptu"
PTU_INTEGER_C((vxu_integer)(samples[2]),0+16,10);
#line 19 "<DIR>/listes.ptu"
samples[3] = 0;
#line 19 "<DIR>/listes.ptu"
PTU_INTEGER_C((vxu_integer)(samples[3]),0+17,10);
#line 132 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
#line 16 "<DIR>/listes.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(total),0+10,10,(vxu_integer)(total),
#line 16 "<DIR>/listes.ptu"
(vxu_integer)(total));
EDV_DOUBLE_C(1,1,(double)(mean),0+11,(double)(0.0),(double)(1.0));
EDV_INTEGER_C(1,1,(vxu_integer)(count),0+12,10,(vxu_integer)((int)1),
#line 18 "<DIR>/listes.ptu"
(vxu_integer)((int)9));
VEXOR_OPEN_BRA_C(13);
#line 19 "<DIR>/listes.ptu"
SET_MODE_TAB_C(13);
#line 19 "<DIR>/listes.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(samples[0]),0+14,10,(vxu_integer)((int)0),
#line 19 "<DIR>/listes.ptu"
(vxu_integer)((int)0));
#line 19 "<DIR>/listes.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(samples[1]),0+15,10,(vxu_integer)((int)0),
#line 19 "<DIR>/listes.ptu"
(vxu_integer)((int)0));
#line 19 "<DIR>/listes.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(samples[2]),0+16,10,(vxu_integer)((int)0),
#line 19 "<DIR>/listes.ptu"
(vxu_integer)((int)0));
#line 19 "<DIR>/listes.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(samples[3]),0+17,10,(vxu_integer)((int)0),
#line 19 "<DIR>/listes.ptu"
(vxu_integer)((int)0));
#line 19 "<DIR>/listes.ptu"
UNSET_MODE_TAB_C(13);
#line 19 "<DIR>/listes.ptu"
VEXOR_CLOSE_BRA_C(13);
#line 166 "<DIR>/t.c"
VXU_END_ELEMENT_C();
#line 16 "<DIR>/listes.ptu"
}
}
}
#line 172 "<DIR>/t.c"
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
   VXU_COMMAND_LINE
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

VXU_TESTS_BEGIN
VXU_TEST_ENTRY(2, "step", "listes", "<DIR>/listes.ptu", 5)
VXU_TEST_ENTRY(6, "step", "intervalles", "<DIR>/listes.ptu", 13)
VXU_TESTS_END

