// Twins that must fail: scripts whose meaning the generated C could change
// without a word. Each case is compiled, its harness built with
// -Wall -Wextra -Werror (and checked by clang when there is one), run, and
// its report read; beside every script that must pass stands one whose unit
// is wrong, or whose run is cut, and that must not read PASSED.
//   - the unit's own I, J, I1 and J1 are the unit's objects everywhere;
//   - an expected expression is one operand of the casts around it;
//   - an expected value with a side effect is evaluated once;
//   - a range loop runs as many times as its bounds say, on every integer
//     type, whatever the unit writes to the variable or to the bounds;
//   - a jump from one element into a later element or test fails the test;
//   - a harness older than its link records is refused;
//   - a harness that ends in the middle of a test never reads as passed.
#include "testkit/testkit.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>

namespace fs = std::filesystem;

namespace vx {
namespace {

struct Outcome {
    int harness = -1;  // the harness's exit status
    int report = -1;   // vexorreport's exit status
    std::string text;  // the report
};

std::string lib_dir() { return testkit::dist_dir() + "/target/lib"; }

// Compiles the script `name` of `dir` into t.c, t.ic and t.tdc.
bool compile(const testkit::ScratchDir& dir, const std::string& name) {
    auto compiled = testkit::run_compiler(
        {name, "t.c"},
        {{"VXLTGT", testkit::dist_dir() + "/target"}, {"VEXORCINC", std::string("TP.h")}},
        dir.path());
    EXPECT_TRUE(compiled.status == 0 || compiled.status == 3) << compiled.out << compiled.err;
    return compiled.status == 0 || compiled.status == 3;
}

// Builds the harness warning-free into `program`.
bool build(const testkit::ScratchDir& dir, const std::string& program,
           const std::vector<std::string>& flags = {}) {
    std::vector<std::string> args = {"-std=c99", "-Wall",          "-Wextra",
                                     "-Werror",  "-I" + lib_dir(), "-I" + dir.path()};
    args.insert(args.end(), flags.begin(), flags.end());
    auto clang_args = args;
    clang_args.push_back("-fsyntax-only");
    clang_args.push_back(dir.file("t.c"));
    auto clang = testkit::run_program("clang", clang_args);
    if (clang.status != -1 && clang.status != 127) {
        EXPECT_EQ(clang.status, 0) << "the harness draws warnings from clang:\n" << clang.err;
    }
    args.insert(args.end(), {dir.file("t.c"), dir.file("unit.c"), lib_dir() + "/TP.c", "-o",
                             dir.file(program)});
    auto built = testkit::run_program("cc", args);
    EXPECT_EQ(built.status, 0) << "the harness does not build warning-free:\n" << built.err;
    return built.status == 0;
}

Outcome run_and_report(const testkit::ScratchDir& dir, const std::string& program = "harness") {
    Outcome o;
    auto ran =
        testkit::run_program(dir.file(program), {}, {{"VXU_TEST_TIMEOUT", "20"}}, dir.path());
    o.harness = ran.status;
    auto report = testkit::run_program(testkit::dist_dir() + "/bin/vexorreport",
                                       {dir.file("t.tdc"), dir.file("t.rio")});
    o.report = report.status;
    o.text = report.out + report.err;
    return o;
}

Outcome whole_loop(const std::string& header, const std::string& unit, const std::string& script,
                   const std::vector<std::string>& flags = {},
                   const std::string& script_name = "s.ptu") {
    testkit::ScratchDir dir;
    testkit::write_file(dir.file("unit.h"), header);
    testkit::write_file(dir.file("unit.c"), "#include \"unit.h\"\n" + unit);
    testkit::write_file(dir.file(script_name), script);
    if (!compile(dir, script_name) || !build(dir, "harness", flags)) return {};
    return run_and_report(dir);
}

// The report's lines of each test run, by the test's name as the report
// heads it ("t", "t (run 2)").
std::map<std::string, std::string> runs_of(const std::string& report) {
    std::map<std::string, std::string> runs;
    std::string current;
    for (const std::string& line : testkit::split_lines(report)) {
        if (line.empty() || line.front() != ' ') current.clear();
        if (line.rfind("  TEST ", 0) == 0) {
            std::string rest = line.substr(7);
            const std::size_t colon = rest.find(':');
            const std::size_t place = rest.find("  (");
            current = rest.substr(0, std::min(colon, place));
        }
        if (!current.empty()) runs[current] += line + "\n";
    }
    return runs;
}

bool failed(const std::map<std::string, std::string>& runs, const std::string& test) {
    auto found = runs.find(test);
    return found != runs.end() && found->second.find("FAIL") != std::string::npos;
}

int run_count(const std::map<std::string, std::string>& runs, const std::string& test) {
    int count = runs.count(test) ? 1 : 0;
    while (runs.count(test + " (run " + std::to_string(count + 1) + ")")) ++count;
    return count;
}

std::string script_of(const std::string& tests) {
    return "HEADER unit, 1.0, , twins\n##include \"unit.h\"\nBEGIN\nSERVICE compute\n" + tests +
           "END SERVICE\n";
}

// A test of one element: its statements, then the call compute(`call`).
std::string element_test(const std::string& name, const std::vector<std::string>& statements,
                         const std::string& call) {
    std::string text = "TEST " + name + "\nFAMILY nominal\nELEMENT\n";
    for (const std::string& statement : statements) text += statement + "\n";
    return text + "#compute(" + call + ");\nEND ELEMENT\nEND FAMILY\nEND TEST\n";
}

std::string test_of(const std::string& name, const std::string& body,
                    const std::string& loop = {}) {
    return "TEST " + name + (loop.empty() ? "" : " LOOP " + loop) + "\nFAMILY nominal\nELEMENT\n" +
           body + "#compute();\nEND ELEMENT\nEND FAMILY\nEND TEST\n";
}

TEST(Twins, TheUnitsIAndJAreTheUnitsObjects) {
    const std::string header =
        "extern int I, J, I1, J1;\nextern unsigned char frame[4];\nvoid compute(void);\n";
    const std::string unit =
        "int I, J, I1, J1;\nunsigned char frame[4];\n"
        "void compute(void) { int k; J = 0; I = 7; J1 = 9; for (k = 0; k < 4; ++k) frame[k] = "
        "(unsigned char)k; }\n";
    const std::string tests = test_of("j_wrong", "VAR J, INIT = 4, EV = 4\n") +
                              test_of("j_right", "VAR J, INIT = 4, EV = 0\n") +
                              test_of("i_right",
                                      "VAR I, INIT = 0, EV = 7\nARRAY frame, INIT = {others => 0}, "
                                      "EV = {0, 1, 2, 3}\nVAR I1, INIT = 5, EV = 5\n") +
                              test_of("i_wrong",
                                      "VAR I, INIT = 0, EV = 0\nARRAY frame, INIT = {others => 0}, "
                                      "EV = {0, 1, 2, 3}\n") +
                              // The native code sets the unit's J inside a loop of the harness:
                              // every run still happens.
                              test_of("loop", "VAR I1, INIT IN {1, 2, 3}, EV = I1\n#J = 9;\n") +
                              test_of("loop_j1", "VAR J1, INIT IN {1, 2, 3}, EV = 9\n");
    const Outcome o = whole_loop(header, unit, script_of(tests));
    const auto runs = runs_of(o.text);
    EXPECT_EQ(o.report, 1) << o.text;
    EXPECT_TRUE(failed(runs, "j_wrong")) << o.text;
    EXPECT_FALSE(failed(runs, "j_right")) << o.text;
    EXPECT_FALSE(failed(runs, "i_right")) << o.text;
    EXPECT_TRUE(failed(runs, "i_wrong")) << o.text;
    EXPECT_EQ(run_count(runs, "loop"), 3) << o.text;
    EXPECT_EQ(run_count(runs, "loop_j1"), 3) << o.text;
    EXPECT_FALSE(failed(runs, "loop (run 3)")) << o.text;
}

// The stubs of a script named after its unit (uart.ptu) leave the unit's
// own names alone: a stub send must not turn the unit's uart_send into a
// number.
TEST(Twins, AStubBlockNeverRenamesTheUnitsNames) {
    const std::string header =
        "extern int uart_send, x, wrong;\nint send(int byte);\nvoid compute(void);\n";
    const std::string unit =
        "int uart_send = 4, x, wrong;\nvoid compute(void) { x = wrong ? 2 : send(uart_send) + 1; "
        "}\n";
    const std::string script =
        "HEADER unit, 1.0, , twins\n##include \"unit.h\"\nBEGIN\n"
        "DEFINE STUB uart\n#int send(_in int byte);\nEND DEFINE\nSERVICE compute\n" +
        test_of("right",
                "STUB send (4) 4\nVAR wrong, INIT = 0, EV = 0\n"
                "VAR x, INIT = 0, EV = uart_send + 1\n") +
        test_of("wrong",
                "STUB send (4) 4\nVAR wrong, INIT = 1, EV = 1\n"
                "VAR x, INIT = 0, EV = uart_send + 1\n") +
        "END SERVICE\n";
    const Outcome o = whole_loop(header, unit, script, {}, "uart.ptu");
    const auto runs = runs_of(o.text);
    EXPECT_EQ(o.report, 1) << o.text;
    EXPECT_FALSE(failed(runs, "right")) << o.text;
    EXPECT_TRUE(failed(runs, "wrong")) << o.text;
}

// A call past the calls the script describes is counted and recorded, never
// checked against the values of another call.
TEST(Twins, ACallNoStatementDescribesIsRecordedNotCompared) {
    const std::string header =
        "extern int extra;\nvoid on_event(int kind, int value);\nvoid compute(void);\n";
    const std::string unit =
        "int extra;\nvoid compute(void) { on_event(1, 5); on_event(1, 5); "
        "if (extra) on_event(2, 9); }\n";
    const std::string script =
        "HEADER unit, 1.0, , twins\n##include \"unit.h\"\nBEGIN\n"
        "DEFINE STUB events\n#void on_event(_in int kind, _in int value);\nEND DEFINE\n"
        "SERVICE compute\n" +
        test_of("described", "STUB on_event 1..2 (1, 5)\nVAR extra, INIT = 0, EV = 0\n") +
        test_of("one_more", "STUB on_event 1..2 (1, 5)\nVAR extra, INIT = 1, EV = 1\n") +
        "END SERVICE\n";
    const Outcome o = whole_loop(header, unit, script);
    const auto runs = runs_of(o.text);
    EXPECT_FALSE(failed(runs, "described")) << o.text;
    ASSERT_TRUE(failed(runs, "one_more")) << o.text;
    // The count fails; the third call's values are shown, not compared.
    const std::string& lines = runs.at("one_more");
    EXPECT_NE(lines.find("calls: obtained 3"), std::string::npos) << lines;
    EXPECT_NE(lines.find("rec   stub on_event call 3: kind = 2"), std::string::npos) << lines;
    EXPECT_NE(lines.find("rec   stub on_event call 3: value = 9"), std::string::npos) << lines;
    EXPECT_EQ(lines.find("FAIL  stub on_event call 3"), std::string::npos) << lines;
    EXPECT_NE(lines.find("1 of 6 checks failed"), std::string::npos) << lines;
}

// A string for a byte array is read as C initialises one: its bytes, then
// zeros up to the bound; a string of exactly the bound keeps no zero.
TEST(Twins, StringsForByteArraysAreReadAsCReadsThem) {
    const std::string header = "extern unsigned char out[8];\nvoid compute(void);\n";
    const std::string unit = "unsigned char out[8];\nvoid compute(void) {}\n";
    const std::string tests =
        test_of("r_empty", "VAR out, INIT = \"\", EV = {others => 0}\n") +
        test_of("r_short", "VAR out, INIT = \"ab\", EV = {0x61, 0x62, others => 0}\n") +
        test_of("r_full", "VAR out, INIT = \"abcdefgh\", EV = \"abcdefgh\"\n") +
        test_of("r_string_ev", "VAR out, INIT = {0x61, 0x62, others => 0}, EV = \"ab\"\n") +
        test_of("w_short", "VAR out, INIT = \"abX\", EV = \"ab\"\n") +
        test_of("w_empty", "VAR out, INIT = {1, others => 0}, EV = \"\"\n");
    const Outcome o = whole_loop(header, unit, script_of(tests));
    const auto runs = runs_of(o.text);
    EXPECT_EQ(o.report, 1) << o.text;
    for (const char* right : {"r_empty", "r_short", "r_full", "r_string_ev"}) {
        EXPECT_FALSE(failed(runs, right)) << right << "\n" << o.text;
    }
    ASSERT_TRUE(runs.count("w_short") && runs.count("w_empty")) << o.text;
    EXPECT_NE(runs.at("w_short").find("FAIL  out[2]"), std::string::npos) << o.text;
    EXPECT_NE(runs.at("w_empty").find("FAIL  out[0]"), std::string::npos) << o.text;
}

TEST(Twins, AnExpectedExpressionIsOneOperand) {
    const std::string header =
        "extern double ratio;\nextern int pct, broken;\nextern unsigned char level;\n"
        "void compute(void);\n";
    const std::string unit =
        "double ratio;\nint pct, broken;\nunsigned char level;\n"
        "void compute(void) { pct = broken ? 0 : (int)(ratio * 100); level = (unsigned "
        "char)(broken ? 0 : 200); }\n";
    auto forms = [](const std::string& broken) {
        const std::string set = "VAR ratio, INIT = 0.25, EV = 0.25\nVAR broken, INIT = " + broken +
                                ", EV = " + broken + "\n";
        const std::string s = broken == "0" ? "r_" : "w_";
        return test_of(s + "product", set + "VAR pct, INIT = 1, EV = ratio * 100\n") +
               test_of(s + "bounds",
                       set + "VAR pct, INIT = 1, MIN = ratio * 100, MAX = ratio * 100\n") +
               test_of(s + "ternary",
                       set + "VAR pct, INIT = 1, EV = ratio > 0 ? ratio * 100 : 3\n") +
               test_of(s + "delta", set + "VAR pct, INIT = 1, EV = ratio * 100, DELTA = 0\n") +
               test_of(s + "byte", set + "VAR level, INIT = 1, EV = 100 + 100\n");
    };
    const Outcome o = whole_loop(header, unit, script_of(forms("0") + forms("1")));
    const auto runs = runs_of(o.text);
    EXPECT_EQ(o.report, 1) << o.text;
    for (const char* form : {"product", "bounds", "ternary", "delta", "byte"}) {
        EXPECT_FALSE(failed(runs, std::string("r_") + form)) << form << "\n" << o.text;
        EXPECT_TRUE(failed(runs, std::string("w_") + form)) << form << "\n" << o.text;
    }
}

// A value the harness computes for a stub's integer input is what the
// script says, not what the parameter's type makes of it: 200 + 100
// expected of a uint8_t is 300, which no call can pass (the 44 a cut would
// make of it is one a wrong unit does pass), and 100 + 100 of an int8_t
// likewise. A computed value the parameter can take, -1 for a uint8_t
// among them, is taken as C converts it.
TEST(Twins, AComputedStubInputIsNotCutToTheParametersType) {
    // The expected values are computed from the unit's globals when the
    // element sets up its stubs.
    const std::string header =
        "#include <stdint.h>\nextern int b20, b100, b155, b200;\n"
        "void dac_write(uint8_t level);\nvoid trim(int8_t offset);\n"
        "void compute(int base, int wrong);\n";
    const std::string unit =
        "int b20 = 20, b100 = 100, b155 = 155, b200 = 200;\n"
        "void compute(int base, int wrong) { dac_write((uint8_t)(base + 100));\n"
        "  trim((int8_t)(wrong ? base + 100 : base - 100)); }\n";
    auto stubs = [](const std::string& name, const std::string& call, const std::string& dac,
                    const std::string& trim) {
        return element_test(name, {"STUB dac_write (" + dac + ")", "STUB trim (" + trim + ")"},
                            call);
    };
    const std::string script =
        "HEADER unit, 1.0, , twins\n##include \"unit.h\"\nBEGIN\nDEFINE STUB io\n"
        "#void dac_write(_in uint8_t level);\n#void trim(_in int8_t offset);\nEND DEFINE\n"
        "SERVICE compute\n" +
        // 120 and -80 are sent, and expected.
        stubs("r_fits", "20, 0", "b20 + 100", "b20 - 100") +
        // 255 is sent for the -1 a uint8_t holds as 255, and 55.
        stubs("r_all_ones", "155, 0", "b155 - 156", "b155 - 100") +
        // 44 is sent, 300 expected.
        stubs("w_unsigned", "200, 0", "b200 + 100", "b200 - 100") +
        // (int8_t)200, -56, is sent, 200 expected.
        stubs("w_signed", "100, 1", "b100 + 100", "b100 + 100") + "END SERVICE\n";
    const Outcome o = whole_loop(header, unit, script);
    const auto runs = runs_of(o.text);
    EXPECT_EQ(o.report, 1) << o.text;
    EXPECT_FALSE(failed(runs, "r_fits")) << o.text;
    EXPECT_FALSE(failed(runs, "r_all_ones")) << o.text;
    EXPECT_TRUE(failed(runs, "w_unsigned")) << o.text;
    EXPECT_NE(o.text.find("level: obtained 44, expected 300"), std::string::npos) << o.text;
    EXPECT_TRUE(failed(runs, "w_signed")) << o.text;
    EXPECT_NE(o.text.find("offset: obtained -56, expected 200"), std::string::npos) << o.text;
}

// The same for a plain char, an enumeration and a char given back too:
// 300 is expected of a char, 4294967298 of an enumeration, and the (char)44
// or the 2 a wrong unit sends does not pass; codes a char can take, and
// an enumerator, are expected as C makes them.
TEST(Twins, AComputedCharOrEnumerationStubInputIsNotCut) {
    const std::string header =
        "enum mode { IDLE, RUN, STOP };\nextern long long b0, b200;\n"
        "void put_ch(char v);\nvoid put_mode(enum mode m);\nvoid swap_ch(char *p);\n"
        "void compute(int wrong);\n";
    const std::string unit =
        "long long b0 = 0, b200 = 200;\n"
        "void compute(int wrong) { char c = wrong == 1 ? (char)300 : 'A';\n"
        "  put_ch(wrong == 1 ? (char)300 : (char)200);\n"
        "  put_mode(wrong == 2 ? (enum mode)-1 : wrong ? STOP : RUN); swap_ch(&c); }\n";
    auto stubs = [](const std::string& name, const std::string& wrong, const std::string& ch,
                    const std::string& mode, const std::string& swap) {
        return element_test(name,
                            {"STUB put_ch (" + ch + ")", "STUB put_mode (" + mode + ")",
                             "STUB swap_ch (" + swap + " => 'z')"},
                            wrong);
    };
    const std::string script =
        "HEADER unit, 1.0, , twins\n##include \"unit.h\"\nBEGIN\nDEFINE STUB io\n"
        "#void put_ch(_in char v);\n#void put_mode(_in enum mode m);\n"
        "#void swap_ch(_inout char *p);\nEND DEFINE\nSERVICE compute\n" +
        // 200 is the char (char)200 on either kind of char; RUN is 1.
        stubs("r_fits", "0", "b200 + b0", "b0 + RUN", "b0 + 'A'") +
        // An enumeration with no negative constant is an unsigned int:
        // -1 is all ones, as for any unsigned parameter.
        stubs("r_all_ones", "2", "b200 + b0", "b0 - 1", "b0 + 'A'") +
        stubs("w_char", "1", "b200 + 100", "b0 + STOP", "b0 + 'A' - 65 + 44") +
        stubs("w_mode", "0", "b200 + b0", "b0 + 4294967297", "b0 + 'A'") +
        stubs("w_swap", "1", "b0 + 44", "b0 + STOP", "b200 + 100") + "END SERVICE\n";
    const Outcome o = whole_loop(header, unit, script);
    const auto runs = runs_of(o.text);
    EXPECT_EQ(o.report, 1) << o.text;
    EXPECT_FALSE(failed(runs, "r_fits")) << o.text;
    EXPECT_FALSE(failed(runs, "r_all_ones")) << o.text;
    for (const char* name : {"w_char", "w_mode", "w_swap"}) {
        EXPECT_TRUE(failed(runs, name)) << name << "\n" << o.text;
    }
}

// A bound the harness computes for a plain char variable is not cut to a
// char: 200 + 100 is expected, which the (char)300 a wrong unit stores
// does not pass; a computed bound a char can take is a character as
// before, and a character literal stays one.
TEST(Twins, AComputedCharacterBoundIsNotCutToAChar) {
    const std::string header = "extern char c;\nextern int b10, b200;\nvoid compute(int wrong);\n";
    const std::string unit =
        "char c;\nint b10 = 10, b200 = 200;\n"
        "void compute(int wrong) { c = wrong ? (char)300 : (char)('A' + 10); }\n";
    auto test = [](const std::string& name, const std::string& wrong, const std::string& check) {
        return element_test(name, {"VAR c, INIT = 'z', " + check}, wrong);
    };
    const std::string script =
        "HEADER unit, 1.0, , twins\n##include \"unit.h\"\nBEGIN\n"
        "SERVICE compute\n" +
        test("r_computed", "0", "EV = b10 + 'A'") + test("r_literal", "0", "EV = 'K'") +
        test("r_range", "0", "MIN = b10 + 'A' - 1, MAX = b10 + 'A' + 1") +
        test("w_computed", "1", "EV = b200 + 100") +
        test("w_range", "1", "MIN = b200 + 90, MAX = b200 + 110") +
        // Computed, though it begins and ends with a character literal:
        // 'A' + 200 + '#' is 300.
        test("w_quoted", "1", "EV = 'A' + b200 + '#'") + "END SERVICE\n";
    const Outcome o = whole_loop(header, unit, script);
    const auto runs = runs_of(o.text);
    EXPECT_EQ(o.report, 1) << o.text;
    for (const char* name : {"r_computed", "r_literal", "r_range"}) {
        EXPECT_FALSE(failed(runs, name)) << name << "\n" << o.text;
    }
    EXPECT_TRUE(failed(runs, "w_computed")) << o.text;
    EXPECT_TRUE(failed(runs, "w_range")) << o.text;
    EXPECT_TRUE(failed(runs, "w_quoted")) << o.text;
}

// A percentage tolerance keeps its fraction, whether the expected value is
// a constant the compiler folds or an expression the harness computes:
// 2.5% of 1000 lets 1025 pass and 1026 fail, on a signed and an unsigned
// variable.
TEST(Twins, AFractionalPercentageIsNotCutToAWholeOne) {
    const std::string header =
        "extern int base;\nextern int got;\nextern unsigned ugot;\nvoid compute(void);\n";
    const std::string unit = "int base = 1000;\nint got;\nunsigned ugot;\nvoid compute(void) {}\n";
    std::string tests;
    for (const char* expected : {"1000", "base"}) {
        const std::string e = expected;
        const std::string form = e == "base" ? "computed" : "constant";
        tests += test_of("r_" + form, "VAR got, INIT = 1025, EV = " + e + ", DELTA = 2.5%\n" +
                                          "VAR ugot, INIT = 975, EV = " + e + ", DELTA = 2.5%\n");
        tests += test_of("w_" + form, "VAR got, INIT = 1026, EV = " + e + ", DELTA = 2.5%\n");
        tests += test_of("w_u_" + form, "VAR ugot, INIT = 974, EV = " + e + ", DELTA = 2.5%\n");
    }
    const Outcome o = whole_loop(header, unit, script_of(tests));
    const auto runs = runs_of(o.text);
    EXPECT_EQ(o.report, 1) << o.text;
    for (const char* form : {"constant", "computed"}) {
        EXPECT_FALSE(failed(runs, std::string("r_") + form)) << form << "\n" << o.text;
        EXPECT_TRUE(failed(runs, std::string("w_") + form)) << form << "\n" << o.text;
        EXPECT_TRUE(failed(runs, std::string("w_u_") + form)) << form << "\n" << o.text;
    }
}

// Every operator form of an expected expression, on an int variable whose
// value the script sets (the code under test leaves it): the right value
// passes, and the value a cast of the first operand alone would give (or
// the right value plus one where both agree) fails.
TEST(Twins, EveryOperatorFormIsOneOperand) {
    struct Form {
        std::string name, expected;
        long long right, wrong;
    };
    const std::vector<Form> forms = {
        {"mul", "d * 2", 5, 4},
        {"add", "d + d", 5, 4},
        {"sub", "d - 0.5", 2, 1},
        {"div", "d / 0.5", 5, 4},
        {"neg", "-d * 2", -5, -4},
        {"mod", "i % 4", 3, 4},
        {"shl", "i << 1", 14, 15},
        {"shr", "i >> 1", 3, 4},
        {"and", "i & 3", 3, 4},
        {"or", "i | 8", 15, 16},
        {"xor", "i ^ 1", 6, 7},
        {"not", "!i", 0, 1},
        {"cpl", "~i", -8, -7},
        {"cond", "d > 2 ? 10 : 20", 10, 20},
        {"land", "d > 2 && d < 3", 1, 0},
        {"lor", "d < 2 || d > 3", 0, 1},
        {"eq", "d == 2.5", 1, 0},
        {"cast", "(int)d * 2", 4, 5},
        {"size", "sizeof(double) * d", 20, 21},
        {"paren", "(d + 1) * 2", 7, 6},
    };
    std::string tests;
    for (const Form& f : forms) {
        tests += test_of("r_" + f.name, "VAR out, INIT = " + std::to_string(f.right) +
                                            ", EV = " + f.expected + "\n");
        tests += test_of("w_" + f.name, "VAR out, INIT = " + std::to_string(f.wrong) +
                                            ", EV = " + f.expected + "\n");
    }
    const Outcome o =
        whole_loop("extern double d;\nextern int i, out;\nvoid compute(void);\n",
                   "double d = 2.5;\nint i = 7, out;\nvoid compute(void) {}\n", script_of(tests));
    const auto runs = runs_of(o.text);
    EXPECT_EQ(o.report, 1) << o.text;
    for (const Form& f : forms) {
        EXPECT_FALSE(failed(runs, "r_" + f.name)) << f.expected << "\n" << o.text;
        EXPECT_TRUE(failed(runs, "w_" + f.name)) << f.expected << "\n" << o.text;
    }
}

TEST(Twins, AnExpectedValueIsEvaluatedOnce) {
    const std::string header =
        "extern int counter, ticket;\nint next_ticket(void);\nvoid compute(void);\n";
    // The unit hands out the ticket after the next one: between the
    // results of two calls of next_ticket(), never equal to one call's.
    const std::string unit =
        "int counter, ticket;\nint next_ticket(void) { return ++counter; }\n"
        "void compute(void) { ticket = counter + 2; }\n";
    const std::string tests =
        test_of("w_equal",
                "VAR counter, INIT = 0, EV = 1\nVAR ticket, INIT = 0, EV = next_ticket()\n") +
        test_of("w_delta", "VAR ticket, INIT = 0, EV = next_ticket(), DELTA = 0\n") +
        test_of("r_equal", "VAR ticket, INIT = 0, EV = next_ticket() + 1\n") +
        test_of("r_delta", "VAR ticket, INIT = 0, EV = next_ticket(), DELTA = 1\n");
    const std::string script =
        "HEADER unit, 1.0, , twins\n##include \"unit.h\"\nBEGIN\nSERVICE compute\n" + tests +
        "END SERVICE\n";
    const Outcome o = whole_loop(header, unit, script);
    const auto runs = runs_of(o.text);
    EXPECT_TRUE(failed(runs, "w_equal")) << o.text;
    EXPECT_TRUE(failed(runs, "w_delta")) << o.text;
    EXPECT_FALSE(failed(runs, "r_equal")) << o.text;
    EXPECT_FALSE(failed(runs, "r_delta")) << o.text;
}

TEST(Twins, RangeLoopsRunTheirCountOnEveryIntegerType) {
    const std::vector<std::pair<std::string, std::string>> types = {
        {"u8", "unsigned char"},       {"s8", "signed char"},
        {"u16", "unsigned short"},     {"s16", "short"},
        {"u32", "unsigned int"},       {"s32", "int"},
        {"u64", "unsigned long long"}, {"s64", "long long"}};
    // Each form runs three times: up or down, ending on the bound or past it.
    const std::vector<std::pair<std::string, std::string>> forms = {{"up_on", "0 TO 4 STEP 2"},
                                                                    {"up_past", "0 TO 5 STEP 2"},
                                                                    {"down_on", "4 TO 0 STEP 2"},
                                                                    {"down_past", "5 TO 0 STEP 2"},
                                                                    {"down_neg", "4 TO 0 STEP -2"}};
    std::string header, unit = "int last = 3, pending = 3, zero = 0;\n", body, tests;
    for (const auto& [name, type] : types) {
        header += "extern " + type + " v_" + name + ";\n";
        unit += type + " v_" + name + ";\n";
        // The unit writes every variable the loops run over.
        body += "v_" + name + " = 100; ";
        for (const auto& [form, range] : forms) {
            tests +=
                test_of(name + "_" + form, "VAR v_" + name + ", INIT FROM " + range + ", EV ==\n");
        }
    }
    header += "extern int last, pending, zero;\nvoid compute(void);\n";
    unit += "void compute(void) { " + body + "last = 0; pending = 0; }\n";
    // Counts the script computes, which the unit changes: taken once.
    tests += test_of("computed_to", "VAR v_s32, INIT FROM 1 TO last STEP 1, EV ==\n");
    tests += test_of("loop_count", "VAR v_u8, INIT = 1, EV ==\n", "pending");
    // A loop that runs no time around a range counted at run time: the
    // range's count is never taken, and the test rightly ran no time.
    tests += test_of("no_run", "VAR v_s32, INIT FROM 1 TO last STEP 1, EV ==\n", "zero");
    // Octal bounds are read as C reads them: 010 TO 012 is 8, 9, 10.
    tests += test_of("octal", "VAR v_s16, INIT FROM 010 TO 012 STEP 1, EV ==\n");
    // A range past the int of the loop counter.
    tests += test_of("wide", "VAR v_s64, INIT FROM 0 TO 6000000000 STEP 2000000000, EV ==\n");
    const Outcome o = whole_loop(header, unit, script_of(tests));
    const auto runs = runs_of(o.text);
    EXPECT_EQ(o.report, 0) << o.text;
    for (const auto& [name, type] : types) {
        for (const auto& [form, range] : forms) {
            EXPECT_EQ(run_count(runs, name + "_" + form), 3) << name << " " << range << "\n"
                                                             << o.text;
        }
    }
    EXPECT_NE(o.text.find("init  v_u8 = 4"), std::string::npos) << o.text;
    EXPECT_NE(o.text.find("init  v_u64 = 1"), std::string::npos) << o.text;
    EXPECT_EQ(run_count(runs, "computed_to"), 3) << o.text;
    EXPECT_EQ(run_count(runs, "loop_count"), 3) << o.text;
    EXPECT_NE(o.text.find("TEST no_run: passed (ran no time"), std::string::npos) << o.text;
    EXPECT_EQ(run_count(runs, "octal"), 3) << o.text;
    EXPECT_NE(o.text.find("init  v_s16 = 10"), std::string::npos) << o.text;
    EXPECT_EQ(o.text.find("init  v_s16 = 11"), std::string::npos) << o.text;
    EXPECT_EQ(run_count(runs, "wide"), 4) << o.text;
    EXPECT_NE(o.text.find("init  v_s64 = 6000000000"), std::string::npos) << o.text;
}

TEST(Twins, AJumpIntoALaterElementOrTestFails) {
    const std::string header = "extern int x;\nvoid compute(void);\n";
    const std::string unit = "int x;\nvoid compute(void) { x = 1; }\n";
    const std::string script =
        "HEADER unit, 1.0, , twins\n##include \"unit.h\"\nBEGIN\nSERVICE compute\n"
        "TEST into_element\nFAMILY nominal\n"
        "ELEMENT\nVAR x, INIT = 0, EV = 5\n#goto second_element;\nEND ELEMENT\n"
        "ELEMENT\nVAR x, INIT = 0, EV = 1\n#second_element: compute();\nEND ELEMENT\n"
        "END FAMILY\nEND TEST\n"
        "TEST into_test\nFAMILY nominal\n"
        "ELEMENT\nVAR x, INIT = 0, EV = 5\n#goto later_test;\nEND ELEMENT\nEND FAMILY\nEND TEST\n"
        "TEST later\nFAMILY nominal\n"
        "ELEMENT\nVAR x, INIT = 0, EV = 1\n#later_test: compute();\nEND ELEMENT\nEND FAMILY\n"
        "END TEST\nEND SERVICE\n";
    const Outcome o = whole_loop(header, unit, script);
    const auto runs = runs_of(o.text);
    EXPECT_EQ(o.report, 1) << o.text;
    EXPECT_TRUE(failed(runs, "into_element")) << o.text;
    EXPECT_TRUE(failed(runs, "into_test")) << o.text;
    EXPECT_FALSE(failed(runs, "later")) << o.text;
}

TEST(Twins, AHarnessOfAnEarlierCompilationIsRefused) {
    testkit::ScratchDir dir;
    testkit::write_file(dir.file("unit.h"), "extern int r;\nvoid compute(void);\n");
    testkit::write_file(dir.file("unit.c"),
                        "#include \"unit.h\"\nint r;\nvoid compute(void) { r = 5; }\n");
    testkit::write_file(dir.file("s.ptu"), script_of(test_of("t", "VAR r, INIT = 0, EV = 5\n")));
    ASSERT_TRUE(compile(dir, "s.ptu"));
    ASSERT_TRUE(build(dir, "old"));
    // The script now expects 6; the harness of the first compilation says 5.
    testkit::write_file(dir.file("s.ptu"), script_of(test_of("t", "VAR r, INIT = 0, EV = 6\n")));
    ASSERT_TRUE(compile(dir, "s.ptu"));
    const Outcome stale = run_and_report(dir, "old");
    EXPECT_EQ(stale.harness, 0);
    EXPECT_EQ(stale.report, 2) << stale.text;
    EXPECT_NE(stale.text.find("t.tdc"), std::string::npos) << stale.text;
    EXPECT_NE(stale.text.find("t.rio"), std::string::npos) << stale.text;
    // Built again, the harness belongs to the link records: FAILED, not refused.
    ASSERT_TRUE(build(dir, "new"));
    EXPECT_EQ(run_and_report(dir, "new").report, 1);
}

TEST(Twins, AnExitInTheMiddleOfATestIsNeverPassed) {
    const std::string header = "extern int r;\nvoid compute(void);\n";
    const std::string unit =
        "#include <stdlib.h>\nint r;\nvoid compute(void) { r = 5; exit(0); }\n";
    const std::string script = script_of(test_of("t", "VAR r, INIT = 0, EV = 5\n") +
                                         test_of("u", "VAR r, INIT = 0, EV = 5\n"));
    const Outcome o = whole_loop(header, unit, script, {"-DVXU_NO_FORK"});
    EXPECT_EQ(o.harness, 2) << o.text;
    EXPECT_EQ(o.report, 2) << o.text;
    EXPECT_NE(o.text.find("INCOMPLETE"), std::string::npos) << o.text;
}

// A statement the harness cannot mean is refused at its line; one that can
// only check its own initial value is warned.
TEST(Twins, StatementsTheHarnessCannotMeanAreRefusedOrWarned) {
    testkit::ScratchDir dir;
    testkit::write_file(dir.file("unit.h"),
                        "extern char name[8];\nextern int r, s;\nvoid compute(void);\n");
    testkit::write_file(dir.file("s.ptu"),
                        "HEADER unit, 1.0, , twins\n##include \"unit.h\"\nBEGIN\n"
                        "SERVICE compute\nTEST t\nFAMILY nominal\nELEMENT\n"
                        "VAR name, INIT = \"ab\\0cd\", EV = \"ab\"\n"  // 8
                        "VAR name, INIT = \"\\u0041\", EV = \"A\"\n"   // 9
                        "VAR s, INIT = 1, EV = 1\n"                    // 10: code follows
                        "#compute();\n"                                // 11
                        "VAR r, INIT = 1, EV = 1\n"                    // 12: after the code
                        "VAR s, INIT = 2, EV ==\n"                     // 13: only recorded
                        "END ELEMENT\nEND FAMILY\nEND TEST\nEND SERVICE\n");
    auto compiled = testkit::run_compiler(
        {"s.ptu", "t.c"},
        {{"VXLTGT", testkit::dist_dir() + "/target"}, {"VEXORCINC", std::string("TP.h")}},
        dir.path());
    EXPECT_EQ(compiled.status, 5) << compiled.err;
    const std::string& err = compiled.err;
    EXPECT_NE(err.find("Harnex-E-CHAINEINV,  [./s.ptu:8] Character string refused: name = "
                       "\"ab\\0cd\": a NUL character ends the string early"),
              std::string::npos)
        << err;
    EXPECT_NE(err.find("Harnex-E-CHAINEINV,  [./s.ptu:9]"), std::string::npos) << err;
    EXPECT_NE(err.find("Harnex-W-INITAPRES,  [./s.ptu:12] r is initialised and checked after"),
              std::string::npos)
        << err;
    EXPECT_EQ(err.find("[./s.ptu:10] s is initialised"), std::string::npos) << err;
    EXPECT_EQ(err.find("[./s.ptu:13] s is initialised"), std::string::npos) << err;
}

// A struct given a struct-valued expression where the value model spreads
// scalars (a VAR, a stub's association) and a range of indexes whose bounds
// are not constants: each refused at its line. Their twins, the same values
// written member by member, build and pass.
TEST(Twins, StructValuesTheHarnessCannotSpreadAreRefused) {
    const std::string header =
        "struct inner { int a; int b; };\nstruct outer { struct inner in; int n; };\n"
        "extern struct inner dflt;\n"
        "extern struct outer o;\nextern int buf[4];\nvoid take(struct outer x);\n"
        "void compute(void);\n";
    const std::string unit =
        "struct inner dflt = {1, 2};\nstruct outer o;\nint buf[4];\n"
        "void compute(void) { take(o); }\n";
    const std::string stubs =
        "DEFINE STUB unit\n#void take(_in struct outer x);\n"
        "END DEFINE\n";
    auto script = [&](const std::string& body) {
        return "HEADER unit, 1.0, , twins\n##include \"unit.h\"\nBEGIN\n" + stubs +
               "SERVICE compute\nTEST t\nFAMILY nominal\nELEMENT\n" + body +
               "#compute();\nEND ELEMENT\nEND FAMILY\nEND TEST\nEND SERVICE\n";
    };
    testkit::ScratchDir dir;
    testkit::write_file(dir.file("unit.h"), header);
    testkit::write_file(dir.file("s.ptu"),
                        script("VAR o, INIT = {dflt, 4}, EV = {{1, 2}, 4}\n"  // 11
                               "STUB take ({in => dflt, n => 4})\n"           // 12
                               "VAR buf[1..o.n], INIT = 0, EV = 0\n"));       // 13
    auto compiled = testkit::run_compiler(
        {"s.ptu", "t.c"},
        {{"VXLTGT", testkit::dist_dir() + "/target"}, {"VEXORCINC", std::string("TP.h")}},
        dir.path());
    EXPECT_EQ(compiled.status, 5) << compiled.err;
    for (const char* refusal :
         {"Harnex-E-TYPESMISM,  [./s.ptu:11] Types mismatch o.in = dflt",
          "Harnex-E-TYPESMISM,  [./s.ptu:12] Types mismatch x.in = dflt",
          "Harnex-E-TABEXPINC,  [./s.ptu:13] The expression buf[1..o.n] is incorrect"}) {
        EXPECT_NE(compiled.err.find(refusal), std::string::npos) << refusal << "\n" << compiled.err;
    }
    const Outcome o =
        whole_loop(header, unit,
                   script("VAR o, INIT = {{1, 2}, 4}, EV = {{1, 2}, 4}\n"
                          "STUB take ({{1, 2}, 4})\n"
                          "VAR buf, INIT = {others => 0}, EV = [1..2 => 0, others => 0]\n"));
    EXPECT_EQ(o.report, 0) << o.text;
}

}  // namespace
}  // namespace vx
