// Exact constants: 168-bit integers and decimal reals.
//
// The 21 bytes of a pint are kept in the layout the rest of the program
// relies on, but every operation works on a wider host form: three 64-bit
// limbs, least significant first, holding the value sign-extended to 192
// bits. Loading and storing cost a few byte moves; in between, additions,
// products and divisions run on machine words, and nothing allocates.
//
// A real's mantissa is a pint read as a fixed-point number with 160
// fraction bits. Multiplying the fraction by 10 and taking the integer byte
// gives the decimal digits one by one, exactly; dividing by 10 (to align
// exponents or build a real from an integer) rounds to the nearest unit of
// the last fraction bit. So a mantissa is exact to about 48 decimal digits.
#include "canalysis/cpp/bignum.h"

#include <algorithm>
#include <cstring>

namespace vx {

namespace {

using u64 = std::uint64_t;
using u128 = unsigned __int128;

constexpr int limbs = 3;
constexpr int fraction_bits = 160;
// Exponents of reals are kept well inside int so that sums of two of them
// never overflow.
constexpr int real_exponent_limit = 1 << 28;
// Significant digits a mantissa holds; a real built from text or from an
// integer is exact to them.
constexpr int real_significant_digits = 48;

// A value in host form: 192-bit two's complement, limb 0 least significant.
struct Wide {
    u64 w[limbs] = {0, 0, 0};
};

// Byte k of the magnitude order (k = 0 least significant, k = 20 the sign
// byte) lives at this index of pint::bytes.
constexpr int byte_index(int k) { return k == pint_bytes - 1 ? 0 : k + 1; }

int magnitude_byte(const pint& a, int k) { return a.bytes[byte_index(k)]; }

Wide load(const pint& a) {
    Wide x;
    for (int k = 0; k < pint_bytes; ++k) {
        x.w[k / 8] |= static_cast<u64>(magnitude_byte(a, k)) << (8 * (k % 8));
    }
    if (a.bytes[0] & 0x80) {
        // Bits 168 to 191 copy the sign.
        x.w[2] |= ~u64{0} << 40;
    }
    return x;
}

pint store(const Wide& x) {
    pint a;
    for (int k = 0; k < pint_bytes; ++k) {
        a.bytes[byte_index(k)] = static_cast<std::uint8_t>(x.w[k / 8] >> (8 * (k % 8)));
    }
    return a;
}

bool negative(const Wide& x) { return (x.w[2] >> 63) != 0; }
bool is_zero(const Wide& x) { return (x.w[0] | x.w[1] | x.w[2]) == 0; }

// True when the 192-bit value is a sign-extended 168-bit value.
bool fits168(const Wide& x) {
    u64 top = x.w[2] >> 39;  // bits 167 to 191: 25 bits
    return top == 0 || top == (u64{1} << 25) - 1;
}

Wide add(const Wide& a, const Wide& b) {
    Wide r;
    u64 carry = 0;
    for (int i = 0; i < limbs; ++i) {
        u128 s = static_cast<u128>(a.w[i]) + b.w[i] + carry;
        r.w[i] = static_cast<u64>(s);
        carry = static_cast<u64>(s >> 64);
    }
    return r;
}

Wide bit_not(const Wide& a) {
    Wide r;
    for (int i = 0; i < limbs; ++i) r.w[i] = ~a.w[i];
    return r;
}

Wide negate(const Wide& a) {
    Wide one;
    one.w[0] = 1;
    return add(bit_not(a), one);
}

Wide sub(const Wide& a, const Wide& b) { return add(a, negate(b)); }

Wide magnitude(const Wide& a) { return negative(a) ? negate(a) : a; }

int compare_unsigned(const Wide& a, const Wide& b) {
    for (int i = limbs - 1; i >= 0; --i) {
        if (a.w[i] != b.w[i]) return a.w[i] < b.w[i] ? -1 : 1;
    }
    return 0;
}

Wide from_u64(u64 v) {
    Wide x;
    x.w[0] = v;
    return x;
}

// Logical shifts of the whole 192 bits.
Wide shl(const Wide& a, int n) {
    Wide r;
    if (n >= 64 * limbs) return r;
    int words = n / 64, bits = n % 64;
    for (int i = limbs - 1; i >= words; --i) {
        u64 v = a.w[i - words] << bits;
        if (bits && i - words - 1 >= 0) v |= a.w[i - words - 1] >> (64 - bits);
        r.w[i] = v;
    }
    return r;
}

Wide shr_logical(const Wide& a, int n) {
    Wide r;
    if (n >= 64 * limbs) return r;
    int words = n / 64, bits = n % 64;
    for (int i = 0; i + words < limbs; ++i) {
        u64 v = a.w[i + words] >> bits;
        if (bits && i + words + 1 < limbs) v |= a.w[i + words + 1] << (64 - bits);
        r.w[i] = v;
    }
    return r;
}

int highest_bit(const Wide& a) {
    for (int i = limbs - 1; i >= 0; --i) {
        if (a.w[i]) return 64 * i + 63 - __builtin_clzll(a.w[i]);
    }
    return -1;
}

// Product of two non-negative values into six limbs.
void mul_full(const Wide& a, const Wide& b, u64 out[2 * limbs]) {
    for (int i = 0; i < 2 * limbs; ++i) out[i] = 0;
    for (int i = 0; i < limbs; ++i) {
        u64 carry = 0;
        for (int j = 0; j < limbs; ++j) {
            u128 t = static_cast<u128>(a.w[i]) * b.w[j] + out[i + j] + carry;
            out[i + j] = static_cast<u64>(t);
            carry = static_cast<u64>(t >> 64);
        }
        out[i + limbs] = carry;
    }
}

// x * 10 in place, for values that stay below 2^192 (digits and
// mantissas).
void times_ten(Wide& x) {
    u64 product[2 * limbs];
    mul_full(x, from_u64(10), product);
    for (int i = 0; i < limbs; ++i) x.w[i] = product[i];
}

// Division of non-negative values: quotient and remainder.
void divmod_unsigned(const Wide& a, const Wide& b, Wide& q, Wide& r) {
    q = Wide{};
    r = Wide{};
    if (b.w[1] == 0 && b.w[2] == 0) {
        // A one-limb divisor: three hardware-sized steps.
        u64 d = b.w[0];
        u128 rem = 0;
        for (int i = limbs - 1; i >= 0; --i) {
            u128 cur = (rem << 64) | a.w[i];
            q.w[i] = static_cast<u64>(cur / d);
            rem = cur % d;
        }
        r.w[0] = static_cast<u64>(rem);
        return;
    }
    // Shift and subtract, one bit at a time from the highest set bit.
    for (int bit = highest_bit(a); bit >= 0; --bit) {
        r = shl(r, 1);
        r.w[0] |= (a.w[bit / 64] >> (bit % 64)) & 1;
        if (compare_unsigned(r, b) >= 0) {
            r = sub(r, b);
            q.w[bit / 64] |= u64{1} << (bit % 64);
        }
    }
}

// Multiplies two values; true when the exact product fits in 168 bits.
bool multiply(const Wide& a, const Wide& b, Wide& result) {
    bool sign = negative(a) != negative(b);
    u64 product[2 * limbs];
    mul_full(magnitude(a), magnitude(b), product);
    Wide low;
    for (int i = 0; i < limbs; ++i) low.w[i] = product[i];
    bool high_clear = (product[3] | product[4] | product[5]) == 0;
    // The magnitude may reach 2^167 only for a negative result.
    Wide limit = shl(from_u64(1), pint_bits - 1);
    int against = compare_unsigned(low, limit);
    bool fits = high_clear && (against < 0 || (sign && against == 0));
    result = sign ? negate(low) : low;
    return fits;
}

}  // namespace

bool operator==(const pint& a, const pint& b) {
    return std::memcmp(a.bytes, b.bytes, pint_bytes) == 0;
}

const pint pint_zero{};
const pint pint_one = store(from_u64(1));

pint pint_largest() {
    pint max;
    for (std::uint8_t& byte : max.bytes) {
        byte = 0xFF;
    }
    max.bytes[0] = 0x7F;
    return max;
}

pint pint_smallest() {
    pint min;
    min.bytes[0] = 0x80;
    return min;
}

pint pint_from_int(std::int64_t value) {
    Wide x = from_u64(static_cast<u64>(value));
    if (value < 0) {
        x.w[1] = ~u64{0};
        x.w[2] = ~u64{0};
    }
    return store(x);
}

pint pint_from_unsigned(std::uint64_t value) { return store(from_u64(value)); }

bool pint_is_zero(const pint& a) { return a == pint_zero; }

bool pint_is_negative(const pint& a) { return (a.bytes[0] & 0x80) != 0; }

std::int64_t pint_low64(const pint& a) { return static_cast<std::int64_t>(load(a).w[0]); }

bool pint_fits_int64(const pint& a) { return pint_fits(a, 64); }

int pint_compare(const pint& a, const pint& b) {
    int sa = static_cast<std::int8_t>(a.bytes[0]);
    int sb = static_cast<std::int8_t>(b.bytes[0]);
    if (sa != sb) return sa < sb ? -1 : 1;
    for (int i = pint_bytes - 1; i >= 1; --i) {
        if (a.bytes[i] != b.bytes[i]) return a.bytes[i] < b.bytes[i] ? -1 : 1;
    }
    return 0;
}

void pint_not(const pint& a, pint& result) {
    for (int i = 0; i < pint_bytes; ++i) result.bytes[i] = static_cast<std::uint8_t>(~a.bytes[i]);
}

void pint_or(const pint& a, const pint& b, pint& result) {
    for (int i = 0; i < pint_bytes; ++i) result.bytes[i] = a.bytes[i] | b.bytes[i];
}

void pint_and(const pint& a, const pint& b, pint& result) {
    for (int i = 0; i < pint_bytes; ++i) result.bytes[i] = a.bytes[i] & b.bytes[i];
}

void pint_xor(const pint& a, const pint& b, pint& result) {
    for (int i = 0; i < pint_bytes; ++i) result.bytes[i] = a.bytes[i] ^ b.bytes[i];
}

namespace {

// A shift count: -1 for a negative count, the count capped at 168 else.
int shift_count(const pint& count) {
    if (pint_is_negative(count)) return -1;
    Wide c = load(count);
    if (c.w[1] || c.w[2] || c.w[0] > static_cast<u64>(pint_bits)) return pint_bits;
    return static_cast<int>(c.w[0]);
}

}  // namespace

void pint_shift_left(const pint& a, const pint& count, pint& result) {
    int n = shift_count(count);
    if (n < 0) {
        result = pint_zero;
        return;
    }
    result = store(shl(load(a), n));
}

void pint_shift_right(const pint& a, const pint& count, pint& result) {
    int n = shift_count(count);
    if (n < 0) {
        result = pint_zero;
        return;
    }
    Wide x = load(a);
    bool sign = negative(x);
    Wide r = shr_logical(x, n);
    if (sign) {
        // Fill the vacated bits with the sign: the 192-bit form is already
        // sign-extended, so every bit from 192 - n upward is set.
        Wide fill = n >= 64 * limbs ? bit_not(Wide{}) : bit_not(shr_logical(bit_not(Wide{}), n));
        for (int i = 0; i < limbs; ++i) r.w[i] |= fill.w[i];
    }
    result = store(r);
}

bool pint_negate(const pint& a, pint& result) {
    Wide r = negate(load(a));
    result = store(r);
    return fits168(r);
}

bool pint_add(const pint& a, const pint& b, pint& result) {
    bool sa = pint_is_negative(a), sb = pint_is_negative(b);
    pint sum = store(add(load(a), load(b)));
    const bool exact = !(sa == sb && pint_is_negative(sum) != sa);
    result = sum;
    return exact;
}

bool pint_sub(const pint& a, const pint& b, pint& result) {
    bool sa = pint_is_negative(a), sb = pint_is_negative(b);
    pint difference = store(sub(load(a), load(b)));
    const bool exact = !(sa != sb && pint_is_negative(difference) != sa);
    result = difference;
    return exact;
}

bool pint_add_small(const pint& a, int n, pint& result) {
    bool sa = pint_is_negative(a);
    pint sum = store(add(load(a), from_u64(static_cast<u64>(n < 0 ? 0 : n))));
    // n is never negative, so only a non-negative value can leave the
    // range; a negative value that reaches zero or above has not overflowed.
    const bool exact = !(!sa && pint_is_negative(sum));
    result = sum;
    return exact;
}

bool pint_mul_small(const pint& a, unsigned n, pint& result) {
    Wide r;
    const bool exact = multiply(load(a), from_u64(n), r);
    result = store(r);
    return exact;
}

bool pint_mul(const pint& a, const pint& b, pint& result) {
    Wide r;
    const bool exact = multiply(load(a), load(b), r);
    result = store(r);
    return exact;
}

bool pint_divmod(const pint& a, const pint& b, pint& quotient, pint& remainder) {
    Wide x = load(a), y = load(b);
    if (is_zero(y)) {
        quotient = pint_zero;
        remainder = pint_zero;
        return false;
    }
    Wide q, r;
    divmod_unsigned(magnitude(x), magnitude(y), q, r);
    bool flag = negative(x) != negative(y);
    // Floor division: with signs that differ and a remainder left, the
    // quotient goes one further toward minus infinity. The remainder keeps
    // a = q * b + r, so it takes the divisor's sign.
    if (flag) {
        if (!is_zero(r)) {
            q = sub(negate(q), from_u64(1));
            r = sub(magnitude(y), r);
        } else {
            q = negate(q);
        }
    }
    if (negative(y)) r = negate(r);
    // Only the most negative value divided by -1 leaves the range.
    quotient = store(q);
    remainder = store(r);
    return fits168(q);
}

bool pint_fits(const pint& a, int bits) {
    if (bits >= pint_bits) return true;
    if (bits <= 0) return pint_is_zero(a);
    Wide x = load(a);
    Wide top = shr_logical(x, bits - 1);
    // All bits from bits-1 upward (in the sign-extended 192-bit form) equal.
    Wide ones = shr_logical(bit_not(Wide{}), bits - 1);
    return is_zero(top) || compare_unsigned(top, ones) == 0;
}

void pint_truncate(pint& a, int bits) {
    if (bits >= pint_bits) return;
    if (bits <= 0) {
        a = pint_zero;
        return;
    }
    Wide x = load(a);
    Wide mask = shl(bit_not(Wide{}), bits);
    for (int i = 0; i < limbs; ++i) x.w[i] &= ~mask.w[i];
    a = store(x);
}

void pint_logical_not(const pint& a, pint& result) {
    result = pint_is_zero(a) ? pint_one : pint_zero;
}

// ---- images ----------------------------------------------------------------

namespace {

// Enough for "-" and 51 decimal digits, or "0b" and 21 * 8 binary digits.
constexpr int image_capacity = 2 + 8 * pint_bytes + 2;

int decimal_digits(const pint& a, char* out) {
    Wide x = magnitude(load(a));
    char digits[64];
    int count = 0;
    do {
        Wide q, r;
        divmod_unsigned(x, from_u64(10), q, r);
        digits[count++] = static_cast<char>('0' + r.w[0]);
        x = q;
    } while (!is_zero(x));
    int n = 0;
    if (pint_is_negative(a)) out[n++] = '-';
    while (count > 0) out[n++] = digits[--count];
    return n;
}

}  // namespace

std::string pint_image(const pint& a, int format_code, int width) {
    char out[image_capacity];
    int n = 0;
    // The reserved codes have no form of their own: they write decimal.
    if (format_code == 1 || format_code == 3 || format_code == 6 || format_code == 4 ||
        format_code == 5 || format_code < 0 || format_code > 8) {
        n = decimal_digits(a, out);
        return std::string(out, static_cast<std::size_t>(n));
    }
    const bool hex = format_code == 0 || format_code == 8;
    const bool prefix = format_code == 7 || format_code == 8;

    // Which magnitude-order bytes to write, from `top` down to 0.
    const int sign_byte = pint_is_negative(a) ? 0xFF : 0x00;
    auto highest_significant = [&]() {
        int k = pint_bytes - 2;
        while (k > 0 && magnitude_byte(a, k) == sign_byte) --k;
        return k;
    };
    int top = 0;
    bool first_byte_too = false;
    if (width > pint_bits || width < 0) {
        width = 0;
    }
    if (width >= 1 && width <= 160) {
        top = (width + 7) / 8 - 1;
        if (hex) top = std::max(top, highest_significant());
        if (hex && magnitude_byte(a, pint_bytes - 1) != sign_byte) {
            // A value beyond 160 bits shows all of its bytes.
            top = pint_bytes - 2;
            first_byte_too = true;
        }
    } else {
        // No width (or 161 to 168 bits): the sign byte, then the bytes from
        // the most significant one that is not mere sign extension.
        first_byte_too = true;
        top = highest_significant();
        if (top == 0 && magnitude_byte(a, 0) == sign_byte) top = -1;
    }

    static constexpr char hex_digits[] = "0123456789ABCDEF";
    if (prefix) {
        out[n++] = '0';
        out[n++] = hex ? 'x' : 'b';
    }
    auto put_byte = [&](int value) {
        if (hex) {
            out[n++] = hex_digits[value >> 4];
            out[n++] = hex_digits[value & 15];
        } else {
            for (int bit = 7; bit >= 0; --bit)
                out[n++] = static_cast<char>('0' + ((value >> bit) & 1));
        }
    };
    int digits_start = n;
    if (first_byte_too) put_byte(magnitude_byte(a, pint_bytes - 1));
    for (int k = top; k >= 0; --k) put_byte(magnitude_byte(a, k));
    if (!prefix) {
        if (hex && out[digits_start] > '9') {
            std::memmove(out + digits_start + 1, out + digits_start,
                         static_cast<std::size_t>(n - digits_start));
            out[digits_start] = '0';
            ++n;
        }
        out[n++] = hex ? 'H' : 'B';
    }
    return std::string(out, static_cast<std::size_t>(n));
}

std::string pint_image(const pint& a, ImageFormat format, int width) {
    return pint_image(a, static_cast<int>(format), width);
}

// ---- decimal reals -----------------------------------------------------------

namespace {

// The integer byte of a mantissa.
int integer_part(const Wide& m) { return static_cast<int>(m.w[2] >> 32); }

// m / 10, rounded to the nearest last fraction bit.
Wide divide_by_ten(const Wide& m) {
    Wide q, r;
    divmod_unsigned(m, from_u64(10), q, r);
    if (r.w[0] > 4) q = add(q, from_u64(1));
    return q;
}

int clamp_exponent(long long e) {
    return static_cast<int>(std::clamp<long long>(e, -real_exponent_limit, real_exponent_limit));
}

Real make_real(bool is_negative, Wide m, long long e) {
    Real r;
    if (is_zero(m)) return r;
    while (integer_part(m) > 9) {
        m = divide_by_ten(m);
        ++e;
    }
    while (integer_part(m) == 0) {
        times_ten(m);
        --e;
    }
    r.negative = is_negative ? 1 : 0;
    r.mantissa = store(m);
    r.exponent = clamp_exponent(e);
    return r;
}

// The mantissa in host form (always non-negative, below 10 * 2^160 for a
// normalised real; 168 bits read unsigned).
Wide mantissa_of(const Real& r) {
    Wide m = load(r.mantissa);
    m.w[2] &= (u64{1} << 40) - 1;
    return m;
}

// The decimal digits of a mantissa: up to `count` digits into `digits`;
// returns how many were produced, and whether a non-zero fraction remains.
int mantissa_digits(Wide m, int count, char* digits, bool& remains) {
    int n = 0;
    while (n < count && !is_zero(m)) {
        int d = integer_part(m);
        digits[n++] = static_cast<char>('0' + d);
        m = sub(m, shl(from_u64(static_cast<u64>(d)), fraction_bits));
        times_ten(m);
    }
    remains = !is_zero(m);
    return n;
}

}  // namespace

void real_from_pint(const pint& a, Real& result) {
    Wide value = magnitude(load(a));
    Wide m;
    long long e = 0;
    // Each remainder becomes the new leading digit; the digits already in
    // the mantissa move one place right.
    while (!is_zero(value)) {
        Wide q, r;
        divmod_unsigned(value, from_u64(10), q, r);
        m = add(divide_by_ten(m), shl(r, fraction_bits));
        value = q;
        ++e;
    }
    result = make_real(pint_is_negative(a), m, e);
}

bool real_from_text(std::string_view text, Real& result) {
    result = Real{};
    std::size_t i = 0;
    const std::size_t size = text.size();
    // Up to 49 significant digits are kept in an integer; later digits only
    // move the decimal point (and the first of them rounds).
    constexpr int kept_digits = real_significant_digits + 1;
    Wide digits;
    int kept = 0;
    long long scale = 0;  // power of ten applied to the kept digits
    bool any_digit = false;
    bool round_up = false;
    bool rounding_seen = false;
    auto take = [&](char c, bool fraction) {
        any_digit = true;
        if (kept == 0 && c == '0') {
            if (fraction) --scale;
            return;
        }
        if (kept < kept_digits) {
            times_ten(digits);
            digits = add(digits, from_u64(static_cast<u64>(c - '0')));
            ++kept;
            if (fraction) --scale;
        } else {
            if (!rounding_seen) {
                round_up = c >= '5';
                rounding_seen = true;
            }
            if (!fraction) ++scale;
        }
    };
    while (i < size && text[i] >= '0' && text[i] <= '9') take(text[i++], false);
    if (i < size && text[i] == '.') {
        ++i;
        while (i < size && text[i] >= '0' && text[i] <= '9') take(text[i++], true);
    }
    if (!any_digit) return false;
    if (i < size && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool minus = false;
        if (i < size && (text[i] == '+' || text[i] == '-')) minus = text[i++] == '-';
        if (i >= size || text[i] < '0' || text[i] > '9') return false;
        long long e = 0;
        while (i < size && text[i] >= '0' && text[i] <= '9') {
            e = std::min<long long>(e * 10 + (text[i++] - '0'), real_exponent_limit);
        }
        scale += minus ? -e : e;
    }
    if (i != size) return false;
    if (round_up) digits = add(digits, from_u64(1));
    Real r;
    real_from_pint(store(digits), r);
    if (!real_is_zero(r)) r.exponent = clamp_exponent(static_cast<long long>(r.exponent) + scale);
    result = r;
    return true;
}

void real_negate(const Real& a, Real& result) {
    result = a;
    if (!real_is_zero(a)) result.negative = a.negative ? 0 : 1;
}

bool real_is_zero(const Real& a) { return pint_is_zero(a.mantissa); }

namespace {

// Adds b to a with b's sign flipped when `subtract`.
Real add_reals(const Real& a, const Real& b, bool subtract) {
    bool b_negative = (b.negative != 0) != subtract;
    if (real_is_zero(b)) return a;
    if (real_is_zero(a)) {
        Real r = b;
        r.negative = b_negative ? 1 : 0;
        return r;
    }
    Wide ma = mantissa_of(a), mb = mantissa_of(b);
    long long ea = a.exponent, eb = b.exponent;
    // Align on the larger exponent; 60 divisions by ten clear any mantissa.
    while (ea < eb && !is_zero(ma)) {
        ma = ea + 60 < eb ? Wide{} : divide_by_ten(ma);
        ++ea;
        if (is_zero(ma)) ea = eb;
    }
    while (eb < ea && !is_zero(mb)) {
        mb = eb + 60 < ea ? Wide{} : divide_by_ten(mb);
        ++eb;
        if (is_zero(mb)) eb = ea;
    }
    long long e = std::max(ea, eb);
    bool a_negative = a.negative != 0;
    if (a_negative == b_negative) return make_real(a_negative, add(ma, mb), e);
    int order = compare_unsigned(ma, mb);
    if (order == 0) return Real{};
    if (order > 0) return make_real(a_negative, sub(ma, mb), e);
    return make_real(b_negative, sub(mb, ma), e);
}

}  // namespace

void real_add(const Real& a, const Real& b, Real& result) { result = add_reals(a, b, false); }

void real_sub(const Real& a, const Real& b, Real& result) { result = add_reals(a, b, true); }

void real_mul(const Real& a, const Real& b, Real& result) {
    if (real_is_zero(a) || real_is_zero(b)) {
        result = Real{};
        return;
    }
    u64 product[2 * limbs];
    mul_full(mantissa_of(a), mantissa_of(b), product);
    // Back to 160 fraction bits, rounding on the first bit dropped.
    Wide m;
    for (int i = 0; i < limbs; ++i) {
        int bit = fraction_bits + 64 * i;
        int word = bit / 64, shift = bit % 64;
        u64 v = product[word] >> shift;
        if (shift && word + 1 < 2 * limbs) v |= product[word + 1] << (64 - shift);
        m.w[i] = v;
    }
    if ((product[(fraction_bits - 1) / 64] >> ((fraction_bits - 1) % 64)) & 1)
        m = add(m, from_u64(1));
    result =
        make_real(a.negative != b.negative, m, static_cast<long long>(a.exponent) + b.exponent - 1);
}

bool real_div(const Real& a, const Real& b, Real& result) {
    if (real_is_zero(b)) {
        result = Real{};
        return false;
    }
    if (real_is_zero(a)) {
        result = Real{};
        return true;
    }
    // (ma * 2^160) / mb by shift and subtract over the 324-bit dividend.
    Wide ma = mantissa_of(a), mb = mantissa_of(b);
    Wide q, rem;
    int top = highest_bit(ma) + fraction_bits;
    for (int bit = top; bit >= 0; --bit) {
        rem = shl(rem, 1);
        int source = bit - fraction_bits;
        if (source >= 0) rem.w[0] |= (ma.w[source / 64] >> (source % 64)) & 1;
        if (compare_unsigned(rem, mb) >= 0) {
            rem = sub(rem, mb);
            if (bit < 64 * limbs) q.w[bit / 64] |= u64{1} << (bit % 64);
        }
    }
    // Round on the remainder: twice the remainder against the divisor.
    if (compare_unsigned(shl(rem, 1), mb) >= 0) q = add(q, from_u64(1));
    result =
        make_real(a.negative != b.negative, q, static_cast<long long>(a.exponent) - b.exponent + 1);
    return true;
}

int real_compare(const Real& a, const Real& b) {
    bool za = real_is_zero(a), zb = real_is_zero(b);
    if (za && zb) return 0;
    int sa = za ? 0 : (a.negative ? -1 : 1);
    int sb = zb ? 0 : (b.negative ? -1 : 1);
    if (sa != sb) return sa < sb ? -1 : 1;
    // Same sign, both non-zero: compare magnitudes, then apply the sign.
    int magnitude_order;
    if (a.exponent != b.exponent) {
        magnitude_order = a.exponent < b.exponent ? -1 : 1;
    } else {
        magnitude_order = compare_unsigned(mantissa_of(a), mantissa_of(b));
    }
    return sa < 0 ? -magnitude_order : magnitude_order;
}

std::string real_image(const Real& r, int digits) {
    if (real_is_zero(r)) return "0.0";
    if (digits < 1 || digits > real_image_max_digits) digits = real_image_max_digits;
    char d[real_image_max_digits];
    bool remains = false;
    int n = mantissa_digits(mantissa_of(r), digits, d, remains);
    long long exponent = r.exponent;
    if (n == digits && remains && n >= 2) {
        char last = d[n - 1], before = d[n - 2];
        if (last >= '7' && before == '9') {
            // The digits written were ...x999(7-9): round the run of nines up.
            --n;
            while (n > 0 && d[n - 1] == '9') --n;
            if (n == 0) {
                d[0] = '1';
                n = 1;
                ++exponent;
            } else {
                ++d[n - 1];
            }
        } else if (last <= '3' && before == '0') {
            // ...x000(0-3): the run of zeros is noise after the last digit.
            --n;
            while (n > 1 && d[n - 1] == '0') --n;
        }
    }
    char out[4 + real_image_max_digits + 16];
    int k = 0;
    if (r.negative) out[k++] = '-';
    out[k++] = '0';
    out[k++] = '.';
    std::memcpy(out + k, d, static_cast<std::size_t>(n));
    k += n;
    std::string text(out, static_cast<std::size_t>(k));
    if (exponent != 0) {
        text += 'E';
        text += std::to_string(exponent);
    }
    return text;
}

}  // namespace vx
