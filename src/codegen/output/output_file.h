// One file written by the compiler: a generated file, the declarations
// file, the link record file, the report description, a work file.
//
// `create_output` creates the file for reading and writing (replacing an
// existing one) and adds a line to the log of created files when one is
// kept (-VISTAL_LOG); the line is chosen by the file's extension, and files
// of other extensions (the work files among them) add nothing. Every
// failure is fatal and names the file: "IMPOUVFIC" when it cannot be
// created, "IMPECRFIC" when a line cannot be written (checked after every
// line and at the final flush), "IMPRESFIC" when it cannot be rewound,
// "IMPFERFIC" when it cannot be closed or deleted.
//
// An output is written under a new unique name beside its final name (the
// staged file) and renamed into place when it is closed and kept: until
// then the file of that name, which may be an input of the run, is never
// touched, and a run cut short leaves no half-written output newer than its
// script. Work files and outputs named after something that is not a
// regular file (/dev/null) are written in place. Every file the run creates
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
#include <functional>
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

    // Open: created, or a work file whose text is still all in memory.
    bool is_open() const { return stream_ != nullptr || pending_; }
    const std::string& path() const { return path_; }

    // Appends the text and a newline.
    void write_line(std::string_view text);
    // The lines ended so far since creation or reuse.
    std::uint64_t lines_written() const { return lines_; }
    // Appends the text as it is.
    void write_text(std::string_view text);
    // Back to the first line, for reading.
    void rewind();
    // Back to the start for writing the file anew. The file keeps its size
    // (a work file is reused for every test, and emptying it each time
    // would cost a system call that frees and takes back its blocks): what
    // was written before is past the new text's end, and read_line stops
    // at that end.
    void reuse();
    // The next line without its newline; false at the end of the text
    // written.
    bool read_line(std::string& line);
    // Closes the file and keeps it, or deletes it.
    void close(bool keep);
    // Closes and deletes without any report (cleanup of an aborted run).
    void discard() noexcept;

private:
    friend OutputFile create_output(Reporter& reporter, const RunFiles& files,
                                    const std::string& path, std::string_view log_path,
                                    bool staged);
    friend OutputFile create_work_file(Reporter& reporter, const RunFiles& files,
                                       std::function<std::string()> name, std::size_t memory_limit);
    OutputFile(Reporter& reporter, const RunFiles& files, std::FILE* stream, std::string path,
               std::string written_path, bool staged)
        : reporter_(&reporter),
          files_(&files),
          stream_(stream),
          path_(std::move(path)),
          written_path_(std::move(written_path)),
          staged_(staged) {}

    // A work file past its memory: the file is created now, under the name
    // its maker gives.
    void create_pending();

    // Closes the stream and removes the file written, without reports.
    bool remove_written() noexcept;
    // Closes the stream and puts the file in place, without reports.
    void keep_quietly() noexcept;

    // The fatal report of a failed operation on the file, to throw.
    RunStopped fail(MessageCode code);
    // The internal report of a use of a file this run never opened (a fault
    // of the program), to throw.
    RunStopped misuse(std::string_view operation) const;

    Reporter* reporter_ = nullptr;  // of the run that created the file
    // The run's files: an output that is one of the run's inputs is never
    // deleted.
    const RunFiles* files_ = nullptr;
    std::FILE* stream_ = nullptr;
    std::uint64_t length_ = 0;  // bytes of text written since creation or reuse
    std::uint64_t lines_ = 0;   // newlines written since creation or reuse
    std::uint64_t read_ = 0;    // bytes read since the last rewind
    // The memory of a work file: used while `memory_limit_` is not zero and
    // the text has not spilled to the file.
    std::size_t memory_limit_ = 0;
    bool spilled_ = false;
    std::string memory_;
    std::size_t memory_read_ = 0;
    // Writes the text: to memory while it fits, else to the file.
    void put(std::string_view text, bool newline);
    // Sends what memory holds to the file (created now if it was not), and
    // the rest of this use of the file after it.
    void spill();
    // A work file not created yet, and the maker of its name.
    bool pending_ = false;
    std::function<std::string()> name_maker_;
    std::string path_;          // the name of the output
    std::string log_path_;      // the log of created files, written when kept
    std::string written_path_;  // the file written: staged name or path_
    bool staged_ = false;
};

// Creates the file (fatal "IMPOUVFIC" when it cannot) and logs it in the
// log of created files when `log_path` is not empty. A work file is not
// staged: it is written in place. `files` is the run's registry of inputs
// and outputs.
OutputFile create_output(Reporter& reporter, const RunFiles& files, const std::string& path,
                         std::string_view log_path, bool staged = true);

// A work file: its text stays in memory up to `memory_limit` bytes, and
// the file is created (under the name `name` gives then, and written in
// place) only when a text goes past that. A run whose tests are all of an
// ordinary size creates no work file at all.
OutputFile create_work_file(Reporter& reporter, const RunFiles& files,
                            std::function<std::string()> name, std::size_t memory_limit);

// The tag of the log line of a created file ("C   ", "TDC " ...), empty
// when files of its extension are not logged.
std::string_view created_file_tag(std::string_view path);

}  // namespace vx
