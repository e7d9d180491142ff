// What the script front end needs to know of the command line.
//
// The driver owns the settings of the run; it fills one ScriptOptions from
// them before the script is read, and the reader and the dispatcher read
// nothing else. Lists hold the values as the settings keep them: the
// selection lists upper-cased, the include directories as given, the
// -DEFINE identifiers upper-cased only when C analysis is disabled.
#pragma once

#include "support/run_environment.h"
#include "support/selection_list.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

// Trace levels of -XT that change what the reader writes.
inline constexpr int trace_script_lines = 2;     // script lines copied as comments
inline constexpr int trace_native_comments = 3;  // native lines of an element as comments

struct ScriptOptions {
    // The variables of the environment the script may read or that shape
    // it (HEADER "$NAME" fields, the unnamed-structure prefix).
    RunEnvironment environment;
    // Index of the language of the code under test (3 for C).
    int tested_language = 3;
    // C analysis (preprocessor and declaration parser) for that language.
    bool analysis_enabled = true;

    // -XT levels.
    std::vector<int> trace_levels;

    // -INCL directories, in the given order.
    std::vector<std::string> include_dirs;
    // -DEFINE identifiers.
    std::vector<std::string> defined_identifiers;

    // Selection: -OPERATION/-SERVICE, -TEST, -FAMILY and their exclusions.
    SelectionList service_list;
    SelectionList test_list;
    SelectionList family_list;
    SelectionList exclude_service_list;
    SelectionList exclude_test_list;
    SelectionList exclude_family_list;

    // -NOSIMULATION: the SIMUL part of SIMUL blocks is not generated.
    bool no_simulation = false;
    // -SUB_SYSTEM, -SYSTEM or -SS.
    bool sub_system = false;
    // The database statements (language "CSQL").
    bool database = false;

    // -DATA script included at BEGIN, and -LEARN.
    std::string data_file;
    bool learn_mode = false;
    // -FAST, -EXPAND and -COMPRESS: variable statements skipped while no
    // output is due, aggregates always expanded, or always taken whole.
    bool fast = true;
    bool expand = false;
    bool compress = false;

    // -STRVER pattern of the version line of the -SOURCE file.
    std::string version_pattern;

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
