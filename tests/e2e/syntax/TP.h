/* The smallest runtime header a harness compiles against: every name the
   generated layout uses, declared and doing nothing. The end-to-end tests
   check with it that generated harnesses are valid C on their own. */
#ifndef VX_SYNTAX_TP_H
#define VX_SYNTAX_TP_H

#pragma GCC diagnostic ignored "-Wunknown-pragmas"

#include <stddef.h>
#include <string.h>

typedef int ZQZQ_LOOPVAR_T;
typedef unsigned char ZQZQ_U_INT8;
typedef unsigned short ZQZQ_U_INT16;
typedef unsigned int ZQZQ_U_INT32;
typedef int VXU_STUB_CNT;

#define VXU_INIT_DATA (void)argc; (void)argv;
#define OPF_C(path) ((void)(path))
#define CLF_C(path) ((void)(path))
#define VXU_TRACES_FILE(path) extern const char vx_syntax_traces[];
#define VXU_COMMAND_LINE
struct vx_syntax_test { long rec; const char *service, *test, *file; long line; };
#define VXU_TESTS_BEGIN static const struct vx_syntax_test vx_syntax_tests[] = {
#define VXU_TEST_ENTRY(rec, service, test, file, line) {(rec), (service), (test), (file), (line)},
#define VXU_TESTS_END {0, 0, 0, 0, 0}}; \
    const struct vx_syntax_test *vx_syntax_tests_of(void) { return vx_syntax_tests; }
#define DCL_OP_C(number, name) ((void)(number), (void)(name))
#define DCL_TST_C(number, name) ((void)(number), (void)(name))
#define DCL_FAC_REP_C(number, count) ((void)(number), (void)(count))
#define START_CHRONO_C() ((void)0)
#define STOP_CHRONO_C() ((void)0)
#define VXU_END_TEST_C() ((void)0)
#define VXU_END_ELEMENT_C() ((void)0)
#define VXU_TEST_BEGIN_C(rec) ((void)(rec), 1)
#define VXU_TEST_DONE_C() ((void)0)
#define EDV_MUET_CHECK(stub, call) ((void)(stub), (void)(call))
#define EDV_CHRONO_MUET_C(rec, res, call) ((void)(rec), (void)(res), (void)(call))
#define VXU_STUB_STR_KEEP(s) (s)

#define NIL ((void *)0)
#define NONIL ((void *)vx_syntax_nonil)
#define NILFUNC 0
#define NONILFUNC ((void (*)(void))0)
extern char vx_syntax_nonil[1];
#define COMP_STR_C(ref, str) ((ref) != (str))
#define VXU_STRCPY(dst, src) ((void)(dst), (void)(src))
#define _VXCC_FUNCPTR(p, ref) ((void *)(p) != (void *)(ref))
#define VXU_GIVEN(p) ((const void *)(p) != 0)
#define EDV_INTEGER_C(check, range, v, rec, base, a, b) \
    ((void)(check), (void)(range), (void)(v), (void)(rec), (void)(base), (void)(a), (void)(b))
#define EDV_UNSIGNED_C EDV_INTEGER_C
#define VXU_HELD_UNSIGNED(e, bits) ((unsigned long long)(e) + 0u * (unsigned)(bits))
#define EDV_CHAR_C(check, range, v, rec, a, b) \
    ((void)(check), (void)(range), (void)(v), (void)(rec), (void)(a), (void)(b))
#define EDV_CHAR_HELD_C EDV_CHAR_C
#define VXU_HELD_CHAR(e) ((long long)(e))
#define EDV_FLOAT_C EDV_CHAR_C
#define EDV_DOUBLE_C EDV_CHAR_C
#define EDV_STR_C EDV_CHAR_C
#define EDV_POINTER_C(check, range, v, rec, a) \
    ((void)(check), (void)(range), (void)(v), (void)(rec), (void)(a))
#define EDV_FUNCPOINTER_C EDV_POINTER_C

/* The variable code: each macro only evaluates its arguments. */
typedef long vxu_syntax_integer;
#define vxu_integer long
#define vxu_unsigned unsigned long
#define vxu_pointer char *
#define vxu_charstring char *
#define PTU_INTEGER_C(v, rec, base) ((void)(v), (void)(rec), (void)(base))
#define PTU_UNSIGNED_C(v, rec, base) ((void)(v), (void)(rec), (void)(base))
#define PTU_BOOLEAN_C(v, rec) ((void)(v), (void)(rec))
#define PTU_CHAR_C(v, rec) ((void)(v), (void)(rec))
#define PTU_FLOAT_C(v, rec) ((void)(v), (void)(rec))
#define PTU_DOUBLE_C(v, rec) ((void)(v), (void)(rec))
#define INI_STR_C(dst, trace, rec, src) ((void)(dst), (void)(trace), (void)(rec), (void)(src))
#define CONCAT_STR_C(...) ((char *)0)
#define EDV_VX_SYNTAX6(c, r, v, n, a, b) ((void)(c), (void)(r), (void)(v), (void)(n), (void)(a), (void)(b))
#define EDV_BOOLEAN_C(c, r, v, n, a, b) EDV_VX_SYNTAX6(c, r, v, n, a, b)
#define EDV_NILFUNCPOINTER_C(c, r, v, n, a) ((void)(c), (void)(r), (void)(v), (void)(n))
#define EDV_NONILFUNCPOINTER_C(c, r, v, n, a) ((void)(c), (void)(r), (void)(v), (void)(n))
#define VEXOR_OPEN_BRA_C(n) ((void)(n))
#define VEXOR_CLOSE_BRA_C(n) ((void)(n))
#define SET_MODE_TAB_C(n) ((void)(n))
#define UNSET_MODE_TAB_C(n) ((void)(n))
#define SET_MODE_CST_C(n) ((void)(n))
#define UNSET_MODE_CST_C(n) ((void)(n))
#define RUPT(n) ((void)(n))

#endif
