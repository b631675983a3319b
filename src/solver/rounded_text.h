#pragma once
// Correctly rounded texts.  Every number the solver shows is an exact value
// (a decimal, a fraction, or a root of the equation) written by the
// number-to-text rule: rounded once, to 15 significant digits, an exact
// halfway case away from zero.  Decimals and fractions are rounded in
// integers; irrational roots first in extended doubles (long double) with a
// proven error bound, and in MPFR at growing precision when the bound cannot
// tell the 15th digit.

#include "solver/exact_decimal.h"

#include <cstdint>
#include <string>

namespace trx {

std::string roundedText(const ExactDecimal& value, char separator);
std::string roundedText(const mpq_class& value, char separator);

// (u + rootSign·√v) / w, where v > 0 is not the square of a decimal (so the
// value is irrational) and w != 0.
struct QuadraticSurd {
    ExactDecimal u;
    ExactDecimal v;
    int rootSign = 1;
    ExactDecimal w;
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
