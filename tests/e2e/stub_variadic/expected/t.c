/**************************************************************************/
/** TOOL : Unit Test Compiler VERSION 8.3.0.1.342.020                    **/
/**                                                                      **/
/** COMMAND : vexorprepro temp.ptu t.c -LANGUAGE=C -TARGET=LINUX -FAST   **/
/**    -STD_DEFINE=<TGT>/ana/vxus_c.def            **/
/**                                                                      **/
/** FILE : <DIR>/t.c                         **/
/**                                                                      **/
/** DATE : <DATE>                                      **/
/**************************************************************************/
#line 4 "<DIR>/temp.ptu"
#include "logger.h"
int temp_check(int celsius);
int result;
#line 16 "<DIR>/t.c"
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


/* simulation: log_printf */

#define _fn_1_temp_log_printf 1
#ifndef _vx_temp_log_printf
#define _vx_temp_log_printf 1 /* int log_printf(int level, const char *fmt, ...) */
#endif
static int _vxcc_ptr(vxu_pointer ptr, vxu_pointer ref)
{
 if (ref==NONIL) { return(ptr==NULL); } else { return(ref!=ptr); }
}
static int _vxcc_str(char *str, char *ref)
{
 if (ref==NONIL) { return(str==NULL); } else { return(COMP_STR_C(ref,str)); }
}
#ifndef VXU_STUB_STR_KEEP
#define VXU_STUB_STR_KEEP(s) (s)
#endif

VXU_STUB_CNT _ix_1_temp_log_printf STUBINACTIVE ;
#if size_1_temp_log_printf
VXU_STUB_CNT _it_1_temp_log_printf;

static struct _so_1_temp_log_printf {
 VXU_STUB_CNT min;
 VXU_STUB_CNT max;
 int ret;
 int sel[3];
 struct {
 int level;
 const char * fmt;
        } _datain;
} _os_1_temp_log_printf[size_1_temp_log_printf+1];

static struct _si_1_temp_log_printf {
unsigned int indice;
struct {
 int level;
 const char * fmt;
  } _datain;
} _is_1_temp_log_printf[calls_1_temp_log_printf];
#endif

#pragma vexor vxo_stub
int (log_printf)(int level, const char *fmt, ...)
{
char Vexor_res;
#define VEXOR_F_IDX _ix_1_temp_log_printf
#if size_1_temp_log_printf
struct _si_1_temp_log_printf * Vexor_ptr_in;
struct _so_1_temp_log_printf * Vexor_ptr_out;
unsigned int _Vexor_i;
Vexor_res=0;
Vexor_ptr_out=&(_os_1_temp_log_printf[0]);
  if (VXU_GLOBAL_STUB_INITIALISED(_ix_1_temp_log_printf >= 0))
    {
  if (_it_1_temp_log_printf<calls_1_temp_log_printf)
    {
       Vexor_ptr_in = &(_is_1_temp_log_printf[_it_1_temp_log_printf]);
       Vexor_ptr_in->indice=0;
    }
  else
    {
       Vexor_ptr_in = (struct _si_1_temp_log_printf *)0;
    }
#endif
  (void)_vxcc_ptr;
  (void)_vxcc_str;
  _ix_1_temp_log_printf++;
#if size_1_temp_log_printf
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_1_temp_log_printf)
	   &&(_os_1_temp_log_printf[_Vexor_i].min)
	   &&(  ((unsigned int)_os_1_temp_log_printf[_Vexor_i].min>(unsigned int
)_ix_1_temp_log_printf)
	      ||((unsigned int)_os_1_temp_log_printf[_Vexor_i].max<(unsigned int
)_ix_1_temp_log_printf)));
	  ++_Vexor_i);
  if ((_Vexor_i)&&(!_os_1_temp_log_printf[_Vexor_i].max)){_Vexor_i--
;Vexor_res=1;}
    Vexor_ptr_out=&(_os_1_temp_log_printf[_Vexor_i]);
  }
Vexor_res|=(Vexor_ptr_out->sel[0]&&((level)!=Vexor_ptr_out->_datain.level));
Vexor_res|=(Vexor_ptr_out->sel[1]&&_vxcc_str((char *)(fmt),(char *)
(Vexor_ptr_out->_datain.fmt)));
#else
  Vexor_res=1;
  (void)(level);
  (void)(fmt);
#endif
  EDV_CHRONO_MUET_C( 1, Vexor_res,_ix_1_temp_log_printf );
#if size_1_temp_log_printf
  if (Vexor_res && Vexor_ptr_in)
    {
      Vexor_ptr_in->indice=_ix_1_temp_log_printf;
      Vexor_ptr_in->_datain.level=level;
      Vexor_ptr_in->_datain.fmt=(const char *)VXU_STUB_STR_KEEP(fmt);
      _it_1_temp_log_printf++;
    }
     }
#endif
#ifdef STUB_CALL_ORDER
     STUB_CALL_ORDER(_fn_1_temp_log_printf);
#endif
#if size_1_temp_log_printf
  if (VXU_GLOBAL_STUB_INITIALISED(_ix_1_temp_log_printf >= 0))
    {
      return(Vexor_ptr_out->ret);
    }
#endif
#ifndef VXU_NO_STUB_RETURN_VALUE
  return(int)0;
#endif
#undef VEXOR_F_IDX
}
void checkin_1_temp_log_printf(void)
{
#if size_1_temp_log_printf
struct _si_1_temp_log_printf * Vexor_ptr_in;
unsigned int i;
  struct _so_1_temp_log_printf * Vexor_ptr_out;
int _Vexor_i;
VXU_STUB_CNT max;
max=0;
  for (_Vexor_i=0;((_Vexor_i<(size_1_temp_log_printf))&&
(_os_1_temp_log_printf[_Vexor_i].min>0));++_Vexor_i)
  {
    if (max < _os_1_temp_log_printf[_Vexor_i].max)
      {
        max = _os_1_temp_log_printf[_Vexor_i].max;
      }
  }
  EDV_MUET_CHECK(1,0);
if ((_os_1_temp_log_printf[_Vexor_i].min)||(!
(_os_1_temp_log_printf[_Vexor_i].max)))
  {
       EDV_INTEGER_C(1,1,(vxu_integer)(_ix_1_temp_log_printf),0,10,(vxu_integer
)(max?max:_os_1_temp_log_printf[0].min),(vxu_integer)max);
  }
else
  {
	 EDV_UNSIGNED_C(1,1,(vxu_unsigned)(_ix_1_temp_log_printf),0,10,(vxu_unsigned
)max,(vxu_unsigned)_os_1_temp_log_printf[_Vexor_i].max);
  }
for (i=0;i<(unsigned int)_it_1_temp_log_printf;++i){
  Vexor_ptr_in=&(_is_1_temp_log_printf[i]);
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_1_temp_log_printf-1)
	   &&(_os_1_temp_log_printf[_Vexor_i].min)
	   &&(  ((unsigned int
)_os_1_temp_log_printf[_Vexor_i].min>Vexor_ptr_in->indice)
	      ||((unsigned int
)_os_1_temp_log_printf[_Vexor_i].max<Vexor_ptr_in->indice)));
	  ++_Vexor_i);
    Vexor_ptr_out=&(_os_1_temp_log_printf[_Vexor_i]);
  }
  EDV_MUET_CHECK(1, Vexor_ptr_in->indice);
  EDV_INTEGER_C((Vexor_ptr_out->min>0&&(unsigned int
)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=(unsigned int
)Vexor_ptr_out->max?Vexor_ptr_out->sel[0]:0),0,(vxu_integer)
(Vexor_ptr_in->_datain.level),0+3,10,(vxu_integer)(Vexor_ptr_out->_datain.level
),(vxu_integer)(Vexor_ptr_out->_datain.level));
  EDV_STR_C((Vexor_ptr_out->min>0&&(unsigned int
)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=(unsigned int
)Vexor_ptr_out->max?Vexor_ptr_out->sel[1]:0),0,(vxu_charstring)
(Vexor_ptr_in->_datain.fmt),0+4,(vxu_charstring)(Vexor_ptr_out->_datain.fmt),
(vxu_charstring)(Vexor_ptr_out->_datain.fmt));
  }
#else
  EDV_MUET_CHECK(1,0);
	 EDV_INTEGER_C(1,1,(vxu_integer)(_ix_1_temp_log_printf),0,10,(vxu_integer)-1,
(vxu_integer)0);
#endif
}
void _vx_check_muets(void)
{
checkin_1_temp_log_printf();
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
_ix_1_temp_log_printf=0;
#if size_1_temp_log_printf
_os_1_temp_log_printf[0].min=-1;
_os_1_temp_log_printf[0].max=0;
_it_1_temp_log_printf=0;
#endif
}
void SRV1_TEMP_CHECK (void) { 
/* BEGIN  SERVICE temp_check */
#ifdef NEEDS_NUM_TEST_OPE
NUM_OPERATION = 1;
#endif /*NEEDS_NUM_TEST_OPE*/

DCL_OP_C(5, "temp_check");
if (VXU_TEST_BEGIN_C(6)) {

DCL_TST_C(6, "hot");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 1;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#if size_1_temp_log_printf
#line 15 "<DIR>/temp.ptu"
_os_1_temp_log_printf[0].min=1;
#line 15 "<DIR>/temp.ptu"
_os_1_temp_log_printf[0].max=1;
#line 15 "<DIR>/temp.ptu"
_os_1_temp_log_printf[0]._datain.level=(int)(2);
#line 15 "<DIR>/temp.ptu"
_os_1_temp_log_printf[0]._datain.fmt=(const char *)("hot: %d C (limit %d)");
#line 15 "<DIR>/temp.ptu"
_os_1_temp_log_printf[0].sel[0]=1;
#line 15 "<DIR>/temp.ptu"
_os_1_temp_log_printf[0].sel[1]=1;
#line 15 "<DIR>/temp.ptu"
_os_1_temp_log_printf[0].ret=(int)(0);
#line 269 "<DIR>/t.c"
_os_1_temp_log_printf[1].min=0;
_os_1_temp_log_printf[1].max=0;
#endif
#line 16 "<DIR>/temp.ptu"
result = 0;
#line 16 "<DIR>/temp.ptu"
PTU_INTEGER_C((vxu_integer)(result),0+9,10);
result = temp_check(90);
#line 278 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
#line 16 "<DIR>/temp.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(result),0+9,10,(vxu_integer)((int)1),
#line 16 "<DIR>/temp.ptu"
(vxu_integer)((int)1));
#line 285 "<DIR>/t.c"
VXU_END_ELEMENT_C();
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }

if (VXU_TEST_BEGIN_C(10)) {

DCL_TST_C(10, "hot_wrong_level");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 2;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#if size_1_temp_log_printf
#line 26 "<DIR>/temp.ptu"
_os_1_temp_log_printf[0].min=1;
#line 26 "<DIR>/temp.ptu"
_os_1_temp_log_printf[0].max=1;
#line 26 "<DIR>/temp.ptu"
_os_1_temp_log_printf[0]._datain.level=(int)(1);
#line 26 "<DIR>/temp.ptu"
_os_1_temp_log_printf[0]._datain.fmt=(const char *)("hot: %d C (limit %d)");
#line 26 "<DIR>/temp.ptu"
_os_1_temp_log_printf[0].sel[0]=1;
#line 26 "<DIR>/temp.ptu"
_os_1_temp_log_printf[0].sel[1]=1;
#line 26 "<DIR>/temp.ptu"
_os_1_temp_log_printf[0].ret=(int)(0);
#line 313 "<DIR>/t.c"
_os_1_temp_log_printf[1].min=0;
_os_1_temp_log_printf[1].max=0;
#endif
#line 27 "<DIR>/temp.ptu"
result = 0;
#line 27 "<DIR>/temp.ptu"
PTU_INTEGER_C((vxu_integer)(result),0+13,10);
result = temp_check(90);
#line 322 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
#line 27 "<DIR>/temp.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(result),0+13,10,(vxu_integer)((int)1),
#line 27 "<DIR>/temp.ptu"
(vxu_integer)((int)1));
#line 329 "<DIR>/t.c"
VXU_END_ELEMENT_C();
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }

if (VXU_TEST_BEGIN_C(14)) {

DCL_TST_C(14, "cold_but_logged");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 3;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#line 36 "<DIR>/temp.ptu"
result = 0;
#line 36 "<DIR>/temp.ptu"
PTU_INTEGER_C((vxu_integer)(result),0+17,10);
result = temp_check(95);
#line 347 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
#line 36 "<DIR>/temp.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(result),0+17,10,(vxu_integer)((int)1),
#line 36 "<DIR>/temp.ptu"
(vxu_integer)((int)1));
#line 354 "<DIR>/t.c"
VXU_END_ELEMENT_C();
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }

if (VXU_TEST_BEGIN_C(18)) {

DCL_TST_C(18, "cold");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 4;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#line 44 "<DIR>/temp.ptu"
result = 0;
#line 44 "<DIR>/temp.ptu"
PTU_INTEGER_C((vxu_integer)(result),0+21,10);
result = temp_check(20);
#line 372 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
#line 44 "<DIR>/temp.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(result),0+21,10,(vxu_integer)((int)0),
#line 44 "<DIR>/temp.ptu"
(vxu_integer)((int)0));
#line 379 "<DIR>/t.c"
VXU_END_ELEMENT_C();
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }
}/* END SERVICE temp_check*/
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
SRV1_TEMP_CHECK();
CLF_C("<DIR>/t.rio");


#ifdef ZQZQ_MAIN_RETURN
 ZQZQ_MAIN_RETURN
#else
 return(0);
#endif

}/* end t */

VXU_TRACES_FILE("<DIR>/t.rio")

VXU_TESTS_BEGIN
VXU_TEST_ENTRY(6, "temp_check", "hot", "<DIR>/temp.ptu", 12)
VXU_TEST_ENTRY(10, "temp_check", "hot_wrong_level", "<DIR>/temp.ptu", 23)
VXU_TEST_ENTRY(14, "temp_check", "cold_but_logged", "<DIR>/temp.ptu", 33)
VXU_TEST_ENTRY(18, "temp_check", "cold", "<DIR>/temp.ptu", 41)
VXU_TESTS_END

