// The run sequence of the compiler: the translation catalogues, the
// message catalogue, then the stages of one Compilation in their order.
// The process never comes back from here: it ends in the summary or in a
// fatal or internal report.
#include "driver/run.h"

#include "diag/catalogue.h"
#include "diag/process_end.h"
#include "diag/translations.h"
#include "driver/compilation.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace vx {

namespace {

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

    Compilation compilation(catalogue);
    compilation.read_command_line(argc, argv);
    compilation.start_c_analysis();
    compilation.compile_script();
    compilation.end();
}

}  // namespace vx
