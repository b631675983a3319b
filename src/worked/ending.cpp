// SPDX-License-Identifier: GPL-3.0-or-later
// The steps every method ends with, whatever way it found the solutions.
#include "worked/method_steps.h"

#include "exact/exact_numbers.h"

namespace trx::worked {

namespace {

using math::op;
using math::row;

class Ending {
public:
    Ending(const NormalForm& form, const Solutions& solutions, char separator, StepList& steps)
        : form_(form), roots_(Roots::of(solutions)), separator_(separator), steps_(steps)
    {
    }
    void run();

private:
    void solutions();
    void decimalValues();
    void factoredForm();
    void vertexForm();
    void check(int sign);
    Node decimalNode(int sign, Node name) const;
    Node polynomialNode() const { return polynomial(mpq_class(form_.a), mpq_class(form_.b), mpq_class(form_.c)); }

    const NormalForm& form_;
    const Roots roots_;
    char separator_;
    StepList& steps_;
};

void Ending::run()
{
    solutions();
    decimalValues();
    factoredForm();
    vertexForm();
    check(1);
    if (!roots_.isDouble())
        check(-1);
}

void Ending::solutions()
{
    if (roots_.isDouble()) {
        steps_.add(QT_TRANSLATE_NOOP("Derivation", "Solución doble:"),
                   equals(row({solutionName(1), op("="), solutionName(2)}), rationalNode(roots_.p)));
        return;
    }
    steps_.add(
        QT_TRANSLATE_NOOP("Derivation", "Soluciones:"),
        row({equals(solutionName(1), roots_.rootNode(1)), op(","), equals(solutionName(2), roots_.rootNode(-1))}));
}

// x₁ = 0,4 or x₁ ≈ 1,4142135623731, in 15 significant digits.
Node Ending::decimalNode(int sign, Node name) const
{
    std::vector<Node> sum;
    bool exact = true;
    const auto append = [&](int termSign, const DecimalValue& part, bool imaginaryUnit) {
        exact = exact && part.exact;
        Node digits = math::number(part.magnitude);
        if (!imaginaryUnit)
            appendTerm(sum, termSign, digits);
        else
            appendTerm(sum, termSign,
                       part.magnitude == "1" ? math::identifier("i") : row({digits, math::identifier("i")}));
    };
    const mpq_class& p = roots_.p;
    const mpq_class& q = roots_.q;
    if (roots_.imaginary) {
        if (p != 0)
            append(sgn(p), decimalValue(p.get_num(), 0, 0, p.get_den(), separator_), false);
        append(sign, decimalValue(0, q.get_num(), roots_.r, q.get_den(), separator_), true);
    } else {
        mpz_class denominator;
        mpz_lcm(denominator.get_mpz_t(), p.get_den_mpz_t(), q.get_den_mpz_t());
        const mpz_class whole = mpq_class(p * denominator).get_num();
        const mpz_class factor = mpq_class(q * denominator * sign).get_num();
        const DecimalValue value = roots_.hasRoot() ? decimalValue(whole, factor, roots_.r, denominator, separator_)
                                                    : decimalValue(whole + factor, 0, 0, denominator, separator_);
        append(value.negative ? -1 : 1, value, false);
    }
    return row({std::move(name), op(exact ? "=" : "≈"), sumOrZero(std::move(sum))});
}

void Ending::decimalValues()
{
    if (roots_.isDouble()) {
        steps_.add(QT_TRANSLATE_NOOP("Derivation", "Valor decimal:"),
                   decimalNode(1, row({solutionName(1), op("="), solutionName(2)})));
        return;
    }
    steps_.add(QT_TRANSLATE_NOOP("Derivation", "Valores decimales, con ≈ donde se han redondeado a 15 cifras:"),
               row({decimalNode(1, solutionName(1)), op(","), decimalNode(-1, solutionName(2))}));
}

void Ending::factoredForm()
{
    std::vector<Node> product;
    if (form_.a != 1)
        product.push_back(integerMagnitude(form_.a));
    const auto fencedFactor = [](Node factor) {
        return factor.kind == Node::Kind::Identifier ? factor : math::fenced(std::move(factor));
    };
    if (roots_.isDouble()) {
        product.push_back(squared(fencedFactor(roots_.linearFactor(1))));
    } else {
        Node first = roots_.linearFactor(1);
        Node second = roots_.linearFactor(-1);
        if (second.kind == Node::Kind::Identifier)
            std::swap(first, second);  // x(x + 5) rather than (x + 5)x
        product.push_back(fencedFactor(std::move(first)));
        product.push_back(fencedFactor(std::move(second)));
    }
    steps_.add(QT_TRANSLATE_NOOP("Derivation", "Forma factorizada:"),
               equals(polynomialNode(), row(std::move(product))));
}

void Ending::vertexForm()
{
    mpq_class height(-(form_.b * form_.b - 4 * form_.a * form_.c), 4 * form_.a);
    height.canonicalize();
    const mpq_class& h = roots_.p;
    Node square = squared(h == 0 ? x() : math::fenced(shifted(h)));
    std::vector<Node> sum{form_.a == 1 ? square : row({integerMagnitude(form_.a), square})};
    if (height != 0)
        appendTerm(sum, sgn(height), rationalMagnitude(height));
    steps_.add(QT_TRANSLATE_NOOP("Derivation", "Forma canónica, completando el cuadrado:"),
               equals(polynomialNode(), row(std::move(sum))));
    steps_.add(QT_TRANSLATE_NOOP("Derivation", "Vértice de la parábola, con h = −b/2a y k = −D/4a:"),
               row({math::identifier("V"), math::fenced(row({rationalNode(h), op(","), rationalNode(height)}))}));
    steps_.add(QT_TRANSLATE_NOOP("Derivation", "Eje de simetría:"), equals(x(), rationalNode(h)));
    steps_.add(QT_TRANSLATE_NOOP("Derivation", "Corte con el eje y:"),
               math::fenced(row({math::number("0"), op(","), rationalNode(mpq_class(form_.c))})));
}

// a·x₁² + b·x₁ + c, each term worked out, and what it adds up to.
void Ending::check(int sign)
{
    const Surd value = roots_.root(sign);
    Node shown = roots_.hasRoot() ? roots_.rootNode(sign) : asFactor(value.rational);
    if (roots_.hasRoot() && math::plainText(shown) != "i")
        shown = math::fenced(std::move(shown));
    const auto scaled = [](const mpz_class& factor, Node term) {
        return abs(factor) == 1 ? term : row({integerMagnitude(factor), op("·"), std::move(term)});
    };
    std::vector<Node> substituted;
    appendTerm(substituted, 1, scaled(form_.a, squared(shown)));
    if (form_.b != 0)
        appendTerm(substituted, sgn(form_.b), scaled(form_.b, shown));
    if (form_.c != 0)
        appendTerm(substituted, sgn(form_.c), integerMagnitude(form_.c));

    const Surd terms[] = {roots_.times({mpq_class(form_.a), 0}, roots_.times(value, value)),
                          roots_.times({mpq_class(form_.b), 0}, value),
                          {mpq_class(form_.c), 0}};
    std::vector<Node> worked;
    Surd total{0, 0};
    for (const Surd& term : terms) {
        total = {total.rational + term.rational, total.coefficient + term.coefficient};
        if (term.coefficient != 0)
            appendTerm(worked, 1, math::fenced(roots_.surdNode(term)));
        else if (term.rational != 0)
            appendTerm(worked, sgn(term.rational), rationalMagnitude(term.rational));
    }
    std::vector<Node> parts{row(std::move(substituted))};
    if (!worked.empty())
        parts.push_back(row(std::move(worked)));
    parts.push_back(roots_.surdNode(total));
    steps_.add(
        {{QT_TRANSLATE_NOOP("Derivation", "Comprobación: sustituimos %1 en la ecuación:"), {sign > 0 ? "x₁" : "x₂"}}},
        chain(std::move(parts)));
}

}  // namespace

void finishWorking(const NormalForm& form, const Solutions& solutions, char separator, StepList& steps)
{
    Ending(form, solutions, separator, steps).run();
}

}  // namespace trx::worked
