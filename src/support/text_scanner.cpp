// One left-to-right pass with two pieces of state: where the next
// character to look at is, and the stack of open brackets. A quotation is
// stepped over whole by quotation_end, so the scanner only ever lands on
// characters outside quotations. The operations below (the top-level
// search, the closing bracket, the comma split, the separator split) are
// each a loop over that scanner with their own stopping rule.
#include "support/text_scanner.h"

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

QuoteRules quote_rules_for_language(int language_kind) {
    if (language_kind == language_kind_c || language_kind == language_kind_cpp) {
        return c_quote_rules;
    }
    if (language_kind == language_kind_ada) {
        return ada_quote_rules;
    }
    return {true, false, false, false};
}

bool opens_quotation(std::string_view text, std::size_t at, const QuoteRules& rules) {
    const char c = text[at];
    if (c == '"') {
        return true;
    }
    if (rules.ada) {
        return (c == '\'' && ada_character_literal(text, at)) ||
               (c == '%' && ada_percent_bracket(text, at));
    }
    return c == '\'' && rules.single_quotes;
}

std::size_t quotation_end(std::string_view text, std::size_t at, const QuoteRules& rules) {
    const char quote = text[at];
    if (rules.ada && quote == '\'') {
        return at + 3;  // 'x'
    }
    std::size_t i = at + 1;
    while (i < text.size()) {
        const char c = text[i];
        if (rules.escapes && c == '\\' && i + 1 < text.size()) {
            i += 2;
            continue;
        }
        if (c == quote) {
            return i + 1;
        }
        if (rules.stop_at_newline && c == '\n') {
            return i;
        }
        ++i;
    }
    return text.size();
}

bool TextScanner::next() {
    while (next_ < text_.size() && opens_quotation(text_, next_, rules_)) {
        next_ = quotation_end(text_, next_, rules_);
    }
    if (next_ >= text_.size()) {
        return false;
    }
    at_ = next_++;
    const char c = text_[at_];
    stray_ = false;
    if (is_opener(c)) {
        depth_ = static_cast<int>(open_.size());
        open_.push_back(c);
    } else if (is_closer(c)) {
        if (open_.empty()) {
            stray_ = true;
            mismatched_ = true;
        } else {
            if (partner_of(open_.back()) != c) {
                mismatched_ = true;
            }
            open_.pop_back();
        }
        depth_ = static_cast<int>(open_.size());
    } else {
        depth_ = static_cast<int>(open_.size());
    }
    return true;
}

std::size_t find_top_level(std::string_view text, std::string_view token) {
    TextScanner scan(text, c_quote_rules);
    while (scan.next()) {
        const char c = scan.current();
        if (scan.depth() == 0 && !is_opener(c) && !is_closer(c) &&
            text.substr(scan.at(), token.size()) == token) {
            return scan.at();
        }
    }
    return std::string_view::npos;
}

std::size_t find_closing(std::string_view text, std::size_t open) {
    if (open >= text.size()) {
        return std::string_view::npos;
    }
    TextScanner scan(text, c_quote_rules, open);
    while (scan.next()) {
        if (scan.at() != open && scan.depth() == 0 && is_closer(scan.current())) {
            return scan.at();
        }
    }
    return std::string_view::npos;
}

std::vector<std::string_view> split_top_level(std::string_view text, bool c_family) {
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    TextScanner scan(text, c_family ? c_quote_rules : plain_quote_rules);
    while (scan.next()) {
        if (scan.current() == ',' && scan.depth() == 0) {
            pieces.push_back(trimmed(text.substr(start, scan.at() - start)));
            start = scan.at() + 1;
        }
    }
    pieces.push_back(trimmed(text.substr(start)));
    return pieces;
}

bool split_on_separator(std::string_view text, std::string_view separators, std::string& head,
                        std::string& tail, int language_kind) {
    const std::string_view body = trimmed(text);
    TextScanner scan(body, quote_rules_for_language(language_kind));
    std::size_t found = std::string_view::npos;
    while (scan.next()) {
        if (scan.depth() == 0 && separators.find(scan.current()) != std::string_view::npos &&
            (!is_closer(scan.current()) || scan.stray_closer())) {
            found = scan.at();
            break;
        }
    }
    // A separator is found only outside every bracket, so the brackets
    // before it are all closed; without one the whole text is judged.
    const bool balanced = scan.balanced();

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
