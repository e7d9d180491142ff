// The directives of the preprocessor: the directive table, conditionals,
// includes, the "#pragma vexor" commands, "#line", "#error", "#warning",
// and the life of the state across a run (cpp_init, cpp_process_text,
// cpp_finish).
//
// A directive line is read whole first (line continuations joined,
// comments turned into blanks), and its physical lines are given back to
// the output as newlines, so that the text after it keeps its line numbers.
// Skipped text (a branch not taken, or everything while the analysis switch
// is off) is stepped over line by line; only directive lines are read.
#include "canalysis/cpp/preprocessor.h"

#include "canalysis/cpp/cpp_text.h"
#include "canalysis/cpp/if_evaluator.h"
#include "canalysis/types/target_model.h"
#include "support/text.h"

#include <dirent.h>

#include <algorithm>
#include <cerrno>
#include <array>
#include <cstdlib>
#include <optional>

namespace vx {

namespace {

enum class Directive {
    define_d,
    if_d,
    ifdef_d,
    ifndef_d,
    endif_d,
    else_d,
    elif_d,
    include_d,
    include_next_d,
    undef_d,
    pragma_d,
    warning_d,
    error_d,
    line_d
};

// The directive names, in the order of Directive.
constexpr std::array<std::string_view, 14> directive_names = {
    "define",  "if",           "ifdef", "ifndef", "endif",   "else",  "elif",
    "include", "include_next", "undef", "pragma", "warning", "error", "line"};

std::optional<Directive> find_directive(std::string_view name) {
    const auto* found = std::find(directive_names.begin(), directive_names.end(), name);
    if (found == directive_names.end()) {
        return std::nullopt;
    }
    return static_cast<Directive>(found - directive_names.begin());
}

// The commands of "#pragma vexor", in the order abbreviations are tried.
enum class PragmaCommand {
    incl_std,
    stop_analyse,
    start_analyse,
    sizeof_c,
    signof_c,
    pragma_c,
    type_modifier,
    feature_test,
    no_effect
};

struct PragmaRow {
    std::string_view word;
    PragmaCommand command;
};

constexpr std::array<PragmaRow, 28> pragma_table = {{
    {"incl_std", PragmaCommand::incl_std},
    {"stop_analyse", PragmaCommand::stop_analyse},
    {"start_analyse", PragmaCommand::start_analyse},
    {"sizeof", PragmaCommand::sizeof_c},
    {"signof", PragmaCommand::signof_c},
    {"pragma", PragmaCommand::pragma_c},
    {"type_modifier", PragmaCommand::type_modifier},
    {"crc_justify", PragmaCommand::no_effect},
    {"crc_justify_all", PragmaCommand::no_effect},
    {"crc_justify_everywhere", PragmaCommand::no_effect},
    {"stop_analyze", PragmaCommand::stop_analyse},
    {"start_analyze", PragmaCommand::start_analyse},
    {"insert", PragmaCommand::no_effect},
    {"prefix_call", PragmaCommand::no_effect},
    {"type_boolean", PragmaCommand::no_effect},
    {"ex_call", PragmaCommand::no_effect},
    {"exit_instr", PragmaCommand::no_effect},
    {"accept", PragmaCommand::no_effect},
    {"reduce", PragmaCommand::no_effect},
    {"fctreduce", PragmaCommand::no_effect},
    {"nothingbefore", PragmaCommand::no_effect},
    {"nointerpret", PragmaCommand::no_effect},
    {"directive", PragmaCommand::no_effect},
    {"stop_instr", PragmaCommand::no_effect},
    {"start_instr", PragmaCommand::no_effect},
    {"vxo_stub", PragmaCommand::no_effect},
    {"testing_tool_call_place", PragmaCommand::no_effect},
    // The standard definitions' answers of the feature-test operators.
    {"feature_test", PragmaCommand::feature_test},
}};

const PragmaRow* find_pragma(std::string_view word) {
    if (word.empty()) {
        return nullptr;
    }
    for (const PragmaRow& row : pragma_table) {
        if (row.word.substr(0, word.size()) == word) {
            return &row;
        }
    }
    return nullptr;
}

bool blank(char c) { return is_horizontal_blank(static_cast<unsigned char>(c)); }

// Splits "name rest" of a directive line (the text after "#").
void split_directive(std::string_view line, std::string_view& name, std::string_view& rest) {
    std::size_t i = 0;
    while (i < line.size() && blank(line[i])) {
        ++i;
    }
    std::size_t b = i;
    while (i < line.size() && is_identifier_char(static_cast<unsigned char>(line[i]))) {
        ++i;
    }
    name = line.substr(b, i - b);
    rest = line.substr(i);
}

// The command word of "#pragma vexor WORD ...", or nothing when the text
// after "#pragma" does not begin with "vexor".
bool vexor_pragma(std::string_view pragma_text, std::string_view& word, std::string_view& rest) {
    std::string_view t = trimmed(pragma_text, c_line_blanks);
    if (t.substr(0, 5) != "vexor" ||
        (t.size() > 5 && is_identifier_char(static_cast<unsigned char>(t[5])))) {
        return false;
    }
    std::size_t i = 5;
    while (i < t.size() && blank(t[i])) {
        ++i;
    }
    std::size_t b = i;
    while (i < t.size() && is_identifier_char(static_cast<unsigned char>(t[i]))) {
        ++i;
    }
    word = t.substr(b, i - b);
    rest = t.substr(i);
    return true;
}

std::string without_blanks(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (!blank(c)) {
            out += c;
        }
    }
    return out;
}

const char* conditional_name(ConditionalKind kind) {
    switch (kind) {
        case ConditionalKind::if_kind:
            return "if";
        case ConditionalKind::ifdef_kind:
            return "ifdef";
        case ConditionalKind::ifndef_kind:
            return "ifndef";
        case ConditionalKind::elif_kind:
            return "elif";
        case ConditionalKind::else_kind:
            return "else";
    }
    return "if";
}

std::string directory_of(std::string_view path) {
    std::size_t slash = path.rfind('/');
    if (slash == std::string_view::npos) {
        return ".";
    }
    if (slash == 0) {
        return "/";
    }
    return std::string(path.substr(0, slash));
}

constexpr std::string_view initialization_file = "*Initialization*";

}  // namespace

// Characters that need a look in directive lines and skipped lines.
struct LineSpecial {
    bool flags[256] = {};
    constexpr LineSpecial() {
        for (unsigned char c : {'\n', '\\', '/', '"', '\'', '\r'}) {
            flags[c] = true;
        }
    }
    constexpr bool operator[](unsigned char c) const { return flags[c]; }
};
constexpr LineSpecial line_special{};

// The environment of the "#if" evaluator: the macro table, the target's
// sizes, and the diagnostics at the directive's place.
class CppIfEnvironment : public IfEnvironment {
public:
    explicit CppIfEnvironment(Preprocessor& cpp) : cpp_(cpp) {}
    bool char_unsigned_macro() const override { return cpp_.macro_defined("__CHAR_UNSIGNED__"); }
    int size_of(std::string_view type_text) const override {
        return cpp_.target_ != nullptr ? cpp_.target_->size_of(type_text) : 0;
    }
    void warn(MessageCode code, std::string_view argument) const override {
        cpp_.report(Severity::warning, code, argument);
    }

private:
    Preprocessor& cpp_;
};

// ---- reading directive lines ---------------------------------------------

// Reads the logical line after the "#" at `level.pos`; the position ends
// after its newline. Returns the number of physical lines it took.
long Preprocessor::read_directive_line(InputLevel& level, std::string& line) {
    const std::string& t = level.text;
    std::size_t i = level.pos + 1;
    long lines = 0;
    line.clear();
    while (i < t.size()) {
        char c = t[i];
        if (c == '\n') {
            ++i;
            ++lines;
            break;
        }
        if (c == '\\' && i + 1 < t.size() && t[i + 1] == '\n') {
            i += 2;
            ++lines;
            continue;
        }
        if (c == '\\' && i + 2 < t.size() && t[i + 1] == '\r' && t[i + 2] == '\n') {
            i += 3;
            ++lines;
            continue;
        }
        if (c == '/' && i + 1 < t.size() && t[i + 1] == '*') {
            i = block_comment_end(t, i, lines);
            if (!lenient_) {
                line += ' ';
            }
            continue;
        }
        if (c == '/' && i + 1 < t.size() && t[i + 1] == '/') {
            std::size_t e = t.find('\n', i);
            i = e == std::string::npos ? t.size() : e;
            continue;
        }
        if (c == '"' || c == '\'') {
            std::size_t b = i;
            i = literal_on_line_end(t, i, nullptr);
            line.append(t, b, i - b);
            continue;
        }
        if (c == '\r' && i + 1 < t.size() && t[i + 1] == '\n') {
            ++i;
            continue;
        }
        std::size_t run = i + 1;
        while (run < t.size() && !line_special[static_cast<unsigned char>(t[run])]) {
            ++run;
        }
        line.append(t, i, run - i);
        i = run;
    }
    level.pos = i;
    level.line += lines;
    level.line_start = true;
    return lines;
}

namespace {

// The loan of a buffer for the length of a call: the call has the text (and
// its room) and gives it back at its end, whatever way it ends. A call made
// while the buffer is out gets an empty one and works the same.
class BufferLoan {
public:
    explicit BufferLoan(std::string& home) : home_(home), text_(std::move(home)) { text_.clear(); }
    ~BufferLoan() { home_ = std::move(text_); }
    BufferLoan(const BufferLoan&) = delete;
    BufferLoan& operator=(const BufferLoan&) = delete;
    std::string& text() { return text_; }

private:
    std::string& home_;
    std::string text_;
};

}  // namespace

void Preprocessor::directive(InputLevel& level) {
    directive_line_ = level.line;
    // A directive line is read into the room the last one left.
    BufferLoan loan(directive_buffer_);
    std::string& line = loan.text();
    long lines = read_directive_line(level, line);
    std::string_view name;
    std::string_view rest;
    split_directive(line, name, rest);
    std::optional<Directive> found = name.empty() ? std::nullopt : find_directive(name);
    if (!found && !trimmed(line, c_line_blanks).empty()) {
        // Not a directive of ours ("#ident" ...): ordinary text.
        write_out('#');
        outputs_.back().append(line);
    }
    if (found == Directive::error_d || found == Directive::warning_d) {
        write_out('#');
        outputs_.back().append(line);
    }
    if (found == Directive::pragma_d) {
        std::string_view word;
        std::string_view after;
        if (vexor_pragma(rest, word, after) && !word.empty() &&
            (std::string_view("sizeof").substr(0, word.size()) == word ||
             std::string_view("signof").substr(0, word.size()) == word)) {
            write_out('#');
            outputs_.back().append(line);
        }
    }
    write_newlines(lines);
    if (found) {
        run_directive(static_cast<int>(*found), rest);
    }
    directive_line_ = -1;
}

bool Preprocessor::defines_c11_keyword(std::string_view rest) const {
    // The C11 keywords are read by the analysis itself. A system header
    // defines them only for compilers older than C11 (newlib's
    // "#define _Atomic(T) struct { T volatile __val; }"), in branches the
    // target's compiler does not take; the analysis, which reads headers as
    // C of no particular revision, must not take them either.
    static constexpr std::string_view keywords[] = {"_Atomic", "_Alignas", "_Alignof", "_Noreturn",
                                                    "_Thread_local"};
    std::size_t start = 0;
    while (start < rest.size() && (rest[start] == ' ' || rest[start] == '\t')) ++start;
    std::size_t end = start;
    while (end < rest.size() && is_identifier_char(rest[end])) ++end;
    const std::string_view name = rest.substr(start, end - start);
    if (std::find(std::begin(keywords), std::end(keywords), name) == std::end(keywords)) {
        return false;
    }
    const InputLevel* file = innermost_file();
    return file != nullptr && !file->file.empty() && is_system_file(file->file);
}

void Preprocessor::run_directive(int which, std::string_view rest) {
    switch (static_cast<Directive>(which)) {
        case Directive::define_d:
            if (defines_c11_keyword(rest)) break;
            macros_.macro_define(rest, *this, lenient_);
            break;
        case Directive::undef_d:
            macros_.macro_undefine(rest, *this);
            break;
        case Directive::if_d:
            open_conditional(ConditionalKind::if_kind, evaluate_condition(rest));
            break;
        case Directive::ifdef_d:
            do_ifdef(rest, false);
            break;
        case Directive::ifndef_d:
            do_ifdef(rest, true);
            break;
        case Directive::else_d:
            do_else(false, rest);
            break;
        case Directive::elif_d:
            do_else(true, rest);
            break;
        case Directive::endif_d:
            do_endif();
            break;
        case Directive::include_d:
            do_include(rest, false);
            break;
        case Directive::include_next_d:
            do_include(rest, true);
            break;
        case Directive::pragma_d:
            do_pragma(rest);
            break;
        case Directive::warning_d:
            do_message("warning", rest);
            break;
        case Directive::error_d:
            do_message("error", rest);
            break;
        case Directive::line_d:
            do_line(rest);
            break;
    }
}

// ---- conditionals ------------------------------------------------------

bool Preprocessor::conditional_in_current_file() const {
    const InputLevel* file = innermost_file();
    std::size_t base = file != nullptr ? file->conditional_depth : 0;
    return conditionals_.size() > base;
}

void Preprocessor::open_conditional(ConditionalKind kind, bool taken) {
    if (fatal_) {
        return;
    }
    OpenConditional c;
    c.kind = kind;
    c.branches_taken = taken ? 1 : 0;
    c.line = directive_line_;
    const InputLevel* file = innermost_file();
    c.file = file != nullptr ? file->file : std::string_view();
    conditionals_.push_back(std::move(c));
    if (!taken) {
        skipping_ = true;
        skip_depth_ = 0;
    }
}

void Preprocessor::do_ifdef(std::string_view rest, bool negate) {
    const std::string_view name = negate ? "#ifndef" : "#ifdef";
    std::string_view arg = trimmed(rest, c_line_blanks);
    bool value = false;
    bool have_identifier = false;
    if (!arg.empty() && is_identifier_start(static_cast<unsigned char>(arg[0]))) {
        std::size_t e = 0;
        while (e < arg.size() && is_identifier_char(static_cast<unsigned char>(arg[e]))) {
            ++e;
        }
        have_identifier = true;
        value = macro_defined(arg.substr(0, e));
        if (e < arg.size() && !lenient_) {
            report(Severity::warning, msg::INVALIEND, name);
        }
    } else if (!arg.empty() && arg[0] >= '0' && arg[0] <= '9' && strict_) {
        report(Severity::warning, msg::STARTDIGI, name);
    } else if (!lenient_) {
        report(Severity::warning, arg.empty() ? msg::NOARGUMEN : msg::ARGPUNCTU, name);
    }
    if (!have_identifier) {
        value = false;
    }
    open_conditional(negate ? ConditionalKind::ifndef_kind : ConditionalKind::ifdef_kind,
                     negate ? !value : value);
}

bool Preprocessor::evaluate_condition(std::string_view rest) {
    std::string condition(rest);
    for (std::size_t at = condition.find("#machine("); at != std::string::npos;
         at = condition.find("#machine(", at)) {
        condition.replace(at, 9, " defined(");
    }
    for (std::size_t at = condition.find("#lint(on)"); at != std::string::npos;
         at = condition.find("#lint(on)", at)) {
        condition.replace(at, 9, "  (0)    ");
    }
    MacroEntry* previous = macros_.macro_lookup("defined");
    if (previous == nullptr) {
        macros_.macro_install("defined", MacroKind::defined_operator);
    }
    std::string expanded = expand_text(condition, LevelKind::if_condition);
    if (previous == nullptr) {
        macros_.remove_all("defined");
    }
    if (fatal_) {
        return false;
    }
    CppIfEnvironment environment(*this);
    return evaluate_if_expression(expanded, environment).truth();
}

void Preprocessor::report_match_line(const OpenConditional& c) {
    const InputLevel* file = innermost_file();
    std::string argument = " " + std::to_string(c.line);
    if (file == nullptr || file->file != c.file) {
        argument += " file ";
        argument += c.file;
    }
    report(Severity::info, msg::MATCHLINE, argument);
}

// "#else" or "#elif" met in a branch that is being read.
void Preprocessor::do_else(bool elif, std::string_view /*rest*/) {
    if (!conditional_in_current_file()) {
        report(Severity::warning, msg::NOCONDITI, elif ? "#elif" : "#else");
        return;
    }
    OpenConditional& c = conditionals_.back();
    if (c.kind == ConditionalKind::else_kind) {
        report(Severity::warning, msg::ELIFAELSE, elif ? "elif" : "else");
        report_match_line(c);
        return;
    }
    c.kind = elif ? ConditionalKind::elif_kind : ConditionalKind::else_kind;
    skipping_ = true;
    skip_depth_ = 0;
}

void Preprocessor::do_endif() {
    if (!conditional_in_current_file()) {
        report(Severity::warning, msg::UNBAENDIF, "");
        return;
    }
    conditionals_.pop_back();
}

// Steps over the text of a branch not taken up to the directive that ends
// it; nested conditionals are counted.
// Steps `i` over the rest of a line of text that is not a directive, up to
// its newline (not taken), over literals and comments as a branch not
// taken reads it. Gives the line ends passed inside comments and
// continuations, for the caller's line count.
namespace {

long skip_rest_of_line(const std::string& t, std::size_t& i) {
    long lines = 0;
    while (i < t.size() && t[i] != '\n') {
        char c = t[i];
        if (c == '\\' && i + 1 < t.size()) {
            if (t[i + 1] == '\n') {
                ++lines;
            }
            i += 2;
        } else if (c == '"' || c == '\'') {
            ++i;
            while (i < t.size() && t[i] != c && t[i] != '\n') {
                if (t[i] == '\\' && i + 1 < t.size() && t[i + 1] != '\n') {
                    ++i;
                }
                ++i;
            }
            if (i < t.size() && t[i] == c) {
                ++i;
            }
        } else if (c == '/' && i + 1 < t.size() && t[i + 1] == '*') {
            std::size_t e = t.find("*/", i + 2);
            std::size_t stop = e == std::string::npos ? t.size() : e + 2;
            lines += std::count(t.begin() + static_cast<long>(i),
                                t.begin() + static_cast<long>(stop), '\n');
            i = stop;
        } else if (c == '/' && i + 1 < t.size() && t[i + 1] == '/') {
            std::size_t e = t.find('\n', i);
            i = e == std::string::npos ? t.size() : e;
        } else {
            ++i;
            while (i < t.size() && !line_special[static_cast<unsigned char>(t[i])]) {
                ++i;
            }
        }
    }
    return lines;
}

// Steps over what may stand before the "#" of a directive on its line:
// blanks, block comments and line continuations. The lines stepped over
// are added to `*lines` when it is given.
std::size_t before_directive(const std::string& t, std::size_t i, long* lines) {
    long ignored = 0;
    long& counted = lines != nullptr ? *lines : ignored;
    while (i < t.size()) {
        if (blank(t[i])) {
            ++i;
        } else if (t[i] == '/' && i + 1 < t.size() && t[i + 1] == '*') {
            i = block_comment_end(t, i, counted);
        } else if (t[i] == '\\' && i + 1 < t.size() && t[i + 1] == '\n') {
            ++counted;
            i += 2;
        } else {
            break;
        }
    }
    return i;
}

}  // namespace

void Preprocessor::skip_conditional_text(InputLevel& level) {
    const std::string& t = level.text;
    std::string line;
    while (level.pos < t.size() && !fatal_) {
        std::size_t i = before_directive(t, level.pos, &level.line);
        level.pos = i;
        if (i < t.size() && t[i] == '#') {
            directive_line_ = level.line;
            read_directive_line(level, line);
            std::string_view name;
            std::string_view rest;
            split_directive(line, name, rest);
            bool ended = false;
            if (name == "if" || name == "ifdef" || name == "ifndef") {
                ++skip_depth_;
            } else if (name == "endif") {
                if (skip_depth_ > 0) {
                    --skip_depth_;
                } else {
                    if (!conditionals_.empty()) {
                        conditionals_.pop_back();
                    }
                    ended = true;
                }
            } else if ((name == "else" || name == "elif") && skip_depth_ == 0 &&
                       !conditionals_.empty()) {
                OpenConditional& c = conditionals_.back();
                if (c.kind == ConditionalKind::else_kind) {
                    report(Severity::warning, msg::ELIFAELSE, name);
                    report_match_line(c);
                } else if (name == "else") {
                    c.kind = ConditionalKind::else_kind;
                    if (c.branches_taken == 0) {
                        ++c.branches_taken;
                        ended = true;
                    }
                } else {
                    c.kind = ConditionalKind::elif_kind;
                    if (c.branches_taken == 0 && evaluate_condition(rest)) {
                        ++conditionals_.back().branches_taken;
                        ended = true;
                    }
                }
            }
            directive_line_ = -1;
            if (ended) {
                skipping_ = false;
                skip_depth_ = 0;
                resync_output();
                return;
            }
            continue;
        }
        // Any other line: up to its newline, stepping over literals and
        // comments.
        level.line += skip_rest_of_line(t, i);
        if (i < t.size()) {
            ++i;
            ++level.line;
        }
        level.pos = i;
    }
}

// ---- the analysis switch -------------------------------------------------

const PragmaAlias* Preprocessor::find_alias(std::string_view text) const {
    std::string wanted = without_blanks(text);
    for (const PragmaAlias& alias : aliases_) {
        if (without_blanks(alias.alias) == wanted) {
            return &alias;
        }
    }
    return nullptr;
}

// Whether a directive line (the text after "#") turns the analysis on.
bool Preprocessor::line_starts_analysis(std::string_view line) const {
    std::string current(line);
    for (int hops = 0; hops <= cpp_max_levels; ++hops) {
        std::string_view name;
        std::string_view rest;
        split_directive(current, name, rest);
        if (name != "pragma") {
            return false;
        }
        std::string_view word;
        std::string_view after;
        if (vexor_pragma(rest, word, after)) {
            const PragmaRow* row = find_pragma(word);
            return row != nullptr && row->command == PragmaCommand::start_analyse;
        }
        const PragmaAlias* alias = find_alias(rest);
        if (alias == nullptr) {
            return false;
        }
        std::string_view replacement = trimmed(alias->replacement, c_line_blanks);
        if (replacement.empty() || replacement[0] != '#') {
            return false;
        }
        current = std::string(replacement.substr(1));
    }
    return false;
}

void Preprocessor::skip_analysis_off(InputLevel& level) {
    const std::string& t = level.text;
    std::string line;
    while (level.pos < t.size() && !fatal_) {
        std::size_t i = level.pos;
        while (i < t.size() && blank(t[i])) {
            ++i;
        }
        level.pos = i;
        if (i < t.size() && t[i] == '#') {
            directive_line_ = level.line;
            read_directive_line(level, line);
            directive_line_ = -1;
            if (line_starts_analysis(line)) {
                analysis_on_ = true;
                resync_output();
                return;
            }
            continue;
        }
        while (i < t.size() && t[i] != '\n') {
            if (t[i] == '\\' && i + 1 < t.size() && t[i + 1] == '\n') {
                ++level.line;
                ++i;
            }
            ++i;
        }
        if (i < t.size()) {
            ++i;
            ++level.line;
        }
        level.pos = i;
    }
}

// ---- include -----------------------------------------------------------

// Whether the directory of the path may hold its name: the directory is
// read once, and a name it lacks is answered without a system call. An
// unreadable directory answers "look".
bool Preprocessor::may_exist(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::string directory =
        slash == std::string::npos ? std::string(".") : path.substr(0, slash == 0 ? 1 : slash);
    const std::string leaf = slash == std::string::npos ? path : path.substr(slash + 1);
    auto [it, inserted] = listings_.try_emplace(directory);
    DirectoryListing& listing = it->second;
    if (inserted) {
        if (DIR* stream = ::opendir(directory.c_str())) {
            listing.known = true;
            while (const dirent* entry = ::readdir(stream)) {
                listing.names.emplace(entry->d_name);
            }
            ::closedir(stream);
        } else if (errno == ENOENT || errno == ENOTDIR) {
            listing.known = true;  // no such directory: nothing in it
        }
    }
    return !listing.known || listing.names.count(leaf) != 0;
}

// The file at a candidate path of the search: its index among the known
// files, or -1 when there is none there (or it is refused, with the reason
// in `refusal`). The answer is kept for the run: the next search that
// passes by the same path does not look again.
int Preprocessor::probe_file(const std::string& path, InputRefusal& refusal) {
    if (auto it = probes_.find(path); it != probes_.end()) {
        return it->second;
    }
    if (!may_exist(path)) {
        probes_.emplace(path, -1);
        return -1;
    }
    std::string text;
    FileIdentity identity;
    if (!read_whole_file(path, text, files_, &refusal, &identity)) {
        if (!refusal.code) {
            probes_.emplace(path, -1);
        }
        return -1;
    }
    ++files_read_;
    int index = -1;
    if (identity.exists) {
        if (auto it = file_ids_.find({identity.device, identity.inode}); it != file_ids_.end()) {
            index = it->second;
        }
    }
    if (index < 0) {
        index = static_cast<int>(known_files_.size());
        known_files_.emplace_back();
        known_files_.back().identity = identity;
        if (identity.exists) {
            file_ids_.emplace(std::make_pair(identity.device, identity.inode), index);
        }
    }
    KnownFile& known = known_files_[static_cast<std::size_t>(index)];
    if (!known.have_text) {
        known.text = prepare_input(text);
        known.have_text = true;
    }
    probes_.emplace(path, index);
    return index;
}

// The prepared text of a known file, taken from the cache when it is
// there, else read again from `path`. False (reported) when it cannot be.
bool Preprocessor::take_file_text(int file, std::string_view path, std::string& text) {
    KnownFile& known = known_files_[static_cast<std::size_t>(file)];
    if (known.have_text) {
        text = std::move(known.text);
        known.text = std::string();
        known.have_text = false;
        return true;
    }
    std::string raw;
    InputRefusal refusal;
    if (!read_whole_file(std::string(path), raw, files_, &refusal)) {
        report(Severity::fatal, refusal.message(), refusal.message_argument(path));
        return false;
    }
    ++files_read_;
    text = prepare_input(raw);
    return true;
}

void Preprocessor::forget_files() {
    probes_.clear();
    path_answers_.clear();
    listings_.clear();
    known_files_.clear();
    file_ids_.clear();
    for (InputLevel& level : levels_) {
        level.known_file = -1;
    }
}

const InternedName* Preprocessor::find_include(std::string_view name, bool next, int& entry,
                                               int& file) {
    const InputLevel* current = innermost_file();
    int start = 0;
    file = -1;
    if (next && current != nullptr && current->search_entry >= 0) {
        start = current->search_entry + 1;
    } else {
        std::string as_written(name);
        InputRefusal refusal;
        file = probe_file(as_written, refusal);
        if (file >= 0) {
            entry = -1;
            return &file_names_.intern(as_written);
        }
        if (refusal.code) {
            report(Severity::fatal, *refusal.code, refusal.argument);
            return nullptr;
        }
    }
    if (!name.empty() && name[0] == '/') {
        return nullptr;
    }
    const int path_entries = static_cast<int>(search_path_.size());
    const std::uint64_t key =
        std::uint64_t{file_names_.intern(name).id} << 32 | static_cast<std::uint32_t>(start);
    auto answer = path_answers_.find(key);
    if (answer != path_answers_.end()) {
        if (answer->second.entry >= 0) {
            entry = answer->second.entry;
            file = answer->second.file;
            return answer->second.path;
        }
        start = path_entries;  // none of the path has it
    }
    for (int k = start; k <= path_entries; ++k) {
        if (k == path_entries && answer == path_answers_.end()) {
            path_answers_.emplace(key, PathAnswer{});
        }
        std::string directory;
        if (k < path_entries) {
            directory = search_path_[static_cast<std::size_t>(k)];
        } else if (current != nullptr && !current->file.empty() && !next) {
            // The directory of the including file, for this search only;
            // not for "#include_next", which would find the file itself.
            directory = directory_of(current->file);
        }
        if (directory.empty()) {
            continue;
        }
        std::string path = directory;
        if (path.back() != '/') {
            path += '/';
        }
        path.append(name);
        InputRefusal refusal;
        file = probe_file(path, refusal);
        if (file >= 0) {
            entry = k;
            const InternedName* kept = &file_names_.intern(path);
            if (k < path_entries) {
                path_answers_.emplace(key, PathAnswer{k, file, kept});
            }
            return kept;
        }
        if (refusal.code) {
            // Found, but refused: the search ends here, with the reason.
            report(Severity::fatal, *refusal.code, refusal.argument);
            return nullptr;
        }
    }
    return nullptr;
}

namespace {

// Steps over blanks, line continuations and comments from `i`; the end of
// the text when a comment is not closed.
std::size_t past_blanks_and_comments(const std::string& t, std::size_t i, bool& unterminated) {
    while (i < t.size()) {
        if (blank(t[i]) || t[i] == '\n') {
            ++i;
        } else if (t[i] == '\\' && i + 1 < t.size() && t[i + 1] == '\n') {
            i += 2;
        } else if (t[i] == '/' && i + 1 < t.size() && t[i + 1] == '*') {
            std::size_t e = t.find("*/", i + 2);
            if (e == std::string::npos) {
                unterminated = true;
                return t.size();
            }
            i = e + 2;
        } else if (t[i] == '/' && i + 1 < t.size() && t[i + 1] == '/') {
            std::size_t e = t.find('\n', i);
            i = e == std::string::npos ? t.size() : e;
        } else {
            break;
        }
    }
    return i;
}

}  // namespace

// The guard of a file read to its end: the X of an "#ifndef X" that is its
// first significant line and whose "#endif" is its last, with no "#else"
// or "#elif" of its own; empty when there is none. Lines are told apart as
// when a branch not taken is skipped, since that is what a new reading
// with X defined would do. The level's position is used up.
std::string Preprocessor::include_guard(InputLevel& level) {
    const std::string& t = level.text;
    bool unterminated = false;
    level.pos = past_blanks_and_comments(t, 0, unterminated);
    if (unterminated || level.pos >= t.size() || t[level.pos] != '#') {
        return {};
    }
    std::string line;
    read_directive_line(level, line);
    std::string_view name;
    std::string_view rest;
    split_directive(line, name, rest);
    std::string_view guard = trimmed(rest, c_line_blanks);
    if (name != "ifndef" || guard.empty() ||
        !is_identifier_start(static_cast<unsigned char>(guard[0]))) {
        return {};
    }
    for (char c : guard) {
        if (!is_identifier_char(static_cast<unsigned char>(c))) {
            return {};
        }
    }
    const std::string macro(guard);
    int depth = 0;
    while (level.pos < t.size()) {
        std::size_t i = before_directive(t, level.pos, nullptr);
        level.pos = i;
        if (i < t.size() && t[i] == '#') {
            read_directive_line(level, line);
            split_directive(line, name, rest);
            if (name == "if" || name == "ifdef" || name == "ifndef") {
                ++depth;
            } else if (name == "endif") {
                if (depth == 0) {
                    i = past_blanks_and_comments(t, level.pos, unterminated);
                    return i == t.size() && !unterminated ? macro : std::string();
                }
                --depth;
            } else if ((name == "else" || name == "elif") && depth == 0) {
                return {};
            }
            continue;
        }
        // Any other line: up to its newline, as a skipped branch reads it.
        skip_rest_of_line(t, i);
        level.pos = i < t.size() ? i + 1 : i;
    }
    return {};
}

bool Preprocessor::include_name_of(std::string_view argument, std::string& expanded,
                                   std::string_view& name) {
    if (include_file_name(argument, name)) {
        return true;
    }
    expanded = expand_text(argument, LevelKind::directive_argument);
    return !fatal_ && include_file_name(trimmed(expanded, c_line_blanks), name);
}

void Preprocessor::do_include(std::string_view rest, bool next) {
    std::string_view name;
    std::string expanded;
    if (!include_name_of(trimmed(rest, c_line_blanks), expanded, name)) {
        if (!fatal_) {
            report(Severity::warning, msg::ERINCLUDE, trimmed(rest, c_line_blanks));
        }
        return;
    }
    int entry = -1;
    int file = -1;
    const InternedName* found = find_include(name, next, entry, file);
    if (fatal_) {
        return;
    }
    if (found == nullptr) {
        report(Severity::fatal, msg::IMPOUVFIC, name);
        return;
    }
    const std::string_view path = found->text;
    if (included_seen_.size() <= found->id) {
        included_seen_.resize(file_names_.size(), false);
    }
    if (!included_seen_[found->id]) {
        included_seen_[found->id] = true;
        included_.insert(included_.begin(), std::string(path));
        for (auto level = levels_.rbegin(); level != levels_.rend(); ++level) {
            if (level->kind == LevelKind::file) {
                includers_.emplace(std::string(path), std::string(level->file));
                break;
            }
        }
    }
    const KnownFile& known = known_files_[static_cast<std::size_t>(file)];
    if (known.once || (known.scanned && !known.guard.empty() && macro_defined(known.guard))) {
        // Reading it again would give nothing.
        ++includes_skipped_;
        return;
    }
    std::string text;
    if (!take_file_text(file, path, text)) {
        return;
    }
    if (!push_level(LevelKind::file, std::move(text))) {
        return;
    }
    InputLevel& level = top();
    level.file = path;
    level.line = 1;
    level.search_entry = entry;
    level.known_file = file;
    resync_output();
}

// ---- pragmas -----------------------------------------------------------

void Preprocessor::do_pragma(std::string_view rest) {
    std::string_view word;
    std::string_view after;
    if (trimmed(rest, c_line_blanks) == "once") {
        // The file is read once in the run; an alias may still give the
        // line a meaning of its own.
        const InputLevel* file = innermost_file();
        if (file != nullptr && file->known_file >= 0) {
            known_files_[static_cast<std::size_t>(file->known_file)].once = true;
        }
    }
    if (vexor_pragma(rest, word, after)) {
        do_vexor_pragma(word, after);
        return;
    }
    // Another pragma: an alias of ours, or nothing to do.
    const PragmaAlias* alias = find_alias(rest);
    std::string current;
    for (int hops = 0; alias != nullptr; ++hops) {
        if (hops >= cpp_max_levels) {
            report(Severity::fatal, msg::NBRECURSI, alias->alias);
            return;
        }
        std::string_view replacement = trimmed(alias->replacement, c_line_blanks);
        if (replacement.empty() || replacement[0] != '#') {
            return;
        }
        current = std::string(replacement.substr(1));
        std::string_view name;
        std::string_view body;
        split_directive(current, name, body);
        std::optional<Directive> found = find_directive(name);
        if (!found) {
            return;
        }
        if (*found != Directive::pragma_d) {
            run_directive(static_cast<int>(*found), body);
            return;
        }
        if (vexor_pragma(body, word, after)) {
            do_vexor_pragma(word, after);
            return;
        }
        alias = find_alias(body);
    }
}

void Preprocessor::do_vexor_pragma(std::string_view word, std::string_view rest) {
    const PragmaRow* row = find_pragma(word);
    if (row == nullptr) {
        report(Severity::warning, msg::PRAGMAINC, word);
        return;
    }
    switch (row->command) {
        case PragmaCommand::incl_std: {
            bool any = false;
            std::string item;
            auto flush = [&] {
                if (!item.empty()) {
                    longest_directory_ = std::max(longest_directory_, item.size());
                    search_path_.push_back(item);
                    system_directories_.push_back(item);
                    path_answers_.clear();  // a name not found may be there now
                    item.clear();
                    any = true;
                }
            };
            for (char c : rest) {
                if (c == ',' || blank(c)) {
                    flush();
                } else if (c != '"') {
                    item += c;
                }
            }
            flush();
            if (!any) {
                report(Severity::warning, msg::SYNTAXERR, "empty pragma vexor incl_std");
            }
            return;
        }
        case PragmaCommand::feature_test:
            declare_feature_test(rest);
            return;
        case PragmaCommand::stop_analyse:
            analysis_on_ = false;
            return;
        case PragmaCommand::start_analyse:
            analysis_on_ = true;
            return;
        case PragmaCommand::sizeof_c:
        case PragmaCommand::signof_c:
        case PragmaCommand::no_effect:
            return;
        case PragmaCommand::pragma_c: {
            std::string_view t = trimmed(rest, c_line_blanks);
            std::string alias;
            std::size_t i = 0;
            if (!t.empty() && t[0] == '"') {
                std::size_t close = t.find('"', 1);
                if (close == std::string_view::npos) {
                    report(Severity::warning, msg::SYNTAXERR, t);
                    return;
                }
                alias = std::string(t.substr(1, close - 1));
                i = close + 1;
                while (i < t.size() && blank(t[i])) {
                    ++i;
                }
            } else {
                std::size_t equal = t.find('=');
                alias = std::string(
                    trimmed(t.substr(0, equal == std::string_view::npos ? t.size() : equal),
                            c_line_blanks));
                i = equal == std::string_view::npos ? t.size() : equal;
            }
            if (i >= t.size() || t[i] != '=' || alias.empty()) {
                report(Severity::warning, msg::SYNTAXERR, t);
                return;
            }
            std::string_view value = trimmed(t.substr(i + 1), c_line_blanks);
            std::string replacement;
            if (!value.empty() && value[0] == '"') {
                std::size_t close = value.find('"', 1);
                replacement = std::string(value.substr(
                    1, close == std::string_view::npos ? std::string_view::npos : close - 1));
            } else {
                replacement = std::string(value);
            }
            for (PragmaAlias& existing : aliases_) {
                if (existing.alias == alias) {
                    if (existing.replacement != replacement) {
                        existing.replacement = replacement;
                    }
                    return;
                }
            }
            aliases_.push_back(PragmaAlias{alias, replacement});
            return;
        }
        case PragmaCommand::type_modifier: {
            std::string_view t = trimmed(rest, c_line_blanks);
            std::string_view modifier;
            if (!t.empty() && t[0] == '=') {
                std::string_view w = trimmed(t.substr(1), c_line_blanks);
                std::size_t e = 0;
                while (e < w.size() && is_identifier_char(static_cast<unsigned char>(w[e]))) {
                    ++e;
                }
                modifier = w.substr(0, e);
            }
            if (modifier.empty()) {
                report(Severity::warning, msg::TYPMODINC, t);
                return;
            }
            if (std::find(type_modifiers_.begin(), type_modifiers_.end(), modifier) ==
                type_modifiers_.end()) {
                type_modifiers_.emplace_back(modifier);
            }
            return;
        }
    }
}

// ---- "#line", "#error", "#warning" ----------------------------------------

void Preprocessor::do_line(std::string_view rest) {
    std::string_view t = trimmed(rest, c_line_blanks);
    std::size_t e = 0;
    long number = 0;
    while (e < t.size() && t[e] >= '0' && t[e] <= '9') {
        if (number < 100000000L) {
            number = number * 10 + (t[e] - '0');
        }
        ++e;
    }
    if (e == 0 || number == 0) {
        return;
    }
    InputLevel* file = levels_.empty() ? nullptr : &levels_.back();
    if (file == nullptr || file->kind != LevelKind::file) {
        return;
    }
    std::string_view after = trimmed(t.substr(e), c_line_blanks);
    std::size_t word_end = 0;
    bool quoted = !after.empty() && after[0] == '"';
    if (quoted) {
        std::size_t close = after.find('"', 1);
        word_end = close == std::string_view::npos ? after.size() : close + 1;
    } else {
        while (word_end < after.size() && !blank(after[word_end])) {
            ++word_end;
        }
    }
    std::string word(after.substr(0, word_end));
    std::replace(word.begin(), word.end(), '"', ' ');
    word = std::string(trimmed(word, c_line_blanks));
    // The directive's newline is read: the next line has the number given.
    file->line = number;
    if (!word.empty()) {
        file->file = file_name(word);
    }
    resync_output();
}

void Preprocessor::do_message(std::string_view name, std::string_view rest) {
    std::string text = "#" + std::string(name) + " " + std::string(trimmed(rest, c_line_blanks));
    if (text.size() > cpp_max_message_text) {
        text.resize(cpp_max_message_text);
    }
    report(Severity::warning, msg::WARNERR, text);
}

// ---- the state across a run ----------------------------------------------

void Preprocessor::init(const CppInit& init, bool first_time) {
    strict_ = init.strict;
    lenient_ = init.lenient;
    script_language_ = init.script_language;
    if (!first_time) {
        return;
    }
    initialised_ = true;
    forget_files();
    search_path_.clear();
    for (const std::string& directory : init.include_dirs) {
        search_path_.push_back(directory);
    }
    if (init.runtime_package) {
        search_path_.push_back(*init.runtime_package + "/lib");
    }
    if (init.add_usr_include) {
        search_path_.push_back("/usr/include");
        search_path_.push_back("/usr/local/include");
    }
    for (const std::string& directory : search_path_) {
        longest_directory_ = std::max(longest_directory_, directory.size());
    }

    // The predefined macros, in their order.
    levels_.clear();
    outputs_.assign(1, std::string());
    output_kinds_.assign(1, LevelKind::file);
    reading_definitions_ = true;
    push_level(LevelKind::file, std::string());
    top().file = file_name(initialization_file);
    for (const char* definition : {"VXL_LINUX 1", "USE_VXU 1", "VXL_CPLUSPLUS_LANGUAGE 0"}) {
        macros_.macro_define(definition, *this, lenient_);
    }
    macros_.macro_install("__LINE__", MacroKind::line);
    macros_.macro_install("__DATE__", MacroKind::date);
    macros_.macro_install("__FILE__", MacroKind::file);
    macros_.macro_install("__BASE_FILE__", MacroKind::base_file);
    macros_.macro_install("__INCLUDE_LEVEL__", MacroKind::include_level);
    macros_.macro_install("__TIME__", MacroKind::time);
    // The include tests are answered by the search path itself; the other
    // operators exist when the standard definitions declare them.
    macros_.macro_install("__has_include", MacroKind::feature_test,
                          static_cast<long>(FeatureTest::include));
    macros_.macro_install("__has_include_next", MacroKind::feature_test,
                          static_cast<long>(FeatureTest::include_next));
    if (!lenient_) {
        macros_.macro_install("__STDC__", MacroKind::constant, 0);
    }
    for (const std::string& definition : init.definitions) {
        macro_define_option(*this, definition);
    }
    levels_.clear();
    outputs_.clear();
    output_kinds_.clear();
    reading_definitions_ = false;

    if (!init.main_file.empty() && !fatal_) {
        std::string text;
        InputRefusal refusal;
        if (!read_whole_file(init.main_file, text, files_, &refusal)) {
            report(Severity::fatal, refusal.message(), refusal.message_argument(init.main_file));
            return;
        }
        std::string ignored;
        process_text(text, false, init.main_file, 0, ignored, *sink_);
    }
}

int Preprocessor::process_text(std::string_view text, bool forced_analysis, std::string_view file,
                               long first_line, std::string& output, DiagnosticSink& sink) {
    // The text's messages go to the caller's sink; the sink of the
    // preprocessor's other work is back in place when the text is done.
    struct SinkRestore {
        DiagnosticSink*& slot;
        DiagnosticSink* outer;
        ~SinkRestore() { slot = outer; }
    } restore{sink_, sink_};
    sink_ = &sink;
    errors_ = 0;
    expansions_ = 0;
    level_bytes_ = 0;
    held_output_bytes_ = 0;
    pending_bytes_ = 0;
    pushed_bytes_ = 0;
    fatal_ = false;
    forced_ = forced_analysis;
    levels_.clear();
    pending_.clear();
    outputs_.assign(1, std::string());
    output_kinds_.assign(1, LevelKind::file);
    out_line_ = 0;
    out_file_ = {};
    if (push_level(LevelKind::file, prepare_input(text))) {
        InputLevel& level = top();
        level.file = file_name(file);
        level.line = first_line + 1;
        // Conditionals may span calls: every open one belongs to this text.
        level.conditional_depth = 0;
        resync_output();
        scan(0);
    }
    if (fatal_) {
        // Give the macros of the abandoned levels back.
        while (!levels_.empty()) {
            if (levels_.back().disabled != nullptr) {
                levels_.back().disabled->kind = MacroKind::ordinary;
            }
            levels_.pop_back();
        }
        pending_.clear();
    }
    output = outputs_.empty() ? std::string() : std::move(outputs_.front());
    outputs_.clear();
    output_kinds_.clear();
    forced_ = false;
    directive_line_ = -1;
    return errors_;
}

void Preprocessor::finish(bool release_search_path) {
    for (auto it = conditionals_.rbegin(); it != conditionals_.rend(); ++it) {
        report_at(Severity::warning, msg::UNTERCOND, conditional_name(it->kind), it->file,
                  it->line);
    }
    conditionals_.clear();
    skipping_ = false;
    skip_depth_ = 0;
    macros_.undefine_ordinary();
    type_modifiers_.clear();
    // With the macros gone, the guards of the files read mean nothing.
    forget_files();
    if (release_search_path) {
        search_path_.erase(std::remove_if(search_path_.begin(), search_path_.end(),
                                          [](const std::string& d) {
                                              return d != "/usr/include" &&
                                                     d != "/usr/local/include";
                                          }),
                           search_path_.end());
    }
}

template <typename Action>
void Preprocessor::as_initialization(Action action) {
    const bool outside = levels_.empty();
    if (outside) {
        outputs_.assign(1, std::string());
        output_kinds_.assign(1, LevelKind::file);
        reading_definitions_ = true;
        push_level(LevelKind::file, std::string());
        top().file = file_name(initialization_file);
    }
    action();
    if (outside) {
        levels_.clear();
        outputs_.clear();
        output_kinds_.clear();
        reading_definitions_ = false;
    }
}

void Preprocessor::define_option(std::string_view definition) {
    as_initialization([&] { macros_.macro_define(definition, *this, lenient_); });
}

void Preprocessor::define_option_malformed(std::string_view text) {
    as_initialization([&] { report(Severity::warning, msg::MALFOROPT, "-D" + std::string(text)); });
}

void cpp_init(Preprocessor& cpp, const CppInit& init, bool first_time) {
    cpp.init(init, first_time);
}

int cpp_process_text(Preprocessor& cpp, std::string_view text, bool forced_analysis,
                     std::string_view file, long first_line, std::string& output) {
    return cpp.process_text(text, forced_analysis, file, first_line, output, cpp.sink());
}

int cpp_process_text(Preprocessor& cpp, std::string_view text, bool forced_analysis,
                     std::string_view file, long first_line, std::string& output,
                     DiagnosticSink& sink) {
    return cpp.process_text(text, forced_analysis, file, first_line, output, sink);
}

void cpp_finish(Preprocessor& cpp, bool release_search_path) { cpp.finish(release_search_path); }

void macro_define_option(Preprocessor& cpp, std::string_view text) {
    std::size_t e = 0;
    while (e < text.size() && is_identifier_char(static_cast<unsigned char>(text[e]))) {
        ++e;
    }
    std::string definition;
    if (e > 0 && e == text.size()) {
        definition = std::string(text) + " 1";
    } else if (e > 0 && text[e] == '=') {
        definition = std::string(text.substr(0, e)) + " ";
        std::string_view value = text.substr(e + 1);
        for (std::size_t i = 0; i < value.size(); ++i) {
            if (value[i] == '\\' && i + 1 < value.size() && value[i + 1] == '\n') {
                ++i;
                continue;
            }
            definition += value[i];
        }
    } else {
        cpp.define_option_malformed(text);
        return;
    }
    cpp.define_option(definition);
}

}  // namespace vx
