/**************************************************************************/
/** TOOL : Unit Test Compiler VERSION 8.3.0.1.342.020                    **/
/**                                                                      **/
/** COMMAND : vexorprepro cache.ptu t.c -LANGUAGE=C -TARGET=LINUX -FAST  **/
/**    -STD_DEFINE=<TGT>/ana/vxus_c.def            **/
/**                                                                      **/
/** FILE : <DIR>/t.c                          **/
/**                                                                      **/
/** DATE : <DATE>                                      **/
/**************************************************************************/
#line 2 "<DIR>/cache.ptu"
#include "blkdev.h"
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


/* simulation: blk_read */

#define _fn_1_cache_blk_read 1
#ifndef _vx_cache_blk_read
#define _vx_cache_blk_read 1 /* int blk_read(unsigned int lba, BYTE buf[8], size_t len) */
#endif

VXU_STUB_CNT _ix_1_cache_blk_read STUBINACTIVE ;
#if size_1_cache_blk_read
VXU_STUB_CNT _it_1_cache_blk_read;

static struct _so_1_cache_blk_read {
 VXU_STUB_CNT min;
 VXU_STUB_CNT max;
 int ret;
 int sel[4];
 struct {
 BYTE buf[8];
        } _dataout;
 struct {
 unsigned int lba;
 size_t len;
        } _datain;
} _os_1_cache_blk_read[size_1_cache_blk_read+1];

static struct _si_1_cache_blk_read {
unsigned int indice;
struct {
 unsigned int lba;
 size_t len;
  } _datain;
} _is_1_cache_blk_read[calls_1_cache_blk_read];
#endif

#pragma vexor vxo_stub
int (blk_read)(unsigned int lba, BYTE *buf, size_t len)
{
char Vexor_res;
#define VEXOR_F_IDX _ix_1_cache_blk_read
#if size_1_cache_blk_read
struct _si_1_cache_blk_read * Vexor_ptr_in;
struct _so_1_cache_blk_read * Vexor_ptr_out;
unsigned int _Vexor_i;
Vexor_res=0;
Vexor_ptr_out=&(_os_1_cache_blk_read[0]);
  if (VXU_GLOBAL_STUB_INITIALISED(_ix_1_cache_blk_read >= 0))
    {
  if (_it_1_cache_blk_read<calls_1_cache_blk_read)
    {
       Vexor_ptr_in = &(_is_1_cache_blk_read[_it_1_cache_blk_read]);
       Vexor_ptr_in->indice=0;
    }
  else
    {
       Vexor_ptr_in = (struct _si_1_cache_blk_read *)0;
    }
#endif
  _ix_1_cache_blk_read++;
#if size_1_cache_blk_read
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_1_cache_blk_read)
	   &&(_os_1_cache_blk_read[_Vexor_i].min)
	   &&(  ((unsigned int)_os_1_cache_blk_read[_Vexor_i].min>(unsigned int
)_ix_1_cache_blk_read)
	      ||((unsigned int)_os_1_cache_blk_read[_Vexor_i].max<(unsigned int
)_ix_1_cache_blk_read)));
	  ++_Vexor_i);
  if ((_Vexor_i)&&(!_os_1_cache_blk_read[_Vexor_i].max)){_Vexor_i--;Vexor_res=1
;}
    Vexor_ptr_out=&(_os_1_cache_blk_read[_Vexor_i]);
  }
Vexor_res|=(Vexor_ptr_out->sel[0]&&((lba)!=Vexor_ptr_out->_datain.lba));
Vexor_res|=(Vexor_ptr_out->sel[1]&&((len)!=Vexor_ptr_out->_datain.len));
#else
  Vexor_res=1;
  (void)(lba);
  (void)(buf);
  (void)(len);
#endif
  EDV_CHRONO_MUET_C( 1, Vexor_res,_ix_1_cache_blk_read );
#if size_1_cache_blk_read
  if (Vexor_res && Vexor_ptr_in)
    {
      Vexor_ptr_in->indice=_ix_1_cache_blk_read;
      Vexor_ptr_in->_datain.lba=lba;
      Vexor_ptr_in->_datain.len=len;
      _it_1_cache_blk_read++;
    }
     }
#endif
#ifdef STUB_CALL_ORDER
     STUB_CALL_ORDER(_fn_1_cache_blk_read);
#endif
#if size_1_cache_blk_read
  if (VXU_GIVEN(buf)&&(Vexor_ptr_out->min>0)&&(Vexor_ptr_out->sel[2])) memcpy
(buf,Vexor_ptr_out->_dataout.buf,sizeof(Vexor_ptr_out->_dataout.buf));
#endif
#if size_1_cache_blk_read
  if (VXU_GLOBAL_STUB_INITIALISED(_ix_1_cache_blk_read >= 0))
    {
      return(Vexor_ptr_out->ret);
    }
#endif
#ifndef VXU_NO_STUB_RETURN_VALUE
  return(int)0;
#endif
#undef VEXOR_F_IDX
}
void checkin_1_cache_blk_read(void)
{
#if size_1_cache_blk_read
struct _si_1_cache_blk_read * Vexor_ptr_in;
unsigned int i;
  struct _so_1_cache_blk_read * Vexor_ptr_out;
int _Vexor_i;
VXU_STUB_CNT max;
max=0;
  for (_Vexor_i=0;((_Vexor_i<(size_1_cache_blk_read))&&
(_os_1_cache_blk_read[_Vexor_i].min>0));++_Vexor_i)
  {
    if (max < _os_1_cache_blk_read[_Vexor_i].max)
      {
        max = _os_1_cache_blk_read[_Vexor_i].max;
      }
  }
  EDV_MUET_CHECK(1,0);
if ((_os_1_cache_blk_read[_Vexor_i].min)||(!(_os_1_cache_blk_read[_Vexor_i].max
)))
  {
       EDV_INTEGER_C(1,1,(vxu_integer)(_ix_1_cache_blk_read),0,10,(vxu_integer)
(max?max:_os_1_cache_blk_read[0].min),(vxu_integer)max);
  }
else
  {
	 EDV_UNSIGNED_C(1,1,(vxu_unsigned)(_ix_1_cache_blk_read),0,10,(vxu_unsigned
)max,(vxu_unsigned)_os_1_cache_blk_read[_Vexor_i].max);
  }
for (i=0;i<(unsigned int)_it_1_cache_blk_read;++i){
  Vexor_ptr_in=&(_is_1_cache_blk_read[i]);
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_1_cache_blk_read-1)
	   &&(_os_1_cache_blk_read[_Vexor_i].min)
	   &&(  ((unsigned int)_os_1_cache_blk_read[_Vexor_i].min>Vexor_ptr_in->indice)
	      ||((unsigned int)_os_1_cache_blk_read[_Vexor_i].max<Vexor_ptr_in->indice
)));
	  ++_Vexor_i);
    Vexor_ptr_out=&(_os_1_cache_blk_read[_Vexor_i]);
  }
  EDV_MUET_CHECK(1, Vexor_ptr_in->indice);
  EDV_UNSIGNED_C((Vexor_ptr_out->min>0&&(unsigned int
)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=(unsigned int
)Vexor_ptr_out->max?Vexor_ptr_out->sel[0]:0),0,(vxu_unsigned)
(Vexor_ptr_in->_datain.lba),0+3,10,(vxu_unsigned)(Vexor_ptr_out->_datain.lba),
(vxu_unsigned)(Vexor_ptr_out->_datain.lba));
  EDV_UNSIGNED_C((Vexor_ptr_out->min>0&&(unsigned int
)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=(unsigned int
)Vexor_ptr_out->max?Vexor_ptr_out->sel[1]:0),0,(vxu_unsigned)
(Vexor_ptr_in->_datain.len),0+4,10,(vxu_unsigned)(Vexor_ptr_out->_datain.len),
(vxu_unsigned)(Vexor_ptr_out->_datain.len));
  }
#else
  EDV_MUET_CHECK(1,0);
	 EDV_INTEGER_C(1,1,(vxu_integer)(_ix_1_cache_blk_read),0,10,(vxu_integer)-1,
(vxu_integer)0);
#endif
}

/* simulation: blk_write */

#define _fn_2_cache_blk_write 2
#ifndef _vx_cache_blk_write
#define _vx_cache_blk_write 2 /* int blk_write(unsigned int lba, const BYTE data[8], size_t len) */
#endif

VXU_STUB_CNT _ix_2_cache_blk_write STUBINACTIVE ;
#if size_2_cache_blk_write
VXU_STUB_CNT _it_2_cache_blk_write;

static struct _so_2_cache_blk_write {
 VXU_STUB_CNT min;
 VXU_STUB_CNT max;
 int ret;
 int sel[4];
 struct {
 unsigned int lba;
 BYTE data[8];
 size_t len;
        } _datain;
} _os_2_cache_blk_write[size_2_cache_blk_write+1];

static struct _si_2_cache_blk_write {
unsigned int indice;
struct {
 unsigned int lba;
 BYTE data[8];
 size_t len;
  } _datain;
} _is_2_cache_blk_write[calls_2_cache_blk_write];
#endif

#pragma vexor vxo_stub
int (blk_write)(unsigned int lba, const BYTE data[], size_t len)
{
char Vexor_res;
#define VEXOR_F_IDX _ix_2_cache_blk_write
#if size_2_cache_blk_write
struct _si_2_cache_blk_write * Vexor_ptr_in;
struct _so_2_cache_blk_write * Vexor_ptr_out;
unsigned int _Vexor_i;
unsigned int _Vexor_j;
Vexor_res=0;
Vexor_ptr_out=&(_os_2_cache_blk_write[0]);
  if (VXU_GLOBAL_STUB_INITIALISED(_ix_2_cache_blk_write >= 0))
    {
  if (_it_2_cache_blk_write<calls_2_cache_blk_write)
    {
       Vexor_ptr_in = &(_is_2_cache_blk_write[_it_2_cache_blk_write]);
       Vexor_ptr_in->indice=0;
    }
  else
    {
       Vexor_ptr_in = (struct _si_2_cache_blk_write *)0;
    }
#endif
  _ix_2_cache_blk_write++;
#if size_2_cache_blk_write
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_2_cache_blk_write)
	   &&(_os_2_cache_blk_write[_Vexor_i].min)
	   &&(  ((unsigned int)_os_2_cache_blk_write[_Vexor_i].min>(unsigned int
)_ix_2_cache_blk_write)
	      ||((unsigned int)_os_2_cache_blk_write[_Vexor_i].max<(unsigned int
)_ix_2_cache_blk_write)));
	  ++_Vexor_i);
  if ((_Vexor_i)&&(!_os_2_cache_blk_write[_Vexor_i].max)){_Vexor_i--
;Vexor_res=1;}
    Vexor_ptr_out=&(_os_2_cache_blk_write[_Vexor_i]);
  }
Vexor_res|=(Vexor_ptr_out->sel[0]&&((lba)!=Vexor_ptr_out->_datain.lba));
if (Vexor_ptr_out->sel[1]) { if (!VXU_GIVEN(data)) Vexor_res=1; else for 
(_Vexor_j=0;_Vexor_j<8;++_Vexor_j) Vexor_res|=(((data)[_Vexor_j]
)!=Vexor_ptr_out->_datain.data[_Vexor_j]); }
Vexor_res|=(Vexor_ptr_out->sel[2]&&((len)!=Vexor_ptr_out->_datain.len));
#else
  Vexor_res=1;
  (void)(lba);
  (void)(data);
  (void)(len);
#endif
  EDV_CHRONO_MUET_C( 5, Vexor_res,_ix_2_cache_blk_write );
#if size_2_cache_blk_write
  if (Vexor_res && Vexor_ptr_in)
    {
      Vexor_ptr_in->indice=_ix_2_cache_blk_write;
      Vexor_ptr_in->_datain.lba=lba;
      if (VXU_GIVEN(data)) memcpy(Vexor_ptr_in->_datain.data,data,sizeof
(Vexor_ptr_in->_datain.data));
      Vexor_ptr_in->_datain.len=len;
      _it_2_cache_blk_write++;
    }
     }
#endif
#ifdef STUB_CALL_ORDER
     STUB_CALL_ORDER(_fn_2_cache_blk_write);
#endif
#if size_2_cache_blk_write
  if (VXU_GLOBAL_STUB_INITIALISED(_ix_2_cache_blk_write >= 0))
    {
      return(Vexor_ptr_out->ret);
    }
#endif
#ifndef VXU_NO_STUB_RETURN_VALUE
  return(int)0;
#endif
#undef VEXOR_F_IDX
}
void checkin_2_cache_blk_write(void)
{
#if size_2_cache_blk_write
struct _si_2_cache_blk_write * Vexor_ptr_in;
unsigned int i;
unsigned int _Vexor_j;
  struct _so_2_cache_blk_write * Vexor_ptr_out;
int _Vexor_i;
VXU_STUB_CNT max;
max=0;
  for (_Vexor_i=0;((_Vexor_i<(size_2_cache_blk_write))&&
(_os_2_cache_blk_write[_Vexor_i].min>0));++_Vexor_i)
  {
    if (max < _os_2_cache_blk_write[_Vexor_i].max)
      {
        max = _os_2_cache_blk_write[_Vexor_i].max;
      }
  }
  EDV_MUET_CHECK(2,0);
if ((_os_2_cache_blk_write[_Vexor_i].min)||(!
(_os_2_cache_blk_write[_Vexor_i].max)))
  {
       EDV_INTEGER_C(1,1,(vxu_integer)(_ix_2_cache_blk_write),0,10,(vxu_integer
)(max?max:_os_2_cache_blk_write[0].min),(vxu_integer)max);
  }
else
  {
	 EDV_UNSIGNED_C(1,1,(vxu_unsigned)(_ix_2_cache_blk_write),0,10,(vxu_unsigned
)max,(vxu_unsigned)_os_2_cache_blk_write[_Vexor_i].max);
  }
for (i=0;i<(unsigned int)_it_2_cache_blk_write;++i){
  Vexor_ptr_in=&(_is_2_cache_blk_write[i]);
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_2_cache_blk_write-1)
	   &&(_os_2_cache_blk_write[_Vexor_i].min)
	   &&(  ((unsigned int
)_os_2_cache_blk_write[_Vexor_i].min>Vexor_ptr_in->indice)
	      ||((unsigned int
)_os_2_cache_blk_write[_Vexor_i].max<Vexor_ptr_in->indice)));
	  ++_Vexor_i);
    Vexor_ptr_out=&(_os_2_cache_blk_write[_Vexor_i]);
  }
  EDV_MUET_CHECK(2, Vexor_ptr_in->indice);
  EDV_UNSIGNED_C((Vexor_ptr_out->min>0&&(unsigned int
)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=(unsigned int
)Vexor_ptr_out->max?Vexor_ptr_out->sel[0]:0),0,(vxu_unsigned)
(Vexor_ptr_in->_datain.lba),0+7,10,(vxu_unsigned)(Vexor_ptr_out->_datain.lba),
(vxu_unsigned)(Vexor_ptr_out->_datain.lba));
  for (_Vexor_j=0;_Vexor_j<8;++_Vexor_j)
  EDV_UNSIGNED_C((Vexor_ptr_out->min>0&&(unsigned int
)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=(unsigned int
)Vexor_ptr_out->max?Vexor_ptr_out->sel[1]:0),0,(vxu_unsigned)
(Vexor_ptr_in->_datain.data[_Vexor_j]),0+8+_Vexor_j,10,(vxu_unsigned)
(Vexor_ptr_out->_datain.data[_Vexor_j]),(vxu_unsigned)
(Vexor_ptr_out->_datain.data[_Vexor_j]));
  EDV_UNSIGNED_C((Vexor_ptr_out->min>0&&(unsigned int
)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=(unsigned int
)Vexor_ptr_out->max?Vexor_ptr_out->sel[2]:0),0,(vxu_unsigned)
(Vexor_ptr_in->_datain.len),0+16,10,(vxu_unsigned)(Vexor_ptr_out->_datain.len),
(vxu_unsigned)(Vexor_ptr_out->_datain.len));
  }
#else
  EDV_MUET_CHECK(2,0);
	 EDV_INTEGER_C(1,1,(vxu_integer)(_ix_2_cache_blk_write),0,10,(vxu_integer)-1,
(vxu_integer)0);
#endif
}

/* simulation: blk_level */

#define _fn_3_cache_blk_level 3
#ifndef _vx_cache_blk_level
#define _vx_cache_blk_level 3 /* void blk_level(uint8_t level) */
#endif

VXU_STUB_CNT _ix_3_cache_blk_level STUBINACTIVE ;
#if size_3_cache_blk_level
VXU_STUB_CNT _it_3_cache_blk_level;

static struct _so_3_cache_blk_level {
 VXU_STUB_CNT min;
 VXU_STUB_CNT max;
 int sel[2];
 struct {
 uint8_t level;
        } _datain;
} _os_3_cache_blk_level[size_3_cache_blk_level+1];

static struct _si_3_cache_blk_level {
unsigned int indice;
struct {
 uint8_t level;
  } _datain;
} _is_3_cache_blk_level[calls_3_cache_blk_level];
#endif

#pragma vexor vxo_stub
void (blk_level)(uint8_t level)
{
char Vexor_res;
#define VEXOR_F_IDX _ix_3_cache_blk_level
#if size_3_cache_blk_level
struct _si_3_cache_blk_level * Vexor_ptr_in;
struct _so_3_cache_blk_level * Vexor_ptr_out;
unsigned int _Vexor_i;
Vexor_res=0;
Vexor_ptr_out=&(_os_3_cache_blk_level[0]);
  if (VXU_GLOBAL_STUB_INITIALISED(_ix_3_cache_blk_level >= 0))
    {
  if (_it_3_cache_blk_level<calls_3_cache_blk_level)
    {
       Vexor_ptr_in = &(_is_3_cache_blk_level[_it_3_cache_blk_level]);
       Vexor_ptr_in->indice=0;
    }
  else
    {
       Vexor_ptr_in = (struct _si_3_cache_blk_level *)0;
    }
#endif
  _ix_3_cache_blk_level++;
#if size_3_cache_blk_level
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_3_cache_blk_level)
	   &&(_os_3_cache_blk_level[_Vexor_i].min)
	   &&(  ((unsigned int)_os_3_cache_blk_level[_Vexor_i].min>(unsigned int
)_ix_3_cache_blk_level)
	      ||((unsigned int)_os_3_cache_blk_level[_Vexor_i].max<(unsigned int
)_ix_3_cache_blk_level)));
	  ++_Vexor_i);
  if ((_Vexor_i)&&(!_os_3_cache_blk_level[_Vexor_i].max)){_Vexor_i--
;Vexor_res=1;}
    Vexor_ptr_out=&(_os_3_cache_blk_level[_Vexor_i]);
  }
Vexor_res|=(Vexor_ptr_out->sel[0]&&((level)!=Vexor_ptr_out->_datain.level));
#else
  Vexor_res=1;
  (void)(level);
#endif
  EDV_CHRONO_MUET_C( 17, Vexor_res,_ix_3_cache_blk_level );
#if size_3_cache_blk_level
  if (Vexor_res && Vexor_ptr_in)
    {
      Vexor_ptr_in->indice=_ix_3_cache_blk_level;
      Vexor_ptr_in->_datain.level=level;
      _it_3_cache_blk_level++;
    }
     }
#endif
#ifdef STUB_CALL_ORDER
     STUB_CALL_ORDER(_fn_3_cache_blk_level);
#endif
#undef VEXOR_F_IDX
}
void checkin_3_cache_blk_level(void)
{
#if size_3_cache_blk_level
struct _si_3_cache_blk_level * Vexor_ptr_in;
unsigned int i;
  struct _so_3_cache_blk_level * Vexor_ptr_out;
int _Vexor_i;
VXU_STUB_CNT max;
max=0;
  for (_Vexor_i=0;((_Vexor_i<(size_3_cache_blk_level))&&
(_os_3_cache_blk_level[_Vexor_i].min>0));++_Vexor_i)
  {
    if (max < _os_3_cache_blk_level[_Vexor_i].max)
      {
        max = _os_3_cache_blk_level[_Vexor_i].max;
      }
  }
  EDV_MUET_CHECK(3,0);
if ((_os_3_cache_blk_level[_Vexor_i].min)||(!
(_os_3_cache_blk_level[_Vexor_i].max)))
  {
       EDV_INTEGER_C(1,1,(vxu_integer)(_ix_3_cache_blk_level),0,10,(vxu_integer
)(max?max:_os_3_cache_blk_level[0].min),(vxu_integer)max);
  }
else
  {
	 EDV_UNSIGNED_C(1,1,(vxu_unsigned)(_ix_3_cache_blk_level),0,10,(vxu_unsigned
)max,(vxu_unsigned)_os_3_cache_blk_level[_Vexor_i].max);
  }
for (i=0;i<(unsigned int)_it_3_cache_blk_level;++i){
  Vexor_ptr_in=&(_is_3_cache_blk_level[i]);
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_3_cache_blk_level-1)
	   &&(_os_3_cache_blk_level[_Vexor_i].min)
	   &&(  ((unsigned int
)_os_3_cache_blk_level[_Vexor_i].min>Vexor_ptr_in->indice)
	      ||((unsigned int
)_os_3_cache_blk_level[_Vexor_i].max<Vexor_ptr_in->indice)));
	  ++_Vexor_i);
    Vexor_ptr_out=&(_os_3_cache_blk_level[_Vexor_i]);
  }
  EDV_MUET_CHECK(3, Vexor_ptr_in->indice);
  EDV_UNSIGNED_C((Vexor_ptr_out->min>0&&(unsigned int
)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=(unsigned int
)Vexor_ptr_out->max?Vexor_ptr_out->sel[0]:0),0,(vxu_unsigned)
(Vexor_ptr_in->_datain.level),0+19,10,(vxu_unsigned)
(Vexor_ptr_out->_datain.level),(vxu_unsigned)(Vexor_ptr_out->_datain.level));
  }
#else
  EDV_MUET_CHECK(3,0);
	 EDV_INTEGER_C(1,1,(vxu_integer)(_ix_3_cache_blk_level),0,10,(vxu_integer)-1,
(vxu_integer)0);
#endif
}

/* simulation: blk_swap */

#define _fn_4_cache_blk_swap 4
#ifndef _vx_cache_blk_swap
#define _vx_cache_blk_swap 4 /* void blk_swap(int v[3]) */
#endif

VXU_STUB_CNT _ix_4_cache_blk_swap STUBINACTIVE ;
#if size_4_cache_blk_swap
VXU_STUB_CNT _it_4_cache_blk_swap;

static struct _so_4_cache_blk_swap {
 VXU_STUB_CNT min;
 VXU_STUB_CNT max;
 int sel[3];
 struct {
 int v[3];
        } _dataout;
 struct {
 int v[3];
        } _datain;
} _os_4_cache_blk_swap[size_4_cache_blk_swap+1];

static struct _si_4_cache_blk_swap {
unsigned int indice;
struct {
 int v[3];
  } _datain;
} _is_4_cache_blk_swap[calls_4_cache_blk_swap];
#endif

#pragma vexor vxo_stub
void (blk_swap)(int v[3])
{
char Vexor_res;
#define VEXOR_F_IDX _ix_4_cache_blk_swap
#if size_4_cache_blk_swap
struct _si_4_cache_blk_swap * Vexor_ptr_in;
struct _so_4_cache_blk_swap * Vexor_ptr_out;
unsigned int _Vexor_i;
unsigned int _Vexor_j;
Vexor_res=0;
Vexor_ptr_out=&(_os_4_cache_blk_swap[0]);
  if (VXU_GLOBAL_STUB_INITIALISED(_ix_4_cache_blk_swap >= 0))
    {
  if (_it_4_cache_blk_swap<calls_4_cache_blk_swap)
    {
       Vexor_ptr_in = &(_is_4_cache_blk_swap[_it_4_cache_blk_swap]);
       Vexor_ptr_in->indice=0;
    }
  else
    {
       Vexor_ptr_in = (struct _si_4_cache_blk_swap *)0;
    }
#endif
  _ix_4_cache_blk_swap++;
#if size_4_cache_blk_swap
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_4_cache_blk_swap)
	   &&(_os_4_cache_blk_swap[_Vexor_i].min)
	   &&(  ((unsigned int)_os_4_cache_blk_swap[_Vexor_i].min>(unsigned int
)_ix_4_cache_blk_swap)
	      ||((unsigned int)_os_4_cache_blk_swap[_Vexor_i].max<(unsigned int
)_ix_4_cache_blk_swap)));
	  ++_Vexor_i);
  if ((_Vexor_i)&&(!_os_4_cache_blk_swap[_Vexor_i].max)){_Vexor_i--;Vexor_res=1
;}
    Vexor_ptr_out=&(_os_4_cache_blk_swap[_Vexor_i]);
  }
if (Vexor_ptr_out->sel[0]) { if (!VXU_GIVEN(v)) Vexor_res=1; else for 
(_Vexor_j=0;_Vexor_j<3;++_Vexor_j) Vexor_res|=(((v)[_Vexor_j]
)!=Vexor_ptr_out->_datain.v[_Vexor_j]); }
#else
  Vexor_res=1;
  (void)(v);
#endif
  EDV_CHRONO_MUET_C( 20, Vexor_res,_ix_4_cache_blk_swap );
#if size_4_cache_blk_swap
  if (Vexor_res && Vexor_ptr_in)
    {
      Vexor_ptr_in->indice=_ix_4_cache_blk_swap;
      if (VXU_GIVEN(v)) memcpy(Vexor_ptr_in->_datain.v,v,sizeof
(Vexor_ptr_in->_datain.v));
      _it_4_cache_blk_swap++;
    }
     }
#endif
#ifdef STUB_CALL_ORDER
     STUB_CALL_ORDER(_fn_4_cache_blk_swap);
#endif
#if size_4_cache_blk_swap
  if (VXU_GIVEN(v)&&(Vexor_ptr_out->min>0)&&(Vexor_ptr_out->sel[1])) memcpy(v
,Vexor_ptr_out->_dataout.v,sizeof(Vexor_ptr_out->_dataout.v));
#endif
#undef VEXOR_F_IDX
}
void checkin_4_cache_blk_swap(void)
{
#if size_4_cache_blk_swap
struct _si_4_cache_blk_swap * Vexor_ptr_in;
unsigned int i;
unsigned int _Vexor_j;
  struct _so_4_cache_blk_swap * Vexor_ptr_out;
int _Vexor_i;
VXU_STUB_CNT max;
max=0;
  for (_Vexor_i=0;((_Vexor_i<(size_4_cache_blk_swap))&&
(_os_4_cache_blk_swap[_Vexor_i].min>0));++_Vexor_i)
  {
    if (max < _os_4_cache_blk_swap[_Vexor_i].max)
      {
        max = _os_4_cache_blk_swap[_Vexor_i].max;
      }
  }
  EDV_MUET_CHECK(4,0);
if ((_os_4_cache_blk_swap[_Vexor_i].min)||(!(_os_4_cache_blk_swap[_Vexor_i].max
)))
  {
       EDV_INTEGER_C(1,1,(vxu_integer)(_ix_4_cache_blk_swap),0,10,(vxu_integer)
(max?max:_os_4_cache_blk_swap[0].min),(vxu_integer)max);
  }
else
  {
	 EDV_UNSIGNED_C(1,1,(vxu_unsigned)(_ix_4_cache_blk_swap),0,10,(vxu_unsigned
)max,(vxu_unsigned)_os_4_cache_blk_swap[_Vexor_i].max);
  }
for (i=0;i<(unsigned int)_it_4_cache_blk_swap;++i){
  Vexor_ptr_in=&(_is_4_cache_blk_swap[i]);
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_4_cache_blk_swap-1)
	   &&(_os_4_cache_blk_swap[_Vexor_i].min)
	   &&(  ((unsigned int)_os_4_cache_blk_swap[_Vexor_i].min>Vexor_ptr_in->indice)
	      ||((unsigned int)_os_4_cache_blk_swap[_Vexor_i].max<Vexor_ptr_in->indice
)));
	  ++_Vexor_i);
    Vexor_ptr_out=&(_os_4_cache_blk_swap[_Vexor_i]);
  }
  EDV_MUET_CHECK(4, Vexor_ptr_in->indice);
  for (_Vexor_j=0;_Vexor_j<3;++_Vexor_j)
  EDV_INTEGER_C((Vexor_ptr_out->min>0&&(unsigned int
)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=(unsigned int
)Vexor_ptr_out->max?Vexor_ptr_out->sel[0]:0),0,(vxu_integer)
(Vexor_ptr_in->_datain.v[_Vexor_j]),0+22+_Vexor_j,10,(vxu_integer)
(Vexor_ptr_out->_datain.v[_Vexor_j]),(vxu_integer)
(Vexor_ptr_out->_datain.v[_Vexor_j]));
  }
#else
  EDV_MUET_CHECK(4,0);
	 EDV_INTEGER_C(1,1,(vxu_integer)(_ix_4_cache_blk_swap),0,10,(vxu_integer)-1,
(vxu_integer)0);
#endif
}

/* simulation: blk_log */

#define _fn_5_cache_blk_log 5
#ifndef _vx_cache_blk_log
#define _vx_cache_blk_log 5 /* void blk_log(const char text[12]) */
#endif

VXU_STUB_CNT _ix_5_cache_blk_log STUBINACTIVE ;
#if size_5_cache_blk_log
VXU_STUB_CNT _it_5_cache_blk_log;

static struct _so_5_cache_blk_log {
 VXU_STUB_CNT min;
 VXU_STUB_CNT max;
 int sel[2];
 struct {
 char text[13];
        } _datain;
} _os_5_cache_blk_log[size_5_cache_blk_log+1];

static struct _si_5_cache_blk_log {
unsigned int indice;
struct {
 char text[13];
  } _datain;
} _is_5_cache_blk_log[calls_5_cache_blk_log];
#endif

#pragma vexor vxo_stub
void (blk_log)(const char *text)
{
char Vexor_res;
#define VEXOR_F_IDX _ix_5_cache_blk_log
#if size_5_cache_blk_log
struct _si_5_cache_blk_log * Vexor_ptr_in;
struct _so_5_cache_blk_log * Vexor_ptr_out;
unsigned int _Vexor_i;
Vexor_res=0;
Vexor_ptr_out=&(_os_5_cache_blk_log[0]);
  if (VXU_GLOBAL_STUB_INITIALISED(_ix_5_cache_blk_log >= 0))
    {
  if (_it_5_cache_blk_log<calls_5_cache_blk_log)
    {
       Vexor_ptr_in = &(_is_5_cache_blk_log[_it_5_cache_blk_log]);
       Vexor_ptr_in->indice=0;
    }
  else
    {
       Vexor_ptr_in = (struct _si_5_cache_blk_log *)0;
    }
#endif
  _ix_5_cache_blk_log++;
#if size_5_cache_blk_log
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_5_cache_blk_log)
	   &&(_os_5_cache_blk_log[_Vexor_i].min)
	   &&(  ((unsigned int)_os_5_cache_blk_log[_Vexor_i].min>(unsigned int
)_ix_5_cache_blk_log)
	      ||((unsigned int)_os_5_cache_blk_log[_Vexor_i].max<(unsigned int
)_ix_5_cache_blk_log)));
	  ++_Vexor_i);
  if ((_Vexor_i)&&(!_os_5_cache_blk_log[_Vexor_i].max)){_Vexor_i--;Vexor_res=1;}
    Vexor_ptr_out=&(_os_5_cache_blk_log[_Vexor_i]);
  }
if (Vexor_ptr_out->sel[0]) { if (!VXU_GIVEN(text)) Vexor_res=1; else
 Vexor_res|=(strncmp((const char *)(text),Vexor_ptr_out->_datain.text,12)!=0); }
#else
  Vexor_res=1;
  (void)(text);
#endif
  EDV_CHRONO_MUET_C( 25, Vexor_res,_ix_5_cache_blk_log );
#if size_5_cache_blk_log
  if (Vexor_res && Vexor_ptr_in)
    {
      Vexor_ptr_in->indice=_ix_5_cache_blk_log;
      if (VXU_GIVEN(text)) strncpy(Vexor_ptr_in->_datain.text,(const char *)
(text),12);
      _it_5_cache_blk_log++;
    }
     }
#endif
#ifdef STUB_CALL_ORDER
     STUB_CALL_ORDER(_fn_5_cache_blk_log);
#endif
#undef VEXOR_F_IDX
}
void checkin_5_cache_blk_log(void)
{
#if size_5_cache_blk_log
struct _si_5_cache_blk_log * Vexor_ptr_in;
unsigned int i;
  struct _so_5_cache_blk_log * Vexor_ptr_out;
int _Vexor_i;
VXU_STUB_CNT max;
max=0;
  for (_Vexor_i=0;((_Vexor_i<(size_5_cache_blk_log))&&
(_os_5_cache_blk_log[_Vexor_i].min>0));++_Vexor_i)
  {
    if (max < _os_5_cache_blk_log[_Vexor_i].max)
      {
        max = _os_5_cache_blk_log[_Vexor_i].max;
      }
  }
  EDV_MUET_CHECK(5,0);
if ((_os_5_cache_blk_log[_Vexor_i].min)||(!(_os_5_cache_blk_log[_Vexor_i].max)))
  {
       EDV_INTEGER_C(1,1,(vxu_integer)(_ix_5_cache_blk_log),0,10,(vxu_integer)
(max?max:_os_5_cache_blk_log[0].min),(vxu_integer)max);
  }
else
  {
	 EDV_UNSIGNED_C(1,1,(vxu_unsigned)(_ix_5_cache_blk_log),0,10,(vxu_unsigned)max
,(vxu_unsigned)_os_5_cache_blk_log[_Vexor_i].max);
  }
for (i=0;i<(unsigned int)_it_5_cache_blk_log;++i){
  Vexor_ptr_in=&(_is_5_cache_blk_log[i]);
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_5_cache_blk_log-1)
	   &&(_os_5_cache_blk_log[_Vexor_i].min)
	   &&(  ((unsigned int)_os_5_cache_blk_log[_Vexor_i].min>Vexor_ptr_in->indice)
	      ||((unsigned int)_os_5_cache_blk_log[_Vexor_i].max<Vexor_ptr_in->indice)
));
	  ++_Vexor_i);
    Vexor_ptr_out=&(_os_5_cache_blk_log[_Vexor_i]);
  }
  EDV_MUET_CHECK(5, Vexor_ptr_in->indice);
  EDV_STR_C((Vexor_ptr_out->min>0&&(unsigned int
)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=(unsigned int
)Vexor_ptr_out->max?Vexor_ptr_out->sel[0]:0),0,(vxu_charstring)
(Vexor_ptr_in->_datain.text),0+27,(vxu_charstring)(Vexor_ptr_out->_datain.text)
,(vxu_charstring)(Vexor_ptr_out->_datain.text));
  }
#else
  EDV_MUET_CHECK(5,0);
	 EDV_INTEGER_C(1,1,(vxu_integer)(_ix_5_cache_blk_log),0,10,(vxu_integer)-1,
(vxu_integer)0);
#endif
}

/* simulation: blk_status */

#define _fn_6_cache_blk_status 6
#ifndef _vx_cache_blk_status
#define _vx_cache_blk_status 6 /* int blk_status(int *code) */
#endif

VXU_STUB_CNT _ix_6_cache_blk_status STUBINACTIVE ;
#if size_6_cache_blk_status

static struct _so_6_cache_blk_status {
 VXU_STUB_CNT min;
 VXU_STUB_CNT max;
 int ret;
 int sel[2];
 struct {
 int code;
        } _dataout;
} _os_6_cache_blk_status[size_6_cache_blk_status+1];
#endif

#pragma vexor vxo_stub
int (blk_status)(int *code)
{
char Vexor_res;
#define VEXOR_F_IDX _ix_6_cache_blk_status
#if size_6_cache_blk_status
struct _so_6_cache_blk_status * Vexor_ptr_out;
unsigned int _Vexor_i;
Vexor_res=0;
Vexor_ptr_out=&(_os_6_cache_blk_status[0]);
#endif
  _ix_6_cache_blk_status++;
#if size_6_cache_blk_status
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_6_cache_blk_status)
	   &&(_os_6_cache_blk_status[_Vexor_i].min)
	   &&(  ((unsigned int)_os_6_cache_blk_status[_Vexor_i].min>(unsigned int
)_ix_6_cache_blk_status)
	      ||((unsigned int)_os_6_cache_blk_status[_Vexor_i].max<(unsigned int
)_ix_6_cache_blk_status)));
	  ++_Vexor_i);
  if ((_Vexor_i)&&(!_os_6_cache_blk_status[_Vexor_i].max)){_Vexor_i--
;Vexor_res=1;}
    Vexor_ptr_out=&(_os_6_cache_blk_status[_Vexor_i]);
  }
#else
  Vexor_res=1;
  (void)(code);
#endif
  EDV_CHRONO_MUET_C( 28, Vexor_res,_ix_6_cache_blk_status );
#ifdef STUB_CALL_ORDER
     STUB_CALL_ORDER(_fn_6_cache_blk_status);
#endif
#if size_6_cache_blk_status
  if (VXU_GIVEN(code)&&(Vexor_ptr_out->min>0)&&(Vexor_ptr_out->sel[0])) *(code
)=Vexor_ptr_out->_dataout.code;
#endif
#if size_6_cache_blk_status
  if (VXU_GLOBAL_STUB_INITIALISED(_ix_6_cache_blk_status >= 0))
    {
      return(Vexor_ptr_out->ret);
    }
#endif
#ifndef VXU_NO_STUB_RETURN_VALUE
  return(int)0;
#endif
#undef VEXOR_F_IDX
}
void checkin_6_cache_blk_status(void)
{
#if size_6_cache_blk_status
  struct _so_6_cache_blk_status * Vexor_ptr_out;
int _Vexor_i;
VXU_STUB_CNT max;
max=0;
  for (_Vexor_i=0;((_Vexor_i<(size_6_cache_blk_status))&&
(_os_6_cache_blk_status[_Vexor_i].min>0));++_Vexor_i)
  {
    if (max < _os_6_cache_blk_status[_Vexor_i].max)
      {
        max = _os_6_cache_blk_status[_Vexor_i].max;
      }
  }
  EDV_MUET_CHECK(6,0);
if ((_os_6_cache_blk_status[_Vexor_i].min)||(!
(_os_6_cache_blk_status[_Vexor_i].max)))
  {
       EDV_INTEGER_C(1,1,(vxu_integer)(_ix_6_cache_blk_status),0,10,
(vxu_integer)(max?max:_os_6_cache_blk_status[0].min),(vxu_integer)max);
  }
else
  {
	 EDV_UNSIGNED_C(1,1,(vxu_unsigned)(_ix_6_cache_blk_status),0,10,(vxu_unsigned
)max,(vxu_unsigned)_os_6_cache_blk_status[_Vexor_i].max);
  }
  (void)Vexor_ptr_out;
#else
  EDV_MUET_CHECK(6,0);
	 EDV_INTEGER_C(1,1,(vxu_integer)(_ix_6_cache_blk_status),0,10,(vxu_integer)-1,
(vxu_integer)0);
#endif
}
void _vx_check_muets(void)
{
checkin_1_cache_blk_read();
checkin_2_cache_blk_write();
checkin_3_cache_blk_level();
checkin_4_cache_blk_swap();
checkin_5_cache_blk_log();
checkin_6_cache_blk_status();
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
_ix_1_cache_blk_read=0;
#if size_1_cache_blk_read
_os_1_cache_blk_read[0].min=-1;
_os_1_cache_blk_read[0].max=0;
_it_1_cache_blk_read=0;
#endif
_ix_2_cache_blk_write=0;
#if size_2_cache_blk_write
_os_2_cache_blk_write[0].min=-1;
_os_2_cache_blk_write[0].max=0;
_it_2_cache_blk_write=0;
#endif
_ix_3_cache_blk_level=0;
#if size_3_cache_blk_level
_os_3_cache_blk_level[0].min=-1;
_os_3_cache_blk_level[0].max=0;
_it_3_cache_blk_level=0;
#endif
_ix_4_cache_blk_swap=0;
#if size_4_cache_blk_swap
_os_4_cache_blk_swap[0].min=-1;
_os_4_cache_blk_swap[0].max=0;
_it_4_cache_blk_swap=0;
#endif
_ix_5_cache_blk_log=0;
#if size_5_cache_blk_log
_os_5_cache_blk_log[0].min=-1;
_os_5_cache_blk_log[0].max=0;
_it_5_cache_blk_log=0;
#endif
_ix_6_cache_blk_status=0;
#if size_6_cache_blk_status
_os_6_cache_blk_status[0].min=-1;
_os_6_cache_blk_status[0].max=0;
#endif
}
void SRV1_CACHE_PATCH (void) { 
/* BEGIN  SERVICE cache_patch */
#ifdef NEEDS_NUM_TEST_OPE
NUM_OPERATION = 1;
#endif /*NEEDS_NUM_TEST_OPE*/

DCL_OP_C(29, "cache_patch");
if (VXU_TEST_BEGIN_C(30)) {

DCL_TST_C(30, "patch");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 1;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#if size_1_cache_blk_read
#line 18 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0].min=1;
#line 18 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0].max=1;
#line 18 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0]._datain.lba=(unsigned int)(7);
#line 18 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0]._dataout.buf[0]=(BYTE)(1);
#line 18 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0]._dataout.buf[1]=(BYTE)(2);
#line 18 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0]._dataout.buf[2]=(BYTE)(3);
#line 18 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0]._dataout.buf[3]=(BYTE)(4);
#line 18 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0]._dataout.buf[4]=(BYTE)(5);
#line 18 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0]._dataout.buf[5]=(BYTE)(6);
#line 18 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0]._dataout.buf[6]=(BYTE)(7);
#line 18 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0]._dataout.buf[7]=(BYTE)(8);
#line 18 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0]._datain.len=(size_t)(8);
#line 18 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0].sel[0]=1;
#line 18 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0].sel[1]=1;
#line 18 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0].sel[2]=1;
#line 18 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0].ret=(int)(0);
#line 1035 "<DIR>/t.c"
_os_1_cache_blk_read[1].min=0;
_os_1_cache_blk_read[1].max=0;
#endif
#if size_2_cache_blk_write
#line 20 "<DIR>/cache.ptu"
_os_2_cache_blk_write[0].min=1;
#line 20 "<DIR>/cache.ptu"
_os_2_cache_blk_write[0].max=1;
#line 20 "<DIR>/cache.ptu"
_os_2_cache_blk_write[0]._datain.lba=(unsigned int)(7);
#line 20 "<DIR>/cache.ptu"
_os_2_cache_blk_write[0]._datain.data[0]=(const BYTE)(0x10);
#line 20 "<DIR>/cache.ptu"
_os_2_cache_blk_write[0]._datain.data[1]=(const BYTE)(0x13);
#line 20 "<DIR>/cache.ptu"
_os_2_cache_blk_write[0]._datain.data[2]=(const BYTE)(0x12);
#line 20 "<DIR>/cache.ptu"
_os_2_cache_blk_write[0]._datain.data[3]=(const BYTE)(0x15);
#line 20 "<DIR>/cache.ptu"
_os_2_cache_blk_write[0]._datain.data[4]=(const BYTE)(0x14);
#line 20 "<DIR>/cache.ptu"
_os_2_cache_blk_write[0]._datain.data[5]=(const BYTE)(0x17);
#line 20 "<DIR>/cache.ptu"
_os_2_cache_blk_write[0]._datain.data[6]=(const BYTE)(0x16);
#line 20 "<DIR>/cache.ptu"
_os_2_cache_blk_write[0]._datain.data[7]=(const BYTE)(0x19);
#line 20 "<DIR>/cache.ptu"
_os_2_cache_blk_write[0]._datain.len=(size_t)(8);
#line 20 "<DIR>/cache.ptu"
_os_2_cache_blk_write[0].sel[0]=1;
#line 20 "<DIR>/cache.ptu"
_os_2_cache_blk_write[0].sel[1]=1;
#line 20 "<DIR>/cache.ptu"
_os_2_cache_blk_write[0].sel[2]=1;
#line 20 "<DIR>/cache.ptu"
_os_2_cache_blk_write[0].ret=(int)(0);
#line 1072 "<DIR>/t.c"
_os_2_cache_blk_write[1].min=0;
_os_2_cache_blk_write[1].max=0;
#endif
#if size_3_cache_blk_level
#line 19 "<DIR>/cache.ptu"
_os_3_cache_blk_level[0].min=1;
#line 19 "<DIR>/cache.ptu"
_os_3_cache_blk_level[0].max=1;
#line 19 "<DIR>/cache.ptu"
_os_3_cache_blk_level[0]._datain.level=(uint8_t)(10);
#line 19 "<DIR>/cache.ptu"
_os_3_cache_blk_level[0].sel[0]=1;
#line 1085 "<DIR>/t.c"
_os_3_cache_blk_level[1].min=0;
_os_3_cache_blk_level[1].max=0;
#endif
#line 17 "<DIR>/cache.ptu"
r = 1;
#line 17 "<DIR>/cache.ptu"
PTU_INTEGER_C((vxu_integer)(r),0+33,10);
#line 21 "<DIR>/cache.ptu"
r = cache_patch(7, 0x11);
#line 1095 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
#line 17 "<DIR>/cache.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(r),0+33,10,(vxu_integer)((int)0),(vxu_integer)(
#line 17 "<DIR>/cache.ptu"
(int)0));
#line 1102 "<DIR>/t.c"
VXU_END_ELEMENT_C();

START_CHRONO_C();
_vx_init_muets();
#if size_1_cache_blk_read
#line 25 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0].min=1;
#line 25 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0].max=1;
#line 25 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0]._datain.lba=(unsigned int)(3);
#line 25 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0]._dataout.buf[0]=(BYTE)(0x01);
#line 25 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0]._dataout.buf[1]=(BYTE)(0x02);
#line 25 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0]._dataout.buf[2]=(BYTE)(0x03);
#line 25 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0]._dataout.buf[3]=(BYTE)(0x04);
#line 25 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0]._dataout.buf[4]=(BYTE)(0x05);
#line 25 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0]._dataout.buf[5]=(BYTE)(0x06);
#line 25 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0]._dataout.buf[6]=(BYTE)(0x07);
#line 25 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0]._dataout.buf[7]=(BYTE)(0x08);
#line 25 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0]._datain.len=(size_t)(8);
#line 25 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0].sel[0]=1;
#line 25 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0].sel[1]=1;
#line 25 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0].sel[2]=1;
#line 25 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0].ret=(int)(0);
#line 1140 "<DIR>/t.c"
_os_1_cache_blk_read[1].min=0;
_os_1_cache_blk_read[1].max=0;
#endif
#if size_2_cache_blk_write
#line 27 "<DIR>/cache.ptu"
_os_2_cache_blk_write[0].min=1;
#line 27 "<DIR>/cache.ptu"
_os_2_cache_blk_write[0].max=1;
#line 27 "<DIR>/cache.ptu"
_os_2_cache_blk_write[0]._datain.lba=(unsigned int)(3);
#line 27 "<DIR>/cache.ptu"
_os_2_cache_blk_write[0]._datain.data[0]=(const BYTE)(0x80);
#line 27 "<DIR>/cache.ptu"
_os_2_cache_blk_write[0]._datain.data[1]=(const BYTE)(0x83);
#line 27 "<DIR>/cache.ptu"
_os_2_cache_blk_write[0]._datain.data[2]=(const BYTE)(0x82);
#line 27 "<DIR>/cache.ptu"
_os_2_cache_blk_write[0]._datain.data[3]=(const BYTE)(0x85);
#line 27 "<DIR>/cache.ptu"
_os_2_cache_blk_write[0]._datain.data[4]=(const BYTE)(0x84);
#line 27 "<DIR>/cache.ptu"
_os_2_cache_blk_write[0]._datain.data[5]=(const BYTE)(0x87);
#line 27 "<DIR>/cache.ptu"
_os_2_cache_blk_write[0]._datain.data[6]=(const BYTE)(0x86);
#line 27 "<DIR>/cache.ptu"
_os_2_cache_blk_write[0]._datain.data[7]=(const BYTE)(0x89);
#line 27 "<DIR>/cache.ptu"
_os_2_cache_blk_write[0]._datain.len=(size_t)(8);
#line 27 "<DIR>/cache.ptu"
_os_2_cache_blk_write[0].sel[0]=1;
#line 27 "<DIR>/cache.ptu"
_os_2_cache_blk_write[0].sel[1]=1;
#line 27 "<DIR>/cache.ptu"
_os_2_cache_blk_write[0].sel[2]=1;
#line 27 "<DIR>/cache.ptu"
_os_2_cache_blk_write[0].ret=(int)(3);
#line 1177 "<DIR>/t.c"
_os_2_cache_blk_write[1].min=0;
_os_2_cache_blk_write[1].max=0;
#endif
#if size_3_cache_blk_level
#line 26 "<DIR>/cache.ptu"
_os_3_cache_blk_level[0].min=1;
#line 26 "<DIR>/cache.ptu"
_os_3_cache_blk_level[0].max=1;
#line 26 "<DIR>/cache.ptu"
_os_3_cache_blk_level[0]._datain.level=(uint8_t)(200);
#line 26 "<DIR>/cache.ptu"
_os_3_cache_blk_level[0].sel[0]=1;
#line 1190 "<DIR>/t.c"
_os_3_cache_blk_level[1].min=0;
_os_3_cache_blk_level[1].max=0;
#endif
#line 24 "<DIR>/cache.ptu"
r = 1;
#line 24 "<DIR>/cache.ptu"
PTU_INTEGER_C((vxu_integer)(r),0+35,10);
#line 28 "<DIR>/cache.ptu"
r = cache_patch(3, 0x81);
#line 1200 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
#line 24 "<DIR>/cache.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(r),0+35,10,(vxu_integer)((int)3),(vxu_integer)(
#line 24 "<DIR>/cache.ptu"
(int)3));
#line 1207 "<DIR>/t.c"
VXU_END_ELEMENT_C();

START_CHRONO_C();
_vx_init_muets();
#if size_1_cache_blk_read
#line 32 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0].min=1;
#line 32 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0].max=1;
#line 32 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0]._datain.lba=(unsigned int)(9);
#line 32 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0]._datain.len=(size_t)(8);
#line 32 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0].sel[0]=1;
#line 32 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0].sel[1]=1;
#line 32 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0].sel[2]=0;
#line 32 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0].ret=(int)(-1);
#line 1229 "<DIR>/t.c"
_os_1_cache_blk_read[1].min=0;
_os_1_cache_blk_read[1].max=0;
#endif
#line 31 "<DIR>/cache.ptu"
r = 1;
#line 31 "<DIR>/cache.ptu"
PTU_INTEGER_C((vxu_integer)(r),0+37,10);
#line 33 "<DIR>/cache.ptu"
r = cache_patch(9, 0x11);
#line 1239 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
#line 31 "<DIR>/cache.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(r),0+37,10,(vxu_integer)((int)-1),(vxu_integer)
#line 31 "<DIR>/cache.ptu"
((int)-1));
#line 1246 "<DIR>/t.c"
VXU_END_ELEMENT_C();
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }

if (VXU_TEST_BEGIN_C(38)) {

DCL_TST_C(38, "wrong_block");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 2;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#if size_1_cache_blk_read
#line 41 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0].min=1;
#line 41 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0].max=1;
#line 41 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0]._datain.lba=(unsigned int)(7);
#line 41 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0]._dataout.buf[0]=(BYTE)(0x20);
#line 41 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0]._dataout.buf[1]=(BYTE)(0x20);
#line 41 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0]._dataout.buf[2]=(BYTE)(0x20);
#line 41 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0]._dataout.buf[3]=(BYTE)(0x20);
#line 41 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0]._dataout.buf[4]=(BYTE)(0x20);
#line 41 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0]._dataout.buf[5]=(BYTE)(0x20);
#line 41 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0]._dataout.buf[6]=(BYTE)(0x20);
#line 41 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0]._dataout.buf[7]=(BYTE)(0x20);
#line 41 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0]._datain.len=(size_t)(8);
#line 41 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0].sel[0]=1;
#line 41 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0].sel[1]=1;
#line 41 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0].sel[2]=1;
#line 41 "<DIR>/cache.ptu"
_os_1_cache_blk_read[0].ret=(int)(0);
#line 1292 "<DIR>/t.c"
_os_1_cache_blk_read[1].min=0;
_os_1_cache_blk_read[1].max=0;
#endif
#if size_2_cache_blk_write
#line 43 "<DIR>/cache.ptu"
_os_2_cache_blk_write[0].min=1;
#line 43 "<DIR>/cache.ptu"
_os_2_cache_blk_write[0].max=1;
#line 43 "<DIR>/cache.ptu"
_os_2_cache_blk_write[0]._datain.lba=(unsigned int)(7);
#line 43 "<DIR>/cache.ptu"
_os_2_cache_blk_write[0]._datain.data[0]=(const BYTE)(0x31);
#line 43 "<DIR>/cache.ptu"
_os_2_cache_blk_write[0]._datain.data[1]=(const BYTE)(0x31);
#line 43 "<DIR>/cache.ptu"
_os_2_cache_blk_write[0]._datain.data[2]=(const BYTE)(0x31);
#line 43 "<DIR>/cache.ptu"
_os_2_cache_blk_write[0]._datain.data[3]=(const BYTE)(0x30);
#line 43 "<DIR>/cache.ptu"
_os_2_cache_blk_write[0]._datain.data[4]=(const BYTE)(0x31);
#line 43 "<DIR>/cache.ptu"
_os_2_cache_blk_write[0]._datain.data[5]=(const BYTE)(0x31);
#line 43 "<DIR>/cache.ptu"
_os_2_cache_blk_write[0]._datain.data[6]=(const BYTE)(0x31);
#line 43 "<DIR>/cache.ptu"
_os_2_cache_blk_write[0]._datain.data[7]=(const BYTE)(0x31);
#line 43 "<DIR>/cache.ptu"
_os_2_cache_blk_write[0]._datain.len=(size_t)(8);
#line 43 "<DIR>/cache.ptu"
_os_2_cache_blk_write[0].sel[0]=1;
#line 43 "<DIR>/cache.ptu"
_os_2_cache_blk_write[0].sel[1]=1;
#line 43 "<DIR>/cache.ptu"
_os_2_cache_blk_write[0].sel[2]=1;
#line 43 "<DIR>/cache.ptu"
_os_2_cache_blk_write[0].ret=(int)(0);
#line 1329 "<DIR>/t.c"
_os_2_cache_blk_write[1].min=0;
_os_2_cache_blk_write[1].max=0;
#endif
#if size_3_cache_blk_level
#line 42 "<DIR>/cache.ptu"
_os_3_cache_blk_level[0].min=1;
#line 42 "<DIR>/cache.ptu"
_os_3_cache_blk_level[0].max=1;
#line 42 "<DIR>/cache.ptu"
_os_3_cache_blk_level[0]._datain.level=(uint8_t)(200);
#line 42 "<DIR>/cache.ptu"
_os_3_cache_blk_level[0].sel[0]=1;
#line 1342 "<DIR>/t.c"
_os_3_cache_blk_level[1].min=0;
_os_3_cache_blk_level[1].max=0;
#endif
#line 40 "<DIR>/cache.ptu"
r = 1;
#line 40 "<DIR>/cache.ptu"
PTU_INTEGER_C((vxu_integer)(r),0+41,10);
#line 44 "<DIR>/cache.ptu"
r = cache_patch(7, 0x11);
#line 1352 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
#line 40 "<DIR>/cache.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(r),0+41,10,(vxu_integer)((int)0),(vxu_integer)(
#line 40 "<DIR>/cache.ptu"
(int)0));
#line 1359 "<DIR>/t.c"
VXU_END_ELEMENT_C();
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }
}/* END SERVICE cache_patch*/
void SRV2_CACHE_ROTATE (void) { 
/* BEGIN  SERVICE cache_rotate */
#ifdef NEEDS_NUM_TEST_OPE
NUM_OPERATION = 2;
#endif /*NEEDS_NUM_TEST_OPE*/

DCL_OP_C(42, "cache_rotate");
if (VXU_TEST_BEGIN_C(43)) {

DCL_TST_C(43, "rotate");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 1;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#if size_4_cache_blk_swap
#line 54 "<DIR>/cache.ptu"
_os_4_cache_blk_swap[0].min=1;
#line 54 "<DIR>/cache.ptu"
_os_4_cache_blk_swap[0].max=1;
#line 54 "<DIR>/cache.ptu"
_os_4_cache_blk_swap[0]._datain.v[0]=(int)(1);
#line 54 "<DIR>/cache.ptu"
_os_4_cache_blk_swap[0]._datain.v[1]=(int)(2);
#line 54 "<DIR>/cache.ptu"
_os_4_cache_blk_swap[0]._datain.v[2]=(int)(3);
#line 54 "<DIR>/cache.ptu"
_os_4_cache_blk_swap[0]._dataout.v[0]=(int)(30);
#line 54 "<DIR>/cache.ptu"
_os_4_cache_blk_swap[0]._dataout.v[1]=(int)(20);
#line 54 "<DIR>/cache.ptu"
_os_4_cache_blk_swap[0]._dataout.v[2]=(int)(10);
#line 54 "<DIR>/cache.ptu"
_os_4_cache_blk_swap[0].sel[0]=1;
#line 54 "<DIR>/cache.ptu"
_os_4_cache_blk_swap[0].sel[1]=1;
#line 1400 "<DIR>/t.c"
_os_4_cache_blk_swap[1].min=0;
_os_4_cache_blk_swap[1].max=0;
#endif
#line 53 "<DIR>/cache.ptu"
r = 0;
#line 53 "<DIR>/cache.ptu"
PTU_INTEGER_C((vxu_integer)(r),0+46,10);
#line 55 "<DIR>/cache.ptu"
r = cache_rotate();
#line 1410 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
#line 53 "<DIR>/cache.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(r),0+46,10,(vxu_integer)((int)3210),
#line 53 "<DIR>/cache.ptu"
(vxu_integer)((int)3210));
#line 1417 "<DIR>/t.c"
VXU_END_ELEMENT_C();
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }
}/* END SERVICE cache_rotate*/
void SRV3_CACHE_TAG (void) { 
/* BEGIN  SERVICE cache_tag */
#ifdef NEEDS_NUM_TEST_OPE
NUM_OPERATION = 3;
#endif /*NEEDS_NUM_TEST_OPE*/

DCL_OP_C(47, "cache_tag");
if (VXU_TEST_BEGIN_C(48)) {

DCL_TST_C(48, "tag");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 1;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#if size_5_cache_blk_log
#line 65 "<DIR>/cache.ptu"
_os_5_cache_blk_log[0].min=1;
#line 65 "<DIR>/cache.ptu"
_os_5_cache_blk_log[0].max=1;
#line 65 "<DIR>/cache.ptu"
memset(_os_5_cache_blk_log[0]._datain.text,0,sizeof
#line 65 "<DIR>/cache.ptu"
(_os_5_cache_blk_log[0]._datain.text));
#line 65 "<DIR>/cache.ptu"
VXU_STRCPY(_os_5_cache_blk_log[0]._datain.text,"cache");
#line 65 "<DIR>/cache.ptu"
_os_5_cache_blk_log[0].sel[0]=1;
#line 1450 "<DIR>/t.c"
_os_5_cache_blk_log[1].min=0;
_os_5_cache_blk_log[1].max=0;
#endif
#if size_6_cache_blk_status
#line 66 "<DIR>/cache.ptu"
_os_6_cache_blk_status[0].min=1;
#line 66 "<DIR>/cache.ptu"
_os_6_cache_blk_status[0].max=1;
#line 66 "<DIR>/cache.ptu"
_os_6_cache_blk_status[0].sel[0]=0;
#line 66 "<DIR>/cache.ptu"
_os_6_cache_blk_status[0].ret=(int)(0);
#line 1463 "<DIR>/t.c"
_os_6_cache_blk_status[1].min=0;
_os_6_cache_blk_status[1].max=0;
#endif
#line 64 "<DIR>/cache.ptu"
r = 0;
#line 64 "<DIR>/cache.ptu"
PTU_INTEGER_C((vxu_integer)(r),0+51,10);
#line 67 "<DIR>/cache.ptu"
r = cache_tag();
#line 1473 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
#line 64 "<DIR>/cache.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(r),0+51,10,(vxu_integer)((int)-1),(vxu_integer)
#line 64 "<DIR>/cache.ptu"
((int)-1));
#line 1480 "<DIR>/t.c"
VXU_END_ELEMENT_C();
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }
}/* END SERVICE cache_tag*/
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
SRV1_CACHE_PATCH();
SRV2_CACHE_ROTATE();
SRV3_CACHE_TAG();
CLF_C("<DIR>/t.rio");


#ifdef ZQZQ_MAIN_RETURN
 ZQZQ_MAIN_RETURN
#else
 return(0);
#endif

}/* end t */

VXU_TRACES_FILE("<DIR>/t.rio")

VXU_TESTS_BEGIN
VXU_TEST_ENTRY(30, "cache_patch", "patch", "<DIR>/cache.ptu", 14)
VXU_TEST_ENTRY(38, "cache_patch", "wrong_block", "<DIR>/cache.ptu", 37)
VXU_TEST_ENTRY(43, "cache_rotate", "rotate", "<DIR>/cache.ptu", 50)
VXU_TEST_ENTRY(48, "cache_tag", "tag", "<DIR>/cache.ptu", 61)
VXU_TESTS_END

