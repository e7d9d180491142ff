/*
 * TP.c - implementation of the target runtime package (see TP.h).
 *
 * Every macro of a harness ends here, in one function per event. A
 * function decides the verdict of a check in the harness's own types,
 * counts it, and writes one line to the traces file:
 *
 *     kind letter, blank-separated fields, newline
 *
 * (docs/traces-format.md lists every line). Strings are written quoted
 * with C escapes, one character at a time, so a long or unusual string
 * never goes through a fixed buffer; at most VXU_STR_TRACE_MAX characters
 * of a string image are written, a longer one is cut and marked. When two
 * long strings differ beyond that bound, their images start a little
 * before the first difference (marked "@" + offset), so the report shows
 * it. Floating values are written with the fewest digits that read back
 * to the same value.
 *
 * The traces file is line-buffered, so that when the code under test
 * crashes the traces hold everything up to the crash; the end line "F"
 * written by CLF_C tells a complete file from a cut one.
 *
 * Families of functions whose usage counter in vexor_cfg.h is 0 are left
 * out (TP.h explains the counters).
 */
/* fork, pipe, poll, mmap, clock_gettime, getpid and pread of the test
 * isolation and of the guards of the traces file are POSIX; a harness is
 * often built with -std=c99, which hides them. */
#if !defined(VXU_NO_FORK) || defined(__unix__) || defined(__APPLE__)
#define VXU_WANTS_POSIX 1
#endif
#if !defined(_POSIX_C_SOURCE) && defined(VXU_WANTS_POSIX)
#define _POSIX_C_SOURCE 200809L
#endif
#if !defined(_DEFAULT_SOURCE) && defined(VXU_WANTS_POSIX)
#define _DEFAULT_SOURCE 1
#endif
#if !defined(_DARWIN_C_SOURCE) && defined(VXU_WANTS_POSIX)
#define _DARWIN_C_SOURCE 1
#endif
#include "TP.h"

#include <float.h>
#include <limits.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

/* On a POSIX host the runtime knows which process writes the traces (the
 * code under test may fork: only the process running the test writes) and
 * keeps the traces file off the standard descriptors. VXU_NO_POSIX turns
 * this off for a host that only looks like one. */
#if (defined(__unix__) || defined(__APPLE__)) && !defined(VXU_NO_POSIX)
#define VXU_POSIX_HOST 1
#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>
#else
#define VXU_POSIX_HOST 0
#endif

/* Test isolation: on a POSIX host each test runs in a child process, so
 * that a crash, an abort, an exit or an endless loop in the code under
 * test fails that test alone. VXU_NO_FORK builds a harness that runs
 * everything in its own process, for targets without fork. */
#if !defined(VXU_NO_FORK) && VXU_POSIX_HOST
#define VXU_ISOLATE 1
#include <poll.h>
#include <sched.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/wait.h>
#else
#define VXU_ISOLATE 0
#endif

/* The exit handler: a harness that ends without its end line ends with
 * status 2 (see vxu_at_exit). */
#if !defined(VXU_NO_EXIT) && !defined(VXU_NO_ATEXIT)
#define VXU_AT_EXIT 1
#else
#define VXU_AT_EXIT 0
#endif

/* The traces go to a file of the C library: the file can be read back
 * and cut (see settle_traces). */
#if !defined(VXU_PUTC) && !defined(VXU_SEMIHOSTING)
#define VXU_STDIO_CHANNEL 1
#else
#define VXU_STDIO_CHANNEL 0
#endif

#ifndef VXU_CONCAT_SIZE
#define VXU_CONCAT_SIZE 1024
#endif
#ifndef VXU_STR_TRACE_MAX
#define VXU_STR_TRACE_MAX 4096
#endif

/* Concatenations in flight at once: one check passes at most two. */
#define VXU_CONCAT_SLOTS 4
/* Characters shown before the first difference of two long strings. */
#define VXU_STR_CONTEXT 32
#define VXU_TRACES_HEADER "VXU-TRACES 3"
/* A compilation stamp: 16 lowercase hexadecimal digits. */
#define VXU_STAMP_DIGITS 16
#define VXU_FLOAT_IMAGE_SIZE 40
/* Room for the longest %Lg image: 36 digits of a 128-bit long double, a
 * sign, a point and a five-character exponent. */
#define VXU_LDOUBLE_IMAGE_SIZE 64
#define VXU_MICROSECONDS 1000000LL

char vxu_nonil_object[1];

void vxu_nonilfunc_target(void)
{
}

extern int NUM_OPERATION;
extern int NUM_TEST;
int NUM_OPERATION;
int NUM_TEST;

/* Set while the traces channel is open. */
static int vxu_traces;
/* Set once the end line is written: the exit handler leaves such a run
 * alone. */
static int vxu_end_written;
/* Set when the runtime itself reported why the harness ends early. */
static int vxu_end_reported;
/* Set when the runtime refused to run the tests (see refuse_run). */
static int vxu_refused;
/* The status of the run as CLF_C judged it; 2 until then. */
static int vxu_run_end_status = 2;
static const char *vxu_traces_name;
/* Why the channel refused the traces path (it names something that is not
 * a traces file), or NULL when it was not refused. */
static const char *vxu_refusal;

/* The counts of the run. Under test isolation (see "Test isolation" below)
 * every test runs in a child process, so the counts live in memory shared
 * with the children; without it they are plain statics. */
struct vxu_run_state {
    long lines;          /* lines written to the traces, the header included */
    long passed;
    long failed;
    long recorded;
    long unfinished;     /* tests or elements that did not reach their end */
    int write_error;     /* a write to the traces failed */
    int test_done;       /* the child reached the end of its test */
    int escaped;         /* the child left its test without ending it */
    /* Under --isolation=crash, where the process running the tests is: */
    long runner_ordinal;        /* the ordinal of the last test it began */
    long runner_rec;            /* and its "T" record */
    int runner_in_test;         /* that test has not reached its end */
    int runner_finished;        /* it reached the end of the harness */
    long long runner_started;   /* when that test began (monotonic, us) */
};
static struct vxu_run_state vxu_own_state;
static struct vxu_run_state *vxu_state = &vxu_own_state;
#define vxu_lines (vxu_state->lines)
#define vxu_passed (vxu_state->passed)
#define vxu_failed (vxu_state->failed)
#define vxu_recorded (vxu_state->recorded)
#define vxu_write_error (vxu_state->write_error)

/* A test or an element that began and has not reached its end yet. Only
 * harnesses that announce their tests (VXU_TEST_BEGIN_C) end their
 * elements with VXU_END_ELEMENT_C. */
static int vxu_announced;
static int vxu_test_open;
static int vxu_element_open;
static long vxu_current_test;
/* Set when a concatenation had to be cut: the next string check cannot be
 * trusted and fails. */
VXU_MAYBE_UNUSED static int vxu_concat_cut;
#ifndef VXU_NO_CHRONO
static clock_t vxu_chrono_start;
static int vxu_chrono_running;
#endif

/* ---- The traces channel ----------------------------------------------------
 * Every byte of the traces goes through four functions: channel_open,
 * channel_write, channel_flush (at each line end, so that a crash loses
 * at most the line being written) and channel_close. Three channels:
 *   stdio (the default): a file of the C library, opened with fopen;
 *   VXU_SEMIHOSTING: on bare-metal Arm, the file is opened and written on
 *     the host through semihosting calls (bkpt 0xab, or svc 0x123456 on
 *     A-profile cores), without any C library file support;
 *   VXU_PUTC: a byte sink the target supplies, the name of a function
 *     void f(int c), for a debug channel or a UART; the traces are
 *     then read back on the host from whatever receives those bytes.
 * Lines are assembled in a small static buffer, so no channel needs
 * malloc. */

#define VXU_LINE_BUFFER 256

static char vxu_line[VXU_LINE_BUFFER];
static size_t vxu_line_used;
/* Where the harness's finished lines go instead of the channel while
 * tests run in parallel (see "Parallel tests"); NULL: to the channel. */
static int (*vxu_line_sink)(const char *bytes, size_t count);
/* Set while the harness goes over what the process running its tests has
 * already written (--isolation=crash): it writes nothing then. */
static int vxu_silent;

#if defined(VXU_PUTC)

/* The target's byte sink: -DVXU_PUTC=board_debug_putc names a function
 * void board_debug_putc(int c) of the target's own code. */
extern void VXU_PUTC(int c);

static int channel_open(const char *path)
{
    (void)path;
    return 1;
}

static int channel_write(const char *bytes, size_t count)
{
    size_t i;
    for (i = 0; i < count; ++i) {
        VXU_PUTC((unsigned char)bytes[i]);
    }
    return 1;
}

static int channel_flush(void)
{
    return 1;
}

static int channel_close(void)
{
    return 1;
}

#elif defined(VXU_SEMIHOSTING)

#define VXU_SH_OPEN 0x01
#define VXU_SH_CLOSE 0x02
#define VXU_SH_WRITE 0x05
#define VXU_SH_MODE_WRITE 4 /* "w" */

static long vxu_sh_handle = -1;

static long semihosting_call(long operation, void *argument)
{
    register long r0 __asm__("r0") = operation;
    register void *r1 __asm__("r1") = argument;
#if defined(__ARM_ARCH_PROFILE) && __ARM_ARCH_PROFILE == 'M'
    __asm__ volatile("bkpt 0xab" : "+r"(r0) : "r"(r1) : "memory");
#elif defined(__thumb__)
    __asm__ volatile("svc 0xab" : "+r"(r0) : "r"(r1) : "memory");
#else
    __asm__ volatile("svc 0x123456" : "+r"(r0) : "r"(r1) : "memory");
#endif
    return r0;
}

static int channel_open(const char *path)
{
    long block[3];
    block[0] = (long)(uintptr_t)path;
    block[1] = VXU_SH_MODE_WRITE;
    block[2] = (long)strlen(path);
    vxu_sh_handle = semihosting_call(VXU_SH_OPEN, block);
    return vxu_sh_handle != -1;
}

static int channel_write(const char *bytes, size_t count)
{
    long block[3];
    block[0] = vxu_sh_handle;
    block[1] = (long)(uintptr_t)bytes;
    block[2] = (long)count;
    /* The call answers the number of bytes it did not write. */
    return semihosting_call(VXU_SH_WRITE, block) == 0;
}

static int channel_flush(void)
{
    return 1;
}

static int channel_close(void)
{
    long block[1];
    block[0] = vxu_sh_handle;
    vxu_sh_handle = -1;
    return semihosting_call(VXU_SH_CLOSE, block) == 0;
}

#else

static FILE *vxu_traces_file;
static char vxu_traces_buffer[BUFSIZ];

#if VXU_POSIX_HOST
/* A harness started with one of its standard descriptors closed would get
 * that descriptor for its traces file, and the unit's printf would write
 * into the traces. The closed ones are opened on /dev/null first; should
 * that fail, the file is moved to a descriptor above them (see
 * open_traces_file). */
static void fill_standard_descriptors(void)
{
    int fd;
    for (fd = 0; fd <= 2; ++fd) {
        if (fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
            int opened = open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
            if (opened >= 0 && opened != fd) {
                close(opened);
            }
        }
    }
}
#endif

/* ---- Whose file the traces path names ----
 * The traces path comes from the harness or from VXURIO, and a slip there
 * must not destroy anything: the runtime writes only to a new file, an
 * empty one, or an earlier traces file, which begins with the header
 * "VXU-TRACES ". Anything else that exists under that name (a source file,
 * a directory, a FIFO, a device) is refused before any test runs and is
 * left exactly as it was. */
#define VXU_TRACES_MAGIC "VXU-TRACES "
#define VXU_TRACES_MAGIC_SIZE (sizeof VXU_TRACES_MAGIC - 1)

static const char vxu_refused_content[] =
    "it exists and does not begin with \"" VXU_TRACES_MAGIC "\", so it is not a traces file";

/* Whether the first `count` bytes of a file are those of a traces file: the
 * header, or the beginning of it when the file is that short. */
static int begins_like_traces(const char *head, size_t count)
{
    size_t i;
    for (i = 0; i < count && i < VXU_TRACES_MAGIC_SIZE; ++i) {
        if (head[i] != VXU_TRACES_MAGIC[i]) {
            return 0;
        }
    }
    return 1;
}

#if VXU_POSIX_HOST
static const char vxu_refused_unreadable[] =
    "it exists and cannot be read to check that it is a traces file";

static const char *not_regular_text(mode_t mode)
{
    if (S_ISDIR(mode)) {
        return "it is a directory, not a traces file";
    }
    if (S_ISFIFO(mode)) {
        return "it is a FIFO (named pipe), not a traces file";
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return "it is a device, not a traces file";
    }
    if (S_ISSOCK(mode)) {
        return "it is a socket, not a traces file";
    }
    return "it is not a regular file, so not a traces file";
}

/* Reads the head of the regular file open on `fd`; whether it is a traces
 * file's. */
static int traces_head(int fd)
{
    char head[VXU_TRACES_MAGIC_SIZE];
    size_t got = 0;
    while (got < sizeof head) {
        ssize_t n = pread(fd, head + got, sizeof head - got, (off_t)got);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        got += (size_t)n;
    }
    return got > 0 && begins_like_traces(head, got);
}

/* Opens the traces file without truncating it, checks what it is, and
 * only then empties it. The path is looked at before it is opened, so
 * that a FIFO or a device is never opened at all (opening a FIFO blocks
 * until someone reads it); the descriptor is opened without blocking and
 * checked again, for a path replaced in between. The descriptor is kept
 * above the standard ones (see fill_standard_descriptors). */
static FILE *open_traces_file(const char *path)
{
    struct stat seen;
    const char *mode = "w+";
    int fd;
    int flags;
    FILE *file;
    if (stat(path, &seen) == 0 && !S_ISREG(seen.st_mode)) {
        vxu_refusal = not_regular_text(seen.st_mode);
        return NULL;
    }
    fd = open(path, O_RDWR | O_CREAT | O_NONBLOCK | O_NOCTTY, 0666);
    if (fd < 0) {
        /* Read and write: after a test's process ended abnormally, the
         * harness reads back what it wrote (see settle_traces). A file
         * that may be written but not read is written only. */
        mode = "w";
        fd = open(path, O_WRONLY | O_CREAT | O_NONBLOCK | O_NOCTTY, 0666);
    }
    if (fd < 0) {
        return NULL;
    }
    if (fstat(fd, &seen) != 0) {
        close(fd);
        return NULL;
    }
    if (!S_ISREG(seen.st_mode)) {
        vxu_refusal = not_regular_text(seen.st_mode);
        close(fd);
        return NULL;
    }
    if (seen.st_size > 0) {
        if (mode[1] != '+') {
            vxu_refusal = vxu_refused_unreadable;
            close(fd);
            return NULL;
        }
        if (!traces_head(fd)) {
            vxu_refusal = vxu_refused_content;
            close(fd);
            return NULL;
        }
        if (ftruncate(fd, 0) != 0) {
            close(fd);
            return NULL;
        }
    }
    flags = fcntl(fd, F_GETFL);
    if (flags == -1 || fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == -1) {
        close(fd);
        return NULL;
    }
    if (fd <= 2) {
        int moved = fcntl(fd, F_DUPFD, 3);
        close(fd);
        if (moved < 0) {
            return NULL;
        }
        fd = moved;
    }
    file = fdopen(fd, mode);
    if (file == NULL) {
        close(fd);
    }
    return file;
}
#else
/* Without POSIX the C library can only tell whether the path reads as a
 * file, and what it begins with. */
static FILE *open_traces_file(const char *path)
{
    FILE *existing = fopen(path, "rb");
    FILE *file;
    if (existing != NULL) {
        char head[VXU_TRACES_MAGIC_SIZE];
        size_t got = fread(head, 1, sizeof head, existing);
        fclose(existing);
        if (got > 0 && !begins_like_traces(head, got)) {
            vxu_refusal = vxu_refused_content;
            return NULL;
        }
    }
    /* Read and write: after a test's process ended abnormally, the
     * harness reads back what it wrote (see settle_traces). A path that
     * cannot be opened for reading is written only. */
    file = fopen(path, "w+");
    if (file == NULL) {
        file = fopen(path, "w");
    }
    return file;
}
#endif

static int channel_open(const char *path)
{
#if VXU_POSIX_HOST
    fill_standard_descriptors();
#endif
    vxu_traces_file = open_traces_file(path);
    if (vxu_traces_file == NULL) {
        return 0;
    }
    /* A buffer of our own: the C library need not allocate one. */
    setvbuf(vxu_traces_file, vxu_traces_buffer, _IOFBF, sizeof vxu_traces_buffer);
    return 1;
}

static int channel_write(const char *bytes, size_t count)
{
    return fwrite(bytes, 1, count, vxu_traces_file) == count;
}

static int channel_flush(void)
{
    return fflush(vxu_traces_file) == 0;
}

static int channel_close(void)
{
    int closed = fclose(vxu_traces_file) == 0;
    vxu_traces_file = NULL;
    return closed;
}

#endif

/* ---- Coverage counters on a target ----------------------------------------
 * On a bare-metal target the C library cannot write files, and the
 * compiler's libgcov built for it writes nothing: the unit is built with
 * --coverage -fprofile-info-section, which gathers a record of each of its
 * objects in the section the linker script puts between __gcov_info_start
 * and __gcov_info_end, and VXU_GCOV makes the runtime write them. At the
 * end of the harness each record is turned into the bytes of its .gcda file
 * by the compiler's own __gcov_info_to_gcda, and the file is written on the
 * host, under the name it was compiled with, through semihosting (or the C
 * library's files where it has them), after each test and at the end of the
 * harness: on such a target the tests run one after the other in one
 * process, and a test that stops it loses only its own counts. */
#if defined(VXU_GCOV)
struct gcov_info;
extern const struct gcov_info *const __gcov_info_start[];
extern const struct gcov_info *const __gcov_info_end[];
extern void __gcov_info_to_gcda(const struct gcov_info *info,
                                void (*filename_fn)(const char *, void *),
                                void (*dump_fn)(const void *, unsigned, void *),
                                void *(*allocate_fn)(unsigned, void *), void *arg);

#if defined(VXU_SEMIHOSTING)
#define VXU_SH_MODE_WRITE_BINARY 5 /* "wb" */

static void gcov_open(const char *name, void *arg)
{
    long block[3];
    block[0] = (long)(uintptr_t)name;
    block[1] = VXU_SH_MODE_WRITE_BINARY;
    block[2] = (long)strlen(name);
    *(long *)arg = semihosting_call(VXU_SH_OPEN, block);
}

static void gcov_write(const void *bytes, unsigned count, void *arg)
{
    long block[3];
    if (*(long *)arg == -1) {
        return;
    }
    block[0] = *(long *)arg;
    block[1] = (long)(uintptr_t)bytes;
    block[2] = (long)count;
    semihosting_call(VXU_SH_WRITE, block);
}

static void gcov_close(void *arg)
{
    long block[1];
    if (*(long *)arg == -1) {
        return;
    }
    block[0] = *(long *)arg;
    semihosting_call(VXU_SH_CLOSE, block);
}

typedef long vxu_gcov_file;
#define VXU_GCOV_NO_FILE (-1L)
#else
static void gcov_open(const char *name, void *arg)
{
    *(FILE **)arg = fopen(name, "wb");
}

static void gcov_write(const void *bytes, unsigned count, void *arg)
{
    if (*(FILE **)arg != NULL) {
        fwrite(bytes, 1, count, *(FILE **)arg);
    }
}

static void gcov_close(void *arg)
{
    if (*(FILE **)arg != NULL) {
        fclose(*(FILE **)arg);
    }
}

typedef FILE *vxu_gcov_file;
#define VXU_GCOV_NO_FILE NULL
#endif

static void *gcov_allocate(unsigned size, void *arg)
{
    (void)arg;
    return malloc(size);
}

/* Writes the .gcda file of every instrumented object. */
static void vxu_gcov_dump(void)
{
    const struct gcov_info *const *info;
    for (info = __gcov_info_start; info < __gcov_info_end; ++info) {
        vxu_gcov_file file = VXU_GCOV_NO_FILE;
        __gcov_info_to_gcda(*info, gcov_open, gcov_write, gcov_allocate, &file);
        gcov_close(&file);
    }
}
#endif

/* ---- The process that writes ---------------------------------------------
 * Only one process writes the traces: the harness, or the child process
 * running the current test. When the code under test forks, its child
 * returns into the harness code; its lines and counts are dropped (the
 * file stays readable and the counts those of the test), and it ends,
 * without a trace, when it reaches the end of the test. */
#if VXU_POSIX_HOST
static pid_t vxu_writer_pid;
static pid_t vxu_harness_pid;

static int foreign_process(void)
{
    return vxu_writer_pid != 0 && getpid() != vxu_writer_pid;
}

static void leave_if_foreign(void)
{
    if (foreign_process()) {
        _exit(0);
    }
}
#else
#define foreign_process() 0
#define leave_if_foreign() ((void)0)
#endif

static void flush_line(void)
{
    if (vxu_line_used > 0) {
        int written = vxu_line_sink != NULL ? vxu_line_sink(vxu_line, vxu_line_used)
                                            : channel_write(vxu_line, vxu_line_used);
        if (!written) {
            vxu_write_error = 1;
        }
    }
    vxu_line_used = 0;
}

/* ---- Writing lines ------------------------------------------------------ */

VXU_MAYBE_UNUSED static void put_char(int c)
{
    if (!vxu_traces) {
        return;
    }
    if (vxu_line_used == sizeof vxu_line) {
        flush_line();
    }
    vxu_line[vxu_line_used++] = (char)c;
}

VXU_MAYBE_UNUSED static void put_text(const char *text)
{
    while (*text != '\0') {
        put_char((unsigned char)*text++);
    }
}

/* Starts a line of kind `kind`; 0 when there is no file. The caller has
 * made sure that this process is the one that writes. */
VXU_MAYBE_UNUSED static int start_line(char kind)
{
    if (!vxu_traces) {
        return 0;
    }
    put_char(kind);
    return 1;
}

/* Starts a line of kind `kind`; 0 when there is no file or this process
 * does not write the traces. */
VXU_MAYBE_UNUSED static int begin_line(char kind)
{
    if (!vxu_traces || vxu_silent || foreign_process()) {
        return 0;
    }
    return start_line(kind);
}

VXU_MAYBE_UNUSED static void end_line(void)
{
    put_char('\n');
    flush_line();
    if (vxu_traces && vxu_line_sink == NULL && !channel_flush()) {
        vxu_write_error = 1;
    }
    ++vxu_lines;
}

/* Digits of an unsigned value in base 10 or 16, after `prefix`. */
VXU_MAYBE_UNUSED static void put_digits(const char *prefix, unsigned long long value, unsigned base)
{
    static const char digits[] = "0123456789abcdef";
    char image[24];
    size_t n = sizeof image;
    image[--n] = '\0';
    do {
        image[--n] = digits[value % base];
        value /= base;
    } while (value != 0);
    put_text(prefix);
    put_text(image + n);
}

VXU_MAYBE_UNUSED static void put_llong(long long value)
{
    if (value < 0) {
        /* The magnitude of the most negative value does not fit in it. */
        put_digits(" -", (unsigned long long)(-(value + 1)) + 1u, 10);
    } else {
        put_digits(" ", (unsigned long long)value, 10);
    }
}

VXU_MAYBE_UNUSED static void put_long(long value)
{
    put_llong(value);
}

VXU_MAYBE_UNUSED static void put_ullong(unsigned long long value)
{
    put_digits(" ", value, 10);
}

VXU_MAYBE_UNUSED static void put_hex(unsigned long long value)
{
    put_digits(" 0x", value, 16);
}

/* One character of a quoted string: printable ASCII as is, the rest as C
 * escapes, so that a line never holds a control character. */
VXU_MAYBE_UNUSED static void put_escaped(unsigned char c)
{
    static const char hex[] = "0123456789abcdef";
    switch (c) {
    case '"':
        put_text("\\\"");
        return;
    case '\\':
        put_text("\\\\");
        return;
    case '\n':
        put_text("\\n");
        return;
    case '\t':
        put_text("\\t");
        return;
    case '\r':
        put_text("\\r");
        return;
    default:
        break;
    }
    if (c < 0x20 || c >= 0x7f) {
        put_text("\\x");
        put_char(hex[c >> 4]);
        put_char(hex[c & 0xf]);
    } else {
        put_char(c);
    }
}

/* A string field: NULL, NONIL, or the quoted text; "~" after the closing
 * quote marks a text cut at VXU_STR_TRACE_MAX characters. From `start` on
 * (at most the length of the text), the image begins with "@" + start. */
VXU_MAYBE_UNUSED static void put_string_from(const char *text, size_t start)
{
    size_t n;
    if (text == NULL) {
        put_text(" NULL");
        return;
    }
    if (text == vxu_nonil_object) {
        put_text(" NONIL");
        return;
    }
    for (n = 0; n < start && text[n] != '\0'; ++n) {
    }
    start = n;
    if (start > 0) {
        put_digits(" @", (unsigned long long)start, 10);
        put_char('"');
    } else {
        put_text(" \"");
    }
    for (n = 0; n < VXU_STR_TRACE_MAX && text[start + n] != '\0'; ++n) {
        put_escaped((unsigned char)text[start + n]);
    }
    put_char('"');
    if (n == VXU_STR_TRACE_MAX && text[start + n] != '\0') {
        put_char('~');
    }
}

VXU_MAYBE_UNUSED static void put_string(const char *text)
{
    put_string_from(text, 0);
}

VXU_MAYBE_UNUSED static void put_pointer(const void *p)
{
    if (p == NULL) {
        put_text(" NIL");
    } else if (p == (const void *)vxu_nonil_object) {
        put_text(" NONIL");
    } else {
        put_hex((unsigned long long)(uintptr_t)p);
    }
}

VXU_MAYBE_UNUSED static void put_funcptr(vxu_funcptr p)
{
    unsigned long long bits = 0;
    if (p == 0) {
        put_text(" NILFUNC");
    } else if (p == &vxu_nonilfunc_target) {
        put_text(" NONILFUNC");
    } else if (sizeof p <= sizeof bits) {
        /* The address of a function has no portable conversion to an
         * integer; its bytes are shown instead. */
        memcpy(&bits, &p, sizeof p);
        put_hex(bits);
    } else {
        put_text(" FUNC");
    }
}

VXU_MAYBE_UNUSED static void warn(const char *text)
{
    if (begin_line('W')) {
        put_string(text);
        end_line();
    }
}

/* ---- Program frame -------------------------------------------------------- */

void vxu_init_data(void)
{
    if (foreign_process()) {
        return;
    }
    vxu_passed = 0;
    vxu_failed = 0;
    vxu_recorded = 0;
    vxu_state->unfinished = 0;
}

/* Tests run in parallel: their lines reach the traces once the harness
 * collects them (see "Parallel tests"). */
#if VXU_ISOLATE && VXU_STDIO_CHANNEL
#define VXU_PARALLEL 1
static int vxu_job_count;
static void drain_jobs(void);
#else
#define VXU_PARALLEL 0
#endif

VXU_MAYBE_UNUSED static void close_traces(void)
{
    if (!vxu_traces) {
        return;
    }
#if VXU_PARALLEL
    if (vxu_job_count > 0) {
        drain_jobs();
    }
#endif
    if (begin_line('F')) {
        put_long(vxu_lines);
        end_line();
        vxu_end_written = 1;
    }
    if (!channel_close()) {
        vxu_write_error = 1;
    }
    vxu_traces = 0;
}

/* A message of the runtime on standard error (none with VXU_NO_STDIO). */
static void vxu_message(const char *text, const char *path)
{
#ifndef VXU_NO_STDIO
    fprintf(stderr, "%s%s\n", text, path != NULL ? path : "(none)");
#else
    (void)text;
    (void)path;
#endif
}

/* ---- Command line ----------------------------------------------------------
 * The harness reads its arguments before it opens its traces:
 *     --list           print every test, "SERVICE/TEST  file:line", and run none
 *     --run PATTERN    run only the tests whose SERVICE/TEST name matches the
 *                      pattern ("*" any text, "?" any character); repeatable
 *     --no-fork        run every test in the harness's own process (a
 *                      debugger); VXU_NO_FORK=1 in the environment too
 *     --timeout S      the time limit of one test, in seconds (0: none)
 *     --jobs N         run up to N tests at once (see "Parallel tests")
 *     --isolation M    test (the default), crash or none; VXU_ISOLATION too
 *     --traces FILE    the traces file
 *     --help, -h       this list
 * A test the selection leaves out writes "U rec" in the traces, so that the
 * report tells it from a test that did not run. A selection that matches no
 * test, an unknown option or a missing value ends the harness with 2 before
 * any test runs. */

#define VXU_MAX_PATTERNS 64

static const struct vxu_test_entry *vxu_tests;
static const char *vxu_patterns[VXU_MAX_PATTERNS];
static int vxu_pattern_count;
static const char *vxu_chosen_traces;
static int vxu_no_fork;
/* How the tests are kept apart (--isolation): each in a process of its own,
 * all in one process until one stops it (then a fresh one goes on), or
 * none. --no-fork is "none". */
#define VXU_ISOLATION_TEST 0
#define VXU_ISOLATION_CRASH 1
static int vxu_isolation = VXU_ISOLATION_TEST;
static long vxu_chosen_timeout = -1;
#ifndef VXU_JOBS
#define VXU_JOBS 1
#endif
#define VXU_MAX_JOBS 64
/* Twice as many slots as tests run at once: a test that ended waits in
 * its slot for the ones before it without holding back the next one (see
 * "Parallel tests"). */
#define VXU_JOB_SLOTS (2 * VXU_MAX_JOBS)
/* Tests run at once under isolation (--jobs). */
static int vxu_jobs_wanted = VXU_JOBS;

/* The i-th character of "SERVICE/TEST", '\0' past its end. */
static char entry_name_at(const struct vxu_test_entry *entry, size_t i)
{
    size_t service = strlen(entry->service);
    if (i < service) {
        return entry->service[i];
    }
    if (i == service) {
        return '/';
    }
    return entry->test[i - service - 1];
}

/* Whether "SERVICE/TEST" matches a pattern of "*" and "?": the classic
 * matcher that goes back to the last star on a mismatch. */
static int entry_matches(const struct vxu_test_entry *entry, const char *pattern)
{
    size_t p = 0;
    size_t t = 0;
    size_t star = (size_t)-1;
    size_t mark = 0;
    for (;;) {
        char c = entry_name_at(entry, t);
        if (pattern[p] == '*') {
            star = p++;
            mark = t;
        } else if (c != '\0' && (pattern[p] == '?' || pattern[p] == c)) {
            ++p;
            ++t;
        } else if (c == '\0' && pattern[p] == '\0') {
            return 1;
        } else if (star != (size_t)-1 && entry_name_at(entry, mark) != '\0') {
            p = star + 1;
            t = ++mark;
        } else {
            return 0;
        }
    }
}

static int entry_selected(const struct vxu_test_entry *entry)
{
    int i;
    for (i = 0; i < vxu_pattern_count; ++i) {
        if (entry_matches(entry, vxu_patterns[i])) {
            return 1;
        }
    }
    return vxu_pattern_count == 0;
}

/* Whether the test of "T" record rec is to run. */
static int test_selected(long rec)
{
    const struct vxu_test_entry *entry;
    if (vxu_pattern_count == 0 || vxu_tests == NULL) {
        return 1;
    }
    for (entry = vxu_tests; entry->test != NULL; ++entry) {
        if (entry->rec == rec) {
            return entry_selected(entry);
        }
    }
    return 1;
}

static void end_harness(int status);

static void command_line_refused(const char *what, const char *argument)
{
#ifndef VXU_NO_STDIO
    fprintf(stderr, "vexor runtime: %s%s; --help lists the options\n", what,
            argument != NULL ? argument : "");
#else
    (void)what;
    (void)argument;
#endif
    end_harness(2);
}

#ifndef VXU_NO_STDIO
static void print_usage(void)
{
    printf("usage: harness [--list] [--run PATTERN]... [--no-fork] [--timeout S] "
           "[--jobs N] [--isolation test|crash|none] [--traces FILE]\n"
           "  --list           print every test (SERVICE/TEST and its script line), run none\n"
           "  --run PATTERN    run only the tests whose SERVICE/TEST name matches the\n"
           "                   pattern (* any text, ? any character); may be repeated\n"
           "  --no-fork        run the tests in this process, for a debugger (also\n"
           "                   VXU_NO_FORK=1)\n"
           "  --timeout S      time limit of one test in seconds, 0 for none (also\n"
           "                   VXU_TEST_TIMEOUT)\n"
           "  --jobs N         run up to N tests at once, each in its own process (1 to\n"
           "                   64); the traces keep the order of the script\n"
           "  --isolation M    test: each test in its own process (the default); crash:\n"
           "                   the tests in one process, a fresh one after a crash, an\n"
           "                   exit or a time-out; none: as --no-fork (also\n"
           "                   VXU_ISOLATION)\n"
           "  --traces FILE    write the traces to FILE (also VXURIO)\n"
           "  --help, -h       print this help\n");
}
#endif

static void add_pattern(const char *pattern)
{
    if (vxu_pattern_count == VXU_MAX_PATTERNS) {
        command_line_refused("too many --run patterns at ", pattern);
        return;
    }
    vxu_patterns[vxu_pattern_count++] = pattern;
}

/* "--name value" or "--name=value": the value, or NULL when the argument is
 * not that option. A missing value refuses the command line. */
static const char *option_value(int argc, char **argv, int *i, const char *name)
{
    size_t length = strlen(name);
    const char *argument = argv[*i];
    if (strncmp(argument, name, length) != 0) {
        return NULL;
    }
    if (argument[length] == '=') {
        return argument + length + 1;
    }
    if (argument[length] != '\0') {
        return NULL;
    }
    if (*i + 1 >= argc) {
        command_line_refused("a value is missing after ", name);
        return NULL;
    }
    return argv[++*i];
}

/* "test", "crash" or "none" (an empty or missing value from the
 * environment keeps the default); anything else refuses the run. */
static int set_isolation(const char *mode, int from_environment)
{
    if (mode == NULL || (from_environment && mode[0] == '\0')) {
        return 1;
    }
    if (strcmp(mode, "test") == 0) {
        vxu_isolation = VXU_ISOLATION_TEST;
        vxu_no_fork = 0;
    } else if (strcmp(mode, "crash") == 0) {
        vxu_isolation = VXU_ISOLATION_CRASH;
        vxu_no_fork = 0;
    } else if (strcmp(mode, "none") == 0) {
        vxu_no_fork = 1;
    } else {
        command_line_refused(from_environment
                                 ? "VXU_ISOLATION is test, crash or none, not "
                                 : "--isolation is test, crash or none, not ",
                             mode);
        return 0;
    }
    return 1;
}

void vxu_command_line(int argc, char **argv, const struct vxu_test_entry *tests)
{
    const struct vxu_test_entry *entry;
    const char *no_fork = getenv("VXU_NO_FORK");
    int list = 0;
    int i;
    vxu_tests = tests;
    vxu_pattern_count = 0;
    vxu_chosen_traces = NULL;
    vxu_chosen_timeout = -1;
    vxu_jobs_wanted = VXU_JOBS < 1 ? 1 : VXU_JOBS > VXU_MAX_JOBS ? VXU_MAX_JOBS : VXU_JOBS;
    vxu_no_fork = no_fork != NULL && no_fork[0] != '\0' && strcmp(no_fork, "0") != 0;
    vxu_isolation = VXU_ISOLATION_TEST;
    if (!set_isolation(getenv("VXU_ISOLATION"), 1)) {
        return;
    }
#ifdef VXU_RUN
    add_pattern(VXU_RUN);
#endif
    for (i = 1; i < argc && argv != NULL; ++i) {
        const char *argument = argv[i];
        const char *value;
        if (strcmp(argument, "--help") == 0 || strcmp(argument, "-h") == 0) {
#ifndef VXU_NO_STDIO
            print_usage();
#endif
            end_harness(0);
            return;
        } else if (strcmp(argument, "--list") == 0) {
            list = 1;
        } else if (strcmp(argument, "--no-fork") == 0) {
            vxu_no_fork = 1;
        } else if ((value = option_value(argc, argv, &i, "--run")) != NULL) {
            add_pattern(value);
        } else if ((value = option_value(argc, argv, &i, "--traces")) != NULL) {
            vxu_chosen_traces = value;
        } else if ((value = option_value(argc, argv, &i, "--timeout")) != NULL) {
            const char *c = value;
            long seconds = 0;
            for (; *c >= '0' && *c <= '9' && seconds <= (LONG_MAX - 9) / 10; ++c) {
                seconds = seconds * 10 + (*c - '0');
            }
            if (*c != '\0' || c == value) {
                command_line_refused("--timeout takes a whole number of seconds, not ", value);
                return;
            }
            vxu_chosen_timeout = seconds;
        } else if ((value = option_value(argc, argv, &i, "--isolation")) != NULL) {
            if (!set_isolation(value, 0)) {
                return;
            }
        } else if ((value = option_value(argc, argv, &i, "--jobs")) != NULL) {
            const char *c = value;
            int jobs = 0;
            for (; *c >= '0' && *c <= '9' && jobs <= VXU_MAX_JOBS; ++c) {
                jobs = jobs * 10 + (*c - '0');
            }
            if (*c != '\0' || c == value || jobs < 1 || jobs > VXU_MAX_JOBS) {
                command_line_refused("--jobs takes a number of tests from 1 to 64, not ", value);
                return;
            }
            vxu_jobs_wanted = jobs;
        } else {
            command_line_refused("unknown option ", argument);
            return;
        }
    }
    if (list) {
#ifndef VXU_NO_STDIO
        for (entry = tests; entry != NULL && entry->test != NULL; ++entry) {
            if (entry_selected(entry)) {
                printf("%s/%s  %s:%ld\n", entry->service, entry->test, entry->file, entry->line);
            }
        }
#endif
        end_harness(0);
        return;
    }
    if (vxu_pattern_count > 0) {
        for (entry = tests; entry != NULL && entry->test != NULL; ++entry) {
            if (entry_selected(entry)) {
                return;
            }
        }
        command_line_refused("no test matches the selection ", vxu_patterns[0]);
    }
}

static const char *traces_path(const char *path)
{
    const char *chosen = vxu_chosen_traces != NULL ? vxu_chosen_traces : getenv("VXURIO");
    if (chosen == NULL || chosen[0] == '\0') {
        chosen = path;
    }
    return chosen;
}

/* The harness's exit status when it cannot go on: 2, the traces are not
 * usable. A harness built with VXU_NO_EXIT (a target where the harness is
 * called as a function) returns instead. */
static void end_harness(int status)
{
#ifndef VXU_NO_EXIT
#ifndef VXU_NO_STDIO
    fflush(stdout);
    fflush(stderr);
#endif
    exit(status);
#else
    (void)status;
#endif
}

/* The runtime refuses to run the tests (a traces path it may not write, a
 * bad compilation stamp or time limit): the harness ends with status 2.
 * Built with VXU_NO_EXIT, it goes on instead; so the traces channel is
 * closed without its end line, which leaves the traces incomplete for the
 * report, and no test runs (vxu_test_begin). */
static void refuse_run(void)
{
    vxu_refused = 1;
    vxu_end_reported = 1;
    if (vxu_traces) {
        if (!channel_close()) {
            vxu_write_error = 1;
        }
        vxu_traces = 0;
    }
    end_harness(2);
}

#if VXU_ISOLATE
/* Set in the child process that runs a test. */
static int vxu_in_child;
/* Tests met so far (selected or not), counted alike by the harness and by
 * the process that runs them under --isolation=crash. */
static long vxu_test_ordinal;
/* Set in that process (the runner): it goes from test to test itself. */
static int vxu_runner;
/* The harness, silent, goes over the tests up to this ordinal, which a
 * runner ran. */
static long vxu_caught_up_to;
static void share_run_state(void);
static void share_lines(void);
static int read_test_timeout(void);
static void flush_all(void);
#endif

/* Whether this is the harness's own process (not the child running a
 * test, nor a process the code under test started). */
VXU_MAYBE_UNUSED static int harness_process(void)
{
#if VXU_POSIX_HOST
    return vxu_harness_pid == 0 || getpid() == vxu_harness_pid;
#else
    return 1;
#endif
}

#if VXU_AT_EXIT
/* Run by exit() in the harness's process. A harness that ends without
 * having written its end line (exit() in the code under test without
 * isolation, in the initialisation or termination code, main left before
 * CLF_C) keeps what its traces hold and ends with status 2, whatever
 * status exit() was given: a run cut short never looks successful. The
 * traces are left without their end line, so the report reads them as
 * INCOMPLETE. */
static void vxu_at_exit(void)
{
    if (!harness_process() || vxu_end_written) {
        return;
    }
#if VXU_PARALLEL
    if (vxu_job_count > 0) {
        drain_jobs();
    }
#endif
    if (vxu_traces && !channel_flush()) {
        vxu_write_error = 1;
    }
    if (!vxu_end_reported) {
        vxu_message("vexor runtime: the harness ended before its end line (CLF_C); the traces "
                    "are incomplete: ",
                    vxu_traces_name);
    }
#ifndef VXU_NO_STDIO
    fflush(stdout);
    fflush(stderr);
#endif
    _Exit(2);
}
#endif

static int valid_stamp(const char *stamp)
{
    int n;
    for (n = 0; n < VXU_STAMP_DIGITS; ++n) {
        char c = stamp[n];
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) {
            return 0;
        }
    }
    return stamp[VXU_STAMP_DIGITS] == '\0';
}

void vxu_open_traces(const char *path, const char *stamp)
{
    const char *chosen = traces_path(path);
#if VXU_AT_EXIT
    static int handler_registered;
#endif
    close_traces();
#if VXU_POSIX_HOST
    vxu_harness_pid = getpid();
    vxu_writer_pid = vxu_harness_pid;
#endif
#if VXU_ISOLATE
    /* Without the shared state the tests run in this process. */
    if (!vxu_no_fork) {
        share_run_state();
        share_lines();
    }
#endif
    vxu_lines = 0;
    vxu_write_error = 0;
    vxu_line_used = 0;
    vxu_end_written = 0;
    vxu_end_reported = 0;
    vxu_refused = 0;
    vxu_run_end_status = 2;
    vxu_traces_name = chosen;
    vxu_refusal = NULL;
    vxu_traces = chosen != NULL && channel_open(chosen);
    if (!vxu_traces && vxu_refusal != NULL) {
#ifndef VXU_NO_STDIO
        fprintf(stderr, "vexor runtime: refused the traces path %s: %s; it is left as it is and "
                        "no test was run\n",
                chosen, vxu_refusal);
#endif
        refuse_run();
        return;
    }
    if (!vxu_traces) {
        vxu_message("vexor runtime: cannot create the traces file ", chosen);
        /* Running the tests without traces would leave an older traces
         * file to be read as this run's. */
        refuse_run();
        return;
    }
#if VXU_AT_EXIT
    if (!handler_registered) {
        handler_registered = atexit(vxu_at_exit) == 0;
    }
#endif
    put_text(VXU_TRACES_HEADER);
    end_line();
    if (stamp != NULL) {
        if (!valid_stamp(stamp)) {
            /* The report could not tie these traces to their link records. */
            vxu_message("vexor runtime: the compilation stamp of the harness is not 16 lowercase "
                        "hexadecimal digits; traces in ",
                        chosen);
            refuse_run();
            return;
        }
        if (begin_line('H')) {
            put_char(' ');
            put_text(stamp);
            end_line();
        }
    }
#if VXU_ISOLATE
    if (!read_test_timeout()) {
        refuse_run();
        return;
    }
    vxu_test_ordinal = 0;
    vxu_silent = 0;
    if (vxu_isolation == VXU_ISOLATION_CRASH && vxu_state != &vxu_own_state) {
        warn("the tests share their state: they run one after the other in one process, and a "
             "fresh one goes on after a test that crashes, exits or times out "
             "(--isolation=crash)");
    }
#endif
}

static void leave_test_if_open(void);

void vxu_close_traces(const char *path)
{
    const char *chosen = traces_path(path);
    int was_open = vxu_traces;
    int status;
    leave_test_if_open();
#if VXU_ISOLATE
    if (vxu_runner) {
        /* The runner reached the end of the harness: the harness writes the
         * end line once it has gone over what the runner wrote. */
        vxu_state->runner_finished = 1;
        flush_all();
        exit(0);
    }
    vxu_silent = 0;
#endif
    close_traces();
#if defined(VXU_GCOV)
    vxu_gcov_dump();
#endif
    if (vxu_write_error) {
        vxu_message("vexor runtime: the traces file could not be written completely: ", chosen);
    }
#ifndef VXU_NO_STDIO
    printf("vexor runtime: %ld check(s) passed, %ld failed, %ld value(s) recorded%s%s\n",
           vxu_passed, vxu_failed, vxu_recorded, was_open ? "; traces in " : "",
           was_open && chosen != NULL ? chosen : "");
    if (vxu_state->unfinished > 0) {
        printf("vexor runtime: %ld test(s) or element(s) did not reach their end\n",
               vxu_state->unfinished);
    }
    fflush(stdout);
#endif
    /* 0 every check passed, 1 a check failed, 2 the traces are not whole
     * or a test did not finish. */
    status = !was_open || vxu_write_error || vxu_state->unfinished > 0 ? 2
             : vxu_failed > 0                                         ? 1
                                                                      : 0;
    vxu_run_end_status = status;
    if (status != 0) {
        end_harness(status);
    }
}

/* An element or a test that began and is left without its end line: the
 * code of the test returned, jumped or broke out of its loop. It is
 * counted, and the report finds it from the traces. */
static void leave_element_if_open(void)
{
    if (foreign_process()) {
        return;
    }
    if (vxu_element_open && vxu_announced) {
        vxu_element_open = 0;
        ++vxu_state->unfinished;
    }
}

#if VXU_ISOLATE
static void escape_child(void);
#endif

static void leave_test_if_open(void)
{
    leave_if_foreign();
#if VXU_ISOLATE
    escape_child();
#endif
    leave_element_if_open();
    if (vxu_test_open) {
        vxu_test_open = 0;
        ++vxu_state->unfinished;
    }
}

void vxu_dcl_op(long rec, const char *name)
{
    leave_test_if_open();
    if (begin_line('O')) {
        put_long(rec);
        put_string(name);
        end_line();
    }
}

void vxu_dcl_tst(long rec, const char *name)
{
    /* A repeated test writes one "T" line per run, inside its test. */
    leave_element_if_open();
    vxu_test_open = 1;
    vxu_current_test = rec;
    if (begin_line('T')) {
        put_long(rec);
        put_string(name);
        end_line();
    }
}

#if ZQZQUSE_DCL_FAC_REP_C
void vxu_dcl_fac_rep(long rec, long count)
{
    if (begin_line('R')) {
        put_long(rec);
        put_long(count);
        end_line();
    }
}
#endif

void vxu_start_chrono(void)
{
    leave_element_if_open();
    vxu_element_open = 1;
#ifndef VXU_NO_CHRONO
    vxu_chrono_start = clock();
    vxu_chrono_running = vxu_chrono_start != (clock_t)-1;
#endif
    if (begin_line('S')) {
        end_line();
    }
}

#ifndef VXU_NO_CHRONO
/* The CPU time between two readings of clock() in microseconds, or -1
 * when it cannot be told: a reading failed, the clock went backwards (a
 * clock_t that wrapped round) or the figure does not fit. */
static long long elapsed_microseconds(clock_t start, clock_t now)
{
    long long ticks;
    long long per_second = (long long)CLOCKS_PER_SEC;
    if (start == (clock_t)-1 || now == (clock_t)-1 || now < start || per_second <= 0) {
        return -1;
    }
    ticks = (long long)(now - start);
    if (ticks < 0 || ticks / per_second > LLONG_MAX / VXU_MICROSECONDS - 1) {
        return -1;
    }
    return ticks / per_second * VXU_MICROSECONDS +
           ticks % per_second * VXU_MICROSECONDS / per_second;
}
#endif

void vxu_stop_chrono(void)
{
#ifndef VXU_NO_CHRONO
    clock_t now = clock();
    long long elapsed = vxu_chrono_running ? elapsed_microseconds(vxu_chrono_start, now) : -1;
    vxu_chrono_running = 0;
#endif
    if (!begin_line('Z')) {
        return;
    }
#ifndef VXU_NO_CHRONO
    if (elapsed >= 0) {
        put_llong(elapsed);
    } else {
        put_text(" -");
    }
#else
    put_text(" -");
#endif
    end_line();
}

void vxu_end_element(void)
{
    vxu_element_open = 0;
    if (begin_line('e')) {
        end_line();
    }
}

void vxu_end_test(void)
{
    leave_element_if_open();
    vxu_test_open = 0;
    if (begin_line('E')) {
        end_line();
    }
}

/* ---- Test isolation ---------------------------------------------------------
 * VXU_TEST_BEGIN_C(rec) stands before each test and VXU_TEST_DONE_C() after
 * its end. Isolated, the harness forks at the beginning: the child runs the
 * test and leaves at VXU_TEST_DONE_C; the parent waits for it (at most
 * VXU_TEST_TIMEOUT seconds, 60 by default, 0 for no limit) and skips the
 * test's code. The child writes its lines to the traces file it inherited;
 * the parent writes nothing while the child runs, so lines never
 * interleave. When the child did not reach the end of its test, the parent
 * writes the line "Q rec how detail" saying how it ended: "signal SIGSEGV",
 * "exit 3", "timeout 60", or "left 0" when the test's code returned or
 * jumped out of the test. Each test starts from the state the harness had
 * before it: what a test changes is not seen by the next one.
 *
 * Without isolation VXU_TEST_BEGIN_C runs the test in place; a crash then
 * ends the harness and the traces stop at the test that crashed. */

#if VXU_ISOLATE
#define VXU_DEFAULT_TIMEOUT 60
#define VXU_POLL_SLICE_MS 1000
#define VXU_WAIT_STEP_NS 1000000L
/* The steps of the wait for a child whose pipe closed (wait_a_step):
 * below VXU_YIELD_STEP_NS a step only gives the processor up, since a
 * sleep that short lasts the timer's slack. */
#define VXU_FIRST_WAIT_STEP_NS 10000L
#define VXU_YIELD_STEP_NS 100000L
#define VXU_TIMEOUT_VARIABLE "VXU_TEST_TIMEOUT"
/* Longest value shown when VXU_TEST_TIMEOUT is refused. */
#define VXU_SHOWN_VALUE_MAX 64


/* ---- The lines of a test's process ----------------------------------------
 * A test's process writes its lines into memory it shares with the
 * harness, not to the file: no system call per line. The harness writes
 * them to the traces once that process has ended, whatever its end (a
 * crash, the time limit): the memory outlives the process. A process that
 * fills the memory writes it to the traces itself and goes on; nothing
 * else writes the file while a test's process runs, so the order holds.
 * Without the memory (mmap failed) a test's process writes and flushes
 * each line as the harness does. Tests run in parallel have files of their
 * own (see "Parallel tests"). */
#define VXU_SHARED_LINES_SIZE (64u * 1024u)

struct vxu_shared_lines {
    size_t used;
    char bytes[VXU_SHARED_LINES_SIZE];
};

static struct vxu_shared_lines *vxu_shared_lines;

static void share_lines(void)
{
    void *shared;
    if (vxu_shared_lines != NULL) {
        return;
    }
    shared = mmap(NULL, sizeof(struct vxu_shared_lines), PROT_READ | PROT_WRITE,
                  MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (shared != MAP_FAILED) {
        vxu_shared_lines = (struct vxu_shared_lines *)shared;
        vxu_shared_lines->used = 0;
    }
}

/* Writes what the memory holds to the traces; 0 when that failed. The
 * memory is emptied first: a process stopped while it writes leaves its
 * last lines cut (the harness then cuts the file after its last whole
 * line), never written twice. */
static int write_shared_lines(void)
{
    size_t count;
    if (vxu_shared_lines == NULL || vxu_shared_lines->used == 0) {
        return 1;
    }
    count = vxu_shared_lines->used;
    vxu_shared_lines->used = 0;
    return channel_write(vxu_shared_lines->bytes, count) && channel_flush();
}

/* The line sink of a test's process. A piece of a line is never longer
 * than the line buffer, far smaller than the memory. */
static int share_line(const char *bytes, size_t count)
{
    struct vxu_shared_lines *lines = vxu_shared_lines;
    if (VXU_SHARED_LINES_SIZE - lines->used < count && !write_shared_lines()) {
        return 0;
    }
    memcpy(lines->bytes + lines->used, bytes, count);
    /* Counted once copied: a process stopped in between leaves no part
     * of a line it did not write. */
    lines->used += count;
    return 1;
}

/* A test's process begins: its lines go to the shared memory. */
static void lines_to_shared_memory(void)
{
    if (vxu_shared_lines != NULL) {
        vxu_shared_lines->used = 0;
        vxu_line_sink = share_line;
    }
}

/* The harness, once a test's process has ended: that process's lines. */
static void collect_shared_lines(void)
{
    if (!write_shared_lines()) {
        vxu_write_error = 1;
    }
}

static void share_run_state(void)
{
    void *shared;
    if (vxu_state != &vxu_own_state) {
        return;
    }
    shared = mmap(NULL, sizeof(struct vxu_run_state), PROT_READ | PROT_WRITE,
                  MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (shared == MAP_FAILED) {
        return; /* tests then run in place (see vxu_test_begin) */
    }
    memcpy(shared, &vxu_own_state, sizeof vxu_own_state);
    vxu_state = (struct vxu_run_state *)shared;
}

static void flush_all(void)
{
    if (vxu_traces && !channel_flush()) {
        vxu_write_error = 1;
    }
    fflush(stdout);
    fflush(stderr);
}

/* The child leaves the test it was made for: at its end, or when its code
 * got out of it some other way (the next test, service or the end of the
 * harness is reached in the child). Its callers have already ended a
 * process the code under test started (leave_if_foreign). */
static void leave_child(int done)
{
    if (done) {
        vxu_state->test_done = 1;
    } else {
        vxu_state->escaped = 1;
    }
    flush_all();
    /* exit, not _exit: a unit built with coverage instrumentation writes
     * the counts of the test at the end of the process. */
    exit(0);
}

static void escape_child(void)
{
    /* A runner leaves only a test that did not reach its end. */
    if (vxu_in_child && (!vxu_runner || vxu_state->runner_in_test)) {
        leave_child(0);
    }
}

/* The time limit of one test in seconds (0: none), read once when the
 * traces open. */
static long vxu_timeout = VXU_DEFAULT_TIMEOUT;

/* VXU_TEST_TIMEOUT: unset or empty for the default, else decimal digits
 * only. Anything else (a sign, a unit, a value too large for a long) is
 * refused with a one-line message naming the variable and its value,
 * before any test runs: a limit silently replaced by the default would
 * let a run take far longer, or stop far sooner, than its user asked. */
static int read_test_timeout(void)
{
    const char *text = getenv(VXU_TIMEOUT_VARIABLE);
    const char *c;
    long seconds = 0;
    int valid = 1;
    vxu_timeout = VXU_DEFAULT_TIMEOUT;
    if (vxu_chosen_timeout >= 0) {
        /* --timeout on the command line replaces the environment's. */
        vxu_timeout = vxu_chosen_timeout;
        return 1;
    }
    if (text == NULL || text[0] == '\0') {
        return 1;
    }
    for (c = text; *c != '\0'; ++c) {
        int digit = *c - '0';
        if (digit < 0 || digit > 9 || seconds > (LONG_MAX - digit) / 10) {
            valid = 0;
            break;
        }
        seconds = seconds * 10 + digit;
    }
    if (valid) {
        vxu_timeout = seconds;
        return 1;
    }
#ifndef VXU_NO_STDIO
    fprintf(stderr, "vexor runtime: %s=\"", VXU_TIMEOUT_VARIABLE);
    for (c = text; *c != '\0' && c - text < VXU_SHOWN_VALUE_MAX; ++c) {
        unsigned char byte = (unsigned char)*c;
        if (byte < 0x20 || byte >= 0x7f || byte == '"' || byte == '\\') {
            fprintf(stderr, "\\x%02x", (unsigned)byte);
        } else {
            fputc(byte, stderr);
        }
    }
    fprintf(stderr, "\"%s is not a time limit: give a whole number of seconds (0 for no limit)\n",
            *c != '\0' ? "..." : "");
#endif
    return 0;
}

static const char *signal_name(int number)
{
    switch (number) {
    case SIGSEGV: return "SIGSEGV";
    case SIGABRT: return "SIGABRT";
    case SIGBUS: return "SIGBUS";
    case SIGFPE: return "SIGFPE";
    case SIGILL: return "SIGILL";
    case SIGKILL: return "SIGKILL";
    case SIGTERM: return "SIGTERM";
    case SIGINT: return "SIGINT";
    case SIGPIPE: return "SIGPIPE";
    case SIGALRM: return "SIGALRM";
    case SIGTRAP: return "SIGTRAP";
    case SIGSYS: return "SIGSYS";
    case SIGHUP: return "SIGHUP";
    case SIGQUIT: return "SIGQUIT";
    default: return NULL;
    }
}

static long long wall_microseconds(void);

/* One step of the wait for a child whose pipe closed, and the next one
 * longer. The child closes the pipe on its way out, a moment before it can
 * be reaped: the first steps only give the processor up, and they grow to
 * a millisecond for a child that still runs (only a process it started
 * held the pipe). A first step of a millisecond cost each test far more
 * than its fork. */
static void wait_a_step(long *wait_step)
{
    struct timespec step;
    step.tv_sec = 0;
    step.tv_nsec = *wait_step;
    if (*wait_step < VXU_YIELD_STEP_NS) {
        sched_yield();
    } else {
        nanosleep(&step, NULL);
    }
    if (*wait_step < VXU_WAIT_STEP_NS) {
        *wait_step *= 2;
    }
}

/* Waits for the child; 1 when it ended, 0 when the test it runs ran out of
 * time: the test began at *started and is timed while *timed is set (the
 * child may go from test to test, see start_runner). The child holds the
 * write end of `watch`: its end (and that of every process it started)
 * closes it, which wakes the harness at once. */
static int wait_child(pid_t child, int *watch, const long long *started, const int *timed,
                      int *status)
{
    struct pollfd event;
    long wait_step = VXU_FIRST_WAIT_STEP_NS;
    for (;;) {
        pid_t ended = waitpid(child, status, WNOHANG);
        int slice = VXU_POLL_SLICE_MS;
        if (ended == child) {
            return 1;
        }
        if (ended < 0 && errno != EINTR) {
            *status = 0;
            return 1;
        }
        if (vxu_timeout > 0 && *timed) {
            long long left = *started + vxu_timeout * VXU_MICROSECONDS - wall_microseconds();
            if (left <= 0) {
                return 0;
            }
            if (left / 1000 < slice) {
                slice = (int)(left / 1000) + 1;
            }
        }
        if (*watch >= 0) {
            event.fd = *watch;
            event.events = POLLIN;
            event.revents = 0;
            if (poll(&event, 1, slice) > 0 && (event.revents & (POLLHUP | POLLERR | POLLIN))) {
                /* The pipe closed: the child ended (or only a process it
                 * started still holds the pipe); from now on wait in
                 * steps. */
                close(*watch);
                *watch = -1;
            }
        } else {
            wait_a_step(&wait_step);
        }
    }
}

static void write_outcome(long rec, const char *how, const char *detail, long number)
{
    ++vxu_state->unfinished;
    if (begin_line('Q')) {
        put_long(rec);
        put_char(' ');
        put_text(how);
        if (detail != NULL) {
            put_char(' ');
            put_text(detail);
        } else {
            put_long(number);
        }
        end_line();
    }
    if (vxu_traces && !channel_flush()) {
        vxu_write_error = 1;
    }
}

/* The "Q" line of a test whose process has ended, unless it reached the
 * end of its test: `state` is what the process left, `status` what
 * waitpid said. */
static void write_test_end(long rec, int timed_out, const struct vxu_run_state *state,
                           int status)
{
    if (timed_out) {
        write_outcome(rec, "timeout", NULL, vxu_timeout);
    } else if (state->test_done) {
        /* the test reached its end */
    } else if (state->escaped) {
        write_outcome(rec, "left", NULL, 0);
    } else if (WIFSIGNALED(status)) {
        const char *name = signal_name(WTERMSIG(status));
        if (name != NULL) {
            write_outcome(rec, "signal", name, 0);
        } else {
            write_outcome(rec, "signal", NULL, (long)WTERMSIG(status));
        }
    } else {
        write_outcome(rec, "exit", NULL, WIFEXITED(status) ? (long)WEXITSTATUS(status) : -1L);
    }
}

/* ---- What the test's process left in the file ----
 * The child writes its lines through its own copy of the traces stream; a
 * long line reaches the file in several writes, and the count of lines is
 * raised after each line. A child stopped at any moment (time limit,
 * signal, crash) can thus leave half a line, or a line it did not count.
 * Once such a child has ended, the harness reads back what was written since
 * the test began, cuts the file after its last complete line and counts
 * the lines it really holds, so the "Q" line starts a line of its own and
 * the end line's count is exact. A traces path that cannot be read back
 * or cut (a pipe, a device) keeps the child's own count. */
#if VXU_STDIO_CHANNEL
#define VXU_READ_BACK_BLOCK 4096

static off_t traces_position(void)
{
    if (!vxu_traces || vxu_traces_file == NULL) {
        return -1;
    }
    return lseek(fileno(vxu_traces_file), 0, SEEK_CUR);
}

static void settle_traces(off_t start, long lines_before)
{
    static char block[VXU_READ_BACK_BLOCK];
    off_t end;
    off_t position = start;
    off_t complete = start;
    long lines = 0;
    int fd;
    if (start < 0 || !vxu_traces || vxu_traces_file == NULL) {
        return;
    }
    fd = fileno(vxu_traces_file);
    end = lseek(fd, 0, SEEK_END);
    if (end < start) {
        return;
    }
    while (position < end) {
        size_t wanted = end - position < (off_t)sizeof block ? (size_t)(end - position)
                                                             : sizeof block;
        ssize_t got = pread(fd, block, wanted, position);
        ssize_t i;
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            /* Not readable (opened for writing only): leave it as it is. */
            fseeko(vxu_traces_file, end, SEEK_SET);
            return;
        }
        for (i = 0; i < got; ++i) {
            if (block[i] == '\n') {
                ++lines;
                complete = position + i + 1;
            }
        }
        position += got;
    }
    if (complete != end && ftruncate(fd, complete) != 0) {
        vxu_write_error = 1;
    }
    if (fseeko(vxu_traces_file, complete, SEEK_SET) != 0) {
        vxu_write_error = 1;
    }
    vxu_lines = lines_before + lines;
}
#else
#define traces_position() (-1L)
#define settle_traces(start, lines) ((void)(start), (void)(lines))
#endif

/* ---- Signals that stop the harness ----
 * SIGTERM, SIGINT and SIGHUP sent to the harness while a test runs are
 * passed on to the test's process: the test ends with its "Q" line naming
 * the signal, and the harness then ends by the same signal (its traces
 * without their end line). The handlers are in place only while the
 * harness waits for a test; elsewhere the signals do what they did. A
 * signal the harness was started to ignore stays ignored. */
#define VXU_FORWARDED_SIGNALS 3

static const int vxu_forwarded[VXU_FORWARDED_SIGNALS] = {SIGTERM, SIGINT, SIGHUP};
static struct sigaction vxu_previous_action[VXU_FORWARDED_SIGNALS];
static int vxu_forwarding[VXU_FORWARDED_SIGNALS];
static volatile sig_atomic_t vxu_stop_signal;
static volatile pid_t vxu_running_child;
#if VXU_PARALLEL
/* The process of each slot of the parallel tests, 0 when none runs. */
static volatile pid_t vxu_job_pid[VXU_JOB_SLOTS];
#endif

static void forward_signal(int number)
{
    int saved = errno;
    /* A second stop request ends a test that ignores the first one. */
    int again = vxu_stop_signal != 0;
#if VXU_PARALLEL
    int i;
#endif
    vxu_stop_signal = number;
    if (vxu_running_child > 0) {
        kill(vxu_running_child, again ? SIGKILL : number);
    }
#if VXU_PARALLEL
    for (i = 0; i < VXU_JOB_SLOTS; ++i) {
        if (vxu_job_pid[i] > 0) {
            kill(vxu_job_pid[i], again ? SIGKILL : number);
        }
    }
#endif
    errno = saved;
}

static void forwarded_set(sigset_t *set)
{
    int i;
    sigemptyset(set);
    for (i = 0; i < VXU_FORWARDED_SIGNALS; ++i) {
        sigaddset(set, vxu_forwarded[i]);
    }
}

static void start_forwarding(void)
{
    int i;
    for (i = 0; i < VXU_FORWARDED_SIGNALS; ++i) {
        struct sigaction action;
        vxu_forwarding[i] = 0;
        if (sigaction(vxu_forwarded[i], NULL, &vxu_previous_action[i]) != 0 ||
            vxu_previous_action[i].sa_handler == SIG_IGN) {
            continue;
        }
        memset(&action, 0, sizeof action);
        action.sa_handler = forward_signal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = 0;
        vxu_forwarding[i] = sigaction(vxu_forwarded[i], &action, NULL) == 0;
    }
}

static void stop_forwarding(void)
{
    int i;
    for (i = 0; i < VXU_FORWARDED_SIGNALS; ++i) {
        if (vxu_forwarding[i]) {
            sigaction(vxu_forwarded[i], &vxu_previous_action[i], NULL);
            vxu_forwarding[i] = 0;
        }
    }
}

/* The harness was asked to stop while a test ran: the test's outcome is
 * written; the harness ends by the same signal, or with status 2. */
static void stop_on_signal(int number)
{
    sigset_t set;
#ifndef VXU_NO_STDIO
    const char *name = signal_name(number);
#endif
    vxu_end_reported = 1;
    if (vxu_traces && !channel_flush()) {
        vxu_write_error = 1;
    }
#ifndef VXU_NO_STDIO
    fprintf(stderr, "vexor runtime: stopped by %s; the traces end at the test it stopped: %s\n",
            name != NULL ? name : "a signal", vxu_traces_name != NULL ? vxu_traces_name : "(none)");
    fflush(stdout);
    fflush(stderr);
#endif
    signal(number, SIG_DFL);
    forwarded_set(&set);
    sigprocmask(SIG_UNBLOCK, &set, NULL);
    raise(number);
    _Exit(2);
}
#endif

/* "G rec": the test of "T" record rec begins. From this line on the report
 * expects every element to end with its "e" line. */
static void announce_test(long rec)
{
    vxu_announced = 1;
    if (begin_line('G')) {
        put_long(rec);
        end_line();
    }
}

/* ---- Test times ------------------------------------------------------------
 * "D rec us" follows each test that reached its end or was ended by the
 * harness: the wall-clock time of the whole test in microseconds, all its
 * runs, from its beginning to its end (a child process's, under
 * isolation). Only a POSIX host has the monotonic clock it is read from. */
#if VXU_POSIX_HOST
static long long wall_microseconds(void)
{
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (long long)now.tv_sec * VXU_MICROSECONDS + (long long)now.tv_nsec / 1000;
}

/* The test timed in the harness's own process and when it began. */
static long vxu_timed_test;
static long long vxu_test_start;

static void write_test_time(long rec, long long microseconds)
{
    if (begin_line('D')) {
        put_long(rec);
        put_long((long)microseconds);
        end_line();
    }
}
#endif

/* "U rec": the selection of the command line leaves the test of "T" record
 * rec out. */
static void leave_out_test(long rec)
{
    if (begin_line('U')) {
        put_long(rec);
        end_line();
    }
}

#if VXU_ISOLATE
/* Forks the process of a test; the forwarded signals are blocked, `mask`
 * is the mask to restore, and `forwarding` says whether the harness
 * forwarded them before this test. The child gets the signals as they were
 * and closes the read end of `watch`. -1 when fork failed: `watch` is
 * closed and a "W" line says that the test runs in the harness's process. */
static pid_t fork_test(const sigset_t *mask, int watch[2], int forwarding)
{
    pid_t child = fork();
    if (child < 0) {
        if (!forwarding) {
            stop_forwarding();
        }
        sigprocmask(SIG_SETMASK, mask, NULL);
        if (watch[0] >= 0) {
            close(watch[0]);
            close(watch[1]);
        }
        warn("the test runs in the harness's own process: fork failed");
        return -1;
    }
    if (child == 0) {
        vxu_in_child = 1;
        vxu_writer_pid = getpid();
        stop_forwarding();
        sigprocmask(SIG_SETMASK, mask, NULL);
        if (watch[0] >= 0) {
            close(watch[0]);
        }
    }
    return child;
}
#endif

/* ---- Parallel tests ---------------------------------------------------------
 * --jobs N runs up to N tests at once, each in its own child process, and
 * leaves the traces a run of one test at a time leaves, times apart. Each
 * child writes its lines to a private unnamed file (tmpfile) and counts
 * its checks in a slot of shared memory of its own. Once the child has
 * ended, the harness copies its lines into the traces in the order of the
 * script, cut after their last complete line as settle_traces does, and
 * writes the test's "Q" and "D" lines after them. A line the harness
 * writes itself while tests still run (the "G" of the next test, the "O"
 * of the next service, a "U") waits in memory behind the last of them.
 * A slot is free again only once its test is copied: a test that ended
 * waits for the ones before it in one of twice N slots, and a long test
 * holds back the start of the tests 2N after it. A stop signal goes to every running test; the
 * harness copies them all, each with its "Q" line, then ends by the signal.
 * A harness that cannot make the private files runs the tests one at a
 * time and says so with a "W" line. */
#if VXU_PARALLEL
struct vxu_job {
    long rec;
    int watch;           /* read end of the pipe the child holds, or -1 */
    int ended;           /* the child was reaped */
    int timed_out;
    int status;          /* from waitpid */
    long long start;     /* wall-clock microseconds at the fork */
    long long finish;    /* and when the child was seen ended */
    FILE *file;          /* the child's traces */
    char *held;          /* the harness's lines waiting behind the test */
    size_t held_used;
    size_t held_size;
};

static struct vxu_job vxu_jobs[VXU_JOB_SLOTS];
static struct vxu_run_state *vxu_job_state;
/* Slots made ready (0: not yet, -1: they could not be made). */
static int vxu_job_slots;
/* The oldest test still to copy; vxu_job_count tests from it are in the
 * slots, vxu_job_running of them still running. */
static int vxu_job_first;
static int vxu_job_running;

static int jobs_ready(void)
{
    void *shared;
    int slots = 2 * vxu_jobs_wanted;
    int i;
    if (vxu_job_slots != 0) {
        return vxu_job_slots > 1;
    }
    vxu_job_slots = -1;
    shared = mmap(NULL, sizeof(struct vxu_run_state) * (size_t)slots, PROT_READ | PROT_WRITE,
                  MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (shared == MAP_FAILED) {
        warn("--jobs: no shared memory for the tests; they run one at a time");
        return 0;
    }
    for (i = 0; i < slots; ++i) {
        vxu_jobs[i].file = tmpfile();
        vxu_jobs[i].watch = -1;
        if (vxu_jobs[i].file == NULL) {
            while (i-- > 0) {
                fclose(vxu_jobs[i].file);
            }
            munmap(shared, sizeof(struct vxu_run_state) * (size_t)slots);
            warn("--jobs: no temporary file for a test's traces; the tests run one at a time");
            return 0;
        }
    }
    vxu_job_state = (struct vxu_run_state *)shared;
    vxu_job_slots = slots;
    return 1;
}

static struct vxu_job *newest_job(void)
{
    return &vxu_jobs[(vxu_job_first + vxu_job_count - 1) % vxu_job_slots];
}

/* The line sink while tests run: the line waits behind the newest one. */
static int hold_line(const char *bytes, size_t count)
{
    struct vxu_job *job = newest_job();
    if (job->held_size - job->held_used < count) {
        size_t size = job->held_size > 0 ? job->held_size : VXU_LINE_BUFFER;
        char *grown;
        while (size - job->held_used < count) {
            size *= 2;
        }
        grown = (char *)realloc(job->held, size);
        if (grown == NULL) {
            return 0;
        }
        job->held = grown;
        job->held_size = size;
    }
    memcpy(job->held + job->held_used, bytes, count);
    job->held_used += count;
    return 1;
}

static void job_ended(int slot)
{
    struct vxu_job *job = &vxu_jobs[slot];
    job->ended = 1;
    job->finish = wall_microseconds();
    vxu_job_pid[slot] = 0;
    --vxu_job_running;
    if (job->watch >= 0) {
        close(job->watch);
        job->watch = -1;
    }
}

/* The next step of the wait for a child whose pipe closed. */
static long vxu_job_wait_step = VXU_FIRST_WAIT_STEP_NS;

/* One round of waiting: reaps the tests that ended and stops those out
 * of time; when none did, sleeps until a child's pipe closes, the nearest
 * time limit or a second passes, or one step of the wait for a child whose
 * pipe closed. */

static void watch_jobs(void)
{
    struct pollfd events[VXU_JOB_SLOTS];
    int watched[VXU_JOB_SLOTS];
    long long now = wall_microseconds();
    long long next = now + VXU_POLL_SLICE_MS * 1000LL;
    int changed = 0;
    int stepping = 0;
    int n = 0;
    int k;
    for (k = 0; k < vxu_job_count; ++k) {
        int slot = (vxu_job_first + k) % vxu_job_slots;
        struct vxu_job *job = &vxu_jobs[slot];
        pid_t child = vxu_job_pid[slot];
        pid_t ended;
        if (job->ended) {
            continue;
        }
        /* While the child holds its pipe it has not ended: no need to ask. */
        ended = job->watch < 0 ? waitpid(child, &job->status, WNOHANG) : 0;
        if (ended == child || (ended < 0 && errno != EINTR)) {
            if (ended < 0) {
                job->status = 0;
            }
            job_ended(slot);
            changed = 1;
        } else if (vxu_timeout > 0 && now >= job->start + vxu_timeout * VXU_MICROSECONDS) {
            kill(child, SIGKILL);
            while (waitpid(child, &job->status, 0) < 0 && errno == EINTR) {
            }
            job->timed_out = 1;
            job_ended(slot);
            changed = 1;
        } else {
            if (vxu_timeout > 0 && job->start + vxu_timeout * VXU_MICROSECONDS < next) {
                next = job->start + vxu_timeout * VXU_MICROSECONDS;
            }
            if (job->watch >= 0) {
                events[n].fd = job->watch;
                events[n].events = POLLIN;
                events[n].revents = 0;
                watched[n++] = slot;
            } else {
                /* Its pipe closed: the child is ending, or only a process
                 * it started holds the pipe. */
                stepping = 1;
            }
        }
    }
    if (changed) {
        vxu_job_wait_step = VXU_FIRST_WAIT_STEP_NS;
        return;
    }
    /* A child whose pipe closed is waited for in steps, short ones first
     * (see wait_child); the pipes of the others are only looked at then. */
    if (n > 0 && poll(events, (nfds_t)n, stepping ? 0 : (int)((next - now) / 1000) + 1) > 0) {
        for (k = 0; k < n; ++k) {
            if (events[k].revents & (POLLHUP | POLLERR | POLLIN)) {
                /* From now on the child is waited for in steps. */
                close(events[k].fd);
                vxu_jobs[watched[k]].watch = -1;
                vxu_job_wait_step = VXU_FIRST_WAIT_STEP_NS;
            }
        }
        return;
    }
    if (stepping || n == 0) {
        wait_a_step(&vxu_job_wait_step);
    }
}

/* Copies a test's lines into the traces up to the last complete one and
 * counts them. */
static void copy_job_lines(struct vxu_job *job)
{
    static char block[VXU_READ_BACK_BLOCK];
    int fd = fileno(job->file);
    off_t end = lseek(fd, 0, SEEK_END);
    off_t complete = 0;
    off_t position = 0;
    long lines = 0;
    int pass;
    if (end < 0) {
        vxu_write_error = 1;
        return;
    }
    /* The first pass finds the end of the last complete line, the second
     * copies up to it. */
    for (pass = 0; pass < 2; ++pass) {
        off_t stop = pass == 0 ? end : complete;
        position = 0;
        while (position < stop) {
            size_t wanted = stop - position < (off_t)sizeof block ? (size_t)(stop - position)
                                                                  : sizeof block;
            ssize_t got = pread(fd, block, wanted, position);
            ssize_t i;
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got <= 0) {
                vxu_write_error = 1;
                return;
            }
            if (pass == 0) {
                for (i = 0; i < got; ++i) {
                    if (block[i] == '\n') {
                        ++lines;
                        complete = position + i + 1;
                    }
                }
            } else if (!channel_write(block, (size_t)got)) {
                vxu_write_error = 1;
            }
            position += got;
        }
    }
    vxu_lines += lines;
}

/* Writes the oldest test into the traces, once its process has ended. */
static void collect_job(void)
{
    int slot = vxu_job_first;
    struct vxu_job *job = &vxu_jobs[slot];
    const struct vxu_run_state *state = &vxu_job_state[slot];
    while (!job->ended) {
        watch_jobs();
    }
    vxu_line_sink = NULL;
    copy_job_lines(job);
    vxu_passed += state->passed;
    vxu_failed += state->failed;
    vxu_recorded += state->recorded;
    vxu_state->unfinished += state->unfinished;
    if (state->write_error) {
        vxu_write_error = 1;
    }
    write_test_end(job->rec, job->timed_out, state, job->status);
    /* A test a stop signal cut has no time. */
    if (vxu_stop_signal == 0 || state->test_done) {
        write_test_time(job->rec, job->finish - job->start);
    }
    if (job->held_used > 0 && !channel_write(job->held, job->held_used)) {
        vxu_write_error = 1;
    }
    job->held_used = 0;
    if (!channel_flush()) {
        vxu_write_error = 1;
    }
    vxu_job_first = (slot + 1) % vxu_job_slots;
    --vxu_job_count;
    if (vxu_job_count > 0) {
        vxu_line_sink = hold_line;
    } else {
        stop_forwarding();
    }
}

/* Writes every running test into the traces; after a stop signal the
 * harness then ends by it. */
static void drain_jobs(void)
{
    while (vxu_job_count > 0) {
        collect_job();
    }
    if (vxu_stop_signal != 0) {
        stop_on_signal((int)vxu_stop_signal);
    }
}

/* Starts the test of "T" record rec in a free slot: 1 in the child, which
 * runs it, 0 in the harness, which goes on to the next test. */
static int start_job(long rec)
{
    struct vxu_job *job;
    sigset_t forwarded;
    sigset_t mask;
    int watch[2];
    int slot;
    int k;
    pid_t child;
    /* Tests that ended go to the traces as soon as those before them have;
     * a new one waits for a process to end and for a free slot. */
    for (;;) {
        while (vxu_job_count > 0 && vxu_jobs[vxu_job_first].ended) {
            collect_job();
        }
        if (vxu_job_count == vxu_job_slots) {
            collect_job();
        } else if (vxu_job_running == vxu_jobs_wanted && vxu_stop_signal == 0) {
            watch_jobs();
        } else {
            break;
        }
    }
    if (vxu_stop_signal != 0) {
        drain_jobs();
    }
    slot = (vxu_job_first + vxu_job_count) % vxu_job_slots;
    job = &vxu_jobs[slot];
    memset(&vxu_job_state[slot], 0, sizeof vxu_job_state[slot]);
    if (ftruncate(fileno(job->file), 0) != 0) {
        vxu_write_error = 1;
    }
    rewind(job->file);
    job->rec = rec;
    job->ended = 0;
    job->timed_out = 0;
    job->status = 0;
    job->held_used = 0;
    flush_all();
    if (pipe(watch) != 0) {
        watch[0] = watch[1] = -1;
    }
    forwarded_set(&forwarded);
    sigprocmask(SIG_BLOCK, &forwarded, &mask);
    if (vxu_job_count == 0) {
        vxu_stop_signal = 0;
        start_forwarding();
    }
    job->start = wall_microseconds();
    child = fork_test(&mask, watch, vxu_job_count > 0);
    if (child < 0) {
        return 1;
    }
    if (child == 0) {
        for (k = 0; k < vxu_job_count; ++k) {
            struct vxu_job *other = &vxu_jobs[(vxu_job_first + k) % vxu_job_slots];
            if (other->watch >= 0) {
                close(other->watch);
            }
        }
        vxu_job_count = 0;
        vxu_line_sink = NULL;
        vxu_state = &vxu_job_state[slot];
        vxu_traces_file = job->file;
        return 1;
    }
    vxu_job_pid[slot] = child;
    ++vxu_job_count;
    ++vxu_job_running;
    vxu_line_sink = hold_line;
    sigprocmask(SIG_SETMASK, &mask, NULL);
    if (watch[1] >= 0) {
        close(watch[1]);
    }
    job->watch = watch[0];
    return 0;
}
#endif

/* ---- Tests in one process (--isolation=crash) -------------------------------
 * The harness forks a runner at a test; the runner runs it and goes on by
 * itself to the next tests, writing the traces, until the end of the
 * harness or until a test crashes, exits, is left or runs out of time. The
 * harness then writes that test's "Q" line, goes over the tests the runner
 * reached without writing anything (it runs the same harness code), and
 * forks a fresh runner at the next test. The tests share their state as
 * they would without isolation; the time limit holds for each test. */
#if VXU_ISOLATE
static void runner_begins(long rec)
{
    vxu_state->runner_ordinal = vxu_test_ordinal;
    vxu_state->runner_rec = rec;
    vxu_state->runner_started = wall_microseconds();
    vxu_state->runner_in_test = 1;
    vxu_timed_test = rec;
    vxu_test_start = vxu_state->runner_started;
}

static int start_runner(long rec)
{
    int watch[2];
    int status = 0;
    int ended;
    long lines_before;
    off_t start;
    sigset_t forwarded;
    sigset_t mask;
    pid_t child;
    flush_all();
    if (pipe(watch) != 0) {
        watch[0] = watch[1] = -1;
    }
    vxu_state->test_done = 0;
    vxu_state->escaped = 0;
    vxu_state->runner_finished = 0;
    start = traces_position();
    lines_before = vxu_lines;
    forwarded_set(&forwarded);
    sigprocmask(SIG_BLOCK, &forwarded, &mask);
    vxu_stop_signal = 0;
    start_forwarding();
    runner_begins(rec);
    vxu_timed_test = 0;
    child = fork_test(&mask, watch, 0);
    if (child < 0) {
        vxu_timed_test = rec;
        return 1;
    }
    if (child == 0) {
        vxu_runner = 1;
        vxu_timed_test = rec;
        lines_to_shared_memory();
        return 1;
    }
    vxu_running_child = child;
    sigprocmask(SIG_SETMASK, &mask, NULL);
    if (watch[1] >= 0) {
        close(watch[1]);
    }
    ended = wait_child(child, &watch[0], &vxu_state->runner_started, &vxu_state->runner_in_test,
                       &status);
    if (!ended) {
        kill(child, SIGKILL);
        while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
    }
    vxu_running_child = 0;
    stop_forwarding();
    collect_shared_lines();
    if (watch[0] >= 0) {
        close(watch[0]);
    }
    if (!ended || !vxu_state->runner_finished || vxu_write_error) {
        settle_traces(start, lines_before);
    }
    if (vxu_state->runner_finished) {
        vxu_caught_up_to = LONG_MAX;
    } else {
        if (vxu_state->runner_in_test || vxu_state->escaped) {
            /* The test it was in did not reach its end. */
            write_test_end(vxu_state->runner_rec, !ended, vxu_state, status);
            if (vxu_stop_signal == 0) {
                write_test_time(vxu_state->runner_rec,
                                wall_microseconds() - vxu_state->runner_started);
            }
        }
        vxu_caught_up_to = vxu_state->runner_ordinal;
    }
    /* This test is the first the runner reached. */
    vxu_silent = vxu_caught_up_to > vxu_test_ordinal;
    if (vxu_stop_signal != 0) {
        stop_on_signal((int)vxu_stop_signal);
    }
    return 0;
}
#endif

int vxu_test_begin(long rec)
{
#if VXU_ISOLATE
    int watch[2];
    int status = 0;
    int ended;
    const int timed = 1;
    long lines_before;
    long long test_start;
    off_t start;
    sigset_t forwarded;
    sigset_t mask;
    pid_t child;
    leave_test_if_open();
    if (vxu_refused) {
        /* The runtime refused the run (see refuse_run). */
        return 0;
    }
    ++vxu_test_ordinal;
    if (vxu_silent && !vxu_runner) {
        /* A runner ran this test: the harness goes past it, and speaks again
         * after the last one the runner reached. */
        if (vxu_test_ordinal >= vxu_caught_up_to) {
            vxu_silent = 0;
        }
        return 0;
    }
    if (!test_selected(rec)) {
        leave_out_test(rec);
        return 0;
    }
    announce_test(rec);
    if (vxu_runner) {
        runner_begins(rec);
        return 1;
    }
    if (!vxu_traces || vxu_state == &vxu_own_state) {
        vxu_timed_test = rec;
        vxu_test_start = wall_microseconds();
        return 1;
    }
    if (vxu_isolation == VXU_ISOLATION_CRASH) {
        return start_runner(rec);
    }
#if VXU_PARALLEL
    if (vxu_jobs_wanted > 1 && jobs_ready()) {
        return start_job(rec);
    }
#endif
    test_start = wall_microseconds();
    flush_all();
    if (pipe(watch) != 0) {
        watch[0] = watch[1] = -1;
    }
    vxu_state->test_done = 0;
    vxu_state->escaped = 0;
    start = traces_position();
    lines_before = vxu_lines;
    /* The forwarded signals wait until the child's number is known. */
    forwarded_set(&forwarded);
    sigprocmask(SIG_BLOCK, &forwarded, &mask);
    vxu_stop_signal = 0;
    start_forwarding();
    child = fork_test(&mask, watch, 0);
    if (child == 0) {
        lines_to_shared_memory();
    }
    if (child <= 0) {
        return 1;
    }
    vxu_running_child = child;
    sigprocmask(SIG_SETMASK, &mask, NULL);
    if (watch[1] >= 0) {
        close(watch[1]);
    }
    ended = wait_child(child, &watch[0], &test_start, &timed, &status);
    if (!ended) {
        kill(child, SIGKILL);
        while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
    }
    vxu_running_child = 0;
    stop_forwarding();
    collect_shared_lines();
    /* A child that reached the end of its test wrote whole lines only,
     * each flushed before it was counted (end_line), and counted them all:
     * the file needs no reading back unless a write failed. */
    if (!ended || !vxu_state->test_done || vxu_write_error) {
        settle_traces(start, lines_before);
    }
    /* The child was killed and reaped: its number may already belong to
     * another process. */
    write_test_end(rec, !ended, vxu_state, status);
    /* A run cut by a signal ends here: the test has no time. */
    if (vxu_stop_signal == 0) {
        write_test_time(rec, wall_microseconds() - test_start);
    }
    if (watch[0] >= 0) {
        close(watch[0]);
    }
    if (vxu_stop_signal != 0) {
        stop_on_signal((int)vxu_stop_signal);
    }
    return 0;
#else
    leave_test_if_open();
    if (vxu_refused) {
        return 0;
    }
    if (!test_selected(rec)) {
        leave_out_test(rec);
        return 0;
    }
    announce_test(rec);
#if VXU_POSIX_HOST
    vxu_timed_test = rec;
    vxu_test_start = wall_microseconds();
#endif
    return 1;
#endif
}

void vxu_test_done(void)
{
    leave_if_foreign();
#if VXU_ISOLATE
    if (vxu_in_child && !vxu_runner) {
        leave_child(1);
    }
#endif
#if defined(VXU_GCOV)
    /* The counts so far: a later test that stops the target loses only
     * its own. */
    vxu_gcov_dump();
#endif
#if VXU_POSIX_HOST
    if (vxu_timed_test != 0) {
        write_test_time(vxu_timed_test, wall_microseconds() - vxu_test_start);
        vxu_timed_test = 0;
    }
#endif
#if VXU_ISOLATE
    if (vxu_runner) {
        vxu_state->runner_in_test = 0;
    }
#endif
}

long vxu_checks_passed(void)
{
    return vxu_passed;
}

long vxu_checks_failed(void)
{
    return vxu_failed;
}

int vxu_run_status(void)
{
    return vxu_run_end_status;
}

/* ---- Check lines ----------------------------------------------------------- */

VXU_MAYBE_UNUSED static int valid_base(int base)
{
    return base == 2 || base == 8 || base == 10 || base == 16 ? base : 10;
}

/* Counts the check and writes the common head of its line:
 * "C rec type check range verdict". Returns 0 when there is no file. */
VXU_MAYBE_UNUSED static int begin_check(long rec, const char *type, int base, int check, int range, int pass)
{
    if (foreign_process()) {
        return 0;
    }
    if (!check) {
        ++vxu_recorded;
    } else if (pass) {
        ++vxu_passed;
    } else {
        ++vxu_failed;
    }
    if (!start_line('C')) {
        return 0;
    }
    put_long(rec);
    put_char(' ');
    put_text(type);
    if (base != 0) {
        put_digits("/", (unsigned long long)valid_base(base), 10);
    }
    put_text(check ? " 1" : " 0");
    put_text(range ? " 1" : " 0");
    put_text(!check ? " --" : pass ? " ok" : " KO");
    return 1;
}

VXU_MAYBE_UNUSED static int begin_initial(long rec, const char *type, int base)
{
    if (!begin_line('I')) {
        return 0;
    }
    put_long(rec);
    put_char(' ');
    put_text(type);
    if (base != 0) {
        put_digits("/", (unsigned long long)valid_base(base), 10);
    }
    return 1;
}

/* ---- Integers -------------------------------------------------------------
 * Without the range flag the value must equal the expected value `a`: the
 * macros never evaluate the second expected value then (an expected value
 * with a side effect runs once), and the traces show `a` twice. With the
 * flag it must lie between the bounds `a` and `b`. The functions of the
 * scalar types set `b` to `a` without the flag, and both cases become one
 * test: a <= v <= a holds exactly when v == a (a NaN is neither equal to
 * nor between anything). */
#define VXU_WITHIN(v, a, b) ((a) <= (v) && (v) <= (b))

#if ZQZQUSE_EDV_INTEGER_C
void vxu_edv_integer(int check, int range, long long v, long rec, int base, long long a,
                     long long b)
{
    if (!range) {
        b = a;
    }
    if (begin_check(rec, "int", base, check, range, VXU_WITHIN(v, a, b))) {
        put_llong(v);
        put_llong(a);
        put_llong(b);
        end_line();
    }
}
#endif

/* Always built, as vxu_held_unsigned below. */
long long vxu_held_char(long long e)
{
    return e >= -128 && e <= 255 ? (long long)(char)e : e;
}

/* Always built: a stub table holds computed expected values with it in
 * harnesses that check no unsigned variable. */
unsigned long long vxu_held_unsigned(long long e, int bits)
{
    unsigned long long all_ones;
    if (bits <= 0 || bits >= 64) {
        return (unsigned long long)e;
    }
    all_ones = (1ULL << bits) - 1u;
    if (e < -(1LL << (bits - 1)) || (e > 0 && (unsigned long long)e > all_ones)) {
        return (unsigned long long)e;
    }
    return (unsigned long long)e & all_ones;
}

#if ZQZQUSE_EDV_UNSIGNED_C
void vxu_edv_unsigned(int check, int range, unsigned long long v, long rec, int base,
                      unsigned long long a, unsigned long long b)
{
    if (!range) {
        b = a;
    }
    if (begin_check(rec, "uns", base, check, range, VXU_WITHIN(v, a, b))) {
        put_ullong(v);
        put_ullong(a);
        put_ullong(b);
        end_line();
    }
}
#endif

#if ZQZQUSE_EDV_BOOLEAN_C
void vxu_edv_boolean(int check, int range, int v, long rec, int a, int b)
{
    if (!range) {
        b = a;
    }
    if (begin_check(rec, "bool", 0, check, range, VXU_WITHIN(v, a, b))) {
        put_long(v);
        put_long(a);
        put_long(b);
        end_line();
    }
}
#endif

#if ZQZQUSE_EDV_CHAR_C
/* Characters compare as the platform's char; their images are the codes
 * 0 to 255. */
void vxu_edv_char(int check, int range, char v, long rec, char a, char b)
{
    if (!range) {
        b = a;
    }
    if (begin_check(rec, "char", 0, check, range, VXU_WITHIN(v, a, b))) {
        put_long((long)(unsigned char)v);
        put_long((long)(unsigned char)a);
        put_long((long)(unsigned char)b);
        end_line();
    }
}

/* Bounds a char can take (a code from -128 to 255, as a char constant
 * may be written) are converted as C converts them and checked as
 * characters. Any other is not cut to a char that the variable could
 * hold: the check is made on the whole numbers, where no char reaches it,
 * and traced as an integer one. */
void vxu_edv_char_held(int check, int range, char v, long rec, long long a, long long b)
{
    if (!range) {
        b = a;
    }
    if (a >= -128 && a <= 255 && b >= -128 && b <= 255) {
        vxu_edv_char(check, range, v, rec, (char)a, (char)b);
        return;
    }
    if (begin_check(rec, "int", 10, check, range, VXU_WITHIN((long long)v, a, b))) {
        put_llong((long long)v);
        put_llong(a);
        put_llong(b);
        end_line();
    }
}
#endif

#if ZQZQUSE_PTU_INTEGER_C
void vxu_ptu_integer(long long v, long rec, int base)
{
    if (begin_initial(rec, "int", base)) {
        put_llong(v);
        end_line();
    }
}
#endif

#if ZQZQUSE_PTU_UNSIGNED_C
void vxu_ptu_unsigned(unsigned long long v, long rec, int base)
{
    if (begin_initial(rec, "uns", base)) {
        put_ullong(v);
        end_line();
    }
}
#endif

#if ZQZQUSE_PTU_BOOLEAN_C
void vxu_ptu_boolean(int v, long rec)
{
    if (begin_initial(rec, "bool", 0)) {
        put_long(v ? 1 : 0);
        end_line();
    }
}
#endif

#if ZQZQUSE_PTU_CHAR_C
void vxu_ptu_char(char v, long rec)
{
    if (begin_initial(rec, "char", 0)) {
        put_long((long)(unsigned char)v);
        end_line();
    }
}
#endif

/* ---- Floating values ------------------------------------------------------- */

#if VXU_WITH_FLOATING
/* The shortest %g image that reads back as the same value: from 6 digits
 * up to 9 for a float and 17 for a double. */
VXU_MAYBE_UNUSED static void put_floating(double v, int single)
{
    char image[VXU_FLOAT_IMAGE_SIZE];
    int digits;
    int last = single ? 9 : 17;
    if (v != v) {
        put_text(" nan");
        return;
    }
    if (v > DBL_MAX) {
        put_text(" inf");
        return;
    }
    if (v < -DBL_MAX) {
        put_text(" -inf");
        return;
    }
    for (digits = 6; digits <= last; ++digits) {
        double back;
        snprintf(image, sizeof image, "%.*g", digits, v);
        back = strtod(image, NULL);
        if (single ? (float)back == (float)v : back == v) {
            break;
        }
    }
    if (digits > last) {
        snprintf(image, sizeof image, "%.*g", last, v);
    }
    put_char(' ');
    put_text(image);
}
#endif

#if ZQZQUSE_EDV_FLOAT_C
void vxu_edv_float(int check, int range, double v, long rec, double a, double b)
{
    if (!range) {
        b = a;
    }
    if (begin_check(rec, "float", 0, check, range, VXU_WITHIN(v, a, b))) {
        put_floating(v, 1);
        put_floating(a, 1);
        put_floating(b, 1);
        end_line();
    }
}
#endif

#if ZQZQUSE_EDV_DOUBLE_C
void vxu_edv_double(int check, int range, double v, long rec, double a, double b)
{
    if (!range) {
        b = a;
    }
    if (begin_check(rec, "double", 0, check, range, VXU_WITHIN(v, a, b))) {
        put_floating(v, 0);
        put_floating(a, 0);
        put_floating(b, 0);
        end_line();
    }
}
#endif

/* ---- long double ------------------------------------------------------------
 * Compared in long double precision; the image is the fewest %Lg digits
 * that read back to the same long double. Where long double is double
 * (most 32-bit targets), the double image is the same and needs neither
 * %Lg nor strtold from the C library. */
#if ZQZQUSE_EDV_LDOUBLE_C || ZQZQUSE_PTU_LDOUBLE_C
#if LDBL_MANT_DIG == DBL_MANT_DIG
static void put_ldouble(long double v)
{
    put_floating((double)v, 0);
}
#else
#ifdef LDBL_DECIMAL_DIG
#define VXU_LDOUBLE_DIGITS LDBL_DECIMAL_DIG
#else
/* 1 + ceil(LDBL_MANT_DIG * log10(2)), with a digit to spare. */
#define VXU_LDOUBLE_DIGITS (LDBL_MANT_DIG * 30103L / 100000L + 3)
#endif
static void put_ldouble(long double v)
{
    char image[VXU_LDOUBLE_IMAGE_SIZE];
    int digits;
    if (v != v) {
        put_text(" nan");
        return;
    }
    if (v > LDBL_MAX) {
        put_text(" inf");
        return;
    }
    if (v < -LDBL_MAX) {
        put_text(" -inf");
        return;
    }
    for (digits = 6; digits <= VXU_LDOUBLE_DIGITS; ++digits) {
        snprintf(image, sizeof image, "%.*Lg", digits, v);
        if (strtold(image, NULL) == v) {
            break;
        }
    }
    if (digits > VXU_LDOUBLE_DIGITS) {
        snprintf(image, sizeof image, "%.*Lg", (int)VXU_LDOUBLE_DIGITS, v);
    }
    put_char(' ');
    put_text(image);
}
#endif
#endif

#if ZQZQUSE_EDV_LDOUBLE_C
void vxu_edv_ldouble(int check, int range, long double v, long rec, long double a,
                     long double b)
{
    if (!range) {
        b = a;
    }
    if (begin_check(rec, "ldouble", 0, check, range, VXU_WITHIN(v, a, b))) {
        put_ldouble(v);
        put_ldouble(a);
        put_ldouble(b);
        end_line();
    }
}
#endif

#if ZQZQUSE_PTU_LDOUBLE_C
void vxu_ptu_ldouble(long double v, long rec)
{
    if (begin_initial(rec, "ldouble", 0)) {
        put_ldouble(v);
        end_line();
    }
}
#endif

#if ZQZQUSE_PTU_FLOAT_C
void vxu_ptu_float(double v, long rec)
{
    if (begin_initial(rec, "float", 0)) {
        put_floating(v, 1);
        end_line();
    }
}
#endif

#if ZQZQUSE_PTU_DOUBLE_C
void vxu_ptu_double(double v, long rec)
{
    if (begin_initial(rec, "double", 0)) {
        put_floating(v, 0);
        end_line();
    }
}
#endif

/* ---- Strings ------------------------------------------------------------------ */

#if ZQZQUSE_EDV_STR_C
/* NULL equals only NULL; NONIL as expected value accepts any non-null
 * string. A range compares in strcmp order. */
VXU_MAYBE_UNUSED static int string_equal(const char *v, const char *e)
{
    if (e == vxu_nonil_object) {
        return v != NULL;
    }
    if (v == NULL || e == NULL) {
        return v == e;
    }
    return strcmp(v, e) == 0;
}

/* Where the images of two long strings that differ begin: a little before
 * their first difference, when that lies beyond what an image shows. */
static size_t window_start(const char *v, const char *e)
{
    size_t i = 0;
    if (v == NULL || e == NULL || e == vxu_nonil_object) {
        return 0;
    }
    while (v[i] != '\0' && v[i] == e[i]) {
        ++i;
    }
    if (i + VXU_STR_CONTEXT < (size_t)VXU_STR_TRACE_MAX) {
        return 0;
    }
    return i > VXU_STR_CONTEXT ? i - VXU_STR_CONTEXT : 0;
}

void vxu_edv_str(int check, int range, const char *v, long rec, const char *a, const char *b)
{
    int pass;
    size_t start = 0;
    if (!range) {
        b = a;
    }
    if (range) {
        pass = v != NULL && a != NULL && b != NULL && strcmp(a, v) <= 0 && strcmp(v, b) <= 0;
    } else {
        pass = string_equal(v, a);
        if (!pass) {
            start = window_start(v, a);
        }
    }
    if (vxu_concat_cut) {
        /* A bound was cut: the comparison says nothing. */
        vxu_concat_cut = 0;
        pass = 0;
    }
    if (begin_check(rec, "str", 0, check, range, pass)) {
        put_string_from(v, start);
        put_string_from(a, start);
        put_string_from(b, start);
        end_line();
    }
}
#endif

#if ZQZQUSE_INI_STR_C
void vxu_ini_str(char *dst, int trace, long rec, const char *src)
{
    if (dst == NULL) {
        warn("INI_STR_C: the variable to initialise is a null pointer");
        return;
    }
    if (src == NULL) {
        dst[0] = '\0';
    } else {
        memmove(dst, src, strlen(src) + 1);
    }
    vxu_concat_cut = 0;
    if (trace && begin_initial(rec, "str", 0)) {
        put_string(dst);
        end_line();
    }
}
#endif

#if ZQZQUSE_CONCAT_STR_C
/* A ring of buffers: the result of a concatenation stays valid while the
 * next VXU_CONCAT_SLOTS - 1 concatenations run, which covers the two
 * bounds of one check. A text longer than a buffer gets its own block
 * (freed when the slot comes round again), unless VXU_NO_MALLOC. */
static char vxu_concat_buffers[VXU_CONCAT_SLOTS][VXU_CONCAT_SIZE];
#ifndef VXU_NO_MALLOC
static char *vxu_concat_blocks[VXU_CONCAT_SLOTS];
#endif
static int vxu_concat_next;

char *vxu_concat_str(const char *first, ...)
{
    va_list pieces;
    const char *piece;
    size_t total = 0;
    size_t room;
    size_t used = 0;
    int cut = 0;
    int slot = vxu_concat_next;
    char *out = vxu_concat_buffers[slot];
    vxu_concat_next = (vxu_concat_next + 1) % VXU_CONCAT_SLOTS;

#ifndef VXU_NO_MALLOC
    va_start(pieces, first);
    for (piece = first; piece != NULL; piece = va_arg(pieces, char *)) {
        total += strlen(piece);
    }
    va_end(pieces);
#else
    (void)total;
#endif

    room = VXU_CONCAT_SIZE - 1;
#ifndef VXU_NO_MALLOC
    free(vxu_concat_blocks[slot]);
    vxu_concat_blocks[slot] = NULL;
    if (total > room) {
        vxu_concat_blocks[slot] = (char *)malloc(total + 1);
        if (vxu_concat_blocks[slot] != NULL) {
            out = vxu_concat_blocks[slot];
            room = total;
        }
    }
#endif

    va_start(pieces, first);
    for (piece = first; piece != NULL; piece = va_arg(pieces, char *)) {
        size_t length = strlen(piece);
        if (length > room - used) {
            length = room - used;
            cut = 1;
        }
        memcpy(out + used, piece, length);
        used += length;
    }
    va_end(pieces);
    out[used] = '\0';
    if (cut) {
        vxu_concat_cut = 1;
        warn("CONCAT_STR_C: the concatenated text was cut to the buffer size");
    }
    return out;
}
#endif

#if ZQZQUSE_COMP_STR_C
int vxu_comp_str(const char *ref, const char *str)
{
    if (ref == NULL || str == NULL) {
        return ref != str;
    }
    return strcmp(ref, str) != 0;
}
#endif

char *vxu_strcpy(char *dst, const char *src)
{
    if (dst == NULL) {
        return dst;
    }
    if (src == NULL) {
        dst[0] = '\0';
    } else {
        memmove(dst, src, strlen(src) + 1);
    }
    return dst;
}

/* ---- Pointers ------------------------------------------------------------------ */

#if ZQZQUSE_EDV_POINTER_C
void vxu_edv_pointer(int check, int range, const void *v, long rec, const void *a)
{
    int pass;
    if (a == (const void *)vxu_nonil_object) {
        pass = v != NULL;
    } else {
        pass = v == a;
    }
    if (begin_check(rec, "ptr", 0, check, range, pass)) {
        put_pointer(v);
        put_pointer(a);
        put_pointer(a);
        end_line();
    }
}
#endif

int vxu_given(const void *p)
{
    return p != NULL;
}

void vxu_stub_no_return(long stub)
{
    (void)stub;
#ifndef VXU_NO_EXIT
    exit(1);
#else
    /* A target without exit: the time limit of the test ends it. */
    for (;;) {
    }
#endif
}

int vxu_funcptr_differs(vxu_funcptr p, vxu_funcptr ref)
{
    if (ref == &vxu_nonilfunc_target) {
        return p == 0;
    }
    return p != ref;
}

void vxu_edv_funcptr(int check, int range, vxu_funcptr v, long rec, vxu_funcptr a, int mode)
{
    int pass;
    vxu_funcptr expected = a;
    if (mode == VXU_FUNCPTR_NIL) {
        expected = 0;
    } else if (mode == VXU_FUNCPTR_NONIL) {
        expected = &vxu_nonilfunc_target;
    }
    pass = !vxu_funcptr_differs(v, expected);
    if (begin_check(rec, "fptr", 0, check, range, pass)) {
        put_funcptr(v);
        put_funcptr(expected);
        put_funcptr(expected);
        end_line();
    }
}

/* ---- Aggregates and stubs ----------------------------------------------------- */

#if ZQZQUSE_OPEN_BRA_C
void vxu_bracket(int kind, long rec)
{
    if (begin_line(kind == '[' ? '[' : ']')) {
        put_long(rec);
        end_line();
    }
}
#endif

void vxu_mode(int kind, long rec)
{
    if (begin_line((char)kind)) {
        put_long(rec);
        end_line();
    }
}

#if ZQZQUSE_RUPT
void vxu_rupt(long rec)
{
    if (begin_line('X')) {
        put_long(rec);
        end_line();
    }
}
#endif

#if ZQZQUSE_MUET_CHECK
void vxu_muet_check(long stub, long call)
{
    if (begin_line('K')) {
        put_long(stub);
        put_long(call);
        end_line();
    }
}
#endif

static char vxu_stub_pool[VXU_STUB_POOL_SIZE];
static size_t vxu_stub_pool_used;

void vxu_stub_pool_reset(void)
{
    vxu_stub_pool_used = 0;
}

const char *vxu_stub_keep_str(const char *s)
{
    size_t length;
    char *copy;
    if (s == NULL || s == (const char *)NONIL) {
        return s;
    }
    length = strlen(s) + 1;
    if (length > sizeof vxu_stub_pool - vxu_stub_pool_used) {
        return s;
    }
    copy = vxu_stub_pool + vxu_stub_pool_used;
    memcpy(copy, s, length);
    vxu_stub_pool_used += length;
    return copy;
}

#if ZQZQUSE_CHRONO_MUET_C
void vxu_chrono_muet(long rec, int res, long call)
{
    if (begin_line('M')) {
        put_long(rec);
        put_long(call);
        put_long(res ? 1 : 0);
        end_line();
    }
}
#endif
