// Helpers shared by the test programs: running the installed programs with
// a chosen environment, scratch directories, files, and a substituted
// process ending so that a test can watch a fatal report without dying.
#pragma once

#include "diag/catalogue.h"
#include "diag/process_end.h"
#include "diag/reporter.h"

#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vx::testkit {

struct ProcessResult {
    int status = -1;  // exit status; -1 when the program crashed or did not start
    std::string out;
    std::string err;
};

// Environment changes for a child: a value sets the variable, std::nullopt
// removes it.
using EnvChanges = std::map<std::string, std::optional<std::string>>;

ProcessResult run_program(const std::string& program, const std::vector<std::string>& args,
                          const EnvChanges& env = {}, const std::string& workdir = {});

// The installed programs of the build tree.
std::string compiler_path();
std::string dist_dir();

// The compiler run the way a user runs it: HARNEXDIR set to the installed
// tree, an English locale and the copyright line suppressed unless the
// changes say otherwise.
ProcessResult run_compiler(const std::vector<std::string>& args, const EnvChanges& env = {},
                           const std::string& workdir = {});

// A fresh directory under the test's working directory, removed with all
// its content at the end of its scope.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    // Names of the entries directly in the directory, sorted.
    std::vector<std::string> entries() const;

private:
    std::string path_;
};

// Changes the working directory for the scope.
class WorkingDir {
public:
    explicit WorkingDir(const std::string& path);
    ~WorkingDir();
    WorkingDir(const WorkingDir&) = delete;
    WorkingDir& operator=(const WorkingDir&) = delete;

private:
    std::string previous_;
};

std::string read_file(const std::string& path);
void write_file(const std::string& path, const std::string& text);
bool file_exists(const std::string& path);
std::vector<std::string> split_lines(const std::string& text);
// The lines of `wanted` that `lines` does not hold, in the order wanted:
// empty when it holds them all.
std::vector<std::string> missing_lines(const std::vector<std::string>& lines,
                                       std::initializer_list<std::string> wanted);

// A registered catalogue with a fresh reporter, for the code under test.
// The lines it shows are collected for the test, not written to standard
// error.
class FreshReporter {
public:
    FreshReporter();
    ~FreshReporter();
    FreshReporter(const FreshReporter&) = delete;
    FreshReporter& operator=(const FreshReporter&) = delete;
    Reporter& get() { return *reporter_; }
    // The lines shown since the last call.
    std::string shown() { return std::exchange(shown_, std::string()); }

private:
    MessageCatalogue catalogue_;
    std::unique_ptr<Reporter> reporter_;
    std::string shown_;
};

}  // namespace vx::testkit
