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
// An OutputFile owns its stream. Destroying an open one closes it and keeps
// it; `discard` closes and deletes it without reporting anything, for the
// cleanup of a run that stops early. Deleting never touches anything but a
// regular file or a symbolic link: an output named /dev/null stays.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace vx {

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
    // Appends the text as it is.
    void write_text(std::string_view text);
    // Back to the first line, for reading.
    void rewind();
    // Empties the file and goes back to its start, for writing it anew.
    void truncate();
    // The next line without its newline; false at the end of the file.
    bool read_line(std::string& line);
    // Closes the file and keeps it, or deletes it.
    void close(bool keep);
    // Closes and deletes without any report (cleanup of an aborted run).
    void discard() noexcept;

private:
    friend OutputFile create_output(const std::string& path, std::string_view log_path);
    OutputFile(std::FILE* stream, std::string path) : stream_(stream), path_(std::move(path)) {}

    [[noreturn]] void fail(std::string_view code);

    std::FILE* stream_ = nullptr;
    std::string path_;
};

// Creates the file (fatal "IMPOUVFIC" when it cannot) and logs it in the
// log of created files when `log_path` is not empty.
OutputFile create_output(const std::string& path, std::string_view log_path);

// Reads one whole line, however long, without its newline; false at the
// end of the file. A read error ends the run ("fgets").
bool read_text_line(std::FILE* stream, std::string& line);

// The tag of the log line of a created file ("C   ", "TDC " ...), empty
// when files of its extension are not logged.
std::string_view created_file_tag(std::string_view path);

// Appends the log line of `path` to the log (fatal "IMPOUVFIC" with the log
// path when the log cannot be opened).
void log_created_file(std::string_view log_path, std::string_view path);

}  // namespace vx
