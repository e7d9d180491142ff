// The command-line analyser: expansion of the argument vector, matching of
// every argument against a command description, conversion of values.
//
// Matching one argument against a name compares letter by letter, ignoring
// the case of ASCII letters. The matched length is the whole name when the
// name runs out first, the number of equal letters when the argument runs
// out (or stops at the value separator) first, and 0 at any other
// difference. A name matched in full and followed by the separator or the
// end selects its option at once; otherwise the longest match over the three
// name columns wins, and an equal match from another option makes the
// argument ambiguous until a longer one turns up.
//
// Values are split at list separators that no backslash protects; each piece
// is converted to an integer (bounds on the value) or kept as a string
// (bounds on the length), or matched against the option's enumeration by
// the same prefix rule as the options.
#include "driver/options/command_analyser.h"

#include "diag/catalogue.h"
#include "diag/file_guard.h"
#include "support/identity.h"
#include "support/text.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>

namespace vx {

namespace {

constexpr const char* message_texts[] = {
    "Arg value too small,",
    "Arg value too large,",
    "Arg length too small,",
    "Arg length too large,",
    "Too many arguments invalid argument,",
    "List forbidden invalid argument,",
    "Unknown option,",
    "Invalid character following option,",
    "An option can't be used twice,",
    "Mandatory argument for this option,",
    "No argument for this option,",
    "List forbidden invalid option,",
    "Argument missing,",
    "Ambiguous option,",
    "Unknown value of option,",
    "Ambiguous value of option,",
    "Illegal combination of command elements,",
    "File not found",
    "Command analysis: No memory left",
    "Command analysis",
    "Internal error, bad option name",
    "File cannot be read",
};

constexpr const char message_context[] = "CAB";
constexpr const char text_context[] = "Command-line";
constexpr const char negative_prefix[] = "no";
constexpr const char option_file_word[] = "OPTION";

// Expansion stops once a text grows past this: values referring to each
// other could otherwise double it at every level.
constexpr std::size_t max_expanded_length = 1 << 20;

char ascii_upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool equal_ignoring_case(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return ascii_upper(x) == ascii_upper(y);
           });
}

bool is_name_char(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

bool is_file_blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view column_name(const NameColumns& names, int column) {
    switch (column) {
        case 0:
            return names.french;
        case 1:
            return names.french_display;
        default:
            return names.english;
    }
}

// Matched length of a text against a name (see the top of the file). The
// stop character ends the text early; pass '\0' when nothing does.
std::size_t matched_length(std::string_view text, std::string_view name, char stop) {
    for (std::size_t i = 0;; ++i) {
        if (i == name.size()) {
            return name.size();
        }
        if (i == text.size() || (stop != '\0' && text[i] == stop)) {
            return i;
        }
        if (ascii_upper(text[i]) != ascii_upper(name[i])) {
            return 0;
        }
    }
}

// The candidate chosen by name matching.
struct NameMatch {
    int index = -1;
    int sign = option_positive;
    std::size_t length = 0;
    bool ambiguous = false;
    bool at_once = false;

    // Keeps the better of the current choice and a new partial match.
    void offer(int candidate, int candidate_sign, std::size_t candidate_length) {
        if (candidate_length == 0) {
            return;
        }
        if (candidate_length > length) {
            index = candidate;
            sign = candidate_sign;
            length = candidate_length;
            ambiguous = false;
        } else if (candidate_length == length && candidate != index) {
            ambiguous = true;
        }
    }
};

// Whether the text holds a list separator that no backslash protects, and
// the pieces between such separators.
bool has_unescaped(std::string_view text, char separator) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\') {
            ++i;
        } else if (text[i] == separator) {
            return true;
        }
    }
    return false;
}

std::vector<std::string_view> split_unescaped(std::string_view text, char separator) {
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\') {
            ++i;
        } else if (text[i] == separator) {
            pieces.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    pieces.push_back(text.substr(start));
    return pieces;
}

// A decimal integer read from the leading characters, the way the C
// library's atoi reads it, but saturating instead of overflowing.
std::int64_t leading_integer(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    constexpr std::int64_t ceiling = std::numeric_limits<std::int64_t>::max() / 10 - 9;
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (value < ceiling) {
            value = value * 10 + (text[i] - '0');
        }
    }
    return negative ? -value : value;
}

// Whether the text begins with a number (blanks and a sign aside): the
// value of an integer option is its leading digits, and a text without any
// ("abc", "-") is no value at all.
bool has_leading_digits(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    return i < text.size() && text[i] >= '0' && text[i] <= '9';
}

std::string translated_message(AnalyserMessage message) {
    return local_encoding(translate(message_context, analyser_message_text(message)));
}

// A user's text passed through the translation function: its own bytes
// unless a catalogue translates it.
std::string translated_text(std::string_view text) {
    std::string source(text);
    TranslatedText translation = translate(text_context, source.c_str());
    if (translation.utf8 == source) {
        return source;
    }
    return local_encoding(translation);
}

void write_error_stream(const CommandAnalysis::Console& console, const std::string& text) {
    if (console) {
        console(text);
        return;
    }
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fflush(stderr);
}

std::string message_head() {
    return std::string(product_title) + " " +
           translated_message(AnalyserMessage::command_analysis) + " : ";
}

}  // namespace

// The trace option is never shown in the usage text: every piece from a
// tab followed by "[-XT" to the end of its line goes, line end included.
std::string without_trace_lines(std::string usage) {
    static constexpr std::string_view marker = "\t[-XT";
    std::size_t at = 0;
    while ((at = usage.find(marker, at)) != std::string::npos) {
        const std::size_t end = usage.find('\n', at);
        if (end == std::string::npos) {
            break;  // a piece without its line end is not a whole line
        }
        usage.erase(at, end + 1 - at);
    }
    return usage;
}

const char* analyser_message_text(AnalyserMessage message) {
    return message_texts[static_cast<int>(message)];
}

std::string expand_environment(std::string_view text, const EnvironmentSnapshot& environment) {
    std::string out(text);
    // The expansions the scan is inside of, innermost last: where each ends
    // and which variable it came from.
    struct Expansion {
        std::size_t end;
        std::string name;
    };
    std::vector<Expansion> inside;

    std::size_t i = 0;
    while (i < out.size()) {
        while (!inside.empty() && inside.back().end <= i) {
            inside.pop_back();
        }
        if (out[i] != '$') {
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        while (end < out.size() && is_name_char(out[end])) {
            ++end;
        }
        std::string name = out.substr(i + 1, end - i - 1);
        const auto value = name.empty() ? environment.end() : environment.find(name);
        bool self_reference = std::any_of(inside.begin(), inside.end(),
                                          [&](const Expansion& e) { return e.name == name; });
        if (value == environment.end() || self_reference) {
            i = end;
            continue;
        }
        std::size_t reference = end - i;
        std::size_t length = value->second.size();
        out.replace(i, reference, value->second);
        for (auto& outer : inside) {
            outer.end = outer.end - reference + length;
        }
        inside.push_back({i + length, std::move(name)});
        // The inserted value is scanned from its first character: a value
        // that is itself a reference is expanded in turn (a variable is
        // never expanded inside its own value, so the scan ends).
        if (out.size() > max_expanded_length) {
            break;
        }
    }
    return out;
}

CommandAnalysis::CommandAnalysis(const CommandDescription& description)
    : description_(description) {
    options_.resize(description_.options.size());
    for (std::size_t i = 0; i < options_.size(); ++i) {
        options_[i].selected.assign(description_.options[i].enumeration.size(), false);
    }
    parameters_.resize(description_.parameters.size());
}

std::string CommandAnalysis::usage_text() const {
    return local_encoding(
        TranslatedText{without_trace_lines(translate(text_context, description_.usage).utf8)});
}

int CommandAnalysis::refuse(AnalyserMessage message, std::string_view offending,
                            std::string_view suggestion) const {
    std::string text = message_head() + translated_message(message);
    text += ' ';
    text += translated_text(offending);
    if (!suggestion.empty()) {
        text += '\n';
        text += local_encoding(translate(message_context, "Did you mean"));
        text += ' ';
        text += suggestion;
        text += '?';
    }
    text += usage_text();
    text += '\n';
    write_error_stream(console_, text);
    return -1;
}

void CommandAnalysis::write_internal(AnalyserMessage message, std::string_view offending) const {
    write_error_stream(console_, message_head() + translated_message(message) + " " +
                                     translated_text(offending) + "\n");
}

void CommandAnalysis::write_out_of_memory() const {
    // Nothing may be allocated here: the message is written piece by piece.
    std::fputs(product_title, stderr);
    std::fputc(' ', stderr);
    std::fputs(analyser_message_text(AnalyserMessage::no_memory), stderr);
    std::fflush(stderr);
}

// ---- expansion --------------------------------------------------------------

int CommandAnalysis::expand_arguments(int argc, const char* const* argv,
                                      const EnvironmentSnapshot& environment,
                                      std::vector<std::string>& expanded) {
    try {
        expanded.clear();
        const std::string option_file_prefix =
            std::string(1, description_.option_prefix) + option_file_word;
        for (int i = 0; i < argc; ++i) {
            std::string_view argument = argv[i];
            if (i > 0 && !argument.empty() && argument.front() == '@') {
                if (read_option_file(std::string(argument.substr(1)), environment, expanded) != 0) {
                    return -1;
                }
                continue;
            }
            if (i > 0 && argument.size() > option_file_prefix.size() &&
                equal_ignoring_case(argument.substr(0, option_file_prefix.size()),
                                    option_file_prefix) &&
                argument[option_file_prefix.size()] == description_.value_separator) {
                if (read_option_file(std::string(argument.substr(option_file_prefix.size() + 1)),
                                     environment, expanded) != 0) {
                    return -1;
                }
                continue;
            }
            expanded.push_back(expand_environment(argument, environment));
        }
        return 0;
    } catch (const std::bad_alloc&) {
        write_out_of_memory();
        return -1;
    }
}

int CommandAnalysis::read_option_file(const std::string& name,
                                      const EnvironmentSnapshot& environment,
                                      std::vector<std::string>& expanded) {
    // A pipe, a device or a directory is refused before it is read: it
    // could block or never end.
    std::string data;
    OpenedInput opened;
    if (!read_input_file(name, data, opened)) {
        if (opened.problem == InputProblem::missing && opened.error == ENOENT) {
            return refuse(AnalyserMessage::file_not_found, name);
        }
        return refuse(AnalyserMessage::file_unreadable, input_problem_text(name, opened));
    }
    option_files_.push_back(name);
    for (std::string& word : option_file_words(data, environment)) {
        expanded.push_back(std::move(word));
    }
    return 0;
}

std::vector<std::string> option_file_words(std::string_view data,
                                           const EnvironmentSnapshot& environment) {
    std::vector<std::string> words;
    std::string word;
    bool have_word = false;
    bool quoted = false;
    bool line_start = true;
    bool comment = false;
    auto flush = [&] {
        if (have_word) {
            words.push_back(expand_environment(word, environment));
        }
        word.clear();
        have_word = false;
    };
    for (std::size_t k = 0; k < data.size(); ++k) {
        char c = data[k];
        if (comment) {
            if (c == '\n') {
                comment = false;
                line_start = true;
            }
            continue;
        }
        if (c == '\\' && k + 1 < data.size() && (data[k + 1] == '\n' || data[k + 1] == '\r')) {
            ++k;
            continue;
        }
        if (!quoted && is_file_blank(c)) {
            flush();
            if (c == '\n') {
                line_start = true;
            }
            continue;
        }
        if (c == '#' && line_start && !quoted) {
            comment = true;
            continue;
        }
        line_start = false;
        have_word = true;
        if (c == '"') {
            quoted = !quoted;
            continue;
        }
        word += c;
        if (c == '\\' && k + 1 < data.size()) {
            word += data[++k];
        }
    }
    flush();
    return words;
}

// ---- analysis ---------------------------------------------------------------

int CommandAnalysis::analyse_arguments(const std::vector<std::string>& arguments) {
    try {
        for (auto& option : options_) {
            option.state = option_absent;
            option.values.clear();
            std::fill(option.selected.begin(), option.selected.end(), false);
        }
        for (auto& values : parameters_) {
            values.clear();
        }

        int positional = 0;
        for (std::size_t i = 1; i < arguments.size(); ++i) {
            std::string_view argument = arguments[i];
            int status = 0;
            if (!argument.empty() && argument.front() == description_.option_prefix) {
                status = analyse_option(argument.substr(1));
            } else {
                status = analyse_parameter(++positional, argument);
            }
            if (status != 0) {
                return -1;
            }
        }
        return finish_analysis();
    } catch (const std::bad_alloc&) {
        write_out_of_memory();
        return -1;
    }
}

int CommandAnalysis::analyse_parameter(int count, std::string_view argument) {
    if (parameters_.empty()) {
        return refuse(AnalyserMessage::too_many_arguments, argument);
    }
    // Beyond the last parameter, arguments overflow onto it.
    std::size_t index =
        std::min<std::size_t>(static_cast<std::size_t>(count), parameters_.size()) - 1;
    const ArgumentType& type = description_.parameters[index];
    auto& values = parameters_[index];
    if (!type.list && has_unescaped(argument, description_.list_separator)) {
        return refuse(AnalyserMessage::list_forbidden_argument, argument);
    }
    if (!type.list && !values.empty()) {
        return refuse(AnalyserMessage::too_many_arguments, argument);
    }
    for (std::string_view piece : split_unescaped(argument, description_.list_separator)) {
        if (convert_piece(piece, type, {}, nullptr, values) != 0) {
            return -1;
        }
    }
    return 0;
}

std::string CommandAnalysis::nearest_option(std::string_view text) const {
    const std::string_view given = text.substr(0, text.find(description_.value_separator));
    std::vector<std::string> names;
    for (const OptionEntry& option : description_.options) {
        // The English name first: of two names as near, it is the one named.
        for (int column = name_column_count - 1; column >= 0; --column) {
            const std::string name(column_name(option.names, column));
            names.push_back(name);
            if (option.negatable) names.push_back(upper_copy(std::string(negative_prefix) + name));
        }
    }
    const std::string best = nearest_spelling(given, names);
    return best.empty() ? std::string() : std::string(1, description_.option_prefix) + best;
}

int CommandAnalysis::analyse_option(std::string_view text) {
    const char separator = description_.value_separator;
    const auto& options = description_.options;

    NameMatch match;
    auto try_name = [&](int index, int sign, std::string_view name) {
        std::size_t length = matched_length(text, name, separator);
        if (length == name.size() && (length == text.size() || text[length] == separator)) {
            match = {index, sign, length, false, true};
            return true;
        }
        match.offer(index, sign, length);
        return false;
    };
    for (int column = 0; column < name_column_count && !match.at_once; ++column) {
        for (std::size_t i = 0; i < options.size(); ++i) {
            const OptionEntry& option = options[i];
            auto index = static_cast<int>(i);
            std::string_view name = column_name(option.names, column);
            if (try_name(index, option_positive, name)) {
                break;
            }
            if (option.negatable && try_name(index, option_negative,
                                             std::string(negative_prefix) + std::string(name))) {
                break;
            }
        }
    }

    if (match.index < 0) {
        return refuse(AnalyserMessage::unknown_option, text, nearest_option(text));
    }
    if (match.ambiguous) {
        return refuse(AnalyserMessage::ambiguous_option, text);
    }
    if (match.length < text.size() && text[match.length] != separator) {
        return refuse(AnalyserMessage::invalid_character, text);
    }

    const OptionEntry& option = options[static_cast<std::size_t>(match.index)];
    OptionResult& result = options_[static_cast<std::size_t>(match.index)];
    bool list = option.argument != nullptr && option.argument->list;
    if (result.state != option_absent && !list) {
        return refuse(AnalyserMessage::option_twice, text);
    }
    result.state = match.sign;

    bool has_value = match.length < text.size();
    std::string_view value = has_value ? text.substr(match.length + 1) : std::string_view{};
    if (option.argument == nullptr) {
        if (has_value) {
            return refuse(AnalyserMessage::no_argument, text);
        }
        return 0;
    }
    if (value.empty()) {
        std::string wanted(text);
        if (!has_value) {
            wanted += separator;
        }
        for (std::size_t i = 0; i < option.enumeration.size(); ++i) {
            if (i > 0) {
                wanted += '|';
            }
            wanted += option.enumeration[i].names.english;
        }
        return refuse(AnalyserMessage::mandatory_argument, wanted);
    }
    if (!list && has_unescaped(value, description_.list_separator)) {
        return refuse(AnalyserMessage::list_forbidden_option, text);
    }
    for (std::string_view piece : split_unescaped(value, description_.list_separator)) {
        if (convert_piece(piece, *option.argument, option.enumeration, &result.selected,
                          result.values) != 0) {
            return -1;
        }
    }
    return 0;
}

int CommandAnalysis::convert_piece(std::string_view piece, const ArgumentType& type,
                                   std::span<const EnumerationValue> enumeration,
                                   std::vector<bool>* selected,
                                   std::vector<AnalysedValue>& values) {
    if (type.kind == ValueKind::integer) {
        if (!has_leading_digits(piece)) {
            return refuse(AnalyserMessage::unknown_value, piece);
        }
        std::int64_t number = leading_integer(piece);
        if (number < type.minimum) {
            return refuse(AnalyserMessage::value_too_small, piece);
        }
        if (number > type.maximum) {
            return refuse(AnalyserMessage::value_too_large, piece);
        }
        values.push_back(
            {ValueKind::integer, std::string(piece), static_cast<std::int32_t>(number)});
        return 0;
    }

    auto length = static_cast<std::int64_t>(piece.size());
    if (length < type.minimum) {
        return refuse(AnalyserMessage::length_too_small, piece);
    }
    if (length > type.maximum) {
        return refuse(AnalyserMessage::length_too_large, piece);
    }
    std::string text;
    text.reserve(piece.size());
    for (std::size_t i = 0; i < piece.size(); ++i) {
        if (piece[i] == '\\' && i + 1 < piece.size() &&
            piece[i + 1] == description_.list_separator) {
            continue;
        }
        text += piece[i];
    }
    if (enumeration.empty()) {
        values.push_back({ValueKind::string, std::move(text), 0});
        return 0;
    }

    // An enumeration value is named in full or by an unambiguous prefix of
    // one of its names; a text that runs past a name matches nothing.
    NameMatch match;
    for (int column = 0; column < name_column_count && !match.at_once; ++column) {
        for (std::size_t i = 0; i < enumeration.size(); ++i) {
            std::string_view name = column_name(enumeration[i].names, column);
            std::size_t matched = matched_length(text, name, '\0');
            if (matched != text.size()) {
                continue;
            }
            auto index = static_cast<int>(i);
            if (matched == name.size()) {
                match = {index, option_positive, matched, false, true};
                break;
            }
            match.offer(index, option_positive, matched);
        }
    }
    if (match.index < 0) {
        return refuse(AnalyserMessage::unknown_value, piece);
    }
    if (match.ambiguous) {
        return refuse(AnalyserMessage::ambiguous_value, piece);
    }
    auto chosen = static_cast<std::size_t>(match.index);
    if (selected != nullptr) {
        (*selected)[chosen] = true;
    }
    values.push_back({ValueKind::string, enumeration[chosen].names.english, 0});
    return 0;
}

int CommandAnalysis::finish_analysis() {
    for (std::size_t i = 0; i < parameters_.size(); ++i) {
        const ArgumentType& type = description_.parameters[i];
        if (parameters_[i].empty() && !type.optional) {
            return refuse(AnalyserMessage::argument_missing, type.names.english);
        }
    }
    for (std::size_t i = 0; i < options_.size(); ++i) {
        const OptionEntry& option = description_.options[i];
        if (options_[i].state != option_absent) {
            continue;
        }
        if (option.default_on) {
            options_[i].state = option_positive;
        } else if (option.negatable) {
            options_[i].state = option_negative;
        }
    }
    for (const CombinationRule& rule : description_.combinations) {
        if (option_state(rule.first) > 0 && option_state(rule.second) > 0) {
            return refuse(AnalyserMessage::illegal_combination,
                          std::string(rule.first) + " and " + rule.second);
        }
    }
    return 0;
}

// ---- queries ----------------------------------------------------------------

int CommandAnalysis::option_position(std::string_view english_name) const {
    const auto& options = description_.options;
    for (std::size_t i = 0; i < options.size(); ++i) {
        if (english_name == options[i].names.english) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

int CommandAnalysis::option_state(std::string_view english_name) const {
    int position = option_position(english_name);
    if (position == 0) {
        write_internal(AnalyserMessage::bad_option_name, english_name);
        return 0;
    }
    return position * options_[static_cast<std::size_t>(position - 1)].state;
}

const std::vector<AnalysedValue>& CommandAnalysis::option_values(int position) const {
    static const std::vector<AnalysedValue> none;
    std::size_t index = static_cast<std::size_t>(position < 0 ? -position : position);
    if (index == 0 || index > options_.size()) {
        return none;
    }
    return options_[index - 1].values;
}

const AnalysedValue* CommandAnalysis::parameter_value(int index, int n) const {
    if (index < 1 || static_cast<std::size_t>(index) > parameters_.size()) {
        return nullptr;
    }
    const auto& values = parameters_[static_cast<std::size_t>(index - 1)];
    if (n < 1 || static_cast<std::size_t>(n) > values.size()) {
        return nullptr;
    }
    return &values[static_cast<std::size_t>(n - 1)];
}

}  // namespace vx
