// Number <-> text conversions and rounding, the only way numbers become text and back.
//
// Texts are GBK byte strings. Nothing here reads or depends on the C library's locale:
// Qt sets it from the user's environment at start-up, and a comma-decimal locale must not
// turn "7.85" into 7. Formatting follows the classic Windows C runtime, which users' numbers
// were always shown in: three-digit exponents (1e+013), 1.#INF, -1.#IND.
#pragma once

#include <string>
#include <string_view>

namespace rt {

// The longest leading number of the text: blanks, a sign, digits with at most one point,
// an exponent after E, e, D or d. No number gives 0. Full-width ASCII (GBK A3A1..A3FE),
// the ideographic space A1A1, A1AB (~) and A1EE/A1EF (*) are first folded to ASCII.
double toNumber(std::string_view text);

// As toNumber, but without folding full-width characters: the numeric input fields
// rewrite a pasted full-width number to 0.
double leadingNumber(std::string_view text);

// printf "%.13g" with a three-digit signed exponent; -0 gives "-0"; +inf "1.#INF",
// -inf "-1.#INF", the NaN of 0/0 "-1.#IND" (other NaNs "1.#QNAN" / "-1.#QNAN").
std::string toText(double value);

// The same rules with another number of significant digits ("%.6g" for the
// single-precision fields).
std::string formatSignificant(double value, int digits);

// The bytes up to the first NUL.
std::string toText(std::string_view bytes);

// Halves away from zero, after adding 1e-12 to the scaled magnitude: round(1.005, 2) is
// 1.01 although the double 1.005 lies just below the half. n may be negative (round to
// tens, hundreds...). 0 and NaN come back unchanged.
double round(double x, int n);

}  // namespace rt
