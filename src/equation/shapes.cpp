// SPDX-License-Identifier: GPL-3.0-or-later
// The shapes of a typed equation that choose a teacher's method: a product
// of linear factors equal to zero, and a square of a linear expression
// beside numbers.  Both read the tree as typed; expanding is only used on
// its parts.

#include "equation/parts.h"

#include <utility>

namespace trx {

namespace {

struct SignedTerm {
    const Expression* term;
    bool negative;
};

std::vector<SignedTerm> termsOf(const Expression& side)
{
    if (side.kind != Expression::Kind::Sum)
        return {{&side, false}};
    std::vector<SignedTerm> out;
    for (const Expression& term : side.children)
        out.push_back({&term, term.inverse});
    return out;
}

std::vector<const Expression*> factorsOf(const Expression& term)
{
    if (term.kind != Expression::Kind::Product)
        return {&term};
    std::vector<const Expression*> out;
    for (const Expression& factor : term.children)
        out.push_back(&factor);
    return out;
}

std::optional<Polynomial> valueOf(const Expression& expression)
{
    Expansion notes;
    return expand(expression, notes);
}

std::optional<LinearFactor> linear(const Expression& expression)
{
    const auto value = valueOf(expression);
    if (!value || degreeOf(*value) != 1)
        return std::nullopt;
    return LinearFactor{(*value)[1], (*value)[0]};
}

// A number to multiply by: a factor without x (a divisor when `inverse`).
bool scaleBy(mpq_class& scale, const Expression& factor)
{
    const auto value = valueOf(factor);
    if (!value || degreeOf(*value) != 0 || (*value)[0] == 0)
        return false;
    if (factor.inverse)
        scale /= (*value)[0];
    else
        scale *= (*value)[0];
    return true;
}

// The value of a side made of numbers only.
std::optional<mpq_class> constantOf(const Expression& side)
{
    const auto value = valueOf(side);
    if (!value || degreeOf(*value) != 0)
        return std::nullopt;
    return (*value)[0];
}

std::optional<ProductForm> productOn(const Expression& side, const Expression& other, Relation relation)
{
    const auto terms = termsOf(side);
    if (terms.size() != 1 || other.kind != Expression::Kind::Number || other.numberValue() != 0)
        return std::nullopt;
    ProductForm out{terms[0].negative ? -1 : 1, {}, {}, relation};
    std::vector<LinearFactor> found;
    for (const Expression* factor : factorsOf(*terms[0].term)) {
        const bool squared = factor->kind == Expression::Kind::Power && factor->exponent == 2 && !factor->inverse;
        if (auto single = linear(squared ? factor->children[0] : *factor)) {
            found.insert(found.end(), squared ? 2 : 1, *single);
        } else if (!scaleBy(out.constant, *factor)) {
            return std::nullopt;
        }
    }
    if (found.size() != 2)
        return std::nullopt;
    out.first = std::move(found[0]);
    out.second = std::move(found[1]);
    return out;
}

// a·base² with numbers, the term of a side that holds the x.
std::optional<SquareForm> squaredTerm(const Expression& term, bool negative)
{
    SquareForm out{negative ? -1 : 1, {}, 0, Relation::Equal};
    bool squareFound = false;
    for (const Expression* factor : factorsOf(term)) {
        const bool squared = factor->kind == Expression::Kind::Power && factor->exponent == 2 && !factor->inverse;
        auto base = squared && !squareFound ? linear(factor->children[0]) : std::nullopt;
        if (base) {
            out.base = std::move(*base);
            squareFound = true;
        } else if (!scaleBy(out.a, *factor)) {
            return std::nullopt;
        }
    }
    if (!squareFound)
        return std::nullopt;
    return out;
}

std::optional<SquareForm> squareOn(const Expression& side, const Expression& other, Relation relation)
{
    const auto otherValue = constantOf(other);
    if (!otherValue)
        return std::nullopt;
    std::optional<SquareForm> out;
    mpq_class numbers = 0;
    for (const SignedTerm& term : termsOf(side)) {
        if (term.term->degree == 0) {
            const auto value = constantOf(*term.term);
            if (!value)
                return std::nullopt;
            numbers += term.negative ? -*value : *value;
        } else if (out || !(out = squaredTerm(*term.term, term.negative))) {
            return std::nullopt;
        }
    }
    if (!out)
        return std::nullopt;
    out->k = numbers - *otherValue;
    out->relation = relation;
    return out;
}

}  // namespace

std::optional<ProductForm> productFactors(const TypedEquation& equation)
{
    if (auto left = productOn(equation.left, equation.right, equation.relation))
        return left;
    return productOn(equation.right, equation.left, flipped(equation.relation));
}

std::optional<SquareForm> squareForm(const TypedEquation& equation)
{
    if (auto left = squareOn(equation.left, equation.right, equation.relation))
        return left;
    return squareOn(equation.right, equation.left, flipped(equation.relation));
}

TypedShape typedShape(const TypedEquation& equation)
{
    TypedShape shape;
    if (auto product = productFactors(equation))
        shape.product = TypedProduct{product->constant, product->first, product->second};
    if (auto square = squareForm(equation)) {
        const mpq_class& slope = square->base.slope;
        shape.square = TypedSquare{square->a * slope * slope, square->h(), -square->k};
    }
    return shape;
}

}  // namespace trx
