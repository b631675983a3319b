// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/exercise_generator.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace trx::practice {

namespace {

struct Limits {
    long rootSize;
    long denominator;
};

Limits limitsFor(Difficulty difficulty)
{
    switch (difficulty) {
    case Difficulty::Easy:
        return {6, 3};
    case Difficulty::Medium:
        return {12, 5};
    case Difficulty::Hard:
        break;
    }
    return {25, 9};
}

constexpr long kSquarefree[] = {2, 3, 5, 6, 7, 10, 11, 13, 14, 15};

mpq_class fraction(long numerator, long denominator)
{
    mpq_class value(numerator, denominator);
    value.canonicalize();
    return value;
}

// A generator state per exercise and one drawing the worksheet's kinds.
std::uint64_t mixedSeed(std::uint64_t seed, int serial)
{
    std::uint64_t z = seed + static_cast<std::uint64_t>(serial + 1) * 0x9E3779B97F4A7C15ULL;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

// "x", "2x + 1", "x − 3": q·x − p, the factor that vanishes at p/q.
std::string factorText(const mpq_class& root)
{
    const mpz_class& q = root.get_den();
    const mpz_class& p = root.get_num();
    std::string text = q == 1 ? "x" : q.get_str() + "x";
    if (p != 0) {
        text += (p > 0 ? " − " : " + ") + mpz_class(abs(p)).get_str();
    }
    return text;
}

// Draws until `accept` holds; every loop here ends after a few draws.
template <typename Draw, typename Accept> auto drawUntil(Draw draw, Accept accept)
{
    auto value = draw();
    while (!accept(value)) {
        value = draw();
    }
    return value;
}

class Builder {
public:
    Builder(ExerciseKind kind, Difficulty difficulty, std::uint64_t seed)
        : random_(seed), limits_(limitsFor(difficulty))
    {
        exercise_.kind = kind;
        exercise_.difficulty = difficulty;
        exercise_.seed = seed;
    }

    Exercise build();

private:
    mpq_class rationalRoot(bool integerAllowed);
    long squarefree() { return kSquarefree[random_.below(std::size(kSquarefree))]; }
    void setRoots(const ExactValue& first, const ExactValue& second);
    void setConjugates(const mpq_class& center, const ExactValue& offset);
    void integerRoots();
    void rationalRoots();
    void irrationalRoots();
    void complexRoots();
    void doubleRoot();
    void incomplete();
    void needsExpanding();

    PracticeRandom random_;
    Limits limits_;
    Exercise exercise_;
};

mpq_class Builder::rationalRoot(bool integerAllowed)
{
    const long lowest = integerAllowed ? 1 : 2;
    return drawUntil(
        [&] {
            return fraction(random_.nonZeroBetween(-limits_.rootSize, limits_.rootSize),
                            random_.between(lowest, limits_.denominator));
        },
        [&](const mpq_class& root) { return integerAllowed || root.get_den() != 1; });
}

// The roots in their order, and the primitive integer normal form that
// a·(x − x₁)(x − x₂) multiplies out to.
void Builder::setRoots(const ExactValue& first, const ExactValue& second)
{
    const ExactValue difference = *sum(first, -second);
    const bool swap = first.isReal() ? signOf(difference.real.rational, difference.real.surd, difference.radicand) > 0
                                     : signOf(first.imaginary.rational, first.imaginary.surd, first.radicand) > 0;
    exercise_.roots = swap ? std::array<ExactValue, 2>{second, first} : std::array<ExactValue, 2>{first, second};
    const mpq_class rootSum = sum(first, second)->real.rational;
    const mpq_class rootProduct = product(first, second)->real.rational;
    const mpz_class a = lcm(rootSum.get_den(), rootProduct.get_den());
    const mpq_class linear = -rootSum * a;
    const mpq_class constant = rootProduct * a;
    const mpz_class& b = linear.get_num();
    const mpz_class& c = constant.get_num();
    const mpz_class common = gcd(gcd(a, b), c);
    exercise_.a = a / common;
    exercise_.b = b / common;
    exercise_.c = c / common;
}

void Builder::setConjugates(const mpq_class& center, const ExactValue& offset)
{
    const ExactValue middle = ExactValue::rational(center);
    setRoots(*sum(middle, offset), *sum(middle, -offset));
}

void Builder::integerRoots()
{
    const auto roots = drawUntil(
        [&] {
            return std::pair(random_.nonZeroBetween(-limits_.rootSize, limits_.rootSize),
                             random_.nonZeroBetween(-limits_.rootSize, limits_.rootSize));
        },
        [](const auto& pair) { return pair.first != pair.second && pair.first != -pair.second; });
    setRoots(ExactValue::rational(roots.first), ExactValue::rational(roots.second));
}

void Builder::rationalRoots()
{
    const mpq_class first = rationalRoot(false);
    const mpq_class second = drawUntil([&] { return rationalRoot(true); },
                                       [&](const mpq_class& root) { return root != first && root != -first; });
    setRoots(ExactValue::rational(first), ExactValue::rational(second));
}

void Builder::irrationalRoots()
{
    const long denominator = random_.between(1, limits_.denominator - 1);
    const mpq_class center = fraction(random_.nonZeroBetween(-limits_.rootSize, limits_.rootSize), denominator);
    const mpq_class coefficient = fraction(random_.between(1, std::max(1L, limits_.rootSize / 4)), denominator);
    setConjugates(center, ExactValue::surd(0, coefficient, squarefree()));
}

void Builder::complexRoots()
{
    const long denominator = random_.between(1, limits_.denominator - 1);
    const mpq_class center = fraction(random_.nonZeroBetween(-limits_.rootSize, limits_.rootSize), denominator);
    const mpq_class coefficient = fraction(random_.between(1, std::max(1L, limits_.rootSize / 3)), denominator);
    const long radicand = random_.coin() ? 1 : squarefree();
    setConjugates(center, *product(ExactValue::surd(0, coefficient, radicand), ExactValue::imaginaryUnit()));
}

void Builder::doubleRoot()
{
    const ExactValue root = ExactValue::rational(rationalRoot(true));
    setRoots(root, root);
}

void Builder::incomplete()
{
    if (random_.coin()) {  // c = 0: x·(q·x − p) = 0
        setRoots(ExactValue::rational(0), ExactValue::rational(rationalRoot(true)));
        return;
    }
    // b = 0: roots ±k, k rational or a surd
    const mpq_class size = abs(rationalRoot(true));
    setConjugates(0, random_.coin() ? ExactValue::rational(size) : ExactValue::surd(0, size, squarefree()));
}

void Builder::needsExpanding()
{
    switch (random_.below(4)) {
    case 0: {  // (q₁x − p₁)(q₂x − p₂) = 0
        const mpq_class first = rationalRoot(true);
        const mpq_class second =
            drawUntil([&] { return rationalRoot(true); }, [&](const mpq_class& root) { return root != first; });
        setRoots(ExactValue::rational(first), ExactValue::rational(second));
        exercise_.text = "(" + factorText(first) + ")(" + factorText(second) + ") = 0";
        return;
    }
    case 1: {  // (x − h)² = k
        const long h = random_.nonZeroBetween(-limits_.rootSize / 2, limits_.rootSize / 2);
        const long k = random_.between(1, 2 * limits_.rootSize);
        setConjugates(h, *squareRoot(k));
        exercise_.text = "(" + factorText(h) + ")² = " + std::to_string(k);
        return;
    }
    case 2: {  // m(x − h)² − n = 0
        const long m = random_.between(2, limits_.denominator);
        const long h = random_.nonZeroBetween(-limits_.rootSize / 2, limits_.rootSize / 2);
        const long n = m * random_.between(1, limits_.rootSize);
        setConjugates(h, *squareRoot(fraction(n, m)));
        exercise_.text = std::to_string(m) + "(" + factorText(h) + ")² − " + std::to_string(n) + " = 0";
        return;
    }
    default: {  // x(x − s) = −p for integer roots with sum s and product p
        integerRoots();
        const mpz_class negatedSum = exercise_.b;
        std::string text = "x(x";
        text += (negatedSum > 0 ? " + " : " − ") + mpz_class(abs(negatedSum)).get_str() + ") = ";
        const mpz_class right = -exercise_.c;
        exercise_.text = text + (right < 0 ? "−" : "") + mpz_class(abs(right)).get_str();
        return;
    }
    }
}

Exercise Builder::build()
{
    switch (exercise_.kind) {
    case ExerciseKind::IntegerRoots:
        integerRoots();
        break;
    case ExerciseKind::RationalRoots:
        rationalRoots();
        break;
    case ExerciseKind::IrrationalRoots:
        irrationalRoots();
        break;
    case ExerciseKind::ComplexRoots:
        complexRoots();
        break;
    case ExerciseKind::DoubleRoot:
        doubleRoot();
        break;
    case ExerciseKind::Incomplete:
        incomplete();
        break;
    case ExerciseKind::NeedsExpanding:
        needsExpanding();
        break;
    }
    if (exercise_.text.empty()) {
        exercise_.text = normalFormText(exercise_.a, exercise_.b, exercise_.c);
    }
    return exercise_;
}

// "−5x", "+ x²", "− 3": one term of the normal form after the first.
std::string termText(const mpz_class& coefficient, const std::string& power, bool first)
{
    const mpz_class size = abs(coefficient);
    std::string text = first ? (coefficient < 0 ? "−" : "") : (coefficient < 0 ? " − " : " + ");
    return text + (size == 1 && !power.empty() ? "" : size.get_str()) + power;
}

}  // namespace

std::uint64_t PracticeRandom::below(std::uint64_t bound)
{
    // The largest multiple of bound that fits, so every remainder is equally likely.
    const std::uint64_t excess = (std::numeric_limits<std::uint64_t>::max() - bound + 1) % bound;
    const std::uint64_t limit = std::numeric_limits<std::uint64_t>::max() - excess;
    std::uint64_t draw = engine_();
    while (draw > limit) {
        draw = engine_();
    }
    return draw % bound;
}

long PracticeRandom::between(long lowest, long highest)
{
    return lowest + static_cast<long>(below(static_cast<std::uint64_t>(highest - lowest) + 1));
}

long PracticeRandom::nonZeroBetween(long lowest, long highest)
{
    return drawUntil([&] { return between(lowest, highest); }, [](long n) { return n != 0; });
}

Exercise makeExercise(ExerciseKind kind, Difficulty difficulty, std::uint64_t seed)
{
    return Builder(kind, difficulty, seed).build();
}

std::vector<Exercise> makeWorksheet(const std::vector<ExerciseKind>& kinds, Difficulty difficulty, std::uint64_t seed,
                                    int count)
{
    const std::vector<ExerciseKind> choice =
        kinds.empty() ? std::vector<ExerciseKind>(kAllExerciseKinds.begin(), kAllExerciseKinds.end()) : kinds;
    PracticeRandom kindDraws(seed);
    std::vector<Exercise> sheet;
    for (int serial = 0; serial < count; ++serial) {
        const ExerciseKind kind = choice[kindDraws.below(choice.size())];
        sheet.push_back(makeExercise(kind, difficulty, mixedSeed(seed, serial)));
        sheet.back().serial = serial;
    }
    return sheet;
}

std::string normalFormText(const mpz_class& a, const mpz_class& b, const mpz_class& c)
{
    std::string text = termText(a, "x²", true);
    if (b != 0) {
        text += termText(b, "x", false);
    }
    if (c != 0) {
        text += termText(c, "", false);
    }
    return text + " = 0";
}

}  // namespace trx::practice
