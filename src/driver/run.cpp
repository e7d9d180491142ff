#include "driver/run.h"

#include "diag/reporter.h"

namespace vx {

int run_compiler(int, char**) { end_of_execution(); }

}  // namespace vx
