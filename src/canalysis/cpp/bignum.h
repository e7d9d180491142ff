// Exact constants: 168-bit integers and decimal reals.
//
// Every value written in a test script or in analysed C code (initial and
// expected values, array bounds, enumeration values, ranges) is held
// exactly, beyond the 64-bit range of the host, and printed back in
// decimal, hexadecimal or binary as the generated code needs.
//
// A `pint` is a 168-bit two's-complement integer in 21 bytes. Its first
// byte holds bits 160 to 167 (the top bit is the sign); the bytes after it
// hold bits 0 to 159 from the least significant byte upward (byte 2 is
// bits 0-7, byte 21 bits 152-159). So from most to least significant the
// order is byte 1, byte 21, byte 20, ..., byte 2. The type is a plain
// 21-byte value: copying and every operation are allocation-free.
//
// A decimal real is a sign, a mantissa m and a decimal exponent e; m is a
// `pint` read as a fixed-point number (first byte the integer part, the
// other 20 bytes a 160-bit binary fraction) and the value is m * 10^(e-1),
// that is "0." followed by the digits of m, times 10^e. A normalised real
// has 1 <= m < 10; zero is the mantissa 0, exponent 0, positive.
//
// The library never reports: an operation that can leave the 168 bits or
// divide by zero returns false (the result is then the stated one: the
// bits that fit, or zero), and its caller, which knows the text and the
// place, tells the user. The callers check their bounds before they
// compute, so a false return means they missed one.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vx {

inline constexpr int pint_bytes = 21;
inline constexpr int pint_bits = 168;

struct pint {
    // bytes[0] is byte 1 of the layout above, bytes[k] byte k+1.
    std::uint8_t bytes[pint_bytes] = {};

    friend bool operator==(const pint& a, const pint& b);
};

extern const pint pint_zero;
extern const pint pint_one;

// The largest and the smallest value the layout holds.
pint pint_largest();
pint pint_smallest();

// Conversions with host integers (not part of the library's table, but what
// every lexer and generator needs around it).
pint pint_from_int(std::int64_t value);
pint pint_from_unsigned(std::uint64_t value);
bool pint_is_zero(const pint& a);
bool pint_is_negative(const pint& a);
// The low 64 bits of the value, as a signed host integer.
std::int64_t pint_low64(const pint& a);
// True when the value fits in a signed 64-bit host integer.
bool pint_fits_int64(const pint& a);

// Signed comparison: -1, 0 or 1.
int pint_compare(const pint& a, const pint& b);

void pint_not(const pint& a, pint& result);
void pint_or(const pint& a, const pint& b, pint& result);
void pint_and(const pint& a, const pint& b, pint& result);
void pint_xor(const pint& a, const pint& b, pint& result);
// Shifts by a count given as a pint; a negative count gives 0. Bits moved
// out are lost; the right shift copies the sign bit in.
void pint_shift_left(const pint& a, const pint& count, pint& result);
void pint_shift_right(const pint& a, const pint& count, pint& result);

bool pint_negate(const pint& a, pint& result);
bool pint_add(const pint& a, const pint& b, pint& result);
bool pint_sub(const pint& a, const pint& b, pint& result);
bool pint_add_small(const pint& a, int n, pint& result);
bool pint_mul_small(const pint& a, unsigned n, pint& result);
bool pint_mul(const pint& a, const pint& b, pint& result);
// Floor division: the quotient rounds toward minus infinity when exactly
// one operand is negative, and the remainder then has the divisor's sign
// made positive (-7 / 2 gives -4 remainder 1). A zero divisor gives 0 and
// 0 and false.
bool pint_divmod(const pint& a, const pint& b, pint& quotient, pint& remainder);

// True when the value fits in `bits` bits as a signed number.
bool pint_fits(const pint& a, int bits);
// Clears all bits from `bits` upward.
void pint_truncate(pint& a, int bits);
// 1 for zero, 0 otherwise.
void pint_logical_not(const pint& a, pint& result);

// The format codes of pint_image.
enum class ImageFormat : int {
    hex_suffix = 0,  // "0FFH"
    decimal = 1,
    binary_suffix = 2,  // "00001010B"
    decimal_3 = 3,
    reserved_4 = 4,
    reserved_5 = 5,
    decimal_6 = 6,
    binary_prefix = 7,  // "0b00001010"
    hex_prefix = 8,     // "0xFFFF"
};

// The text of the value in a format, for a width of `width` bits (0: the
// value's own width). Reserved and unknown formats write decimal; a width
// beyond 168 bits gives the image of the value's own width.
std::string pint_image(const pint& a, ImageFormat format, int width = 0);
std::string pint_image(const pint& a, int format_code, int width = 0);

// ---- decimal reals ---------------------------------------------------------

struct Real {
    int negative = 0;
    pint mantissa;
    int exponent = 0;
};

inline constexpr int real_image_max_digits = 19;

void real_from_pint(const pint& a, Real& result);
// Digits, an optional "." and fraction digits, an optional "E" or "e" with
// an optional sign and exponent digits. Returns false (and gives zero) when
// the text is not of that form.
bool real_from_text(std::string_view text, Real& result);
void real_add(const Real& a, const Real& b, Real& result);
void real_sub(const Real& a, const Real& b, Real& result);
void real_mul(const Real& a, const Real& b, Real& result);
// A zero divisor gives zero and false.
bool real_div(const Real& a, const Real& b, Real& result);
void real_negate(const Real& a, Real& result);
int real_compare(const Real& a, const Real& b);
bool real_is_zero(const Real& a);
// "0.12E2" for 12: at most `digits` mantissa digits (19 when outside
// 1..19), trailing 9s and 0s rounded away, "E" and the exponent when it is
// not zero.
std::string real_image(const Real& r, int digits = real_image_max_digits);

}  // namespace vx
