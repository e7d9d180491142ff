// The script reader: from the lines of the test script and of the scripts
// it includes to logical statements.
//
// A statement begins on a line that starts with a keyword and goes on over
// continuation lines, which begin with "&"; comment lines ("--") inside it
// are skipped, and a "--" outside quotes ends the code part of a line.
// Any other line ends the statement: a blank line, a native C line, the
// next keyword line. So the reader always holds one line of look-ahead: a
// statement is handed to the dispatcher only once the line after it has
// been read, and the line counter, which starts at -1 when a file is
// opened and counts every line read, then stands at the number of that
// statement's last line as an editor counts them. The counter also counts
// the end of the file, so that the last statement of a file is placed the
// same way.
//
// Lines that begin with "#", "@" or "!" (after blanks) are native C lines:
// "#" lines are written into the generated text and collected for the C
// declaration analysis, "@" lines only written, "!" lines only collected.
// Inside an INITIALIZATION or TERMINATION block they go to the text of
// main instead of the current place; inside SEGMENT and DEFINE STUB blocks
// they are not written. The collected text keeps the script's line layout
// (line feeds for the lines between) and is handed over by the dispatcher
// before each statement.
//
// INCLUDE PTU pushes a frame on the include stack: the included script is
// read in place of the statement, and when it ends the line that followed
// the INCLUDE in the including file is taken up again. A statement left
// open at the end of an included script can be continued there. A script
// that is already open (directly or further down the stack) is never
// opened again, and neither is a file the run itself writes. INCLUDE CODE
// copies a file into the generated text.
//
// The include dependency scan walks a file and the files it includes and
// writes one "I" listing record per include found, and finds the version
// line of the -SOURCE file.
#pragma once

#include "codegen/harness_hooks.h"
#include "script/script_options.h"

#include <cstddef>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

class Reporter;

class OutputSession;

// Line, statement and work buffers hold 20480 bytes: at most 20479
// characters of text.
inline constexpr std::size_t text_buffer_size = 20480;
inline constexpr std::size_t max_line_length = text_buffer_size - 1;

inline constexpr std::string_view comment_marker = "--";
inline constexpr char continuation_marker = '&';

// Layout of the "I" listing records.
inline constexpr std::size_t listing_name_width = 25;
inline constexpr std::size_t listing_path_width = 85;
inline constexpr std::size_t listing_missing_path_length = 34;

// Reads one physical line, without its trailing carriage returns and line
// feeds. False at the end of the file. A line longer than
// max_line_length characters is never cut: it is read whole and
// `too_long` is set (when given), for the caller to refuse it. A read
// error ends the run (IMPLIRFIC with its reason).
bool read_physical_line(Reporter& reporter, std::FILE* stream, std::string& line,
                        bool* too_long = nullptr);

// The code part and the comment part of a text, cut at the first `marker`
// outside string and character literals of the tested language. An empty
// marker is an internal error.
struct CommentSplit {
    std::string code;
    std::string comment;
};
CommentSplit split_comment(std::string_view text, std::string_view marker, int tested_language);

// True when the statement is INCLUDE PTU (or INCLURE PTU).
bool is_include_script_statement(std::string_view statement);

// The kinds of file the include scan reads.
enum class ScanKind { include = 0, source = 1, script = 2 };

struct FileCloser {
    void operator()(std::FILE* stream) const { std::fclose(stream); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// One open script file of the include stack.
struct IncludeFrame {
    std::string file_name;       // as resolved when opened
    std::string canonical_name;  // the same file, symbolic links resolved
    FileHandle file;
    long saved_line = 0;    // line counter while a nested file is read
    int record_number = 0;  // number of its "E11" record, 0 for the main script
    std::optional<std::string> saved_lookahead;  // the line after its INCLUDE PTU
    bool end_counted = false;                    // the end of the file has advanced the counter
    bool at_start = true;                        // no line read yet (a byte order mark may come)
};

// Where a native line of the script is written.
enum class NativeDestination { generated, main_prologue, main_epilogue, none };

// The statement dispatcher as the reader sees it.
class ReaderClient {
public:
    virtual void dispatch_statement(std::string_view statement) = 0;
    virtual NativeDestination native_destination() const = 0;
    virtual bool element_open() const = 0;
    // A native line of an element under trace level 3, handed to the
    // COMMENT statement's operation.
    virtual void native_comment(std::string_view line) = 0;
    // A native line went into the harness where it stands (the code of an
    // element, among others).
    virtual void native_code_line() = 0;

protected:
    ~ReaderClient() = default;
};

// Native C text collected since the last statement, with the line number
// (as counted by the reader) of its first and last line.
struct PendingCText {
    std::string text;
    std::string file;  // the file of its last line
    long first_line = 0;
    long last_line = 0;

    bool empty() const { return text.empty(); }
    void clear() {
        text.clear();
        file.clear();
        first_line = 0;
        last_line = 0;
    }
};

class ScriptReader {
public:
    ScriptReader(Reporter& reporter, const ScriptOptions& options, OutputSession& session,
                 NativeAnalysis& native);
    ScriptReader(const ScriptReader&) = delete;
    ScriptReader& operator=(const ScriptReader&) = delete;

    void set_client(ReaderClient& client) { client_ = &client; }

    // Opens the test script as the first frame (fatal "IMPOUVFIC" when it
    // cannot be opened).
    void open_main_script(const std::string& path);
    // Back to the first line of the test script, counter at -1.
    void rewind_main_script();

    // Reads and dispatches every statement until the test script ends.
    void read_script_statements();

    // INCLUDE PTU: opens an included script and pushes its frame; false
    // after reporting when it cannot be found or is already open.
    bool push_script(std::string_view name);
    void pop_script();
    // The path under which an include name is readable, or empty.
    std::string resolve_include(std::string_view name) const;
    // INCLUDE CODE.
    void include_code(std::string_view name);
    // The dependency scan; returns the version number found (kind source).
    std::string include_scan(const std::string& path, ScanKind kind,
                             std::string_view version_pattern);

    // State for the dispatcher.
    const std::string& current_file() const;
    long line_counter() const { return counter_; }
    // The line, counted from 1, on which the statement being dispatched
    // begins, and the "E11" number of its file.
    long statement_line() const { return statement_line_; }
    int statement_file_number() const { return statement_file_number_; }
    std::size_t depth() const { return frames_.size(); }
    PendingCText& pending_c_text() { return pending_; }
    // Appends preprocessed text to the pending native text.
    void append_pending_text(std::string_view text);
    // Makes the current file and line the location of the next messages.
    void restore_report_location() const;

private:
    bool read_line(std::string& line);
    void echo(std::string_view line) const;
    void handle_outside_statement(const std::string& line);
    void continue_statement(const std::string& line, std::string_view trimmed_line);
    void native_line(std::string_view trimmed_line);
    void collect_native(std::string_view text);
    void write_trace_comment(std::string_view text);
    bool end_of_file(std::optional<std::string>& line);
    void end_statement(std::optional<std::string>& lookahead);
    void dispatch(const std::string& text);
    void write_listing_record(std::string_view name, const std::string& path,
                              std::string_view including_file);
    bool already_open(const std::string& path, const std::string& canonical) const;
    // A file this run writes, by name: never read as an include.
    bool run_output(const std::string& canonical) const;
    // Opens an included script or code file; nullptr after refusing it
    // (not a regular file, unreadable). A file that is an output of the
    // run ends the run.
    std::FILE* open_included(const std::string& path, const std::string& canonical);

    Reporter& reporter_;
    const ScriptOptions& options_;
    OutputSession& session_;
    NativeAnalysis& native_;
    ReaderClient* client_ = nullptr;

    std::vector<IncludeFrame> frames_;
    long counter_ = -1;

    bool statement_open_ = false;
    std::string statement_;
    long statement_line_ = 0;
    int statement_file_number_ = 0;
    bool dispatched_any_ = false;

    PendingCText pending_;
};

}  // namespace vx
