// vexorstubs: writes DEFINE STUB blocks for the functions a unit calls and
// does not define. See docs/stubs.md.
#include "diag/catalogue.h"
#include "diag/reporter.h"
#include "diag/translations.h"
#include "driver/run_environment.h"
#include "stubgen/stub_run.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    vx::TranslationSession toolkit(argc, argv);
    vx::MessageCatalogue catalogue;
    catalogue.register_all();
    vx::Reporter reporter(catalogue);
    std::vector<std::string> arguments(argv + 1, argv + argc);
    for (const std::string& a : arguments) {
        if (a == "--help" || a == "-h") {
            std::fputs(vx::stub_usage_text, stdout);
            return 0;
        }
    }
    vx::StubRequest request;
    std::string problem;
    if (!vx::parse_stub_arguments(arguments, request, problem)) {
        std::fprintf(stderr, "vexorstubs: %s\n%s", problem.c_str(), vx::stub_usage_text);
        return 2;
    }
    try {
        return vx::run_stub_generator(request, vx::read_run_environment(), reporter);
    } catch (const vx::RunStopped& stopped) {
        return stopped.status == 0 ? 2 : stopped.status;
    }
}
