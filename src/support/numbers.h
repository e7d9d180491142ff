// The readers of plain numbers given as whole texts: a bound of a range, a
// repetition count, a value the generator folds, an integer constant of C.
// Every stage that asks "is this text a number, and which" asks here.
//
// The three grammars that meet numbers inside a stream of tokens (script
// expressions, C expressions, preprocessing numbers of #if) read them in
// their own lexers, by their own rules; the values they give are exact
// (bignum.h).
#pragma once

#include <string_view>

namespace vx {

// A C integer constant (decimal, octal or hexadecimal, with optional u and
// l suffixes, no sign, no blank) that fits in a long long, and its value.
bool integer_constant(std::string_view text, long long& value);

// A decimal integer as the script writes one: an optional "-", at most 20
// digits, optional u and l suffixes ("-12", "18446744073709551615U").
// Surrounding blanks are allowed.
bool decimal_integer(std::string_view text, __int128& value);

// Any number the C library reads as a whole text once its blanks are
// trimmed ("2", "-0.5", "1e3", "0x10"), as a long double.
bool real_constant(std::string_view text, long double& value);

// A floating constant written as such: digits with a point or an
// exponent, starting with a digit or a point ("2.5", ".5", "1e3").
bool floating_constant(std::string_view text);

}  // namespace vx
