// The command line of vexorreport:
//     vexorreport [--junit FILE] [--quiet] FILE.tdc FILE.rio
//     vexorreport --depfile OUT [--include-dir DIR]... TARGET FILE.tdc
// Prints the verdict to `out` and messages to `err`; returns the exit
// status: 0 every check passed, 1 a check failed, 2 the inputs cannot be
// read, are damaged or do not belong together (or the command line is
// wrong). The second form writes the dependency file of the compilation
// (report/output/depfile.h): 0 written, 2 not.
#pragma once

#include "support/run_environment.h"

#include <ostream>
#include <string>
#include <vector>

namespace vx::report {

inline constexpr int exit_passed = 0;
inline constexpr int exit_failed = 1;
inline constexpr int exit_unusable = 2;

// The environment record gives the target package (VXLTGT, else VXUTGT)
// whose lib/ directory the headers of a dependency file are searched in
// last.
int run_report(const std::vector<std::string>& arguments, const RunEnvironment& environment,
               std::ostream& out, std::ostream& err);

// The program: the same, with the record of the process environment as it
// is now (the one place vexorreport reads the environment).
int run_report(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace vx::report
