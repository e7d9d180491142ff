// What the compiler answers to `--help` (or `-h`) and `--version`: the
// arguments and options of its command line, one line each and grouped,
// the options kept only for other platforms under a heading of their own;
// and the name and version of the program. Both end the run with status 0.
#pragma once

#include <string>

namespace vx {

enum class InformationRequest { none, help, version };

// The first of "--help", "-h" and "--version" among the arguments after
// the program name, if any. None of them is an option of the command line
// (whose options are written with one "-" and a name of two letters at
// least, "-h" abbreviating none), so the check never hides an option.
InformationRequest information_request(int argc, const char* const* argv);

// The help text, each line through the translation of the context "Help".
std::string help_text();

// "vexorprepro " + version + newline.
std::string version_text();

}  // namespace vx
