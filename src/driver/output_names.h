// The names of every file a run reads or writes.
//
// The names come from the test script path, the generated file path, the
// link record directory argument, the tested language and a few options;
// every derived extension can be replaced through an environment variable
// of the run's environment record (see extensions.h).
#pragma once

#include "driver/options/compiler_options.h"
#include "driver/extensions.h"
#include "support/paths.h"

#include <string>
#include <string_view>

namespace vx {

class Reporter;
class RunFiles;

struct OutputNames {
    std::string script_dir;
    std::string script_base;
    std::string script_extension;
    std::string script_path;       // normalised: dir + base + "." + extension
    std::string script_file_name;  // base + "." + extension

    std::string generated_dir;  // absolute
    std::string generated_base;
    std::string generated_extension;
    std::string generated_path;  // normalised
    std::string companion_file;  // dir + "ne_" + base + "." + extension

    std::string link_record_file;
    std::string rio_file_name;
    std::string rio_file;
    std::string declarations_file;
    std::string segment_file;
    std::string details_file;  // in the current directory
    std::string base_name;
    std::string config_header;
    std::string symbol_listing_file;  // -SYMBTAB, empty when not wanted

    // Only when -TSF is given.
    std::string report_description_path;  // normalised, "tsf" by default
    std::string report_xrd_file;          // its dir + base + ".xrd"
    std::string report_xrd_name;          // its base + ".xrd"
};

OutputNames derive_output_names(const CompilerSettings& settings,
                                const RunEnvironment& environment);

// The file of the symbol listing of -SYMBTAB: the name, with the symbol
// table extension when it has none; empty when not wanted.
std::string symbol_listing_path(const std::string& symbtab_file, const RunEnvironment& environment);

// Ends the run when a file the run would write is one of its inputs known
// from the command line (the script, the -SOURCE file, the standard
// definitions, the option files): fatal "FICENTSOR" with the output's name;
// or another output of the run: fatal "IMPOUVFIC". Writing it would destroy
// the input or mix two outputs in one file, and a details file read back as
// a script would grow without end. The outputs are noted in the run's
// registry, against which every input opened later is checked.
void refuse_colliding_names(Reporter& reporter, RunFiles& files, const CompilerSettings& settings,
                            const OutputNames& names);

// Opens the details file of the run and writes the listing header with the
// command echo and the run date into it. A details file that cannot be
// created ends the run with FICERROPN.
void open_listing(Reporter& reporter, const CompilerSettings& settings, const OutputNames& names,
                  std::string_view run_date);

}  // namespace vx
