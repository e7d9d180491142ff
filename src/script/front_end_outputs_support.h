// The outputs of a front-end run as the script tests and the script fuzz
// target make them: the script compiled into BASE.c, with its declarations
// file BASE.ic and its link records BASE.tdc, at a fixed date.
#pragma once

#include "codegen/output/output_session.h"

#include <string>

namespace vx {

inline OutputSettings front_end_outputs(int tested_language, const std::string& script,
                                        const std::string& base, const std::string& run_date) {
    OutputSettings s;
    s.tested_language = tested_language;
    s.command_echo = "vexorprepro " + script + " " + base + ".c";
    s.run_date = run_date;
    s.script_path = script;
    s.absolute_script_path = script;
    s.script_file_name = script;
    s.generated_path = base + ".c";
    s.declarations_path = base + ".ic";
    s.link_record_path = base + ".tdc";
    return s;
}

}  // namespace vx
