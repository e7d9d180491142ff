// Path helpers shared by the compiler: splitting a path into directory and
// name and a name into base and extension, making a directory absolute,
// finding the absolute name of an existing file, and reading the
// environment: the extensions of the derived files, which an environment
// variable can replace (a variable that is set replaces the default as it
// is, even when empty), and logical names with a default.
#pragma once

#include <string>
#include <string_view>

namespace vx {

enum class ExtensionKind {
    link_records,   // VEXORTDC, "tdc"
    rio,            // VEXORRIO, "rio"
    test_script,    // VEXORPTU, "ptu"
    segment,        // VEXORSEG, "seg"
    details,        // VEXORLIS, "lis"
    symbol_table,   // VEXORSMB, "smb"
    standard_defs,  // VEXORDEF, "def"
};

// The environment variable of the kind when it is set, else the default.
std::string extension_for(ExtensionKind kind);

struct PathParts {
    std::string directory;  // ends with "/"; "./" when the path has none
    std::string name;
};
struct NameParts {
    std::string base;
    std::string extension;  // without its dot; empty when the name has none
};

PathParts split_directory(std::string_view path);
NameParts split_extension(std::string_view name);
// A directory that does not begin with "/" made absolute against the
// working directory (a trailing "/" is kept, a leading "./" dropped); an
// absolute one, or any when the working directory is unknown, unchanged.
std::string make_absolute(std::string_view directory);
// The value of an environment variable; when it is not set, NOLOGIDEF is
// raised as a warning and the default is used.
std::string logical_name(const char* variable, std::string_view fallback);

}  // namespace vx
