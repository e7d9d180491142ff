/**************************************************************************/
/** TOOL : Unit Test Compiler VERSION 8.3.0.1.342.020                    **/
/**                                                                      **/
/** COMMAND : vexorprepro plant.ptu t.c -LANGUAGE=C -TARGET=LINUX -FAST  **/
/**    -STD_DEFINE=<TGT>/ana/vxus_c.def            **/
/**                                                                      **/
/** FILE : <DIR>/t.c                            **/
/**                                                                      **/
/** DATE : <DATE>                                      **/
/**************************************************************************/
#line 2 "<DIR>/plant.ptu"
#include "plant.h"
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
void SRV1_FIRST (void) { 
/* BEGIN  SERVICE first */
#ifdef NEEDS_NUM_TEST_OPE
NUM_OPERATION = 1;
#endif /*NEEDS_NUM_TEST_OPE*/

DCL_OP_C(1, "first");
if (VXU_TEST_BEGIN_C(2)) {

DCL_TST_C(2, "nothing_stubbed");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 1;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
#line 9 "<DIR>/plant.ptu"
r = 0;
#line 9 "<DIR>/plant.ptu"
PTU_INTEGER_C((vxu_integer)(r),0+5,10);
#line 74 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
#line 9 "<DIR>/plant.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(r),0+5,10,(vxu_integer)((int)0),(vxu_integer)(
#line 9 "<DIR>/plant.ptu"
(int)0));
#line 81 "<DIR>/t.c"
VXU_END_ELEMENT_C();
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }
}/* END SERVICE first*/

/* simulation: read_level */

#define _fn_1_plant_read_level 1
#ifndef _vx_plant_read_level
#define _vx_plant_read_level 1 /* int read_level(int tank, int *level) */
#endif

VXU_STUB_CNT _ix_1_plant_read_level STUBINACTIVE ;
#if size_1_plant_read_level
VXU_STUB_CNT _it_1_plant_read_level;

static struct _so_1_plant_read_level {
 VXU_STUB_CNT min;
 VXU_STUB_CNT max;
 int ret;
 int sel[3];
 struct {
 int level;
        } _dataout;
 struct {
 int tank;
        } _datain;
} _os_1_plant_read_level[size_1_plant_read_level+1];

static struct _si_1_plant_read_level {
unsigned int indice;
struct {
 int tank;
  } _datain;
} _is_1_plant_read_level[calls_1_plant_read_level];
#endif

#pragma vexor vxo_stub
int (read_level)(int tank, int *level)
{
char Vexor_res;
#define VEXOR_F_IDX _ix_1_plant_read_level
#if size_1_plant_read_level
struct _si_1_plant_read_level * Vexor_ptr_in;
struct _so_1_plant_read_level * Vexor_ptr_out;
unsigned int _Vexor_i;
Vexor_res=0;
Vexor_ptr_out=&(_os_1_plant_read_level[0]);
  if (VXU_GLOBAL_STUB_INITIALISED(_ix_1_plant_read_level >= 0))
    {
  if (_it_1_plant_read_level<calls_1_plant_read_level)
    {
       Vexor_ptr_in = &(_is_1_plant_read_level[_it_1_plant_read_level]);
       Vexor_ptr_in->indice=0;
    }
  else
    {
       Vexor_ptr_in = (struct _si_1_plant_read_level *)0;
    }
#endif
  _ix_1_plant_read_level++;
#if size_1_plant_read_level
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_1_plant_read_level)
	   &&(_os_1_plant_read_level[_Vexor_i].min)
	   &&(  ((unsigned int)_os_1_plant_read_level[_Vexor_i].min>(unsigned int
)_ix_1_plant_read_level)
	      ||((unsigned int)_os_1_plant_read_level[_Vexor_i].max<(unsigned int
)_ix_1_plant_read_level)));
	  ++_Vexor_i);
  if ((_Vexor_i)&&(!_os_1_plant_read_level[_Vexor_i].max)){_Vexor_i--
;Vexor_res=1;}
    Vexor_ptr_out=&(_os_1_plant_read_level[_Vexor_i]);
  }
Vexor_res|=(Vexor_ptr_out->sel[0]&&((tank)!=Vexor_ptr_out->_datain.tank));
#else
  Vexor_res=1;
  (void)(tank);
  (void)(level);
#endif
  EDV_CHRONO_MUET_C( 6, Vexor_res,_ix_1_plant_read_level );
#if size_1_plant_read_level
  if (Vexor_res && Vexor_ptr_in)
    {
      Vexor_ptr_in->indice=_ix_1_plant_read_level;
      Vexor_ptr_in->_datain.tank=tank;
      _it_1_plant_read_level++;
    }
     }
#endif
#ifdef STUB_CALL_ORDER
     STUB_CALL_ORDER(_fn_1_plant_read_level);
#endif
#if size_1_plant_read_level
  if (VXU_GIVEN(level)&&(Vexor_ptr_out->min>0)&&(Vexor_ptr_out->sel[1])) *
(level)=Vexor_ptr_out->_dataout.level;
#endif
#if size_1_plant_read_level
  if (VXU_GLOBAL_STUB_INITIALISED(_ix_1_plant_read_level >= 0))
    {
      return(Vexor_ptr_out->ret);
    }
#endif
#ifndef VXU_NO_STUB_RETURN_VALUE
  return(int)0;
#endif
#undef VEXOR_F_IDX
}
void checkin_1_plant_read_level(void)
{
#if size_1_plant_read_level
struct _si_1_plant_read_level * Vexor_ptr_in;
unsigned int i;
  struct _so_1_plant_read_level * Vexor_ptr_out;
int _Vexor_i;
VXU_STUB_CNT max;
max=0;
  for (_Vexor_i=0;((_Vexor_i<(size_1_plant_read_level))&&
(_os_1_plant_read_level[_Vexor_i].min>0));++_Vexor_i)
  {
    if (max < _os_1_plant_read_level[_Vexor_i].max)
      {
        max = _os_1_plant_read_level[_Vexor_i].max;
      }
  }
  EDV_MUET_CHECK(1,0);
if ((_os_1_plant_read_level[_Vexor_i].min)||(!
(_os_1_plant_read_level[_Vexor_i].max)))
  {
       EDV_INTEGER_C(1,1,(vxu_integer)(_ix_1_plant_read_level),0,10,
(vxu_integer)(max?max:_os_1_plant_read_level[0].min),(vxu_integer)max);
  }
else
  {
	 EDV_UNSIGNED_C(1,1,(vxu_unsigned)(_ix_1_plant_read_level),0,10,(vxu_unsigned
)max,(vxu_unsigned)_os_1_plant_read_level[_Vexor_i].max);
  }
for (i=0;i<(unsigned int)_it_1_plant_read_level;++i){
  Vexor_ptr_in=&(_is_1_plant_read_level[i]);
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_1_plant_read_level-1)
	   &&(_os_1_plant_read_level[_Vexor_i].min)
	   &&(  ((unsigned int
)_os_1_plant_read_level[_Vexor_i].min>Vexor_ptr_in->indice)
	      ||((unsigned int
)_os_1_plant_read_level[_Vexor_i].max<Vexor_ptr_in->indice)));
	  ++_Vexor_i);
    Vexor_ptr_out=&(_os_1_plant_read_level[_Vexor_i]);
  }
  EDV_MUET_CHECK(1, Vexor_ptr_in->indice);
  EDV_INTEGER_C((Vexor_ptr_out->min>0&&(unsigned int
)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=(unsigned int
)Vexor_ptr_out->max?Vexor_ptr_out->sel[0]:0),0,(vxu_integer)
(Vexor_ptr_in->_datain.tank),0+8,10,(vxu_integer)(Vexor_ptr_out->_datain.tank),
(vxu_integer)(Vexor_ptr_out->_datain.tank));
  }
#else
  EDV_MUET_CHECK(1,0);
	 EDV_INTEGER_C(1,1,(vxu_integer)(_ix_1_plant_read_level),0,10,(vxu_integer)-1,
(vxu_integer)0);
#endif
}

/* simulation: open_valve */

#define _fn_2_plant_open_valve 2
#ifndef _vx_plant_open_valve
#define _vx_plant_open_valve 2 /* void open_valve(int tank) */
#endif

VXU_STUB_CNT _ix_2_plant_open_valve STUBINACTIVE ;
#if size_2_plant_open_valve
VXU_STUB_CNT _it_2_plant_open_valve;

static struct _so_2_plant_open_valve {
 VXU_STUB_CNT min;
 VXU_STUB_CNT max;
 int sel[2];
 struct {
 int tank;
        } _datain;
} _os_2_plant_open_valve[size_2_plant_open_valve+1];

static struct _si_2_plant_open_valve {
unsigned int indice;
struct {
 int tank;
  } _datain;
} _is_2_plant_open_valve[calls_2_plant_open_valve];
#endif

#pragma vexor vxo_stub
void (open_valve)(int tank)
{
char Vexor_res;
#define VEXOR_F_IDX _ix_2_plant_open_valve
#if size_2_plant_open_valve
struct _si_2_plant_open_valve * Vexor_ptr_in;
struct _so_2_plant_open_valve * Vexor_ptr_out;
unsigned int _Vexor_i;
Vexor_res=0;
Vexor_ptr_out=&(_os_2_plant_open_valve[0]);
  if (VXU_GLOBAL_STUB_INITIALISED(_ix_2_plant_open_valve >= 0))
    {
  if (_it_2_plant_open_valve<calls_2_plant_open_valve)
    {
       Vexor_ptr_in = &(_is_2_plant_open_valve[_it_2_plant_open_valve]);
       Vexor_ptr_in->indice=0;
    }
  else
    {
       Vexor_ptr_in = (struct _si_2_plant_open_valve *)0;
    }
#endif
  _ix_2_plant_open_valve++;
#if size_2_plant_open_valve
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_2_plant_open_valve)
	   &&(_os_2_plant_open_valve[_Vexor_i].min)
	   &&(  ((unsigned int)_os_2_plant_open_valve[_Vexor_i].min>(unsigned int
)_ix_2_plant_open_valve)
	      ||((unsigned int)_os_2_plant_open_valve[_Vexor_i].max<(unsigned int
)_ix_2_plant_open_valve)));
	  ++_Vexor_i);
  if ((_Vexor_i)&&(!_os_2_plant_open_valve[_Vexor_i].max)){_Vexor_i--
;Vexor_res=1;}
    Vexor_ptr_out=&(_os_2_plant_open_valve[_Vexor_i]);
  }
Vexor_res|=(Vexor_ptr_out->sel[0]&&((tank)!=Vexor_ptr_out->_datain.tank));
#else
  Vexor_res=1;
  (void)(tank);
#endif
  EDV_CHRONO_MUET_C( 9, Vexor_res,_ix_2_plant_open_valve );
#if size_2_plant_open_valve
  if (Vexor_res && Vexor_ptr_in)
    {
      Vexor_ptr_in->indice=_ix_2_plant_open_valve;
      Vexor_ptr_in->_datain.tank=tank;
      _it_2_plant_open_valve++;
    }
     }
#endif
#ifdef STUB_CALL_ORDER
     STUB_CALL_ORDER(_fn_2_plant_open_valve);
#endif
#undef VEXOR_F_IDX
}
void checkin_2_plant_open_valve(void)
{
#if size_2_plant_open_valve
struct _si_2_plant_open_valve * Vexor_ptr_in;
unsigned int i;
  struct _so_2_plant_open_valve * Vexor_ptr_out;
int _Vexor_i;
VXU_STUB_CNT max;
max=0;
  for (_Vexor_i=0;((_Vexor_i<(size_2_plant_open_valve))&&
(_os_2_plant_open_valve[_Vexor_i].min>0));++_Vexor_i)
  {
    if (max < _os_2_plant_open_valve[_Vexor_i].max)
      {
        max = _os_2_plant_open_valve[_Vexor_i].max;
      }
  }
  EDV_MUET_CHECK(2,0);
if ((_os_2_plant_open_valve[_Vexor_i].min)||(!
(_os_2_plant_open_valve[_Vexor_i].max)))
  {
       EDV_INTEGER_C(1,1,(vxu_integer)(_ix_2_plant_open_valve),0,10,
(vxu_integer)(max?max:_os_2_plant_open_valve[0].min),(vxu_integer)max);
  }
else
  {
	 EDV_UNSIGNED_C(1,1,(vxu_unsigned)(_ix_2_plant_open_valve),0,10,(vxu_unsigned
)max,(vxu_unsigned)_os_2_plant_open_valve[_Vexor_i].max);
  }
for (i=0;i<(unsigned int)_it_2_plant_open_valve;++i){
  Vexor_ptr_in=&(_is_2_plant_open_valve[i]);
  {
    for (_Vexor_i=0;
         ((_Vexor_i<size_2_plant_open_valve-1)
	   &&(_os_2_plant_open_valve[_Vexor_i].min)
	   &&(  ((unsigned int
)_os_2_plant_open_valve[_Vexor_i].min>Vexor_ptr_in->indice)
	      ||((unsigned int
)_os_2_plant_open_valve[_Vexor_i].max<Vexor_ptr_in->indice)));
	  ++_Vexor_i);
    Vexor_ptr_out=&(_os_2_plant_open_valve[_Vexor_i]);
  }
  EDV_MUET_CHECK(2, Vexor_ptr_in->indice);
  EDV_INTEGER_C((Vexor_ptr_out->min>0&&(unsigned int
)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&Vexor_ptr_in->indice<=(unsigned int
)Vexor_ptr_out->max?Vexor_ptr_out->sel[0]:0),0,(vxu_integer)
(Vexor_ptr_in->_datain.tank),0+11,10,(vxu_integer)(Vexor_ptr_out->_datain.tank)
,(vxu_integer)(Vexor_ptr_out->_datain.tank));
  }
#else
  EDV_MUET_CHECK(2,0);
	 EDV_INTEGER_C(1,1,(vxu_integer)(_ix_2_plant_open_valve),0,10,(vxu_integer)-1,
(vxu_integer)0);
#endif
}
void SRV2_REGULATE (void) { 
/* BEGIN  SERVICE regulate */
#ifdef NEEDS_NUM_TEST_OPE
NUM_OPERATION = 2;
#endif /*NEEDS_NUM_TEST_OPE*/

DCL_OP_C(12, "regulate");
if (VXU_TEST_BEGIN_C(13)) {

DCL_TST_C(13, "low");
#ifdef NEEDS_NUM_TEST_OPE
NUM_TEST = 1;
#endif /*NEEDS_NUM_TEST_OPE*/
START_CHRONO_C();
_vx_init_muets();
_ix_1_plant_read_level=0;
#if size_1_plant_read_level
_os_1_plant_read_level[0].min=-1;
_os_1_plant_read_level[0].max=0;
_it_1_plant_read_level=0;
#endif
_ix_2_plant_open_valve=0;
#if size_2_plant_open_valve
_os_2_plant_open_valve[0].min=-1;
_os_2_plant_open_valve[0].max=0;
_it_2_plant_open_valve=0;
#endif
#if size_1_plant_read_level
#line 22 "<DIR>/plant.ptu"
_os_1_plant_read_level[0].min=1;
#line 22 "<DIR>/plant.ptu"
_os_1_plant_read_level[0].max=1;
#line 22 "<DIR>/plant.ptu"
_os_1_plant_read_level[0]._datain.tank=(int)(2);
#line 22 "<DIR>/plant.ptu"
_os_1_plant_read_level[0]._dataout.level=(int)(20);
#line 22 "<DIR>/plant.ptu"
_os_1_plant_read_level[0].sel[0]=1;
#line 22 "<DIR>/plant.ptu"
_os_1_plant_read_level[0].sel[1]=1;
#line 22 "<DIR>/plant.ptu"
_os_1_plant_read_level[0].ret=(int)(0);
#line 430 "<DIR>/t.c"
_os_1_plant_read_level[1].min=0;
_os_1_plant_read_level[1].max=0;
#endif
#if size_2_plant_open_valve
#line 23 "<DIR>/plant.ptu"
_os_2_plant_open_valve[0].min=1;
#line 23 "<DIR>/plant.ptu"
_os_2_plant_open_valve[0].max=1;
#line 23 "<DIR>/plant.ptu"
_os_2_plant_open_valve[0]._datain.tank=(int)(2);
#line 23 "<DIR>/plant.ptu"
_os_2_plant_open_valve[0].sel[0]=1;
#line 443 "<DIR>/t.c"
_os_2_plant_open_valve[1].min=0;
_os_2_plant_open_valve[1].max=0;
#endif
#line 24 "<DIR>/plant.ptu"
r = 9;
#line 24 "<DIR>/plant.ptu"
PTU_INTEGER_C((vxu_integer)(r),0+16,10);
r = regulate(2);
#line 452 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
checkin_1_plant_read_level();
checkin_2_plant_open_valve();
EDV_MUET_CHECK(0,0);
#line 24 "<DIR>/plant.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(r),0+16,10,(vxu_integer)((int)1),(vxu_integer)(
#line 24 "<DIR>/plant.ptu"
(int)1));
#line 462 "<DIR>/t.c"
VXU_END_ELEMENT_C();

START_CHRONO_C();
_vx_init_muets();
_ix_1_plant_read_level=0;
#if size_1_plant_read_level
_os_1_plant_read_level[0].min=-1;
_os_1_plant_read_level[0].max=0;
_it_1_plant_read_level=0;
#endif
_ix_2_plant_open_valve=0;
#if size_2_plant_open_valve
_os_2_plant_open_valve[0].min=-1;
_os_2_plant_open_valve[0].max=0;
_it_2_plant_open_valve=0;
#endif
#if size_1_plant_read_level
#line 28 "<DIR>/plant.ptu"
_os_1_plant_read_level[0].min=1;
#line 28 "<DIR>/plant.ptu"
_os_1_plant_read_level[0].max=1;
#line 28 "<DIR>/plant.ptu"
_os_1_plant_read_level[0]._datain.tank=(int)(3);
#line 28 "<DIR>/plant.ptu"
_os_1_plant_read_level[0]._dataout.level=(int)(80);
#line 28 "<DIR>/plant.ptu"
_os_1_plant_read_level[0].sel[0]=1;
#line 28 "<DIR>/plant.ptu"
_os_1_plant_read_level[0].sel[1]=1;
#line 28 "<DIR>/plant.ptu"
_os_1_plant_read_level[0].ret=(int)(0);
#line 494 "<DIR>/t.c"
_os_1_plant_read_level[1].min=0;
_os_1_plant_read_level[1].max=0;
#endif
#line 29 "<DIR>/plant.ptu"
r = 9;
#line 29 "<DIR>/plant.ptu"
PTU_INTEGER_C((vxu_integer)(r),0+18,10);
r = regulate(4);
#line 503 "<DIR>/t.c"
STOP_CHRONO_C();
_vx_check_muets();
checkin_1_plant_read_level();
checkin_2_plant_open_valve();
EDV_MUET_CHECK(0,0);
#line 29 "<DIR>/plant.ptu"
EDV_INTEGER_C(1,0,(vxu_integer)(r),0+18,10,(vxu_integer)((int)0),(vxu_integer)(
#line 29 "<DIR>/plant.ptu"
(int)0));
#line 513 "<DIR>/t.c"
VXU_END_ELEMENT_C();
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }
}/* END SERVICE regulate*/
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
SRV1_FIRST();
SRV2_REGULATE();
CLF_C("<DIR>/t.rio");


#ifdef ZQZQ_MAIN_RETURN
 ZQZQ_MAIN_RETURN
#else
 return(0);
#endif

}/* end t */

VXU_TRACES_FILE("<DIR>/t.rio")

VXU_TESTS_BEGIN
VXU_TEST_ENTRY(2, "first", "nothing_stubbed", "<DIR>/plant.ptu", 6)
VXU_TEST_ENTRY(13, "regulate", "low", "<DIR>/plant.ptu", 19)
VXU_TESTS_END

