// The CMake example as a user runs it: a copy of examples/cmake in a fresh
// directory (with blanks in its path, which the dependency file must
// escape), configured with cmake against the installed tree, built with
// ninja and with make, tested with ctest.
//
// The verdicts: the fill script's tests pass, the percent script's test
// two_thirds fails on the unit's truncation, each with its JUnit XML. The
// build: a build with no change does nothing; touching the unit's header
// compiles both scripts again; touching the unit's source rebuilds the
// harnesses but compiles no script; touching one script compiles that
// script only; touching a file no compilation read does nothing.
#include "harness/harness_runner.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <chrono>
#include <filesystem>
#include <algorithm>
#include <cstring>
#include <string>
#include <thread>

namespace {

namespace fs = std::filesystem;
using namespace vx::harness_testing;

constexpr int build_timeout_ms = 600000;
// Longer than the coarsest file time stamps, so that a touched file is
// newer than the outputs of the build before.
constexpr auto time_stamp_step = std::chrono::milliseconds(1100);

const std::string fill_compile = "Compiling test script ptu/fill.ptu (gauge_fill)";
const std::string percent_compile = "Compiling test script ptu/percent.ptu (gauge_percent)";

bool contains(const std::string& text, const std::string& piece) {
    return text.find(piece) != std::string::npos;
}

#define EXPECT_CONTAINS(text, piece) \
    EXPECT_TRUE(contains((text), (piece))) << "missing: " << (piece) << "\nin:\n" << (text)
#define EXPECT_LACKS(text, piece) \
    EXPECT_FALSE(contains((text), (piece))) << "unexpected: " << (piece) << "\nin:\n" << (text)

class CmakeExample : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(scratch_.isValid());
        root_ = fs::path(scratch_.path().toStdString());
        source_ = root_ / "gauge project";
        binary_ = root_ / "gauge build";
        fs::copy(fs::path(VX_SOURCE_DIR) / "examples/cmake", source_, fs::copy_options::recursive);
    }

    // Ninja when there is one, else Make.
    static QString default_generator() {
        return QStandardPaths::findExecutable(QStringLiteral("ninja")).isEmpty()
                   ? QStringLiteral("Unix Makefiles")
                   : QStringLiteral("Ninja");
    }

    void configure_and_build(const QString& generator) {
        ninja_ = generator == QStringLiteral("Ninja");
        ProcessResult configure = run(
            QStringLiteral(VX_CMAKE_COMMAND),
            {QStringLiteral("-S"), path(source_), QStringLiteral("-B"), path(binary_),
             QStringLiteral("-G"), generator, QStringLiteral("-DVEXOR_DIR=") + dist_path(QString()),
             // The harnesses must build cleanly with the usual warnings.
             QStringLiteral("-DCMAKE_C_FLAGS=-Wall -Wextra -Werror")});
        ASSERT_EQ(configure.exit_code, 0) << configure.out << configure.err;
        ProcessResult first = build();
        ASSERT_EQ(first.exit_code, 0) << first.out << first.err;
        expect_both_scripts_compiled(first.out);
    }

    static void expect_both_scripts_compiled(const std::string& out) {
        EXPECT_CONTAINS(out, fill_compile);
        EXPECT_CONTAINS(out, percent_compile);
    }

    static QString path(const fs::path& p) { return QString::fromStdString(p.string()); }

    ProcessResult run(const QString& program, const QStringList& arguments) {
        ProcessResult result =
            run_program(program, arguments, path(binary_.parent_path()), {}, build_timeout_ms);
        EXPECT_TRUE(result.started && !result.crashed) << program.toStdString() << " did not run";
        return result;
    }

    ProcessResult build() {
        return run(QStringLiteral(VX_CMAKE_COMMAND), {QStringLiteral("--build"), path(binary_)});
    }

    ProcessResult ctest(const QString& test) {
        ProcessResult result = run_program(QStringLiteral(VX_CTEST_COMMAND),
                                           {QStringLiteral("--verbose"), QStringLiteral("-R"),
                                            QLatin1Char('^') + test + QLatin1Char('$')},
                                           path(binary_), {}, build_timeout_ms);
        EXPECT_TRUE(result.started && !result.crashed);
        return result;
    }

    // Gives the file a modification time after everything built so far.
    void touch(const fs::path& file) {
        ASSERT_TRUE(fs::exists(file)) << file;
        std::this_thread::sleep_for(time_stamp_step);
        fs::last_write_time(file, fs::file_time_type::clock::now());
    }

    // A build that must not do anything.
    void expect_nothing_built(const std::string& why) {
        ProcessResult again = build();
        ASSERT_EQ(again.exit_code, 0) << again.out << again.err;
        EXPECT_LACKS(again.out, "Compiling test script") << why;
        EXPECT_LACKS(again.out, "Building C object") << why;
        EXPECT_LACKS(again.out, "Linking") << why;
        if (ninja_) {
            EXPECT_CONTAINS(again.out, "ninja: no work to do.") << why;
        }
    }

    // The incremental build after a first build.
    void check_incremental_build() {
        expect_nothing_built("a build with no change");

        touch(source_ / "unit/gauge.h");
        ProcessResult header = build();
        ASSERT_EQ(header.exit_code, 0) << header.out << header.err;
        expect_both_scripts_compiled(header.out);
        expect_nothing_built("a build after the header's rebuild");

        touch(source_ / "unit/gauge.c");
        ProcessResult unit = build();
        ASSERT_EQ(unit.exit_code, 0) << unit.out << unit.err;
        EXPECT_CONTAINS(unit.out, "Linking C executable");
        EXPECT_LACKS(unit.out, "Compiling test script");

        touch(source_ / "ptu/fill.ptu");
        ProcessResult script = build();
        ASSERT_EQ(script.exit_code, 0) << script.out << script.err;
        EXPECT_CONTAINS(script.out, fill_compile);
        EXPECT_LACKS(script.out, percent_compile);

        write_file(path(source_ / "unit/notes.txt"), "not read by anything\n");
        touch(source_ / "unit/notes.txt");
        expect_nothing_built("a file no compilation read");
    }

    JUnitDocument junit(const std::string& test) {
        std::string text = read_file(path(binary_ / "vexor" / test / (test + ".xml")));
        EXPECT_FALSE(text.empty()) << "no JUnit XML for " << test;
        JUnitDocument document = parse_junit(text);
        EXPECT_TRUE(document.well_formed) << document.error.toStdString() << "\n" << text;
        return document;
    }

    QTemporaryDir scratch_;
    fs::path root_;
    fs::path source_;
    fs::path binary_;
    bool ninja_ = false;
};

TEST_F(CmakeExample, OneTestPassesAndOneFailsWithTheirJUnitXml) {
    ASSERT_NO_FATAL_FAILURE(configure_and_build(default_generator()));
    ProcessResult fill = ctest(QStringLiteral("gauge_fill"));
    EXPECT_EQ(fill.exit_code, 0) << fill.out << fill.err;
    EXPECT_CONTAINS(fill.out, "100% tests passed, 0 tests failed out of 1");
    EXPECT_CONTAINS(fill.out, "ok    result: obtained 50, expected 50");
    EXPECT_CONTAINS(fill.out, "ok    result: obtained 100, expected 100");
    // tank_level runs against the stub of its sensor driver.
    EXPECT_CONTAINS(fill.out, "ok    stub sensor_litres call 1: tank: obtained 1, expected 1");
    EXPECT_CONTAINS(fill.out, "ok    result: obtained -1, expected -1");
    EXPECT_CONTAINS(fill.out, "VERDICT: PASSED");
    EXPECT_CONTAINS(fill.out, "vexor: every check passed in gauge_fill");
    JUnitDocument fill_xml = junit("gauge_fill");
    ASSERT_EQ(fill_xml.cases.size(), 4u);
    for (const JUnitCase& test : fill_xml.cases) {
        EXPECT_FALSE(test.failed || test.error) << test.name.toStdString();
    }

    ProcessResult percent = ctest(QStringLiteral("gauge_percent"));
    EXPECT_NE(percent.exit_code, 0) << percent.out << percent.err;
    EXPECT_CONTAINS(percent.out, "0% tests passed, 1 tests failed out of 1");
    // A failed test shows its short report, the failed check and where it
    // is, and ends with one plain line, not a CMake error.
    EXPECT_LACKS(percent.out, "ok    result: obtained 50, expected 50");
    EXPECT_CONTAINS(percent.out, "FAIL  result: obtained 66, expected 67");
    EXPECT_CONTAINS(percent.out, "(percent.ptu:");
    EXPECT_CONTAINS(percent.out, "VERDICT: FAILED\n");
    EXPECT_LT(percent.out.find("VERDICT: FAILED\n"),
              percent.out.find("vexor: 1 check failed in gauge_percent\n"));
    EXPECT_LACKS(percent.out, "CMake Error");
    JUnitDocument percent_xml = junit("gauge_percent");
    const JUnitCase* half = percent_xml.find(QStringLiteral("half"));
    const JUnitCase* two_thirds = percent_xml.find(QStringLiteral("two_thirds"));
    ASSERT_NE(half, nullptr);
    ASSERT_NE(two_thirds, nullptr);
    EXPECT_FALSE(half->failed);
    EXPECT_TRUE(two_thirds->failed);
    EXPECT_EQ(two_thirds->failure_message.toStdString(), "result: obtained 66, expected 67");
}

// COVERAGE writes the coverage for CI servers, sources named from the top
// of the project; a threshold the unit's tests do not reach fails a test
// whose checks all passed, and its twin with a threshold they reach passes.
TEST_F(CmakeExample, CoverageExportsAndThresholds) {
    // A source of the unit that the script never calls.
    write_file(
        path(source_ / "unit/spare.c"),
        "int spare(int x)\n{\n    if (x > 0) {\n        return x;\n    }\n    return 0;\n}\n");
    std::string lists = read_file(path(source_ / "CMakeLists.txt"));
    lists +=
        "vexor_add_test(NAME fill_reached SCRIPT ptu/fill.ptu SOURCES unit/gauge.c "
        "unit/tank.c\n               INCLUDE_DIRECTORIES unit COVERAGE FAIL_UNDER_LINE 1)\n"
        "vexor_add_test(NAME fill_missed SCRIPT ptu/fill.ptu SOURCES unit/gauge.c "
        "unit/tank.c unit/spare.c\n               INCLUDE_DIRECTORIES unit COVERAGE "
        "FAIL_UNDER_LINE 100 FAIL_UNDER_BRANCH 100)\n"
        "vexor_add_report()\n";
    write_file(path(source_ / "CMakeLists.txt"), lists);
    ASSERT_NO_FATAL_FAILURE(configure_and_build(default_generator()));
    ProcessResult reached = ctest(QStringLiteral("fill_reached"));
    EXPECT_EQ(reached.exit_code, 0) << reached.out << reached.err;
    EXPECT_CONTAINS(reached.out, "vexor: every check passed in fill_reached");
    const std::string info = read_file(path(binary_ / "vexor/fill_reached/fill_reached.info"));
    EXPECT_CONTAINS(info, "SF:unit/gauge.c\n");
    EXPECT_CONTAINS(info, "SF:unit/tank.c\n");
    const std::string xml =
        read_file(path(binary_ / "vexor/fill_reached/fill_reached.cobertura.xml"));
    EXPECT_CONTAINS(xml, "filename=\"unit/gauge.c\"");

    ProcessResult missed = ctest(QStringLiteral("fill_missed"));
    EXPECT_NE(missed.exit_code, 0) << missed.out << missed.err;
    EXPECT_CONTAINS(missed.out, "VERDICT: PASSED");
    EXPECT_CONTAINS(missed.out, "COVERAGE BELOW THRESHOLD: lines ");
    EXPECT_CONTAINS(missed.out, "COVERAGE BELOW THRESHOLD: branches ");
    EXPECT_CONTAINS(missed.out, "vexor: the coverage of fill_missed is below its threshold");
    EXPECT_LACKS(missed.out, "CMake Error");

    // The index, after every script: one row each, and their coverage
    // together, the counts of each line added up over the scripts.
    ProcessResult all =
        run_program(QStringLiteral(VX_CTEST_COMMAND), {}, path(binary_), {}, build_timeout_ms);
    EXPECT_CONTAINS(all.out, "vexor_index ");
    const std::string index = read_file(path(binary_ / "vexor/index.html"));
    for (const char* script : {"gauge_fill", "gauge_percent", "fill_reached", "fill_missed"}) {
        EXPECT_CONTAINS(index, std::string(">") + script + "</a></td>");
    }
    EXPECT_CONTAINS(index, "<a href=\"gauge_percent/gauge_percent.html\">");
    EXPECT_CONTAINS(index, "<span id=\"verdict\">FAILED</span>");
    EXPECT_CONTAINS(index, "<tr><td>unit/spare.c</td>");
    EXPECT_CONTAINS(index, "Condition coverage (MC/DC) was not measured");
    // Headless Chromium reads the index as it is written.
    const QString chromium = find_compiler(QStringLiteral("chromium"));
    ASSERT_FALSE(chromium.isEmpty()) << "headless Chromium is installed with the dependencies";
    ProcessResult browser =
        run_program(chromium,
                    {QStringLiteral("--headless"), QStringLiteral("--no-sandbox"),
                     QStringLiteral("--disable-gpu"), QStringLiteral("--dump-dom"),
                     QStringLiteral("file://") + path(binary_ / "vexor/index.html")},
                    path(binary_), {}, build_timeout_ms);
    ASSERT_TRUE(browser.started && !browser.crashed) << browser.err;
    EXPECT_CONTAINS(browser.out, "<span id=\"verdict\">FAILED</span>");
    EXPECT_CONTAINS(browser.out, ">fill_missed</a>");
    auto count_of = [](const std::string& info, const std::string& source,
                       const std::string& line) {
        const std::size_t record = info.find("SF:" + source + "\n");
        if (record == std::string::npos) return -1L;
        const std::size_t at = info.find("\nDA:" + line + ",", record);
        if (at == std::string::npos || at > info.find("end_of_record", record)) return -1L;
        return std::atol(info.c_str() + at + 4 + line.size() + 1);
    };
    const std::string project = read_file(path(binary_ / "vexor/project.info"));
    auto info_of = [&](const std::string& script) {
        return read_file(path(binary_ / "vexor" / script / (script + ".info")));
    };
    // A line of gauge.c that fill.ptu runs: its count in the project is the
    // sum of its counts in the three scripts that cover gauge.c.
    const std::string fill_info = info_of("fill_reached");
    std::string line;
    for (std::size_t da = fill_info.find("\nDA:", fill_info.find("SF:unit/gauge.c\n"));
         da != std::string::npos && line.empty(); da = fill_info.find("\nDA:", da + 1)) {
        const std::string number = fill_info.substr(da + 4, fill_info.find(',', da) - da - 4);
        if (count_of(fill_info, "unit/gauge.c", number) > 0) line = number;
    }
    ASSERT_FALSE(line.empty()) << fill_info;
    long sum = 0;
    for (const char* script : {"gauge_percent", "fill_reached", "fill_missed"}) {
        const long count = count_of(info_of(script), "unit/gauge.c", line);
        ASSERT_GE(count, 0) << script;
        sum += count;
    }
    EXPECT_GT(sum, count_of(fill_info, "unit/gauge.c", line));
    EXPECT_EQ(count_of(project, "unit/gauge.c", line), sum) << project;
}

// STUBS_FROM: the stubs of the unit's calls written at build time from its
// header; a script that describes the call passes, its twin that leaves
// it undescribed fails.
TEST_F(CmakeExample, StubsFromHeadersAreWrittenAtBuildTime) {
    const std::string script =
        "HEADER gauge, 1.0, , generated stubs\n##include \"tank.h\"\n#int result;\nBEGIN\n"
        "INCLUDE PTU stubs.ptu\nSERVICE tank_level\nTEST from_the_sensor\nFAMILY nominal\n"
        "  ELEMENT\n    STUB sensor_litres (1, 0 => 20) 0\n    VAR result, INIT = 0, EV = 50\n"
        "    #result = tank_level(1, 40);\n  END ELEMENT\nEND FAMILY\nEND TEST\nEND SERVICE\n";
    write_file(path(source_ / "ptu/auto.ptu"), script);
    std::string twin = script;
    twin.replace(twin.find("    STUB sensor_litres (1, 0 => 20) 0\n"),
                 std::strlen("    STUB sensor_litres (1, 0 => 20) 0\n"), "");
    twin.replace(twin.find("EV = 50"), 7, "EV = 0");
    write_file(path(source_ / "ptu/auto_twin.ptu"), twin);
    std::string lists = read_file(path(source_ / "CMakeLists.txt"));
    lists +=
        "vexor_add_test(NAME auto SCRIPT ptu/auto.ptu SOURCES unit/gauge.c unit/tank.c\n"
        "               INCLUDE_DIRECTORIES unit STUBS_FROM tank.h)\n"
        "vexor_add_test(NAME auto_twin SCRIPT ptu/auto_twin.ptu SOURCES unit/gauge.c "
        "unit/tank.c\n               INCLUDE_DIRECTORIES unit STUBS_FROM tank.h)\n";
    write_file(path(source_ / "CMakeLists.txt"), lists);
    ASSERT_NO_FATAL_FAILURE(configure_and_build(default_generator()));
    const std::string stubs = read_file(path(binary_ / "vexor/auto/stubs.ptu"));
    EXPECT_CONTAINS(stubs,
                    "DEFINE STUB tank\n#int sensor_litres(_in int tank, _inout int *litres);\n"
                    "END DEFINE\n");
    // gauge_percent is the unit's own: no stub.
    EXPECT_LACKS(stubs, "gauge_percent");
    ProcessResult passed = ctest(QStringLiteral("auto"));
    EXPECT_EQ(passed.exit_code, 0) << passed.out << passed.err;
    ProcessResult failed = ctest(QStringLiteral("auto_twin"));
    EXPECT_NE(failed.exit_code, 0) << failed.out << failed.err;
    EXPECT_CONTAINS(failed.out, "FAIL  stub sensor_litres: calls: obtained 1, expected no call");
}

// DISCOVER: one ctest test per TEST of the scripts, reached one by one
// with -R and run side by side with -j, with the verdicts of a serial run.
TEST_F(CmakeExample, DiscoverMakesOneCtestTestPerTest) {
    std::string lists = read_file(path(source_ / "CMakeLists.txt"));
    for (const char* call : {"unit/tank.c\n               INCLUDE_DIRECTORIES unit",
                             "INCLUDE_DIRECTORIES unit\n               COVERAGE"}) {
        const std::size_t at = lists.find(call);
        ASSERT_NE(at, std::string::npos) << call << " in\n" << lists;
        lists.insert(at + std::strlen(call), " DISCOVER");
    }
    write_file(path(source_ / "CMakeLists.txt"), lists);
    ASSERT_NO_FATAL_FAILURE(configure_and_build(default_generator()));

    auto run_ctest = [&](const QStringList& arguments) {
        ProcessResult result = run_program(QStringLiteral(VX_CTEST_COMMAND), arguments,
                                           path(binary_), {}, build_timeout_ms);
        EXPECT_TRUE(result.started && !result.crashed);
        return result;
    };
    ProcessResult listed = run_ctest({QStringLiteral("-N")});
    for (const char* name :
         {"gauge_fill/gauge_fill/nominal", "gauge_fill/gauge_fill/saturation",
          "gauge_fill/tank_level/from_the_sensor", "gauge_fill/tank_level/sensor_failure",
          "gauge_percent/gauge_percent/half", "gauge_percent/gauge_percent/two_thirds"}) {
        EXPECT_CONTAINS(listed.out, std::string(": ") + name + "\n");
    }
    EXPECT_CONTAINS(listed.out, "Total Tests: 6");
    // Labelled with the script and the service.
    EXPECT_CONTAINS(
        run_ctest({QStringLiteral("-N"), QStringLiteral("-L"), QStringLiteral("tank_level")}).out,
        "Total Tests: 2");

    // One script's tests alone: one passes, one fails, each with its own
    // verdict over a selection.
    ProcessResult percent = run_ctest(
        {QStringLiteral("--verbose"), QStringLiteral("-R"), QStringLiteral("gauge_percent/")});
    EXPECT_NE(percent.exit_code, 0);
    EXPECT_CONTAINS(percent.out, "50% tests passed, 1 tests failed out of 2");
    EXPECT_CONTAINS(percent.out, "VERDICT: FAILED (1 of 2 tests selected)");
    EXPECT_CONTAINS(percent.out, "vexor: every check passed in gauge_percent/gauge_percent/half");
    EXPECT_TRUE(fs::exists(binary_ / "vexor/gauge_percent/gauge_percent.1.xml"));

    // In parallel, the tests that fail are those of a serial run.
    auto failed_of = [](const std::string& out) {
        std::vector<std::string> failed;
        const std::string mark = " (Failed)";
        for (std::size_t at = out.find(mark); at != std::string::npos;
             at = out.find(mark, at + 1)) {
            const std::size_t start = out.rfind(" - ", at);
            failed.push_back(out.substr(start + 3, at - start - 3));
        }
        std::sort(failed.begin(), failed.end());
        return failed;
    };
    ProcessResult serial = run_ctest({});
    ProcessResult parallel = run_ctest({QStringLiteral("-j4")});
    EXPECT_EQ(failed_of(serial.out),
              std::vector<std::string>{"gauge_percent/gauge_percent/two_thirds"})
        << serial.out;
    EXPECT_EQ(failed_of(parallel.out), failed_of(serial.out)) << parallel.out;
}

TEST_F(CmakeExample, NinjaBuildsOnlyWhatChanged) {
    ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("ninja")).isEmpty())
        << "ninja is part of the build tools (scripts/install-deps.sh)";
    ASSERT_NO_FATAL_FAILURE(configure_and_build(QStringLiteral("Ninja")));
    check_incremental_build();
}

TEST_F(CmakeExample, MakeBuildsOnlyWhatChanged) {
    ASSERT_NO_FATAL_FAILURE(configure_and_build(QStringLiteral("Unix Makefiles")));
    check_incremental_build();
}

// vexor_add_test is strict: a script the compiler warns about fails the
// build, naming the statement; with WARNINGS_OK it builds, and a script
// that lost a statement never passes. One project, one test per kind of
// dropped statement, built once strict and once with WARNINGS_OK.
class StrictBuild : public CmakeExample {
protected:
    struct Script {
        const char* name;
        const char* element;   // the statements of the element
        const char* end_test;  // the statement that ends the test
        const char* named;     // what the messages must quote
    };
    static constexpr Script scripts[] = {
        {"unknown_keyword", "VRA result, INIT = 0, EV = 7\n", "END TEST", "VRA result"},
        {"unknown_stub", "VAR result, INIT = 0, EV = 50\nSTUB prbe 1 (1)\n", "END TEST", "prbe"},
        {"stub_values", "VAR result, INIT = 0, EV = 50\nSTUB probe 1 (1, 2)\n", "END TEST",
         "probe"},
        {"misspelt_end", "VAR result, INIT = 0, EV = 50\n", "END TSET", "END TSET"},
    };

    void write_project(bool warnings_ok) {
        fs::create_directories(source_ / "strict");
        std::string lists =
            "cmake_minimum_required(VERSION 3.20)\nproject(strict C)\n"
            "include(\"${VEXOR_DIR}/cmake/VexorTest.cmake\")\nenable_testing()\n";
        for (const Script& script : scripts) {
            const std::string file = std::string("strict/") + script.name + ".ptu";
            write_file(path(source_ / file),
                       std::string("HEADER gauge, 1.0, , strict\n##include \"gauge.h\"\n"
                                   "#int result;\nBEGIN\n"
                                   "DEFINE STUB drivers\n#int probe(_in int channel);\n"
                                   "END DEFINE\nSERVICE gauge_percent\nTEST half\nFAMILY nominal\n"
                                   "ELEMENT\n") +
                           script.element +
                           "#result = gauge_percent(50, 100);\nEND ELEMENT\nEND FAMILY\n" +
                           script.end_test + "\nEND SERVICE\n");
            lists += std::string("vexor_add_test(NAME ") + script.name + " SCRIPT " + file +
                     " SOURCES unit/gauge.c INCLUDE_DIRECTORIES unit" +
                     (warnings_ok ? " WARNINGS_OK" : "") + ")\n";
        }
        write_file(path(source_ / "CMakeLists.txt"), lists);
    }
};

TEST_F(StrictBuild, AWarnedScriptFailsTheBuildUnlessWarningsOk) {
    write_project(false);
    ProcessResult configure =
        run(QStringLiteral(VX_CMAKE_COMMAND),
            {QStringLiteral("-S"), path(source_), QStringLiteral("-B"), path(binary_),
             QStringLiteral("-G"), QStringLiteral("Unix Makefiles"),
             QStringLiteral("-DVEXOR_DIR=") + dist_path(QString())});
    ASSERT_EQ(configure.exit_code, 0) << configure.out << configure.err;
    for (const Script& script : scripts) {
        SCOPED_TRACE(script.name);
        ProcessResult built = run(QStringLiteral(VX_CMAKE_COMMAND),
                                  {QStringLiteral("--build"), path(binary_),
                                   QStringLiteral("--target"), QString::fromLatin1(script.name)});
        const std::string shown = built.out + built.err;
        EXPECT_NE(built.exit_code, 0) << shown;
        EXPECT_CONTAINS(shown, script.named);
        EXPECT_CONTAINS(shown, "give WARNINGS_OK to");
        // Failed once, failed again: the harness of the refused script is
        // not left behind as up to date.
        ProcessResult again = run(QStringLiteral(VX_CMAKE_COMMAND),
                                  {QStringLiteral("--build"), path(binary_),
                                   QStringLiteral("--target"), QString::fromLatin1(script.name)});
        EXPECT_NE(again.exit_code, 0) << again.out << again.err;
    }

    write_project(true);
    ProcessResult rebuilt =
        run(QStringLiteral(VX_CMAKE_COMMAND), {QStringLiteral("--build"), path(binary_)});
    ASSERT_EQ(rebuilt.exit_code, 0) << rebuilt.out << rebuilt.err;
    for (const Script& script : scripts) {
        SCOPED_TRACE(script.name);
        ProcessResult tested = ctest(QString::fromLatin1(script.name));
        EXPECT_NE(tested.exit_code, 0) << tested.out;
        EXPECT_LACKS(tested.out, "VERDICT: PASSED");
        EXPECT_CONTAINS(tested.out, "DROPPED: [");
        EXPECT_CONTAINS(tested.out, script.named);
    }
}

}  // namespace
