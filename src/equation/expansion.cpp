// SPDX-License-Identifier: GPL-3.0-or-later
// A typed expression expanded exactly into a polynomial of degree 2 at most
// (the parser has refused anything higher), noting the notable products a
// teacher would name on the way.

#include "equation/parts.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

namespace trx {

namespace {

const char* const kSquareOfSum = "(a + b)² = a² + 2ab + b²";
const char* const kSquareOfDifference = "(a − b)² = a² − 2ab + b²";
const char* const kSumTimesDifference = "(a + b)(a − b) = a² − b²";

// The same typed expression, the sign in front of it aside.
bool sameUpToSign(const Expression& x, const Expression& y)
{
    if (x.kind != y.kind || x.exponent != y.exponent || x.places != y.places || x.digits != y.digits ||
        x.children.size() != y.children.size())
        return false;
    for (std::size_t i = 0; i < x.children.size(); ++i) {
        if (x.children[i].inverse != y.children[i].inverse || !sameUpToSign(x.children[i], y.children[i]))
            return false;
    }
    return true;
}

// The sum of two terms with an x inside a bracket, or nothing.
const Expression* bracketedBinomial(const Expression& expression)
{
    if (expression.kind != Expression::Kind::Bracket || expression.degree == 0)
        return nullptr;
    const Expression& inside = expression.children[0];
    return inside.kind == Expression::Kind::Sum && inside.children.size() == 2 ? &inside : nullptr;
}

// (a + b)(a − b) or (a − b)(a + b), as typed.
bool isSumTimesDifference(const Expression& left, const Expression& right)
{
    const Expression* x = bracketedBinomial(left);
    const Expression* y = bracketedBinomial(right);
    return x != nullptr && y != nullptr && x->children[0].inverse == y->children[0].inverse &&
           sameUpToSign(x->children[0], y->children[0]) && x->children[1].inverse != y->children[1].inverse &&
           sameUpToSign(x->children[1], y->children[1]);
}

void note(Expansion& notes, const char* identity)
{
    if (std::find(notes.identities.begin(), notes.identities.end(), identity) == notes.identities.end())
        notes.identities.push_back(identity);
}

bool fits(const mpq_class& value)
{
    return mpz_sizeinbase(value.get_num_mpz_t(), 2) <= kMaxNumberBits &&
           mpz_sizeinbase(value.get_den_mpz_t(), 2) <= kMaxNumberBits;
}

Polynomial times(const Polynomial& x, const Polynomial& y)
{
    if (degreeOf(y) == 0) {
        Polynomial out = x;
        if (y[0] != 1) {
            for (mpq_class& coefficient : out)
                coefficient *= y[0];
        }
        return out;
    }
    if (degreeOf(x) == 0)
        return times(y, x);
    Polynomial out;
    for (std::size_t i = 0; i < 3; ++i) {
        for (std::size_t j = 0; i + j < 3; ++j)
            out[i + j] += x[i] * y[j];
    }
    return out;
}

class Expander {
public:
    explicit Expander(Expansion& notes) : notes_(notes) { }
    std::optional<Polynomial> run(const Expression& expression);

private:
    std::optional<Polynomial> sum(const Expression& expression);
    std::optional<Polynomial> product(const Expression& expression);
    std::optional<Polynomial> power(const Expression& expression);
    bool fitting(const Expression& expression, const Polynomial& value);

    Expansion& notes_;
};

// Sets the refusal when a number has grown too large.
bool Expander::fitting(const Expression& expression, const Polynomial& value)
{
    if (std::all_of(value.begin(), value.end(), fits))
        return true;
    notes_.error = equationError(expression.column, QT_TRANSLATE_NOOP("Equation", "Los números son demasiado grandes"));
    return false;
}

std::optional<Polynomial> Expander::run(const Expression& expression)
{
    switch (expression.kind) {
    case Expression::Kind::Number:
        return Polynomial{expression.numberValue(), 0, 0};
    case Expression::Kind::Variable:
        return Polynomial{0, 1, 0};
    case Expression::Kind::Sum:
        return sum(expression);
    case Expression::Kind::Product:
        return product(expression);
    case Expression::Kind::Power:
        return power(expression);
    case Expression::Kind::Bracket:
        return run(expression.children[0]);
    }
    return std::nullopt;
}

std::optional<Polynomial> Expander::sum(const Expression& expression)
{
    Polynomial out;
    for (const Expression& term : expression.children) {
        auto value = run(term);
        if (!value)
            return std::nullopt;
        for (std::size_t i = 0; i < 3; ++i)
            out[i] += term.inverse ? -(*value)[i] : (*value)[i];
        if (!fitting(term, out))
            return std::nullopt;
    }
    return out;
}

std::optional<Polynomial> Expander::product(const Expression& expression)
{
    const auto& factors = expression.children;
    Polynomial out{1, 0, 0};
    for (std::size_t i = 0; i < factors.size(); ++i) {
        auto value = run(factors[i]);
        if (!value)
            return std::nullopt;
        if (factors[i].inverse) {
            if ((*value)[0] == 0) {
                notes_.error =
                    equationError(factors[i].column, QT_TRANSLATE_NOOP("Equation", "No se puede dividir entre cero"));
                return std::nullopt;
            }
            for (mpq_class& coefficient : out)
                coefficient /= (*value)[0];
        } else {
            if (i > 0 && !factors[i - 1].inverse && isSumTimesDifference(factors[i - 1], factors[i]))
                note(notes_, kSumTimesDifference);
            out = times(out, *value);
        }
        if (!fitting(factors[i], out))
            return std::nullopt;
    }
    return out;
}

std::optional<Polynomial> Expander::power(const Expression& expression)
{
    const Expression& base = expression.children[0];
    auto value = run(base);
    if (!value)
        return std::nullopt;
    if (expression.exponent == 0)
        return Polynomial{1, 0, 0};
    if (expression.exponent == 1)
        return value;
    if (const Expression* binomial = bracketedBinomial(base))
        note(notes_, binomial->children[1].inverse ? kSquareOfDifference : kSquareOfSum);
    Polynomial square = times(*value, *value);
    if (!fitting(expression, square))
        return std::nullopt;
    return square;
}

// The fast path: numerators of 1, x and x² over one positive denominator,
// every number below kQuickLimit, so that no sum of three products of two
// of them overflows 64 bits.
struct QuickPolynomial {
    std::array<std::int64_t, 3> numerators{};
    std::int64_t denominator = 1;
};
constexpr std::int64_t kQuickLimit = std::int64_t(1) << 30;

class QuickExpander {
public:
    std::optional<QuickPolynomial> run(const Expression& expression);
    static std::optional<QuickPolynomial> reduced(QuickPolynomial value);
    static std::optional<QuickPolynomial> added(const QuickPolynomial& x, const QuickPolynomial& y, bool subtract);

private:
    static std::optional<QuickPolynomial> number(const Expression& expression);
    static std::optional<QuickPolynomial> times(const QuickPolynomial& x, const QuickPolynomial& y);
    std::optional<QuickPolynomial> sum(const Expression& expression);
    std::optional<QuickPolynomial> product(const Expression& expression);
};

std::optional<QuickPolynomial> QuickExpander::reduced(QuickPolynomial value)
{
    std::int64_t divisor = value.denominator;
    for (const std::int64_t numerator : value.numerators)
        divisor = std::gcd(divisor, numerator);
    for (std::int64_t& numerator : value.numerators) {
        numerator /= divisor;
        if (numerator >= kQuickLimit || numerator <= -kQuickLimit)
            return std::nullopt;
    }
    value.denominator /= divisor;
    if (value.denominator >= kQuickLimit)
        return std::nullopt;
    return value;
}

std::optional<QuickPolynomial> QuickExpander::added(const QuickPolynomial& x, const QuickPolynomial& y, bool subtract)
{
    QuickPolynomial out;
    for (std::size_t i = 0; i < 3; ++i)
        out.numerators[i] = x.numerators[i] * y.denominator + (subtract ? -1 : 1) * y.numerators[i] * x.denominator;
    out.denominator = x.denominator * y.denominator;
    return reduced(out);
}

// The parser has refused every product of degree above 2.
std::optional<QuickPolynomial> QuickExpander::times(const QuickPolynomial& x, const QuickPolynomial& y)
{
    QuickPolynomial out;
    for (std::size_t i = 0; i < 3; ++i) {
        for (std::size_t j = 0; i + j < 3; ++j)
            out.numerators[i + j] += x.numerators[i] * y.numerators[j];
    }
    out.denominator = x.denominator * y.denominator;
    return reduced(out);
}

std::optional<QuickPolynomial> QuickExpander::number(const Expression& expression)
{
    constexpr std::size_t kQuickDigits = 9;
    if (expression.digits.size() > kQuickDigits || expression.places > static_cast<int>(kQuickDigits))
        return std::nullopt;
    QuickPolynomial out;
    for (const char digit : expression.digits)
        out.numerators[0] = out.numerators[0] * 10 + (digit - '0');
    for (int i = 0; i < expression.places; ++i)
        out.denominator *= 10;
    return reduced(out);
}

std::optional<QuickPolynomial> QuickExpander::run(const Expression& expression)
{
    switch (expression.kind) {
    case Expression::Kind::Number:
        return number(expression);
    case Expression::Kind::Variable:
        return QuickPolynomial{{0, 1, 0}, 1};
    case Expression::Kind::Sum:
        return sum(expression);
    case Expression::Kind::Product:
        return product(expression);
    case Expression::Kind::Power: {
        auto value = run(expression.children[0]);
        if (!value || expression.exponent == 1)
            return value;
        return expression.exponent == 0 ? QuickPolynomial{{1, 0, 0}, 1} : times(*value, *value);
    }
    case Expression::Kind::Bracket:
        return run(expression.children[0]);
    }
    return std::nullopt;
}

std::optional<QuickPolynomial> QuickExpander::sum(const Expression& expression)
{
    std::optional<QuickPolynomial> out = QuickPolynomial{};
    for (const Expression& term : expression.children) {
        const auto value = run(term);
        if (!value || !(out = added(*out, *value, term.inverse)))
            return std::nullopt;
    }
    return out;
}

// A divisor has no x (the parser sees to it): its constant divides.
std::optional<QuickPolynomial> QuickExpander::product(const Expression& expression)
{
    std::optional<QuickPolynomial> out = QuickPolynomial{{1, 0, 0}, 1};
    for (const Expression& factor : expression.children) {
        auto value = run(factor);
        if (!value)
            return std::nullopt;
        if (factor.inverse) {
            const std::int64_t divisor = value->numerators[0];
            if (divisor == 0)
                return std::nullopt;
            value = QuickPolynomial{{divisor < 0 ? -value->denominator : value->denominator, 0, 0},
                                    divisor < 0 ? -divisor : divisor};
        }
        if (!(out = times(*out, *value)))
            return std::nullopt;
    }
    return out;
}

}  // namespace

mpq_class Expression::numberValue() const
{
    mpz_class scale;
    mpz_ui_pow_ui(scale.get_mpz_t(), 10, static_cast<unsigned long>(places));
    mpq_class out(mpz_class(digits, 10), scale);
    out.canonicalize();
    return out;
}

std::optional<Polynomial> expand(const Expression& expression, Expansion& notes)
{
    return Expander(notes).run(expression);
}

std::optional<NormalForm> quickNormalForm(const TypedEquation& equation)
{
    QuickExpander expander;
    const auto left = expander.run(equation.left);
    const auto right = left ? expander.run(equation.right) : std::nullopt;
    const auto difference = right ? QuickExpander::added(*left, *right, true) : std::nullopt;
    if (!difference || difference->numerators[2] == 0)
        return std::nullopt;
    // Over a positive denominator, the numerators are the equation cleared of it.
    std::array<std::int64_t, 3> n = difference->numerators;
    Relation relation = equation.relation;
    if (n[2] < 0) {
        n = {-n[0], -n[1], -n[2]};
        relation = flipped(relation);
    }
    const std::int64_t divisor = std::gcd(std::gcd(n[0], n[1]), n[2]);
    const auto whole = [divisor](std::int64_t value) { return mpz_class(static_cast<long>(value / divisor)); };
    return NormalForm{whole(n[2]), whole(n[1]), whole(n[0]), relation};
}

int degreeOf(const Polynomial& polynomial)
{
    return polynomial[2] != 0 ? 2 : polynomial[1] != 0 ? 1 : 0;
}

}  // namespace trx
