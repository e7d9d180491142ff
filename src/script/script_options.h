// What the script front end knows of the run: the settings of the command
// line, as one record, and the environment record of the run.
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

// The run as the front end reads it: a view of the settings record and of
// the environment record (both outlive it; neither is copied), with whether
// the C analysis is on for the tested language.
struct ScriptOptions {
    ScriptOptions(const CompilerSettings& settings, const RunEnvironment& environment)
        : settings(settings), environment(environment), analysis_enabled(settings.c_analysis()) {}
    // A view of a temporary would dangle.
    ScriptOptions(CompilerSettings&&, const RunEnvironment&) = delete;
    ScriptOptions(const CompilerSettings&, RunEnvironment&&) = delete;

    const CompilerSettings& settings;
    // The variables of the environment the script may read or that shape
    // it (HEADER "$NAME" fields, the unnamed-structure prefix).
    const RunEnvironment& environment;
    // C analysis (preprocessor and declaration parser) for the tested
    // language: CompilerSettings::c_analysis of the run.
    bool analysis_enabled;

    // -DATA script included at BEGIN, and -LEARN (obsolete options the
    // command line refuses with a warning).
    std::string data_file;
    bool learn_mode = false;

    bool trace_level(int level) const {
        const std::vector<int>& levels = settings.trace_levels;
        return std::find(levels.begin(), levels.end(), level) != levels.end();
    }
    // Ada, Pascal, PL/M and assembler names are case-insensitive; C, C++
    // and Modula-2 names are not.
    bool case_insensitive_names() const {
        const int language = settings.tested_language;
        return language == 0 || language == 1 || language == 2 || language == 4;
    }
    // The "@" native lines are seen by the include scan with C analysis of C.
    bool analysis_of_c() const { return analysis_enabled && settings.tested_language == 3; }
};

}  // namespace vx
