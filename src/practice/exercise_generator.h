// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Practice equations, built backwards: the generator draws the roots first
// (of the kind asked for), multiplies out a·(x − x₁)(x − x₂) into integer
// coefficients with no common factor, and writes the equation as a textbook
// would, so every exercise is exactly of its kind.  The draws come from
// std::mt19937_64, whose sequence the C++ standard fixes, mapped to ranges by
// our own unbiased rejection: the same seed gives the same worksheet on
// every platform and standard library.

#include "practice/exact_value.h"

#include <gmpxx.h>

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace trx::practice {

enum class ExerciseKind {
    IntegerRoots,     // two distinct integers, b ≠ 0, c ≠ 0
    RationalRoots,    // two distinct rationals, at least one not an integer
    IrrationalRoots,  // p ± q·√r, r squarefree ≥ 2
    ComplexRoots,     // p ± q·√r·i with p ≠ 0: no real solution
    DoubleRoot,       // one root twice: a perfect square
    Incomplete,       // b = 0 (real roots ±k) or c = 0 (roots 0 and k)
    NeedsExpanding,   // a product, a square or x(x + m) = n, to expand first
};
constexpr std::array<ExerciseKind, 7> kAllExerciseKinds = {
    ExerciseKind::IntegerRoots, ExerciseKind::RationalRoots, ExerciseKind::IrrationalRoots, ExerciseKind::ComplexRoots,
    ExerciseKind::DoubleRoot,   ExerciseKind::Incomplete,    ExerciseKind::NeedsExpanding};

// The size of the numbers: roots up to 6, 12 or 25 in size, denominators up
// to 3, 5 or 9.
enum class Difficulty { Easy, Medium, Hard };

struct Exercise {
    ExerciseKind kind = ExerciseKind::IntegerRoots;
    Difficulty difficulty = Difficulty::Easy;
    std::uint64_t seed = 0;  // makeExercise(kind, difficulty, seed) gives this exercise again
    int serial = 0;          // its place on the worksheet, from 0
    // a·x² + b·x + c = 0 in normal form: integers, gcd 1, a > 0.
    mpz_class a, b, c;
    // The equation as shown: UTF-8, true minus, ², e.g. "x² − 5x + 6 = 0",
    // "(x − 3)(2x + 1) = 0", "2(x + 1)² − 8 = 0", "x(x + 3) = 10".
    std::string text;
    // The roots it was built from: real ones ascending (equal for a double
    // root), complex ones with the negative imaginary part first.
    std::array<ExactValue, 2> roots;
};

// Uniform integers from std::mt19937_64 by rejection, the same everywhere.
class PracticeRandom {
public:
    explicit PracticeRandom(std::uint64_t seed) : engine_(seed) { }
    std::uint64_t below(std::uint64_t bound);  // 0 ≤ n < bound, bound > 0
    long between(long lowest, long highest);   // lowest ≤ n ≤ highest
    long nonZeroBetween(long lowest, long highest);
    bool coin() { return below(2) == 1; }

private:
    std::mt19937_64 engine_;
};

Exercise makeExercise(ExerciseKind kind, Difficulty difficulty, std::uint64_t seed);

// `count` exercises, each of a kind drawn from `kinds` (all kinds when
// empty), each with its own seed derived from `seed` and its serial.
std::vector<Exercise> makeWorksheet(const std::vector<ExerciseKind>& kinds, Difficulty difficulty, std::uint64_t seed,
                                    int count);

// "2x² − 5x − 3 = 0": the normal form as text.
std::string normalFormText(const mpz_class& a, const mpz_class& b, const mpz_class& c);

}  // namespace trx::practice
