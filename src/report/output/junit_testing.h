// For the tests and fuzz targets of the report: the JUnit document as text.
// The program writes it to its file as it is made (write_junit).
#pragma once

#include "report/output/junit.h"

#include <QBuffer>

#include <string>

namespace vx::report {

inline std::string junit_document(const Verdict& verdict, const CoverageData* coverage = nullptr) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    write_junit_to(buffer, verdict, coverage);
    return buffer.data().toStdString();
}

}  // namespace vx::report
