// The same scripts on embedded targets: the CMake examples configured with
// the toolchain files of the installation, built with -Wall -Wextra
// -Werror, and run by ctest under QEMU (a bare-metal Cortex-M3 on the
// mps2-an385 board with semihosting, and big-endian 32-bit PowerPC Linux
// under qemu-ppc). The verdicts are read from the JUnit XML the report
// wrote on the host.
//
// examples/cmake gives the host's verdicts on each target: gauge_fill
// passes, gauge_percent fails on purpose. examples/target_facts shows the
// target matters: facts expects what the target gives and passes,
// facts_host expects what an x86-64 host gives and fails on the targets,
// naming the values. The harnesses are executables of the target.
#include "harness/harness_runner.h"

#include <gtest/gtest.h>

#include <QStandardPaths>
#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;
using namespace vx::harness_testing;

constexpr int build_timeout_ms = 900000;
constexpr unsigned char elf_big_endian = 2;
constexpr unsigned elf_machine_ppc = 20;
constexpr unsigned elf_machine_arm = 40;

struct Target {
    const char* toolchain;  // file of dist/cmake/toolchains
    const char* compiler;
    const char* emulator;
    unsigned machine;  // ELF e_machine of its executables
    bool big_endian;
};

const Target targets[] = {
    {"cortex-m3-qemu.cmake", "arm-none-eabi-gcc", "qemu-system-arm", elf_machine_arm, false},
    {"powerpc-linux-qemu.cmake", "powerpc-linux-gnu-gcc", "qemu-ppc", elf_machine_ppc, true},
};

bool contains(const std::string& text, const std::string& piece) {
    return text.find(piece) != std::string::npos;
}

std::string slurp(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

class CrossTarget : public ::testing::TestWithParam<Target> {
protected:
    void SetUp() override {
        ASSERT_TRUE(scratch_.isValid());
        root_ = fs::path(scratch_.path().toStdString());
        for (const char* tool : {GetParam().compiler, GetParam().emulator}) {
            ASSERT_FALSE(QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                << tool << " is not installed (scripts/install-deps.sh installs it)";
        }
    }

    static QString path(const fs::path& p) { return QString::fromStdString(p.string()); }

    // Configures, builds and tests a copy of examples/<project>; returns
    // the build directory.
    fs::path build_and_test(const std::string& project) {
        const fs::path source = root_ / project;
        const fs::path binary = root_ / (project + "-build");
        fs::copy(fs::path(VX_SOURCE_DIR) / "examples" / project, source,
                 fs::copy_options::recursive);
        const QString toolchain = dist_path(QStringLiteral("cmake/toolchains/")) +
                                  QString::fromLatin1(GetParam().toolchain);
        ProcessResult configure =
            run_program(QStringLiteral(VX_CMAKE_COMMAND),
                        {QStringLiteral("-S"), path(source), QStringLiteral("-B"), path(binary),
                         QStringLiteral("-DVEXOR_DIR=") + dist_path(QString()),
                         QStringLiteral("-DCMAKE_TOOLCHAIN_FILE=") + toolchain,
                         QStringLiteral("-DCMAKE_C_FLAGS=-Wall -Wextra -Werror")},
                        path(root_), {}, build_timeout_ms);
        EXPECT_EQ(configure.exit_code, 0) << configure.out << configure.err;
        ProcessResult built =
            run_program(QStringLiteral(VX_CMAKE_COMMAND), {QStringLiteral("--build"), path(binary)},
                        path(root_), {}, build_timeout_ms);
        EXPECT_EQ(built.exit_code, 0) << built.out << built.err;
        ProcessResult tested =
            run_program(QStringLiteral(VX_CTEST_COMMAND), {QStringLiteral("--output-on-failure")},
                        path(binary), {}, build_timeout_ms);
        EXPECT_TRUE(tested.started && !tested.crashed);
        last_ctest_ = tested.out;
        return binary;
    }

    // The verdict of test `name` as its JUnit XML tells it.
    static std::string junit_of(const fs::path& binary, const std::string& name) {
        return slurp(binary / "vexor" / name / (name + ".xml"));
    }

    void expect_target_executable(const fs::path& harness) {
        const std::string elf = slurp(harness);
        ASSERT_GT(elf.size(), 20u) << harness;
        ASSERT_EQ(elf.substr(0, 4),
                  "\x7f"
                  "ELF");
        const bool big = static_cast<unsigned char>(elf[5]) == elf_big_endian;
        EXPECT_EQ(big, GetParam().big_endian);
        const unsigned char low = static_cast<unsigned char>(elf[big ? 19 : 18]);
        const unsigned char high = static_cast<unsigned char>(elf[big ? 18 : 19]);
        EXPECT_EQ(static_cast<unsigned>(low | (high << 8)), GetParam().machine);
    }

    QTemporaryDir scratch_;
    fs::path root_;
    std::string last_ctest_;
};

TEST_P(CrossTarget, TheCmakeExampleGivesTheHostsVerdicts) {
    const fs::path binary = build_and_test("cmake");
    expect_target_executable(binary / "vexor" / "gauge_fill" / "gauge_fill");
    const std::string fill = junit_of(binary, "gauge_fill");
    const std::string percent = junit_of(binary, "gauge_percent");
    EXPECT_TRUE(contains(fill, "failures=\"0\" errors=\"0\"")) << fill << last_ctest_;
    EXPECT_TRUE(contains(percent, "failures=\"1\"")) << percent << last_ctest_;
    EXPECT_TRUE(contains(percent, "result: obtained 66, expected 67")) << percent;
    EXPECT_TRUE(contains(last_ctest_, "50% tests passed, 1 tests failed out of 2")) << last_ctest_;

    // gauge_percent measures its coverage on the target: the same lines
    // run and the same branches taken as on the host, the same counts.
    const std::string on_target = slurp(binary / "vexor/gauge_percent/gauge_percent.info");
    EXPECT_TRUE(contains(on_target, "SF:unit/gauge.c\n")) << on_target << last_ctest_;
    const fs::path host_source = root_ / "host";
    const fs::path host_binary = root_ / "host-build";
    fs::copy(fs::path(VX_SOURCE_DIR) / "examples/cmake", host_source, fs::copy_options::recursive);
    for (const QStringList& step :
         {QStringList{QStringLiteral("-S"), path(host_source), QStringLiteral("-B"),
                      path(host_binary), QStringLiteral("-DVEXOR_DIR=") + dist_path(QString())},
          QStringList{QStringLiteral("--build"), path(host_binary)}}) {
        ProcessResult done =
            run_program(QStringLiteral(VX_CMAKE_COMMAND), step, path(root_), {}, build_timeout_ms);
        ASSERT_EQ(done.exit_code, 0) << done.out << done.err;
    }
    run_program(QStringLiteral(VX_CTEST_COMMAND),
                {QStringLiteral("-R"), QStringLiteral("gauge_percent")}, path(host_binary), {},
                build_timeout_ms);
    EXPECT_EQ(on_target, slurp(host_binary / "vexor/gauge_percent/gauge_percent.info"));
}

TEST_P(CrossTarget, TheTargetDependentUnitPassesWithTheTargetsExpectations) {
    const fs::path binary = build_and_test("target_facts");
    expect_target_executable(binary / "vexor" / "facts" / "facts");
    const std::string facts = junit_of(binary, "facts");
    EXPECT_TRUE(contains(facts, "tests=\"5\" failures=\"0\" errors=\"0\"")) << facts << last_ctest_;
    // The host's expectations are wrong here, and the report names them.
    const std::string host = junit_of(binary, "facts_host");
    EXPECT_TRUE(contains(host, "n: obtained 4, expected 8")) << host;
    EXPECT_TRUE(contains(host, "n: obtained 0, expected 1")) << host;
    if (GetParam().big_endian) {
        EXPECT_TRUE(contains(host, "b: obtained 17, expected 68")) << host;
        EXPECT_TRUE(contains(host, "len: obtained 256, expected 65536")) << host;
    }
}

// The ring buffer with C11 atomics, read through the target's C library
// (newlib's <sys/cdefs.h> on the Cortex-M3 defines _Atomic(T) and
// _Alignas for compilers before C11): its script passes, its twin fails at
// the drop it does not count.
TEST_P(CrossTarget, TheRingWithAtomicsPassesAndItsTwinFails) {
    const fs::path binary = build_and_test("ring");
    expect_target_executable(binary / "vexor" / "ring" / "ring");
    const std::string ring = junit_of(binary, "ring");
    EXPECT_TRUE(contains(ring, "tests=\"3\" failures=\"0\" errors=\"0\"")) << ring << last_ctest_;
    const std::string wrong = junit_of(binary, "ring_wrong");
    EXPECT_TRUE(contains(wrong, "uart_ring.drops: obtained 3, expected 2")) << wrong << last_ctest_;
    EXPECT_TRUE(contains(last_ctest_, "50% tests passed, 1 tests failed out of 2")) << last_ctest_;
}

// The link layer whose stubs vexorstubs writes at build time from the
// target's objects and headers (examples/stubs): the generated blocks build
// with -Werror for the target, its script passes, its twin fails at the
// call it leaves undescribed; the target's C library is not stubbed.
TEST_P(CrossTarget, GeneratedStubsBuildAndCheckTheirCalls) {
    const fs::path binary = build_and_test("stubs");
    expect_target_executable(binary / "vexor" / "link" / "link");
    const std::string stubs = slurp(binary / "vexor/link/stubs.ptu");
    EXPECT_TRUE(
        contains(stubs, "#int log_printf(_in int level, _in const char *restrict fmt, ...);"))
        << stubs;
    EXPECT_FALSE(contains(stubs, "memcpy")) << stubs;
    const std::string link = junit_of(binary, "link");
    EXPECT_TRUE(contains(link, "failures=\"0\" errors=\"0\"")) << link << last_ctest_;
    const std::string twin = junit_of(binary, "link_twin");
    EXPECT_TRUE(contains(twin, "stub clock_alarm: calls: obtained 1, expected no call"))
        << twin << last_ctest_;
    EXPECT_TRUE(contains(last_ctest_, "50% tests passed, 1 tests failed out of 2")) << last_ctest_;
}

INSTANTIATE_TEST_SUITE_P(Toolchains, CrossTarget, ::testing::ValuesIn(targets),
                         [](const ::testing::TestParamInfo<Target>& info) {
                             return std::string(info.param.machine == elf_machine_arm ? "CortexM3"
                                                                                      : "PowerPC");
                         });

// Configures, builds and tests examples/<project> for the host in
// `scratch`/build; returns ctest's result.
ProcessResult build_and_test_on_host(const QTemporaryDir& scratch, const std::string& project) {
    const fs::path root(scratch.path().toStdString());
    fs::copy(fs::path(VX_SOURCE_DIR) / "examples" / project, root / project,
             fs::copy_options::recursive);
    const QString source = QString::fromStdString((root / project).string());
    const QString binary = QString::fromStdString((root / "build").string());
    ProcessResult configure =
        run_program(QStringLiteral(VX_CMAKE_COMMAND),
                    {QStringLiteral("-S"), source, QStringLiteral("-B"), binary,
                     QStringLiteral("-DVEXOR_DIR=") + dist_path(QString()),
                     QStringLiteral("-DCMAKE_C_FLAGS=-Wall -Wextra -Werror")},
                    scratch.path(), {}, build_timeout_ms);
    EXPECT_EQ(configure.exit_code, 0) << configure.out << configure.err;
    ProcessResult built =
        run_program(QStringLiteral(VX_CMAKE_COMMAND), {QStringLiteral("--build"), binary},
                    scratch.path(), {}, build_timeout_ms);
    EXPECT_EQ(built.exit_code, 0) << built.out << built.err;
    return run_program(QStringLiteral(VX_CTEST_COMMAND), {}, binary, {}, build_timeout_ms);
}

// On the host, the generated stubs pass and their twin fails.
TEST(HostTarget, GeneratedStubsPassAndTheirTwinFails) {
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    ProcessResult tested = build_and_test_on_host(scratch, "stubs");
    EXPECT_TRUE(contains(tested.out, "50% tests passed, 1 tests failed out of 2")) << tested.out;
    EXPECT_TRUE(contains(tested.out, "link_twin")) << tested.out;
}

// On the host, both scripts of the target-dependent unit pass.
TEST(HostTarget, TheTargetDependentUnitPassesOnTheHost) {
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    ProcessResult tested = build_and_test_on_host(scratch, "target_facts");
    EXPECT_EQ(tested.exit_code, 0) << tested.out << tested.err;
}

// On the host, the ring's script passes with the host's C library and its
// twin fails.
TEST(HostTarget, TheRingWithAtomicsPassesOnTheHost) {
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    ProcessResult tested = build_and_test_on_host(scratch, "ring");
    EXPECT_TRUE(contains(tested.out, "50% tests passed, 1 tests failed out of 2")) << tested.out;
    const fs::path vexor = fs::path(scratch.path().toStdString()) / "build" / "vexor";
    EXPECT_TRUE(contains(slurp(vexor / "ring" / "ring.xml"), "failures=\"0\" errors=\"0\""));
    EXPECT_TRUE(contains(slurp(vexor / "ring_wrong" / "ring_wrong.xml"),
                         "uart_ring.drops: obtained 3, expected 2"));
}

}  // namespace
