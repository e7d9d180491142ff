// The script reader. The loop of read_script_statements holds at most one
// line in hand: either a line just read or the look-ahead line that ended
// the previous statement. A line in hand is handled in one of two states:
//
//   outside a statement: echo it; a blank line goes to the generated text,
//     a native line is routed and collected, any other line opens a
//     statement (its comment part cut off);
//   statement open: a "&" line is appended to the statement, a "--" line
//     is skipped, any other line ends the statement and stays in hand as
//     the look-ahead, to be handled outside a statement once the statement
//     has been dispatched.
//
// At the end of a file the statement still open is dispatched; then the
// frame of an included file is popped and the look-ahead saved in the
// including frame, when there is one, is taken up again. An
// INCLUDE PTU statement is dispatched with its look-ahead already parked in
// its frame, so that the included file is read before that line; when the
// INCLUDE opens nothing (the file is missing, already open, or the
// statement is skipped), the look-ahead comes straight back.
#include "script/reader.h"

#include "codegen/language_tables.h"
#include "codegen/output/output_session.h"
#include "diag/file_guard.h"
#include "diag/reporter.h"
#include "support/paths.h"
#include "support/text.h"
#include "support/text_scanner.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace vx {

namespace {

constexpr std::string_view include_directive = "include";

bool starts_with(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool is_native_marker(char c) { return c == '#' || c == '@' || c == '!'; }

// A file of that name exists. Whether it can be read (a directory, a
// device or a pipe cannot) is told when it is opened, with its reason.
bool readable_file(const std::string& path) {
    struct stat status {};
    return !path.empty() && ::stat(path.c_str(), &status) == 0;
}

std::string file_name_part(std::string_view path) {
    std::string directory;
    std::string file;
    split_path(path, directory, file);
    return file;
}

void pad_to(std::string& text, std::size_t width) {
    if (text.size() < width) {
        text.resize(width, ' ');
    }
}

bool equal_ignoring_case(char a, char b) { return upper_char(a) == upper_char(b); }

std::size_t find_ignoring_case(std::string_view text, std::string_view pattern) {
    auto it =
        std::search(text.begin(), text.end(), pattern.begin(), pattern.end(), equal_ignoring_case);
    return it == text.end() ? std::string_view::npos : static_cast<std::size_t>(it - text.begin());
}

// The file name of an include line of the scan: "#include" followed by a
// name in double quotes or angle brackets, or INCLUDE / INCLURE followed by
// PTU / CODE and the name. `found` tells whether the line is an include
// line at all; the result is empty when it names no file.
std::string include_line_name(std::string_view line, bool& found) {
    found = false;
    std::string_view text = trimmed(line);
    if (!text.empty() && text.front() == '#') {
        std::string_view rest = trimmed(text.substr(1));
        if (starts_with(rest, include_directive)) {
            found = true;
            rest.remove_prefix(include_directive.size());
            std::size_t open = rest.find_first_of("\"<");
            if (open == std::string_view::npos) {
                return {};
            }
            const char close = rest[open] == '"' ? '"' : '>';
            std::size_t end = rest.find(close, open + 1);
            if (end == std::string_view::npos) {
                return {};
            }
            return std::string(rest.substr(open + 1, end - open - 1));
        }
    }
    std::string word;
    std::string rest;
    split_word(text, word, rest);
    if (word != "INCLUDE" && word != "INCLURE") {
        return {};
    }
    std::string second;
    std::string name;
    split_word(rest, second, name);
    if (second != "PTU" && second != "CODE") {
        return {};
    }
    found = true;
    return std::string(trimmed(name));
}

}  // namespace

bool read_physical_line(Reporter& reporter, std::FILE* stream, std::string& line, bool* too_long) {
    line.clear();
    bool any = false;
    int c = EOF;
    while ((c = std::getc(stream)) != EOF) {
        any = true;
        if (c == '\n') {
            break;
        }
        line.push_back(static_cast<char>(c));
    }
    if (c == EOF && std::ferror(stream) != 0) {
        const int error = errno;
        throw reporter.fatal(msg::IMPLIRFIC,
                             error != 0 ? std::string(std::strerror(error)) : std::string());
    }
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) {
        line.pop_back();
    }
    if (too_long != nullptr) {
        *too_long = line.size() > max_line_length;
    }
    return any;
}

CommentSplit split_comment(std::string_view text, std::string_view marker, int tested_language) {
    if (marker.empty()) {
        return {std::string(text), {}};
    }
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '"') {
            i = quotation_end(text, i, c_quote_rules);
            continue;
        }
        if (c == '\'') {
            if (tested_language != 0) {
                i = quotation_end(text, i, c_quote_rules);
                continue;
            }
            // Ada: 'x' is a character literal, any other quote an
            // attribute mark; four quotes and a character go together.
            if (i + 2 < text.size() && text[i + 2] == '\'') {
                bool four = text[i + 1] == '\'' && i + 3 < text.size();
                i += four ? 4 : 3;
                continue;
            }
            ++i;
            continue;
        }
        if (text.substr(i, marker.size()) == marker) {
            return {std::string(text.substr(0, i)), std::string(text.substr(i + marker.size()))};
        }
        ++i;
    }
    return {std::string(text), {}};
}

bool is_include_script_statement(std::string_view statement) {
    std::string word;
    std::string rest;
    split_word(statement, word, rest);
    if (word != "INCLUDE" && word != "INCLURE") {
        return false;
    }
    std::string second;
    std::string name;
    split_word(rest, second, name);
    return second == "PTU";
}

ScriptReader::ScriptReader(Reporter& reporter, const ScriptOptions& options, OutputSession& session,
                           NativeAnalysis& native)
    : reporter_(reporter), options_(options), session_(session), native_(native) {}

const std::string& ScriptReader::current_file() const {
    static const std::string none;
    return frames_.empty() ? none : frames_.back().file_name;
}

void ScriptReader::restore_report_location() const {
    reporter_.set_report_file(current_file());
    reporter_.set_report_line(counter_);
}

void ScriptReader::open_main_script(const std::string& path) {
    FileHandle file(open_checked_input(reporter_, session_.files(), path));
    frames_.clear();
    IncludeFrame frame;
    frame.file_name = path;
    frame.canonical_name = canonical_path(path);
    frame.file = std::move(file);
    frames_.push_back(std::move(frame));
    counter_ = -1;
    restore_report_location();
}

void ScriptReader::rewind_main_script() {
    if (frames_.empty()) {
        return;
    }
    while (frames_.size() > 1) {
        frames_.pop_back();
    }
    if (std::fseek(frames_.front().file.get(), 0, SEEK_SET) != 0) {
        throw reporter_.fatal(msg::IMPRESFIC, frames_.front().file_name);
    }
    frames_.front().end_counted = false;
    frames_.front().at_start = true;
    frames_.front().saved_lookahead.reset();
    counter_ = -1;
    restore_report_location();
}

bool ScriptReader::read_line(std::string& line) {
    IncludeFrame& frame = frames_.back();
    bool too_long = false;
    if (read_physical_line(reporter_, frame.file.get(), line, &too_long)) {
        // The UTF-8 byte order mark some editors write is not text.
        if (frame.at_start && line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);
        frame.at_start = false;
        reporter_.set_report_line(++counter_);
        if (too_long) {
            // Cut, the rest of the line would be read as a line of its own:
            // a value, a comment or a statement would change its meaning.
            // Lines are counted from 0, and shown from 1.
            reporter_.set_report_line(counter_ + 1);
            throw reporter_.fatal(msg::LINETOLON, "");
        }
        return true;
    }
    if (!frame.end_counted) {
        // The end of the file stands where the next line would: the last
        // statement of a file is placed as any other.
        frame.end_counted = true;
        reporter_.set_report_line(++counter_);
    }
    return false;
}

void ScriptReader::echo(std::string_view line) const { reporter_.write_details_line(line); }

void ScriptReader::read_script_statements() {
    statement_open_ = false;
    statement_.clear();
    dispatched_any_ = false;
    std::optional<std::string> line;
    for (;;) {
        if (!line) {
            std::string text;
            if (!read_line(text)) {
                if (!end_of_file(line)) {
                    return;
                }
                continue;
            }
            line = std::move(text);
        }
        std::string current = std::move(*line);
        line.reset();
        if (!statement_open_) {
            handle_outside_statement(current);
            continue;
        }
        std::string_view text = trimmed(current);
        if (!text.empty() && text.front() == continuation_marker) {
            continue_statement(current, text);
            continue;
        }
        if (starts_with(text, comment_marker)) {
            echo(current);
            continue;
        }
        line = std::move(current);
        end_statement(line);
    }
}

bool ScriptReader::end_of_file(std::optional<std::string>& line) {
    // A statement still open ends with its file: the line that ended the
    // INCLUDE in the including file could never continue it, and its
    // messages belong to the file it was written in. An INCLUDE PTU ended
    // here opens its script, which is read next.
    if (statement_open_ && !trimmed(statement_).empty()) {
        end_statement(line);
        return true;
    }
    if (frames_.size() > 1) {
        pop_script();
        line = std::move(frames_.back().saved_lookahead);
        frames_.back().saved_lookahead.reset();
        return true;
    }
    statement_open_ = false;
    if (!dispatched_any_) {
        throw reporter_.fatal(msg::AUCUNMETA, "");
    }
    return false;
}

void ScriptReader::handle_outside_statement(const std::string& line) {
    echo(line);
    std::string_view text = trimmed(line);
    if (text.empty()) {
        session_.output().write_line("");
        return;
    }
    if (is_native_marker(text.front())) {
        native_line(text);
        return;
    }
    if (options_.trace_level(trace_script_lines)) {
        write_trace_comment(text);
    }
    CommentSplit parts = split_comment(text, comment_marker, options_.settings.tested_language);
    statement_ = std::string(trimmed(parts.code));
    statement_open_ = true;
    statement_line_ = counter_ + 1;
    statement_file_number_ = frames_.back().record_number;
}

void ScriptReader::continue_statement(const std::string& line, std::string_view trimmed_line) {
    echo(line);
    if (options_.trace_level(trace_script_lines)) {
        write_trace_comment(line);
    }
    CommentSplit parts =
        split_comment(trimmed_line.substr(1), comment_marker, options_.settings.tested_language);
    std::string_view part = trimmed(parts.code);
    if (statement_.size() + part.size() + 1 >= text_buffer_size) {
        throw reporter_.fatal(msg::LINETOLON, "");
    }
    statement_ += ' ';
    statement_ += part;
}

void ScriptReader::write_trace_comment(std::string_view text) {
    const CommentDelimiters delimiters = comment_delimiters_for(options_.settings.tested_language);
    std::string body(text);
    if (!delimiters.end.empty()) {
        // A closing delimiter inside the copied line would end the comment
        // early and leave the rest as code.
        std::size_t at = 0;
        while ((at = body.find(delimiters.end, at)) != std::string::npos) {
            body.insert(at + 1, " ");
            at += delimiters.end.size() + 1;
        }
    }
    session_.output().write_line(std::string(delimiters.start) + " " + body + " " +
                                 std::string(delimiters.end));
}

void ScriptReader::native_line(std::string_view trimmed_line) {
    const char marker = trimmed_line.front();
    std::string_view text = trimmed_line.substr(1);
    if (options_.analysis_enabled && marker != '@' && session_.output_enabled()) {
        collect_native(text);
    }
    if (marker != '!') {
        // The line comes from the script: the harness's line directives
        // say so.
        const SourceScope from_script(session_.output(),
                                      session_.records().script_path(frames_.back().record_number),
                                      counter_ + 1);
        switch (client_->native_destination()) {
            case NativeDestination::main_prologue:
                session_.output().write_main_prologue(text);
                break;
            case NativeDestination::main_epilogue:
                session_.output().write_main_epilogue(text);
                break;
            case NativeDestination::generated:
                session_.output().write_line(text);
                client_->native_code_line();
                break;
            case NativeDestination::none:
                break;
        }
    }
    if (options_.trace_level(trace_native_comments) && client_->element_open()) {
        client_->native_comment(trimmed_line);
    }
}

void ScriptReader::collect_native(std::string_view text) {
    if (pending_.empty()) {
        // A leading "--" would read as a decrement of nothing.
        if (starts_with(text, comment_marker)) {
            pending_.text = " ";
        }
        pending_.text += text;
        pending_.first_line = counter_;
    } else {
        // Line feeds for the lines in between, so that the preprocessor
        // counts lines as the script does; across files one is enough.
        long gap = pending_.file == current_file() ? counter_ - pending_.last_line : 1;
        pending_.text.append(static_cast<std::size_t>(std::max(gap, 1L)), '\n');
        pending_.text += text;
    }
    pending_.last_line = counter_;
    pending_.file = current_file();
}

void ScriptReader::append_pending_text(std::string_view text) {
    if (text.empty()) {
        return;
    }
    if (pending_.empty()) {
        pending_.first_line = counter_;
    } else {
        pending_.text += '\n';
    }
    pending_.text += text;
    pending_.last_line = counter_;
    pending_.file = current_file();
}

void ScriptReader::end_statement(std::optional<std::string>& lookahead) {
    std::string text(trimmed(statement_));
    statement_.clear();
    if (text.empty()) {
        statement_open_ = false;
        return;
    }
    dispatched_any_ = true;
    const std::size_t depth = frames_.size();
    if (is_include_script_statement(text)) {
        // The included file comes before the line that followed the
        // INCLUDE; its first line meets an open, empty statement.
        frames_.back().saved_lookahead = std::move(lookahead);
        lookahead.reset();
        statement_open_ = true;
        dispatch(text);
        if (frames_.size() <= depth) {
            lookahead = std::move(frames_.back().saved_lookahead);
            frames_.back().saved_lookahead.reset();
        }
        return;
    }
    statement_open_ = false;
    dispatch(text);
    if (frames_.size() > depth && lookahead) {
        // The statement opened a script (the data file of BEGIN): its lines
        // come first.
        frames_[depth - 1].saved_lookahead = std::move(lookahead);
        lookahead.reset();
    }
}

void ScriptReader::dispatch(const std::string& text) {
    LinkRecords& records = session_.records();
    records.set_current_file_number(statement_file_number_);
    client_->dispatch_statement(text);
    records.set_current_file_number(frames_.back().record_number);
}

std::string ScriptReader::resolve_include(std::string_view name) const {
    if (name.empty()) {
        return {};
    }
    std::string path(name);
    if (readable_file(path)) {
        return path;
    }
    for (const std::string& directory : options_.settings.include_dirs) {
        std::string candidate = absolute_path(directory) + "/" + path;
        if (readable_file(candidate)) {
            return candidate;
        }
    }
    return {};
}

void ScriptReader::write_listing_record(std::string_view name, const std::string& path,
                                        std::string_view including_file) {
    std::string text(name);
    pad_to(text, listing_name_width);
    text += " / ";
    text += path.empty() ? std::string(listing_missing_path_length, '-') : full_file_name(path);
    pad_to(text, listing_path_width);
    text += " / ";
    text += file_name_part(including_file);
    session_.records().write_dependency(text);
}

bool ScriptReader::already_open(const std::string& path, const std::string& canonical) const {
    return std::any_of(frames_.begin(), frames_.end(), [&](const IncludeFrame& frame) {
        return frame.file_name == path || frame.canonical_name == canonical;
    });
}

bool ScriptReader::run_output(const std::string& canonical) const {
    for (const std::string& output : session_.settings().output_paths()) {
        if (canonical_path(output) == canonical) {
            return true;
        }
    }
    return false;
}

std::FILE* ScriptReader::open_included(const std::string& path, const std::string& canonical) {
    OpenedInput opened;
    std::FILE* file = open_input_stream(path, opened);
    if (file == nullptr) {
        // A directory, a pipe or a device is not a script nor code: the
        // statement is refused with what the file is.
        reporter_.error(input_problem_code(opened), input_problem_text(path, opened));
        return nullptr;
    }
    // A file this run writes is never read: it is about to be replaced.
    // Named as an output, the line is refused and the file kept as it is
    // (never deleted with the outputs of the failed run); reached through
    // a link or another name, the run ends.
    session_.files().note_input(path, opened.identity);
    if (run_output(canonical)) {
        std::fclose(file);
        reporter_.error(msg::LIGNTRAIT, path);
        return nullptr;
    }
    if (session_.files().output_clash(path, opened.identity) != nullptr) {
        std::fclose(file);
        throw reporter_.fatal(msg::FICENTSOR, path);
    }
    return file;
}

bool ScriptReader::push_script(std::string_view name) {
    const std::string path = resolve_include(name);
    write_listing_record(name, path, current_file());
    if (path.empty()) {
        reporter_.error(run_output(canonical_path(name)) ? msg::LIGNTRAIT : msg::FICINCINC, name);
        return false;
    }
    const std::string canonical = canonical_path(path);
    if (already_open(path, canonical)) {
        reporter_.error(msg::LIGNTRAIT, name);
        return false;
    }
    FileHandle file(open_included(path, canonical));
    if (!file) {
        return false;
    }
    frames_.back().saved_line = counter_;
    IncludeFrame frame;
    frame.file_name = path;
    frame.canonical_name = canonical;
    frame.file = std::move(file);
    frames_.push_back(std::move(frame));
    counter_ = -1;
    restore_report_location();

    LinkRecords& records = session_.records();
    const int number = records.announce_included_script(full_file_name(path));
    frames_.back().record_number = number;
    records.set_current_file_number(number);

    include_scan(path, ScanKind::script, {});
    counter_ = -1;
    restore_report_location();
    return true;
}

void ScriptReader::pop_script() {
    if (frames_.size() <= 1) {
        return;
    }
    frames_.pop_back();
    IncludeFrame& frame = frames_.back();
    counter_ = frame.saved_line;
    restore_report_location();
    session_.records().set_current_file_number(frame.record_number);
}

void ScriptReader::include_code(std::string_view name) {
    const std::string path = resolve_include(name);
    write_listing_record(name, path, current_file());
    frames_.back().saved_line = counter_;
    if (path.empty()) {
        reporter_.error(run_output(canonical_path(name)) ? msg::LIGNTRAIT : msg::FICINCINC, name);
        return;
    }
    if (options_.analysis_enabled && !include_name_writable(path)) {
        throw reporter_.fatal(msg::CHEMININV, path);
    }
    FileHandle file(open_included(path, canonical_path(path)));
    if (!file) {
        return;
    }
    // Read whole before anything is written, so that copying can never
    // feed on its own output.
    std::vector<std::string> lines;
    std::string line;
    while (read_physical_line(reporter_, file.get(), line)) {
        lines.push_back(line);
    }
    file.reset();
    for (const std::string& text : lines) {
        session_.output().write_line(text);
    }
    if (options_.analysis_enabled) {
        std::string directive = "#include \"" + path + "\"";
        append_pending_text(native_.preprocess(directive, current_file(), counter_));
        restore_report_location();
    }
    include_scan(path, ScanKind::include, {});
    counter_ = frames_.back().saved_line;
    restore_report_location();
}

std::string ScriptReader::include_scan(const std::string& path, ScanKind kind,
                                       std::string_view version_pattern) {
    const bool analysis = options_.analysis_enabled;
    const bool version_search = kind == ScanKind::source && !version_pattern.empty();
    if (analysis && !version_search) {
        return {};
    }
    std::vector<std::string> work{path};
    std::string version;
    bool version_found = false;
    long source_last_line = -1;
    std::string line;
    for (std::size_t index = 0; index < work.size(); ++index) {
        const ScanKind file_kind = index == 0 ? kind : ScanKind::include;
        const std::string file = index == 0 ? work[0] : resolve_include(work[index]);
        if (file.empty()) {
            continue;
        }
        // The scan only looks: a file it cannot use is refused by the
        // reading that follows, except the -SOURCE file, read only here.
        OpenedInput opened;
        FileHandle stream(open_input_stream(file, opened));
        if (!stream) {
            if (file_kind == ScanKind::source) {
                throw reporter_.fatal(input_problem_code(opened), input_problem_text(file, opened));
            }
            continue;
        }
        if (session_.files().output_clash(file, opened.identity) != nullptr) {
            throw reporter_.fatal(msg::FICENTSOR, file);
        }
        reporter_.set_report_file(file);
        long line_number = -1;
        reporter_.set_report_line(line_number);
        while (read_physical_line(reporter_, stream.get(), line)) {
            reporter_.set_report_line(++line_number);
            if (file_kind == ScanKind::source && version_search) {
                std::size_t at = find_ignoring_case(line, version_pattern);
                if (at != std::string::npos) {
                    if (version_found) {
                        reporter_.warning(msg::NUVER_DBL, version);
                    } else {
                        std::string_view after =
                            std::string_view(line).substr(at + version_pattern.size());
                        std::size_t open = after.find_first_of("'\"");
                        if (open != std::string_view::npos) {
                            std::size_t close = after.find(after[open], open + 1);
                            std::size_t length = close == std::string_view::npos
                                                     ? std::string_view::npos
                                                     : close - open - 1;
                            version = std::string(after.substr(open + 1, length));
                            version_found = true;
                        }
                    }
                }
            }
            if (file_kind == ScanKind::source) {
                source_last_line = line_number;
            }
            if (analysis) {
                continue;
            }
            std::string_view considered = line;
            if (file_kind == ScanKind::script) {
                std::string_view text = trimmed(line);
                bool native = !text.empty() && (text.front() == '#' ||
                                                (text.front() == '@' && options_.analysis_of_c()));
                if (!native) {
                    continue;
                }
                considered = text.substr(1);
            }
            bool found = false;
            std::string name = include_line_name(considered, found);
            if (!found) {
                continue;
            }
            if (name.empty()) {
                reporter_.warning(msg::INC_NVIDE, file);
                continue;
            }
            write_listing_record(name, resolve_include(name), file);
            if (std::find(work.begin(), work.end(), name) != work.end()) {
                reporter_.warning(msg::FICDEJAPR, name);
            } else {
                work.push_back(name);
            }
        }
    }
    if (version_search && !version_found) {
        // A version was asked for and the source has no line that gives
        // one: the link records keep the HEADER's version alone. Told at
        // the end of the source, with the pattern searched for.
        reporter_.set_report_file(path);
        reporter_.set_report_line(source_last_line);
        reporter_.warning(msg::NUMVERABS, version_pattern);
    }
    return version;
}

}  // namespace vx
