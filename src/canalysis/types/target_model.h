// The target model of a run: what the analysed C code's integers look like
// on the machine the harness will run on.
//
// The base integer widths in bits ("char" 8, "short" 16, "int" 32, "long"
// 32, "long long" 64), the signedness of plain "char" and the list of type
// sizes declared by "#pragma vexor sizeof TYPE BITS". The "#if" evaluator
// answers "sizeof" from it, the declaration analysis composes integer types
// with it and the code generation reads the declared sizes. One object is
// owned by the run and handed to each of them; tests build their own.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vx {

enum class BaseInteger { char_type, short_type, int_type, long_type, long_long_type };

inline constexpr int default_char_bits = 8;
inline constexpr int default_short_bits = 16;
inline constexpr int default_int_bits = 32;
inline constexpr int default_long_bits = 32;
inline constexpr int default_long_long_bits = 64;

struct DeclaredTypeSize {
    std::string type;
    int bytes = 0;
};

class TargetModel {
public:
    int base_width(BaseInteger kind) const { return widths_[static_cast<int>(kind)]; }
    void set_base_width(BaseInteger kind, int bits) { widths_[static_cast<int>(kind)] = bits; }
    // The base type named by a "#pragma vexor sizeof" TYPE word ("char",
    // "short", "int", "long", "longlong"); false for any other word.
    static bool base_integer_of(std::string_view word, BaseInteger& kind);

    bool plain_char_signed() const { return plain_char_signed_; }
    void set_plain_char_signed(bool is_signed) { plain_char_signed_ = is_signed; }

    // Adds (type, bytes) to the declared sizes; a later declaration of the
    // same type takes precedence in size_of.
    void declare_type_size(std::string_view type, int bytes);
    const std::vector<DeclaredTypeSize>& declared_sizes() const { return declared_; }
    // The declared size of exactly this type text, or -1.
    int declared_size(std::string_view type) const;

    // The size in bytes of a type written as in "sizeof ( ... )": the base
    // integer types in any of their spellings ("unsigned long int", "long
    // long", "signed char"), or a type with a declared size; 0 for anything
    // else.
    int size_of(std::string_view type_text) const;

private:
    int widths_[5] = {default_char_bits, default_short_bits, default_int_bits, default_long_bits,
                      default_long_long_bits};
    bool plain_char_signed_ = true;
    std::vector<DeclaredTypeSize> declared_;
};

}  // namespace vx
