#include "canalysis/cpp/bignum.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

namespace vx {
namespace {

using i128 = __int128;
using u128 = unsigned __int128;

// ---- an independent oracle: the host's 128-bit integers ------------------

pint from_i128(i128 v) {
    pint high = pint_from_int(static_cast<std::int64_t>(v >> 64));
    pint shifted;
    pint_shift_left(high, pint_from_int(64), shifted);
    pint low = pint_from_unsigned(static_cast<std::uint64_t>(static_cast<u128>(v)));
    pint result;
    pint_or(shifted, low, result);
    return result;
}

i128 to_i128(const pint& p) {
    pint high;
    pint_shift_right(p, pint_from_int(64), high);
    u128 bits = (static_cast<u128>(static_cast<std::uint64_t>(pint_low64(high))) << 64) |
                static_cast<std::uint64_t>(pint_low64(p));
    return static_cast<i128>(bits);
}

std::string decimal(i128 v) {
    if (v == 0) return "0";
    bool negative = v < 0;
    u128 m = negative ? static_cast<u128>(0) - static_cast<u128>(v) : static_cast<u128>(v);
    std::string digits;
    while (m) {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(m % 10)));
        m /= 10;
    }
    return negative ? "-" + digits : digits;
}

// The 128-bit two's-complement pattern in 32 upper-case hex digits.
std::string hex128(i128 v) {
    static const char* digits = "0123456789ABCDEF";
    u128 bits = static_cast<u128>(v);
    std::string out(32, '0');
    for (int i = 31; i >= 0; --i) {
        out[static_cast<std::size_t>(i)] = digits[static_cast<int>(bits & 15)];
        bits >>= 4;
    }
    return out;
}

class Random {
public:
    // A value of 1 to `max_bits` significant bits, either sign.
    i128 value(int max_bits) {
        return exact(std::uniform_int_distribution<int>(1, max_bits)(engine_));
    }
    // A value of exactly `bits` significant bits, either sign.
    i128 exact(int bits) {
        u128 v = (static_cast<u128>(engine_()) << 64) | engine_();
        v &= (static_cast<u128>(1) << bits) - 1;
        v |= static_cast<u128>(1) << (bits - 1);
        i128 s = static_cast<i128>(v);
        return (engine_() & 1) ? -s : s;
    }
    int small(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine_); }

private:
    std::mt19937_64 engine_{20261208};
};

constexpr int rounds = 4000;

TEST(Pint, ByteLayoutPutsTheSignByteFirstAndTheLowBytesAfterIt) {
    pint one = pint_from_int(1);
    EXPECT_EQ(one.bytes[1], 1);  // byte 2 holds bits 0-7
    pint big;
    pint_shift_left(pint_from_int(0xAB), pint_from_int(152), big);
    EXPECT_EQ(big.bytes[20], 0xAB);  // byte 21 holds bits 152-159
    EXPECT_EQ(big.bytes[0], 0);
    pint minus = pint_from_int(-1);
    for (auto b : minus.bytes) EXPECT_EQ(b, 0xFF);
    pint top;
    pint_shift_left(pint_one, pint_from_int(160), top);
    EXPECT_EQ(top.bytes[0], 1);
    EXPECT_EQ(pint_one, one);
    EXPECT_TRUE(pint_is_zero(pint_zero));
}

TEST(Pint, ArithmeticAgreesWithHostIntegers) {
    Random random;
    for (int i = 0; i < rounds; ++i) {
        i128 a = random.value(126), b = random.value(126);
        pint pa = from_i128(a), pb = from_i128(b), r;
        ASSERT_TRUE(pint_add(pa, pb, r));
        ASSERT_EQ(to_i128(r), a + b);
        ASSERT_TRUE(pint_sub(pa, pb, r));
        ASSERT_EQ(to_i128(r), a - b);
        ASSERT_EQ(pint_compare(pa, pb), a < b ? -1 : (a > b ? 1 : 0));

        i128 c = random.value(63), d = random.value(63);
        ASSERT_TRUE(pint_mul(from_i128(c), from_i128(d), r));
        ASSERT_EQ(to_i128(r), c * d);

        // Floor division: the remainder takes the divisor's sign.
        i128 divisor = random.value(random.small(1, 126));
        if (divisor == 0) continue;
        i128 q = a / divisor, m = a % divisor;
        if (m != 0 && ((m < 0) != (divisor < 0))) {
            q -= 1;
            m += divisor;
        }
        pint pq, pr;
        ASSERT_TRUE(pint_divmod(pa, from_i128(divisor), pq, pr));
        ASSERT_EQ(to_i128(pq), q) << decimal(a) << " / " << decimal(divisor);
        ASSERT_EQ(to_i128(pr), m) << decimal(a) << " % " << decimal(divisor);
    }
}

TEST(Pint, BitwiseOperationsAndShiftsAgreeWithHostIntegers) {
    Random random;
    for (int i = 0; i < rounds; ++i) {
        i128 a = random.value(127), b = random.value(127);
        pint pa = from_i128(a), pb = from_i128(b), r;
        pint_and(pa, pb, r);
        ASSERT_EQ(to_i128(r), a & b);
        pint_or(pa, pb, r);
        ASSERT_EQ(to_i128(r), a | b);
        pint_xor(pa, pb, r);
        ASSERT_EQ(to_i128(r), a ^ b);
        pint_not(pa, r);
        ASSERT_EQ(to_i128(r), ~a);

        int n = random.small(0, 126);
        i128 narrow = random.value(127 - n > 1 ? 126 - n : 1);
        pint_shift_left(from_i128(narrow), pint_from_int(n), r);
        ASSERT_EQ(to_i128(r), static_cast<i128>(static_cast<u128>(narrow) << n));
        pint_shift_right(pa, pint_from_int(n), r);
        ASSERT_EQ(to_i128(r), a >> n);
    }
    pint r;
    pint_shift_right(pint_from_int(-5), pint_from_int(400), r);
    EXPECT_EQ(to_i128(r), -1);
    pint_shift_left(pint_from_int(5), pint_from_int(168), r);
    EXPECT_TRUE(pint_is_zero(r));
    pint_shift_left(pint_from_int(5), pint_from_int(-1), r);
    EXPECT_TRUE(pint_is_zero(r));
    pint_shift_right(pint_from_int(-5), pint_from_int(-1), r);
    EXPECT_TRUE(pint_is_zero(r));
}

TEST(Pint, ImagesAgreeWithHostIntegers) {
    Random random;
    for (int i = 0; i < rounds; ++i) {
        i128 a = random.value(127);
        pint pa = from_i128(a);
        ASSERT_EQ(pint_image(pa, ImageFormat::decimal), decimal(a));
        std::string hex = hex128(a);
        ASSERT_EQ(pint_image(pa, ImageFormat::hex_prefix, 128), "0x" + hex);
        std::string suffixed = (hex[0] > '9' ? "0" : "") + hex + "H";
        ASSERT_EQ(pint_image(pa, ImageFormat::hex_suffix, 128), suffixed);
    }
}

// The exact product of two magnitudes of up to 127 bits, as four 64-bit
// limbs: independent of the library's own multiplication.
bool product_fits_168(i128 a, i128 b) {
    bool negative = (a < 0) != (b < 0) && a != 0 && b != 0;
    u128 x = a < 0 ? static_cast<u128>(0) - static_cast<u128>(a) : static_cast<u128>(a);
    u128 y = b < 0 ? static_cast<u128>(0) - static_cast<u128>(b) : static_cast<u128>(b);
    std::uint64_t xs[2] = {static_cast<std::uint64_t>(x), static_cast<std::uint64_t>(x >> 64)};
    std::uint64_t ys[2] = {static_cast<std::uint64_t>(y), static_cast<std::uint64_t>(y >> 64)};
    std::uint64_t limbs[4] = {0, 0, 0, 0};
    for (int i = 0; i < 2; ++i) {
        u128 carry = 0;
        for (int j = 0; j < 2; ++j) {
            u128 t = static_cast<u128>(xs[i]) * ys[j] + limbs[i + j] + carry;
            limbs[i + j] = static_cast<std::uint64_t>(t);
            carry = t >> 64;
        }
        limbs[i + 2] = static_cast<std::uint64_t>(carry);
    }
    // Bit 167 is bit 39 of limb 2.
    bool above = limbs[3] != 0 || (limbs[2] >> 40) != 0;
    bool bit167 = (limbs[2] >> 39) & 1;
    bool rest_zero =
        (limbs[2] & ((std::uint64_t{1} << 39) - 1)) == 0 && limbs[1] == 0 && limbs[0] == 0;
    if (above) return false;
    if (!bit167) return true;
    return negative && rest_zero;  // exactly -2^167
}

TEST(Pint, OverflowIsToldExactlyWhenTheResultDoesNotFit) {
    Random random;
    int overflows = 0, fits = 0;
    for (int i = 0; i < rounds; ++i) {
        // Bit lengths that add up to about 168, so that both outcomes occur.
        int bits_a = random.small(42, 127);
        int bits_b = std::min(127, 168 - bits_a + random.small(-1, 1));
        i128 a = random.exact(bits_a), b = random.exact(bits_b);
        if (random.small(0, 9) == 0) {
            // The most negative value as a product: -(2^(m)) * 2^(167-m).
            a = -(static_cast<i128>(1) << (bits_a - 1));
            b = static_cast<i128>(1) << (167 - (bits_a - 1));
        }
        bool expected_fit = product_fits_168(a, b);
        pint r;
        ASSERT_EQ(pint_mul(from_i128(a), from_i128(b), r), expected_fit)
            << decimal(a) << " * " << decimal(b);
        (expected_fit ? fits : overflows) += 1;
    }
    EXPECT_GT(fits, rounds / 10);
    EXPECT_GT(overflows, rounds / 10);
}

pint largest() {
    pint top, result;
    pint_shift_left(pint_one, pint_from_int(167), top);
    EXPECT_FALSE(pint_sub(top, pint_one, result));  // wraps from the most negative value
    return result;
}

TEST(Pint, AddingOneToTheLargestValueOverflows) {
    pint max = largest();
    EXPECT_TRUE(pint_fits(max, 168));
    EXPECT_FALSE(pint_is_negative(max));
    pint r;
    EXPECT_TRUE(pint_add(max, pint_zero, r));
    EXPECT_FALSE(pint_add(max, pint_one, r));
    EXPECT_TRUE(pint_is_negative(r));  // the stated result: the wrapped sum
}

TEST(Pint, SmallOperationsAndOverflowsAtTheEdges) {
    pint max = largest();
    pint r;
    EXPECT_TRUE(pint_add_small(max, 0, r));
    EXPECT_TRUE(pint_mul_small(pint_from_int(-12), 256, r));
    EXPECT_EQ(to_i128(r), -3072);
    EXPECT_TRUE(pint_add_small(pint_from_int(-3), 5, r));
    EXPECT_EQ(to_i128(r), 2);
    EXPECT_FALSE(pint_add_small(max, 1, r));
    EXPECT_FALSE(pint_mul_small(max, 10, r));
    // The most negative value is a product that fits; its negation is not.
    pint most_negative;
    pint_shift_left(pint_one, pint_from_int(167), most_negative);
    EXPECT_TRUE(pint_mul(most_negative, pint_one, r));
    EXPECT_FALSE(pint_negate(most_negative, r));
    pint q, m;
    EXPECT_FALSE(pint_divmod(most_negative, pint_from_int(-1), q, m));
    EXPECT_TRUE(pint_divmod(most_negative, pint_from_int(1), q, m));
}

TEST(Pint, DivisionFollowsTheFloorRule) {
    pint q, r;
    pint_divmod(pint_from_int(-7), pint_from_int(2), q, r);
    EXPECT_EQ(to_i128(q), -4);
    EXPECT_EQ(to_i128(r), 1);
    pint_divmod(pint_from_int(7), pint_from_int(-2), q, r);
    EXPECT_EQ(to_i128(q), -4);
    EXPECT_EQ(to_i128(r), -1);  // 7 == -4 * -2 - 1
    pint_divmod(pint_from_int(-7), pint_from_int(-2), q, r);
    EXPECT_EQ(to_i128(q), 3);
    EXPECT_EQ(to_i128(r), -1);
    pint_divmod(pint_from_int(-8), pint_from_int(2), q, r);
    EXPECT_EQ(to_i128(q), -4);
    EXPECT_EQ(to_i128(r), 0);

    EXPECT_FALSE(pint_divmod(pint_from_int(5), pint_zero, q, r));
    EXPECT_TRUE(pint_is_zero(q));
    EXPECT_TRUE(pint_is_zero(r));
}

TEST(Pint, WidthsAndLogicalNot) {
    pint r;
    EXPECT_TRUE(pint_fits(pint_from_int(127), 8));
    EXPECT_FALSE(pint_fits(pint_from_int(128), 8));
    EXPECT_TRUE(pint_fits(pint_from_int(-128), 8));
    EXPECT_FALSE(pint_fits(pint_from_int(-129), 8));
    pint v = pint_from_int(-16);
    pint_truncate(v, 8);
    EXPECT_EQ(to_i128(v), 0xF0);
    pint_logical_not(pint_zero, r);
    EXPECT_EQ(r, pint_one);
    pint_logical_not(v, r);
    EXPECT_TRUE(pint_is_zero(r));
}

TEST(Pint, ImageFormatsAndWidths) {
    pint minus_one = pint_from_int(-1);
    EXPECT_EQ(pint_image(minus_one, ImageFormat::hex_suffix, 8), "0FFH");
    EXPECT_EQ(pint_image(minus_one, ImageFormat::hex_prefix, 16), "0xFFFF");
    EXPECT_EQ(pint_image(pint_from_int(10), ImageFormat::binary_suffix, 4), "00001010B");
    EXPECT_EQ(pint_image(pint_from_int(10), ImageFormat::binary_prefix, 4), "0b00001010");
    EXPECT_EQ(pint_image(pint_zero, ImageFormat::decimal), "0");
    for (int code : {1, 3, 6}) EXPECT_EQ(pint_image(pint_from_int(-42), code), "-42");
    // The binary formats cut to the width; the hexadecimal ones grow when
    // the value needs more bytes.
    EXPECT_EQ(pint_image(pint_from_int(0x1FF), ImageFormat::binary_suffix, 8), "11111111B");
    EXPECT_EQ(pint_image(pint_from_int(0x1FF), ImageFormat::hex_suffix, 8), "01FFH");
    EXPECT_EQ(pint_image(pint_from_int(0x1F), ImageFormat::hex_suffix, 12), "001FH");
    // Without a width: the sign byte, then the significant bytes.
    EXPECT_EQ(pint_image(pint_from_int(255), ImageFormat::hex_prefix), "0x00FF");
    EXPECT_EQ(pint_image(minus_one, ImageFormat::hex_suffix), "0FFH");
    EXPECT_EQ(pint_image(pint_from_int(-256), ImageFormat::hex_prefix, 0), "0xFF00");
    EXPECT_EQ(pint_image(pint_zero, ImageFormat::hex_prefix), "0x00");
    EXPECT_EQ(pint_image(pint_from_int(255), ImageFormat::hex_prefix, 164), "0x00FF");
    pint beyond;
    pint_shift_left(pint_from_int(3), pint_from_int(160), beyond);
    EXPECT_EQ(pint_image(beyond, ImageFormat::hex_prefix, 8), "0x03" + std::string(40, '0'));
}

TEST(Pint, ImpossibleImagesFallBackToAPlainForm) {
    // A width beyond the 168 bits: the value's own width.
    EXPECT_EQ(pint_image(pint_from_int(255), ImageFormat::hex_prefix, 169), "0x00FF");
    EXPECT_EQ(pint_image(pint_from_int(255), ImageFormat::hex_prefix, -1), "0x00FF");
    // A reserved or unknown format: decimal.
    for (int code : {4, 5, 9, -1}) EXPECT_EQ(pint_image(pint_from_int(-42), code), "-42") << code;
}

// ---- decimal reals -----------------------------------------------------------

Real real_of(std::int64_t v) {
    Real r;
    real_from_pint(pint_from_int(v), r);
    return r;
}

// A real from its text; a leading "-" negates it.
Real real_text(std::string_view text) {
    Real r;
    bool minus = !text.empty() && text[0] == '-';
    EXPECT_TRUE(real_from_text(minus ? text.substr(1) : text, r)) << text;
    if (minus) real_negate(r, r);
    return r;
}

// The image real_image gives of an integer of at most 19 digits: "0.",
// the digits without trailing zeros, "E" and the digit count.
std::string integer_image(i128 v) {
    if (v == 0) return "0.0";
    std::string digits = decimal(v < 0 ? -v : v);
    const std::size_t count = digits.size();
    digits.erase(digits.find_last_not_of('0') + 1);
    return std::string(v < 0 ? "-" : "") + "0." + digits + "E" + std::to_string(count);
}

TEST(Real, IntegersBecomeNormalisedReals) {
    Real twelve = real_of(12);
    EXPECT_EQ(twelve.exponent, 2);
    EXPECT_EQ(twelve.mantissa.bytes[0], 1);  // 1.2: integer part 1
    EXPECT_EQ(twelve.negative, 0);
    EXPECT_EQ(real_image(twelve), "0.12E2");
    EXPECT_EQ(real_image(real_of(-7)), "-0.7E1");
    EXPECT_EQ(real_image(real_of(0)), "0.0");
    EXPECT_EQ(real_image(real_of(1000000)), "0.1E7");
    EXPECT_TRUE(real_is_zero(real_of(0)));
}

TEST(Real, TextIsReadExactly) {
    EXPECT_EQ(real_image(real_text("1.5")), "0.15E1");
    EXPECT_EQ(real_image(real_text("0.001")), "0.1E-2");
    EXPECT_EQ(real_image(real_text("123.456e2")), "0.123456E5");
    EXPECT_EQ(real_image(real_text("25E-1")), "0.25E1");
    EXPECT_EQ(real_image(real_text("0.5")), "0.5");
    EXPECT_EQ(real_image(real_text("000")), "0.0");
    EXPECT_EQ(real_image(real_text("3.")), "0.3E1");
    // More digits than a mantissa holds: the first dropped digit rounds.
    EXPECT_EQ(real_image(real_text("1234567890123456789012345678901234567890123456789012345")),
              "0.1234567890123456789E55");
    Real r;
    for (const char* bad : {"", ".", "1.2.3", "1e", "1e+", "e5", "1x", "-1"}) {
        EXPECT_FALSE(real_from_text(bad, r)) << bad;
    }
}

TEST(Real, ArithmeticIsExactOnIntegers) {
    Random random;
    for (int i = 0; i < 500; ++i) {
        // Products below 2^56: at most 17 digits, so that the 19 digits of
        // the image end in the zeros (or nines) real_image rounds away.
        std::int64_t a = static_cast<std::int64_t>(random.value(28));
        std::int64_t b = static_cast<std::int64_t>(random.value(28));
        Real ra = real_of(a), rb = real_of(b), r;
        real_add(ra, rb, r);
        ASSERT_EQ(real_image(r), integer_image(static_cast<i128>(a) + b))
            << a << " + " << b << " = " << real_image(r);
        real_sub(ra, rb, r);
        ASSERT_EQ(real_image(r), integer_image(static_cast<i128>(a) - b));
        real_mul(ra, rb, r);
        ASSERT_EQ(real_image(r), integer_image(static_cast<i128>(a) * b));
        if (b != 0) {
            Real product;
            real_mul(ra, rb, product);
            ASSERT_TRUE(real_div(product, rb, r));
            ASSERT_EQ(real_image(r), integer_image(a));
        }
        ASSERT_EQ(real_compare(ra, rb), a < b ? -1 : (a > b ? 1 : 0));
    }
}

TEST(Real, ArithmeticOnFractions) {
    Real r;
    real_add(real_text("0.1"), real_text("0.2"), r);
    EXPECT_EQ(real_image(r), "0.3");
    real_sub(real_text("0.1"), real_text("0.3"), r);
    EXPECT_EQ(real_image(r), "-0.2");
    real_sub(real_text("1.5"), real_text("1.5"), r);
    EXPECT_TRUE(real_is_zero(r));
    EXPECT_EQ(r.negative, 0);
    real_div(real_of(1), real_of(3), r);
    EXPECT_EQ(real_image(r), "0.3333333333333333333");
    real_div(real_of(2), real_of(3), r);
    EXPECT_EQ(real_image(r), "0.6666666666666666666");
    real_mul(real_text("1.5"), real_text("-0.02"), r);
    EXPECT_EQ(real_image(r), "-0.3E-1");
    real_add(real_text("1E30"), real_text("1E-30"), r);
    EXPECT_EQ(real_image(r), "0.1E31");
    EXPECT_EQ(real_compare(real_text("-2"), real_text("-1")), -1);
    EXPECT_EQ(real_compare(real_text("0"), real_text("-1")), 1);
    EXPECT_EQ(real_compare(real_text("2.5"), real_text("25E-1")), 0);

    EXPECT_FALSE(real_div(real_of(1), real_of(0), r));
    EXPECT_TRUE(real_is_zero(r));
    EXPECT_TRUE(real_div(real_of(0), real_of(3), r));
    EXPECT_TRUE(real_is_zero(r));
}

TEST(Real, ImagesRoundTrailingNinesAndZeros) {
    EXPECT_EQ(real_image(real_text("9.99999999999999999999999")), "0.1E2");
    EXPECT_EQ(real_image(real_text("0.12999999999999999997")), "0.13");
    EXPECT_EQ(real_image(real_text("1.00000000000000000002")), "0.1E1");
    EXPECT_EQ(real_image(real_text("1.2345"), 3), "0.123E1");
    EXPECT_EQ(real_image(real_text("1.2999"), 4), "0.13E1");
    EXPECT_EQ(real_image(real_text("1.2345"), 0), "0.12345E1");  // out of range: 19 digits
    // A digit of 4 to 6 at the end is kept as it is.
    EXPECT_EQ(real_image(real_text("1.23456"), 5), "0.12345E1");
}

}  // namespace
}  // namespace vx
