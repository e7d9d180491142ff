// Where the C analysis sends its diagnostics.
//
// The preprocessor, the declaration parser and the expression analysis
// never print: each is given a sink, and the caller decides how a message
// reaches the user. The
// level follows the reporting operations: internal error, fatal, error,
// warning, information. The file and line are those of the analysed source
// (from its "#line" markers), not of the script.
#pragma once

#include "diag/message_code.h"
#include "diag/severity.h"

#include <functional>
#include <string_view>
#include <utility>

namespace vx {

class Reporter;

// The one interface through which every part of the C analysis speaks.
class DiagnosticSink {
public:
    virtual ~DiagnosticSink() = default;
    virtual void report(Severity level, MessageCode code, std::string_view argument,
                        std::string_view file, long line) = 0;
};

// The usual sink: reports through the run's reporter at the analysed text's
// location (fatal and internal levels stop the run); the statement being
// read keeps its own location for the reports that follow.
class ReporterSink : public DiagnosticSink {
public:
    explicit ReporterSink(Reporter& reporter) : reporter_(reporter) {}
    void report(Severity level, MessageCode code, std::string_view argument, std::string_view file,
                long line) override;

private:
    Reporter& reporter_;
};

// A sink that drops everything, for analyses run only for their result.
class NullSink final : public DiagnosticSink {
public:
    void report(Severity, MessageCode, std::string_view, std::string_view, long) override {}
};

// A sink made of a function, for callers that keep their messages in a
// closure.
class FunctionSink final : public DiagnosticSink {
public:
    using Function =
        std::function<void(Severity, MessageCode, std::string_view, std::string_view, long)>;
    explicit FunctionSink(Function function) : function_(std::move(function)) {}
    void report(Severity level, MessageCode code, std::string_view argument, std::string_view file,
                long line) override {
        function_(level, code, argument, file, line);
    }

private:
    Function function_;
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
