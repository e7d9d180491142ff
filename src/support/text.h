// Trimming, word splitting, character classes and case conversion.
//
// Statement texts are byte strings. A blank is a space or a horizontal tab;
// trimming removes blanks at both ends. The readers of C text trim the
// white space of C instead, within a line or across lines: each says which
// set it trims, from the sets below. A statement begins with a word (a
// keyword or a name): a run of word characters, that is `$`, digits, the
// letters `a`-`z` / `A`-`Z` and `_`. split_word cuts that word off, upper-
// cases it for keyword lookup and hands back the rest of the statement from
// its first significant character. Case conversion touches only the ASCII
// letters, so Latin-1 or UTF-8 bytes pass through unchanged.
//
// Outputs are std::string references that are assigned at the very end, so
// an input view may point into one of the outputs: passing a buffer as both
// the text and the rest (or tail) peels it in place.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

bool is_blank(char c);
// A decimal digit, "0" to "9" (in every locale).
constexpr bool is_digit(char c) { return c >= '0' && c <= '9'; }
// The value of a hexadecimal digit of either case; -1 for any other
// character.
constexpr int hex_value(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}
// FNV-1a over 64 bits of some bytes, continuing `hash` (the offset basis
// for the first piece): the fingerprint of a file read in pieces, the
// base of the name hash below.
inline constexpr std::uint64_t fnv1a_64_basis = 14695981039346656037ull;
inline std::uint64_t fnv1a_64(std::string_view bytes, std::uint64_t hash = fnv1a_64_basis) {
    for (char c : bytes) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    return hash;
}
// A quick hash of a name (FNV-1a, folded so that its low bits depend on
// every character), for the tables keyed by identifiers and file names.
inline std::uint64_t name_hash(std::string_view name) {
    const std::uint64_t h = fnv1a_64(name);
    return h ^ (h >> 29);
}
bool is_word_char(char c);

struct TrimBounds {
    std::size_t start = 0;   // position after the leading blanks
    std::size_t length = 0;  // length without the leading and trailing blanks
};

TrimBounds trim_bounds(std::string_view text);
// The text without its leading and trailing blanks.
std::string_view trimmed(std::string_view text);

// Sets of blanks to trim: the blanks of script text (is_blank), the white
// space of C within one line, and all the white space of C.
inline constexpr std::string_view script_blanks = " \t";
inline constexpr std::string_view c_line_blanks = " \t\v\f\r";
inline constexpr std::string_view c_blanks = " \t\v\f\r\n";
// The text without the leading and trailing characters of `blanks`; an
// empty view at the end of the text when nothing else is left.
std::string_view trimmed(std::string_view text, std::string_view blanks);
// The text without the trailing characters of `blanks`.
std::string_view trimmed_end(std::string_view text, std::string_view blanks);

// Splits the trimmed text into its leading word, upper-cased, and the rest.
// The rest begins at the first non-blank character after the word, keeps
// its case and inner blanks and has no trailing blanks. A text that does
// not begin with a word character gives an empty word and the whole trimmed
// text as rest.
void split_word(std::string_view text, std::string& word, std::string& rest);

// In place, ASCII letters only.
void to_upper(std::string& text);
// The text for the inside of a C string literal (or any double-quoted field
// of our files): a backslash before every double quote and backslash.
std::string quoted_text(std::string_view text);
// The text for the inside of a generated C string literal, meaning exactly
// the given bytes: backslash and double quote escaped, the second "?" of
// "??" escaped (no trigraph can form), control characters and DEL written
// as escapes (a newline as "\n"; others in three octal digits, so that a
// following digit is never taken into the escape).
std::string c_string_text(std::string_view text);
// The text with every string and character literal written so that a C
// preprocessor reads it with the meaning the script gives it: raw control
// characters (a NUL byte among them) become octal escapes, a "?" after a
// "?" is escaped (no trigraph can form, "??/" stays three characters), and
// a backslash before a control character stands for itself. Text outside
// literals is kept.
std::string c_literals_reescaped(std::string_view text);
// The text for the inside of a generated C comment: a blank between "*"
// and "/" and between "/" and "*", so that the text can neither close the
// comment nor open a nested one; a control character (a line end among
// them) becomes "?", so that the comment stays on its line.
std::string comment_text(std::string_view text);
// Whether a file name can stand between the double quotes of an #include
// line: C gives no escape there, so a double quote, a line end or any
// other control character cannot be written.
bool include_name_writable(std::string_view name);
// An upper-cased copy (letters a-z only).
std::string upper_copy(std::string_view text);
void to_lower(std::string& text);
char upper_char(char c);
char lower_char(char c);
// How many letters must be added, removed, changed, or swapped with their
// neighbour to make one word the other, letters compared without regard to
// case: what tells a misspelt name from the name meant.
std::size_t edit_distance_ignoring_case(std::string_view a, std::string_view b);
// Whether `given` may be a misspelling of `name`: at most one letter in
// three of the name differs, and always one may.
bool spelt_near(std::string_view given, std::string_view name);
// Of the names, the nearest to `given` among those it may misspell, the
// first of equally near ones; empty when none is near.
std::string nearest_spelling(std::string_view given, const std::vector<std::string>& names);

// Whether the text is a brace list, "{" ... "}".
bool is_braced(std::string_view text);

// A C expression written where an operator or a cast will touch it, as one
// operand: kept as it is when it already is one (a name, a number, a
// literal, a text wholly in parentheses), else put in parentheses, so that
// "(int)" before "ratio * 100" casts the product and not "ratio" alone.
std::string c_operand(std::string_view text);

// The expression without the parentheses that wholly enclose it, and
// without its blanks: "((a + 1))" gives "a + 1", "(a) + (b)" stays.
std::string_view without_outer_parentheses(std::string_view text);

// Whether the text is one C character literal, "'a'" or "'\\n'", and not
// an expression that begins and ends with one, "'a' + g + 'b'".
bool is_character_literal(std::string_view text);

// What C would refuse in the string and character literals of a C text,
// or what would cut a string short: an escape C does not know (an unknown
// letter, \u or \U without their digits or naming a character C keeps
// out, an octal or hexadecimal escape past a byte) or, when `no_nul`, a
// NUL character in a string literal (which strcmp would read as its end).
// Empty when there is nothing to refuse, else the literal and the reason.
std::string c_literal_problem(std::string_view text, bool no_nul);

// The values of a brace list in order, nested lists flattened. An item
// "word => v", for one of `others_words` (any case), gives the value of
// the places the list does not reach instead of a value of its own.
struct BraceListLeaves {
    std::vector<std::string> values;
    bool has_others = false;
    std::string others;
};
BraceListLeaves brace_list_leaves(std::string_view text, bool c_family,
                                  std::initializer_list<std::string_view> others_words);

}  // namespace vx
