// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/exact_value.h"

#include "exact/exact_numbers.h"

#include <algorithm>
#include <vector>

namespace trx::practice {

namespace {

SurdPart plus(const SurdPart& x, const SurdPart& y)
{
    return {x.rational + y.rational, x.surd + y.surd};
}

SurdPart minus(const SurdPart& x, const SurdPart& y)
{
    return {x.rational - y.rational, x.surd - y.surd};
}

SurdPart times(const SurdPart& x, const SurdPart& y, const mpz_class& radicand)
{
    return {x.rational * y.rational + x.surd * y.surd * radicand, x.rational * y.surd + x.surd * y.rational};
}

ExactValue normalised(ExactValue x)
{
    if (x.real.surd == 0 && x.imaginary.surd == 0) {
        x.radicand = 1;
    }
    return x;
}

std::optional<mpz_class> commonRadicand(const ExactValue& x, const ExactValue& y)
{
    if (x.radicand == 1 || x.radicand == y.radicand) {
        return y.radicand;
    }
    if (y.radicand == 1) {
        return x.radicand;
    }
    return std::nullopt;
}

// b·√r or b·√r·i alone, the only values whose products with other radicands
// stay in reach: √2·√3 = √6.
bool isLoneSurd(const ExactValue& x)
{
    return x.real.rational == 0 && x.imaginary.rational == 0 && ((x.real.surd == 0) != (x.imaginary.surd == 0));
}

std::optional<ExactValue> loneSurdProduct(const ExactValue& x, const ExactValue& y)
{
    if (!isLoneSurd(x) || !isLoneSurd(y)) {
        return std::nullopt;
    }
    const mpz_class common = gcd(x.radicand, y.radicand);
    const mpz_class radicand = (x.radicand / common) * (y.radicand / common);
    const bool xImaginary = x.real.surd == 0;
    const bool yImaginary = y.real.surd == 0;
    mpq_class coefficient = (xImaginary ? x.imaginary.surd : x.real.surd) *
                            (yImaginary ? y.imaginary.surd : y.real.surd) * mpq_class(common);
    ExactValue result;
    result.radicand = radicand;
    if (xImaginary && yImaginary) {
        coefficient = -coefficient;
    }
    (xImaginary != yImaginary ? result.imaginary : result.real).surd = coefficient;
    return result;
}

mpz_class commonDenominator(const ExactValue& x)
{
    mpz_class denominator = 1;
    for (const mpq_class* part : {&x.real.rational, &x.real.surd, &x.imaginary.rational, &x.imaginary.surd}) {
        denominator = lcm(denominator, part->get_den());
    }
    return denominator;
}

// One term of a numerator over the common denominator: 3, 2√5, i, 4i√3.
struct Term {
    mpz_class magnitude;
    bool negative = false;
    std::string unit;
};

std::vector<Term> terms(const ExactValue& x, const mpz_class& denominator)
{
    const std::string root = "√" + x.radicand.get_str();
    const std::pair<const mpq_class*, std::string> parts[] = {
        {&x.real.rational, ""}, {&x.real.surd, root}, {&x.imaginary.rational, "i"}, {&x.imaginary.surd, "i" + root}};
    std::vector<Term> result;
    for (const auto& [part, unit] : parts) {
        if (*part != 0) {
            const mpq_class scaled = *part * mpq_class(denominator);
            result.push_back({abs(scaled.get_num()), sgn(*part) < 0, unit});
        }
    }
    return result;
}

std::string magnitudeText(const Term& term)
{
    if (term.unit.empty()) {
        return term.magnitude.get_str();
    }
    return (term.magnitude == 1 ? std::string() : term.magnitude.get_str()) + term.unit;
}

// The terms one after another, the first with `firstSign` in front when it
// is negative ("−"), or always ("±").
std::string joined(const std::vector<Term>& parts, const std::string& firstSign)
{
    std::string text;
    for (const Term& term : parts) {
        if (text.empty()) {
            text = (firstSign == "±" || term.negative ? firstSign : "") + magnitudeText(term);
        } else {
            text += (term.negative ? " − " : " + ") + magnitudeText(term);
        }
    }
    return text;
}

std::string overDenominator(const std::string& numerator, bool single, const mpz_class& denominator)
{
    if (denominator == 1) {
        return numerator;
    }
    return (single ? numerator : "(" + numerator + ")") + "/" + denominator.get_str();
}

// The terms side by side, each over its own denominator: "1/2 + √5/2".
std::string splitText(const std::vector<Term>& parts, const mpz_class& denominator)
{
    std::vector<Term> reduced = parts;
    std::string text;
    for (Term& term : reduced) {
        const mpz_class common = gcd(term.magnitude, denominator);
        const mpz_class ownDenominator = denominator / common;
        term.magnitude /= common;
        const std::string termText = overDenominator(magnitudeText(term), true, ownDenominator);
        text += text.empty() ? (term.negative ? "−" : "") + termText : (term.negative ? " − " : " + ") + termText;
    }
    return text;
}

}  // namespace

ExactValue ExactValue::rational(const mpq_class& value)
{
    ExactValue x;
    x.real.rational = value;
    return x;
}

ExactValue ExactValue::surd(const mpq_class& rational, const mpq_class& coefficient, const mpz_class& radicand)
{
    if (radicand == 1) {
        return ExactValue::rational(rational + coefficient);
    }
    ExactValue x;
    x.real = {rational, coefficient};
    x.radicand = radicand;
    return normalised(x);
}

ExactValue ExactValue::imaginaryUnit()
{
    ExactValue x;
    x.imaginary.rational = 1;
    return x;
}

bool operator==(const ExactValue& x, const ExactValue& y)
{
    return x.radicand == y.radicand && x.real.rational == y.real.rational && x.real.surd == y.real.surd &&
           x.imaginary.rational == y.imaginary.rational && x.imaginary.surd == y.imaginary.surd;
}

ExactValue operator-(ExactValue x)
{
    for (mpq_class* part : {&x.real.rational, &x.real.surd, &x.imaginary.rational, &x.imaginary.surd}) {
        *part = -*part;
    }
    return x;
}

std::optional<ExactValue> sum(const ExactValue& x, const ExactValue& y)
{
    const auto radicand = commonRadicand(x, y);
    if (!radicand) {
        return std::nullopt;
    }
    ExactValue result;
    result.real = plus(x.real, y.real);
    result.imaginary = plus(x.imaginary, y.imaginary);
    result.radicand = *radicand;
    return normalised(result);
}

std::optional<ExactValue> product(const ExactValue& x, const ExactValue& y)
{
    const auto radicand = commonRadicand(x, y);
    if (!radicand) {
        return loneSurdProduct(x, y);
    }
    ExactValue result;
    result.real = minus(times(x.real, y.real, *radicand), times(x.imaginary, y.imaginary, *radicand));
    result.imaginary = plus(times(x.real, y.imaginary, *radicand), times(x.imaginary, y.real, *radicand));
    result.radicand = *radicand;
    return normalised(result);
}

std::optional<ExactValue> quotient(const ExactValue& x, const ExactValue& y)
{
    if (y.isZero()) {
        return std::nullopt;
    }
    // 1/(A + Bi) = (A − Bi)/N with N = A² + B² > 0 real, and
    // 1/(n + m√r) = (n − m√r)/(n² − m²r).
    const SurdPart norm = plus(times(y.real, y.real, y.radicand), times(y.imaginary, y.imaginary, y.radicand));
    const mpq_class normOfNorm = norm.rational * norm.rational - norm.surd * norm.surd * y.radicand;
    const SurdPart inverseNorm{norm.rational / normOfNorm, -norm.surd / normOfNorm};
    ExactValue inverse;
    inverse.real = times(y.real, inverseNorm, y.radicand);
    inverse.imaginary = times({-y.imaginary.rational, -y.imaginary.surd}, inverseNorm, y.radicand);
    inverse.radicand = y.radicand;
    return product(x, normalised(inverse));
}

std::optional<ExactValue> squareRoot(const mpq_class& value)
{
    if (value == 0) {
        return ExactValue::rational(0);
    }
    // √(n/d) = √(n·d)/d
    const SquareSplit split = splitSquareFactor(abs(value.get_num()) * value.get_den());
    if (!split.complete) {
        return std::nullopt;
    }
    mpq_class coefficient(split.factor, value.get_den());
    coefficient.canonicalize();
    ExactValue root = ExactValue::surd(0, coefficient, split.radicand);
    if (value < 0) {
        std::swap(root.real, root.imaginary);
    }
    return root;
}

std::size_t bitSize(const ExactValue& x)
{
    std::size_t bits = mpz_sizeinbase(x.radicand.get_mpz_t(), 2);
    for (const mpq_class* part : {&x.real.rational, &x.real.surd, &x.imaginary.rational, &x.imaginary.surd}) {
        bits = std::max({bits, mpz_sizeinbase(part->get_num_mpz_t(), 2), mpz_sizeinbase(part->get_den_mpz_t(), 2)});
    }
    return bits;
}

int signOf(const mpq_class& rational, const mpq_class& surd, const mpz_class& radicand)
{
    const int rationalSign = sgn(rational);
    const int surdSign = sgn(surd);
    if (surdSign == 0 || rationalSign == surdSign) {
        return surdSign == 0 ? rationalSign : surdSign;
    }
    if (rationalSign == 0) {
        return surdSign;
    }
    const mpq_class difference = rational * rational - surd * surd * radicand;
    return sgn(difference) * rationalSign;
}

std::string valueText(const ExactValue& x)
{
    const mpz_class denominator = commonDenominator(x);
    const std::vector<Term> parts = terms(x, denominator);
    if (parts.empty()) {
        return "0";
    }
    return overDenominator(joined(parts, "−"), parts.size() == 1, denominator);
}

std::string pairText(const ExactValue& center, const ExactValue& offset)
{
    const mpz_class denominator = lcm(commonDenominator(center), commonDenominator(offset));
    const std::vector<Term> centerTerms = terms(center, denominator);
    const std::vector<Term> offsetTerms = terms(offset, denominator);
    std::string offsetText = joined(offsetTerms, "");
    if (offsetTerms.size() > 1) {
        offsetText = "(" + offsetText + ")";
    }
    if (centerTerms.empty()) {
        return overDenominator("±" + offsetText, true, denominator);
    }
    return overDenominator(joined(centerTerms, "−") + " ± " + offsetText, false, denominator);
}

}  // namespace trx::practice

namespace trx::practice {

std::vector<std::string> simplestSpellings(const ExactValue& x)
{
    const mpz_class denominator = commonDenominator(x);
    std::vector<Term> parts = terms(x, denominator);
    std::vector<std::string> spellings = {valueText(x), splitText(parts, denominator)};
    std::reverse(parts.begin(), parts.end());
    spellings.push_back(overDenominator(joined(parts, "−"), parts.size() <= 1, denominator));
    spellings.push_back(splitText(parts, denominator));
    return spellings;
}

std::vector<std::string> simplestPairSpellings(const ExactValue& center, const ExactValue& offset)
{
    const mpz_class denominator = commonDenominator(offset);
    const std::vector<Term> offsetTerms = terms(offset, denominator);
    std::string offsetText = splitText(offsetTerms, denominator);
    if (offsetTerms.size() > 1) {
        offsetText = "(" + offsetText + ")";
    } else if (!offsetText.empty() && offsetText.rfind("−", 0) == 0) {
        offsetText.erase(0, std::string("−").size());
    }
    const std::string split = center.isZero() ? "±" + offsetText : valueText(center) + " ± " + offsetText;
    return {pairText(center, offset), split};
}

}  // namespace trx::practice
