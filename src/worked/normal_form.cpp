// SPDX-License-Identifier: GPL-3.0-or-later
#include "worked/normal_form.h"

#include <algorithm>

namespace trx::worked {

namespace {

ExactDecimal normalised(mpz_class significand, long exponent)
{
    if (significand == 0)
        return {};
    while (mpz_divisible_ui_p(significand.get_mpz_t(), 10) != 0) {
        significand /= 10;
        ++exponent;
    }
    return {significand, exponent};
}

ExactDecimal difference(const ExactDecimal& left, const ExactDecimal& right)
{
    const long exponent = std::min(left.exponent, right.exponent);
    const auto aligned = [exponent](const ExactDecimal& d) -> mpz_class {
        return d.significand * powerOfTen(static_cast<unsigned long>(d.exponent - exponent));
    };
    return normalised(aligned(left) - aligned(right), exponent);
}

mpz_class wholeValue(const ExactDecimal& d, long shift)
{
    return d.significand * powerOfTen(static_cast<unsigned long>(d.exponent + shift));
}

// "100" for small powers of ten, words for large ones: sentences stay plain.
Phrase scalingPhrase(long exponent)
{
    if (exponent <= 6)
        return {QT_TRANSLATE_NOOP("Derivation", "Multiplicamos por %1 para trabajar con números enteros:"),
                {powerOfTen(static_cast<unsigned long>(exponent)).get_str()}};
    return {QT_TRANSLATE_NOOP("Derivation", "Multiplicamos por 10 elevado a %1 para trabajar con números enteros:"),
            {std::to_string(exponent)}};
}

Node typedEquation(const std::array<ExactDecimal, 4>& e, char separator)
{
    return equals(
        polynomial({coefficient(e[0], separator), coefficient(e[1], separator), coefficient(e[2], separator)}),
        signedNode(e[3].significand < 0, decimalMagnitude(e[3], separator)));
}

// Whole coefficients, then no common factor.
NormalForm scaleToIntegers(const std::array<ExactDecimal, 4>& k, StepList& steps)
{
    long shift = 0;
    for (const ExactDecimal& term : k) {
        if (term.significand != 0)
            shift = std::max(shift, -term.exponent);
    }
    NormalForm form{wholeValue(k[0], shift), wholeValue(k[1], shift), wholeValue(k[2], shift)};
    if (shift > 0)
        steps.add({scalingPhrase(shift)}, equation(form));
    mpz_class divisor;
    mpz_gcd(divisor.get_mpz_t(), form.a.get_mpz_t(), form.b.get_mpz_t());
    mpz_gcd(divisor.get_mpz_t(), divisor.get_mpz_t(), form.c.get_mpz_t());
    if (divisor > 1) {
        form.a /= divisor;
        form.b /= divisor;
        form.c /= divisor;
        steps.add({{QT_TRANSLATE_NOOP("Derivation", "Dividimos entre %1, el máximo común divisor de los coeficientes:"),
                    {math::plainText(integerMagnitude(divisor))}}},
                  equation(form));
    }
    return form;
}

}  // namespace

Node equation(const NormalForm& form)
{
    return equals(polynomial(mpq_class(form.a), mpq_class(form.b), mpq_class(form.c)), math::number("0"));
}

std::optional<NormalForm> normalForm(const std::array<std::string, 4>& fields, char separator, StepList& steps)
{
    std::array<ExactDecimal, 4> k;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        std::optional<ExactDecimal> value = parseExactDecimal(fields[i], separator);
        if (!value)
            return std::nullopt;
        k[i] = std::move(*value);
    }
    if (k[0].significand == 0)
        return std::nullopt;
    steps.add(QT_TRANSLATE_NOOP("Derivation", "Ecuación:"), typedEquation(k, separator));
    if (k[3].significand != 0) {
        k[2] = difference(k[2], k[3]);
        k[3] = {};
        steps.add(QT_TRANSLATE_NOOP("Derivation", "Pasamos d al primer miembro:"), typedEquation(k, separator));
    }
    const bool negated = k[0].significand < 0;
    if (negated) {
        for (ExactDecimal& term : k)
            term.significand = -term.significand;
        steps.add(QT_TRANSLATE_NOOP("Derivation", "Multiplicamos por −1 para que el coeficiente de x² sea positivo:"),
                  typedEquation(k, separator));
    }
    NormalForm form = scaleToIntegers(k, steps);
    form.negated = negated;
    const auto named = [](const char* name, const mpz_class& value) {
        return equals(math::identifier(name), rationalNode(mpq_class(value)));
    };
    steps.add(QT_TRANSLATE_NOOP("Derivation", "Coeficientes de la forma normal:"),
              math::row({named("a", form.a), math::op(","), named("b", form.b), math::op(","), named("c", form.c)}));
    return form;
}

}  // namespace trx::worked
