// The one way the report's readers say no: which file, which line, why.
// Readers return it instead of throwing, and the command line turns it into
// the message and exit status 2.
#pragma once

#include <string>

namespace vx::report {

enum class Source { link_records, traces, command };

struct Failure {
    Source source = Source::traces;
    long line = 0;  // 0 when the failure concerns the file as a whole
    std::string message;
};

}  // namespace vx::report
