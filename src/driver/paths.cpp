// Path helpers. A directory part always ends with "/" ("./" for a path
// without one); an extension is the text after the last dot of a file name.
// The extension table maps each kind of derived file to its environment
// variable and default.
#include "driver/paths.h"

#include "diag/reporter.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

namespace vx {

namespace {

struct ExtensionRow {
    ExtensionKind kind;
    const char* variable;
    const char* fallback;
};

constexpr ExtensionRow extension_table[] = {
    {ExtensionKind::link_records, "VEXORTDC", "tdc"},
    {ExtensionKind::rio, "VEXORRIO", "rio"},
    {ExtensionKind::test_script, "VEXORPTU", "ptu"},
    {ExtensionKind::segment, "VEXORSEG", "seg"},
    {ExtensionKind::details, "VEXORLIS", "lis"},
    {ExtensionKind::symbol_table, "VEXORSMB", "smb"},
    {ExtensionKind::standard_defs, "VEXORDEF", "def"},
};

constexpr char current_directory[] = "./";

std::string working_directory() {
    std::vector<char> buffer(1024);
    while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE) {
            return {};
        }
        buffer.resize(buffer.size() * 2);
    }
    return buffer.data();
}

}  // namespace

std::string extension_for(ExtensionKind kind) {
    for (const ExtensionRow& row : extension_table) {
        if (row.kind == kind) {
            const char* value = std::getenv(row.variable);
            return value != nullptr ? value : row.fallback;
        }
    }
    return {};
}

PathParts split_directory(std::string_view path) {
    std::size_t slash = path.rfind('/');
    if (slash == std::string_view::npos) {
        return {current_directory, std::string(path)};
    }
    return {std::string(path.substr(0, slash + 1)), std::string(path.substr(slash + 1))};
}

NameParts split_extension(std::string_view name) {
    std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos) {
        return {std::string(name), {}};
    }
    return {std::string(name.substr(0, dot)), std::string(name.substr(dot + 1))};
}

std::string make_absolute(std::string_view directory) {
    if (!directory.empty() && directory.front() == '/') {
        return std::string(directory);
    }
    std::string cwd = working_directory();
    if (cwd.empty()) {
        return std::string(directory);
    }
    while (directory.substr(0, 2) == current_directory) {
        directory.remove_prefix(2);
    }
    if (directory == ".") {
        directory = {};
    }
    if (cwd.back() != '/') {
        cwd += '/';
    }
    return cwd + std::string(directory);
}

std::string logical_name(const char* variable, std::string_view fallback) {
    const char* value = std::getenv(variable);
    if (value == nullptr) {
        report_warning("NOLOGIDEF", std::string_view(variable));
        return std::string(fallback);
    }
    return value;
}

}  // namespace vx
