// The verdict never says PASSED for a run that did not do everything the
// link records describe: tests that crashed, timed out, left early or
// never ran, elements that stopped before their end, stub calls that were
// never checked, and traces cut anywhere.
#include "report/output/junit.h"
#include "report/input/link_record_file.h"
#include "report/report_cli.h"
#include "report/output/text_report.h"
#include "report/input/traces.h"
#include "report/verdict.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <fstream>
#include <sstream>

namespace {

using namespace vx::report;

// One service with three tests of one element each; the first element
// checks x, and stub "release" (record 9) is described in the third.
const std::string links_text =
    "E11 0 /w/pool.ptu\nE6  pool\n"
    "E17 0 3\nE16 0 4\nO1 pool_flush_with_a_long_name\nT2 first\nE14 0 5\nB3 1\n"
    "E12 0 6\nV4 x RA=FORM=CD64,INIT=0 VA=1\n"
    "E16 0 9\nT5 second\nE14 0 10\nB6 1\n"
    "E16 0 13\nT7 third\nE14 0 14\nB8 1\n"
    "E15 0 2\nU9  release(block)\nP10\nL11 block RA=FORM=C, INIT=, VA=\nM0\n";

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

}  // namespace
