// The run sequence of the compiler: the translation catalogues, the
// message catalogue, then the stages of one Compilation in their order.
// A run ends in its summary, or earlier on a fatal or internal report,
// which unwinds to here as a RunStopped; either way the process ends here
// with the run's status.
#include "driver/run.h"

#include "diag/catalogue.h"
#include "diag/process_end.h"
#include "diag/translations.h"
#include "driver/compilation.h"
#include "driver/options/help.h"
#include "driver/run_environment.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

namespace vx {

namespace {

// Base names of the translation catalogues, in loading order.
constexpr const char* catalogue_prefixes[] = {
    "prepro_", "zqzqident_", "modbas_", "bibli_", "anaccpp_", "cab_",
};

// Loads every catalogue of the locale from $HARNEXDIR/lib/locale (HARNEXDIR
// is the installation the program lies in when the variable is unset).
// Without an installation nothing else can be found: the run stops before
// it begins.
bool load_catalogues(TranslationSession& session, const RunEnvironment& environment) {
    const std::optional<std::string>& home = environment.harness_home;
    if (!home || home->empty()) {
        std::fputs("Fatal Error: please setup HARNEXDIR environment variable.\n", stderr);
        return false;
    }
    const std::string directory = *home + "/lib/locale";
    if (!session.load(directory, catalogue_prefixes)) {
        const std::string line = "Warning: directory doesn't exist '" + directory + "'\n";
        std::fputs(line.c_str(), stderr);
    }
    return true;
}

}  // namespace

int run_compiler(int argc, char** argv) {
    // The application object and the translators.
    static int app_argc;
    app_argc = argc;
    TranslationSession translations(app_argc, argv);
    // The process environment, taken once: the run reads nothing else of it.
    RunEnvironment environment = read_run_environment();
    // --help and --version answer before anything else, in the language of
    // the installation's catalogues when it has them.
    if (const InformationRequest request = information_request(argc, argv);
        request != InformationRequest::none) {
        if (request == InformationRequest::help && environment.harness_home &&
            !environment.harness_home->empty()) {
            load_catalogues(translations, environment);
        }
        const std::string text = request == InformationRequest::help ? help_text() : version_text();
        std::fwrite(text.data(), 1, text.size(), stdout);
        end_process(std::fflush(stdout) == 0 ? exit_clean : exit_fatal);
    }
    if (!load_catalogues(translations, environment)) {
        end_process(exit_fatal);
    }

    // Message catalogue, table by table in the fixed order.
    MessageCatalogue catalogue;
    catalogue.register_all();

    int status = exit_clean;
    try {
        Compilation compilation(catalogue, std::move(environment));
        compilation.read_command_line(argc, argv);
        compilation.start_c_analysis();
        compilation.compile_script();
        status = compilation.end();
    } catch (const RunStopped& stopped) {
        status = stopped.status;
    }
    end_process(status);
}

}  // namespace vx
