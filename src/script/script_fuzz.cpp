// Fuzz target of the script front end: arbitrary bytes read as a test
// script, through the reader and the dispatcher, with the outputs of a
// real run.
//
// The first byte chooses options (C analysis, trace levels, sub-system
// mode, database statements, simulation, a selection list, the French
// keyword language, K&R heads); the rest is the script. The harness is
// generated as in a real run; the outputs of an even-sized input are kept
// (and replaced by the next one), those of the others deleted as after a
// run with errors. Every input runs in one
// private temporary directory, created at the first input and removed at
// exit, so nothing is left behind: the outputs are deleted as after a run
// with errors, or by the cleanup of a fatal end.
//
// A fatal report is a normal way for a script to end (a statement too
// long, no keyword at all): its process ending is replaced by an exception
// caught here. An internal report means the compiler contradicted itself:
// it aborts, so that the fuzzer records the input.
#include "canalysis/types/target_model.h"
#include "diag/catalogue.h"
#include "diag/process_end.h"
#include "diag/reporter.h"
#include "driver/c_analysis.h"
#include "script/front_end_outputs_support.h"
#include "script/script_compilation.h"
#include "script/script_language.h"

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace {

constexpr const char* script_name = "fuzz.ptu";

class FuzzEnvironment {
public:
    FuzzEnvironment() {
        char pattern[] = "/tmp/vx_script_fuzz_XXXXXX";
        if (::mkdtemp(pattern) == nullptr) {
            std::perror("mkdtemp");
            std::abort();
        }
        directory_ = pattern;
        std::filesystem::current_path(directory_);
        catalogue_.register_all();
        std::atexit([] { remove_directory(); });
    }

    static void remove_directory() {
        std::error_code ignored;
        if (!directory_.empty()) {
            std::filesystem::current_path("/", ignored);
            std::filesystem::remove_all(directory_, ignored);
        }
    }

    const vx::MessageCatalogue& catalogue() const { return catalogue_; }

private:
    static inline std::string directory_;
    vx::MessageCatalogue catalogue_;
};

vx::CompilerSettings settings_from(std::uint8_t choice) {
    vx::CompilerSettings settings;
    settings.analysis_by_language[static_cast<std::size_t>(settings.tested_language)] =
        (choice & 0x01) != 0;
    if ((choice & 0x02) != 0) {
        settings.trace_levels = {2, 3};
    }
    settings.sub_system = (choice & 0x04) != 0;
    settings.sql_mode = (choice & 0x08) != 0;
    settings.no_simulation = (choice & 0x10) != 0;
    if ((choice & 0x20) != 0) {
        settings.operation_list = {true, {"S"}};
        settings.exclude_test_list = {true, {"T"}};
        settings.family_list = {true, {"F"}};
    }
    settings.defined_identifiers = {"A", "B"};
    return settings;
}

vx::OutputSettings settings_for(const vx::ScriptOptions& options) {
    return vx::front_end_outputs(options.settings.tested_language, script_name, "fz",
                                 "Thu Jan  1 00:00:00 1970");
}

constexpr const char* header_of_types =
    "struct inner { int a; char name[8]; };\n"
    "struct outer { int n; struct inner in; float v[2]; int *p; };\n"
    "typedef enum { RED, GREEN = 4, BLUE } colour;\n"
    "union either { int i; double d; };\n"
    "struct outer o; struct inner arr[3]; int big[100000]; int grid[2][3];\n"
    "int x, y, r; unsigned int u; short s; long l; double d; float f; char c;\n"
    "char text[16]; char *message; int *cursor; int (*handler)(int); colour mode;\n"
    "union either e; _Bool ready;\n";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzEnvironment environment;
    if (size == 0) {
        return 0;
    }

    {
        std::FILE* script = std::fopen(script_name, "wb");
        if (script == nullptr) {
            std::abort();
        }
        std::fwrite(data + 1, 1, size - 1, script);
        std::fclose(script);
    }

    vx::Reporter reporter(environment.catalogue());
    vx::RunFiles files;
    // Errors and warnings are counted but not shown.
    reporter.set_error_limit(0);
    reporter.set_warning_limit(0);

    const vx::CompilerSettings settings = settings_from(data[0]);
    const vx::RunEnvironment run_environment;
    const vx::ScriptOptions options(settings, run_environment);
    vx::ScriptLanguage language;
    if ((data[0] & 0x40) != 0) {
        language.set_language(vx::script_language_fr);
    }
    // With C analysis the variable statements meet a real type table: a
    // small header of the kinds of types they handle differently.
    vx::TargetModel target;
    std::unique_ptr<vx::CAnalysis> analysis;
    vx::NativeAnalysis* chosen = nullptr;
    if (options.analysis_enabled) {
        analysis = std::make_unique<vx::CAnalysis>(reporter, files, &target);
        analysis->start(vx::CompilerSettings{}, run_environment);
        analysis->analyse_declarations(analysis->preprocess(header_of_types, "types.h", 1), "");
        chosen = analysis.get();
    }
    {
        vx::HarnessSettings harness;
        harness.tested_language = settings.tested_language;
        harness.kr = (data[0] & 0x80) != 0;
        harness.program_name = "fz";
        harness.runtime_include = "\"TP.h\"";
        harness.declarations_include = "fz.ic";
        harness.traces_path = "fz.rio";
        vx::ScriptCompilation compilation(reporter, files, options, language, settings_for(options),
                                          harness, chosen);
        bool ended = false;
        try {
            compilation.compile(script_name);
        } catch (const vx::RunStopped& stopped) {
            // A fatal report is an answer to bad input; an internal one
            // means the code contradicted itself.
            if (stopped.status == vx::exit_internal) {
                std::abort();
            }
            ended = true;
        }
        if (!ended) {
            compilation.finish(size % 2 != 0);
        }
    }
    std::remove(script_name);
    return 0;
}
