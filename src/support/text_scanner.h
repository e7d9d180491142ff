// Scanning a text that holds quotations and brackets: the one scanner
// behind every search, split and copy that must step over string and
// character literals and keep count of (), [] and {} pairs.
//
// What a quotation is depends on the text's language, so the scanner takes
// a set of quote rules:
//   - C text (and C++): "..." and '...' with backslash escapes;
//   - C source lines: the same, but a literal left open ends with its
//     line (the next line is not swallowed);
//   - plain script text: "..." only, no escapes ("'" is an ordinary mark,
//     as in an Ada attribute or an apostrophe of a comment);
//   - Ada text: "..." without escapes, "%" as an alternative string bracket
//     (except after a digit or as the last character), and "'" a quotation
//     only where a character literal 'x' begins; a quote after a name, as
//     in Integer'Image or the qualified form T'('a'), is an attribute mark.
//
// Outside quotations, each opening bracket is pushed and each closing one
// pops the one it closes. A closer that finds no opener, or the wrong one,
// makes the text unbalanced (the opener is popped all the same, so that one
// slip does not shift every later depth).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

struct QuoteRules {
    bool single_quotes = true;     // "'" opens a quotation as '"' does
    bool escapes = true;           // a backslash takes the next character in
    bool ada = false;              // Ada character literals and "%" strings
    bool stop_at_newline = false;  // an open literal ends with its line
};

inline constexpr QuoteRules c_quote_rules{true, true, false, false};
inline constexpr QuoteRules c_line_quote_rules{true, true, false, true};
inline constexpr QuoteRules plain_quote_rules{false, false, false, false};
inline constexpr QuoteRules ada_quote_rules{false, false, true, false};

// Language kinds that change the quotation rules (indexes of the tested
// language).
inline constexpr int language_kind_ada = 0;
inline constexpr int language_kind_c = 3;
inline constexpr int language_kind_cpp = 6;

// The rules of a tested language's text: C and C++ text, Ada text, and for
// any other language double and single quotes without escapes.
QuoteRules quote_rules_for_language(int language_kind);

// Whether a quotation opens at `at` under the rules.
bool opens_quotation(std::string_view text, std::size_t at, const QuoteRules& rules);

// The position just after the quotation that opens at `at`: after its
// closing quote; for a literal left open, the end of the text (or, with
// `stop_at_newline`, the line end that ends it).
std::size_t quotation_end(std::string_view text, std::size_t at, const QuoteRules& rules);

// Steps through the characters of a text that stand outside quotations,
// with the depth of brackets around each:
//
//   TextScanner scan(text, c_quote_rules);
//   while (scan.next()) { ... scan.at(), scan.current(), scan.depth() ... }
//
// An opening bracket and its closing one stand at the depth outside them:
// in "f(a, b)" the "f", "(" and ")" are at depth 0, "a", "," and "b" at 1.
class TextScanner {
public:
    TextScanner(std::string_view text, const QuoteRules& rules, std::size_t from = 0)
        : text_(text), rules_(rules), next_(from) {}

    // Moves to the next character outside quotations; false at the end.
    bool next();
    std::size_t at() const { return at_; }
    char current() const { return text_[at_]; }
    int depth() const { return depth_; }
    // Whether the current character is a closing bracket that closed
    // nothing (it stands at depth 0 then, as the brackets around it do).
    bool stray_closer() const { return stray_; }
    // No closer so far closed nothing or the wrong opener, and no bracket
    // is left open.
    bool balanced() const { return !mismatched_ && open_.empty(); }

private:
    std::string_view text_;
    QuoteRules rules_;
    std::size_t next_ = 0;
    std::size_t at_ = 0;
    int depth_ = 0;
    bool stray_ = false;
    bool mismatched_ = false;
    std::string open_;  // the openers in force, innermost last
};

// The position of the first `token` of a C text outside quotes and outside
// (), [] and {} pairs, or npos.
std::size_t find_top_level(std::string_view text, std::string_view token);

// The position of the bracket that closes the one at `open` ("(", "[" or
// "{") in a C text, quotes skipped, or npos when it is not closed.
std::size_t find_closing(std::string_view text, std::size_t open);

// Cuts `text` at every comma outside quotes and outside (), [] and {}
// pairs, in one pass; the pieces are trimmed. Without `c_family` the text
// follows the plain rules: a single quote is no quote (Ada attributes) and
// a backslash escapes nothing.
std::vector<std::string_view> split_top_level(std::string_view text, bool c_family);

// Splits the trimmed text at the first of the `separators` that stands
// outside brackets and quotations, with the rules of the tested language of
// the kind given: the tool that peels lists such as "f(a,b), 'x', c"
// element by element. `head` receives the trimmed text before the
// separator, `tail` the text after it (empty when no separator was found,
// the head then being the whole trimmed text); the separator itself goes to
// neither. `text` may be a view of `tail` (or `head`): the outputs are
// assigned last. Returns false when the brackets do not balance, for the
// caller to report; the split is made all the same.
bool split_on_separator(std::string_view text, std::string_view separators, std::string& head,
                        std::string& tail, int language_kind);

}  // namespace vx
