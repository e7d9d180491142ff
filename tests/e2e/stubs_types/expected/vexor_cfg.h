/**************************************************************************/
/** TOOL : Unit Test Compiler VERSION 8.3.0.1.342.020                    **/
/**                                                                      **/
/** COMMAND : vexorprepro types.ptu t.c -LANGUAGE=C -TARGET=LINUX -FAST  **/
/**    -STD_DEFINE=<TGT>/ana/vxus_c.def            **/
/**                                                                      **/
/** FILE : <DIR>/vexor_cfg.h                   **/
/**                                                                      **/
/** DATE : <DATE>                                      **/
/**************************************************************************/
#define ZQZQUSE_EDV_BOOLEAN_C 0
#define ZQZQUSE_ARRAY_BOOLEAN_C 0
#define ZQZQUSE_CONSTANT_BOOLEAN_C 0
#define ZQZQUSE_EDV_CHAR_C 1
#define ZQZQUSE_ARRAY_CHAR_C 0
#define ZQZQUSE_CONSTANT_CHAR_C 0
#define ZQZQUSE_EDV_DOUBLE_C 3
#define ZQZQUSE_ARRAY_DOUBLE_C 0
#define ZQZQUSE_CONSTANT_DOUBLE_C 0
#define ZQZQUSE_EDV_FLOAT_C 1
#define ZQZQUSE_ARRAY_FLOAT_C 0
#define ZQZQUSE_CONSTANT_FLOAT_C 0
#define ZQZQUSE_EDV_INTEGER_C 21
#define ZQZQUSE_ARRAY_INTEGER_C 0
#define ZQZQUSE_CONSTANT_INTEGER_C 0
#define ZQZQUSE_EDV_POINTER_C 3
#define ZQZQUSE_ARRAY_POINTER_C 0
#define ZQZQUSE_CONSTANT_POINTER_C 0
#define ZQZQUSE_EDV_STR_C 1
#define ZQZQUSE_ARRAY_STR_C 0
#define ZQZQUSE_CONSTANT_STR_C 0
#define ZQZQUSE_EDV_UNSIGNED_C 9
#define ZQZQUSE_ARRAY_UNSIGNED_C 0
#define ZQZQUSE_CONSTANT_UNSIGNED_C 0
#define ZQZQUSE_PTU_BOOLEAN_C 0
#define ZQZQUSE_PTU_CHAR_C 0
#define ZQZQUSE_PTU_DOUBLE_C 0
#define ZQZQUSE_PTU_FLOAT_C 0
#define ZQZQUSE_PTU_INTEGER_C 0
#define ZQZQUSE_PTU_UNSIGNED_C 0
#define ZQZQUSE_INI_STR_C 0
#define ZQZQUSE_CHRONO_MUET_C 8
#define ZQZQUSE_COMP_STR_C 1
#define ZQZQUSE_DCL_FAC_REP_C 0
#define ZQZQUSE_MUET_CHECK 24
#define ZQZQUSE_OPEN_BRA_C 0
#define ZQZQUSE_RUPT  0
#define ZQZQUSE_CONCAT_STR_C  0
