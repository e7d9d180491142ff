// Fuzz target of the condition evaluator and of the exact constants.
//
// The input is a condition as the preprocessor hands it over after macro
// expansion. The first byte chooses the target: plain char unsigned or
// not, and a 64-bit "long". The condition is evaluated; the same bytes are
// then read as a decimal real, and its square is printed, so that every
// path that takes text from a user is exercised.
//
// Warnings are the normal outcome of a bad condition, and the arithmetic
// tells its overflows by its results; a crash or a sanitizer report is
// what libFuzzer records.
#include "canalysis/cpp/bignum.h"
#include "canalysis/cpp/if_evaluator.h"
#include "canalysis/types/target_model.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

class QuietEnvironment : public vx::IfEnvironment {
public:
    QuietEnvironment(const vx::TargetModel& target, bool char_unsigned)
        : target_(target), char_unsigned_(char_unsigned) {}
    bool char_unsigned_macro() const override { return char_unsigned_; }
    int size_of(std::string_view type_text) const override { return target_.size_of(type_text); }
    void warn(vx::MessageCode code, std::string_view argument) const override {
        // The argument is a view into the input: touch every byte of it.
        volatile char sink = 0;
        for (char c : vx::message_code_name(code)) sink = static_cast<char>(sink ^ c);
        for (char c : argument) sink = static_cast<char>(sink ^ c);
        (void)sink;
    }

private:
    const vx::TargetModel& target_;
    bool char_unsigned_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    vx::TargetModel target;
    if (data[0] & 2) target.set_base_width(vx::BaseInteger::long_type, 64);
    QuietEnvironment environment(target, (data[0] & 1) != 0);
    std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);

    vx::IfValue value = vx::evaluate_if_expression(text, environment);
    volatile std::int64_t keep = value.value;
    (void)keep;

    vx::Real real;
    if (vx::real_from_text(text.substr(0, 200), real)) {
        vx::Real square;
        vx::real_mul(real, real, square);
        (void)vx::real_image(square, 1 + data[0] % 19);
    }
    return 0;
}
