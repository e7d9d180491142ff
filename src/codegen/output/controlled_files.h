// Controlled access to the files the script reader and the include scan
// read: an included C file being scanned (F_INC), the source file of
// -SOURCE (F_SOURCE) and the script currently read (F_PTU).
//
// `file_action` opens, closes or rewinds one of them by type and action.
// F_INC and F_SOURCE each have one handle owned here; the script belongs to
// the script reader, which hands its stream over with `set_script`. Opening
// an F_INC file that does not exist is silent (the result is false); every
// other failure is fatal, and every action the table refuses (writing or
// deleting a file that is only read, opening the script here) is an
// internal error "ERRINTFCT" naming the refusal. A successful opening or
// rewinding makes the file the location of the next messages, at line -1;
// each line read from F_INC or F_SOURCE advances that line by one.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace vx {

class Reporter;
class RunFiles;

enum class ControlledFile : int { F_INC = 0, F_SOURCE = 1, F_PTU = 2 };

enum class FileAction : int {
    A_OUVRIR = 0,       // open for reading
    A_OUVRIR_ECR = 1,   // open for writing
    A_FERMER_SAUV = 2,  // close and keep
    A_FERMER_DEL = 3,   // close and delete
    A_RESETER = 4,      // rewind
};

// The names used in the refusal texts ("F_INC", "A_OUVRIR" ...); the
// number itself for a value outside the enumeration.
std::string controlled_file_name(ControlledFile type);
std::string file_action_name(FileAction action);

class ControlledFiles {
public:
    ControlledFiles(Reporter& reporter, RunFiles& files) : reporter_(reporter), files_(files) {}

    // The script currently read (not owned); nullptr when there is none.
    void set_script(std::FILE* script, std::string path);

    // Performs the action; true when it was done (false only for an F_INC
    // file that cannot be opened).
    bool file_action(ControlledFile type, FileAction action, std::string_view path);

    // The next line (without its line end) of F_INC or F_SOURCE; for F_PTU
    // the next script line beginning with "#" or "@", without that first
    // character. False at the end of the file or when it is not open.
    bool read_controlled_line(ControlledFile type, std::string& line);

    bool is_open(ControlledFile type) const;

private:
    struct StreamCloser {
        void operator()(std::FILE* stream) const { std::fclose(stream); }
    };
    using Stream = std::unique_ptr<std::FILE, StreamCloser>;
    struct Handle {
        Stream stream;
        std::string path;
    };

    Handle* handle(ControlledFile type);
    bool open(ControlledFile type, std::string_view path);
    void rewind(std::FILE* stream, const std::string& path);

    Reporter& reporter_;
    RunFiles& files_;
    Handle include_;
    Handle source_;
    std::FILE* script_ = nullptr;
    std::string script_path_;
};

}  // namespace vx
