/**************************************************************************/
/** TOOL : Unit Test Compiler VERSION 8.3.0.1.342.020                    **/
/**                                                                      **/
/** COMMAND : vexorprepro bytes.ptu t.c -LANGUAGE=C -TARGET=LINUX -FAST  **/
/**    -STD_DEFINE=<TGT>/ana/vxus_c.def            **/
/**                                                                      **/
/** FILE : <DIR>/t.c                             **/
/**                                                                      **/
/** DATE : <DATE>                                      **/
/**************************************************************************/
#line 2 "<DIR>/bytes.ptu"
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

#define _fn_1_bytes_put 1
#ifndef _vx_bytes_put
#define _vx_bytes_put 1 /* void put(uint8_t v) */
#endif

VXU_STUB_CNT _ix_1_bytes_put STUBINACTIVE ;
#if size_1_bytes_put
VXU_STUB_CNT _it_1_bytes_put;

static struct _so_1_bytes_put {
 VXU_STUB_CNT min;
 VXU_STUB_CNT max;
 int sel[2];
 struct {
 uint8_t v;
        } _datain;
} _os_1_bytes_put[size_1_bytes_put+1];

static struct _si_1_bytes_put {
unsigned int indice;
struct {
 uint8_t v;
  } _datain;
} _is_1_bytes_put[calls_1_bytes_put];
#endif

#pragma vexor vxo_stub
void (put)(uint8_t v)
{
char Vexor_res;
#define VEXOR_F_IDX _ix_1_bytes_put
#if size_1_bytes_put
struct _si_1_bytes_put * Vexor_ptr_in;
struct _so_1_bytes_put * Vexor_ptr_out;
unsigned int _Vexor_i;
Vexor_res=0;
Vexor_ptr_out=&(_os_1_bytes_put[0]);
  if (VXU_GLOBAL_STUB_INITIALISED(_ix_1_bytes_put >= 0))
    {
  if (_it_1_bytes_put<calls_1_bytes_put)
    {
       Vexor_ptr_in = &(_is_1_bytes_put[_it_1_bytes_put]);
       Vexor_ptr_in->indice=0;
    }
  else
    {
       Vexor_ptr_in = (struct _si_1_bytes_put *)0;
    }
#endif
  _ix_1_bytes_put++;
#if size_1_bytes_put
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_1_bytes_put)
	   &&(_os_1_bytes_put[_Vexor_i].min)
	   &&(  ((unsigned int)_os_1_bytes_put[_Vexor_i].min>(unsigned int
)_ix_1_bytes_put)
	      ||((unsigned int)_os_1_bytes_put[_Vexor_i].max<(unsigned int
)_ix_1_bytes_put)));
	  ++_Vexor_i);
  if ((_Vexor_i)&&(!_os_1_bytes_put[_Vexor_i].max)){_Vexor_i--;Vexor_res=1;}
    Vexor_ptr_out=&(_os_1_bytes_put[_Vexor_i]);
  }
Vexor_res|=(Vexor_ptr_out->sel[0]&&((v)!=Vexor_ptr_out->_datain.v));
#else
  Vexor_res=1;
  (void)(v);
#endif
  EDV_CHRONO_MUET_C( 1, Vexor_res,_ix_1_bytes_put );
#if size_1_bytes_put
  if (Vexor_res && Vexor_ptr_in)
    {
      Vexor_ptr_in->indice=_ix_1_bytes_put;
      Vexor_ptr_in->_datain.v=v;
      _it_1_bytes_put++;
    }
     }
#endif
#ifdef STUB_CALL_ORDER
     STUB_CALL_ORDER(_fn_1_bytes_put);
#endif
#undef VEXOR_F_IDX
}
void checkin_1_bytes_put(void)
{
#if size_1_bytes_put
struct _si_1_bytes_put * Vexor_ptr_in;
unsigned int i;
  struct _so_1_bytes_put * Vexor_ptr_out;
int _Vexor_i;
VXU_STUB_CNT max;
max=0;
  for (_Vexor_i=0;((_Vexor_i<(size_1_bytes_put))&&
(_os_1_bytes_put[_Vexor_i].min>0));++_Vexor_i)
  {
    if (max < _os_1_bytes_put[_Vexor_i].max)
      {
        max = _os_1_bytes_put[_Vexor_i].max;
      }
  }
  EDV_MUET_CHECK(1,0);
if ((_os_1_bytes_put[_Vexor_i].min)||(!(_os_1_bytes_put[_Vexor_i].max)))
  {
       EDV_INTEGER_C(1,1,(vxu_integer)(_ix_1_bytes_put),0,10,(vxu_integer)
(max?max:_os_1_bytes_put[0].min),(vxu_integer)max);
  }
else
  {
	 EDV_UNSIGNED_C(1,1,(vxu_unsigned)(_ix_1_bytes_put),0,10,(vxu_unsigned)max,
(vxu_unsigned)_os_1_bytes_put[_Vexor_i].max);
  }
for (i=0;i<(unsigned int)_it_1_bytes_put;++i){
  Vexor_ptr_in=&(_is_1_bytes_put[i]);
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_1_bytes_put-1)
	   &&(_os_1_bytes_put[_Vexor_i].min)
	   &&(  ((unsigned int)_os_1_bytes_put[_Vexor_i].min>Vexor_ptr_in->indice)
	      ||((unsigned int)_os_1_bytes_put[_Vexor_i].max<Vexor_ptr_in->indice)));
	  ++_Vexor_i);
    Vexor_ptr_out=&(_os_1_bytes_put[_Vexor_i]);
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
	 EDV_INTEGER_C(1,1,(vxu_integer)(_ix_1_bytes_put),0,10,(vxu_integer)-1,
(vxu_integer)0);
#endif
}
void _vx_check_muets(void)
{
checkin_1_bytes_put();
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
_ix_1_bytes_put=0;
#if size_1_bytes_put
_os_1_bytes_put[0].min=-1;
_os_1_bytes_put[0].max=0;
_it_1_bytes_put=0;
#endif
}
void SRV1_COMPUTE (void) { 
/* BEGIN  SERVICE compute */
#ifdef NEEDS_NUM_TEST_OPE
NUM_OPERATION = 1;
#endif /*NEEDS_NUM_TEST_OPE*/

DCL_OP_C(4, "compute");
if (VXU_TEST_BEGIN_C(5)) {

DCL_TST_C(5, "bytes");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 1;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#if size_1_bytes_put
#line 15 "<DIR>/bytes.ptu"
_os_1_bytes_put[0].min=1;
#line 15 "<DIR>/bytes.ptu"
_os_1_bytes_put[0].max=1;
#line 15 "<DIR>/bytes.ptu"
_os_1_bytes_put[0]._datain.v=(uint8_t)(0xf0);
#line 15 "<DIR>/bytes.ptu"
_os_1_bytes_put[0].sel[0]=1;
#line 223 "<DIR>/t.c"
_os_1_bytes_put[1].min=0;
_os_1_bytes_put[1].max=0;
#endif
#line 12 "<DIR>/bytes.ptu"
hash[0] = 0;
#line 12 "<DIR>/bytes.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(hash[0]),0+9,16);
#line 12 "<DIR>/bytes.ptu"
hash[1] = 0;
#line 12 "<DIR>/bytes.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(hash[1]),0+10,16);
#line 12 "<DIR>/bytes.ptu"
hash[2] = 0;
#line 12 "<DIR>/bytes.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(hash[2]),0+11,16);
#line 12 "<DIR>/bytes.ptu"
hash[3] = 0;
#line 12 "<DIR>/bytes.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(hash[3]),0+12,16);
dig.len = 1;
#line 13 "<DIR>/bytes.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(dig.len),0+14,10);
#line 13 "<DIR>/bytes.ptu"
dig.bytes[0] = 1;
#line 13 "<DIR>/bytes.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(dig.bytes[0]),0+15,16);
#line 13 "<DIR>/bytes.ptu"
dig.bytes[1] = 2;
#line 13 "<DIR>/bytes.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(dig.bytes[1]),0+16,16);
#line 13 "<DIR>/bytes.ptu"
dig.bytes[2] = 3;
#line 13 "<DIR>/bytes.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(dig.bytes[2]),0+17,16);
#line 13 "<DIR>/bytes.ptu"
dig.bytes[3] = 4;
#line 13 "<DIR>/bytes.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(dig.bytes[3]),0+18,16);
#line 13 "<DIR>/bytes.ptu"
dig.key[0] = 0x00;
#line 13 "<DIR>/bytes.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(dig.key[0]),0+19,16);
#line 13 "<DIR>/bytes.ptu"
dig.key[1] = 0x01;
#line 13 "<DIR>/bytes.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(dig.key[1]),0+20,16);
#line 13 "<DIR>/bytes.ptu"
dig.key[2] = 0x02;
#line 13 "<DIR>/bytes.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(dig.key[2]),0+21,16);
#line 13 "<DIR>/bytes.ptu"
dig.key[3] = 0x03;
#line 13 "<DIR>/bytes.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(dig.key[3]),0+22,16);
#line 13 "<DIR>/bytes.ptu"
dig.key[4] = 0x04;
#line 13 "<DIR>/bytes.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(dig.key[4]),0+23,16);
#line 13 "<DIR>/bytes.ptu"
dig.key[5] = 0x05;
#line 13 "<DIR>/bytes.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(dig.key[5]),0+24,16);
#line 13 "<DIR>/bytes.ptu"
INI_STR_C((char *)(dig.name), 1, 0+25, (vxu_charstring)"name");
raw = 0x0f;
#line 14 "<DIR>/bytes.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(raw),0+26,10);
#line 16 "<DIR>/bytes.ptu"
lvl = L_NEG;
#line 16 "<DIR>/bytes.ptu"
PTU_INTEGER_C((vxu_integer)(lvl),0+27,10);
kind = JSMN_UNDEFINED;
#line 17 "<DIR>/bytes.ptu"
PTU_INTEGER_C((vxu_integer)(kind),0+28,10);
st.st_mtime = 0;
#line 18 "<DIR>/bytes.ptu"
PTU_INTEGER_C((vxu_integer)(st.st_mtime),0+29,10);
table[5] = 0x21;
#line 19 "<DIR>/bytes.ptu"
PTU_INTEGER_C((vxu_integer)(table[5]),0+30,16);
compute();
#line 305 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
#line 12 "<DIR>/bytes.ptu"
VEXOR_OPEN_BRA_C(8);
#line 12 "<DIR>/bytes.ptu"
SET_MODE_TAB_C(8);
#line 12 "<DIR>/bytes.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(hash[0]),0+9,16,(vxu_unsigned)((BYTE)0xba),
#line 12 "<DIR>/bytes.ptu"
(vxu_unsigned)((BYTE)0xba));
#line 12 "<DIR>/bytes.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(hash[1]),0+10,16,(vxu_unsigned)((BYTE)0x00),
#line 12 "<DIR>/bytes.ptu"
(vxu_unsigned)((BYTE)0x00));
#line 12 "<DIR>/bytes.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(hash[2]),0+11,16,(vxu_unsigned)((BYTE)0x7f),
#line 12 "<DIR>/bytes.ptu"
(vxu_unsigned)((BYTE)0x7f));
#line 12 "<DIR>/bytes.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(hash[3]),0+12,16,(vxu_unsigned)((BYTE)0x10),
#line 12 "<DIR>/bytes.ptu"
(vxu_unsigned)((BYTE)0x10));
#line 12 "<DIR>/bytes.ptu"
UNSET_MODE_TAB_C(8);
#line 12 "<DIR>/bytes.ptu"
VEXOR_CLOSE_BRA_C(8);
VEXOR_OPEN_BRA_C(13);
#line 13 "<DIR>/bytes.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(dig.len),0+14,10,(vxu_unsigned)((__u8)5),
#line 13 "<DIR>/bytes.ptu"
(vxu_unsigned)((__u8)5));
#line 13 "<DIR>/bytes.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(dig.bytes[0]),0+15,16,(vxu_unsigned)((BYTE)2)
#line 13 "<DIR>/bytes.ptu"
,(vxu_unsigned)((BYTE)2));
#line 13 "<DIR>/bytes.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(dig.bytes[1]),0+16,16,(vxu_unsigned)((BYTE)3)
#line 13 "<DIR>/bytes.ptu"
,(vxu_unsigned)((BYTE)3));
#line 13 "<DIR>/bytes.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(dig.bytes[2]),0+17,16,(vxu_unsigned)((BYTE)4)
#line 13 "<DIR>/bytes.ptu"
,(vxu_unsigned)((BYTE)4));
#line 13 "<DIR>/bytes.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(dig.bytes[3]),0+18,16,(vxu_unsigned)((BYTE)5)
#line 13 "<DIR>/bytes.ptu"
,(vxu_unsigned)((BYTE)5));
#line 13 "<DIR>/bytes.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(dig.key[0]),0+19,16,(vxu_unsigned)((__u8)0x00
#line 13 "<DIR>/bytes.ptu"
),(vxu_unsigned)((__u8)0x00));
#line 13 "<DIR>/bytes.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(dig.key[1]),0+20,16,(vxu_unsigned)((__u8)0x01
#line 13 "<DIR>/bytes.ptu"
),(vxu_unsigned)((__u8)0x01));
#line 13 "<DIR>/bytes.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(dig.key[2]),0+21,16,(vxu_unsigned)((__u8)0x00
#line 13 "<DIR>/bytes.ptu"
),(vxu_unsigned)((__u8)0x00));
#line 13 "<DIR>/bytes.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(dig.key[3]),0+22,16,(vxu_unsigned)((__u8)0x03
#line 13 "<DIR>/bytes.ptu"
),(vxu_unsigned)((__u8)0x03));
#line 13 "<DIR>/bytes.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(dig.key[4]),0+23,16,(vxu_unsigned)((__u8)0x04
#line 13 "<DIR>/bytes.ptu"
),(vxu_unsigned)((__u8)0x04));
#line 13 "<DIR>/bytes.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(dig.key[5]),0+24,16,(vxu_unsigned)((__u8)0x05
#line 13 "<DIR>/bytes.ptu"
),(vxu_unsigned)((__u8)0x05));
#line 13 "<DIR>/bytes.ptu"
EDV_STR_C(1,0,(vxu_charstring)(dig.name),0+25,(vxu_charstring)"ok",
#line 13 "<DIR>/bytes.ptu"
(vxu_charstring)"ok");
#line 13 "<DIR>/bytes.ptu"
VEXOR_CLOSE_BRA_C(13);
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(raw),0+26,10,(vxu_unsigned)((uint8_t)0xf0),
#line 14 "<DIR>/bytes.ptu"
(vxu_unsigned)((uint8_t)0xf0));
#line 16 "<DIR>/bytes.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(lvl),0+27,10,(vxu_integer)(L_NEXT),(vxu_integer
#line 16 "<DIR>/bytes.ptu"
)(L_NEXT));
EDV_INTEGER_C(1,0,(vxu_integer)(kind),0+28,10,(vxu_integer)((jsmntype_t
#line 17 "<DIR>/bytes.ptu"
)JSMN_OBJECT),(vxu_integer)((jsmntype_t)JSMN_OBJECT));
EDV_INTEGER_C(1,0,(vxu_integer)(st.st_mtime),0+29,10,(vxu_integer)((__time_t
#line 18 "<DIR>/bytes.ptu"
)1234),(vxu_integer)((__time_t)1234));
EDV_INTEGER_C(1,0,(vxu_integer)(table[5]),0+30,16,(vxu_integer)((int)0x42),
#line 19 "<DIR>/bytes.ptu"
(vxu_integer)((int)0x42));
#line 399 "<DIR>/t.c"
VXU_END_ELEMENT_C();
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }

if (VXU_TEST_BEGIN_C(31)) {
#line 33 "<DIR>/bytes.ptu"
for (_vx_J1 = 1 ; _vx_J1<=2;_vx_J1++ ){
#line 407 "<DIR>/t.c"

DCL_TST_C(31, "aggregates");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 2;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#if size_1_bytes_put
#line 32 "<DIR>/bytes.ptu"
_os_1_bytes_put[0].min=1;
#line 32 "<DIR>/bytes.ptu"
_os_1_bytes_put[0].max=1;
#line 32 "<DIR>/bytes.ptu"
_os_1_bytes_put[0]._datain.v=(uint8_t)(0xff);
#line 32 "<DIR>/bytes.ptu"
_os_1_bytes_put[0].sel[0]=1;
#line 424 "<DIR>/t.c"
_os_1_bytes_put[1].min=0;
_os_1_bytes_put[1].max=0;
#endif
#line 27 "<DIR>/bytes.ptu"
sp.len = 1;
#line 27 "<DIR>/bytes.ptu"
PTU_INTEGER_C((vxu_integer)(sp.len),0+35,10);
#line 27 "<DIR>/bytes.ptu"
{
#line 27 "<DIR>/bytes.ptu"
int _vx_ini36[] = {2,3};
#line 27 "<DIR>/bytes.ptu"
for (_vx_I1 = 0 ; _vx_I1 < 2 ; _vx_I1++) { 
#line 27 "<DIR>/bytes.ptu"
sp.st[_vx_I1] = _vx_ini36[_vx_I1];
#line 27 "<DIR>/bytes.ptu"
}
#line 27 "<DIR>/bytes.ptu"
}
#line 27 "<DIR>/bytes.ptu"
sp.tail = 4;
#line 27 "<DIR>/bytes.ptu"
PTU_INTEGER_C((vxu_integer)(sp.tail),0+37,10);
pairs[0].a = 1;
#line 28 "<DIR>/bytes.ptu"
PTU_INTEGER_C((vxu_integer)(pairs[0].a),0+39,10);
#line 28 "<DIR>/bytes.ptu"
pairs[0].b = 0;
#line 28 "<DIR>/bytes.ptu"
PTU_INTEGER_C((vxu_integer)(pairs[0].b),0+40,10);
#line 28 "<DIR>/bytes.ptu"
pairs[1].a = 2;
#line 28 "<DIR>/bytes.ptu"
PTU_INTEGER_C((vxu_integer)(pairs[1].a),0+41,10);
#line 28 "<DIR>/bytes.ptu"
pairs[1].b = 20;
#line 28 "<DIR>/bytes.ptu"
PTU_INTEGER_C((vxu_integer)(pairs[1].b),0+42,10);
#line 28 "<DIR>/bytes.ptu"
pairs[2].a = 2;
#line 28 "<DIR>/bytes.ptu"
PTU_INTEGER_C((vxu_integer)(pairs[2].a),0+43,10);
#line 28 "<DIR>/bytes.ptu"
pairs[2].b = 20;
#line 28 "<DIR>/bytes.ptu"
PTU_INTEGER_C((vxu_integer)(pairs[2].b),0+44,10);
#line 28 "<DIR>/bytes.ptu"
pairs[3].a = 2;
#line 28 "<DIR>/bytes.ptu"
PTU_INTEGER_C((vxu_integer)(pairs[3].a),0+45,10);
#line 28 "<DIR>/bytes.ptu"
pairs[3].b = 20;
#line 28 "<DIR>/bytes.ptu"
PTU_INTEGER_C((vxu_integer)(pairs[3].b),0+46,10);
{
#line 29 "<DIR>/bytes.ptu"
int _vx_ini47[] = {1,2,2,2,0,0};
#line 29 "<DIR>/bytes.ptu"
for (_vx_I1 = 0 ; _vx_I1 < 6 ; _vx_I1++) { 
#line 29 "<DIR>/bytes.ptu"
table[_vx_I1] = _vx_ini47[_vx_I1];
#line 29 "<DIR>/bytes.ptu"
}
#line 29 "<DIR>/bytes.ptu"
}
{
#line 30 "<DIR>/bytes.ptu"
BYTE _vx_ini48[] = {0x01,0x02,0x03,0x04};
#line 30 "<DIR>/bytes.ptu"
for (_vx_I1 = 0 ; _vx_I1 < 4 ; _vx_I1++) { 
#line 30 "<DIR>/bytes.ptu"
hash[_vx_I1] = _vx_ini48[_vx_I1];
#line 30 "<DIR>/bytes.ptu"
}
#line 30 "<DIR>/bytes.ptu"
}
raw = 0;
#line 31 "<DIR>/bytes.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(raw),0+49,10);
#line 33 "<DIR>/bytes.ptu"
rate = _vx_tab_initin1(_vx_J1);
#line 33 "<DIR>/bytes.ptu"
PTU_DOUBLE_C((double)(rate),0+50);
compute();
#line 509 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
#line 27 "<DIR>/bytes.ptu"
VEXOR_OPEN_BRA_C(34);
#line 27 "<DIR>/bytes.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(sp.len),0+35,10,(vxu_integer)((int)1),
#line 27 "<DIR>/bytes.ptu"
(vxu_integer)((int)1));
#line 27 "<DIR>/bytes.ptu"
SET_MODE_TAB_C(36);
#line 27 "<DIR>/bytes.ptu"
SET_MODE_CST_C(36);
#line 27 "<DIR>/bytes.ptu"
{
#line 27 "<DIR>/bytes.ptu"
int _vx_cst36[] = {2,3};
#line 27 "<DIR>/bytes.ptu"
for (_vx_I1 = 0 ; _vx_I1 < 2 ; _vx_I1++) { 
#line 27 "<DIR>/bytes.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(sp.st[_vx_I1]),0+36,10,(vxu_integer)(
#line 27 "<DIR>/bytes.ptu"
(vxu_integer)(_vx_cst36[_vx_I1])),(vxu_integer)((vxu_integer)(_vx_cst36[_vx_I1]
#line 27 "<DIR>/bytes.ptu"
)));
#line 27 "<DIR>/bytes.ptu"
}
#line 27 "<DIR>/bytes.ptu"
}
#line 27 "<DIR>/bytes.ptu"
UNSET_MODE_CST_C(36);
#line 27 "<DIR>/bytes.ptu"
UNSET_MODE_TAB_C(36);
#line 27 "<DIR>/bytes.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(sp.tail),0+37,10,(vxu_integer)((int)6),
#line 27 "<DIR>/bytes.ptu"
(vxu_integer)((int)6));
#line 27 "<DIR>/bytes.ptu"
VEXOR_CLOSE_BRA_C(34);
VEXOR_OPEN_BRA_C(38);
#line 28 "<DIR>/bytes.ptu"
SET_MODE_TAB_C(38);
#line 28 "<DIR>/bytes.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(pairs[0].a),0+39,10,(vxu_integer)((int)1),
#line 28 "<DIR>/bytes.ptu"
(vxu_integer)((int)1));
#line 28 "<DIR>/bytes.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(pairs[0].b),0+40,10,(vxu_integer)((int)10),
#line 28 "<DIR>/bytes.ptu"
(vxu_integer)((int)10));
#line 28 "<DIR>/bytes.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(pairs[1].a),0+41,10,(vxu_integer)((int)2),
#line 28 "<DIR>/bytes.ptu"
(vxu_integer)((int)2));
#line 28 "<DIR>/bytes.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(pairs[1].b),0+42,10,(vxu_integer)((int)20),
#line 28 "<DIR>/bytes.ptu"
(vxu_integer)((int)20));
#line 28 "<DIR>/bytes.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(pairs[2].a),0+43,10,(vxu_integer)((int)2),
#line 28 "<DIR>/bytes.ptu"
(vxu_integer)((int)2));
#line 28 "<DIR>/bytes.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(pairs[2].b),0+44,10,(vxu_integer)((int)20),
#line 28 "<DIR>/bytes.ptu"
(vxu_integer)((int)20));
#line 28 "<DIR>/bytes.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(pairs[3].a),0+45,10,(vxu_integer)((int)2),
#line 28 "<DIR>/bytes.ptu"
(vxu_integer)((int)2));
#line 28 "<DIR>/bytes.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(pairs[3].b),0+46,10,(vxu_integer)((int)20),
#line 28 "<DIR>/bytes.ptu"
(vxu_integer)((int)20));
#line 28 "<DIR>/bytes.ptu"
UNSET_MODE_TAB_C(38);
#line 28 "<DIR>/bytes.ptu"
VEXOR_CLOSE_BRA_C(38);
SET_MODE_TAB_C(47);
#line 29 "<DIR>/bytes.ptu"
SET_MODE_CST_C(47);
#line 29 "<DIR>/bytes.ptu"
{
#line 29 "<DIR>/bytes.ptu"
int _vx_cst47[] = {2,4,4,4,0,0};
#line 29 "<DIR>/bytes.ptu"
for (_vx_I1 = 0 ; _vx_I1 < 6 ; _vx_I1++) { 
#line 29 "<DIR>/bytes.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(table[_vx_I1]),0+47,16,(vxu_integer)(
#line 29 "<DIR>/bytes.ptu"
(vxu_integer)(_vx_cst47[_vx_I1])),(vxu_integer)((vxu_integer)(_vx_cst47[_vx_I1]
#line 29 "<DIR>/bytes.ptu"
)));
#line 29 "<DIR>/bytes.ptu"
}
#line 29 "<DIR>/bytes.ptu"
}
#line 29 "<DIR>/bytes.ptu"
UNSET_MODE_CST_C(47);
#line 29 "<DIR>/bytes.ptu"
UNSET_MODE_TAB_C(47);
SET_MODE_TAB_C(48);
#line 30 "<DIR>/bytes.ptu"
SET_MODE_CST_C(48);
#line 30 "<DIR>/bytes.ptu"
{
#line 30 "<DIR>/bytes.ptu"
BYTE _vx_cst48[] = {0xba,0x00,0x7f,0x10};
#line 30 "<DIR>/bytes.ptu"
for (_vx_I1 = 0 ; _vx_I1 < 4 ; _vx_I1++) { 
#line 30 "<DIR>/bytes.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(hash[_vx_I1]),0+48,16,(vxu_unsigned)
#line 30 "<DIR>/bytes.ptu"
(VXU_HELD_UNSIGNED((vxu_integer)(_vx_cst48[_vx_I1]),8)),(vxu_unsigned)
#line 30 "<DIR>/bytes.ptu"
(VXU_HELD_UNSIGNED((vxu_integer)(_vx_cst48[_vx_I1]),8)));
#line 30 "<DIR>/bytes.ptu"
}
#line 30 "<DIR>/bytes.ptu"
}
#line 30 "<DIR>/bytes.ptu"
UNSET_MODE_CST_C(48);
#line 30 "<DIR>/bytes.ptu"
UNSET_MODE_TAB_C(48);
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(raw),0+49,10,(vxu_unsigned)((uint8_t)0xff),
#line 31 "<DIR>/bytes.ptu"
(vxu_unsigned)((uint8_t)0xff));
#line 33 "<DIR>/bytes.ptu"
{ double _vx_e = (double)(_vx_tab_vain1(_vx_J1)); double _vx_d = (double)0.001;
#line 33 "<DIR>/bytes.ptu"
if (_vx_d < 0) _vx_d = -_vx_d;
#line 33 "<DIR>/bytes.ptu"
EDV_DOUBLE_C(1,1,(double)(rate),0+50,(double)(_vx_e - _vx_d),(double)(_vx_e +
#line 33 "<DIR>/bytes.ptu"
 _vx_d)); }
#line 644 "<DIR>/t.c"
VXU_END_ELEMENT_C();

START_CHRONO_C();
_vx_init_muets();
#if size_1_bytes_put
#line 38 "<DIR>/bytes.ptu"
_os_1_bytes_put[0].min=1;
#line 38 "<DIR>/bytes.ptu"
_os_1_bytes_put[0].max=1;
#line 38 "<DIR>/bytes.ptu"
_os_1_bytes_put[0]._datain.v=(uint8_t)(0xfe);
#line 38 "<DIR>/bytes.ptu"
_os_1_bytes_put[0].sel[0]=1;
#line 658 "<DIR>/t.c"
_os_1_bytes_put[1].min=0;
_os_1_bytes_put[1].max=0;
#endif
#line 37 "<DIR>/bytes.ptu"
raw = 1;
#line 37 "<DIR>/bytes.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(raw),0+52,10);
#line 39 "<DIR>/bytes.ptu"
for (_vx_I1 = 0 ; _vx_I1 < 6 ; _vx_I1++) { 
#line 39 "<DIR>/bytes.ptu"
table[_vx_I1] = (_vx_I1 == (raw+3)?9:1);
#line 39 "<DIR>/bytes.ptu"
}
compute();
#line 673 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
#line 37 "<DIR>/bytes.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(raw),0+52,10,(vxu_unsigned)((uint8_t)0xfe),
#line 37 "<DIR>/bytes.ptu"
(vxu_unsigned)((uint8_t)0xfe));
#line 39 "<DIR>/bytes.ptu"
SET_MODE_TAB_C(53);
#line 39 "<DIR>/bytes.ptu"
SET_MODE_CST_C(53);
#line 39 "<DIR>/bytes.ptu"
{
#line 39 "<DIR>/bytes.ptu"
int _vx_cst53[] = {2,2,2,2,18,2};
#line 39 "<DIR>/bytes.ptu"
for (_vx_I1 = 0 ; _vx_I1 < 6 ; _vx_I1++) { 
#line 39 "<DIR>/bytes.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(table[_vx_I1]),0+53,16,(vxu_integer)(
#line 39 "<DIR>/bytes.ptu"
(vxu_integer)(_vx_cst53[_vx_I1])),(vxu_integer)((vxu_integer)(_vx_cst53[_vx_I1]
#line 39 "<DIR>/bytes.ptu"
)));
#line 39 "<DIR>/bytes.ptu"
}
#line 39 "<DIR>/bytes.ptu"
}
#line 39 "<DIR>/bytes.ptu"
UNSET_MODE_CST_C(53);
#line 39 "<DIR>/bytes.ptu"
UNSET_MODE_TAB_C(53);
#line 704 "<DIR>/t.c"
VXU_END_ELEMENT_C();
#line 33 "<DIR>/bytes.ptu"
}
#line 708 "<DIR>/t.c"
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
VXU_TEST_ENTRY(5, "compute", "bytes", "<DIR>/bytes.ptu", 8)
VXU_TEST_ENTRY(31, "compute", "aggregates", "<DIR>/bytes.ptu", 24)
VXU_TESTS_END

