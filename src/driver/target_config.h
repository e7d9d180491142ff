// Where the harness finds the target runtime package.
//
// The target directory is the run's target package (VXLTGT, else VXUTGT:
// support/run_environment.h). Its "lib" folder holds the runtime header
// (TP.h, or the older kestunt.h); the generated harness includes it by full
// path, or by bare name with -NOPATH. The SQL support header of the
// database variant is named per compiler system. VEXORCINC and VEXORCSGBD,
// when not empty, replace either choice outright.
#pragma once

#include "support/run_environment.h"

#include <string>
#include <string_view>

namespace vx {

class Reporter;

struct TargetConfiguration {
    std::string runtime_include;  // in double quotes
    std::string sql_include;      // in double quotes
};

// compiler_system is the -SYSCOMP value (UNIX, OS2, DOS, NT, VMS); empty
// means UNIX. Reports BADRUNTIM when no runtime header is found.
TargetConfiguration configure_target(Reporter& reporter, const RunEnvironment& environment,
                                     bool nopath, std::string_view compiler_system);

}  // namespace vx
