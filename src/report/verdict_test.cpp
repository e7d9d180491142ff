// Matching traces to link records, the text and JUnit forms of the
// verdict, and the command line run in-process.
#include "report/verdict_testing.h"
#include "report/output/junit_testing.h"
#include "report/input/link_record_file.h"
#include "report/input/link_records_testing.h"
#include "report/report_cli.h"
#include "report/output/text_report.h"
#include "report/input/traces.h"
#include "report/verdict.h"

#include "harness/harness_runner.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <sstream>

namespace {

using namespace vx::report;

const std::string link_text = vx::report::testing::sealed(
    "E11 0 /w/stub.ptu\nE6  stub\n"
    "E17 0 3\nE16 0 4\nO1 calc\nT2 first\nE14 0 5\nB3 1\n"
    "E12 0 6\nV4 x RA=FORM=ND,INIT=1 VA=2\n"
    "L5 p RA=FORM=CD64, INIT=, VA=\nE22 1\n"
    "E16 0 9\nT6 second\nE14 0 10\nB7 1\nE22 1\n"
    "E17 0 12\nE16 0 13\nO8 other\nT9 third\nR10 ?\nB11 1\nE22 R10\n");

std::string traces_of(const std::string& body) {
    long lines = 1 + static_cast<long>(std::count(body.begin(), body.end(), '\n'));
    return "VXU-TRACES 1\n" + body + "F " + std::to_string(lines) + "\n";
}

// Traces as a harness of the fixtures' compilation writes them.
std::string stamped_traces_of(const std::string& body) {
    long lines = 2 + static_cast<long>(std::count(body.begin(), body.end(), '\n'));
    return "VXU-TRACES 3\nH " + std::string(vx::report::testing::fixture_stamp) + "\n" + body +
           "F " + std::to_string(lines) + "\n";
}

struct Built {
    std::optional<Failure> failure;
    Verdict verdict;
};

Built build(const std::string& body, const std::string& links = link_text) {
    LinkRecordFile file;
    auto refused = parse_link_records(links, file);
    EXPECT_FALSE(refused.has_value()) << refused->line << ": " << refused->message;
    TracesFile traces;
    auto failure = parse_traces(traces_of(body), traces);
    EXPECT_FALSE(failure.has_value()) << failure->message;
    Built built;
    built.failure = build_verdict(file, traces, built.verdict);
    return built;
}

std::string text_of(const Verdict& verdict, bool quiet = false) {
    std::ostringstream out;
    TextOptions options;
    options.quiet = quiet;
    write_text_report(verdict, options, out);
    return out.str();
}

TEST(Verdict, StubChecksAreNamedAfterTheirStub) {
    Built built = build(
        "O 1 \"calc\"\nT 2 \"first\"\nS\nM 5 3 1\nZ 4\n"
        "K 2 0\nC 0 int/10 1 0 KO 3 2 2\n"
        "K 2 1\nC 5 int/10 1 0 KO 7 6 6\n"
        "K 0 0\nC 4 int/10 1 0 ok 2 2 2\nE\n");
    ASSERT_FALSE(built.failure.has_value()) << built.failure->message;
    const std::string text = text_of(built.verdict);
    EXPECT_NE(text.find("FAIL  stub 2: calls: obtained 3, expected 2\n"), std::string::npos)
        << text;
    EXPECT_NE(text.find("FAIL  stub 2 call 1: p: obtained 7, expected 6\n"), std::string::npos);
    EXPECT_NE(text.find("note  call 3 of the stub of record 5 did not match the calls described"),
              std::string::npos);
    EXPECT_NE(text.find("ok    x: obtained 2, expected 2  (stub.ptu:6)"), std::string::npos);
    // Call 3 matched no call described and its inputs were never checked:
    // that is a failure of its own.
    EXPECT_NE(text.find("FAIL  stub ? call 3: did not match the calls described"),
              std::string::npos)
        << text;
    EXPECT_EQ(built.verdict.totals.checks_failed, 3);
    EXPECT_FALSE(built.verdict.passed());
}

TEST(Verdict, StubsAreNamedByTheirUseRecordsInDefinitionOrder) {
    // Two stubs: the n-th "U" record names stub n, and the number of a "U"
    // record is the one its calls are traced with.
    const std::string links =
        "E11 0 /w/stub.ptu\nE6  stub\n"
        "E15 0 2\nU1  read_sensor(channel,value)\nP2\nL3 channel RA=FORM=CD64, INIT=, VA=\nM0\n"
        "E15 0 3\nU4  log_text(text)\nP5\nL6 text RA=FORM=C, INIT=, VA=\nM0\n"
        "E17 0 5\nE16 0 6\nO7 calc\nT8 first\nE14 0 7\nB9 1\nE22 1\n";
    Built built = build(
        "O 7 \"calc\"\nT 8 \"first\"\nS\nM 4 1 1\nM 1 1 0\nZ 4\n"
        "K 1 0\nC 0 int/10 1 0 ok 1 1 1\nK 1 1\nC 3 int/10 1 0 ok 3 3 3\n"
        "K 2 0\nC 0 int/10 1 0 ok 1 1 1\n"
        "K 2 1\nC 6 str 1 0 KO \"a\" \"b\" \"b\"\nK 0 0\nE\n",
        vx::report::testing::sealed(links));
    ASSERT_FALSE(built.failure.has_value()) << built.failure->message;
    const std::string text = text_of(built.verdict);
    EXPECT_NE(text.find("ok    stub read_sensor: calls: obtained 1, expected 1\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("ok    stub read_sensor call 1: channel: obtained 3, expected 3\n"),
              std::string::npos);
    EXPECT_NE(text.find("FAIL  stub log_text call 1: text: obtained \"a\", expected \"b\"\n"),
              std::string::npos);
    EXPECT_NE(text.find("note  call 1 of stub log_text did not match the calls described"),
              std::string::npos);
    EXPECT_EQ(text.find("call 1 of stub read_sensor did not match"), std::string::npos);
}

TEST(Verdict, AStubTheElementDoesNotDescribeExpectsNoCall) {
    // The runtime checks an undescribed stub's count between -1 and 0; a
    // described range of calls stays a range.
    Built built = build(
        "O 1 \"calc\"\nT 2 \"first\"\nS\nK 1 0\nC 0 int/10 1 0 ok 0 -1 0\n"
        "K 1 0\nC 0 int/10 1 1 KO 3 1 2\nK 0 0\nE\n");
    ASSERT_FALSE(built.failure.has_value());
    const std::string text = text_of(built.verdict);
    EXPECT_NE(text.find("ok    stub 1: calls: obtained 0, expected no call\n"), std::string::npos)
        << text;
    EXPECT_NE(text.find("FAIL  stub 1: calls: obtained 3, expected in [1, 2]\n"), std::string::npos)
        << text;
}

TEST(Verdict, TracesThatDoNotBelongToTheLinkRecordsAreRefused) {
    struct Case {
        std::string body;
        long line;
        std::string message;
    };
    const Case cases[] = {
        {"O 2 \"calc\"\n", 2,
         "DCL_OP_C names service record 2, but record 2 of the link "
         "record file is a \"T\" record (line 6)"},
        {"O 1 \"calcul\"\n", 2,
         "service record 1 is \"calc\" in the link record file but "
         "\"calcul\" in the traces"},
        {"O 1 \"calc\"\nT 9 \"third\"\n", 3, "test record 9 belongs to service record 8"},
        {"O 1 \"calc\"\nT 2 \"first\"\nC 0 int/10 1 0 ok 1 1 1\n", 4,
         "a check without record number (0) outside the stub checks"},
        {"O 1 \"calc\"\nT 2 \"first\"\nI 3 int/10 1\n", 4,
         "names record 3 as a variable, but record 3 of the link record file is a \"B\""},
        {"O 1 \"calc\"\nT 2 \"first\"\n[ 77\n", 4, "there is no record 77"},
        {"O 8 \"other\"\nT 9 \"third\"\nR 4 2\n", 4, "DCL_FAC_REP_C names repetition record 4"},
    };
    for (const Case& test : cases) {
        Built built = build(test.body);
        ASSERT_TRUE(built.failure.has_value()) << test.body;
        EXPECT_EQ(built.failure->line, test.line) << test.body;
        EXPECT_NE(built.failure->message.find(test.message), std::string::npos)
            << built.failure->message;
    }
}

TEST(Verdict, RunsWithoutHeadingsAreKeptAndRepeatedTestsNumbered) {
    // A test line without its service line takes the service of the link
    // records; a repeated test gets a run number.
    Built built = build("T 9 \"third\"\nS\nR 10 2\nT 9 \"third\"\nS\nE\n");
    ASSERT_FALSE(built.failure.has_value()) << built.failure->message;
    // The tests of service "calc" never ran: they are listed as such, and
    // the services keep the order of the link records.
    ASSERT_EQ(built.verdict.services.size(), 2u);
    EXPECT_EQ(built.verdict.services[0].name, "calc");
    EXPECT_EQ(built.verdict.totals.tests_not_run, 2);
    EXPECT_EQ(built.verdict.services[1].name, "other");
    ASSERT_EQ(built.verdict.services[1].tests.size(), 2u);
    EXPECT_EQ(test_label(built.verdict.services[1].tests[1]), "third (run 2)");
    // Checks before any test line stay visible under stand-in runs.
    Built loose = build("C 4 int/10 1 0 KO 1 2 2\n");
    ASSERT_FALSE(loose.failure.has_value());
    const std::string text = text_of(loose.verdict);
    EXPECT_NE(text.find("SERVICE (outside any service)"), std::string::npos) << text;
    // A stand-in run has no element of the script to compare the check of
    // x with: the check is counted once, on its own outcome.
    EXPECT_EQ(text.find("holds the check of x"), std::string::npos) << text;
    EXPECT_NE(text.find("TEST (outside any test): FAILED (1 of 1 check failed)"), std::string::npos)
        << text;
    EXPECT_NE(text.find("TOTAL: 3 services, 4 tests (0 passed, 1 failed, 0 did not finish, 3 did "
                        "not run), 1 element, 1 check (0 passed, 1 failed), 0 recorded\n"
                        "VERDICT: FAILED\n"),
              std::string::npos)
        << text;
}

TEST(Verdict, JUnitCarriesFailuresAndSurvivesAwkwardNames) {
    // A test name with a control character and Latin-1 bytes (a script
    // written in a Latin-1 locale) still gives well-formed XML.
    const std::string links = vx::report::testing::sealed(
        "O1 calc\nT2 \xe9t\xe9\nB3 1\nV4 x RA=FORM=ND,INIT=1 VA=2\nE22 1\n");
    Built built = build(
        "O 1 \"calc\"\nT 2 \"\\xe9t\\xe9\"\nS\nZ 1500000\n"
        "C 4 int/10 1 0 KO 1 2 2\nC 4 int/10 1 0 KO 5 2 2\nW \"bell \\x07\"\nE\n",
        links);
    ASSERT_FALSE(built.failure.has_value()) << built.failure->message;
    std::string document = junit_document(built.verdict);
    vx::harness_testing::JUnitDocument junit = vx::harness_testing::parse_junit(document);
    ASSERT_TRUE(junit.well_formed) << junit.error.toStdString() << "\n" << document;
    ASSERT_EQ(junit.cases.size(), 1u);
    EXPECT_EQ(junit.cases[0].name, QStringLiteral("\u00e9t\u00e9"));
    EXPECT_TRUE(junit.cases[0].failed);
    EXPECT_EQ(junit.cases[0].failure_message,
              QStringLiteral("x: obtained 1, expected 2 (and 1 more)"));
    EXPECT_TRUE(junit.cases[0].failure_text.contains(
        QStringLiteral("element 1: x: obtained 5, expected 2")));
    EXPECT_NE(document.find("time=\"1.500000\""), std::string::npos);
}

TEST(Verdict, ReportsSpeakTheScriptsWordsEnumeratorsRequirementsAndComments) {
    // An enumerated variable (type 1 of the "Y" records), a requirement and
    // a comment of the service, of the test, and one written inside the
    // test's element; a second test with none of its own.
    const std::string links = vx::report::testing::sealed(
        "O1 parser\nQ2 REQ-PARSE-1\nC3 every command is parsed\nT4 range\nQ5 REQ-RANGE-7\n"
        "B6 1\nC7 an out-of-range digit\nY1 enum status\nY0 CMD_OK\nY1 CMD_ERR_SYNTAX\n"
        "Y3 CMD_ERR_RANGE\nY-1 CMD_NONE\nY0 0\n"
        "V8 st RA=FORM=CY1,INIT=CMD_NONE VA=CMD_ERR_RANGE\n"
        "V9 last RA=FORM=CY1,INIT=0 VA=1\n"
        "V10 count RA=FORM=CD32,INIT=0 VA=1\nE22 1\nT11 plain\nB12 1\nE22 1\n");
    Built built = build(
        "O 1 \"parser\"\nT 4 \"range\"\nS\nI 8 int/10 -1\nC 8 int/10 1 0 KO 1 3 3\n"
        "C 9 int/10 1 0 ok 1 1 1\nC 10 int/10 1 0 ok 1 1 1\nE\nT 11 \"plain\"\nS\nE\n",
        links);
    ASSERT_FALSE(built.failure.has_value()) << built.failure->message;
    const std::string text = text_of(built.verdict);
    EXPECT_NE(text.find("init  st = -1 (CMD_NONE)"), std::string::npos) << text;
    // The script's text is not repeated when it is the enumerator shown.
    EXPECT_NE(text.find("FAIL  st: obtained 1 (CMD_ERR_SYNTAX), expected 3 (CMD_ERR_RANGE)\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("ok    last: obtained 1 (CMD_ERR_SYNTAX), expected 1 (CMD_ERR_SYNTAX) "
                        "(script: 1)"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("ok    count: obtained 1, expected 1\n"), std::string::npos) << text;
    EXPECT_NE(text.find("SERVICE parser\n  requirement: REQ-PARSE-1\n"
                        "  comment: every command is parsed\n  TEST range\n"
                        "    requirement: REQ-RANGE-7\n    comment: an out-of-range digit\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("  TEST plain\n    ELEMENT"), std::string::npos) << text;
    // The quiet report keeps them with the heading of a failing test.
    EXPECT_NE(text_of(built.verdict, true).find("requirement: REQ-RANGE-7"), std::string::npos);

    const std::string document = junit_document(built.verdict);
    EXPECT_NE(document.find("<property name=\"requirement\" value=\"REQ-PARSE-1\"/>"),
              std::string::npos)
        << document;
    const std::size_t range = document.find("<testcase name=\"range\"");
    const std::size_t plain = document.find("<testcase name=\"plain\"");
    ASSERT_NE(range, std::string::npos);
    ASSERT_NE(plain, std::string::npos);
    const std::size_t own = document.find("value=\"REQ-RANGE-7\"");
    EXPECT_TRUE(own > range && own < plain) << document;
    EXPECT_NE(document.find("<property name=\"comment\" value=\"an out-of-range digit\"/>", range),
              std::string::npos);
    EXPECT_EQ(document.find("<properties>", plain), std::string::npos) << document;
}

TEST(Verdict, EachTestShowsTheTimeTheHarnessMeasured) {
    // The element's code took 4 us of CPU; the whole test 1.5 ms of wall
    // clock, which the text, the JUnit time and the page show.
    Built built = build(
        "O 1 \"calc\"\nG 2\nT 2 \"first\"\nS\nZ 4\nC 4 int/10 1 0 ok 2 2 2\ne\nE\nD 2 1500\n"
        "U 6\nU 9\n");
    ASSERT_FALSE(built.failure.has_value()) << built.failure->message;
    EXPECT_NE(text_of(built.verdict).find("TEST first: passed (1 check) in 1.5 ms\n"),
              std::string::npos)
        << text_of(built.verdict);
    EXPECT_NE(junit_document(built.verdict)
                  .find("<testcase name=\"first\" classname=\"stub.calc\" "
                        "time=\"0.001500\""),
              std::string::npos)
        << junit_document(built.verdict);
    Built wrong = build("O 1 \"calc\"\nG 2\nT 2 \"first\"\nE\nD 4 10\n");
    ASSERT_TRUE(wrong.failure.has_value());
    EXPECT_NE(wrong.failure->message.find("the time of test record 4 is told"), std::string::npos)
        << wrong.failure->message;
}

TEST(Verdict, TestsTheHarnessLeftOutAreNotSelectedNotMissing) {
    Built built = build(
        "O 1 \"calc\"\nG 2\nT 2 \"first\"\nS\nZ 4\nC 4 int/10 1 0 ok 2 2 2\ne\nE\nU 6\nU 9\n");
    ASSERT_FALSE(built.failure.has_value()) << built.failure->message;
    const std::string text = text_of(built.verdict);
    EXPECT_NE(text.find("TEST second: not selected\n"), std::string::npos) << text;
    EXPECT_NE(text.find("TEST third: not selected\n"), std::string::npos) << text;
    EXPECT_NE(text.find("(1 passed, 0 failed, 0 did not finish, 0 did not run, 2 not selected)"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("VERDICT: PASSED (1 of 3 tests selected)\n"), std::string::npos) << text;
    // The quiet report lists failures only: nothing here.
    EXPECT_EQ(text_of(built.verdict, true).find("not selected\n"), std::string::npos);
    const std::string document = junit_document(built.verdict);
    EXPECT_NE(document.find("<skipped message=\"not selected\"/>"), std::string::npos) << document;
    EXPECT_NE(document.find("skipped=\"1\""), std::string::npos) << document;
    // Without its "U" line a test that never began did not run: FAILED.
    Built missing =
        build("O 1 \"calc\"\nG 2\nT 2 \"first\"\nS\nZ 4\nC 4 int/10 1 0 ok 2 2 2\ne\nE\nU 6\n");
    ASSERT_FALSE(missing.failure.has_value());
    EXPECT_EQ(missing.verdict.verdict_word(), "FAILED");
    // Only a test can be left out.
    Built wrong = build("O 1 \"calc\"\nU 4\n");
    ASSERT_TRUE(wrong.failure.has_value());
    EXPECT_NE(wrong.failure->message.find("test record 4 is told left out"), std::string::npos)
        << wrong.failure->message;
}

TEST(Verdict, CommandLineRefusalsAndHelp) {
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(run_report({}, out, err), exit_unusable);
    EXPECT_NE(err.str().find("expected two files"), std::string::npos);
    EXPECT_NE(err.str().find("usage: vexorreport"), std::string::npos);
    EXPECT_EQ(run_report({"--frobnicate", "a", "b"}, out, err), exit_unusable);
    EXPECT_NE(err.str().find("unknown option --frobnicate\n"), std::string::npos);
    EXPECT_EQ(run_report({"--juint=x.xml", "a", "b"}, out, err), exit_unusable);
    EXPECT_NE(err.str().find("unknown option --juint=x.xml (did you mean --junit?)"),
              std::string::npos)
        << err.str();
    EXPECT_EQ(run_report({"a.tdc", "b.rio", "--junit"}, out, err), exit_unusable);
    EXPECT_NE(err.str().find("option --junit needs a file name"), std::string::npos);
    std::ostringstream help;
    EXPECT_EQ(run_report({"--help"}, help, err), exit_passed);
    EXPECT_NE(help.str().find("exit status"), std::string::npos);
    std::ostringstream version;
    EXPECT_EQ(run_report({"--version"}, version, err), exit_passed);
    EXPECT_EQ(version.str(), "vexorreport 8.3.0.1.342.020\n");
}

TEST(Verdict, CommandLineReportsAnUnwritableJUnitFile) {
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    std::string dir = scratch.path().toStdString();
    ASSERT_TRUE(vx::harness_testing::write_file(QString::fromStdString(dir + "/t.tdc"), link_text));
    ASSERT_TRUE(vx::harness_testing::write_file(
        QString::fromStdString(dir + "/t.rio"),
        stamped_traces_of("O 1 \"calc\"\nT 2 \"first\"\nS\nC 4 int/10 1 0 ok 2 2 2\nE\n")));
    std::ostringstream out;
    std::ostringstream err;
    // Tests "second" and "third" of the link records did not run.
    EXPECT_EQ(run_report({dir + "/t.tdc", dir + "/t.rio"}, out, err), exit_failed);
    EXPECT_EQ(run_report({dir + "/t.tdc", dir + "/t.rio", "--junit=" + dir + "/no/such/dir/j.xml"},
                         out, err),
              exit_unusable);
    EXPECT_NE(err.str().find("cannot write the JUnit file"), std::string::npos);
}

}  // namespace

namespace {

TEST(TextReport, DeepNestingIsIndentedToABoundAndNumbered) {
    using vx::report::depth_prefix;
    using vx::report::max_indented_depth;
    EXPECT_EQ(depth_prefix(0, "  "), "");
    EXPECT_EQ(depth_prefix(2, "  "), "    ");
    EXPECT_EQ(depth_prefix(max_indented_depth, "-"), std::string(max_indented_depth, '-'));
    // Deeper levels cost one number, not one indent each.
    EXPECT_EQ(depth_prefix(100000, "-"), std::string(max_indented_depth, '-') + "[depth 100000] ");
}

}  // namespace
