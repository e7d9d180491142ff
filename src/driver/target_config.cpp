#include "driver/target_config.h"

#include "diag/file_guard.h"
#include "diag/reporter.h"

#include <unistd.h>

#include <optional>

namespace vx {

namespace {

std::string quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

// A regular file that can be opened; a pipe is not waited on.
bool readable(const std::string& path) {
    OpenedInput opened = open_input(path);
    if (opened.descriptor >= 0) {
        ::close(opened.descriptor);
    }
    return opened.problem == InputProblem::none;
}

}  // namespace

TargetConfiguration configure_target(Reporter& reporter, const RunEnvironment& environment,
                                     bool nopath, std::string_view compiler_system) {
    TargetConfiguration config;

    const std::optional<std::string>& target = environment.runtime_package;
    if (target) {
        for (const char* header : {"TP.h", "kestunt.h"}) {
            std::string path = *target + "/lib/" + header;
            if (readable(path)) {
                config.runtime_include = quoted(nopath ? std::string(header) : path);
                break;
            }
        }
    }
    if (config.runtime_include.empty()) {
        reporter.warning(msg::BADRUNTIM, "");
        config.runtime_include = quoted("TP.h");
    }

    bool unix_system = compiler_system.empty() || compiler_system == "UNIX";
    std::string sql_name = "vexorcsgbd";
    if (compiler_system == "OS2" || compiler_system == "DOS" || compiler_system == "NT") {
        sql_name = "vxc.sgbd";
    } else if (compiler_system == "VMS") {
        sql_name = "vexor$c$sgbd";
    }
    if (nopath || !unix_system) {
        config.sql_include = quoted(sql_name);
    } else if (target) {
        config.sql_include = quoted(*target + "/lib/" + sql_name);
    } else {
        config.sql_include = quoted("/usr/vexor/" + sql_name);
    }

    if (environment.runtime_include_override) {
        config.runtime_include = quoted(*environment.runtime_include_override);
    }
    if (environment.sql_include_override) {
        config.sql_include = quoted(*environment.sql_include_override);
    }
    return config;
}

}  // namespace vx
