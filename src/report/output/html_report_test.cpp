// The HTML page: its text and structure (read back with an XML reader, as
// the page is well-formed), escaping of hostile names and values, and the
// coverage figures read from gcov's JSON.
#include "report/verdict_testing.h"
#include "report/output/coverage.h"
#include "report/output/html_report.h"
#include "report/input/link_record_file.h"
#include "report/input/link_records_testing.h"
#include "report/input/traces.h"
#include "report/verdict.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <cstdio>
#include <map>

namespace {

using namespace vx::report;

struct Page {
    std::string html;
    bool well_formed = false;
    std::string error;
    int scripts = 0;
    // Text of every element with an id, and of every row, in order.
    std::map<std::string, std::string> by_id;
    std::vector<std::string> failed_rows;
    std::vector<std::string> passed_rows;
    std::vector<std::string> open_tests;
    std::vector<std::string> folded_tests;
};

Page read_page(const std::string& html) {
    Page page;
    page.html = html;
    QXmlStreamReader xml(QByteArray::fromStdString(html));
    std::vector<std::string> id_stack;
    std::vector<std::string> row_stack;
    std::string row_text;
    std::string row_class;
    int in_row = 0;
    std::map<std::string, std::string> open_text;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const std::string name = xml.name().toString().toStdString();
            const auto attributes = xml.attributes();
            if (name == "script") ++page.scripts;
            const std::string id = attributes.value(QStringLiteral("id")).toString().toStdString();
            if (!id.empty()) open_text[id];
            id_stack.push_back(id);
            if (name == "span" && in_row) row_text += "|";
            if (name == "tr") {
                in_row = 1;
                row_text.clear();
                row_class = attributes.value(QStringLiteral("class")).toString().toStdString();
            }
            if (name == "details") {
                const std::string css =
                    attributes.value(QStringLiteral("class")).toString().toStdString();
                if (css.rfind("test ", 0) == 0) {
                    (attributes.hasAttribute(QStringLiteral("open")) ? page.open_tests
                                                                     : page.folded_tests)
                        .push_back(css);
                }
            }
        } else if (xml.isCharacters()) {
            const std::string text = xml.text().toString().toStdString();
            for (const std::string& id : id_stack) {
                if (!id.empty()) open_text[id] += text;
            }
            if (in_row) row_text += text;
        } else if (xml.isEndElement()) {
            const std::string name = xml.name().toString().toStdString();
            if (!id_stack.empty()) {
                const std::string id = id_stack.back();
                if (!id.empty()) page.by_id[id] = open_text[id];
                id_stack.pop_back();
            }
            if (name == "td" && in_row) row_text += "|";
            if (name == "tr" && in_row) {
                in_row = 0;
                if (row_class.find("failed") != std::string::npos)
                    page.failed_rows.push_back(row_text);
                if (row_class == "passed") page.passed_rows.push_back(row_text);
            }
        }
    }
    page.well_formed = !xml.hasError();
    page.error = xml.errorString().toStdString();
    return page;
}

struct PageRun {
    LinkRecordFile links;
    Verdict verdict;

    // What the page is made from: this run's verdict and link records.
    HtmlInputs inputs() const {
        HtmlInputs in;
        in.verdict = &verdict;
        in.links = &links;
        return in;
    }
};

void build(PageRun& run, const std::string& links_text, const std::string& traces_text) {
    ASSERT_FALSE(
        parse_link_records(vx::report::testing::sealed(links_text), run.links).has_value());
    TracesFile traces;
    auto failure = parse_traces(traces_text, traces);
    ASSERT_FALSE(failure.has_value()) << failure->message;
    ASSERT_FALSE(build_verdict(run.links, traces, run.verdict).has_value());
}

bool write_text(const std::string& path, const std::string& text) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(text.data(), static_cast<qint64>(text.size())) ==
               static_cast<qint64>(text.size());
}

// Coverage as collect_coverage reads it from a stand-in gcov that prints
// `json` (one line) for the one .gcda file of a scratch directory.
std::optional<std::string> coverage_from_json(const std::string& json, CoverageData& data) {
    QTemporaryDir dir;
    if (!dir.isValid()) return "no scratch directory";
    const std::string base = dir.path().toStdString();
    const std::string gcov = base + "/gcov.sh";
    if (!write_text(base + "/unit.gcda", "gcda") || !write_text(base + "/unit.json", json) ||
        !write_text(gcov, "#!/bin/sh\nexec cat \"" + base + "/unit.json\"\n") ||
        !QFile::setPermissions(QString::fromStdString(gcov),
                               QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)) {
        return "cannot write the stand-in gcov";
    }
    return collect_coverage(base, gcov, data);
}

// The "E23" record the compiler writes for script file `file` of this text.
std::string fingerprint_record(long file, const std::string& text) {
    const ScriptFingerprint fingerprint = fingerprint_of(text);
    char hash[17];
    std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(fingerprint.hash));
    return "E23 " + std::to_string(file) + " " + std::to_string(fingerprint.size) + " " + hash +
           "\n";
}

std::string with_end(const std::string& body) {
    long lines = 1 + static_cast<long>(std::count(body.begin(), body.end(), '\n'));
    return "VXU-TRACES 2\n" + body + "F " + std::to_string(lines) + "\n";
}

TEST(HtmlReport, FailingChecksCarryValuesExpectationsAndTheirScriptLine) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string script = dir.path().toStdString() + "/acct.ptu";
    const std::string script_text =
        "HEADER acct, 1.0, , accounts\n##include \"acct.h\"\nBEGIN\nSERVICE credit\n"
        "TEST t1\nELEMENT\nVAR balance, INIT = 10, EV = 15\nVAR fee, INIT = 0, EV = 0\n";
    ASSERT_TRUE(write_text(script, script_text));
    PageRun run;
    build(run,
          "E11 0 " + script + "\n" + fingerprint_record(0, script_text) +
              "E6  acct\nE17 0 4\nE16 0 5\nO1 credit\nT2 t1\nQ7 REQ-<7>\nE14 0 6\nB3 1\n"
              "E12 0 7\nV4 balance RA=FORM=CD64,INIT=10 VA=15\nE12 0 8\nV5 fee RA=FORM=CD64,INIT=0 "
              "VA=0\nE22 1\n"
              "E16 0 11\nT6 t2\nE22 1\n",
          with_end("O 1 \"credit\"\nG 2\nT 2 \"t1\"\nS\nZ 1\nC 4 int/10 1 0 KO 14 15 15\n"
                   "C 5 int/10 1 0 ok 0 0 0\ne\nE\n"));
    HtmlInputs inputs = run.inputs();
    inputs.run_date = "2026-12-08 10:00:00";
    Page page = read_page(html_document(inputs));
    ASSERT_TRUE(page.well_formed) << page.error << "\n" << page.html;
    EXPECT_EQ(page.scripts, 1);
    EXPECT_EQ(page.by_id["verdict"], "FAILED");
    EXPECT_NE(page.by_id["summary"].find("2 test(s): 0 passed, 1 failed, 0 incomplete, 1 not run"),
              std::string::npos)
        << page.by_id["summary"];
    EXPECT_NE(page.by_id["summary"].find("run 2026-12-08 10:00:00"), std::string::npos);
    ASSERT_EQ(page.failed_rows.size(), 1u);
    EXPECT_EQ(page.failed_rows[0],
              "FAIL|balance|14|15|acct.ptu:7|VAR balance, INIT = 10, EV = 15|");
    ASSERT_EQ(page.passed_rows.size(), 1u);
    EXPECT_EQ(page.passed_rows[0], "ok|fee|0|0|acct.ptu:8|VAR fee, INIT = 0, EV = 0|");
    // Failures are open, the test that did not run too; nothing passed here.
    EXPECT_EQ(page.open_tests.size(), 2u);
    EXPECT_TRUE(page.folded_tests.empty());
    EXPECT_NE(page.html.find("id=\"failures-only\""), std::string::npos);
    // The test's requirement, under its summary.
    EXPECT_NE(page.html.find("<ul class=\"notes\"><li><span class=\"muted\">requirement</span> "
                             "REQ-&lt;7&gt;</li></ul>"),
              std::string::npos)
        << page.html;
    // The failures come first, each a link to its row, or to the test that
    // did not run.
    const std::size_t summary = page.html.find("<section class=\"failures\" id=\"failures\">");
    ASSERT_NE(summary, std::string::npos) << page.html;
    EXPECT_LT(summary, page.html.find("<main id=\"tree\">"));
    EXPECT_NE(page.html.find("<li><a href=\"#failure-1\">credit/t1 ELEMENT 1: balance: obtained "
                             "14, expected 15 (acct.ptu:7)</a></li>"),
              std::string::npos)
        << page.html;
    EXPECT_NE(page.html.find("<tr class=\"failed\" id=\"failure-1\">"), std::string::npos);
    EXPECT_NE(page.html.find("<li><a href=\"#failure-2\">credit/t2: NOT RUN"), std::string::npos)
        << page.html;
    EXPECT_NE(page.html.find("<details class=\"test notrun\" id=\"failure-2\""), std::string::npos);
}

// A test repeated fifty times whose thirtieth run fails: the long streaks
// of passed runs fold into one row each, the failed run keeps its own.
TEST(HtmlReport, LongStreaksOfPassedRunsFold) {
    std::string traces = "O 1 \"s\"\nG 2\n";
    for (int run = 1; run <= 50; ++run) {
        traces += "T 2 \"t1\"\nS\nZ 1\nC 4 int/10 1 0 " +
                  std::string(run == 30 ? "KO 14 15 15" : "ok 15 15 15") + "\ne\nE\n";
    }
    PageRun run;
    build(run,
          "E6  t\nE17 0 1\nO1 s\nE16 0 2\nT2 t1\nE14 0 3\nB3 1\nE12 0 4\n"
          "V4 level RA=FORM=CD64,INIT=10 VA=15\nE22 50\n",
          with_end(traces));
    Page page = read_page(html_document(run.inputs()));
    ASSERT_TRUE(page.well_formed) << page.error;
    EXPECT_NE(page.html.find("<details class=\"test passed folded\"><summary>TEST t1 (runs 2 to "
                             "29)"),
              std::string::npos)
        << page.html;
    EXPECT_NE(page.html.find("28 runs passed (28 elements, 28 checks)"), std::string::npos);
    EXPECT_NE(page.html.find("TEST t1 (runs 31 to 50)"), std::string::npos);
    EXPECT_NE(page.html.find("20 runs passed"), std::string::npos);
    // The failed run, and the first run, have their own rows.
    ASSERT_EQ(page.failed_rows.size(), 1u);
    EXPECT_EQ(page.failed_rows[0], "FAIL|level|14|15|line 4|");
    EXPECT_NE(page.html.find("TEST t1 (run 30)"), std::string::npos);
    EXPECT_EQ(page.html.find("TEST t1 (run 2)<"), std::string::npos);
    EXPECT_EQ(page.passed_rows.size(), 1u) << "only the first run shows its check";
}

TEST(HtmlReport, StubCallsShowTheirInputsAndWhatTheStatementsGiveBack) {
    // read_sensor(channel, value) gives back its output and its result;
    // exchange(slot) is an input-output: its given part follows "=>".
    PageRun run;
    build(
        run,
        "E6  s\nE15 0 3\nU1  read_sensor(channel,value)\nP2\nL3 channel RA=FORM=CD64, INIT=, VA=\n"
        "N2 value\nN0 return\nM0\nE15 0 4\nU4  exchange(slot)\nP5\nL6 slot RA=FORM=CD64, INIT=, "
        "VA=\n"
        "N1 slot\nM0\nE17 0 6\nE16 0 7\nO7 svc\nT8 t\nE14 0 8\nB9 1\n"
        "E15 0 9\nJ1 1 2 STUB read_sensor 1..2 (3, {4, 2}) -1\nE15 0 10\nJ2 1 1 STUB exchange (5 "
        "=> 6)\nE12 0 11\nV10 level RA=FORM=CD64,INIT=0 VA=0\nE22 1\n",
        with_end("O 7 \"svc\"\nG 8\nT 8 \"t\"\nS\nZ 9\nM 1 1 0\nM 1 2 0\nM 4 1 0\n"
                 "K 1 0\nC 0 int/10 1 0 ok 2 2 2\nK 1 1\nC 3 int/10 1 0 KO 4 3 3\n"
                 "K 2 0\nC 0 int/10 1 0 ok 1 1 1\nK 2 1\nC 6 int/10 1 0 ok 5 5 5\nK 0 0\n"
                 "C 10 int/10 1 0 ok 0 0 0\ne\nE\n"));
    HtmlInputs inputs = run.inputs();
    Page page = read_page(html_document(inputs));
    ASSERT_TRUE(page.well_formed) << page.error;
    EXPECT_NE(
        page.html.find(
            "<tr class=\"given\"><td class=\"tag\">gives</td><td class=\"value name\">"
            "stub read_sensor calls 1..2: value</td><td class=\"value obtained\">{4, 2}</td>"),
        std::string::npos)
        << page.html;
    EXPECT_NE(page.html.find(
                  "stub read_sensor calls 1..2: return</td><td class=\"value obtained\">-1</td>"),
              std::string::npos);
    EXPECT_NE(page.html.find("stub exchange call 1: slot</td><td class=\"value obtained\">6</td>"),
              std::string::npos);
    // The failing input names the statement that described the call.
    ASSERT_EQ(page.failed_rows.size(), 1u);
    EXPECT_EQ(page.failed_rows[0],
              "FAIL|stub read_sensor call 1: channel|4|3 |(script: STUB read_sensor 1..2 (3, {4, "
              "2}) -1)|line 9|");
    // The stub call that went wrong comes before the variables it explains.
    const std::size_t stubs = page.html.find("<caption>stub calls</caption>");
    const std::size_t variables = page.html.find("<caption>variables</caption>");
    ASSERT_NE(stubs, std::string::npos);
    ASSERT_NE(variables, std::string::npos);
    EXPECT_LT(stubs, variables);
}

TEST(HtmlReport, AnIncompleteRunSaysWhereItStopped) {
    PageRun run;
    build(run, "E11 0 /nowhere/t.ptu\nE6  t\nE17 0 4\nO1 s\nE16 0 5\nT2 t1\nB3 1\nE22 1\n",
          "VXU-TRACES 2\nO 1 \"s\"\nG 2\nT 2 \"t1\"\nS\n");
    HtmlInputs inputs = run.inputs();
    inputs.stop_note = "the traces stop at line 5";
    Page page = read_page(html_document(inputs));
    ASSERT_TRUE(page.well_formed) << page.error;
    EXPECT_EQ(page.by_id["verdict"], "INCOMPLETE");
    EXPECT_NE(page.by_id["stopped"].find("the traces stop at line 5"), std::string::npos);
    EXPECT_NE(page.html.find("STOP"), std::string::npos);
}

TEST(HtmlReport, HostileNamesAndValuesAreEscaped) {
    // A service name and string values with markup, quotes, control
    // characters and bytes that are not UTF-8.
    PageRun run;
    build(run,
          "E11 0 /nowhere/t.ptu\nE6  t\nE17 0 4\nO1 s\nE16 0 5\nT2 t1\nE14 0 6\nB3 1\n"
          "E12 0 7\nV4 p<script>alert(1)</script>&amp RA=FORM=C,INIT= VA=\"x\"\nE22 1\n",
          with_end("O 1 \"s\"\nG 2\nT 2 \"t1\"\nS\nZ 1\n"
                   "C 4 str 1 0 KO \"</td><script>bad()</script>\\x01\\xff'\\\"&\" \"x\" \"x\"\n"
                   "e\nE\n"));
    HtmlInputs inputs = run.inputs();
    const std::string html = html_document(inputs);
    Page page = read_page(html);
    ASSERT_TRUE(page.well_formed) << page.error << "\n" << html;
    EXPECT_EQ(page.scripts, 1);  // only the page's own
    EXPECT_EQ(html.find("<script>alert"), std::string::npos);
    EXPECT_EQ(html.find("<script>bad"), std::string::npos);
    ASSERT_EQ(page.failed_rows.size(), 1u);
    EXPECT_NE(page.failed_rows[0].find("p<script>alert(1)</script>&amp"), std::string::npos)
        << page.failed_rows[0];

    EXPECT_EQ(html_escape("a<b>&\"c'"), "a&lt;b&gt;&amp;&quot;c&#39;");
    EXPECT_EQ(html_escape(std::string("\x01x", 2)), "\xef\xbf\xbdx");
    EXPECT_EQ(html_escape("\xe9t\xe9"), "\xc3\xa9t\xc3\xa9");  // Latin-1 read as such
    EXPECT_EQ(html_escape("d\xc3\xa9j\xc3\xa0"), "d\xc3\xa9j\xc3\xa0");
}

// The page quotes a script line only from the script that was compiled:
// the file an "E11" record names must have the size and hash of its "E23"
// record. A record naming another file (a secret), a file without its
// fingerprint, and a script edited since give the location alone.
TEST(HtmlReport, ScriptLinesComeOnlyFromTheScriptThatWasCompiled) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string script = dir.path().toStdString() + "/t.ptu";
    const std::string script_text =
        "SERVICE s\nTEST t1\nELEMENT\nVAR x, INIT = 1, EV = 2\nEND ELEMENT\n";
    const std::string secret = dir.path().toStdString() + "/passwd";
    const std::string secret_text =
        "root:x:0:0\ndaemon:x:1:1\nbin:x:2:2\nTHE SECRET LINE:x:3:3\nsync:x:4:4\n";
    ASSERT_TRUE(write_text(script, script_text));
    ASSERT_TRUE(write_text(secret, secret_text));
    const std::string records =
        "E6  t\nE17 0 1\nO1 s\nE16 0 2\nT2 t1\nE14 0 3\nB3 1\n"
        "E12 0 4\nV4 x RA=FORM=CD64,INIT=1 VA=2\nE22 1\n";
    const std::string traces =
        with_end("O 1 \"s\"\nG 2\nT 2 \"t1\"\nS\nZ 1\nC 4 int/10 1 0 KO 1 2 2\ne\nE\n");
    auto failed_row = [&](const std::string& head) {
        PageRun run;
        build(run, head + records, traces);
        const std::string html = html_document(run.inputs());
        Page page = read_page(html);
        EXPECT_TRUE(page.well_formed) << page.error;
        EXPECT_EQ(html.find("SECRET"), std::string::npos) << html;
        return page.failed_rows.size() == 1 ? page.failed_rows[0] : std::string("(no row)");
    };

    // The right script, with its fingerprint: the line is quoted.
    EXPECT_EQ(failed_row("E11 0 " + script + "\n" + fingerprint_record(0, script_text)),
              "FAIL|x|1|2|t.ptu:4|VAR x, INIT = 1, EV = 2|");
    // Link records naming another file: with no fingerprint, with the
    // compiled script's fingerprint, or with a fingerprint of the same size.
    std::string same_size = fingerprint_record(0, secret_text);
    same_size.replace(same_size.size() - 17, 16, "0123456789abcdef");
    for (const std::string& fingerprint : {std::string(), fingerprint_record(0, script_text),
                                           same_size, fingerprint_record(1, secret_text)}) {
        EXPECT_EQ(failed_row("E11 0 " + secret + "\n" + fingerprint), "FAIL|x|1|2|passwd:4|")
            << fingerprint;
    }
    // The compiled script edited since: a line added, or one byte changed.
    const std::string compiled = "E11 0 " + script + "\n" + fingerprint_record(0, script_text);
    ASSERT_TRUE(write_text(script, script_text + "-- later\n"));
    EXPECT_EQ(failed_row(compiled), "FAIL|x|1|2|t.ptu:4|");
    std::string edited = script_text;
    edited[edited.find("EV = 2") + 5] = '3';
    ASSERT_TRUE(write_text(script, edited));
    EXPECT_EQ(failed_row(compiled), "FAIL|x|1|2|t.ptu:4|");
    // Put back as it was compiled, it is quoted again.
    ASSERT_TRUE(write_text(script, script_text));
    EXPECT_EQ(failed_row(compiled), "FAIL|x|1|2|t.ptu:4|VAR x, INIT = 1, EV = 2|");
}

// The sources of the coverage section are shown only under the source
// root: a source gcov names elsewhere, or a link under the root that leads
// out of it, keeps its figures and loses its text.
TEST(HtmlReport, CoverageQuotesOnlySourcesUnderTheSourceRoot) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string base = dir.path().toStdString();
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("project/src")));
    ASSERT_TRUE(write_text(base + "/project/src/unit.c", "int unit_code(void)\n{ return 1; }\n"));
    ASSERT_TRUE(write_text(base + "/secret.c", "SECRET TEXT OUTSIDE\n"));
    ASSERT_TRUE(QFile::link(QString::fromStdString(base + "/secret.c"),
                            QString::fromStdString(base + "/project/src/link.c")));
    const std::string json =
        R"({"format_version":"1","current_working_directory":")" + base + R"(/project/src",)" +
        R"("files":[{"file":"unit.c","lines":[{"line_number":2,"count":4,"branches":)" +
        R"([{"count":4},{"count":0}]}]},)" +
        R"({"file":"../../secret.c","lines":[{"line_number":1,"count":1,"branches":[]}]},)" +
        R"({"file":"link.c","lines":[{"line_number":1,"count":1,"branches":[]}]}]})";
    CoverageData coverage;
    ASSERT_FALSE(coverage_from_json(json, coverage).has_value());
    ASSERT_EQ(coverage.sources.size(), 3u);

    PageRun run;
    build(run, "E6  t\nE17 0 1\nO1 s\nE16 0 2\nT2 t1\nE22 1\n",
          with_end("O 1 \"s\"\nG 2\nT 2 \"t1\"\nE\n"));
    HtmlInputs inputs = run.inputs();
    inputs.coverage = &coverage;
    for (const std::string& root : {base + "/project", base + "/project/src/"}) {
        inputs.source_root = root;
        const std::string html = html_document(inputs);
        EXPECT_TRUE(read_page(html).well_formed);
        EXPECT_NE(html.find("{ return 1; }"), std::string::npos) << root;
        EXPECT_EQ(html.find("SECRET"), std::string::npos) << root;
        EXPECT_NE(html.find(base + "/secret.c</td>"), std::string::npos);  // the figures stay
        // The line's count, and the counts of its branches: the second
        // one never taken.
        EXPECT_NE(html.find("<span class=\"partly\">    2 <span class=\"count\">      4 </span>{ "
                            "return 1; }<span class=\"branches\">  branches taken: 4, 0 (never: "
                            "2)</span></span>"),
                  std::string::npos)
            << html;
        EXPECT_NE(html.find("<p class=\"legend\">"), std::string::npos);
    }
    // No root (link records without a main script) or a root elsewhere:
    // nothing is quoted.
    for (const std::string& root : {std::string(), base + "/proj", base + "/nowhere"}) {
        inputs.source_root = root;
        const std::string html = html_document(inputs);
        EXPECT_EQ(html.find("{ return 1; }"), std::string::npos) << root;
        EXPECT_EQ(html.find("SECRET"), std::string::npos) << root;
    }
    // A source under the root larger than the page quotes (16 MiB) keeps
    // its figures and loses its text; the small one beside it is quoted.
    const std::string big = base + "/project/src/big.c";
    ASSERT_TRUE(write_text(big, "BIG SOURCE TEXT\n"));
    ASSERT_TRUE(QFile::resize(QString::fromStdString(big), (qint64{16} << 20) + 1));
    CoverageData with_big;
    ASSERT_FALSE(coverage_from_json(R"({"format_version":"1","current_working_directory":")" +
                                        base + R"(/project/src","files":[)" +
                                        R"({"file":"unit.c","lines":[{"line_number":2,"count":1,)" +
                                        R"("branches":[]}]},{"file":"big.c","lines":)" +
                                        R"([{"line_number":1,"count":1,"branches":[]}]}]})",
                                    with_big)
                     .has_value());
    ASSERT_EQ(with_big.sources.size(), 2u);
    inputs.coverage = &with_big;
    inputs.source_root = base + "/project";
    const std::string with_big_html = html_document(inputs);
    EXPECT_NE(with_big_html.find("{ return 1; }"), std::string::npos);
    EXPECT_EQ(with_big_html.find("BIG SOURCE TEXT"), std::string::npos);
    // Named from the source root.
    EXPECT_NE(with_big_html.find("<td>src/big.c</td>"), std::string::npos);
    // Cut back to a few bytes, it is quoted.
    ASSERT_TRUE(QFile::resize(QString::fromStdString(big), 16));
    EXPECT_NE(html_document(inputs).find("BIG SOURCE TEXT"), std::string::npos);

    EXPECT_TRUE(lies_under(base + "/project/src/unit.c", base + "/project"));
    EXPECT_FALSE(lies_under(base + "/project/src/link.c", base + "/project"));
    EXPECT_FALSE(lies_under(base + "/project", base + "/project"));
    EXPECT_FALSE(lies_under(base + "/project/src/unit.c", base + "/project/src/unit.c"));
}

TEST(Coverage, GcovJsonGivesLinesBranchesAndPartlyCoveredLines) {
    const std::string json =
        R"({"format_version":"1","current_working_directory":"/src/unit","files":[)"
        R"({"file":"acct.c","lines":[)"
        R"({"line_number":3,"count":4,"branches":[]},)"
        R"({"line_number":4,"count":4,"branches":[{"count":4},{"count":0}]},)"
        R"({"line_number":5,"count":0,"branches":[]},)"
        R"({"line_number":7,"count":4,"branches":[]}]},)"
        R"({"file":"/usr/include/stdio.h","lines":[{"line_number":1,"count":0,"branches":[]}]}]})";
    CoverageData data;
    ASSERT_FALSE(coverage_from_json(json, data).has_value());
    ASSERT_EQ(data.sources.size(), 1u);  // system headers are left out
    const SourceCoverage& source = data.sources[0];
    EXPECT_EQ(source.path, "/src/unit/acct.c");
    EXPECT_EQ(source.lines, 4);
    EXPECT_EQ(source.lines_covered, 3);
    EXPECT_EQ(source.branches, 2);
    EXPECT_EQ(source.branches_taken, 1);
    ASSERT_EQ(source.line_states.size(), 7u);
    EXPECT_EQ(source.line_states[0], LineCoverage::not_code);
    EXPECT_EQ(source.line_states[2], LineCoverage::covered);
    EXPECT_EQ(source.line_states[3], LineCoverage::partly);
    EXPECT_EQ(source.line_states[4], LineCoverage::uncovered);
    EXPECT_EQ(coverage_summary(source), "acct.c: lines 3/4 (75.0%), branches 1/2 (50.0%)");

    CoverageData bad;
    EXPECT_TRUE(coverage_from_json("not json", bad).has_value());
    EXPECT_TRUE(coverage_from_json("{\"x\":1}", bad).has_value());
}

}  // namespace
