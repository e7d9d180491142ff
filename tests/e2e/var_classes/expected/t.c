/**************************************************************************/
/** TOOL : Unit Test Compiler VERSION 8.3.0.1.342.020                    **/
/**                                                                      **/
/** COMMAND : vexorprepro classes.ptu t.c -LANGUAGE=C -TARGET=LINUX      **/
/**    -FAST -STD_DEFINE=<TGT>/ana/vxus_c.def      **/
/**                                                                      **/
/** FILE : <DIR>/t.c                           **/
/**                                                                      **/
/** DATE : <DATE>                                      **/
/**************************************************************************/
#line 2 "<DIR>/classes.ptu"
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

DCL_TST_C(2, "scalars");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 1;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#line 8 "<DIR>/classes.ptu"
count = 1;
#line 8 "<DIR>/classes.ptu"
PTU_INTEGER_C((vxu_integer)(count),0+5,10);
flags = 2;
#line 9 "<DIR>/classes.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(flags),0+6,10);
level = 3;
#line 10 "<DIR>/classes.ptu"
PTU_INTEGER_C((vxu_integer)(level),0+7,10);
total = 5;
#line 11 "<DIR>/classes.ptu"
PTU_INTEGER_C((vxu_integer)(total),0+8,10);
grade = 'a';
#line 12 "<DIR>/classes.ptu"
PTU_CHAR_C((char)(grade),0+9);
ratio = 1.25;
#line 13 "<DIR>/classes.ptu"
PTU_FLOAT_C((float)(ratio),0+10);
mean = 1.0;
#line 14 "<DIR>/classes.ptu"
PTU_DOUBLE_C((double)(mean),0+11);
INI_STR_C((char *)(title), 1, 0+12, CONCAT_STR_C("to", "day",(vxu_charstring)0)
#line 15 "<DIR>/classes.ptu"
);
message = (const char *)NIL;
cursor = (int *)NIL;
handler = (int (*)(int))NILFUNC;
mode = OFF;
#line 19 "<DIR>/classes.ptu"
PTU_INTEGER_C((vxu_integer)(mode),0+16,10);
ready = 0;
#line 20 "<DIR>/classes.ptu"
PTU_BOOLEAN_C(ready,0+17);
#line 23 "<DIR>/classes.ptu"
update();
#line 105 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
#line 8 "<DIR>/classes.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(count),0+5,10,(vxu_integer)((int)2),
#line 8 "<DIR>/classes.ptu"
(vxu_integer)((int)2));
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(flags),0+6,10,(vxu_unsigned)((unsigned int)3)
#line 9 "<DIR>/classes.ptu"
,(vxu_unsigned)((unsigned int)3));
EDV_INTEGER_C(1,0,(vxu_integer)(level),0+7,10,(vxu_integer)((short)6),
#line 10 "<DIR>/classes.ptu"
(vxu_integer)((short)6));
EDV_INTEGER_C(1,0,(vxu_integer)(total),0+8,10,(vxu_integer)(15),(vxu_integer)
#line 11 "<DIR>/classes.ptu"
(15));
EDV_CHAR_C(1,0,(char)(grade),0+9,(char)('b'),(char)('b'));
EDV_FLOAT_C(1,1,(float)(ratio),0+10,(float)((2.5) - (0.01>=0?0.01:-(0.01))),
#line 13 "<DIR>/classes.ptu"
(float)((2.5) + (0.01>=0?0.01:-(0.01))));
EDV_DOUBLE_C(1,1,(double)(mean),0+11,(double)((0.3333) - (((1)*(0.3333)/100.0
#line 14 "<DIR>/classes.ptu"
)>=0?((1)*(0.3333)/100.0):-((1)*(0.3333)/100.0))),(double)((0.3333) + (((1)*
#line 14 "<DIR>/classes.ptu"
(0.3333)/100.0)>=0?((1)*(0.3333)/100.0):-((1)*(0.3333)/100.0))));
EDV_STR_C(1,0,(vxu_charstring)(title),0+12,CONCAT_STR_C("to", "day!",
#line 15 "<DIR>/classes.ptu"
(vxu_charstring)0),CONCAT_STR_C("to", "day!",(vxu_charstring)0));
EDV_STR_C(1,0,(vxu_charstring)(message),0+13,(vxu_charstring)"done",
#line 16 "<DIR>/classes.ptu"
(vxu_charstring)"done");
EDV_POINTER_C(1,0,(vxu_pointer)(cursor),0+14,(vxu_pointer)(NONIL));
EDV_FUNCPOINTER_C(1,0,(handler),0+15,(step));
EDV_INTEGER_C(1,0,(vxu_integer)(mode),0+16,10,(vxu_integer)((mode_t2)AUTO),
#line 19 "<DIR>/classes.ptu"
(vxu_integer)((mode_t2)AUTO));
EDV_BOOLEAN_C(1,0,ready,0+17,1,1);
EDV_INTEGER_C(0,0,(vxu_integer)(total),0+18,10,(vxu_integer)(0),(vxu_integer)(0
#line 21 "<DIR>/classes.ptu"
));
EDV_INTEGER_C(1,1,(vxu_integer)(count),0+19,10,(vxu_integer)((int)1),
#line 22 "<DIR>/classes.ptu"
(vxu_integer)((int)3));
#line 148 "<DIR>/t.c"
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
VXU_TEST_ENTRY(2, "update", "scalars", "<DIR>/classes.ptu", 5)
VXU_TESTS_END

