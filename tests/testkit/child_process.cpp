#include "testkit/child_process.h"

#include "diag/process_end.h"

#include "testkit/testkit.h"

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace vx::testing {

namespace {

// Reads both pipes until both are closed, so that neither can fill up while
// the other is waited on.
void drain(int out_fd, int err_fd, std::string& out, std::string& err) {
    pollfd fds[2] = {{out_fd, POLLIN, 0}, {err_fd, POLLIN, 0}};
    std::string* sinks[2] = {&out, &err};
    int open_count = 2;
    char buffer[4096];
    while (open_count > 0) {
        if (::poll(fds, 2, -1) < 0) {
            break;
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) {
                continue;
            }
            ssize_t got = ::read(fds[i].fd, buffer, sizeof buffer);
            if (got > 0) {
                sinks[i]->append(buffer, static_cast<std::size_t>(got));
            } else {
                ::close(fds[i].fd);
                fds[i].fd = -1;
                --open_count;
            }
        }
    }
}

}  // namespace

ChildResult run_in_child(const std::function<void()>& body) {
    int out_pipe[2];
    int err_pipe[2];
    if (::pipe(out_pipe) != 0 || ::pipe(err_pipe) != 0) {
        throw std::runtime_error("pipe failed");
    }
    std::fflush(stdout);
    std::fflush(stderr);
    pid_t child = ::fork();
    if (child < 0) {
        throw std::runtime_error("fork failed");
    }
    if (child == 0) {
        ::dup2(out_pipe[1], STDOUT_FILENO);
        ::dup2(err_pipe[1], STDERR_FILENO);
        ::close(out_pipe[0]);
        ::close(out_pipe[1]);
        ::close(err_pipe[0]);
        ::close(err_pipe[1]);
        try {
            body();
        } catch (const vx::RunStopped& stopped) {
            // A fatal report ends the child as it ends a program.
            vx::end_process(stopped.status);
        }
        std::fflush(nullptr);
        ::_exit(0);
    }
    ::close(out_pipe[1]);
    ::close(err_pipe[1]);
    ChildResult result;
    drain(out_pipe[0], err_pipe[0], result.out, result.err);
    int wait_status = 0;
    ::waitpid(child, &wait_status, 0);
    result.exited = WIFEXITED(wait_status);
    result.status = result.exited ? WEXITSTATUS(wait_status) : -1;
    return result;
}

ScratchDirectory::ScratchDirectory() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vx-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("mkdtemp failed");
    }
    path_ = pattern;
}

ScratchDirectory::~ScratchDirectory() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
}

std::vector<std::string> ScratchDirectory::entries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

ScopedWorkingDirectory::ScopedWorkingDirectory(const std::filesystem::path& directory)
    : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(directory);
}

ScopedWorkingDirectory::~ScopedWorkingDirectory() {
    std::error_code error;
    std::filesystem::current_path(previous_, error);
}

std::string read_file(const std::filesystem::path& path) {
    return testkit::read_file(path.string());
}

void write_file(const std::filesystem::path& path, const std::string& content) {
    testkit::write_file(path.string(), content);
}

}  // namespace vx::testing
