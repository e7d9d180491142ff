#include "diag/process_end.h"

#include "diag/signal_cleanup.h"

#include <cstdio>
#include <cstdlib>

namespace vx {

void end_process(int status) {
    std::fflush(stderr);
    std::fflush(stdout);
    // Whatever file of the run is still unfinished goes with it.
    remove_removable_files();
    std::exit(status);
}

}  // namespace vx
