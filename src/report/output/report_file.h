// Writing one output file of the report (JUnit XML, the HTML page) whole.
#pragma once

#include <string>
#include <string_view>

namespace vx::report {

// Writes `document` to `path`, replacing it; false with a message naming
// `what` ("JUnit", "HTML") when the file cannot be written.
bool write_report_file(const std::string& document, const std::string& path, std::string_view what,
                       std::string& error);

}  // namespace vx::report
