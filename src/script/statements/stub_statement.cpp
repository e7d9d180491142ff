#include "script/statements/stub_statement.h"

#include "diag/reporter.h"
#include "support/text.h"
#include "support/text_scanner.h"

#include <string>

namespace vx {

bool parse_stub_call(Reporter& reporter, std::string_view argument, StubCall& call) {
    std::string_view text = trimmed(argument);
    std::size_t i = 0;
    while (i < text.size() && is_word_char(text[i])) ++i;
    call.name = std::string(text.substr(0, i));
    if (call.name.empty()) {
        reporter.warning(msg::STXMETAIN, argument);
        return false;
    }
    text = trimmed(text.substr(i));
    // The call number or range.
    if (!text.empty() && is_digit(text.front())) {
        auto number = [&](long& out) {
            std::size_t j = 0;
            long value = 0;
            while (j < text.size() && is_digit(text[j])) {
                if (value > 100000000L) return false;
                value = value * 10 + (text[j] - '0');
                ++j;
            }
            text = trimmed(text.substr(j));
            out = value;
            return true;
        };
        if (!number(call.first) || call.first == 0) {
            reporter.warning(msg::NBAPPMUET, call.name);
            return false;
        }
        call.last = call.first;
        if (text.substr(0, 2) == "..") {
            text = trimmed(text.substr(2));
            if (text.empty() || !is_digit(text.front()) || !number(call.last)) {
                reporter.warning(msg::NBAPPMUET, call.name);
                return false;
            }
        }
    }
    // The values.
    if (!text.empty() && text.front() == '(') {
        const std::size_t close = find_closing(text, 0);
        if (close == std::string_view::npos) {
            reporter.warning(msg::LISPARINC, call.name);
            return false;
        }
        call.has_list = true;
        std::string_view inner = trimmed(text.substr(1, close - 1));
        if (!inner.empty()) {
            // Every comma at the top level separates two values, so that an
            // empty value between two commas is kept.
            for (std::string_view value : split_top_level(inner, true)) {
                call.values.emplace_back(value);
            }
        }
        text = trimmed(text.substr(close + 1));
    }
    if (!text.empty()) call.return_value = std::string(text);
    return true;
}

}  // namespace vx
