// Where the C analysis sends its diagnostics.
//
// The preprocessor and the declaration parser never print: each call is
// given a sink, and the caller decides how a message reaches the user. The
// level follows the reporting operations: internal error, fatal, error,
// warning, information. The file and line are those of the analysed source
// (from its "#line" markers), not of the script.
#pragma once

#include "diag/message_code.h"
#include "diag/severity.h"

#include <string_view>

namespace vx {

class DiagnosticSink {
public:
    virtual ~DiagnosticSink() = default;
    virtual void report(Severity level, MessageCode code, std::string_view argument,
                        std::string_view file, long line) = 0;
};

// The usual sink: sets the report location and raises the message through
// the process reporter (fatal and internal levels end the run).
class ReporterSink : public DiagnosticSink {
public:
    void report(Severity level, MessageCode code, std::string_view argument, std::string_view file,
                long line) override;
};

// A sink that only counts, for analyses whose failure is an answer (does
// this text name a type?).
class CountingSink : public DiagnosticSink {
public:
    void report(Severity level, MessageCode, std::string_view, std::string_view, long) override {
        if (level <= Severity::warning) ++count;
    }
    int count = 0;
};

}  // namespace vx
