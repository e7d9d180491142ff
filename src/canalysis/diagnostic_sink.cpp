#include "canalysis/diagnostic_sink.h"

#include "canalysis/cpp/cpp_diagnostics.h"

namespace vx {

// The levels of both sinks have the same numbers; the preprocessor's sink
// of a run does the reporting.
void ReporterSink::report(Severity level, MessageCode code, std::string_view argument,
                          std::string_view file, long line) {
    static const CppDiagnosticSink run_sink = reporter_sink();
    run_sink(static_cast<Severity>(level), code, argument, file, line);
}

}  // namespace vx
