// The preprocessor on the headers of the C library and of POSIX, as the
// compiler runs it: the standard definitions of the target, then one text
// that includes every header. With a file argument, that file is
// preprocessed instead. Prints the size of the output; bench/cpp_bench.sh
// compares the whole process with gcc -E on the same text.
#include "diag/catalogue.h"
#include "diag/reporter.h"
#include "driver/c_analysis.h"
#include "driver/options/compiler_options.h"

#include <QCoreApplication>

#include <unistd.h>

#include <cstdio>
#include <string>

extern char** environ;

namespace {

const char* const headers[] = {
    "assert.h",     "complex.h",   "ctype.h",    "errno.h",       "fenv.h",     "float.h",
    "inttypes.h",   "iso646.h",    "limits.h",   "locale.h",      "math.h",     "setjmp.h",
    "signal.h",     "stdalign.h",  "stdarg.h",   "stdatomic.h",   "stdbool.h",  "stddef.h",
    "stdint.h",     "stdio.h",     "stdlib.h",   "stdnoreturn.h", "string.h",   "threads.h",
    "time.h",       "uchar.h",     "wchar.h",    "wctype.h",      "unistd.h",   "fcntl.h",
    "pthread.h",    "sys/types.h", "sys/stat.h", "sys/socket.h",  "sys/wait.h", "sys/mman.h",
    "netinet/in.h", "arpa/inet.h", "netdb.h",    "dirent.h",      "regex.h",    "sys/time.h",
    "poll.h",       "termios.h",   "dlfcn.h",    "sys/select.h",  "sys/uio.h",  "sys/utsname.h",
    "glob.h",       "fnmatch.h",   "grp.h",      "pwd.h",         "sched.h",    "semaphore.h",
    "syslog.h",
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    vx::MessageCatalogue catalogue;
    catalogue.register_all();
    vx::Reporter reporter(catalogue);

    // The environment as the compiler takes it; without a target package,
    // the one of the build tree.
    const vx::RunEnvironment environment = vx::environment_from(vx::environment_snapshot(environ));
    vx::CompilerSettings settings;
    settings.std_define_file = vx::package_standard_definitions(
        environment.runtime_package.value_or(std::string(VX_DIST_DIR_BENCH) + "/target"));
    vx::RunFiles files;
    vx::CAnalysis analysis(reporter, files);
    analysis.start(settings, environment);
    std::string text;
    if (argc > 1) {
        text = "#include \"" + std::string(argv[1]) + "\"\n";
    } else {
        for (const char* header : headers) {
            text += "#include <" + std::string(header) + ">\n";
        }
    }
    std::string output = analysis.preprocess(text, "headers.c", 0);
    analysis.finish();
    std::printf("%zu bytes of preprocessed text\n", output.size());
    return reporter.warning_count() + reporter.error_count() > 0 ? 1 : 0;
}
