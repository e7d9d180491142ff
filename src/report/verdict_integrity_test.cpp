// The verdict never says PASSED for a run that did not do everything the
// link records describe: tests that crashed, timed out, left early or
// never ran, elements that stopped before their end, stub calls that were
// never checked, and traces cut anywhere.
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

#include <fstream>
#include <sstream>

namespace {

using namespace vx::report;

// One service with three tests of one element each; the first element
// checks x, and stub "release" (record 9) is described in the third.
const std::string links_text = vx::report::testing::sealed(
    "E11 0 /w/pool.ptu\nE6  pool\n"
    "E17 0 3\nE16 0 4\nO1 pool_flush_with_a_long_name\nT2 first\nE14 0 5\nB3 1\n"
    "E12 0 6\nV4 x RA=FORM=CD64,INIT=0 VA=1\nE22 1\n"
    "E16 0 9\nT5 second\nE14 0 10\nB6 1\nE22 1\n"
    "E16 0 13\nT7 third\nE14 0 14\nB8 1\nE22 1\n"
    "E15 0 2\nU9  release(block)\nP10\nL11 block RA=FORM=C, INIT=, VA=\nM0\n");

// A complete run in which everything passes, as the runtime writes it.
const std::string passing_body =
    "O 1 \"pool_flush_with_a_long_name\"\n"
    "G 2\nT 2 \"first\"\nS\nI 4 int/10 0\nZ 1\nC 4 int/10 1 0 ok 1 1 1\ne\nE\n"
    "G 5\nT 5 \"second\"\nS\nZ 1\ne\nE\n"
    "G 7\nT 7 \"third\"\nS\nM 9 1 0\nZ 1\nK 1 0\nC 0 int/10 1 0 ok 1 1 1\n"
    "K 1 1\nC 11 ptr 1 0 ok 0x10 NONIL NONIL\nK 0 0\ne\nE\n";

std::string whole(const std::string& body) {
    long lines = 1 + static_cast<long>(std::count(body.begin(), body.end(), '\n'));
    return "VXU-TRACES 2\n" + body + "F " + std::to_string(lines) + "\n";
}

struct Outcome {
    bool refused = false;
    std::string refusal;
    Verdict verdict;
    std::string text;
};

Outcome read(const std::string& traces_text) {
    Outcome outcome;
    LinkRecordFile links;
    EXPECT_FALSE(parse_link_records(links_text, links).has_value());
    TracesFile traces;
    if (auto failure = parse_traces(traces_text, traces)) {
        outcome.refused = true;
        outcome.refusal = failure->message;
        return outcome;
    }
    if (auto failure = build_verdict(links, traces, outcome.verdict)) {
        outcome.refused = true;
        outcome.refusal = failure->message;
        return outcome;
    }
    std::ostringstream out;
    write_text_report(outcome.verdict, TextOptions{}, out);
    outcome.text = out.str();
    return outcome;
}

// The run of the pool service with the traces `tests` of its tests, which
// must be read (not refused) into a verdict that does not pass.
Outcome failing_run(const std::string& tests) {
    Outcome outcome = read(whole("O 1 \"pool_flush_with_a_long_name\"\n" + tests));
    EXPECT_FALSE(outcome.refused) << outcome.refusal;
    EXPECT_FALSE(outcome.verdict.passed());
    return outcome;
}

bool has(const std::string& text, const std::string& piece) {
    return text.find(piece) != std::string::npos;
}

TEST(VerdictIntegrity, AWholePassingRunPasses) {
    Outcome outcome = read(whole(passing_body));
    ASSERT_FALSE(outcome.refused) << outcome.refusal;
    EXPECT_TRUE(outcome.verdict.passed()) << outcome.text;
    EXPECT_TRUE(has(outcome.text, "VERDICT: PASSED\n")) << outcome.text;
    EXPECT_TRUE(has(outcome.text, "3 tests (3 passed, 0 failed, 0 did not finish, 0 did not run)"))
        << outcome.text;
    // The service keeps its whole script name.
    EXPECT_TRUE(has(outcome.text, "SERVICE pool_flush_with_a_long_name")) << outcome.text;
}

// Cut after any line, a real traces file never reads as PASSED: either it
// is refused or its verdict is INCOMPLETE.
TEST(VerdictIntegrity, TracesCutAfterAnyLineAreNeverPassed) {
    const std::string full = whole(passing_body);
    std::size_t position = 0;
    int cuts = 0;
    while ((position = full.find('\n', position)) != std::string::npos) {
        ++position;
        if (position == full.size()) break;  // the whole file
        for (std::size_t extra : {std::size_t{0}, std::size_t{1}}) {
            // At a line end, and one character into the next line.
            const std::string cut = full.substr(0, position + extra);
            Outcome outcome = read(cut);
            ++cuts;
            if (outcome.refused) continue;
            EXPECT_FALSE(outcome.verdict.passed()) << "cut at " << cut.size() << ":\n" << cut;
            EXPECT_TRUE(has(outcome.text, "VERDICT: INCOMPLETE\n")) << outcome.text;
            EXPECT_FALSE(has(outcome.text, "PASSED")) << outcome.text;
        }
    }
    EXPECT_GT(cuts, 40);
}

TEST(VerdictIntegrity, ADoubledLineIsRefused) {
    const std::string full = whole(passing_body);
    std::size_t start = 0;
    int doubled = 0;
    while (start < full.size()) {
        const std::size_t end = full.find('\n', start) + 1;
        const std::string line = full.substr(start, end - start);
        if (start > 0) {
            const std::string twice = full.substr(0, end) + line + full.substr(end);
            Outcome outcome = read(twice);
            EXPECT_TRUE(outcome.refused) << "line doubled: " << line;
            ++doubled;
        }
        start = end;
    }
    EXPECT_GT(doubled, 20);
}

TEST(VerdictIntegrity, TracesOfAnotherScriptAreRefused) {
    Outcome outcome = read(whole("O 1 \"another\"\nG 2\nT 2 \"first\"\nS\ne\nE\n"));
    EXPECT_TRUE(outcome.refused);
    EXPECT_TRUE(has(outcome.refusal, "\"another\"")) << outcome.refusal;
}

TEST(VerdictIntegrity, CrashedAndTimedOutTestsFailWithTheirReasons) {
    Outcome outcome = failing_run(
        "G 2\nT 2 \"first\"\nS\nQ 2 signal SIGSEGV\n"
        "G 5\nQ 5 timeout 3\n"
        "G 7\nT 7 \"third\"\nS\nZ 1\nK 1 0\nC 0 int/10 1 0 ok 0 -1 0\nK 0 0\ne\nE\n");
    EXPECT_TRUE(has(outcome.text, "STOP  element crashed (SIGSEGV)")) << outcome.text;
    EXPECT_TRUE(has(outcome.text, "TEST first: FAILED (crashed (SIGSEGV)")) << outcome.text;
    // The second test timed out before its "T" line: it is still named.
    EXPECT_TRUE(has(outcome.text, "TEST second: FAILED (timed out after 3 s")) << outcome.text;
    EXPECT_TRUE(has(outcome.text, "TEST third: passed")) << outcome.text;
    EXPECT_TRUE(has(outcome.text, "(1 passed, 0 failed, 2 did not finish, 0 did not run)"))
        << outcome.text;
    EXPECT_TRUE(has(outcome.text, "VERDICT: FAILED\n")) << outcome.text;

    const std::string xml = junit_document(outcome.verdict);
    EXPECT_TRUE(has(xml, "errors=\"2\"")) << xml;
    EXPECT_TRUE(has(xml, "type=\"did not finish\"")) << xml;
    EXPECT_EQ(std::count(xml.begin(), xml.end(), '\n') > 0, true);
    std::size_t testcases = 0;
    for (std::size_t at = 0; (at = xml.find("<testcase ", at)) != std::string::npos; ++at) {
        ++testcases;
    }
    EXPECT_EQ(testcases, 3u);
}

TEST(VerdictIntegrity, ElementsAndTestsLeftEarlyFail) {
    // The first test's element has no end line (a break out of its loop);
    // the second test returned: its test never ended before the next one.
    Outcome outcome = failing_run(
        "G 2\nT 2 \"first\"\nS\nZ 1\nE\n"
        "G 5\nT 5 \"second\"\nS\n"
        "G 7\nT 7 \"third\"\nS\nZ 1\ne\nE\n");
    EXPECT_TRUE(has(outcome.text,
                    "TEST first: FAILED (element 1 did not reach its end: its code "
                    "left the element early"))
        << outcome.text;
    EXPECT_TRUE(has(outcome.text, "TEST second: FAILED (")) << outcome.text;
    EXPECT_TRUE(has(outcome.text, "VERDICT: FAILED\n")) << outcome.text;
}

TEST(VerdictIntegrity, TestsThatNeverRanFailTheVerdict) {
    Outcome outcome = failing_run("G 2\nT 2 \"first\"\nS\nZ 1\nC 4 int/10 1 0 ok 1 1 1\ne\nE\n");
    EXPECT_TRUE(has(outcome.text, "TEST second: NOT RUN")) << outcome.text;
    EXPECT_TRUE(has(outcome.text, "TEST third: NOT RUN")) << outcome.text;
    EXPECT_TRUE(has(outcome.text, "(1 passed, 0 failed, 0 did not finish, 2 did not run)"))
        << outcome.text;
    const std::string xml = junit_document(outcome.verdict);
    EXPECT_TRUE(has(xml, "type=\"not run\"")) << xml;
}

TEST(VerdictIntegrity, AnUnmatchedStubCallWhoseInputsWereNotKeptFails) {
    // Call 2 did not match and has no checks of its inputs.
    std::string body = passing_body;
    body.replace(body.find("M 9 1 0\n"), 8, "M 9 1 0\nM 9 2 1\n");
    Outcome outcome = read(whole(body));
    ASSERT_FALSE(outcome.refused) << outcome.refusal;
    EXPECT_FALSE(outcome.verdict.passed());
    EXPECT_TRUE(has(outcome.text, "FAIL  stub release call 2: did not match the calls described"))
        << outcome.text;
    // The same call with its inputs checked is judged by those checks: a
    // failing input is the failure, no other line is added.
    std::string checked = passing_body;
    checked.replace(checked.find("M 9 1 0\n"), 8, "M 9 1 1\n");
    std::string failing = checked;
    failing.replace(failing.find("ok 0x10 NONIL NONIL"), 19, "KO 0x10 0x20 0x20");
    Outcome judged = read(whole(failing));
    ASSERT_FALSE(judged.refused) << judged.refusal;
    EXPECT_FALSE(judged.verdict.passed());
    EXPECT_FALSE(has(judged.text, "did not match the calls described, and")) << judged.text;
    // A call that did not match while every check of it passed (a null
    // pointer handed for a buffer leaves the kept inputs as they were)
    // fails on its own: never a PASSED over a mismatch.
    Outcome unexplained = read(whole(checked));
    ASSERT_FALSE(unexplained.refused) << unexplained.refusal;
    EXPECT_FALSE(unexplained.verdict.passed()) << unexplained.text;
    EXPECT_TRUE(has(unexplained.text,
                    "FAIL  stub release call 1: did not match the calls "
                    "described, and no check of it failed"))
        << unexplained.text;
}

TEST(VerdictIntegrity, OlderHarnessesWithoutElementEndsStillRead) {
    const std::string body =
        "O 1 \"pool_flush_with_a_long_name\"\n"
        "T 2 \"first\"\nS\nZ 1\nC 4 int/10 1 0 ok 1 1 1\nE\n"
        "T 5 \"second\"\nS\nZ 1\nE\nT 7 \"third\"\nS\nZ 1\nE\n";
    long lines = 1 + static_cast<long>(std::count(body.begin(), body.end(), '\n'));
    Outcome outcome = read("VXU-TRACES 1\n" + body + "F " + std::to_string(lines) + "\n");
    ASSERT_FALSE(outcome.refused) << outcome.refusal;
    EXPECT_TRUE(outcome.verdict.passed()) << outcome.text;
}

// The JUnit file of an earlier green run never survives a run whose inputs
// cannot be read.
TEST(VerdictIntegrity, JUnitIsRewrittenWhenThereIsNoVerdict) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string base = dir.path().toStdString();
    const std::string junit = base + "/t.xml";
    {
        std::ofstream stale(junit);
        stale << "<testsuites tests=\"1\" failures=\"0\" errors=\"0\"/>\n";
    }
    {
        std::ofstream links(base + "/t.tdc");
        links << links_text;
    }
    std::ostringstream out;
    std::ostringstream err;
    const int status =
        run_report({"--junit", junit, base + "/t.tdc", base + "/missing.rio"}, out, err);
    EXPECT_EQ(status, 2);
    std::ifstream in(junit);
    const std::string xml((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_TRUE(has(xml, "errors=\"1\"")) << xml;
    EXPECT_TRUE(has(xml, "missing.rio")) << xml;
    EXPECT_FALSE(has(xml, "errors=\"0\"")) << xml;
}

// The fixture "worked" and the traces its harness writes, in a scratch
// directory, read by the command line in-process.
class StampedRun : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        links_ = vx::harness_testing::read_file(
            vx::harness_testing::harness_file(QStringLiteral("worked.tdc")));
        ASSERT_FALSE(links_.empty());
        write("t.tdc", links_);
    }

    static std::string traces(std::string_view header, const std::string& body) {
        std::string text = std::string(header) + body;
        return text + "F " + std::to_string(std::count(text.begin(), text.end(), '\n')) + "\n";
    }

    std::string path(const std::string& name) const {
        return dir_.path().toStdString() + "/" + name;
    }
    void write(const std::string& name, const std::string& content) const {
        ASSERT_TRUE(vx::harness_testing::write_file(QString::fromStdString(path(name)), content));
    }
    int report(const std::string& links, const std::string& rio, std::string& out, std::string& err,
               const std::vector<std::string>& extra = {}) const {
        std::ostringstream out_stream;
        std::ostringstream err_stream;
        std::vector<std::string> arguments = extra;
        arguments.push_back(path(links));
        arguments.push_back(path(rio));
        const int status = run_report(arguments, out_stream, err_stream);
        out = out_stream.str();
        err = err_stream.str();
        return status;
    }

    static constexpr std::string_view header = "VXU-TRACES 3\nH 5eed5eed5eed5eed\n";
    const std::string body =
        "O 1 \"add\"\nG 2\nT 2 \"t1\"\nS\nI 4 int/10 1\nZ 13\nK 0 0\n"
        "C 4 int/10 1 0 ok 1 1 1\nC 5 int/10 1 0 ok 3 3 3\ne\nE\n";
    QTemporaryDir dir_;
    std::string links_;
};

TEST_F(StampedRun, ALinkRecordFileCutAnywhereIsRefused) {
    write("t.rio", traces(header, body));
    std::string out;
    std::string err;
    ASSERT_EQ(report("t.tdc", "t.rio", out, err), exit_passed) << err;
    EXPECT_TRUE(has(out, "VERDICT: PASSED")) << out;
    // Cut at every line end, one character into every line, and at every
    // eleventh byte: each is refused, naming the link record file.
    std::vector<std::size_t> cuts;
    for (std::size_t at = 0; at < links_.size(); ++at) {
        if (links_[at] == '\n') {
            cuts.push_back(at + 1);
            cuts.push_back(at + 2);
        } else if (at % 11 == 0) {
            cuts.push_back(at);
        }
    }
    int refused = 0;
    for (std::size_t cut : cuts) {
        if (cut >= links_.size()) continue;
        write("cut.tdc", links_.substr(0, cut));
        ASSERT_EQ(report("cut.tdc", "t.rio", out, err), exit_unusable) << "cut at " << cut;
        EXPECT_TRUE(has(err, path("cut.tdc") + ":")) << err;
        EXPECT_FALSE(has(out, "PASSED")) << out;
        ++refused;
    }
    EXPECT_GT(refused, 100);
    // A line doubled or lost, or a record after the end record.
    std::string doubled = links_;
    doubled.insert(links_.find("V4 "), "V4 x RA=FORM=ND,INIT=1 VA=1\n");
    std::string lost = links_;
    lost.erase(lost.find("E12 0 7\n"), 8);
    for (const std::string& damaged : {doubled, lost, links_ + "V9 late RA=\n"}) {
        write("bad.tdc", damaged);
        EXPECT_EQ(report("bad.tdc", "t.rio", out, err), exit_unusable) << damaged;
        EXPECT_TRUE(has(err, "bad.tdc:")) << err;
    }
}

TEST_F(StampedRun, TracesOfAnotherCompilationAreRefusedNamingBothFiles) {
    std::string out;
    std::string err;
    const std::string other = "VXU-TRACES 3\nH 5eed5eed5eed5eee\n";
    for (const auto& [name, text] :
         {std::pair<std::string, std::string>{"other.rio", traces(other, body)},
          {"unstamped.rio", traces("VXU-TRACES 3\n", body)},
          {"v2.rio", traces("VXU-TRACES 2\n", body)},
          {"v1.rio", traces("VXU-TRACES 1\n", "O 1 \"add\"\nT 2 \"t1\"\nS\nE\n")}}) {
        write(name, text);
        ASSERT_EQ(report("t.tdc", name, out, err, {"--junit", path("t.xml")}), exit_unusable)
            << name;
        EXPECT_TRUE(
            has(err, path(name) + " and " + path("t.tdc") + " come from different compilations"))
            << err;
        EXPECT_TRUE(has(err, "the link records the stamp 5eed5eed5eed5eed")) << err;
        EXPECT_TRUE(out.empty()) << out;
        const auto junit = vx::harness_testing::parse_junit(
            vx::harness_testing::read_file(QString::fromStdString(path("t.xml"))));
        EXPECT_EQ(junit.root_attributes.at(QStringLiteral("errors")), QStringLiteral("1"));
    }
    EXPECT_TRUE(has(err, "the traces carry no stamp")) << err;
    // Traces cut before their stamp are read as far as they go.
    write("early.rio", "VXU-TRACES 3\n");
    EXPECT_EQ(report("t.tdc", "early.rio", out, err), exit_unusable);
    EXPECT_TRUE(has(out, "VERDICT: INCOMPLETE")) << out;
    EXPECT_FALSE(has(err, "different compilations")) << err;
}

TEST_F(StampedRun, TheJUnitFileOfAnIncompleteRunHoldsAnError) {
    // The traces stop after the last test, before their end line: every
    // test passed, and still the run is not.
    const std::string cut = std::string(header) + body;
    write("cut.rio", cut);
    std::string out;
    std::string err;
    ASSERT_EQ(report("t.tdc", "cut.rio", out, err, {"--junit", path("cut.xml")}), exit_unusable);
    EXPECT_TRUE(has(out, "VERDICT: INCOMPLETE")) << out;
    auto junit = vx::harness_testing::parse_junit(
        vx::harness_testing::read_file(QString::fromStdString(path("cut.xml"))));
    ASSERT_TRUE(junit.well_formed);
    EXPECT_EQ(junit.root_attributes.at(QStringLiteral("errors")), QStringLiteral("1"));
    EXPECT_EQ(junit.root_attributes.at(QStringLiteral("tests")), QStringLiteral("2"));
    const auto* incomplete = junit.find(QStringLiteral("traces complete"));
    ASSERT_NE(incomplete, nullptr);
    EXPECT_TRUE(incomplete->error);
    const std::string xml = vx::harness_testing::read_file(QString::fromStdString(path("cut.xml")));
    EXPECT_TRUE(has(xml, "the verdict is INCOMPLETE: the traces stop at line 13")) << xml;
    // The whole traces: no such case.
    write("t.rio", traces(header, body));
    ASSERT_EQ(report("t.tdc", "t.rio", out, err, {"--junit", path("t.xml")}), exit_passed) << err;
    junit = vx::harness_testing::parse_junit(
        vx::harness_testing::read_file(QString::fromStdString(path("t.xml"))));
    EXPECT_EQ(junit.root_attributes.at(QStringLiteral("errors")), QStringLiteral("0"));
    EXPECT_EQ(junit.find(QStringLiteral("traces complete")), nullptr);
}

}  // namespace
