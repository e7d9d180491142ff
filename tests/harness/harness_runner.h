// Helpers for the tests that build hand-written harnesses with a C compiler
// and the installed runtime package, run them and read their verdict with
// the installed vexorreport. Programs are started with an argument vector
// (QProcess), never through a shell.
#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

#include <map>
#include <string>
#include <vector>

namespace vx::harness_testing {

inline constexpr int compile_timeout_ms = 180000;
inline constexpr int run_timeout_ms = 120000;

struct ProcessResult {
    bool started = false;
    bool crashed = false;
    int exit_code = -1;
    std::string out;
    std::string err;
};

inline QString source_path(const QString& relative) {
    return QStringLiteral(VX_SOURCE_DIR) + QLatin1Char('/') + relative;
}

inline QString dist_path(const QString& relative) {
    return QStringLiteral(VX_DIST_DIR) + QLatin1Char('/') + relative;
}

inline QString harness_file(const QString& name) {
    return source_path(QStringLiteral("tests/harness/") + name);
}

inline ProcessResult run_program(const QString& program, const QStringList& arguments,
                                 const QString& directory,
                                 const std::map<QString, QString>& environment = {},
                                 int timeout_ms = run_timeout_ms) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setWorkingDirectory(directory);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const auto& [name, value] : environment) {
        if (value.isNull()) {
            env.remove(name);
        } else {
            env.insert(name, value);
        }
    }
    process.setProcessEnvironment(env);
    process.start();
    ProcessResult result;
    result.started = process.waitForStarted();
    if (!result.started) {
        return result;
    }
    if (!process.waitForFinished(timeout_ms)) {
        process.kill();
        process.waitForFinished();
        result.crashed = true;
    }
    result.crashed = result.crashed || process.exitStatus() == QProcess::CrashExit;
    result.exit_code = process.exitCode();
    result.out = process.readAllStandardOutput().toStdString();
    result.err = process.readAllStandardError().toStdString();
    return result;
}

inline QString find_compiler(const QString& name) { return QStandardPaths::findExecutable(name); }

// Compiles the harness `name`.c of tests/harness with the unit under test
// and the installed runtime into directory/`output`. The directories of
// `first_includes` come before the runtime's (a configuration header there
// is the one the runtime reads).
inline ProcessResult compile_harness(const QString& compiler, const QString& name,
                                     const QString& directory, const QString& output,
                                     const QStringList& extra_flags = {},
                                     const QStringList& first_includes = {}) {
    QStringList arguments = {QStringLiteral("-std=c99"), QStringLiteral("-Wall"),
                             QStringLiteral("-Wextra"), QStringLiteral("-Werror")};
    arguments << extra_flags;
    for (const QString& include : first_includes) {
        arguments << QStringLiteral("-I") + include;
    }
    arguments << QStringLiteral("-I") + dist_path(QStringLiteral("target/lib"))
              << QStringLiteral("-I") + source_path(QStringLiteral("tests/harness"))
              << harness_file(name + QStringLiteral(".c")) << harness_file(QStringLiteral("unit.c"))
              << dist_path(QStringLiteral("target/lib/TP.c")) << QStringLiteral("-o")
              << directory + QLatin1Char('/') + output;
    return run_program(compiler, arguments, directory, {}, compile_timeout_ms);
}

inline ProcessResult run_report(const QStringList& arguments, const QString& directory) {
    return run_program(dist_path(QStringLiteral("bin/vexorreport")), arguments, directory);
}

inline std::string read_file(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll().toStdString();
}

inline bool write_file(const QString& path, const std::string& content) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    return file.write(content.data(), static_cast<qint64>(content.size())) ==
           static_cast<qint64>(content.size());
}

// What a JUnit document says, read with a real XML parser.
struct JUnitCase {
    QString suite;
    QString name;
    QString classname;
    bool failed = false;
    bool error = false;
    QString failure_message;
    QString failure_text;
};

struct JUnitDocument {
    bool well_formed = false;
    QString error;
    std::map<QString, QString> root_attributes;
    std::vector<QString> suites;
    std::vector<JUnitCase> cases;

    const JUnitCase* find(const QString& name) const {
        for (const JUnitCase& entry : cases) {
            if (entry.name == name) {
                return &entry;
            }
        }
        return nullptr;
    }
};

inline JUnitDocument parse_junit(const std::string& text) {
    JUnitDocument document;
    QXmlStreamReader xml(QByteArray::fromStdString(text));
    QString suite;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            continue;
        }
        auto name = xml.name();
        if (name == QLatin1String("testsuites")) {
            for (const auto& attribute : xml.attributes()) {
                document.root_attributes[attribute.name().toString()] =
                    attribute.value().toString();
            }
        } else if (name == QLatin1String("testsuite")) {
            suite = xml.attributes().value(QLatin1String("name")).toString();
            document.suites.push_back(suite);
        } else if (name == QLatin1String("testcase")) {
            JUnitCase entry;
            entry.suite = suite;
            entry.name = xml.attributes().value(QLatin1String("name")).toString();
            entry.classname = xml.attributes().value(QLatin1String("classname")).toString();
            document.cases.push_back(entry);
        } else if (name == QLatin1String("failure") && !document.cases.empty()) {
            JUnitCase& entry = document.cases.back();
            entry.failed = true;
            entry.failure_message = xml.attributes().value(QLatin1String("message")).toString();
            entry.failure_text = xml.readElementText();
        } else if (name == QLatin1String("error") && !document.cases.empty()) {
            document.cases.back().error = true;
        }
    }
    document.well_formed = !xml.hasError();
    document.error = xml.errorString();
    return document;
}

}  // namespace vx::harness_testing
