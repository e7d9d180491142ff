/**************************************************************************/
/** TOOL : Unit Test Compiler VERSION 8.3.0.1.342.020                    **/
/**                                                                      **/
/** COMMAND : vexorprepro sensors.ptu t.c -LANGUAGE=C -TARGET=LINUX      **/
/**    -FAST -STD_DEFINE=<TGT>/ana/vxus_c.def      **/
/**                                                                      **/
/** FILE : <DIR>/t.c                                 **/
/**                                                                      **/
/** DATE : <DATE>                                      **/
/**************************************************************************/
#line 2 "<DIR>/sensors.ptu"
#include "sensor.h"
int r;
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


/* simulation: read_sensor */

#define _fn_1_sensors_read_sensor 1
#ifndef _vx_sensors_read_sensor
#define _vx_sensors_read_sensor 1 /* int read_sensor(int channel, int *value) */
#endif

VXU_STUB_CNT _ix_1_sensors_read_sensor STUBINACTIVE ;
#if size_1_sensors_read_sensor
VXU_STUB_CNT _it_1_sensors_read_sensor;

static struct _so_1_sensors_read_sensor {
 VXU_STUB_CNT min;
 VXU_STUB_CNT max;
 int ret;
 int sel[3];
 struct {
 int value;
        } _dataout;
 struct {
 vxu_integer channel;
        } _datain;
} _os_1_sensors_read_sensor[size_1_sensors_read_sensor+1];

static struct _si_1_sensors_read_sensor {
unsigned int indice;
struct {
 int channel;
  } _datain;
} _is_1_sensors_read_sensor[calls_1_sensors_read_sensor];
#endif

#pragma vexor vxo_stub
int (read_sensor)(int channel, int *value)
{
char Vexor_res;
#define VEXOR_F_IDX _ix_1_sensors_read_sensor
#if size_1_sensors_read_sensor
struct _si_1_sensors_read_sensor * Vexor_ptr_in;
struct _so_1_sensors_read_sensor * Vexor_ptr_out;
unsigned int _Vexor_i;
Vexor_res=0;
Vexor_ptr_out=&(_os_1_sensors_read_sensor[0]);
  if (VXU_GLOBAL_STUB_INITIALISED(_ix_1_sensors_read_sensor >= 0))
    {
  if (_it_1_sensors_read_sensor<calls_1_sensors_read_sensor)
    {
       Vexor_ptr_in = &(_is_1_sensors_read_sensor[_it_1_sensors_read_sensor]);
       Vexor_ptr_in->indice=0;
    }
  else
    {
       Vexor_ptr_in = (struct _si_1_sensors_read_sensor *)0;
    }
#endif
  _ix_1_sensors_read_sensor++;
#if size_1_sensors_read_sensor
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_1_sensors_read_sensor)
	   &&(_os_1_sensors_read_sensor[_Vexor_i].min)
	   &&(  ((unsigned int)_os_1_sensors_read_sensor[_Vexor_i].min>(unsigned int
)_ix_1_sensors_read_sensor)
	      ||((unsigned int)_os_1_sensors_read_sensor[_Vexor_i].max<(unsigned int
)_ix_1_sensors_read_sensor)));
	  ++_Vexor_i);
  if ((_Vexor_i)&&(!_os_1_sensors_read_sensor[_Vexor_i].max)){_Vexor_i--
;Vexor_res=1;}
    Vexor_ptr_out=&(_os_1_sensors_read_sensor[_Vexor_i]);
  }
Vexor_res|=(Vexor_ptr_out->sel[0]&&((channel)!=Vexor_ptr_out->_datain.channel));
#else
  Vexor_res=1;
  (void)(channel);
  (void)(value);
#endif
  EDV_CHRONO_MUET_C( 1, Vexor_res,_ix_1_sensors_read_sensor );
#if size_1_sensors_read_sensor
  if (Vexor_res && Vexor_ptr_in)
    {
      Vexor_ptr_in->indice=_ix_1_sensors_read_sensor;
      Vexor_ptr_in->_datain.channel=channel;
      _it_1_sensors_read_sensor++;
    }
     }
#endif
#ifdef STUB_CALL_ORDER
     STUB_CALL_ORDER(_fn_1_sensors_read_sensor);
#endif
#if size_1_sensors_read_sensor
  if (VXU_GIVEN(value)&&(Vexor_ptr_out->min>0)&&(Vexor_ptr_out->sel[1])) *
(value)=Vexor_ptr_out->_dataout.value;
#endif
#if size_1_sensors_read_sensor
  if (VXU_GLOBAL_STUB_INITIALISED(_ix_1_sensors_read_sensor >= 0))
    {
      return(Vexor_ptr_out->ret);
    }
#endif
#ifndef VXU_NO_STUB_RETURN_VALUE
  return(int)0;
#endif
#undef VEXOR_F_IDX
}
void checkin_1_sensors_read_sensor(void)
{
#if size_1_sensors_read_sensor
struct _si_1_sensors_read_sensor * Vexor_ptr_in;
unsigned int i;
  struct _so_1_sensors_read_sensor * Vexor_ptr_out;
int _Vexor_i;
VXU_STUB_CNT max;
max=0;
  for (_Vexor_i=0;((_Vexor_i<(size_1_sensors_read_sensor))&&
(_os_1_sensors_read_sensor[_Vexor_i].min>0));++_Vexor_i)
  {
    if (max < _os_1_sensors_read_sensor[_Vexor_i].max)
      {
        max = _os_1_sensors_read_sensor[_Vexor_i].max;
      }
  }
  EDV_MUET_CHECK(1,0);
if ((_os_1_sensors_read_sensor[_Vexor_i].min)||(!
(_os_1_sensors_read_sensor[_Vexor_i].max)))
  {
       EDV_INTEGER_C(1,1,(vxu_integer)(_ix_1_sensors_read_sensor),0,10,
(vxu_integer)(max?max:_os_1_sensors_read_sensor[0].min),(vxu_integer)max);
  }
else
  {
	 EDV_UNSIGNED_C(1,1,(vxu_unsigned)(_ix_1_sensors_read_sensor),0,10,
(vxu_unsigned)max,(vxu_unsigned)_os_1_sensors_read_sensor[_Vexor_i].max);
  }
for (i=0;i<(unsigned int)_it_1_sensors_read_sensor;++i){
  Vexor_ptr_in=&(_is_1_sensors_read_sensor[i]);
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_1_sensors_read_sensor-1)
	   &&(_os_1_sensors_read_sensor[_Vexor_i].min)
	   &&(  ((unsigned int
)_os_1_sensors_read_sensor[_Vexor_i].min>Vexor_ptr_in->indice)
	      ||((unsigned int
)_os_1_sensors_read_sensor[_Vexor_i].max<Vexor_ptr_in->indice)));
	  ++_Vexor_i);
    Vexor_ptr_out=&(_os_1_sensors_read_sensor[_Vexor_i]);
  }
  EDV_MUET_CHECK(1, Vexor_ptr_in->indice);
  EDV_INTEGER_C((Vexor_ptr_out->min>0&&(unsigned int
)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=(unsigned int
)Vexor_ptr_out->max?Vexor_ptr_out->sel[0]:0),0,(vxu_integer)
(Vexor_ptr_in->_datain.channel),0+3,10,(vxu_integer)
(Vexor_ptr_out->_datain.channel),(vxu_integer)(Vexor_ptr_out->_datain.channel));
  }
#else
  EDV_MUET_CHECK(1,0);
	 EDV_INTEGER_C(1,1,(vxu_integer)(_ix_1_sensors_read_sensor),0,10,(vxu_integer
)-1,(vxu_integer)0);
#endif
}

/* simulation: log_text */

#define _fn_2_sensors_log_text 2
#ifndef _vx_sensors_log_text
#define _vx_sensors_log_text 2 /* void log_text(const char *text) */
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

VXU_STUB_CNT _ix_2_sensors_log_text STUBINACTIVE ;
#if size_2_sensors_log_text
VXU_STUB_CNT _it_2_sensors_log_text;

static struct _so_2_sensors_log_text {
 VXU_STUB_CNT min;
 VXU_STUB_CNT max;
 int sel[2];
 struct {
 const char * text;
        } _datain;
} _os_2_sensors_log_text[size_2_sensors_log_text+1];

static struct _si_2_sensors_log_text {
unsigned int indice;
struct {
 const char * text;
  } _datain;
} _is_2_sensors_log_text[calls_2_sensors_log_text];
#endif

#pragma vexor vxo_stub
void (log_text)(const char *text)
{
char Vexor_res;
#define VEXOR_F_IDX _ix_2_sensors_log_text
#if size_2_sensors_log_text
struct _si_2_sensors_log_text * Vexor_ptr_in;
struct _so_2_sensors_log_text * Vexor_ptr_out;
unsigned int _Vexor_i;
Vexor_res=0;
Vexor_ptr_out=&(_os_2_sensors_log_text[0]);
  if (VXU_GLOBAL_STUB_INITIALISED(_ix_2_sensors_log_text >= 0))
    {
  if (_it_2_sensors_log_text<calls_2_sensors_log_text)
    {
       Vexor_ptr_in = &(_is_2_sensors_log_text[_it_2_sensors_log_text]);
       Vexor_ptr_in->indice=0;
    }
  else
    {
       Vexor_ptr_in = (struct _si_2_sensors_log_text *)0;
    }
#endif
  (void)_vxcc_ptr;
  (void)_vxcc_str;
  _ix_2_sensors_log_text++;
#if size_2_sensors_log_text
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_2_sensors_log_text)
	   &&(_os_2_sensors_log_text[_Vexor_i].min)
	   &&(  ((unsigned int)_os_2_sensors_log_text[_Vexor_i].min>(unsigned int
)_ix_2_sensors_log_text)
	      ||((unsigned int)_os_2_sensors_log_text[_Vexor_i].max<(unsigned int
)_ix_2_sensors_log_text)));
	  ++_Vexor_i);
  if ((_Vexor_i)&&(!_os_2_sensors_log_text[_Vexor_i].max)){_Vexor_i--
;Vexor_res=1;}
    Vexor_ptr_out=&(_os_2_sensors_log_text[_Vexor_i]);
  }
Vexor_res|=(Vexor_ptr_out->sel[0]&&_vxcc_str((char *)(text),(char *)
(Vexor_ptr_out->_datain.text)));
#else
  Vexor_res=1;
  (void)(text);
#endif
  EDV_CHRONO_MUET_C( 4, Vexor_res,_ix_2_sensors_log_text );
#if size_2_sensors_log_text
  if (Vexor_res && Vexor_ptr_in)
    {
      Vexor_ptr_in->indice=_ix_2_sensors_log_text;
      Vexor_ptr_in->_datain.text=(const char *)VXU_STUB_STR_KEEP(text);
      _it_2_sensors_log_text++;
    }
     }
#endif
#ifdef STUB_CALL_ORDER
     STUB_CALL_ORDER(_fn_2_sensors_log_text);
#endif
#undef VEXOR_F_IDX
}
void checkin_2_sensors_log_text(void)
{
#if size_2_sensors_log_text
struct _si_2_sensors_log_text * Vexor_ptr_in;
unsigned int i;
  struct _so_2_sensors_log_text * Vexor_ptr_out;
int _Vexor_i;
VXU_STUB_CNT max;
max=0;
  for (_Vexor_i=0;((_Vexor_i<(size_2_sensors_log_text))&&
(_os_2_sensors_log_text[_Vexor_i].min>0));++_Vexor_i)
  {
    if (max < _os_2_sensors_log_text[_Vexor_i].max)
      {
        max = _os_2_sensors_log_text[_Vexor_i].max;
      }
  }
  EDV_MUET_CHECK(2,0);
if ((_os_2_sensors_log_text[_Vexor_i].min)||(!
(_os_2_sensors_log_text[_Vexor_i].max)))
  {
       EDV_INTEGER_C(1,1,(vxu_integer)(_ix_2_sensors_log_text),0,10,
(vxu_integer)(max?max:_os_2_sensors_log_text[0].min),(vxu_integer)max);
  }
else
  {
	 EDV_UNSIGNED_C(1,1,(vxu_unsigned)(_ix_2_sensors_log_text),0,10,(vxu_unsigned
)max,(vxu_unsigned)_os_2_sensors_log_text[_Vexor_i].max);
  }
for (i=0;i<(unsigned int)_it_2_sensors_log_text;++i){
  Vexor_ptr_in=&(_is_2_sensors_log_text[i]);
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_2_sensors_log_text-1)
	   &&(_os_2_sensors_log_text[_Vexor_i].min)
	   &&(  ((unsigned int
)_os_2_sensors_log_text[_Vexor_i].min>Vexor_ptr_in->indice)
	      ||((unsigned int
)_os_2_sensors_log_text[_Vexor_i].max<Vexor_ptr_in->indice)));
	  ++_Vexor_i);
    Vexor_ptr_out=&(_os_2_sensors_log_text[_Vexor_i]);
  }
  EDV_MUET_CHECK(2, Vexor_ptr_in->indice);
  EDV_STR_C((Vexor_ptr_out->min>0&&(unsigned int
)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=(unsigned int
)Vexor_ptr_out->max?Vexor_ptr_out->sel[0]:0),0,(vxu_charstring)
(Vexor_ptr_in->_datain.text),0+6,(vxu_charstring)(Vexor_ptr_out->_datain.text),
(vxu_charstring)(Vexor_ptr_out->_datain.text));
  }
#else
  EDV_MUET_CHECK(2,0);
	 EDV_INTEGER_C(1,1,(vxu_integer)(_ix_2_sensors_log_text),0,10,(vxu_integer)-1,
(vxu_integer)0);
#endif
}

/* simulation: exchange */

#define _fn_3_sensors_exchange 3
#ifndef _vx_sensors_exchange
#define _vx_sensors_exchange 3 /* int exchange(int *slot) */
#endif

VXU_STUB_CNT _ix_3_sensors_exchange STUBINACTIVE ;
#if size_3_sensors_exchange
VXU_STUB_CNT _it_3_sensors_exchange;

static struct _so_3_sensors_exchange {
 VXU_STUB_CNT min;
 VXU_STUB_CNT max;
 int ret;
 int sel[3];
 struct {
 int slot;
        } _dataout;
 struct {
 vxu_integer slot;
        } _datain;
} _os_3_sensors_exchange[size_3_sensors_exchange+1];

static struct _si_3_sensors_exchange {
unsigned int indice;
struct {
 int slot;
  } _datain;
} _is_3_sensors_exchange[calls_3_sensors_exchange];
#endif

#pragma vexor vxo_stub
int (exchange)(int *slot)
{
char Vexor_res;
#define VEXOR_F_IDX _ix_3_sensors_exchange
#if size_3_sensors_exchange
struct _si_3_sensors_exchange * Vexor_ptr_in;
struct _so_3_sensors_exchange * Vexor_ptr_out;
unsigned int _Vexor_i;
Vexor_res=0;
Vexor_ptr_out=&(_os_3_sensors_exchange[0]);
  if (VXU_GLOBAL_STUB_INITIALISED(_ix_3_sensors_exchange >= 0))
    {
  if (_it_3_sensors_exchange<calls_3_sensors_exchange)
    {
       Vexor_ptr_in = &(_is_3_sensors_exchange[_it_3_sensors_exchange]);
       Vexor_ptr_in->indice=0;
    }
  else
    {
       Vexor_ptr_in = (struct _si_3_sensors_exchange *)0;
    }
#endif
  _ix_3_sensors_exchange++;
#if size_3_sensors_exchange
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_3_sensors_exchange)
	   &&(_os_3_sensors_exchange[_Vexor_i].min)
	   &&(  ((unsigned int)_os_3_sensors_exchange[_Vexor_i].min>(unsigned int
)_ix_3_sensors_exchange)
	      ||((unsigned int)_os_3_sensors_exchange[_Vexor_i].max<(unsigned int
)_ix_3_sensors_exchange)));
	  ++_Vexor_i);
  if ((_Vexor_i)&&(!_os_3_sensors_exchange[_Vexor_i].max)){_Vexor_i--
;Vexor_res=1;}
    Vexor_ptr_out=&(_os_3_sensors_exchange[_Vexor_i]);
  }
Vexor_res|=(Vexor_ptr_out->sel[0]&&(!VXU_GIVEN(slot)||((*(slot)
)!=Vexor_ptr_out->_datain.slot)));
#else
  Vexor_res=1;
  (void)(slot);
#endif
  EDV_CHRONO_MUET_C( 7, Vexor_res,_ix_3_sensors_exchange );
#if size_3_sensors_exchange
  if (Vexor_res && Vexor_ptr_in)
    {
      Vexor_ptr_in->indice=_ix_3_sensors_exchange;
      if (VXU_GIVEN(slot)) Vexor_ptr_in->_datain.slot=*(slot);
      _it_3_sensors_exchange++;
    }
     }
#endif
#ifdef STUB_CALL_ORDER
     STUB_CALL_ORDER(_fn_3_sensors_exchange);
#endif
#if size_3_sensors_exchange
  if (VXU_GIVEN(slot)&&(Vexor_ptr_out->min>0)&&(Vexor_ptr_out->sel[1])) *(slot
)=Vexor_ptr_out->_dataout.slot;
#endif
#if size_3_sensors_exchange
  if (VXU_GLOBAL_STUB_INITIALISED(_ix_3_sensors_exchange >= 0))
    {
      return(Vexor_ptr_out->ret);
    }
#endif
#ifndef VXU_NO_STUB_RETURN_VALUE
  return(int)0;
#endif
#undef VEXOR_F_IDX
}
void checkin_3_sensors_exchange(void)
{
#if size_3_sensors_exchange
struct _si_3_sensors_exchange * Vexor_ptr_in;
unsigned int i;
  struct _so_3_sensors_exchange * Vexor_ptr_out;
int _Vexor_i;
VXU_STUB_CNT max;
max=0;
  for (_Vexor_i=0;((_Vexor_i<(size_3_sensors_exchange))&&
(_os_3_sensors_exchange[_Vexor_i].min>0));++_Vexor_i)
  {
    if (max < _os_3_sensors_exchange[_Vexor_i].max)
      {
        max = _os_3_sensors_exchange[_Vexor_i].max;
      }
  }
  EDV_MUET_CHECK(3,0);
if ((_os_3_sensors_exchange[_Vexor_i].min)||(!
(_os_3_sensors_exchange[_Vexor_i].max)))
  {
       EDV_INTEGER_C(1,1,(vxu_integer)(_ix_3_sensors_exchange),0,10,
(vxu_integer)(max?max:_os_3_sensors_exchange[0].min),(vxu_integer)max);
  }
else
  {
	 EDV_UNSIGNED_C(1,1,(vxu_unsigned)(_ix_3_sensors_exchange),0,10,(vxu_unsigned
)max,(vxu_unsigned)_os_3_sensors_exchange[_Vexor_i].max);
  }
for (i=0;i<(unsigned int)_it_3_sensors_exchange;++i){
  Vexor_ptr_in=&(_is_3_sensors_exchange[i]);
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_3_sensors_exchange-1)
	   &&(_os_3_sensors_exchange[_Vexor_i].min)
	   &&(  ((unsigned int
)_os_3_sensors_exchange[_Vexor_i].min>Vexor_ptr_in->indice)
	      ||((unsigned int
)_os_3_sensors_exchange[_Vexor_i].max<Vexor_ptr_in->indice)));
	  ++_Vexor_i);
    Vexor_ptr_out=&(_os_3_sensors_exchange[_Vexor_i]);
  }
  EDV_MUET_CHECK(3, Vexor_ptr_in->indice);
  EDV_INTEGER_C((Vexor_ptr_out->min>0&&(unsigned int
)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=(unsigned int
)Vexor_ptr_out->max?Vexor_ptr_out->sel[0]:0),0,(vxu_integer)
(Vexor_ptr_in->_datain.slot),0+9,10,(vxu_integer)(Vexor_ptr_out->_datain.slot),
(vxu_integer)(Vexor_ptr_out->_datain.slot));
  }
#else
  EDV_MUET_CHECK(3,0);
	 EDV_INTEGER_C(1,1,(vxu_integer)(_ix_3_sensors_exchange),0,10,(vxu_integer)-1,
(vxu_integer)0);
#endif
}

/* simulation: move_to */

#define _fn_4_sensors_move_to 4
#ifndef _vx_sensors_move_to
#define _vx_sensors_move_to 4 /* void move_to(struct point p) */
#endif
#ifndef _vxcc_const
#define _vxcc_const
#endif
int _vxcc_s_point( _vxcc_const struct point *p, _vxcc_const struct point *ref,
 int mem, struct point *store, _vxcc_const int *sel)
{
int Vexor_res;
Vexor_res=0;
if (sel[mem]){
  Vexor_res|=(((*p).x)!=((*ref).x));
  Vexor_res|=(((*p).y)!=((*ref).y));
}
if (store){
  *store=*p;
}
return (Vexor_res);
}

VXU_STUB_CNT _ix_4_sensors_move_to STUBINACTIVE ;
#if size_4_sensors_move_to
VXU_STUB_CNT _it_4_sensors_move_to;

static struct _so_4_sensors_move_to {
 VXU_STUB_CNT min;
 VXU_STUB_CNT max;
 int sel[2];
 struct {
 struct point p;
        } _datain;
} _os_4_sensors_move_to[size_4_sensors_move_to+1];

static struct _si_4_sensors_move_to {
unsigned int indice;
struct {
 struct point p;
  } _datain;
} _is_4_sensors_move_to[calls_4_sensors_move_to];
#endif

#pragma vexor vxo_stub
void (move_to)(struct point p)
{
char Vexor_res;
#define VEXOR_F_IDX _ix_4_sensors_move_to
#if size_4_sensors_move_to
struct _si_4_sensors_move_to * Vexor_ptr_in;
struct _so_4_sensors_move_to * Vexor_ptr_out;
unsigned int _Vexor_i;
Vexor_res=0;
Vexor_ptr_out=&(_os_4_sensors_move_to[0]);
  if (VXU_GLOBAL_STUB_INITIALISED(_ix_4_sensors_move_to >= 0))
    {
  if (_it_4_sensors_move_to<calls_4_sensors_move_to)
    {
       Vexor_ptr_in = &(_is_4_sensors_move_to[_it_4_sensors_move_to]);
       Vexor_ptr_in->indice=0;
    }
  else
    {
       Vexor_ptr_in = (struct _si_4_sensors_move_to *)0;
    }
#endif
  _ix_4_sensors_move_to++;
#if size_4_sensors_move_to
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_4_sensors_move_to)
	   &&(_os_4_sensors_move_to[_Vexor_i].min)
	   &&(  ((unsigned int)_os_4_sensors_move_to[_Vexor_i].min>(unsigned int
)_ix_4_sensors_move_to)
	      ||((unsigned int)_os_4_sensors_move_to[_Vexor_i].max<(unsigned int
)_ix_4_sensors_move_to)));
	  ++_Vexor_i);
  if ((_Vexor_i)&&(!_os_4_sensors_move_to[_Vexor_i].max)){_Vexor_i--
;Vexor_res=1;}
    Vexor_ptr_out=&(_os_4_sensors_move_to[_Vexor_i]);
  }
Vexor_res|=(_vxcc_s_point(&(p),&(Vexor_ptr_out->_datain.p),0,(Vexor_ptr_in?&
(Vexor_ptr_in->_datain.p):0),&(Vexor_ptr_out->sel[0])));
#else
  Vexor_res=1;
  (void)(p);
#endif
  EDV_CHRONO_MUET_C( 10, Vexor_res,_ix_4_sensors_move_to );
#if size_4_sensors_move_to
  if (Vexor_res && Vexor_ptr_in)
    {
      Vexor_ptr_in->indice=_ix_4_sensors_move_to;
      Vexor_ptr_in->_datain.p=p;
      _it_4_sensors_move_to++;
    }
     }
#endif
#ifdef STUB_CALL_ORDER
     STUB_CALL_ORDER(_fn_4_sensors_move_to);
#endif
#undef VEXOR_F_IDX
}
void checkin_4_sensors_move_to(void)
{
#if size_4_sensors_move_to
struct _si_4_sensors_move_to * Vexor_ptr_in;
unsigned int i;
  struct _so_4_sensors_move_to * Vexor_ptr_out;
int _Vexor_i;
VXU_STUB_CNT max;
max=0;
  for (_Vexor_i=0;((_Vexor_i<(size_4_sensors_move_to))&&
(_os_4_sensors_move_to[_Vexor_i].min>0));++_Vexor_i)
  {
    if (max < _os_4_sensors_move_to[_Vexor_i].max)
      {
        max = _os_4_sensors_move_to[_Vexor_i].max;
      }
  }
  EDV_MUET_CHECK(4,0);
if ((_os_4_sensors_move_to[_Vexor_i].min)||(!
(_os_4_sensors_move_to[_Vexor_i].max)))
  {
       EDV_INTEGER_C(1,1,(vxu_integer)(_ix_4_sensors_move_to),0,10,(vxu_integer
)(max?max:_os_4_sensors_move_to[0].min),(vxu_integer)max);
  }
else
  {
	 EDV_UNSIGNED_C(1,1,(vxu_unsigned)(_ix_4_sensors_move_to),0,10,(vxu_unsigned
)max,(vxu_unsigned)_os_4_sensors_move_to[_Vexor_i].max);
  }
for (i=0;i<(unsigned int)_it_4_sensors_move_to;++i){
  Vexor_ptr_in=&(_is_4_sensors_move_to[i]);
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_4_sensors_move_to-1)
	   &&(_os_4_sensors_move_to[_Vexor_i].min)
	   &&(  ((unsigned int
)_os_4_sensors_move_to[_Vexor_i].min>Vexor_ptr_in->indice)
	      ||((unsigned int
)_os_4_sensors_move_to[_Vexor_i].max<Vexor_ptr_in->indice)));
	  ++_Vexor_i);
    Vexor_ptr_out=&(_os_4_sensors_move_to[_Vexor_i]);
  }
  EDV_MUET_CHECK(4, Vexor_ptr_in->indice);
  EDV_INTEGER_C((Vexor_ptr_out->min>0&&(unsigned int
)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=(unsigned int
)Vexor_ptr_out->max?Vexor_ptr_out->sel[0]:0),0,(vxu_integer)
(Vexor_ptr_in->_datain.p.x),0+12,10,(vxu_integer)(Vexor_ptr_out->_datain.p.x),
(vxu_integer)(Vexor_ptr_out->_datain.p.x));
  EDV_INTEGER_C((Vexor_ptr_out->min>0&&(unsigned int
)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=(unsigned int
)Vexor_ptr_out->max?Vexor_ptr_out->sel[0]:0),0,(vxu_integer)
(Vexor_ptr_in->_datain.p.y),0+13,10,(vxu_integer)(Vexor_ptr_out->_datain.p.y),
(vxu_integer)(Vexor_ptr_out->_datain.p.y));
  }
#else
  EDV_MUET_CHECK(4,0);
	 EDV_INTEGER_C(1,1,(vxu_integer)(_ix_4_sensors_move_to),0,10,(vxu_integer)-1,
(vxu_integer)0);
#endif
}

/* simulation: show_total */

#define _fn_5_sensors_show_total 5
#ifndef _vx_sensors_show_total
#define _vx_sensors_show_total 5 /* void show_total(long total) */
#endif

VXU_STUB_CNT _ix_5_sensors_show_total STUBINACTIVE ;
#if size_5_sensors_show_total
VXU_STUB_CNT _it_5_sensors_show_total;

static struct _so_5_sensors_show_total {
 VXU_STUB_CNT min;
 VXU_STUB_CNT max;
 int sel[2];
 struct {
 long total;
        } _datain;
} _os_5_sensors_show_total[size_5_sensors_show_total+1];

static struct _si_5_sensors_show_total {
unsigned int indice;
struct {
 long total;
  } _datain;
} _is_5_sensors_show_total[calls_5_sensors_show_total];
#endif

#pragma vexor vxo_stub
void (show_total)(long total)
{
char Vexor_res;
#define VEXOR_F_IDX _ix_5_sensors_show_total
#if size_5_sensors_show_total
struct _si_5_sensors_show_total * Vexor_ptr_in;
struct _so_5_sensors_show_total * Vexor_ptr_out;
unsigned int _Vexor_i;
Vexor_res=0;
Vexor_ptr_out=&(_os_5_sensors_show_total[0]);
  if (VXU_GLOBAL_STUB_INITIALISED(_ix_5_sensors_show_total >= 0))
    {
  if (_it_5_sensors_show_total<calls_5_sensors_show_total)
    {
       Vexor_ptr_in = &(_is_5_sensors_show_total[_it_5_sensors_show_total]);
       Vexor_ptr_in->indice=0;
    }
  else
    {
       Vexor_ptr_in = (struct _si_5_sensors_show_total *)0;
    }
#endif
  _ix_5_sensors_show_total++;
#if size_5_sensors_show_total
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_5_sensors_show_total)
	   &&(_os_5_sensors_show_total[_Vexor_i].min)
	   &&(  ((unsigned int)_os_5_sensors_show_total[_Vexor_i].min>(unsigned int
)_ix_5_sensors_show_total)
	      ||((unsigned int)_os_5_sensors_show_total[_Vexor_i].max<(unsigned int
)_ix_5_sensors_show_total)));
	  ++_Vexor_i);
  if ((_Vexor_i)&&(!_os_5_sensors_show_total[_Vexor_i].max)){_Vexor_i--
;Vexor_res=1;}
    Vexor_ptr_out=&(_os_5_sensors_show_total[_Vexor_i]);
  }
Vexor_res|=(Vexor_ptr_out->sel[0]&&((total)!=Vexor_ptr_out->_datain.total));
#else
  Vexor_res=1;
  (void)(total);
#endif
  EDV_CHRONO_MUET_C( 14, Vexor_res,_ix_5_sensors_show_total );
#if size_5_sensors_show_total
  if (Vexor_res && Vexor_ptr_in)
    {
      Vexor_ptr_in->indice=_ix_5_sensors_show_total;
      Vexor_ptr_in->_datain.total=total;
      _it_5_sensors_show_total++;
    }
     }
#endif
#ifdef STUB_CALL_ORDER
     STUB_CALL_ORDER(_fn_5_sensors_show_total);
#endif
#undef VEXOR_F_IDX
}
void checkin_5_sensors_show_total(void)
{
#if size_5_sensors_show_total
struct _si_5_sensors_show_total * Vexor_ptr_in;
unsigned int i;
  struct _so_5_sensors_show_total * Vexor_ptr_out;
int _Vexor_i;
VXU_STUB_CNT max;
max=0;
  for (_Vexor_i=0;((_Vexor_i<(size_5_sensors_show_total))&&
(_os_5_sensors_show_total[_Vexor_i].min>0));++_Vexor_i)
  {
    if (max < _os_5_sensors_show_total[_Vexor_i].max)
      {
        max = _os_5_sensors_show_total[_Vexor_i].max;
      }
  }
  EDV_MUET_CHECK(5,0);
if ((_os_5_sensors_show_total[_Vexor_i].min)||(!
(_os_5_sensors_show_total[_Vexor_i].max)))
  {
       EDV_INTEGER_C(1,1,(vxu_integer)(_ix_5_sensors_show_total),0,10,
(vxu_integer)(max?max:_os_5_sensors_show_total[0].min),(vxu_integer)max);
  }
else
  {
	 EDV_UNSIGNED_C(1,1,(vxu_unsigned)(_ix_5_sensors_show_total),0,10,
(vxu_unsigned)max,(vxu_unsigned)_os_5_sensors_show_total[_Vexor_i].max);
  }
for (i=0;i<(unsigned int)_it_5_sensors_show_total;++i){
  Vexor_ptr_in=&(_is_5_sensors_show_total[i]);
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_5_sensors_show_total-1)
	   &&(_os_5_sensors_show_total[_Vexor_i].min)
	   &&(  ((unsigned int
)_os_5_sensors_show_total[_Vexor_i].min>Vexor_ptr_in->indice)
	      ||((unsigned int
)_os_5_sensors_show_total[_Vexor_i].max<Vexor_ptr_in->indice)));
	  ++_Vexor_i);
    Vexor_ptr_out=&(_os_5_sensors_show_total[_Vexor_i]);
  }
  EDV_MUET_CHECK(5, Vexor_ptr_in->indice);
  EDV_INTEGER_C((Vexor_ptr_out->min>0&&(unsigned int
)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=(unsigned int
)Vexor_ptr_out->max?Vexor_ptr_out->sel[0]:0),0,(vxu_integer)
(Vexor_ptr_in->_datain.total),0+16,10,(vxu_integer)
(Vexor_ptr_out->_datain.total),(vxu_integer)(Vexor_ptr_out->_datain.total));
  }
#else
  EDV_MUET_CHECK(5,0);
	 EDV_INTEGER_C(1,1,(vxu_integer)(_ix_5_sensors_show_total),0,10,(vxu_integer
)-1,(vxu_integer)0);
#endif
}
void _vx_check_muets(void)
{
checkin_1_sensors_read_sensor();
checkin_2_sensors_log_text();
checkin_3_sensors_exchange();
checkin_4_sensors_move_to();
checkin_5_sensors_show_total();
_vx_late_stub_checks
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
_ix_1_sensors_read_sensor=0;
#if size_1_sensors_read_sensor
_os_1_sensors_read_sensor[0].min=-1;
_os_1_sensors_read_sensor[0].max=0;
_it_1_sensors_read_sensor=0;
#endif
_ix_2_sensors_log_text=0;
#if size_2_sensors_log_text
_os_2_sensors_log_text[0].min=-1;
_os_2_sensors_log_text[0].max=0;
_it_2_sensors_log_text=0;
#endif
_ix_3_sensors_exchange=0;
#if size_3_sensors_exchange
_os_3_sensors_exchange[0].min=-1;
_os_3_sensors_exchange[0].max=0;
_it_3_sensors_exchange=0;
#endif
_ix_4_sensors_move_to=0;
#if size_4_sensors_move_to
_os_4_sensors_move_to[0].min=-1;
_os_4_sensors_move_to[0].max=0;
_it_4_sensors_move_to=0;
#endif
_ix_5_sensors_show_total=0;
#if size_5_sensors_show_total
_os_5_sensors_show_total[0].min=-1;
_os_5_sensors_show_total[0].max=0;
_it_5_sensors_show_total=0;
#endif
_vx_late_stub_inits
}
void SRV1_AVERAGE (void) { 
/* BEGIN  SERVICE average */
#ifdef NEEDS_NUM_TEST_OPE
NUM_OPERATION = 1;
#endif /*NEEDS_NUM_TEST_OPE*/

DCL_OP_C(17, "average");
if (VXU_TEST_BEGIN_C(18)) {

DCL_TST_C(18, "outputs_and_returns");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 1;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#if size_1_sensors_read_sensor
#line 16 "<DIR>/sensors.ptu"
_os_1_sensors_read_sensor[0].min=1;
#line 16 "<DIR>/sensors.ptu"
_os_1_sensors_read_sensor[0].max=1;
#line 16 "<DIR>/sensors.ptu"
_os_1_sensors_read_sensor[0]._datain.channel=(int)(3);
#line 16 "<DIR>/sensors.ptu"
_os_1_sensors_read_sensor[0]._dataout.value=(int)(40);
#line 16 "<DIR>/sensors.ptu"
_os_1_sensors_read_sensor[0].sel[0]=1;
#line 16 "<DIR>/sensors.ptu"
_os_1_sensors_read_sensor[0].sel[1]=1;
#line 16 "<DIR>/sensors.ptu"
_os_1_sensors_read_sensor[0].ret=(int)(0);
_os_1_sensors_read_sensor[1].min=2;
#line 17 "<DIR>/sensors.ptu"
_os_1_sensors_read_sensor[1].max=2;
#line 17 "<DIR>/sensors.ptu"
_os_1_sensors_read_sensor[1]._datain.channel=(int)(3);
#line 17 "<DIR>/sensors.ptu"
_os_1_sensors_read_sensor[1]._dataout.value=(int)(99);
#line 17 "<DIR>/sensors.ptu"
_os_1_sensors_read_sensor[1].sel[0]=1;
#line 17 "<DIR>/sensors.ptu"
_os_1_sensors_read_sensor[1].sel[1]=1;
#line 17 "<DIR>/sensors.ptu"
_os_1_sensors_read_sensor[1].ret=(int)(1);
_os_1_sensors_read_sensor[2].min=3;
#line 18 "<DIR>/sensors.ptu"
_os_1_sensors_read_sensor[2].max=4;
#line 18 "<DIR>/sensors.ptu"
_os_1_sensors_read_sensor[2]._datain.channel=(int)(3);
#line 18 "<DIR>/sensors.ptu"
_os_1_sensors_read_sensor[2]._dataout.value=(int)(2);
#line 18 "<DIR>/sensors.ptu"
_os_1_sensors_read_sensor[2].sel[0]=1;
#line 18 "<DIR>/sensors.ptu"
_os_1_sensors_read_sensor[2].sel[1]=1;
#line 18 "<DIR>/sensors.ptu"
_os_1_sensors_read_sensor[2].ret=(int)(0);
#line 931 "<DIR>/t.c"
_os_1_sensors_read_sensor[3].min=0;
_os_1_sensors_read_sensor[3].max=0;
#endif
#if size_2_sensors_log_text
#line 15 "<DIR>/sensors.ptu"
_os_2_sensors_log_text[0].min=1;
#line 15 "<DIR>/sensors.ptu"
_os_2_sensors_log_text[0].max=1;
#line 15 "<DIR>/sensors.ptu"
_os_2_sensors_log_text[0]._datain.text=(const char *)("average 3");
#line 15 "<DIR>/sensors.ptu"
_os_2_sensors_log_text[0].sel[0]=1;
#line 944 "<DIR>/t.c"
_os_2_sensors_log_text[1].min=0;
_os_2_sensors_log_text[1].max=0;
#endif
#if size_5_sensors_show_total
#line 19 "<DIR>/sensors.ptu"
_os_5_sensors_show_total[0].min=1;
#line 19 "<DIR>/sensors.ptu"
_os_5_sensors_show_total[0].max=1;
#line 19 "<DIR>/sensors.ptu"
_os_5_sensors_show_total[0]._datain.total=(long)(44);
#line 19 "<DIR>/sensors.ptu"
_os_5_sensors_show_total[0].sel[0]=1;
#line 22 "<DIR>/sensors.ptu"
_os_5_sensors_show_total[1].min=2;
#line 22 "<DIR>/sensors.ptu"
_os_5_sensors_show_total[1].max=2;
#line 22 "<DIR>/sensors.ptu"
_os_5_sensors_show_total[1]._datain.total=(long)(14);
#line 22 "<DIR>/sensors.ptu"
_os_5_sensors_show_total[1].sel[0]=1;
#line 965 "<DIR>/t.c"
_os_5_sensors_show_total[2].min=0;
_os_5_sensors_show_total[2].max=0;
#endif
#line 20 "<DIR>/sensors.ptu"
r = average(3, 4);
show_total(r);
#line 972 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
VXU_END_ELEMENT_C();

START_CHRONO_C();
_vx_init_muets();
#if size_1_sensors_read_sensor
#line 26 "<DIR>/sensors.ptu"
_os_1_sensors_read_sensor[0].min=1;
#line 26 "<DIR>/sensors.ptu"
_os_1_sensors_read_sensor[0].max=1;
#line 26 "<DIR>/sensors.ptu"
_os_1_sensors_read_sensor[0]._datain.channel=(int)(7);
#line 26 "<DIR>/sensors.ptu"
_os_1_sensors_read_sensor[0].sel[0]=1;
#line 26 "<DIR>/sensors.ptu"
_os_1_sensors_read_sensor[0].sel[1]=0;
#line 26 "<DIR>/sensors.ptu"
_os_1_sensors_read_sensor[0].ret=(int)(1);
#line 992 "<DIR>/t.c"
_os_1_sensors_read_sensor[1].min=0;
_os_1_sensors_read_sensor[1].max=0;
#endif
#if size_2_sensors_log_text
#line 25 "<DIR>/sensors.ptu"
_os_2_sensors_log_text[0].min=1;
#line 25 "<DIR>/sensors.ptu"
_os_2_sensors_log_text[0].max=1;
#line 25 "<DIR>/sensors.ptu"
_os_2_sensors_log_text[0]._datain.text=(const char *)("average 7");
#line 25 "<DIR>/sensors.ptu"
_os_2_sensors_log_text[0].sel[0]=1;
#line 1005 "<DIR>/t.c"
_os_2_sensors_log_text[1].min=0;
_os_2_sensors_log_text[1].max=0;
#endif
#if size_5_sensors_show_total
#line 27 "<DIR>/sensors.ptu"
_os_5_sensors_show_total[0].min=1;
#line 27 "<DIR>/sensors.ptu"
_os_5_sensors_show_total[0].max=1;
#line 27 "<DIR>/sensors.ptu"
_os_5_sensors_show_total[0]._datain.total=(long)(0);
#line 27 "<DIR>/sensors.ptu"
_os_5_sensors_show_total[0].sel[0]=1;
#line 1018 "<DIR>/t.c"
_os_5_sensors_show_total[1].min=0;
_os_5_sensors_show_total[1].max=0;
#endif
#line 28 "<DIR>/sensors.ptu"
r = average(7, 1);
#line 1024 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
VXU_END_ELEMENT_C();
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }

if (VXU_TEST_BEGIN_C(21)) {

DCL_TST_C(21, "values_in_and_out");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 2;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#if size_3_sensors_exchange
#line 33 "<DIR>/sensors.ptu"
_os_3_sensors_exchange[0].min=1;
#line 33 "<DIR>/sensors.ptu"
_os_3_sensors_exchange[0].max=1;
#line 33 "<DIR>/sensors.ptu"
_os_3_sensors_exchange[0]._datain.slot=(int)(5);
#line 33 "<DIR>/sensors.ptu"
_os_3_sensors_exchange[0]._dataout.slot=(int)(6);
#line 33 "<DIR>/sensors.ptu"
_os_3_sensors_exchange[0].sel[0]=1;
#line 33 "<DIR>/sensors.ptu"
_os_3_sensors_exchange[0].sel[1]=1;
#line 33 "<DIR>/sensors.ptu"
_os_3_sensors_exchange[0].ret=(int)(1);
#line 1054 "<DIR>/t.c"
_os_3_sensors_exchange[1].min=0;
_os_3_sensors_exchange[1].max=0;
#endif
#if size_5_sensors_show_total
#line 34 "<DIR>/sensors.ptu"
_os_5_sensors_show_total[0].min=1;
#line 34 "<DIR>/sensors.ptu"
_os_5_sensors_show_total[0].max=1;
#line 34 "<DIR>/sensors.ptu"
_os_5_sensors_show_total[0]._datain.total=(long)(61);
#line 34 "<DIR>/sensors.ptu"
_os_5_sensors_show_total[0].sel[0]=1;
#line 1067 "<DIR>/t.c"
_os_5_sensors_show_total[1].min=0;
_os_5_sensors_show_total[1].max=0;
#endif
#line 35 "<DIR>/sensors.ptu"
r = bump(5);
#line 1073 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
VXU_END_ELEMENT_C();

START_CHRONO_C();
_vx_init_muets();
#if size_4_sensors_move_to
#line 38 "<DIR>/sensors.ptu"
_os_4_sensors_move_to[0].min=1;
#line 38 "<DIR>/sensors.ptu"
_os_4_sensors_move_to[0].max=1;
#line 38 "<DIR>/sensors.ptu"
_os_4_sensors_move_to[0]._datain.p=(struct point){1, 2};
#line 38 "<DIR>/sensors.ptu"
_os_4_sensors_move_to[0].sel[0]=1;
_os_4_sensors_move_to[1].min=2;
#line 39 "<DIR>/sensors.ptu"
_os_4_sensors_move_to[1].max=2;
#line 39 "<DIR>/sensors.ptu"
_os_4_sensors_move_to[1]._datain.p=(struct point){3, 4};
#line 39 "<DIR>/sensors.ptu"
_os_4_sensors_move_to[1].sel[0]=1;
#line 1096 "<DIR>/t.c"
_os_4_sensors_move_to[2].min=0;
_os_4_sensors_move_to[2].max=0;
#endif
#line 40 "<DIR>/sensors.ptu"
go(1, 2);
go(3, 4);
#line 1103 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
VXU_END_ELEMENT_C();

START_CHRONO_C();
_vx_init_muets();
#if size_2_sensors_log_text
#line 44 "<DIR>/sensors.ptu"
_os_2_sensors_log_text[0].min=1;
#line 44 "<DIR>/sensors.ptu"
_os_2_sensors_log_text[0].max=1;
#line 44 "<DIR>/sensors.ptu"
_os_2_sensors_log_text[0]._datain.text=(const char *)("one");
#line 44 "<DIR>/sensors.ptu"
_os_2_sensors_log_text[0].sel[0]=1;
_os_2_sensors_log_text[1].min=2;
#line 45 "<DIR>/sensors.ptu"
_os_2_sensors_log_text[1].max=2;
#line 45 "<DIR>/sensors.ptu"
_os_2_sensors_log_text[1]._datain.text=(const char *)("two");
#line 45 "<DIR>/sensors.ptu"
_os_2_sensors_log_text[1].sel[0]=1;
#line 1126 "<DIR>/t.c"
_os_2_sensors_log_text[2].min=0;
_os_2_sensors_log_text[2].max=0;
#endif
#line 46 "<DIR>/sensors.ptu"
tell();
#line 1132 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
VXU_END_ELEMENT_C();
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }
}/* END SERVICE average*/
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
SRV1_AVERAGE();
CLF_C("<DIR>/t.rio");


#ifdef ZQZQ_MAIN_RETURN
 ZQZQ_MAIN_RETURN
#else
 return(0);
#endif

}/* end t */

VXU_TRACES_FILE("<DIR>/t.rio")

VXU_TESTS_BEGIN
VXU_TEST_ENTRY(18, "average", "outputs_and_returns", "<DIR>/sensors.ptu", 13)
VXU_TEST_ENTRY(21, "average", "values_in_and_out", "<DIR>/sensors.ptu", 31)
VXU_TESTS_END

