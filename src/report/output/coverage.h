// Line and branch coverage of the unit under test, as the compiler's own
// tool measured it. The unit is built with the compiler's coverage
// instrumentation (gcc --coverage); its run leaves .gcda files, and for
// each of them `gcov --json-format --stdout` gives the counts of every
// line and branch of the sources it covers. Nothing is instrumented or
// counted here: the figures are gcov's, added up per source file.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vx::report {

enum class LineCoverage {
    not_code,   // no instrumented code on the line
    covered,    // executed, and every branch on it taken
    partly,     // executed, and some branch on it never taken
    uncovered,  // never executed
};

// What gcov counted on one line of code: how often it ran, and how often
// each branch leaving it was taken.
struct LineHits {
    long number = 0;
    long long count = 0;
    std::vector<long long> branches;
};

struct SourceCoverage {
    std::string path;  // as absolute as gcov could tell
    long lines = 0;
    long lines_covered = 0;
    long branches = 0;
    long branches_taken = 0;
    // Per line of the source, from line 1; shorter than the file when the
    // last lines hold no code.
    std::vector<LineCoverage> line_states;
    // Every line of code, in order, with its counts.
    std::vector<LineHits> hits;

    double line_percent() const;
    double branch_percent() const;
};

struct CoverageData {
    std::vector<SourceCoverage> sources;  // sorted by path
};

// The .gcda files under `directory` (its subdirectories included), sorted.
std::vector<std::string> coverage_data_files(const std::string& directory);

// Runs `gcov_program` on every .gcda file under `directory`; sources under
// /usr are left out (system headers). Returns a message when the directory
// holds no .gcda file or gcov cannot run.
std::optional<std::string> collect_coverage(const std::string& directory,
                                            const std::string& gcov_program, CoverageData& data);
// The same over several directories, the counts of a source they share added
// up (the coverage of a project's scripts together).
std::optional<std::string> collect_coverage(const std::vector<std::string>& directories,
                                            const std::string& gcov_program, CoverageData& data);

// Whether the file `path` lies under the directory `root`, both taken
// through their links to their real names; false when either is empty or
// missing.
bool lies_under(const std::string& path, const std::string& root);

// "unit.c: lines 12/14 (85.7%), branches 3/4 (75.0%)"
std::string coverage_summary(const SourceCoverage& source);

}  // namespace vx::report
