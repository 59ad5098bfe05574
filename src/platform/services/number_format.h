#pragma once
// Number formats and rounding of the platform. No locale is consulted: German formats are
// produced by hand so the output is the same in every environment.
#include <cstdint>
#include <string>
#include <string_view>

namespace kis::services {

// Formats one value with a printf-like format. Literal text around the conversion is kept,
// "%%" gives "%". Conversion: "%" ["-"] [width] ["." precision] letter, where letter is
//   n  German number: thousands separator ".", decimal comma, precision decimals (default 2);
//      "%9.2n" of 1234.5 gives " 1.234,50"
//   f  plain fixed-point with decimal point, precision decimals (default 2); "%9.2f"
//   d  integer (value rounded half to even), precision = minimum digits; "%.11d"
// Width right-aligns with blanks ("-" aligns left). A value that rounds to zero has no sign.
// Throws std::invalid_argument for a format with no or more than one conversion.
std::string FormatNumber(std::string_view format, long double value);

// Rounds to the nearest integer, ties to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
// Throws std::out_of_range when the value is not finite or does not fit 64 bits.
int64_t RoundHalfEven(long double value);

// The value in whole cents, RoundHalfEven(value * 100).
int64_t ToCents(long double value);
// The value rounded to cents, ToCents(value) / 100.
long double RoundCents(long double value);
// Compares two amounts at cent precision: the sign of RoundHalfEven((a - b) * 100).
int CompareCents(long double a, long double b);

}  // namespace kis::services
