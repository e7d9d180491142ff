#include "canalysis/diagnostic_sink.h"

#include "diag/reporter.h"

namespace vx {

void ReporterSink::report(DiagnosticLevel level, std::string_view code, std::string_view argument,
                          std::string_view file, long line) {
    set_report_file(file);
    set_report_line(line);
    switch (level) {
    case DiagnosticLevel::internal: report_internal(code, argument);
    case DiagnosticLevel::fatal: report_fatal(code, argument);
    case DiagnosticLevel::error: report_error(code, argument); break;
    case DiagnosticLevel::warning: report_warning(code, argument); break;
    case DiagnosticLevel::info: report_info(code, argument); break;
    }
}

}  // namespace vx
