// Reporting of coded diagnostics.
//
// A diagnostic is a code of the catalogue (MessageCode) and one argument
// text. The code selects
// a catalogue text in which "%1" stands for the location prefix ("[file:line]
// ") and "%2" for the argument. Each line goes to standard error as
//   Harnex-<severity letter>-<code>,  <text>
// and to the details file when it is open. Errors and warnings are counted;
// past their display limits, and when they repeat the previous message's
// file, line and code, they are written only to the details file.
//
// One Reporter holds the state of a run. It is handed to every stage that
// reports; nothing reaches it otherwise. A fatal or internal report does not
// return to the code after it: it gives a RunStopped that the caller throws
// (`throw reporter.fatal(code, argument);`), and the program's entry point
// ends the process with its status.
#pragma once

#include "diag/catalogue.h"
#include "diag/message_code.h"
#include "diag/process_end.h"
#include "diag/severity.h"

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>
#include <utility>

namespace vx {

// Where a message points: a file and a line of it, a line alone (the
// script's, for the run's own messages), or nowhere.
struct SourceLocation {
    std::string file;
    long line = 0;
};

inline constexpr int default_error_limit = 60;
inline constexpr int default_warning_limit = 120;
inline constexpr int listing_width = 78;
inline constexpr int listing_echo_piece = 63;

class Reporter {
public:
    explicit Reporter(const MessageCatalogue& catalogue);
    ~Reporter();
    Reporter(const Reporter&) = delete;
    Reporter& operator=(const Reporter&) = delete;

    void set_report_file(std::string_view name) { report_file_ = name; }
    void set_report_line(long line) { report_line_ = line; }
    const std::string& report_file() const { return report_file_; }
    long report_line() const { return report_line_; }

    int error_count() const { return errors_; }
    // A statement of the script that a warning says was dropped, cut short
    // or changed: its code and the message, location first, as shown.
    struct DroppedStatement {
        std::string code;
        std::string text;
    };
    const std::vector<DroppedStatement>& dropped_statements() const { return dropped_; }
    int warning_count() const { return warnings_; }
    bool hidden_messages() const { return hidden_; }
    // Messages on the console as "file:line: error|warning|note: text
    // [CODE]", the form of compilers that editors, IDEs and CI servers
    // read; the listing keeps its own form.
    void set_editor_form(bool on) { editor_form_ = on; }
    void set_error_limit(int limit) { error_limit_ = limit; }
    void set_warning_limit(int limit) { warning_limit_ = limit; }

    // The location prefix of a message: "[file:line] ", "[line] " or empty.
    static std::string location_prefix(const SourceLocation& where);

    // Reports a message at a location of its own, leaving the location of
    // the next message as it was, at a severity the code's row allows. A
    // fatal or internal report stops the run: it throws the RunStopped.
    void report(const SourceLocation& where, Severity severity, MessageCode code,
                std::string_view argument);

    // Composes the whole line of a message (with its newline), in the
    // encoding of the locale, without raising it. An 8-bit argument is
    // decoded as the reporting operations below say.
    std::string compose(Severity severity, MessageCode code, std::string_view argument) const;

    // Raises a message. A fatal or internal message also runs the cleanup
    // and closes the listing; the caller then stops the run.
    void raise(Severity severity, MessageCode code, std::string_view argument);
    void raise(Severity severity, MessageCode code, const TranslatedText& argument);

    // The five reporting operations. 8-bit arguments of errors and warnings
    // are decoded with the locale's encoding, those of the other three as
    // Latin-1; a translated text is taken as it is. A const char* argument
    // is 8-bit text (nullptr counts as empty). fatal and internal give the
    // RunStopped the caller throws.
    void info(MessageCode code, std::string_view argument = {});
    void info(MessageCode code, const char* argument);
    void warning(MessageCode code, std::string_view argument = {});
    void warning(MessageCode code, const TranslatedText& argument);
    void warning(MessageCode code, const char* argument);
    void error(MessageCode code, std::string_view argument = {});
    void error(MessageCode code, const TranslatedText& argument);
    void error(MessageCode code, const char* argument);
    RunStopped fatal(MessageCode code, std::string_view argument = {});
    RunStopped fatal(MessageCode code, const char* argument);
    RunStopped internal(MessageCode code, std::string_view argument = {});
    RunStopped internal(MessageCode code, const char* argument);

    // Details file.
    void open_details_file(const std::string& name);
    bool details_open() const { return details_ != nullptr; }
    const std::string& details_name() const { return details_name_; }
    void write_details_line(std::string_view text);
    void write_listing_header(std::string_view command_echo, std::string_view details_name,
                              std::string_view run_date);
    void close_details_file();

    // The summary of a run that went to its end; gives the exit status.
    int end_of_execution();

    // Where the lines shown to the user go: standard error unless a
    // consumer is set (a test collects them instead). An empty function
    // restores standard error.
    using Console = std::function<void(std::string_view line)>;
    void set_console(Console console) { console_ = std::move(console); }

    // The closing and deletion of the run's unfinished outputs,
    // run before a fatal or internal report and at the end of execution.
    // One owner at a time: a new owner replaces the old one, and an owner
    // that goes removes its cleanup only if it is still the one in place.
    void set_cleanup(const void* owner, std::function<void()> cleanup);
    void remove_cleanup(const void* owner);
    void run_cleanup();

private:
    class Text;  // an argument decoded to the toolkit's text (reporter.cpp)
    std::string compose_text(const SourceLocation& where, Severity severity, MessageCode code,
                             const Text& argument) const;
    void raise_text(const SourceLocation& where, Severity severity, MessageCode code,
                    const Text& argument);
    SourceLocation here() const { return {report_file_, report_line_}; }
    // Writes the line to the listing, and to the console when `to_stderr`:
    // there as `console_line` when one is given.
    void write_raw(const std::string& line, bool to_stderr, bool flush_details,
                   const std::string* console_line = nullptr);
    // The line of a message in the form editors read, for the console.
    std::string editor_text(const SourceLocation& where, Severity severity, MessageCode code,
                            const Text& argument) const;

    const MessageCatalogue& catalogue_;
    std::string report_file_;
    long report_line_ = 0;
    int errors_ = 0;
    int warnings_ = 0;
    std::vector<DroppedStatement> dropped_;
    int error_limit_ = default_error_limit;
    int warning_limit_ = default_warning_limit;
    bool have_previous_ = false;
    std::string previous_file_;
    long previous_line_ = 0;
    MessageCode previous_code_ = MessageCode{};
    bool hidden_ = false;
    bool editor_form_ = false;
    std::string details_name_;
    // The listing is written under this name and renamed to details_name_
    // when it is closed: a listing name that leads to a file the run reads
    // (a link to a header) never truncates that file.
    std::string details_staged_name_;
    std::FILE* details_ = nullptr;
    const void* cleanup_owner_ = nullptr;
    std::function<void()> cleanup_;
    Console console_;
};

}  // namespace vx
