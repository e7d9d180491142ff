// The environment record of a run, computed from a snapshot of the
// process environment.
#include "support/run_environment.h"

#include <sys/stat.h>

#include <utility>

namespace vx {

std::optional<std::string> RunEnvironment::get(const std::string& name) const {
    auto found = variables.find(name);
    if (found == variables.end()) return std::nullopt;
    return found->second;
}

RunEnvironment environment_from(EnvironmentSnapshot snapshot,
                                const std::function<bool(const std::string&)>& is_directory) {
    RunEnvironment env;
    env.variables = std::move(snapshot);
    auto variable = [&env](const char* name) { return env.get(name); };
    auto set = [&env](const char* name) { return env.variables.count(name) != 0; };
    auto non_empty = [&env](const char* name) -> std::optional<std::string> {
        std::optional<std::string> value = env.get(name);
        if (value && value->empty()) return std::nullopt;
        return value;
    };

    env.harness_home = variable("HARNEXDIR");
    env.script_language = variable("VEXORLAN");
    // The one decision of the target package, for every consumer: VXLTGT,
    // else VXUTGT, else the installation's own target/. An empty value names
    // no directory, and does not hide the next one.
    env.runtime_package = non_empty("VXLTGT");
    if (!env.runtime_package) env.runtime_package = non_empty("VXUTGT");
    if (!env.runtime_package && is_directory) {
        const std::optional<std::string> home = non_empty("HARNEXDIR");
        if (home && is_directory(*home + "/target")) env.runtime_package = *home + "/target";
    }
    env.dbms_helper_dir = variable("VXUDIR");
    env.runtime_include_override = non_empty("VEXORCINC");
    env.sql_include_override = non_empty("VEXORCSGBD");
    env.add_usr_include = set("VXW_ADD_USR_INCLUDE");
    env.target_extensions = set("VX_EXT");
    env.no_multibyte = set("VX_NOWCHAR");
    const std::optional<std::string> trace = variable("YYDEBUG");
    env.parser_trace = trace && !trace->empty() && (*trace)[0] >= '1' && (*trace)[0] <= '9';
    if (auto prefix = non_empty("VXL_UNAMESTRUCT")) env.unnamed_structure_prefix = *prefix;
    env.suppress_banner_lines = set("VEXOR_SUPPRESS_LINE_IN_HEADER");
    env.suppress_copyright = set("VEXOR_SUPPRESS_COPYRIGHT");
    return env;
}

std::optional<std::string> installation_of(
    const std::string& program, const std::function<bool(const std::string&)>& is_directory) {
    const std::size_t slash = program.rfind('/');
    if (slash == std::string::npos) return std::nullopt;
    const std::string bin = program.substr(0, slash);
    const std::size_t up = bin.rfind('/');
    if (up == std::string::npos) return std::nullopt;
    const std::string prefix = bin.substr(0, up);
    for (const std::string& home : {prefix + "/share/vexor", prefix}) {
        if (is_directory(home + "/lib/locale")) return home;
    }
    return std::nullopt;
}

bool is_existing_directory(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

EnvironmentSnapshot environment_snapshot(const char* const* entries) {
    EnvironmentSnapshot snapshot;
    for (const char* const* entry = entries; entry != nullptr && *entry != nullptr; ++entry) {
        const std::string text(*entry);
        const std::size_t equal = text.find('=');
        // emplace keeps the first value of a name listed twice.
        if (equal != std::string::npos)
            snapshot.emplace(text.substr(0, equal), text.substr(equal + 1));
    }
    return snapshot;
}

}  // namespace vx
