#include "driver/run_environment.h"

#include <unistd.h>

extern char** environ;

namespace vx {

RunEnvironment read_run_environment() {
    return environment_from(environment_snapshot(environ), is_existing_directory);
}

}  // namespace vx
