// The variables of the process environment that change what a run does.
//
// Each program takes the process environment once, when it starts, as a
// snapshot (a map of name to value), and computes this record from it with
// environment_from, a pure function. Every layer below takes the values
// from the record and never reads the process environment itself, so that
// a run is decided by its arguments and its snapshot, and tests build a
// record without touching the process.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>

namespace vx {

// The process environment as a program found it: name -> value. A
// variable set to the empty text is in the map with an empty value.
using EnvironmentSnapshot = std::map<std::string, std::string>;

struct RunEnvironment {
    // Every variable of the snapshot: the values a script takes from the
    // environment (a HEADER field "$NAME"), the "$NAME" references of the
    // command line and of option files, the extensions of derived files.
    EnvironmentSnapshot variables;

    // HARNEXDIR: the installation, whose lib/locale holds the catalogues.
    std::optional<std::string> harness_home;
    // VEXORLAN: the default language of scripts ("FR", "GB" ...).
    std::optional<std::string> script_language;
    // VXLTGT, else VXUTGT, else $HARNEXDIR/target, the installation's own
    // (an empty value counts as none): the target package.
    // Its lib/ holds the runtime header and ends the include search path;
    // its ana/ holds the standard definitions of the C analysis.
    std::optional<std::string> runtime_package;
    // VXUDIR: the directory of the database helpers.
    std::optional<std::string> dbms_helper_dir;
    // VEXORCINC and VEXORCSGBD, when not empty: the runtime header and the
    // SQL support header the harness includes, replacing the ones found in
    // the target package.
    std::optional<std::string> runtime_include_override;
    std::optional<std::string> sql_include_override;
    // VXW_ADD_USR_INCLUDE: /usr/include and /usr/local/include are searched.
    bool add_usr_include = false;
    // VX_EXT: "@" and what follows it up to ";" in declarations belong to
    // the target's compiler and are skipped.
    bool target_extensions = false;
    // VX_NOWCHAR: character constants of several characters are refused.
    bool no_multibyte = false;
    // YYDEBUG (1 to 9): the expression parser traces its work.
    bool parser_trace = false;
    // VXL_UNAMESTRUCT: the prefix that names an unnamed structure in a
    // variable's path.
    std::string unnamed_structure_prefix = "_unamedStruct";
    // VEXOR_SUPPRESS_LINE_IN_HEADER (any value): the banners of the
    // generated files leave out their command and date lines.
    bool suppress_banner_lines = false;
    // VEXOR_SUPPRESS_COPYRIGHT (any value, even empty): the run starts
    // without its copyright line.
    bool suppress_copyright = false;

    // The value of a variable of the snapshot, or nothing when it is not set.
    std::optional<std::string> get(const std::string& name) const;
};

// The record of a snapshot: the typed fields computed from the variables,
// which the record keeps whole. `is_directory` tells whether the
// installation has a target package of its own ($HARNEXDIR/target), the
// last choice of the target package; without it that choice is not made.
RunEnvironment environment_from(
    EnvironmentSnapshot snapshot,
    const std::function<bool(const std::string&)>& is_directory = nullptr);

// The installation a program belongs to, from the path of the program
// itself: P/share/vexor for a program installed in P/bin, the build tree's
// dist/ for one in dist/bin; nothing when neither holds the catalogues
// (lib/locale). HARNEXDIR, when set, names it instead.
std::optional<std::string> installation_of(
    const std::string& program, const std::function<bool(const std::string&)>& is_directory);

// Whether the path names a directory (or a link to one): the file system's
// answer for environment_from.
bool is_existing_directory(const std::string& path);

// The snapshot of an environment list as the C library keeps it ("NAME=value"
// entries up to a null pointer; a null list is empty). An entry without
// "=" is left out; of a name listed twice the first value counts, the one
// getenv would find.
EnvironmentSnapshot environment_snapshot(const char* const* entries);

}  // namespace vx
