// Running a piece of a test in a child process; scratch directories,
// environment variables and working directories that undo themselves.
//
// run_in_child forks; the child runs the body with its standard output and
// standard error captured, and ends with status 0 when the body returns (a
// body that ends the process itself gives its own status). The parent gets
// the status and both captured streams. This is how tests watch a whole
// run end: its messages, its exit status and the files it leaves.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace vx::testing {

struct ChildResult {
    bool exited = false;  // false when the child died of a signal
    int status = -1;      // the exit status when it exited
    std::string out;
    std::string err;
};

ChildResult run_in_child(const std::function<void()>& body);

// A fresh directory under the system's temporary directory, removed with
// everything in it when the object goes.
class ScratchDirectory {
public:
    ScratchDirectory();
    ~ScratchDirectory();
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The names of the entries, sorted.
    std::vector<std::string> entries() const;

private:
    std::filesystem::path path_;
};

// Changes the working directory for the life of the object.
class ScopedWorkingDirectory {
public:
    explicit ScopedWorkingDirectory(const std::filesystem::path& directory);
    ~ScopedWorkingDirectory();
    ScopedWorkingDirectory(const ScopedWorkingDirectory&) = delete;
    ScopedWorkingDirectory& operator=(const ScopedWorkingDirectory&) = delete;

private:
    std::filesystem::path previous_;
};

// The whole content of a file; empty when it cannot be read.
std::string read_file(const std::filesystem::path& path);
void write_file(const std::filesystem::path& path, const std::string& content);

}  // namespace vx::testing
