/**************************************************************************/
/** TOOL : Unit Test Compiler VERSION 8.3.0.1.342.020                    **/
/**                                                                      **/
/** COMMAND : vexorprepro lists.ptu t.c -LANGUAGE=C -TARGET=LINUX -FAST  **/
/**    -STD_DEFINE=<TGT>/ana/vxus_c.def            **/
/**                                                                      **/
/** FILE : <DIR>/t.c                             **/
/**                                                                      **/
/** DATE : <DATE>                                      **/
/**************************************************************************/
#line 2 "<DIR>/lists.ptu"
#include "unit.h"
int n = 3;
#line 15 "<DIR>/t.c"
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
#line 9 "<DIR>/lists.ptu"
for (_vx_J1 = 1 ; _vx_J1<=3;_vx_J1++ ){
#line 65 "<DIR>/t.c"

DCL_TST_C(2, "lists");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 1;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#line 9 "<DIR>/lists.ptu"
count = _vx_tab_initin1(_vx_J1);
#line 9 "<DIR>/lists.ptu"
PTU_INTEGER_C((vxu_integer)(count),0+5,10);
total = _vx_tab_init_avec2(_vx_J1);
#line 10 "<DIR>/lists.ptu"
PTU_INTEGER_C((vxu_integer)(total),0+6,10);
level = 0;
#line 11 "<DIR>/lists.ptu"
PTU_INTEGER_C((vxu_integer)(level),0+7,10);
count = step(count);
#line 84 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
#line 9 "<DIR>/lists.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(count),0+5,10,(vxu_integer)((vxu_integer)
#line 9 "<DIR>/lists.ptu"
(_vx_tab_vain1(_vx_J1))),(vxu_integer)((vxu_integer)(_vx_tab_vain1(_vx_J1))));
EDV_INTEGER_C(1,0,(vxu_integer)(total),0+6,10,(vxu_integer)(_vx_tab_vain3
#line 10 "<DIR>/lists.ptu"
(_vx_J1)),(vxu_integer)(_vx_tab_vain3(_vx_J1)));
EDV_INTEGER_C(1,0,(vxu_integer)(level),0+7,10,(vxu_integer)((short)0),
#line 11 "<DIR>/lists.ptu"
(vxu_integer)((short)0));
#line 97 "<DIR>/t.c"
VXU_END_ELEMENT_C();
#line 9 "<DIR>/lists.ptu"
}
#line 101 "<DIR>/t.c"
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }

if (VXU_TEST_BEGIN_C(8)) {
#line 19 "<DIR>/lists.ptu"
for (_vx_J1 = 1 ; _vx_J1<=3;_vx_J1++ ){
if (_vx_J1 == 1) { _vx_F2 = (long double)(1); _vx_S2 = (long double)(1); _vx_N2
#line 20 "<DIR>/lists.ptu"
 = _vx_range_count(_vx_F2, (long double)(n), &_vx_S2, 1); }
#line 20 "<DIR>/lists.ptu"
if (_vx_J1 == 1) DCL_FAC_REP_C(13,_vx_N2);
#line 20 "<DIR>/lists.ptu"
for (_vx_J2 = 1 ; _vx_J2<=_vx_N2;_vx_J2++ ){
#line 115 "<DIR>/t.c"

DCL_TST_C(8, "steps");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 2;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#line 19 "<DIR>/lists.ptu"
count = (0) + (long long)(_vx_J1 - 1) * (5);
#line 19 "<DIR>/lists.ptu"
PTU_INTEGER_C((vxu_integer)(count),0+12,10);
total = _vx_F2 + (long double)(_vx_J2 - 1) * _vx_S2;
#line 20 "<DIR>/lists.ptu"
PTU_INTEGER_C((vxu_integer)(total),0+14,10);
level = 0;
#line 21 "<DIR>/lists.ptu"
PTU_INTEGER_C((vxu_integer)(level),0+15,10);
level = (short)step(0);
#line 134 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
#line 19 "<DIR>/lists.ptu"
EDV_INTEGER_C(1,1,(vxu_integer)(count),0+12,10,(vxu_integer)((int)0),
#line 19 "<DIR>/lists.ptu"
(vxu_integer)((int)10));
EDV_INTEGER_C(1,0,(vxu_integer)(total),0+14,10,(vxu_integer)(total),
#line 20 "<DIR>/lists.ptu"
(vxu_integer)(total));
EDV_INTEGER_C(1,0,(vxu_integer)(level),0+15,10,(vxu_integer)((short)1),
#line 21 "<DIR>/lists.ptu"
(vxu_integer)((short)1));
#line 147 "<DIR>/t.c"
VXU_END_ELEMENT_C();
#line 19 "<DIR>/lists.ptu"
}
}
#line 152 "<DIR>/t.c"
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }

if (VXU_TEST_BEGIN_C(16)) {
#line 29 "<DIR>/lists.ptu"
for (_vx_J1 = 1 ; _vx_J1<=3;_vx_J1++ ){
 for ( _vx_J2 = 1; (_vx_J2-1) < 5; _vx_J2++ ) {
#line 160 "<DIR>/t.c"

DCL_TST_C(16, "counts");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 3;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#line 29 "<DIR>/lists.ptu"
mean = (0.0) + ((1.0) - (0.0)) * (double)(_vx_J1 - 1) / 2;
#line 29 "<DIR>/lists.ptu"
PTU_DOUBLE_C((double)(mean),0+19);
count = (10) + (vxu_integer)( ( (double)( 20 ) - (10) ) * _vx_rand2[_vx_J2-1] +
#line 30 "<DIR>/lists.ptu"
 0.5 );
#line 30 "<DIR>/lists.ptu"
PTU_INTEGER_C((vxu_integer)(count),0+20,10);
#line 177 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
#line 29 "<DIR>/lists.ptu"
EDV_DOUBLE_C(1,1,(double)(mean),0+19,(double)(0.0),(double)(1.0));
EDV_INTEGER_C(1,1,(vxu_integer)(count),0+20,10,(vxu_integer)((int)10),
#line 30 "<DIR>/lists.ptu"
(vxu_integer)((int)20));
#line 185 "<DIR>/t.c"
VXU_END_ELEMENT_C();
#line 29 "<DIR>/lists.ptu"
}
}
#line 190 "<DIR>/t.c"
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
VXU_TEST_ENTRY(2, "step", "lists", "<DIR>/lists.ptu", 6)
VXU_TEST_ENTRY(8, "step", "steps", "<DIR>/lists.ptu", 16)
VXU_TEST_ENTRY(16, "step", "counts", "<DIR>/lists.ptu", 26)
VXU_TESTS_END

