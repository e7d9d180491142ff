// A table-driven command-line analyser.
//
// A command is described as data: its positional parameters, its options,
// the argument types of both, the enumerations some option values are drawn
// from, and the pairs of options that may not be given together. Every
// option, parameter and enumeration value has three names (French, French
// display, English); all three are accepted for options and enumeration
// values, in any letter case and abbreviated as long as the abbreviation is
// unambiguous. The analyser knows nothing of the program that uses it.
//
// The analysis runs in two passes over the argument vector:
//   expand_arguments   replaces "$NAME" references by the value of the
//                      variable in the environment snapshot it is given and
//                      reads option files ("@file" or "-OPTION=file") in
//                      place;
//   analyse_arguments  matches every argument against the description,
//                      converts and checks values, applies the defaults and
//                      checks the forbidden combinations.
// The results (which options were given, positively or in their negative
// "no" form, and every converted value) stay in the CommandAnalysis object
// and are read through option_state, option_values and parameter_value.
//
// A refusal writes one message to standard error, in the analyser's own
// words followed by the usage text, and makes the pass return -1 at once.
// These messages are not catalogue messages: the caller decides how the run
// ends.
#pragma once

#include "support/run_environment.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vx {

// The three names every element carries.
struct NameColumns {
    const char* french;
    const char* french_display;
    const char* english;
};
inline constexpr int name_column_count = 3;

enum class ValueKind : char { string = 'C', integer = 'I' };

// The type of an option's value or of a positional parameter. For integers
// the bounds apply to the value, for strings to its length.
struct ArgumentType {
    NameColumns names;
    ValueKind kind;
    bool list;  // a list of values separated by the list separator
    std::int32_t minimum;
    std::int32_t maximum;
    bool optional = false;  // positional parameters only: may be omitted
};

struct EnumerationValue {
    NameColumns names;
};

struct OptionEntry {
    NameColumns names;
    const ArgumentType* argument;  // nullptr: the option is a flag
    bool negatable;                // "no" + name is accepted
    bool default_on;               // counts as given when absent
    std::span<const EnumerationValue> enumeration;
};

// Two options (English names) that may not both be given positively.
struct CombinationRule {
    const char* first;
    const char* second;
};

struct CommandDescription {
    const char* name;
    char option_prefix;
    char value_separator;
    char list_separator;
    std::span<const ArgumentType> parameters;
    std::span<const OptionEntry> options;
    std::span<const CombinationRule> combinations;
    const char* usage;  // English; shown through translation
};

// The analyser's messages, by their number.
enum class AnalyserMessage {
    value_too_small,
    value_too_large,
    length_too_small,
    length_too_large,
    too_many_arguments,
    list_forbidden_argument,
    unknown_option,
    invalid_character,
    option_twice,
    mandatory_argument,
    no_argument,
    list_forbidden_option,
    argument_missing,
    ambiguous_option,
    unknown_value,
    ambiguous_value,
    illegal_combination,
    file_not_found,
    no_memory,
    command_analysis,
    bad_option_name,
    file_unreadable,
};

// The English source text of a message (translated in the context "CAB").
const char* analyser_message_text(AnalyserMessage message);

struct AnalysedValue {
    ValueKind kind = ValueKind::string;
    std::string text;         // strings and enumeration values
    std::int32_t number = 0;  // integers
};

// Option states.
inline constexpr int option_absent = 0;
inline constexpr int option_positive = 1;
inline constexpr int option_negative = -1;

class CommandAnalysis {
public:
    explicit CommandAnalysis(const CommandDescription& description);

    // Where the refusals and the internal messages of the analysis go:
    // standard error unless a consumer is set (a test collects them).
    using Console = std::function<void(std::string_view text)>;
    void set_console(Console console) { console_ = std::move(console); }

    const CommandDescription& description() const { return description_; }

    // Builds the expanded argument vector: argv[0] first, then every
    // argument with its references to the variables of the environment
    // replaced, option files read in place. 0, or -1 after a message.
    int expand_arguments(int argc, const char* const* argv, const EnvironmentSnapshot& environment,
                         std::vector<std::string>& expanded);

    // Analyses an argument vector (element 0 is the program name and is not
    // examined). 0, or -1 after a message.
    int analyse_arguments(const std::vector<std::string>& arguments);

    // The option's position in the list (from 1) when it was given
    // positively, minus that position when given in its negative form, 0
    // when not given. An unknown name writes the internal message and gives 0.
    int option_state(std::string_view english_name) const;
    // The option's position (from 1), or 0 for an unknown name (silently).
    int option_position(std::string_view english_name) const;
    // The values of the option at the position (its sign is ignored), in
    // the order given.
    const std::vector<AnalysedValue>& option_values(int position) const;
    // The same for the positional parameter at the index (from 1).
    const AnalysedValue* parameter_value(int index, int n) const;

    // The usage text as shown: translated in the context "Command-line" and
    // without the lines of the trace option.
    std::string usage_text() const;

    // The option files read while the arguments were expanded, in order:
    // inputs of the run, which no output may overwrite.
    const std::vector<std::string>& option_files() const { return option_files_; }

private:
    struct OptionResult {
        int state = option_absent;
        std::vector<AnalysedValue> values;
        std::vector<bool> selected;  // one flag per enumeration value
    };

    int analyse_option(std::string_view text);
    int analyse_parameter(int count, std::string_view argument);
    int convert_piece(std::string_view piece, const ArgumentType& type,
                      std::span<const EnumerationValue> enumeration, std::vector<bool>* selected,
                      std::vector<AnalysedValue>& values);
    int finish_analysis();
    int read_option_file(const std::string& name, const EnvironmentSnapshot& environment,
                         std::vector<std::string>& expanded);

    // Writes a refusal, with the option meant when one is named; always
    // gives -1.
    int refuse(AnalyserMessage message, std::string_view offending,
               std::string_view suggestion = {}) const;
    // The option whose name is nearest to an unknown one, as it would be
    // written ("-" + name), when one is near enough to be what was meant;
    // empty otherwise.
    std::string nearest_option(std::string_view text) const;
    void write_internal(AnalyserMessage message, std::string_view offending) const;
    void write_out_of_memory() const;

    const CommandDescription& description_;
    Console console_;
    std::vector<OptionResult> options_;
    std::vector<std::vector<AnalysedValue>> parameters_;
    std::vector<std::string> option_files_;
};

// Environment expansion of one text: every "$NAME" whose variable is in the
// snapshot is replaced by its value; the scan goes on just after the first character of
// the inserted value, so references inside a value are expanded in turn. A
// reference met again inside its own expansion stays as written, so that a
// variable that refers to itself cannot make the text grow without end.
std::string expand_environment(std::string_view text, const EnvironmentSnapshot& environment);

// The words of an option file, each expanded. Blanks (space, tab, carriage
// return, line feed) separate words; a "#" that is the first non-blank
// character of a line starts a comment that runs to the end of the line;
// double quotes group blanks into a word and are dropped; a backslash before
// a line end is dropped with it, joining the lines; a backslash before any
// other character keeps both characters.
std::vector<std::string> option_file_words(std::string_view content,
                                           const EnvironmentSnapshot& environment);

// The usage text edited for display: every line beginning with a tab and
// "[-XT" is removed.
std::string without_trace_lines(std::string usage);

}  // namespace vx
