// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Correctly rounded texts.  Every number the solver shows is an exact value
// (a decimal, a fraction, or a root of the equation) written by the
// number-to-text rule: rounded once, to 15 significant digits, an exact
// halfway case away from zero.  Decimals and fractions are rounded in
// integers; irrational roots first in extended doubles (long double) with a
// proven error bound, and in MPFR at growing precision when the bound cannot
// tell the 15th digit.

#include "exact/exact_decimal.h"

#include <cstdint>
#include <string>

namespace trx {

std::string roundedText(const ExactDecimal& value, char separator);

// numerator / denominator, denominator != 0.
struct DecimalQuotient {
    const ExactDecimal& numerator;
    const ExactDecimal& denominator;
};
std::string roundedText(const DecimalQuotient& value, char separator);

// (u + rootSign·√v) / w, where v > 0 is not the square of a decimal (so the
// value is irrational), w != 0, and uSquaredMinusV is u² − v (the caller
// usually knows it: 4ac for the roots of the equation).
struct QuadraticSurd {
    const ExactDecimal& u;
    const ExactDecimal& v;
    int rootSign;
    const ExactDecimal& w;
    const ExactDecimal& uSquaredMinusV;
};
std::string roundedText(const QuadraticSurd& value, char separator);

// How many surds this thread has rounded, and how many of them the extended
// doubles could not decide (the benchmark reports the share of the slow path).
struct SurdRoundingCount {
    std::uint64_t total = 0;
    std::uint64_t precise = 0;
};
SurdRoundingCount surdRoundingCount();

}  // namespace trx
