// Statement syntax helpers. Each works on the argument text of one
// statement and never reports: the handlers decide which diagnostic a
// shape deserves.
#include "script/statements/statement_text.h"

#include "support/text.h"
#include "support/text_scanner.h"

namespace vx {

namespace {

bool is_loop_separator(char c) {
    return c == '\t' || c == '\n' || c == ' ' || c == '(' || c == ')' || c == ',' || c == '[' ||
           c == ']';
}

bool is_letter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

}  // namespace

std::string normalise_blanks(std::string_view text) {
    std::string out;
    bool pending_blank = false;
    for (char c : trimmed(text)) {
        if (is_blank(c)) {
            pending_blank = true;
            continue;
        }
        if (pending_blank && !out.empty()) {
            out += ' ';
        }
        pending_blank = false;
        out += c;
    }
    return out;
}

std::string remove_blanks(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (!is_blank(c)) {
            out += c;
        }
    }
    return out;
}

std::vector<std::string> split_header_fields(std::string_view text, std::size_t count) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size() && fields.size() + 1 < count) {
        if (opens_quotation(text, i, plain_quote_rules)) {
            i = quotation_end(text, i, plain_quote_rules);
            continue;
        }
        if (text[i] == ',') {
            fields.emplace_back(text.substr(start, i - start));
            start = i + 1;
        }
        ++i;
    }
    fields.emplace_back(text.substr(start));
    return fields;
}

std::string compact_header_field(std::string_view text) {
    std::string_view field = trimmed(text);
    std::string out;
    std::size_t i = 0;
    while (i < field.size()) {
        const char c = field[i];
        if (opens_quotation(field, i, plain_quote_rules)) {
            const std::size_t end = quotation_end(field, i, plain_quote_rules);
            out += field.substr(i, end - i);
            i = end;
            continue;
        }
        if (is_blank(c)) {
            std::size_t next = i;
            while (next < field.size() && is_blank(field[next])) {
                ++next;
            }
            if (!out.empty() && next < field.size() && is_word_char(out.back()) &&
                is_word_char(field[next])) {
                out += ' ';
            }
            i = next;
            continue;
        }
        out += c;
        ++i;
    }
    return out;
}

FirstWord first_word(std::string_view text) {
    std::string_view rest = trimmed(text);
    std::size_t end = 0;
    while (end < rest.size() && !is_blank(rest[end])) {
        ++end;
    }
    return {std::string(rest.substr(0, end)), std::string(trimmed(rest.substr(end)))};
}

bool only_name_characters(std::string_view text) {
    for (char c : text) {
        if (!is_letter(c) && !is_digit(c) && c != '_') {
            return false;
        }
    }
    return true;
}

bool is_identifier(std::string_view text) {
    return !text.empty() && !is_digit(text.front()) && only_name_characters(text);
}

bool split_assignment(std::string_view text, std::string& name, std::string& value) {
    std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) {
        name.clear();
        value.clear();
        return false;
    }
    name = std::string(trimmed(text.substr(0, equals)));
    value = std::string(trimmed(text.substr(equals + 1)));
    return true;
}

NamedList parse_named_list(std::string_view text) {
    NamedList result;
    std::string_view rest = trimmed(text);
    std::size_t open = rest.find('(');
    result.name = normalise_blanks(rest.substr(0, open));
    if (open == std::string_view::npos) {
        return result;
    }
    result.has_list = true;
    // The items are cut at the commas of the list itself: a comma inside
    // brackets or inside a string or character literal belongs to its item,
    // and the list ends at the parenthesis that closes the one it began with.
    // Scanned from just inside it, the list's own closing parenthesis is
    // the first one that closes nothing.
    std::size_t start = open + 1;
    std::size_t i = rest.size();
    std::vector<std::string> items;
    TextScanner scan(rest, c_quote_rules, open + 1);
    while (scan.next()) {
        const char c = scan.current();
        if (c == ')' && scan.stray_closer()) {
            i = scan.at();
            break;
        }
        if (c == ',' && scan.depth() == 0) {
            items.emplace_back(trimmed(rest.substr(start, scan.at() - start)));
            start = scan.at() + 1;
        }
    }
    if (i < rest.size()) {
        result.closed = true;
        result.trailing_text = !trimmed(rest.substr(i + 1)).empty();
    }
    const std::string_view last = trimmed(rest.substr(start, i - start));
    if (!items.empty() || !last.empty()) {
        items.emplace_back(last);
    }
    result.items = std::move(items);
    return result;
}

std::string upper_outside_quotes(std::string_view text) {
    std::string out(text);
    TextScanner scan(text, c_quote_rules);
    while (scan.next()) {
        out[scan.at()] = upper_char(scan.current());
    }
    return out;
}

std::vector<std::string> split_names(std::string_view text) {
    std::vector<std::string> names;
    std::string current;
    for (char c : text) {
        if (is_blank(c) || c == ',') {
            if (!current.empty()) {
                names.push_back(std::move(current));
                current.clear();
            }
            continue;
        }
        current += c;
    }
    if (!current.empty()) {
        names.push_back(std::move(current));
    }
    return names;
}

LoopClause split_loop_clause(std::string_view text, std::string_view keyword) {
    LoopClause clause;
    for (std::size_t at = 1; at + keyword.size() <= text.size(); ++at) {
        bool match = true;
        for (std::size_t k = 0; k < keyword.size(); ++k) {
            if (upper_char(text[at + k]) != keyword[k]) {
                match = false;
                break;
            }
        }
        const std::size_t after = at + keyword.size();
        if (match && is_loop_separator(text[at - 1]) &&
            (after == text.size() || is_loop_separator(text[after]))) {
            clause.found = true;
            clause.name = normalise_blanks(text.substr(0, at));
            clause.expression = std::string(trimmed(text.substr(after)));
            return clause;
        }
    }
    clause.name = normalise_blanks(text);
    return clause;
}

std::string cut_service_name(std::string_view name, bool& cut) {
    std::string result(name);
    cut = result.size() > service_name_limit;
    if (!cut) {
        return result;
    }
    result.resize(service_name_limit);
    if (result.back() == '_') {
        if (result[service_name_limit - 2] == '_') {
            result.back() = '0';
        } else {
            result.pop_back();
        }
    }
    return result;
}

}  // namespace vx
