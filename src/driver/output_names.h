// The names of every file a run reads or writes, and the path helpers they
// are made with.
//
// The names come from the test script path, the generated file path, the
// link record directory argument, the tested language and a few options.
// Every derived extension can be replaced through an environment variable;
// a variable that is set replaces the default as it is, even when empty.
#pragma once

#include "driver/compiler_options.h"

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
// The absolute directory and name of an existing file; empty when the file
// does not exist.
std::string existing_absolute_path(std::string_view path);
// The value of an environment variable; when it is not set, NOLOGIDEF is
// raised as a warning and the default is used.
std::string logical_name(const char* variable, std::string_view fallback);

struct OutputNames {
    std::string script_dir;
    std::string script_base;
    std::string script_extension;
    std::string script_path;       // normalised: dir + base + "." + extension
    std::string script_file_name;  // base + "." + extension

    std::string generated_dir;  // absolute
    std::string generated_base;
    std::string generated_extension;
    std::string generated_path;  // normalised
    std::string companion_file;  // dir + "ne_" + base + "." + extension

    std::string link_record_file;
    std::string rio_file_name;
    std::string rio_file;
    std::string declarations_file;
    std::string segment_file;
    std::string details_file;  // in the current directory
    std::string base_name;
    std::string config_header;

    // Only when -TSF is given.
    std::string report_description_path;  // normalised, "tsf" by default
    std::string report_xrd_file;          // its dir + base + ".xrd"
    std::string report_xrd_name;          // its base + ".xrd"
};

OutputNames derive_output_names(const CompilerSettings& settings);

// Opens the details file of the run and writes the listing header with the
// command echo and the run date into it. A details file that cannot be
// created ends the run with FICERROPN.
void open_listing(const CompilerSettings& settings, const OutputNames& names,
                  std::string_view run_date);

}  // namespace vx
