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
// built with -Wall -Wextra -Werror, run, and its report read.
#include "testkit/testkit.h"

#include <gtest/gtest.h>

#include <filesystem>
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
    both("in", "VAR " + s + ", INIT IN {" + a + ", " + b + "}, EV (" + s + ") IN {" + a + ", " + b + "}",
         "VAR " + s + ", INIT IN {" + a + ", " + b + "}, EV (" + s + ") IN {" + a + ", " + a + "}", s);
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
    both("structs", "VAR " + as + ", INIT = {{" + a + ", 1}, others => {" + b + ", 2}}, EV = {{" + a + ", 1}, {" + b + ", 2}}",
         "VAR " + as + ", INIT = {{" + a + ", 1}, others => {" + b + ", 2}}, EV = {{" + a + ", 1}, {" + a + ", 2}}",
         as + "[1].m");
    if (!arrays) return out;
    const std::string arr = "a_" + n;
    both("array", "VAR " + arr + ", INIT = {" + a + ", " + b + ", " + a + "}, EV = {" + a + ", " + b + ", " + a + "}",
         "VAR " + arr + ", INIT = {" + a + ", " + b + ", " + a + "}, EV = {" + a + ", " + b + ", " + b + "}",
         arr + "[2]");
    both("whole", "ARRAY " + arr + ", INIT = {others => " + a + "}, EV = [1 => " + a + ", others => " + a + "]",
         "ARRAY " + arr + ", INIT = {others => " + a + "}, EV = [1 => " + b + ", others => " + a + "]",
         arr + "[1]");
    both("range", "VAR " + arr + ", INIT = [0..1 => " + b + ", 2 => " + a + "], EV = {" + b + ", " + b + ", " + a + "}",
         "VAR " + arr + ", INIT = [0..1 => " + b + ", 2 => " + a + "], EV = {" + b + ", " + a + ", " + a + "}",
         arr + "[1]");
    if (k.name == "uchar" || k.name == "byte" || k.name == "u8") {
        both("bytes", "ARRAY " + arr + ", INIT = \"\\x01\\x00\\x02\", EV = {1, 0, 2}",
             "ARRAY " + arr + ", INIT = \"\\x01\\x00\\x02\", EV = \"\\x01\\x00\\x03\"", arr + "[2]");
        both("bytes_var", "VAR " + arr + ", INIT = \"\\x01\\x00\", EV = \"\\x01\\x00\"",
             "VAR " + arr + ", INIT = \"\\x01\\x00\", EV = \"\\x01\\x01\"", arr + "[1]");
    }
    const std::string sa = "sa_" + n;  // struct { T m[2]; int n; }
    both("struct", "STR " + sa + ", INIT = {{" + a + ", " + b + "}, 3}, EV = {{" + a + ", " + b + "}, 3}",
         "STR " + sa + ", INIT = {{" + a + ", " + b + "}, 3}, EV = {{" + a + ", " + a + "}, 3}",
         sa + ".m[1]");
    both("members", "VAR " + sa + ", INIT = {" + a + ", " + b + ", 3}, EV = {m => {" + a + ", " + b + "}, n => 3}",
         "VAR " + sa + ", INIT = {" + a + ", " + b + ", 3}, EV = {m => {" + b + ", " + b + "}, n => 3}",
         sa + ".m[0]");
    const std::string ns = "ns_" + n;  // struct { struct { T m[2]; } in[2]; }
    both("nested", "VAR " + ns + ", INIT = {{{{" + a + ", " + b + "}}, {{" + b + ", " + a + "}}}}, EV = {in => [0 => {{" + a + ", " + b + "}}, 1 => {{" + b + ", " + a + "}}]}",
         "VAR " + ns + ", INIT = {{{{" + a + ", " + b + "}}, {{" + b + ", " + a + "}}}}, EV = {in => [0 => {{" + a + ", " + b + "}}, 1 => {{" + b + ", " + b + "}}]}",
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
        h << "extern struct sa_t_" << k.name << " { " << declare(k, "m[2]") << "; int n; } sa_" << k.name << ";\n";
        h << "extern struct as_t_" << k.name << " { " << declare(k, "m") << "; int n; } as_" << k.name << "[2];\n";
        h << "extern struct ns_t_" << k.name << " { struct { " << declare(k, "m[2]") << "; } in[2]; } ns_"
          << k.name << ";\n";
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
    s << "HEADER unit, 1.0, , the corpus of value kinds\n##include \"unit.h\"\nBEGIN\nSERVICE compute\n";
    for (const Case& c : cases) {
        s << "TEST " << c.test << "\nFAMILY nominal\nELEMENT\n" << c.statement
          << "\n#compute();\nEND ELEMENT\nEND FAMILY\nEND TEST\n";
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

TEST(Corpus, EveryValueKindInEveryShapeAndForm) {
    testkit::ScratchDir dir;
    std::vector<Case> cases;
    for (const Kind& k : kinds()) {
        for (Case& c : cases_of(k)) cases.push_back(std::move(c));
    }
    testkit::write_file(dir.file("unit.h"), unit_header());
    testkit::write_file(dir.file("unit.c"), unit_source());
    testkit::write_file(dir.file("corpus.ptu"), script(cases));

    const std::string target = testkit::dist_dir() + "/target";
    auto compiled = testkit::run_compiler({"corpus.ptu", "t.c"},
                                          {{"VXLTGT", target}, {"VEXORCINC", std::string("TP.h")}},
                                          dir.path());
    ASSERT_EQ(compiled.status, 0) << compiled.err;

    const std::string lib = target + "/lib";
    auto object = testkit::run_program("cc", {"-std=c99", "-Wall", "-Wextra", "-Werror", "-I" + lib,
                                              "-I" + dir.path(), "-c", dir.file("t.c"), "-o",
                                              dir.file("t.o")});
    ASSERT_EQ(object.status, 0) << "the harness draws warnings:\n" << object.err;
    // The other compiler of the hosts, when there is one, has its own
    // warnings.
    auto clang = testkit::run_program("clang", {"-std=c99", "-Wall", "-Wextra", "-Werror", "-I" + lib,
                                                "-I" + dir.path(), "-fsyntax-only", dir.file("t.c")});
    if (clang.status != -1 && clang.status != 127) {
        EXPECT_EQ(clang.status, 0) << "the harness draws warnings from clang:\n" << clang.err;
    }
    auto built = testkit::run_program("cc", {"-std=c99", "-I" + lib, "-I" + dir.path(), dir.file("t.o"),
                                             dir.file("unit.c"), lib + "/TP.c", "-o", dir.file("harness")});
    ASSERT_EQ(built.status, 0) << built.err;
    auto ran = testkit::run_program(dir.file("harness"), {}, {}, dir.path());
    // The harness's own status: some checks fail on purpose.
    ASSERT_EQ(ran.status, 1) << ran.err;
    std::string rio;
    for (const auto& entry : fs::recursive_directory_iterator(dir.path())) {
        if (entry.path().extension() == ".rio") rio = entry.path().string();
    }
    ASSERT_FALSE(rio.empty());
    auto report = testkit::run_program(testkit::dist_dir() + "/bin/vexorreport", {dir.file("t.tdc"), rio});
    EXPECT_EQ(report.status, 1) << "the wrong expectations must fail the run";

    const auto tests = tests_of(report.out);
    for (const Case& c : cases) {
        auto found = tests.find(c.test);
        ASSERT_NE(found, tests.end()) << c.test << " is not in the report:\n" << report.out;
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

}  // namespace
}  // namespace vx
