// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/exercise_working.h"

#include <gtest/gtest.h>

namespace {

using trx::practice::Exercise;

TEST(ExerciseWorking, SolutionsAsTheKeyWritesThem)
{
    const struct {
        long a, b, c;
        const char* solutions;
    } cases[] = {
        {1, -1, -6, "x₁ = −2, x₂ = 3"},
        {2, -1, -3, "x₁ = −1, x₂ = 3/2"},
        {1, 4, 2, "x = −2 ± √2"},
        {4, -20, 23, "x = (5 ± √2)/2"},
        {1, -4, 4, "x = 2"},
        {1, 2, 5, "x = −1 ± 2i"},
    };
    for (const auto& equation : cases) {
        Exercise exercise;
        exercise.a = equation.a;
        exercise.b = equation.b;
        exercise.c = equation.c;
        EXPECT_EQ(trx::math::plainText(trx::practice::solutionsFormula(exercise)), equation.solutions);
    }
}

// Every equation the generator writes is read back and worked, starting
// from the equation as proposed.
TEST(ExerciseWorking, EveryKindIsWorkedFromItsEquation)
{
    for (const auto difficulty :
         {trx::practice::Difficulty::Easy, trx::practice::Difficulty::Medium, trx::practice::Difficulty::Hard}) {
        for (const Exercise& exercise : trx::practice::makeWorksheet({}, difficulty, 7, 40)) {
            const std::vector<trx::WorkedStep> steps = trx::practice::exerciseWorking(exercise, ',');
            ASSERT_GT(steps.size(), 2u) << exercise.text;
            EXPECT_EQ(trx::math::plainText(steps.front().formula),
                      trx::math::plainText(trx::practice::exerciseFormula(exercise, ',')))
                << exercise.text;
        }
    }
}

}  // namespace
