// SPDX-License-Identifier: GPL-3.0-or-later
#include "worked/notation.h"

#include <utility>

namespace trx::worked {

namespace {

using math::op;
using math::row;

// Longer integers are written with a power of ten when that saves digits.
constexpr std::size_t kLongInteger = 15;
// Decimals with more places than this are written as m·10⁻ⁿ.
constexpr long kLongFraction = 20;

Node tenToThe(long exponent)
{
    Node digits = math::number(std::to_string(exponent < 0 ? -exponent : exponent));
    return math::power(math::number("10"), exponent < 0 ? row({math::sign("−"), digits}) : digits);
}

// m·10ⁿ, or 10ⁿ alone when m is 1.
Node scientific(const std::string& mantissa, long exponent)
{
    if (mantissa == "1")
        return tenToThe(exponent);
    return row({math::number(mantissa), op("·"), tenToThe(exponent)});
}

// ±c·x or ±c·x²; (3/2)x has its fraction fenced, which the plain text could read as 3/(2x).
void polynomialTerm(std::vector<Node>& sum, const Coefficient& term, Node variable)
{
    if (term.unit) {
        appendTerm(sum, term.sign, std::move(variable));
        return;
    }
    Node factor = term.magnitude.kind == Node::Kind::Fraction ? math::fenced(term.magnitude) : term.magnitude;
    appendTerm(sum, term.sign, row({std::move(factor), std::move(variable)}));
}

}  // namespace

Node integerMagnitude(const mpz_class& n)
{
    const std::string digits = mpz_class(abs(n)).get_str();
    const std::size_t significant = digits.find_last_not_of('0') + 1;
    const std::size_t zeros = n == 0 ? 0 : digits.size() - significant;
    if (digits.size() <= kLongInteger || zeros < 3)
        return math::number(digits);
    return scientific(digits.substr(0, significant), static_cast<long>(zeros));
}

Node decimalMagnitude(const ExactDecimal& value, char separator)
{
    if (value.exponent >= 0)
        return integerMagnitude(value.significand * powerOfTen(static_cast<unsigned long>(value.exponent)));
    const std::string digits = mpz_class(abs(value.significand)).get_str();
    const long places = -value.exponent;
    const long length = static_cast<long>(digits.size());
    if (places > kLongFraction) {
        const std::string mantissa = digits.substr(0, 1) + (length > 1 ? separator + digits.substr(1) : "");
        return scientific(mantissa, length - 1 - places);
    }
    if (length > places)
        return math::number(digits.substr(0, static_cast<std::size_t>(length - places)) + separator +
                            digits.substr(static_cast<std::size_t>(length - places)));
    return math::number("0" + std::string(1, separator) + std::string(static_cast<std::size_t>(places - length), '0') +
                        digits);
}

Node signedNode(bool negative, Node magnitude)
{
    return negative ? row({math::sign("−"), std::move(magnitude)}) : magnitude;
}

Node rationalMagnitude(const mpq_class& q)
{
    if (q.get_den() == 1)
        return integerMagnitude(q.get_num());
    return math::fraction(integerMagnitude(q.get_num()), integerMagnitude(q.get_den()));
}

Node rationalNode(const mpq_class& q)
{
    return signedNode(q < 0, rationalMagnitude(q));
}

Node asFactor(const mpq_class& q)
{
    Node value = rationalNode(q);
    return value.kind == Node::Kind::Number ? value : math::fenced(std::move(value));
}

Node x()
{
    return math::identifier("x");
}

Node equals(Node left, Node right)
{
    return row({std::move(left), op("="), std::move(right)});
}

Node solutionName(int index)
{
    return math::subscript(x(), math::number(std::to_string(index)));
}

Node squared(Node base)
{
    return math::power(std::move(base), math::number("2"));
}

void appendTerm(std::vector<Node>& sum, int sign, Node magnitude)
{
    if (!sum.empty())
        sum.push_back(op(sign < 0 ? "−" : "+"));
    else if (sign < 0)
        sum.push_back(math::sign("−"));
    sum.push_back(std::move(magnitude));
}

void appendBetween(std::vector<Node>& sum, const std::string& between, Node magnitude)
{
    if (between != "±") {
        appendTerm(sum, between == "+" ? 1 : -1, std::move(magnitude));
        return;
    }
    sum.push_back(sum.empty() ? math::sign("±") : op("±"));
    sum.push_back(std::move(magnitude));
}

Node sumOrZero(std::vector<Node> sum)
{
    return sum.empty() ? math::number("0") : row(std::move(sum));
}

Coefficient coefficient(const mpq_class& q)
{
    return {sgn(q), abs(q) == 1, rationalMagnitude(q)};
}

Coefficient coefficient(const ExactDecimal& d, char separator)
{
    return {sgn(d.significand), abs(d.significand) == 1 && d.exponent == 0, decimalMagnitude(d, separator)};
}

Node polynomial(const std::array<Coefficient, 3>& terms)
{
    std::vector<Node> sum;
    for (int i = 0; i < 3; ++i) {
        const Coefficient& term = terms[i];
        if (term.sign == 0)
            continue;
        if (i == 2) {
            appendTerm(sum, term.sign, term.magnitude);
            continue;
        }
        polynomialTerm(sum, term, i == 0 ? squared(x()) : x());
    }
    return sumOrZero(std::move(sum));
}

Node polynomial(const mpq_class& a, const mpq_class& b, const mpq_class& c)
{
    return polynomial({coefficient(a), coefficient(b), coefficient(c)});
}

Node linear(const mpq_class& p, const mpq_class& q)
{
    const Coefficient slope = coefficient(p);
    std::vector<Node> sum;
    polynomialTerm(sum, slope, x());
    if (q != 0)
        appendTerm(sum, sgn(q), rationalMagnitude(q));
    return row(std::move(sum));
}

Node shifted(const mpq_class& h)
{
    return h == 0 ? x() : linear(1, -h);
}

Node chain(std::vector<Node> parts)
{
    std::vector<Node> joined;
    std::string previous;
    for (Node& part : parts) {
        std::string text = math::plainText(part);
        if (text == previous)
            continue;
        if (!joined.empty())
            joined.push_back(op("="));
        joined.push_back(std::move(part));
        previous = std::move(text);
    }
    return row(std::move(joined));
}

void StepList::add(std::vector<Phrase> phrases, Node formula)
{
    steps_.push_back({{}, std::move(formula), std::move(phrases)});
}

}  // namespace trx::worked
