#include "canalysis/diagnostic_sink.h"

#include "diag/reporter.h"

#include <string>

namespace vx {

void ReporterSink::report(Severity level, MessageCode code, std::string_view argument,
                          std::string_view file, long line) {
    const std::string saved_file = reporter_.report_file();
    const long saved_line = reporter_.report_line();
    reporter_.set_report_file(file);
    reporter_.set_report_line(line);
    switch (level) {
        case Severity::internal:
            reporter_.internal(code, argument);
        case Severity::fatal:
            reporter_.fatal(code, argument);
        case Severity::error:
            reporter_.error(code, argument);
            break;
        case Severity::warning:
            reporter_.warning(code, argument);
            break;
        case Severity::info:
            reporter_.info(code, argument);
            break;
    }
    reporter_.set_report_file(saved_file);
    reporter_.set_report_line(saved_line);
}

}  // namespace vx
