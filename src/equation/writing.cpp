// SPDX-License-Identifier: GPL-3.0-or-later
// The typed tree written back in the program's notation: the true minus
// sign, ², "·" between factors except a number before x, fractions for
// divisions, and the decimals as typed with the separator given.

#include "equation/parts.h"

#include <utility>

namespace trx {

namespace {

using math::Node;

std::string numberText(const Expression& number, char separator)
{
    std::string out = number.digits;
    if (number.places > 0)
        out.insert(out.size() - static_cast<std::size_t>(number.places), 1, separator);
    return out;
}

class Writer {
public:
    explicit Writer(char separator) : separator_(separator) { }
    Node node(const Expression& expression) const;

private:
    Node sum(const Expression& expression) const;
    Node product(const Expression& expression) const;
    // A bracket's content bare, as a fraction's numerator or denominator;
    // a lone negative term keeps it, since neither "x/−1" nor "x − −1/3"
    // would read again.
    Node unbracketed(const Expression& expression) const
    {
        const bool bare =
            expression.kind == Expression::Kind::Bracket &&
            !(expression.children[0].children.size() == 1 && expression.children[0].kind == Expression::Kind::Sum);
        return node(bare ? expression.children[0] : expression);
    }

    char separator_;
};

Node Writer::node(const Expression& expression) const
{
    switch (expression.kind) {
    case Expression::Kind::Number:
        return math::number(numberText(expression, separator_));
    case Expression::Kind::Variable:
        return math::identifier("x");
    case Expression::Kind::Sum:
        return sum(expression);
    case Expression::Kind::Product:
        return product(expression);
    case Expression::Kind::Power:
        return math::power(node(expression.children[0]), math::number(std::to_string(expression.exponent)));
    case Expression::Kind::Bracket:
        return math::fenced(node(expression.children[0]));
    }
    return {};
}

Node Writer::sum(const Expression& expression) const
{
    std::vector<Node> out;
    for (const Expression& term : expression.children) {
        if (!out.empty())
            out.push_back(math::op(term.inverse ? "−" : "+"));
        else if (term.inverse)
            out.push_back(math::sign("−"));
        out.push_back(node(term));
    }
    return math::row(std::move(out));
}

bool startsWithX(const Expression& factor)
{
    return factor.kind == Expression::Kind::Variable ||
           (factor.kind == Expression::Kind::Power && factor.children[0].kind == Expression::Kind::Variable);
}

// Left to right, as typed: a·b/c·d is ((a·b)/c)·d.
Node Writer::product(const Expression& expression) const
{
    const auto& factors = expression.children;
    // Each factor is written once: writing one twice would double the work
    // at every level of brackets.
    const bool firstDivided = factors[1].inverse;
    std::vector<Node> run{firstDivided ? unbracketed(factors[0]) : node(factors[0])};
    for (std::size_t i = 1; i < factors.size(); ++i) {
        if (factors[i].inverse) {
            Node numerator = run.size() == 1 ? std::move(run[0]) : math::row(std::move(run));
            run = {math::fraction(std::move(numerator), unbracketed(factors[i]))};
            continue;
        }
        const bool tight =
            factors[i - 1].kind == Expression::Kind::Number && !factors[i - 1].inverse && startsWithX(factors[i]);
        if (!tight)
            run.push_back(math::op("·"));
        run.push_back(node(factors[i]));
    }
    return run.size() == 1 ? std::move(run[0]) : math::row(std::move(run));
}

}  // namespace

std::string decimalText(const mpz_class& scaled, int places, char separator)
{
    std::string digits = scaled.get_str();
    const auto count = static_cast<std::size_t>(places);
    if (count == 0)
        return digits;
    if (digits.size() <= count)
        digits.insert(0, count + 1 - digits.size(), '0');
    digits.insert(digits.size() - count, 1, separator);
    return digits;
}

math::Node equationFormula(const TypedEquation& equation, char separator)
{
    const Writer writer(separator);
    return math::row(
        {writer.node(equation.left), math::op(relationSign(equation.relation)), writer.node(equation.right)});
}

std::string writeEquation(const TypedEquation& equation, char separator)
{
    return math::plainText(equationFormula(equation, separator));
}

}  // namespace trx
