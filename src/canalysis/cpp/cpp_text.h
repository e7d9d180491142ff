// Small pieces of C text that the macro table, the directives and the
// expansion all step over the same way: preprocessing numbers, string and
// character literals, block comments and the file name of "#include".
#pragma once

#include "canalysis/cpp/macro_table.h"

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace vx {

// End of a preprocessing number starting at `i`: digits, letters, "_",
// "." and a sign after an exponent letter.
inline std::size_t number_end(std::string_view text, std::size_t i) {
    while (i < text.size()) {
        char c = text[i];
        if ((c == '+' || c == '-') && i > 0 &&
            (text[i - 1] == 'e' || text[i - 1] == 'E' || text[i - 1] == 'p' ||
             text[i - 1] == 'P')) {
            ++i;
        } else if (is_identifier_char(static_cast<unsigned char>(c)) || c == '.') {
            ++i;
        } else {
            break;
        }
    }
    return i;
}

// End of the string or character literal whose quote is at `i`, on its
// line: after the closing quote, or at the line end (or the end of the
// text) when it is left open. A backslash escapes the next character. When
// `escaped_newlines` is given, a backslash escapes a line end too, and each
// one so escaped is counted there; otherwise a line end always ends the
// literal.
inline std::size_t literal_on_line_end(std::string_view t, std::size_t i, long* escaped_newlines) {
    const char quote = t[i++];
    while (i < t.size() && t[i] != quote && t[i] != '\n') {
        if (t[i] == '\\' && i + 1 < t.size() && (t[i + 1] != '\n' || escaped_newlines)) {
            if (t[i + 1] == '\n') {
                ++*escaped_newlines;
            }
            ++i;
        }
        ++i;
    }
    if (i < t.size() && t[i] == quote) {
        ++i;
    }
    return i;
}

// End of the block comment whose "/*" is at `i`: after its "*/", or the end
// of the text when it is left open; the line ends inside are added to
// `newlines`.
inline std::size_t block_comment_end(std::string_view t, std::size_t i, long& newlines) {
    std::size_t e = t.find("*/", i + 2);
    std::size_t stop = e == std::string_view::npos ? t.size() : e + 2;
    newlines +=
        std::count(t.begin() + static_cast<long>(i), t.begin() + static_cast<long>(stop), '\n');
    return stop;
}

// The file name of an include argument written "name" or <name>, without
// its delimiters; false when the argument has another form.
inline bool include_file_name(std::string_view arg, std::string_view& name) {
    if (arg.size() >= 2 && ((arg.front() == '"' && arg.find('"', 1) == arg.size() - 1) ||
                            (arg.front() == '<' && arg.find('>', 1) == arg.size() - 1))) {
        name = arg.substr(1, arg.size() - 2);
        return true;
    }
    return false;
}

}  // namespace vx
