// What the script front end knows of the run: the settings of the command
// line, as one record, and the environment.
//
// The reader and the dispatcher read nothing else. Lists hold the values
// as the settings keep them: the selection lists upper-cased, the include
// directories as given, the -DEFINE identifiers upper-cased only when C
// analysis is disabled.
#pragma once

#include "support/compiler_settings.h"
#include "support/run_environment.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

// Trace levels of -XT that change what the reader writes.
inline constexpr int trace_script_lines = 2;     // script lines copied as comments
inline constexpr int trace_native_comments = 3;  // native lines of an element as comments

// The settings of the run as the front end reads them: the record itself,
// with what the environment adds and whether the C analysis is on for the
// tested language.
struct ScriptOptions : CompilerSettings {
    // The variables of the environment the script may read or that shape
    // it (HEADER "$NAME" fields, the unnamed-structure prefix).
    RunEnvironment environment;
    // C analysis (preprocessor and declaration parser) for the tested
    // language (CompilerSettings::c_analysis of the run).
    bool analysis_enabled = true;

    // -DATA script included at BEGIN, and -LEARN (obsolete options the
    // command line refuses with a warning).
    std::string data_file;
    bool learn_mode = false;

    bool trace_level(int level) const {
        return std::find(trace_levels.begin(), trace_levels.end(), level) != trace_levels.end();
    }
    // Ada, Pascal, PL/M and assembler names are case-insensitive; C, C++
    // and Modula-2 names are not.
    bool case_insensitive_names() const {
        return tested_language == 0 || tested_language == 1 || tested_language == 2 ||
               tested_language == 4;
    }
    // The "@" native lines are seen by the include scan with C analysis of C.
    bool analysis_of_c() const { return analysis_enabled && tested_language == 3; }
};

}  // namespace vx
