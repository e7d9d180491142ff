// The start of a run as a user sees it: the installed program, its
// environment, its first and last lines and its exit status.
#include "diag/process_end.h"
#include "diag/reporter.h"
#include "driver/crash_handler.h"
#include "testkit/testkit.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <cstring>

namespace vx {
namespace {

using testkit::run_compiler;
using testkit::ScratchDir;
using testkit::split_lines;

const std::string banner = "Harnex-I-STARTEXEC,  Harnex C Test Script Compiler 8.3.0.1.342.020";

// --help, -h and --version answer on standard output with status 0,
// wherever they stand and whatever else the command line holds; the help
// speaks the language of the installation's catalogues, and is given in
// English even without an installation.
TEST(RunStart, HelpAndVersionAnswerWithStatusZero) {
    for (const char* request : {"--help", "-h"}) {
        auto english = run_compiler({"s.ptu", request, "-BOGUS"}, {{"LANG", "en_US.UTF-8"}});
        EXPECT_EQ(english.status, 0) << english.err;
        EXPECT_EQ(english.err, "");
        EXPECT_EQ(english.out.rfind("Usage: vexorprepro <test_script_file> <generated_file>", 0),
                  0u)
            << english.out;
        // Every option of the command line has its line, the obsolete
        // ones under their own heading after the others.
        for (const char* option :
             {"-LANGUAGE=", "-INCL=", "-NOANALYZE", "-RIONAME=", "-TSF=", "-E=", "-W=", "-SYSCOMP=",
              "-ADALINK=", "-WITHSEPARATE", "-LEARN", "--version"}) {
            EXPECT_NE(english.out.find(option), std::string::npos) << option;
        }
        EXPECT_LT(english.out.find("-NOANALYZE"), english.out.find("Kept for other platforms"));
        EXPECT_GT(english.out.find("-ADALINK"), english.out.find("Kept for other platforms"));
    }
    auto french = run_compiler({"-h"}, {{"LANG", "fr_FR.UTF-8"}});
    EXPECT_EQ(french.status, 0);
    EXPECT_NE(french.out.find("Gardées pour d'autres plates-formes"), std::string::npos)
        << french.out;
    EXPECT_NE(french.out.find("générer les parties ELSE_SIMUL"), std::string::npos);
    auto alone = run_compiler({"--help"}, {{"HARNEXDIR", std::nullopt}});
    EXPECT_EQ(alone.status, 0);
    EXPECT_NE(alone.out.find("The C analysis:"), std::string::npos);

    auto version = run_compiler({"--version"}, {{"HARNEXDIR", std::nullopt}});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "vexorprepro 8.3.0.1.342.020\n");
    EXPECT_EQ(version.err, "");
}

// -DIAGNOSTICS=GNU gives the messages on standard error as compilers give
// them, "file:line: warning: text [CODE]", which editors and CI servers
// read; the listing keeps its own form.
TEST(RunStart, DiagnosticsInTheFormEditorsRead) {
    ScratchDir dir;
    testkit::write_file(dir.file("k.ptu"),
                        "HEADER k, 1.0, , editor form\n#int x;\nBEGIN\nSERVICE s\nTEST t\n"
                        "FAMILY f\nELEMENT\nVRA x, INIT = 1, EV = 1\nVAR x, int, INTI = 1\n"
                        "END ELEMENT\nEND FAMILY\nEND TEST\nEND SERVICE\n");
    auto result = run_compiler({"k.ptu", "k.c", "-DIAGNOSTICS=gnu", "-NOANALYZE"}, {}, dir.path());
    EXPECT_EQ(result.status, 5) << result.err;
    EXPECT_NE(result.err.find("./k.ptu:8: warning: Unknown keyword: VRA x, INIT = 1, EV = 1 "
                              "[STXMETAIN]\n"),
              std::string::npos)
        << result.err;
    EXPECT_NE(result.err.find("./k.ptu:9: error: "), std::string::npos) << result.err;
    EXPECT_EQ(result.err.find("Harnex-W-STXMETAIN"), std::string::npos) << result.err;
    const std::string listing = testkit::read_file(dir.file("k.lis"));
    EXPECT_NE(listing.find("Harnex-W-STXMETAIN,  [./k.ptu:8] Unknown keyword: VRA"),
              std::string::npos)
        << listing;
}

TEST(RunStart, WithoutAnInstallationTheRunStopsBeforeAnything) {
    // HARNEXDIR set empty names none.
    auto empty = run_compiler({"s.ptu", "t.c"}, {{"HARNEXDIR", ""}});
    EXPECT_EQ(empty.status, exit_fatal);
    EXPECT_EQ(empty.err, "Fatal Error: please setup HARNEXDIR environment variable.\n");
    EXPECT_EQ(empty.out, "");
    // Unset, the installation is the one the program lies in; a copy of the
    // program outside any installation has none.
    ScratchDir dir;
    std::filesystem::create_directories(dir.file("bin"));
    std::filesystem::copy_file(testkit::compiler_path(), dir.file("bin/vexorprepro"));
    auto alone = testkit::run_program(dir.file("bin/vexorprepro"), {"s.ptu", "t.c"},
                                      {{"HARNEXDIR", std::nullopt}}, dir.path());
    EXPECT_EQ(alone.status, exit_fatal);
    EXPECT_EQ(alone.err, "Fatal Error: please setup HARNEXDIR environment variable.\n");
}

TEST(RunStart, WithoutHarnexdirTheProgramFindsItsOwnInstallation) {
    ScratchDir dir;
    testkit::write_file(dir.file("s.ptu"),
                        "HEADER s, 1.0, , found\n#int x;\nBEGIN\nSERVICE s\nTEST t\nFAMILY f\n"
                        "ELEMENT\nVAR x, INIT = 1, EV = 1\nEND ELEMENT\nEND FAMILY\nEND TEST\n"
                        "END SERVICE\n");
    auto found = run_compiler({"s.ptu", "t.c"},
                              {{"HARNEXDIR", std::nullopt},
                               {"VXLTGT", std::nullopt},
                               {"VXUTGT", std::nullopt},
                               {"LANG", "fr_FR.UTF-8"}},
                              dir.path());
    EXPECT_EQ(found.status, 0) << found.err;
    // The French catalogues of the installation were found, and its target
    // package: the harness includes its runtime header.
    EXPECT_NE(found.err.find("Fin d'execution"), std::string::npos) << found.err;
    EXPECT_NE(testkit::read_file(dir.file("t.c")).find(testkit::dist_dir() + "/target/lib/TP.h"),
              std::string::npos);
}

TEST(RunStart, MissingCatalogueDirectoryWarnsAndGoesOn) {
    ScratchDir dir;
    auto result = run_compiler({"s.ptu", "t.c"}, {{"HARNEXDIR", dir.path()}}, dir.path());
    auto lines = split_lines(result.err);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], "Warning: directory doesn't exist '" + dir.path() + "/lib/locale'");
    EXPECT_EQ(lines[1], banner);
}

TEST(RunStart, BannerThenCopyrightUnlessSuppressed) {
    ScratchDir dir;
    auto shown =
        run_compiler({"s.ptu", "t.c"}, {{"VEXOR_SUPPRESS_COPYRIGHT", std::nullopt}}, dir.path());
    auto lines = split_lines(shown.err);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], banner);
    EXPECT_EQ(lines[1].rfind("Harnex-I-COPYRIGHT,  Copyright", 0), 0u) << lines[1];

    // Set, even to nothing, the variable removes the line.
    auto hidden = run_compiler({"s.ptu", "t.c"}, {{"VEXOR_SUPPRESS_COPYRIGHT", ""}}, dir.path());
    EXPECT_EQ(hidden.err.find("COPYRIGHT"), std::string::npos);
    EXPECT_EQ(split_lines(hidden.err).at(0), banner);
}

TEST(RunStart, SpeaksTheLanguageOfTheLocale) {
    ScratchDir dir;
    // A script that cannot be opened: the fatal end of the run's start.
    auto french = run_compiler({"absent.ptu", "t.c"}, {{"LANG", "fr_FR.UTF-8"}}, dir.path());
    EXPECT_EQ(french.status, exit_fatal);
    EXPECT_NE(french.err.find("Harnex-F-IMPOUVFIC,  Impossible d'ouvrir le fichier ./absent.ptu"),
              std::string::npos)
        << french.err;
    auto english = run_compiler({"absent.ptu", "t.c"}, {{"LANG", "en_US.UTF-8"}}, dir.path());
    EXPECT_NE(english.err.find("Harnex-F-IMPOUVFIC,  Cannot open the file ./absent.ptu"),
              std::string::npos)
        << english.err;
    // The details file is closed and kept after a fatal end.
    EXPECT_TRUE(testkit::file_exists(dir.file("absent.lis")));
}

// Every fault of the program ends as an internal error, and the warnings
// still waiting in the listing's buffer reach the file before the end.
TEST(CrashHandler, FaultsAreAnInternalErrorWithStatusNineAndTheListingIsWhole) {
    for (int fault : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT}) {
        ScratchDir dir;
        const std::string listing = dir.file("crash.lis");
        EXPECT_EXIT(
            {
                testkit::FreshReporter fresh;
                fresh.get().set_console({});
                fresh.get().open_details_file(listing);
                fresh.get().set_warning_limit(0);
                install_crash_handler(fresh.get());
                for (int line = 1; line <= 100; ++line) {
                    fresh.get().set_report_line(line);
                    fresh.get().warning(msg::STXMETAIN, "buffered");
                }
                std::raise(fault);
            },
            ::testing::ExitedWithCode(exit_internal),
            "Harnex-S-INTERNERR,  \\[100\\] internal error raised in  Module SFC")
            << "signal " << fault;
        const auto lines = testkit::split_lines(testkit::read_file(listing));
        ASSERT_EQ(lines.size(), 101u) << "signal " << fault;
        EXPECT_NE(lines.back().find("INTERNERR"), std::string::npos) << lines.back();
    }
}

}  // namespace
}  // namespace vx

namespace vx {
namespace {

// Without a target package the run says so once, and the C analysis still
// knows the harness's own declarations and keeps the script's locations.
// The installation has its catalogues but no target package of its own.
TEST(RunStart, WithoutTargetPackageDiagnosticsKeepTheScriptName) {
    ScratchDir dir;
    std::filesystem::create_directories(dir.file("home"));
    std::filesystem::create_directory_symlink(testkit::dist_dir() + "/lib", dir.file("home/lib"));
    testkit::write_file(
        dir.file("k.ptu"),
        "HEADER k, 1.0, , no target\n#int x;\n#int y y;\nBEGIN\nSERVICE s\nTEST t\n"
        "FAMILY f\nELEMENT\nVAR x, INIT = 1, EV = 2\nVAR nothing, INIT = 1, EV = 2\n"
        "END ELEMENT\nEND FAMILY\nEND TEST\nEND SERVICE\n");
    auto result = run_compiler(
        {"k.ptu", "k.c"},
        {{"VXLTGT", std::nullopt}, {"VXUTGT", std::nullopt}, {"HARNEXDIR", dir.file("home")}},
        dir.path());
    EXPECT_EQ(result.status, 5) << result.err;
    std::size_t first = result.err.find("Harnex-W-BADRUNTIM");
    EXPECT_NE(first, std::string::npos) << result.err;
    EXPECT_EQ(result.err.find("BADRUNTIM", first + std::strlen("Harnex-W-BADRUNTIM")),
              std::string::npos)
        << result.err;
    EXPECT_NE(result.err.find("[./k.ptu:3] Syntax error: int y y"), std::string::npos)
        << result.err;
    EXPECT_NE(result.err.find("Harnex-E-NOMVARINC,  [./k.ptu:10] Bad variable name nothing"),
              std::string::npos)
        << result.err;
    EXPECT_EQ(result.err.find("ZQZQ"), std::string::npos) << result.err;
}

// Without VXLTGT and VXUTGT the run takes the installation's own target
// package: the harness includes its runtime header, and the C analysis
// reads the system headers through its standard definitions.
TEST(RunStart, WithoutTargetVariablesTheInstallationsOwnPackageServes) {
    ScratchDir dir;
    testkit::write_file(dir.file("k.ptu"),
                        "HEADER k, 1.0, , own target\n##include <stdint.h>\n#uint8_t x;\nBEGIN\n"
                        "SERVICE s\nTEST t\nFAMILY f\nELEMENT\nVAR x, INIT = 1, EV = 1\n"
                        "END ELEMENT\nEND FAMILY\nEND TEST\nEND SERVICE\n");
    auto result = run_compiler({"k.ptu", "k.c"},
                               {{"VXLTGT", std::nullopt}, {"VXUTGT", std::nullopt}}, dir.path());
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err.find("BADRUNTIM"), std::string::npos) << result.err;
    EXPECT_NE(testkit::read_file(dir.file("k.c"))
                  .find("#include \"" + testkit::dist_dir() + "/target/lib/TP.h\""),
              std::string::npos);
}

}  // namespace
}  // namespace vx
