// lcov's tracefile holds, per source, "SF:" and its path, a "DA:line,count"
// per line of code, a "BRDA:line,block,branch,count" per branch ("-" for a
// branch of a line that never ran), the totals "LF"/"LH" and "BRF"/"BRH",
// and "end_of_record". gcov gives the branches of a line in order without
// telling the blocks apart, so every branch of a line is put in block 0.
//
// Cobertura XML follows coverage-04.dtd: rates are fractions from 0 to 1,
// and a line with branches carries branch="true" and its
// condition-coverage, "50% (1/2)".
#include "report/output/coverage_export.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <sstream>

namespace vx::report {

namespace {

constexpr double percent = 100.0;

std::string parent_of(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return std::string();
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

bool under(const std::string& path, const std::string& root) {
    if (root == "/") return !path.empty() && path.front() == '/';
    return path.size() > root.size() && path.compare(0, root.size(), root) == 0 &&
           path[root.size()] == '/';
}

std::string rate(long part, long whole) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4f",
                  whole == 0 ? 1.0 : static_cast<double>(part) / static_cast<double>(whole));
    return text;
}

std::string xml_escaped(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

long taken(const LineHits& line) {
    return static_cast<long>(std::count_if(line.branches.begin(), line.branches.end(),
                                           [](long long count) { return count > 0; }));
}

struct Totals {
    long lines = 0;
    long lines_covered = 0;
    long branches = 0;
    long branches_taken = 0;

    void add(const SourceCoverage& source) {
        lines += source.lines;
        lines_covered += source.lines_covered;
        branches += source.branches;
        branches_taken += source.branches_taken;
    }
};

Totals totals_of(const CoverageData& data) {
    Totals totals;
    for (const SourceCoverage& source : data.sources) totals.add(source);
    return totals;
}

}  // namespace

std::string common_source_root(const CoverageData& data) {
    std::string root;
    for (const SourceCoverage& source : data.sources) {
        std::string directory = parent_of(source.path);
        if (root.empty()) {
            root = directory;
            continue;
        }
        while (!root.empty() && root != directory && !under(directory, root)) {
            const std::string up = parent_of(root);
            root = up == root ? std::string() : up;
        }
    }
    return root;
}

std::string relative_source(const std::string& path, const std::string& root) {
    if (root.empty() || !under(path, root)) return path;
    return root == "/" ? path.substr(1) : path.substr(root.size() + 1);
}

std::string lcov_document(const CoverageData& data, const std::string& root,
                          const std::string& test) {
    std::ostringstream out;
    for (const SourceCoverage& source : data.sources) {
        out << "TN:" << test << "\nSF:" << relative_source(source.path, root) << '\n';
        for (const LineHits& line : source.hits) {
            out << "DA:" << line.number << ',' << line.count << '\n';
        }
        for (const LineHits& line : source.hits) {
            for (std::size_t i = 0; i < line.branches.size(); ++i) {
                out << "BRDA:" << line.number << ",0," << i << ',';
                if (line.count == 0) {
                    out << '-';
                } else {
                    out << line.branches[i];
                }
                out << '\n';
            }
        }
        out << "BRF:" << source.branches << "\nBRH:" << source.branches_taken
            << "\nLF:" << source.lines << "\nLH:" << source.lines_covered << "\nend_of_record\n";
    }
    return out.str();
}

std::string cobertura_document(const CoverageData& data, const std::string& root,
                               long long timestamp) {
    // The sources of each directory, relative to the root, make a package.
    std::map<std::string, std::vector<const SourceCoverage*>> packages;
    for (const SourceCoverage& source : data.sources) {
        const std::string relative = relative_source(source.path, root);
        const std::string directory = parent_of(relative);
        packages[directory.empty() ? std::string(".") : directory].push_back(&source);
    }
    const Totals all = totals_of(data);
    std::ostringstream out;
    out << "<?xml version=\"1.0\" ?>\n"
           "<!DOCTYPE coverage SYSTEM \"http://cobertura.sourceforge.net/xml/coverage-04.dtd\">\n"
        << "<coverage line-rate=\"" << rate(all.lines_covered, all.lines) << "\" branch-rate=\""
        << rate(all.branches_taken, all.branches) << "\" lines-covered=\"" << all.lines_covered
        << "\" lines-valid=\"" << all.lines << "\" branches-covered=\"" << all.branches_taken
        << "\" branches-valid=\"" << all.branches << "\" complexity=\"0\" version=\"vexorreport\""
        << " timestamp=\"" << timestamp << "\">\n"
        << "  <sources>\n    <source>" << xml_escaped(root.empty() ? "." : root)
        << "</source>\n  </sources>\n  <packages>\n";
    for (const auto& [name, sources] : packages) {
        Totals package;
        for (const SourceCoverage* source : sources) package.add(*source);
        out << "    <package name=\"" << xml_escaped(name) << "\" line-rate=\""
            << rate(package.lines_covered, package.lines) << "\" branch-rate=\""
            << rate(package.branches_taken, package.branches) << "\" complexity=\"0\">\n"
            << "      <classes>\n";
        for (const SourceCoverage* source : sources) {
            const std::string relative = relative_source(source->path, root);
            const std::string file = std::filesystem::path(relative).filename().string();
            out << "        <class name=\"" << xml_escaped(file) << "\" filename=\""
                << xml_escaped(relative) << "\" line-rate=\""
                << rate(source->lines_covered, source->lines) << "\" branch-rate=\""
                << rate(source->branches_taken, source->branches)
                << "\" complexity=\"0\">\n          <methods/>\n          <lines>\n";
            for (const LineHits& line : source->hits) {
                out << "            <line number=\"" << line.number << "\" hits=\"" << line.count
                    << '"';
                if (line.branches.empty()) {
                    out << " branch=\"false\"/>\n";
                    continue;
                }
                const long branches = static_cast<long>(line.branches.size());
                const long hit = taken(line);
                out << " branch=\"true\" condition-coverage=\""
                    << static_cast<long>(percent * static_cast<double>(hit) /
                                         static_cast<double>(branches))
                    << "% (" << hit << '/' << branches << ")\"/>\n";
            }
            out << "          </lines>\n        </class>\n";
        }
        out << "      </classes>\n    </package>\n";
    }
    out << "  </packages>\n</coverage>\n";
    return out.str();
}

double total_line_percent(const CoverageData& data) {
    const Totals all = totals_of(data);
    return all.lines == 0
               ? percent
               : percent * static_cast<double>(all.lines_covered) / static_cast<double>(all.lines);
}

double total_branch_percent(const CoverageData& data) {
    const Totals all = totals_of(data);
    return all.branches == 0 ? percent
                             : percent * static_cast<double>(all.branches_taken) /
                                   static_cast<double>(all.branches);
}

}  // namespace vx::report
