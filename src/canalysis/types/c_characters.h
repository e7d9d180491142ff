// The character classes of C text that every reader of the C analysis
// shares: identifiers ("$" included, as the compilers of the targets
// accept it) and blanks; digits are those of support/text.h.
#pragma once

#include "support/text.h"

namespace vx {

constexpr bool is_ident_start(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == '$';
}
constexpr bool is_ident_char(char c) { return is_ident_start(c) || is_digit(c); }
// Space, tab, newline, carriage return, vertical tab, form feed.
constexpr bool is_c_blank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

}  // namespace vx
