// The generated corpus of variable statements.
//
// For every value kind of the model of C values (integers of each width
// and signedness, bytes, characters, reals, enumerations, booleans,
// strings, pointers) the test writes a unit with a variable of that type
// in each shape (a scalar, an array, an array of structs, a struct holding
// an array, an aggregate nested two levels deep) and a script that
// initialises and checks them with every INIT and EV form the shape takes:
// plain values, DELTA, MIN and MAX, IN lists and the linked EV form, brace
// lists, associations, ranges, others, nested lists and byte strings.
// Each form is a test of its own twice: once with the right expectation,
// which must pass, and once with one value wrong, which must fail and name
// the element that is wrong. The whole script is compiled, the harness
// built with -Wall -Wextra -Werror, run, and its report read. The firmware
// cases (bounds written as expressions, flexible members, atomics, struct
// values of stubs) are also built with each toolchain file of the
// installation and run under the target's emulator.
#include "testkit/testkit.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

namespace fs = std::filesystem;

namespace vx {
namespace {

// A C type of the corpus and two of its values.
struct Kind {
    std::string name;  // short name, part of the test names
    std::string type;  // the C type
    std::string one;   // a value
    std::string two;   // a different value
    bool numeric;      // takes DELTA, MIN and MAX
};

const std::vector<Kind>& kinds() {
    static const std::vector<Kind> list = {
        {"int", "int", "7", "-3", true},
        {"uint", "unsigned int", "7", "9", true},
        {"short", "short", "-7", "8", true},
        {"llong", "long long", "123456789012", "5", true},
        {"ullong", "unsigned long long", "18446744073709551615", "3", true},
        {"uchar", "unsigned char", "0xba", "0x00", true},
        {"byte", "BYTE", "0x10", "0x11", true},
        {"u8", "uint8_t", "255", "1", true},
        {"schar", "signed char", "-5", "5", true},
        {"char", "char", "'a'", "'b'", false},
        {"float", "float", "1.5", "2.5", true},
        {"double", "double", "0.25", "0.5", true},
        {"enum", "enum color", "GREEN", "BLUE", false},
        {"bool", "_Bool", "1", "0", false},
        {"string", "char", "\"abc\"", "\"abd\"", false},  // char[8]
        {"pointer", "int *", "NIL", "&s_int", false},
    };
    return list;
}

// The declarator of a variable of the kind: strings are arrays of 8.
std::string declare(const Kind& k, const std::string& declarator) {
    return k.type + " " + declarator + (k.name == "string" ? "[8]" : "");
}

struct Case {
    std::string test;       // the TEST name
    std::string statement;  // the variable statement
    std::string wrong;      // for a failing case, the element the report must name
};

// The forms of one kind, right and wrong.
std::vector<Case> cases_of(const Kind& k) {
    const std::string& a = k.one;
    const std::string& b = k.two;
    const std::string n = k.name;
    std::vector<Case> out;
    auto both = [&](const std::string& form, const std::string& right, const std::string& wrong,
                    const std::string& element) {
        out.push_back({"r_" + n + "_" + form, right, ""});
        out.push_back({"w_" + n + "_" + form, wrong, element});
    };
    const std::string s = "s_" + n;
    both("scalar", "VAR " + s + ", INIT = " + a + ", EV = " + a,
         "VAR " + s + ", INIT = " + a + ", EV = " + b, s);
    both("in",
         "VAR " + s + ", INIT IN {" + a + ", " + b + "}, EV (" + s + ") IN {" + a + ", " + b + "}",
         "VAR " + s + ", INIT IN {" + a + ", " + b + "}, EV (" + s + ") IN {" + a + ", " + a + "}",
         s);
    if (k.numeric) {
        both("delta", "VAR " + s + ", INIT = " + a + ", EV = " + a + ", DELTA = 1",
             "VAR " + s + ", INIT = " + a + ", EV = " + b + ", DELTA = 0", s);
        both("minmax", "VAR " + s + ", INIT = " + a + ", MIN = " + a + ", MAX = " + a,
             "VAR " + s + ", INIT = " + a + ", MIN = " + b + ", MAX = " + b, s);
        both("in_delta",
             "VAR " + s + ", INIT IN {" + a + ", " + b + "}, EV (" + s + ") IN {" + a + ", " + b +
                 "}, DELTA = 0",
             "VAR " + s + ", INIT IN {" + a + ", " + b + "}, EV (" + s + ") IN {" + b + ", " + b +
                 "}, DELTA = 0",
             s);
    }
    // An array of plain chars is a string: the string kind covers it.
    const bool arrays = k.name != "char";
    const std::string as = "as_" + n;  // struct { T m; int n; } [2]
    both("structs",
         "VAR " + as + ", INIT = {{" + a + ", 1}, others => {" + b + ", 2}}, EV = {{" + a +
             ", 1}, {" + b + ", 2}}",
         "VAR " + as + ", INIT = {{" + a + ", 1}, others => {" + b + ", 2}}, EV = {{" + a +
             ", 1}, {" + a + ", 2}}",
         as + "[1].m");
    if (!arrays) return out;
    const std::string arr = "a_" + n;
    both("array",
         "VAR " + arr + ", INIT = {" + a + ", " + b + ", " + a + "}, EV = {" + a + ", " + b + ", " +
             a + "}",
         "VAR " + arr + ", INIT = {" + a + ", " + b + ", " + a + "}, EV = {" + a + ", " + b + ", " +
             b + "}",
         arr + "[2]");
    both("whole",
         "ARRAY " + arr + ", INIT = {others => " + a + "}, EV = [1 => " + a + ", others => " + a +
             "]",
         "ARRAY " + arr + ", INIT = {others => " + a + "}, EV = [1 => " + b + ", others => " + a +
             "]",
         arr + "[1]");
    both("range",
         "VAR " + arr + ", INIT = [0..1 => " + b + ", 2 => " + a + "], EV = {" + b + ", " + b +
             ", " + a + "}",
         "VAR " + arr + ", INIT = [0..1 => " + b + ", 2 => " + a + "], EV = {" + b + ", " + a +
             ", " + a + "}",
         arr + "[1]");
    if (k.name == "uchar" || k.name == "byte" || k.name == "u8") {
        both("bytes", "ARRAY " + arr + ", INIT = \"\\x01\\x00\\x02\", EV = {1, 0, 2}",
             "ARRAY " + arr + ", INIT = \"\\x01\\x00\\x02\", EV = \"\\x01\\x00\\x03\"",
             arr + "[2]");
        both("bytes_var", "VAR " + arr + ", INIT = \"\\x01\\x00\", EV = \"\\x01\\x00\"",
             "VAR " + arr + ", INIT = \"\\x01\\x00\", EV = \"\\x01\\x01\"", arr + "[1]");
    }
    const std::string sa = "sa_" + n;  // struct { T m[2]; int n; }
    both("struct",
         "STR " + sa + ", INIT = {{" + a + ", " + b + "}, 3}, EV = {{" + a + ", " + b + "}, 3}",
         "STR " + sa + ", INIT = {{" + a + ", " + b + "}, 3}, EV = {{" + a + ", " + a + "}, 3}",
         sa + ".m[1]");
    both("members",
         "VAR " + sa + ", INIT = {" + a + ", " + b + ", 3}, EV = {m => {" + a + ", " + b +
             "}, n => 3}",
         "VAR " + sa + ", INIT = {" + a + ", " + b + ", 3}, EV = {m => {" + b + ", " + b +
             "}, n => 3}",
         sa + ".m[0]");
    const std::string ns = "ns_" + n;  // struct { struct { T m[2]; } in[2]; }
    both("nested",
         "VAR " + ns + ", INIT = {{{{" + a + ", " + b + "}}, {{" + b + ", " + a +
             "}}}}, EV = {in => [0 => {{" + a + ", " + b + "}}, 1 => {{" + b + ", " + a + "}}]}",
         "VAR " + ns + ", INIT = {{{{" + a + ", " + b + "}}, {{" + b + ", " + a +
             "}}}}, EV = {in => [0 => {{" + a + ", " + b + "}}, 1 => {{" + b + ", " + b + "}}]}",
         ns + ".in[1].m[1]");
    return out;
}

std::string unit_header() {
    std::ostringstream h;
    h << "#include <stdint.h>\n#include <stddef.h>\n"
      << "typedef unsigned char BYTE;\nenum color { RED, GREEN = 5, BLUE };\n";
    for (const Kind& k : kinds()) {
        h << "extern " << declare(k, "s_" + k.name) << ";\n";
        h << "extern " << declare(k, "a_" + k.name + "[3]") << ";\n";
        h << "extern struct sa_t_" << k.name << " { " << declare(k, "m[2]") << "; int n; } sa_"
          << k.name << ";\n";
        h << "extern struct as_t_" << k.name << " { " << declare(k, "m") << "; int n; } as_"
          << k.name << "[2];\n";
        h << "extern struct ns_t_" << k.name << " { struct { " << declare(k, "m[2]")
          << "; } in[2]; } ns_" << k.name << ";\n";
    }
    h << "void compute(void);\n";
    return h.str();
}

std::string unit_source() {
    std::ostringstream c;
    c << "#include \"unit.h\"\n";
    for (const Kind& k : kinds()) {
        c << declare(k, "s_" + k.name) << ";\n";
        c << declare(k, "a_" + k.name + "[3]") << ";\n";
        c << "struct sa_t_" << k.name << " sa_" << k.name << ";\n";
        c << "struct as_t_" << k.name << " as_" << k.name << "[2];\n";
        c << "struct ns_t_" << k.name << " ns_" << k.name << ";\n";
    }
    // The code under test leaves every value as it was set.
    c << "void compute(void) {}\n";
    return c.str();
}

std::string script(const std::vector<Case>& cases) {
    std::ostringstream s;
    s << "HEADER unit, 1.0, , the corpus of value kinds\n##include \"unit.h\"\nBEGIN\nSERVICE "
         "compute\n";
    for (const Case& c : cases) {
        s << "TEST " << c.test << "\nFAMILY nominal\nELEMENT\n"
          << c.statement << "\n#compute();\nEND ELEMENT\nEND FAMILY\nEND TEST\n";
    }
    s << "END SERVICE\n";
    return s.str();
}

// The report's lines of each test, by test name.
std::map<std::string, std::vector<std::string>> tests_of(const std::string& report) {
    std::map<std::string, std::vector<std::string>> tests;
    std::string current;
    for (const std::string& line : testkit::split_lines(report)) {
        const std::size_t at = line.find("  TEST ");
        if (at == 0) {
            std::string rest = line.substr(7);
            current = rest.substr(0, rest.find_first_of(" :"));
        }
        if (!current.empty()) tests[current].push_back(line);
    }
    return tests;
}

// Compiles the script of `dir`, builds its harness with -Werror (and
// clang's warnings when there is clang), runs it and returns the report's
// text; the run and the report must fail, as some checks fail on purpose.
std::string compile_build_and_report(const testkit::ScratchDir& dir,
                                     const std::string& script_name) {
    const std::string target = testkit::dist_dir() + "/target";
    auto compiled = testkit::run_compiler(
        {script_name, "t.c"}, {{"VXLTGT", target}, {"VEXORCINC", std::string("TP.h")}}, dir.path());
    EXPECT_EQ(compiled.status, 0) << compiled.err;
    if (compiled.status != 0) return {};

    const std::string lib = target + "/lib";
    auto object = testkit::run_program(
        "cc", {"-std=c99", "-Wall", "-Wextra", "-Werror", "-I" + lib, "-I" + dir.path(), "-c",
               dir.file("t.c"), "-o", dir.file("t.o")});
    EXPECT_EQ(object.status, 0) << "the harness draws warnings:\n" << object.err;
    if (object.status != 0) return {};
    // The other compiler of the hosts, when there is one, has its own
    // warnings.
    auto clang =
        testkit::run_program("clang", {"-std=c99", "-Wall", "-Wextra", "-Werror", "-I" + lib,
                                       "-I" + dir.path(), "-fsyntax-only", dir.file("t.c")});
    if (clang.status != -1 && clang.status != 127) {
        EXPECT_EQ(clang.status, 0) << "the harness draws warnings from clang:\n" << clang.err;
    }
    auto built =
        testkit::run_program("cc", {"-std=c99", "-I" + lib, "-I" + dir.path(), dir.file("t.o"),
                                    dir.file("unit.c"), lib + "/TP.c", "-o", dir.file("harness")});
    EXPECT_EQ(built.status, 0) << built.err;
    if (built.status != 0) return {};
    auto ran = testkit::run_program(dir.file("harness"), {}, {}, dir.path());
    // The harness's own status: some checks fail on purpose.
    EXPECT_EQ(ran.status, 1) << ran.err;
    std::string rio;
    for (const auto& entry : fs::recursive_directory_iterator(dir.path())) {
        if (entry.path().extension() == ".rio") rio = entry.path().string();
    }
    EXPECT_FALSE(rio.empty());
    if (rio.empty()) return {};
    auto report =
        testkit::run_program(testkit::dist_dir() + "/bin/vexorreport", {dir.file("t.tdc"), rio});
    EXPECT_EQ(report.status, 1) << "the wrong expectations must fail the run";
    return report.out;
}

// Every right case passes, every wrong case fails at its place.
void expect_outcomes(const std::vector<Case>& cases, const std::string& report) {
    const auto tests = tests_of(report);
    for (const Case& c : cases) {
        auto found = tests.find(c.test);
        ASSERT_NE(found, tests.end()) << c.test << " is not in the report:\n" << report;
        std::string failures;
        for (const std::string& line : found->second) {
            if (line.find("FAIL ") != std::string::npos) failures += line + "\n";
        }
        if (c.wrong.empty()) {
            EXPECT_TRUE(failures.empty()) << c.test << ": " << c.statement << "\n" << failures;
        } else {
            EXPECT_NE(failures.find("FAIL  " + c.wrong + ":"), std::string::npos)
                << c.test << ": " << c.statement << " must fail at " << c.wrong << "\n"
                << (failures.empty() ? std::string("(no failure)") : failures);
        }
    }
}

TEST(Corpus, EveryValueKindInEveryShapeAndForm) {
    testkit::ScratchDir dir;
    std::vector<Case> cases;
    for (const Kind& k : kinds()) {
        for (Case& c : cases_of(k)) cases.push_back(std::move(c));
    }
    testkit::write_file(dir.file("unit.h"), unit_header());
    testkit::write_file(dir.file("unit.c"), unit_source());
    testkit::write_file(dir.file("corpus.ptu"), script(cases));
    expect_outcomes(cases, compile_build_and_report(dir, "corpus.ptu"));
}

// ---- the C of firmware -------------------------------------------------------

// The toolchain files of the installation, with the tools each needs.
struct CrossTarget {
    std::string toolchain;
    std::string compiler;
    std::string emulator;
};

const std::vector<CrossTarget>& cross_targets() {
    static const std::vector<CrossTarget> list = {
        {"cortex-m3-qemu.cmake", "arm-none-eabi-gcc", "qemu-system-arm"},
        {"powerpc-linux-qemu.cmake", "powerpc-linux-gnu-gcc", "qemu-ppc"},
    };
    return list;
}

std::string xml_text(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// Builds the script of `dir` with the unit for a target, as a project of
// the installation's CMake functions with the target's toolchain file and
// -Wall -Wextra -Werror, runs it under the target's emulator through
// ctest, and returns the JUnit file of its report.
std::string cross_junit(const testkit::ScratchDir& dir, const std::string& script,
                        const CrossTarget& target) {
    for (const std::string& tool : {target.compiler, target.emulator}) {
        auto found = testkit::run_program("sh", {"-c", "command -v " + tool});
        EXPECT_EQ(found.status, 0)
            << tool << " is not installed (scripts/install-deps.sh installs it)";
        if (found.status != 0) return {};
    }
    const std::string dist = testkit::dist_dir();
    const std::string project = dir.file(target.compiler);
    fs::create_directories(project);
    testkit::write_file(project + "/CMakeLists.txt",
                        "cmake_minimum_required(VERSION 3.20)\nproject(corpus C)\n"
                        "include(\"${VEXOR_DIR}/cmake/VexorTest.cmake\")\nenable_testing()\n"
                        "vexor_add_test(NAME corpus SCRIPT \"" +
                            dir.file(script) + "\" SOURCES \"" + dir.file("unit.c") +
                            "\" INCLUDE_DIRECTORIES \"" + dir.path() + "\")\n");
    const std::string build = project + "/build";
    auto configured = testkit::run_program(
        "cmake", {"-S", project, "-B", build, "-DVEXOR_DIR=" + dist,
                  "-DCMAKE_TOOLCHAIN_FILE=" + dist + "/cmake/toolchains/" + target.toolchain,
                  "-DCMAKE_C_FLAGS=-Wall -Wextra -Werror"});
    EXPECT_EQ(configured.status, 0) << configured.out << configured.err;
    auto built = testkit::run_program("cmake", {"--build", build});
    EXPECT_EQ(built.status, 0) << "the harness does not build for the target:\n" << built.out;
    if (configured.status != 0 || built.status != 0) return {};
    // Some checks fail on purpose: ctest's status says nothing here.
    testkit::run_program("ctest", {}, {}, build);
    std::ifstream in(build + "/vexor/corpus/corpus.xml", std::ios::binary);
    std::string junit((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_FALSE(junit.empty()) << "no JUnit file for " << target.toolchain;
    return junit;
}

// Every right case passes on the target, every wrong case fails at its
// place, as the JUnit file of the target's run tells.
void expect_junit_outcomes(const std::vector<Case>& cases, const std::string& junit) {
    for (const Case& c : cases) {
        // The test's cases: one a run ("t", "t (run 2)" ...).
        std::string block;
        std::string failed;
        const std::string head = "<testcase name=\"" + c.test;
        for (std::size_t start = junit.find(head); start != std::string::npos;
             start = junit.find(head, start + 1)) {
            const char after = junit[start + head.size()];
            if (after != '"' && after != ' ') continue;
            const std::string one = junit.substr(start, junit.find("</testcase>", start) - start);
            block += one;
            // The failure element names the wrong element (the lines of
            // the run after it name every element, right or wrong).
            const std::size_t failure = one.find("<failure");
            if (failure != std::string::npos) {
                failed += one.substr(failure, one.find("</failure>", failure) - failure);
            }
        }
        ASSERT_FALSE(block.empty()) << c.test << " is not in the JUnit file";
        if (c.wrong.empty()) {
            EXPECT_TRUE(failed.empty()) << c.test << "\n" << block;
        } else {
            EXPECT_NE(failed.find(xml_text(c.wrong) + ": obtained"), std::string::npos)
                << c.test << " must fail at " << c.wrong << " on the target\n"
                << block;
        }
    }
}

// Buffers sized by constant expressions in every shape, a struct that ends
// with a flexible array member, and C11 atomics, right and wrong.
TEST(Corpus, FirmwareDeclarationsInEveryShape) {
    testkit::ScratchDir dir;
    testkit::write_file(
        dir.file("unit.h"),
        "#include <stdint.h>\n#include <stddef.h>\n#define WBITS 2\n"
        "enum { NSLOT = 3 };\ntypedef unsigned char u8;\n"
        "extern u8 cb_array[1 << WBITS];\n"
        "extern int16_t cb_matrix[NSLOT - 1][sizeof(uint16_t)];\n"
        "extern struct cb_s { u8 m[(NSLOT > 2) ? 3 : 1]; int n; } cb_struct;\n"
        "extern struct cb_a { int v; u8 k[WBITS * 2 - 1]; } cb_structs[(size_t)2];\n"
        "extern char cb_text[sizeof(uint32_t) + 4];\n"
        "struct cb_flex { uint8_t len; uint16_t w[2 << 0]; uint8_t data[]; };\n"
        "extern struct cb_flex *cb_frame;\n"
        "extern _Atomic uint32_t cb_atomic;\nextern _Atomic(int16_t) cb_atomic2;\n"
        "void compute(void);\n");
    testkit::write_file(dir.file("unit.c"),
                        "#include \"unit.h\"\nu8 cb_array[1 << WBITS];\n"
                        "int16_t cb_matrix[NSLOT - 1][sizeof(uint16_t)];\n"
                        "struct cb_s cb_struct;\nstruct cb_a cb_structs[(size_t)2];\n"
                        "char cb_text[sizeof(uint32_t) + 4];\n"
                        "static struct { struct cb_flex f; uint8_t room[4]; } holder;\n"
                        "struct cb_flex *cb_frame = &holder.f;\n"
                        "_Atomic uint32_t cb_atomic;\n_Atomic(int16_t) cb_atomic2;\n"
                        "void compute(void) {}\n");
    std::vector<Case> cases;
    auto both = [&](const std::string& name, const std::string& right, const std::string& wrong,
                    const std::string& element) {
        cases.push_back({"r_" + name, right, ""});
        cases.push_back({"w_" + name, wrong, element});
    };
    both("shift", "VAR cb_array, INIT = {1, 2, 3, 4}, EV = {1, 2, 3, 4}",
         "VAR cb_array, INIT = {1, 2, 3, 4}, EV = {1, 2, 3, 5}", "cb_array[3]");
    both("others", "ARRAY cb_array, INIT = {others => 7}, EV = [0..2 => 7, 3 => 7]",
         "ARRAY cb_array, INIT = {others => 7}, EV = [0..2 => 7, 3 => 8]", "cb_array[3]");
    both("matrix", "VAR cb_matrix, INIT = {{1, 2}, {3, 4}}, EV = {{1, 2}, {3, 4}}",
         "VAR cb_matrix, INIT = {{1, 2}, {3, 4}}, EV = {{1, 2}, {3, 3}}", "cb_matrix[1][1]");
    both("ternary", "STR cb_struct, INIT = {{1, 2, 3}, 4}, EV = {m => {1, 2, 3}, n => 4}",
         "STR cb_struct, INIT = {{1, 2, 3}, 4}, EV = {m => {1, 2, 2}, n => 4}", "cb_struct.m[2]");
    both("structs",
         "VAR cb_structs, INIT = {others => {1, {others => 2}}}, EV = {{1, {2, 2, 2}}, {1, {2, 2, "
         "2}}}",
         "VAR cb_structs, INIT = {others => {1, {others => 2}}}, EV = {{1, {2, 2, 2}}, {1, {2, 2, "
         "3}}}",
         "cb_structs[1].k[2]");
    both("text", "VAR cb_text, INIT = \"abcdefg\", EV = \"abcdefg\"",
         "VAR cb_text, INIT = \"abcdefg\", EV = \"abcdefh\"", "cb_text");
    both("flexible", "VAR *cb_frame, INIT = {1, {2, 3}}, EV = {len => 1, w => {2, 3}}",
         "VAR *cb_frame, INIT = {1, {2, 3}}, EV = {len => 1, w => {2, 2}}", "(*cb_frame).w[1]");
    both("flexible_others", "VAR *cb_frame, INIT = {others => 0}, EV = {0, {others => 0}}",
         "VAR *cb_frame, INIT = {others => 0}, EV = {1, {others => 0}}", "(*cb_frame).len");
    both("flexible_member", "VAR cb_frame->data[2], INIT = 9, EV = 9",
         "VAR cb_frame->data[2], INIT = 9, EV = 8", "cb_frame->data[2]");
    // A slice: the elements of a flexible member the test knows are there,
    // or a part of a sized array, taken as an array of their own.
    both("slice", "ARRAY cb_frame->data[0..3], INIT = {1, 2, 3, 4}, EV = {1, 2, 3, 4}",
         "ARRAY cb_frame->data[0..3], INIT = {1, 2, 3, 4}, EV = {1, 2, 3, 5}",
         "(&(cb_frame->data)[0])[3]");
    both("slice_var", "VAR cb_array[1..2], INIT = {5, 6}, EV = [0 => 5, others => 6]",
         "VAR cb_array[1..2], INIT = {5, 6}, EV = [0 => 5, others => 7]", "(&(cb_array)[1])[1]");
    both("atomic", "VAR cb_atomic, INIT = 4000000000, EV = 4000000000",
         "VAR cb_atomic, INIT = 4000000000, EV = 4000000001", "cb_atomic");
    both("atomic_specifier", "VAR cb_atomic2, INIT = -300, EV = -300",
         "VAR cb_atomic2, INIT = -300, EV = 300", "cb_atomic2");
    both("auto_type", "VAR cb_auto, INIT = 65535, EV = 65535",
         "VAR cb_auto, INIT = 65535, EV = 65534", "cb_auto");
    both("linked_with", "VAR cb_array[0], INIT IN {1, 2}, EV (cb_array[0]) WITH {1, 2}",
         "VAR cb_array[0], INIT IN {1, 2}, EV (cb_array[0]) WITH {1, 3}", "cb_array[0]");
    std::string text = script(cases);
    // A variable of the script's own, typed by its initializer (GNU C).
    const std::string include = "##include \"unit.h\"\n";
    text.insert(text.find(include) + include.size(), "#__auto_type cb_auto = (uint16_t)300;\n");
    testkit::write_file(dir.file("firmware.ptu"), text);
    const std::string report = compile_build_and_report(dir, "firmware.ptu");
    expect_outcomes(cases, report);
    // The linked list is reported as the IN list it checks against.
    EXPECT_NE(report.find("(script: IN (2) 1,3)"), std::string::npos) << report;
    // The same cases on each embedded target, under its emulator.
    for (const CrossTarget& target : cross_targets()) {
        SCOPED_TRACE(target.toolchain);
        expect_junit_outcomes(cases, cross_junit(dir, "firmware.ptu", target));
    }
}

// A struct given to a stub in every form of a value: a short brace list
// (the rest is zero, as in a compound literal), associations, ranges,
// others, nested lists; as an input, an output and a return value.
TEST(Corpus, StructValuesOfStubsInEveryForm) {
    testkit::ScratchDir dir;
    testkit::write_file(dir.file("unit.h"),
                        "#include <stdint.h>\n"
                        "struct reading { int16_t level; uint8_t raw[3]; struct { int a; int b; } "
                        "pair; char tag[4]; };\n"
                        "void sink(struct reading r);\nvoid source(struct reading *r);\n"
                        "struct reading fetch(int channel);\n"
                        "extern struct reading got;\nvoid give(void);\nvoid take(void);\n"
                        "void pull(void);\n");
    testkit::write_file(dir.file("unit.c"),
                        "#include \"unit.h\"\nstruct reading got;\n"
                        "void give(void) { sink(got); }\nvoid take(void) { source(&got); }\n"
                        "void pull(void) { got = fetch(2); }\n");
    std::vector<Case> cases;
    auto both = [&](const std::string& name, const std::string& right, const std::string& wrong,
                    const std::string& element) {
        cases.push_back({"r_" + name, right, ""});
        cases.push_back({"w_" + name, wrong, element});
    };
    const std::string set =
        "VAR got, INIT = {5, {1, 2, 3}, {7, 8}, \"ab\"}, EV = {5, {1, 2, 3}, {7, 8}, \"ab\"}\n";
    const std::string part =
        "VAR got, INIT = {5, {1, 2, 3}, {0, 0}, \"\"}, EV = {5, {1, 2, 3}, {0, 0}, \"\"}\n";
    both("short", part + "STUB sink ({5, {1, 2, 3}})\n#give();",
         part + "STUB sink ({4, {1, 2, 3}})\n#give();", "stub sink call 1: r.level");
    both("associations",
         set +
             "STUB sink ({tag => \"ab\", level => 5, pair => {b => 8, a => 7}, others => {1, 2, "
             "3}})\n#give();",
         set +
             "STUB sink ({tag => \"ab\", level => 5, pair => {b => 8, a => 8}, others => {1, 2, "
             "3}})\n#give();",
         "stub sink call 1: r.pair.a");
    both("ranges", set + "STUB sink ({5, [0 => 1, 1 => 2, others => 3], {7, 8}, \"ab\"})\n#give();",
         set + "STUB sink ({5, [0 => 1, 1 => 2, others => 3], {7, 9}, \"ab\"})\n#give();",
         "stub sink call 1: r.pair.b");
    const std::string zero = "VAR got, INIT = {others => 0}, ";
    both("output_others",
         zero +
             "EV = {3, {9, 9, 0}, {0, 0}, \"\"}\nSTUB source ({3, [0..1 => 9, others => "
             "0]})\n#take();",
         zero +
             "EV = {3, {9, 9, 0}, {0, 1}, \"\"}\nSTUB source ({3, [0..1 => 9, others => "
             "0]})\n#take();",
         "got.pair.b");
    both("output_nested",
         zero +
             "EV = {0, {0, 0, 0}, {4, 0}, \"xy\"}\nSTUB source ({pair => {4}, tag => "
             "\"xy\"})\n#take();",
         zero +
             "EV = {0, {0, 0, 0}, {4, 0}, \"xz\"}\nSTUB source ({pair => {4}, tag => "
             "\"xy\"})\n#take();",
         "got.tag");
    both("return",
         zero + "EV = {-1, {0, 0, 6}, {0, 0}, \"\"}\nSTUB fetch (2) {-1, {2 => 6}}\n#pull();",
         zero + "EV = {-1, {0, 0, 6}, {0, 0}, \"\"}\nSTUB fetch (2) {-1, {1 => 6}}\n#pull();",
         "got.raw[1]");
    std::ostringstream s;
    s << "HEADER unit, 1.0, , struct values of stubs\n##include \"unit.h\"\nBEGIN\n"
      << "DEFINE STUB unit\n#void sink(_in struct reading r);\n"
      << "#void source(_out struct reading *r);\n#struct reading fetch(_in int channel);\n"
      << "END DEFINE\nSERVICE give\n";
    for (const Case& c : cases) {
        s << "TEST " << c.test << "\nFAMILY nominal\nELEMENT\n"
          << c.statement << "\nEND ELEMENT\nEND FAMILY\nEND TEST\n";
    }
    s << "END SERVICE\n";
    testkit::write_file(dir.file("stubs.ptu"), s.str());
    expect_outcomes(cases, compile_build_and_report(dir, "stubs.ptu"));
    for (const CrossTarget& target : cross_targets()) {
        SCOPED_TRACE(target.toolchain);
        expect_junit_outcomes(cases, cross_junit(dir, "stubs.ptu", target));
    }
}

// ---- stub parameters ----------------------------------------------------------

// The stubs of one kind, each called by a function of the unit with the
// unit's variables of that kind: a scalar and a buffer of three in each
// direction (for the string kind, a text buffer and a string pointer).
struct StubShape {
    std::string name;       // stub name prefix: si, so, sio, bi, bo, bio
    std::string prototype;  // the DEFINE STUB line, %T the type, %N the kind
    std::string unit;       // the unit's declaration
    std::string call;       // the unit's call
};

std::vector<StubShape> stub_shapes(const Kind& k) {
    const std::string n = k.name;
    if (n == "string") {
        return {
            {"si", "void si_string(_in const char *v);", "void si_string(const char *v);",
             "si_string(s_string)"},
            {"bi", "void bi_string(_in const char v[8]);", "void bi_string(const char *v);",
             "bi_string(s_string)"},
            {"bo", "void bo_string(_out char v[8]);", "void bo_string(char *v);",
             "bo_string(s_string)"},
            {"bio", "void bio_string(_inout char v[8]);", "void bio_string(char v[]);",
             "bio_string(s_string)"},
        };
    }
    const std::string& t = k.type;
    return {
        {"si", "void si_" + n + "(_in " + t + " v);", "void si_" + n + "(" + t + " v);",
         "si_" + n + "(s_" + n + ")"},
        {"so", "void so_" + n + "(_out " + t + " *v);", "void so_" + n + "(" + t + " *v);",
         "so_" + n + "(&s_" + n + ")"},
        {"sio", "void sio_" + n + "(_inout " + t + " *v);", "void sio_" + n + "(" + t + " *v);",
         "sio_" + n + "(&s_" + n + ")"},
        {"bi", "void bi_" + n + "(_in " + t + " v[3]);", "void bi_" + n + "(" + t + " *v);",
         "bi_" + n + "(a_" + n + ")"},
        {"bo", "void bo_" + n + "(_out " + t + " v[3]);", "void bo_" + n + "(" + t + " *v);",
         "bo_" + n + "(a_" + n + ")"},
        {"bio", "void bio_" + n + "(_inout " + t + " v[3]);", "void bio_" + n + "(" + t + " v[3]);",
         "bio_" + n + "(a_" + n + ")"},
    };
}

// The cases of the stubs of one kind: each a STUB statement with the
// variable statements around the call, right and wrong.
std::vector<Case> stub_cases_of(const Kind& k) {
    const std::string& a = k.one;
    const std::string& b = k.two;
    const std::string n = k.name;
    const std::string s = "s_" + n;
    const std::string arr = "a_" + n;
    std::vector<Case> out;
    auto both = [&](const std::string& stub, const std::string& right, const std::string& wrong,
                    const std::string& element) {
        const std::string call = "#call_" + stub + "_" + n + "();";
        out.push_back({"r_" + stub + "_" + n, right + "\n" + call, ""});
        out.push_back({"w_" + stub + "_" + n, wrong + "\n" + call, element});
    };
    if (n == "string") {
        both("si", "VAR s_string, INIT = \"abc\", EV = \"abc\"\nSTUB si_string (\"abc\")",
             "VAR s_string, INIT = \"abc\", EV = \"abc\"\nSTUB si_string (\"abd\")",
             "stub si_string call 1: v");
        both("bi", "VAR s_string, INIT = \"abc\", EV = \"abc\"\nSTUB bi_string (\"abc\")",
             "VAR s_string, INIT = \"abc\", EV = \"abc\"\nSTUB bi_string (\"ab\")",
             "stub bi_string call 1: v");
        both("bo", "VAR s_string, INIT = \"abcdef\", EV = \"xy\"\nSTUB bo_string (\"xy\")",
             "VAR s_string, INIT = \"abcdef\", EV = \"xyz\"\nSTUB bo_string (\"xy\")", "s_string");
        both("bio", "VAR s_string, INIT = \"abc\", EV = \"q\"\nSTUB bio_string (\"abc\" => \"q\")",
             "VAR s_string, INIT = \"abc\", EV = \"q\"\nSTUB bio_string (\"abd\" => \"q\")",
             "stub bio_string call 1: v");
        return out;
    }
    both("si", "VAR " + s + ", INIT = " + a + ", EV = " + a + "\nSTUB si_" + n + " (" + a + ")",
         "VAR " + s + ", INIT = " + a + ", EV = " + a + "\nSTUB si_" + n + " (" + b + ")",
         "stub si_" + n + " call 1: v");
    both("so", "VAR " + s + ", INIT = " + b + ", EV = " + a + "\nSTUB so_" + n + " (" + a + ")",
         "VAR " + s + ", INIT = " + b + ", EV = " + b + "\nSTUB so_" + n + " (" + a + ")", s);
    both("sio",
         "VAR " + s + ", INIT = " + a + ", EV = " + b + "\nSTUB sio_" + n + " (" + a + " => " + b +
             ")",
         "VAR " + s + ", INIT = " + a + ", EV = " + b + "\nSTUB sio_" + n + " (" + b + " => " + b +
             ")",
         "stub sio_" + n + " call 1: v");
    if (n == "char") return out;  // an array of plain chars is the string kind's
    both("bi",
         "VAR " + arr + ", INIT = {" + a + ", " + b + ", " + a + "}, EV = {" + a + ", " + b + ", " +
             a + "}\nSTUB bi_" + n + " ({" + a + ", " + b + ", " + a + "})",
         "VAR " + arr + ", INIT = {" + a + ", " + b + ", " + a + "}, EV = {" + a + ", " + b + ", " +
             a + "}\nSTUB bi_" + n + " ({" + a + ", " + b + ", " + b + "})",
         "stub bi_" + n + " call 1: v[2]");
    both("bo",
         "VAR " + arr + ", INIT = {others => " + a + "}, EV = {" + b + ", " + a + ", " + b +
             "}\nSTUB bo_" + n + " ([1 => " + a + ", others => " + b + "])",
         "VAR " + arr + ", INIT = {others => " + a + "}, EV = {" + b + ", " + a + ", " + a +
             "}\nSTUB bo_" + n + " ([1 => " + a + ", others => " + b + "])",
         arr + "[2]");
    both("bio",
         "VAR " + arr + ", INIT = {" + a + ", " + b + ", " + a + "}, EV = {others => " + b +
             "}\nSTUB bio_" + n + " ({" + a + ", " + b + ", " + a + "} => [others => " + b + "])",
         "VAR " + arr + ", INIT = {" + a + ", " + b + ", " + a + "}, EV = {others => " + b +
             "}\nSTUB bio_" + n + " ({" + a + ", " + a + ", " + a + "} => [others => " + b + "])",
         "stub bio_" + n + " call 1: v[1]");
    return out;
}

TEST(Corpus, EveryValueKindAsAStubParameterInEachDirection) {
    testkit::ScratchDir dir;
    std::ostringstream header;
    std::ostringstream source;
    std::ostringstream stubs;
    header << unit_header();
    source << unit_source();
    for (const Kind& k : kinds()) {
        for (const StubShape& shape : stub_shapes(k)) {
            const std::string fn = "call_" + shape.name + "_" + k.name;
            header << shape.unit << "\nvoid " << fn << "(void);\n";
            source << "void " << fn << "(void) { " << shape.call << "; }\n";
            stubs << "#" << shape.prototype << "\n";
        }
    }
    std::vector<Case> cases;
    for (const Kind& k : kinds()) {
        for (Case& c : stub_cases_of(k)) cases.push_back(std::move(c));
    }
    std::ostringstream s;
    s << "HEADER unit, 1.0, , the corpus of stub parameters\n##include \"unit.h\"\nBEGIN\n"
      << "DEFINE STUB unit\n"
      << stubs.str() << "END DEFINE\nSERVICE compute\n";
    for (const Case& c : cases) {
        s << "TEST " << c.test << "\nFAMILY nominal\nELEMENT\n"
          << c.statement << "\nEND ELEMENT\nEND FAMILY\nEND TEST\n";
    }
    s << "END SERVICE\n";
    testkit::write_file(dir.file("unit.h"), header.str());
    testkit::write_file(dir.file("unit.c"), source.str());
    testkit::write_file(dir.file("stubs.ptu"), s.str());
    expect_outcomes(cases, compile_build_and_report(dir, "stubs.ptu"));
}

}  // namespace
}  // namespace vx
