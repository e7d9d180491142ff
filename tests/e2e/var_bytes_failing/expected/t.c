/**************************************************************************/
/** TOOL : Unit Test Compiler VERSION 8.3.0.1.342.020                    **/
/**                                                                      **/
/** COMMAND : vexorprepro failing.ptu t.c -LANGUAGE=C -TARGET=LINUX      **/
/**    -FAST -STD_DEFINE=<TGT>/ana/vxus_c.def      **/
/**                                                                      **/
/** FILE : <DIR>/t.c                     **/
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


/* simulation: put */

#define _fn_1_failing_put 1
#ifndef _vx_failing_put
#define _vx_failing_put 1 /* void put(uint8_t v) */
#endif

VXU_STUB_CNT _ix_1_failing_put STUBINACTIVE ;
#if size_1_failing_put
VXU_STUB_CNT _it_1_failing_put;

static struct _so_1_failing_put {
 VXU_STUB_CNT min;
 VXU_STUB_CNT max;
 int sel[2];
 struct {
 uint8_t v;
        } _datain;
} _os_1_failing_put[size_1_failing_put+1];

static struct _si_1_failing_put {
unsigned int indice;
struct {
 uint8_t v;
  } _datain;
} _is_1_failing_put[calls_1_failing_put];
#endif

#pragma vexor vxo_stub
void (put)(uint8_t v)
{
char Vexor_res;
#define VEXOR_F_IDX _ix_1_failing_put
#if size_1_failing_put
struct _si_1_failing_put * Vexor_ptr_in;
struct _so_1_failing_put * Vexor_ptr_out;
unsigned int _Vexor_i;
Vexor_res=0;
Vexor_ptr_out=&(_os_1_failing_put[0]);
  if (VXU_GLOBAL_STUB_INITIALISED(_ix_1_failing_put >= 0))
    {
  if (_it_1_failing_put<calls_1_failing_put)
    {
       Vexor_ptr_in = &(_is_1_failing_put[_it_1_failing_put]);
       Vexor_ptr_in->indice=0;
    }
  else
    {
       Vexor_ptr_in = (struct _si_1_failing_put *)0;
    }
#endif
  _ix_1_failing_put++;
#if size_1_failing_put
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_1_failing_put)
	   &&(_os_1_failing_put[_Vexor_i].min)
	   &&(  ((unsigned int)_os_1_failing_put[_Vexor_i].min>(unsigned int
)_ix_1_failing_put)
	      ||((unsigned int)_os_1_failing_put[_Vexor_i].max<(unsigned int
)_ix_1_failing_put)));
	  ++_Vexor_i);
  if ((_Vexor_i)&&(!_os_1_failing_put[_Vexor_i].max)){_Vexor_i--;Vexor_res=1;}
    Vexor_ptr_out=&(_os_1_failing_put[_Vexor_i]);
  }
Vexor_res|=(Vexor_ptr_out->sel[0]&&((v)!=Vexor_ptr_out->_datain.v));
#else
  Vexor_res=1;
  (void)(v);
#endif
  EDV_CHRONO_MUET_C( 1, Vexor_res,_ix_1_failing_put );
#if size_1_failing_put
  if (Vexor_res && Vexor_ptr_in)
    {
      Vexor_ptr_in->indice=_ix_1_failing_put;
      Vexor_ptr_in->_datain.v=v;
      _it_1_failing_put++;
    }
     }
#endif
#ifdef STUB_CALL_ORDER
     STUB_CALL_ORDER(_fn_1_failing_put);
#endif
#undef VEXOR_F_IDX
}
void checkin_1_failing_put(void)
{
#if size_1_failing_put
struct _si_1_failing_put * Vexor_ptr_in;
unsigned int i;
  struct _so_1_failing_put * Vexor_ptr_out;
int _Vexor_i;
VXU_STUB_CNT max;
max=0;
  for (_Vexor_i=0;((_Vexor_i<(size_1_failing_put))&&
(_os_1_failing_put[_Vexor_i].min>0));++_Vexor_i)
  {
    if (max < _os_1_failing_put[_Vexor_i].max)
      {
        max = _os_1_failing_put[_Vexor_i].max;
      }
  }
  EDV_MUET_CHECK(1,0);
if ((_os_1_failing_put[_Vexor_i].min)||(!(_os_1_failing_put[_Vexor_i].max)))
  {
       EDV_INTEGER_C(1,1,(vxu_integer)(_ix_1_failing_put),0,10,(vxu_integer)
(max?max:_os_1_failing_put[0].min),(vxu_integer)max);
  }
else
  {
	 EDV_UNSIGNED_C(1,1,(vxu_unsigned)(_ix_1_failing_put),0,10,(vxu_unsigned)max,
(vxu_unsigned)_os_1_failing_put[_Vexor_i].max);
  }
for (i=0;i<(unsigned int)_it_1_failing_put;++i){
  Vexor_ptr_in=&(_is_1_failing_put[i]);
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_1_failing_put-1)
	   &&(_os_1_failing_put[_Vexor_i].min)
	   &&(  ((unsigned int)_os_1_failing_put[_Vexor_i].min>Vexor_ptr_in->indice)
	      ||((unsigned int)_os_1_failing_put[_Vexor_i].max<Vexor_ptr_in->indice)));
	  ++_Vexor_i);
    Vexor_ptr_out=&(_os_1_failing_put[_Vexor_i]);
  }
  EDV_MUET_CHECK(1, Vexor_ptr_in->indice);
  EDV_UNSIGNED_C((Vexor_ptr_out->min>0&&(unsigned int
)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=(unsigned int
)Vexor_ptr_out->max?Vexor_ptr_out->sel[0]:0),0,(vxu_unsigned)
(Vexor_ptr_in->_datain.v),0+3,10,(vxu_unsigned)(Vexor_ptr_out->_datain.v),
(vxu_unsigned)(Vexor_ptr_out->_datain.v));
  }
#else
  EDV_MUET_CHECK(1,0);
	 EDV_INTEGER_C(1,1,(vxu_integer)(_ix_1_failing_put),0,10,(vxu_integer)-1,
(vxu_integer)0);
#endif
}
void _vx_check_muets(void)
{
checkin_1_failing_put();
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
_ix_1_failing_put=0;
#if size_1_failing_put
_os_1_failing_put[0].min=-1;
_os_1_failing_put[0].max=0;
_it_1_failing_put=0;
#endif
}
void SRV1_COMPUTE (void) { 
/* BEGIN  SERVICE compute */
#ifdef NEEDS_NUM_TEST_OPE
NUM_OPERATION = 1;
#endif /*NEEDS_NUM_TEST_OPE*/

DCL_OP_C(4, "compute");
if (VXU_TEST_BEGIN_C(5)) {

DCL_TST_C(5, "zero_byte");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 1;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#if size_1_failing_put
#line 13 "<DIR>/failing.ptu"
_os_1_failing_put[0].min=1;
#line 13 "<DIR>/failing.ptu"
_os_1_failing_put[0].max=1;
#line 13 "<DIR>/failing.ptu"
_os_1_failing_put[0]._datain.v=(uint8_t)(0xff);
#line 13 "<DIR>/failing.ptu"
_os_1_failing_put[0].sel[0]=1;
#line 223 "<DIR>/t.c"
_os_1_failing_put[1].min=0;
_os_1_failing_put[1].max=0;
#endif
#line 11 "<DIR>/failing.ptu"
hash[0] = 0;
#line 11 "<DIR>/failing.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(hash[0]),0+9,16);
#line 11 "<DIR>/failing.ptu"
hash[1] = 0;
#line 11 "<DIR>/failing.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(hash[1]),0+10,16);
#line 11 "<DIR>/failing.ptu"
hash[2] = 0;
#line 11 "<DIR>/failing.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(hash[2]),0+11,16);
#line 11 "<DIR>/failing.ptu"
hash[3] = 0;
#line 11 "<DIR>/failing.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(hash[3]),0+12,16);
raw = 0;
#line 12 "<DIR>/failing.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(raw),0+13,10);
#line 14 "<DIR>/failing.ptu"
compute();
#line 248 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
#line 11 "<DIR>/failing.ptu"
VEXOR_OPEN_BRA_C(8);
#line 11 "<DIR>/failing.ptu"
SET_MODE_TAB_C(8);
#line 11 "<DIR>/failing.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(hash[0]),0+9,16,(vxu_unsigned)((BYTE)0xba),
#line 11 "<DIR>/failing.ptu"
(vxu_unsigned)((BYTE)0xba));
#line 11 "<DIR>/failing.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(hash[1]),0+10,16,(vxu_unsigned)((BYTE)0x00),
#line 11 "<DIR>/failing.ptu"
(vxu_unsigned)((BYTE)0x00));
#line 11 "<DIR>/failing.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(hash[2]),0+11,16,(vxu_unsigned)((BYTE)0x7e),
#line 11 "<DIR>/failing.ptu"
(vxu_unsigned)((BYTE)0x7e));
#line 11 "<DIR>/failing.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(hash[3]),0+12,16,(vxu_unsigned)((BYTE)0x10),
#line 11 "<DIR>/failing.ptu"
(vxu_unsigned)((BYTE)0x10));
#line 11 "<DIR>/failing.ptu"
UNSET_MODE_TAB_C(8);
#line 11 "<DIR>/failing.ptu"
VEXOR_CLOSE_BRA_C(8);
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(raw),0+13,10,(vxu_unsigned)((uint8_t)0xff),
#line 12 "<DIR>/failing.ptu"
(vxu_unsigned)((uint8_t)0xff));
#line 278 "<DIR>/t.c"
VXU_END_ELEMENT_C();
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }

if (VXU_TEST_BEGIN_C(14)) {

DCL_TST_C(14, "member");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 2;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#if size_1_failing_put
#line 24 "<DIR>/failing.ptu"
_os_1_failing_put[0].min=1;
#line 24 "<DIR>/failing.ptu"
_os_1_failing_put[0].max=1;
#line 24 "<DIR>/failing.ptu"
_os_1_failing_put[0]._datain.v=(uint8_t)(0xf1);
#line 24 "<DIR>/failing.ptu"
_os_1_failing_put[0].sel[0]=1;
#line 300 "<DIR>/t.c"
_os_1_failing_put[1].min=0;
_os_1_failing_put[1].max=0;
#endif
#line 21 "<DIR>/failing.ptu"
dig.len = 1;
#line 21 "<DIR>/failing.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(dig.len),0+18,10);
#line 21 "<DIR>/failing.ptu"
dig.bytes[0] = 0;
#line 21 "<DIR>/failing.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(dig.bytes[0]),0+19,16);
#line 21 "<DIR>/failing.ptu"
dig.bytes[1] = 0;
#line 21 "<DIR>/failing.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(dig.bytes[1]),0+20,16);
#line 21 "<DIR>/failing.ptu"
dig.bytes[2] = 0;
#line 21 "<DIR>/failing.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(dig.bytes[2]),0+21,16);
#line 21 "<DIR>/failing.ptu"
dig.bytes[3] = 0;
#line 21 "<DIR>/failing.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(dig.bytes[3]),0+22,16);
#line 21 "<DIR>/failing.ptu"
dig.key[0] = 0;
#line 21 "<DIR>/failing.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(dig.key[0]),0+23,16);
#line 21 "<DIR>/failing.ptu"
dig.key[1] = 0;
#line 21 "<DIR>/failing.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(dig.key[1]),0+24,16);
#line 21 "<DIR>/failing.ptu"
dig.key[2] = 0;
#line 21 "<DIR>/failing.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(dig.key[2]),0+25,16);
#line 21 "<DIR>/failing.ptu"
dig.key[3] = 0;
#line 21 "<DIR>/failing.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(dig.key[3]),0+26,16);
#line 21 "<DIR>/failing.ptu"
dig.key[4] = 0;
#line 21 "<DIR>/failing.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(dig.key[4]),0+27,16);
#line 21 "<DIR>/failing.ptu"
dig.key[5] = 0;
#line 21 "<DIR>/failing.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(dig.key[5]),0+28,16);
#line 21 "<DIR>/failing.ptu"
INI_STR_C((char *)(dig.name), 1, 0+29, (vxu_charstring)"x");
kind = JSMN_UNDEFINED;
#line 22 "<DIR>/failing.ptu"
PTU_INTEGER_C((vxu_integer)(kind),0+30,10);
raw = 0x0f;
#line 23 "<DIR>/failing.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(raw),0+31,10);
#line 25 "<DIR>/failing.ptu"
compute();
#line 358 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
#line 21 "<DIR>/failing.ptu"
VEXOR_OPEN_BRA_C(17);
#line 21 "<DIR>/failing.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(dig.len),0+18,10,(vxu_unsigned)((__u8)5),
#line 21 "<DIR>/failing.ptu"
(vxu_unsigned)((__u8)5));
#line 21 "<DIR>/failing.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(dig.bytes[0]),0+19,16,(vxu_unsigned)((BYTE)1)
#line 21 "<DIR>/failing.ptu"
,(vxu_unsigned)((BYTE)1));
#line 21 "<DIR>/failing.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(dig.bytes[1]),0+20,16,(vxu_unsigned)((BYTE)1)
#line 21 "<DIR>/failing.ptu"
,(vxu_unsigned)((BYTE)1));
#line 21 "<DIR>/failing.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(dig.bytes[2]),0+21,16,(vxu_unsigned)((BYTE)1)
#line 21 "<DIR>/failing.ptu"
,(vxu_unsigned)((BYTE)1));
#line 21 "<DIR>/failing.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(dig.bytes[3]),0+22,16,(vxu_unsigned)((BYTE)2)
#line 21 "<DIR>/failing.ptu"
,(vxu_unsigned)((BYTE)2));
#line 21 "<DIR>/failing.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(dig.key[0]),0+23,16,(vxu_unsigned)((__u8)0),
#line 21 "<DIR>/failing.ptu"
(vxu_unsigned)((__u8)0));
#line 21 "<DIR>/failing.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(dig.key[1]),0+24,16,(vxu_unsigned)((__u8)0),
#line 21 "<DIR>/failing.ptu"
(vxu_unsigned)((__u8)0));
#line 21 "<DIR>/failing.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(dig.key[2]),0+25,16,(vxu_unsigned)((__u8)0),
#line 21 "<DIR>/failing.ptu"
(vxu_unsigned)((__u8)0));
#line 21 "<DIR>/failing.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(dig.key[3]),0+26,16,(vxu_unsigned)((__u8)0),
#line 21 "<DIR>/failing.ptu"
(vxu_unsigned)((__u8)0));
#line 21 "<DIR>/failing.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(dig.key[4]),0+27,16,(vxu_unsigned)((__u8)0),
#line 21 "<DIR>/failing.ptu"
(vxu_unsigned)((__u8)0));
#line 21 "<DIR>/failing.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(dig.key[5]),0+28,16,(vxu_unsigned)((__u8)0),
#line 21 "<DIR>/failing.ptu"
(vxu_unsigned)((__u8)0));
#line 21 "<DIR>/failing.ptu"
EDV_STR_C(1,0,(vxu_charstring)(dig.name),0+29,(vxu_charstring)"ok",
#line 21 "<DIR>/failing.ptu"
(vxu_charstring)"ok");
#line 21 "<DIR>/failing.ptu"
VEXOR_CLOSE_BRA_C(17);
EDV_INTEGER_C(1,0,(vxu_integer)(kind),0+30,10,(vxu_integer)((jsmntype_t
#line 22 "<DIR>/failing.ptu"
)JSMN_ARRAY),(vxu_integer)((jsmntype_t)JSMN_ARRAY));
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(raw),0+31,10,(vxu_unsigned)((uint8_t)0xf1),
#line 23 "<DIR>/failing.ptu"
(vxu_unsigned)((uint8_t)0xf1));
#line 419 "<DIR>/t.c"
VXU_END_ELEMENT_C();
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }

if (VXU_TEST_BEGIN_C(32)) {
#line 32 "<DIR>/failing.ptu"
for (_vx_J1 = 1 ; _vx_J1<=2;_vx_J1++ ){
#line 427 "<DIR>/t.c"

DCL_TST_C(32, "tolerance");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 3;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#if size_1_failing_put
#line 34 "<DIR>/failing.ptu"
_os_1_failing_put[0].min=1;
#line 34 "<DIR>/failing.ptu"
_os_1_failing_put[0].max=1;
#line 34 "<DIR>/failing.ptu"
_os_1_failing_put[0]._datain.v=(uint8_t)(0xff);
#line 34 "<DIR>/failing.ptu"
_os_1_failing_put[0].sel[0]=1;
#line 444 "<DIR>/t.c"
_os_1_failing_put[1].min=0;
_os_1_failing_put[1].max=0;
#endif
#line 32 "<DIR>/failing.ptu"
rate = _vx_tab_initin1(_vx_J1);
#line 32 "<DIR>/failing.ptu"
PTU_DOUBLE_C((double)(rate),0+35);
raw = 0;
#line 33 "<DIR>/failing.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(raw),0+36,10);
#line 35 "<DIR>/failing.ptu"
compute();
#line 457 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
#line 32 "<DIR>/failing.ptu"
{ double _vx_e = (double)(_vx_tab_vain1(_vx_J1)); double _vx_d = (double
#line 32 "<DIR>/failing.ptu"
)0.0000000001;
#line 32 "<DIR>/failing.ptu"
if (_vx_d < 0) _vx_d = -_vx_d;
#line 32 "<DIR>/failing.ptu"
EDV_DOUBLE_C(1,1,(double)(rate),0+35,(double)(_vx_e - _vx_d),(double)(_vx_e +
#line 32 "<DIR>/failing.ptu"
 _vx_d)); }
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(raw),0+36,10,(vxu_unsigned)((uint8_t)0xff),
#line 33 "<DIR>/failing.ptu"
(vxu_unsigned)((uint8_t)0xff));
#line 473 "<DIR>/t.c"
VXU_END_ELEMENT_C();
#line 32 "<DIR>/failing.ptu"
}
#line 477 "<DIR>/t.c"
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }
}/* END SERVICE compute*/
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
SRV1_COMPUTE();
CLF_C("<DIR>/t.rio");


#ifdef ZQZQ_MAIN_RETURN
 ZQZQ_MAIN_RETURN
#else
 return(0);
#endif

}/* end t */

VXU_TRACES_FILE("<DIR>/t.rio")

VXU_TESTS_BEGIN
VXU_TEST_ENTRY(5, "compute", "zero_byte", "<DIR>/failing.ptu", 8)
VXU_TEST_ENTRY(14, "compute", "member", "<DIR>/failing.ptu", 18)
VXU_TEST_ENTRY(32, "compute", "tolerance", "<DIR>/failing.ptu", 29)
VXU_TESTS_END

