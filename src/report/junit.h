// The verdict as JUnit XML, for continuous integration servers: one
// testsuite per service, one testcase per test run, a failure element
// listing the failed checks with their obtained and expected values.
#pragma once

#include "report/verdict.h"

#include <string>

namespace vx::report {

// Writes the XML document; returns false with a message when the file
// cannot be written.
bool write_junit(const Verdict& verdict, const std::string& path, std::string& error);

// The document as text (what write_junit puts in the file).
std::string junit_document(const Verdict& verdict);

}  // namespace vx::report
