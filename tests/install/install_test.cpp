// The installed tree as a user gets it: `cmake --install` into a scratch
// prefix, the programs run from there with no HARNEXDIR and no VXLTGT, the
// manual pages made from each program's --help, the Debian package of the
// tree, and the CMake example configured with find_package(Vexor 1.0) and
// CMAKE_PREFIX_PATH alone, giving its verdicts under ctest.
#include "testkit/testkit.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace vx {
namespace {

constexpr const char* programs[] = {"vexorprepro", "vexorreport", "vexorstubs"};

// No variable of the product, an English locale.
const testkit::EnvChanges bare = {{"HARNEXDIR", std::nullopt},
                                  {"VXLTGT", std::nullopt},
                                  {"VXUTGT", std::nullopt},
                                  {"LC_ALL", "C"},
                                  {"LANG", "C"}};

bool contains(const std::string& text, const std::string& piece) {
    return text.find(piece) != std::string::npos;
}

class Installed : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        scratch_ = new testkit::ScratchDir;
        prefix_ = scratch_->file("usr");
        installed_ = testkit::run_program(VX_CMAKE_COMMAND,
                                          {"--install", VX_BINARY_DIR, "--prefix", prefix_}, bare);
    }
    static void TearDownTestSuite() {
        delete scratch_;
        scratch_ = nullptr;
    }
    void SetUp() override { ASSERT_EQ(installed_.status, 0) << installed_.out << installed_.err; }

    static testkit::ScratchDir* scratch_;
    static std::string prefix_;
    static testkit::ProcessResult installed_;
};

testkit::ScratchDir* Installed::scratch_ = nullptr;
std::string Installed::prefix_;
testkit::ProcessResult Installed::installed_;

TEST_F(Installed, LaysOutAStandardTree) {
    for (const char* program : programs) {
        EXPECT_TRUE(fs::exists(prefix_ + "/bin/" + program)) << program;
        EXPECT_TRUE(fs::exists(prefix_ + "/share/man/man1/" + std::string(program) + ".1"))
            << program;
    }
    for (const char* file :
         {"share/vexor/target/lib/TP.c", "share/vexor/target/lib/TP.h",
          "share/vexor/target/ana/vxus_c.def", "share/vexor/lib/locale",
          "share/vexor/target/boards", "share/vexor/cmake/toolchains",
          "lib/cmake/Vexor/VexorConfig.cmake", "lib/cmake/Vexor/VexorConfigVersion.cmake",
          "lib/cmake/Vexor/VexorTest.cmake"}) {
        EXPECT_TRUE(fs::exists(prefix_ + "/" + file)) << file;
    }
}

// The compiler finds its catalogues and its target package from where it
// lies; HARNEXDIR still names another installation when it is set.
TEST_F(Installed, TheProgramsFindTheirInstallation) {
    testkit::ScratchDir dir;
    testkit::write_file(dir.file("s.ptu"),
                        "HEADER s, 1.0, , installed\n#int x;\nBEGIN\nSERVICE s\nTEST t\nFAMILY f\n"
                        "ELEMENT\nVAR x, INIT = 1, EV = 1\nEND ELEMENT\nEND FAMILY\nEND TEST\n"
                        "END SERVICE\n");
    testkit::EnvChanges french = bare;
    french["LC_ALL"] = "fr_FR.UTF-8";
    french["LANG"] = "fr_FR.UTF-8";
    auto compiled =
        testkit::run_program(prefix_ + "/bin/vexorprepro", {"s.ptu", "t.c"}, french, dir.path());
    EXPECT_EQ(compiled.status, 0) << compiled.err;
    EXPECT_TRUE(contains(compiled.err, "Fin d'execution")) << compiled.err;
    EXPECT_TRUE(
        contains(testkit::read_file(dir.file("t.c")), prefix_ + "/share/vexor/target/lib/TP.h"));

    testkit::EnvChanges other = bare;
    other["HARNEXDIR"] = testkit::dist_dir();
    auto named =
        testkit::run_program(prefix_ + "/bin/vexorprepro", {"s.ptu", "u.c"}, other, dir.path());
    EXPECT_EQ(named.status, 0) << named.err;
    EXPECT_TRUE(contains(testkit::read_file(dir.file("u.c")), testkit::dist_dir() + "/target"));
}

// Each page holds its program's --help, line for line.
TEST_F(Installed, ManualPagesAreTheHelpOfTheirPrograms) {
    for (const char* program : programs) {
        SCOPED_TRACE(program);
        auto help = testkit::run_program(prefix_ + "/bin/" + program, {"--help"}, bare);
        ASSERT_EQ(help.status, 0);
        const std::string page = prefix_ + "/share/man/man1/" + program + ".1";
        auto shown = testkit::run_program(
            "man", {"-l", page},
            {{"MANWIDTH", "200"}, {"MAN_KEEP_FORMATTING", ""}, {"LC_ALL", "C"}});
        ASSERT_EQ(shown.status, 0) << shown.err;
        EXPECT_TRUE(contains(shown.out, "NAME")) << shown.out;
        for (const std::string& line : testkit::split_lines(help.out)) {
            const std::size_t text = line.find_first_not_of(' ');
            if (text == std::string::npos) continue;
            EXPECT_TRUE(contains(shown.out, line.substr(text))) << line;
        }
    }
}

// A project with find_package(Vexor 1.0 REQUIRED) and the prefix in
// CMAKE_PREFIX_PATH: the example's scripts give their verdicts, one passing
// and one failing on purpose.
TEST_F(Installed, TheCmakeExampleBuildsThroughFindPackage) {
    testkit::ScratchDir dir;
    const fs::path source = fs::path(dir.path()) / "gauge";
    const fs::path binary = fs::path(dir.path()) / "build";
    fs::copy(fs::path(VX_SOURCE_DIR) / "examples/cmake", source, fs::copy_options::recursive);
    auto configured = testkit::run_program(
        VX_CMAKE_COMMAND,
        {"-S", source.string(), "-B", binary.string(), "-DCMAKE_PREFIX_PATH=" + prefix_,
         "-DCMAKE_C_FLAGS=-Wall -Wextra -Werror"},
        bare);
    ASSERT_EQ(configured.status, 0) << configured.out << configured.err;
    const std::string cache = testkit::read_file((binary / "CMakeCache.txt").string());
    EXPECT_TRUE(contains(cache, "Vexor_DIR:PATH=" + prefix_ + "/lib/cmake/Vexor")) << cache;
    auto built = testkit::run_program(VX_CMAKE_COMMAND, {"--build", binary.string()}, bare);
    ASSERT_EQ(built.status, 0) << built.out << built.err;
    auto tested = testkit::run_program(VX_CTEST_COMMAND, {}, bare, binary.string());
    EXPECT_TRUE(contains(tested.out, "50% tests passed, 1 tests failed out of 2")) << tested.out;
    EXPECT_TRUE(contains(tested.out, "gauge_percent")) << tested.out;

    // A version above the installed one is refused.
    testkit::write_file((source / "CMakeLists.txt").string(),
                        "cmake_minimum_required(VERSION 3.20)\nproject(p C)\n"
                        "find_package(Vexor 99.0 REQUIRED)\n");
    auto refused =
        testkit::run_program(VX_CMAKE_COMMAND,
                             {"-S", source.string(), "-B", (fs::path(dir.path()) / "b2").string(),
                              "-DCMAKE_PREFIX_PATH=" + prefix_},
                             bare);
    EXPECT_NE(refused.status, 0);
}

// make package: the Debian package of the tree holds the same layout under
// /usr, depends on the C++ and Qt libraries the programs link, and its
// programs run from wherever it is unpacked.
TEST_F(Installed, TheDebianPackageHoldsTheTree) {
    testkit::ScratchDir dir;
    auto packed =
        testkit::run_program(VX_CPACK_COMMAND,
                             {"-G", "DEB", "--config",
                              std::string(VX_BINARY_DIR) + "/CPackConfig.cmake", "-B", dir.path()},
                             bare, dir.path());
    ASSERT_EQ(packed.status, 0) << packed.out << packed.err;
    std::string deb;
    for (const auto& entry : fs::directory_iterator(dir.path())) {
        if (entry.path().extension() == ".deb") deb = entry.path().string();
    }
    ASSERT_FALSE(deb.empty()) << packed.out;
    EXPECT_TRUE(contains(deb, std::string("vexor_") + VX_PROJECT_VERSION)) << deb;
    auto info = testkit::run_program("dpkg-deb", {"--info", deb}, bare);
    EXPECT_TRUE(contains(info.out, "Package: vexor")) << info.out;
    EXPECT_TRUE(contains(info.out, "libqt6core6")) << info.out;
    const std::string root = dir.file("root");
    ASSERT_EQ(testkit::run_program("dpkg-deb", {"-x", deb, root}, bare).status, 0);
    for (const char* file :
         {"usr/bin/vexorprepro", "usr/bin/vexorstubs", "usr/share/vexor/target/lib/TP.c",
          "usr/lib/cmake/Vexor/VexorConfig.cmake", "usr/share/man/man1/vexorreport.1"}) {
        EXPECT_TRUE(fs::exists(root + "/" + file)) << file;
    }
    auto version = testkit::run_program(root + "/usr/bin/vexorprepro", {"--version"}, bare);
    EXPECT_EQ(version.status, 0) << version.err;
}

}  // namespace
}  // namespace vx
