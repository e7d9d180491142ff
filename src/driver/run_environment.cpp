#include "driver/run_environment.h"

#include <unistd.h>

#include <map>
#include <memory>

extern char** environ;

namespace vx {

RunEnvironment read_run_environment() {
    // A copy of the whole environment as it is now: later changes to the
    // process's environment do not reach the run.
    auto all = std::make_shared<std::map<std::string, std::string>>();
    for (char** entry = environ; entry != nullptr && *entry != nullptr; ++entry) {
        const std::string text(*entry);
        const std::size_t equal = text.find('=');
        if (equal != std::string::npos) all->emplace(text.substr(0, equal), text.substr(equal + 1));
    }
    auto variable = [all](const std::string& name) -> std::optional<std::string> {
        auto found = all->find(name);
        if (found == all->end()) return std::nullopt;
        return found->second;
    };
    RunEnvironment env;
    env.lookup = variable;
    env.script_language = variable("VEXORLAN");
    env.runtime_package = variable("VXUTGT");
    if (!env.runtime_package) env.runtime_package = variable("VXLTGT");
    env.add_usr_include = variable("VXW_ADD_USR_INCLUDE").has_value();
    env.target_extensions = variable("VX_EXT").has_value();
    env.no_multibyte = variable("VX_NOWCHAR").has_value();
    const std::optional<std::string> trace = variable("YYDEBUG");
    env.parser_trace = trace && !trace->empty() && (*trace)[0] >= '1' && (*trace)[0] <= '9';
    if (auto prefix = variable("VXL_UNAMESTRUCT"); prefix && !prefix->empty()) {
        env.unnamed_structure_prefix = *prefix;
    }
    env.suppress_banner_lines = variable("VEXOR_SUPPRESS_LINE_IN_HEADER").has_value();
    env.suppress_copyright = variable("VEXOR_SUPPRESS_COPYRIGHT").has_value();
    return env;
}

}  // namespace vx
