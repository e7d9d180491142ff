// The verdict as text for a terminal or a build log: one line per checked
// variable under its service, test run and element, then the totals.
#pragma once

#include "report/verdict.h"

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace vx::report {

struct TextOptions {
    bool quiet = false;  // only failed checks, their headings and the totals
};

void write_text_report(const Verdict& verdict, const TextOptions& options, std::ostream& out);

// "x: obtained 3, expected 2" for a check entry.
std::string check_summary(const Entry& entry);

// One entry as the report lists it: tag, text and location, no indent.
std::string entry_line(const Entry& entry);

// "passed (3 checks)", "FAILED (1 of 3 checks failed)", "FAILED (crashed
// (SIGSEGV); ...)", "NOT RUN (...)": the outcome of a test run.
// " in 12.3 ms" (" in 640 us" below a millisecond): the test's wall-clock
// time, when the harness measured it; empty otherwise.
std::string test_time_text(const TestRun& run);
std::string test_outcome(const TestRun& run);

// The indent of an entry nested `depth` brackets deep: one `step` per
// level up to max_indented_depth, then the depth written out ("[depth
// 40] "), so that a deep nesting costs a line of bounded width, not a
// line as long as the nesting is deep.
inline constexpr int max_indented_depth = 16;
std::string depth_prefix(int depth, std::string_view step);

// "t1" or "t1 (run 2)" for a test run.
std::string test_label(const TestRun& run);

// Why traces without their end line give no whole verdict, the same
// sentence wherever a report says it: "the traces stop at line N without
// their end line "F": the harness stopped before CLF_C (...)". A message
// that already names the line (FILE:LINE: ...) leaves it out ("the traces
// end without ..."); `cut_line` tells that the last line itself is cut.
std::string traces_stop_text(std::optional<long> last_line, bool cut_line = false);

}  // namespace vx::report
