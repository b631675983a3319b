// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Conversions between numbers and the texts the user reads and types.
//
// Every text uses the user's decimal separator, passed in as `separator`
// (',' for most of our users, '.' elsewhere).  Nothing here looks at the C
// locale: QApplication switches it to the user's one, which would change the
// behaviour of printf/strtod under our feet.

#include <optional>
#include <string>
#include <string_view>

namespace trx {

// The numeric test.  A text passes when, taken whole, it is an optional sign,
// digits with at most one `separator` (first or last allowed, at least one
// digit in all), then optionally "E" or "e", an optional sign and at least one
// digit, and its value lies inside the double range (an exponent that
// overflows or underflows past the smallest subnormal fails).  No blanks, no
// digit grouping, no "inf"/"nan".  Returns the value of a text that passes.
std::optional<double> parseNumber(std::string_view text, char separator);

// The numeric test without its range check.  std::from_chars alone would
// also take "inf", "nan", a leading point under a comma separator and other
// things a user may not type.
bool hasNumberShape(std::string_view text, char separator);

inline bool isNumeric(std::string_view text, char separator)
{
    return parseNumber(text, separator).has_value();
}

// The value of a text that must be a number; throws
// RunTimeError(TypeMismatch) otherwise.
double numberValue(std::string_view text, char separator);

// A number as std::to_chars writes it ("1.5e+03") in the user's form
// ("1,5E+03").
std::string localised(std::string text, char separator);

// The number-to-text rule: 15 significant digits, no trailing zeros, no
// grouping; fixed notation for decimal exponents -5 < e < 15, otherwise
// mantissa, "E", sign and at least two exponent digits (1E+15, -2,5E-07).
// Zero of either sign is "0".  `value` must be finite.
std::string numberToText(double value, char separator);

// The text written back into a field the user goes on editing: the
// number-to-text rule, except next to the largest double, where its rounding
// would pass the double range; there, the shortest text that reads back.
std::string editableNumberText(double value, char separator);

}  // namespace trx
