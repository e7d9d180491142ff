#include "diag/process_end.h"

#include "diag/signal_cleanup.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace vx {

namespace {

ProcessEnding& substituted_ending() {
    static ProcessEnding ending;
    return ending;
}

}  // namespace

void end_process(int status) {
    std::fflush(stderr);
    std::fflush(stdout);
    if (auto& ending = substituted_ending()) {
        ending(status);
    }
    // Whatever file of the run is still unfinished goes with it.
    remove_removable_files();
    std::exit(status);
}

ProcessEnding set_process_ending(ProcessEnding ending) {
    return std::exchange(substituted_ending(), std::move(ending));
}

}  // namespace vx
