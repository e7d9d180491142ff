/**************************************************************************/
/** TOOL : Unit Test Compiler VERSION 8.3.0.1.342.020                    **/
/**                                                                      **/
/** COMMAND : vexorprepro s.ptu t.c -LANGUAGE=C -TARGET=LINUX -FAST      **/
/**    -STD_DEFINE=<TGT>/ana/vxus_c.def            **/
/**                                                                      **/
/** FILE : <DIR>/t.c                     **/
/**                                                                      **/
/** DATE : <DATE>                                      **/
/**************************************************************************/
#line 2 "<DIR>/s.ptu"
#include "alarm.h"
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


/* simulation: sigaction */

#define _fn_1_s_sigaction 1
#ifndef _vx_s_sigaction
#define _vx_s_sigaction 1 /* int sigaction(int sig, const struct sigaction *act, struct sigaction *oact) */
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

VXU_STUB_CNT _ix_1_s_sigaction STUBINACTIVE ;
#if size_1_s_sigaction
VXU_STUB_CNT _it_1_s_sigaction;

static struct _so_1_s_sigaction {
 VXU_STUB_CNT min;
 VXU_STUB_CNT max;
 int ret;
 int sel[4];
 struct {
 struct sigaction oact;
        } _dataout;
 struct {
 int sig;
 const struct sigaction * act;
        } _datain;
} _os_1_s_sigaction[size_1_s_sigaction+1];

static struct _si_1_s_sigaction {
unsigned int indice;
struct {
 int sig;
 const struct sigaction * act;
  } _datain;
} _is_1_s_sigaction[calls_1_s_sigaction];
#endif

#pragma vexor vxo_stub
int (sigaction)(int sig, const struct sigaction *act, struct sigaction *oact)
{
char Vexor_res;
#define VEXOR_F_IDX _ix_1_s_sigaction
#if size_1_s_sigaction
struct _si_1_s_sigaction * Vexor_ptr_in;
struct _so_1_s_sigaction * Vexor_ptr_out;
unsigned int _Vexor_i;
Vexor_res=0;
Vexor_ptr_out=&(_os_1_s_sigaction[0]);
  if (VXU_GLOBAL_STUB_INITIALISED(_ix_1_s_sigaction >= 0))
    {
  if (_it_1_s_sigaction<calls_1_s_sigaction)
    {
       Vexor_ptr_in = &(_is_1_s_sigaction[_it_1_s_sigaction]);
       Vexor_ptr_in->indice=0;
    }
  else
    {
       Vexor_ptr_in = (struct _si_1_s_sigaction *)0;
    }
#endif
  (void)_vxcc_ptr;
  (void)_vxcc_str;
  _ix_1_s_sigaction++;
#if size_1_s_sigaction
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_1_s_sigaction)
	   &&(_os_1_s_sigaction[_Vexor_i].min)
	   &&(  ((unsigned int)_os_1_s_sigaction[_Vexor_i].min>(unsigned int
)_ix_1_s_sigaction)
	      ||((unsigned int)_os_1_s_sigaction[_Vexor_i].max<(unsigned int
)_ix_1_s_sigaction)));
	  ++_Vexor_i);
  if ((_Vexor_i)&&(!_os_1_s_sigaction[_Vexor_i].max)){_Vexor_i--;Vexor_res=1;}
    Vexor_ptr_out=&(_os_1_s_sigaction[_Vexor_i]);
  }
Vexor_res|=(Vexor_ptr_out->sel[0]&&((sig)!=Vexor_ptr_out->_datain.sig));
Vexor_res|=(Vexor_ptr_out->sel[1]&&_vxcc_ptr((vxu_pointer)(act),(vxu_pointer)
(Vexor_ptr_out->_datain.act)));
#else
  Vexor_res=1;
  (void)(sig);
  (void)(act);
  (void)(oact);
#endif
  EDV_CHRONO_MUET_C( 1, Vexor_res,_ix_1_s_sigaction );
#if size_1_s_sigaction
  if (Vexor_res && Vexor_ptr_in)
    {
      Vexor_ptr_in->indice=_ix_1_s_sigaction;
      Vexor_ptr_in->_datain.sig=sig;
      Vexor_ptr_in->_datain.act=act;
      _it_1_s_sigaction++;
    }
     }
#endif
#ifdef STUB_CALL_ORDER
     STUB_CALL_ORDER(_fn_1_s_sigaction);
#endif
#if size_1_s_sigaction
  if (VXU_GIVEN(oact)&&(Vexor_ptr_out->min>0)&&(Vexor_ptr_out->sel[2])) *(oact
)=Vexor_ptr_out->_dataout.oact;
#endif
#if size_1_s_sigaction
  if (VXU_GLOBAL_STUB_INITIALISED(_ix_1_s_sigaction >= 0))
    {
      return(Vexor_ptr_out->ret);
    }
#endif
#ifndef VXU_NO_STUB_RETURN_VALUE
  return(int)0;
#endif
#undef VEXOR_F_IDX
}
void checkin_1_s_sigaction(void)
{
#if size_1_s_sigaction
struct _si_1_s_sigaction * Vexor_ptr_in;
unsigned int i;
  struct _so_1_s_sigaction * Vexor_ptr_out;
int _Vexor_i;
VXU_STUB_CNT max;
max=0;
  for (_Vexor_i=0;((_Vexor_i<(size_1_s_sigaction))&&
(_os_1_s_sigaction[_Vexor_i].min>0));++_Vexor_i)
  {
    if (max < _os_1_s_sigaction[_Vexor_i].max)
      {
        max = _os_1_s_sigaction[_Vexor_i].max;
      }
  }
  EDV_MUET_CHECK(1,0);
if ((_os_1_s_sigaction[_Vexor_i].min)||(!(_os_1_s_sigaction[_Vexor_i].max)))
  {
       EDV_INTEGER_C(1,1,(vxu_integer)(_ix_1_s_sigaction),0,10,(vxu_integer)
(max?max:_os_1_s_sigaction[0].min),(vxu_integer)max);
  }
else
  {
	 EDV_UNSIGNED_C(1,1,(vxu_unsigned)(_ix_1_s_sigaction),0,10,(vxu_unsigned)max,
(vxu_unsigned)_os_1_s_sigaction[_Vexor_i].max);
  }
for (i=0;i<(unsigned int)_it_1_s_sigaction;++i){
  Vexor_ptr_in=&(_is_1_s_sigaction[i]);
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_1_s_sigaction-1)
	   &&(_os_1_s_sigaction[_Vexor_i].min)
	   &&(  ((unsigned int)_os_1_s_sigaction[_Vexor_i].min>Vexor_ptr_in->indice)
	      ||((unsigned int)_os_1_s_sigaction[_Vexor_i].max<Vexor_ptr_in->indice)));
	  ++_Vexor_i);
    Vexor_ptr_out=&(_os_1_s_sigaction[_Vexor_i]);
  }
  EDV_MUET_CHECK(1, Vexor_ptr_in->indice);
  EDV_INTEGER_C((Vexor_ptr_out->min>0&&(unsigned int
)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=(unsigned int
)Vexor_ptr_out->max?Vexor_ptr_out->sel[0]:0),0,(vxu_integer)
(Vexor_ptr_in->_datain.sig),0+3,10,(vxu_integer)(Vexor_ptr_out->_datain.sig),
(vxu_integer)(Vexor_ptr_out->_datain.sig));
  EDV_POINTER_C((Vexor_ptr_out->min>0&&(unsigned int
)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=(unsigned int
)Vexor_ptr_out->max?Vexor_ptr_out->sel[1]:0),0,(vxu_pointer)
(Vexor_ptr_in->_datain.act),0+4,(vxu_pointer)(Vexor_ptr_out->_datain.act));
  }
#else
  EDV_MUET_CHECK(1,0);
	 EDV_INTEGER_C(1,1,(vxu_integer)(_ix_1_s_sigaction),0,10,(vxu_integer)-1,
(vxu_integer)0);
#endif
}
void _vx_check_muets(void)
{
checkin_1_s_sigaction();
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
_ix_1_s_sigaction=0;
#if size_1_s_sigaction
_os_1_s_sigaction[0].min=-1;
_os_1_s_sigaction[0].max=0;
_it_1_s_sigaction=0;
#endif
}
void SRV1_ARM (void) { 
#line 10 "<DIR>/s.ptu"
int ret;
#line 243 "<DIR>/t.c"
/* BEGIN  SERVICE arm */
#ifdef NEEDS_NUM_TEST_OPE
NUM_OPERATION = 1;
#endif /*NEEDS_NUM_TEST_OPE*/

DCL_OP_C(5, "arm");
if (VXU_TEST_BEGIN_C(6)) {

DCL_TST_C(6, "untouched");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 1;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#if size_1_s_sigaction
#line 16 "<DIR>/s.ptu"
_os_1_s_sigaction[0].min=1;
#line 16 "<DIR>/s.ptu"
_os_1_s_sigaction[0].max=1;
#line 16 "<DIR>/s.ptu"
_os_1_s_sigaction[0]._datain.sig=(int)(14);
#line 16 "<DIR>/s.ptu"
memset(&(_os_1_s_sigaction[0]._dataout.oact),0,sizeof
#line 16 "<DIR>/s.ptu"
(_os_1_s_sigaction[0]._dataout.oact));
#line 16 "<DIR>/s.ptu"
_os_1_s_sigaction[0].sel[0]=1;
#line 16 "<DIR>/s.ptu"
_os_1_s_sigaction[0].sel[1]=0;
#line 16 "<DIR>/s.ptu"
_os_1_s_sigaction[0].sel[2]=1;
#line 16 "<DIR>/s.ptu"
_os_1_s_sigaction[0].ret=(int)(0);
#line 277 "<DIR>/t.c"
_os_1_s_sigaction[1].min=0;
_os_1_s_sigaction[1].max=0;
#endif
#line 14 "<DIR>/s.ptu"
alarm_actions[0].sa_handler = (__sighandler_t)(0);
#line 14 "<DIR>/s.ptu"
alarm_actions[0].sa_mask.__val[0] = 0;
#line 14 "<DIR>/s.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(alarm_actions[0].sa_mask.__val[0]),0+11,10);
#line 14 "<DIR>/s.ptu"
alarm_actions[0].sa_mask.__val[1] = 0;
#line 14 "<DIR>/s.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(alarm_actions[0].sa_mask.__val[1]),0+12,10);
#line 14 "<DIR>/s.ptu"
alarm_actions[0].sa_mask.__val[2] = 0;
#line 14 "<DIR>/s.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(alarm_actions[0].sa_mask.__val[2]),0+13,10);
#line 14 "<DIR>/s.ptu"
alarm_actions[0].sa_mask.__val[3] = 0;
#line 14 "<DIR>/s.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(alarm_actions[0].sa_mask.__val[3]),0+14,10);
#line 14 "<DIR>/s.ptu"
alarm_actions[0].sa_mask.__val[4] = 0;
#line 14 "<DIR>/s.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(alarm_actions[0].sa_mask.__val[4]),0+15,10);
#line 14 "<DIR>/s.ptu"
alarm_actions[0].sa_mask.__val[5] = 0;
#line 14 "<DIR>/s.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(alarm_actions[0].sa_mask.__val[5]),0+16,10);
#line 14 "<DIR>/s.ptu"
alarm_actions[0].sa_mask.__val[6] = 0;
#line 14 "<DIR>/s.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(alarm_actions[0].sa_mask.__val[6]),0+17,10);
#line 14 "<DIR>/s.ptu"
alarm_actions[0].sa_mask.__val[7] = 0;
#line 14 "<DIR>/s.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(alarm_actions[0].sa_mask.__val[7]),0+18,10);
#line 14 "<DIR>/s.ptu"
alarm_actions[0].sa_mask.__val[8] = 0;
#line 14 "<DIR>/s.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(alarm_actions[0].sa_mask.__val[8]),0+19,10);
#line 14 "<DIR>/s.ptu"
alarm_actions[0].sa_mask.__val[9] = 0;
#line 14 "<DIR>/s.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(alarm_actions[0].sa_mask.__val[9]),0+20,10);
#line 14 "<DIR>/s.ptu"
alarm_actions[0].sa_mask.__val[10] = 0;
#line 14 "<DIR>/s.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(alarm_actions[0].sa_mask.__val[10]),0+21,10);
#line 14 "<DIR>/s.ptu"
alarm_actions[0].sa_mask.__val[11] = 0;
#line 14 "<DIR>/s.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(alarm_actions[0].sa_mask.__val[11]),0+22,10);
#line 14 "<DIR>/s.ptu"
alarm_actions[0].sa_mask.__val[12] = 0;
#line 14 "<DIR>/s.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(alarm_actions[0].sa_mask.__val[12]),0+23,10);
#line 14 "<DIR>/s.ptu"
alarm_actions[0].sa_mask.__val[13] = 0;
#line 14 "<DIR>/s.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(alarm_actions[0].sa_mask.__val[13]),0+24,10);
#line 14 "<DIR>/s.ptu"
alarm_actions[0].sa_mask.__val[14] = 0;
#line 14 "<DIR>/s.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(alarm_actions[0].sa_mask.__val[14]),0+25,10);
#line 14 "<DIR>/s.ptu"
alarm_actions[0].sa_mask.__val[15] = 0;
#line 14 "<DIR>/s.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(alarm_actions[0].sa_mask.__val[15]),0+26,10);
#line 14 "<DIR>/s.ptu"
alarm_actions[0].sa_flags = 0;
#line 14 "<DIR>/s.ptu"
PTU_INTEGER_C((vxu_integer)(alarm_actions[0].sa_flags),0+27,10);
#line 14 "<DIR>/s.ptu"
alarm_actions[0].sa_restorer = (void (*)(void))(0);
ret = 1;
#line 15 "<DIR>/s.ptu"
PTU_INTEGER_C((vxu_integer)(ret),0+29,10);
#line 17 "<DIR>/s.ptu"
ret = arm(1);
#line 358 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
#line 14 "<DIR>/s.ptu"
VEXOR_OPEN_BRA_C(9);
#line 14 "<DIR>/s.ptu"
EDV_FUNCPOINTER_C(1,0,(alarm_actions[0].sa_handler),0+10,(0));
#line 14 "<DIR>/s.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(alarm_actions[0].sa_mask.__val[0]),0+11,10,
#line 14 "<DIR>/s.ptu"
(vxu_unsigned)((unsigned long int)0),(vxu_unsigned)((unsigned long int)0));
#line 14 "<DIR>/s.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(alarm_actions[0].sa_mask.__val[1]),0+12,10,
#line 14 "<DIR>/s.ptu"
(vxu_unsigned)((unsigned long int)0),(vxu_unsigned)((unsigned long int)0));
#line 14 "<DIR>/s.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(alarm_actions[0].sa_mask.__val[2]),0+13,10,
#line 14 "<DIR>/s.ptu"
(vxu_unsigned)((unsigned long int)0),(vxu_unsigned)((unsigned long int)0));
#line 14 "<DIR>/s.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(alarm_actions[0].sa_mask.__val[3]),0+14,10,
#line 14 "<DIR>/s.ptu"
(vxu_unsigned)((unsigned long int)0),(vxu_unsigned)((unsigned long int)0));
#line 14 "<DIR>/s.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(alarm_actions[0].sa_mask.__val[4]),0+15,10,
#line 14 "<DIR>/s.ptu"
(vxu_unsigned)((unsigned long int)0),(vxu_unsigned)((unsigned long int)0));
#line 14 "<DIR>/s.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(alarm_actions[0].sa_mask.__val[5]),0+16,10,
#line 14 "<DIR>/s.ptu"
(vxu_unsigned)((unsigned long int)0),(vxu_unsigned)((unsigned long int)0));
#line 14 "<DIR>/s.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(alarm_actions[0].sa_mask.__val[6]),0+17,10,
#line 14 "<DIR>/s.ptu"
(vxu_unsigned)((unsigned long int)0),(vxu_unsigned)((unsigned long int)0));
#line 14 "<DIR>/s.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(alarm_actions[0].sa_mask.__val[7]),0+18,10,
#line 14 "<DIR>/s.ptu"
(vxu_unsigned)((unsigned long int)0),(vxu_unsigned)((unsigned long int)0));
#line 14 "<DIR>/s.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(alarm_actions[0].sa_mask.__val[8]),0+19,10,
#line 14 "<DIR>/s.ptu"
(vxu_unsigned)((unsigned long int)0),(vxu_unsigned)((unsigned long int)0));
#line 14 "<DIR>/s.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(alarm_actions[0].sa_mask.__val[9]),0+20,10,
#line 14 "<DIR>/s.ptu"
(vxu_unsigned)((unsigned long int)0),(vxu_unsigned)((unsigned long int)0));
#line 14 "<DIR>/s.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(alarm_actions[0].sa_mask.__val[10]),0+21,10,
#line 14 "<DIR>/s.ptu"
(vxu_unsigned)((unsigned long int)0),(vxu_unsigned)((unsigned long int)0));
#line 14 "<DIR>/s.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(alarm_actions[0].sa_mask.__val[11]),0+22,10,
#line 14 "<DIR>/s.ptu"
(vxu_unsigned)((unsigned long int)0),(vxu_unsigned)((unsigned long int)0));
#line 14 "<DIR>/s.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(alarm_actions[0].sa_mask.__val[12]),0+23,10,
#line 14 "<DIR>/s.ptu"
(vxu_unsigned)((unsigned long int)0),(vxu_unsigned)((unsigned long int)0));
#line 14 "<DIR>/s.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(alarm_actions[0].sa_mask.__val[13]),0+24,10,
#line 14 "<DIR>/s.ptu"
(vxu_unsigned)((unsigned long int)0),(vxu_unsigned)((unsigned long int)0));
#line 14 "<DIR>/s.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(alarm_actions[0].sa_mask.__val[14]),0+25,10,
#line 14 "<DIR>/s.ptu"
(vxu_unsigned)((unsigned long int)0),(vxu_unsigned)((unsigned long int)0));
#line 14 "<DIR>/s.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(alarm_actions[0].sa_mask.__val[15]),0+26,10,
#line 14 "<DIR>/s.ptu"
(vxu_unsigned)((unsigned long int)0),(vxu_unsigned)((unsigned long int)0));
#line 14 "<DIR>/s.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(alarm_actions[0].sa_flags),0+27,10,(vxu_integer
#line 14 "<DIR>/s.ptu"
)((int)0),(vxu_integer)((int)0));
#line 14 "<DIR>/s.ptu"
EDV_FUNCPOINTER_C(1,0,(alarm_actions[0].sa_restorer),0+28,(0));
#line 14 "<DIR>/s.ptu"
VEXOR_CLOSE_BRA_C(9);
EDV_INTEGER_C(1,0,(vxu_integer)(ret),0+29,10,(vxu_integer)((int)0),(vxu_integer
#line 15 "<DIR>/s.ptu"
)((int)0));
#line 440 "<DIR>/t.c"
VXU_END_ELEMENT_C();
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }

if (VXU_TEST_BEGIN_C(30)) {

DCL_TST_C(30, "armed");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 2;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#if size_1_s_sigaction
#line 27 "<DIR>/s.ptu"
_os_1_s_sigaction[0].min=1;
#line 27 "<DIR>/s.ptu"
_os_1_s_sigaction[0].max=1;
#line 27 "<DIR>/s.ptu"
_os_1_s_sigaction[0]._datain.sig=(int)(14);
#line 27 "<DIR>/s.ptu"
memset(&(_os_1_s_sigaction[0]._dataout.oact),0,sizeof
#line 27 "<DIR>/s.ptu"
(_os_1_s_sigaction[0]._dataout.oact));
#line 27 "<DIR>/s.ptu"
_os_1_s_sigaction[0].sel[0]=1;
#line 27 "<DIR>/s.ptu"
_os_1_s_sigaction[0].sel[1]=0;
#line 27 "<DIR>/s.ptu"
_os_1_s_sigaction[0].sel[2]=1;
#line 27 "<DIR>/s.ptu"
_os_1_s_sigaction[0].ret=(int)(0);
#line 472 "<DIR>/t.c"
_os_1_s_sigaction[1].min=0;
_os_1_s_sigaction[1].max=0;
#endif
#line 25 "<DIR>/s.ptu"
alarm_actions[1].sa_handler = (__sighandler_t)(0);
#line 25 "<DIR>/s.ptu"
alarm_actions[1].sa_mask.__val[0] = 0;
#line 25 "<DIR>/s.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(alarm_actions[1].sa_mask.__val[0]),0+35,10);
#line 25 "<DIR>/s.ptu"
alarm_actions[1].sa_mask.__val[1] = 0;
#line 25 "<DIR>/s.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(alarm_actions[1].sa_mask.__val[1]),0+36,10);
#line 25 "<DIR>/s.ptu"
alarm_actions[1].sa_mask.__val[2] = 0;
#line 25 "<DIR>/s.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(alarm_actions[1].sa_mask.__val[2]),0+37,10);
#line 25 "<DIR>/s.ptu"
alarm_actions[1].sa_mask.__val[3] = 0;
#line 25 "<DIR>/s.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(alarm_actions[1].sa_mask.__val[3]),0+38,10);
#line 25 "<DIR>/s.ptu"
alarm_actions[1].sa_mask.__val[4] = 0;
#line 25 "<DIR>/s.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(alarm_actions[1].sa_mask.__val[4]),0+39,10);
#line 25 "<DIR>/s.ptu"
alarm_actions[1].sa_mask.__val[5] = 0;
#line 25 "<DIR>/s.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(alarm_actions[1].sa_mask.__val[5]),0+40,10);
#line 25 "<DIR>/s.ptu"
alarm_actions[1].sa_mask.__val[6] = 0;
#line 25 "<DIR>/s.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(alarm_actions[1].sa_mask.__val[6]),0+41,10);
#line 25 "<DIR>/s.ptu"
alarm_actions[1].sa_mask.__val[7] = 0;
#line 25 "<DIR>/s.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(alarm_actions[1].sa_mask.__val[7]),0+42,10);
#line 25 "<DIR>/s.ptu"
alarm_actions[1].sa_mask.__val[8] = 0;
#line 25 "<DIR>/s.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(alarm_actions[1].sa_mask.__val[8]),0+43,10);
#line 25 "<DIR>/s.ptu"
alarm_actions[1].sa_mask.__val[9] = 0;
#line 25 "<DIR>/s.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(alarm_actions[1].sa_mask.__val[9]),0+44,10);
#line 25 "<DIR>/s.ptu"
alarm_actions[1].sa_mask.__val[10] = 0;
#line 25 "<DIR>/s.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(alarm_actions[1].sa_mask.__val[10]),0+45,10);
#line 25 "<DIR>/s.ptu"
alarm_actions[1].sa_mask.__val[11] = 0;
#line 25 "<DIR>/s.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(alarm_actions[1].sa_mask.__val[11]),0+46,10);
#line 25 "<DIR>/s.ptu"
alarm_actions[1].sa_mask.__val[12] = 0;
#line 25 "<DIR>/s.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(alarm_actions[1].sa_mask.__val[12]),0+47,10);
#line 25 "<DIR>/s.ptu"
alarm_actions[1].sa_mask.__val[13] = 0;
#line 25 "<DIR>/s.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(alarm_actions[1].sa_mask.__val[13]),0+48,10);
#line 25 "<DIR>/s.ptu"
alarm_actions[1].sa_mask.__val[14] = 0;
#line 25 "<DIR>/s.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(alarm_actions[1].sa_mask.__val[14]),0+49,10);
#line 25 "<DIR>/s.ptu"
alarm_actions[1].sa_mask.__val[15] = 0;
#line 25 "<DIR>/s.ptu"
PTU_UNSIGNED_C((vxu_unsigned)(alarm_actions[1].sa_mask.__val[15]),0+50,10);
#line 25 "<DIR>/s.ptu"
alarm_actions[1].sa_flags = 0;
#line 25 "<DIR>/s.ptu"
PTU_INTEGER_C((vxu_integer)(alarm_actions[1].sa_flags),0+51,10);
#line 25 "<DIR>/s.ptu"
alarm_actions[1].sa_restorer = (void (*)(void))(0);
ret = 1;
#line 26 "<DIR>/s.ptu"
PTU_INTEGER_C((vxu_integer)(ret),0+53,10);
#line 28 "<DIR>/s.ptu"
ret = arm(1);
#line 553 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
#line 25 "<DIR>/s.ptu"
VEXOR_OPEN_BRA_C(33);
#line 25 "<DIR>/s.ptu"
EDV_FUNCPOINTER_C(1,0,(alarm_actions[1].sa_handler),0+34,(0));
#line 25 "<DIR>/s.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(alarm_actions[1].sa_mask.__val[0]),0+35,10,
#line 25 "<DIR>/s.ptu"
(vxu_unsigned)((unsigned long int)0),(vxu_unsigned)((unsigned long int)0));
#line 25 "<DIR>/s.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(alarm_actions[1].sa_mask.__val[1]),0+36,10,
#line 25 "<DIR>/s.ptu"
(vxu_unsigned)((unsigned long int)0),(vxu_unsigned)((unsigned long int)0));
#line 25 "<DIR>/s.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(alarm_actions[1].sa_mask.__val[2]),0+37,10,
#line 25 "<DIR>/s.ptu"
(vxu_unsigned)((unsigned long int)0),(vxu_unsigned)((unsigned long int)0));
#line 25 "<DIR>/s.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(alarm_actions[1].sa_mask.__val[3]),0+38,10,
#line 25 "<DIR>/s.ptu"
(vxu_unsigned)((unsigned long int)0),(vxu_unsigned)((unsigned long int)0));
#line 25 "<DIR>/s.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(alarm_actions[1].sa_mask.__val[4]),0+39,10,
#line 25 "<DIR>/s.ptu"
(vxu_unsigned)((unsigned long int)0),(vxu_unsigned)((unsigned long int)0));
#line 25 "<DIR>/s.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(alarm_actions[1].sa_mask.__val[5]),0+40,10,
#line 25 "<DIR>/s.ptu"
(vxu_unsigned)((unsigned long int)0),(vxu_unsigned)((unsigned long int)0));
#line 25 "<DIR>/s.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(alarm_actions[1].sa_mask.__val[6]),0+41,10,
#line 25 "<DIR>/s.ptu"
(vxu_unsigned)((unsigned long int)0),(vxu_unsigned)((unsigned long int)0));
#line 25 "<DIR>/s.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(alarm_actions[1].sa_mask.__val[7]),0+42,10,
#line 25 "<DIR>/s.ptu"
(vxu_unsigned)((unsigned long int)0),(vxu_unsigned)((unsigned long int)0));
#line 25 "<DIR>/s.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(alarm_actions[1].sa_mask.__val[8]),0+43,10,
#line 25 "<DIR>/s.ptu"
(vxu_unsigned)((unsigned long int)0),(vxu_unsigned)((unsigned long int)0));
#line 25 "<DIR>/s.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(alarm_actions[1].sa_mask.__val[9]),0+44,10,
#line 25 "<DIR>/s.ptu"
(vxu_unsigned)((unsigned long int)0),(vxu_unsigned)((unsigned long int)0));
#line 25 "<DIR>/s.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(alarm_actions[1].sa_mask.__val[10]),0+45,10,
#line 25 "<DIR>/s.ptu"
(vxu_unsigned)((unsigned long int)0),(vxu_unsigned)((unsigned long int)0));
#line 25 "<DIR>/s.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(alarm_actions[1].sa_mask.__val[11]),0+46,10,
#line 25 "<DIR>/s.ptu"
(vxu_unsigned)((unsigned long int)0),(vxu_unsigned)((unsigned long int)0));
#line 25 "<DIR>/s.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(alarm_actions[1].sa_mask.__val[12]),0+47,10,
#line 25 "<DIR>/s.ptu"
(vxu_unsigned)((unsigned long int)0),(vxu_unsigned)((unsigned long int)0));
#line 25 "<DIR>/s.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(alarm_actions[1].sa_mask.__val[13]),0+48,10,
#line 25 "<DIR>/s.ptu"
(vxu_unsigned)((unsigned long int)0),(vxu_unsigned)((unsigned long int)0));
#line 25 "<DIR>/s.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(alarm_actions[1].sa_mask.__val[14]),0+49,10,
#line 25 "<DIR>/s.ptu"
(vxu_unsigned)((unsigned long int)0),(vxu_unsigned)((unsigned long int)0));
#line 25 "<DIR>/s.ptu"
EDV_UNSIGNED_C(1,0,(vxu_unsigned)(alarm_actions[1].sa_mask.__val[15]),0+50,10,
#line 25 "<DIR>/s.ptu"
(vxu_unsigned)((unsigned long int)0),(vxu_unsigned)((unsigned long int)0));
#line 25 "<DIR>/s.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(alarm_actions[1].sa_flags),0+51,10,(vxu_integer
#line 25 "<DIR>/s.ptu"
)((int)0),(vxu_integer)((int)0));
#line 25 "<DIR>/s.ptu"
EDV_FUNCPOINTER_C(1,0,(alarm_actions[1].sa_restorer),0+52,(0));
#line 25 "<DIR>/s.ptu"
VEXOR_CLOSE_BRA_C(33);
EDV_INTEGER_C(1,0,(vxu_integer)(ret),0+53,10,(vxu_integer)((int)0),(vxu_integer
#line 26 "<DIR>/s.ptu"
)((int)0));
#line 635 "<DIR>/t.c"
VXU_END_ELEMENT_C();
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }
}/* END SERVICE arm*/
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
SRV1_ARM();
CLF_C("<DIR>/t.rio");


#ifdef ZQZQ_MAIN_RETURN
 ZQZQ_MAIN_RETURN
#else
 return(0);
#endif

}/* end t */

VXU_TRACES_FILE("<DIR>/t.rio")

VXU_TESTS_BEGIN
VXU_TEST_ENTRY(6, "arm", "untouched", "<DIR>/s.ptu", 11)
VXU_TEST_ENTRY(30, "arm", "armed", "<DIR>/s.ptu", 22)
VXU_TESTS_END

