#include "canalysis/diagnostic_sink.h"

#include "diag/reporter.h"

#include <string>

namespace vx {

void ReporterSink::report(Severity level, MessageCode code, std::string_view argument,
                          std::string_view file, long line) {
    std::string saved_file;
    long saved_line = 0;
    if (has_reporter()) {
        saved_file = reporter().report_file();
        saved_line = reporter().report_line();
    }
    set_report_file(file);
    set_report_line(line);
    switch (level) {
        case Severity::internal:
            report_internal(code, argument);
        case Severity::fatal:
            report_fatal(code, argument);
        case Severity::error:
            report_error(code, argument);
            break;
        case Severity::warning:
            report_warning(code, argument);
            break;
        case Severity::info:
            report_info(code, argument);
            break;
    }
    set_report_file(saved_file);
    set_report_line(saved_line);
}

DiagnosticSink& reporter_sink() {
    static ReporterSink sink;
    return sink;
}

}  // namespace vx
