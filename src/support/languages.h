// The languages every part of the compiler indexes its tables by.
//
// The tested language is the language of the code under test: 0 Ada,
// 1 Pascal, 2 PL/M, 3 C, 4 assembler, 5 AUTAN, 6 C++, 7 Modula-2. This
// compiler generates for C (the language names "C" and "CSQL" both give
// index 3), but the shared tables keep every row so that an index means the
// same thing in the command line, the reader and the generators.
//
// The script language is the language of the keywords of the test script.
#pragma once

#include <array>
#include <string_view>

namespace vx {

inline constexpr int tested_language_count = 8;
inline constexpr int tested_language_ada = 0;
inline constexpr int tested_language_pascal = 1;
inline constexpr int tested_language_plm = 2;
inline constexpr int tested_language_c = 3;
inline constexpr int tested_language_asm = 4;
inline constexpr int tested_language_autan = 5;
inline constexpr int tested_language_cpp = 6;
inline constexpr int tested_language_modula2 = 7;

// Words of the "E9 " link record, by tested language.
inline constexpr std::array<const char*, tested_language_count> tested_language_words = {
    "ADA", "PASCAL", "PLM", "C", "ASM", "AUTAN", "C++", "MODULA2"};
// Default extensions of the generated file, by tested language.
inline constexpr std::array<const char*, tested_language_count> tested_language_extensions = {
    "ada", "pas", "plm", "c", "asm", "", "cc", "mod"};
// Whether C analysis is on by default, by tested language.
inline constexpr std::array<bool, tested_language_count> analysis_by_default = {
    true, false, false, true, false, false, true, false};

struct CommentDelimiters {
    std::string_view start;
    std::string_view end;
};

// Comment delimiters of generated text, by tested language.
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

// Keyword language of the script: 0 "FR", 1 "FA" (both French), 2 "GB".
inline constexpr int script_language_fr = 0;
inline constexpr int script_language_fa = 1;
inline constexpr int script_language_gb = 2;

}  // namespace vx
