// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exact numbers of practice: the roots an exercise is built from and the
// values a student's answer reads as.  Every root of a quadratic with integer
// coefficients lies in Q(√r, i) for one squarefree r, so a value here is
// (a + b·√r) + (c + d·√r)·i with rationals a, b, c, d.  The answer reader
// does its arithmetic with these values, the checker compares them exactly,
// and the texts below are what the window shows (true minus, √, i).

#include <gmpxx.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace trx::practice {

// rational + surd·√r, r being the radicand of the value that holds it.
struct SurdPart {
    mpq_class rational;
    mpq_class surd;
};

struct ExactValue {
    SurdPart real;
    SurdPart imaginary;
    mpz_class radicand{1};  // squarefree ≥ 2 while a surd part is nonzero, 1 otherwise

    static ExactValue rational(const mpq_class& value);
    // rational + coefficient·√radicand, radicand squarefree ≥ 1.
    static ExactValue surd(const mpq_class& rational, const mpq_class& coefficient, const mpz_class& radicand);
    static ExactValue imaginaryUnit();

    bool isReal() const { return imaginary.rational == 0 && imaginary.surd == 0; }
    bool isRational() const { return isReal() && real.surd == 0; }
    bool isZero() const { return isRational() && real.rational == 0; }
};

bool operator==(const ExactValue& x, const ExactValue& y);
inline bool operator!=(const ExactValue& x, const ExactValue& y)
{
    return !(x == y);
}
ExactValue operator-(ExactValue x);

// Nothing when the result leaves Q(√r, i) for a single r (√2 + √3), or for
// a division by zero.
std::optional<ExactValue> sum(const ExactValue& x, const ExactValue& y);
std::optional<ExactValue> product(const ExactValue& x, const ExactValue& y);
std::optional<ExactValue> quotient(const ExactValue& x, const ExactValue& y);
// √value for a rational value (imaginary when negative); nothing when the
// square factors of its radicand lie beyond splitSquareFactor's search.
std::optional<ExactValue> squareRoot(const mpq_class& value);

// The largest numerator or denominator in bits, for the reader's size cap.
std::size_t bitSize(const ExactValue& x);

// The sign of rational + surd·√radicand (radicand ≥ 1), decided exactly.
int signOf(const mpq_class& rational, const mpq_class& surd, const mpz_class& radicand);

// The simplest text: "3/2", "−1 + √2", "(1 + √5)/2", "2i", "(−1 + i√3)/2".
std::string valueText(const ExactValue& x);
// center ± offset, the pair of roots in one text: "−1 ± √2", "±3",
// "(1 ± √5)/2", "(−1 ± i√3)/2".
std::string pairText(const ExactValue& center, const ExactValue& offset);

// Every spelling of a value or pair that counts as simplest: the text above
// first, then the same terms in the other order and each over its own
// denominator ("√2 − 1", "1/2 + √5/2", "1/2 ± √5/2").
std::vector<std::string> simplestSpellings(const ExactValue& x);
std::vector<std::string> simplestPairSpellings(const ExactValue& center, const ExactValue& offset);

}  // namespace trx::practice
