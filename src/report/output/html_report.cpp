// Writing the HTML page. It is also well-formed XML (every element closed,
// every attribute with a value), so that tools and tests can read it with
// an XML reader. The tree is made of <details> blocks, which any
// browser folds and unfolds without script; the script only drives the
// "failures only" switch (a class on <body>, the style hides what passed)
// and sets the switch from the page's address ("#failures-only"). Every
// text that comes from the script, the traces or a source file goes
// through html_escape.
#include "report/output/html_report.h"

#include "report/output/coverage_export.h"
#include "report/output/report_file.h"
#include "report/output/text_report.h"

#include "diag/file_guard.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringDecoder>

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <map>

namespace vx::report {

namespace {

// Files larger than these are not quoted.
constexpr std::uint64_t max_quoted_script = 64 << 20;
constexpr std::uint64_t max_quoted_source = 16 << 20;

// Reads a file the page quotes when it is a regular file of at most
// `limit` bytes. Its size is looked at before a byte is read, and no more
// than `limit` + 1 bytes are ever read, so that a file that grows
// meanwhile is left out too.
bool read_quoted_file(const std::string& path, std::uint64_t limit, std::string& content) {
    content.clear();
    OpenedInput opened = open_input(path);
    if (opened.problem != InputProblem::none) {
        return false;
    }
    const int descriptor = opened.descriptor;
    bool quoted = opened.size <= limit;
    if (quoted) {
        content.resize(static_cast<std::size_t>(opened.size) + 1);
        std::size_t used = 0;
        for (;;) {
            if (used == content.size()) {
                if (used > limit) {
                    quoted = false;
                    break;
                }
                content.resize(static_cast<std::size_t>(
                    std::min<std::uint64_t>(limit + 1, std::uint64_t{content.size()} * 2)));
            }
            const ssize_t got = ::read(descriptor, content.data() + used, content.size() - used);
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got <= 0) {
                quoted = got == 0;
                break;
            }
            used += static_cast<std::size_t>(got);
        }
        content.resize(quoted ? used : 0);
    }
    ::close(descriptor);
    return quoted;
}

constexpr std::string_view page_style = R"(
body{font-family:system-ui,sans-serif;margin:0;color:#1d232b;background:#f6f7f9}
header{padding:14px 22px;color:#fff}
header.passed{background:#1f7a3a}header.failed{background:#b3261e}header.incomplete{background:#8a5a00}
header h1{margin:0 0 6px;font-size:22px}
header .counts span{display:inline-block;margin-right:18px}
header .stop{margin-top:6px;font-weight:bold}
header label{display:inline-block;margin-top:8px;cursor:pointer}
main{padding:10px 22px}
details{margin:4px 0 4px 14px;border-left:3px solid #c9ced6;padding-left:8px}
details.failed{border-left-color:#b3261e}details.notrun,details.unfinished{border-left-color:#8a5a00}
summary{cursor:pointer;padding:2px 0}
summary .state{font-weight:bold;margin-left:8px}
.failed>summary .state{color:#b3261e}.passed>summary .state{color:#1f7a3a}
.notrun>summary .state,.unfinished>summary .state{color:#8a5a00}
.notselected>summary .state{color:#6b7480}
table{border-collapse:collapse;margin:4px 0 8px;background:#fff}
th,td{border:1px solid #dde1e6;padding:3px 8px;text-align:left;vertical-align:top;font-size:13px}
td.value{font-family:ui-monospace,monospace;white-space:pre-wrap}
tr.failed td{background:#fdecea}tr.stop td{background:#fff4d6}
td.tag{font-weight:bold}tr.failed td.tag{color:#b3261e}tr.passed td.tag{color:#1f7a3a}
.line{display:block;font-family:ui-monospace,monospace;color:#4a5361;white-space:pre-wrap}
.muted{color:#6b7480}
ul.notes{margin:2px 0 6px;padding-left:20px;font-size:13px}
body.failures-only .passed,body.failures-only tr.recorded,body.failures-only tr.initial,
body.failures-only tr.note,body.failures-only tr.given{display:none}
tr.given td.tag{color:#4a5361}
section.coverage{padding:10px 22px}
pre.source{background:#fff;border:1px solid #dde1e6;padding:4px 0;font-size:12px;overflow-x:auto}
pre.source span{display:block;padding:0 8px;white-space:pre}
pre.source .covered{background:#e3f4e6}pre.source .uncovered{background:#fbe0de}
pre.source .partly{background:#fff1c2}
pre.source .count{color:#4a5361}pre.source .branches{color:#8a5a00;font-style:italic}
p.legend span{display:inline-block;padding:0 6px;margin-right:6px;font-size:12px}
p.legend .covered{background:#e3f4e6}p.legend .uncovered{background:#fbe0de}
p.legend .partly{background:#fff1c2}
section.failures{padding:6px 22px;background:#fff;border-bottom:1px solid #dde1e6}
section.failures h2{font-size:16px;margin:4px 0}section.failures ol{margin:4px 0;font-size:13px}
)";

constexpr std::string_view page_script = R"(
(function(){
  var box=document.getElementById('failures-only');
  function apply(){document.body.classList.toggle('failures-only',box.checked);}
  box.addEventListener('change',apply);
  if(location.hash==='#failures-only'){box.checked=true;}
  apply();
})();
)";

// Text as it arrives (UTF-8, or Latin-1 when it is not), as a QString.
QString decoded(std::string_view text) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString result =
        decoder.decode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    if (decoder.hasError()) {
        result = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    }
    return result;
}

std::string escape(std::string_view text) { return html_escape(text); }

// Streaks of passed runs of a test at least this long fold into one row.
constexpr std::size_t folded_streak = 20;

bool passed_run(const TestRun& run) {
    return run.state == TestState::finished && !run.has_failures();
}

std::string state_class(const TestRun& run) {
    switch (run.state) {
        case TestState::not_run:
            return "notrun";
        case TestState::not_selected:
            return "notselected";
        case TestState::unfinished:
            return "unfinished";
        case TestState::finished:
            break;
    }
    return run.has_failures() ? "failed" : "passed";
}

bool element_failed(const ElementRun& element) {
    for (const Entry& entry : element.entries) {
        if (entry.outcome == Outcome::failed &&
            (entry.kind == EntryKind::check || entry.kind == EntryKind::problem ||
             entry.kind == EntryKind::stop)) {
            return true;
        }
    }
    return false;
}

class PageWriter {
public:
    explicit PageWriter(const HtmlInputs& inputs) : in_(inputs) {}

    std::string write();

private:
    void summary_band();
    void service(const ServiceRun& service);
    // A service's or a test's requirements and comments, under its summary.
    void notes(const RunNotes& run_notes);
    void test(const TestRun& run);
    // Passed runs [first, end) of one test, as one row.
    // Passed runs of one test after its first, in a row.
    struct Streak {
        long record = 0;
        std::string name;
        std::string location;
        int first_iteration = 0;
        int last_iteration = 0;
        std::size_t count = 0;
        long checks = 0;
        long elements = 0;
        std::vector<TestRun> held;
    };
    void folded_runs(const Streak& streak);
    void element(const ElementRun& element);
    void entries_table(const std::vector<const Entry*>& entries, std::string_view heading);
    void coverage();
    std::string shown_path(const std::string& path) const;
    // The list of what failed, first on the page, each item a link to its
    // row or test in the tree (written before it, so the tree is drawn
    // first and the failures gathered as it is).
    void failures_summary();
    // An anchor for a failure of the tree, named in the summary as `text`.
    std::string failure_anchor(const std::string& text);
    // The text of line `where.line` of the script, read once per file;
    // empty when the file is not the one compiled.
    std::string script_line(const ScriptLocation& where);

    const HtmlInputs& in_;
    std::string out_;
    std::map<long, std::vector<std::string>> script_lines_;
    // Where the tree stands while it is drawn, and the failures found.
    std::string place_;
    std::vector<std::pair<std::string, std::string>> failures_;  // anchor, text
};

std::string PageWriter::failure_anchor(const std::string& text) {
    std::string anchor = "failure-" + std::to_string(failures_.size() + 1);
    failures_.emplace_back(anchor, text);
    return anchor;
}

void PageWriter::failures_summary() {
    if (failures_.empty()) {
        return;
    }
    out_ += "<section class=\"failures\" id=\"failures\"><h2>" + std::to_string(failures_.size()) +
            " failure(s)</h2>\n<ol>\n";
    for (const auto& [anchor, text] : failures_) {
        out_ += "<li><a href=\"#" + anchor + "\">" + escape(text) + "</a></li>\n";
    }
    out_ += "</ol></section>\n";
}

std::string PageWriter::script_line(const ScriptLocation& where) {
    if (!where.known() || in_.links == nullptr || where.line < 1) {
        return {};
    }
    auto found = script_lines_.find(where.file);
    if (found == script_lines_.end()) {
        std::vector<std::string> lines;
        // Only the script that was compiled is quoted: a file the link
        // records do not fingerprint, one that is not where they say, or
        // one edited since (another size or hash) is not shown at all.
        const ScriptFingerprint* compiled = in_.links->script_fingerprint(where.file);
        std::string content;
        OpenedInput opened;
        if (compiled != nullptr && compiled->size <= max_quoted_script &&
            read_input_file(in_.links->script_path(where.file), content, opened) &&
            fingerprint_of(content) == *compiled) {
            std::size_t start = 0;
            while (start <= content.size()) {
                std::size_t end = content.find('\n', start);
                if (end == std::string::npos) end = content.size();
                std::string text = content.substr(start, end - start);
                if (!text.empty() && text.back() == '\r') text.pop_back();
                lines.push_back(std::move(text));
                start = end + 1;
            }
        }
        found = script_lines_.emplace(where.file, std::move(lines)).first;
    }
    const auto index = static_cast<std::size_t>(where.line - 1);
    return index < found->second.size() ? found->second[index] : std::string();
}

void PageWriter::summary_band() {
    const Verdict& verdict = *in_.verdict;
    const Totals& totals = verdict.totals;
    const std::string word = verdict.verdict_word();
    std::string css = word == "PASSED" ? "passed" : word == "FAILED" ? "failed" : "incomplete";
    const long tests_passed = totals.tests - totals.tests_failed - totals.tests_unfinished -
                              totals.tests_not_run - totals.tests_not_selected;
    out_ += "<header class=\"" + css + "\" id=\"summary\">\n";
    out_ += "<h1>" + escape(verdict.program.empty() ? "vexor" : verdict.program) +
            ": <span class=\"verdict\" id=\"verdict\">" + word + "</span></h1>\n";
    out_ += "<div class=\"counts\">";
    out_ += "<span>" + std::to_string(totals.services) + " service(s)</span>";
    out_ += "<span>" + std::to_string(totals.tests) + " test(s): " + std::to_string(tests_passed) +
            " passed, " + std::to_string(totals.tests_failed) + " failed, " +
            std::to_string(totals.tests_unfinished) + " incomplete, " +
            std::to_string(totals.tests_not_run) + " not run" +
            (totals.tests_not_selected > 0
                 ? ", " + std::to_string(totals.tests_not_selected) + " not selected"
                 : std::string()) +
            "</span>";
    out_ += "<span>" + std::to_string(totals.elements) + " element(s)</span>";
    out_ += "<span>" + std::to_string(totals.checks_passed + totals.checks_failed) +
            " check(s): " + std::to_string(totals.checks_passed) + " passed, " +
            std::to_string(totals.checks_failed) + " failed, " + std::to_string(totals.recorded) +
            " recorded</span>";
    if (!in_.run_date.empty()) {
        out_ += "<span>run " + escape(in_.run_date) + "</span>";
    }
    out_ += "</div>\n";
    if (!verdict.complete) {
        out_ += "<div class=\"stop\" id=\"stopped\">The run is incomplete: " +
                escape(in_.stop_note.empty() ? "the traces stop before their end line"
                                             : in_.stop_note) +
                "</div>\n";
    }
    for (const std::string& warning : verdict.warnings) {
        out_ += "<div class=\"stop\">Runtime warning: " + escape(warning) + "</div>\n";
    }
    for (const std::string& dropped : verdict.dropped) {
        out_ += "<div class=\"stop\">Statement not compiled as written: " + escape(dropped) +
                "</div>\n";
    }
    out_ += "<label><input type=\"checkbox\" id=\"failures-only\"/> failures only</label>\n";
    out_ += "</header>\n";
}

void PageWriter::entries_table(const std::vector<const Entry*>& entries, std::string_view heading) {
    if (entries.empty()) {
        return;
    }
    out_ += "<table class=\"checks\"><caption>" + std::string(heading) +
            "</caption>\n<thead><tr><th></th><th>variable</th><th>obtained</th><th>expected</th>"
            "<th>script</th></tr></thead>\n<tbody>\n";
    for (const Entry* entry : entries) {
        std::string row_class;
        std::string tag;
        switch (entry->kind) {
            case EntryKind::initial:
                row_class = "initial";
                tag = "init";
                break;
            case EntryKind::group:
                row_class = "note";
                tag = "";
                break;
            case EntryKind::note:
                row_class = "note";
                tag = "note";
                break;
            case EntryKind::problem:
                row_class = "failed";
                tag = "FAIL";
                break;
            case EntryKind::stop:
                row_class = "stop failed";
                tag = "STOP";
                break;
            case EntryKind::given:
                row_class = "given";
                tag = "gives";
                break;
            case EntryKind::check:
                row_class = entry->outcome == Outcome::passed   ? "passed"
                            : entry->outcome == Outcome::failed ? "failed"
                                                                : "recorded";
                tag = entry->outcome == Outcome::passed   ? "ok"
                      : entry->outcome == Outcome::failed ? "FAIL"
                                                          : "rec";
                break;
        }
        const std::string indent(static_cast<std::size_t>(entry->depth) * 2, ' ');
        std::string id;
        if (tag == "FAIL" || tag == "STOP") {
            std::string text = place_ + ": " + entry->name;
            if (entry->kind == EntryKind::check) {
                text += ": obtained " + entry->obtained + ", expected " + entry->expected_text();
            }
            if (!entry->location.empty()) {
                text += " (" + entry->location + ")";
            }
            id = " id=\"" + failure_anchor(text) + "\"";
        }
        out_ += "<tr class=\"" + row_class + "\"" + id + "><td class=\"tag\">" + tag + "</td>";
        if (entry->kind == EntryKind::check || entry->kind == EntryKind::initial ||
            entry->kind == EntryKind::given) {
            out_ += "<td class=\"value name\">" + escape(indent + entry->name) + "</td>";
            out_ += "<td class=\"value obtained\">" + escape(entry->obtained) + "</td>";
            std::string expected;
            if (entry->kind == EntryKind::check && entry->outcome != Outcome::recorded) {
                expected = escape(entry->expected_text());
                if (!entry->script_expected.empty() && entry->script_expected != entry->low) {
                    expected +=
                        " <span class=\"muted\">(script: " + escape(entry->script_expected) +
                        ")</span>";
                }
            }
            out_ += "<td class=\"value expected\">" + expected + "</td>";
        } else {
            out_ +=
                "<td class=\"value name\" colspan=\"3\">" + escape(indent + entry->name) + "</td>";
        }
        out_ += "<td class=\"where\">";
        if (!entry->location.empty()) {
            out_ += escape(entry->location);
            const std::string line = script_line(entry->where);
            if (!line.empty()) {
                out_ += "<span class=\"line\">" + escape(line) + "</span>";
            }
        }
        out_ += "</td></tr>\n";
    }
    out_ += "</tbody></table>\n";
}

void PageWriter::element(const ElementRun& element) {
    const bool failed = element_failed(element);
    out_ += std::string("<details class=\"element ") + (failed ? "failed" : "passed") + "\"" +
            (failed ? " open=\"open\"" : "") + "><summary>ELEMENT " +
            std::to_string(element.ordinal);
    if (!element.location.empty()) {
        out_ += " <span class=\"muted\">" + escape(element.location) + "</span>";
    }
    out_ += std::string("<span class=\"state\">") + (failed ? "FAILED" : "passed") +
            "</span></summary>\n";
    std::vector<const Entry*> values;
    std::vector<const Entry*> stubs;
    for (const Entry& entry : element.entries) {
        const bool stub =
            entry.name.rfind("stub ", 0) == 0 ||
            (entry.kind == EntryKind::note && entry.name.find(" of stub ") != std::string::npos);
        (stub ? stubs : values).push_back(&entry);
    }
    // A stub call that went wrong explains the variables it left: it comes
    // first.
    const bool stub_failed = std::any_of(stubs.begin(), stubs.end(), [](const Entry* entry) {
        return entry->kind == EntryKind::problem || entry->kind == EntryKind::stop ||
               (entry->kind == EntryKind::check && entry->outcome == Outcome::failed);
    });
    const std::string test_place = place_;
    place_ += " ELEMENT " + std::to_string(element.ordinal);
    if (stub_failed) {
        entries_table(stubs, "stub calls");
        entries_table(values, "variables");
    } else {
        entries_table(values, "variables");
        entries_table(stubs, "stub calls");
    }
    place_ = test_place;
    if (element.entries.empty()) {
        out_ += "<p class=\"muted\">no checks</p>\n";
    }
    out_ += "</details>\n";
}

void PageWriter::notes(const RunNotes& run_notes) {
    if (run_notes.empty()) {
        return;
    }
    out_ += "<ul class=\"notes\">";
    for (const std::string& requirement : run_notes.requirements) {
        out_ += "<li><span class=\"muted\">requirement</span> " + escape(requirement) + "</li>";
    }
    for (const std::string& comment : run_notes.comments) {
        out_ += "<li><span class=\"muted\">comment</span> " + escape(comment) + "</li>";
    }
    out_ += "</ul>\n";
}

void PageWriter::test(const TestRun& run) {
    const std::string css = state_class(run);
    const bool open = css != "passed" && css != "notselected";
    const std::string service_place = place_;
    place_ += "/" + test_label(run);
    // A test that did not run, or stopped without a row saying where, is
    // itself the failure.
    bool has_row = false;
    for (const ElementRun& element_run : run.elements) {
        for (const Entry& entry : element_run.entries) {
            has_row = has_row || entry.kind == EntryKind::stop ||
                      entry.kind == EntryKind::problem ||
                      (entry.kind == EntryKind::check && entry.outcome == Outcome::failed);
        }
    }
    std::string id;
    if (run.has_failures() && !has_row) {
        id = " id=\"" + failure_anchor(place_ + ": " + test_outcome(run)) + "\"";
    }
    out_ += "<details class=\"test " + css + "\"" + id + (open ? " open=\"open\"" : "") +
            "><summary>TEST " + escape(test_label(run));
    if (!run.location.empty()) {
        out_ += " <span class=\"muted\">" + escape(run.location) + "</span>";
    }
    out_ += "<span class=\"state\">" + escape(test_outcome(run)) + escape(test_time_text(run)) +
            "</span></summary>\n";
    notes(run.notes);
    for (const ElementRun& element_run : run.elements) {
        element(element_run);
    }
    out_ += "</details>\n";
    place_ = service_place;
}

void PageWriter::service(const ServiceRun& service_run) {
    bool failed = false;
    for (const TestRun& run : service_run.tests) {
        failed = failed || run.has_failures();
    }
    out_ += std::string("<details class=\"service ") + (failed ? "failed" : "passed") + "\"" +
            (failed ? " open=\"open\"" : "") + "><summary>SERVICE " + escape(service_run.name);
    if (!service_run.location.empty()) {
        out_ += " <span class=\"muted\">" + escape(service_run.location) + "</span>";
    }
    out_ += std::string("<span class=\"state\">") + (failed ? "FAILED" : "passed") +
            "</span></summary>\n";
    notes(service_run.notes);
    place_ = service_run.name;
    // A long streak of passed runs of one test (a LOOP, an INIT IN) folds
    // into one row after its first run: the page of a test repeated a
    // hundred thousand times stays small enough to open, and every run that
    // failed keeps its own rows.
    Streak streak;
    auto flush = [&] {
        if (streak.count >= folded_streak) {
            folded_runs(streak);
        } else {
            for (const TestRun& run : streak.held) test(run);
        }
        streak = Streak();
    };
    bool first = true;
    for (const TestRun& run : service_run.tests) {
        const bool foldable = !first && run.iteration > 1 && passed_run(run);
        first = false;
        if (streak.count > 0 && !(foldable && run.record == streak.record)) flush();
        if (!foldable) {
            test(run);
            continue;
        }
        if (streak.count == 0) {
            streak.record = run.record;
            streak.name = run.name;
            streak.location = run.location;
            streak.first_iteration = run.iteration;
        }
        ++streak.count;
        streak.last_iteration = run.iteration;
        streak.checks += run.passed + run.recorded;
        streak.elements += static_cast<long>(run.elements.size());
        // Held until the streak is long enough to fold; then only counted.
        if (streak.count < folded_streak) {
            streak.held.push_back(run);
        } else {
            streak.held.clear();
        }
    }
    if (streak.count > 0) flush();
    out_ += "</details>\n";
}

void PageWriter::folded_runs(const Streak& streak) {
    out_ += "<details class=\"test passed folded\"><summary>TEST " + escape(streak.name) +
            " (runs " + std::to_string(streak.first_iteration) + " to " +
            std::to_string(streak.last_iteration) + ")";
    if (!streak.location.empty()) {
        out_ += " <span class=\"muted\">" + escape(streak.location) + "</span>";
    }
    out_ += "<span class=\"state\">" + std::to_string(streak.count) + " runs passed (" +
            std::to_string(streak.elements) + " elements, " + std::to_string(streak.checks) +
            " checks)</span></summary>\n<p class=\"muted\">Each of these runs passed; the text "
            "report and the JUnit file list them one by one.</p></details>\n";
}

// A source as the page names it: from the source root when it lies under
// it.
std::string PageWriter::shown_path(const std::string& path) const {
    if (in_.source_root.empty()) {
        return path;
    }
    std::string root = std::filesystem::absolute(in_.source_root).lexically_normal().string();
    while (root.size() > 1 && root.back() == '/') {
        root.pop_back();
    }
    return relative_source(path, root);
}

void PageWriter::coverage() {
    if (in_.coverage == nullptr || in_.coverage->sources.empty()) {
        return;
    }
    out_ += "<section class=\"coverage\" id=\"coverage\"><h2>Coverage of the unit</h2>\n";
    out_ +=
        "<table class=\"coverage-summary\"><thead><tr><th>source</th><th>lines</th>"
        "<th>branches</th></tr></thead><tbody>\n";
    for (const SourceCoverage& source : in_.coverage->sources) {
        char figures[96];
        std::snprintf(figures, sizeof figures, "%ld/%ld (%.1f%%)", source.lines_covered,
                      source.lines, source.line_percent());
        std::string branches = "none";
        if (source.branches > 0) {
            char text[96];
            std::snprintf(text, sizeof text, "%ld/%ld (%.1f%%)", source.branches_taken,
                          source.branches, source.branch_percent());
            branches = text;
        }
        out_ += "<tr><td>" + escape(shown_path(source.path)) + "</td><td class=\"lines\">" +
                figures + "</td><td class=\"branches\">" + branches + "</td></tr>\n";
    }
    out_ += "</tbody></table>\n";
    out_ +=
        "<p class=\"legend\"><span class=\"covered\">ran</span><span class=\"partly\">ran, a "
        "branch never taken</span><span class=\"uncovered\">never ran</span>the number after "
        "the line's is how many times it ran; a partly covered line ends with the count of "
        "each of its branches</p>\n"
        "<p class=\"muted\" id=\"conditions\">Condition coverage (MC/DC) was not measured: "
        "gcov gives lines and branches; gcc 14 and later measure conditions with "
        "-fcondition-coverage.</p>\n";
    for (const SourceCoverage& source : in_.coverage->sources) {
        // Only sources of the project are quoted: gcov names whatever the
        // objects were built from, and a path outside the source root (a
        // link, an edited .gcno) may lead to any file of the machine.
        std::string content;
        if (!lies_under(source.path, in_.source_root) ||
            !read_quoted_file(source.path, max_quoted_source, content)) {
            continue;
        }
        const QList<QByteArray> lines = QByteArray::fromStdString(content).split('\n');
        out_ += "<details class=\"source\"><summary>" + escape(shown_path(source.path)) +
                "</summary><pre class=\"source\">";
        std::map<long, const LineHits*> hits;
        for (const LineHits& line : source.hits) {
            hits[line.number] = &line;
        }
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i + 1 == lines.size() && lines[i].isEmpty()) break;
            const auto index = static_cast<std::size_t>(i);
            LineCoverage state = index < source.line_states.size() ? source.line_states[index]
                                                                   : LineCoverage::not_code;
            const char* css = state == LineCoverage::covered     ? "covered"
                              : state == LineCoverage::partly    ? "partly"
                              : state == LineCoverage::uncovered ? "uncovered"
                                                                 : "code";
            char number[32];
            std::snprintf(number, sizeof number, "%5lld ", static_cast<long long>(i + 1));
            const auto found = hits.find(static_cast<long>(i + 1));
            char count[32] = "        ";
            std::string branches;
            if (found != hits.end()) {
                std::snprintf(count, sizeof count, "%7lld ", found->second->count);
                if (state == LineCoverage::partly) {
                    branches = "  branches taken:";
                    for (std::size_t b = 0; b < found->second->branches.size(); ++b) {
                        branches +=
                            (b == 0 ? " " : ", ") + std::to_string(found->second->branches[b]);
                    }
                    std::string never;
                    for (std::size_t b = 0; b < found->second->branches.size(); ++b) {
                        if (found->second->branches[b] == 0) {
                            never += (never.empty() ? "" : ", ") + std::to_string(b + 1);
                        }
                    }
                    branches += " (never: " + never + ")";
                }
            }
            out_ += std::string("<span class=\"") + css + "\">" + number +
                    "<span class=\"count\">" + count + "</span>" + escape(lines[i].toStdString());
            if (!branches.empty()) {
                out_ += "<span class=\"branches\">" + escape(branches) + "</span>";
            }
            out_ += "</span>";
        }
        out_ += "</pre></details>\n";
    }
    out_ += "</section>\n";
}

std::string PageWriter::write() {
    const Verdict& verdict = *in_.verdict;
    out_ += "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\"/>\n";
    out_ += "<title>" + escape(verdict.program.empty() ? "vexor" : verdict.program) + ": " +
            verdict.verdict_word() + "</title>\n";
    out_ += "<style>" + std::string(page_style) + "</style>\n</head>\n<body>\n";
    summary_band();
    std::string page = std::move(out_);
    out_.clear();
    out_ += "<main id=\"tree\">\n";
    for (const ServiceRun& service_run : verdict.services) {
        service(service_run);
    }
    out_ += "</main>\n";
    std::string tree = std::move(out_);
    out_ = std::move(page);
    failures_summary();
    out_ += tree;
    coverage();
    out_ += "<script>" + std::string(page_script) + "</script>\n</body>\n</html>\n";
    return out_;
}

}  // namespace

std::string html_escape(std::string_view text) {
    const QString decoded_text = decoded(text);
    QString escaped;
    escaped.reserve(decoded_text.size());
    for (QChar c : decoded_text) {
        const char16_t u = c.unicode();
        switch (u) {
            case u'&':
                escaped += QStringLiteral("&amp;");
                continue;
            case u'<':
                escaped += QStringLiteral("&lt;");
                continue;
            case u'>':
                escaped += QStringLiteral("&gt;");
                continue;
            case u'"':
                escaped += QStringLiteral("&quot;");
                continue;
            case u'\'':
                escaped += QStringLiteral("&#39;");
                continue;
            default:
                break;
        }
        if ((u < 0x20 && u != u'\t' && u != u'\n') || u == 0x7f || u == 0xfffe || u == 0xffff) {
            escaped += QChar(0xfffd);
        } else {
            escaped += c;
        }
    }
    return escaped.toUtf8().toStdString();
}

std::string html_document(const HtmlInputs& inputs) {
    PageWriter writer(inputs);
    return writer.write();
}

bool write_html(const HtmlInputs& inputs, const std::string& path, std::string& error) {
    return write_report_file(html_document(inputs), path, "HTML", error);
}

}  // namespace vx::report
