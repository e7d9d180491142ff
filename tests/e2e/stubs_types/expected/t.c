/**************************************************************************/
/** TOOL : Unit Test Compiler VERSION 8.3.0.1.342.020                    **/
/**                                                                      **/
/** COMMAND : vexorprepro types.ptu t.c -LANGUAGE=C -TARGET=LINUX -FAST  **/
/**    -STD_DEFINE=<TGT>/ana/vxus_c.def            **/
/**                                                                      **/
/** FILE : <DIR>/t.c                           **/
/**                                                                      **/
/** DATE : <DATE>                                      **/
/**************************************************************************/
#line 2 "<DIR>/types.ptu"
#include "types.h"
int drive(void);
int r;
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


/* simulation: make_pair */

#define _fn_1_types_make_pair 1
#ifndef _vx_types_make_pair
#define _vx_types_make_pair 1 /* pair_t make_pair(int a, double b) */
#endif

VXU_STUB_CNT _ix_1_types_make_pair STUBINACTIVE ;
#if size_1_types_make_pair
VXU_STUB_CNT _it_1_types_make_pair;

static struct _so_1_types_make_pair {
 VXU_STUB_CNT min;
 VXU_STUB_CNT max;
 pair_t ret;
 int sel[3];
 struct {
 int a;
 double b;
        } _datain;
} _os_1_types_make_pair[size_1_types_make_pair+1];

static struct _si_1_types_make_pair {
unsigned int indice;
struct {
 int a;
 double b;
  } _datain;
} _is_1_types_make_pair[calls_1_types_make_pair];
#endif

#pragma vexor vxo_stub
pair_t (make_pair)(int a, double b)
{
char Vexor_res;
#define VEXOR_F_IDX _ix_1_types_make_pair
#if size_1_types_make_pair
struct _si_1_types_make_pair * Vexor_ptr_in;
struct _so_1_types_make_pair * Vexor_ptr_out;
unsigned int _Vexor_i;
Vexor_res=0;
Vexor_ptr_out=&(_os_1_types_make_pair[0]);
  if (VXU_GLOBAL_STUB_INITIALISED(_ix_1_types_make_pair >= 0))
    {
  if (_it_1_types_make_pair<calls_1_types_make_pair)
    {
       Vexor_ptr_in = &(_is_1_types_make_pair[_it_1_types_make_pair]);
       Vexor_ptr_in->indice=0;
    }
  else
    {
       Vexor_ptr_in = (struct _si_1_types_make_pair *)0;
    }
#endif
  _ix_1_types_make_pair++;
#if size_1_types_make_pair
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_1_types_make_pair)
	   &&(_os_1_types_make_pair[_Vexor_i].min)
	   &&(  ((unsigned int)_os_1_types_make_pair[_Vexor_i].min>(unsigned int
)_ix_1_types_make_pair)
	      ||((unsigned int)_os_1_types_make_pair[_Vexor_i].max<(unsigned int
)_ix_1_types_make_pair)));
	  ++_Vexor_i);
  if ((_Vexor_i)&&(!_os_1_types_make_pair[_Vexor_i].max)){_Vexor_i--
;Vexor_res=1;}
    Vexor_ptr_out=&(_os_1_types_make_pair[_Vexor_i]);
  }
Vexor_res|=(Vexor_ptr_out->sel[0]&&((a)!=Vexor_ptr_out->_datain.a));
Vexor_res|=(Vexor_ptr_out->sel[1]&&((b)!=Vexor_ptr_out->_datain.b));
#else
  Vexor_res=1;
  (void)(a);
  (void)(b);
#endif
  EDV_CHRONO_MUET_C( 1, Vexor_res,_ix_1_types_make_pair );
#if size_1_types_make_pair
  if (Vexor_res && Vexor_ptr_in)
    {
      Vexor_ptr_in->indice=_ix_1_types_make_pair;
      Vexor_ptr_in->_datain.a=a;
      Vexor_ptr_in->_datain.b=b;
      _it_1_types_make_pair++;
    }
     }
#endif
#ifdef STUB_CALL_ORDER
     STUB_CALL_ORDER(_fn_1_types_make_pair);
#endif
#if size_1_types_make_pair
  if (VXU_GLOBAL_STUB_INITIALISED(_ix_1_types_make_pair >= 0))
    {
      return(Vexor_ptr_out->ret);
    }
#endif
#ifndef VXU_NO_STUB_RETURN_VALUE
{
  static pair_t ret;
  return ret;
}
#endif
#undef VEXOR_F_IDX
}
void checkin_1_types_make_pair(void)
{
#if size_1_types_make_pair
struct _si_1_types_make_pair * Vexor_ptr_in;
unsigned int i;
  struct _so_1_types_make_pair * Vexor_ptr_out;
int _Vexor_i;
VXU_STUB_CNT max;
max=0;
  for (_Vexor_i=0;((_Vexor_i<(size_1_types_make_pair))&&
(_os_1_types_make_pair[_Vexor_i].min>0));++_Vexor_i)
  {
    if (max < _os_1_types_make_pair[_Vexor_i].max)
      {
        max = _os_1_types_make_pair[_Vexor_i].max;
      }
  }
  EDV_MUET_CHECK(1,0);
if ((_os_1_types_make_pair[_Vexor_i].min)||(!
(_os_1_types_make_pair[_Vexor_i].max)))
  {
       EDV_INTEGER_C(1,1,(vxu_integer)(_ix_1_types_make_pair),0,10,(vxu_integer
)(max?max:_os_1_types_make_pair[0].min),(vxu_integer)max);
  }
else
  {
	 EDV_UNSIGNED_C(1,1,(vxu_unsigned)(_ix_1_types_make_pair),0,10,(vxu_unsigned
)max,(vxu_unsigned)_os_1_types_make_pair[_Vexor_i].max);
  }
for (i=0;i<(unsigned int)_it_1_types_make_pair;++i){
  Vexor_ptr_in=&(_is_1_types_make_pair[i]);
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_1_types_make_pair-1)
	   &&(_os_1_types_make_pair[_Vexor_i].min)
	   &&(  ((unsigned int
)_os_1_types_make_pair[_Vexor_i].min>Vexor_ptr_in->indice)
	      ||((unsigned int
)_os_1_types_make_pair[_Vexor_i].max<Vexor_ptr_in->indice)));
	  ++_Vexor_i);
    Vexor_ptr_out=&(_os_1_types_make_pair[_Vexor_i]);
  }
  EDV_MUET_CHECK(1, Vexor_ptr_in->indice);
  EDV_INTEGER_C((Vexor_ptr_out->min>0&&(unsigned int
)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=(unsigned int
)Vexor_ptr_out->max?Vexor_ptr_out->sel[0]:0),0,(vxu_integer)
(Vexor_ptr_in->_datain.a),0+3,10,(vxu_integer)(Vexor_ptr_out->_datain.a),
(vxu_integer)(Vexor_ptr_out->_datain.a));
  EDV_DOUBLE_C((Vexor_ptr_out->min>0&&(unsigned int
)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=(unsigned int
)Vexor_ptr_out->max?Vexor_ptr_out->sel[1]:0),0,(double)(Vexor_ptr_in->_datain.b
),0+4,(double)(Vexor_ptr_out->_datain.b),(double)(Vexor_ptr_out->_datain.b));
  }
#else
  EDV_MUET_CHECK(1,0);
	 EDV_INTEGER_C(1,1,(vxu_integer)(_ix_1_types_make_pair),0,10,(vxu_integer)-1,
(vxu_integer)0);
#endif
}

/* simulation: hash */

#define _fn_2_types_hash 2
#ifndef _vx_types_hash
#define _vx_types_hash 2 /* unsigned long hash(const char *s, unsigned n) */
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

VXU_STUB_CNT _ix_2_types_hash STUBINACTIVE ;
#if size_2_types_hash
VXU_STUB_CNT _it_2_types_hash;

static struct _so_2_types_hash {
 VXU_STUB_CNT min;
 VXU_STUB_CNT max;
 unsigned long ret;
 int sel[3];
 struct {
 const char * s;
 unsigned n;
        } _datain;
} _os_2_types_hash[size_2_types_hash+1];

static struct _si_2_types_hash {
unsigned int indice;
struct {
 const char * s;
 unsigned n;
  } _datain;
} _is_2_types_hash[calls_2_types_hash];
#endif

#pragma vexor vxo_stub
unsigned long (hash)(const char *s, unsigned n)
{
char Vexor_res;
#define VEXOR_F_IDX _ix_2_types_hash
#if size_2_types_hash
struct _si_2_types_hash * Vexor_ptr_in;
struct _so_2_types_hash * Vexor_ptr_out;
unsigned int _Vexor_i;
Vexor_res=0;
Vexor_ptr_out=&(_os_2_types_hash[0]);
  if (VXU_GLOBAL_STUB_INITIALISED(_ix_2_types_hash >= 0))
    {
  if (_it_2_types_hash<calls_2_types_hash)
    {
       Vexor_ptr_in = &(_is_2_types_hash[_it_2_types_hash]);
       Vexor_ptr_in->indice=0;
    }
  else
    {
       Vexor_ptr_in = (struct _si_2_types_hash *)0;
    }
#endif
  (void)_vxcc_ptr;
  (void)_vxcc_str;
  _ix_2_types_hash++;
#if size_2_types_hash
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_2_types_hash)
	   &&(_os_2_types_hash[_Vexor_i].min)
	   &&(  ((unsigned int)_os_2_types_hash[_Vexor_i].min>(unsigned int
)_ix_2_types_hash)
	      ||((unsigned int)_os_2_types_hash[_Vexor_i].max<(unsigned int
)_ix_2_types_hash)));
	  ++_Vexor_i);
  if ((_Vexor_i)&&(!_os_2_types_hash[_Vexor_i].max)){_Vexor_i--;Vexor_res=1;}
    Vexor_ptr_out=&(_os_2_types_hash[_Vexor_i]);
  }
Vexor_res|=(Vexor_ptr_out->sel[0]&&_vxcc_str((char *)(s),(char *)
(Vexor_ptr_out->_datain.s)));
Vexor_res|=(Vexor_ptr_out->sel[1]&&((n)!=Vexor_ptr_out->_datain.n));
#else
  Vexor_res=1;
  (void)(s);
  (void)(n);
#endif
  EDV_CHRONO_MUET_C( 5, Vexor_res,_ix_2_types_hash );
#if size_2_types_hash
  if (Vexor_res && Vexor_ptr_in)
    {
      Vexor_ptr_in->indice=_ix_2_types_hash;
      Vexor_ptr_in->_datain.s=(const char *)VXU_STUB_STR_KEEP(s);
      Vexor_ptr_in->_datain.n=n;
      _it_2_types_hash++;
    }
     }
#endif
#ifdef STUB_CALL_ORDER
     STUB_CALL_ORDER(_fn_2_types_hash);
#endif
#if size_2_types_hash
  if (VXU_GLOBAL_STUB_INITIALISED(_ix_2_types_hash >= 0))
    {
      return(Vexor_ptr_out->ret);
    }
#endif
#ifndef VXU_NO_STUB_RETURN_VALUE
  return(unsigned long)0;
#endif
#undef VEXOR_F_IDX
}
void checkin_2_types_hash(void)
{
#if size_2_types_hash
struct _si_2_types_hash * Vexor_ptr_in;
unsigned int i;
  struct _so_2_types_hash * Vexor_ptr_out;
int _Vexor_i;
VXU_STUB_CNT max;
max=0;
  for (_Vexor_i=0;((_Vexor_i<(size_2_types_hash))&&
(_os_2_types_hash[_Vexor_i].min>0));++_Vexor_i)
  {
    if (max < _os_2_types_hash[_Vexor_i].max)
      {
        max = _os_2_types_hash[_Vexor_i].max;
      }
  }
  EDV_MUET_CHECK(2,0);
if ((_os_2_types_hash[_Vexor_i].min)||(!(_os_2_types_hash[_Vexor_i].max)))
  {
       EDV_INTEGER_C(1,1,(vxu_integer)(_ix_2_types_hash),0,10,(vxu_integer)
(max?max:_os_2_types_hash[0].min),(vxu_integer)max);
  }
else
  {
	 EDV_UNSIGNED_C(1,1,(vxu_unsigned)(_ix_2_types_hash),0,10,(vxu_unsigned)max,
(vxu_unsigned)_os_2_types_hash[_Vexor_i].max);
  }
for (i=0;i<(unsigned int)_it_2_types_hash;++i){
  Vexor_ptr_in=&(_is_2_types_hash[i]);
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_2_types_hash-1)
	   &&(_os_2_types_hash[_Vexor_i].min)
	   &&(  ((unsigned int)_os_2_types_hash[_Vexor_i].min>Vexor_ptr_in->indice)
	      ||((unsigned int)_os_2_types_hash[_Vexor_i].max<Vexor_ptr_in->indice)));
	  ++_Vexor_i);
    Vexor_ptr_out=&(_os_2_types_hash[_Vexor_i]);
  }
  EDV_MUET_CHECK(2, Vexor_ptr_in->indice);
  EDV_STR_C((Vexor_ptr_out->min>0&&(unsigned int
)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=(unsigned int
)Vexor_ptr_out->max?Vexor_ptr_out->sel[0]:0),0,(vxu_charstring)
(Vexor_ptr_in->_datain.s),0+7,(vxu_charstring)(Vexor_ptr_out->_datain.s),
(vxu_charstring)(Vexor_ptr_out->_datain.s));
  EDV_UNSIGNED_C((Vexor_ptr_out->min>0&&(unsigned int
)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=(unsigned int
)Vexor_ptr_out->max?Vexor_ptr_out->sel[1]:0),0,(vxu_unsigned)
(Vexor_ptr_in->_datain.n),0+8,10,(vxu_unsigned)(Vexor_ptr_out->_datain.n),
(vxu_unsigned)(Vexor_ptr_out->_datain.n));
  }
#else
  EDV_MUET_CHECK(2,0);
	 EDV_INTEGER_C(1,1,(vxu_integer)(_ix_2_types_hash),0,10,(vxu_integer)-1,
(vxu_integer)0);
#endif
}

/* simulation: first */

#define _fn_3_types_first 3
#ifndef _vx_types_first
#define _vx_types_first 3 /* char first(char c, float f, double d) */
#endif

VXU_STUB_CNT _ix_3_types_first STUBINACTIVE ;
#if size_3_types_first
VXU_STUB_CNT _it_3_types_first;

static struct _so_3_types_first {
 VXU_STUB_CNT min;
 VXU_STUB_CNT max;
 char ret;
 int sel[4];
 struct {
 char c;
 float f;
 double d;
        } _datain;
} _os_3_types_first[size_3_types_first+1];

static struct _si_3_types_first {
unsigned int indice;
struct {
 char c;
 float f;
 double d;
  } _datain;
} _is_3_types_first[calls_3_types_first];
#endif

#pragma vexor vxo_stub
char (first)(char c, float f, double d)
{
char Vexor_res;
#define VEXOR_F_IDX _ix_3_types_first
#if size_3_types_first
struct _si_3_types_first * Vexor_ptr_in;
struct _so_3_types_first * Vexor_ptr_out;
unsigned int _Vexor_i;
Vexor_res=0;
Vexor_ptr_out=&(_os_3_types_first[0]);
  if (VXU_GLOBAL_STUB_INITIALISED(_ix_3_types_first >= 0))
    {
  if (_it_3_types_first<calls_3_types_first)
    {
       Vexor_ptr_in = &(_is_3_types_first[_it_3_types_first]);
       Vexor_ptr_in->indice=0;
    }
  else
    {
       Vexor_ptr_in = (struct _si_3_types_first *)0;
    }
#endif
  _ix_3_types_first++;
#if size_3_types_first
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_3_types_first)
	   &&(_os_3_types_first[_Vexor_i].min)
	   &&(  ((unsigned int)_os_3_types_first[_Vexor_i].min>(unsigned int
)_ix_3_types_first)
	      ||((unsigned int)_os_3_types_first[_Vexor_i].max<(unsigned int
)_ix_3_types_first)));
	  ++_Vexor_i);
  if ((_Vexor_i)&&(!_os_3_types_first[_Vexor_i].max)){_Vexor_i--;Vexor_res=1;}
    Vexor_ptr_out=&(_os_3_types_first[_Vexor_i]);
  }
Vexor_res|=(Vexor_ptr_out->sel[0]&&((c)!=Vexor_ptr_out->_datain.c));
Vexor_res|=(Vexor_ptr_out->sel[1]&&((f)!=Vexor_ptr_out->_datain.f));
Vexor_res|=(Vexor_ptr_out->sel[2]&&((d)!=Vexor_ptr_out->_datain.d));
#else
  Vexor_res=1;
  (void)(c);
  (void)(f);
  (void)(d);
#endif
  EDV_CHRONO_MUET_C( 9, Vexor_res,_ix_3_types_first );
#if size_3_types_first
  if (Vexor_res && Vexor_ptr_in)
    {
      Vexor_ptr_in->indice=_ix_3_types_first;
      Vexor_ptr_in->_datain.c=c;
      Vexor_ptr_in->_datain.f=f;
      Vexor_ptr_in->_datain.d=d;
      _it_3_types_first++;
    }
     }
#endif
#ifdef STUB_CALL_ORDER
     STUB_CALL_ORDER(_fn_3_types_first);
#endif
#if size_3_types_first
  if (VXU_GLOBAL_STUB_INITIALISED(_ix_3_types_first >= 0))
    {
      return(Vexor_ptr_out->ret);
    }
#endif
#ifndef VXU_NO_STUB_RETURN_VALUE
  return(char)0;
#endif
#undef VEXOR_F_IDX
}
void checkin_3_types_first(void)
{
#if size_3_types_first
struct _si_3_types_first * Vexor_ptr_in;
unsigned int i;
  struct _so_3_types_first * Vexor_ptr_out;
int _Vexor_i;
VXU_STUB_CNT max;
max=0;
  for (_Vexor_i=0;((_Vexor_i<(size_3_types_first))&&
(_os_3_types_first[_Vexor_i].min>0));++_Vexor_i)
  {
    if (max < _os_3_types_first[_Vexor_i].max)
      {
        max = _os_3_types_first[_Vexor_i].max;
      }
  }
  EDV_MUET_CHECK(3,0);
if ((_os_3_types_first[_Vexor_i].min)||(!(_os_3_types_first[_Vexor_i].max)))
  {
       EDV_INTEGER_C(1,1,(vxu_integer)(_ix_3_types_first),0,10,(vxu_integer)
(max?max:_os_3_types_first[0].min),(vxu_integer)max);
  }
else
  {
	 EDV_UNSIGNED_C(1,1,(vxu_unsigned)(_ix_3_types_first),0,10,(vxu_unsigned)max,
(vxu_unsigned)_os_3_types_first[_Vexor_i].max);
  }
for (i=0;i<(unsigned int)_it_3_types_first;++i){
  Vexor_ptr_in=&(_is_3_types_first[i]);
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_3_types_first-1)
	   &&(_os_3_types_first[_Vexor_i].min)
	   &&(  ((unsigned int)_os_3_types_first[_Vexor_i].min>Vexor_ptr_in->indice)
	      ||((unsigned int)_os_3_types_first[_Vexor_i].max<Vexor_ptr_in->indice)));
	  ++_Vexor_i);
    Vexor_ptr_out=&(_os_3_types_first[_Vexor_i]);
  }
  EDV_MUET_CHECK(3, Vexor_ptr_in->indice);
  EDV_CHAR_C((Vexor_ptr_out->min>0&&(unsigned int
)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=(unsigned int
)Vexor_ptr_out->max?Vexor_ptr_out->sel[0]:0),0,(char)(Vexor_ptr_in->_datain.c)
,0+11,(char)(Vexor_ptr_out->_datain.c),(char)(Vexor_ptr_out->_datain.c));
  EDV_FLOAT_C((Vexor_ptr_out->min>0&&(unsigned int
)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=(unsigned int
)Vexor_ptr_out->max?Vexor_ptr_out->sel[1]:0),0,(float)(Vexor_ptr_in->_datain.f)
,0+12,(float)(Vexor_ptr_out->_datain.f),(float)(Vexor_ptr_out->_datain.f));
  EDV_DOUBLE_C((Vexor_ptr_out->min>0&&(unsigned int
)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=(unsigned int
)Vexor_ptr_out->max?Vexor_ptr_out->sel[2]:0),0,(double)(Vexor_ptr_in->_datain.d
),0+13,(double)(Vexor_ptr_out->_datain.d),(double)(Vexor_ptr_out->_datain.d));
  }
#else
  EDV_MUET_CHECK(3,0);
	 EDV_INTEGER_C(1,1,(vxu_integer)(_ix_3_types_first),0,10,(vxu_integer)-1,
(vxu_integer)0);
#endif
}

/* simulation: paint */

#define _fn_4_types_paint 4
#ifndef _vx_types_paint
#define _vx_types_paint 4 /* void paint(enum color c, pair_t p, union u v) */
#endif
#ifndef _vxcc_const
#define _vxcc_const
#endif
int _vxcc_t_pair_t( _vxcc_const pair_t *p, _vxcc_const pair_t *ref, int mem,
 pair_t *store, _vxcc_const int *sel)
{
int Vexor_res;
Vexor_res=0;
if (sel[mem]){
  Vexor_res|=(((*p).a)!=((*ref).a));
  Vexor_res|=(((*p).b)!=((*ref).b));
}
if (store){
  *store=*p;
}
return (Vexor_res);
}
int _vxcc_u_u( _vxcc_const union u *p, _vxcc_const union u *ref, int mem, union
 u *store, _vxcc_const int *sel)
{
int Vexor_res;
Vexor_res=0;
if (sel[mem]){
  Vexor_res|=(((*p).i)!=((*ref).i));
}
if (store){
  *store=*p;
}
return (Vexor_res);
}

VXU_STUB_CNT _ix_4_types_paint STUBINACTIVE ;
#if size_4_types_paint
VXU_STUB_CNT _it_4_types_paint;

static struct _so_4_types_paint {
 VXU_STUB_CNT min;
 VXU_STUB_CNT max;
 int sel[4];
 struct {
 enum color c;
 pair_t p;
 union u v;
        } _datain;
} _os_4_types_paint[size_4_types_paint+1];

static struct _si_4_types_paint {
unsigned int indice;
struct {
 enum color c;
 pair_t p;
 union u v;
  } _datain;
} _is_4_types_paint[calls_4_types_paint];
#endif

#pragma vexor vxo_stub
void (paint)(enum color c, pair_t p, union u v)
{
char Vexor_res;
#define VEXOR_F_IDX _ix_4_types_paint
#if size_4_types_paint
struct _si_4_types_paint * Vexor_ptr_in;
struct _so_4_types_paint * Vexor_ptr_out;
unsigned int _Vexor_i;
Vexor_res=0;
Vexor_ptr_out=&(_os_4_types_paint[0]);
  if (VXU_GLOBAL_STUB_INITIALISED(_ix_4_types_paint >= 0))
    {
  if (_it_4_types_paint<calls_4_types_paint)
    {
       Vexor_ptr_in = &(_is_4_types_paint[_it_4_types_paint]);
       Vexor_ptr_in->indice=0;
    }
  else
    {
       Vexor_ptr_in = (struct _si_4_types_paint *)0;
    }
#endif
  _ix_4_types_paint++;
#if size_4_types_paint
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_4_types_paint)
	   &&(_os_4_types_paint[_Vexor_i].min)
	   &&(  ((unsigned int)_os_4_types_paint[_Vexor_i].min>(unsigned int
)_ix_4_types_paint)
	      ||((unsigned int)_os_4_types_paint[_Vexor_i].max<(unsigned int
)_ix_4_types_paint)));
	  ++_Vexor_i);
  if ((_Vexor_i)&&(!_os_4_types_paint[_Vexor_i].max)){_Vexor_i--;Vexor_res=1;}
    Vexor_ptr_out=&(_os_4_types_paint[_Vexor_i]);
  }
Vexor_res|=(Vexor_ptr_out->sel[0]&&((c)!=Vexor_ptr_out->_datain.c));
Vexor_res|=(_vxcc_t_pair_t(&(p),&(Vexor_ptr_out->_datain.p),1,(Vexor_ptr_in?&
(Vexor_ptr_in->_datain.p):0),&(Vexor_ptr_out->sel[0])));
Vexor_res|=(_vxcc_u_u(&(v),&(Vexor_ptr_out->_datain.v),2,(Vexor_ptr_in?&
(Vexor_ptr_in->_datain.v):0),&(Vexor_ptr_out->sel[0])));
#else
  Vexor_res=1;
  (void)(c);
  (void)(p);
  (void)(v);
#endif
  EDV_CHRONO_MUET_C( 14, Vexor_res,_ix_4_types_paint );
#if size_4_types_paint
  if (Vexor_res && Vexor_ptr_in)
    {
      Vexor_ptr_in->indice=_ix_4_types_paint;
      Vexor_ptr_in->_datain.c=c;
      Vexor_ptr_in->_datain.p=p;
      Vexor_ptr_in->_datain.v=v;
      _it_4_types_paint++;
    }
     }
#endif
#ifdef STUB_CALL_ORDER
     STUB_CALL_ORDER(_fn_4_types_paint);
#endif
#undef VEXOR_F_IDX
}
void checkin_4_types_paint(void)
{
#if size_4_types_paint
struct _si_4_types_paint * Vexor_ptr_in;
unsigned int i;
  struct _so_4_types_paint * Vexor_ptr_out;
int _Vexor_i;
VXU_STUB_CNT max;
max=0;
  for (_Vexor_i=0;((_Vexor_i<(size_4_types_paint))&&
(_os_4_types_paint[_Vexor_i].min>0));++_Vexor_i)
  {
    if (max < _os_4_types_paint[_Vexor_i].max)
      {
        max = _os_4_types_paint[_Vexor_i].max;
      }
  }
  EDV_MUET_CHECK(4,0);
if ((_os_4_types_paint[_Vexor_i].min)||(!(_os_4_types_paint[_Vexor_i].max)))
  {
       EDV_INTEGER_C(1,1,(vxu_integer)(_ix_4_types_paint),0,10,(vxu_integer)
(max?max:_os_4_types_paint[0].min),(vxu_integer)max);
  }
else
  {
	 EDV_UNSIGNED_C(1,1,(vxu_unsigned)(_ix_4_types_paint),0,10,(vxu_unsigned)max,
(vxu_unsigned)_os_4_types_paint[_Vexor_i].max);
  }
for (i=0;i<(unsigned int)_it_4_types_paint;++i){
  Vexor_ptr_in=&(_is_4_types_paint[i]);
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_4_types_paint-1)
	   &&(_os_4_types_paint[_Vexor_i].min)
	   &&(  ((unsigned int)_os_4_types_paint[_Vexor_i].min>Vexor_ptr_in->indice)
	      ||((unsigned int)_os_4_types_paint[_Vexor_i].max<Vexor_ptr_in->indice)));
	  ++_Vexor_i);
    Vexor_ptr_out=&(_os_4_types_paint[_Vexor_i]);
  }
  EDV_MUET_CHECK(4, Vexor_ptr_in->indice);
  EDV_INTEGER_C((Vexor_ptr_out->min>0&&(unsigned int
)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=(unsigned int
)Vexor_ptr_out->max?Vexor_ptr_out->sel[0]:0),0,(vxu_integer)
(Vexor_ptr_in->_datain.c),0+16,10,(vxu_integer)(Vexor_ptr_out->_datain.c),
(vxu_integer)(Vexor_ptr_out->_datain.c));
  EDV_INTEGER_C((Vexor_ptr_out->min>0&&(unsigned int
)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=(unsigned int
)Vexor_ptr_out->max?Vexor_ptr_out->sel[1]:0),0,(vxu_integer)
(Vexor_ptr_in->_datain.p.a),0+17,10,(vxu_integer)(Vexor_ptr_out->_datain.p.a),
(vxu_integer)(Vexor_ptr_out->_datain.p.a));
  EDV_DOUBLE_C((Vexor_ptr_out->min>0&&(unsigned int
)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=(unsigned int
)Vexor_ptr_out->max?Vexor_ptr_out->sel[1]:0),0,(double)
(Vexor_ptr_in->_datain.p.b),0+18,(double)(Vexor_ptr_out->_datain.p.b),(double)
(Vexor_ptr_out->_datain.p.b));
  EDV_INTEGER_C((Vexor_ptr_out->min>0&&(unsigned int
)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=(unsigned int
)Vexor_ptr_out->max?Vexor_ptr_out->sel[2]:0),0,(vxu_integer)
(Vexor_ptr_in->_datain.v.i),0+19,10,(vxu_integer)(Vexor_ptr_out->_datain.v.i),
(vxu_integer)(Vexor_ptr_out->_datain.v.i));
  }
#else
  EDV_MUET_CHECK(4,0);
	 EDV_INTEGER_C(1,1,(vxu_integer)(_ix_4_types_paint),0,10,(vxu_integer)-1,
(vxu_integer)0);
#endif
}

/* simulation: call */

#define _fn_5_types_call 5
#ifndef _vx_types_call
#define _vx_types_call 5 /* int call(handler_t h, void *data) */
#endif

VXU_STUB_CNT _ix_5_types_call STUBINACTIVE ;
#if size_5_types_call
VXU_STUB_CNT _it_5_types_call;

static struct _so_5_types_call {
 VXU_STUB_CNT min;
 VXU_STUB_CNT max;
 int ret;
 int sel[3];
 struct {
 handler_t h;
 void * data;
        } _datain;
} _os_5_types_call[size_5_types_call+1];

static struct _si_5_types_call {
unsigned int indice;
struct {
 handler_t h;
 void * data;
  } _datain;
} _is_5_types_call[calls_5_types_call];
#endif

#pragma vexor vxo_stub
int (call)(handler_t h, void *data)
{
char Vexor_res;
#define VEXOR_F_IDX _ix_5_types_call
#if size_5_types_call
struct _si_5_types_call * Vexor_ptr_in;
struct _so_5_types_call * Vexor_ptr_out;
unsigned int _Vexor_i;
Vexor_res=0;
Vexor_ptr_out=&(_os_5_types_call[0]);
  if (VXU_GLOBAL_STUB_INITIALISED(_ix_5_types_call >= 0))
    {
  if (_it_5_types_call<calls_5_types_call)
    {
       Vexor_ptr_in = &(_is_5_types_call[_it_5_types_call]);
       Vexor_ptr_in->indice=0;
    }
  else
    {
       Vexor_ptr_in = (struct _si_5_types_call *)0;
    }
#endif
  (void)_vxcc_ptr;
  (void)_vxcc_str;
  _ix_5_types_call++;
#if size_5_types_call
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_5_types_call)
	   &&(_os_5_types_call[_Vexor_i].min)
	   &&(  ((unsigned int)_os_5_types_call[_Vexor_i].min>(unsigned int
)_ix_5_types_call)
	      ||((unsigned int)_os_5_types_call[_Vexor_i].max<(unsigned int
)_ix_5_types_call)));
	  ++_Vexor_i);
  if ((_Vexor_i)&&(!_os_5_types_call[_Vexor_i].max)){_Vexor_i--;Vexor_res=1;}
    Vexor_ptr_out=&(_os_5_types_call[_Vexor_i]);
  }
Vexor_res|=(Vexor_ptr_out->sel[0]&&_VXCC_FUNCPTR(h,Vexor_ptr_out->_datain.h));
Vexor_res|=(Vexor_ptr_out->sel[1]&&_vxcc_ptr((vxu_pointer)(data),(vxu_pointer)
(Vexor_ptr_out->_datain.data)));
#else
  Vexor_res=1;
  (void)(h);
  (void)(data);
#endif
  EDV_CHRONO_MUET_C( 20, Vexor_res,_ix_5_types_call );
#if size_5_types_call
  if (Vexor_res && Vexor_ptr_in)
    {
      Vexor_ptr_in->indice=_ix_5_types_call;
      Vexor_ptr_in->_datain.h=h;
      Vexor_ptr_in->_datain.data=data;
      _it_5_types_call++;
    }
     }
#endif
#ifdef STUB_CALL_ORDER
     STUB_CALL_ORDER(_fn_5_types_call);
#endif
#if size_5_types_call
  if (VXU_GLOBAL_STUB_INITIALISED(_ix_5_types_call >= 0))
    {
      return(Vexor_ptr_out->ret);
    }
#endif
#ifndef VXU_NO_STUB_RETURN_VALUE
  return(int)0;
#endif
#undef VEXOR_F_IDX
}
void checkin_5_types_call(void)
{
#if size_5_types_call
struct _si_5_types_call * Vexor_ptr_in;
unsigned int i;
  struct _so_5_types_call * Vexor_ptr_out;
int _Vexor_i;
VXU_STUB_CNT max;
max=0;
  for (_Vexor_i=0;((_Vexor_i<(size_5_types_call))&&
(_os_5_types_call[_Vexor_i].min>0));++_Vexor_i)
  {
    if (max < _os_5_types_call[_Vexor_i].max)
      {
        max = _os_5_types_call[_Vexor_i].max;
      }
  }
  EDV_MUET_CHECK(5,0);
if ((_os_5_types_call[_Vexor_i].min)||(!(_os_5_types_call[_Vexor_i].max)))
  {
       EDV_INTEGER_C(1,1,(vxu_integer)(_ix_5_types_call),0,10,(vxu_integer)
(max?max:_os_5_types_call[0].min),(vxu_integer)max);
  }
else
  {
	 EDV_UNSIGNED_C(1,1,(vxu_unsigned)(_ix_5_types_call),0,10,(vxu_unsigned)max,
(vxu_unsigned)_os_5_types_call[_Vexor_i].max);
  }
for (i=0;i<(unsigned int)_it_5_types_call;++i){
  Vexor_ptr_in=&(_is_5_types_call[i]);
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_5_types_call-1)
	   &&(_os_5_types_call[_Vexor_i].min)
	   &&(  ((unsigned int)_os_5_types_call[_Vexor_i].min>Vexor_ptr_in->indice)
	      ||((unsigned int)_os_5_types_call[_Vexor_i].max<Vexor_ptr_in->indice)));
	  ++_Vexor_i);
    Vexor_ptr_out=&(_os_5_types_call[_Vexor_i]);
  }
  EDV_MUET_CHECK(5, Vexor_ptr_in->indice);
  EDV_FUNCPOINTER_C((Vexor_ptr_out->min>0&&(unsigned int
)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=(unsigned int
)Vexor_ptr_out->max?Vexor_ptr_out->sel[0]:0),0,Vexor_ptr_in->_datain.h,0+22
,Vexor_ptr_out->_datain.h);
  EDV_POINTER_C((Vexor_ptr_out->min>0&&(unsigned int
)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=(unsigned int
)Vexor_ptr_out->max?Vexor_ptr_out->sel[1]:0),0,(vxu_pointer)
(Vexor_ptr_in->_datain.data),0+23,(vxu_pointer)(Vexor_ptr_out->_datain.data));
  }
#else
  EDV_MUET_CHECK(5,0);
	 EDV_INTEGER_C(1,1,(vxu_integer)(_ix_5_types_call),0,10,(vxu_integer)-1,
(vxu_integer)0);
#endif
}

/* simulation: fill */

#define _fn_6_types_fill 6
#ifndef _vx_types_fill
#define _vx_types_fill 6 /* void fill(struct rec *out, const struct rec *in) */
#endif

VXU_STUB_CNT _ix_6_types_fill STUBINACTIVE ;
#if size_6_types_fill
VXU_STUB_CNT _it_6_types_fill;

static struct _so_6_types_fill {
 VXU_STUB_CNT min;
 VXU_STUB_CNT max;
 int sel[3];
 struct {
 struct rec out;
        } _dataout;
 struct {
 const struct rec * in;
        } _datain;
} _os_6_types_fill[size_6_types_fill+1];

static struct _si_6_types_fill {
unsigned int indice;
struct {
 const struct rec * in;
  } _datain;
} _is_6_types_fill[calls_6_types_fill];
#endif

#pragma vexor vxo_stub
void (fill)(struct rec *out, const struct rec *in)
{
char Vexor_res;
#define VEXOR_F_IDX _ix_6_types_fill
#if size_6_types_fill
struct _si_6_types_fill * Vexor_ptr_in;
struct _so_6_types_fill * Vexor_ptr_out;
unsigned int _Vexor_i;
Vexor_res=0;
Vexor_ptr_out=&(_os_6_types_fill[0]);
  if (VXU_GLOBAL_STUB_INITIALISED(_ix_6_types_fill >= 0))
    {
  if (_it_6_types_fill<calls_6_types_fill)
    {
       Vexor_ptr_in = &(_is_6_types_fill[_it_6_types_fill]);
       Vexor_ptr_in->indice=0;
    }
  else
    {
       Vexor_ptr_in = (struct _si_6_types_fill *)0;
    }
#endif
  (void)_vxcc_ptr;
  (void)_vxcc_str;
  _ix_6_types_fill++;
#if size_6_types_fill
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_6_types_fill)
	   &&(_os_6_types_fill[_Vexor_i].min)
	   &&(  ((unsigned int)_os_6_types_fill[_Vexor_i].min>(unsigned int
)_ix_6_types_fill)
	      ||((unsigned int)_os_6_types_fill[_Vexor_i].max<(unsigned int
)_ix_6_types_fill)));
	  ++_Vexor_i);
  if ((_Vexor_i)&&(!_os_6_types_fill[_Vexor_i].max)){_Vexor_i--;Vexor_res=1;}
    Vexor_ptr_out=&(_os_6_types_fill[_Vexor_i]);
  }
Vexor_res|=(Vexor_ptr_out->sel[0]&&_vxcc_ptr((vxu_pointer)(in),(vxu_pointer)
(Vexor_ptr_out->_datain.in)));
#else
  Vexor_res=1;
  (void)(out);
  (void)(in);
#endif
  EDV_CHRONO_MUET_C( 24, Vexor_res,_ix_6_types_fill );
#if size_6_types_fill
  if (Vexor_res && Vexor_ptr_in)
    {
      Vexor_ptr_in->indice=_ix_6_types_fill;
      Vexor_ptr_in->_datain.in=in;
      _it_6_types_fill++;
    }
     }
#endif
#ifdef STUB_CALL_ORDER
     STUB_CALL_ORDER(_fn_6_types_fill);
#endif
#if size_6_types_fill
  if (VXU_GIVEN(out)&&(Vexor_ptr_out->min>0)&&(Vexor_ptr_out->sel[1])) *(out
)=Vexor_ptr_out->_dataout.out;
#endif
#undef VEXOR_F_IDX
}
void checkin_6_types_fill(void)
{
#if size_6_types_fill
struct _si_6_types_fill * Vexor_ptr_in;
unsigned int i;
  struct _so_6_types_fill * Vexor_ptr_out;
int _Vexor_i;
VXU_STUB_CNT max;
max=0;
  for (_Vexor_i=0;((_Vexor_i<(size_6_types_fill))&&
(_os_6_types_fill[_Vexor_i].min>0));++_Vexor_i)
  {
    if (max < _os_6_types_fill[_Vexor_i].max)
      {
        max = _os_6_types_fill[_Vexor_i].max;
      }
  }
  EDV_MUET_CHECK(6,0);
if ((_os_6_types_fill[_Vexor_i].min)||(!(_os_6_types_fill[_Vexor_i].max)))
  {
       EDV_INTEGER_C(1,1,(vxu_integer)(_ix_6_types_fill),0,10,(vxu_integer)
(max?max:_os_6_types_fill[0].min),(vxu_integer)max);
  }
else
  {
	 EDV_UNSIGNED_C(1,1,(vxu_unsigned)(_ix_6_types_fill),0,10,(vxu_unsigned)max,
(vxu_unsigned)_os_6_types_fill[_Vexor_i].max);
  }
for (i=0;i<(unsigned int)_it_6_types_fill;++i){
  Vexor_ptr_in=&(_is_6_types_fill[i]);
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_6_types_fill-1)
	   &&(_os_6_types_fill[_Vexor_i].min)
	   &&(  ((unsigned int)_os_6_types_fill[_Vexor_i].min>Vexor_ptr_in->indice)
	      ||((unsigned int)_os_6_types_fill[_Vexor_i].max<Vexor_ptr_in->indice)));
	  ++_Vexor_i);
    Vexor_ptr_out=&(_os_6_types_fill[_Vexor_i]);
  }
  EDV_MUET_CHECK(6, Vexor_ptr_in->indice);
  EDV_POINTER_C((Vexor_ptr_out->min>0&&(unsigned int
)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=(unsigned int
)Vexor_ptr_out->max?Vexor_ptr_out->sel[0]:0),0,(vxu_pointer)
(Vexor_ptr_in->_datain.in),0+26,(vxu_pointer)(Vexor_ptr_out->_datain.in));
  }
#else
  EDV_MUET_CHECK(6,0);
	 EDV_INTEGER_C(1,1,(vxu_integer)(_ix_6_types_fill),0,10,(vxu_integer)-1,
(vxu_integer)0);
#endif
}

/* simulation: count_up */

#define _fn_7_types_count_up 7
#ifndef _vx_types_count_up
#define _vx_types_count_up 7 /* int count_up(int) */
#endif

VXU_STUB_CNT _ix_7_types_count_up STUBINACTIVE ;
#if size_7_types_count_up
VXU_STUB_CNT _it_7_types_count_up;

static struct _so_7_types_count_up {
 VXU_STUB_CNT min;
 VXU_STUB_CNT max;
 int ret;
 int sel[2];
 struct {
 int Vexor_P_1;
        } _datain;
} _os_7_types_count_up[size_7_types_count_up+1];

static struct _si_7_types_count_up {
unsigned int indice;
struct {
 int Vexor_P_1;
  } _datain;
} _is_7_types_count_up[calls_7_types_count_up];
#endif

#pragma vexor vxo_stub
int (count_up)(int Vexor_P_1)
{
char Vexor_res;
#define VEXOR_F_IDX _ix_7_types_count_up
#if size_7_types_count_up
struct _si_7_types_count_up * Vexor_ptr_in;
struct _so_7_types_count_up * Vexor_ptr_out;
unsigned int _Vexor_i;
Vexor_res=0;
Vexor_ptr_out=&(_os_7_types_count_up[0]);
  if (VXU_GLOBAL_STUB_INITIALISED(_ix_7_types_count_up >= 0))
    {
  if (_it_7_types_count_up<calls_7_types_count_up)
    {
       Vexor_ptr_in = &(_is_7_types_count_up[_it_7_types_count_up]);
       Vexor_ptr_in->indice=0;
    }
  else
    {
       Vexor_ptr_in = (struct _si_7_types_count_up *)0;
    }
#endif
  _ix_7_types_count_up++;
#if size_7_types_count_up
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_7_types_count_up)
	   &&(_os_7_types_count_up[_Vexor_i].min)
	   &&(  ((unsigned int)_os_7_types_count_up[_Vexor_i].min>(unsigned int
)_ix_7_types_count_up)
	      ||((unsigned int)_os_7_types_count_up[_Vexor_i].max<(unsigned int
)_ix_7_types_count_up)));
	  ++_Vexor_i);
  if ((_Vexor_i)&&(!_os_7_types_count_up[_Vexor_i].max)){_Vexor_i--;Vexor_res=1
;}
    Vexor_ptr_out=&(_os_7_types_count_up[_Vexor_i]);
  }
Vexor_res|=(Vexor_ptr_out->sel[0]&&((Vexor_P_1
)!=Vexor_ptr_out->_datain.Vexor_P_1));
#else
  Vexor_res=1;
  (void)(Vexor_P_1);
#endif
  EDV_CHRONO_MUET_C( 27, Vexor_res,_ix_7_types_count_up );
#if size_7_types_count_up
  if (Vexor_res && Vexor_ptr_in)
    {
      Vexor_ptr_in->indice=_ix_7_types_count_up;
      Vexor_ptr_in->_datain.Vexor_P_1=Vexor_P_1;
      _it_7_types_count_up++;
    }
     }
#endif
#ifdef STUB_CALL_ORDER
     STUB_CALL_ORDER(_fn_7_types_count_up);
#endif
#if size_7_types_count_up
  if (VXU_GLOBAL_STUB_INITIALISED(_ix_7_types_count_up >= 0))
    {
      return(Vexor_ptr_out->ret);
    }
#endif
#ifndef VXU_NO_STUB_RETURN_VALUE
  return(int)0;
#endif
#undef VEXOR_F_IDX
}
void checkin_7_types_count_up(void)
{
#if size_7_types_count_up
struct _si_7_types_count_up * Vexor_ptr_in;
unsigned int i;
  struct _so_7_types_count_up * Vexor_ptr_out;
int _Vexor_i;
VXU_STUB_CNT max;
max=0;
  for (_Vexor_i=0;((_Vexor_i<(size_7_types_count_up))&&
(_os_7_types_count_up[_Vexor_i].min>0));++_Vexor_i)
  {
    if (max < _os_7_types_count_up[_Vexor_i].max)
      {
        max = _os_7_types_count_up[_Vexor_i].max;
      }
  }
  EDV_MUET_CHECK(7,0);
if ((_os_7_types_count_up[_Vexor_i].min)||(!(_os_7_types_count_up[_Vexor_i].max
)))
  {
       EDV_INTEGER_C(1,1,(vxu_integer)(_ix_7_types_count_up),0,10,(vxu_integer)
(max?max:_os_7_types_count_up[0].min),(vxu_integer)max);
  }
else
  {
	 EDV_UNSIGNED_C(1,1,(vxu_unsigned)(_ix_7_types_count_up),0,10,(vxu_unsigned
)max,(vxu_unsigned)_os_7_types_count_up[_Vexor_i].max);
  }
for (i=0;i<(unsigned int)_it_7_types_count_up;++i){
  Vexor_ptr_in=&(_is_7_types_count_up[i]);
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_7_types_count_up-1)
	   &&(_os_7_types_count_up[_Vexor_i].min)
	   &&(  ((unsigned int)_os_7_types_count_up[_Vexor_i].min>Vexor_ptr_in->indice)
	      ||((unsigned int)_os_7_types_count_up[_Vexor_i].max<Vexor_ptr_in->indice
)));
	  ++_Vexor_i);
    Vexor_ptr_out=&(_os_7_types_count_up[_Vexor_i]);
  }
  EDV_MUET_CHECK(7, Vexor_ptr_in->indice);
  EDV_INTEGER_C((Vexor_ptr_out->min>0&&(unsigned int
)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=(unsigned int
)Vexor_ptr_out->max?Vexor_ptr_out->sel[0]:0),0,(vxu_integer)
(Vexor_ptr_in->_datain.Vexor_P_1),0+29,10,(vxu_integer)
(Vexor_ptr_out->_datain.Vexor_P_1),(vxu_integer)
(Vexor_ptr_out->_datain.Vexor_P_1));
  }
#else
  EDV_MUET_CHECK(7,0);
	 EDV_INTEGER_C(1,1,(vxu_integer)(_ix_7_types_count_up),0,10,(vxu_integer)-1,
(vxu_integer)0);
#endif
}

/* simulation: take_frame */

#define _fn_8_types_take_frame 8
#ifndef _vx_types_take_frame
#define _vx_types_take_frame 8 /* frame_t take_frame(void) */
#endif

VXU_STUB_CNT _ix_8_types_take_frame STUBINACTIVE ;
#if size_8_types_take_frame

static struct _so_8_types_take_frame {
 VXU_STUB_CNT min;
 VXU_STUB_CNT max;
 frame_t ret;
} _os_8_types_take_frame[size_8_types_take_frame+1];
#endif

#pragma vexor vxo_stub
frame_t (take_frame)(void)
{
char Vexor_res;
#define VEXOR_F_IDX _ix_8_types_take_frame
#if size_8_types_take_frame
struct _so_8_types_take_frame * Vexor_ptr_out;
unsigned int _Vexor_i;
Vexor_res=0;
Vexor_ptr_out=&(_os_8_types_take_frame[0]);
#endif
  _ix_8_types_take_frame++;
#if size_8_types_take_frame
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_8_types_take_frame)
	   &&(_os_8_types_take_frame[_Vexor_i].min)
	   &&(  ((unsigned int)_os_8_types_take_frame[_Vexor_i].min>(unsigned int
)_ix_8_types_take_frame)
	      ||((unsigned int)_os_8_types_take_frame[_Vexor_i].max<(unsigned int
)_ix_8_types_take_frame)));
	  ++_Vexor_i);
  if ((_Vexor_i)&&(!_os_8_types_take_frame[_Vexor_i].max)){_Vexor_i--
;Vexor_res=1;}
    Vexor_ptr_out=&(_os_8_types_take_frame[_Vexor_i]);
  }
#else
  Vexor_res=1;
#endif
  EDV_CHRONO_MUET_C( 30, Vexor_res,_ix_8_types_take_frame );
#ifdef STUB_CALL_ORDER
     STUB_CALL_ORDER(_fn_8_types_take_frame);
#endif
#if size_8_types_take_frame
  if (VXU_GLOBAL_STUB_INITIALISED(_ix_8_types_take_frame >= 0))
    {
      return(Vexor_ptr_out->ret);
    }
#endif
#ifndef VXU_NO_STUB_RETURN_VALUE
{
  static frame_t ret;
  return ret;
}
#endif
#undef VEXOR_F_IDX
}
void checkin_8_types_take_frame(void)
{
#if size_8_types_take_frame
  struct _so_8_types_take_frame * Vexor_ptr_out;
int _Vexor_i;
VXU_STUB_CNT max;
max=0;
  for (_Vexor_i=0;((_Vexor_i<(size_8_types_take_frame))&&
(_os_8_types_take_frame[_Vexor_i].min>0));++_Vexor_i)
  {
    if (max < _os_8_types_take_frame[_Vexor_i].max)
      {
        max = _os_8_types_take_frame[_Vexor_i].max;
      }
  }
  EDV_MUET_CHECK(8,0);
if ((_os_8_types_take_frame[_Vexor_i].min)||(!
(_os_8_types_take_frame[_Vexor_i].max)))
  {
       EDV_INTEGER_C(1,1,(vxu_integer)(_ix_8_types_take_frame),0,10,
(vxu_integer)(max?max:_os_8_types_take_frame[0].min),(vxu_integer)max);
  }
else
  {
	 EDV_UNSIGNED_C(1,1,(vxu_unsigned)(_ix_8_types_take_frame),0,10,(vxu_unsigned
)max,(vxu_unsigned)_os_8_types_take_frame[_Vexor_i].max);
  }
  (void)Vexor_ptr_out;
#else
  EDV_MUET_CHECK(8,0);
	 EDV_INTEGER_C(1,1,(vxu_integer)(_ix_8_types_take_frame),0,10,(vxu_integer)-1,
(vxu_integer)0);
#endif
}
void _vx_check_muets(void)
{
checkin_1_types_make_pair();
checkin_2_types_hash();
checkin_3_types_first();
checkin_4_types_paint();
checkin_5_types_call();
checkin_6_types_fill();
checkin_7_types_count_up();
checkin_8_types_take_frame();
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
_ix_1_types_make_pair=0;
#if size_1_types_make_pair
_os_1_types_make_pair[0].min=-1;
_os_1_types_make_pair[0].max=0;
_it_1_types_make_pair=0;
#endif
_ix_2_types_hash=0;
#if size_2_types_hash
_os_2_types_hash[0].min=-1;
_os_2_types_hash[0].max=0;
_it_2_types_hash=0;
#endif
_ix_3_types_first=0;
#if size_3_types_first
_os_3_types_first[0].min=-1;
_os_3_types_first[0].max=0;
_it_3_types_first=0;
#endif
_ix_4_types_paint=0;
#if size_4_types_paint
_os_4_types_paint[0].min=-1;
_os_4_types_paint[0].max=0;
_it_4_types_paint=0;
#endif
_ix_5_types_call=0;
#if size_5_types_call
_os_5_types_call[0].min=-1;
_os_5_types_call[0].max=0;
_it_5_types_call=0;
#endif
_ix_6_types_fill=0;
#if size_6_types_fill
_os_6_types_fill[0].min=-1;
_os_6_types_fill[0].max=0;
_it_6_types_fill=0;
#endif
_ix_7_types_count_up=0;
#if size_7_types_count_up
_os_7_types_count_up[0].min=-1;
_os_7_types_count_up[0].max=0;
_it_7_types_count_up=0;
#endif
_ix_8_types_take_frame=0;
#if size_8_types_take_frame
_os_8_types_take_frame[0].min=-1;
_os_8_types_take_frame[0].max=0;
#endif
}
void SRV1_DRIVE (void) { 
/* BEGIN  SERVICE drive */
#ifdef NEEDS_NUM_TEST_OPE
NUM_OPERATION = 1;
#endif /*NEEDS_NUM_TEST_OPE*/

DCL_OP_C(31, "drive");
if (VXU_TEST_BEGIN_C(32)) {

DCL_TST_C(32, "t");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 1;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#if size_1_types_make_pair
#line 19 "<DIR>/types.ptu"
_os_1_types_make_pair[0].min=1;
#line 19 "<DIR>/types.ptu"
_os_1_types_make_pair[0].max=1;
#line 19 "<DIR>/types.ptu"
_os_1_types_make_pair[0]._datain.a=(int)(1);
#line 19 "<DIR>/types.ptu"
_os_1_types_make_pair[0]._datain.b=(double)(2.5);
#line 19 "<DIR>/types.ptu"
_os_1_types_make_pair[0].sel[0]=1;
#line 19 "<DIR>/types.ptu"
_os_1_types_make_pair[0].sel[1]=1;
#line 19 "<DIR>/types.ptu"
_os_1_types_make_pair[0].ret=(pair_t){1, 2.5};
#line 1396 "<DIR>/t.c"
_os_1_types_make_pair[1].min=0;
_os_1_types_make_pair[1].max=0;
#endif
#if size_2_types_hash
#line 20 "<DIR>/types.ptu"
_os_2_types_hash[0].min=1;
#line 20 "<DIR>/types.ptu"
_os_2_types_hash[0].max=1;
#line 20 "<DIR>/types.ptu"
_os_2_types_hash[0]._datain.s=(const char *)("key");
#line 20 "<DIR>/types.ptu"
_os_2_types_hash[0]._datain.n=(unsigned)(3);
#line 20 "<DIR>/types.ptu"
_os_2_types_hash[0].sel[0]=1;
#line 20 "<DIR>/types.ptu"
_os_2_types_hash[0].sel[1]=1;
#line 20 "<DIR>/types.ptu"
_os_2_types_hash[0].ret=(unsigned long)(10);
#line 1415 "<DIR>/t.c"
_os_2_types_hash[1].min=0;
_os_2_types_hash[1].max=0;
#endif
#if size_3_types_first
#line 21 "<DIR>/types.ptu"
_os_3_types_first[0].min=1;
#line 21 "<DIR>/types.ptu"
_os_3_types_first[0].max=1;
#line 21 "<DIR>/types.ptu"
_os_3_types_first[0]._datain.c=(char)('a');
#line 21 "<DIR>/types.ptu"
_os_3_types_first[0]._datain.f=(float)(1.5);
#line 21 "<DIR>/types.ptu"
_os_3_types_first[0]._datain.d=(double)(2.5);
#line 21 "<DIR>/types.ptu"
_os_3_types_first[0].sel[0]=1;
#line 21 "<DIR>/types.ptu"
_os_3_types_first[0].sel[1]=1;
#line 21 "<DIR>/types.ptu"
_os_3_types_first[0].sel[2]=1;
#line 21 "<DIR>/types.ptu"
_os_3_types_first[0].ret=(char)('b');
#line 1438 "<DIR>/t.c"
_os_3_types_first[1].min=0;
_os_3_types_first[1].max=0;
#endif
#if size_4_types_paint
#line 22 "<DIR>/types.ptu"
_os_4_types_paint[0].min=1;
#line 22 "<DIR>/types.ptu"
_os_4_types_paint[0].max=1;
#line 22 "<DIR>/types.ptu"
_os_4_types_paint[0]._datain.c=(enum color)(GREEN);
#line 22 "<DIR>/types.ptu"
_os_4_types_paint[0]._datain.p=(pair_t){1, 2.5};
#line 22 "<DIR>/types.ptu"
_os_4_types_paint[0]._datain.v=(union u){4};
#line 22 "<DIR>/types.ptu"
_os_4_types_paint[0].sel[0]=1;
#line 22 "<DIR>/types.ptu"
_os_4_types_paint[0].sel[1]=1;
#line 22 "<DIR>/types.ptu"
_os_4_types_paint[0].sel[2]=1;
#line 1459 "<DIR>/t.c"
_os_4_types_paint[1].min=0;
_os_4_types_paint[1].max=0;
#endif
#if size_5_types_call
#line 23 "<DIR>/types.ptu"
_os_5_types_call[0].min=1;
#line 23 "<DIR>/types.ptu"
_os_5_types_call[0].max=1;
#line 23 "<DIR>/types.ptu"
_os_5_types_call[0]._datain.h=(handler_t)(NONILFUNC);
#line 23 "<DIR>/types.ptu"
_os_5_types_call[0]._datain.data=(void *)(NONIL);
#line 23 "<DIR>/types.ptu"
_os_5_types_call[0].sel[0]=1;
#line 23 "<DIR>/types.ptu"
_os_5_types_call[0].sel[1]=1;
#line 23 "<DIR>/types.ptu"
_os_5_types_call[0].ret=(int)(5);
#line 1478 "<DIR>/t.c"
_os_5_types_call[1].min=0;
_os_5_types_call[1].max=0;
#endif
#if size_6_types_fill
#line 24 "<DIR>/types.ptu"
_os_6_types_fill[0].min=1;
#line 24 "<DIR>/types.ptu"
_os_6_types_fill[0].max=1;
#line 24 "<DIR>/types.ptu"
_os_6_types_fill[0]._dataout.out=(struct rec){"xyz", NIL, 1};
#line 24 "<DIR>/types.ptu"
_os_6_types_fill[0]._datain.in=(const struct rec *)(NONIL);
#line 24 "<DIR>/types.ptu"
_os_6_types_fill[0].sel[0]=1;
#line 24 "<DIR>/types.ptu"
_os_6_types_fill[0].sel[1]=1;
#line 1495 "<DIR>/t.c"
_os_6_types_fill[1].min=0;
_os_6_types_fill[1].max=0;
#endif
#if size_7_types_count_up
#line 25 "<DIR>/types.ptu"
_os_7_types_count_up[0].min=1;
#line 25 "<DIR>/types.ptu"
_os_7_types_count_up[0].max=1;
#line 25 "<DIR>/types.ptu"
_os_7_types_count_up[0]._datain.Vexor_P_1=(int)(1);
#line 25 "<DIR>/types.ptu"
_os_7_types_count_up[0].sel[0]=1;
#line 25 "<DIR>/types.ptu"
_os_7_types_count_up[0].ret=(int)(7);
#line 1510 "<DIR>/t.c"
_os_7_types_count_up[1].min=0;
_os_7_types_count_up[1].max=0;
#endif
#if size_8_types_take_frame
#line 26 "<DIR>/types.ptu"
_os_8_types_take_frame[0].min=1;
#line 26 "<DIR>/types.ptu"
_os_8_types_take_frame[0].max=1;
#line 26 "<DIR>/types.ptu"
memset(&(_os_8_types_take_frame[0].ret),0,sizeof(_os_8_types_take_frame[0].ret)
#line 26 "<DIR>/types.ptu"
);
#line 26 "<DIR>/types.ptu"
_os_8_types_take_frame[0].ret.n=(unsigned char)(1);
#line 26 "<DIR>/types.ptu"
_os_8_types_take_frame[0].ret.s[0]=(short)(2);
#line 26 "<DIR>/types.ptu"
_os_8_types_take_frame[0].ret.s[1]=(short)(3);
#line 1529 "<DIR>/t.c"
_os_8_types_take_frame[1].min=0;
_os_8_types_take_frame[1].max=0;
#endif
#line 27 "<DIR>/types.ptu"
r = drive();
#line 1535 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
VXU_END_ELEMENT_C();
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }
}/* END SERVICE drive*/
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
SRV1_DRIVE();
CLF_C("<DIR>/t.rio");


#ifdef ZQZQ_MAIN_RETURN
 ZQZQ_MAIN_RETURN
#else
 return(0);
#endif

}/* end t */

VXU_TRACES_FILE("<DIR>/t.rio")

VXU_TESTS_BEGIN
VXU_TEST_ENTRY(32, "drive", "t", "<DIR>/types.ptu", 17)
VXU_TESTS_END

