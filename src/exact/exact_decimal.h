// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exact value of a number text: the decimal the user typed, not the
// nearest double.  "0,1" is one tenth here, where the double 0.1 is a little
// more.  Anything that must be right to the last digit (the classification by
// the sign of the discriminant, correctly rounded texts, the worked solution)
// starts from these values.

#include <gmpxx.h>

#include <optional>
#include <string_view>

namespace trx {

// significand × 10^exponent, with no trailing zeros in the significand; zero
// is 0 × 10^0.
struct ExactDecimal {
    mpz_class significand;
    long exponent = 0;

    mpq_class toRational() const;
};

// The exact value of a text that passes the numeric test (see number_text.h);
// nothing for any other text.  Every exponent the test lets through is taken
// without overflow, "0E-2147483648" included.
std::optional<ExactDecimal> parseExactDecimal(std::string_view text, char separator);

// An integer as a decimal (its trailing zeros moved into the exponent).
ExactDecimal wholeNumber(mpz_class value);

// Arithmetic that stays exact: sums, differences and products of decimals are
// decimals.
ExactDecimal operator-(ExactDecimal value);
ExactDecimal operator+(const ExactDecimal& x, const ExactDecimal& y);
ExactDecimal operator-(const ExactDecimal& x, const ExactDecimal& y);
ExactDecimal operator*(const ExactDecimal& x, const ExactDecimal& y);
inline int sign(const ExactDecimal& value)
{
    return sgn(value.significand);
}

// The square root of a value >= 0 when it is itself a decimal (0,09 gives
// 0,3); nothing when it is irrational.
std::optional<ExactDecimal> exactSquareRoot(const ExactDecimal& value);

// 10^exponent, exponent >= 0.
mpz_class powerOfTen(unsigned long exponent);

}  // namespace trx
