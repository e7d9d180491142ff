// One run of the stub generator: the functions a unit calls and does not
// define, found in its object files, written as DEFINE STUB blocks from the
// headers that declare them.
#pragma once

#include "support/run_environment.h"

#include <set>
#include <string>
#include <vector>

namespace vx {

class Reporter;

struct StubRequest {
    // The unit: object files, archives, or C sources compiled for the run.
    std::vector<std::string> unit;
    // The program's other code: what it defines is not stubbed.
    std::vector<std::string> defined;
    // Libraries whose symbols are not stubbed; with `default_libraries`,
    // the C library and the mathematics library of the compiler too.
    std::vector<std::string> libraries;
    bool default_libraries = true;
    // The headers to read, in order, and how to read them.
    std::vector<std::string> headers;
    std::vector<std::string> include_dirs;
    std::vector<std::string> defines;
    // The standard definitions of the target; empty: the target package's.
    std::string std_define_file;
    // Functions never stubbed, and functions always stubbed when called.
    std::set<std::string> keep;
    std::set<std::string> stub;
    // Every function the headers declare, whatever the unit calls.
    bool all_declared = false;
    // The file to write; empty: standard output.
    std::string output;
};

// Runs the generator; returns the exit status: 0, 1 when a function got
// no stub (reported), 2 when nothing could be written.
int run_stub_generator(const StubRequest& request, const RunEnvironment& environment,
                       Reporter& reporter);

// The command line of the program into a request; false with the problem
// in `problem` when it cannot be read.
bool parse_stub_arguments(const std::vector<std::string>& arguments, StubRequest& request,
                          std::string& problem);

extern const char* const stub_usage_text;

}  // namespace vx
