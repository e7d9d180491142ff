#include "driver/options/command_analyser.h"

#include "driver/options/compiler_options.h"
#include "testkit/child_process.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <memory>

#include <algorithm>

#include <string>
#include <vector>

namespace vx {
namespace {

using vx::testing::ScratchDirectory;
using vx::testing::write_file;

// The n-th value (from 1) of the option at the position; nullptr when
// there is none.
const AnalysedValue* option_value(const CommandAnalysis& analysis, int position, int n) {
    const auto& values = analysis.option_values(position);
    return n < 1 || static_cast<std::size_t>(n) > values.size()
               ? nullptr
               : &values[static_cast<std::size_t>(n - 1)];
}

struct Outcome {
    int status;
    std::string err;
};

Outcome analyse(CommandAnalysis& analysis, std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "vexorprepro");
    std::string shown;
    analysis.set_console([&](std::string_view text) { shown.append(text); });
    int status = analysis.analyse_arguments(arguments);
    analysis.set_console({});
    return {status, shown};
}

// The start of every refusal, up to the offending text.
std::string refusal(const char* message) {
    return std::string("Harnex Command analysis : ") + message + " ";
}

class CompilerCommand : public ::testing::Test {
protected:
    CommandAnalysis analysis{compiler_command()};

    Outcome run(std::vector<std::string> options) {
        options.insert(options.begin(), {"s.ptu", "t.c"});
        return analyse(analysis, std::move(options));
    }
    int position(const char* name) const { return analysis.option_position(name); }
    std::string text(const char* name, int n = 1) const {
        const AnalysedValue* value = option_value(analysis, position(name), n);
        return value == nullptr ? "<none>" : value->text;
    }
};

TEST_F(CompilerCommand, OptionsMatchInEveryColumnAnyCaseAndAbbreviated) {
    for (const char* spelling : {"-lang=C", "-LANGAGE=C", "-language=c", "-LANGU=C"}) {
        CommandAnalysis fresh(compiler_command());
        Outcome outcome = analyse(fresh, {"s.ptu", "t.c", spelling});
        ASSERT_EQ(outcome.status, 0) << spelling << "\n" << outcome.err;
        EXPECT_EQ(fresh.option_state("LANGUAGE"), 1) << spelling;
        EXPECT_EQ(option_value(fresh, 1, 1)->text,
                  std::string(spelling).substr(std::string(spelling).find('=') + 1));
    }
}

TEST_F(CompilerCommand, AbbreviationShorterThanEveryCandidateIsAmbiguous) {
    Outcome outcome = run({"-EX"});
    EXPECT_EQ(outcome.status, -1);
    EXPECT_EQ(outcome.err.rfind(refusal("Ambiguous option,") + "EX\n", 0), 0u) << outcome.err;
}

TEST_F(CompilerCommand, FrenchAndEnglishNamesOfOneOptionDoNotCollide) {
    // EXPEND and EXPAND match -EXP equally, but they are the same option.
    ASSERT_EQ(run({"-EXP"}).status, 0);
    EXPECT_EQ(analysis.option_state("EXPAND"), position("EXPAND"));
}

TEST_F(CompilerCommand, ExactNameWinsOverLongerNamesItBegins) {
    // "DEFINE" is also the start of the French "DEFINE_STD".
    ASSERT_EQ(run({"-DEFINE=X", "-E=3", "-SS"}).status, 0);
    EXPECT_GT(analysis.option_state("DEFINE"), 0);
    EXPECT_EQ(analysis.option_state("STD_DEFINE"), 0);
    EXPECT_EQ(text("E"), "3");
    EXPECT_EQ(option_value(analysis, position("E"), 1)->number, 3);
    EXPECT_GT(analysis.option_state("SS"), 0);
}

TEST_F(CompilerCommand, NegativeFormsAndDefaults) {
    EXPECT_EQ(position("FAST"), 25);
    ASSERT_EQ(run({"-NOFAST", "-nocomp"}).status, 0);
    EXPECT_EQ(analysis.option_state("FAST"), -25);
    EXPECT_LT(analysis.option_state("COMPRESS"), 0);

    CommandAnalysis plain(compiler_command());
    ASSERT_EQ(analyse(plain, {"s.ptu", "t.c"}).status, 0);
    EXPECT_EQ(plain.option_state("FAST"), 25);                                    // default-on
    EXPECT_EQ(plain.option_state("COMMAND"), -plain.option_position("COMMAND"));  // negatable
    EXPECT_EQ(plain.option_state("TARGET"), 0);
}

TEST_F(CompilerCommand, NegativeFormKeepsItsValue) {
    ASSERT_EQ(run({"-NOCOMMAND=make all"}).status, 0);
    EXPECT_LT(analysis.option_state("COMMAND"), 0);
    EXPECT_EQ(text("COMMAND"), "make all");
}

TEST_F(CompilerCommand, IntegerBounds) {
    Outcome zero = run({"-E=0"});
    EXPECT_EQ(zero.status, -1);
    EXPECT_EQ(zero.err.rfind(refusal("Arg value too small,") + "0\n", 0), 0u) << zero.err;

    CommandAnalysis high(compiler_command());
    Outcome large = analyse(high, {"s.ptu", "t.c", "-E=256"});
    EXPECT_EQ(large.err.rfind(refusal("Arg value too large,") + "256\n", 0), 0u) << large.err;

    // Leading digits only; a huge number saturates rather than wraps.
    CommandAnalysis trailing(compiler_command());
    ASSERT_EQ(analyse(trailing, {"s.ptu", "t.c", "-W=12abc", "-XT=0,255"}).status, 0);
    EXPECT_EQ(option_value(trailing, trailing.option_position("W"), 1)->number, 12);
    CommandAnalysis huge(compiler_command());
    EXPECT_NE(analyse(huge, {"s.ptu", "t.c", "-E=99999999999999999999999"})
                  .err.find("Arg value too large,"),
              std::string::npos);
}

TEST_F(CompilerCommand, IntegerOptionsWithoutDigitsAreRefused) {
    for (const char* option : {"-XT=abc", "-W=five", "-XT=-", "-E= "}) {
        CommandAnalysis analysis_of(compiler_command());
        Outcome outcome = analyse(analysis_of, {"s.ptu", "t.c", option});
        EXPECT_EQ(outcome.status, -1) << option;
        EXPECT_NE(outcome.err.find(refusal("Unknown value of option,")), std::string::npos)
            << outcome.err;
    }
}

TEST_F(CompilerCommand, ListsSplitAtUnescapedSeparators) {
    ASSERT_EQ(run({"-DEFINE=A\\,B", "-SERVICE=x,y", "-XT=1", "-XT=2"}).status, 0);
    EXPECT_EQ(text("DEFINE"), "A,B");
    EXPECT_EQ(text("DEFINE", 2), "<none>");
    EXPECT_EQ(text("SERVICE"), "x");
    EXPECT_EQ(text("SERVICE", 2), "y");
    // A list option may be repeated; its values accumulate.
    EXPECT_EQ(option_value(analysis, position("XT"), 2)->number, 2);

    CommandAnalysis two(compiler_command());
    ASSERT_EQ(analyse(two, {"s.ptu", "t.c", "-DEFINE=A,B"}).status, 0);
    EXPECT_EQ(option_value(two, two.option_position("DEFINE"), 2)->text, "B");
}

TEST_F(CompilerCommand, ForbiddenCombinationNamesBothOptions) {
    Outcome outcome = run({"-SERVICE=a", "-OPERATION=b"});
    EXPECT_EQ(outcome.status, -1);
    EXPECT_EQ(
        outcome.err.rfind(
            refusal("Illegal combination of command elements,") + "OPERATION and SERVICE\n", 0),
        0u)
        << outcome.err;
}

TEST_F(CompilerCommand, NegativeFormsDoNotCountInCombinations) {
    EXPECT_EQ(run({"-SS", "-NOSYSTEM"}).status, 0);
}

TEST_F(CompilerCommand, PositionalParameters) {
    Outcome fourth = run({"rio/", "extra"});
    EXPECT_EQ(fourth.status, -1);
    EXPECT_EQ(fourth.err.rfind(refusal("Too many arguments invalid argument,") + "extra\n", 0), 0u);

    CommandAnalysis missing(compiler_command());
    Outcome one = analyse(missing, {"s.ptu"});
    EXPECT_EQ(one.err.rfind(refusal("Argument missing,") + "generated_file\n", 0), 0u) << one.err;

    CommandAnalysis listed(compiler_command());
    Outcome list = analyse(listed, {"a,b", "t.c"});
    EXPECT_EQ(list.err.rfind(refusal("List forbidden invalid argument,") + "a,b\n", 0), 0u);

    CommandAnalysis escaped(compiler_command());
    ASSERT_EQ(analyse(escaped, {"a\\,b", "t.c"}).status, 0);
    EXPECT_EQ(escaped.parameter_value(1, 1)->text, "a,b");
    EXPECT_EQ(escaped.parameter_value(3, 1), nullptr);  // optional
}

TEST_F(CompilerCommand, MandatoryValueMessageListsTheEnumeration) {
    Outcome outcome = run({"-RESTRICTION"});
    EXPECT_EQ(outcome.status, -1);
    const std::string expected =
        refusal("Mandatory argument for this option,") +
        "RESTRICTION=NOEXCEP|NOIMAGE|NOPOS|KR|ANSI|NOSQLSAV|SEPAR|NOALLOC|ADA83" +
        analysis.usage_text() + "\n";
    EXPECT_EQ(outcome.err, expected);

    CommandAnalysis empty(compiler_command());
    EXPECT_EQ(analyse(empty, {"s.ptu", "t.c", "-target="})
                  .err.rfind(refusal("Mandatory argument for this option,") + "target=\n", 0),
              0u);
}

TEST_F(CompilerCommand, UsageTextHidesTheTraceOption) {
    std::string usage = analysis.usage_text();
    EXPECT_EQ(usage.rfind("\nUsage vexorprepro :\n\t<test_script_file>\n\t<generated_file>\n", 0),
              0u);
    EXPECT_EQ(usage.find("[-XT"), std::string::npos);
    EXPECT_EQ(usage.substr(usage.size() - 19), "\t[-LEARN|-NOLEARN]\n");
    EXPECT_EQ(std::count(usage.begin(), usage.end(), '\t'), 48);
    EXPECT_EQ(without_trace_lines("a\n\t[-XT=1]\n\t[-X]\n"), "a\n\t[-X]\n");
    // Every such line goes, even two in a row; an unfinished one stays, and
    // "-XT" without the tab and bracket is text.
    EXPECT_EQ(without_trace_lines("\t[-XT=1]\n\t[-XT=2]\nb -XT\n\t[-XT"), "b -XT\n\t[-XT");
}

TEST_F(CompilerCommand, OptionRefusals) {
    struct Case {
        std::vector<std::string> options;
        const char* message;
        const char* offending;
    };
    const Case cases[] = {
        {{"-BOGUS"}, "Unknown option,", "BOGUS"},
        {{"-"}, "Unknown option,", ""},
        {{"-FASTER"}, "Invalid character following option,", "FASTER"},
        {{"-FAST", "-FAST"}, "An option can't be used twice,", "FAST"},
        {{"-NOFAST", "-FAST"}, "An option can't be used twice,", "FAST"},
        {{"-TARGET=a", "-CIBLE=b"}, "An option can't be used twice,", "CIBLE=b"},
        {{"-FAST=1"}, "No argument for this option,", "FAST=1"},
        {{"-TARGET=a,b"}, "List forbidden invalid option,", "TARGET=a,b"},
        {{"-SERVICE=a,,b"}, "Arg length too small,", ""},
        {{"-TARGET=" + std::string(256, 'x')}, "Arg length too large,", nullptr},
        {{"-RESTRICTION=NO"}, "Ambiguous value of option,", "NO"},
        {{"-RESTRICTION=BOGUS"}, "Unknown value of option,", "BOGUS"},
        {{"-RESTRICTION=KRX"}, "Unknown value of option,", "KRX"},
        {{"-SYSCOMP=UNIXWARE"}, "Unknown value of option,", "UNIXWARE"},
    };
    for (const Case& c : cases) {
        CommandAnalysis fresh(compiler_command());
        std::vector<std::string> arguments = {"s.ptu", "t.c"};
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        Outcome outcome = analyse(fresh, arguments);
        EXPECT_EQ(outcome.status, -1) << c.options.back();
        std::string head = refusal(c.message) + (c.offending != nullptr ? c.offending : "");
        EXPECT_EQ(outcome.err.rfind(head, 0), 0u) << c.options.back() << "\n" << outcome.err;
        EXPECT_EQ(outcome.err.back(), '\n');
    }
}

// A misspelt option names the one meant, in English when two are as near;
// a name far from every option names none.
TEST_F(CompilerCommand, AnUnknownOptionNamesTheNearestOne) {
    const struct {
        const char* given;
        const char* meant;
    } cases[] = {
        {"-LANGUGE=C", "Did you mean -LANGUAGE?"},
        {"-NOSIMULATON", "Did you mean -NOSIMULATION?"},
        {"-sevrice=a", "Did you mean -SERVICE?"},
        {"-FAMILE=f", "Did you mean -FAMILY?"},
        {"-NOCOMANDE", "Did you mean -NOCOMMANDE?"},
        {"-QQQQ", nullptr},
        {"-BOGUS", nullptr},
    };
    for (const auto& c : cases) {
        CommandAnalysis fresh(compiler_command());
        Outcome outcome = analyse(fresh, {"s.ptu", "t.c", c.given});
        EXPECT_EQ(outcome.status, -1) << c.given;
        const std::string head = refusal("Unknown option,") + (c.given + 1);
        ASSERT_EQ(outcome.err.rfind(head, 0), 0u) << outcome.err;
        const std::string after = outcome.err.substr(head.size());
        if (c.meant != nullptr) {
            EXPECT_EQ(after.rfind("\n" + std::string(c.meant) + "\nUsage vexorprepro :", 0), 0u)
                << after;
        } else {
            EXPECT_EQ(after.rfind("\nUsage vexorprepro :", 0), 0u) << after;
        }
    }
}

TEST_F(CompilerCommand, EnumerationValuesByPrefixAndCase) {
    ASSERT_EQ(run({"-RESTRICTION=kr,NOPO", "-SYSCOMP=d"}).status, 0);
    EXPECT_EQ(text("RESTRICTION"), "KR");
    EXPECT_EQ(text("RESTRICTION", 2), "NOPOS");
    EXPECT_EQ(text("SYSCOMP"), "DOS");
}

TEST_F(CompilerCommand, UnknownNameInAQueryIsAnInternalMessage) {
    ASSERT_EQ(run({}).status, 0);
    std::string shown;
    analysis.set_console([&](std::string_view text) { shown.append(text); });
    EXPECT_EQ(analysis.option_state("language"), 0);
    EXPECT_EQ(shown, "Harnex Command analysis : Internal error, bad option name language\n");
}

// ---- a description with a list parameter and no options --------------------

constexpr ArgumentType list_parameter[] = {
    {{"fichiers", "fichiers", "files"}, ValueKind::string, true, 1, 8, false},
};
constexpr CommandDescription list_command = {
    "lister", '-', '=', ',', list_parameter, {}, {}, "\nUsage lister :\n\t<files>\n"};

TEST(ListCommand, ExtraArgumentsOverflowOntoTheLastListParameter) {
    CommandAnalysis analysis(list_command);
    ASSERT_EQ(analyse(analysis, {"a,b", "c", "d"}).status, 0);
    EXPECT_EQ(analysis.parameter_value(1, 4)->text, "d");
    Outcome outcome = analyse(analysis, {"-x"});
    EXPECT_EQ(outcome.err,
              "Harnex Command analysis : Unknown option, x\nUsage lister :\n\t<files>\n\n");
}

// ---- expansion -----------------------------------------------------------------

TEST(Expansion, EnvironmentReferences) {
    const EnvironmentSnapshot environment = {{"HOME", "/home/u"}, {"VX_OUTER", "x$VX_INNER"},
                                             {"VX_INNER", "y"},   {"VX_FIRST", "$VX_INNER"},
                                             {"VX_EMPTY", ""},    {"VX_SELF", "a$VX_SELF"}};
    auto expand = [&](std::string_view text) { return expand_environment(text, environment); };

    EXPECT_EQ(expand("$HOME/x.ptu"), "/home/u/x.ptu");
    EXPECT_EQ(expand("$VX_UNSET_VARIABLE/x"), "$VX_UNSET_VARIABLE/x");
    EXPECT_EQ(expand("<$VX_OUTER>"), "<xy>");
    // A value is scanned from its first character: a value that is itself
    // a reference is expanded in turn.
    EXPECT_EQ(expand("$VX_FIRST"), "y");
    EXPECT_EQ(expand("$VX_FIRST$VX_FIRST/"), "yy/");
    EXPECT_EQ(expand("$VX_EMPTY$VX_INNER"), "y");
    EXPECT_EQ(expand("$ $"), "$ $");
    // A variable that refers to itself is expanded once.
    EXPECT_EQ(expand("$VX_SELF!"), "a$VX_SELF!");
    // Only the snapshot counts: the process's own variables are not looked at.
    EXPECT_EQ(expand_environment("$HOME/x.ptu", {}), "$HOME/x.ptu");
}

TEST(Expansion, ValuesReferringToEachOtherEndAndStayBounded) {
    EnvironmentSnapshot environment = {{"VX_PING", "$VX_PONG"}, {"VX_PONG", "$VX_PING"}};
    EXPECT_EQ(expand_environment("$VX_PING", environment), "$VX_PING");
    // Each level doubles the text: the expansion stops growing at its bound.
    for (int level = 0; level < 40; ++level) {
        std::string next = "$VX_LEVEL" + std::to_string(level + 1);
        environment["VX_LEVEL" + std::to_string(level)] = level == 39 ? "xx" : next + next;
    }
    EXPECT_LT(expand_environment("$VX_LEVEL0", environment).size(), std::size_t{4} << 20);
}

class OptionFiles : public ::testing::Test {
protected:
    ScratchDirectory scratch;
    CommandAnalysis analysis{compiler_command()};

    EnvironmentSnapshot environment;

    Outcome expand(std::vector<std::string> arguments, std::vector<std::string>& expanded) {
        std::vector<const char*> argv;
        for (const auto& a : arguments) {
            argv.push_back(a.c_str());
        }
        std::string shown;
        analysis.set_console([&](std::string_view text) { shown.append(text); });
        int status = analysis.expand_arguments(static_cast<int>(argv.size()), argv.data(),
                                               environment, expanded);
        analysis.set_console({});
        return {status, shown};
    }
    std::string file(const char* name, const std::string& content) {
        auto path = scratch.path() / name;
        write_file(path, content);
        return path.string();
    }
};

TEST_F(OptionFiles, WordsCommentsQuotesAndJoinedLines) {
    environment["VX_TARGET"] = "LINUX";
    std::string long_word(3000, 'w');
    std::string path = file("opts",
                            "# a comment line\n"
                            "  # an indented comment\n"
                            "-TARGET=$VX_TARGET -COMMAND=\"make all\"\t-E=\\\n5\n"
                            "-DEFINE=A\\,B #not-a-comment @nested\r\n" +
                                long_word + "\n\"\"\n");
    std::vector<std::string> expanded;
    ASSERT_EQ(
        expand({"prog$VX_TARGET", "first", "@" + path, "-option=" + path, "last"}, expanded).status,
        0);
    const std::vector<std::string> words = {
        "-TARGET=LINUX",  "-COMMAND=make all", "-E=5",    "-DEFINE=A\\,B",
        "#not-a-comment", "@nested",           long_word, ""};
    std::vector<std::string> expected = {"progLINUX", "first"};
    expected.insert(expected.end(), words.begin(), words.end());
    expected.insert(expected.end(), words.begin(), words.end());
    expected.push_back("last");
    EXPECT_EQ(expanded, expected);
    // Both readings are inputs of the run, which no output may overwrite.
    EXPECT_EQ(analysis.option_files(), (std::vector<std::string>{path, path}));
}

TEST_F(OptionFiles, MissingFileIsRefused) {
    std::vector<std::string> expanded;
    std::string missing = (scratch.path() / "absent").string();
    Outcome outcome = expand({"prog", "-OPTION=" + missing}, expanded);
    EXPECT_EQ(outcome.status, -1);
    EXPECT_EQ(outcome.err, refusal("File not found") + missing + analysis.usage_text() + "\n");
}

TEST_F(OptionFiles, WhatIsNotARegularFileIsRefusedWithoutBeingRead) {
    std::vector<std::string> expanded;
    const std::string fifo = (scratch.path() / "pipe").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& name : {fifo, std::string("/dev/zero"), scratch.path().string()}) {
        Outcome outcome = expand({"prog", "@" + name}, expanded);
        EXPECT_EQ(outcome.status, -1) << name;
        EXPECT_EQ(outcome.err,
                  refusal("File cannot be read") + name + analysis.usage_text() + "\n");
    }
}

TEST_F(OptionFiles, OnlyTheExactOptionWordOpensAFile) {
    std::vector<std::string> expanded;
    ASSERT_EQ(expand({"prog", "-OPT=x", "-OPTIONS=y", "x@y"}, expanded).status, 0);
    EXPECT_EQ(expanded, (std::vector<std::string>{"prog", "-OPT=x", "-OPTIONS=y", "x@y"}));
}

}  // namespace
}  // namespace vx
