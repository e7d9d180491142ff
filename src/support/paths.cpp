// Path helpers. A relative path is made absolute by joining it to the
// working directory and folding the components: empty and "." components
// vanish, ".." removes the component before it (and stays at the root when
// there is none). The full name of a file is found by asking the system for
// its status first, then making its directory part absolute.
#include "support/paths.h"

#include <climits>
#include <cstdlib>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>
#include <vector>

namespace vx {

namespace {

constexpr char separator = '/';

// The working directory, or the empty text when it cannot be had.
std::string working_directory() {
    std::vector<char> buffer(4096);
    for (;;) {
        if (::getcwd(buffer.data(), buffer.size()) != nullptr) {
            return std::string(buffer.data());
        }
        if (errno != ERANGE) {
            return std::string();
        }
        buffer.resize(buffer.size() * 2);
    }
}

// Folds the components of an absolute path.
std::string folded(std::string_view path) {
    std::vector<std::string_view> parts;
    std::size_t at = 0;
    while (at <= path.size()) {
        std::size_t end = path.find(separator, at);
        if (end == std::string_view::npos) {
            end = path.size();
        }
        std::string_view part = path.substr(at, end - at);
        if (part == "..") {
            if (!parts.empty()) {
                parts.pop_back();
            }
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        at = end + 1;
    }
    if (parts.empty()) {
        return std::string(1, separator);
    }
    std::string out;
    for (std::string_view part : parts) {
        out += separator;
        out += part;
    }
    return out;
}

}  // namespace

void split_path(std::string_view path, std::string& directory, std::string& file) {
    std::size_t cut = path.rfind(separator);
    std::string new_directory;
    std::string new_file;
    if (cut == std::string_view::npos) {
        new_directory = "./";
        new_file = std::string(path);
    } else {
        new_directory = std::string(path.substr(0, cut + 1));
        new_file = std::string(path.substr(cut + 1));
    }
    directory = std::move(new_directory);
    file = std::move(new_file);
}

PathParts split_directory(std::string_view path) {
    PathParts parts;
    split_path(path, parts.directory, parts.name);
    return parts;
}

NameParts split_extension(std::string_view name) {
    std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos) {
        return {std::string(name), {}};
    }
    return {std::string(name.substr(0, dot)), std::string(name.substr(dot + 1))};
}

std::string make_absolute(std::string_view directory) {
    if (!directory.empty() && directory.front() == separator) {
        return std::string(directory);
    }
    std::string cwd = working_directory();
    if (cwd.empty()) {
        return std::string(directory);
    }
    while (directory.substr(0, 2) == "./") {
        directory.remove_prefix(2);
    }
    if (directory == ".") {
        directory = {};
    }
    if (cwd.back() != separator) {
        cwd += separator;
    }
    return cwd + std::string(directory);
}

std::string absolute_path(std::string_view path) {
    if (!path.empty() && path.front() == separator) {
        return std::string(path);
    }
    std::string cwd = working_directory();
    if (cwd.empty()) {
        return std::string(path);
    }
    std::string joined = cwd;
    joined += separator;
    joined += path;
    std::string out = folded(joined);
    if (!path.empty() && path.back() == separator && out.back() != separator) {
        out += separator;
    }
    return out;
}

std::string full_file_name(std::string_view path) {
    std::string name(path);
    struct stat status {};
    if (name.empty() || ::stat(name.c_str(), &status) != 0) {
        return std::string();
    }
    return absolute_file_name(name);
}

std::string absolute_file_name(std::string_view path) {
    std::string name(path);
    std::string directory;
    std::string file;
    split_path(name, directory, file);
    std::string out = absolute_path(directory);
    if (out.back() != separator) {
        out += separator;
    }
    out += file;
    return out;
}

std::string canonical_path(std::string_view path) {
    std::string name(path);
    char resolved[PATH_MAX];
    if (::realpath(name.c_str(), resolved) != nullptr) {
        return resolved;
    }
    return absolute_path(path);
}

}  // namespace vx
