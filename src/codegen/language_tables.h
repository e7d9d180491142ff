// Per-language data shared by the writers of generated files: the comment
// delimiters of the banner and the language word of the "E9 " link record,
// indexed by the tested language (0 Ada, 1 Pascal, 2 PL/M, 3 C,
// 4 assembler, 5 AUTAN, 6 C++, 7 Modula-2). This compiler generates for C
// only, but the tables keep every row so that the index means the same
// thing everywhere.
#pragma once

#include <array>
#include <string_view>

namespace vx {

inline constexpr int tested_language_count = 8;
inline constexpr int tested_language_c = 3;
inline constexpr int tested_language_cpp = 6;

// Keyword language of the script: 0 "FR", 1 "FA" (both French), 2 "GB".
inline constexpr int script_language_fr = 0;
inline constexpr int script_language_fa = 1;
inline constexpr int script_language_gb = 2;

struct CommentDelimiters {
    std::string_view start;
    std::string_view end;
};

inline constexpr std::array<CommentDelimiters, tested_language_count> comment_delimiter_table = {{
    {"--", ""},    // Ada
    {"(*", "*)"},  // Pascal
    {"/*", "*/"},  // PL/M
    {"/*", "*/"},  // C
    {";", ""},     // assembler
    {"", ""},      // AUTAN
    {"//", ""},    // C++
    {"(*", "*)"},  // Modula-2
}};

inline constexpr std::array<std::string_view, tested_language_count> tested_language_words = {
    "ADA", "PASCAL", "PLM", "C", "ASM", "AUTAN", "C++", "MODULA2",
};

// The delimiters and word of an index; an index outside the table is an
// internal error of the caller.
CommentDelimiters comment_delimiters_for(int tested_language);
std::string_view tested_language_word(int tested_language);

}  // namespace vx
