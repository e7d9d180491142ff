// The coverage of the unit in the formats CI servers and code review tools
// read: an lcov tracefile (what genhtml and most coverage services take)
// and Cobertura XML. Both carry every line of code with its count and every
// branch with its count, for the sources the report measured, named by
// their path relative to a root.
#pragma once

#include "report/output/coverage.h"

#include <string>

namespace vx::report {

// The directory every source lies in, the deepest one ("/" at worst);
// empty when there is no source.
std::string common_source_root(const CoverageData& data);

// `path` relative to the directory `root`, or `path` itself when it does
// not lie under it.
std::string relative_source(const std::string& path, const std::string& root);

// The lcov tracefile of `data`, sources named relative to `root`, under
// the test name `test` (letters, digits and underscores).
std::string lcov_document(const CoverageData& data, const std::string& root,
                          const std::string& test);

// The Cobertura XML of `data`: one package per directory, one class per
// source, `root` as its source directory; `timestamp` in seconds.
std::string cobertura_document(const CoverageData& data, const std::string& root,
                               long long timestamp);

// The coverage of all the sources together, in percent (100 without any
// line or branch).
double total_line_percent(const CoverageData& data);
double total_branch_percent(const CoverageData& data);

}  // namespace vx::report
