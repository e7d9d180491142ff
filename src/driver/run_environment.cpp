#include "driver/run_environment.h"

#include <unistd.h>

#include <optional>
#include <string>
#include <utility>

extern char** environ;

namespace vx {

RunEnvironment read_run_environment() {
    EnvironmentSnapshot snapshot = environment_snapshot(environ);
    // Without HARNEXDIR, the installation the program lies in.
    if (snapshot.count("HARNEXDIR") == 0) {
        char path[4096];
        const ssize_t length = readlink("/proc/self/exe", path, sizeof path);
        if (length > 0 && static_cast<std::size_t>(length) < sizeof path) {
            if (std::optional<std::string> home = installation_of(
                    std::string(path, static_cast<std::size_t>(length)), is_existing_directory)) {
                snapshot.emplace("HARNEXDIR", *home);
            }
        }
    }
    return environment_from(std::move(snapshot), is_existing_directory);
}

}  // namespace vx
