// Coverage figures from gcov's JSON. One document per .gcda file lists the
// sources the object covers, each with its instrumented lines (a count per
// line and, per branch leaving the line, a count). A line counts as code
// when gcov lists it; it is covered when its count is not zero, and partly
// covered when one of its branches was never taken. Branches count as
// gcov's "taken at least once".
#include "report/output/coverage.h"

#include "diag/file_guard.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <map>

namespace vx::report {

namespace {

constexpr int gcov_time_limit_ms = 120000;
constexpr double percent = 100.0;

// What one line holds, merged over every object that covers it.
struct LineCounts {
    long long count = 0;
    std::vector<long long> branches;
};

std::string absolute_source(const std::string& cwd, const std::string& file) {
    QString path = QString::fromStdString(file);
    if (QDir::isRelativePath(path) && !cwd.empty()) {
        path = QDir(QString::fromStdString(cwd)).filePath(path);
    }
    return QDir::cleanPath(path).toStdString();
}

SourceCoverage summarise(const std::string& path, const std::map<long, LineCounts>& lines) {
    SourceCoverage source;
    source.path = path;
    for (const auto& [number, counts] : lines) {
        if (number < 1) continue;
        if (source.line_states.size() < static_cast<std::size_t>(number)) {
            source.line_states.resize(static_cast<std::size_t>(number), LineCoverage::not_code);
        }
        ++source.lines;
        bool all_taken = true;
        for (long long taken : counts.branches) {
            ++source.branches;
            if (taken > 0) {
                ++source.branches_taken;
            } else {
                all_taken = false;
            }
        }
        LineCoverage state = LineCoverage::uncovered;
        if (counts.count > 0) {
            ++source.lines_covered;
            state = all_taken ? LineCoverage::covered : LineCoverage::partly;
        }
        source.line_states[static_cast<std::size_t>(number - 1)] = state;
        source.hits.push_back(LineHits{number, counts.count, counts.branches});
    }
    return source;
}

// Counts per source path, kept between documents so that a header covered
// by several objects is merged.
using Accumulated = std::map<std::string, std::map<long, LineCounts>>;

std::optional<std::string> accumulate(const std::string& json, Accumulated& all) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(json), &error);
    if (document.isNull() || !document.isObject()) {
        return "gcov's output is not JSON: " + error.errorString().toStdString();
    }
    const QJsonObject root = document.object();
    if (!root.contains(QStringLiteral("files")) || !root.value(QStringLiteral("files")).isArray()) {
        return std::string("gcov's output has no \"files\" list");
    }
    const std::string cwd =
        root.value(QStringLiteral("current_working_directory")).toString().toStdString();
    for (const QJsonValue& file_value : root.value(QStringLiteral("files")).toArray()) {
        const QJsonObject file = file_value.toObject();
        const std::string path =
            absolute_source(cwd, file.value(QStringLiteral("file")).toString().toStdString());
        if (path.empty()) continue;
        std::map<long, LineCounts>& lines = all[path];
        for (const QJsonValue& line_value : file.value(QStringLiteral("lines")).toArray()) {
            const QJsonObject line = line_value.toObject();
            const long number = line.value(QStringLiteral("line_number")).toInt();
            LineCounts& counts = lines[number];
            counts.count += static_cast<long long>(line.value(QStringLiteral("count")).toDouble());
            const QJsonArray branches = line.value(QStringLiteral("branches")).toArray();
            if (counts.branches.size() < static_cast<std::size_t>(branches.size())) {
                counts.branches.resize(static_cast<std::size_t>(branches.size()), 0);
            }
            for (qsizetype i = 0; i < branches.size(); ++i) {
                counts.branches[static_cast<std::size_t>(i)] += static_cast<long long>(
                    branches[i].toObject().value(QStringLiteral("count")).toDouble());
            }
        }
    }
    return std::nullopt;
}

void store(const Accumulated& all, CoverageData& data) {
    data.sources.clear();
    for (const auto& [path, lines] : all) {
        if (path.rfind("/usr/", 0) == 0) continue;  // system headers
        data.sources.push_back(summarise(path, lines));
    }
}

std::string one_decimal(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

}  // namespace

double SourceCoverage::line_percent() const {
    return lines == 0 ? percent
                      : percent * static_cast<double>(lines_covered) / static_cast<double>(lines);
}

double SourceCoverage::branch_percent() const {
    return branches == 0
               ? percent
               : percent * static_cast<double>(branches_taken) / static_cast<double>(branches);
}

std::vector<std::string> coverage_data_files(const std::string& directory) {
    QStringList found;
    QDirIterator it(QString::fromStdString(directory), {QStringLiteral("*.gcda")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        found << it.next();
    }
    found.sort();
    std::vector<std::string> files;
    for (const QString& file : found) files.push_back(file.toStdString());
    return files;
}

std::optional<std::string> collect_coverage(const std::string& directory,
                                            const std::string& gcov_program, CoverageData& data) {
    return collect_coverage(std::vector<std::string>{directory}, gcov_program, data);
}

std::optional<std::string> collect_coverage(const std::vector<std::string>& directories,
                                            const std::string& gcov_program, CoverageData& data) {
    QStringList gcda_files;
    for (const std::string& directory : directories) {
        if (!QFileInfo(QString::fromStdString(directory)).isDir()) {
            return "the coverage directory " + directory + " is not a directory";
        }
        const std::vector<std::string> found = coverage_data_files(directory);
        if (found.empty()) {
            return "no .gcda file under " + directory +
                   ": was the unit built with --coverage, and did the harness run?";
        }
        for (const std::string& file : found) {
            gcda_files << QString::fromStdString(file);
        }
    }
    Accumulated all;
    for (const QString& gcda : gcda_files) {
        QProcess gcov;
        gcov.setWorkingDirectory(QFileInfo(gcda).absolutePath());
        gcov.start(QString::fromStdString(gcov_program),
                   {QStringLiteral("--json-format"), QStringLiteral("--stdout"),
                    QStringLiteral("--branch-probabilities"), QFileInfo(gcda).fileName()});
        if (!gcov.waitForStarted()) {
            return "cannot run " + gcov_program + ": " + gcov.errorString().toStdString();
        }
        if (!gcov.waitForFinished(gcov_time_limit_ms) ||
            gcov.exitStatus() != QProcess::NormalExit || gcov.exitCode() != 0) {
            gcov.kill();
            return gcov_program + " failed on " + gcda.toStdString() + ": " +
                   gcov.readAllStandardError().trimmed().toStdString();
        }
        // One JSON document per line of output (one per .gcda given).
        const QList<QByteArray> documents = gcov.readAllStandardOutput().split('\n');
        for (const QByteArray& document : documents) {
            if (document.trimmed().isEmpty()) continue;
            if (auto problem = accumulate(document.toStdString(), all)) {
                return *problem + " (" + gcda.toStdString() + ")";
            }
        }
    }
    store(all, data);
    return std::nullopt;
}

bool lies_under(const std::string& path, const std::string& root) {
    if (path.empty() || root.empty() || !QFileInfo(QString::fromStdString(root)).isDir() ||
        !QFileInfo::exists(QString::fromStdString(path))) {
        return false;
    }
    std::string directory = canonical_file_name(root);
    const std::string file = canonical_file_name(path);
    if (directory.empty() || directory.front() != '/' || file.empty() || file.front() != '/') {
        return false;
    }
    if (directory.back() != '/') directory += '/';
    return file.size() > directory.size() && file.compare(0, directory.size(), directory) == 0;
}

std::string coverage_summary(const SourceCoverage& source) {
    const std::string name =
        QFileInfo(QString::fromStdString(source.path)).fileName().toStdString();
    std::string text = name + ": lines " + std::to_string(source.lines_covered) + "/" +
                       std::to_string(source.lines) + " (" + one_decimal(source.line_percent()) +
                       "%)";
    if (source.branches > 0) {
        text += ", branches " + std::to_string(source.branches_taken) + "/" +
                std::to_string(source.branches) + " (" + one_decimal(source.branch_percent()) +
                "%)";
    } else {
        text += ", no branches";
    }
    return text;
}

}  // namespace vx::report
