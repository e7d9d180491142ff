#include "support/numbers.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(IntegerConstant, CIntegerFormsThatFit) {
    long long value = 0;
    EXPECT_TRUE(integer_constant("42", value));
    EXPECT_EQ(value, 42);
    EXPECT_TRUE(integer_constant("0x10", value));
    EXPECT_EQ(value, 16);
    EXPECT_TRUE(integer_constant("017", value));
    EXPECT_EQ(value, 15);
    EXPECT_TRUE(integer_constant("3UL", value));
    EXPECT_EQ(value, 3);
    EXPECT_FALSE(integer_constant("n+1", value));
    EXPECT_FALSE(integer_constant("2.5", value));
    EXPECT_FALSE(integer_constant("", value));
    // Too large for any C integer type the harness could use.
    EXPECT_FALSE(integer_constant("123456789012345678901234", value));
}

TEST(DecimalInteger, SignSuffixesAndTheTwentyDigitLimit) {
    __int128 value = 0;
    EXPECT_TRUE(decimal_integer(" -12 ", value));
    EXPECT_TRUE(value == -12);
    EXPECT_TRUE(decimal_integer("18446744073709551615U", value));
    EXPECT_TRUE(value == static_cast<__int128>(18446744073709551615ULL));
    // Twenty digits are read exactly, beyond what a long long holds.
    EXPECT_TRUE(decimal_integer("99999999999999999999", value));
    EXPECT_TRUE(value > static_cast<__int128>(18446744073709551615ULL));
    EXPECT_FALSE(decimal_integer("999999999999999999999", value));
    EXPECT_FALSE(decimal_integer("0x10", value));
    EXPECT_FALSE(decimal_integer("-", value));
    EXPECT_FALSE(decimal_integer("1.5", value));
    EXPECT_FALSE(decimal_integer("U", value));
}

TEST(RealConstant, WholeTextsOnly) {
    long double value = 0;
    EXPECT_TRUE(real_constant(" -0.5 ", value));
    EXPECT_EQ(value, -0.5L);
    EXPECT_TRUE(real_constant("1e3", value));
    EXPECT_EQ(value, 1000.0L);
    EXPECT_TRUE(real_constant("2", value));
    EXPECT_EQ(value, 2.0L);
    EXPECT_FALSE(real_constant("", value));
    EXPECT_FALSE(real_constant("n", value));
    EXPECT_FALSE(real_constant("2 + 1", value));
    EXPECT_FALSE(real_constant("1.5f", value));
}

TEST(FloatingConstant, APointOrAnExponentMakesIt) {
    EXPECT_TRUE(floating_constant("2.5"));
    EXPECT_TRUE(floating_constant(".5"));
    EXPECT_TRUE(floating_constant("1e3"));
    EXPECT_FALSE(floating_constant("12"));
    EXPECT_FALSE(floating_constant("0x1e"));  // a hexadecimal integer, its "e" a digit
    EXPECT_TRUE(floating_constant("0x1p4"));
    EXPECT_FALSE(floating_constant("-2.5"));  // the sign is an operator
    EXPECT_FALSE(floating_constant("2.5x"));
    EXPECT_FALSE(floating_constant(""));
}

}  // namespace
}  // namespace vx
