// Where the C analysis sends its diagnostics.
//
// The preprocessor and the declaration parser never print: each call is
// given a sink, and the caller decides how a message reaches the user. The
// level follows the reporting operations: internal error, fatal, error,
// warning, information. The file and line are those of the analysed source
// (from its "#line" markers), not of the script.
#pragma once

#include <string_view>

namespace vx {

enum class DiagnosticLevel { internal = 0, fatal = 1, error = 2, warning = 3, info = 4 };

class DiagnosticSink {
public:
    virtual ~DiagnosticSink() = default;
    virtual void report(DiagnosticLevel level, std::string_view code, std::string_view argument,
                        std::string_view file, long line) = 0;
};

// The usual sink: sets the report location and raises the message through
// the process reporter (fatal and internal levels end the run).
class ReporterSink : public DiagnosticSink {
public:
    void report(DiagnosticLevel level, std::string_view code, std::string_view argument,
                std::string_view file, long line) override;
};

// A sink that only counts, for analyses whose failure is an answer (does
// this text name a type?).
class CountingSink : public DiagnosticSink {
public:
    void report(DiagnosticLevel level, std::string_view, std::string_view, std::string_view,
                long) override {
        if (level <= DiagnosticLevel::warning) ++count;
    }
    int count = 0;
};

}  // namespace vx
