/**************************************************************************/
/** TOOL : Unit Test Compiler VERSION 8.3.0.1.342.020                    **/
/**                                                                      **/
/** COMMAND : vexorprepro chan.ptu t.c -LANGUAGE=C -TARGET=LINUX -FAST   **/
/**    -STD_DEFINE=<TGT>/ana/vxus_c.def            **/
/**                                                                      **/
/** FILE : <DIR>/t.c                      **/
/**                                                                      **/
/** DATE : <DATE>                                      **/
/**************************************************************************/
#line 2 "<DIR>/chan.ptu"
#include "chan.h"
struct chan ch; int r;
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


/* simulation: socketpair */

#define _fn_1_chan_socketpair 1
#ifndef _vx_chan_socketpair
#define _vx_chan_socketpair 1 /* int socketpair(int __domain, int __type, int __protocol, int __fds[2]) */
#endif

VXU_STUB_CNT _ix_1_chan_socketpair STUBINACTIVE ;
#if size_1_chan_socketpair
VXU_STUB_CNT _it_1_chan_socketpair;

static struct _so_1_chan_socketpair {
 VXU_STUB_CNT min;
 VXU_STUB_CNT max;
 int ret;
 int sel[5];
 struct {
 int __domain;
 int __type;
 int __protocol;
 int __fds[2];
        } _datain;
} _os_1_chan_socketpair[size_1_chan_socketpair+1];

static struct _si_1_chan_socketpair {
unsigned int indice;
struct {
 int __domain;
 int __type;
 int __protocol;
 int __fds[2];
  } _datain;
} _is_1_chan_socketpair[calls_1_chan_socketpair];
#endif

#pragma vexor vxo_stub
int (socketpair)(int __domain, int __type, int __protocol, int __fds[2])
{
char Vexor_res;
#define VEXOR_F_IDX _ix_1_chan_socketpair
#if size_1_chan_socketpair
struct _si_1_chan_socketpair * Vexor_ptr_in;
struct _so_1_chan_socketpair * Vexor_ptr_out;
unsigned int _Vexor_i;
unsigned int _Vexor_j;
Vexor_res=0;
Vexor_ptr_out=&(_os_1_chan_socketpair[0]);
  if (VXU_GLOBAL_STUB_INITIALISED(_ix_1_chan_socketpair >= 0))
    {
  if (_it_1_chan_socketpair<calls_1_chan_socketpair)
    {
       Vexor_ptr_in = &(_is_1_chan_socketpair[_it_1_chan_socketpair]);
       Vexor_ptr_in->indice=0;
    }
  else
    {
       Vexor_ptr_in = (struct _si_1_chan_socketpair *)0;
    }
#endif
  _ix_1_chan_socketpair++;
#if size_1_chan_socketpair
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_1_chan_socketpair)
	   &&(_os_1_chan_socketpair[_Vexor_i].min)
	   &&(  ((unsigned int)_os_1_chan_socketpair[_Vexor_i].min>(unsigned int
)_ix_1_chan_socketpair)
	      ||((unsigned int)_os_1_chan_socketpair[_Vexor_i].max<(unsigned int
)_ix_1_chan_socketpair)));
	  ++_Vexor_i);
  if ((_Vexor_i)&&(!_os_1_chan_socketpair[_Vexor_i].max)){_Vexor_i--
;Vexor_res=1;}
    Vexor_ptr_out=&(_os_1_chan_socketpair[_Vexor_i]);
  }
Vexor_res|=(Vexor_ptr_out->sel[0]&&((__domain)!=Vexor_ptr_out->_datain.__domain
));
Vexor_res|=(Vexor_ptr_out->sel[1]&&((__type)!=Vexor_ptr_out->_datain.__type));
Vexor_res|=(Vexor_ptr_out->sel[2]&&((__protocol
)!=Vexor_ptr_out->_datain.__protocol));
if (Vexor_ptr_out->sel[3]) { if (!VXU_GIVEN(__fds)) Vexor_res=1; else for 
(_Vexor_j=0;_Vexor_j<2;++_Vexor_j) Vexor_res|=(((__fds)[_Vexor_j]
)!=Vexor_ptr_out->_datain.__fds[_Vexor_j]); }
#else
  Vexor_res=1;
  (void)(__domain);
  (void)(__type);
  (void)(__protocol);
  (void)(__fds);
#endif
  EDV_CHRONO_MUET_C( 1, Vexor_res,_ix_1_chan_socketpair );
#if size_1_chan_socketpair
  if (Vexor_res && Vexor_ptr_in)
    {
      Vexor_ptr_in->indice=_ix_1_chan_socketpair;
      Vexor_ptr_in->_datain.__domain=__domain;
      Vexor_ptr_in->_datain.__type=__type;
      Vexor_ptr_in->_datain.__protocol=__protocol;
      if (VXU_GIVEN(__fds)) memcpy(Vexor_ptr_in->_datain.__fds,__fds,sizeof
(Vexor_ptr_in->_datain.__fds));
      _it_1_chan_socketpair++;
    }
     }
#endif
#ifdef STUB_CALL_ORDER
     STUB_CALL_ORDER(_fn_1_chan_socketpair);
#endif
#if size_1_chan_socketpair
  if (VXU_GLOBAL_STUB_INITIALISED(_ix_1_chan_socketpair >= 0))
    {
      return(Vexor_ptr_out->ret);
    }
#endif
#ifndef VXU_NO_STUB_RETURN_VALUE
  return(int)0;
#endif
#undef VEXOR_F_IDX
}
void checkin_1_chan_socketpair(void)
{
#if size_1_chan_socketpair
struct _si_1_chan_socketpair * Vexor_ptr_in;
unsigned int i;
unsigned int _Vexor_j;
  struct _so_1_chan_socketpair * Vexor_ptr_out;
int _Vexor_i;
VXU_STUB_CNT max;
max=0;
  for (_Vexor_i=0;((_Vexor_i<(size_1_chan_socketpair))&&
(_os_1_chan_socketpair[_Vexor_i].min>0));++_Vexor_i)
  {
    if (max < _os_1_chan_socketpair[_Vexor_i].max)
      {
        max = _os_1_chan_socketpair[_Vexor_i].max;
      }
  }
  EDV_MUET_CHECK(1,0);
if ((_os_1_chan_socketpair[_Vexor_i].min)||(!
(_os_1_chan_socketpair[_Vexor_i].max)))
  {
       EDV_INTEGER_C(1,1,(vxu_integer)(_ix_1_chan_socketpair),0,10,(vxu_integer
)(max?max:_os_1_chan_socketpair[0].min),(vxu_integer)max);
  }
else
  {
	 EDV_UNSIGNED_C(1,1,(vxu_unsigned)(_ix_1_chan_socketpair),0,10,(vxu_unsigned
)max,(vxu_unsigned)_os_1_chan_socketpair[_Vexor_i].max);
  }
for (i=0;i<(unsigned int)_it_1_chan_socketpair;++i){
  Vexor_ptr_in=&(_is_1_chan_socketpair[i]);
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_1_chan_socketpair-1)
	   &&(_os_1_chan_socketpair[_Vexor_i].min)
	   &&(  ((unsigned int
)_os_1_chan_socketpair[_Vexor_i].min>Vexor_ptr_in->indice)
	      ||((unsigned int
)_os_1_chan_socketpair[_Vexor_i].max<Vexor_ptr_in->indice)));
	  ++_Vexor_i);
    Vexor_ptr_out=&(_os_1_chan_socketpair[_Vexor_i]);
  }
  EDV_MUET_CHECK(1, Vexor_ptr_in->indice);
  EDV_INTEGER_C((Vexor_ptr_out->min>0&&(unsigned int
)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=(unsigned int
)Vexor_ptr_out->max?Vexor_ptr_out->sel[0]:0),0,(vxu_integer)
(Vexor_ptr_in->_datain.__domain),0+3,10,(vxu_integer)
(Vexor_ptr_out->_datain.__domain),(vxu_integer)(Vexor_ptr_out->_datain.__domain
));
  EDV_INTEGER_C((Vexor_ptr_out->min>0&&(unsigned int
)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=(unsigned int
)Vexor_ptr_out->max?Vexor_ptr_out->sel[1]:0),0,(vxu_integer)
(Vexor_ptr_in->_datain.__type),0+4,10,(vxu_integer)
(Vexor_ptr_out->_datain.__type),(vxu_integer)(Vexor_ptr_out->_datain.__type));
  EDV_INTEGER_C((Vexor_ptr_out->min>0&&(unsigned int
)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=(unsigned int
)Vexor_ptr_out->max?Vexor_ptr_out->sel[2]:0),0,(vxu_integer)
(Vexor_ptr_in->_datain.__protocol),0+5,10,(vxu_integer)
(Vexor_ptr_out->_datain.__protocol),(vxu_integer)
(Vexor_ptr_out->_datain.__protocol));
  for (_Vexor_j=0;_Vexor_j<2;++_Vexor_j)
  EDV_INTEGER_C((Vexor_ptr_out->min>0&&(unsigned int
)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=(unsigned int
)Vexor_ptr_out->max?Vexor_ptr_out->sel[3]:0),0,(vxu_integer)
(Vexor_ptr_in->_datain.__fds[_Vexor_j]),0+6+_Vexor_j,10,(vxu_integer)
(Vexor_ptr_out->_datain.__fds[_Vexor_j]),(vxu_integer)
(Vexor_ptr_out->_datain.__fds[_Vexor_j]));
  }
#else
  EDV_MUET_CHECK(1,0);
	 EDV_INTEGER_C(1,1,(vxu_integer)(_ix_1_chan_socketpair),0,10,(vxu_integer)-1,
(vxu_integer)0);
#endif
}

/* simulation: futimens */

#define _fn_2_chan_futimens 2
#ifndef _vx_chan_futimens
#define _vx_chan_futimens 2 /* int futimens(int __fd, const struct timespec __times[2]) */
#endif

VXU_STUB_CNT _ix_2_chan_futimens STUBINACTIVE ;
#if size_2_chan_futimens
VXU_STUB_CNT _it_2_chan_futimens;

static struct _so_2_chan_futimens {
 VXU_STUB_CNT min;
 VXU_STUB_CNT max;
 int ret;
 int sel[3];
 struct {
 int __fd;
 struct timespec __times[2];
        } _datain;
} _os_2_chan_futimens[size_2_chan_futimens+1];

static struct _si_2_chan_futimens {
unsigned int indice;
struct {
 int __fd;
 struct timespec __times[2];
  } _datain;
} _is_2_chan_futimens[calls_2_chan_futimens];
#endif

#pragma vexor vxo_stub
int (futimens)(int __fd, const struct timespec __times[2])
{
char Vexor_res;
#define VEXOR_F_IDX _ix_2_chan_futimens
#if size_2_chan_futimens
struct _si_2_chan_futimens * Vexor_ptr_in;
struct _so_2_chan_futimens * Vexor_ptr_out;
unsigned int _Vexor_i;
Vexor_res=0;
Vexor_ptr_out=&(_os_2_chan_futimens[0]);
  if (VXU_GLOBAL_STUB_INITIALISED(_ix_2_chan_futimens >= 0))
    {
  if (_it_2_chan_futimens<calls_2_chan_futimens)
    {
       Vexor_ptr_in = &(_is_2_chan_futimens[_it_2_chan_futimens]);
       Vexor_ptr_in->indice=0;
    }
  else
    {
       Vexor_ptr_in = (struct _si_2_chan_futimens *)0;
    }
#endif
  _ix_2_chan_futimens++;
#if size_2_chan_futimens
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_2_chan_futimens)
	   &&(_os_2_chan_futimens[_Vexor_i].min)
	   &&(  ((unsigned int)_os_2_chan_futimens[_Vexor_i].min>(unsigned int
)_ix_2_chan_futimens)
	      ||((unsigned int)_os_2_chan_futimens[_Vexor_i].max<(unsigned int
)_ix_2_chan_futimens)));
	  ++_Vexor_i);
  if ((_Vexor_i)&&(!_os_2_chan_futimens[_Vexor_i].max)){_Vexor_i--;Vexor_res=1;}
    Vexor_ptr_out=&(_os_2_chan_futimens[_Vexor_i]);
  }
Vexor_res|=(Vexor_ptr_out->sel[0]&&((__fd)!=Vexor_ptr_out->_datain.__fd));
if (Vexor_ptr_out->sel[1]) { if (!VXU_GIVEN(__times)) Vexor_res=1; else {
 Vexor_res|=(((__times)[0].tv_sec)!=Vexor_ptr_out->_datain.__times[0].tv_sec);
 Vexor_res|=(((__times)[0].tv_nsec)!=Vexor_ptr_out->_datain.__times[0].tv_nsec)
; Vexor_res|=(((__times)[1].tv_sec)!=Vexor_ptr_out->_datain.__times[1].tv_sec);
 Vexor_res|=(((__times)[1].tv_nsec)!=Vexor_ptr_out->_datain.__times[1].tv_nsec)
; } }
#else
  Vexor_res=1;
  (void)(__fd);
  (void)(__times);
#endif
  EDV_CHRONO_MUET_C( 8, Vexor_res,_ix_2_chan_futimens );
#if size_2_chan_futimens
  if (Vexor_res && Vexor_ptr_in)
    {
      Vexor_ptr_in->indice=_ix_2_chan_futimens;
      Vexor_ptr_in->_datain.__fd=__fd;
      if (VXU_GIVEN(__times)) memcpy(Vexor_ptr_in->_datain.__times,__times
,sizeof(Vexor_ptr_in->_datain.__times));
      _it_2_chan_futimens++;
    }
     }
#endif
#ifdef STUB_CALL_ORDER
     STUB_CALL_ORDER(_fn_2_chan_futimens);
#endif
#if size_2_chan_futimens
  if (VXU_GLOBAL_STUB_INITIALISED(_ix_2_chan_futimens >= 0))
    {
      return(Vexor_ptr_out->ret);
    }
#endif
#ifndef VXU_NO_STUB_RETURN_VALUE
  return(int)0;
#endif
#undef VEXOR_F_IDX
}
void checkin_2_chan_futimens(void)
{
#if size_2_chan_futimens
struct _si_2_chan_futimens * Vexor_ptr_in;
unsigned int i;
  struct _so_2_chan_futimens * Vexor_ptr_out;
int _Vexor_i;
VXU_STUB_CNT max;
max=0;
  for (_Vexor_i=0;((_Vexor_i<(size_2_chan_futimens))&&
(_os_2_chan_futimens[_Vexor_i].min>0));++_Vexor_i)
  {
    if (max < _os_2_chan_futimens[_Vexor_i].max)
      {
        max = _os_2_chan_futimens[_Vexor_i].max;
      }
  }
  EDV_MUET_CHECK(2,0);
if ((_os_2_chan_futimens[_Vexor_i].min)||(!(_os_2_chan_futimens[_Vexor_i].max)))
  {
       EDV_INTEGER_C(1,1,(vxu_integer)(_ix_2_chan_futimens),0,10,(vxu_integer)
(max?max:_os_2_chan_futimens[0].min),(vxu_integer)max);
  }
else
  {
	 EDV_UNSIGNED_C(1,1,(vxu_unsigned)(_ix_2_chan_futimens),0,10,(vxu_unsigned)max
,(vxu_unsigned)_os_2_chan_futimens[_Vexor_i].max);
  }
for (i=0;i<(unsigned int)_it_2_chan_futimens;++i){
  Vexor_ptr_in=&(_is_2_chan_futimens[i]);
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_2_chan_futimens-1)
	   &&(_os_2_chan_futimens[_Vexor_i].min)
	   &&(  ((unsigned int)_os_2_chan_futimens[_Vexor_i].min>Vexor_ptr_in->indice)
	      ||((unsigned int)_os_2_chan_futimens[_Vexor_i].max<Vexor_ptr_in->indice)
));
	  ++_Vexor_i);
    Vexor_ptr_out=&(_os_2_chan_futimens[_Vexor_i]);
  }
  EDV_MUET_CHECK(2, Vexor_ptr_in->indice);
  EDV_INTEGER_C((Vexor_ptr_out->min>0&&(unsigned int
)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=(unsigned int
)Vexor_ptr_out->max?Vexor_ptr_out->sel[0]:0),0,(vxu_integer)
(Vexor_ptr_in->_datain.__fd),0+10,10,(vxu_integer)(Vexor_ptr_out->_datain.__fd)
,(vxu_integer)(Vexor_ptr_out->_datain.__fd));
  EDV_INTEGER_C((Vexor_ptr_out->min>0&&(unsigned int
)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=(unsigned int
)Vexor_ptr_out->max?Vexor_ptr_out->sel[1]:0),0,(vxu_integer)
(Vexor_ptr_in->_datain.__times[0].tv_sec),0+11,10,(vxu_integer)
(Vexor_ptr_out->_datain.__times[0].tv_sec),(vxu_integer)
(Vexor_ptr_out->_datain.__times[0].tv_sec));
  EDV_INTEGER_C((Vexor_ptr_out->min>0&&(unsigned int
)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=(unsigned int
)Vexor_ptr_out->max?Vexor_ptr_out->sel[1]:0),0,(vxu_integer)
(Vexor_ptr_in->_datain.__times[0].tv_nsec),0+12,10,(vxu_integer)
(Vexor_ptr_out->_datain.__times[0].tv_nsec),(vxu_integer)
(Vexor_ptr_out->_datain.__times[0].tv_nsec));
  EDV_INTEGER_C((Vexor_ptr_out->min>0&&(unsigned int
)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=(unsigned int
)Vexor_ptr_out->max?Vexor_ptr_out->sel[1]:0),0,(vxu_integer)
(Vexor_ptr_in->_datain.__times[1].tv_sec),0+13,10,(vxu_integer)
(Vexor_ptr_out->_datain.__times[1].tv_sec),(vxu_integer)
(Vexor_ptr_out->_datain.__times[1].tv_sec));
  EDV_INTEGER_C((Vexor_ptr_out->min>0&&(unsigned int
)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=(unsigned int
)Vexor_ptr_out->max?Vexor_ptr_out->sel[1]:0),0,(vxu_integer)
(Vexor_ptr_in->_datain.__times[1].tv_nsec),0+14,10,(vxu_integer)
(Vexor_ptr_out->_datain.__times[1].tv_nsec),(vxu_integer)
(Vexor_ptr_out->_datain.__times[1].tv_nsec));
  }
#else
  EDV_MUET_CHECK(2,0);
	 EDV_INTEGER_C(1,1,(vxu_integer)(_ix_2_chan_futimens),0,10,(vxu_integer)-1,
(vxu_integer)0);
#endif
}

/* simulation: utimes */

#define _fn_3_chan_utimes 3
#ifndef _vx_chan_utimes
#define _vx_chan_utimes 3 /* int utimes(const char *__file, const struct timeval __tvp[2]) */
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

VXU_STUB_CNT _ix_3_chan_utimes STUBINACTIVE ;
#if size_3_chan_utimes
VXU_STUB_CNT _it_3_chan_utimes;

static struct _so_3_chan_utimes {
 VXU_STUB_CNT min;
 VXU_STUB_CNT max;
 int ret;
 int sel[3];
 struct {
 const char * __file;
 struct timeval __tvp[2];
        } _datain;
} _os_3_chan_utimes[size_3_chan_utimes+1];

static struct _si_3_chan_utimes {
unsigned int indice;
struct {
 const char * __file;
 struct timeval __tvp[2];
  } _datain;
} _is_3_chan_utimes[calls_3_chan_utimes];
#endif

#pragma vexor vxo_stub
int (utimes)(const char *__file, const struct timeval __tvp[2])
{
char Vexor_res;
#define VEXOR_F_IDX _ix_3_chan_utimes
#if size_3_chan_utimes
struct _si_3_chan_utimes * Vexor_ptr_in;
struct _so_3_chan_utimes * Vexor_ptr_out;
unsigned int _Vexor_i;
Vexor_res=0;
Vexor_ptr_out=&(_os_3_chan_utimes[0]);
  if (VXU_GLOBAL_STUB_INITIALISED(_ix_3_chan_utimes >= 0))
    {
  if (_it_3_chan_utimes<calls_3_chan_utimes)
    {
       Vexor_ptr_in = &(_is_3_chan_utimes[_it_3_chan_utimes]);
       Vexor_ptr_in->indice=0;
    }
  else
    {
       Vexor_ptr_in = (struct _si_3_chan_utimes *)0;
    }
#endif
  (void)_vxcc_ptr;
  (void)_vxcc_str;
  _ix_3_chan_utimes++;
#if size_3_chan_utimes
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_3_chan_utimes)
	   &&(_os_3_chan_utimes[_Vexor_i].min)
	   &&(  ((unsigned int)_os_3_chan_utimes[_Vexor_i].min>(unsigned int
)_ix_3_chan_utimes)
	      ||((unsigned int)_os_3_chan_utimes[_Vexor_i].max<(unsigned int
)_ix_3_chan_utimes)));
	  ++_Vexor_i);
  if ((_Vexor_i)&&(!_os_3_chan_utimes[_Vexor_i].max)){_Vexor_i--;Vexor_res=1;}
    Vexor_ptr_out=&(_os_3_chan_utimes[_Vexor_i]);
  }
Vexor_res|=(Vexor_ptr_out->sel[0]&&_vxcc_str((char *)(__file),(char *)
(Vexor_ptr_out->_datain.__file)));
if (Vexor_ptr_out->sel[1]) { if (!VXU_GIVEN(__tvp)) Vexor_res=1; else {
 Vexor_res|=(((__tvp)[0].tv_sec)!=Vexor_ptr_out->_datain.__tvp[0].tv_sec);
 Vexor_res|=(((__tvp)[0].tv_usec)!=Vexor_ptr_out->_datain.__tvp[0].tv_usec);
 Vexor_res|=(((__tvp)[1].tv_sec)!=Vexor_ptr_out->_datain.__tvp[1].tv_sec);
 Vexor_res|=(((__tvp)[1].tv_usec)!=Vexor_ptr_out->_datain.__tvp[1].tv_usec); } }
#else
  Vexor_res=1;
  (void)(__file);
  (void)(__tvp);
#endif
  EDV_CHRONO_MUET_C( 15, Vexor_res,_ix_3_chan_utimes );
#if size_3_chan_utimes
  if (Vexor_res && Vexor_ptr_in)
    {
      Vexor_ptr_in->indice=_ix_3_chan_utimes;
      Vexor_ptr_in->_datain.__file=(const char *)VXU_STUB_STR_KEEP(__file);
      if (VXU_GIVEN(__tvp)) memcpy(Vexor_ptr_in->_datain.__tvp,__tvp,sizeof
(Vexor_ptr_in->_datain.__tvp));
      _it_3_chan_utimes++;
    }
     }
#endif
#ifdef STUB_CALL_ORDER
     STUB_CALL_ORDER(_fn_3_chan_utimes);
#endif
#if size_3_chan_utimes
  if (VXU_GLOBAL_STUB_INITIALISED(_ix_3_chan_utimes >= 0))
    {
      return(Vexor_ptr_out->ret);
    }
#endif
#ifndef VXU_NO_STUB_RETURN_VALUE
  return(int)0;
#endif
#undef VEXOR_F_IDX
}
void checkin_3_chan_utimes(void)
{
#if size_3_chan_utimes
struct _si_3_chan_utimes * Vexor_ptr_in;
unsigned int i;
  struct _so_3_chan_utimes * Vexor_ptr_out;
int _Vexor_i;
VXU_STUB_CNT max;
max=0;
  for (_Vexor_i=0;((_Vexor_i<(size_3_chan_utimes))&&
(_os_3_chan_utimes[_Vexor_i].min>0));++_Vexor_i)
  {
    if (max < _os_3_chan_utimes[_Vexor_i].max)
      {
        max = _os_3_chan_utimes[_Vexor_i].max;
      }
  }
  EDV_MUET_CHECK(3,0);
if ((_os_3_chan_utimes[_Vexor_i].min)||(!(_os_3_chan_utimes[_Vexor_i].max)))
  {
       EDV_INTEGER_C(1,1,(vxu_integer)(_ix_3_chan_utimes),0,10,(vxu_integer)
(max?max:_os_3_chan_utimes[0].min),(vxu_integer)max);
  }
else
  {
	 EDV_UNSIGNED_C(1,1,(vxu_unsigned)(_ix_3_chan_utimes),0,10,(vxu_unsigned)max,
(vxu_unsigned)_os_3_chan_utimes[_Vexor_i].max);
  }
for (i=0;i<(unsigned int)_it_3_chan_utimes;++i){
  Vexor_ptr_in=&(_is_3_chan_utimes[i]);
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_3_chan_utimes-1)
	   &&(_os_3_chan_utimes[_Vexor_i].min)
	   &&(  ((unsigned int)_os_3_chan_utimes[_Vexor_i].min>Vexor_ptr_in->indice)
	      ||((unsigned int)_os_3_chan_utimes[_Vexor_i].max<Vexor_ptr_in->indice)));
	  ++_Vexor_i);
    Vexor_ptr_out=&(_os_3_chan_utimes[_Vexor_i]);
  }
  EDV_MUET_CHECK(3, Vexor_ptr_in->indice);
  EDV_STR_C((Vexor_ptr_out->min>0&&(unsigned int
)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=(unsigned int
)Vexor_ptr_out->max?Vexor_ptr_out->sel[0]:0),0,(vxu_charstring)
(Vexor_ptr_in->_datain.__file),0+17,(vxu_charstring)
(Vexor_ptr_out->_datain.__file),(vxu_charstring)(Vexor_ptr_out->_datain.__file)
);
  EDV_INTEGER_C((Vexor_ptr_out->min>0&&(unsigned int
)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=(unsigned int
)Vexor_ptr_out->max?Vexor_ptr_out->sel[1]:0),0,(vxu_integer)
(Vexor_ptr_in->_datain.__tvp[0].tv_sec),0+18,10,(vxu_integer)
(Vexor_ptr_out->_datain.__tvp[0].tv_sec),(vxu_integer)
(Vexor_ptr_out->_datain.__tvp[0].tv_sec));
  EDV_INTEGER_C((Vexor_ptr_out->min>0&&(unsigned int
)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=(unsigned int
)Vexor_ptr_out->max?Vexor_ptr_out->sel[1]:0),0,(vxu_integer)
(Vexor_ptr_in->_datain.__tvp[0].tv_usec),0+19,10,(vxu_integer)
(Vexor_ptr_out->_datain.__tvp[0].tv_usec),(vxu_integer)
(Vexor_ptr_out->_datain.__tvp[0].tv_usec));
  EDV_INTEGER_C((Vexor_ptr_out->min>0&&(unsigned int
)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=(unsigned int
)Vexor_ptr_out->max?Vexor_ptr_out->sel[1]:0),0,(vxu_integer)
(Vexor_ptr_in->_datain.__tvp[1].tv_sec),0+20,10,(vxu_integer)
(Vexor_ptr_out->_datain.__tvp[1].tv_sec),(vxu_integer)
(Vexor_ptr_out->_datain.__tvp[1].tv_sec));
  EDV_INTEGER_C((Vexor_ptr_out->min>0&&(unsigned int
)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=(unsigned int
)Vexor_ptr_out->max?Vexor_ptr_out->sel[1]:0),0,(vxu_integer)
(Vexor_ptr_in->_datain.__tvp[1].tv_usec),0+21,10,(vxu_integer)
(Vexor_ptr_out->_datain.__tvp[1].tv_usec),(vxu_integer)
(Vexor_ptr_out->_datain.__tvp[1].tv_usec));
  }
#else
  EDV_MUET_CHECK(3,0);
	 EDV_INTEGER_C(1,1,(vxu_integer)(_ix_3_chan_utimes),0,10,(vxu_integer)-1,
(vxu_integer)0);
#endif
}
void _vx_check_muets(void)
{
checkin_1_chan_socketpair();
checkin_2_chan_futimens();
checkin_3_chan_utimes();
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
_ix_1_chan_socketpair=0;
#if size_1_chan_socketpair
_os_1_chan_socketpair[0].min=-1;
_os_1_chan_socketpair[0].max=0;
_it_1_chan_socketpair=0;
#endif
_ix_2_chan_futimens=0;
#if size_2_chan_futimens
_os_2_chan_futimens[0].min=-1;
_os_2_chan_futimens[0].max=0;
_it_2_chan_futimens=0;
#endif
_ix_3_chan_utimes=0;
#if size_3_chan_utimes
_os_3_chan_utimes[0].min=-1;
_os_3_chan_utimes[0].max=0;
_it_3_chan_utimes=0;
#endif
}
void SRV1_CHAN_OPEN (void) { 
/* BEGIN  SERVICE chan_open */
#ifdef NEEDS_NUM_TEST_OPE
NUM_OPERATION = 1;
#endif /*NEEDS_NUM_TEST_OPE*/

DCL_OP_C(22, "chan_open");
if (VXU_TEST_BEGIN_C(23)) {

DCL_TST_C(23, "open");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 1;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#if size_1_chan_socketpair
#line 19 "<DIR>/chan.ptu"
_os_1_chan_socketpair[0].min=1;
#line 19 "<DIR>/chan.ptu"
_os_1_chan_socketpair[0].max=1;
#line 19 "<DIR>/chan.ptu"
_os_1_chan_socketpair[0]._datain.__domain=(int)(1);
#line 19 "<DIR>/chan.ptu"
_os_1_chan_socketpair[0]._datain.__type=(int)(SOCK_STREAM);
#line 19 "<DIR>/chan.ptu"
_os_1_chan_socketpair[0]._datain.__protocol=(int)(0);
#line 19 "<DIR>/chan.ptu"
_os_1_chan_socketpair[0]._datain.__fds[0]=(int)(-1);
#line 19 "<DIR>/chan.ptu"
_os_1_chan_socketpair[0]._datain.__fds[1]=(int)(-1);
#line 19 "<DIR>/chan.ptu"
_os_1_chan_socketpair[0].sel[0]=1;
#line 19 "<DIR>/chan.ptu"
_os_1_chan_socketpair[0].sel[1]=1;
#line 19 "<DIR>/chan.ptu"
_os_1_chan_socketpair[0].sel[2]=1;
#line 19 "<DIR>/chan.ptu"
_os_1_chan_socketpair[0].sel[3]=1;
#line 19 "<DIR>/chan.ptu"
_os_1_chan_socketpair[0].ret=(int)(0);
#line 690 "<DIR>/t.c"
_os_1_chan_socketpair[1].min=0;
_os_1_chan_socketpair[1].max=0;
#endif
#line 18 "<DIR>/chan.ptu"
r = 9;
#line 18 "<DIR>/chan.ptu"
PTU_INTEGER_C((vxu_integer)(r),0+26,10);
#line 20 "<DIR>/chan.ptu"
r = chan_open(&ch);
#line 700 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
#line 18 "<DIR>/chan.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(r),0+26,10,(vxu_integer)((int)1),(vxu_integer)(
#line 18 "<DIR>/chan.ptu"
(int)1));
#line 707 "<DIR>/t.c"
VXU_END_ELEMENT_C();
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }
}/* END SERVICE chan_open*/
void SRV2_CHAN_TOUCH (void) { 
/* BEGIN  SERVICE chan_touch */
#ifdef NEEDS_NUM_TEST_OPE
NUM_OPERATION = 2;
#endif /*NEEDS_NUM_TEST_OPE*/

DCL_OP_C(27, "chan_touch");
if (VXU_TEST_BEGIN_C(28)) {

DCL_TST_C(28, "touch");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 1;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#if size_2_chan_futimens
#line 30 "<DIR>/chan.ptu"
_os_2_chan_futimens[0].min=1;
#line 30 "<DIR>/chan.ptu"
_os_2_chan_futimens[0].max=1;
#line 30 "<DIR>/chan.ptu"
_os_2_chan_futimens[0]._datain.__fd=(int)(4);
#line 30 "<DIR>/chan.ptu"
_os_2_chan_futimens[0]._datain.__times[0].tv_sec=(__time_t)(0);
#line 30 "<DIR>/chan.ptu"
_os_2_chan_futimens[0]._datain.__times[0].tv_nsec=(__syscall_slong_t)(((1l <<
#line 30 "<DIR>/chan.ptu"
 30) - 2l));
#line 30 "<DIR>/chan.ptu"
_os_2_chan_futimens[0]._datain.__times[1].tv_sec=(__time_t)(0);
#line 30 "<DIR>/chan.ptu"
_os_2_chan_futimens[0]._datain.__times[1].tv_nsec=(__syscall_slong_t)(((1l <<
#line 30 "<DIR>/chan.ptu"
 30) - 1l));
#line 30 "<DIR>/chan.ptu"
_os_2_chan_futimens[0].sel[0]=1;
#line 30 "<DIR>/chan.ptu"
_os_2_chan_futimens[0].sel[1]=1;
#line 30 "<DIR>/chan.ptu"
_os_2_chan_futimens[0].ret=(int)(0);
#line 752 "<DIR>/t.c"
_os_2_chan_futimens[1].min=0;
_os_2_chan_futimens[1].max=0;
#endif
#line 29 "<DIR>/chan.ptu"
r = 9;
#line 29 "<DIR>/chan.ptu"
PTU_INTEGER_C((vxu_integer)(r),0+31,10);
#line 31 "<DIR>/chan.ptu"
r = chan_touch(4);
#line 762 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
#line 29 "<DIR>/chan.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(r),0+31,10,(vxu_integer)((int)0),(vxu_integer)(
#line 29 "<DIR>/chan.ptu"
(int)0));
#line 769 "<DIR>/t.c"
VXU_END_ELEMENT_C();
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }
}/* END SERVICE chan_touch*/
void SRV3_CHAN_STAMP (void) { 
/* BEGIN  SERVICE chan_stamp */
#ifdef NEEDS_NUM_TEST_OPE
NUM_OPERATION = 3;
#endif /*NEEDS_NUM_TEST_OPE*/

DCL_OP_C(32, "chan_stamp");
if (VXU_TEST_BEGIN_C(33)) {

DCL_TST_C(33, "stamp");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 1;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#if size_3_chan_utimes
#line 41 "<DIR>/chan.ptu"
_os_3_chan_utimes[0].min=1;
#line 41 "<DIR>/chan.ptu"
_os_3_chan_utimes[0].max=1;
#line 41 "<DIR>/chan.ptu"
_os_3_chan_utimes[0]._datain.__file=(const char *)("spool/a");
#line 41 "<DIR>/chan.ptu"
_os_3_chan_utimes[0]._datain.__tvp[0].tv_sec=(__time_t)(100);
#line 41 "<DIR>/chan.ptu"
_os_3_chan_utimes[0]._datain.__tvp[0].tv_usec=(__suseconds_t)(0);
#line 41 "<DIR>/chan.ptu"
_os_3_chan_utimes[0]._datain.__tvp[1].tv_sec=(__time_t)(100);
#line 41 "<DIR>/chan.ptu"
_os_3_chan_utimes[0]._datain.__tvp[1].tv_usec=(__suseconds_t)(500);
#line 41 "<DIR>/chan.ptu"
_os_3_chan_utimes[0].sel[0]=1;
#line 41 "<DIR>/chan.ptu"
_os_3_chan_utimes[0].sel[1]=1;
#line 41 "<DIR>/chan.ptu"
_os_3_chan_utimes[0].ret=(int)(-1);
#line 810 "<DIR>/t.c"
_os_3_chan_utimes[1].min=0;
_os_3_chan_utimes[1].max=0;
#endif
#line 40 "<DIR>/chan.ptu"
r = 9;
#line 40 "<DIR>/chan.ptu"
PTU_INTEGER_C((vxu_integer)(r),0+36,10);
#line 42 "<DIR>/chan.ptu"
r = chan_stamp("spool/a", 100);
#line 820 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
#line 40 "<DIR>/chan.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(r),0+36,10,(vxu_integer)((int)-1),(vxu_integer)
#line 40 "<DIR>/chan.ptu"
((int)-1));
#line 827 "<DIR>/t.c"
VXU_END_ELEMENT_C();
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }
}/* END SERVICE chan_stamp*/
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
SRV1_CHAN_OPEN();
SRV2_CHAN_TOUCH();
SRV3_CHAN_STAMP();
CLF_C("<DIR>/t.rio");


#ifdef ZQZQ_MAIN_RETURN
 ZQZQ_MAIN_RETURN
#else
 return(0);
#endif

}/* end t */

VXU_TRACES_FILE("<DIR>/t.rio")

VXU_TESTS_BEGIN
VXU_TEST_ENTRY(23, "chan_open", "open", "<DIR>/chan.ptu", 14)
VXU_TEST_ENTRY(28, "chan_touch", "touch", "<DIR>/chan.ptu", 26)
VXU_TEST_ENTRY(33, "chan_stamp", "stamp", "<DIR>/chan.ptu", 37)
VXU_TESTS_END

