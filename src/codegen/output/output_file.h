// One file written by the compiler: a generated file, the declarations
// file, the link record file, the report description.
//
// `create_output` creates the file (replacing an existing one) and adds a
// line to the log of created files when one is kept (-VISTAL_LOG); the line
// is chosen by the file's extension, and files of other extensions add
// nothing. Every failure is fatal and names the file: "IMPOUVFIC" when it
// cannot be created, "IMPECRFIC" when a line cannot be written (checked
// after every line and at the final flush), "IMPFERFIC" when it cannot be
// closed or deleted.
//
// An output is written under a new unique name beside its final name (the
// staged file) and renamed into place when it is closed and kept: until
// then the file of that name, which may be an input of the run, is never
// touched, and a run cut short leaves no half-written output newer than its
// script. Outputs named after something that is not a regular file
// (/dev/null) are written in place. Every file the run creates
// is in the table of files removed on a signal until it is in place.
//
// An OutputFile owns its stream. Destroying an open one closes it and keeps
// it; `discard` closes and deletes it without reporting anything, for the
// cleanup of a run that stops early. Deleting never touches anything but a
// regular file or a symbolic link: an output named /dev/null stays.
#pragma once

#include "diag/message_code.h"
#include "diag/process_end.h"

#include <cstdio>
#include <cstdint>
#include <string>
#include <string_view>

namespace vx {

class Reporter;
class RunFiles;

class OutputFile {
public:
    OutputFile() = default;
    OutputFile(OutputFile&& other) noexcept;
    OutputFile& operator=(OutputFile&& other) noexcept;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    ~OutputFile();

    bool is_open() const { return stream_ != nullptr; }
    const std::string& path() const { return path_; }

    // Appends the text and a newline.
    void write_line(std::string_view text);
    // The lines ended so far.
    std::uint64_t lines_written() const { return lines_; }
    // Appends the text as it is.
    void write_text(std::string_view text);
    // Closes the file and keeps it, or deletes it.
    void close(bool keep);
    // Closes and deletes without any report (cleanup of an aborted run).
    void discard() noexcept;

private:
    friend OutputFile create_output(Reporter& reporter, const RunFiles& files,
                                    const std::string& path, std::string_view log_path);
    OutputFile(Reporter& reporter, const RunFiles& files, std::FILE* stream, std::string path,
               std::string written_path, bool staged)
        : reporter_(&reporter),
          files_(&files),
          stream_(stream),
          path_(std::move(path)),
          written_path_(std::move(written_path)),
          staged_(staged) {}

    // Closes the stream and removes the file written, without reports.
    bool remove_written() noexcept;
    // Closes the stream and puts the file in place, without reports.
    void keep_quietly() noexcept;

    // The fatal report of a failed operation on the file, to throw.
    RunStopped fail(MessageCode code);
    // The internal report of a use of a file this run never opened (a fault
    // of the program), to throw.
    RunStopped misuse(std::string_view operation) const;
    // Writes the text, and a newline after it when asked.
    void put(std::string_view text, bool newline);

    Reporter* reporter_ = nullptr;  // of the run that created the file
    // The run's files: an output that is one of the run's inputs is never
    // deleted.
    const RunFiles* files_ = nullptr;
    std::FILE* stream_ = nullptr;
    std::uint64_t lines_ = 0;   // newlines written since creation
    std::string path_;          // the name of the output
    std::string log_path_;      // the log of created files, written when kept
    std::string written_path_;  // the file written: staged name or path_
    bool staged_ = false;
};

// Creates the file (fatal "IMPOUVFIC" when it cannot) and logs it in the
// log of created files when `log_path` is not empty. `files` is the run's
// registry of inputs and outputs.
OutputFile create_output(Reporter& reporter, const RunFiles& files, const std::string& path,
                         std::string_view log_path);

// The tag of the log line of a created file ("C   ", "TDC " ...), empty
// when files of its extension are not logged.
std::string_view created_file_tag(std::string_view path);

}  // namespace vx
