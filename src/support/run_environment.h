// The variables of the process environment that change what a run does.
// The driver reads them once, when the run starts; the layers below take
// them from here and never read the environment themselves, so that a run
// is decided by its inputs and tests can set them without touching the
// process.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace vx {

struct RunEnvironment {
    // VEXORLAN: the default language of scripts ("FR", "GB" ...).
    std::optional<std::string> script_language;
    // VXUTGT, else VXLTGT: the target package whose lib/ directory ends the
    // include search path.
    std::optional<std::string> runtime_package;
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
    // Any variable by its name: the values a script takes from the
    // environment (a HEADER field "$NAME"). Null: none is set.
    std::function<std::optional<std::string>(const std::string&)> lookup;

    std::optional<std::string> get(const std::string& name) const {
        return lookup ? lookup(name) : std::nullopt;
    }
};

}  // namespace vx
