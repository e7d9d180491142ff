// The verdict holds each test to what its link records promise: as many
// runs as its "E22" record says, and in each run its elements in order,
// each holding the values of its own variables. Every failing case has a
// passing twin that differs only in the fault, so a check that always
// fails would be caught as surely as one that never does.
#include "harness/harness_runner.h"
#include "report/verdict_testing.h"
#include "report/input/link_record_file.h"
#include "report/input/link_records_testing.h"
#include "report/input/traces.h"
#include "report/output/html_report.h"
#include "report/output/junit_testing.h"
#include "report/output/text_report.h"
#include "report/verdict.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using namespace vx::report;

// Service "svc": test "once" (two elements; the second uses a stub and an
// environment's variable, whose record comes after the element's own),
// "thrice" (LOOP 3; an array and an aggregate), "looped" (an INIT IN of 2
// values under a LOOP whose count is an expression), "maybe_none" (a LOOP
// whose count may be 0). Service "later": one test.
const std::string links_text = vx::report::testing::sealed(
    "E11 0 /w/loop.ptu\nE6  loop\n"
    "E15 0 1\nU1  notify(p)\nP2\nL3 p RA=FORM=CD64, INIT=, VA=\nM0\n"
    "E17 0 2\nO4 svc\n"
    "E16 0 3\nT5 once\nE14 0 4\nB6 1\nE12 0 5\nV7 x RA=FORM=ND,INIT=1 VA=2\n"
    "E14 0 7\nB8 2\nE12 0 8\nV9 y RA=FORM=ND,INIT=0 VA=3\nE12 0 40\nV10 level RA=FORM=ND,INIT=0 "
    "VA=0\nE22 1\n"
    "E16 0 10\nT11 thrice\nR12 3\nE14 0 11\nB13 1\nE12 0 12\nA14 tab[2] RA=FORM=ND,INIT={1,2} "
    "VA={1,2}\nE12 0 13\nV15 s RA=FORM=ND,INIT=? , VA={1,2}\nE22 3\n"
    "E16 0 15\nT16 looped\nR17 ?\nE14 0 16\nB18 1\nE12 0 17\nV19 z RA=FORM=ND,INIT=? , VA=1\n"
    "E22 2*R17\n"
    "E16 0 19\nT20 maybe_none\nR21 ?\nE14 0 20\nB22 1\nE12 0 21\nV23 w RA=FORM=ND,INIT=0 VA=0\n"
    "E22 R21\n"
    "E17 0 30\nO24 later\nE16 0 31\nT25 later_test\nE14 0 32\nB26 1\nE12 0 33\n"
    "V27 q RA=FORM=ND,INIT=0 VA=7\nE22 1\n");

std::string run_of(const std::string& test, const std::string& name, const std::string& body) {
    return "T " + test + " \"" + name + "\"\n" + body + "E\n";
}

// The lines of each test, as a harness of this compilation writes them.
const std::string once_element_1 = "S\nI 7 int/10 1\nZ 1\nC 7 int/10 1 0 ok 2 2 2\ne\n";
const std::string once_element_2 =
    "S\nI 9 int/10 0\nI 10 int/10 0\nZ 1\nM 1 1 0\nK 1 0\nC 0 int/10 1 0 ok 1 1 1\n"
    "K 1 1\nC 3 int/10 1 0 ok 5 5 5\nK 0 0\nC 9 int/10 1 0 ok 3 3 3\n"
    "C 10 int/10 1 0 ok 0 0 0\ne\n";
const std::string thrice_element =
    "S\nZ 1\nA 14\nC 14 int/10 1 0 ok 1 1 1\nC 14 int/10 1 0 ok 2 2 2\na 14\n"
    "[ 15\nC 15 int/10 1 0 ok 1 1 1\nC 15 int/10 1 0 ok 2 2 2\n] 15\ne\n";
const std::string looped_element = "S\nZ 1\nC 19 int/10 1 0 ok 1 1 1\ne\n";
const std::string later_element = "S\nI 27 int/10 0\nZ 1\nC 27 int/10 1 0 ok 7 7 7\ne\n";

struct Parts {
    std::string once = "G 5\n" + run_of("5", "once", once_element_1 + once_element_2);
    std::string thrice = "G 11\n" + run_of("11", "thrice", thrice_element) +
                         run_of("11", "thrice", thrice_element) +
                         run_of("11", "thrice", thrice_element);
    std::string looped = "G 16\nR 17 2\n" + run_of("16", "looped", looped_element) +
                         run_of("16", "looped", looped_element) +
                         run_of("16", "looped", looped_element) +
                         run_of("16", "looped", looped_element);
    std::string maybe_none = "G 20\nR 21 0\n";
    std::string later = "G 25\n" + run_of("25", "later_test", later_element);

    std::string traces() const {
        const std::string body =
            "O 4 \"svc\"\n" + once + thrice + looped + maybe_none + "O 24 \"later\"\n" + later;
        const long lines = 2 + static_cast<long>(std::count(body.begin(), body.end(), '\n'));
        return "VXU-TRACES 3\nH " + std::string(vx::report::testing::fixture_stamp) + "\n" + body +
               "F " + std::to_string(lines) + "\n";
    }
};

struct Read {
    Verdict verdict;
    std::string text;
    std::string junit;
    std::string html;
};

Read read(const Parts& parts) {
    Read result;
    LinkRecordFile links;
    auto refused = parse_link_records(links_text, links);
    EXPECT_FALSE(refused.has_value()) << refused->line << ": " << refused->message;
    TracesFile traces;
    const std::string text = parts.traces();
    refused = parse_traces(text, traces);
    EXPECT_FALSE(refused.has_value()) << refused->line << ": " << refused->message << "\n" << text;
    refused = build_verdict(links, traces, result.verdict);
    EXPECT_FALSE(refused.has_value()) << refused->line << ": " << refused->message << "\n" << text;
    std::ostringstream out;
    write_text_report(result.verdict, TextOptions{}, out);
    result.text = out.str();
    // Building the verdict as the lines are read gives the same report.
    TracesFile streamed;
    Verdict as_read;
    const VerdictReading reading = read_verdict(links, text, streamed, as_read);
    EXPECT_FALSE(reading.damaged.has_value());
    EXPECT_FALSE(reading.mismatch.has_value());
    EXPECT_TRUE(streamed.lines.empty());
    EXPECT_EQ(streamed.read_lines, static_cast<long>(traces.lines.size()));
    std::ostringstream streamed_out;
    write_text_report(as_read, TextOptions{}, streamed_out);
    EXPECT_EQ(streamed_out.str(), result.text);
    result.junit = junit_document(result.verdict);
    HtmlInputs page;
    page.verdict = &result.verdict;
    page.links = &links;
    result.html = html_document(page);
    return result;
}

bool has(const std::string& text, const std::string& piece) {
    return text.find(piece) != std::string::npos;
}

// The XML text with its entities read back (enough for these texts).
std::string unescaped(std::string xml) {
    const std::pair<std::string, std::string> entities[] = {
        {"&quot;", "\""}, {"&apos;", "'"}, {"&lt;", "<"}, {"&gt;", ">"}, {"&amp;", "&"}};
    for (const auto& [entity, text] : entities) {
        for (std::size_t at = 0; (at = xml.find(entity, at)) != std::string::npos; ++at) {
            xml.replace(at, entity.size(), text);
        }
    }
    return xml;
}

// A read that must fail, with `reason` in the text report, the JUnit file
// and the page.
void expect_fails_with(const Parts& parts, const std::string& reason) {
    Read result = read(parts);
    EXPECT_FALSE(result.verdict.passed()) << result.text;
    EXPECT_TRUE(has(result.text, "VERDICT: FAILED\n")) << result.text;
    EXPECT_TRUE(has(result.text, reason)) << "missing: " << reason << "\n" << result.text;
    EXPECT_TRUE(has(unescaped(result.junit), reason)) << "missing: " << reason << "\n"
                                                      << result.junit;
    EXPECT_TRUE(has(result.html, html_escape(reason))) << "missing: " << reason;
    const auto junit = vx::harness_testing::parse_junit(result.junit);
    ASSERT_TRUE(junit.well_formed);
    bool flagged = false;
    for (const auto& testcase : junit.cases) {
        flagged = flagged || testcase.failed || testcase.error;
    }
    EXPECT_TRUE(flagged) << result.junit;
}

TEST(VerdictRuns, AWholeRunOfEveryShapePasses) {
    // Two elements with a stub and an environment, a loop with arrays and
    // aggregates, a loop counted at run time, a loop that ran no time.
    Read result = read(Parts{});
    EXPECT_TRUE(result.verdict.passed()) << result.text;
    EXPECT_TRUE(has(result.text, "TEST looped (run 4)")) << result.text;
    EXPECT_TRUE(has(result.text, "note  repeated 2 time(s)")) << result.text;
    EXPECT_TRUE(
        has(result.text, "TEST maybe_none: passed (ran no time: its repetition count is 0)"))
        << result.text;
    // Each run counts as a test: 1 + 3 + 4 + 1 (the one that ran no time)
    // + 1; 2 + 3 + 4 + 1 elements ran.
    EXPECT_TRUE(has(result.text,
                    "10 tests (10 passed, 0 failed, 0 did not finish, 0 did not run), 10 elements"))
        << result.text;
    const auto junit = vx::harness_testing::parse_junit(result.junit);
    EXPECT_EQ(junit.root_attributes.at(QStringLiteral("errors")), QStringLiteral("0"));
    EXPECT_EQ(junit.root_attributes.at(QStringLiteral("failures")), QStringLiteral("0"));
}

// Tests that ran out of the order of the script keep the order they ran
// in; a test that did not run goes before the first run of a later test,
// and each run is numbered among the runs of its test in its service.
TEST(VerdictRuns, TestsThatDidNotRunTakeTheirPlaceAmongTheRuns) {
    Parts parts;
    parts.thrice.clear();
    parts.maybe_none.clear();
    const std::string once = parts.once;
    parts.once = parts.looped;
    parts.looped = once;
    const Read result = read(parts);
    const std::size_t thrice = result.text.find("TEST thrice: NOT RUN");
    const std::size_t looped = result.text.find("TEST looped  (");
    const std::size_t fourth = result.text.find("TEST looped (run 4)  (");
    const std::size_t once_run = result.text.find("TEST once  (");
    const std::size_t maybe_none = result.text.find("TEST maybe_none: NOT RUN");
    ASSERT_NE(thrice, std::string::npos) << result.text;
    ASSERT_NE(fourth, std::string::npos) << result.text;
    ASSERT_NE(maybe_none, std::string::npos) << result.text;
    EXPECT_LT(thrice, looped) << result.text;
    EXPECT_LT(looped, fourth) << result.text;
    EXPECT_LT(fourth, once_run) << result.text;
    EXPECT_LT(once_run, maybe_none) << result.text;
    EXPECT_EQ(result.text.find("TEST once (run 2)"), std::string::npos) << result.text;
}

TEST(VerdictRuns, ATestThatRanFewerOrMoreTimesThanPromisedFails) {
    Parts fewer;
    fewer.thrice = "G 11\n" + run_of("11", "thrice", thrice_element);
    expect_fails_with(fewer, "ran 1 time(s) out of 3");

    Parts more;
    more.thrice += run_of("11", "thrice", thrice_element);
    expect_fails_with(more, "ran 4 time(s) out of 3");

    // Counted at run time: 2 values times the traced count 2.
    Parts short_loop;
    short_loop.looped = "G 16\nR 17 2\n" + run_of("16", "looped", looped_element) +
                        run_of("16", "looped", looped_element) +
                        run_of("16", "looped", looped_element);
    expect_fails_with(short_loop, "ran 3 time(s) out of 4");
    Parts recounted = short_loop;
    recounted.looped.replace(recounted.looped.find("R 17 2"), 6, "R 17 1");
    expect_fails_with(recounted, "ran 3 time(s) out of 2");

    // The count the runs depend on was never traced.
    Parts uncounted;
    uncounted.looped.erase(uncounted.looped.find("R 17 2\n"), 7);
    expect_fails_with(uncounted, "its repetition count (record 17) is missing from the traces");

    // A loop counted 1 that never ran its test.
    Parts skipped;
    skipped.maybe_none = "G 20\nR 21 1\n";
    Read result = read(skipped);
    EXPECT_FALSE(result.verdict.passed());
    EXPECT_TRUE(has(result.text, "TEST maybe_none: NOT RUN")) << result.text;
    // Counted 0, but the harness never reached the test.
    Parts unreached;
    unreached.maybe_none = "";
    result = read(unreached);
    EXPECT_FALSE(result.verdict.passed());
    EXPECT_TRUE(has(result.text, "TEST maybe_none: NOT RUN")) << result.text;
}

TEST(VerdictRuns, OlderHarnessesTraceTheCountInsideEachRun) {
    // The count inside each run, after the checks: the first one counts.
    Parts older;
    const std::string counted = "S\nZ 1\nC 19 int/10 1 0 ok 1 1 1\nR 17 2\ne\n";
    older.looped = "G 16\n";
    for (int i = 0; i < 4; ++i) {
        older.looped += run_of("16", "looped", counted);
    }
    Read result = read(older);
    EXPECT_TRUE(result.verdict.passed()) << result.text;
    // A later count is not the one the loop ran with.
    older.looped.replace(older.looped.rfind("R 17 2"), 6, "R 17 7");
    result = read(older);
    EXPECT_TRUE(result.verdict.passed()) << result.text;
    const std::string one_run = run_of("16", "looped", counted);
    older.looped.erase(older.looped.find(one_run), one_run.size());
    expect_fails_with(older, "ran 3 time(s) out of 4");
}

TEST(VerdictRuns, AJumpFromAnElementIntoTheNextFails) {
    // What a forward goto from element 1 into element 2 leaves: element
    // 1's start and initial value, then element 2's checks and end.
    Parts jumped;
    jumped.once = "G 5\n" + run_of("5", "once",
                                   "S\nI 7 int/10 1\nZ 1\nC 9 int/10 1 0 ok 3 3 3\n"
                                   "C 10 int/10 1 0 ok 0 0 0\ne\n");
    expect_fails_with(jumped,
                      "element 1 holds the check of y (record 9), which belongs to element 2 "
                      "(loop.ptu:7)");
    Read result = read(jumped);
    EXPECT_TRUE(has(result.text, "TEST once: FAILED (element 2 (loop.ptu:7) did not run"))
        << result.text;
    EXPECT_TRUE(has(result.text, "STOP  element did not run")) << result.text;
    // The element that never ran is shown, not counted.
    EXPECT_TRUE(has(result.text, "9 elements")) << result.text;

    // Element 2 began without element 1 ending: its code left element 1.
    Parts left;
    left.once = "G 5\n" + run_of("5", "once", "S\nI 7 int/10 1\n" + once_element_2);
    expect_fails_with(left, "element 1 did not reach its end");

    // The elements in the other order.
    Parts swapped;
    swapped.once = "G 5\n" + run_of("5", "once", once_element_2 + once_element_1);
    expect_fails_with(swapped,
                      "element 1 holds the initial value of y (record 9), which belongs "
                      "to element 2 (loop.ptu:7)");

    // One element too many: a jump back into element 2.
    Parts again;
    again.once = "G 5\n" + run_of("5", "once", once_element_1 + once_element_2 + once_element_2);
    expect_fails_with(again, "element 3 is not in the script: test once has 2 element(s)");
}

TEST(VerdictRuns, AJumpIntoALaterTestFails) {
    // The run of "once" ends with the checks of "later_test".
    Parts jumped;
    jumped.once = "G 5\n" + run_of("5", "once",
                                   once_element_1 +
                                       "S\nI 9 int/10 0\nZ 1\n"
                                       "C 27 int/10 1 0 ok 7 7 7\ne\n");
    expect_fails_with(jumped,
                      "element 2 holds the check of q (record 27), which belongs to element 1 of "
                      "test \"later_test\" (loop.ptu:32)");
    // An aggregate's checks are matched too.
    Parts bracket;
    bracket.later = "G 25\n" + run_of("25", "later_test",
                                      "S\nI 27 int/10 0\nZ 1\n[ 15\n] 15\n"
                                      "C 27 int/10 1 0 ok 7 7 7\ne\n");
    expect_fails_with(bracket,
                      "element 1 holds the checks of s (record 15), which belongs to "
                      "element 1 of test \"thrice\" (loop.ptu:11)");
}

TEST(VerdictRuns, LinesBetweenTestsMakeNoTestOfTheirOwn) {
    // A count and a runtime warning (a fork that failed) between a test's
    // beginning and its first run belong to that test.
    Parts warned;
    warned.looped.insert(warned.looped.find("T 16"), "W \"fork failed\"\n");
    Read result = read(warned);
    EXPECT_TRUE(result.verdict.passed()) << result.text;
    EXPECT_FALSE(has(result.text, "outside any test")) << result.text;
    EXPECT_TRUE(has(result.text, "note  runtime warning: fork failed")) << result.text;

    // An element run between two tests: code that jumped out of its test.
    Parts escaped;
    escaped.once += "S\nZ 1\ne\n";
    expect_fails_with(escaped, "element lines outside any test");
    Parts escaped_checks;
    escaped_checks.once += "S\nC 3 int/10 1 0 ok 5 5 5\ne\n";
    expect_fails_with(escaped_checks, "element lines outside any test");
}

// The stand-in run of lines outside any test has no element of the script
// to hold them: a value traced there is one problem (code ran outside its
// tests), not also a value in the wrong element. A line that holds nothing
// (the end of a group) opens no element of its own.
TEST(VerdictRuns, LinesOutsideTestsFailOnceAndAGroupsEndOpensNoElement) {
    auto stand_in = [](const Verdict& verdict) -> const TestRun* {
        for (const ServiceRun& service : verdict.services) {
            for (const TestRun& run : service.tests) {
                if (run.record == 0) return &run;
            }
        }
        return nullptr;
    };
    // The check of x, which passed, traced after test "once".
    Parts escaped_value;
    escaped_value.once += "S\nZ 1\nC 7 int/10 1 0 ok 2 2 2\ne\n";
    expect_fails_with(escaped_value, "element lines outside any test");
    Read result = read(escaped_value);
    EXPECT_FALSE(has(result.text, "holds the check of x")) << result.text;
    const TestRun* outside = stand_in(result.verdict);
    ASSERT_NE(outside, nullptr) << result.text;
    EXPECT_EQ(outside->failed, 1) << result.text;
    EXPECT_EQ(outside->passed, 1) << result.text;
    EXPECT_EQ(result.verdict.totals.checks_failed, 1) << result.text;

    // The end of a group before the first element of a run: the run's two
    // elements are its elements 1 and 2, and it passes.
    Parts early_end;
    early_end.once = "G 5\n" + run_of("5", "once", "] 7\n" + once_element_1 + once_element_2);
    result = read(early_end);
    EXPECT_TRUE(result.verdict.passed()) << result.text;
    EXPECT_FALSE(has(result.text, "is not in the script")) << result.text;
    // Between two tests it makes no stand-in run.
    Parts between;
    between.once += "] 7\n";
    result = read(between);
    EXPECT_TRUE(result.verdict.passed()) << result.text;
    EXPECT_EQ(stand_in(result.verdict), nullptr) << result.text;
    // Its twin: the end of a group inside the element of another test
    // still fails as a jump.
    Parts misplaced;
    misplaced.later = "G 25\n" + run_of("25", "later_test",
                                        "S\nI 27 int/10 0\nZ 1\n] 15\n"
                                        "C 27 int/10 1 0 ok 7 7 7\ne\n");
    expect_fails_with(misplaced,
                      "element 1 holds the checks of s (record 15), which belongs to "
                      "element 1 of test \"thrice\" (loop.ptu:11)");
}

// Every run but a service's last is kept packed: a run with every field
// away from its default comes back equal, field for field, and the runs
// are walked, copied and changed in place in their order.
TEST(TestRunsPacked, EveryFieldComesBackAndRunsKeepTheirOrder) {
    TestRun run;
    run.record = 17;
    run.name = "settle";
    run.location = "levels.ptu:5";
    run.file = "/w/levels.ptu";
    run.line = 5;
    run.iteration = 300000;
    run.passed = 3;
    run.failed = 1;
    run.recorded = 2;
    run.state = TestState::unfinished;
    run.stop_reason = "crashed (signal 11)";
    run.no_runs = true;
    run.notes.requirements = {"REQ-12", ""};
    run.notes.comments = {"settles in two steps"};
    run.wall_microseconds = 123456789012L;
    ElementRun element;
    element.ordinal = 2;
    element.location = "levels.ptu:7";
    element.microseconds = -1;
    element.ended = false;
    element.ran = false;
    Entry entry;
    entry.kind = EntryKind::stop;
    entry.name = "level[3]";
    entry.type = ValueType::unsigned_integer;
    entry.outcome = Outcome::failed;
    entry.obtained = std::string("a\0b", 3);
    entry.low = "-9223372036854775808";
    entry.high = "18446744073709551615";
    entry.script_expected = "LEVEL_MAX - 1";
    entry.no_call = true;
    entry.location = "levels.ptu:8";
    entry.where = {3, 8};
    entry.depth = 4;
    entry.trace_line = 2800007;
    element.entries = {entry, Entry()};
    run.elements = {element, ElementRun()};

    std::string bytes;
    pack_test_run(run, bytes);
    TestRun back;
    back.elements.resize(5);  // storage reused: whatever was there goes
    unpack_test_run(bytes, back);
    EXPECT_EQ(back, run);
    EXPECT_LT(bytes.size(), 250u);

    TestRuns runs;
    for (int i = 1; i <= 5; ++i) {
        TestRun r = run;
        r.iteration = i;
        r.record = 10 + i % 2;
        runs.push_back(std::move(r));
    }
    ASSERT_EQ(runs.size(), 5u);
    EXPECT_EQ(runs.back().iteration, 5);
    int expected = 1;
    for (const TestRun& r : runs) {
        EXPECT_EQ(r.iteration, expected++);
        EXPECT_EQ(r.elements, run.elements);
    }
    EXPECT_EQ(runs.record_at(2), 11);
    EXPECT_EQ(runs.record_at(3), 10);
    runs.modify(1, [](TestRun& r) { r.stop_reason = "changed"; });
    runs.modify(4, [](TestRun& r) { r.stop_reason = "last"; });
    EXPECT_EQ(runs[1].stop_reason, "changed");
    EXPECT_EQ(runs[1].iteration, 2);
    EXPECT_EQ(runs[2].stop_reason, run.stop_reason);
    EXPECT_EQ(runs.back().stop_reason, "last");
    EXPECT_THROW(unpack_test_run(std::string_view(bytes).substr(0, bytes.size() / 2), back),
                 std::logic_error);
}

}  // namespace
