#include "testkit/testkit.h"

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace vx::testkit {

namespace fs = std::filesystem;

ProcessResult run_program(const std::string& program, const std::vector<std::string>& args,
                          const EnvChanges& env, const std::string& workdir) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const auto& [name, value] : env) {
        if (value) {
            environment.insert(QString::fromStdString(name), QString::fromStdString(*value));
        } else {
            environment.remove(QString::fromStdString(name));
        }
    }
    process.setProcessEnvironment(environment);
    if (!workdir.empty()) {
        process.setWorkingDirectory(QString::fromStdString(workdir));
    }
    QStringList arguments;
    for (const auto& arg : args) {
        arguments << QString::fromLocal8Bit(arg);
    }
    process.start(QString::fromStdString(program), arguments);
    ProcessResult result;
    if (!process.waitForStarted(10000)) {
        result.err = "cannot start " + program;
        return result;
    }
    process.closeWriteChannel();
    process.waitForFinished(120000);
    result.out = process.readAllStandardOutput().toStdString();
    result.err = process.readAllStandardError().toStdString();
    result.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return result;
}

std::string dist_dir() { return VX_DIST_DIR; }
std::string compiler_path() { return dist_dir() + "/bin/vexorprepro"; }

ProcessResult run_compiler(const std::vector<std::string>& args, const EnvChanges& env,
                           const std::string& workdir) {
    EnvChanges full = {
        {"HARNEXDIR", dist_dir()},
        {"LANG", std::string("C.UTF-8")},
        {"LC_ALL", std::nullopt},
        {"LANGUAGE", std::nullopt},
        {"VEXOR_SUPPRESS_COPYRIGHT", std::string("1")},
        {"VEXORLAN", std::nullopt},
    };
    for (const auto& [name, value] : env) {
        full[name] = value;
    }
    return run_program(compiler_path(), args, full, workdir);
}

ScratchDir::ScratchDir() {
    static std::atomic<int> counter{0};
    fs::path base = fs::current_path() / "scratch";
    fs::create_directories(base);
    for (;;) {
        fs::path candidate =
            base / ("t" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
        if (fs::create_directory(candidate)) {
            path_ = candidate.string();
            break;
        }
    }
}

ScratchDir::~ScratchDir() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

std::vector<std::string> ScratchDir::entries() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(path_)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

WorkingDir::WorkingDir(const std::string& path) : previous_(fs::current_path().string()) {
    fs::current_path(path);
}

WorkingDir::~WorkingDir() {
    std::error_code ignored;
    fs::current_path(previous_, ignored);
}

std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void write_file(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

bool file_exists(const std::string& path) { return fs::exists(path); }

std::vector<std::string> split_lines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    std::istringstream in(text);
    while (std::getline(in, line)) {
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> missing_lines(const std::vector<std::string>& lines,
                                       std::initializer_list<std::string> wanted) {
    std::vector<std::string> absent;
    for (const std::string& line : wanted) {
        if (std::find(lines.begin(), lines.end(), line) == lines.end()) {
            absent.push_back(line);
        }
    }
    return absent;
}

FreshReporter::FreshReporter() {
    catalogue_.register_all();
    reporter_ = std::make_unique<Reporter>(catalogue_);
    reporter_->set_console([this](std::string_view line) { shown_.append(line); });
}

FreshReporter::~FreshReporter() = default;

}  // namespace vx::testkit
