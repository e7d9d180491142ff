// The crash handler: a segmentation fault or an abort during a run is
// reported as an internal error ("Module SFC"), which removes the work
// files and ends the process with status 9 instead of leaving a core and
// half-written outputs.
#pragma once

namespace vx {

class Reporter;

void install_crash_handler(Reporter& reporter);

}  // namespace vx
