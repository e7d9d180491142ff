// Guarding the files a run reads against the files it writes.
//
// Files are known by identity: the device and inode of the file a name
// leads to (through symbolic links), so that a hard link, a symbolic link
// or a second spelling of a path is seen as the file it is. A name that
// leads to no file yet is known by its canonical form (the resolved
// directory followed by the file name).
//
// Inputs are opened through open_input, which never blocks and never reads
// without end: the file is opened without waiting on a pipe, and anything
// that is not a regular file (directory, pipe, device, socket) or that is
// larger than max_input_size is refused before a byte is read.
//
// The run's registry (RunFiles, owned by the run and handed to the stages
// that open or write files) holds every output name of the run. An input
// whose identity or canonical name is one of them is a clash: the caller
// refuses it before anything is written over the file.
#pragma once

#include "diag/message_code.h"

#include <sys/types.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

class Reporter;

// No input of a run is larger than this; a larger one is a mistake (a log,
// an image, a disk) rather than a script or a header.
inline constexpr std::uint64_t max_input_size = std::uint64_t{256} * 1024 * 1024;

struct FileIdentity {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;

    bool same_file(const FileIdentity& other) const {
        return exists && other.exists && device == other.device && inode == other.inode;
    }
};

// The identity of the file the name leads to (exists false when none).
FileIdentity file_identity(const std::string& path);

// The canonical name: the real path of an existing file, or the real path
// of its directory followed by its name.
std::string canonical_file_name(std::string_view path);

enum class InputProblem { none, missing, not_regular, too_large, read_error };

// An input opened for reading, or the reason it could not be.
struct OpenedInput {
    int descriptor = -1;
    InputProblem problem = InputProblem::none;
    int error = 0;  // errno of a failed open or read
    FileIdentity identity;
    std::uint64_t size = 0;
};

// Opens a regular file for reading without blocking. The descriptor is
// left in blocking mode; the caller owns it.
OpenedInput open_input(const std::string& path);

// Opens the input as a stdio stream ("r"), or gives nullptr and the reason.
std::FILE* open_input_stream(const std::string& path, OpenedInput& opened);

// Reads the whole input. False with the reason when it cannot be opened or
// read (a read error keeps its errno).
bool read_input_file(const std::string& path, std::string& text, OpenedInput& opened);

// "name (reason)", the argument of the message refusing an input.
std::string input_problem_text(std::string_view path, const OpenedInput& opened);

// The message code for an input problem: IMPOUVFIC for a missing or
// unreadable-at-open file, FICNONREG, FICTROGRD, IMPLIRFIC.
MessageCode input_problem_code(const OpenedInput& opened);

// The outputs of the run, by name and by the identity of the file each
// name led to when it was noted.
class RunFiles {
public:
    void note_output(const std::string& path);
    // The output name the input is, or nullptr.
    const std::string* output_clash(const std::string& input_path,
                                    const FileIdentity& identity) const;
    // Marks a file as an input of the run, so that it is never deleted as
    // an output (while its name still leads to it).
    void note_input(const std::string& path, const FileIdentity& identity);
    bool is_input(const FileIdentity& identity) const;

private:
    struct Output {
        std::string name;
        std::string canonical;
        FileIdentity identity;
    };
    std::vector<Output> outputs_;
    struct Input {
        std::string name;
        FileIdentity identity;
    };
    std::vector<Input> inputs_;
};

// Opens an input of the compiler: a problem is fatal with its code and
// reason, a clash with an output is fatal too. Never returns nullptr.
std::FILE* open_checked_input(Reporter& reporter, RunFiles& files, const std::string& path);

}  // namespace vx
