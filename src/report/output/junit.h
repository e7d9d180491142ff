// The verdict as JUnit XML, for continuous integration servers: one
// testsuite per service, one testcase per test run, a failure element
// listing the failed checks with their obtained and expected values.
#pragma once

#include "report/output/coverage.h"
#include "report/verdict.h"

#include <string>
#include <string_view>

class QIODevice;

namespace vx::report {

// Writes the XML document; returns false with a message when the file
// cannot be written.
// With coverage figures, each testsuite carries them as properties
// ("coverage.lines.<file>", "coverage.branches.<file>", in percent).
bool write_junit(const Verdict& verdict, const std::string& path, std::string& error,
                 const CoverageData* coverage = nullptr);

// Writes the document to an open device as it is made, a test case at a
// time (what write_junit puts in its file); false when the device fails.
bool write_junit_to(QIODevice& device, const Verdict& verdict,
                    const CoverageData* coverage = nullptr);

// When there is no verdict to write (the inputs cannot be read, or do not
// belong together), the JUnit file still must not keep an older run's
// result: it gets one testcase in error that says why.
std::string junit_error_document(std::string_view program, std::string_view why);
bool write_junit_error(std::string_view program, std::string_view why, const std::string& path,
                       std::string& error);

}  // namespace vx::report
