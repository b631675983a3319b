// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Integer routines behind the exact forms: a common divisor for reducing
// fractions, the largest square factor for simplifying roots, and the
// rounding conversions that feed them.

#include <cstdint>

namespace trx {

// Last non-zero divisor of the remainder sequence of a and b (the larger
// first).  Its magnitude is gcd(|a|, |b|); its sign is whatever the sequence
// ends with (Euclides(4, -6) == -2, Euclides(-4, 6) == 2).  Throws
// RunTimeError(DivisionByZero) when the smaller argument is 0.
std::int16_t Euclides(std::int16_t a, std::int16_t b);

// The largest s whose square divides num (num >= 2); 1 for num < 2.
std::int32_t Descomponer(std::int32_t num);

// Round to the nearest integer, ties to even; throw RunTimeError(Overflow)
// when the rounded value does not fit.  `value` must be finite.
std::int16_t toInt16(double value);
std::int32_t toInt32(double value);

}  // namespace trx
