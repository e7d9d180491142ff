#include "support/numbers.h"

#include "support/text.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <string>

namespace vx {

bool integer_constant(std::string_view text, long long& value) {
    if (text.empty() || text.front() < '0' || text.front() > '9') {
        return false;
    }
    std::string copy(text);
    char* end = nullptr;
    errno = 0;
    value = std::strtoll(copy.c_str(), &end, 0);
    if (errno == ERANGE) {
        return false;
    }
    while (*end == 'u' || *end == 'U' || *end == 'l' || *end == 'L') {
        ++end;
    }
    return *end == '\0';
}

bool decimal_integer(std::string_view text, __int128& value) {
    text = trimmed(text);
    bool negative = false;
    if (!text.empty() && text.front() == '-') {
        negative = true;
        text.remove_prefix(1);
    }
    while (!text.empty() &&
           (text.back() == 'U' || text.back() == 'u' || text.back() == 'L' || text.back() == 'l')) {
        text.remove_suffix(1);
    }
    if (text.empty() || text.size() > 20) return false;
    value = 0;
    for (char ch : text) {
        if (ch < '0' || ch > '9') return false;
        value = value * 10 + (ch - '0');
    }
    if (negative) value = -value;
    return true;
}

bool real_constant(std::string_view text, long double& value) {
    const std::string copy(trimmed(text));
    if (copy.empty()) return false;
    char* end = nullptr;
    value = std::strtold(copy.c_str(), &end);
    return end != copy.c_str() && *end == '\0';
}

bool floating_constant(std::string_view text) {
    if (text.empty()) {
        return false;
    }
    const std::string copy(text);
    char* end = nullptr;
    std::strtod(copy.c_str(), &end);
    if (end == copy.c_str() || *end != '\0' ||
        !(std::isdigit(static_cast<unsigned char>(copy.front())) || copy.front() == '.')) {
        return false;
    }
    // In a hexadecimal constant "e" is a digit: only a point or a binary
    // exponent makes it floating.
    const bool hexadecimal =
        copy.size() > 1 && copy[0] == '0' && (copy[1] == 'x' || copy[1] == 'X');
    return copy.find_first_of(hexadecimal ? ".pP" : ".eE") != std::string::npos;
}

}  // namespace vx
