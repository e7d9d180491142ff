/**************************************************************************/
/** TOOL : Unit Test Compiler VERSION 8.3.0.1.342.020                    **/
/**                                                                      **/
/** COMMAND : vexorprepro pool.ptu t.c -LANGUAGE=C -TARGET=LINUX -FAST   **/
/**    -STD_DEFINE=<TGT>/ana/vxus_c.def            **/
/**                                                                      **/
/** FILE : <DIR>/t.c                            **/
/**                                                                      **/
/** DATE : <DATE>                                      **/
/**************************************************************************/
#line 2 "<DIR>/pool.ptu"
#include "pool.h"
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


/* simulation: release */

#define _fn_1_pool_release 1
#ifndef _vx_pool_release
#define _vx_pool_release 1 /* void release(block_t *block) */
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

VXU_STUB_CNT _ix_1_pool_release STUBINACTIVE ;
#if size_1_pool_release
VXU_STUB_CNT _it_1_pool_release;

static struct _so_1_pool_release {
 VXU_STUB_CNT min;
 VXU_STUB_CNT max;
 int sel[2];
 struct {
 block_t * block;
        } _datain;
} _os_1_pool_release[size_1_pool_release+1];

static struct _si_1_pool_release {
unsigned int indice;
struct {
 block_t * block;
  } _datain;
} _is_1_pool_release[calls_1_pool_release];
#endif

#pragma vexor vxo_stub
void (release)(block_t *block)
{
char Vexor_res;
#define VEXOR_F_IDX _ix_1_pool_release
#if size_1_pool_release
struct _si_1_pool_release * Vexor_ptr_in;
struct _so_1_pool_release * Vexor_ptr_out;
unsigned int _Vexor_i;
Vexor_res=0;
Vexor_ptr_out=&(_os_1_pool_release[0]);
  if (VXU_GLOBAL_STUB_INITIALISED(_ix_1_pool_release >= 0))
    {
  if (_it_1_pool_release<calls_1_pool_release)
    {
       Vexor_ptr_in = &(_is_1_pool_release[_it_1_pool_release]);
       Vexor_ptr_in->indice=0;
    }
  else
    {
       Vexor_ptr_in = (struct _si_1_pool_release *)0;
    }
#endif
  (void)_vxcc_ptr;
  (void)_vxcc_str;
  _ix_1_pool_release++;
#if size_1_pool_release
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_1_pool_release)
	   &&(_os_1_pool_release[_Vexor_i].min)
	   &&(  ((unsigned int)_os_1_pool_release[_Vexor_i].min>(unsigned int
)_ix_1_pool_release)
	      ||((unsigned int)_os_1_pool_release[_Vexor_i].max<(unsigned int
)_ix_1_pool_release)));
	  ++_Vexor_i);
  if ((_Vexor_i)&&(!_os_1_pool_release[_Vexor_i].max)){_Vexor_i--;Vexor_res=1;}
    Vexor_ptr_out=&(_os_1_pool_release[_Vexor_i]);
  }
Vexor_res|=(Vexor_ptr_out->sel[0]&&_vxcc_ptr((vxu_pointer)(block),(vxu_pointer)
(Vexor_ptr_out->_datain.block)));
#else
  Vexor_res=1;
  (void)(block);
#endif
  EDV_CHRONO_MUET_C( 1, Vexor_res,_ix_1_pool_release );
#if size_1_pool_release
  if (Vexor_res && Vexor_ptr_in)
    {
      Vexor_ptr_in->indice=_ix_1_pool_release;
      Vexor_ptr_in->_datain.block=block;
      _it_1_pool_release++;
    }
     }
#endif
#ifdef STUB_CALL_ORDER
     STUB_CALL_ORDER(_fn_1_pool_release);
#endif
#undef VEXOR_F_IDX
}
void checkin_1_pool_release(void)
{
#if size_1_pool_release
struct _si_1_pool_release * Vexor_ptr_in;
unsigned int i;
  struct _so_1_pool_release * Vexor_ptr_out;
int _Vexor_i;
VXU_STUB_CNT max;
max=0;
  for (_Vexor_i=0;((_Vexor_i<(size_1_pool_release))&&
(_os_1_pool_release[_Vexor_i].min>0));++_Vexor_i)
  {
    if (max < _os_1_pool_release[_Vexor_i].max)
      {
        max = _os_1_pool_release[_Vexor_i].max;
      }
  }
  EDV_MUET_CHECK(1,0);
if ((_os_1_pool_release[_Vexor_i].min)||(!(_os_1_pool_release[_Vexor_i].max)))
  {
       EDV_INTEGER_C(1,1,(vxu_integer)(_ix_1_pool_release),0,10,(vxu_integer)
(max?max:_os_1_pool_release[0].min),(vxu_integer)max);
  }
else
  {
	 EDV_UNSIGNED_C(1,1,(vxu_unsigned)(_ix_1_pool_release),0,10,(vxu_unsigned)max,
(vxu_unsigned)_os_1_pool_release[_Vexor_i].max);
  }
for (i=0;i<(unsigned int)_it_1_pool_release;++i){
  Vexor_ptr_in=&(_is_1_pool_release[i]);
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_1_pool_release-1)
	   &&(_os_1_pool_release[_Vexor_i].min)
	   &&(  ((unsigned int)_os_1_pool_release[_Vexor_i].min>Vexor_ptr_in->indice)
	      ||((unsigned int)_os_1_pool_release[_Vexor_i].max<Vexor_ptr_in->indice))
);
	  ++_Vexor_i);
    Vexor_ptr_out=&(_os_1_pool_release[_Vexor_i]);
  }
  EDV_MUET_CHECK(1, Vexor_ptr_in->indice);
  EDV_POINTER_C((Vexor_ptr_out->min>0&&(unsigned int
)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=(unsigned int
)Vexor_ptr_out->max?Vexor_ptr_out->sel[0]:0),0,(vxu_pointer)
(Vexor_ptr_in->_datain.block),0+3,(vxu_pointer)(Vexor_ptr_out->_datain.block));
  }
#else
  EDV_MUET_CHECK(1,0);
	 EDV_INTEGER_C(1,1,(vxu_integer)(_ix_1_pool_release),0,10,(vxu_integer)-1,
(vxu_integer)0);
#endif
}
void _vx_check_muets(void)
{
checkin_1_pool_release();
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
_ix_1_pool_release=0;
#if size_1_pool_release
_os_1_pool_release[0].min=-1;
_os_1_pool_release[0].max=0;
_it_1_pool_release=0;
#endif
}
void SRV1_POOL_FLUSH (void) { 
/* BEGIN  SERVICE pool_flush */
#ifdef NEEDS_NUM_TEST_OPE
NUM_OPERATION = 1;
#endif /*NEEDS_NUM_TEST_OPE*/

DCL_OP_C(4, "pool_flush");
if (VXU_TEST_BEGIN_C(5)) {

DCL_TST_C(5, "one_call_too_many");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 1;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#if size_1_pool_release
#line 11 "<DIR>/pool.ptu"
_os_1_pool_release[0].min=1;
#line 11 "<DIR>/pool.ptu"
_os_1_pool_release[0].max=3;
#line 11 "<DIR>/pool.ptu"
_os_1_pool_release[0]._datain.block=(block_t *)(NONIL);
#line 11 "<DIR>/pool.ptu"
_os_1_pool_release[0].sel[0]=1;
#line 237 "<DIR>/t.c"
_os_1_pool_release[1].min=0;
_os_1_pool_release[1].max=0;
#endif
#line 12 "<DIR>/pool.ptu"
pool_flush(4);
#line 243 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
VXU_END_ELEMENT_C();
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }

if (VXU_TEST_BEGIN_C(8)) {

DCL_TST_C(8, "fourth_call_wrong");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 2;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#if size_1_pool_release
#line 19 "<DIR>/pool.ptu"
_os_1_pool_release[0].min=1;
#line 19 "<DIR>/pool.ptu"
_os_1_pool_release[0].max=3;
#line 19 "<DIR>/pool.ptu"
_os_1_pool_release[0]._datain.block=(block_t *)(NONIL);
#line 19 "<DIR>/pool.ptu"
_os_1_pool_release[0].sel[0]=1;
_os_1_pool_release[1].min=4;
#line 20 "<DIR>/pool.ptu"
_os_1_pool_release[1].max=4;
#line 20 "<DIR>/pool.ptu"
_os_1_pool_release[1]._datain.block=(block_t *)(&blocks[0]);
#line 20 "<DIR>/pool.ptu"
_os_1_pool_release[1].sel[0]=1;
#line 274 "<DIR>/t.c"
_os_1_pool_release[2].min=0;
_os_1_pool_release[2].max=0;
#endif
#line 21 "<DIR>/pool.ptu"
pool_flush(4);
#line 280 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
VXU_END_ELEMENT_C();
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }

if (VXU_TEST_BEGIN_C(11)) {

DCL_TST_C(11, "all_described");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 3;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#if size_1_pool_release
#line 28 "<DIR>/pool.ptu"
_os_1_pool_release[0].min=1;
#line 28 "<DIR>/pool.ptu"
_os_1_pool_release[0].max=3;
#line 28 "<DIR>/pool.ptu"
_os_1_pool_release[0]._datain.block=(block_t *)(NONIL);
#line 28 "<DIR>/pool.ptu"
_os_1_pool_release[0].sel[0]=1;
_os_1_pool_release[1].min=4;
#line 29 "<DIR>/pool.ptu"
_os_1_pool_release[1].max=4;
#line 29 "<DIR>/pool.ptu"
_os_1_pool_release[1]._datain.block=(block_t *)(&blocks[3]);
#line 29 "<DIR>/pool.ptu"
_os_1_pool_release[1].sel[0]=1;
#line 311 "<DIR>/t.c"
_os_1_pool_release[2].min=0;
_os_1_pool_release[2].max=0;
#endif
#line 30 "<DIR>/pool.ptu"
pool_flush(4);
#line 317 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
VXU_END_ELEMENT_C();
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }
}/* END SERVICE pool_flush*/
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
SRV1_POOL_FLUSH();
CLF_C("<DIR>/t.rio");


#ifdef ZQZQ_MAIN_RETURN
 ZQZQ_MAIN_RETURN
#else
 return(0);
#endif

}/* end t */

VXU_TRACES_FILE("<DIR>/t.rio")

VXU_TESTS_BEGIN
VXU_TEST_ENTRY(5, "pool_flush", "one_call_too_many", "<DIR>/pool.ptu", 8)
VXU_TEST_ENTRY(8, "pool_flush", "fourth_call_wrong", "<DIR>/pool.ptu", 16)
VXU_TEST_ENTRY(11, "pool_flush", "all_described", "<DIR>/pool.ptu", 25)
VXU_TESTS_END

