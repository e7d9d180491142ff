// The dependency file of a script compilation, in the format of Make (the
// format compilers write with -MD, which Ninja and CMake read too):
//
//     out/t.c: /src/t.ptu /src/inc/more.ptu /src/unit.h
//
// It names every file whose change must make a build tool compile the
// script again:
//   - the scripts the compilation read: the main script and each included
//     script, from their "E11" records;
//   - the files of the "I" dependency records that were found (the files of
//     INCLUDE CODE, and the files of the include scan when the compiler ran
//     it);
//   - the C headers the analysis read: the include directives of the native
//     lines of those scripts and of the code files, then of every header
//     found, followed through a work list. The compiler writes no record
//     for these while it analyses the C declarations, so they are found
//     again here, the way its preprocessor looks for them: the name as
//     written, then each include directory, then the target's "lib"
//     directory, then the directory of the including file. A name found
//     nowhere (a system header) is left out, as compilers leave system
//     headers out of -MMD. Conditional directives are not evaluated: a
//     header behind #if 0 is listed too, which costs at most a needless
//     compilation.
// Only files that exist are listed, each once, as absolute paths.
#pragma once

#include "report/input/link_record_file.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vx::report {

struct HeaderSearch {
    std::vector<std::string> include_dirs;  // the compiler's -INCL directories, in order
    std::string target_lib;                 // the target's "lib" directory, empty for none
};

// The resolved path of an "I" record, or nullopt when the record says the
// file was not found. The record text is the include name padded to 25
// characters, " / ", the absolute path (or a row of "-") padded to 85, " / "
// and the file name of the including file.
std::optional<std::string> dependency_record_path(std::string_view text);

// The files the compilation described by `links` depends on (see above).
std::vector<std::string> compilation_inputs(const LinkRecordFile& links,
                                            const HeaderSearch& search);

// A path written for Make: blanks and tabs behind a backslash (with the
// backslashes before them doubled), "#" as "\#", "$" as "$$". nullopt for a
// path that no depfile can carry (one holding a line end).
std::optional<std::string> make_escaped(std::string_view path);

// The depfile text "target: input ..." with one input a line. nullopt when
// the target or an input cannot be written; `refused` then names it.
std::optional<std::string> depfile_text(std::string_view target,
                                        const std::vector<std::string>& inputs,
                                        std::string& refused);

}  // namespace vx::report
