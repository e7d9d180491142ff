#include "driver/target_config.h"

#include "diag/file_guard.h"
#include "diag/reporter.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

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

std::string non_empty_env(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

}  // namespace

TargetConfiguration configure_target(Reporter& reporter, bool nopath,
                                     std::string_view compiler_system) {
    TargetConfiguration config;

    const char* target = std::getenv("VXUTGT");
    if (target == nullptr) {
        target = std::getenv("VXLTGT");
    }

    if (target != nullptr) {
        for (const char* header : {"TP.h", "kestunt.h"}) {
            std::string path = std::string(target) + "/lib/" + header;
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
    } else if (target != nullptr) {
        config.sql_include = quoted(std::string(target) + "/lib/" + sql_name);
    } else {
        config.sql_include = quoted("/usr/vexor/" + sql_name);
    }

    if (std::string value = non_empty_env("VEXORCINC"); !value.empty()) {
        config.runtime_include = quoted(value);
    }
    if (std::string value = non_empty_env("VEXORCSGBD"); !value.empty()) {
        config.sql_include = quoted(value);
    }
    return config;
}

}  // namespace vx
