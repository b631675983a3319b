// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the answer checker: whatever is typed, it returns a verdict
// without crashing, and it never calls a value right that is not: every
// value read from a line judged right solves the equation, checked by
// putting it into x² − (x₁ + x₂)·x + x₁·x₂ rather than by comparing it with
// the roots.  The roots' own simplest texts are always judged right.
//
// Input: the first byte picks the roots (a fixed pair, or a generated
// exercise with the next byte as its seed); the rest is the two lines,
// separated by the first newline.

#include "fuzz_check.h"
#include "practice/answer_check.h"
#include "practice/exercise_generator.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using trx::practice::ExactValue;
using trx::practice::Verdict;

ExactValue rootFrom(const char* text)
{
    return trx::practice::readAnswerLine(text).line->values.at(0);
}

std::array<ExactValue, 2> rootsFor(std::uint8_t choice, std::uint8_t seed)
{
    static const std::pair<const char*, const char*> kPairs[] = {{"2", "3"},         {"3/2", "-1"},
                                                                 {"-1+√2", "-1-√2"}, {"(1+√5)/2", "(1-√5)/2"},
                                                                 {"2-3i", "2+3i"},   {"(-1+i√3)/2", "(-1-i√3)/2"},
                                                                 {"5", "5"},         {"0", "7/3"}};
    constexpr std::size_t kPairCount = std::size(kPairs);
    if (choice < kPairCount) {
        return {rootFrom(kPairs[choice].first), rootFrom(kPairs[choice].second)};
    }
    const auto kind = trx::practice::kAllExerciseKinds[choice % trx::practice::kAllExerciseKinds.size()];
    const auto difficulty = static_cast<trx::practice::Difficulty>(choice % 3);
    return trx::practice::makeExercise(kind, difficulty, seed).roots;
}

bool solves(const ExactValue& x, const std::array<ExactValue, 2>& roots)
{
    const auto rootSum = trx::practice::sum(roots[0], roots[1]);
    const auto rootProduct = trx::practice::product(roots[0], roots[1]);
    const auto square = trx::practice::product(x, x);
    const auto linear = trx::practice::product(*rootSum, x);
    if (!square || !linear) {
        return false;
    }
    const auto value = trx::practice::sum(*trx::practice::sum(*square, -*linear), *rootProduct);
    return value && value->isZero();
}

double approximately(const trx::practice::SurdPart& part, const mpz_class& radicand)
{
    return part.rational.get_d() + part.surd.get_d() * std::sqrt(radicand.get_d());
}

bool isNear(const ExactValue& x, const std::array<ExactValue, 2>& roots)
{
    for (const ExactValue& root : roots) {
        const double real = approximately(root.real, root.radicand);
        const double imaginary = approximately(root.imaginary, root.radicand);
        if (std::abs(x.real.rational.get_d() - real) <= 6e-3 * std::max(1.0, std::abs(real)) &&
            std::abs(x.imaginary.rational.get_d() - imaginary) <= 6e-3 * std::max(1.0, std::abs(imaginary))) {
            return true;
        }
    }
    return false;
}

void checkRightValues(const Verdict& verdict, std::string_view line, const std::array<ExactValue, 2>& roots,
                      std::string_view input)
{
    const auto reading = trx::practice::readAnswerLine(line);
    require(reading.line.has_value(), "a line judged right cannot be read", input);
    for (const ExactValue& value : reading.line->values) {
        if (verdict.kind == Verdict::Kind::RightDecimal) {
            require(isNear(value, roots), "a decimal judged right is far from every root", input);
        } else {
            require(solves(value, roots), "a value judged right does not solve the equation", input);
        }
    }
}

void checkSimplestTextsAreRight(const std::array<ExactValue, 2>& roots, std::string_view input)
{
    const Verdict verdict = trx::practice::checkAnswer(roots, trx::practice::valueText(roots[0]),
                                                       roots[0] == roots[1] ? "" : trx::practice::valueText(roots[1]));
    require(verdict.kind == Verdict::Kind::Right, "the roots' simplest texts are not judged right", input);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2) {
        return 0;
    }
    const std::array<ExactValue, 2> roots = rootsFor(data[0], data[1]);
    const std::string_view input(reinterpret_cast<const char*>(data) + 2, size - 2);
    const std::size_t newline = input.find('\n');
    const std::string_view first = input.substr(0, newline);
    const std::string_view second = newline == std::string_view::npos ? std::string_view() : input.substr(newline + 1);

    const Verdict verdict = trx::practice::checkAnswer(roots, first, second);
    const bool right = verdict.kind == Verdict::Kind::Right || verdict.kind == Verdict::Kind::RightNotSimplest ||
                       verdict.kind == Verdict::Kind::RightDecimal;
    if (right) {
        checkRightValues(verdict, first, roots, input);
        checkRightValues(verdict, second, roots, input);
    }
    if (verdict.kind == Verdict::Kind::Malformed) {
        require(verdict.line >= 0 && verdict.line <= 1 && verdict.column >= 0, "a malformed line has no place", input);
    }
    checkSimplestTextsAreRight(roots, input);
    return 0;
}
