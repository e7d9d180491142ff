/************************************************************************/
/* TOOL : Unit Test Compiler VERSION 8.3.0.1.342.020                    */
/*                                                                      */
/* COMMAND : vexorprepro scalars.ptu scalars.c .                        */
/*                                                                      */
/* FILE : scalars.c                                                     */
/*                                                                      */
/* DATE : Tue Dec  8 02:29:26 2026                                      */
/************************************************************************/
#include "unit.h"
int a;
short s16;
unsigned int u;
int r;
int n_loops = 2;
char c;
char d;
int even;
float h;
double avg;
double big;
double samples[3] = {1.0, 2.0, 4.0};
char name[32];
char out[64];
char wrong[16];
char *pc;
char word[8];
int values[3] = {-1, 5, 7};
int negatives[2] = {-1, -2};
int *p;
int *q;
int *p2;
int *q2;
binary_op f;
binary_op g;
binary_op h2;
int tab[3];
#ifndef USE_VXU
#define USE_VXU 1
#endif
#ifndef VXL_CPLUSPLUS_LANGUAGE
#define VXL_CPLUSPLUS_LANGUAGE 0
#endif
/* PROGRAM scalars*/
#include "TP.h"
#include "scalars.ic"

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

DCL_TST_C(2, "ints");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 1;
#endif /*NEEDS_NUM_TEST_OPE*/

START_CHRONO_C();
_vx_init_muets();
a = 2;
PTU_INTEGER_C((vxu_integer)(a),0+4,10);
s16 = -3;
PTU_INTEGER_C((vxu_integer)(s16),0+5,10);
u = 3;
PTU_UNSIGNED_C((vxu_unsigned)(u),0+6,16);
r = 0;
u = scale(u, 16);
r = add(a, 3);
STOP_CHRONO_C();
_vx_check_muets();
EDV_INTEGER_C(1,0,(vxu_integer)(a),0+4,10,(vxu_integer)((int)2),(vxu_integer)((int)2));
EDV_INTEGER_C(1,0,(vxu_integer)(s16),0+5,10,(vxu_integer)((short)-4),(vxu_integer)((short)
-4));
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(u),0+6,16,(vxu_unsigned)((unsigned int)48),(vxu_unsigned)(
(unsigned int)48));
EDV_INTEGER_C(1,1,(vxu_integer)(r),0+7,10,(vxu_integer)((int)1),(vxu_integer)((int)10));
VXU_END_TEST_C();
for (J1 = 1 ; J1<=n_loops;J1++ ){

DCL_TST_C(8, "chars");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 2;
#endif /*NEEDS_NUM_TEST_OPE*/

START_CHRONO_C();
_vx_init_muets();
c = upper((char)('a' + J1 - 1));
d = (char)('0' + J1);
even = is_even(J1);
STOP_CHRONO_C();
_vx_check_muets();
EDV_CHAR_C(1,0,(char)(c),0+11,(char)('A'+J1-1),(char)('A'+J1-1));
EDV_CHAR_C(0,1,(char)(d),0+12,(char)(0),(char)(0));
EDV_BOOLEAN_C(1,0,even,0+13,J1%2==0,J1%2==0);
DCL_FAC_REP_C(9,n_loops);
}
VXU_END_TEST_C();
}/* END SERVICE add*/
void SRV2_MEASURE (void) { 
/* BEGIN  SERVICE measure */
#ifdef NEEDS_NUM_TEST_OPE
NUM_OPERATION = 2;
#endif /*NEEDS_NUM_TEST_OPE*/

DCL_OP_C(14, "measure");

DCL_TST_C(15, "floating");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 1;
#endif /*NEEDS_NUM_TEST_OPE*/

START_CHRONO_C();
_vx_init_muets();
h = 3.0;
PTU_FLOAT_C((float)(h),0+17);
h = half(h);
avg = average(samples, 3);
big = 1e300;
STOP_CHRONO_C();
_vx_check_muets();
EDV_FLOAT_C(1,1,(float)(h),0+17,(float)((1.5) - (0.01>=0?0.01:-(0.01))),(float)((1.5) + (0.01>=0?0.01:-(0.01))));
EDV_DOUBLE_C(1,1,(double)(avg),0+18,(double)((2.0) - (0.1>=0?0.1:-(0.1))),(double)((2.0) + (0.1>=0?0.1:-(0.1))));
EDV_DOUBLE_C(1,0,(double)(big),0+19,(double)(1e300),(double)(1e300));
VXU_END_TEST_C();

DCL_TST_C(20, "strings");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 2;
#endif /*NEEDS_NUM_TEST_OPE*/

START_CHRONO_C();
_vx_init_muets();
INI_STR_C((char *)(name), 1, 0+22, (vxu_charstring)"Ada");
INI_STR_C((char *)(out), 0, 0+23, (vxu_charstring)"");
INI_STR_C((char *)(wrong), 1, 0+24, CONCAT_STR_C("x\"","y\\",(vxu_charstring)0));
pc = 0;
greet(out, name);
STOP_CHRONO_C();
_vx_check_muets();
EDV_STR_C(1,0,(vxu_charstring)(name),0+22,(vxu_charstring)"Ada",(vxu_charstring)"Ada");
EDV_STR_C(1,0,(vxu_charstring)(out),0+23,CONCAT_STR_C("Hello, ","Ada",(vxu_charstring)0),CONCAT_STR_C("Hello, ","Ada",(vxu_charstring)0));
EDV_STR_C(1,0,(vxu_charstring)(wrong),0+24,(vxu_charstring)"xy",(vxu_charstring)"xy");
EDV_STR_C(0,1,(vxu_charstring)(pc),0+25,(vxu_charstring)"",(vxu_charstring)"");

START_CHRONO_C();
_vx_init_muets();
strcpy(word, "cat");
STOP_CHRONO_C();
_vx_check_muets();
EDV_STR_C(1,1,(vxu_charstring)(word),0+27,(vxu_charstring)"b",(vxu_charstring)"d");
VXU_END_TEST_C();

DCL_TST_C(28, "pointers");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 3;
#endif /*NEEDS_NUM_TEST_OPE*/

START_CHRONO_C();
_vx_init_muets();
p = (int *)NIL;
q = (int *)NIL;
p = first_positive(values, 3);
q = first_positive(negatives, 2);
p2 = p;
q2 = p;
f = pick('+');
g = pick('*');
h2 = pick('-');
STOP_CHRONO_C();
_vx_check_muets();
EDV_POINTER_C(1,0,(vxu_pointer)(p),0+30,(vxu_pointer)(NONIL));
EDV_POINTER_C(1,0,(vxu_pointer)(q),0+31,(vxu_pointer)(NIL));
EDV_POINTER_C(1,0,(vxu_pointer)(p2),0+32,(vxu_pointer)(&values[1]));
EDV_POINTER_C(1,0,(vxu_pointer)(q2),0+33,(vxu_pointer)(NIL));
EDV_FUNCPOINTER_C(1,0,(f),0+34,(add));
EDV_NILFUNCPOINTER_C(1,0,(g),0+35,(NIL));
EDV_NONILFUNCPOINTER_C(1,0,(h2),0+36,(NONIL));
VXU_END_TEST_C();

DCL_TST_C(37, "arrays");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 4;
#endif /*NEEDS_NUM_TEST_OPE*/

START_CHRONO_C();
_vx_init_muets();
tab[0] = 1;
tab[1] = 2;
tab[2] = 3;
STOP_CHRONO_C();
_vx_check_muets();
VEXOR_OPEN_BRA_C(39);
SET_MODE_TAB_C(39);
EDV_INTEGER_C(1,0,(vxu_integer)(tab[0]),0+40,10,(vxu_integer)((int)1),(vxu_integer)((int)1));
EDV_INTEGER_C(1,0,(vxu_integer)(tab[1]),0+41,10,(vxu_integer)((int)2),(vxu_integer)((int)2));
EDV_INTEGER_C(1,0,(vxu_integer)(tab[2]),0+42,10,(vxu_integer)((int)4),(vxu_integer)((int)4));
UNSET_MODE_TAB_C(39);
VEXOR_CLOSE_BRA_C(39);
RUPT(39);
VXU_END_TEST_C();
}/* END SERVICE measure*/
#ifdef ZQZQ_MAIN_HEADER
 ZQZQ_MAIN_HEADER
#else
int main(int argc, char ** argv)
{
#endif
   VXU_INIT_DATA
OPF_C("scalars.rio");

#pragma vexor testing_tool_call_place
SRV1_ADD();
SRV2_MEASURE();
CLF_C("scalars.rio");


#ifdef ZQZQ_MAIN_RETURN
 ZQZQ_MAIN_RETURN
#else
 return(0);
#endif

}/* end scalars */

VXU_TRACES_FILE("scalars.rio")

