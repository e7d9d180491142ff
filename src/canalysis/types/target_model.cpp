// The target model of a run: base integer widths, plain-char signedness
// and declared type sizes.
#include "canalysis/types/target_model.h"

#include "canalysis/types/c_characters.h"
#include <array>

namespace vx {

namespace {

// The type text with blanks collapsed to single spaces and trimmed, so
// that "unsigned  long" and " unsigned long" name the same declared type.
std::string normalise(std::string_view text) {
    std::string out;
    bool pending_blank = false;
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f') {
            pending_blank = !out.empty();
            continue;
        }
        if (pending_blank) out += ' ';
        pending_blank = false;
        out += c;
    }
    return out;
}

}  // namespace

bool TargetModel::base_integer_of(std::string_view word, BaseInteger& kind) {
    static constexpr std::array<std::pair<std::string_view, BaseInteger>, 5> names = {{
        {"char", BaseInteger::char_type},
        {"short", BaseInteger::short_type},
        {"int", BaseInteger::int_type},
        {"long", BaseInteger::long_type},
        {"longlong", BaseInteger::long_long_type},
    }};
    for (const auto& [name, value] : names) {
        if (word == name) {
            kind = value;
            return true;
        }
    }
    return false;
}

void TargetModel::declare_type_size(std::string_view type, int bytes) {
    declared_.push_back({normalise(type), bytes});
}

int TargetModel::declared_size(std::string_view type) const {
    std::string key = normalise(type);
    for (auto it = declared_.rbegin(); it != declared_.rend(); ++it) {
        if (it->type == key) return it->bytes;
    }
    return -1;
}

int TargetModel::size_of(std::string_view type_text) const {
    // A base integer type in any spelling: count its words.
    int longs = 0, shorts = 0, chars = 0, ints = 0, signs = 0, others = 0;
    bool punctuation = false;
    std::size_t i = 0;
    while (i < type_text.size()) {
        char c = type_text[i];
        if (!is_ident_char(c)) {
            if (c != ' ' && c != '\t' && c != '\n' && c != '\r' && c != '\v' && c != '\f') {
                punctuation = true;
            }
            ++i;
            continue;
        }
        std::size_t start = i;
        while (i < type_text.size() && is_ident_char(type_text[i])) ++i;
        std::string_view word = type_text.substr(start, i - start);
        if (word == "long") {
            ++longs;
        } else if (word == "longlong") {
            longs += 2;
        } else if (word == "short") {
            ++shorts;
        } else if (word == "char") {
            ++chars;
        } else if (word == "int") {
            ++ints;
        } else if (word == "signed" || word == "unsigned") {
            ++signs;
        } else if (word == "const" || word == "volatile") {
            // Qualifiers do not change a size.
        } else {
            ++others;
        }
    }
    int declared = declared_size(type_text);
    if (punctuation || others > 0) return declared > 0 ? declared : 0;
    int bits = 0;
    if (chars == 1 && longs == 0 && shorts == 0 && ints == 0) {
        bits = base_width(BaseInteger::char_type);
    } else if (chars > 0) {
        return declared > 0 ? declared : 0;
    } else if (shorts == 1 && longs == 0 && ints <= 1) {
        bits = base_width(BaseInteger::short_type);
    } else if (longs == 1 && shorts == 0 && ints <= 1) {
        bits = base_width(BaseInteger::long_type);
    } else if (longs == 2 && shorts == 0 && ints <= 1) {
        bits = base_width(BaseInteger::long_long_type);
    } else if (longs == 0 && shorts == 0 && ints <= 1 && (ints == 1 || signs > 0)) {
        bits = base_width(BaseInteger::int_type);
    } else {
        return declared > 0 ? declared : 0;
    }
    return bits / 8;
}

}  // namespace vx
