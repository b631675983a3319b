// SPDX-License-Identifier: GPL-3.0-or-later
#include "worked/roots.h"

#include "exact/exact_numbers.h"

namespace trx::worked {

namespace {

using math::op;
using math::row;

// A rational known to be whole.
mpz_class integral(const mpq_class& q)
{
    return q.get_num();
}

mpz_class commonDenominator(const mpq_class& left, const mpq_class& right)
{
    mpz_class multiple;
    mpz_lcm(multiple.get_mpz_t(), left.get_den_mpz_t(), right.get_den_mpz_t());
    return multiple;
}

}  // namespace

// √(u/v) is √u/√v when v is a square, as it is for D/4a², else √(u·v)/v.
Roots Roots::of(const Solutions& solutions)
{
    Roots roots;
    roots.p = solutions.centre;
    if (solutions.square == 0)
        return roots;
    roots.imaginary = solutions.square < 0;
    const mpz_class u = abs(solutions.square.get_num());
    const mpz_class& v = solutions.square.get_den();
    const bool squareBelow = mpz_perfect_square_p(v.get_mpz_t()) != 0;
    const SquareSplit split = splitSquareFactor(squareBelow ? u : u * v);
    roots.r = split.radicand;
    roots.complete = split.complete;
    roots.q = mpq_class(split.factor, squareBelow ? mpz_class(sqrt(v)) : v);
    roots.q.canonicalize();
    return roots;
}

Node Roots::omega() const
{
    return math::radical(integerMagnitude(r));
}

Node Roots::scaledOmega(const mpq_class& factor) const
{
    const mpz_class& num = factor.get_num();
    const mpz_class& den = factor.get_den();
    if (!imaginary) {
        Node top = num == 1 ? omega() : row({integerMagnitude(num), omega()});
        return den == 1 ? top : math::fraction(std::move(top), integerMagnitude(den));
    }
    const Node unit = math::identifier("i");
    if (den == 1) {
        std::vector<Node> product;
        if (num != 1)
            product.push_back(integerMagnitude(num));
        if (r != 1) {
            product.push_back(omega());
            product.push_back(op("·"));  // 2√6·i: the i is not under the root
        }
        product.push_back(unit);
        return row(std::move(product));
    }
    Node top = r == 1 ? integerMagnitude(num) : num == 1 ? omega() : row({integerMagnitude(num), omega()});
    return row({math::fenced(math::fraction(std::move(top), integerMagnitude(den))), unit});
}

Node Roots::plusMinus() const
{
    if (q == 0)
        return math::number("0");
    return row({math::sign("±"), hasRoot() ? scaledOmega(q) : rationalMagnitude(q)});
}

Node Roots::rootNode(const std::string& between) const
{
    std::vector<Node> sum;
    if (imaginary) {
        if (p != 0)
            appendTerm(sum, sgn(p), rationalMagnitude(p));
        appendBetween(sum, between, scaledOmega(q));
        return row(std::move(sum));
    }
    if (!hasRoot() && between != "±")
        return rationalNode(between == "−" ? mpq_class(p - q) : mpq_class(p + q));
    if (!hasRoot()) {
        if (p != 0)
            appendTerm(sum, sgn(p), rationalMagnitude(p));
        appendBetween(sum, between, rationalMagnitude(q));
        return row(std::move(sum));
    }
    const mpz_class denominator = commonDenominator(p, q);
    const mpz_class whole = integral(p * denominator);
    const mpz_class factor = integral(q * denominator);
    if (whole != 0)
        appendTerm(sum, sgn(whole), integerMagnitude(whole));
    appendBetween(sum, between, factor == 1 ? omega() : row({integerMagnitude(factor), omega()}));
    if (denominator == 1)
        return row(std::move(sum));
    return math::fraction(row(std::move(sum)), integerMagnitude(denominator));
}

Node Roots::linearFactor(int sign) const
{
    std::vector<Node> sum{x()};
    if (!hasRoot()) {
        const mpq_class value = p + sign * q;
        if (value == 0)
            return x();
        appendTerm(sum, -sgn(value), rationalMagnitude(value));
        return row(std::move(sum));
    }
    if (p != 0)
        appendTerm(sum, -sgn(p), rationalMagnitude(p));
    appendTerm(sum, -sign, scaledOmega(q));
    return row(std::move(sum));
}

Surd Roots::root(int sign) const
{
    if (!hasRoot())
        return {p + sign * q, 0};
    return {p, sign * q};
}

Surd Roots::times(const Surd& left, const Surd& right) const
{
    const mpq_class square(imaginary ? mpz_class(-r) : r);
    return {left.rational * right.rational + left.coefficient * right.coefficient * square,
            left.rational * right.coefficient + left.coefficient * right.rational};
}

Node Roots::surdNode(const Surd& value) const
{
    std::vector<Node> sum;
    if (value.rational != 0)
        appendTerm(sum, sgn(value.rational), rationalMagnitude(value.rational));
    if (value.coefficient != 0)
        appendTerm(sum, sgn(value.coefficient), scaledOmega(abs(value.coefficient)));
    return sumOrZero(std::move(sum));
}

}  // namespace trx::worked
