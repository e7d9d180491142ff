// The report's memory on a test repeated 400000 times by LOOP: a real
// harness writes the traces, and vexorreport must read them, and write the
// text report, in less than ten times the size of the traces file. The
// sanitizers' shadow memory and quarantine distort any such figure, so the
// bound is held on the optimised build (make test-shipped) only.
#include "testkit/testkit.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <string>
#include <vector>

extern char** environ;

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool sanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool sanitized = true;
#else
constexpr bool sanitized = false;
#endif
#else
constexpr bool sanitized = false;
#endif

constexpr long runs = 400000;

// Runs a program with its output thrown away; returns its peak resident
// memory in bytes, or -1 when it did not end normally.
long long peak_memory_of(const std::vector<std::string>& arguments, const std::string& directory) {
    std::vector<char*> argv;
    for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addchdir_np(&actions, directory.c_str());
    pid_t child = 0;
    const int started = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (started != 0) return -1;
    int status = 0;
    struct rusage usage {};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status)) return -1;
    return static_cast<long long>(usage.ru_maxrss) * 1024;
}

TEST(ReportMemory, FourHundredThousandRunsTakeLessThanTenTimesTheirTraces) {
    if (sanitized) {
        GTEST_SKIP() << "memory is measured on the optimised build (make test-shipped)";
    }
    vx::testkit::ScratchDir dir;
    vx::testkit::write_file(dir.file("level.h"),
                            "#include <stdint.h>\nextern int32_t level;\nvoid settle(void);\n");
    vx::testkit::write_file(dir.file("level.c"),
                            "#include \"level.h\"\nint32_t level;\n"
                            "void settle(void) { level = level + 1; }\n");
    vx::testkit::write_file(dir.file("r.ptu"),
                            "HEADER runs, 1.0, , repeated\n##include \"level.h\"\nBEGIN\n"
                            "SERVICE settle\nTEST repeated LOOP " +
                                std::to_string(runs) +
                                "\nFAMILY nominal\nELEMENT\nVAR level, INIT = 1, EV = 2\n"
                                "#settle();\nEND ELEMENT\nEND FAMILY\nEND TEST\nEND SERVICE\n");
    const vx::testkit::ProcessResult compiled =
        vx::testkit::run_compiler({"r.ptu", "t.c", "."}, {}, dir.path());
    ASSERT_EQ(compiled.status, 0) << compiled.out << compiled.err;
    const std::string lib = vx::testkit::dist_dir() + "/target/lib";
    const vx::testkit::ProcessResult built = vx::testkit::run_program(
        "cc", {"-O1", "-I" + lib, "-I.", "t.c", "level.c", lib + "/TP.c", "-o", "t"}, {},
        dir.path());
    ASSERT_EQ(built.status, 0) << built.err;
    const vx::testkit::ProcessResult ran =
        vx::testkit::run_program(dir.file("t"), {}, {}, dir.path());
    ASSERT_EQ(ran.status, 0) << ran.out << ran.err;

    struct stat traces {};
    ASSERT_EQ(stat(dir.file("t.rio").c_str(), &traces), 0);
    ASSERT_GT(traces.st_size, runs * 40);  // seven lines a run
    const long long peak = peak_memory_of(
        {vx::testkit::dist_dir() + "/bin/vexorreport", "t.tdc", "t.rio"}, dir.path());
    ASSERT_GT(peak, 0);
    EXPECT_LT(peak, 10LL * traces.st_size) << "peak " << peak / (1 << 20) << " MB for "
                                           << traces.st_size / (1 << 20) << " MB of traces";
}

}  // namespace
