// For the tests and fuzz targets of the report: the traces read whole, with
// every line kept to be looked at, and a verdict built from such lines.
// The program itself builds its verdict as it reads (read_verdict).
#pragma once

#include "report/input/traces.h"
#include "report/verdict.h"

#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace vx::report {

inline std::optional<Failure> parse_traces(std::string_view content, TracesFile& out) {
    std::vector<TraceLine> lines;
    auto failure =
        parse_traces(content, out, [&](TraceLine&& line) { lines.push_back(std::move(line)); });
    out.lines = std::move(lines);
    return failure;
}

inline std::optional<Failure> build_verdict(const LinkRecordFile& links, const TracesFile& traces,
                                            Verdict& verdict) {
    VerdictAssembly assembly(links, verdict);
    for (const TraceLine& line : traces.lines) {
        if (auto failure = assembly.add(line)) {
            return failure;
        }
    }
    assembly.finish(traces);
    return std::nullopt;
}

}  // namespace vx::report
