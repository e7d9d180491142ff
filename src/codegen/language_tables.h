// Per-language data shared by the writers of generated files: the comment
// delimiters of the banner and the language word of the "E9 " link record,
// indexed by the tested language (0 Ada, 1 Pascal, 2 PL/M, 3 C,
// 4 assembler, 5 AUTAN, 6 C++, 7 Modula-2). This compiler generates for C
// only, but the tables keep every row so that the index means the same
// thing everywhere.
#pragma once

#include "support/languages.h"

#include <array>
#include <string_view>

namespace vx {

// The delimiters and word of an index; an index outside the table is an
// internal error of the caller.
CommentDelimiters comment_delimiters_for(int tested_language);
std::string_view tested_language_word(int tested_language);

}  // namespace vx
