#include "canalysis/cpp/preprocessor.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Report {
    vx::Severity level;
    std::string code;
    std::string argument;
    std::string file;
    long line;
};

// A fresh preprocessor whose diagnostics are recorded.
class Cpp {
public:
    explicit Cpp(vx::CppInit init = {}) {
        cpp.set_sink(sink);
        vx::cpp_init(cpp, init, true);
    }
    vx::FunctionSink sink{[this](vx::Severity level, vx::MessageCode code,
                                 std::string_view argument, std::string_view file, long line) {
        reports.push_back(Report{level, std::string(vx::message_code_name(code)),
                                 std::string(argument), std::string(file), line});
    }};
    std::string run(std::string_view text, std::string_view file = "t.c", long first = 0) {
        std::string out;
        vx::cpp_process_text(cpp, text, false, file, first, out, sink);
        return out;
    }
    // The output as tokens separated by one blank, markers left out.
    std::string tokens(std::string_view text, std::string_view file = "t.c") {
        return squeeze(run(text, file));
    }
    static std::string squeeze(const std::string& out) {
        std::istringstream lines(out);
        std::string line;
        std::string joined;
        while (std::getline(lines, line)) {
            if (line.rfind("#line ", 0) == 0) {
                continue;
            }
            joined += line;
            joined += ' ';
        }
        std::string squeezed;
        bool blank = true;
        for (char c : joined) {
            if (c == ' ' || c == '\t') {
                if (!blank) {
                    squeezed += ' ';
                }
                blank = true;
            } else {
                squeezed += c;
                blank = false;
            }
        }
        if (!squeezed.empty() && squeezed.back() == ' ') {
            squeezed.pop_back();
        }
        return squeezed;
    }
    std::string codes() const {
        std::string all;
        for (const Report& r : reports) {
            if (!all.empty()) {
                all += ' ';
            }
            all += r.code;
        }
        return all;
    }

    vx::Preprocessor cpp;
    std::vector<Report> reports;
};

// The C tokens of a text, one blank between two of them: white space
// does not count, but two tokens written together where they should not
// ("--" for "- -") do.
std::string c_tokens(const std::string& squeezed) {
    static const char* const punctuators[] = {"<<=", ">>=", "...", "->", "++", "--", "<<", ">>",
                                              "<=",  ">=",  "==",  "!=", "&&", "||", "*=", "/=",
                                              "%=",  "+=",  "-=",  "&=", "^=", "|=", "##"};
    std::string out;
    std::size_t i = 0;
    const std::string& t = squeezed;
    while (i < t.size()) {
        unsigned char c = static_cast<unsigned char>(t[i]);
        if (c == ' ') {
            ++i;
            continue;
        }
        std::size_t b = i;
        if (std::isalpha(c) || c == '_' || c == '$') {
            while (i < t.size() &&
                   (std::isalnum(static_cast<unsigned char>(t[i])) || t[i] == '_' || t[i] == '$')) {
                ++i;
            }
        } else if (std::isdigit(c)) {
            while (i < t.size() &&
                   (std::isalnum(static_cast<unsigned char>(t[i])) || t[i] == '.' || t[i] == '_')) {
                ++i;
            }
        } else if (c == '"' || c == '\'') {
            ++i;
            while (i < t.size() && t[i] != static_cast<char>(c)) {
                i += t[i] == '\\' ? 2 : 1;
            }
            i = std::min(i + 1, t.size());
        } else {
            std::size_t length = 1;
            for (const char* p : punctuators) {
                if (t.compare(i, std::strlen(p), p) == 0) {
                    length = std::strlen(p);
                    break;
                }
            }
            i += length;
        }
        if (!out.empty()) {
            out += ' ';
        }
        out.append(t, b, i - b);
    }
    return out;
}

class TempDir {
public:
    TempDir() {
        char pattern[] = "/tmp/vx_cpp_test_XXXXXX";
        path = ::mkdtemp(pattern);
    }
    ~TempDir() { std::filesystem::remove_all(path); }
    std::string write(const std::string& name, const std::string& text) {
        std::string full = path + "/" + name;
        std::filesystem::create_directories(std::filesystem::path(full).parent_path());
        std::ofstream(full) << text;
        return full;
    }
    std::string path;
};

// The set-up of a lenient run (K&R text).
vx::CppInit lenient_init() {
    vx::CppInit init;
    init.lenient = true;
    return init;
}

// Everything a shell command writes on its standard output; nullopt when
// it cannot be started.
std::optional<std::string> command_output(const std::string& command) {
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return std::nullopt;
    }
    std::string text;
    char buffer[4096];
    while (std::size_t got = std::fread(buffer, 1, sizeof buffer, pipe)) {
        text.append(buffer, got);
    }
    ::pclose(pipe);
    return text;
}

TEST(Preprocessor, PredefinedMacrosComeInTheirOrder) {
    Cpp c;
    EXPECT_EQ(c.tokens("VXL_LINUX USE_VXU VXL_CPLUSPLUS_LANGUAGE __STDC__ __LINE__ __FILE__ "
                       "__INCLUDE_LEVEL__ __BASE_FILE__"),
              "1 1 0 0 1 \"t.c\" 0 \"t.c\"");
    EXPECT_TRUE(c.reports.empty());
    Cpp lenient(lenient_init());
    EXPECT_FALSE(lenient.cpp.macro_defined("__STDC__"));
    EXPECT_TRUE(lenient.cpp.macro_defined("__TIME__"));
    std::string date = c.run("__DATE__ __TIME__", "");
    ASSERT_EQ(date.size(), std::string("\"Jan  1 2026\" \"00:00:00\"\n").size()) << date;
    EXPECT_EQ(date[0], '"');
    EXPECT_EQ(date[13], ' ');
    EXPECT_EQ(date[17], ':');
}

TEST(Preprocessor, CommandLineDefinitions) {
    vx::CppInit init;
    init.definitions = {"FOO", "BAR=2", "FOO+1", "MULTI=a\\\nb"};
    Cpp c(init);
    EXPECT_EQ(c.tokens("FOO BAR MULTI"), "1 2 ab");
    ASSERT_EQ(c.reports.size(), 1u);
    EXPECT_EQ(c.reports[0].code, "MALFOROPT");
    EXPECT_EQ(c.reports[0].argument, "-DFOO+1");
    EXPECT_EQ(c.reports[0].file, "*Initialization*");
}

TEST(Preprocessor, FunctionLikeCallsWithParenthesesAndBrackets) {
    Cpp c;
    EXPECT_EQ(c.tokens("#define A[i] (i+1)\nA[3] A(3) A [ b[1] ]"), "(3+1) A(3) (b[1]+1)");
    EXPECT_EQ(c.tokens("#define C(x) #@x\nC(z)"), "'z'");
    EXPECT_EQ(c.tokens("#define F(...) f(__VA_ARGS__)\nF(1,2) F()"), "f(1,2) f()");
    EXPECT_EQ(c.tokens("#define G(args...) g(args __VA_ARGS__)\nG(1, 2)"), "g(1, 2 __VA_ARGS__)");
    // The name without its opening character is copied; newlines may stand
    // between the name and "(".
    EXPECT_EQ(c.tokens("#define P(x) <x>\nP + P\n\n(1)"), "P + <1>");
    EXPECT_TRUE(c.reports.empty()) << c.codes();
}

TEST(Preprocessor, StringisingEscapesLiteralsAndFoldsBlanks) {
    Cpp c;
    EXPECT_EQ(c.run("#define S(x) #x\nS(  a   \"b\\n\"  'c'\t+ \"\\\\\" )\n"),
              "#line 1 \"t.c\"\n\n\"a \\\"b\\\\n\\\" 'c' + \\\"\\\\\\\\\\\"\"\n");
    Cpp lenient(lenient_init());
    EXPECT_EQ(lenient.tokens("#define S(x) #x\nS(a  b)"), "a b");
}

TEST(Preprocessor, ArgumentChecks) {
    Cpp c;
    c.run(
        "#define ONE(a) a\n#define TWO(a,b) a b\n#define NONE() n\n"
        "ONE() TWO(1) TWO(1,2,3) NONE(1) NONE() NONE( ) TWO(,)\n");
    EXPECT_EQ(c.codes(), "NOARTOMAC NBARGMACR TOMANYARG ARGTOMACR");
    ASSERT_EQ(c.reports.size(), 4u);
    EXPECT_EQ(c.reports[1].argument, "TWO");
    EXPECT_EQ(c.reports[1].line, 4);

    Cpp lenient(lenient_init());
    lenient.run("#define ONE(a) a\nONE()\n");
    EXPECT_TRUE(lenient.reports.empty());

    Cpp unterminated;
    EXPECT_EQ(unterminated.tokens("#define F(a) [a]\nF(1, 2"), "[1]");
    EXPECT_EQ(unterminated.codes(), "ERRINLINE TOMANYARG");
}

TEST(Preprocessor, JoinedVariableArgumentsStopAt999Characters) {
    Cpp c;
    std::string fits(999, 'x');
    EXPECT_EQ(c.tokens("#define V(...) __VA_ARGS__\nV(" + fits + ")"), fits);
    EXPECT_TRUE(c.reports.empty());
    c.run("#define V(...) __VA_ARGS__\nV(" + std::string(500, 'x') + "," + std::string(499, 'y') +
          ") after\n");
    ASSERT_EQ(c.reports.size(), 1u);
    EXPECT_EQ(c.reports[0].code, "TOMANYARG");
    EXPECT_EQ(c.reports[0].level, vx::Severity::fatal);
}

TEST(Preprocessor, RecursionStopsAtTheLevelLimitWithoutStackOverflow) {
    // Without protection (K&R mode) a self-referencing macro nests until
    // the input stack is full.
    Cpp c(lenient_init());
    c.run("#define A A\nA\n");
    ASSERT_EQ(c.reports.size(), 1u);
    EXPECT_EQ(c.reports[0].code, "NBRECURSI");
    EXPECT_EQ(c.reports[0].level, vx::Severity::fatal);
    // The state stays usable: the next text runs normally.
    c.reports.clear();
    EXPECT_EQ(c.tokens("#define B 2\nB"), "2");

    // A protected macro is left as it is in its own expansion.
    Cpp normal;
    EXPECT_EQ(normal.tokens("#define A A + 1\n#define f(x) x f\nA f(1)(2)"), "A + 1 1 f(2)");

    // A file that includes itself.
    TempDir dir;
    std::string self = dir.write("self.h", "#include \"" + dir.path + "/self.h\"\n");
    Cpp including;
    including.run("#include \"" + self + "\"\n");
    ASSERT_FALSE(including.reports.empty());
    EXPECT_EQ(including.reports.back().code, "NBRECURSI");

    // Unprotected recursion that branches, and text that doubles at every
    // level, end the same way instead of running for ever.
    Cpp branching(lenient_init());
    branching.run("#define F(a) F(a) F(a)\nF(1)\n");
    ASSERT_EQ(branching.reports.size(), 1u);
    EXPECT_EQ(branching.reports[0].code, "NBRECURSI");
    std::string doubling = "#define D(x) x x\n";
    for (int i = 0; i < 40; ++i) {
        doubling += "D(";
    }
    doubling += "1" + std::string(40, ')') + "\n";
    Cpp doubled;
    doubled.run(doubling);
    ASSERT_EQ(doubled.reports.size(), 1u);
    EXPECT_EQ(doubled.reports[0].code, "NBRECURSI");

    // Deeply nested calls are data, not native recursion.
    std::string nested = "#define f(x) x\n";
    for (int i = 0; i < 900; ++i) {
        nested += "f(";
    }
    nested += "1";
    nested += std::string(900, ')');
    Cpp deep;
    EXPECT_EQ(deep.tokens(nested), "1");
}

TEST(Preprocessor, TrigraphsDigraphsAndComments) {
    Cpp c;
    EXPECT_EQ(c.tokens("?"
                       "?=define X 1\nX ?"
                       "?! ?"
                       "?( ?"
                       "?)"),
              "1 ?"
              "?! [ ]");
    EXPECT_EQ(c.tokens("<: :> <% %> \"<:\"\n%:define D 4\nD"), "[ ] { } \"<:\" 4");
    EXPECT_EQ(c.run("a/* one\ntwo */b // end\nc\n"), "#line 1 \"t.c\"\na \nb  \nc\n");
    EXPECT_EQ(c.tokens("x ?"
                       "?/  \ny"),
              "x y");
    EXPECT_TRUE(c.reports.empty()) << c.codes();

    c.run("\"open\nx /* never closed");
    EXPECT_EQ(c.codes(), "UNTERSTRI UNTERCOMM");

    Cpp lenient(lenient_init());
    EXPECT_EQ(lenient.tokens("a/**/b"), "ab");
}

TEST(Preprocessor, DirectiveLinesAndUnknownDirectives) {
    Cpp c;
    EXPECT_EQ(c.run("#ident \"v1\"\n#\n  /* c */ # define Q 7\nQ\n"),
              "#line 1 \"t.c\"\n#ident \"v1\"\n\n    \n7\n");
    EXPECT_EQ(c.tokens("#if 0\n#error hidden\n#endif\nok"), "ok");
    EXPECT_TRUE(c.reports.empty());
    EXPECT_EQ(c.tokens("#warning  careful   now\n#error stop"), "#warning careful now #error stop");
    ASSERT_EQ(c.reports.size(), 2u);
    EXPECT_EQ(c.reports[0].code, "WARNERR");
    EXPECT_EQ(c.reports[0].argument, "#warning careful   now");
    EXPECT_EQ(c.reports[1].argument, "#error stop");
    EXPECT_EQ(c.reports[1].line, 2);
}

TEST(Preprocessor, ConditionalsSelectBranches) {
    Cpp c;
    EXPECT_EQ(c.tokens("#define Z 0\n#if Z\na\n#elif defined(Z) && defined Z\nb\n#elif 1\nc\n"
                       "#else\nd\n#endif\n#ifdef Z\ne\n#endif\n#ifndef Z\nf\n#else\ng\n#endif"),
              "b e g");
    EXPECT_EQ(c.tokens("#if 1\n#if 0\nx\n#else\ny\n#endif\n#else\n#if 1\nz\n#endif\n#endif"), "y");
    EXPECT_EQ(c.tokens("#if #machine(Z) && !#machine(NOPE)\nm\n#endif\n#if #lint(on)\nl\n#endif"),
              "m");
    EXPECT_TRUE(c.reports.empty()) << c.codes();
    // "defined" is an operator of conditions only.
    EXPECT_EQ(c.tokens("defined(NOPE)"), "defined(NOPE)");
    c.run("#if defined(\n#endif\n");
    EXPECT_EQ(c.codes(), "ERDEFINED ERRAFTEND");
}

TEST(Preprocessor, ElifInSkippedTextOfAFreshPreprocessor) {
    // The condition is expanded on a level of its own while the skipped
    // file is still being read.
    Cpp c;
    EXPECT_EQ(c.tokens("#if 0\nno\n#elif 1 + __LINE__\nyes\n#endif\nafter"), "yes after");
    EXPECT_TRUE(c.reports.empty()) << c.codes();
}

TEST(Preprocessor, MisplacedConditionalDirectives) {
    Cpp c;
    c.run("#else\n#elif 1\n#endif\n#if 1\n#else\n#else\n#endif\n");
    EXPECT_EQ(c.codes(), "NOCONDITI NOCONDITI UNBAENDIF ELIFAELSE MATCHLINE");
    EXPECT_EQ(c.reports[0].argument, "#else");
    EXPECT_EQ(c.reports[1].argument, "#elif");
    EXPECT_EQ(c.reports[3].argument, "else");
    EXPECT_EQ(c.reports[4].argument, " 4");
    EXPECT_EQ(c.reports[4].level, vx::Severity::info);

    Cpp args;
    args.run("#ifdef\n#endif\n#ifdef +\n#endif\n#ifndef X y\n#endif\n#ifdef 9\n#endif\n");
    EXPECT_EQ(args.codes(), "NOARGUMEN ARGPUNCTU INVALIEND ARGPUNCTU");
    EXPECT_EQ(args.reports[0].argument, "#ifdef");
    vx::CppInit strict;
    strict.strict = true;
    Cpp ansi(strict);
    EXPECT_EQ(ansi.tokens("#ifdef 9\nx\n#endif\n#ifndef 9\ny\n#endif"), "y");
    EXPECT_EQ(ansi.codes(), "STARTDIGI STARTDIGI");
}

TEST(Preprocessor, ConditionalsSpanCallsAndOpenOnesAreReportedOnceAtTheEnd) {
    Cpp c;
    EXPECT_EQ(c.tokens("#if 0\nhidden", "a.c"), "");
    EXPECT_EQ(c.tokens("still hidden\n#else\nshown\n#endif\n", "b.c"), "shown");
    EXPECT_EQ(c.tokens("#ifndef NEVER\ny\n", "c.c"), "y");
    // Opened inside skipped text: counted, not opened.
    EXPECT_EQ(c.tokens("#else\n#ifdef NEVER\nx\n", "d.c"), "");
    EXPECT_TRUE(c.reports.empty()) << c.codes();
    vx::cpp_finish(c.cpp, false);
    ASSERT_EQ(c.reports.size(), 1u);
    EXPECT_EQ(c.reports[0].code, "UNTERCOND");
    EXPECT_EQ(c.reports[0].argument, "else");
    EXPECT_EQ(c.reports[0].file, "c.c");
    EXPECT_EQ(c.reports[0].line, 1);
    vx::cpp_finish(c.cpp, false);
    EXPECT_EQ(c.reports.size(), 1u);
    EXPECT_EQ(c.tokens("after"), "after");
    EXPECT_EQ(c.cpp.open_conditionals(), 0u);
}

TEST(Preprocessor, FinishForgetsOrdinaryMacrosAndTypeModifiers) {
    Cpp c;
    c.run("#define M 1\n#pragma vexor type_modifier = far\n");
    EXPECT_EQ(c.cpp.type_modifiers(), std::vector<std::string>{"far"});
    vx::cpp_finish(c.cpp, false);
    EXPECT_FALSE(c.cpp.macro_defined("M"));
    EXPECT_TRUE(c.cpp.macro_defined("__LINE__"));
    EXPECT_TRUE(c.cpp.type_modifiers().empty());
}

TEST(Preprocessor, IncludesFollowTheSearchPathAndWriteMarkers) {
    TempDir dir;
    dir.write("one/h.h", "int one;\n#include_next <h.h>\n");
    dir.write("two/h.h", "int two; __INCLUDE_LEVEL__ __FILE__\n#define M(x) x\n");
    dir.write("three/w.h", "#warning in header\n");
    vx::CppInit init;
    init.include_dirs = {dir.path + "/one", dir.path + "/two"};
    Cpp c(init);
    std::string out = c.run("#include <h.h>\nM(after)\n");
    EXPECT_EQ(out, "#line 1 \"t.c\"\n\n#line 1 \"" + dir.path +
                       "/one/h.h\"\nint one;\n\n#line 1 \"" + dir.path +
                       "/two/h.h\"\nint two; 2 \"" + dir.path + "/two/h.h\"\n\n#line 3 \"" +
                       dir.path + "/one/h.h\"\n#line 2 \"t.c\"\nafter\n");
    EXPECT_TRUE(c.reports.empty()) << c.codes();
    EXPECT_EQ(c.cpp.included_files(),
              (std::vector<std::string>{dir.path + "/two/h.h", dir.path + "/one/h.h"}));
    // Each header knows the file that included it, through #include_next too.
    EXPECT_EQ(c.cpp.includer_of(dir.path + "/two/h.h"), dir.path + "/one/h.h");
    EXPECT_EQ(c.cpp.includer_of(dir.path + "/one/h.h"), "t.c");
    EXPECT_EQ(c.cpp.includer_of(dir.path + "/three/w.h"), "");

    // A warning inside a header names that header and its line.
    c.run("\n#define W \"" + dir.path + "/three/w.h\"\n#include W\n");
    ASSERT_EQ(c.reports.size(), 1u);
    EXPECT_EQ(c.reports[0].file, dir.path + "/three/w.h");
    EXPECT_EQ(c.reports[0].line, 1);

    c.reports.clear();
    c.run("#include nothing\n#include \"missing.h\"\nnot reached\n");
    EXPECT_EQ(c.codes(), "ERINCLUDE IMPOUVFIC");
    EXPECT_EQ(c.reports[1].argument, "missing.h");
    EXPECT_EQ(c.reports[1].level, vx::Severity::fatal);

    // The directory of the including file is searched last.
    dir.write("four/a.h", "#include \"b.h\"\n");
    dir.write("four/b.h", "found_b\n");
    Cpp beside;
    EXPECT_EQ(beside.tokens("#include \"" + dir.path + "/four/a.h\"\n"), "found_b");
}

TEST(Preprocessor, TheMainFileIsReadAtInitialisation) {
    TempDir dir;
    vx::CppInit init;
    init.main_file =
        dir.write("main.h", "#define FROM_MAIN 1\n#pragma vexor type_modifier = near\n");
    Cpp c(init);
    EXPECT_TRUE(c.cpp.macro_defined("FROM_MAIN"));
    EXPECT_EQ(c.cpp.type_modifiers(), std::vector<std::string>{"near"});
    EXPECT_TRUE(c.reports.empty()) << c.codes();

    vx::CppInit missing;
    missing.main_file = dir.path + "/absent.h";
    Cpp m(missing);
    ASSERT_EQ(m.reports.size(), 1u);
    EXPECT_EQ(m.reports[0].code, "IMPOUVFIC");
    EXPECT_EQ(m.reports[0].argument, missing.main_file);
    EXPECT_EQ(m.reports[0].level, vx::Severity::fatal);
}

TEST(Preprocessor, PragmasOfTheTool) {
    Cpp c;
    std::string out = c.run(
        "#pragma vexor sizeof long 64\n#pragma vexor crc\n#pragma vexor stop\nint hidden;\n"
        "#define HIDDEN 1\n#pragma vexor start\nint shown;\n#pragma other thing\n");
    EXPECT_EQ(Cpp::squeeze(out), "#pragma vexor sizeof long 64 int shown;");
    EXPECT_FALSE(c.cpp.macro_defined("HIDDEN"));
    EXPECT_TRUE(c.reports.empty()) << c.codes();

    c.run(
        "#pragma vexor incl_std\n#pragma vexor bogus\n#pragma vexor type_modifier far\n"
        "#pragma vexor incl_std \"/a\", /b  /c\n");
    EXPECT_EQ(c.codes(), "SYNTAXERR PRAGMAINC TYPMODINC");
    EXPECT_EQ(c.reports[0].argument, "empty pragma vexor incl_std");
    EXPECT_EQ(c.reports[1].argument, "bogus");
    const auto& path = c.cpp.search_path();
    ASSERT_GE(path.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(path.end() - 3, path.end()),
              (std::vector<std::string>{"/a", "/b", "/c"}));

    // Aliases: a foreign pragma standing for one of ours.
    Cpp a;
    EXPECT_EQ(a.tokens("#pragma vexor pragma \"off now\" = \"#pragma vexor stop_analyse\"\n"
                       "#pragma vexor pragma on = #pragma vexor start_analyze\n"
                       "x\n#pragma  off   now\ny\n#pragma on\nz"),
              "x z");
    ASSERT_EQ(a.cpp.pragma_aliases().size(), 2u);
    EXPECT_EQ(a.cpp.pragma_aliases()[1].alias, "on");
    // Forced analysis reads through a stopped switch.
    a.run("#pragma vexor stop_analyse\n");
    std::string forced;
    vx::cpp_process_text(a.cpp, "w\n", true, "f.c", 0, forced, a.sink);
    EXPECT_EQ(Cpp::squeeze(forced), "w");
    EXPECT_EQ(a.tokens("v"), "");
    // An alias that names itself stops at the level limit.
    Cpp loop;
    loop.run("#pragma vexor pragma \"me\" = \"#pragma me\"\n#pragma me\n");
    ASSERT_EQ(loop.reports.size(), 1u);
    EXPECT_EQ(loop.reports[0].code, "NBRECURSI");
}

TEST(Preprocessor, LineDirectiveAndMarkers) {
    Cpp c;
    EXPECT_EQ(c.run("#line 40 \"other.c\"\n__LINE__ __FILE__\n#line 0\n__LINE__\n#line x\n"),
              "\n#line 40 \"other.c\"\n40 \"other.c\"\n\n42\n\n");
    // A short skip is caught up with newlines, a long one with a marker.
    EXPECT_EQ(c.run("#if 0\n\n\n#endif\na\n#if 0\n\n\n\n\n\n\n\n\n\n#endif\nb\n", "s.c", 9),
              "#line 10 \"s.c\"\n\n\n\n\na\n\n#line 26 \"s.c\"\nb\n");
    // A macro call over several lines keeps the lines after it in place.
    EXPECT_EQ(c.run("#define F(a,b) a+b\nF(1,\n2)\nnext\n", "m.c"),
              "#line 1 \"m.c\"\n\n1+2\n\nnext\n");
    // No marker without a file name.
    EXPECT_EQ(c.run("x\n", ""), "x\n");
}

TEST(Preprocessor, ExpansionAgreesWithTheStandardExamples) {
    Cpp c;
    std::string defs =
        "#define x 3\n#define f(a) f(x * (a))\n#undef x\n#define x 2\n#define g f\n"
        "#define z z[0]\n#define h g(~\n#define m(a) a(w)\n#define w 0,1\n#define t(a) a\n"
        "#define p() int\n#define q(x) x\n#define r(x,y) x ## y\n#define str(x) # x\n";
    EXPECT_EQ(c.tokens(defs + "f(y+1) + f(f(z)) % t(t(g)(0) + t)(1);\n"
                              "g(x+(3,4)-w) | h 5) & m\n(f)^m(m);\n"),
              "f(2 * (y+1)) + f(2 * (f(2 * (z[0])))) % f(2 * (0)) + t(1); "
              "f(2 * (2+(3,4)-0,1)) | f(2 * (~ 5)) & f(2 * (0,1))^m(0,1);");
    EXPECT_EQ(c.tokens("char c[2][6] = { str(hello), str(\"\") };\nr(4,) r(,5) r(2,3)"),
              "char c[2][6] = { \"hello\", \"\\\"\\\"\" }; 4 5 23");
    Cpp d;
    EXPECT_EQ(
        d.tokens("#define str(x) # x\n#define xstr(s) str(s)\n#define INCFILE(n) vers ## n\n"
                 "xstr(INCFILE(2).h)\n#define hash_hash # ## #\n#define mkstr(a) # a\n"
                 "#define in_between(a) mkstr(a)\n#define join(c, d) in_between(c hash_hash d)\n"
                 "join(x, y)\n#define showlist(...) puts(#__VA_ARGS__)\n"
                 "showlist(The first, second, and third items.);"),
        "\"vers2.h\" \"x ## y\" puts(\"The first, second, and third items.\");");
    EXPECT_EQ(c.codes() + d.codes(), "");
}

// gcc is a peer preprocessor: where our rules agree with C, its output has
// the same tokens.
TEST(Preprocessor, AgreesWithGccOnTrickyExpansions) {
    if (std::system("gcc --version > /dev/null 2>&1") != 0) {
        GTEST_SKIP() << "gcc not available";
    }
    const std::vector<std::string> cases = {
        "#define f(x) -x\nf(-1) f(f(1))",
        "#define E\n#define P(x) x\nP(a)P(b) -E- +E+",
        "#define cat(a,b) a##b\n#define xcat(a,b) cat(a,b)\ncat(1,2) xcat(cat(a,b),c) cat(x, ) "
        "cat(,y)",
        "#define AA BB\n#define BB AA\nAA BB",
        "#define obj (obj + 1)\n#define fn(a) fn(a + obj)\nfn(fn(obj))",
        "#define lparen (\n#define F(x) [x]\nF lparen 1) F (2)",
        "#define g(x) x(1)\n#define h(y) <y>\ng(h)",
        "#define str(x) #x\n#define xstr(x) str(x)\nxstr(__STDC__ a  \"\\n\"  'q')",
        "#define EMPTY\n#define LPAREN (\n#define RPAREN )\n#define F(x, y) x + y\n#define "
        "ELLIP_FUNC(...) __VA_ARGS__\nELLIP_FUNC(F, LPAREN, 'a', 'b', RPAREN);",
        "#define SUM(a, ...) (a + __VA_ARGS__)\nSUM(1, 2, 3) SUM((1,2), (3,4))",
        "#define nil(x) x\n#define G nil(G) + 1\nG",
        // The examples of the macro replacement section of the C standard.
        "#define x 3\n#define f(a) f(x * (a))\n#undef x\n#define x 2\n#define g f\n"
        "#define z z[0]\n#define h g(~\n#define m(a) a(w)\n#define w 0,1\n#define t(a) a\n"
        "f(y+1) + f(f(z)) % t(t(g)(0) + t)(1);\ng(x+(3,4)-w) | h 5) & m\n(f)^m(m);",
        "#define str(s) # s\n#define xstr(s) str(s)\n"
        "#define debug(s, t) printf(\"x\" # s \"= %d, x\" # t \"= %s\", \\\n x ## s, x ## t)\n"
        "#define INCFILE(n) vers ## n\n#define glue(a, b) a ## b\n#define xglue(a, b) glue(a, b)\n"
        "#define HIGHLOW \"hello\"\n#define LOW LOW \", world\"\ndebug(1, 2);\n"
        "fputs(str(strncmp(\"abc\\0d\", \"abc\", '\\4') // this goes away\n == 0) str(: @\\n), "
        "s);\n"
        "xstr(INCFILE(2).h)\nglue(HIGH, LOW);\nxglue(HIGH, LOW)",
        "#define hash_hash # ## #\n#define mkstr(a) # a\n#define in_between(a) mkstr(a)\n"
        "#define join(c, d) in_between(c hash_hash d)\nchar p[] = join(x, y);",
        "#define t(x,y,z) x ## y ## z\nint j[] = { t(1,2,3), t(,4,5), t(6,,7), t(8,9,),\n"
        " t(10,,), t(,11,), t(,,12), t(,,) };",
        "#define debug(...) fprintf(stderr, __VA_ARGS__)\n#define showlist(...) "
        "puts(#__VA_ARGS__)\n"
        "#define report(test, ...) ((test)?puts(#test):\\\n printf(__VA_ARGS__))\n"
        "debug(\"Flag\");\ndebug(\"X = %d\\n\", x);\nshowlist(The first, second, and third "
        "items.);\n"
        "report(x>y, \"x is %d but y is %d\", x, y);",
        "#define OBJ_LIKE (1-1)\n#define OBJ_LIKE /* white space */ (1-1) /* other */\n"
        "#define FUNC_LIKE(a) ( a )\n#define FUNC_LIKE( a )( /* note the white space */ \\\n"
        " a /* other stuff on this line\n */ )\nOBJ_LIKE FUNC_LIKE(3)",
    };
    // What gcc's preprocessor makes of `text`, written to the file `name`.
    TempDir dir;
    auto gcc_output = [&](const std::string& name, const std::string& text) {
        std::string file = dir.write(name, text + "\n");
        return command_output("gcc -E -P -undef -D__STDC__=0 " + file + " 2>/dev/null");
    };
    for (std::size_t k = 0; k < cases.size(); ++k) {
        std::optional<std::string> gcc = gcc_output("case" + std::to_string(k) + ".c", cases[k]);
        ASSERT_TRUE(gcc.has_value());
        Cpp c;
        EXPECT_EQ(c_tokens(c.tokens(cases[k])), c_tokens(Cpp::squeeze(*gcc))) << cases[k];
        EXPECT_TRUE(c.reports.empty()) << cases[k] << ": " << c.codes();
    }

    // Where the rules differ from C on purpose the tokens still agree, and
    // the difference is a warning: an empty argument given to a macro of
    // one parameter is "no argument" (NOARTOMAC); a redefinition that C
    // refuses is a warning that replaces the definition (IDENREDEF).
    struct Different {
        std::string text;
        std::string codes;
    };
    const std::vector<Different> different = {
        {"#define p() int\n#define q(x) x\n#define r(x,y) x ## y\n#define str(x) # x\n"
         "p() i[q()] = { q(1), r(2,3), r(4,), r(,5), r(,) };\n"
         "char c[2][6] = { str(hello), str() };",
         "NOARTOMAC NOARTOMAC"},
        {"#define OBJ_LIKE (1-1)\n#define OBJ_LIKE (0)\nOBJ_LIKE", "IDENREDEF"},
    };
    for (std::size_t k = 0; k < different.size(); ++k) {
        std::optional<std::string> gcc =
            gcc_output("different" + std::to_string(k) + ".c", different[k].text);
        ASSERT_TRUE(gcc.has_value());
        Cpp c;
        EXPECT_EQ(c_tokens(c.tokens(different[k].text)), c_tokens(Cpp::squeeze(*gcc)))
            << different[k].text;
        EXPECT_EQ(c.codes(), different[k].codes) << different[k].text;
    }
}

// Real system headers through the standard definitions of the host.
TEST(Preprocessor, ReadsTheSystemHeadersWithoutWarnings) {
    std::string defs = std::string(VX_DIST_DIR) + "/target/ana/vxus_c.def";
    if (!std::filesystem::exists(defs)) {
        GTEST_SKIP() << "no standard definitions at " << defs;
    }
    // The search path as -INCL gives it: the compiler's own directory, the
    // multiarch directory and /usr/include.
    auto first_line = [](const char* command) {
        std::string text = command_output(command).value_or("");
        while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) {
            text.pop_back();
        }
        return text;
    };
    vx::CppInit init;
    init.include_dirs.push_back(first_line("gcc -print-file-name=include 2>/dev/null"));
    std::string multiarch = first_line("gcc -print-multiarch 2>/dev/null");
    if (!multiarch.empty()) {
        init.include_dirs.push_back("/usr/include/" + multiarch);
    }
    init.include_dirs.push_back("/usr/include");
    Cpp c(init);
    std::string ignored;
    vx::cpp_process_text(c.cpp, "#include \"" + defs + "\"\n", false, "", 0, ignored, c.sink);
    ASSERT_TRUE(c.reports.empty()) << c.codes();
    struct Header {
        const char* name;
        const char* expected;
    };
    const Header headers[] = {
        {"stdio.h", "extern int printf"},
        {"stdint.h", "int32_t;"},
        {"stdlib.h", "extern void *malloc"},
        {"string.h", "extern void *memcpy"},
        {"limits.h", ""},
    };
    for (const Header& h : headers) {
        std::string out = c.run(std::string("#include <") + h.name + ">\n", "h.c");
        EXPECT_TRUE(c.reports.empty()) << h.name << ": " << c.codes() << " "
                                       << (c.reports.empty() ? "" : c.reports[0].argument);
        EXPECT_NE(Cpp::squeeze(out).find(h.expected), std::string::npos) << h.name;
    }
    EXPECT_EQ(c.tokens("INT_MAX CHAR_BIT INT32_MAX"), "0x7fffffff 8 (2147483647)");
}

}  // namespace

namespace {

// The feature tests answer as the compiler of the target would: include
// tests by the search path, the others from the standard definitions.
// A text processed with a sink of its own (an expansion whose messages are
// of no interest) leaves the preprocessor's sink as it was: what the end of
// the run reports still reaches the run's sink.
TEST(Preprocessor, ASinkGivenForOneTextServesThatTextOnly) {
    Cpp c;
    vx::NullSink quiet;
    std::string out;
    vx::cpp_process_text(c.cpp, "#if 1\n#warning inside\n", false, "q.c", 0, out, quiet);
    EXPECT_TRUE(c.reports.empty()) << c.codes();
    vx::cpp_finish(c.cpp, false);
    ASSERT_EQ(c.reports.size(), 1u) << c.codes();
    EXPECT_EQ(c.reports[0].code, "UNTERCOND");
    EXPECT_EQ(c.reports[0].file, "q.c");
}

TEST(Preprocessor, FeatureTestOperators) {
    TempDir dir;
    dir.write("one/h.h",
              "#if __has_include_next(<h.h>)\nnext_found\n#else\nno_next\n#endif\n"
              "#include_next <h.h>\n");
    dir.write("two/h.h", "#if __has_include_next(<h.h>)\nnext_found\n#else\nlast\n#endif\n");
    dir.write("one/linux/fs.h", "fs\n");
    vx::CppInit init;
    init.include_dirs = {dir.path + "/one", dir.path + "/two"};
    Cpp c(init);
    c.run("#define linux 1\n#define HEADER <h.h>\n");
    EXPECT_EQ(
        c.tokens("#if __has_include(<linux/fs.h>) && !__has_include(\"none.h\")\nyes\n#endif\n"
                 "#if __has_include(HEADER)\nby_macro\n#endif\n"
                 "#if defined(__has_include) && defined __has_include_next\ndefined\n#endif\n"
                 "#ifdef __has_builtin\nbuiltin_op\n#endif\n"),
        "yes by_macro defined");
    EXPECT_EQ(c.tokens("#include <h.h>\n"), "next_found last");
    EXPECT_TRUE(c.reports.empty()) << c.codes();

    c.run(
        "#pragma vexor feature_test __has_builtin\n"
        "#pragma vexor feature_test __has_builtin 1 __builtin_expect __builtin_memcpy\n"
        "#pragma vexor feature_test __has_attribute 1 packed aligned\n"
        "#pragma vexor feature_test __has_c_attribute 201904 deprecated\n");
    EXPECT_EQ(
        c.tokens(
            "#if __has_builtin(__builtin_expect) && !__has_builtin(__builtin_nothing)\nb\n#endif\n"
            "#if __has_attribute(__packed__) && __has_attribute( aligned ) && "
            "__has_attribute(gnu::packed)\n"
            "a\n#endif\n"
            "#if __has_c_attribute(deprecated) == 201904 && "
            "!__has_c_attribute(nodiscard)\nc\n#endif\n"
            "#if defined __has_feature\nf\n#else\nno_feature\n#endif\n"
            "x = __has_attribute(packed);\n"
            "#define has_attr __has_attribute\n#if has_attr (packed) && "
            "!has_attr(nothing)\nalias\n#endif\n"),
        "b a c no_feature x = 1 ; alias");
    EXPECT_TRUE(c.reports.empty()) << c.codes();

    c.run(
        "#if __has_include(stdio.h)\n#endif\n#if __has_builtin\n#endif\n"
        "#pragma vexor feature_test __has_nothing 1 x\n");
    EXPECT_EQ(c.codes(), "ERINCLUDE SYNTAXERR SYNTAXERR");
}

// Redefinitions in the target's own headers are the compiler's business;
// in the user's headers they are reported.
TEST(Preprocessor, SystemHeadersKeepQuietAboutRedefinitions) {
    TempDir dir;
    dir.write("sys/a.h", "#define X 1\n#ifdef X extra\n#endif\n");
    dir.write("sys/b.h", "#define X 2\n#undef __LINE__\n#include \"c.h\"\n");
    dir.write("sys/c.h", "#define X 3\n#error real\n");
    dir.write("user/u.h", "#define X 4\n");
    vx::CppInit init;
    init.include_dirs = {dir.path + "/user"};
    Cpp c(init);
    c.run("#pragma vexor incl_std \"" + dir.path + "/sys\"\n");
    c.run("#include <a.h>\n#include <b.h>\n#include <u.h>\n");
    EXPECT_EQ(c.codes(), "WARNERR IDENREDEF") << c.reports[0].argument;
    EXPECT_EQ(c.reports[1].file, dir.path + "/user/u.h");
    EXPECT_TRUE(c.cpp.is_system_file(dir.path + "/sys/x/y.h"));
    EXPECT_FALSE(c.cpp.is_system_file(dir.path + "/system/y.h"));
}

// A system header's definitions of the C11 keywords serve compilers older
// than C11 (newlib's _Atomic(T) as a struct): the analysis reads the
// keywords itself and does not take them. A user's header is taken at its
// word. A function-like macro's name without "(" stays the plain word.
TEST(Preprocessor, SystemHeadersDoNotRedefineTheC11Keywords) {
    TempDir dir;
    dir.write("sys/cdefs.h",
              "#define _Atomic(T) struct { T volatile __val; }\n#define _Alignof(x) "
              "__offsetof(x)\n#define __aligned(x) aligned_ok\n");
    dir.write("user/mine.h", "#define _Noreturn noret_user\n");
    vx::CppInit init;
    init.include_dirs = {dir.path + "/user"};
    Cpp c(init);
    c.run("#pragma vexor incl_std \"" + dir.path + "/sys\"\n");
    std::string out = c.run(
        "#include <cdefs.h>\n#include <mine.h>\n_Atomic(int) a; _Atomic long b; "
        "_Alignof(int) __aligned(4) _Noreturn\n");
    EXPECT_EQ(Cpp::squeeze(out),
              "_Atomic(int) a; _Atomic long b; _Alignof(int) aligned_ok noret_user");
    EXPECT_TRUE(c.reports.empty()) << c.codes();
}

TEST(Preprocessor, ByteOrderMarkAndIdentLines) {
    TempDir dir;
    std::string header = dir.write("bom.h", "\xEF\xBB\xBF#define B 2\nint b = B;\n");
    Cpp c;
    std::string out = c.run("#include \"" + header + "\"\n#ident \"x\"\n");
    EXPECT_EQ(Cpp::squeeze(out), "int b = 2; #ident \"x\"");
    EXPECT_TRUE(c.reports.empty()) << c.codes();
}

}  // namespace

// The file and line the output shows for its first line holding `word`,
// as the declaration parser reads them from the markers ("" when absent).
std::string place_of(const std::string& out, const std::string& word) {
    std::istringstream lines(out);
    std::string line;
    std::string file;
    long number = 0;
    while (std::getline(lines, line)) {
        if (line.rfind("#line ", 0) == 0) {
            std::istringstream marker(line.substr(6));
            marker >> number >> file;
            continue;
        }
        if (line.find(word) != std::string::npos) {
            return file + ":" + std::to_string(number);
        }
        ++number;
    }
    return "";
}

TEST(Preprocessor, AGuardedHeaderIsReadOnceWhileItsGuardIsDefined) {
    TempDir dir;
    dir.write("inc/g.h",
              "/* a guarded header */\n#ifndef G_H\n#define G_H\nint g;\n#endif /* G_H */\n"
              "// nothing after\n");
    // The run sees a directory as it was when it first looked into it.
    dir.write("inc/pre.h", "#ifndef PRE\n#define PRE\nint pre;\n#endif\n");
    vx::CppInit init;
    init.include_dirs = {dir.path + "/inc"};
    Cpp c(init);
    std::string out = c.run("#include <g.h>\n#include \"g.h\"\n#include <g.h>\nafter\n");
    EXPECT_EQ(Cpp::squeeze(out), "int g; after");
    EXPECT_EQ(place_of(out, "int g;"), "\"" + dir.path + "/inc/g.h\":4");
    EXPECT_EQ(place_of(out, "after"), "\"t.c\":4");
    EXPECT_TRUE(c.reports.empty()) << c.codes();
    EXPECT_EQ(c.cpp.files_read(), 1);
    EXPECT_EQ(c.cpp.includes_skipped(), 2);
    EXPECT_EQ(c.cpp.included_files(), std::vector<std::string>{dir.path + "/inc/g.h"});

    // Once the guard is gone the header gives its text again, and is
    // skipped again while the guard it defines anew is there.
    EXPECT_EQ(c.tokens("#undef G_H\n#include <g.h>\n#include <g.h>\n"), "int g;");
    EXPECT_EQ(c.cpp.includes_skipped(), 3);
    // A guard defined before the first reading: nothing from the header.
    EXPECT_EQ(c.tokens("#define PRE\n#include <pre.h>\n#undef PRE\n#include <pre.h>\n"),
              "int pre;");

    // A new program forgets the macros, so the guard no longer holds.
    vx::cpp_finish(c.cpp, false);
    EXPECT_EQ(c.tokens("#include <g.h>\n"), "int g;");
}

TEST(Preprocessor, HeadersThatAreNotWhollyGuardedAreReadAgain) {
    struct Case {
        const char* header;
        const char* twice;  // the tokens of two inclusions
    };
    const Case cases[] = {
        {"#ifndef E\n#define E\nfirst\n#else\nsecond\n#endif\n", "first second"},
        {"#ifndef F\n#define F\nf1\n#elif 1\nf2\n#endif\n", "f1 f2"},
        {"#ifndef A\n#define A\n#endif\nint tail;\n", "int tail; int tail;"},
        {"int head;\n#ifndef B\n#define B\n#endif\n", "int head; int head;"},
        {"#ifndef C\n#define C\n#endif\n#ifndef C2\n#define C2\n#endif\nint c;\n", "int c; int c;"},
        // The last "#endif" of the text is in a comment: the guard ends
        // before the tail.
        {"#ifndef D\n#define D\n#endif\nint d;\n/*\n#endif\n*/\n", "int d; int d;"},
        // A comment opener inside a literal opens nothing.
        {"#ifndef S\n#define S\nchar *s = \"/*\";\n#endif\nint s_after;\n/* */\n",
         "char *s = \"/*\"; int s_after; int s_after;"},
        {"#ifndef U\n#define U\nint u;\n#endif\n/* never closed\n", "int u;"},
        {"#if !defined(N)\n#define N\nint n;\n#endif\n", "int n;"},
        {"#ifndef K extra\n#define K\nint k;\n#endif\n", "int k;"},
    };
    for (const Case& tc : cases) {
        TempDir dir;
        dir.write("h.h", tc.header);
        vx::CppInit init;
        init.include_dirs = {dir.path};
        Cpp c(init);
        std::string out = c.run("#include <h.h>\n#include <h.h>\n");
        EXPECT_EQ(Cpp::squeeze(out), tc.twice) << tc.header;
        // Read from disk once all the same: its text is kept.
        EXPECT_EQ(c.cpp.files_read(), 1) << tc.header;
    }
}

TEST(Preprocessor, PragmaOnceKeepsAFileToOneReading) {
    TempDir dir;
    dir.write("o/once.h", "#pragma once\nint o;\n");
    dir.write("o/maybe.h", "#if 0\n#pragma once\n#endif\nint m;\n");
    dir.write("o/user.h", "#include \"once.h\"\nint user;\n");
    vx::CppInit init;
    init.include_dirs = {dir.path + "/o"};
    Cpp c(init);
    // Reached by three names, one of which its neighbour uses.
    EXPECT_EQ(c.tokens("#include <once.h>\n#include <user.h>\n#include \"" + dir.path +
                       "/o/./once.h\"\n"),
              "int o; int user;");
    EXPECT_TRUE(c.reports.empty()) << c.codes();
    // A "#pragma once" in a branch not taken does not count.
    EXPECT_EQ(c.tokens("#include <maybe.h>\n#include <maybe.h>\n"), "int m; int m;");
    vx::cpp_finish(c.cpp, false);
    EXPECT_EQ(c.tokens("#include <once.h>\n"), "int o;");
}

TEST(Preprocessor, RememberedLookupsKeepTheSearchAndItsReports) {
    TempDir dir;
    dir.write("one/n.h", "#ifndef N1\n#define N1\nint one;\n#include_next <n.h>\n#endif\n");
    dir.write("two/n.h", "#ifndef N2\n#define N2\nint two;\n#endif\n");
    dir.write("late/late.h", "late_found\n");
    dir.write("a/x.h", "#include \"near.h\"\n");
    dir.write("a/near.h", "near_a\n");
    dir.write("b/x.h", "#include \"near.h\"\n");
    dir.write("b/near.h", "near_b\n");
    vx::CppInit init;
    init.include_dirs = {dir.path + "/one", dir.path + "/two"};
    Cpp c(init);
    // A name that no directory of the path has is looked for beside each
    // including file, whatever an earlier search found beside another.
    EXPECT_EQ(
        c.tokens("#include \"" + dir.path + "/a/x.h\"\n#include \"" + dir.path + "/b/x.h\"\n"),
        "near_a near_b");
    // "#include_next" in a header read again still goes on after its
    // directory; the next header, still guarded, is skipped.
    EXPECT_EQ(c.tokens("#include <n.h>\n#undef N1\n#undef N2\n#include <n.h>\n"),
              "int one; int two; int one; int two;");
    EXPECT_EQ(c.tokens("#undef N1\n#include <n.h>\n"), "int one;");

    // A directory added later is searched, though the name was missed
    // before; a name missed before is still reported at its own line.
    EXPECT_EQ(c.tokens("#if __has_include(<late.h>)\nearly\n#endif\n#pragma vexor incl_std \"" +
                       dir.path + "/late\"\n#include <late.h>\n"),
              "late_found");
    c.run("#if !__has_include(\"absent.h\")\n#endif\n#include \"absent.h\"\n", "m.c");
    ASSERT_EQ(c.reports.size(), 1u) << c.codes();
    EXPECT_EQ(c.reports[0].code, "IMPOUVFIC");
    EXPECT_EQ(c.reports[0].file, "m.c");
    EXPECT_EQ(c.reports[0].line, 3);

    // A name that leads to a directory is refused, every time it is met.
    std::filesystem::create_directories(dir.path + "/one/dir.h");
    Cpp refusing(init);
    refusing.run("#if __has_include(<dir.h>)\n#endif\n");
    refusing.run("#include <dir.h>\n");
    ASSERT_EQ(refusing.reports.size(), 2u) << refusing.codes();
    EXPECT_EQ(refusing.reports[1].code, "FICNONREG");
    EXPECT_EQ(refusing.reports[1].level, vx::Severity::fatal);
}
