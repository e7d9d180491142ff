// Trimming and word splitting work on views of the input: the trimmed text
// is located first (trim_bounds), the word is the run of word characters at
// its start, and the rest starts after the blanks that follow the word.
// Results are built aside and assigned last, which is what lets an input
// view point into an output string.
#include "support/text.h"

#include "support/text_scanner.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>

#include <utility>

namespace vx {

namespace {

bool is_ascii_lower(char c) { return c >= 'a' && c <= 'z'; }
bool is_ascii_upper(char c) { return c >= 'A' && c <= 'Z'; }

constexpr char case_distance = 'a' - 'A';

}  // namespace

bool is_blank(char c) { return c == ' ' || c == '\t'; }

bool is_word_char(char c) {
    return c == '$' || c == '_' || is_digit(c) || is_ascii_lower(c) || is_ascii_upper(c);
}

char upper_char(char c) { return is_ascii_lower(c) ? static_cast<char>(c - case_distance) : c; }

char lower_char(char c) { return is_ascii_upper(c) ? static_cast<char>(c + case_distance) : c; }

TrimBounds trim_bounds(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && is_blank(text[start])) {
        ++start;
    }
    std::size_t end = text.size();
    while (end > start && is_blank(text[end - 1])) {
        --end;
    }
    return TrimBounds{start, end - start};
}

std::string_view trimmed(std::string_view text) {
    TrimBounds bounds = trim_bounds(text);
    return text.substr(bounds.start, bounds.length);
}

std::string_view trimmed(std::string_view text, std::string_view blanks) {
    const std::size_t start = text.find_first_not_of(blanks);
    if (start == std::string_view::npos) {
        return text.substr(text.size());
    }
    return text.substr(start, text.find_last_not_of(blanks) - start + 1);
}

std::string_view trimmed_end(std::string_view text, std::string_view blanks) {
    const std::size_t last = text.find_last_not_of(blanks);
    return text.substr(0, last == std::string_view::npos ? 0 : last + 1);
}

void split_word(std::string_view text, std::string& word, std::string& rest) {
    std::string_view body = trimmed(text);

    std::size_t word_end = 0;
    while (word_end < body.size() && is_word_char(body[word_end])) {
        ++word_end;
    }
    std::size_t rest_start = word_end;
    while (rest_start < body.size() && is_blank(body[rest_start])) {
        ++rest_start;
    }
    // The trimmed text ends with a non-blank, so the rest is empty only
    // when the word took the whole text.

    std::string new_word(body.substr(0, word_end));
    std::string new_rest(body.substr(rest_start));
    to_upper(new_word);
    word = std::move(new_word);
    rest = std::move(new_rest);
}

void to_upper(std::string& text) {
    for (char& c : text) {
        c = upper_char(c);
    }
}

void to_lower(std::string& text) {
    for (char& c : text) {
        c = lower_char(c);
    }
}

std::string quoted_text(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
        }
        out += c;
    }
    return out;
}

std::string c_string_text(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    char previous = 0;
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (ch == '\\' || ch == '"' || (ch == '?' && previous == '?')) {
            out += '\\';
            out += ch;
        } else if (ch == '\n') {
            out += "\\n";
        } else if (c < 0x20 || c == 0x7F) {
            constexpr char digits[] = "01234567";
            out += '\\';
            out += digits[(c >> 6) & 7];
            out += digits[(c >> 3) & 7];
            out += digits[c & 7];
        } else {
            out += ch;
        }
        previous = ch;
    }
    return out;
}

namespace {

void append_octal(std::string& out, unsigned char c) {
    constexpr char digits[] = "01234567";
    out += '\\';
    out += digits[(c >> 6) & 7];
    out += digits[(c >> 3) & 7];
    out += digits[c & 7];
}

bool is_control(char ch) {
    const auto c = static_cast<unsigned char>(ch);
    return c < 0x20 || c == 0x7F;
}

}  // namespace

std::string c_literals_reescaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    char quote = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (quote == 0) {
            if (ch == '"' || ch == '\'') {
                quote = ch;
            }
            out += ch;
            continue;
        }
        if (ch == quote) {
            quote = 0;
            out += ch;
        } else if (ch == '\\' && i + 1 < text.size()) {
            const char next = text[++i];
            if (is_control(next)) {
                out += "\\\\";
                append_octal(out, static_cast<unsigned char>(next));
            } else {
                out += ch;
                out += next;
            }
        } else if (is_control(ch)) {
            append_octal(out, static_cast<unsigned char>(ch));
        } else if (ch == '?' && !out.empty() && out.back() == '?') {
            out += "\\?";
        } else {
            out += ch;
        }
    }
    return out;
}

std::string comment_text(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x20 || c == 0x7F) {
            // A comment line stays one line.
            ch = '?';
        }
        if (!out.empty() &&
            ((out.back() == '*' && ch == '/') || (out.back() == '/' && ch == '*'))) {
            out += ' ';
        }
        out += ch;
    }
    return out;
}

bool include_name_writable(std::string_view name) {
    for (char ch : name) {
        const auto c = static_cast<unsigned char>(ch);
        if (ch == '"' || c < 0x20 || c == 0x7F) {
            return false;
        }
    }
    return true;
}

std::string upper_copy(std::string_view text) {
    std::string copy(text);
    to_upper(copy);
    return copy;
}

bool is_braced(std::string_view text) {
    return text.size() >= 2 && text.front() == '{' && text.back() == '}';
}

namespace {

// Deep enough for any written list, and a bound whatever the input.
constexpr int brace_depth_limit = 64;

void collect_leaves(std::string_view text, bool c_family,
                    std::initializer_list<std::string_view> others_words, int depth,
                    BraceListLeaves& leaves) {
    if (!is_braced(text) || depth > brace_depth_limit) {
        leaves.values.emplace_back(text);
        return;
    }
    for (std::string_view piece : split_top_level(text.substr(1, text.size() - 2), c_family)) {
        const std::string upper = upper_copy(piece);
        bool association = false;
        for (std::string_view word : others_words) {
            const std::string upper_word = upper_copy(word);
            if (upper.rfind(upper_word, 0) != 0) continue;
            const std::string_view rest = trimmed(piece.substr(upper_word.size()));
            if (rest.substr(0, 2) == "=>") {
                leaves.has_others = true;
                leaves.others = std::string(trimmed(rest.substr(2)));
                association = true;
                break;
            }
        }
        if (!association) collect_leaves(piece, c_family, others_words, depth + 1, leaves);
    }
}

}  // namespace

BraceListLeaves brace_list_leaves(std::string_view text, bool c_family,
                                  std::initializer_list<std::string_view> others_words) {
    BraceListLeaves leaves;
    collect_leaves(trimmed(text), c_family, others_words, 0, leaves);
    return leaves;
}

}  // namespace vx

namespace vx {

namespace {

// Whether the whole text is one parenthesised group: "(a) + (b)" is not.
bool wholly_parenthesised(std::string_view text) {
    if (text.size() < 2 || text.front() != '(' || text.back() != ')') return false;
    TextScanner scan(text, c_quote_rules);
    while (scan.next()) {
        if (scan.current() == ')' && scan.depth() == 0) return scan.at() + 1 == text.size();
    }
    return false;
}

// A name, or a number (a suffix and a sign-free exponent included).
bool single_token(std::string_view text) {
    if (text.empty()) return false;
    const bool number = text.front() >= '0' && text.front() <= '9';
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (is_word_char(c)) continue;
        // 1.5, 1e+3, 0x1p-3
        if (number && (c == '.' || ((c == '+' || c == '-') && i > 0 &&
                                    (text[i - 1] == 'e' || text[i - 1] == 'E' ||
                                     text[i - 1] == 'p' || text[i - 1] == 'P')))) {
            continue;
        }
        return false;
    }
    return true;
}

// One string or character literal, or adjacent string literals.
bool single_literal(std::string_view text) {
    if (text.empty() || (text.front() != '"' && text.front() != '\'')) return false;
    std::size_t at = 0;
    while (at < text.size()) {
        if (text[at] != '"' && text[at] != '\'') return false;
        at = quotation_end(text, at, c_quote_rules);
        while (at < text.size() && is_blank(text[at])) ++at;
    }
    return true;
}

}  // namespace

std::string c_operand(std::string_view text) {
    const std::string_view t = trimmed(text);
    // A signed number is a unary expression: a cast before it takes it
    // whole.
    if (t.size() > 1 && (t.front() == '-' || t.front() == '+') && t[1] >= '0' && t[1] <= '9' &&
        single_token(t.substr(1))) {
        return std::string(t);
    }
    if (single_token(t) || single_literal(t) || wholly_parenthesised(t)) return std::string(t);
    return "(" + std::string(t) + ")";
}

std::string_view without_outer_parentheses(std::string_view text) {
    std::string_view t = trimmed(text);
    while (wholly_parenthesised(t)) t = trimmed(t.substr(1, t.size() - 2));
    return t;
}

bool is_character_literal(std::string_view text) {
    const std::string_view t = trimmed(text);
    return t.size() >= 3 && t.front() == '\'' && quotation_end(t, 0, c_quote_rules) == t.size();
}

}  // namespace vx

namespace vx {

namespace {

bool hex_digit(char c) { return hex_value(c) >= 0; }

// The value of a character hex_digit accepts.
unsigned long hex_digit_value(char c) { return static_cast<unsigned long>(hex_value(c)); }

// The problem of the literal (quotes included), if any; a wide literal
// (L, u, U) takes escapes up to the width of its characters.
std::string literal_problem(std::string_view literal, bool no_nul, bool wide) {
    const bool string = literal.front() == '"';
    for (std::size_t i = 1; i + 1 < literal.size(); ++i) {
        const char c = literal[i];
        if (c == '\0' && string && no_nul) return "a NUL character ends the string early";
        if (c != '\\') continue;
        const char e = literal[++i];
        switch (e) {
            case '\'':
            case '"':
            case '?':
            case '\\':
            case 'a':
            case 'b':
            case 'f':
            case 'n':
            case 'r':
            case 't':
            case 'v':
                continue;
            default:
                break;
        }
        unsigned long value = 0;
        if (e >= '0' && e <= '7') {
            std::size_t n = 0;
            while (n < 3 && i < literal.size() - 1 && literal[i] >= '0' && literal[i] <= '7') {
                value = value * 8 + static_cast<unsigned long>(literal[i] - '0');
                ++i;
                ++n;
            }
            --i;
            if (value > 0xFF && !wide) return "octal escape past a byte";
        } else if (e == 'x') {
            if (!hex_digit(literal[i + 1])) return "\\x without hexadecimal digits";
            while (hex_digit(literal[i + 1])) {
                value = (value & 0xFFFFFFFUL) * 16 + hex_digit_value(literal[++i]);
                if (value > 0xFF && !wide) return "hexadecimal escape past a byte";
            }
        } else if (e == 'u' || e == 'U') {
            const std::size_t digits = e == 'u' ? 4 : 8;
            for (std::size_t d = 0; d < digits; ++d) {
                if (!hex_digit(literal[i + 1])) {
                    return std::string("\\") + e + " needs " + std::to_string(digits) +
                           " hexadecimal digits";
                }
                value = value * 16 + hex_digit_value(literal[++i]);
            }
            // C keeps the basic characters (but $, @ and `), the surrogates
            // and what lies past Unicode out of universal character names.
            if ((value < 0xA0 && value != 0x24 && value != 0x40 && value != 0x60) ||
                (value >= 0xD800 && value <= 0xDFFF) || value > 0x10FFFF) {
                return "C does not take this universal character name";
            }
            continue;
        } else {
            return std::string("unknown escape \\") + e;
        }
        if (value == 0 && string && no_nul) return "a NUL character ends the string early";
    }
    return {};
}

}  // namespace

std::string c_literal_problem(std::string_view text, bool no_nul) {
    std::size_t at = 0;
    while (at < text.size()) {
        const char c = text[at];
        if (c != '"' && c != '\'') {
            ++at;
            continue;
        }
        // A prefix letter (L, u, U, u8) belongs to the literal; a quote in
        // the middle of a name is not one.
        const std::size_t end = quotation_end(text, at, c_quote_rules);
        const std::string_view literal = text.substr(at, end - at);
        // L"...", u"...", U"..." (but u8"...") hold wide characters.
        const bool wide =
            at > 0 && (text[at - 1] == 'L' || text[at - 1] == 'U' || text[at - 1] == 'u');
        if (literal.size() >= 2 && literal.back() == c) {
            std::string problem = literal_problem(literal, no_nul, wide);
            if (!problem.empty()) return std::string(literal) + ": " + problem;
        }
        at = end;
    }
    return {};
}

std::size_t edit_distance_ignoring_case(std::string_view a, std::string_view b) {
    // Three rows of the table of the optimal string alignment distance.
    std::vector<std::size_t> before(b.size() + 1);
    std::vector<std::size_t> previous(b.size() + 1);
    std::vector<std::size_t> current(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) previous[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        current[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const bool same = upper_char(a[i - 1]) == upper_char(b[j - 1]);
            current[j] =
                std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + (same ? 0 : 1)});
            if (i > 1 && j > 1 && upper_char(a[i - 1]) == upper_char(b[j - 2]) &&
                upper_char(a[i - 2]) == upper_char(b[j - 1])) {
                current[j] = std::min(current[j], before[j - 2] + 1);
            }
        }
        std::swap(before, previous);
        std::swap(previous, current);
    }
    return previous[b.size()];
}

bool spelt_near(std::string_view given, std::string_view name) {
    return edit_distance_ignoring_case(given, name) <= std::max<std::size_t>(1, name.size() / 3);
}

std::string nearest_spelling(std::string_view given, const std::vector<std::string>& names) {
    const std::string* best = nullptr;
    std::size_t best_distance = 0;
    for (const std::string& name : names) {
        if (!spelt_near(given, name)) continue;
        const std::size_t distance = edit_distance_ignoring_case(given, name);
        if (best == nullptr || distance < best_distance) {
            best = &name;
            best_distance = distance;
        }
    }
    return best != nullptr ? *best : std::string();
}

}  // namespace vx
