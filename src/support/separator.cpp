// One left-to-right pass over the trimmed text with two pieces of state:
// the quotation in force (the character that will close it, or none) and
// the stack of open brackets. Inside a quotation only its closer (and, for
// C and C++, the backslash escape) matters. Outside, a separator at depth
// zero ends the scan; an opener is pushed; a closer pops its partner, and a
// closer that finds no opener or the wrong one marks the text unbalanced.
// An Ada quote is a character literal only when the literal really starts
// there ('x', including ''' and '('); a quote that follows a name, such as
// the attribute mark of Integer'Image or of the qualified form T'('a'), is
// an ordinary character.
#include "support/separator.h"

#include "support/text.h"

#include <utility>

namespace vx {

namespace {

bool is_opener(char c) { return c == '(' || c == '[' || c == '{'; }
bool is_closer(char c) { return c == ')' || c == ']' || c == '}'; }

char partner_of(char opener) {
    switch (opener) {
        case '(':
            return ')';
        case '[':
            return ']';
        default:
            return '}';
    }
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Ada: a quote right after a name or a closing parenthesis, followed by
// "(", a character literal and its closing quote, is the attribute mark of
// a qualified expression.
bool ada_qualified_mark(std::string_view text, std::size_t at) {
    if (at == 0) {
        return false;
    }
    char before = text[at - 1];
    if (!is_word_char(before) && before != ')') {
        return false;
    }
    return at + 4 < text.size() && text[at + 1] == '(' && text[at + 2] == '\'' &&
           text[at + 4] == '\'';
}

// Ada: the quote at `at` begins a character literal 'x'.
bool ada_character_literal(std::string_view text, std::size_t at) {
    return at + 2 < text.size() && text[at + 2] == '\'' && !ada_qualified_mark(text, at);
}

// Ada: "%" stands for a string bracket unless it follows a digit or ends
// the text.
bool ada_percent_bracket(std::string_view text, std::size_t at) {
    return at + 1 < text.size() && !(at > 0 && is_digit(text[at - 1]));
}

}  // namespace

bool split_on_separator(std::string_view text, std::string_view separators, std::string& head,
                        std::string& tail, int language_kind) {
    const std::string_view body = trimmed(text);
    const bool ada = language_kind == language_kind_ada;
    const bool escapes = language_kind == language_kind_c || language_kind == language_kind_cpp;

    bool balanced = true;
    auto mark_unbalanced = [&] { balanced = false; };

    std::string open_brackets;
    char closing_quote = '\0';
    std::size_t found = std::string_view::npos;

    for (std::size_t i = 0; i < body.size(); ++i) {
        const char c = body[i];
        if (closing_quote != '\0') {
            if (escapes && c == '\\' && i + 1 < body.size() &&
                (body[i + 1] == closing_quote || body[i + 1] == '\\')) {
                ++i;
            } else if (c == closing_quote) {
                closing_quote = '\0';
            }
            continue;
        }

        if (c == '"') {
            closing_quote = c;
            continue;
        }
        if (c == '\'') {
            if (!ada) {
                closing_quote = c;
                continue;
            }
            if (ada_character_literal(body, i)) {
                i += 2;
                continue;
            }
            // Otherwise an attribute mark: an ordinary character.
        }
        if (ada && c == '%' && ada_percent_bracket(body, i)) {
            closing_quote = c;
            continue;
        }

        if (open_brackets.empty() && separators.find(c) != std::string_view::npos) {
            found = i;
            break;
        }
        if (is_opener(c)) {
            open_brackets.push_back(c);
        } else if (is_closer(c)) {
            if (open_brackets.empty()) {
                mark_unbalanced();
            } else {
                if (partner_of(open_brackets.back()) != c) {
                    mark_unbalanced();
                }
                open_brackets.pop_back();
            }
        }
    }
    if (found == std::string_view::npos && !open_brackets.empty()) {
        mark_unbalanced();
    }

    std::string new_head;
    std::string new_tail;
    if (found == std::string_view::npos) {
        new_head = std::string(body);
    } else {
        new_head = std::string(body.substr(0, found));
        new_tail = std::string(body.substr(found + 1));
    }
    head = std::move(new_head);
    tail = std::move(new_tail);
    return balanced;
}

}  // namespace vx
