// The C preprocessor of the analysis.
//
// It turns a text (a header, a fragment of C written in a script, the
// standard-definitions file) into preprocessed text: directives are
// obeyed, conditionals select their branches, includes are read from the
// search path, macros are expanded, comments become blanks, and "#line"
// markers keep the positions of the source files for the declaration
// parser. The state lives for the whole run in one Preprocessor object: a
// macro defined in one fragment is known in every later one, and a
// conditional opened in one fragment may be closed in a later one.
//
// Input is a stack of up to 2000 levels kept as data: one level per file
// being read and one per text being rescanned (a macro body, an argument
// being expanded, a directive argument, an "#if" condition). Nothing
// recurses in the C++ stack on the depth of the input.
#pragma once

#include "canalysis/cpp/cpp_diagnostics.h"
#include "canalysis/cpp/macro_table.h"
#include "diag/file_guard.h"

#include <cstddef>
#include <ctime>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

namespace vx {

class TargetModel;
struct InputRefusal;

// Nesting of input levels: more than this many open levels is fatal.
inline constexpr int cpp_max_levels = 1999;
// Macro expansions within one cpp_process_text call, and the text of one
// expansion: beyond them the nesting is reported as too deep (an
// unprotected macro in K&R mode can recurse without nesting deeper, and
// arguments used twice double the text at every level).
inline constexpr long cpp_max_expansions = 1000000;
// In K&R mode, where nothing stops a macro from expanding inside its own
// expansion, runaway recursion is met far earlier than in real headers
// (the C library and POSIX headers take about 10000 expansions).
inline constexpr long cpp_max_unprotected_expansions = 100000;
inline constexpr std::size_t cpp_max_expansion_text = std::size_t{1} << 22;
// The texts of all the expansion levels open at once, with the expanded
// arguments waiting for their calls.
inline constexpr std::size_t cpp_max_expansion_total = std::size_t{1} << 26;
// All the text rescanned for one cpp_process_text call: the work of a text
// stays linear in it even when an unprotected macro keeps calling itself
// with growing arguments.
inline constexpr std::size_t cpp_max_rescanned_text = std::size_t{1} << 28;
inline constexpr std::size_t cpp_max_unprotected_rescanned_text = std::size_t{1} << 24;
// The joined variable arguments of one macro call.
inline constexpr std::size_t cpp_max_variadic_text = 999;
// The argument of "#error" / "#warning" reports.
inline constexpr std::size_t cpp_max_message_text = 8190;
// Output behind the input by fewer lines than this is caught up with
// newlines rather than a "#line" marker.
inline constexpr long cpp_marker_gap = 8;

enum class LevelKind { file, macro, directive_argument, pragma_alias, if_condition, argument };

enum class ConditionalKind { if_kind, ifdef_kind, ifndef_kind, elif_kind, else_kind };

struct CppInit {
    bool strict = false;   // restriction ANSI: extra checks on directive arguments
    bool lenient = false;  // restriction K&R
    int script_language = 2;
    std::vector<std::string> definitions;  // "-D" texts: NAME or NAME=VALUE
    std::vector<std::string> include_dirs;
    std::string main_file;  // preprocessed at once when given
    // The target package whose lib/ directory follows include_dirs, and
    // whether /usr/include and /usr/local/include come after it.
    std::optional<std::string> runtime_package;
    bool add_usr_include = false;
};

struct OpenConditional {
    ConditionalKind kind = ConditionalKind::if_kind;
    int branches_taken = 0;
    long line = 0;
    std::string_view file;  // the preprocessor's copy of the file's name
};

struct PragmaAlias {
    std::string alias;
    std::string replacement;
};

// One level of the input stack.
struct InputLevel {
    LevelKind kind = LevelKind::file;
    std::string text;
    std::size_t pos = 0;
    // File levels: the name as opened (may be empty), the preprocessor's
    // copy of it (Preprocessor::file_name).
    std::string_view file;
    long line = 0;  // the line `pos` is on
    std::size_t conditional_depth = 0;
    int search_entry = -1;           // search-path entry the file was found in
    int known_file = -1;             // file levels: the file's entry among the known files
    MacroEntry* disabled = nullptr;  // macro not expanded while this level is read
    bool owns_output = false;        // writes into an output of its own
    bool line_start = true;          // file levels: nothing but blanks since the newline
};

// A file met by the include search, known for the run by its identity
// (the same file reached by two names is one entry).
struct KnownFile {
    FileIdentity identity;
    std::string text;  // prepared text, kept while it may be read again
    bool have_text = false;
    bool scanned = false;  // read to its end once: `guard` is known
    // The macro of the "#ifndef X" that encloses the whole significant
    // text of the file (nothing but blanks and comments outside it, no
    // "#else" or "#elif" of its own): while X is defined, a new reading
    // of the file gives nothing, so it is not read.
    std::string guard;
    bool once = false;  // "#pragma once" met in it: never read again
};

// A function-like macro call whose arguments are being expanded.
struct PendingCall {
    MacroEntry* macro = nullptr;
    std::vector<std::string> raw;       // as written, blanks at both ends removed
    std::vector<std::string> expanded;  // fully macro-expanded
    std::vector<bool> needed;           // the expanded form is used
    std::size_t next = 0;               // argument being expanded
    std::size_t bytes = 0;              // text of the raw arguments
};

class Preprocessor : private MacroReporter {
public:
    Preprocessor();
    ~Preprocessor() override;
    Preprocessor(const Preprocessor&) = delete;
    Preprocessor& operator=(const Preprocessor&) = delete;

    MacroTable& macros() { return macros_; }
    const MacroTable& macros() const { return macros_; }
    bool macro_defined(std::string_view name) const;

    // The target whose sizes answer "sizeof" in "#if" (none: size 0).
    void set_target(const TargetModel* target) { target_ = target; }
    // The sink used outside cpp_process_text (initialisation, finish).
    void set_sink(DiagnosticSink& sink) { sink_ = &sink; }
    DiagnosticSink& sink() { return *sink_; }
    // The run's registry of inputs and outputs: every file read is checked
    // against the outputs and noted as an input. Without one (a
    // preprocessor on its own) nothing is checked.
    void set_run_files(RunFiles* files) { files_ = files; }

    // Words declared by "#pragma vexor type_modifier = WORD", in order.
    const std::vector<std::string>& type_modifiers() const { return type_modifiers_; }
    const std::vector<PragmaAlias>& pragma_aliases() const { return aliases_; }
    // The include search path: a removed entry stays as an empty text.
    const std::vector<std::string>& search_path() const { return search_path_; }
    // True for a file under one of the target's standard include
    // directories ("#pragma vexor incl_std"): a system header, in which
    // redefinitions and extensions are not reported, as compilers keep
    // quiet about them.
    bool is_system_file(std::string_view path) const;
    // True for "#define" of a C11 keyword in a system header: not taken.
    bool defines_c11_keyword(std::string_view rest) const;
    // Every file opened by "#include", latest first.
    const std::vector<std::string>& included_files() const { return included_; }
    // The file whose "#include" first opened `path`: empty for a file the
    // run's text includes itself, or for a file never included.
    std::string_view includer_of(std::string_view path) const;
    // Files read from disk by the include search in this run, and
    // "#include" lines that read nothing because their file is guarded
    // and its guard is defined, or holds "#pragma once".
    long files_read() const { return files_read_; }
    long includes_skipped() const { return includes_skipped_; }
    bool analysis_on() const { return analysis_on_; }
    std::size_t open_conditionals() const { return conditionals_.size(); }
    int script_language() const { return script_language_; }
    void set_script_language(int language) { script_language_ = language; }

    // The operations of a run (see the free functions below).
    void init(const CppInit& init, bool first_time);
    int process_text(std::string_view text, bool forced_analysis, std::string_view file,
                     long first_line, std::string& output, DiagnosticSink& sink);
    void finish(bool release_search_path);

    friend class CppIfEnvironment;

    // A "-D" definition, read as from the file "*Initialization*"; the
    // malformed ones are reported there (macro_define_option).
    void define_option(std::string_view definition);
    void define_option_malformed(std::string_view text);

private:
    void macro_report(Severity level, MessageCode code, std::string_view argument) override;
    void report(Severity level, MessageCode code, std::string_view argument);
    void report_at(Severity level, MessageCode code, std::string_view argument,
                   std::string_view file, long line);
    template <typename Action>
    void as_initialization(Action action);

    // Input levels.
    bool push_level(LevelKind kind, std::string text);
    // A string holding `text`, in the room of a finished level's text when
    // one is spare.
    std::string spare_text(std::string_view text = {});
    void pop_level();
    InputLevel& top();
    const InputLevel* innermost_file() const;

    // Scanning.
    void scan(std::size_t stop);
    void scan_step();
    void write_out(char c);
    void write_out(std::string_view text);
    void write_newlines(long count);
    void resync_output();
    void copy_literal(InputLevel& level);
    void skip_block_comment(InputLevel& level);
    void handle_identifier(InputLevel& level, std::size_t begin, std::size_t end, bool expandable);
    std::string expand_text(std::string_view text, LevelKind kind);
    // The file name of an #include or __has_include argument: as written,
    // else after macro expansion (kept in `expanded`, which `name` may
    // view). False when neither form names a file, or when the expansion
    // ended the run (fatal_).
    bool include_name_of(std::string_view argument, std::string& expanded, std::string_view& name);

    // Macro expansion.
    void macro_expand(MacroEntry& entry);
    void expand_special(MacroEntry& entry);
    void expand_defined();
    void expand_feature_test(const MacroEntry& entry);
    void declare_feature_test(std::string_view rest);
    bool find_call_open(char open);
    bool collect_arguments(const MacroDefinition& definition, std::vector<std::string>& args);
    void start_substitution(std::unique_ptr<PendingCall> call);
    void continue_substitution();
    void push_body(PendingCall& call);

    // Directives.
    void directive(InputLevel& level);
    long read_directive_line(InputLevel& level, std::string& line);
    void run_directive(int which, std::string_view rest);
    void do_ifdef(std::string_view rest, bool negate);
    bool evaluate_condition(std::string_view rest);
    void do_else(bool elif, std::string_view rest);
    void do_endif();
    void do_include(std::string_view rest, bool next);
    void do_pragma(std::string_view rest);
    void do_vexor_pragma(std::string_view word, std::string_view rest);
    void do_line(std::string_view rest);
    void do_message(std::string_view name, std::string_view rest);
    void open_conditional(ConditionalKind kind, bool taken);
    void skip_conditional_text(InputLevel& level);
    void skip_analysis_off(InputLevel& level);
    bool line_starts_analysis(std::string_view line) const;
    const PragmaAlias* find_alias(std::string_view text) const;
    void report_match_line(const OpenConditional& c);
    // The path of the file found, as the preprocessor keeps it; null when none.
    const InternedName* find_include(std::string_view name, bool next, int& entry, int& file);
    // The preprocessor's copy of a file name, kept for its life: the names
    // of open files, of open conditionals and of the last line marker view it.
    std::string_view file_name(std::string_view name) { return file_names_.intern(name).text; }
    int probe_file(const std::string& path, InputRefusal& refusal);
    bool take_file_text(int file, std::string_view path, std::string& text);
    std::string include_guard(InputLevel& level);
    void forget_files();
    bool conditional_in_current_file() const;

    MacroTable macros_;
    const TargetModel* target_ = nullptr;
    // Until the caller gives one, the messages go nowhere.
    NullSink no_sink_;
    DiagnosticSink* sink_ = &no_sink_;
    RunFiles* files_ = nullptr;
    bool strict_ = false;
    bool lenient_ = false;
    int script_language_ = 2;
    bool initialised_ = false;

    std::vector<InputLevel> levels_;
    std::vector<std::string> outputs_;  // the innermost is the current output
    std::vector<std::unique_ptr<PendingCall>> pending_;
    // Calls whose body is in: kept with the room of their vectors and
    // strings for the next calls, so that an expansion allocates nothing
    // once a few have run.
    std::vector<std::unique_ptr<PendingCall>> spare_calls_;
    std::vector<std::string> spare_arguments_;
    std::string directive_buffer_;
    std::vector<std::string> spare_texts_;
    std::vector<LevelKind> output_kinds_;
    std::string finished_output_;
    std::vector<OpenConditional> conditionals_;
    bool skipping_ = false;  // in a branch not taken
    int skip_depth_ = 0;     // conditionals opened inside skipped text
    bool analysis_on_ = true;
    bool forced_ = false;
    bool reading_definitions_ = false;
    bool boundary_ = false;  // a macro level began or ended since the last output
    bool fatal_ = false;     // a fatal report came back from the sink
    int errors_ = 0;
    long expansions_ = 0;
    std::size_t level_bytes_ = 0;        // text held by the expansion levels
    std::size_t held_output_bytes_ = 0;  // outputs of arguments waiting below the current one
    std::size_t pending_bytes_ = 0;      // raw arguments of the calls waiting for them
    std::size_t pushed_bytes_ = 0;       // all the text pushed for rescanning
    long directive_line_ = -1;           // location of the directive being handled
    bool have_time_ = false;
    std::tm time_{};

    std::vector<std::string> search_path_;
    std::vector<std::string> system_directories_;
    std::size_t longest_directory_ = 19;
    std::vector<std::string> included_;
    std::map<std::string, std::string, std::less<>> includers_;  // by included file
    std::vector<bool> included_seen_;                            // by number among file_names_
    NameInterner file_names_;
    // The answers of the include search for the run, by candidate path:
    // the index of the file found there, or -1 when there is none. No
    // candidate is probed twice; the file system is taken as it was at
    // the first probe.
    std::unordered_map<std::string, int> probes_;
    // The answers of whole searches through the path, by included name and
    // first entry: the entry, file and path found, or entry -1 when no
    // directory of the path has the name. An #include met again is then
    // answered by one lookup instead of a probe per directory.
    struct PathAnswer {
        int entry = -1;
        int file = -1;
        const InternedName* path = nullptr;  // among file_names_
    };
    // Keyed by the included name's number among file_names_ and the entry.
    std::unordered_map<std::uint64_t, PathAnswer> path_answers_;
    // The entries of each directory the search has looked into, read once:
    // a candidate whose directory lacks its name is answered without a
    // system call. No listing (an unreadable directory) means "look".
    struct DirectoryListing {
        bool known = false;
        std::unordered_set<std::string> names;
    };
    std::unordered_map<std::string, DirectoryListing> listings_;
    bool may_exist(const std::string& path);
    std::vector<KnownFile> known_files_;
    std::map<std::pair<dev_t, ino_t>, int> file_ids_;
    long files_read_ = 0;
    long includes_skipped_ = 0;
    std::vector<PragmaAlias> aliases_;
    std::vector<std::string> type_modifiers_;
    // The answers of the target's compiler to __has_builtin, __has_attribute,
    // __has_c_attribute and __has_feature (by FeatureTest), from the
    // standard definitions; a name not listed is answered 0.
    std::map<std::string, long, std::less<>> feature_answers_[6];

    long out_line_ = 0;          // input line the output's current line shows
    std::string_view out_file_;  // file of the last marker
};

// The operations of the run, as the callers know them.
void cpp_init(Preprocessor& cpp, const CppInit& init, bool first_time);
// Preprocesses `text` as the content of `file` after line `first_line`;
// returns the number of errors reported at error level.
int cpp_process_text(Preprocessor& cpp, std::string_view text, bool forced_analysis,
                     std::string_view file, long first_line, std::string& output);
int cpp_process_text(Preprocessor& cpp, std::string_view text, bool forced_analysis,
                     std::string_view file, long first_line, std::string& output,
                     DiagnosticSink& sink);
void cpp_finish(Preprocessor& cpp, bool release_search_path);

// A "-D" definition (NAME or NAME=VALUE) into the table.
void macro_define_option(Preprocessor& cpp, std::string_view text);

// Input preparation of a file or text: trigraphs and digraphs replaced,
// text cut at a NUL byte, a final newline added.
std::string prepare_input(std::string_view text);
// Why a file that is there cannot be read as input: the message code and
// its argument (the name and the reason).
struct InputRefusal {
    std::optional<MessageCode> code;
    std::string argument;

    // The message for a file that had to be read: the refusal, or
    // IMPOUVFIC with the path when the file is not there.
    MessageCode message() const { return code.value_or(msg::IMPOUVFIC); }
    std::string_view message_argument(std::string_view path) const {
        return code ? std::string_view(argument) : path;
    }
};
// Reads a file whole; false when there is no such file. A file that is
// there but cannot be read whole (not a regular file, too large, a read
// error) or that is an output of the run (in `files`, when given) is
// refused: described in `refusal` when one is given, for the caller to
// report at its line. A file read is noted as an input in `files`. The
// identity of the file read is given in `identity` when asked.
bool read_whole_file(const std::string& path, std::string& text, RunFiles* files,
                     InputRefusal* refusal = nullptr, FileIdentity* identity = nullptr);

}  // namespace vx
