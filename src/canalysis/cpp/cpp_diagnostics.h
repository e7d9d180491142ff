// How the C preprocessor and its macro table speak.
//
// The preprocessor never prints: every diagnostic goes to a sink with a
// level, a message code, the argument text and the location (the file and
// line of the innermost input level that has a file name). The run's sink
// maps the five levels onto the reporting operations; a test installs one
// that records.
#pragma once

#include "diag/message_code.h"
#include "diag/severity.h"

#include <functional>
#include <string_view>

namespace vx {

using CppDiagnosticSink = std::function<void(
    Severity level, MessageCode code, std::string_view argument, std::string_view file, long line)>;

// The sink of a run: sets the report location and calls report_internal,
// report_fatal, report_error, report_warning or report_info.
CppDiagnosticSink reporter_sink();

// What the macro table needs to raise a diagnostic: the preprocessor adds
// the location.
class MacroReporter {
public:
    virtual ~MacroReporter() = default;
    virtual void macro_report(Severity level, MessageCode code, std::string_view argument) = 0;
};

}  // namespace vx
