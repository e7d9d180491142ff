#include "canalysis/diagnostic_sink.h"

#include "diag/reporter.h"

#include <string>

namespace vx {

void ReporterSink::report(Severity level, MessageCode code, std::string_view argument,
                          std::string_view file, long line) {
    reporter_.report({std::string(file), line}, level, code, argument);
}

}  // namespace vx
