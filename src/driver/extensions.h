// The names the environment gives files: the extensions of the derived
// files, which an environment variable can replace (a variable that is set
// replaces the default as it is, even when empty). The path helpers themselves are support/paths.h.
#pragma once

#include "support/run_environment.h"

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
std::string extension_for(const RunEnvironment& environment, ExtensionKind kind);

}  // namespace vx
