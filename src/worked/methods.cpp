// SPDX-License-Identifier: GPL-3.0-or-later
// The methods a teacher picks before the formula: the incomplete equations,
// the typed product and square, sum and product, completing the square.
#include "worked/method_steps.h"

#include <algorithm>
#include <cstdlib>

namespace trx::worked {

namespace {

using math::op;
using math::row;

// Sum and product is a search a pupil does by heart only for small products.
constexpr long kSmallProduct = 100;

Solutions fromTwoRoots(const mpq_class& first, const mpq_class& second)
{
    const mpq_class half = (first - second) / 2;
    return {(first + second) / 2, half * half};
}

Phrase dividedBy(const mpq_class& divisor)
{
    return {QT_TRANSLATE_NOOP("Derivation", "Dividimos entre %1:"), {math::plainText(rationalNode(divisor))}};
}

// p·x + q = 0, x = −q/p: one factor of a product equal to zero.
mpq_class zeroOfFactor(int ordinal, const LinearFactor& factor, StepList& steps)
{
    const mpq_class root = -factor.constant / factor.slope;
    Node equation = equals(linear(factor.slope, factor.constant), math::number("0"));
    const bool alreadySolved = factor.constant == 0 && factor.slope == 1;  // x = 0
    steps.add(ordinal == 1 ? QT_TRANSLATE_NOOP("Derivation", "Primer factor igual a cero:")
                           : QT_TRANSLATE_NOOP("Derivation", "Segundo factor igual a cero:"),
              alreadySolved ? std::move(equation)
                            : row({std::move(equation), op(","), equals(x(), rationalNode(root))}));
    return root;
}

Node fencedLinear(const LinearFactor& factor)
{
    if (factor.constant == 0 && factor.slope == 1)
        return x();
    return math::fenced(linear(factor.slope, factor.constant));
}

}  // namespace

void announce(Method method, Node formula, StepList& steps)
{
    steps.add({{QT_TRANSLATE_NOOP("Derivation", "Método: "), {}}, {methodName(method), {}}}, std::move(formula));
}

Solutions squareRootOfBothSides(const mpq_class& h, const mpq_class& value, StepList& steps)
{
    const Solutions solutions{h, value};
    const Roots roots = Roots::of(solutions);
    const Node root = math::radical(rationalNode(value));
    if (value < 0)
        steps.add(QT_TRANSLATE_NOOP("Derivation", "Ningún cuadrado de un número real es negativo: no tiene solución "
                                                  "real. Con i² = −1, sus soluciones complejas son:"),
                  chain({shifted(h), row({math::sign("±"), root}), roots.plusMinus()}));
    else
        steps.add(QT_TRANSLATE_NOOP("Derivation", "Raíz cuadrada de los dos miembros:"),
                  value == 0 ? equals(shifted(h), math::number("0"))
                             : chain({shifted(h), row({math::sign("±"), root}), roots.plusMinus()}));
    if (h != 0)
        steps.add(QT_TRANSLATE_NOOP("Derivation", "Despejamos x:"), equals(x(), roots.rootNode("±")));
    return solutions;
}

Solutions byIsolatingTheSquare(const NormalForm& form, StepList& steps)
{
    const Node term = form.a == 1 ? squared(x()) : row({integerMagnitude(form.a), squared(x())});
    announce(Method::IsolatingTheSquare, equals(term, rationalNode(mpq_class(-form.c))), steps);
    mpq_class value(-form.c, form.a);
    value.canonicalize();
    if (form.a != 1)
        steps.add({dividedBy(mpq_class(form.a))}, equals(squared(x()), rationalNode(value)));
    return squareRootOfBothSides(0, value, steps);
}

Solutions byCommonFactor(const NormalForm& form, StepList& steps)
{
    const LinearFactor first{1, 0};
    const LinearFactor second{mpq_class(form.a), mpq_class(form.b)};
    announce(Method::CommonFactor, equals(row({x(), fencedLinear(second)}), math::number("0")), steps);
    const mpq_class zero = zeroOfFactor(1, first, steps);
    return fromTwoRoots(zero, zeroOfFactor(2, second, steps));
}

Solutions byZeroProduct(const TypedProduct& product, StepList& steps)
{
    std::vector<Node> factors;
    if (product.constant != 1)
        factors.push_back(asFactor(product.constant));
    factors.push_back(fencedLinear(product.first));
    factors.push_back(fencedLinear(product.second));
    announce(Method::ZeroProduct, equals(row(std::move(factors)), math::number("0")), steps);
    const mpq_class first = zeroOfFactor(1, product.first, steps);
    return fromTwoRoots(first, zeroOfFactor(2, product.second, steps));
}

Solutions bySquareRoot(const TypedSquare& square, StepList& steps)
{
    const auto shape = [&square](const mpq_class& scale, const mpq_class& value) {
        Node power = squared(square.shift == 0 ? x() : math::fenced(shifted(square.shift)));
        return equals(scale == 1 ? power : row({asFactor(scale), std::move(power)}), rationalNode(value));
    };
    announce(Method::SquareRoot, shape(square.scale, square.value), steps);
    const mpq_class value = square.value / square.scale;
    if (square.scale != 1)
        steps.add({dividedBy(square.scale)}, shape(1, value));
    return squareRootOfBothSides(square.shift, value, steps);
}

std::optional<std::pair<mpz_class, mpz_class>> wholeRootsBySumAndProduct(const NormalForm& form)
{
    if (form.a != 1 || form.c == 0 || abs(form.c) > kSmallProduct)
        return std::nullopt;
    const long product = form.c.get_si();
    for (long divisor = 1; divisor * divisor <= std::labs(product); ++divisor) {
        if (product % divisor != 0)
            continue;
        for (const long first : {divisor, -divisor}) {
            const long second = product / first;
            if (mpz_class(first + second) == -form.b)
                return std::pair{mpz_class(std::max(first, second)), mpz_class(std::min(first, second))};
        }
    }
    return std::nullopt;
}

Solutions bySumAndProduct(const NormalForm& form, StepList& steps)
{
    const Node sum = row({solutionName(1), op("+"), solutionName(2)});
    const Node product = row({solutionName(1), op("·"), solutionName(2)});
    announce(Method::SumAndProduct,
             row({chain({sum, row({math::sign("−"), math::identifier("b")}), rationalNode(mpq_class(-form.b))}),
                  op(","), chain({product, math::identifier("c"), rationalNode(mpq_class(form.c))})}),
             steps);
    const auto [first, second] = *wholeRootsBySumAndProduct(form);
    std::vector<Node> added{rationalNode(mpq_class(first))};
    appendTerm(added, sgn(second), integerMagnitude(second));
    steps.add(QT_TRANSLATE_NOOP("Derivation", "Dos números enteros con esa suma y ese producto:"),
              row({equals(row(std::move(added)), rationalNode(mpq_class(-form.b))), op(","),
                   equals(row({asFactor(mpq_class(first)), op("·"), asFactor(mpq_class(second))}),
                          rationalNode(mpq_class(form.c)))}));
    return fromTwoRoots(mpq_class(first), mpq_class(second));
}

Solutions byCompletingTheSquare(const NormalForm& form, StepList& steps)
{
    const mpq_class b = mpq_class(form.b) / form.a, c = mpq_class(form.c) / form.a, half = b / 2;
    announce(Method::CompletingTheSquare, equals(polynomial(1, b, c), math::number("0")), steps);
    const Node left = polynomial(1, b, 0);
    if (form.c != 0)
        steps.add(QT_TRANSLATE_NOOP("Derivation", "Pasamos el término independiente al segundo miembro:"),
                  equals(left, rationalNode(-c)));
    const mpq_class value = half * half - c;
    if (form.b != 0) {
        std::vector<Node> completed{left};
        appendTerm(completed, 1, squared(asFactor(abs(half))));
        std::vector<Node> right;
        if (c != 0)
            appendTerm(right, -sgn(c), rationalMagnitude(c));
        appendTerm(right, 1, squared(asFactor(abs(half))));
        steps.add({{QT_TRANSLATE_NOOP("Derivation", "Sumamos a los dos miembros el cuadrado de la mitad de %1:"),
                    {math::plainText(rationalNode(b))}}},
                  row({row(std::move(completed)), op("="), row(std::move(right)), op("="), rationalNode(value)}));
        steps.add(QT_TRANSLATE_NOOP("Derivation", "El primer miembro es un cuadrado:"),
                  equals(squared(math::fenced(shifted(-half))), rationalNode(value)));
    }
    return squareRootOfBothSides(-half, value, steps);
}

}  // namespace trx::worked
