// SPDX-License-Identifier: GPL-3.0-or-later
// The general formula: the discriminant, its root with the square factors
// taken out, and x = (−b ± √D)/2a simplified.
#include "worked/method_steps.h"

#include "exact/exact_numbers.h"

namespace trx::worked {

namespace {

using math::op;
using math::row;

Node discriminantOf(const NormalForm& form, const mpz_class& d)
{
    const Node symbolic = row({squared(math::identifier("b")), op("−"),
                               row({math::number("4"), math::identifier("a"), math::identifier("c")})});
    const Node substituted =
        row({squared(asFactor(mpq_class(form.b))), op("−"),
             row({math::number("4"), op("·"), asFactor(mpq_class(form.a)), op("·"), asFactor(mpq_class(form.c))})});
    return row({math::identifier("D"), op("="), symbolic, op("="), substituted, op("="), rationalNode(mpq_class(d))});
}

void discriminant(const NormalForm& form, const mpz_class& d, StepList& steps)
{
    steps.add(QT_TRANSLATE_NOOP("Derivation", "Discriminante:"), discriminantOf(form, d));
    const Node named = equals(math::identifier("D"), rationalNode(mpq_class(d)));
    if (d > 0)
        steps.add(QT_TRANSLATE_NOOP("Derivation", "Como D > 0, la ecuación tiene dos soluciones reales distintas:"),
                  row({named, op(">"), math::number("0")}));
    else if (d == 0)
        steps.add(QT_TRANSLATE_NOOP("Derivation", "Como D = 0, la ecuación tiene una solución real doble:"), named);
    else
        steps.add(
            QT_TRANSLATE_NOOP("Derivation",
                              "Como D < 0, no tiene soluciones reales: tiene dos soluciones complejas conjugadas:"),
            row({named, op("<"), math::number("0")}));
}

Node generalFormula()
{
    return equals(x(), math::fraction(
                           row({math::sign("−"), math::identifier("b"), op("±"), math::radical(math::identifier("D"))}),
                           row({math::number("2"), math::identifier("a")})));
}

void substitutedFormula(const NormalForm& form, const mpz_class& d, StepList& steps)
{
    const Node substituted =
        math::fraction(row({rationalNode(mpq_class(-form.b)), op("±"), math::radical(rationalNode(mpq_class(d)))}),
                       row({math::number("2"), op("·"), asFactor(mpq_class(form.a))}));
    steps.add(QT_TRANSLATE_NOOP("Derivation", "Fórmula de la ecuación de segundo grado:"), equals(x(), substituted));
}

// The roots as the formula finds them: √D split into its square factor and
// what is left.
Roots formulaRoots(const NormalForm& form, const mpz_class& d, SquareSplit& split)
{
    Roots roots;
    roots.p = mpq_class(-form.b, 2 * form.a);
    roots.p.canonicalize();
    if (d == 0)
        return roots;
    roots.imaginary = d < 0;
    split = splitSquareFactor(abs(d));
    roots.r = split.radicand;
    roots.complete = split.complete;
    roots.q = mpq_class(split.factor, 2 * form.a);
    roots.q.canonicalize();
    return roots;
}

std::vector<Phrase> rootSentence(const Roots& roots, const SquareSplit& split, bool factorsOut)
{
    std::vector<Phrase> sentence{
        {roots.imaginary ? QT_TRANSLATE_NOOP("Derivation", "La raíz de un número negativo es imaginaria, con i² = −1")
                         : QT_TRANSLATE_NOOP("Derivation", "Raíz del discriminante"),
         {}}};
    if (factorsOut)
        sentence.push_back({QT_TRANSLATE_NOOP("Derivation", ", sacando los factores cuadrados"), {}});
    else if (roots.r > 1 && split.complete)
        sentence.push_back({QT_TRANSLATE_NOOP("Derivation", ", que no tiene factores cuadrados"), {}});
    if (!split.complete)
        sentence.push_back(
            {QT_TRANSLATE_NOOP("Derivation",
                               "; no se han buscado factores cuadrados mayores que %1, pero el resultado es exacto"),
             {std::to_string(kSquareSearchLimit)}});
    //: Ends the sentence about the root of the discriminant, before its formula.
    sentence.push_back({QT_TRANSLATE_NOOP("Derivation", ":"), {}});
    return sentence;
}

void rootOfDiscriminant(const Roots& roots, const mpz_class& d, const SquareSplit& split, StepList& steps)
{
    const Node unit = math::identifier("i");
    const mpz_class magnitude = abs(d);
    std::vector<Node> parts{math::radical(rationalNode(mpq_class(d)))};
    if (roots.imaginary)
        parts.push_back(row({math::radical(integerMagnitude(magnitude)), op("·"), unit}));
    const bool factorsOut = split.factor > 1 && roots.r > 1;
    if (factorsOut) {
        const Node inside =
            math::radical(row({squared(integerMagnitude(split.factor)), op("·"), integerMagnitude(roots.r)}));
        parts.push_back(roots.imaginary ? row({inside, op("·"), unit}) : inside);
    }
    parts.push_back(roots.hasRoot() ? roots.scaledOmega(mpq_class(split.factor)) : integerMagnitude(split.factor));
    steps.add(rootSentence(roots, split, factorsOut), chain(std::move(parts)));
}

void rationalSolutions(const NormalForm& form, const Roots& roots, StepList& steps)
{
    const Node denominator = integerMagnitude(2 * form.a);
    if (roots.isDouble()) {
        steps.add(QT_TRANSLATE_NOOP("Derivation", "Las dos soluciones coinciden:"),
                  chain({x(), math::fraction(rationalNode(mpq_class(-form.b)), denominator), rationalNode(roots.p)}));
        return;
    }
    const mpz_class root = mpq_class(roots.q * 2 * form.a).get_num();
    for (const int sign : {1, -1}) {
        const mpz_class numerator = -form.b + sign * root;
        steps.add(sign > 0 ? QT_TRANSLATE_NOOP("Derivation", "Primera solución, con +:")
                           : QT_TRANSLATE_NOOP("Derivation", "Segunda solución, con −:"),
                  chain({solutionName(sign > 0 ? 1 : 2),
                         math::fraction(
                             row({rationalNode(mpq_class(-form.b)), op(sign > 0 ? "+" : "−"), integerMagnitude(root)}),
                             denominator),
                         math::fraction(rationalNode(mpq_class(numerator)), denominator),
                         rationalNode(roots.p + sign * roots.q)}));
    }
}

void surdSolutions(const NormalForm& form, const Roots& roots, StepList& steps)
{
    const mpq_class factor = roots.q * 2 * form.a;
    const Node unsimplified = math::fraction(
        row({rationalNode(mpq_class(-form.b)), op("±"), roots.scaledOmega(factor)}), integerMagnitude(2 * form.a));
    steps.add(QT_TRANSLATE_NOOP("Derivation", "Simplificamos:"), chain({x(), unsimplified, roots.rootNode("±")}));
}

}  // namespace

Solutions byFormula(const NormalForm& form, StepList& steps)
{
    announce(Method::Formula, generalFormula(), steps);
    const mpz_class d = form.b * form.b - 4 * form.a * form.c;
    discriminant(form, d, steps);
    substitutedFormula(form, d, steps);
    SquareSplit split{1, 1, true};
    const Roots roots = formulaRoots(form, d, split);
    if (d != 0)
        rootOfDiscriminant(roots, d, split, steps);
    if (roots.hasRoot())
        surdSolutions(form, roots, steps);
    else
        rationalSolutions(form, roots, steps);
    mpq_class square(d, 4 * form.a * form.a);
    square.canonicalize();
    return {roots.p, square};
}

}  // namespace trx::worked
