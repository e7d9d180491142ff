// The runtime package (runtime/lib/TP.c) where a harness meets the world:
// the compilation stamp at the head of the traces, long double checks,
// check flags computed at run time, time that cannot be measured, code
// under test that forks, a harness started with its standard descriptors
// closed, a bad time limit, a test stopped by its time limit or by a crash
// in the middle of a line, signals sent to the harness, the exit status
// of a harness that ends without its end line, and traces paths that name
// something other than a traces file.
//
// Each case is a small harness written here in the shape the compiler
// writes, built with cc and the installed TP.c (-Wall -Wextra -Werror),
// run in a scratch directory; the tests read its traces file line by line
// and, where it helps, hand it to the installed vexorreport.
#include "harness/harness_runner.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using namespace vx::harness_testing;

bool contains(const std::string& text, const std::string& piece) {
    return text.find(piece) != std::string::npos;
}

bool starts_with(const std::string& text, const std::string& head) {
    return text.compare(0, head.size(), head) == 0;
}

// The lines of a traces file; `whole` is false when the file does not end
// with a newline (its last line is cut).
struct TraceLines {
    std::vector<std::string> lines;
    bool whole = true;
};

TraceLines split_traces(const std::string& text) {
    TraceLines result;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            result.whole = false;
            result.lines.push_back(text.substr(start));
            break;
        }
        result.lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return result;
}

int count_prefix(const std::vector<std::string>& lines, const std::string& head) {
    int count = 0;
    for (const std::string& line : lines) {
        if (starts_with(line, head)) ++count;
    }
    return count;
}

// The F line is last and counts the lines before it.
::testing::AssertionResult ends_with_a_true_count(const TraceLines& traces) {
    if (!traces.whole) return ::testing::AssertionFailure() << "the last line is cut";
    if (traces.lines.empty()) return ::testing::AssertionFailure() << "no lines";
    const std::string expected = "F " + std::to_string(traces.lines.size() - 1);
    if (traces.lines.back() != expected) {
        return ::testing::AssertionFailure()
               << "last line \"" << traces.lines.back() << "\", expected \"" << expected << "\"";
    }
    return ::testing::AssertionSuccess();
}

// The head of a harness source: the runtime's header, then the compilation
// stamp the declarations file would give it.
std::string stamp_header(const std::string& stamp) {
    return "#include \"TP.h\"\n#undef VXU_STAMP\n#define VXU_STAMP \"" + stamp + "\"\n";
}

// The stamp the fixtures of tests/harness share.
const std::string stamp_lines = stamp_header("5eed5eed5eed5eed");

// The main function of a harness, in the shape the compiler writes it, that
// writes the traces file `name`.rio: the declaration of the operation, then
// `tests`, then the end line. `locals` are declared before VXU_INIT_DATA and
// `setup` runs after it, before the traces file is opened. main returns
// `status` after CLF_C.
std::string harness_main(const std::string& name, const std::string& tests,
                         const std::string& locals = "", const std::string& setup = "",
                         const std::string& operation = "s", const std::string& status = "0") {
    return "int main(int argc, char **argv)\n{\n" + locals + "   VXU_INIT_DATA\n" + setup +
           "OPF_C(\"" + name + ".rio\");\nDCL_OP_C(1, \"" + operation + "\");\n" + tests +
           "CLF_C(\"" + name + ".rio\");\nreturn " + status + ";\n}\n";
}

// Test `number` of a harness with one element: `during` is the code under
// test, run between the chrono calls; `checks` follow them.
std::string test_block(int number, const std::string& name, const std::string& during,
                       const std::string& checks) {
    const std::string n = std::to_string(number);
    return "if (VXU_TEST_BEGIN_C(" + n + ")) {\nDCL_TST_C(" + n + ", \"" + name +
           "\");\nSTART_CHRONO_C();\n" + during + "STOP_CHRONO_C();\n" + checks +
           "VXU_END_ELEMENT_C();\nVXU_END_TEST_C();\nVXU_TEST_DONE_C(); }\n";
}

// A check at script line `line` that the C expression `actual` equals
// `expected`, compared (flag 1) and without a range.
std::string int_check(int line, const std::string& actual, int expected) {
    const std::string value = "(vxu_integer)(" + std::to_string(expected) + ")";
    return "EDV_INTEGER_C(1,0,(vxu_integer)(" + actual + "),0+" + std::to_string(line) + ",10," +
           value + "," + value + ");\n";
}

// A status of a process started with posix_spawn.
struct Ended {
    bool exited = false;
    int status = -1;  // exit status, or the signal number when !exited
};

class RuntimeCorners : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(scratch_.isValid());
        compiler_ = find_compiler(QStringLiteral("cc"));
        ASSERT_FALSE(compiler_.isEmpty()) << "no C compiler named cc";
    }

    QString in_dir(const std::string& name) const {
        return scratch_.path() + QLatin1Char('/') + QString::fromStdString(name);
    }
    std::string path(const std::string& name) const { return in_dir(name).toStdString(); }

    // Writes `source` as name.c and builds it with the installed runtime.
    bool build(const std::string& name, const std::string& source, const QStringList& flags = {}) {
        if (!write_file(in_dir(name + ".c"), source)) return false;
        QStringList arguments = {QStringLiteral("-std=c99"), QStringLiteral("-Wall"),
                                 QStringLiteral("-Wextra"), QStringLiteral("-Werror")};
        arguments << flags << QStringLiteral("-I") + dist_path(QStringLiteral("target/lib"))
                  << in_dir(name + ".c") << dist_path(QStringLiteral("target/lib/TP.c"))
                  << QStringLiteral("-o") << in_dir(name);
        ProcessResult built =
            run_program(compiler_, arguments, scratch_.path(), {}, compile_timeout_ms);
        EXPECT_TRUE(built.started && built.exit_code == 0 && built.err.empty())
            << "build of " << name << " failed:\n"
            << built.err;
        return built.started && built.exit_code == 0;
    }

    ProcessResult run(const std::string& name, const std::map<QString, QString>& env = {}) {
        return run_program(in_dir(name), {}, scratch_.path(), env);
    }

    TraceLines traces(const std::string& name) {
        return split_traces(read_file(in_dir(name + ".rio")));
    }

    // Starts harness `name` in the scratch directory with descriptors
    // `closed` closed (the others on files out/err), the forwarded signals
    // at their default and none blocked.
    pid_t spawn(const std::string& name, const std::vector<int>& closed) {
        posix_spawn_file_actions_t actions;
        posix_spawnattr_t attributes;
        posix_spawn_file_actions_init(&actions);
        posix_spawnattr_init(&attributes);
        const std::string out = path(name + ".out");
        const std::string err = path(name + ".err");
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        for (int fd : closed) posix_spawn_file_actions_addclose(&actions, fd);
        sigset_t defaults;
        sigset_t none;
        sigemptyset(&defaults);
        sigaddset(&defaults, SIGTERM);
        sigaddset(&defaults, SIGINT);
        sigaddset(&defaults, SIGHUP);
        sigemptyset(&none);
        posix_spawnattr_setsigdefault(&attributes, &defaults);
        posix_spawnattr_setsigmask(&attributes, &none);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
        const std::string program = path(name);
        char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
        // The traces go where VXURIO says, whatever the working directory.
        std::vector<std::string> variables = {"VXURIO=" + path(name + ".rio")};
        for (char** entry = environ; *entry != nullptr; ++entry) {
            if (!starts_with(*entry, "VXURIO=")) variables.push_back(*entry);
        }
        std::vector<char*> envp;
        for (std::string& variable : variables) envp.push_back(variable.data());
        envp.push_back(nullptr);
        pid_t pid = -1;
        if (posix_spawn(&pid, program.c_str(), &actions, &attributes, argv, envp.data()) != 0) {
            pid = -1;
        }
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attributes);
        return pid;
    }

    // The pid the test of harness `name` shows (PTU_INTEGER_C at line 4) once
    // its process runs; 0 when it has not shown it within 30 s.
    // The pid the test of harness `name` left in pid.NAME (its lines reach
    // the traces only once its process has ended).
    long wait_for_test_pid(const std::string& name) {
        long test_pid = 0;
        for (int wait = 0; wait < 3000 && test_pid == 0; ++wait) {
            QFile file(in_dir("pid." + name));
            if (file.open(QIODevice::ReadOnly)) test_pid = file.readAll().trimmed().toLong();
            if (test_pid == 0) std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return test_pid;
    }

    // Waits at most `seconds` for `pid`; kills it when it does not end.
    static Ended wait_for(pid_t pid, int seconds) {
        Ended ended;
        int status = 0;
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
        for (;;) {
            pid_t done = waitpid(pid, &status, WNOHANG);
            if (done == pid) break;
            if (std::chrono::steady_clock::now() > deadline) {
                kill(pid, SIGKILL);
                waitpid(pid, &status, 0);
                ADD_FAILURE() << "the harness did not end within " << seconds << " s";
                return ended;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        ended.exited = WIFEXITED(status);
        ended.status = ended.exited ? WEXITSTATUS(status) : WTERMSIG(status);
        return ended;
    }

    QTemporaryDir scratch_;
    QString compiler_;
};

// ---- The stamp -------------------------------------------------------------

TEST_F(RuntimeCorners, TheTracesCarryTheStampOfTheirCompilation) {
    const std::string body = harness_main("stamp", "");
    // The declarations file's stamp, handed over by OPF_C in main.
    ASSERT_TRUE(build("stamp", stamp_lines + body));
    ASSERT_EQ(run("stamp").exit_code, 0);
    TraceLines stamped = traces("stamp");
    ASSERT_GE(stamped.lines.size(), 3u);
    EXPECT_EQ(stamped.lines[0], "VXU-TRACES 3");
    EXPECT_EQ(stamped.lines[1], "H 5eed5eed5eed5eed");
    EXPECT_TRUE(ends_with_a_true_count(stamped));

    // A hand-written harness without a stamp writes no H line.
    ASSERT_TRUE(build("stamp", "#include \"TP.h\"\n" + body));
    ASSERT_EQ(run("stamp").exit_code, 0);
    TraceLines bare = traces("stamp");
    ASSERT_GE(bare.lines.size(), 2u);
    EXPECT_EQ(bare.lines[0], "VXU-TRACES 3");
    EXPECT_EQ(bare.lines[1], "O 1 \"s\"");
    EXPECT_TRUE(ends_with_a_true_count(bare));

    // A stamp that is not 16 lowercase hexadecimal digits cannot tie the
    // traces to their link records: the harness refuses to run.
    for (const char* wrong :
         {"5EED5EED5EED5EED", "5eed", "5eed5eed5eed5eed0", "5eed 5eed5eed5ee"}) {
        ASSERT_TRUE(build("stamp", stamp_header(wrong) + body));
        ProcessResult refused = run("stamp");
        EXPECT_EQ(refused.exit_code, 2) << wrong;
        EXPECT_TRUE(contains(refused.err, "compilation stamp")) << refused.err;
        TraceLines cut = traces("stamp");
        EXPECT_EQ(cut.lines, std::vector<std::string>{"VXU-TRACES 3"}) << wrong;
    }
}

TEST_F(RuntimeCorners, TheFixturesCarryTheSharedStamp) {
    ProcessResult built = compile_harness(compiler_, QStringLiteral("worked"), scratch_.path(),
                                          QStringLiteral("worked"));
    ASSERT_EQ(built.exit_code, 0) << built.err;
    ASSERT_EQ(run("worked").exit_code, 0);
    TraceLines worked = traces("worked");
    ASSERT_GE(worked.lines.size(), 2u);
    EXPECT_EQ(worked.lines[0], "VXU-TRACES 3");
    EXPECT_EQ(worked.lines[1], "H 5eed5eed5eed5eed");
    EXPECT_TRUE(ends_with_a_true_count(worked));
    // The report ties them to the link records of the same compilation.
    ProcessResult verdict = run_report(
        {harness_file(QStringLiteral("worked.tdc")), in_dir("worked.rio")}, scratch_.path());
    EXPECT_EQ(verdict.exit_code, 0) << verdict.out << verdict.err;
    EXPECT_TRUE(contains(verdict.out, "VERDICT: PASSED")) << verdict.out << verdict.err;
}

// ---- Checks ------------------------------------------------------------------

// long double checks in long double precision, and every check macro with
// a check flag computed at run time (0: recorded only, whatever the values).
TEST_F(RuntimeCorners, LongDoubleChecksAndCheckFlagsComputedAtRunTime) {
    const std::string ldouble = test_block(2, "ldouble", "PTU_LDOUBLE_C(0.1L, 0+4);\n",
                                           R"(EDV_LDOUBLE_C(1,0,1.0L + tiny,0+5,1.0L,1.0L);
EDV_LDOUBLE_C(1,0,1.0L + tiny,0+5,1.0L + tiny,1.0L + tiny);
EDV_LDOUBLE_C(1,1,1.0L + tiny,0+5,1.0L,1.0L + 2 * tiny);
EDV_LDOUBLE_C(1,1,1.0L + 4 * tiny,0+5,1.0L,1.0L + 2 * tiny);
EDV_DOUBLE_C(1,0,1.0L + tiny,0+6,1.0,1.0);
EDV_LDOUBLE_C(0,0,(long double)INFINITY,0+5,-(long double)INFINITY,(long double)NAN);
)");
    const std::string flags = test_block(3, "flags", "", R"(for (k = 0; k < 2; ++k) {
EDV_INTEGER_C(flag(k),0,(vxu_integer)(3),0+7,10,(vxu_integer)(4),(vxu_integer)(4));
EDV_UNSIGNED_C(flag(k),0,(vxu_unsigned)(3),0+7,10,(vxu_unsigned)(4),(vxu_unsigned)(4));
EDV_BOOLEAN_C(flag(k),0,1,0+7,0,0);
EDV_CHAR_C(flag(k),0,'a',0+7,'b','b');
EDV_FLOAT_C(flag(k),0,1.5f,0+7,2.5f,2.5f);
EDV_DOUBLE_C(flag(k),0,1.5,0+7,2.5,2.5);
EDV_LDOUBLE_C(flag(k),0,1.5L,0+7,2.5L,2.5L);
EDV_STR_C(flag(k),0,"a",0+7,"b","b");
EDV_POINTER_C(flag(k),0,&x,0+7,NIL);
EDV_FUNCPOINTER_C(flag(k),0,target,0+7,NILFUNC);
EDV_NILFUNCPOINTER_C(flag(k),0,target,0+7,NILFUNC);
EDV_NONILFUNCPOINTER_C(flag(k),0,NILFUNC,0+7,NONILFUNC);
}
)");
    const std::string source = "#include <math.h>\n" + stamp_lines + R"(
static void target(void) {}
static int flag(int k) { return k; }
int x;
)" +
                               harness_main("checks", ldouble + flags,
                                            "   long double tiny = 1.0L;\n   int i;\n   int k;\n",
                                            "   for (i = 0; i < 60; ++i) tiny /= 2;\n", "checks");
    ASSERT_TRUE(build("checks", source));
    ProcessResult run_result = run("checks");
    const bool wide = std::numeric_limits<long double>::digits > 60;
    EXPECT_EQ(run_result.exit_code, 1) << run_result.err;
    // ldouble: the wide check fails only where long double holds 1 + 2^-60;
    // the range that leaves it out fails everywhere; the same value seen as
    // a double passes. flags: 12 recorded, 12 failed.
    EXPECT_TRUE(contains(run_result.out, "vexor runtime: " + std::to_string(wide ? 3 : 4) +
                                             " check(s) passed, " + std::to_string(wide ? 14 : 13) +
                                             " failed, 13"))
        << run_result.out;

    TraceLines lines = traces("checks");
    EXPECT_TRUE(ends_with_a_true_count(lines));
    const auto& all = lines.lines;
    EXPECT_EQ(count_prefix(all, "I 4 ldouble 0.1"), 1);
    // Without the range flag the second value is never read: the first is
    // shown twice.
    EXPECT_EQ(count_prefix(all, "C 5 ldouble 0 0 -- inf -inf -inf"), 1);
    EXPECT_EQ(count_prefix(all, "C 6 double 1 0 ok 1 1 1"), 1);
    std::string differs;
    for (const std::string& line : all) {
        if (starts_with(line, "C 5 ldouble 1 0 ")) {
            differs = line;
            break;
        }
    }
    if (wide) {
        if (std::numeric_limits<long double>::digits == 64) {
            EXPECT_EQ(differs, "C 5 ldouble 1 0 KO 1.0000000000000000009 1 1");
        }
        // The image is the shortest that reads back to the same long double.
        ASSERT_TRUE(starts_with(differs, "C 5 ldouble 1 0 KO ")) << differs;
        const std::string image = differs.substr(19, differs.find(' ', 19) - 19);
        EXPECT_EQ(std::strtold(image.c_str(), nullptr), 1.0L + std::ldexp(1.0L, -60)) << image;
        EXPECT_EQ(count_prefix(all, "C 5 ldouble 1 0 ok " + image + " " + image + " " + image), 1);
        EXPECT_EQ(count_prefix(all, "C 5 ldouble 1 1 ok " + image + " 1 "), 1);
        EXPECT_EQ(count_prefix(all, "C 5 ldouble 1 1 KO "), 1);
    } else {
        EXPECT_EQ(differs, "C 5 ldouble 1 0 ok 1 1 1");
    }

    // Every check macro took the run-time flag: 0 recorded, 1 compared.
    for (const char* type :
         {"int/10", "uns/10", "bool", "char", "float", "double", "ldouble", "str", "ptr"}) {
        EXPECT_EQ(count_prefix(all, std::string("C 7 ") + type + " 0 0 -- "), 1) << type;
        EXPECT_EQ(count_prefix(all, std::string("C 7 ") + type + " 1 0 KO "), 1) << type;
    }
    EXPECT_EQ(count_prefix(all, "C 7 fptr 0 0 -- "), 3);
    EXPECT_EQ(count_prefix(all, "C 7 fptr 1 0 KO "), 3);
    EXPECT_EQ(count_prefix(all, "C 7 ldouble 0 0 -- 1.5 2.5 2.5"), 1);
}

// A time that cannot be measured is unknown ("Z -"), never negative: a
// clock that went backwards (a wrapped clock_t), a failed reading, or a
// figure too large for the line.
TEST_F(RuntimeCorners, ATimeThatCannotBeMeasuredIsUnknown) {
    const std::string scripted_clock = R"(#include <limits.h>
#include <time.h>
#include "TP.h"
static const clock_t readings[] = {1000, 3000, 1000, 500, (clock_t)-1, 7, 7, (clock_t)-1,
                                   0, (clock_t)LONG_MAX};
static unsigned next_reading;
clock_t scripted_clock(void)
{
    return readings[next_reading++ % (sizeof readings / sizeof readings[0])];
}
)";
    // One test timed five times, in the harness's own process.
    const std::string five_times = R"(DCL_TST_C(2, "t");
for (i = 0; i < 5; ++i) {
START_CHRONO_C();
STOP_CHRONO_C();
}
VXU_END_TEST_C();
)";
    const std::string source = scripted_clock + harness_main("chrono", five_times, "   int i;\n");
    ASSERT_TRUE(build("chrono", source,
                      {QStringLiteral("-Dclock=scripted_clock"), QStringLiteral("-DVXU_NO_FORK")}));
    ASSERT_EQ(run("chrono").exit_code, 0);
    std::vector<std::string> times;
    for (const std::string& line : traces("chrono").lines) {
        if (starts_with(line, "Z ")) times.push_back(line);
    }
    const std::string measured = "Z " + std::to_string(2000LL * 1000000LL / CLOCKS_PER_SEC);
    EXPECT_EQ(times, (std::vector<std::string>{measured, "Z -", "Z -", "Z -", "Z -"}));
}

// ---- Processes -----------------------------------------------------------------

// Code under test that forks: the child returns into the harness, or ends
// with exit() of its own. Only the process running the test writes; the
// other's lines and counts are dropped and it ends at the end of the test.
TEST_F(RuntimeCorners, ACopyOfTheTestMadeByForkNeverWritesTheTraces) {
    const std::string source =
        "#define _POSIX_C_SOURCE 200809L\n"
        "#include <stdlib.h>\n#include <sys/types.h>\n"
        "#include <sys/wait.h>\n#include <unistd.h>\n" +
        stamp_lines + R"(
int x;
int seen;
/* The copy returns into the harness with another value. */
static void unit_forks_and_returns(void)
{
    pid_t copy = fork();
    if (copy == 0) {
        x = 2;
        return;
    }
    x = 1;
    waitpid(copy, NULL, 0);
}
/* The copy ends at once with a status of its own. */
static int unit_forks_and_exits(void)
{
    int status = -1;
    pid_t copy = fork();
    if (copy == 0) {
        exit(5);
    }
    waitpid(copy, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
)" +
        harness_main("forks",
                     test_block(2, "returns", "unit_forks_and_returns();\n", int_check(4, "x", 1)) +
                         test_block(5, "exits", "seen = unit_forks_and_exits();\n",
                                    int_check(7, "seen", 5)));
    for (const QStringList& flags : {QStringList{}, QStringList{QStringLiteral("-DVXU_NO_FORK")}}) {
        const std::string how = flags.isEmpty() ? "isolated" : "VXU_NO_FORK";
        ASSERT_TRUE(build("forks", source, flags));
        ProcessResult result = run("forks");
        EXPECT_EQ(result.exit_code, 0) << how << result.out << result.err;
        EXPECT_TRUE(contains(result.out, "2 check(s) passed, 0 failed")) << how << result.out;
        TraceLines lines = traces("forks");
        EXPECT_TRUE(ends_with_a_true_count(lines)) << how;
        EXPECT_EQ(count_prefix(lines.lines, "C "), 2) << how;
        EXPECT_EQ(count_prefix(lines.lines, "C 4 int/10 1 0 ok 1 1 1"), 1) << how;
        EXPECT_EQ(count_prefix(lines.lines, "C 7 int/10 1 0 ok 5 5 5"), 1) << how;
        EXPECT_EQ(count_prefix(lines.lines, "T "), 2) << how;
        EXPECT_EQ(count_prefix(lines.lines, "Q "), 0) << how;
    }
}

// A harness started with a standard descriptor closed keeps its traces
// file off it: the unit's printf, and the runtime's own summary, never
// land in the traces.
TEST_F(RuntimeCorners, TheTracesStayOffTheStandardDescriptors) {
    const std::string prints = test_block(2, "prints", R"(printf("UNIT-OUTPUT\n");
fflush(stdout);
fprintf(stderr, "UNIT-ERROR\n");
)",
                                          int_check(4, "1", 1));
    const std::string source = "#include <stdio.h>\n" + stamp_lines +
                               harness_main("fds", prints + "printf(\"HARNESS-OUTPUT\\n\");\n");
    ASSERT_TRUE(build("fds", source));
    for (const std::vector<int>& closed : {std::vector<int>{0}, std::vector<int>{1},
                                           std::vector<int>{2}, std::vector<int>{0, 1, 2}}) {
        std::string which;
        for (int fd : closed) which += std::to_string(fd) + " ";
        pid_t pid = spawn("fds", closed);
        ASSERT_GT(pid, 0);
        Ended ended = wait_for(pid, 60);
        EXPECT_TRUE(ended.exited && ended.status == 0) << "closed " << which;
        const std::string text = read_file(in_dir("fds.rio"));
        EXPECT_FALSE(contains(text, "OUTPUT")) << "closed " << which << "\n" << text;
        EXPECT_FALSE(contains(text, "UNIT-ERROR")) << "closed " << which << "\n" << text;
        EXPECT_FALSE(contains(text, "vexor runtime")) << "closed " << which << "\n" << text;
        TraceLines lines = split_traces(text);
        EXPECT_TRUE(ends_with_a_true_count(lines)) << "closed " << which;
        EXPECT_EQ(count_prefix(lines.lines, "C 4 int/10 1 0 ok 1 1 1"), 1) << "closed " << which;
    }
}

// ---- Time limits and crashes -----------------------------------------------------

// A bad VXU_TEST_TIMEOUT is refused before any test runs, with one line
// naming the variable and its value.
TEST_F(RuntimeCorners, AnInvalidTimeLimitIsRefusedBeforeAnyTest) {
    const std::string source = stamp_lines + harness_main("limit", test_block(2, "t", "", ""));
    ASSERT_TRUE(build("limit", source));
    for (const char* value : {"abc", "-1", "5x", "99999999999999999999999", " 5", "+5", "1.5"}) {
        ProcessResult refused =
            run("limit", {{QStringLiteral("VXU_TEST_TIMEOUT"), QString::fromLatin1(value)}});
        EXPECT_EQ(refused.exit_code, 2) << value;
        EXPECT_EQ(refused.err,
                  std::string("vexor runtime: VXU_TEST_TIMEOUT=\"") + value +
                      "\" is not a time limit: give a whole number of seconds (0 for no limit)\n")
            << value;
        TraceLines lines = traces("limit");
        EXPECT_EQ(count_prefix(lines.lines, "G "), 0) << value;
        EXPECT_EQ(count_prefix(lines.lines, "F "), 0) << value;
    }
    for (const char* value : {"", "0", "30"}) {
        ProcessResult accepted =
            run("limit", {{QStringLiteral("VXU_TEST_TIMEOUT"), QString::fromLatin1(value)}});
        EXPECT_EQ(accepted.exit_code, 0) << value << accepted.err;
        EXPECT_TRUE(ends_with_a_true_count(traces("limit"))) << value;
    }
}

// ---- Refusals of a harness whose CLF_C returns ------------------------------------

// The worked fixture built with VXU_NO_EXIT, its main handing back the
// status the runtime gave the run: a bad time limit runs no test, leaves
// the traces without their end line and never reads as PASSED; a valid
// one runs the test and passes.
TEST_F(RuntimeCorners, UnderNoExitABadTimeLimitRunsNoTestAndNeverPasses) {
    ProcessResult built = compile_harness(
        compiler_, QStringLiteral("worked"), scratch_.path(), QStringLiteral("worked"),
        {QStringLiteral("-DVXU_NO_EXIT"),
         QStringLiteral("-DZQZQ_MAIN_RETURN=return vxu_run_status();")});
    ASSERT_EQ(built.exit_code, 0) << built.err;
    auto report = [&] {
        return run_report({harness_file(QStringLiteral("worked.tdc")), in_dir("worked.rio")},
                          scratch_.path());
    };

    ProcessResult refused =
        run("worked", {{QStringLiteral("VXU_TEST_TIMEOUT"), QStringLiteral("5m")}});
    EXPECT_NE(refused.exit_code, 0) << refused.out << refused.err;
    EXPECT_TRUE(contains(refused.err, "VXU_TEST_TIMEOUT=\"5m\" is not a time limit"))
        << refused.err;
    EXPECT_TRUE(contains(refused.out, "0 check(s) passed, 0 failed")) << refused.out;
    TraceLines cut = traces("worked");
    EXPECT_EQ(cut.lines, (std::vector<std::string>{"VXU-TRACES 3", "H 5eed5eed5eed5eed"}));
    ProcessResult incomplete = report();
    EXPECT_NE(incomplete.exit_code, 0) << incomplete.out;
    EXPECT_FALSE(contains(incomplete.out, "VERDICT: PASSED")) << incomplete.out;
    EXPECT_TRUE(contains(incomplete.out, "VERDICT: INCOMPLETE")) << incomplete.out;

    ProcessResult accepted =
        run("worked", {{QStringLiteral("VXU_TEST_TIMEOUT"), QStringLiteral("30")}});
    EXPECT_EQ(accepted.exit_code, 0) << accepted.out << accepted.err;
    EXPECT_TRUE(contains(accepted.out, "2 check(s) passed, 0 failed")) << accepted.out;
    EXPECT_TRUE(ends_with_a_true_count(traces("worked")));
    ProcessResult passed = report();
    EXPECT_EQ(passed.exit_code, 0) << passed.out << passed.err;
    EXPECT_TRUE(contains(passed.out, "VERDICT: PASSED")) << passed.out << passed.err;
}

// The other refusals of OPF_C under VXU_NO_EXIT, isolated and not: a
// traces path that is not a traces file, one that cannot be created, and a
// bad compilation stamp. The test's code never runs (the refusal says so),
// the status is 2, and a run that is not refused still passes.
TEST_F(RuntimeCorners, UnderNoExitARefusedRunRunsNoTest) {
    const std::string tests =
        test_block(2, "t", "printf(\"TEST-RAN\\n\");\nfflush(stdout);\n", int_check(4, "1", 1));
    const std::string body = harness_main("refused", tests, "", "", "s", "vxu_run_status()");
    const std::string secret = "not a traces file\n";
    for (const QStringList& flags :
         {QStringList{QStringLiteral("-DVXU_NO_EXIT")},
          QStringList{QStringLiteral("-DVXU_NO_EXIT"), QStringLiteral("-DVXU_NO_FORK")}}) {
        const std::string how = flags.join(QLatin1Char(' ')).toStdString();
        ASSERT_TRUE(build("refused", "#include <stdio.h>\n" + stamp_lines + body, flags));

        ASSERT_TRUE(write_file(in_dir("refused.rio"), secret));
        ProcessResult foreign = run("refused");
        EXPECT_EQ(foreign.exit_code, 2) << how;
        EXPECT_TRUE(contains(foreign.err, "no test was run")) << how << foreign.err;
        EXPECT_FALSE(contains(foreign.out, "TEST-RAN")) << how;
        EXPECT_EQ(read_file(in_dir("refused.rio")), secret) << how;

        ProcessResult uncreatable =
            run("refused", {{QStringLiteral("VXURIO"), in_dir("missing/refused.rio")}});
        EXPECT_EQ(uncreatable.exit_code, 2) << how;
        EXPECT_TRUE(contains(uncreatable.err, "cannot create the traces file")) << how;
        EXPECT_FALSE(contains(uncreatable.out, "TEST-RAN")) << how;

        QFile::remove(in_dir("refused.rio"));
        ProcessResult whole = run("refused");
        EXPECT_EQ(whole.exit_code, 0) << how << whole.err;
        EXPECT_TRUE(contains(whole.out, "TEST-RAN")) << how;
        EXPECT_TRUE(ends_with_a_true_count(traces("refused"))) << how;

        ASSERT_TRUE(build("refused", "#include <stdio.h>\n" + stamp_header("5EED") + body, flags));
        ProcessResult stamped = run("refused");
        EXPECT_EQ(stamped.exit_code, 2) << how;
        EXPECT_TRUE(contains(stamped.err, "compilation stamp")) << how << stamped.err;
        EXPECT_FALSE(contains(stamped.out, "TEST-RAN")) << how;
        EXPECT_EQ(traces("refused").lines, std::vector<std::string>{"VXU-TRACES 3"}) << how;
    }
}

// A test that crashes while its line is half written: the harness cuts the
// file back to its last complete line before the Q line, and counts what
// the file holds.
TEST_F(RuntimeCorners, ACrashInTheMiddleOfALineLeavesOnlyWholeLines) {
    const std::string source =
        "#define _POSIX_C_SOURCE 200809L\n#define _DEFAULT_SOURCE 1\n"
        "#include <string.h>\n#include <sys/mman.h>\n"
        "#include <unistd.h>\n" +
        stamp_lines + R"(
/* Three pages of 'a' without a terminating null, then a page that cannot
 * be read: the image of the string is written well past the stream's
 * buffer before reading it crashes. */
static const char *unterminated(void)
{
    long page = sysconf(_SC_PAGESIZE);
    char *block = (char *)mmap(NULL, 4 * (size_t)page, PROT_READ | PROT_WRITE,
                               MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    memset(block, 'a', 3 * (size_t)page);
    mprotect(block + 3 * page, (size_t)page, PROT_NONE);
    return block;
}
)" +
        harness_main("cut", test_block(2, "crashes", "",
                                       int_check(4, "1", 1) +
                                           "EDV_STR_C(1,0,unterminated(),0+5,\"a\",\"a\");\n") +
                                test_block(6, "after", "", int_check(8, "2", 2)));
    ASSERT_TRUE(build("cut", source, {QStringLiteral("-DVXU_STR_TRACE_MAX=1000000")}));
    ProcessResult result = run("cut");
    EXPECT_EQ(result.exit_code, 2) << result.err;
    TraceLines lines = traces("cut");
    EXPECT_TRUE(ends_with_a_true_count(lines));
    const std::vector<std::string> expected_tail = {"C 4 int/10 1 0 ok 1 1 1",
                                                    "Q 2 signal SIGSEGV",
                                                    "D 2 ",
                                                    "G 6",
                                                    "T 6 \"after\"",
                                                    "S",
                                                    "Z",
                                                    "C 8 int/10 1 0 ok 2 2 2",
                                                    "e",
                                                    "E",
                                                    "D 6 "};
    ASSERT_GE(lines.lines.size(), expected_tail.size() + 1);
    const std::size_t first = lines.lines.size() - 1 - expected_tail.size();
    for (std::size_t i = 0; i < expected_tail.size(); ++i) {
        EXPECT_TRUE(starts_with(lines.lines[first + i], expected_tail[i]))
            << "line " << first + i + 1 << ": " << lines.lines[first + i].substr(0, 80);
    }
    EXPECT_EQ(count_prefix(lines.lines, "C 5 "), 0);
}

// A test stopped by its time limit while it writes thousands of lines, a
// long one now and then (longer than the stream's buffer, so written in
// several pieces): twenty runs, each file read line by line.
TEST_F(RuntimeCorners, ATimedOutTestLeavesWholeLinesAndATrueCount) {
    const std::string endless = test_block(
        2, "endless", "", "for (;;) {\nfor (i = 0; i < 20; ++i) {\n" + int_check(4, "7", 7) + R"(}
if (++round % 8 == 0) {
EDV_STR_C(1,0,long_text,0+5,long_text,long_text);
}
pause_a_little();
}
)");
    const std::string source =
        "#define _POSIX_C_SOURCE 200809L\n"
        "#include <string.h>\n#include <time.h>\n" +
        stamp_lines + R"(
static char long_text[2101];
static void pause_a_little(void)
{
    struct timespec step;
    step.tv_sec = 0;
    step.tv_nsec = 1000000L;
    nanosleep(&step, NULL);
}
)" +
        harness_main("flood", endless + test_block(6, "after", "", int_check(8, "1", 1)),
                     "   long round = 0;\n   int i;\n",
                     "   memset(long_text, 1, sizeof long_text - 1);\n", "flood");
    ASSERT_TRUE(build("flood", source));
    std::string image = "\"";
    for (int i = 0; i < 2100; ++i) image += "\\x01";
    image += "\"";
    const std::string short_line = "C 4 int/10 1 0 ok 7 7 7";
    const std::string long_line = "C 5 str 1 0 ok " + image + " " + image + " " + image;
    const std::vector<std::string> head = {"VXU-TRACES 3", "H 5eed5eed5eed5eed", "O 1 \"flood\"",
                                           "G 2",          "T 2 \"endless\"",    "S"};
    // Each test's time follows it ("D rec us").
    const std::vector<std::string> after = {"Q 2 timeout 1", "D 2 ", "G 6", "T 6 \"after\"", "S"};
    const std::vector<std::string> end = {"C 8 int/10 1 0 ok 1 1 1", "e", "E", "D 6 "};
    for (int attempt = 1; attempt <= 20; ++attempt) {
        ProcessResult result =
            run("flood", {{QStringLiteral("VXU_TEST_TIMEOUT"), QStringLiteral("1")}});
        ASSERT_EQ(result.exit_code, 2) << "run " << attempt << ": " << result.err;
        TraceLines traces_read = traces("flood");
        const std::vector<std::string>& lines = traces_read.lines;
        ASSERT_TRUE(ends_with_a_true_count(traces_read)) << "run " << attempt;
        ASSERT_GT(lines.size(), head.size() + after.size() + end.size() + 1000)
            << "run " << attempt;
        for (std::size_t i = 0; i < head.size(); ++i) {
            ASSERT_EQ(lines[i], head[i]) << "run " << attempt;
        }
        // The endless test: its time, then only whole check lines.
        std::size_t at = head.size();
        ASSERT_TRUE(starts_with(lines[at], "Z ")) << "run " << attempt;
        int long_lines = 0;
        for (++at; at < lines.size() && !starts_with(lines[at], "Q "); ++at) {
            if (lines[at] == long_line) {
                ++long_lines;
            } else {
                ASSERT_EQ(lines[at], short_line)
                    << "run " << attempt << ", line " << at + 1 << " is not whole";
            }
        }
        EXPECT_GT(long_lines, 0) << "run " << attempt;
        ASSERT_LE(at + after.size() + 1 + end.size() + 1, lines.size()) << "run " << attempt;
        for (std::size_t i = 0; i < after.size(); ++i) {
            ASSERT_TRUE(starts_with(lines[at + i], after[i]))
                << "run " << attempt << ": " << lines[at + i];
        }
        at += after.size();
        ASSERT_TRUE(starts_with(lines[at], "Z ")) << "run " << attempt;
        for (std::size_t i = 0; i < end.size(); ++i) {
            ASSERT_TRUE(starts_with(lines[at + 1 + i], end[i]))
                << "run " << attempt << ": " << lines[at + 1 + i];
        }
        ASSERT_EQ(at + 1 + end.size() + 1, lines.size()) << "run " << attempt;
    }

    // The report reads the last file whole: the endless test timed out,
    // the next one passed, the verdict is FAILED (not refused, not cut).
    std::string records =
        "E11 0 /work/example/flood.ptu\nC0 vexorprepro flood.ptu flood.c .\n"
        "E6  flood\nE1 calc\nE2 1.0\nE0 calc , 1.0\n"
        "O1 flood\nT2 endless\nE14 0 5\nB3 1\nE12 0 6\nV4 n RA=FORM=ND,INIT=7 VA=7\n"
        "E12 0 7\nV5 text RA=FORM=ND,INIT=0 VA=0\nE22 1\n"
        "T6 after\nE14 0 9\nB7 1\nE12 0 10\nV8 y RA=FORM=ND,INIT=1 VA=1\nE22 1\n";
    const std::size_t record_lines = split_traces(records).lines.size();
    records += "Z " + std::to_string(record_lines) + " 5eed5eed5eed5eed\n";
    ASSERT_TRUE(write_file(in_dir("flood.tdc"), records));
    ProcessResult verdict = run_report({in_dir("flood.tdc"), in_dir("flood.rio")}, scratch_.path());
    EXPECT_EQ(verdict.exit_code, 1) << verdict.out << verdict.err;
    EXPECT_TRUE(contains(verdict.out, "VERDICT: FAILED")) << verdict.out << verdict.err;
    EXPECT_TRUE(contains(verdict.out, "timed out")) << verdict.out;
}

// ---- Signals and the exit status ---------------------------------------------

// The code under test of the harnesses that are sent signals: it records
// the pid of the process running the test in the traces and leaves it in
// the file `pid_file`, then waits for ever.
std::string shows_its_pid_and_waits(const std::string& pid_file) {
    return "PTU_INTEGER_C((vxu_integer)(getpid()),0+4,10);\n"
           "{ FILE *f = fopen(\"" +
           pid_file +
           "\", \"w\");\n"
           "if (f != NULL) { fprintf(f, \"%ld\\n\", (long)getpid()); fclose(f); } }\n"
           "for (;;) {\n    pause();\n}\n";
}

// SIGTERM, SIGINT and SIGHUP sent to the harness reach the test's process:
// the test gets its Q line, and the harness ends by the same signal.
TEST_F(RuntimeCorners, SignalsToTheHarnessStopTheRunningTest) {
    const std::string waits =
        test_block(2, "waits", shows_its_pid_and_waits(path("pid.signals")), "");
    const std::string never = R"(if (VXU_TEST_BEGIN_C(5)) {
DCL_TST_C(5, "never");
VXU_END_TEST_C();
VXU_TEST_DONE_C(); }
)";
    const std::string source =
        "#define _POSIX_C_SOURCE 200809L\n#include <stdio.h>\n#include <unistd.h>\n" + stamp_lines +
        harness_main("signals", waits + never);
    ASSERT_TRUE(build("signals", source));
    struct Case {
        int number;
        const char* name;
    };
    for (const Case& sent :
         {Case{SIGTERM, "SIGTERM"}, Case{SIGINT, "SIGINT"}, Case{SIGHUP, "SIGHUP"}}) {
        QFile::remove(in_dir("signals.rio"));
        QFile::remove(in_dir("pid.signals"));
        pid_t harness = spawn("signals", {});
        ASSERT_GT(harness, 0);
        const long test_pid = wait_for_test_pid("signals");
        ASSERT_GT(test_pid, 0) << sent.name;
        ASSERT_EQ(kill(harness, sent.number), 0);
        Ended ended = wait_for(harness, 30);
        EXPECT_FALSE(ended.exited) << sent.name << " status " << ended.status;
        EXPECT_EQ(ended.status, sent.number) << sent.name;
        TraceLines lines = traces("signals");
        EXPECT_TRUE(lines.whole) << sent.name;
        ASSERT_FALSE(lines.lines.empty());
        EXPECT_EQ(lines.lines.back(), std::string("Q 2 signal ") + sent.name);
        // What the test wrote before it was stopped is in the traces.
        EXPECT_EQ(count_prefix(lines.lines, "I 4 int/10 " + std::to_string(test_pid)), 1)
            << sent.name;
        EXPECT_EQ(count_prefix(lines.lines, "T 5"), 0) << sent.name;
        // The test's process is gone, not left running.
        EXPECT_NE(kill(static_cast<pid_t>(test_pid), 0), 0) << sent.name;
    }
}

// A test that ignores the stop request: a second one ends it for good.
TEST_F(RuntimeCorners, ASecondSignalEndsATestThatIgnoresTheFirst) {
    const std::string source =
        "#define _POSIX_C_SOURCE 200809L\n#include <signal.h>\n#include <stdio.h>\n"
        "#include <unistd.h>\n" +
        stamp_lines +
        harness_main("stubborn", test_block(2, "stubborn",
                                            "signal(SIGTERM, SIG_IGN);\n" +
                                                shows_its_pid_and_waits(path("pid.stubborn")),
                                            ""));
    ASSERT_TRUE(build("stubborn", source));
    pid_t harness = spawn("stubborn", {});
    ASSERT_GT(harness, 0);
    const long test_pid = wait_for_test_pid("stubborn");
    ASSERT_GT(test_pid, 0);
    ASSERT_EQ(kill(harness, SIGTERM), 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    // The test ignored it: both are still there.
    EXPECT_EQ(kill(static_cast<pid_t>(test_pid), 0), 0);
    ASSERT_EQ(kill(harness, SIGTERM), 0);
    Ended ended = wait_for(harness, 30);
    EXPECT_FALSE(ended.exited) << ended.status;
    EXPECT_EQ(ended.status, SIGTERM);
    TraceLines lines = traces("stubborn");
    ASSERT_FALSE(lines.lines.empty());
    EXPECT_EQ(lines.lines.back(), "Q 2 signal SIGKILL");
    EXPECT_NE(kill(static_cast<pid_t>(test_pid), 0), 0);
}

// Tests running side by side (a harness built with VXU_JOBS=3): a stop
// signal reaches every running test, each gets its Q line in the order of
// the script, and the harness ends by the signal.
TEST_F(RuntimeCorners, ASignalStopsEveryTestRunningInParallel) {
    // Each test leaves its pid in pid.N, where the harness cannot hold it
    // back as it holds the test's own lines, then waits for ever.
    auto waits = [this](int number) {
        const std::string n = std::to_string(number);
        return test_block(
            number, "waits" + n,
            "{ FILE *f = fopen(\"" + path("pid." + n) +
                "\", \"w\");\n"
                "if (f != NULL) { fprintf(f, \"%ld\\n\", (long)getpid()); fclose(f); } }\n"
                "for (;;) {\n    pause();\n}\n",
            "");
    };
    const std::string source =
        "#define _POSIX_C_SOURCE 200809L\n#include <stdio.h>\n"
        "#include <unistd.h>\n" +
        stamp_lines + harness_main("jobs", waits(2) + waits(5) + waits(8));
    ASSERT_TRUE(build("jobs", source, {QStringLiteral("-DVXU_JOBS=3")}));
    pid_t harness = spawn("jobs", {});
    ASSERT_GT(harness, 0);
    std::vector<long> test_pids;
    for (int number : {2, 5, 8}) {
        long test_pid = 0;
        for (int wait = 0; wait < 3000 && test_pid == 0; ++wait) {
            test_pid = std::atol(read_file(in_dir("pid." + std::to_string(number))).c_str());
            if (test_pid == 0) std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        EXPECT_GT(test_pid, 0) << "the three tests run at once: test " << number;
        test_pids.push_back(test_pid);
    }
    ASSERT_EQ(kill(harness, SIGTERM), 0);
    Ended ended = wait_for(harness, 30);
    EXPECT_FALSE(ended.exited) << "status " << ended.status;
    EXPECT_EQ(ended.status, SIGTERM);
    TraceLines lines = traces("jobs");
    EXPECT_TRUE(lines.whole);
    std::vector<std::string> outcomes;
    for (const std::string& line : lines.lines) {
        if (starts_with(line, "G ") || starts_with(line, "T ") || starts_with(line, "Q ")) {
            outcomes.push_back(line);
        }
    }
    const std::vector<std::string> expected = {"G 2", "T 2 \"waits2\"", "Q 2 signal SIGTERM",
                                               "G 5", "T 5 \"waits5\"", "Q 5 signal SIGTERM",
                                               "G 8", "T 8 \"waits8\"", "Q 8 signal SIGTERM"};
    EXPECT_EQ(outcomes, expected);
    EXPECT_EQ(count_prefix(lines.lines, "F "), 0) << "the run was cut";
    for (long test_pid : test_pids) {
        EXPECT_NE(kill(static_cast<pid_t>(test_pid), 0), 0) << "test process " << test_pid;
    }
}

// A harness that ends without its end line ends with status 2, whatever
// exit() was given, and leaves its traces without an F line.
TEST_F(RuntimeCorners, AHarnessThatEndsWithoutItsEndLineExitsWithTwo) {
    const std::string leaves =
        test_block(2, "leaves", "#ifdef EXIT_IN_TEST\nexit(0);\n#endif\n", int_check(4, "1", 1));
    const std::string source = "#include <stdlib.h>\n" + stamp_lines + R"(
int main(int argc, char **argv)
{
   VXU_INIT_DATA
OPF_C("ends.rio");
#ifdef EXIT_IN_INIT
exit(0);
#endif
DCL_OP_C(1, "s");
)" + leaves + R"(#ifdef EXIT_AFTER_TESTS
exit(0);
#endif
#ifndef RETURN_BEFORE_END
CLF_C("ends.rio");
#endif
return 0;
}
)";
    struct Case {
        QStringList flags;
        const char* last_line;  // the beginning of the traces' last line
    };
    const std::vector<Case> cases = {
        {{QStringLiteral("-DVXU_NO_FORK"), QStringLiteral("-DEXIT_IN_TEST")}, "S"},
        {{QStringLiteral("-DEXIT_IN_INIT")}, "H 5eed5eed5eed5eed"},
        {{QStringLiteral("-DVXU_NO_FORK"), QStringLiteral("-DEXIT_IN_INIT")}, "H 5eed5eed5eed5eed"},
        {{QStringLiteral("-DEXIT_AFTER_TESTS")}, "D 2 "},
        {{QStringLiteral("-DRETURN_BEFORE_END")}, "D 2 "},
    };
    for (const Case& c : cases) {
        const std::string how = c.flags.join(QLatin1Char(' ')).toStdString();
        ASSERT_TRUE(build("ends", source, c.flags));
        ProcessResult result = run("ends");
        EXPECT_EQ(result.exit_code, 2) << how;
        EXPECT_TRUE(contains(result.err, "ended before its end line")) << how << result.err;
        TraceLines lines = traces("ends");
        EXPECT_TRUE(lines.whole) << how;
        ASSERT_FALSE(lines.lines.empty()) << how;
        EXPECT_TRUE(starts_with(lines.lines.back(), c.last_line))
            << how << ": " << lines.lines.back();
        EXPECT_EQ(count_prefix(lines.lines, "F "), 0) << how;
    }

    // An isolated test that calls exit(0) fails alone; the harness still
    // writes its end line, and ends with 2 because a test did not finish.
    ASSERT_TRUE(build("ends", source, {QStringLiteral("-DEXIT_IN_TEST")}));
    ProcessResult isolated = run("ends");
    EXPECT_EQ(isolated.exit_code, 2);
    TraceLines lines = traces("ends");
    EXPECT_TRUE(ends_with_a_true_count(lines));
    EXPECT_EQ(count_prefix(lines.lines, "Q 2 exit 0"), 1);

    // The whole run: status 0, as before.
    ASSERT_TRUE(build("ends", source));
    ProcessResult whole = run("ends");
    EXPECT_EQ(whole.exit_code, 0) << whole.err;
    EXPECT_TRUE(whole.err.empty()) << whole.err;
    EXPECT_TRUE(ends_with_a_true_count(traces("ends")));
}

// ---- What the traces path names ---------------------------------------------

// The traces path (OPF_C's, or VXURIO) is written only when it names a new
// file, an empty one or an earlier traces file. Anything else is refused
// before any test runs, with exit status 2 and one line naming the path,
// and is left as it was: a directory, a FIFO (never opened, so the harness
// does not block waiting for a reader), a device, and a file of someone
// else's, directly or through a symbolic link. Checked on the POSIX build
// (isolated and not) and on the build that knows only the C library.
TEST_F(RuntimeCorners, ATracesPathThatIsNotATracesFileIsRefusedAndLeftAlone) {
    const std::string source =
        "#include <stdio.h>\n" + stamp_lines +
        harness_main("guard", test_block(2, "t", "printf(\"TEST-RAN\\n\");\nfflush(stdout);\n",
                                         int_check(4, "1", 1)));
    const std::string secret = "root:x:0:0:the secret line\nsecond line\n";
    const std::string own = path("guard.rio");
    auto refusal = [](const std::string& where, const std::string& why) {
        return "vexor runtime: refused the traces path " + where + ": " + why +
               "; it is left as it is and no test was run\n";
    };
    const std::string foreign =
        "it exists and does not begin with \"VXU-TRACES \", so it is not a traces file";
    auto run_with = [&](const std::string& traces_path) {
        return run_program(in_dir("guard"), {}, scratch_.path(),
                           {{QStringLiteral("VXURIO"), QString::fromStdString(traces_path)}},
                           30000);
    };

    for (const QStringList& flags :
         {QStringList{}, QStringList{QStringLiteral("-DVXU_NO_FORK")},
          QStringList{QStringLiteral("-DVXU_NO_POSIX"), QStringLiteral("-DVXU_NO_FORK")}}) {
        const std::string how = flags.join(QLatin1Char(' ')).toStdString();
        const bool posix = !flags.contains(QStringLiteral("-DVXU_NO_POSIX"));
        QFile::remove(in_dir("guard.rio"));
        ASSERT_TRUE(build("guard", source, flags));

        // A file that is not a traces file, named by OPF_C or by VXURIO,
        // directly or through a link: never truncated.
        ASSERT_TRUE(write_file(in_dir("passwd"), secret));
        ASSERT_TRUE(write_file(in_dir("guard.rio"), secret));
        ProcessResult named = run_program(in_dir("guard"), {}, scratch_.path(),
                                          {{QStringLiteral("VXURIO"), QString()}}, 30000);
        EXPECT_EQ(named.exit_code, 2) << how;
        EXPECT_EQ(named.err, refusal("guard.rio", foreign)) << how;
        EXPECT_FALSE(contains(named.out, "TEST-RAN")) << how;
        EXPECT_EQ(read_file(in_dir("guard.rio")), secret) << how;
        QFile::remove(in_dir("guard.rio"));
        for (const std::string& target : {path("passwd"), path("link-to-passwd")}) {
            QFile::link(in_dir("passwd"), in_dir("link-to-passwd"));
            ProcessResult refused = run_with(target);
            EXPECT_EQ(refused.exit_code, 2) << how << target;
            EXPECT_EQ(refused.err, refusal(target, foreign)) << how << target;
            EXPECT_FALSE(contains(refused.out, "TEST-RAN")) << how << target;
            EXPECT_EQ(read_file(in_dir("passwd")), secret) << how << target;
        }
        // One byte of something else is enough to refuse.
        ASSERT_TRUE(write_file(in_dir("short"), "V"));
        EXPECT_EQ(run_with(path("short")).exit_code, 0) << how;
        ASSERT_TRUE(write_file(in_dir("short"), "X"));
        EXPECT_EQ(run_with(path("short")).exit_code, 2) << how;
        EXPECT_EQ(read_file(in_dir("short")), "X") << how;

        // An empty file and an earlier traces file are written over.
        ASSERT_TRUE(write_file(in_dir("empty.rio"), ""));
        ProcessResult into_empty = run_with(path("empty.rio"));
        EXPECT_EQ(into_empty.exit_code, 0) << how << into_empty.err;
        EXPECT_TRUE(contains(into_empty.out, "TEST-RAN")) << how;
        const TraceLines first = split_traces(read_file(in_dir("empty.rio")));
        EXPECT_TRUE(ends_with_a_true_count(first)) << how;
        ASSERT_TRUE(write_file(in_dir("empty.rio"),
                               read_file(in_dir("empty.rio")) + std::string(5000, 'x') + "\n"));
        ProcessResult again = run_with(path("empty.rio"));
        EXPECT_EQ(again.exit_code, 0) << how << again.err;
        const std::string rewritten = read_file(in_dir("empty.rio"));
        EXPECT_FALSE(contains(rewritten, "xxxx")) << how;
        EXPECT_TRUE(ends_with_a_true_count(split_traces(rewritten))) << how;
        EXPECT_EQ(split_traces(rewritten).lines.size(), first.lines.size()) << how;

        if (!posix) continue;  // the C library alone cannot tell a FIFO from a file
        // A directory, a FIFO, a device: refused without being opened.
        QDir(scratch_.path()).mkdir(QStringLiteral("dir.rio"));
        ProcessResult directory = run_with(path("dir.rio"));
        EXPECT_EQ(directory.exit_code, 2) << how;
        EXPECT_EQ(directory.err, refusal(path("dir.rio"), "it is a directory, not a traces file"))
            << how;
        const std::string fifo = path("fifo.rio");
        ::unlink(fifo.c_str());
        ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
        ProcessResult piped = run_with(fifo);
        EXPECT_FALSE(piped.crashed) << how << ": the harness blocked on the FIFO";
        EXPECT_EQ(piped.exit_code, 2) << how;
        EXPECT_EQ(piped.err, refusal(fifo, "it is a FIFO (named pipe), not a traces file")) << how;
        ProcessResult device = run_with("/dev/null");
        EXPECT_EQ(device.exit_code, 2) << how;
        EXPECT_EQ(device.err, refusal("/dev/null", "it is a device, not a traces file")) << how;
        EXPECT_FALSE(contains(device.out, "TEST-RAN")) << how;
    }
}

}  // namespace
