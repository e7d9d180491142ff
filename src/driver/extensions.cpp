// The extension table maps each kind of derived file to its environment
// variable and default.
#include "driver/extensions.h"

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

}  // namespace

std::string extension_for(const RunEnvironment& environment, ExtensionKind kind) {
    for (const ExtensionRow& row : extension_table) {
        if (row.kind == kind) {
            return environment.get(row.variable).value_or(row.fallback);
        }
    }
    return {};
}

}  // namespace vx
