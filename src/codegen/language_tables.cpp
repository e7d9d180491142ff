// Guarded lookups in the per-language tables.
#include "codegen/language_tables.h"

#include "diag/reporter.h"

namespace vx {

namespace {

std::size_t checked_index(int tested_language, std::string_view function) {
    if (tested_language < 0 || tested_language >= tested_language_count) {
        report_internal(msg::ERRINTFCT, function);
    }
    return static_cast<std::size_t>(tested_language);
}

}  // namespace

CommentDelimiters comment_delimiters_for(int tested_language) {
    return comment_delimiter_table[checked_index(tested_language, "comment_delimiters_for")];
}

std::string_view tested_language_word(int tested_language) {
    return tested_language_words[checked_index(tested_language, "tested_language_word")];
}

}  // namespace vx
