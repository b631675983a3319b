// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/exercise_generator.h"

#include "practice/answer_reader.h"

#include <gtest/gtest.h>

namespace {

using trx::practice::Difficulty;
using trx::practice::ExactValue;
using trx::practice::Exercise;
using trx::practice::ExerciseKind;

// a·x² + b·x + c at x, exactly.
ExactValue valueAt(const Exercise& exercise, const ExactValue& x)
{
    const ExactValue square = *trx::practice::product(x, x);
    const ExactValue quadratic = *trx::practice::product(ExactValue::rational(exercise.a), square);
    const ExactValue linear = *trx::practice::product(ExactValue::rational(exercise.b), x);
    return *trx::practice::sum(*trx::practice::sum(quadratic, linear), ExactValue::rational(exercise.c));
}

// One side of the shown equation with x replaced by a root, read as an
// answer is: the textbook text checked without expanding it.
ExactValue sideAt(const std::string& side, const ExactValue& x)
{
    std::string substituted;
    for (char ch : side) {
        substituted += ch == 'x' ? "(" + trx::practice::valueText(x) + ")" : std::string(1, ch);
    }
    const auto reading = trx::practice::readAnswerLine(substituted);
    EXPECT_TRUE(reading.line) << substituted;
    return reading.line ? reading.line->values.at(0) : ExactValue::rational(1);
}

bool textHolds(const std::string& text, const ExactValue& x)
{
    const std::size_t equals = text.find(" = ");
    return sideAt(text.substr(0, equals), x) == sideAt(text.substr(equals + 3), x);
}

bool isPerfectSquare(const mpz_class& n)
{
    return n >= 0 && mpz_perfect_square_p(n.get_mpz_t()) != 0;
}

// The kind, told from the coefficients and roots alone.
bool isOfItsKind(const Exercise& exercise)
{
    const mpz_class discriminant = exercise.b * exercise.b - 4 * exercise.a * exercise.c;
    const auto& [first, second] = exercise.roots;
    const bool rational = first.isRational() && second.isRational();
    switch (exercise.kind) {
    case ExerciseKind::IntegerRoots:
        return rational && first != second && first.real.rational.get_den() == 1 &&
               second.real.rational.get_den() == 1 && exercise.a == 1 && exercise.b != 0 && exercise.c != 0;
    case ExerciseKind::RationalRoots:
        return rational && first != second && exercise.a != 1 && exercise.b != 0 && exercise.c != 0;
    case ExerciseKind::IrrationalRoots:
        return discriminant > 0 && !isPerfectSquare(discriminant) && exercise.b != 0;
    case ExerciseKind::ComplexRoots:
        return discriminant < 0 && !first.isReal() && exercise.b != 0;
    case ExerciseKind::DoubleRoot:
        return discriminant == 0 && first == second;
    case ExerciseKind::Incomplete:
        return (exercise.b == 0) != (exercise.c == 0) && discriminant > 0;
    case ExerciseKind::NeedsExpanding:
        return exercise.text.find('(') != std::string::npos && discriminant >= 0;
    }
    return false;
}

TEST(ExerciseGenerator, EveryKindIsWhatItSaysAndItsRootsSolveIt)
{
    for (ExerciseKind kind : trx::practice::kAllExerciseKinds) {
        for (Difficulty difficulty : {Difficulty::Easy, Difficulty::Medium, Difficulty::Hard}) {
            for (std::uint64_t seed = 0; seed < 300; ++seed) {
                const Exercise exercise = trx::practice::makeExercise(kind, difficulty, seed);
                SCOPED_TRACE(exercise.text + " seed " + std::to_string(seed));
                EXPECT_TRUE(isOfItsKind(exercise));
                EXPECT_GT(exercise.a, 0);
                EXPECT_EQ(gcd(gcd(exercise.a, exercise.b), exercise.c), 1);
                for (const ExactValue& root : exercise.roots) {
                    EXPECT_TRUE(valueAt(exercise, root).isZero());
                    EXPECT_TRUE(textHolds(exercise.text, root));
                }
                EXPECT_EQ(exercise.text.find('-'), std::string::npos);  // true minus signs only
            }
        }
    }
}

TEST(ExerciseGenerator, TextbookForms)
{
    EXPECT_EQ(trx::practice::normalFormText(1, -5, 6), "x² − 5x + 6 = 0");
    EXPECT_EQ(trx::practice::normalFormText(2, 0, -1), "2x² − 1 = 0");
    EXPECT_EQ(trx::practice::normalFormText(1, -1, 0), "x² − x = 0");
}

TEST(ExerciseGenerator, TheSameSeedGivesTheSameWorksheet)
{
    const std::vector<ExerciseKind> kinds = {ExerciseKind::IrrationalRoots, ExerciseKind::NeedsExpanding};
    const auto sheet = trx::practice::makeWorksheet(kinds, Difficulty::Medium, 42, 20);
    const auto again = trx::practice::makeWorksheet(kinds, Difficulty::Medium, 42, 20);
    ASSERT_EQ(sheet.size(), 20u);
    for (std::size_t i = 0; i < sheet.size(); ++i) {
        EXPECT_EQ(sheet[i].text, again[i].text);
        EXPECT_EQ(sheet[i].serial, static_cast<int>(i));
        EXPECT_EQ(trx::practice::makeExercise(sheet[i].kind, sheet[i].difficulty, sheet[i].seed).text, sheet[i].text);
    }
    EXPECT_NE(trx::practice::makeWorksheet(kinds, Difficulty::Medium, 43, 20)[0].text + sheet[1].text,
              sheet[0].text + sheet[1].text);
}

// The draws themselves, pinned: a change of generator or mapping would
// change every stored worksheet.
TEST(ExerciseGenerator, DrawsArePinned)
{
    trx::practice::PracticeRandom random(7);
    std::vector<long> draws;
    for (int i = 0; i < 6; ++i) {
        draws.push_back(random.between(-10, 10));
    }
    EXPECT_EQ(draws, (std::vector<long>{5, 8, 5, -1, 9, 5}));
}

}  // namespace
