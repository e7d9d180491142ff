// Guarded lookups in the per-language tables.
#include "codegen/language_tables.h"

#include <cstdlib>

namespace vx {

namespace {

std::size_t checked_index(int tested_language) {
    if (tested_language < 0 || tested_language >= tested_language_count) {
        // A language code outside the tables is a fault of the program:
        // the crash handler reports it.
        std::abort();
    }
    return static_cast<std::size_t>(tested_language);
}

}  // namespace

CommentDelimiters comment_delimiters_for(int tested_language) {
    return comment_delimiter_table[checked_index(tested_language)];
}

std::string_view tested_language_word(int tested_language) {
    return tested_language_words[checked_index(tested_language)];
}

}  // namespace vx
