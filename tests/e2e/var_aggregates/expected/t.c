/**************************************************************************/
/** TOOL : Unit Test Compiler VERSION 8.3.0.1.342.020                    **/
/**                                                                      **/
/** COMMAND : vexorprepro aggregates.ptu t.c -LANGUAGE=C -TARGET=LINUX   **/
/**    -FAST -STD_DEFINE=<TGT>/ana/vxus_c.def      **/
/**                                                                      **/
/** FILE : <DIR>/t.c                        **/
/**                                                                      **/
/** DATE : <DATE>                                      **/
/**************************************************************************/
#line 2 "<DIR>/aggregates.ptu"
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
void SRV1_UPDATE (void) { 
/* BEGIN  SERVICE update */
#ifdef NEEDS_NUM_TEST_OPE
NUM_OPERATION = 1;
#endif /*NEEDS_NUM_TEST_OPE*/

DCL_OP_C(1, "update");
if (VXU_TEST_BEGIN_C(2)) {

DCL_TST_C(2, "by_element");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 1;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#line 8 "<DIR>/aggregates.ptu"
samples[0] = 1;
#line 8 "<DIR>/aggregates.ptu"
PTU_INTEGER_C((vxu_integer)(samples[0]),0+6,10);
#line 8 "<DIR>/aggregates.ptu"
samples[1] = 2;
#line 8 "<DIR>/aggregates.ptu"
PTU_INTEGER_C((vxu_integer)(samples[1]),0+7,10);
#line 8 "<DIR>/aggregates.ptu"
samples[2] = 3;
#line 8 "<DIR>/aggregates.ptu"
PTU_INTEGER_C((vxu_integer)(samples[2]),0+8,10);
#line 8 "<DIR>/aggregates.ptu"
samples[3] = 4;
#line 8 "<DIR>/aggregates.ptu"
PTU_INTEGER_C((vxu_integer)(samples[3]),0+9,10);
shape.id = 1;
#line 9 "<DIR>/aggregates.ptu"
PTU_INTEGER_C((vxu_integer)(shape.id),0+11,10);
#line 9 "<DIR>/aggregates.ptu"
shape.corners[0].x = 0;
#line 9 "<DIR>/aggregates.ptu"
PTU_INTEGER_C((vxu_integer)(shape.corners[0].x),0+12,10);
#line 9 "<DIR>/aggregates.ptu"
shape.corners[0].y = 0;
#line 9 "<DIR>/aggregates.ptu"
PTU_INTEGER_C((vxu_integer)(shape.corners[0].y),0+13,10);
#line 9 "<DIR>/aggregates.ptu"
shape.corners[1].x = 2;
#line 9 "<DIR>/aggregates.ptu"
PTU_INTEGER_C((vxu_integer)(shape.corners[1].x),0+14,10);
#line 9 "<DIR>/aggregates.ptu"
shape.corners[1].y = 2;
#line 9 "<DIR>/aggregates.ptu"
PTU_INTEGER_C((vxu_integer)(shape.corners[1].y),0+15,10);
#line 9 "<DIR>/aggregates.ptu"
INI_STR_C((char *)(shape.label), 1, 0+16, (vxu_charstring)"box");
#line 9 "<DIR>/aggregates.ptu"
shape.area = 0.0;
#line 9 "<DIR>/aggregates.ptu"
PTU_DOUBLE_C((double)(shape.area),0+17);
path[0].x = 0;
#line 10 "<DIR>/aggregates.ptu"
PTU_INTEGER_C((vxu_integer)(path[0].x),0+19,10);
#line 10 "<DIR>/aggregates.ptu"
path[0].y = 0;
#line 10 "<DIR>/aggregates.ptu"
PTU_INTEGER_C((vxu_integer)(path[0].y),0+20,10);
#line 10 "<DIR>/aggregates.ptu"
path[1].x = 0;
#line 10 "<DIR>/aggregates.ptu"
PTU_INTEGER_C((vxu_integer)(path[1].x),0+21,10);
#line 10 "<DIR>/aggregates.ptu"
path[1].y = 0;
#line 10 "<DIR>/aggregates.ptu"
PTU_INTEGER_C((vxu_integer)(path[1].y),0+22,10);
update();
#line 126 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
#line 8 "<DIR>/aggregates.ptu"
VEXOR_OPEN_BRA_C(5);
#line 8 "<DIR>/aggregates.ptu"
SET_MODE_TAB_C(5);
#line 8 "<DIR>/aggregates.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(samples[0]),0+6,10,(vxu_integer)((int)1),
#line 8 "<DIR>/aggregates.ptu"
(vxu_integer)((int)1));
#line 8 "<DIR>/aggregates.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(samples[1]),0+7,10,(vxu_integer)((int)3),
#line 8 "<DIR>/aggregates.ptu"
(vxu_integer)((int)3));
#line 8 "<DIR>/aggregates.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(samples[2]),0+8,10,(vxu_integer)((int)5),
#line 8 "<DIR>/aggregates.ptu"
(vxu_integer)((int)5));
#line 8 "<DIR>/aggregates.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(samples[3]),0+9,10,(vxu_integer)((int)7),
#line 8 "<DIR>/aggregates.ptu"
(vxu_integer)((int)7));
#line 8 "<DIR>/aggregates.ptu"
UNSET_MODE_TAB_C(5);
#line 8 "<DIR>/aggregates.ptu"
VEXOR_CLOSE_BRA_C(5);
VEXOR_OPEN_BRA_C(10);
#line 9 "<DIR>/aggregates.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(shape.id),0+11,10,(vxu_integer)((int)2),
#line 9 "<DIR>/aggregates.ptu"
(vxu_integer)((int)2));
#line 9 "<DIR>/aggregates.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(shape.corners[0].x),0+12,10,(vxu_integer)((int
#line 9 "<DIR>/aggregates.ptu"
)0),(vxu_integer)((int)0));
#line 9 "<DIR>/aggregates.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(shape.corners[0].y),0+13,10,(vxu_integer)((int
#line 9 "<DIR>/aggregates.ptu"
)0),(vxu_integer)((int)0));
#line 9 "<DIR>/aggregates.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(shape.corners[1].x),0+14,10,(vxu_integer)((int
#line 9 "<DIR>/aggregates.ptu"
)2),(vxu_integer)((int)2));
#line 9 "<DIR>/aggregates.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(shape.corners[1].y),0+15,10,(vxu_integer)((int
#line 9 "<DIR>/aggregates.ptu"
)2),(vxu_integer)((int)2));
#line 9 "<DIR>/aggregates.ptu"
EDV_STR_C(1,0,(vxu_charstring)(shape.label),0+16,(vxu_charstring)"box",
#line 9 "<DIR>/aggregates.ptu"
(vxu_charstring)"box");
#line 9 "<DIR>/aggregates.ptu"
EDV_DOUBLE_C(1,0,(double)(shape.area),0+17,(double)(2.5),(double)(2.5));
#line 9 "<DIR>/aggregates.ptu"
VEXOR_CLOSE_BRA_C(10);
VEXOR_OPEN_BRA_C(18);
#line 10 "<DIR>/aggregates.ptu"
SET_MODE_TAB_C(18);
#line 10 "<DIR>/aggregates.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(path[0].x),0+19,10,(vxu_integer)((int)0),
#line 10 "<DIR>/aggregates.ptu"
(vxu_integer)((int)0));
#line 10 "<DIR>/aggregates.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(path[0].y),0+20,10,(vxu_integer)((int)0),
#line 10 "<DIR>/aggregates.ptu"
(vxu_integer)((int)0));
#line 10 "<DIR>/aggregates.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(path[1].x),0+21,10,(vxu_integer)((int)0),
#line 10 "<DIR>/aggregates.ptu"
(vxu_integer)((int)0));
#line 10 "<DIR>/aggregates.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(path[1].y),0+22,10,(vxu_integer)((int)7),
#line 10 "<DIR>/aggregates.ptu"
(vxu_integer)((int)7));
#line 10 "<DIR>/aggregates.ptu"
UNSET_MODE_TAB_C(18);
#line 10 "<DIR>/aggregates.ptu"
VEXOR_CLOSE_BRA_C(18);
#line 205 "<DIR>/t.c"
VXU_END_ELEMENT_C();
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }

if (VXU_TEST_BEGIN_C(23)) {

DCL_TST_C(23, "whole");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 2;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#line 18 "<DIR>/aggregates.ptu"
for (_vx_I1 = 0 ; _vx_I1 < 4 ; _vx_I1++) { 
#line 18 "<DIR>/aggregates.ptu"
samples[_vx_I1] = 5;
#line 18 "<DIR>/aggregates.ptu"
}
{
#line 19 "<DIR>/aggregates.ptu"
int _vx_ini27[] = {1,1,1,1,1,1};
#line 19 "<DIR>/aggregates.ptu"
for (_vx_I1 = 0 ; _vx_I1 < 2 ; _vx_I1++) { for (_vx_I2 = 0 ; _vx_I2 < 3 ;
#line 19 "<DIR>/aggregates.ptu"
 _vx_I2++) { 
#line 19 "<DIR>/aggregates.ptu"
grid[_vx_I1][_vx_I2] = _vx_ini27[(_vx_I1)*3+_vx_I2];
#line 19 "<DIR>/aggregates.ptu"
}}
#line 19 "<DIR>/aggregates.ptu"
}
shape.id = 0;
#line 20 "<DIR>/aggregates.ptu"
PTU_INTEGER_C((vxu_integer)(shape.id),0+29,10);
#line 20 "<DIR>/aggregates.ptu"
shape.corners[0].x = 1;
#line 20 "<DIR>/aggregates.ptu"
PTU_INTEGER_C((vxu_integer)(shape.corners[0].x),0+30,10);
#line 20 "<DIR>/aggregates.ptu"
shape.corners[0].y = 1;
#line 20 "<DIR>/aggregates.ptu"
PTU_INTEGER_C((vxu_integer)(shape.corners[0].y),0+31,10);
#line 20 "<DIR>/aggregates.ptu"
shape.corners[1].x = 3;
#line 20 "<DIR>/aggregates.ptu"
PTU_INTEGER_C((vxu_integer)(shape.corners[1].x),0+32,10);
#line 20 "<DIR>/aggregates.ptu"
shape.corners[1].y = 3;
#line 20 "<DIR>/aggregates.ptu"
PTU_INTEGER_C((vxu_integer)(shape.corners[1].y),0+33,10);
#line 20 "<DIR>/aggregates.ptu"
INI_STR_C((char *)(shape.label), 1, 0+34, (vxu_charstring)"s");
#line 20 "<DIR>/aggregates.ptu"
shape.area = 1.0;
#line 20 "<DIR>/aggregates.ptu"
PTU_DOUBLE_C((double)(shape.area),0+35);
update();
#line 263 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
#line 18 "<DIR>/aggregates.ptu"
SET_MODE_TAB_C(26);
#line 18 "<DIR>/aggregates.ptu"
SET_MODE_CST_C(26);
#line 18 "<DIR>/aggregates.ptu"
{
#line 18 "<DIR>/aggregates.ptu"
int _vx_cst26[] = {5,6,7,8};
#line 18 "<DIR>/aggregates.ptu"
for (_vx_I1 = 0 ; _vx_I1 < 4 ; _vx_I1++) { 
#line 18 "<DIR>/aggregates.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(samples[_vx_I1]),0+26,10,(vxu_integer)(
#line 18 "<DIR>/aggregates.ptu"
(vxu_integer)(_vx_cst26[_vx_I1])),(vxu_integer)((vxu_integer)(_vx_cst26[_vx_I1]
#line 18 "<DIR>/aggregates.ptu"
)));
#line 18 "<DIR>/aggregates.ptu"
}
#line 18 "<DIR>/aggregates.ptu"
}
#line 18 "<DIR>/aggregates.ptu"
UNSET_MODE_CST_C(26);
#line 18 "<DIR>/aggregates.ptu"
UNSET_MODE_TAB_C(26);
SET_MODE_TAB_C(27);
#line 19 "<DIR>/aggregates.ptu"
SET_MODE_CST_C(27);
#line 19 "<DIR>/aggregates.ptu"
{
#line 19 "<DIR>/aggregates.ptu"
int _vx_cst27[] = {1,1,1,1,1,42};
#line 19 "<DIR>/aggregates.ptu"
for (_vx_I1 = 0 ; _vx_I1 < 2 ; _vx_I1++) { for (_vx_I2 = 0 ; _vx_I2 < 3 ;
#line 19 "<DIR>/aggregates.ptu"
 _vx_I2++) { 
#line 19 "<DIR>/aggregates.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(grid[_vx_I1][_vx_I2]),0+27,10,(vxu_integer)(
#line 19 "<DIR>/aggregates.ptu"
(vxu_integer)(_vx_cst27[(_vx_I1)*3+_vx_I2])),(vxu_integer)((vxu_integer)
#line 19 "<DIR>/aggregates.ptu"
(_vx_cst27[(_vx_I1)*3+_vx_I2])));
#line 19 "<DIR>/aggregates.ptu"
}}
#line 19 "<DIR>/aggregates.ptu"
}
#line 19 "<DIR>/aggregates.ptu"
UNSET_MODE_CST_C(27);
#line 19 "<DIR>/aggregates.ptu"
UNSET_MODE_TAB_C(27);
VEXOR_OPEN_BRA_C(28);
#line 20 "<DIR>/aggregates.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(shape.id),0+29,10,(vxu_integer)((int)1),
#line 20 "<DIR>/aggregates.ptu"
(vxu_integer)((int)1));
#line 20 "<DIR>/aggregates.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(shape.corners[0].x),0+30,10,(vxu_integer)((int
#line 20 "<DIR>/aggregates.ptu"
)1),(vxu_integer)((int)1));
#line 20 "<DIR>/aggregates.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(shape.corners[0].y),0+31,10,(vxu_integer)((int
#line 20 "<DIR>/aggregates.ptu"
)1),(vxu_integer)((int)1));
#line 20 "<DIR>/aggregates.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(shape.corners[1].x),0+32,10,(vxu_integer)((int
#line 20 "<DIR>/aggregates.ptu"
)3),(vxu_integer)((int)3));
#line 20 "<DIR>/aggregates.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(shape.corners[1].y),0+33,10,(vxu_integer)((int
#line 20 "<DIR>/aggregates.ptu"
)3),(vxu_integer)((int)3));
#line 20 "<DIR>/aggregates.ptu"
EDV_STR_C(1,0,(vxu_charstring)(shape.label),0+34,(vxu_charstring)"s",
#line 20 "<DIR>/aggregates.ptu"
(vxu_charstring)"s");
#line 20 "<DIR>/aggregates.ptu"
EDV_DOUBLE_C(1,0,(double)(shape.area),0+35,(double)(2.5),(double)(2.5));
#line 20 "<DIR>/aggregates.ptu"
VEXOR_CLOSE_BRA_C(28);
#line 344 "<DIR>/t.c"
VXU_END_ELEMENT_C();
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }
}/* END SERVICE update*/
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
SRV1_UPDATE();
CLF_C("<DIR>/t.rio");


#ifdef ZQZQ_MAIN_RETURN
 ZQZQ_MAIN_RETURN
#else
 return(0);
#endif

}/* end t */

VXU_TRACES_FILE("<DIR>/t.rio")

VXU_TESTS_BEGIN
VXU_TEST_ENTRY(2, "update", "by_element", "<DIR>/aggregates.ptu", 5)
VXU_TEST_ENTRY(23, "update", "whole", "<DIR>/aggregates.ptu", 15)
VXU_TESTS_END

