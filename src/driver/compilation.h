// One run of the compiler, as one object.
//
// A Compilation owns everything the run works with: the reporter, the
// registry of the run's input and output files, the environment record of
// the run, the script language, the settings of the command line, the
// target and the output names, the target model and the C analysis. The compile driver builds from it the
// output session, the harness layout, the generation hooks and the script
// front end, which live while the script is compiled. Nothing of it is
// reachable from anywhere else: each stage is handed what it needs.
//
// The stages run in a fixed order, each relying on the ones before it:
//
//   Compilation compilation(catalogue, environment);  // reporter, crash handler
//   compilation.read_command_line(argc, argv);   // banner, settings,
//                                                // target, names, listing
//   compilation.start_c_analysis();
//   compilation.compile_script();                 // the compile driver
//   compilation.end();                            // summary, status
#pragma once

#include "canalysis/types/target_model.h"
#include "diag/file_guard.h"
#include "diag/reporter.h"
#include "driver/c_analysis.h"
#include "driver/options/compiler_options.h"
#include "driver/output_names.h"
#include "driver/target_config.h"
#include "script/script_language.h"
#include "support/run_environment.h"

#include <memory>
#include <string>

namespace vx {

class MessageCatalogue;

class Compilation {
public:
    // The reporter of the run with the catalogue; the crash handler and
    // the end of a run stopped by a signal speak through it. The
    // environment is the record of the snapshot the run took when it
    // started (driver/run_environment.h); every stage takes its values
    // from it.
    Compilation(const MessageCatalogue& catalogue, RunEnvironment environment);
    Compilation(const Compilation&) = delete;
    Compilation& operator=(const Compilation&) = delete;

    // The banner, the command line (a refusal ends the run), the target
    // configuration, the output names and the details file.
    void read_command_line(int argc, char** argv);
    // The preprocessor with the restriction flags, -INCL, -DEFINE, the
    // standard definitions and STUBINACTIVE, when the run analyses C.
    void start_c_analysis();
    // Opens the script, creates the outputs, reads and dispatches the
    // script and closes the outputs (kept after a clean run).
    void compile_script();
    // The summary; gives the exit status.
    int end();

    Reporter& reporter() { return reporter_; }
    RunFiles& files() { return files_; }
    const RunEnvironment& environment() const { return environment_; }
    ScriptLanguage& script_language() { return script_language_; }
    const std::string& run_date() const { return run_date_; }
    const CompilerSettings& settings() const { return settings_; }
    const TargetConfiguration& target() const { return target_; }
    const OutputNames& names() const { return names_; }
    TargetModel& target_model() { return target_model_; }
    // The C analysis of the run, or null without one.
    NativeAnalysis* native() { return native_; }

private:
    Reporter reporter_;
    // The run's inputs and outputs, against which every file the run opens
    // is checked.
    RunFiles files_;
    RunEnvironment environment_;
    ScriptLanguage script_language_;
    std::string run_date_;
    CompilerSettings settings_;
    TargetConfiguration target_;
    OutputNames names_;
    // The target model of the run: base integer widths, plain-char
    // signedness and declared type sizes, shared by the preprocessor's
    // conditions, the declaration analysis and the code generation.
    TargetModel target_model_;
    CAnalysis c_analysis_;
    NativeAnalysis* native_ = nullptr;
};

// The compile driver (compile_driver.cpp): one pass over the test script
// between the opening and the closing of the outputs.
void run_compile_driver(Compilation& compilation);

}  // namespace vx
