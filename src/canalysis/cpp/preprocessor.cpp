// The scanner of the preprocessor and macro expansion.
//
// The scanner reads the top level of the input stack and copies it to the
// current output: blanks and punctuation in runs, comments as one blank,
// literals whole, identifiers after a look into the macro table. A "#" that
// begins a line of a file starts a directive (cpp_directives.cpp).
//
// A macro call is replaced by pushing its body, with the arguments put in,
// as a new level that is scanned like any other text; the macro is disabled
// while that level is on the stack, so that its own name in the body stays
// as it is. An argument is expanded before it is put in, as a level of its
// own whose output is kept apart; the call waits in a PendingCall until its
// last argument level has ended. A name that was left unexpanded because
// its macro was disabled is marked with a NUL byte in such kept text, so
// that it stays unexpanded when the text is scanned again as part of the
// body (input text never holds a NUL: it is cut at the first one).
//
// When a macro level begins or ends, the next token written is separated
// by a blank from the previous one if they would otherwise run together
// ("-" "-1" must not become "--1").
#include "canalysis/cpp/preprocessor.h"

#include "canalysis/cpp/cpp_text.h"
#include "canalysis/cpp/if_evaluator.h"
#include "canalysis/types/target_model.h"
#include "support/text.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace vx {

namespace {

constexpr char no_expand_mark = '\0';

// Characters that end a run of plain text in the scanner.
struct ScanClasses {
    bool special[256] = {};
    constexpr ScanClasses() {
        for (int c = 0; c < 256; ++c) {
            special[c] = char_classes.identifier[c];
        }
        for (unsigned char c : {'\n', '\\', '/', '"', '\'', '#', '.', '\0'}) {
            special[c] = true;
        }
    }
};
constexpr ScanClasses scan_table{};

const ScanClasses& scan_classes() { return scan_table; }

bool is_operator_char(char c) { return c != 0 && std::strchr("+-*/%<>=&|^!:#.", c) != nullptr; }

// Whether two characters written side by side would join into one token.
bool would_join(char before, char after) {
    unsigned char b = static_cast<unsigned char>(before);
    unsigned char a = static_cast<unsigned char>(after);
    if (is_identifier_char(b) && is_identifier_char(a)) {
        return true;
    }
    if (before == '.' && is_digit(after)) {
        return true;
    }
    return is_operator_char(before) && is_operator_char(after);
}

std::string without_marks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c != no_expand_mark) {
            out += c;
        }
    }
    return out;
}

const char* const month_names[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

}  // namespace

// The stringised form of an argument: "#" (quote '"') and "#@" (quote '\'').
std::string stringise_argument(std::string_view raw, char quote, bool lenient) {
    std::string text = without_marks(trimmed(raw, c_blanks));
    std::string out;
    out.reserve(text.size() + 2);
    if (!lenient) {
        out += quote;
    }
    char literal = 0;
    bool blank_run = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (literal == 0 && (is_horizontal_blank(c) || c == '\n')) {
            blank_run = true;
            continue;
        }
        if (blank_run) {
            out += ' ';
            blank_run = false;
        }
        if (literal == 0) {
            if (c == '"' || c == '\'') {
                literal = static_cast<char>(c);
            }
        } else if (c == '\\') {
            out += "\\\\";
            if (i + 1 < text.size()) {
                unsigned char n = static_cast<unsigned char>(text[++i]);
                if (n == '"') {
                    out += "\\\"";
                } else if (n == '\\') {
                    out += "\\\\";
                } else {
                    out += static_cast<char>(n);
                }
            }
            continue;
        } else if (c == static_cast<unsigned char>(literal)) {
            literal = 0;
        }
        if (c == '"') {
            out += "\\\"";
        } else if (c < 0x20 || c == 0x7f) {
            char octal[8];
            std::snprintf(octal, sizeof octal, "\\%03o", c);
            out += octal;
        } else {
            out += static_cast<char>(c);
        }
    }
    if (!lenient) {
        out += quote;
    }
    return out;
}

Preprocessor::Preprocessor() {
    // The stack never moves: handlers keep a reference to the level they
    // read while deeper levels come and go above it.
    levels_.reserve(static_cast<std::size_t>(cpp_max_levels) + 1);
}
Preprocessor::~Preprocessor() = default;

bool Preprocessor::macro_defined(std::string_view name) const {
    const MacroEntry* entry = macros_.macro_lookup(name);
    return entry != nullptr && entry->kind != MacroKind::defined_operator;
}

// ---- diagnostics -------------------------------------------------------

void Preprocessor::macro_report(Severity level, MessageCode code, std::string_view argument) {
    report(level, code, argument);
}

const InputLevel* Preprocessor::innermost_file() const {
    for (auto it = levels_.rbegin(); it != levels_.rend(); ++it) {
        if (it->kind == LevelKind::file) {
            return &*it;
        }
    }
    return nullptr;
}

namespace {

// Warnings about what a compiler accepts from its own headers without a
// word: redefinitions and the liberties taken with directive lines.
bool quiet_in_system_header(MessageCode code) {
    static constexpr MessageCode codes[] = {msg::IDENREDEF, msg::INVALIEND, msg::STARTDIGI,
                                            msg::UNDEFININ};
    return std::find(std::begin(codes), std::end(codes), code) != std::end(codes);
}

}  // namespace

std::string_view Preprocessor::includer_of(std::string_view path) const {
    const auto found = includers_.find(path);
    return found != includers_.end() ? std::string_view(found->second) : std::string_view();
}

bool Preprocessor::is_system_file(std::string_view path) const {
    for (const std::string& directory : system_directories_) {
        if (directory.empty()) {
            continue;
        }
        std::string_view d = directory;
        while (d.size() > 1 && d.back() == '/') {
            d.remove_suffix(1);
        }
        if (path.size() > d.size() && path.starts_with(d) && path[d.size()] == '/') {
            return true;
        }
    }
    return false;
}

void Preprocessor::report(Severity level, MessageCode code, std::string_view argument) {
    std::string_view file;
    long line = 0;
    for (auto it = levels_.rbegin(); it != levels_.rend(); ++it) {
        if (it->kind == LevelKind::file && !it->file.empty()) {
            file = it->file;
            line = it->line;
            break;
        }
    }
    if (level == Severity::warning && quiet_in_system_header(code) && is_system_file(file)) {
        return;
    }
    if (directive_line_ >= 0) {
        line = directive_line_;
    }
    report_at(level, code, argument, file, line);
}

void Preprocessor::report_at(Severity level, MessageCode code, std::string_view argument,
                             std::string_view file, long line) {
    if (level == Severity::error) {
        ++errors_;
    }
    sink_->report(level, code, argument, file, line);
    if (level == Severity::fatal || level == Severity::internal) {
        fatal_ = true;
    }
}

// ---- input levels ------------------------------------------------------

InputLevel& Preprocessor::top() { return levels_.back(); }

std::string Preprocessor::spare_text(std::string_view text) {
    if (spare_texts_.empty()) {
        return std::string(text);
    }
    std::string spare = std::move(spare_texts_.back());
    spare_texts_.pop_back();
    spare.assign(text);
    return spare;
}

bool Preprocessor::push_level(LevelKind kind, std::string text) {
    if (levels_.size() > static_cast<std::size_t>(cpp_max_levels) - 1 ||
        (kind != LevelKind::file &&
         (level_bytes_ + text.size() > cpp_max_expansion_total ||
          pushed_bytes_ + text.size() >
              (lenient_ ? cpp_max_unprotected_rescanned_text : cpp_max_rescanned_text)))) {
        report(Severity::fatal, msg::NBRECURSI, "");
        return false;
    }
    if (kind != LevelKind::file) {
        level_bytes_ += text.size();
        pushed_bytes_ += text.size();
    }
    InputLevel level;
    level.kind = kind;
    level.text = std::move(text);
    level.conditional_depth = conditionals_.size();
    if (kind != LevelKind::file) {
        level.line_start = false;
    }
    if (kind == LevelKind::argument || kind == LevelKind::if_condition ||
        kind == LevelKind::directive_argument) {
        level.owns_output = true;
        if (outputs_.size() > 1) {
            held_output_bytes_ += outputs_.back().size();
        }
        outputs_.emplace_back();
        output_kinds_.push_back(kind);
    }
    levels_.push_back(std::move(level));
    if (kind != LevelKind::file) {
        boundary_ = true;
    }
    return true;
}

void Preprocessor::pop_level() {
    InputLevel& level = levels_.back();
    const LevelKind kind = level.kind;
    if (kind != LevelKind::file) {
        level_bytes_ -= std::min(level_bytes_, level.text.size());
    }
    if (level.disabled != nullptr) {
        level.disabled->kind = MacroKind::ordinary;
    }
    if (level.owns_output) {
        finished_output_ = std::move(outputs_.back());
        outputs_.pop_back();
        output_kinds_.pop_back();
        if (outputs_.size() > 1) {
            held_output_bytes_ -= std::min(held_output_bytes_, outputs_.back().size());
        }
    }
    if (kind == LevelKind::file && level.known_file >= 0) {
        KnownFile& known = known_files_[static_cast<std::size_t>(level.known_file)];
        if (!known.scanned) {
            known.scanned = true;
            known.guard = include_guard(level);
        }
        // The text is kept for the next "#include" of the file, unless that
        // one will not read it.
        if (!known.once && known.guard.empty() && !known.have_text) {
            known.text = std::move(level.text);
            known.have_text = true;
        }
    }
    // The text of a finished expansion leaves its room for the next one.
    if (kind != LevelKind::file && spare_texts_.size() < 16 && level.text.capacity() <= 4096) {
        spare_texts_.push_back(std::move(level.text));
    }
    levels_.pop_back();
    if (kind == LevelKind::file) {
        if (!levels_.empty() && levels_.back().kind == LevelKind::file) {
            resync_output();
        }
    } else {
        boundary_ = true;
    }
    if (kind == LevelKind::argument && !pending_.empty() && !fatal_) {
        PendingCall& call = *pending_.back();
        call.expanded[call.next].assign(trimmed(finished_output_, c_blanks));
        ++call.next;
        continue_substitution();
    }
}

// ---- output ------------------------------------------------------------

void Preprocessor::write_out(char c) {
    std::string& out = outputs_.back();
    if (boundary_) {
        if (c != ' ' && c != '\n' && !out.empty() && would_join(out.back(), c)) {
            out += ' ';
        }
        boundary_ = false;
    }
    out += c;
}

void Preprocessor::write_out(std::string_view text) {
    if (text.empty()) {
        return;
    }
    write_out(text[0]);
    outputs_.back().append(text.substr(1));
}

void Preprocessor::write_newlines(long count) {
    if (count <= 0) {
        return;
    }
    outputs_.back().append(static_cast<std::size_t>(count), '\n');
    boundary_ = false;
    if (outputs_.size() == 1) {
        out_line_ += count;
    }
}

// Brings the consumer of the output to the input position of the current
// file at a line start: a few newlines when it is slightly behind, a
// "#line" marker otherwise.
void Preprocessor::resync_output() {
    if (outputs_.size() != 1 || reading_definitions_ || levels_.empty()) {
        return;
    }
    const InputLevel& level = levels_.back();
    if (level.kind != LevelKind::file || level.file.empty()) {
        return;
    }
    long behind = level.line - out_line_;
    if (out_file_ == level.file && behind == 0) {
        return;
    }
    std::string& out = outputs_.back();
    if (out_file_ == level.file && behind > 0 && behind < cpp_marker_gap) {
        if (!out.empty() && out.back() != '\n') {
            // The current output line belongs to an earlier input line.
            out += '\n';
            ++out_line_;
            --behind;
        }
        write_newlines(behind);
        return;
    }
    std::size_t next = level.pos;
    while (next < level.text.size() && level.text[next] == '\n') {
        ++next;
    }
    if (level.text.compare(next, 5, "#line") == 0) {
        return;
    }
    if (!out.empty() && out.back() != '\n') {
        out += '\n';
    }
    out += "#line " + std::to_string(level.line) + " \"";
    out += level.file;
    out += "\"\n";
    out_line_ = level.line;
    out_file_ = level.file;
    boundary_ = false;
}

// ---- scanning ----------------------------------------------------------

void Preprocessor::scan(std::size_t stop) {
    while (levels_.size() > stop && !fatal_) {
        scan_step();
    }
}

void Preprocessor::copy_literal(InputLevel& level) {
    const std::string& t = level.text;
    std::size_t i = level.pos;
    const char quote = t[i++];
    const std::size_t begin = level.pos;
    bool closed = false;
    while (i < t.size()) {
        char c = t[i];
        if (c == '\\' && i + 1 < t.size()) {
            if (t[i + 1] == '\n' && level.kind == LevelKind::file) {
                ++level.line;
            }
            i += 2;
            continue;
        }
        if (c == quote) {
            ++i;
            closed = true;
            break;
        }
        if (c == '\n') {
            break;
        }
        ++i;
    }
    write_out(std::string_view(t).substr(begin, i - begin));
    level.pos = i;
    if (!closed) {
        report(Severity::warning, msg::UNTERSTRI, "");
    }
}

void Preprocessor::skip_block_comment(InputLevel& level) {
    const std::string& t = level.text;
    std::size_t i = level.pos + 2;
    long newlines = 0;
    bool closed = false;
    while (i < t.size()) {
        const char* star = static_cast<const char*>(std::memchr(t.data() + i, '*', t.size() - i));
        const std::size_t limit =
            star == nullptr ? t.size() : static_cast<std::size_t>(star - t.data());
        for (std::size_t k = i; k < limit; ++k) {
            if (t[k] == '\n') {
                ++newlines;
            }
        }
        if (star == nullptr) {
            i = t.size();
            break;
        }
        i = limit + 1;
        if (i < t.size() && t[i] == '/') {
            ++i;
            closed = true;
            break;
        }
    }
    level.pos = i;
    if (!lenient_) {
        write_out(' ');
    }
    if (newlines > 0) {
        if (level.kind == LevelKind::file) {
            level.line += newlines;
        }
        write_newlines(newlines);
    }
    if (!closed) {
        report(Severity::warning, msg::UNTERCOMM, "");
    }
}

void Preprocessor::scan_step() {
    InputLevel& level = top();
    if (level.pos >= level.text.size()) {
        pop_level();
        return;
    }
    if (level.kind == LevelKind::file) {
        if (!analysis_on_ && !forced_) {
            skip_analysis_off(level);
            return;
        }
        if (skipping_) {
            skip_conditional_text(level);
            return;
        }
    }
    const std::string& t = level.text;
    const std::size_t size = t.size();
    std::size_t i = level.pos;
    const unsigned char c = static_cast<unsigned char>(t[i]);
    const ScanClasses& classes = scan_classes();

    if (!classes.special[c]) {
        // A run of blanks and punctuation.
        std::size_t e = i;
        bool all_blank = true;
        while (e < size && !classes.special[static_cast<unsigned char>(t[e])]) {
            if (!is_horizontal_blank(static_cast<unsigned char>(t[e]))) {
                all_blank = false;
            }
            ++e;
        }
        if (!all_blank) {
            level.line_start = false;
        }
        write_out(std::string_view(t).substr(i, e - i));
        level.pos = e;
        return;
    }
    switch (c) {
        case '\n': {
            level.pos = i + 1;
            std::string& out = outputs_.back();
            out += '\n';
            boundary_ = false;
            if (level.kind == LevelKind::file) {
                ++level.line;
                level.line_start = true;
                if (outputs_.size() == 1) {
                    ++out_line_;
                    if (out_file_ == level.file && level.line > out_line_) {
                        resync_output();
                    }
                }
            }
            return;
        }
        case '\\':
            if (i + 1 < size && t[i + 1] == '\n') {
                level.pos = i + 2;
                if (level.kind == LevelKind::file) {
                    ++level.line;
                }
                return;
            }
            if (i + 2 < size && t[i + 1] == '\r' && t[i + 2] == '\n') {
                level.pos = i + 3;
                if (level.kind == LevelKind::file) {
                    ++level.line;
                }
                return;
            }
            level.line_start = false;
            write_out('\\');
            level.pos = i + 1;
            return;
        case '/':
            if (i + 1 < size && t[i + 1] == '/') {
                std::size_t e = t.find('\n', i);
                level.pos = e == std::string::npos ? size : e;
                write_out(' ');
                return;
            }
            if (i + 1 < size && t[i + 1] == '*') {
                skip_block_comment(level);
                return;
            }
            level.line_start = false;
            write_out('/');
            level.pos = i + 1;
            return;
        case '"':
        case '\'':
            level.line_start = false;
            copy_literal(level);
            return;
        case '#':
            if (level.kind == LevelKind::file && level.line_start) {
                directive(level);
                return;
            }
            write_out('#');
            level.pos = i + 1;
            return;
        case '.':
            level.line_start = false;
            if (i + 1 < size && is_digit(t[i + 1])) {
                std::size_t e = number_end(t, i + 1);
                write_out(std::string_view(t).substr(i, e - i));
                level.pos = e;
                return;
            }
            write_out('.');
            level.pos = i + 1;
            return;
        case no_expand_mark: {
            std::size_t b = i + 1;
            std::size_t e = b;
            while (e < size && is_identifier_char(static_cast<unsigned char>(t[e]))) {
                ++e;
            }
            handle_identifier(level, b, e, false);
            return;
        }
        default:
            break;
    }
    level.line_start = false;
    if (is_digit(static_cast<char>(c))) {
        std::size_t e = number_end(t, i + 1);
        write_out(std::string_view(t).substr(i, e - i));
        level.pos = e;
        return;
    }
    std::size_t e = i + 1;
    while (e < size && is_identifier_char(static_cast<unsigned char>(t[e]))) {
        ++e;
    }
    handle_identifier(level, i, e, true);
}

void Preprocessor::handle_identifier(InputLevel& level, std::size_t begin, std::size_t end,
                                     bool expandable) {
    std::string_view name = std::string_view(level.text).substr(begin, end - begin);
    level.pos = end;
    level.line_start = false;
    MacroEntry* entry = nullptr;
    if (expandable) {
        entry = macros_.macro_lookup(name);
    }
    if (entry == nullptr || entry->kind == MacroKind::disabled) {
        bool mark = !expandable || entry != nullptr;
        if (mark && output_kinds_.back() == LevelKind::argument) {
            write_out(name[0]);
            std::string& out = outputs_.back();
            out.back() = no_expand_mark;
            out.append(name);
        } else {
            write_out(name);
        }
        return;
    }
    macro_expand(*entry);
}

// Expands `text` on a level of its own and returns what it gave.
std::string Preprocessor::expand_text(std::string_view text, LevelKind kind) {
    std::size_t stop = levels_.size();
    if (!push_level(kind, spare_text(text))) {
        return {};
    }
    scan(stop);
    if (fatal_) {
        return {};
    }
    return without_marks(finished_output_);
}

// ---- macro expansion ---------------------------------------------------

void Preprocessor::macro_expand(MacroEntry& entry) {
    // Unprotected recursion (K&R mode) can branch without ever nesting
    // deeper than the stack allows; the work of one text is bounded too.
    if (levels_.size() > static_cast<std::size_t>(cpp_max_levels) - 1 ||
        ++expansions_ > (lenient_ ? cpp_max_unprotected_expansions : cpp_max_expansions) ||
        (outputs_.size() > 1 &&
         (outputs_.back().size() > cpp_max_expansion_text ||
          level_bytes_ + held_output_bytes_ + outputs_.back().size() > cpp_max_expansion_total))) {
        report(Severity::fatal, msg::NBRECURSI, entry.name);
        return;
    }
    if (entry.kind == MacroKind::defined_operator) {
        expand_defined();
        return;
    }
    if (entry.kind == MacroKind::feature_test) {
        expand_feature_test(entry);
        return;
    }
    if (entry.kind != MacroKind::ordinary) {
        expand_special(entry);
        return;
    }
    const MacroDefinition& d = *entry.definition;
    if (!d.function_like()) {
        if (d.body.empty()) {
            boundary_ = true;
            return;
        }
        if (push_level(LevelKind::macro, spare_text(d.body)) && !lenient_) {
            top().disabled = &entry;
            entry.kind = MacroKind::disabled;
        }
        return;
    }
    if (!find_call_open(d.open)) {
        write_out(entry.name);
        return;
    }
    std::unique_ptr<PendingCall> call;
    if (spare_calls_.empty()) {
        call = std::make_unique<PendingCall>();
    } else {
        call = std::move(spare_calls_.back());
        spare_calls_.pop_back();
        call->next = 0;
        call->bytes = 0;
    }
    call->macro = &entry;
    std::vector<std::string> args = std::move(spare_arguments_);
    args.clear();
    collect_arguments(d, args);
    if (fatal_) {
        return;
    }
    // Argument checks.
    std::size_t given = args.size();
    if (given == 1 && trimmed(args[0], c_blanks).empty()) {
        given = 0;
    }
    const std::size_t parameters = static_cast<std::size_t>(d.parameter_count);
    const bool variadic = d.variadic != VariadicForm::none;
    if (parameters == 0) {
        if (given > 0) {
            report(Severity::warning, msg::ARGTOMACR, entry.name);
        }
    } else if (given < parameters) {
        // Variable arguments may be left out altogether.
        bool only_variadic_missing = variadic && given + 1 == parameters && given > 0;
        if (only_variadic_missing || (variadic && parameters == 1)) {
        } else if (given == 0) {
            if (!(lenient_ && parameters == 1)) {
                report(Severity::warning, msg::NOARTOMAC, entry.name);
            }
        } else {
            report(Severity::warning, msg::NBARGMACR, entry.name);
        }
    } else if (given > parameters && !variadic) {
        report(Severity::warning, msg::TOMANYARG, entry.name);
    }
    if (given == 0) {
        args.clear();
    }
    call->raw.resize(parameters);
    for (std::size_t k = 0; k < parameters; ++k) {
        call->raw[k].assign(k < args.size() ? trimmed(args[k], c_blanks) : std::string_view());
    }
    if (variadic && parameters > 0 && args.size() > parameters) {
        // Joined as written, so that "#__VA_ARGS__" shows the blanks after
        // the commas.
        std::string joined = args[parameters - 1];
        for (std::size_t k = parameters; k < args.size(); ++k) {
            joined += ',';
            joined += args[k];
        }
        call->raw[parameters - 1] = std::string(trimmed(joined, c_blanks));
    }
    spare_arguments_ = std::move(args);
    if (variadic && parameters > 0 && call->raw[parameters - 1].size() > cpp_max_variadic_text) {
        report(Severity::fatal, msg::TOMANYARG, entry.name);
        return;
    }
    start_substitution(std::move(call));
}

bool Preprocessor::find_call_open(char open) {
    while (true) {
        InputLevel& level = top();
        const std::string& t = level.text;
        std::size_t i = level.pos;
        long newlines = 0;
        while (i < t.size()) {
            char c = t[i];
            if (is_horizontal_blank(static_cast<unsigned char>(c))) {
                ++i;
            } else if (c == '\n') {
                ++newlines;
                ++i;
            } else if (c == '\\' && i + 1 < t.size() && t[i + 1] == '\n') {
                ++newlines;
                i += 2;
            } else if (c == '/' && i + 1 < t.size() && t[i + 1] == '*') {
                std::size_t e = t.find("*/", i + 2);
                if (e == std::string::npos) {
                    return false;
                }
                newlines += std::count(t.begin() + static_cast<long>(i),
                                       t.begin() + static_cast<long>(e), '\n');
                i = e + 2;
            } else {
                break;
            }
        }
        if (i < t.size()) {
            if (t[i] != open) {
                return false;
            }
            level.pos = i + 1;
            if (level.kind == LevelKind::file) {
                level.line += newlines;
            }
            return true;
        }
        if (level.kind != LevelKind::macro) {
            return false;
        }
        pop_level();
    }
}

// Collects the arguments up to the closing character; false when the text
// ended first.
bool Preprocessor::collect_arguments(const MacroDefinition& d, std::vector<std::string>& args) {
    std::string current;
    int depth = 0;
    while (!fatal_) {
        InputLevel& level = top();
        const std::string& t = level.text;
        const bool file = level.kind == LevelKind::file;
        std::size_t i = level.pos;
        while (i < t.size()) {
            char c = t[i];
            if (c == '"' || c == '\'' || (c == '/' && i + 1 < t.size() && t[i + 1] == '*')) {
                // A literal is kept as it is, a comment becomes one blank;
                // the line ends inside count in a file.
                long newlines = 0;
                std::size_t b = i;
                if (c == '/') {
                    i = block_comment_end(t, i, newlines);
                    current += ' ';
                } else {
                    i = literal_on_line_end(t, i, &newlines);
                    current.append(t, b, i - b);
                }
                if (file) {
                    level.line += newlines;
                }
                continue;
            }
            if (c == '/' && i + 1 < t.size() && t[i + 1] == '/') {
                std::size_t e = t.find('\n', i);
                i = e == std::string::npos ? t.size() : e;
                continue;
            }
            if (c == '\\' && i + 1 < t.size() && t[i + 1] == '\n') {
                if (file) {
                    ++level.line;
                }
                i += 2;
                continue;
            }
            ++i;
            if (c == '\n') {
                if (file) {
                    ++level.line;
                }
                current += ' ';
            } else if (c == '(' || c == '[') {
                ++depth;
                current += c;
            } else if (c == d.close && depth == 0) {
                level.pos = i;
                args.push_back(std::move(current));
                return true;
            } else if (c == ')' || c == ']') {
                if (depth > 0) {
                    --depth;
                }
                current += c;
            } else if (c == ',' && depth == 0) {
                args.push_back(std::move(current));
                current.clear();
            } else {
                current += c;
            }
        }
        level.pos = i;
        if (level.kind != LevelKind::macro) {
            break;
        }
        pop_level();
        if (current.size() > cpp_max_expansion_text) {
            report(Severity::fatal, msg::NBRECURSI, "");
            return false;
        }
    }
    if (!fatal_) {
        report(Severity::warning, msg::ERRINLINE, "unterminated macro call");
    }
    args.push_back(std::move(current));
    return false;
}

void Preprocessor::start_substitution(std::unique_ptr<PendingCall> call) {
    const MacroDefinition& d = *call->macro->definition;
    const std::size_t n = call->raw.size();
    call->expanded.resize(n);
    for (std::string& expanded : call->expanded) {
        expanded.clear();
    }
    call->needed.assign(n, false);
    for (const SubstitutionPoint& p : d.points) {
        if (!p.stringise && !p.charise && !p.raw_before && !p.raw_after) {
            call->needed[static_cast<std::size_t>(p.parameter)] = true;
        }
    }
    std::size_t bytes = 0;
    for (const std::string& raw : call->raw) {
        bytes += raw.size();
    }
    if (level_bytes_ + held_output_bytes_ + pending_bytes_ + bytes > cpp_max_expansion_total) {
        report(Severity::fatal, msg::NBRECURSI, call->macro->name);
        return;
    }
    pending_bytes_ += bytes;
    call->bytes = bytes;
    pending_.push_back(std::move(call));
    continue_substitution();
}

// Starts the expansion of the next argument that needs one, or, when none
// is left, puts the body in.
void Preprocessor::continue_substitution() {
    PendingCall& call = *pending_.back();
    while (call.next < call.raw.size()) {
        if (call.needed[call.next] && !call.raw[call.next].empty()) {
            push_level(LevelKind::argument, spare_text(call.raw[call.next]));
            return;
        }
        ++call.next;
    }
    std::unique_ptr<PendingCall> done = std::move(pending_.back());
    pending_.pop_back();
    pending_bytes_ -= std::min(pending_bytes_, done->bytes);
    push_body(*done);
    spare_calls_.push_back(std::move(done));
}

void Preprocessor::push_body(PendingCall& call) {
    MacroEntry& entry = *call.macro;
    const MacroDefinition& d = *entry.definition;
    std::string out = spare_text();
    std::size_t at = 0;
    auto guarded_append = [&out](std::string_view piece, bool guard_left) {
        if (piece.empty()) {
            return;
        }
        if (guard_left && !out.empty() && would_join(out.back(), piece.front())) {
            out += ' ';
        }
        out.append(piece);
    };
    bool guard_next = false;  // the previous piece must not join the next literal
    for (const SubstitutionPoint& p : d.points) {
        std::string_view literal(d.body.data() + at, p.literal_length);
        if (guard_next && !literal.empty() && !out.empty() &&
            would_join(out.back(), literal.front())) {
            out += ' ';
        }
        out.append(literal);
        at += p.literal_length;
        const std::size_t k = static_cast<std::size_t>(p.parameter);
        if (p.stringise || p.charise) {
            out += stringise_argument(call.raw[k], p.stringise ? '"' : '\'', lenient_);
            guard_next = false;
        } else if (p.raw_before || p.raw_after) {
            std::string raw = without_marks(call.raw[k]);
            guarded_append(raw, !p.raw_before);
            guard_next = !p.raw_after;
        } else {
            guarded_append(call.expanded[k], true);
            guard_next = true;
        }
    }
    std::string_view rest(d.body.data() + at, d.body.size() - at);
    if (guard_next && !rest.empty() && !out.empty() && would_join(out.back(), rest.front())) {
        out += ' ';
    }
    out.append(rest);
    if (out.empty()) {
        boundary_ = true;
        return;
    }
    if (out.size() > cpp_max_expansion_text) {
        report(Severity::fatal, msg::NBRECURSI, entry.name);
        return;
    }
    if (push_level(LevelKind::macro, std::move(out)) && !lenient_) {
        top().disabled = &entry;
        entry.kind = MacroKind::disabled;
    }
}

void Preprocessor::expand_special(MacroEntry& entry) {
    char buffer[64];
    const InputLevel* file = innermost_file();
    auto local_time = [this]() -> const std::tm& {
        if (!have_time_) {
            std::time_t now = std::time(nullptr);
            localtime_r(&now, &time_);
            have_time_ = true;
        }
        return time_;
    };
    switch (entry.kind) {
        case MacroKind::line:
            if (file == nullptr) {
                report(Severity::warning, msg::FICINCONN, entry.name);
            }
            std::snprintf(buffer, sizeof buffer, "%ld", file != nullptr ? file->line : 0L);
            write_out(buffer);
            return;
        case MacroKind::file:
            if (file == nullptr) {
                report(Severity::warning, msg::FICINCONN, entry.name);
                write_out("\"\"");
                return;
            }
            write_out("\"" + std::string(file->file) + "\"");
            return;
        case MacroKind::base_file:
            if (levels_.empty() || levels_.front().kind != LevelKind::file) {
                report(Severity::warning, msg::FICINCONN, entry.name);
                write_out("\"\"");
                return;
            }
            write_out("\"" + std::string(levels_.front().file) + "\"");
            return;
        case MacroKind::include_level: {
            long files = std::count_if(levels_.begin(), levels_.end(), [](const InputLevel& l) {
                return l.kind == LevelKind::file;
            });
            if (files == 0) {
                report(Severity::warning, msg::FICINCONN, entry.name);
            }
            std::snprintf(buffer, sizeof buffer, "%ld", std::max(files - 1, 0L));
            write_out(buffer);
            return;
        }
        case MacroKind::date: {
            const std::tm& tm = local_time();
            std::snprintf(buffer, sizeof buffer, "\"%s %2d %4d\"", month_names[tm.tm_mon % 12],
                          tm.tm_mday, tm.tm_year + 1900);
            write_out(buffer);
            return;
        }
        case MacroKind::time: {
            const std::tm& tm = local_time();
            std::snprintf(buffer, sizeof buffer, "\"%02d:%02d:%02d\"", tm.tm_hour, tm.tm_min,
                          tm.tm_sec);
            write_out(buffer);
            return;
        }
        case MacroKind::constant:
            std::snprintf(buffer, sizeof buffer, "%ld", entry.value);
            write_out(buffer);
            return;
        default:
            report(Severity::fatal, msg::INVHASTYP, entry.name);
            return;
    }
}

// "defined X" or "defined ( X )" inside a condition.
void Preprocessor::expand_defined() {
    InputLevel& level = top();
    const std::string& t = level.text;
    std::size_t i = level.pos;
    auto skip = [&] {
        while (i < t.size() && is_horizontal_blank(static_cast<unsigned char>(t[i]))) {
            ++i;
        }
    };
    skip();
    bool parenthesised = i < t.size() && t[i] == '(';
    if (parenthesised) {
        ++i;
        skip();
    }
    if (i < t.size() && t[i] == no_expand_mark) {
        ++i;
    }
    std::size_t b = i;
    while (i < t.size() && is_identifier_char(static_cast<unsigned char>(t[i]))) {
        ++i;
    }
    bool ok = i > b && is_identifier_start(static_cast<unsigned char>(t[b]));
    std::string_view name = std::string_view(t).substr(b, i - b);
    if (ok && parenthesised) {
        skip();
        ok = i < t.size() && t[i] == ')';
        ++i;
    }
    if (!ok) {
        report(Severity::warning, msg::ERDEFINED, std::string_view(t).substr(level.pos));
        write_out(" 0 ");
        return;
    }
    write_out(macro_defined(name) ? " 1 " : " 0 ");
    level.pos = i;
}

// ---- feature-test operators -----------------------------------------------

namespace {

// An attribute is the same with or without the double underscores around
// it ("__packed__" is "packed"), also after a scope ("gnu::__packed__").
std::string attribute_key(std::string_view name) {
    std::size_t scope = name.rfind("::");
    std::string_view prefix =
        scope == std::string_view::npos ? std::string_view() : name.substr(0, scope + 2);
    std::string_view word = scope == std::string_view::npos ? name : name.substr(scope + 2);
    if (word.size() > 4 && word.starts_with("__") && word.ends_with("__")) {
        word = word.substr(2, word.size() - 4);
    }
    return std::string(prefix) + std::string(word);
}

bool is_attribute_test(FeatureTest test) {
    return test == FeatureTest::attribute || test == FeatureTest::c_attribute;
}

// The FeatureTest of an operator's name; false for another name.
bool feature_test_of(std::string_view name, FeatureTest& test) {
    static constexpr std::pair<std::string_view, FeatureTest> operators[] = {
        {"__has_include", FeatureTest::include},
        {"__has_include_next", FeatureTest::include_next},
        {"__has_builtin", FeatureTest::builtin},
        {"__has_attribute", FeatureTest::attribute},
        {"__has_c_attribute", FeatureTest::c_attribute},
        {"__has_feature", FeatureTest::feature}};
    for (const auto& [word, value] : operators) {
        if (word == name) {
            test = value;
            return true;
        }
    }
    return false;
}

}  // namespace

// "#pragma vexor feature_test OPERATOR [VALUE NAME...]": the operator
// exists; with a value, it answers the value for each name.
void Preprocessor::declare_feature_test(std::string_view rest) {
    auto next_word = [&rest]() {
        std::size_t b = 0;
        while (b < rest.size() && is_horizontal_blank(static_cast<unsigned char>(rest[b]))) {
            ++b;
        }
        std::size_t e = b;
        while (e < rest.size() && !is_horizontal_blank(static_cast<unsigned char>(rest[e])) &&
               rest[e] != '\n') {
            ++e;
        }
        std::string_view word = rest.substr(b, e - b);
        rest.remove_prefix(e);
        return word;
    };
    std::string_view name = next_word();
    FeatureTest test;
    if (!feature_test_of(name, test)) {
        report(Severity::warning, msg::SYNTAXERR,
               trimmed(std::string(name) + std::string(rest), c_blanks));
        return;
    }
    MacroEntry* entry = macros_.macro_lookup(name);
    if (entry == nullptr || entry->kind != MacroKind::feature_test) {
        macros_.macro_install(name, MacroKind::feature_test, static_cast<long>(test));
    }
    std::string_view value_text = next_word();
    if (value_text.empty()) {
        return;
    }
    long value = 0;
    for (char c : value_text) {
        if (c < '0' || c > '9' || value > 100000000L) {
            report(Severity::warning, msg::SYNTAXERR, value_text);
            return;
        }
        value = value * 10 + (c - '0');
    }
    auto& answers = feature_answers_[static_cast<std::size_t>(test)];
    for (std::string_view word = next_word(); !word.empty(); word = next_word()) {
        answers[is_attribute_test(test) ? attribute_key(word) : std::string(word)] = value;
    }
}

// "__has_include ( <name> )" and the others, read from the text after the
// operator's name. An include test is true when "#include" of the same
// name would find a file (the argument may be a macro that expands to a
// name); the others answer what the target's compiler answers.
void Preprocessor::expand_feature_test(const MacroEntry& entry) {
    const FeatureTest test = static_cast<FeatureTest>(entry.value);
    // The argument, in parentheses that may follow in the text around a
    // macro that expanded to the operator's name ("#define has_attr
    // __has_attribute" then "has_attr(x)").
    static const MacroDefinition one_argument = [] {
        MacroDefinition d;
        d.parameter_count = 1;
        d.open = '(';
        d.close = ')';
        return d;
    }();
    std::vector<std::string> arguments;
    if (!find_call_open('(') || !collect_arguments(one_argument, arguments) ||
        arguments.size() != 1) {
        if (fatal_) {
            return;
        }
        report(Severity::warning, msg::SYNTAXERR, entry.name);
        write_out(" 0 ");
        return;
    }
    std::string argument;
    for (char c : arguments.front()) {
        if (c != no_expand_mark) {
            argument += c;
        }
    }
    long answer = 0;
    std::string_view arg = trimmed(argument, c_blanks);
    if (test == FeatureTest::include || test == FeatureTest::include_next) {
        std::string_view name;
        std::string expanded;
        if (!include_name_of(arg, expanded, name)) {
            if (!fatal_) {
                report(Severity::warning, msg::ERINCLUDE, arg);
                write_out(" 0 ");
            }
            return;
        }
        int found_entry = -1;
        int found_file = -1;
        answer = find_include(name, test == FeatureTest::include_next, found_entry, found_file) ==
                         nullptr
                     ? 0
                     : 1;
    } else {
        std::string key;
        for (char c : arg) {
            if (!is_horizontal_blank(static_cast<unsigned char>(c))) {
                key += c;
            }
        }
        if (is_attribute_test(test)) {
            key = attribute_key(key);
        }
        const auto& answers = feature_answers_[static_cast<std::size_t>(test)];
        if (auto it = answers.find(key); it != answers.end()) {
            answer = it->second;
        } else if (is_attribute_test(test) && key.starts_with("gnu::")) {
            // A GNU attribute in its scoped spelling: known when the
            // attribute is.
            const auto& gnu = feature_answers_[static_cast<std::size_t>(FeatureTest::attribute)];
            if (auto g = gnu.find(key.substr(5)); g != gnu.end()) {
                answer = 1;
            }
        }
    }
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, " %ld ", answer);
    write_out(buffer);
}

}  // namespace vx
