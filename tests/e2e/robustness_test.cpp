// Both programs under careless or hostile input, in situations the golden
// cases cannot set up: hard and symbolic links, pipes, devices, huge files,
// names with line ends, signals. Every case checks that no input changed
// (by checksum), that nothing is left behind but the inputs and the files
// the run is meant to keep, the exit status, and the message with its file
// and line.
#include "testkit/testkit.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QProcess>
#include <QProcessEnvironment>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <thread>

namespace fs = std::filesystem;

namespace vx {
namespace {

constexpr const char* header_text = "int add(int a, int b);\n";

std::string script_text(const std::string& extra_head = {}, const std::string& extra_body = {}) {
    return "HEADER add, 1.0, , robustness\n"
           "##include \"add.h\"\n" +
           extra_head +
           "#int x, r;\n"
           "BEGIN\n" +
           extra_body +
           "SERVICE add\n"
           "TEST t1\n"
           "FAMILY nominal\n"
           "ELEMENT\n"
           "VAR r, INIT = 0, EV = 2\n"
           "#r = add(x, 2);\n"
           "END ELEMENT\n"
           "END FAMILY\n"
           "END TEST\n"
           "END SERVICE\n";
}

// A run directory with its inputs, and what the run must leave of it.
class RunDir {
public:
    RunDir() {
        write("add.h", header_text);
        write("s.ptu", script_text());
    }

    void write(const std::string& name, const std::string& text) {
        testkit::write_file(dir_.file(name), text);
    }
    std::string path(const std::string& name) const { return dir_.file(name); }
    const std::string& dir() const { return dir_.path(); }

    // The checksums of every regular file there now: the inputs.
    void note_inputs() {
        inputs_.clear();
        for (const auto& entry : fs::directory_iterator(dir_.path())) {
            if (entry.is_regular_file()) {
                inputs_[entry.path().filename().string()] = checksum(entry.path().string());
            }
        }
        names_before_ = dir_.entries();
    }

    testkit::ProcessResult compile(const std::vector<std::string>& args,
                                   const testkit::EnvChanges& extra = {}) {
        note_inputs();
        testkit::EnvChanges env = {{"VXLTGT", testkit::dist_dir() + "/target"},
                                   {"VEXORCINC", std::string("TP.h")}};
        for (const auto& [name, value] : extra) {
            env[name] = value;
        }
        return testkit::run_compiler(args, env, dir_.path());
    }

    testkit::ProcessResult report(const std::vector<std::string>& args) {
        note_inputs();
        return testkit::run_program(testkit::dist_dir() + "/bin/vexorreport", args, {},
                                    dir_.path());
    }

    // No input changed, and the directory holds the entries it held before
    // plus exactly `kept`.
    void expect_left(std::set<std::string> kept) const {
        for (const auto& [name, sum] : inputs_) {
            EXPECT_EQ(checksum(dir_.file(name)), sum) << "the run changed its input " << name;
        }
        std::set<std::string> expected(names_before_.begin(), names_before_.end());
        expected.insert(kept.begin(), kept.end());
        const std::vector<std::string> now = dir_.entries();
        EXPECT_EQ(std::set<std::string>(now.begin(), now.end()), expected);
    }

    static std::string checksum(const std::string& path) {
        // A huge (sparse) input is known by its size and date: reading it
        // whole would cost more than the run.
        std::error_code error;
        if (fs::file_size(path, error) > (std::uintmax_t{16} << 20) && !error) {
            return std::to_string(fs::file_size(path)) + "@" +
                   std::to_string(fs::last_write_time(path).time_since_epoch().count());
        }
        return QCryptographicHash::hash(QByteArray::fromStdString(testkit::read_file(path)),
                                        QCryptographicHash::Sha256)
                   .toHex()
                   .toStdString() +
               (fs::exists(path) ? "" : " (gone)");
    }

private:
    testkit::ScratchDir dir_;
    std::map<std::string, std::string> inputs_;
    std::vector<std::string> names_before_;
};

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// ---- inputs by identity -----------------------------------------------------

TEST(InputsByIdentity, AnOutputHardLinkedToTheScriptIsRefusedBeforeAnythingIsWritten) {
    RunDir run;
    ASSERT_EQ(::link(run.path("s.ptu").c_str(), run.path("t.c").c_str()), 0);
    auto result = run.compile({"s.ptu", "t.c"});
    EXPECT_EQ(result.status, 7) << result.err;
    EXPECT_TRUE(contains(result.err, "Harnex-F-FICENTSOR")) << result.err;
    EXPECT_TRUE(contains(result.err, "t.c")) << result.err;
    run.expect_left({});
}

TEST(InputsByIdentity, ASymbolicLinkToAHeaderIsRefusedWhenThePreprocessorOpensIt) {
    RunDir run;
    // The harness's name leads to the header the script includes.
    run.write("real.h", "int real_one;\n");
    ASSERT_EQ(::symlink(run.path("real.h").c_str(), run.path("t.c").c_str()), 0);
    run.write("s.ptu", script_text("##include \"real.h\"\n"));
    auto result = run.compile({"s.ptu", "t.c"});
    EXPECT_EQ(result.status, 7) << result.err;
    EXPECT_TRUE(contains(result.err, "Harnex-F-FICENTSOR")) << result.err;
    EXPECT_TRUE(contains(result.err, "[./s.ptu:3]")) << result.err;
    run.expect_left({"s.lis"});
    EXPECT_TRUE(fs::is_symlink(run.path("t.c")));
}

// The harness writes its traces where -RIONAME says: never over the script,
// a header it includes (through a link too) or an output of the run.
TEST(InputsByIdentity, ATracesNameThatIsAFileOfTheRunIsRefused) {
    for (const std::string& traces :
         {std::string("s.ptu"), std::string("add.h"), std::string("link.h"), std::string("t.c")}) {
        RunDir run;
        ASSERT_EQ(::symlink(run.path("add.h").c_str(), run.path("link.h").c_str()), 0);
        auto result = run.compile({"s.ptu", "t.c", "./", "-RIONAME=" + traces});
        EXPECT_EQ(result.status, 7) << traces << "\n" << result.err;
        EXPECT_TRUE(contains(result.err, "Harnex-F-FICENTSOR")) << result.err;
        EXPECT_TRUE(contains(result.err, traces)) << result.err;
        run.expect_left({"s.lis"});
    }
    RunDir run;
    auto result = run.compile({"s.ptu", "t.c", "./", "-RIONAME=t.rio"});
    EXPECT_EQ(result.status, 0) << result.err;
}

// Two scripts compiled into one directory at once (make -j) share its
// configuration header: neither may lose the other's counters, or one
// harness no longer links with the runtime built for that header.
TEST(ParallelBuilds, TheSharedConfigurationHeaderKeepsEveryCounter) {
    RunDir run;
    // One script checks an int, the other an unsigned: each needs its own
    // family of runtime macros.
    run.write("i.ptu", script_text());
    std::string unsigned_script = script_text("#unsigned int u;\n");
    unsigned_script.replace(unsigned_script.find("VAR r, INIT = 0, EV = 2"),
                            std::string("VAR r, INIT = 0, EV = 2").size(),
                            "VAR u, INIT = 1, EV = 1");
    run.write("u.ptu", unsigned_script);
    const std::string compiler = testkit::compiler_path();
    const std::string both = "\"$VX\" i.ptu i.c & \"$VX\" u.ptu u.c & wait";
    for (int round = 0; round < 30; ++round) {
        fs::remove(run.path("vexor_cfg.h"));
        auto result = testkit::run_program("sh", {"-c", both},
                                           {{"VX", compiler},
                                            {"HARNEXDIR", testkit::dist_dir()},
                                            {"VXLTGT", testkit::dist_dir() + "/target"},
                                            {"VEXORCINC", std::string("TP.h")},
                                            {"VEXOR_SUPPRESS_COPYRIGHT", std::string("1")}},
                                           run.dir());
        ASSERT_EQ(result.status, 0) << result.err;
        const std::string header = testkit::read_file(run.path("vexor_cfg.h"));
        ASSERT_TRUE(contains(header, "#define ZQZQUSE_EDV_INTEGER_C 1"))
            << "round " << round << "\n"
            << header;
        ASSERT_TRUE(contains(header, "#define ZQZQUSE_EDV_UNSIGNED_C 1"))
            << "round " << round << "\n"
            << header;
    }
}

// The log of created files names the outputs of a clean run only, and is
// never a file the run reads.
TEST(InputsByIdentity, TheLogOfCreatedFilesIsWrittenAtTheEndOfACleanRunOnly) {
    {
        RunDir run;
        auto result = run.compile({"s.ptu", "t.c", "-VISTAL_LOG=add.h"});
        EXPECT_EQ(result.status, 7) << result.err;
        EXPECT_TRUE(contains(result.err, "Harnex-F-FICENTSOR")) << result.err;
        run.expect_left({"s.lis"});
    }
    {
        RunDir run;
        std::string wrong = script_text();
        wrong.replace(wrong.find("INIT = 0"), 8, "INIT = \"x\"");
        run.write("s.ptu", wrong);
        auto result = run.compile({"s.ptu", "t.c", "-VISTAL_LOG=created.log"});
        EXPECT_EQ(result.status, 5) << result.err;
        EXPECT_FALSE(fs::exists(run.path("created.log")));
    }
    RunDir run;
    auto result = run.compile({"s.ptu", "t.c", "-VISTAL_LOG=created.log"});
    EXPECT_EQ(result.status, 0) << result.err;
    const std::string log = testkit::read_file(run.path("created.log"));
    EXPECT_TRUE(contains(log, "t.c")) << log;
    EXPECT_TRUE(contains(log, "t.tdc")) << log;
}

// A listing name that leads to the header the script includes: the run
// stops, and the header keeps its text.
TEST(InputsByIdentity, AListingLinkedToAHeaderNeverTakesItsText) {
    for (bool symbolic : {true, false}) {
        RunDir run;
        const int made = symbolic ? ::symlink(run.path("add.h").c_str(), run.path("s.lis").c_str())
                                  : ::link(run.path("add.h").c_str(), run.path("s.lis").c_str());
        ASSERT_EQ(made, 0);
        auto result = run.compile({"s.ptu", "t.c"});
        EXPECT_EQ(result.status, 7) << result.err;
        EXPECT_EQ(testkit::read_file(run.path("add.h")), header_text) << symbolic;
    }
}

TEST(InputsByIdentity, OptionFilesAreInputsToo) {
    RunDir run;
    run.write("o.c", "-CONST=o.c\n");
    auto result = run.compile({"s.ptu", "t.c", "@o.c"});
    EXPECT_EQ(result.status, 7) << result.err;
    EXPECT_TRUE(contains(result.err, "Harnex-F-FICENTSOR")) << result.err;
    run.expect_left({});
}

// ---- signals ----------------------------------------------------------------

// A script long enough to be stopped in the middle.
std::string long_script(int services) {
    std::string text = "HEADER add, 1.0, , long\n##include \"add.h\"\n#int x, r;\nBEGIN\n";
    for (int i = 0; i < services; ++i) {
        text +=
            "SERVICE add\nTEST t1\nFAMILY nominal\nELEMENT\nVAR r, INIT = 0, EV = 2\n"
            "#r = add(x, 2);\nEND ELEMENT\nEND FAMILY\nEND TEST\nEND SERVICE\n";
    }
    return text;
}

std::vector<std::string> run_entries(const RunDir& run) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(run.dir(), error)) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

// Starts the compiler on s.ptu in the run directory, as a user's shell
// would, without waiting for it: the test signals it while it runs.
void start_compiler(QProcess& process, const RunDir& run) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HARNEXDIR", QString::fromStdString(testkit::dist_dir()));
    environment.insert("VXLTGT", QString::fromStdString(testkit::dist_dir() + "/target"));
    environment.insert("VEXORCINC", "TP.h");
    environment.insert("VEXOR_SUPPRESS_COPYRIGHT", "1");
    environment.insert("LANG", "C.UTF-8");
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(QString::fromStdString(run.dir()));
    process.start(QString::fromStdString(testkit::compiler_path()), {"s.ptu", "t.c"});
}

class Signals : public ::testing::TestWithParam<int> {};

TEST_P(Signals, StopTheRunLikeAFatalErrorAndLeaveNothingBehind) {
    const int signal_number = GetParam();
    RunDir run;
    run.write("s.ptu", long_script(20000));
    run.note_inputs();

    QProcess process;
    start_compiler(process, run);
    ASSERT_TRUE(process.waitForStarted(10000));

    // Wait until the run is writing: its staged outputs exist.
    auto writing = [&] {
        bool staged = false;
        for (const std::string& name : run_entries(run)) {
            staged = staged || name.rfind("t.c.vx", 0) == 0;
        }
        return staged;
    };
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!writing() && std::chrono::steady_clock::now() < deadline &&
           process.state() == QProcess::Running) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ASSERT_EQ(process.state(), QProcess::Running) << "the run ended before the signal";
    ASSERT_TRUE(writing());
    ASSERT_EQ(::kill(static_cast<pid_t>(process.processId()), signal_number), 0);
    ASSERT_TRUE(process.waitForFinished(30000));

    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 128 + signal_number);
    const std::string err = process.readAllStandardError().toStdString();
    EXPECT_TRUE(contains(err, "Harnex-F-ARRETSIGN")) << err;
    // The listing of the run stays, as after any fatal error, and ends with
    // the message that says why the run stopped; no output or staged file
    // does.
    run.expect_left({"s.lis"});
    const std::vector<std::string> listing =
        testkit::split_lines(testkit::read_file(run.path("s.lis")));
    ASSERT_FALSE(listing.empty());
    std::string last = listing.back();
    if (last.empty() && listing.size() > 1) last = listing[listing.size() - 2];
    EXPECT_TRUE(contains(last, "ARRETSIGN")) << last;
}

// Each ending signal at a random moment of a run, 40 times: whatever the
// moment, the run either finished or left nothing but its listing, and its
// inputs are untouched.
TEST(SignalsAtRandom, LeaveNothingBehindWhateverTheMoment) {
    const int ending[] = {SIGINT,  SIGTERM, SIGHUP,  SIGQUIT,   SIGALRM, SIGUSR1,
                          SIGUSR2, SIGXFSZ, SIGXCPU, SIGVTALRM, SIGPROF};
    std::mt19937 random(20261209);
    RunDir run;
    run.write("s.ptu", long_script(2500));
    // The length of a whole run on this build: the signals fall within it.
    const auto start = std::chrono::steady_clock::now();
    const int timed = run.compile({"s.ptu", "t.c"}).status;
    ASSERT_TRUE(timed == 0 || timed == 3) << timed;
    const auto whole = std::chrono::duration_cast<std::chrono::milliseconds>(
                           std::chrono::steady_clock::now() - start)
                           .count();
    const long span = std::max<long>(static_cast<long>(whole), 20);
    int stopped = 0;
    for (int round = 0; round < 40; ++round) {
        for (const std::string& name : run_entries(run)) {
            if (name != "s.ptu" && name != "add.h") fs::remove(run.path(name));
        }
        run.note_inputs();
        const int signal_number = ending[random() % std::size(ending)];
        const int delay_ms = static_cast<int>(static_cast<long>(random() % 1000) * span / 1000);
        QProcess process;
        start_compiler(process, run);
        ASSERT_TRUE(process.waitForStarted(10000));
        std::this_thread::sleep_for(std::chrono::milliseconds(delay_ms));
        ::kill(static_cast<pid_t>(process.processId()), signal_number);
        ASSERT_TRUE(process.waitForFinished(30000));
        // A signal after the last output was put in place finds a finished
        // run: its outputs are whole.
        const bool finished = (process.exitStatus() == QProcess::NormalExit &&
                               (process.exitCode() == 0 || process.exitCode() == 3)) ||
                              fs::exists(run.path("vexor_cfg.h"));
        if (finished) {
            EXPECT_TRUE(fs::exists(run.path("t.c"))) << "round " << round;
            continue;
        }
        // Before its handlers are in place (the first moments of the
        // process) the signal ends it as it ends any program; after, as a
        // fatal error with 128 + its number.
        if (process.exitStatus() == QProcess::NormalExit) {
            EXPECT_EQ(process.exitCode(), 128 + signal_number)
                << "round " << round << " signal " << signal_number << " after " << delay_ms
                << " ms";
        }
        // The listing stays when the run had opened it; nothing else does.
        std::set<std::string> kept;
        if (fs::exists(run.path("s.lis"))) kept.insert("s.lis");
        run.expect_left(kept);
        stopped += process.exitStatus() == QProcess::NormalExit ? 1 : 0;
    }
    // Most signals came while the run was writing, not before or after it.
    EXPECT_GE(stopped, 10);
}

INSTANTIATE_TEST_SUITE_P(Ending, Signals,
                         ::testing::Values(SIGINT, SIGTERM, SIGQUIT, SIGALRM, SIGUSR1, SIGUSR2,
                                           SIGXFSZ, SIGXCPU, SIGVTALRM, SIGPROF));

// ---- inputs that are not regular files ---------------------------------------

TEST(NonRegularInputs, APipeAsScriptIsRefusedAtOnce) {
    RunDir run;
    ASSERT_EQ(::mkfifo(run.path("p.ptu").c_str(), 0600), 0);
    auto result = run.compile({"p.ptu", "t.c"});
    EXPECT_EQ(result.status, 7) << result.err;
    EXPECT_TRUE(contains(result.err, "Harnex-F-FICNONREG")) << result.err;
    EXPECT_TRUE(contains(result.err, "p.ptu")) << result.err;
    run.expect_left({"p.lis"});
}

TEST(NonRegularInputs, AHeaderLinkedToADeviceIsRefusedAtItsLine) {
    RunDir run;
    ASSERT_EQ(::symlink("/dev/zero", run.path("zero.h").c_str()), 0);
    run.write("s.ptu", script_text("##include \"zero.h\"\n"));
    auto result = run.compile({"s.ptu", "t.c"});
    EXPECT_EQ(result.status, 7) << result.err;
    EXPECT_TRUE(contains(result.err, "Harnex-F-FICNONREG")) << result.err;
    EXPECT_TRUE(contains(result.err, "[./s.ptu:3]")) << result.err;
    run.expect_left({"s.lis"});
}

TEST(NonRegularInputs, IncludedScriptThatIsAPipeIsNamedForWhatItIs) {
    RunDir run;
    ASSERT_EQ(::mkfifo(run.path("inc.ptu").c_str(), 0600), 0);
    run.write("s.ptu", script_text({}, "INCLUDE PTU inc.ptu\n"));
    auto result = run.compile({"s.ptu", "t.c"});
    // The statement is refused; the run goes on and ends with its error.
    EXPECT_EQ(result.status, 5) << result.err;
    EXPECT_TRUE(contains(result.err, "Harnex-E-FICNONREG,  [./s.ptu:5] Not a regular file inc.ptu"))
        << result.err;
    run.expect_left({"s.lis"});
}

TEST(NonRegularInputs, AnOptionFileOnADeviceIsRefused) {
    RunDir run;
    auto result = run.compile({"s.ptu", "t.c", "@/dev/zero"});
    EXPECT_NE(result.status, 0);
    EXPECT_TRUE(contains(result.err, "File cannot be read /dev/zero")) << result.err;
    run.expect_left({});
}

TEST(NonRegularInputs, AHugeHeaderIsRefusedUnread) {
    RunDir run;
    int fd = ::open(run.path("huge.h").c_str(), O_WRONLY | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, off_t{300} * 1024 * 1024), 0);
    ::close(fd);
    run.write("s.ptu", script_text("##include \"huge.h\"\n"));
    auto result = run.compile({"s.ptu", "t.c"});
    EXPECT_EQ(result.status, 7) << result.err;
    EXPECT_TRUE(contains(result.err, "Harnex-F-FICTROGRD")) << result.err;
    run.expect_left({"s.lis"});
}

// ---- names that generated C cannot hold --------------------------------------

TEST(GeneratedC, ATracesNameWithALineEndIsWrittenAsAnEscape) {
    RunDir run;
    auto result = run.compile({"s.ptu", "t.c", "-RIONAME=a\nb.rio"});
    ASSERT_EQ(result.status, 0) << result.err;
    const std::string harness = testkit::read_file(run.path("t.c"));
    EXPECT_TRUE(contains(harness, "OPF_C(\"")) << harness;
    EXPECT_TRUE(contains(harness, "a\\nb.rio\");")) << harness;
    const std::string target_lib = testkit::dist_dir() + "/target/lib";
    auto built = testkit::run_program(
        "cc", {"-fsyntax-only", "-Wall", "-Wextra", "-Werror", "-I" + target_lib, "t.c"}, {},
        run.dir());
    EXPECT_EQ(built.status, 0) << built.err;
    run.expect_left({"t.c", "t.ic", "t.tdc", "vexor_cfg.h"});
    EXPECT_FALSE(fs::exists(run.path("a\nb.rio")));
}

TEST(GeneratedC, AnOutputDirectoryWithAQuoteIsRefusedBeforeAnyOutput) {
    RunDir run;
    fs::create_directory(run.path("out\"dir"));
    auto result = run.compile({"s.ptu", "out\"dir/t.c"});
    EXPECT_EQ(result.status, 7) << result.err;
    EXPECT_TRUE(contains(result.err, "Harnex-F-CHEMININV")) << result.err;
    EXPECT_TRUE(fs::is_empty(run.path("out\"dir")));
    run.expect_left({"s.lis"});
}

TEST(GeneratedC, ATargetWithAQuoteDoesNotLoseTheStandardDefinitions) {
    RunDir run;
    auto result = run.compile({"s.ptu", "t.c"}, {{"VXLTGT", run.dir() + "/tgt\"x"}});
    EXPECT_EQ(result.status, 7) << result.err;
    EXPECT_TRUE(contains(result.err, "Harnex-F-CHEMININV")) << result.err;
    run.expect_left({"s.lis"});
}

// ---- vexorreport --------------------------------------------------------------

TEST(Report, OutputsNamedAsInputsAreRefused) {
    RunDir run;
    run.write("t.tdc", "link records\n");
    run.write("t.rio", "traces\n");
    ASSERT_EQ(::link(run.path("t.tdc").c_str(), run.path("alias.xml").c_str()), 0);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--junit", "t.rio", "t.tdc", "t.rio"},
          std::vector<std::string>{"--junit", "alias.xml", "t.tdc", "t.rio"},
          std::vector<std::string>{"--depfile", "t.tdc", "target", "t.tdc"},
          std::vector<std::string>{"--depfile", "./alias.xml", "target", "t.tdc"}}) {
        auto result = run.report(args);
        EXPECT_EQ(result.status, 2) << args[1] << result.err;
        EXPECT_TRUE(contains(result.err, "is the input")) << result.err;
        run.expect_left({});
    }
}

TEST(Report, InputsThatAreNotFilesEndWithStatusTwoAtOnce) {
    RunDir run;
    run.write("t.tdc", "link records\n");
    ASSERT_EQ(::mkfifo(run.path("pipe.rio").c_str(), 0600), 0);
    fs::create_directory(run.path("dir.rio"));
    for (const std::string& traces :
         {std::string("/dev/zero"), run.path("pipe.rio"), run.path("dir.rio")}) {
        auto result = run.report({"t.tdc", traces});
        EXPECT_EQ(result.status, 2) << traces << result.err;
        EXPECT_TRUE(contains(result.err, traces + " is not a regular file")) << result.err;
    }
    auto missing = run.report({"t.tdc", "none.rio"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_TRUE(contains(missing.err, "cannot open none.rio (No such file or directory)"))
        << missing.err;
    run.expect_left({});
}

}  // namespace
}  // namespace vx
