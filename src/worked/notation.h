// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the worked solution writes its numbers and polynomials as formulas:
// exact integers and rationals (long ones with a power of ten), the typed
// decimals, sums with their signs, and chains of equal expressions.

#include "exact/exact_decimal.h"
#include "formula/working.h"

#include <gmpxx.h>

#include <array>
#include <string>
#include <vector>

namespace trx::worked {

using math::Node;

Node integerMagnitude(const mpz_class& n);
Node decimalMagnitude(const ExactDecimal& value, char separator);
Node signedNode(bool negative, Node magnitude);
Node rationalMagnitude(const mpq_class& q);
Node rationalNode(const mpq_class& q);
// A value as a factor or a base: anything but plain digits in parentheses.
Node asFactor(const mpq_class& q);

Node x();
Node equals(Node left, Node right);
Node solutionName(int index);  // x₁, x₂
Node squared(Node base);

// Appends "± magnitude" to a sum, or a leading "−" when the sum is empty.
void appendTerm(std::vector<Node>& sum, int sign, Node magnitude);
// The same with "±" allowed as `between`.
void appendBetween(std::vector<Node>& sum, const std::string& between, Node magnitude);
Node sumOrZero(std::vector<Node> sum);

struct Coefficient {
    int sign = 0;
    bool unit = false;  // ±1: no digit before the x
    Node magnitude;
};
Coefficient coefficient(const mpq_class& q);
Coefficient coefficient(const ExactDecimal& d, char separator);

Node polynomial(const std::array<Coefficient, 3>& terms);
Node polynomial(const mpq_class& a, const mpq_class& b, const mpq_class& c);
// p·x + q.
Node linear(const mpq_class& p, const mpq_class& q);
// x − h, or x alone when h = 0.
Node shifted(const mpq_class& h);

// Expressions joined by "=", each shown once: an expression that reads like
// the one before it (nothing left to simplify) is dropped.
Node chain(std::vector<Node> parts);

// Steps as they are made: Spanish templates, translated at the end.
class StepList {
public:
    void add(std::vector<Phrase> phrases, Node formula);
    void add(const char* pattern, Node formula) { add({{pattern, {}}}, std::move(formula)); }
    std::vector<WorkedStep> take() { return std::move(steps_); }

private:
    std::vector<WorkedStep> steps_;
};

}  // namespace trx::worked
