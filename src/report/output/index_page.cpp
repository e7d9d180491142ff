#include "report/output/index_page.h"

#include "report/output/coverage_export.h"
#include "report/output/html_report.h"

#include <cstdio>

namespace vx::report {

namespace {

constexpr const char* index_style = R"(
body{font-family:system-ui,sans-serif;margin:0;color:#1d232b;background:#f6f7f9}
header{padding:14px 22px;color:#fff}header.passed{background:#1f7a3a}
header.failed{background:#b3261e}header h1{margin:0;font-size:22px}
main{padding:10px 22px}table{border-collapse:collapse;margin:6px 0 14px;background:#fff}
th,td{border:1px solid #dde1e6;padding:3px 8px;text-align:left;font-size:13px}
td.passed{color:#1f7a3a;font-weight:bold}td.failed,td.none{color:#b3261e;font-weight:bold}
)";

struct Figures {
    long lines = 0;
    long lines_covered = 0;
    long branches = 0;
    long branches_taken = 0;
};

Figures figures_of(const CoverageData& data) {
    Figures figures;
    for (const SourceCoverage& source : data.sources) {
        figures.lines += source.lines;
        figures.lines_covered += source.lines_covered;
        figures.branches += source.branches;
        figures.branches_taken += source.branches_taken;
    }
    return figures;
}

std::string fraction(long part, long whole) {
    if (whole == 0) return "none";
    char text[64];
    std::snprintf(text, sizeof text, "%ld/%ld (%.1f%%)", part, whole,
                  100.0 * static_cast<double>(part) / static_cast<double>(whole));
    return text;
}

}  // namespace

std::string index_document(const std::vector<IndexRow>& rows, const CoverageData* combined,
                           const std::string& source_root) {
    bool passed = !rows.empty();
    for (const IndexRow& row : rows) {
        passed = passed && row.problem.empty() && row.verdict == "PASSED";
    }
    const std::string word = passed ? "PASSED" : "FAILED";
    std::string out = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\"/>\n";
    out += "<title>Project: " + word + "</title>\n<style>" + std::string(index_style) +
           "</style>\n</head>\n<body>\n<header class=\"" + (passed ? "passed" : "failed") +
           "\"><h1>Project <span id=\"verdict\">" + word +
           "</span>: " + std::to_string(rows.size()) + " script(s)</h1></header>\n<main>\n";
    out +=
        "<table id=\"scripts\"><thead><tr><th>script</th><th>verdict</th><th>tests</th>"
        "<th>checks</th><th>lines</th><th>branches</th></tr></thead><tbody>\n";
    for (const IndexRow& row : rows) {
        const std::string name = html_escape(row.name);
        out += "<tr><td>" +
               (row.page.empty() ? name
                                 : "<a href=\"" + html_escape(row.page) + "\">" + name + "</a>") +
               "</td>";
        if (!row.problem.empty()) {
            out += "<td class=\"none\">NO VERDICT</td><td colspan=\"4\">" +
                   html_escape(row.problem) + "</td></tr>\n";
            continue;
        }
        const Totals& t = row.totals;
        out += std::string("<td class=\"") + (row.verdict == "PASSED" ? "passed" : "failed") +
               "\">" + html_escape(row.verdict) + "</td><td>" + std::to_string(t.tests) + ": " +
               std::to_string(t.tests - t.tests_failed - t.tests_unfinished - t.tests_not_run -
                              t.tests_not_selected) +
               " passed, " + std::to_string(t.tests_failed + t.tests_unfinished) + " failed, " +
               std::to_string(t.tests_not_run) + " not run</td><td>" +
               std::to_string(t.checks_passed) + " passed, " + std::to_string(t.checks_failed) +
               " failed</td>";
        if (row.coverage) {
            const Figures f = figures_of(*row.coverage);
            out += "<td>" + fraction(f.lines_covered, f.lines) + "</td><td>" +
                   fraction(f.branches_taken, f.branches) + "</td>";
        } else {
            out += "<td></td><td></td>";
        }
        out += "</tr>\n";
    }
    out += "</tbody></table>\n";
    if (combined != nullptr && !combined->sources.empty()) {
        out +=
            "<h2>Coverage of the project</h2>\n<table id=\"coverage\"><thead><tr><th>source</th>"
            "<th>lines</th><th>branches</th></tr></thead><tbody>\n";
        for (const SourceCoverage& source : combined->sources) {
            out += "<tr><td>" + html_escape(relative_source(source.path, source_root)) +
                   "</td><td>" + fraction(source.lines_covered, source.lines) + "</td><td>" +
                   fraction(source.branches_taken, source.branches) + "</td></tr>\n";
        }
        const Figures all = figures_of(*combined);
        out += "<tr><th>all</th><th>" + fraction(all.lines_covered, all.lines) + "</th><th>" +
               fraction(all.branches_taken, all.branches) + "</th></tr>\n</tbody></table>\n";
        out +=
            "<p id=\"conditions\">Condition coverage (MC/DC) was not measured: gcov gives lines "
            "and branches; gcc 14 and later measure conditions with -fcondition-coverage.</p>\n";
    }
    out += "</main>\n</body>\n</html>\n";
    return out;
}

}  // namespace vx::report
