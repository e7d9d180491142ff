#include "report/output/report_file.h"

#include <QFile>

namespace vx::report {

bool write_report_file(const std::string& document, const std::string& path, std::string_view what,
                       std::string& error) {
    QFile file(QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size())));
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                         file.write(document.data(), static_cast<qint64>(document.size())) ==
                             static_cast<qint64>(document.size()) &&
                         file.flush();
    if (!written) {
        error = "cannot write the " + std::string(what) + " file " + path + ": " +
                file.errorString().toStdString();
    }
    return written;
}

}  // namespace vx::report
