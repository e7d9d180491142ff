/**************************************************************************/
/** TOOL : Unit Test Compiler VERSION 8.3.0.1.342.020                    **/
/**                                                                      **/
/** COMMAND : vexorprepro failing.ptu t.c -LANGUAGE=C -TARGET=LINUX      **/
/**    -FAST -STD_DEFINE=<TGT>/ana/vxus_c.def      **/
/**                                                                      **/
/** FILE : <DIR>/t.c                           **/
/**                                                                      **/
/** DATE : <DATE>                                      **/
/**************************************************************************/
#line 2 "<DIR>/failing.ptu"
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
if (VXU_TEST_BEGIN_C(3)) {

DCL_TST_C(3, "scalars");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 1;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#line 11 "<DIR>/failing.ptu"
count = 1;
#line 11 "<DIR>/failing.ptu"
PTU_INTEGER_C((vxu_integer)(count),0+8,10);
flags = 2;
#line 12 "<DIR>/failing.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(flags),0+9,10);
level = 3;
#line 13 "<DIR>/failing.ptu"
PTU_INTEGER_C((vxu_integer)(level),0+10,10);
total = 5;
#line 14 "<DIR>/failing.ptu"
PTU_INTEGER_C((vxu_integer)(total),0+11,10);
grade = 'a';
#line 15 "<DIR>/failing.ptu"
PTU_CHAR_C((char)(grade),0+12);
ratio = 1.25;
#line 16 "<DIR>/failing.ptu"
PTU_FLOAT_C((float)(ratio),0+13);
mean = 1.0;
#line 17 "<DIR>/failing.ptu"
PTU_DOUBLE_C((double)(mean),0+14);
INI_STR_C((char *)(title), 1, 0+15, CONCAT_STR_C("to", "day",(vxu_charstring)0)
#line 18 "<DIR>/failing.ptu"
);
message = (const char *)NIL;
cursor = (int *)NIL;
handler = (int (*)(int))NILFUNC;
mode = OFF;
#line 22 "<DIR>/failing.ptu"
PTU_INTEGER_C((vxu_integer)(mode),0+19,10);
ready = 0;
#line 23 "<DIR>/failing.ptu"
PTU_BOOLEAN_C(ready,0+20);
#line 26 "<DIR>/failing.ptu"
update();
#line 105 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
#line 11 "<DIR>/failing.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(count),0+8,10,(vxu_integer)((int)3),
#line 11 "<DIR>/failing.ptu"
(vxu_integer)((int)3));
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(flags),0+9,10,(vxu_unsigned)((unsigned int)2)
#line 12 "<DIR>/failing.ptu"
,(vxu_unsigned)((unsigned int)2));
EDV_INTEGER_C(1,0,(vxu_integer)(level),0+10,10,(vxu_integer)((short)7),
#line 13 "<DIR>/failing.ptu"
(vxu_integer)((short)7));
EDV_INTEGER_C(1,0,(vxu_integer)(total),0+11,10,(vxu_integer)(16),(vxu_integer)
#line 14 "<DIR>/failing.ptu"
(16));
EDV_CHAR_C(1,0,(char)(grade),0+12,(char)('c'),(char)('c'));
EDV_FLOAT_C(1,1,(float)(ratio),0+13,(float)((2.6) - (0.01>=0?0.01:-(0.01))),
#line 16 "<DIR>/failing.ptu"
(float)((2.6) + (0.01>=0?0.01:-(0.01))));
EDV_DOUBLE_C(1,1,(double)(mean),0+14,(double)((0.5) - (((1)*(0.5)/100.0)>=0?((1
#line 17 "<DIR>/failing.ptu"
)*(0.5)/100.0):-((1)*(0.5)/100.0))),(double)((0.5) + (((1)*(0.5)/100.0)>=0?((1
#line 17 "<DIR>/failing.ptu"
)*(0.5)/100.0):-((1)*(0.5)/100.0))));
EDV_STR_C(1,0,(vxu_charstring)(title),0+15,(vxu_charstring)"today",
#line 18 "<DIR>/failing.ptu"
(vxu_charstring)"today");
EDV_STR_C(1,0,(vxu_charstring)(message),0+16,(vxu_charstring)"other",
#line 19 "<DIR>/failing.ptu"
(vxu_charstring)"other");
EDV_POINTER_C(1,0,(vxu_pointer)(cursor),0+17,(vxu_pointer)(NIL));
EDV_NILFUNCPOINTER_C(1,0,(handler),0+18,(NILFUNC));
EDV_INTEGER_C(1,0,(vxu_integer)(mode),0+19,10,(vxu_integer)((mode_t2)ON),
#line 22 "<DIR>/failing.ptu"
(vxu_integer)((mode_t2)ON));
EDV_BOOLEAN_C(1,0,ready,0+20,0,0);
EDV_INTEGER_C(0,0,(vxu_integer)(total),0+21,10,(vxu_integer)(0),(vxu_integer)(0
#line 24 "<DIR>/failing.ptu"
));
EDV_INTEGER_C(1,1,(vxu_integer)(count),0+22,10,(vxu_integer)((int)5),
#line 25 "<DIR>/failing.ptu"
(vxu_integer)((int)9));
#line 148 "<DIR>/t.c"
VXU_END_ELEMENT_C();
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }

if (VXU_TEST_BEGIN_C(23)) {

DCL_TST_C(23, "aggregates");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 2;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#line 33 "<DIR>/failing.ptu"
samples[0] = 0;
#line 33 "<DIR>/failing.ptu"
PTU_INTEGER_C((vxu_integer)(samples[0]),0+27,10);
#line 33 "<DIR>/failing.ptu"
samples[1] = 0;
#line 33 "<DIR>/failing.ptu"
PTU_INTEGER_C((vxu_integer)(samples[1]),0+28,10);
#line 33 "<DIR>/failing.ptu"
samples[2] = 0;
#line 33 "<DIR>/failing.ptu"
PTU_INTEGER_C((vxu_integer)(samples[2]),0+29,10);
#line 33 "<DIR>/failing.ptu"
samples[3] = 0;
#line 33 "<DIR>/failing.ptu"
PTU_INTEGER_C((vxu_integer)(samples[3]),0+30,10);
for (_vx_I1 = 0 ; _vx_I1 < 2 ; _vx_I1++) { for (_vx_I2 = 0 ; _vx_I2 < 3 ;
#line 34 "<DIR>/failing.ptu"
 _vx_I2++) { 
#line 34 "<DIR>/failing.ptu"
grid[_vx_I1][_vx_I2] = 0;
#line 34 "<DIR>/failing.ptu"
}}
shape.id = 0;
#line 35 "<DIR>/failing.ptu"
PTU_INTEGER_C((vxu_integer)(shape.id),0+33,10);
#line 35 "<DIR>/failing.ptu"
shape.corners[0].x = 0;
#line 35 "<DIR>/failing.ptu"
PTU_INTEGER_C((vxu_integer)(shape.corners[0].x),0+34,10);
#line 35 "<DIR>/failing.ptu"
shape.corners[0].y = 0;
#line 35 "<DIR>/failing.ptu"
PTU_INTEGER_C((vxu_integer)(shape.corners[0].y),0+35,10);
#line 35 "<DIR>/failing.ptu"
shape.corners[1].x = 0;
#line 35 "<DIR>/failing.ptu"
PTU_INTEGER_C((vxu_integer)(shape.corners[1].x),0+36,10);
#line 35 "<DIR>/failing.ptu"
shape.corners[1].y = 0;
#line 35 "<DIR>/failing.ptu"
PTU_INTEGER_C((vxu_integer)(shape.corners[1].y),0+37,10);
#line 35 "<DIR>/failing.ptu"
INI_STR_C((char *)(shape.label), 1, 0+38, (vxu_charstring)"");
#line 35 "<DIR>/failing.ptu"
shape.area = 0.0;
#line 35 "<DIR>/failing.ptu"
PTU_DOUBLE_C((double)(shape.area),0+39);
update();
#line 210 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
#line 33 "<DIR>/failing.ptu"
VEXOR_OPEN_BRA_C(26);
#line 33 "<DIR>/failing.ptu"
SET_MODE_TAB_C(26);
#line 33 "<DIR>/failing.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(samples[0]),0+27,10,(vxu_integer)((int)0),
#line 33 "<DIR>/failing.ptu"
(vxu_integer)((int)0));
#line 33 "<DIR>/failing.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(samples[1]),0+28,10,(vxu_integer)((int)1),
#line 33 "<DIR>/failing.ptu"
(vxu_integer)((int)1));
#line 33 "<DIR>/failing.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(samples[2]),0+29,10,(vxu_integer)((int)2),
#line 33 "<DIR>/failing.ptu"
(vxu_integer)((int)2));
#line 33 "<DIR>/failing.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(samples[3]),0+30,10,(vxu_integer)((int)4),
#line 33 "<DIR>/failing.ptu"
(vxu_integer)((int)4));
#line 33 "<DIR>/failing.ptu"
UNSET_MODE_TAB_C(26);
#line 33 "<DIR>/failing.ptu"
VEXOR_CLOSE_BRA_C(26);
SET_MODE_TAB_C(31);
#line 34 "<DIR>/failing.ptu"
SET_MODE_CST_C(31);
#line 34 "<DIR>/failing.ptu"
{
#line 34 "<DIR>/failing.ptu"
int _vx_cst31[] = {0,0,0,0,0,0};
#line 34 "<DIR>/failing.ptu"
for (_vx_I1 = 0 ; _vx_I1 < 2 ; _vx_I1++) { for (_vx_I2 = 0 ; _vx_I2 < 3 ;
#line 34 "<DIR>/failing.ptu"
 _vx_I2++) { 
#line 34 "<DIR>/failing.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(grid[_vx_I1][_vx_I2]),0+31,10,(vxu_integer)(
#line 34 "<DIR>/failing.ptu"
(vxu_integer)(_vx_cst31[(_vx_I1)*3+_vx_I2])),(vxu_integer)((vxu_integer)
#line 34 "<DIR>/failing.ptu"
(_vx_cst31[(_vx_I1)*3+_vx_I2])));
#line 34 "<DIR>/failing.ptu"
}}
#line 34 "<DIR>/failing.ptu"
}
#line 34 "<DIR>/failing.ptu"
UNSET_MODE_CST_C(31);
#line 34 "<DIR>/failing.ptu"
UNSET_MODE_TAB_C(31);
VEXOR_OPEN_BRA_C(32);
#line 35 "<DIR>/failing.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(shape.id),0+33,10,(vxu_integer)((int)1),
#line 35 "<DIR>/failing.ptu"
(vxu_integer)((int)1));
#line 35 "<DIR>/failing.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(shape.corners[0].x),0+34,10,(vxu_integer)((int
#line 35 "<DIR>/failing.ptu"
)0),(vxu_integer)((int)0));
#line 35 "<DIR>/failing.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(shape.corners[0].y),0+35,10,(vxu_integer)((int
#line 35 "<DIR>/failing.ptu"
)0),(vxu_integer)((int)0));
#line 35 "<DIR>/failing.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(shape.corners[1].x),0+36,10,(vxu_integer)((int
#line 35 "<DIR>/failing.ptu"
)0),(vxu_integer)((int)0));
#line 35 "<DIR>/failing.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(shape.corners[1].y),0+37,10,(vxu_integer)((int
#line 35 "<DIR>/failing.ptu"
)1),(vxu_integer)((int)1));
#line 35 "<DIR>/failing.ptu"
EDV_STR_C(1,0,(vxu_charstring)(shape.label),0+38,(vxu_charstring)"",
#line 35 "<DIR>/failing.ptu"
(vxu_charstring)"");
#line 35 "<DIR>/failing.ptu"
EDV_DOUBLE_C(1,0,(double)(shape.area),0+39,(double)(2.5),(double)(2.5));
#line 35 "<DIR>/failing.ptu"
VEXOR_CLOSE_BRA_C(32);
#line 291 "<DIR>/t.c"
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
VXU_TEST_ENTRY(3, "update", "scalars", "<DIR>/failing.ptu", 6)
VXU_TEST_ENTRY(23, "update", "aggregates", "<DIR>/failing.ptu", 30)
VXU_TESTS_END

