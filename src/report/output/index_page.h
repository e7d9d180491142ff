// The index of a project's scripts: one page that lists every script with
// its verdict, its counts and its coverage, links to each script's own page,
// and gives the coverage of the whole project, the counts of every script
// added up per source.
#pragma once

#include "report/output/coverage.h"
#include "report/verdict.h"

#include <optional>
#include <string>
#include <vector>

namespace vx::report {

struct IndexRow {
    std::string name;
    std::string page;     // the script's page, relative to the index; may be empty
    std::string problem;  // why there is no verdict; empty when there is one
    std::string verdict;  // "PASSED", "FAILED", "INCOMPLETE"
    Totals totals;
    std::optional<CoverageData> coverage;
};

// The page, the sources of `combined` named from `source_root`.
std::string index_document(const std::vector<IndexRow>& rows, const CoverageData* combined,
                           const std::string& source_root);

}  // namespace vx::report
