// One run of the compiler, from the catalogues to the exit status.
#pragma once

namespace vx {

// The whole run. It does not return normally: the process ends in the
// end-of-execution summary or in a fatal or internal report.
int run_compiler(int argc, char** argv);

}  // namespace vx
