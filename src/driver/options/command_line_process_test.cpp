// Whole command lines through the start of a run, each in a child process of
// its own: analysis, settings, output names, details file and listing
// header, with the real exit status, messages and files left behind.
#include "diag/catalogue.h"
#include "diag/process_end.h"
#include "diag/reporter.h"
#include "driver/options/compiler_options.h"
#include "driver/output_names.h"
#include "testkit/child_process.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace vx {
namespace {

using vx::testing::ChildResult;
using vx::testing::read_file;
using vx::testing::run_in_child;
using vx::testing::ScratchDirectory;
using vx::testing::write_file;

constexpr char run_date[] = "Mon Jan  1 10:00:00 2024";

std::string joined(const std::vector<std::string>& items) {
    std::string text;
    for (const auto& item : items) {
        text += (text.empty() ? "" : "|") + item;
    }
    return text;
}

// The command-line stages of a run with the environment of the snapshot, a
// few settings on standard output, then whatever the test adds while the
// run's reporter is still in place.
void start_run(std::vector<std::string> arguments, const EnvironmentSnapshot& snapshot,
               const std::function<void(Reporter&)>& after) {
    const RunEnvironment environment = environment_from(snapshot);
    MessageCatalogue catalogue;
    catalogue.register_all();
    Reporter reporter(catalogue);

    arguments.insert(arguments.begin(), "vexorprepro");
    std::vector<char*> argv;
    for (auto& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);

    CompilerSettings settings = analyse_command_line(reporter, static_cast<int>(arguments.size()),
                                                     argv.data(), environment);
    OutputNames names = derive_output_names(settings, environment);
    open_listing(reporter, settings, names, run_date);

    std::printf("echo=%s\n", settings.command_echo.c_str());
    std::printf("details=%s\n", names.details_file.c_str());
    std::printf("ansi=%d kr=%d\n", settings.restriction(Restriction::ansi),
                settings.restriction(Restriction::kr));
    std::printf("defines=%s\n", joined(settings.defined_identifiers).c_str());
    std::printf("operations=%s\n", joined(settings.operation_list.names).c_str());
    std::fflush(stdout);
    if (after) {
        after(reporter);
    }
    reporter.close_details_file();
}

class CommandLineRun : public ::testing::Test {
protected:
    ScratchDirectory scratch;

    // Runs the stages in the scratch directory with an environment of
    // these variables alone.
    ChildResult run(std::vector<std::string> arguments, EnvironmentSnapshot environment = {},
                    std::function<void(Reporter&)> after = {}) {
        return run_in_child([&] {
            if (::chdir(scratch.path().c_str()) != 0) {
                std::_Exit(99);
            }
            start_run(arguments, environment, after);
        });
    }
    std::string details(const char* name) { return read_file(scratch.path() / name); }
};

// A line of the listing header box.
std::string boxed(std::string line) {
    line.resize(77, ' ');
    return line + "*\n";
}

TEST_F(CommandLineRun, PlainCommandLineWritesTheListingHeader) {
    ChildResult result = run({"s.ptu", "t.c"});
    ASSERT_TRUE(result.exited);
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_NE(result.out.find("echo=vexorprepro s.ptu t.c -LANGUAGE=C -TARGET=LINUX -FAST\n"),
              std::string::npos);
    const std::string stars(78, '*');
    EXPECT_EQ(details("s.lis"),
              stars + "\n" + boxed("C Test Script Compiler 8.3.0.1.342.020") + boxed("*") +
                  boxed("* COMMANDE : vexorprepro s.ptu t.c -LANGUAGE=C -TARGET=LINUX -FAST") +
                  boxed("* FICHIER : s.lis") + boxed(std::string("* DATE : ") + run_date) +
                  boxed("*") + stars + "\n");
    EXPECT_EQ(scratch.entries(), std::vector<std::string>{"s.lis"});
}

TEST_F(CommandLineRun, AcceptedSpellingsAndValues) {
    for (const char* spelling : {"-lang=C", "-LANGAGE=C", "-language=c"}) {
        ChildResult result = run({"s.ptu", "t.c", spelling, "-NOFAST"});
        ASSERT_EQ(result.status, 0) << spelling << "\n" << result.err;
        EXPECT_NE(result.out.find("echo=vexorprepro s.ptu t.c -LANGUAGE=C -TARGET=LINUX\n"),
                  std::string::npos)
            << result.out;
    }

    ChildResult one = run({"s.ptu", "t.c", "-DEFINE=A\\,B"});
    EXPECT_NE(one.out.find("defines=A,B\n"), std::string::npos) << one.out;
    ChildResult two = run({"s.ptu", "t.c", "-DEFINE=A,B"});
    EXPECT_NE(two.out.find("defines=A|B\n"), std::string::npos) << two.out;

    ChildResult services = run({"s.ptu", "t.c", "-SERVICE=s1,s2"});
    EXPECT_NE(services.out.find("echo=vexorprepro s.ptu t.c -LANGUAGE=C -TARGET=LINUX -FAST"
                                " -SERVICE=S1,S2\n"),
              std::string::npos)
        << services.out;
    EXPECT_NE(services.out.find("operations=S1|S2\n"), std::string::npos);
}

TEST_F(CommandLineRun, RestrictionKrWithAnsiWarnsAndKeepsAnsi) {
    ChildResult result = run({"s.ptu", "t.c", "-RESTRICTION=KR,ANSI"});
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.err.find("Harnex-W-CMDERREUR,"), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("improper RESTR=KR option"), std::string::npos);
    EXPECT_NE(result.out.find("ansi=1 kr=0\n"), std::string::npos);
}

TEST_F(CommandLineRun, EnvironmentReferencesAndOptionFiles) {
    write_file(scratch.path() / "opts", "# target\n-TARGET=arm\n\"$VX_UNDEFINED_VARIABLE/y\"\n");
    std::string home = scratch.path().string();
    ChildResult result = run({"$HOME/x.ptu", "-OPTION=opts", "rio/"}, {{"HOME", home}});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("echo=vexorprepro " + home +
                              "/x.ptu $VX_UNDEFINED_VARIABLE/y \"rio/\" -LANGUAGE=C -TARGET=ARM"
                              " -FAST\n"),
              std::string::npos)
        << result.out;
    EXPECT_NE(result.out.find("details=x.lis\n"), std::string::npos);
}

TEST_F(CommandLineRun, DetailsExtensionFromTheEnvironment) {
    ChildResult result = run({"tests/sample", "out/h"}, {{"VEXORLIS", "log"}});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(scratch.entries(), std::vector<std::string>{"sample.log"});
}

TEST_F(CommandLineRun, TraceLevelsAndDisplayLimits) {
    ChildResult result = run({"s.ptu", "t.c", "-XT=2", "-E=1"}, {}, [](Reporter& reporter) {
        reporter.error(msg::SYNTAXERO);
        reporter.error(msg::CHARINVAL);
    });
    EXPECT_EQ(result.out.rfind("active trace 2\n", 0), 0u) << result.out;
    EXPECT_NE(result.err.find("Harnex-E-SYNTAXERO"), std::string::npos);
    EXPECT_EQ(result.err.find("CHARINVAL"), std::string::npos) << result.err;
}

TEST_F(CommandLineRun, DetailsFileThatCannotBeCreated) {
    std::filesystem::create_directory(scratch.path() / "s.lis");
    ChildResult result = run({"s.ptu", "t.c"});
    ASSERT_TRUE(result.exited);
    EXPECT_EQ(result.status, exit_fatal);
    EXPECT_NE(result.err.find("Harnex-F-FICERROPN,"), std::string::npos) << result.err;
    EXPECT_EQ(result.out, "");
}

struct Refusal {
    const char* label;
    std::vector<std::string> arguments;
    std::string message;  // the analyser's line, or the fatal code
};

void PrintTo(const Refusal& refusal, std::ostream* out) { *out << refusal.label; }

class Refusals : public CommandLineRun, public ::testing::WithParamInterface<Refusal> {};

TEST_P(Refusals, EndTheRunWithStatusSevenAndNoFile) {
    const Refusal& refusal = GetParam();
    ChildResult result = run(refusal.arguments);
    ASSERT_TRUE(result.exited) << "the run crashed";
    EXPECT_EQ(result.status, exit_fatal);
    EXPECT_NE(result.err.find(refusal.message), std::string::npos) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_TRUE(scratch.entries().empty());
    if (refusal.message.rfind("Harnex-F-", 0) != 0) {
        // The analyser's message, its usage text, then the fatal report.
        EXPECT_EQ(result.err.rfind("Harnex Command analysis : " + refusal.message, 0), 0u);
        std::size_t fatal = result.err.find("\n\nHarnex-F-CMDFATALE,  ");
        ASSERT_NE(fatal, std::string::npos) << result.err;
        EXPECT_EQ(result.err.find('\n', fatal + 2), result.err.size() - 1);
        EXPECT_NE(result.err.find("\t[-LEARN|-NOLEARN]\n\n"), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, Refusals,
    ::testing::Values(
        Refusal{"Ambiguous", {"s.ptu", "t.c", "-EX"}, "Ambiguous option, EX\n"},
        Refusal{"ValueTooSmall", {"s.ptu", "t.c", "-E=0"}, "Arg value too small, 0\n"},
        Refusal{"ValueTooLarge", {"s.ptu", "t.c", "-E=256"}, "Arg value too large, 256\n"},
        Refusal{"Combination",
                {"s.ptu", "t.c", "-SERVICE=a", "-OPERATION=b"},
                "Illegal combination of command elements, OPERATION and SERVICE\n"},
        Refusal{"FourthArgument",
                {"s.ptu", "t.c", "rio/", "extra"},
                "Too many arguments invalid argument, extra\n"},
        Refusal{"MandatoryValue",
                {"s.ptu", "t.c", "-RESTRICTION"},
                "Mandatory argument for this option, "
                "RESTRICTION=NOEXCEP|NOIMAGE|NOPOS|KR|ANSI|NOSQLSAV|SEPAR|NOALLOC|ADA83\n"},
        Refusal{"MissingArgument", {"s.ptu"}, "Argument missing, generated_file\n"},
        Refusal{
            "MissingOptionFile", {"s.ptu", "t.c", "@absent.opt"}, "File not found absent.opt\n"},
        Refusal{"Twice",
                {"s.ptu", "t.c", "-FAST", "-NOFAST"},
                "An option can't be used twice, NOFAST\n"},
        Refusal{"UnknownLanguage", {"s.ptu", "t.c", "-LANGUAGE=ADA"}, "Harnex-F-LANGINCON,"}),
    [](const ::testing::TestParamInfo<Refusal>& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace vx
