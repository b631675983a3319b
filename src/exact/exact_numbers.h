// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Exact integer work behind the worked solution and the plot's labels:
// square factors out of a root, and decimal values of (x + y·√r) / z rounded
// by integer arithmetic alone, so that every digit shown is right and "=" is
// only written where nothing was rounded.

#include "exact/exact_decimal.h"  // powerOfTen

#include <gmpxx.h>

#include <string>

namespace trx {

// n = factor² · radicand.  Trial division stops at kSquareSearchLimit so that
// a discriminant of hundreds of digits still takes well under a millisecond;
// `complete` says whether radicand is known to have no square factor left.
struct SquareSplit {
    mpz_class factor;
    mpz_class radicand;
    bool complete = true;
};
constexpr unsigned long kSquareSearchLimit = 3000;
SquareSplit splitSquareFactor(const mpz_class& n);  // n > 0

// A value to 15 significant digits in the program's number-to-text form
// (user's separator, no trailing zeros, "E" notation outside −5 < e < 15).
struct DecimalValue {
    std::string magnitude;  // without sign
    bool negative = false;
    bool exact = false;  // the digits are the whole value, nothing was rounded
};
// (x + y·√r) / z with z > 0 and r ≥ 0; correctly rounded, ties away from 0.
DecimalValue decimalValue(const mpz_class& x, const mpz_class& y, const mpz_class& r, const mpz_class& z,
                          char separator);

}  // namespace trx
