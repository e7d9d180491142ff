// The compile driver: one pass over the test script between the opening
// and the closing of the outputs.
#pragma once

#include "canalysis/types/target_model.h"
#include "driver/options/compiler_options.h"
#include "driver/output_names.h"
#include "driver/target_config.h"
#include "script/harness_hooks.h"
#include "script/script_language.h"
#include "support/run_environment.h"

#include <string>

namespace vx {

struct RunContext {
    const CompilerSettings& settings;
    const OutputNames& names;
    const TargetConfiguration& target;
    ScriptLanguage& script_language;
    const std::string& run_date;
    TargetModel& target_model;
    // The C analysis started for the run, or null without one.
    NativeAnalysis* native = nullptr;
    // The variables of the environment that shape the run.
    RunEnvironment environment;
};

// Runs the compile driver: opens the script, creates the outputs with their
// headers and header records, reads the script, writes the end of the
// harness, and closes the outputs (kept after a clean run, deleted after
// errors). Fatal problems end the process.
void run_compile_driver(const RunContext& run);

}  // namespace vx
