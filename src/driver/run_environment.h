// Reading the process environment into the run's environment record: the
// one place below main where environment variables that shape a run are
// read.
#pragma once

#include "support/run_environment.h"

namespace vx {

RunEnvironment read_run_environment();

}  // namespace vx
