#include "diag/file_guard.h"

#include "diag/reporter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace vx {

FileIdentity file_identity(const std::string& path) {
    struct stat status {};
    FileIdentity identity;
    if (!path.empty() && ::stat(path.c_str(), &status) == 0) {
        identity.exists = true;
        identity.device = status.st_dev;
        identity.inode = status.st_ino;
    }
    return identity;
}

std::string canonical_file_name(std::string_view path) {
    std::string name(path);
    char resolved[PATH_MAX];
    if (!name.empty() && ::realpath(name.c_str(), resolved) != nullptr) {
        return resolved;
    }
    std::size_t slash = name.rfind('/');
    std::string directory = slash == std::string::npos ? std::string(".") : name.substr(0, slash);
    std::string file = slash == std::string::npos ? name : name.substr(slash + 1);
    if (directory.empty()) {
        directory = "/";
    }
    if (::realpath(directory.c_str(), resolved) != nullptr) {
        std::string joined = resolved;
        if (joined.back() != '/') {
            joined += '/';
        }
        return joined + file;
    }
    return name;
}

OpenedInput open_input(const std::string& path) {
    OpenedInput opened;
    // Without O_NONBLOCK, opening a pipe with no writer waits for ever.
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        opened.error = errno;
        opened.problem = InputProblem::missing;
        return opened;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        opened.error = errno;
        opened.problem = InputProblem::read_error;
        ::close(fd);
        return opened;
    }
    opened.identity = {true, status.st_dev, status.st_ino};
    if (!S_ISREG(status.st_mode)) {
        opened.problem = InputProblem::not_regular;
        ::close(fd);
        return opened;
    }
    opened.size = static_cast<std::uint64_t>(status.st_size);
    if (opened.size > max_input_size) {
        opened.problem = InputProblem::too_large;
        ::close(fd);
        return opened;
    }
    int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) {
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    }
    opened.descriptor = fd;
    return opened;
}

std::FILE* open_input_stream(const std::string& path, OpenedInput& opened) {
    opened = open_input(path);
    if (opened.problem != InputProblem::none) {
        return nullptr;
    }
    std::FILE* stream = ::fdopen(opened.descriptor, "r");
    if (stream == nullptr) {
        opened.error = errno;
        opened.problem = InputProblem::read_error;
        ::close(opened.descriptor);
    }
    opened.descriptor = -1;
    return stream;
}

bool read_input_file(const std::string& path, std::string& text, OpenedInput& opened) {
    opened = open_input(path);
    if (opened.problem != InputProblem::none) {
        return false;
    }
    const int fd = opened.descriptor;
    opened.descriptor = -1;
    text.clear();
    text.resize(static_cast<std::size_t>(opened.size) + 1);
    std::size_t used = 0;
    for (;;) {
        if (used == text.size()) {
            // A file that grows while it is read still has its bound.
            if (text.size() > max_input_size) {
                opened.problem = InputProblem::too_large;
                break;
            }
            text.resize(text.size() * 2);
        }
        ssize_t got = ::read(fd, text.data() + used, text.size() - used);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            opened.error = errno;
            opened.problem = InputProblem::read_error;
            break;
        }
        if (got == 0) {
            break;
        }
        used += static_cast<std::size_t>(got);
    }
    ::close(fd);
    text.resize(used);
    return opened.problem == InputProblem::none;
}

std::string input_problem_text(std::string_view path, const OpenedInput& opened) {
    std::string text(path);
    switch (opened.problem) {
        case InputProblem::none:
            break;
        case InputProblem::missing:
        case InputProblem::read_error:
            if (opened.error != 0) {
                text += " (";
                text += std::strerror(opened.error);
                text += ")";
            }
            break;
        case InputProblem::not_regular:
            break;
        case InputProblem::too_large:
            text += " (more than " + std::to_string(max_input_size / (1024 * 1024)) + " MiB)";
            break;
    }
    return text;
}

MessageCode input_problem_code(const OpenedInput& opened) {
    switch (opened.problem) {
        case InputProblem::not_regular:
            return msg::FICNONREG;
        case InputProblem::too_large:
            return msg::FICTROGRD;
        case InputProblem::read_error:
            return msg::IMPLIRFIC;
        case InputProblem::none:
        case InputProblem::missing:
            break;
    }
    return msg::IMPOUVFIC;
}

void RunFiles::note_output(const std::string& path) {
    if (path.empty()) {
        return;
    }
    outputs_.push_back({path, canonical_file_name(path), file_identity(path)});
}

const std::string* RunFiles::output_clash(const std::string& input_path,
                                          const FileIdentity& identity) const {
    // An input that exists is known by its device and inode: a name of it
    // is the same file only if that name leads there. The names are
    // compared only for an input that is not there (yet).
    const std::string canonical = identity.exists ? std::string() : canonical_file_name(input_path);
    for (const Output& output : outputs_) {
        if (identity.same_file(output.identity) || identity.same_file(file_identity(output.name)) ||
            (!identity.exists && canonical == output.canonical)) {
            return &output.name;
        }
    }
    return nullptr;
}

void RunFiles::note_input(const std::string& path, const FileIdentity& identity) {
    if (identity.exists && !is_input(identity)) {
        inputs_.push_back({path, identity});
    }
}

bool RunFiles::is_input(const FileIdentity& identity) const {
    for (const Input& input : inputs_) {
        // An inode is known by the name it came from: once that file is
        // gone its number may serve another.
        if (input.identity.same_file(identity) && file_identity(input.name).same_file(identity)) {
            return true;
        }
    }
    return false;
}

std::FILE* open_checked_input(Reporter& reporter, RunFiles& files, const std::string& path) {
    OpenedInput opened;
    std::FILE* stream = open_input_stream(path, opened);
    if (stream == nullptr) {
        throw reporter.fatal(input_problem_code(opened), input_problem_text(path, opened));
    }
    files.note_input(path, opened.identity);
    if (files.output_clash(path, opened.identity) != nullptr) {
        std::fclose(stream);
        throw reporter.fatal(msg::FICENTSOR, path);
    }
    return stream;
}

}  // namespace vx
