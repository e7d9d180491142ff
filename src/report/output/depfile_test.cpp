// The dependency file of a compilation: which files it names (scripts,
// dependency records, the headers the analysis read, found the way the
// compiler's preprocessor finds them), how it writes names for Make, and
// the --depfile command line.
#include "report/input/link_records_testing.h"
#include "report/output/depfile.h"
#include "report/report_cli.h"

#include "testkit/child_process.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string_view>
#include <utility>

namespace {

namespace fs = std::filesystem;
using namespace vx::report;
using vx::testing::read_file;
using vx::testing::ScopedWorkingDirectory;
using vx::testing::ScratchDirectory;
using vx::testing::write_file;

constexpr std::size_t name_width = 25;
constexpr std::size_t path_width = 85;

// An "I" record text as the compiler lays it out.
std::string dependency_record(const std::string& name, const std::string& path,
                              const std::string& includer) {
    std::string text = name;
    text.resize(std::max(text.size(), name_width), ' ');
    text += " / " + (path.empty() ? std::string(34, '-') : path);
    text.resize(std::max(text.size(), path_width), ' ');
    return text + " / " + includer;
}

LinkRecordFile parsed(const std::string& content) {
    LinkRecordFile links;
    auto failure = parse_link_records(vx::report::testing::sealed(content), links);
    EXPECT_FALSE(failure.has_value()) << failure->message;
    return links;
}

TEST(Depfile, DependencyRecordsGiveTheirResolvedPath) {
    EXPECT_EQ(dependency_record_path(dependency_record("unit.h", "/src/inc/unit.h", "t.ptu")),
              "/src/inc/unit.h");
    // A name longer than its column, and one holding the separator itself.
    std::string long_name(40, 'n');
    EXPECT_EQ(dependency_record_path(dependency_record(long_name, "/a/b c.h", "t.ptu")),
              "/a/b c.h");
    EXPECT_EQ(dependency_record_path(dependency_record("odd / name.h", "/x/odd / name.h", "u.h")),
              "/x/odd / name.h");
    // A file that was not found, and texts that are no dependency record.
    EXPECT_EQ(dependency_record_path(dependency_record("gone.h", "", "t.ptu")), std::nullopt);
    EXPECT_EQ(dependency_record_path("plain text"), std::nullopt);
    EXPECT_EQ(dependency_record_path("a.h / relative/a.h / t.ptu"), std::nullopt);
}

TEST(Depfile, NamesForMakeAreEscaped) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"/src/unit.h", "/src/unit.h"},
        {"/my dir/a\tb.h", "/my\\ dir/a\\\tb.h"},
        // A backslash before a blank or "#" is doubled so that it stays one.
        {"/a\\ b", "/a\\\\\\ b"},
        {"/a\\b", "/a\\b"},
        {"/c#1/$HOME.h", "/c\\#1/$$HOME.h"},
        {"/a\\#", "/a\\\\\\#"},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(make_escaped(text), expected) << text;
    }
    EXPECT_EQ(make_escaped("/two\nlines"), std::nullopt);

    std::string refused;
    EXPECT_EQ(depfile_text("out/t.c", {"/s/t.ptu", "/s/my unit.h"}, refused),
              "out/t.c: \\\n  /s/t.ptu \\\n  /s/my\\ unit.h\n");
    EXPECT_EQ(depfile_text("out/t.c", {}, refused), "out/t.c:\n");
    EXPECT_EQ(depfile_text("out/t.c", {"/s/a\rb.h"}, refused), std::nullopt);
    EXPECT_EQ(refused, "/s/a\rb.h");
    EXPECT_EQ(depfile_text("", {"/s/t.ptu"}, refused), std::nullopt);
}

// A project laid out as users lay them out: scripts in tests/, the unit's
// headers in include/ (given as an include directory), a code file copied
// by INCLUDE CODE, and headers that include each other.
class DepfileProject : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = scratch_.path();
        fs::create_directories(root_ / "tests");
        fs::create_directories(root_ / "include/sub");
        fs::create_directories(root_ / "target/lib");
        fs::create_directories(root_ / "work");
        write_file(root_ / "tests/main.ptu",
                   "HEADER unit, 1.0, , t\n"
                   "##include \"unit.h\"\n"
                   "  !#  include \"analysed_only.h\"\n"
                   "@#include \"harness_only.h\"\n"
                   "-- ##include \"commented.h\"\n"
                   "#include \"not_a_directive.h\"\n"
                   "##include <stdio.h>\n"
                   "##include \"beside.h\"\n"
                   "BEGIN\nINCLUDE PTU more.ptu\nINCLUDE CODE code.c\n");
        write_file(root_ / "tests/more.ptu", "##include \"sub/inner.h\"\nSERVICE s\n");
        write_file(root_ / "tests/code.c", "#include \"from_code.h\"\nint helper;\n");
        write_file(root_ / "tests/beside.h", "int beside;\n");
        write_file(root_ / "tests/harness_only.h", "int h;\n");
        write_file(root_ / "tests/commented.h", "int c;\n");
        write_file(root_ / "tests/not_a_directive.h", "int n;\n");
        write_file(root_ / "include/unit.h",
                   "#ifndef UNIT_H\n#define UNIT_H\n#include \"sub/inner.h\"\n"
                   "#if 0\n#include \"disabled.h\"\n#endif\n#include \"unit.h\"\n#endif\n");
        write_file(root_ / "include/analysed_only.h", "int a;\n");
        write_file(root_ / "include/disabled.h", "int d;\n");
        write_file(root_ / "include/from_code.h", "#include_next <tp_types.h>\n");
        write_file(root_ / "include/sub/inner.h",
                   "# include \"inner_local.h\"\n#include MACRO_NAME\n#include \"\"\n");
        write_file(root_ / "include/sub/inner_local.h", "#include \"../unit.h\"\n");
        write_file(root_ / "target/lib/tp_types.h", "typedef int tp_int;\n");
    }

    std::string records() const {
        const std::string tests = (root_ / "tests").string();
        return "E11 0 " + tests +
               "/main.ptu\n"
               "C0 vexorprepro main.ptu t.c\n" +
               "I1 " + dependency_record("more.ptu", tests + "/more.ptu", "main.ptu") + "\n" +
               "E11 1 " + tests + "/more.ptu\n" + "I2 " +
               dependency_record("code.c", tests + "/code.c", "main.ptu") + "\n" + "I3 " +
               dependency_record("missing.c", "", "main.ptu") + "\n";
    }

    std::string in_root(const std::string& relative) const { return (root_ / relative).string(); }

    ScratchDirectory scratch_;
    fs::path root_;
};

TEST_F(DepfileProject, InputsAreTheScriptsTheirRecordsAndTheHeadersTheAnalysisRead) {
    ScopedWorkingDirectory work(root_ / "work");
    HeaderSearch search{{in_root("include")}, in_root("target/lib")};
    std::vector<std::string> expected = {
        in_root("tests/main.ptu"),
        in_root("tests/more.ptu"),
        in_root("tests/code.c"),
        in_root("include/unit.h"),
        in_root("include/analysed_only.h"),
        in_root("tests/beside.h"),
        in_root("include/sub/inner.h"),
        in_root("include/from_code.h"),
        in_root("include/disabled.h"),
        in_root("include/sub/inner_local.h"),
        in_root("target/lib/tp_types.h"),
    };
    EXPECT_EQ(compilation_inputs(parsed(records()), search), expected);
}

TEST_F(DepfileProject, HeadersAreSearchedInTheOrderOfTheCompiler) {
    // The name as written (from the working directory) comes first, the
    // include directories next, the directory of the including file last.
    write_file(root_ / "work/unit.h", "int shadow;\n");
    write_file(root_ / "tests/unit.h", "int beside_the_script;\n");
    ScopedWorkingDirectory work(root_ / "work");
    LinkRecordFile links = parsed("E11 0 " + in_root("tests/main.ptu") + "\n");

    std::vector<std::string> with_dirs = compilation_inputs(links, {{in_root("include")}, {}});
    ASSERT_GE(with_dirs.size(), 2u);
    EXPECT_EQ(with_dirs[1], in_root("work/unit.h"));

    fs::remove(root_ / "work/unit.h");
    with_dirs = compilation_inputs(links, {{in_root("include")}, {}});
    ASSERT_GE(with_dirs.size(), 2u);
    EXPECT_EQ(with_dirs[1], in_root("include/unit.h"));

    std::vector<std::string> without_dirs = compilation_inputs(links, {});
    ASSERT_GE(without_dirs.size(), 2u);
    EXPECT_EQ(without_dirs[1], in_root("tests/unit.h"));
    // Without the include directory the headers only it holds are not found.
    EXPECT_EQ(
        std::count(without_dirs.begin(), without_dirs.end(), in_root("include/analysed_only.h")),
        0);
}

TEST_F(DepfileProject, CommandLineWritesTheRuleAndRefusesWhatItCannotUse) {
    ScopedWorkingDirectory work(root_ / "work");
    // The target's lib directory comes from the environment, as for the
    // compiler; here only VXLTGT names one.
    const vx::RunEnvironment environment = vx::environment_from({{"VXLTGT", in_root("target")}});
    write_file(root_ / "work/t.tdc", vx::report::testing::sealed("****\n* banner *\n" + records()));
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(run_report({"--depfile", "t.d", "--include-dir=" + in_root("include"), "out dir/t.c",
                          "t.tdc"},
                         environment, out, err),
              exit_passed)
        << err.str();
    std::string rule = read_file(root_ / "work/t.d");
    EXPECT_EQ(rule.rfind("out\\ dir/t.c: \\\n  " + in_root("tests/main.ptu") + " \\\n", 0), 0u)
        << rule;
    // Found through the include directory the command line gave, and in
    // the target's lib directory.
    EXPECT_NE(rule.find("  " + in_root("include/sub/inner_local.h") + " \\\n"), std::string::npos);
    EXPECT_NE(rule.find("  " + in_root("target/lib/tp_types.h") + "\n"), std::string::npos);
    EXPECT_EQ(rule.back(), '\n');
    EXPECT_TRUE(out.str().empty());

    auto refused = [&](const std::vector<std::string>& arguments, const std::string& why) {
        std::ostringstream quiet;
        std::ostringstream messages;
        EXPECT_EQ(run_report(arguments, environment, quiet, messages), exit_unusable) << why;
        EXPECT_NE(messages.str().find(why), std::string::npos) << messages.str();
    };
    refused({"--depfile", "u.d", "t.c", "missing.tdc"}, "cannot open missing.tdc");
    refused({"--depfile", "u.d", "t.tdc"},
            "expected the target of the rule and the link record file");
    refused({"--depfile", "u.d", "--junit", "j.xml", "t.c", "t.tdc"}, "do not go with it");
    refused({"--include-dir", "include", "t.tdc", "t.rio"}, "--include-dir goes with --depfile");
    refused({"--depfile"}, "option --depfile needs a file name");
    refused({"--depfile", "no/such/dir/u.d", "t.c", "t.tdc"}, "cannot write no/such/dir/u.d");
    write_file(root_ / "work/bad.tdc", vx::report::testing::sealed("E11 0 /a\nW9 what\n"));
    refused({"--depfile", "u.d", "t.c", "bad.tdc"}, "bad.tdc:2: unknown link record kind");
    // A link record file cut short would leave inputs out of the rule.
    write_file(root_ / "work/cut.tdc", "E11 0 /a\n");
    refused({"--depfile", "u.d", "t.c", "cut.tdc"},
            "cut.tdc:1: the link record file ends without its end record");
    EXPECT_FALSE(fs::exists(root_ / "work/u.d"));
}

}  // namespace
