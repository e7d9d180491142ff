// How the C preprocessor and its macro table speak.
//
// The preprocessor never prints: every diagnostic goes to a DiagnosticSink
// with a level, a message code, the argument text and the location (the
// file and line of the innermost input level that has a file name). The
// run's sink (ReporterSink) maps the five levels onto the reporting
// operations; a test gives one that records.
#pragma once

#include "canalysis/diagnostic_sink.h"
#include "diag/message_code.h"
#include "diag/severity.h"

#include <string_view>

namespace vx {

// What the macro table needs to raise a diagnostic: the preprocessor adds
// the location.
class MacroReporter {
public:
    virtual ~MacroReporter() = default;
    virtual void macro_report(Severity level, MessageCode code, std::string_view argument) = 0;
};

}  // namespace vx
