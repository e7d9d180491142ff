/*
 * TP.h - the target runtime package of vexorprepro test harnesses.
 *
 * A generated harness includes this header first, then its declarations
 * file (.ic). Every macro the harness calls is defined here and ends up in
 * a small C function of TP.c, which writes one line per event to the traces
 * file opened by OPF_C. The record numbers the harness passes (DCL_OP_C,
 * DCL_TST_C, "0+n" of every trace and check) are copied into the lines, so
 * that vexorreport can tie each line back to a record of the link record
 * file (.tdc). The line format is described in docs/traces-format.md.
 *
 * Build a harness with:
 *     cc -I$VXUTGT/lib -I<harness dir> t.c unit.c $VXUTGT/lib/TP.c -o t
 * The harness directory on the include path lets TP.h and TP.c read the
 * configuration header vexor_cfg.h written beside the harness: a family of
 * runtime functions whose usage counter is 0 there is left out of TP.c, so
 * a harness for a small target carries only what it uses. Without the
 * configuration header everything is built.
 *
 * Knobs (define them on the command line):
 *     VXU_CFG_HEADER  "file"  read this configuration header instead
 *     VXU_NO_CFG              never read a configuration header
 *     VXU_NO_FORK             run every test in the harness's own process
 *                             (targets without fork); otherwise each test
 *                             runs in a child process, limited to
 *                             $VXU_TEST_TIMEOUT seconds (60; 0: no limit)
 *     VXU_RUN="pattern"       run only the tests whose SERVICE/TEST name
 *                             matches the pattern (a main without
 *                             arguments; see --run)
 *     VXU_JOBS=N              run up to N tests at once (a main without
 *                             arguments; see --jobs)
 *     VXU_GCOV                write the coverage counters of a unit built
 *                             with --coverage -fprofile-info-section as .gcda
 *                             files after each test and at CLF_C (targets
 *                             whose C library cannot
 *                             write them; through semihosting with
 *                             VXU_SEMIHOSTING)
 *     VXU_SEMIHOSTING         write the traces file on the host through Arm
 *                             semihosting calls (bare-metal Arm targets)
 *     VXU_PUTC=f              write the traces byte by byte with the target's
 *                             function void f(int c) (a debug channel, a
 *                             UART) instead of a file
 *     VXU_NO_STDIO            no message on stdout or stderr
 *     VXU_NO_EXIT             CLF_C returns instead of ending the program
 *                             with status 1 (a check failed) or 2 (the
 *                             traces are not whole or a test did not end),
 *                             and so does OPF_C when it refuses the run
 *                             (traces path, stamp, time limit): no test
 *                             runs then, and the traces stay without their
 *                             end line; vxu_run_status() gives the status
 *     VXU_NO_POSIX            a host that defines __unix__ without being
 *                             POSIX: no process or descriptor guards
 *     VXU_NO_ATEXIT           no exit handler (targets without atexit);
 *                             otherwise a harness that ends without
 *                             having written its end line (exit() in the
 *                             code under test under VXU_NO_FORK, in the
 *                             initialisation, ...) ends with status 2
 *     VXU_NO_CHRONO           no CPU time measurement around elements
 *     VXU_NO_MALLOC           never allocate: over-long concatenations are
 *                             cut, and the cut is reported in the traces
 *     VXU_CONCAT_SIZE n       size of each concatenation buffer (1024)
 *     VXU_STR_TRACE_MAX n     longest string image written to the traces
 *                             (4096 characters; longer ones are cut and
 *                             marked as cut)
 */
#ifndef VXU_TP_H
#define VXU_TP_H

#include <stddef.h>
#include <stdint.h>
#include <string.h>

/* The harness and stub code carry the tool's own "#pragma vexor" lines;
 * a C compiler does not know them and need not say so. */
#if defined(__GNUC__) || defined(__clang__)
#pragma GCC diagnostic ignored "-Wunknown-pragmas"
#endif

/* ---- Configuration header and usage counters ------------------------- */

#if defined(VXU_CFG_HEADER)
#include VXU_CFG_HEADER
#elif !defined(VXU_NO_CFG) && defined(__has_include)
#if __has_include("vexor_cfg.h")
#include "vexor_cfg.h"
#endif
#endif

/* A counter that the configuration header does not name counts as used:
 * only an explicit 0 leaves a family out. */
#ifndef ZQZQUSE_EDV_BOOLEAN_C
#define ZQZQUSE_EDV_BOOLEAN_C 1
#endif
#ifndef ZQZQUSE_EDV_CHAR_C
#define ZQZQUSE_EDV_CHAR_C 1
#endif
#ifndef ZQZQUSE_EDV_DOUBLE_C
#define ZQZQUSE_EDV_DOUBLE_C 1
#endif
#ifndef ZQZQUSE_EDV_FLOAT_C
#define ZQZQUSE_EDV_FLOAT_C 1
#endif
/* The configuration header counts long double checks and traces with the
 * double ones: they are built when doubles are. */
#ifndef ZQZQUSE_EDV_LDOUBLE_C
#define ZQZQUSE_EDV_LDOUBLE_C ZQZQUSE_EDV_DOUBLE_C
#endif
#ifndef ZQZQUSE_EDV_INTEGER_C
#define ZQZQUSE_EDV_INTEGER_C 1
#endif
#ifndef ZQZQUSE_EDV_POINTER_C
#define ZQZQUSE_EDV_POINTER_C 1
#endif
#ifndef ZQZQUSE_EDV_STR_C
#define ZQZQUSE_EDV_STR_C 1
#endif
#ifndef ZQZQUSE_EDV_UNSIGNED_C
#define ZQZQUSE_EDV_UNSIGNED_C 1
#endif
#ifndef ZQZQUSE_PTU_BOOLEAN_C
#define ZQZQUSE_PTU_BOOLEAN_C 1
#endif
#ifndef ZQZQUSE_PTU_CHAR_C
#define ZQZQUSE_PTU_CHAR_C 1
#endif
#ifndef ZQZQUSE_PTU_DOUBLE_C
#define ZQZQUSE_PTU_DOUBLE_C 1
#endif
#ifndef ZQZQUSE_PTU_FLOAT_C
#define ZQZQUSE_PTU_FLOAT_C 1
#endif
#ifndef ZQZQUSE_PTU_LDOUBLE_C
#define ZQZQUSE_PTU_LDOUBLE_C ZQZQUSE_PTU_DOUBLE_C
#endif
#ifndef ZQZQUSE_PTU_INTEGER_C
#define ZQZQUSE_PTU_INTEGER_C 1
#endif
#ifndef ZQZQUSE_PTU_UNSIGNED_C
#define ZQZQUSE_PTU_UNSIGNED_C 1
#endif
#ifndef ZQZQUSE_INI_STR_C
#define ZQZQUSE_INI_STR_C 1
#endif
#ifndef ZQZQUSE_CHRONO_MUET_C
#define ZQZQUSE_CHRONO_MUET_C 1
#endif
#ifndef ZQZQUSE_COMP_STR_C
#define ZQZQUSE_COMP_STR_C 1
#endif
#ifndef ZQZQUSE_DCL_FAC_REP_C
#define ZQZQUSE_DCL_FAC_REP_C 1
#endif
#ifndef ZQZQUSE_MUET_CHECK
#define ZQZQUSE_MUET_CHECK 1
#endif
#ifndef ZQZQUSE_OPEN_BRA_C
#define ZQZQUSE_OPEN_BRA_C 1
#endif
#ifndef ZQZQUSE_RUPT
#define ZQZQUSE_RUPT 1
#endif
#ifndef ZQZQUSE_CONCAT_STR_C
#define ZQZQUSE_CONCAT_STR_C 1
#endif

#if ZQZQUSE_EDV_FLOAT_C || ZQZQUSE_EDV_DOUBLE_C || ZQZQUSE_PTU_FLOAT_C || ZQZQUSE_PTU_DOUBLE_C || \
    ZQZQUSE_EDV_LDOUBLE_C || ZQZQUSE_PTU_LDOUBLE_C
#define VXU_WITH_FLOATING 1
#else
#define VXU_WITH_FLOATING 0
#endif

/* ---- Types the harness names ------------------------------------------ */

/* The widest integers, so that a 64-bit value is checked whole on a
 * target whose long has 32 bits; the runtime takes long long throughout. */
#ifndef vxu_integer
#define vxu_integer long long
#endif
#ifndef vxu_unsigned
#define vxu_unsigned unsigned long long
#endif
#ifndef vxu_pointer
#define vxu_pointer char *
#endif
#ifndef vxu_charstring
#define vxu_charstring char *
#endif

/* Loop variables J1.. and pseudo variables I1.. are declared static in the
 * declarations file whether or not the harness uses them. */
#if defined(__GNUC__) || defined(__clang__)
#define VXU_MAYBE_UNUSED __attribute__((unused))
#else
#define VXU_MAYBE_UNUSED
#endif
#ifndef ZQZQ_LOOPVAR_T
#define ZQZQ_LOOPVAR_T VXU_MAYBE_UNUSED int
#endif

#define ZQZQ_U_INT8 uint8_t
#define ZQZQ_U_INT16 uint16_t
#define ZQZQ_U_INT32 uint32_t

/* Stub call indexes: -1 (STUBINACTIVE) before the first element. */
#ifndef VXU_STUB_CNT
#define VXU_STUB_CNT int
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Any function pointer travels to the runtime as this type. */
typedef void (*vxu_funcptr)(void);

/* ---- Special values ---------------------------------------------------- */

/* NONIL is "some valid pointer": a check against it passes for every
 * non-null pointer. It is the address of a runtime object, so it never
 * equals a pointer the code under test could hand back by chance. */
extern char vxu_nonil_object[1];
void vxu_nonilfunc_target(void);

#define NIL ((void *)0)
#define NONIL ((void *)vxu_nonil_object)
#define NILFUNC 0
#define NONILFUNC (&vxu_nonilfunc_target)

#define PRIV_ABS(x) (((x) < 0) ? -(x) : (x))
#define VEXOR_INT(x) ((vxu_integer)(x))

/* ---- Program frame ------------------------------------------------------ */

#ifdef NEEDS_NUM_TEST_OPE
extern int NUM_OPERATION;
extern int NUM_TEST;
#endif

#ifndef VXU_INIT_DATA
#ifdef ZQZQ_MAIN_HEADER
#define VXU_INIT_DATA vxu_init_data();
#else
#define VXU_INIT_DATA vxu_init_data(); (void)argc; (void)argv;
#endif
#endif

/* The tests of the harness, for its command line (--list, --run): the
 * generated trailer defines the table, one entry a test with its "T"
 * record, its service and test names as the script writes them, and the
 * script line of its TEST statement; a null entry ends it. */
struct vxu_test_entry {
    long rec;
    const char *service;
    const char *test;
    const char *file;
    long line;
};
#define VXU_TESTS_BEGIN const struct vxu_test_entry vxu_test_table[] = {
#define VXU_TEST_ENTRY(rec, service, test, file, line) {(rec), (service), (test), (file), (line)},
#define VXU_TESTS_END {0, 0, 0, 0, 0}};
extern const struct vxu_test_entry vxu_test_table[];

/* The harness's command line, read before the traces open (see TP.c).
 * A main without arguments (ZQZQ_MAIN_HEADER) gives none: the knobs then
 * come from compile-time definitions. */
#ifndef VXU_COMMAND_LINE
#ifdef ZQZQ_MAIN_HEADER
#define VXU_COMMAND_LINE vxu_command_line(0, (char **)0, vxu_test_table);
#else
#define VXU_COMMAND_LINE vxu_command_line(argc, argv, vxu_test_table);
#endif
#endif

/* The trailer line names the traces file; the name stays in the program
 * so that it can be found in a core file or a debugger. */
#define VXU_TRACES_FILE(path) const char vxu_traces_file_path[] = path;
extern const char vxu_traces_file_path[];

/* The stamp of the compilation: 16 lowercase hexadecimal digits that the
 * compiler draws for each compilation and writes both at the end of the
 * declarations file (#undef / #define VXU_STAMP "...") and in the end
 * record of the link record file. OPF_C is expanded in main, after the
 * declarations file, so it hands the runtime that compilation's stamp;
 * the runtime writes it on the second line of the traces ("H stamp"), and
 * the report refuses traces whose stamp is not that of the link records.
 * A hand-written harness without a stamp hands a null pointer. */
#ifndef VXU_STAMP
#define VXU_STAMP ((const char *)0)
#endif

#define OPF_C(path) vxu_open_traces((path), VXU_STAMP)
#define CLF_C(path) vxu_close_traces(path)

#define DCL_OP_C(rec, name) vxu_dcl_op((long)(rec), (name))
#define DCL_TST_C(rec, name) vxu_dcl_tst((long)(rec), (name))
#define DCL_FAC_REP_C(rec, count) vxu_dcl_fac_rep((long)(rec), (long)(count))
#define START_CHRONO_C() vxu_start_chrono()
#define STOP_CHRONO_C() vxu_stop_chrono()
#define VXU_END_TEST_C() vxu_end_test()
#define VXU_END_ELEMENT_C() vxu_end_element()

/* Each test runs between these two: isolated in a child process on a POSIX
 * host (see TP.c), in place with VXU_NO_FORK. */
#define VXU_TEST_BEGIN_C(rec) vxu_test_begin((long)(rec))
#define VXU_TEST_DONE_C() vxu_test_done()

/* ---- Traces of initial values ------------------------------------------ */

#define PTU_INTEGER_C(v, rec, base) vxu_ptu_integer((long long)(v), (long)(rec), (base))
#define PTU_UNSIGNED_C(v, rec, base) \
    vxu_ptu_unsigned((unsigned long long)(v), (long)(rec), (base))
#define PTU_BOOLEAN_C(v, rec) vxu_ptu_boolean((v) ? 1 : 0, (long)(rec))
#define PTU_CHAR_C(v, rec) vxu_ptu_char((char)(v), (long)(rec))
#define PTU_FLOAT_C(v, rec) vxu_ptu_float((double)(float)(v), (long)(rec))
#define PTU_DOUBLE_C(v, rec) vxu_ptu_double((double)(v), (long)(rec))
#define PTU_LDOUBLE_C(v, rec) vxu_ptu_ldouble((long double)(v), (long)(rec))

/* ---- Strings ------------------------------------------------------------ */

#define INI_STR_C(dst, trace, rec, src) vxu_ini_str((dst), (trace), (long)(rec), (src))
#define CONCAT_STR_C(...) vxu_concat_str(__VA_ARGS__)
#define COMP_STR_C(ref, str) vxu_comp_str((ref), (str))
#define VXU_STRCPY(dst, src) vxu_strcpy((dst), (src))

/* ---- Checks --------------------------------------------------------------
 * check: 1 compare, 0 only record the value; any expression, evaluated
 * once (a stub call that no statement describes passes a flag computed at
 * run time);
 * range: 1 the value must lie between the two bounds, 0 it must equal the
 * expected value `a`; the second expected value is then never evaluated,
 * so that an expected value with a side effect runs once. The macros
 * evaluate `range` twice: it must be the constant 0 or 1 (the compiler
 * always writes one), never an expression with a side effect. */

#define EDV_INTEGER_C(check, range, v, rec, base, a, b)                            \
    vxu_edv_integer((check), (range), (long long)(v), (long)(rec), (base), (long long)(a), \
                    ((range) ? (long long)(b) : 0))
/* An expected value the harness computes for an unsigned variable of
 * `bits` bits: one the variable can hold is taken as C converts it (a
 * negative one is all ones at that width), any other is kept whole, so
 * that no value of the variable matches it. */
#define VXU_HELD_UNSIGNED(e, bits) vxu_held_unsigned((long long)(e), (bits))
/* The same for a plain char: a code from -128 to 255 is the character C
 * makes of it, any other number stays whole. */
#define VXU_HELD_CHAR(e) vxu_held_char((long long)(e))
#define EDV_UNSIGNED_C(check, range, v, rec, base, a, b)                              \
    vxu_edv_unsigned((check), (range), (unsigned long long)(v), (long)(rec), (base), \
                     (unsigned long long)(a), ((range) ? (unsigned long long)(b) : 0))
#define EDV_BOOLEAN_C(check, range, v, rec, a, b) \
    vxu_edv_boolean((check), (range), (v) ? 1 : 0, (long)(rec), (a) ? 1 : 0, (range) && (b) ? 1 : 0)
#define EDV_CHAR_C(check, range, v, rec, a, b) \
    vxu_edv_char((check), (range), (char)(v), (long)(rec), (char)(a), (range) ? (char)(b) : (char)0)
/* A character checked against bounds the harness computes, taken whole. */
#define EDV_CHAR_HELD_C(check, range, v, rec, a, b)                                   \
    vxu_edv_char_held((check), (range), (char)(v), (long)(rec), (long long)(a), \
                      (range) ? (long long)(b) : 0LL)
#define EDV_FLOAT_C(check, range, v, rec, a, b)                                      \
    vxu_edv_float((check), (range), (double)(float)(v), (long)(rec), (double)(float)(a), \
                  (range) ? (double)(float)(b) : 0.0)
#define EDV_DOUBLE_C(check, range, v, rec, a, b) \
    vxu_edv_double((check), (range), (double)(v), (long)(rec), (double)(a), (range) ? (double)(b) : 0.0)
#define EDV_LDOUBLE_C(check, range, v, rec, a, b)                                     \
    vxu_edv_ldouble((check), (range), (long double)(v), (long)(rec), (long double)(a), \
                    ((range) ? (long double)(b) : 0.0L))
#define EDV_STR_C(check, range, v, rec, a, b)                                     \
    vxu_edv_str((check), (range), (const char *)(v), (long)(rec), (const char *)(a), \
                ((range) ? (const char *)(b) : (const char *)0))
#define EDV_POINTER_C(check, range, v, rec, a) \
    vxu_edv_pointer((check), (range), (const void *)(v), (long)(rec), (const void *)(a))

/* Function pointers are compared in the harness, where their types are
 * known; the runtime receives them as vxu_funcptr for the images. */
#define EDV_FUNCPOINTER_C(check, range, v, rec, a)                                  \
    vxu_edv_funcptr((check), (range), (vxu_funcptr)(v), (long)(rec), (vxu_funcptr)(a), \
                    VXU_FUNCPTR_EQUAL)
#define EDV_NILFUNCPOINTER_C(check, range, v, rec, a) \
    vxu_edv_funcptr((check), (range), (vxu_funcptr)(v), (long)(rec), (vxu_funcptr)0, VXU_FUNCPTR_NIL)
#define EDV_NONILFUNCPOINTER_C(check, range, v, rec, a)                            \
    vxu_edv_funcptr((check), (range), (vxu_funcptr)(v), (long)(rec), (vxu_funcptr)0, \
                    VXU_FUNCPTR_NONIL)
#define VXU_FUNCPTR_EQUAL 0
#define VXU_FUNCPTR_NIL 1
#define VXU_FUNCPTR_NONIL 2

/* The error flag of a stub's function-pointer parameter: 0 when it matches
 * the expected one (NONILFUNC: any non-null function). */
#define _VXCC_FUNCPTR(p, ref) vxu_funcptr_differs((vxu_funcptr)(p), (vxu_funcptr)(ref))

/* Whether a stub was given a pointer to read or write through. A test in
 * a function of its own: the unit's header may declare the parameter
 * nonnull, and a direct test of it draws -Wnonnull-compare, while a call
 * that breaks that promise must still find nothing to write through. */
#define VXU_GIVEN(p) vxu_given((const void *)(p))

/* ---- Aggregates ---------------------------------------------------------- */

#define VEXOR_OPEN_BRA_C(rec) vxu_bracket('[', (long)(rec))
#define VEXOR_CLOSE_BRA_C(rec) vxu_bracket(']', (long)(rec))
#define SET_MODE_TAB_C(rec) vxu_mode('A', (long)(rec))
#define UNSET_MODE_TAB_C(rec) vxu_mode('a', (long)(rec))
#define SET_MODE_CST_C(rec) vxu_mode('N', (long)(rec))
#define UNSET_MODE_CST_C(rec) vxu_mode('n', (long)(rec))
#define RUPT(rec) vxu_rupt((long)(rec))

/* ---- Stubs ---------------------------------------------------------------
 * EDV_MUET_CHECK(stub, call): the checks that follow are those of stub
 * number `stub`: its call count when `call` is 0, the parameters of call
 * number `call` otherwise. EDV_MUET_CHECK(0,0) ends the stub checks. */
#define EDV_MUET_CHECK(stub, call) vxu_muet_check((long)(stub), (long)(call))

/* EDV_CHRONO_MUET_C(rec, res, call): call number `call` of the stub whose
 * "U" record is `rec` happened; `res` is 1 when it did not match the calls
 * described. The stub keeps the inputs of a call when `res` is 1 after
 * this line: by default the runtime sets it, so that the check function
 * reports every input of every call; a harness built with
 * VXU_STUB_FAILED_INPUTS_ONLY keeps only the calls that failed. */
#ifdef VXU_STUB_FAILED_INPUTS_ONLY
#define EDV_CHRONO_MUET_C(rec, res, call) vxu_chrono_muet((long)(rec), (res), (long)(call))
#else
#define EDV_CHRONO_MUET_C(rec, res, call) \
    ((res) = (char)(vxu_chrono_muet((long)(rec), (res), (long)(call)), 1))
#endif

/* The string inputs a stub keeps are copies, taken when the call happens:
 * the code under test may change or free its buffer before the check.
 * The copies live until the next element (VXU_GLOBAL_STUB_INIT, called by
 * every element's _vx_init_muets). A string that does not fit in what is
 * left of the pool is kept as its pointer. */
#ifndef VXU_STUB_POOL_SIZE
#define VXU_STUB_POOL_SIZE 65536
#endif
#define VXU_STUB_STR_KEEP(s) vxu_stub_keep_str(s)
#define VXU_GLOBAL_STUB_INIT vxu_stub_pool_reset();

/* ---- The runtime's functions ---------------------------------------------- */

void vxu_init_data(void);
void vxu_command_line(int argc, char **argv, const struct vxu_test_entry *tests);
void vxu_open_traces(const char *path, const char *stamp);
void vxu_close_traces(const char *path);
void vxu_dcl_op(long rec, const char *name);
void vxu_dcl_tst(long rec, const char *name);
void vxu_dcl_fac_rep(long rec, long count);
void vxu_start_chrono(void);
void vxu_stop_chrono(void);
void vxu_end_test(void);
void vxu_end_element(void);
int vxu_test_begin(long rec);
void vxu_test_done(void);

void vxu_ptu_integer(long long v, long rec, int base);
void vxu_ptu_unsigned(unsigned long long v, long rec, int base);
void vxu_ptu_boolean(int v, long rec);
void vxu_ptu_char(char v, long rec);
void vxu_ptu_float(double v, long rec);
void vxu_ptu_double(double v, long rec);
void vxu_ptu_ldouble(long double v, long rec);

void vxu_ini_str(char *dst, int trace, long rec, const char *src);
char *vxu_concat_str(const char *first, ...);
int vxu_comp_str(const char *ref, const char *str);
char *vxu_strcpy(char *dst, const char *src);

void vxu_edv_integer(int check, int range, long long v, long rec, int base, long long a,
                     long long b);
unsigned long long vxu_held_unsigned(long long e, int bits);
long long vxu_held_char(long long e);
void vxu_edv_unsigned(int check, int range, unsigned long long v, long rec, int base,
                      unsigned long long a, unsigned long long b);
void vxu_edv_boolean(int check, int range, int v, long rec, int a, int b);
void vxu_edv_char(int check, int range, char v, long rec, char a, char b);
void vxu_edv_char_held(int check, int range, char v, long rec, long long a, long long b);
void vxu_edv_float(int check, int range, double v, long rec, double a, double b);
void vxu_edv_double(int check, int range, double v, long rec, double a, double b);
void vxu_edv_ldouble(int check, int range, long double v, long rec, long double a,
                     long double b);
void vxu_edv_str(int check, int range, const char *v, long rec, const char *a, const char *b);
void vxu_edv_pointer(int check, int range, const void *v, long rec, const void *a);
void vxu_edv_funcptr(int check, int range, vxu_funcptr v, long rec, vxu_funcptr a, int mode);
int vxu_funcptr_differs(vxu_funcptr p, vxu_funcptr ref);
int vxu_given(const void *p);

void vxu_bracket(int kind, long rec);
void vxu_mode(int kind, long rec);
void vxu_rupt(long rec);
void vxu_muet_check(long stub, long call);
void vxu_chrono_muet(long rec, int res, long call);
const char *vxu_stub_keep_str(const char *s);
void vxu_stub_pool_reset(void);
/* Called by a stub of a function that does not return: the test ends there,
 * as when the code under test calls exit, and does not reach its end. */
#if defined(__GNUC__) || defined(__clang__)
__attribute__((noreturn))
#elif defined(__STDC_VERSION__) && __STDC_VERSION__ >= 201112L
_Noreturn
#endif
void vxu_stub_no_return(long stub);

/* Counts of the run so far, for a harness that wants its own summary. */
long vxu_checks_passed(void);
long vxu_checks_failed(void);
/* The status CLF_C gave the run: 0 every check passed, 1 a check failed,
 * 2 the traces are not whole, a test did not end or the runtime refused
 * to run; 2 before CLF_C. A harness built with VXU_NO_EXIT, whose CLF_C
 * returns, can hand it back itself:
 *     -DZQZQ_MAIN_RETURN="return vxu_run_status();" */
int vxu_run_status(void);

#ifdef __cplusplus
}
#endif

#endif /* VXU_TP_H */
