// Reading the process environment into the run's environment record: the
// one place of the compiler where the process environment is read.
#pragma once

#include "support/run_environment.h"

namespace vx {

// The snapshot of the process environment as it is now, and its record:
// later changes to the process's environment do not reach the run.
RunEnvironment read_run_environment();

}  // namespace vx
