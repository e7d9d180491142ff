// The evaluator of preprocessor conditions ("#if", "#elif"), and of the
// very long array bounds of the declaration analysis.
//
// The input is the condition after macro expansion (the preprocessor has
// already replaced "defined X" by 0 or 1). The evaluator reads it as a C
// constant expression in intmax_t / uintmax_t, as a C compiler does:
// decimal, octal and hexadecimal numbers with their u/U and l/L suffixes,
// character constants, every C operator of a constant expression and
// "sizeof ( type )"; an identifier left after expansion is 0. Malformed
// conditions are warned and given a value; nothing is ever thrown, and
// nesting is bounded so that no input can exhaust the process stack.
//
// Its two questions to the rest of the run go through IfEnvironment: is
// "__CHAR_UNSIGNED__" a macro (plain character constants are then not
// sign-extended), and what is the size of a type; its warnings go out
// through it too.
#pragma once

#include "diag/message_code.h"

#include <cstdint>
#include <functional>
#include <string_view>

namespace vx {

class TargetModel;

class IfEnvironment {
public:
    virtual ~IfEnvironment() = default;
    // True when a macro named "__CHAR_UNSIGNED__" is defined.
    virtual bool char_unsigned_macro() const = 0;
    // The size in bytes of the type written inside "sizeof ( ... )"; 0 when
    // unknown.
    virtual int size_of(std::string_view type_text) const = 0;
    // Raises a warning of the evaluator (the preprocessor routes it through
    // its diagnostic sink, with the location of the directive).
    virtual void warn(MessageCode code, std::string_view argument) const = 0;
};

// An environment that answers sizes from a target model and knows of no
// macro, for callers without a preprocessor (and tests).
class TargetIfEnvironment : public IfEnvironment {
public:
    // Warnings go to `warning` (none are told without it).
    using Warning = std::function<void(MessageCode, std::string_view)>;
    explicit TargetIfEnvironment(const TargetModel& target, Warning warning = {},
                                 bool char_unsigned = false)
        : target_(target), warning_(std::move(warning)), char_unsigned_(char_unsigned) {}
    bool char_unsigned_macro() const override { return char_unsigned_; }
    int size_of(std::string_view type_text) const override;
    void warn(MessageCode code, std::string_view argument) const override;

private:
    const TargetModel& target_;
    Warning warning_;
    bool char_unsigned_;
};

struct IfValue {
    std::int64_t value = 0;    // the 64-bit pattern of the result
    bool is_unsigned = false;  // the result has an unsigned type
    bool truth() const { return value != 0; }
};

// Deeper nesting of parentheses and unary operators than this is refused
// like an exhausted parser stack.
inline constexpr int if_max_nesting = 1000;
// A character constant longer than this is a bad expression.
inline constexpr int if_max_char_constant = 999;

// Evaluates a condition. Diagnostics (EMPTYEXPR, EXPERRONE, NOFITBYTE,
// DIVISZERO, ERRAFTEND) are warnings raised through the environment.
IfValue evaluate_if_expression(std::string_view condition, const IfEnvironment& environment);

}  // namespace vx
