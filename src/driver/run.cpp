// The run sequence of the compiler.
//
// A run passes once through a fixed order: translation catalogues, message
// catalogue, crash handler, default script language, run date, banner,
// command line, target, output names, details file, C analysis, compile
// driver, summary. Each stage relies on the ones before it. The process
// never comes back from here: it ends in the summary or in a fatal or
// internal report.
#include "driver/run.h"

#include "diag/catalogue.h"
#include "diag/process_end.h"
#include "diag/reporter.h"
#include "diag/translations.h"
#include "diag/signal_cleanup.h"
#include "driver/compile_driver.h"
#include "driver/options/compiler_options.h"
#include "driver/crash_handler.h"
#include "driver/identity.h"
#include "driver/output_names.h"
#include "driver/run_environment.h"
#include "driver/target_config.h"
#include "driver/c_analysis.h"
#include "script/script_language.h"
#include "support/string_pool.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

namespace vx {

namespace {

// Names of the compiler systems of -SYSCOMP, by their code.
constexpr const char* compiler_system_names[] = {"UNIX", "OS2", "DOS", "VMS", "NT"};

// Base names of the translation catalogues, in loading order.
constexpr const char* catalogue_prefixes[] = {
    "prepro_", "zqzqident_", "modbas_", "bibli_", "anaccpp_", "cab_",
};

// Loads every catalogue of the locale from $HARNEXDIR/lib/locale. Ends the
// process when HARNEXDIR is missing: without it nothing else can be found.
void load_catalogues(TranslationSession& session) {
    const char* home = std::getenv("HARNEXDIR");
    if (home == nullptr || *home == '\0') {
        std::fputs("Fatal Error: please setup HARNEXDIR environment variable.\n", stderr);
        end_process(exit_fatal);
    }
    const std::string directory = std::string(home) + "/lib/locale";
    if (!session.load(directory, catalogue_prefixes)) {
        const std::string line = "Warning: directory doesn't exist '" + directory + "'\n";
        std::fputs(line.c_str(), stderr);
    }
}

std::string current_run_date() {
    std::time_t now = std::time(nullptr);
    std::string date = std::ctime(&now);
    while (!date.empty() && date.back() == '\n') {
        date.pop_back();
    }
    return date;
}

}  // namespace

int run_compiler(int argc, char** argv) {
    // The application object and the translators.
    static int app_argc;
    app_argc = argc;
    TranslationSession translations(app_argc, argv);
    load_catalogues(translations);

    // Message catalogue, table by table in the fixed order.
    MessageCatalogue catalogue;
    catalogue.register_all();
    Reporter run_reporter(catalogue);
    install_reporter(&run_reporter);

    // Settings start empty (filled by the command line below).

    // Crash handler, and the end of a run stopped by a signal.
    install_crash_handler();
    install_signal_cleanup([&run_reporter](int signal_number) {
        const char* name = signal_number == SIGINT    ? "SIGINT"
                           : signal_number == SIGTERM ? "SIGTERM"
                           : signal_number == SIGHUP  ? "SIGHUP"
                                                      : "SIGPIPE";
        return run_reporter.compose(Severity::fatal, msg::ARRETSIGN, std::string_view(name));
    });

    // The variables of the environment that shape the run, read once.
    const RunEnvironment environment = read_run_environment();

    // Default script language.
    ScriptLanguage script_language;
    script_language.read_default_script_language(environment.script_language);

    // Run date.
    const std::string run_date = current_run_date();

    // The pool of interned identifiers.
    pool_init();

    // Banner.
    report_info(msg::STARTEXEC, std::string(product_title) + " " + tool_title + " " + tool_version);

    // Copyright, unless suppressed (even by an empty value).
    if (std::getenv("VEXOR_SUPPRESS_COPYRIGHT") == nullptr) {
        report_info(msg::COPYRIGHT, copyright_notice);
    }

    // Command line analysis; a refusal ends the run with CMDFATALE.
    const CompilerSettings settings = analyse_command_line(argc, argv);

    // Target configuration.
    const TargetConfiguration target = configure_target(
        settings.no_path, compiler_system_names[static_cast<int>(settings.compiler_system)]);

    // Output names.
    const OutputNames names = derive_output_names(settings);
    refuse_colliding_names(settings, names);

    // Details file and listing header.
    open_listing(settings, names, run_date);

    // The target model of the run: base integer widths, plain-char
    // signedness and declared type sizes, shared by the preprocessor's
    // conditions, the declaration analysis and the code generation.
    TargetModel target_model;

    // C analysis start: the preprocessor with the restriction flags,
    // -INCL, -DEFINE, the standard definitions and STUBINACTIVE.
    CAnalysis c_analysis(&target_model);
    NativeAnalysis* native = nullptr;
    if (settings.c_analysis()) {
        CAnalysisStart start;
        start.ansi = settings.restriction(Restriction::ansi);
        start.kr = settings.restriction(Restriction::kr);
        start.script_language = script_language.language();
        start.include_dirs = settings.include_dirs;
        start.definitions = settings.defined_identifiers;
        start.std_define_file = settings.std_define_file;
        start.symbtab_file = settings.symbtab_file;
        start.command_echo = settings.command_echo;
        start.run_date = run_date;
        start.environment = environment;
        c_analysis.start(start);
        script_language.on_switch([&c_analysis](int language) {
            c_analysis.preprocessor().set_script_language(language);
        });
        native = &c_analysis;
    }

    // Compile driver.
    run_compile_driver(RunContext{settings, names, target, script_language, run_date, target_model,
                                  native, environment});

    // Summary and exit.
    end_of_execution();
}

}  // namespace vx
