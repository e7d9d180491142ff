// The reserved words of the analysed C code, shared by the declaration
// lexer and the expression lexer.
//
// One table of spellings (GNU spellings such as "__const__" included) to
// the keyword they stand for; each lexer maps the keyword to its own token.
#pragma once

#include <string_view>

namespace vx {

enum class CKeyword {
    asm_keyword,
    attribute,
    typeof_keyword,
    alignof_keyword,
    inline_keyword,
    const_keyword,
    volatile_keyword,
    signed_keyword,
    auto_keyword,
    register_keyword,
    static_keyword,
    extern_keyword,
    typedef_keyword,
    char_keyword,
    short_keyword,
    int_keyword,
    long_keyword,
    unsigned_keyword,
    float_keyword,
    double_keyword,
    void_keyword,
    struct_keyword,
    union_keyword,
    enum_keyword,
    sizeof_keyword,
    if_keyword,
    else_keyword,
    switch_keyword,
    case_keyword,
    default_keyword,
    while_keyword,
    do_keyword,
    for_keyword,
    goto_keyword,
    continue_keyword,
    break_keyword,
    return_keyword,
    // GNU and C23 base types: the 128-bit integers, and the extended reals
    // (_FloatN, _FloatNx, __float128, _DecimalN ...), each spelling its own
    // type.
    int128_keyword,
    extended_real_keyword,
    auto_type_keyword,
};

// The keyword spelled `word`, or false when the word is not reserved.
bool c_keyword(std::string_view word, CKeyword& keyword);

// True for the keywords that can begin or continue a type name: the base
// type words, signed and unsigned, the qualifiers, struct, union and enum.
bool c_keyword_in_type_name(CKeyword keyword);

}  // namespace vx
