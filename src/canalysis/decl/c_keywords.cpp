// The table of C reserved words.
#include "canalysis/decl/c_keywords.h"

#include <unordered_map>

namespace vx {

namespace {

const std::unordered_map<std::string_view, CKeyword>& keyword_table() {
    using K = CKeyword;
    static const std::unordered_map<std::string_view, CKeyword> table = {
        {"asm", K::asm_keyword},
        {"__asm", K::asm_keyword},
        {"__asm__", K::asm_keyword},
        {"__attribute__", K::attribute},
        {"__attribute", K::attribute},
        {"typeof", K::typeof_keyword},
        {"__typeof", K::typeof_keyword},
        {"__typeof__", K::typeof_keyword},
        {"__alignof", K::alignof_keyword},
        {"__alignof__", K::alignof_keyword},
        {"_Alignof", K::alignof_keyword},
        {"inline", K::inline_keyword},
        {"__inline", K::inline_keyword},
        {"__inline__", K::inline_keyword},
        {"const", K::const_keyword},
        {"__const", K::const_keyword},
        {"__const__", K::const_keyword},
        {"volatile", K::volatile_keyword},
        {"__volatile", K::volatile_keyword},
        {"__volatile__", K::volatile_keyword},
        {"signed", K::signed_keyword},
        {"__signed", K::signed_keyword},
        {"__signed__", K::signed_keyword},
        {"auto", K::auto_keyword},
        {"register", K::register_keyword},
        {"static", K::static_keyword},
        {"extern", K::extern_keyword},
        {"typedef", K::typedef_keyword},
        {"char", K::char_keyword},
        {"short", K::short_keyword},
        {"int", K::int_keyword},
        {"long", K::long_keyword},
        {"unsigned", K::unsigned_keyword},
        {"float", K::float_keyword},
        {"double", K::double_keyword},
        {"void", K::void_keyword},
        {"struct", K::struct_keyword},
        {"union", K::union_keyword},
        {"enum", K::enum_keyword},
        {"sizeof", K::sizeof_keyword},
        {"if", K::if_keyword},
        {"else", K::else_keyword},
        {"switch", K::switch_keyword},
        {"case", K::case_keyword},
        {"default", K::default_keyword},
        {"while", K::while_keyword},
        {"do", K::do_keyword},
        {"for", K::for_keyword},
        {"goto", K::goto_keyword},
        {"continue", K::continue_keyword},
        {"break", K::break_keyword},
        {"return", K::return_keyword},
        {"__int128", K::int128_keyword},
        {"__int128__", K::int128_keyword},
        {"_Float16", K::extended_real_keyword},
        {"_Float32", K::extended_real_keyword},
        {"_Float64", K::extended_real_keyword},
        {"_Float128", K::extended_real_keyword},
        {"_Float32x", K::extended_real_keyword},
        {"_Float64x", K::extended_real_keyword},
        {"_Float128x", K::extended_real_keyword},
        {"__float128", K::extended_real_keyword},
        {"__float80", K::extended_real_keyword},
        {"__ibm128", K::extended_real_keyword},
        {"__bf16", K::extended_real_keyword},
        {"_Decimal32", K::extended_real_keyword},
        {"_Decimal64", K::extended_real_keyword},
        {"_Decimal128", K::extended_real_keyword},
        {"__auto_type", K::auto_type_keyword},
    };
    return table;
}

}  // namespace

bool c_keyword(std::string_view word, CKeyword& keyword) {
    auto it = keyword_table().find(word);
    if (it == keyword_table().end()) return false;
    keyword = it->second;
    return true;
}

bool c_keyword_in_type_name(CKeyword keyword) {
    switch (keyword) {
        case CKeyword::const_keyword:
        case CKeyword::volatile_keyword:
        case CKeyword::signed_keyword:
        case CKeyword::char_keyword:
        case CKeyword::short_keyword:
        case CKeyword::int_keyword:
        case CKeyword::long_keyword:
        case CKeyword::unsigned_keyword:
        case CKeyword::float_keyword:
        case CKeyword::double_keyword:
        case CKeyword::void_keyword:
        case CKeyword::struct_keyword:
        case CKeyword::union_keyword:
        case CKeyword::enum_keyword:
        case CKeyword::int128_keyword:
        case CKeyword::extended_real_keyword:
            return true;
        default:
            return false;
    }
}

}  // namespace vx
