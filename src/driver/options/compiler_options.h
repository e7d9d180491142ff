// The compiler's options and the settings they give.
//
// compiler_command() is the command description of vexorprepro for the
// command analyser: three positional parameters, 45 options with their
// French and English names, two value enumerations and the forbidden
// combinations. analyse_command_line runs the analyser over the real
// argument vector and turns its results into CompilerSettings
// (support/compiler_settings.h), the record every other part of the
// compiler reads; it also builds the command echo,
// the one-line normalised form of the command shown in the listing, in the
// headers of the generated files and in the "C0 " link record.
#pragma once

#include "driver/options/command_analyser.h"
#include "support/compiler_settings.h"
#include "support/run_environment.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

class Reporter;

// The compiler's command description.
const CommandDescription& compiler_command();

// The whole command-line step of a run: expansion, analysis, settings,
// warnings, the "active trace" lines of -XT on standard output, and the
// display limits of -E and -W handed to the reporter. A refused
// command line ends the run with the analyser's message and CMDFATALE
// (status 7); an unknown language with LANGINCON.
// The environment gives the values of the "$NAME" references, the
// directory of the database helpers (VXUDIR) and the target package whose
// standard definitions are read when -STD_DEFINE is not given.
CompilerSettings analyse_command_line(Reporter& reporter, int argc, char** argv,
                                      const RunEnvironment& environment);

// The settings from an analysis that succeeded (everything above after the
// analyser's own work, without the hand-over of the display limits).
CompilerSettings settings_from_analysis(Reporter& reporter, const CommandAnalysis& analysis,
                                        const RunEnvironment& environment);

// The standard definitions of the C analysis in a target package
// (ana/vxus_c.def), read by default when the run analyses C or C++.
std::string package_standard_definitions(std::string_view package);

}  // namespace vx
