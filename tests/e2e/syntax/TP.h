/* The smallest runtime header a harness compiles against: every name the
   generated layout uses, declared and doing nothing. The end-to-end tests
   check with it that generated harnesses are valid C on their own. */
#ifndef VX_SYNTAX_TP_H
#define VX_SYNTAX_TP_H

#pragma GCC diagnostic ignored "-Wunknown-pragmas"

typedef int ZQZQ_LOOPVAR_T;
typedef unsigned char ZQZQ_U_INT8;
typedef unsigned short ZQZQ_U_INT16;
typedef unsigned int ZQZQ_U_INT32;
typedef int VXU_STUB_CNT;

#define VXU_INIT_DATA (void)argc; (void)argv;
#define OPF_C(path) ((void)(path))
#define CLF_C(path) ((void)(path))
#define VXU_TRACES_FILE(path) extern const char vx_syntax_traces[];
#define DCL_OP_C(number, name) ((void)(number), (void)(name))
#define DCL_TST_C(number, name) ((void)(number), (void)(name))
#define DCL_FAC_REP_C(number, count) ((void)(number), (void)(count))
#define START_CHRONO_C() ((void)0)
#define STOP_CHRONO_C() ((void)0)
#define VXU_END_TEST_C() ((void)0)
#define EDV_MUET_CHECK(stub, call) ((void)(stub), (void)(call))

#endif
