// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/exercise_working.h"

#include "equation/equation.h"
#include "worked/derivation.h"
#include "worked/roots.h"

namespace trx::practice {
namespace {

// Every exercise text is one the equation reader reads.
EquationReading reading(const Exercise& exercise, char separator)
{
    return *readEquation(exercise.text, separator, EquationSteps::Record).reading;
}

}  // namespace

math::Node exerciseFormula(const Exercise& exercise, char separator)
{
    return equationFormula(reading(exercise, separator).typed, separator);
}

math::Node solutionsFormula(const Exercise& exercise)
{
    using namespace worked;
    const mpq_class twiceA = 2 * mpq_class(exercise.a);
    const mpq_class centre = -exercise.b / twiceA;
    const mpq_class square = (exercise.b * exercise.b - 4 * exercise.a * exercise.c) / (twiceA * twiceA);
    const Roots roots = Roots::of({centre, square});
    if (roots.isDouble() || roots.hasRoot())
        return equals(x(), roots.rootNode(roots.isDouble() ? "+" : "±"));
    return math::row(
        {equals(solutionName(1), roots.rootNode(-1)), math::op(","), equals(solutionName(2), roots.rootNode(+1))});
}

std::vector<WorkedStep> exerciseWorking(const Exercise& exercise, char separator)
{
    std::vector<WorkedStep> steps;
    if (exercise.text != normalFormText(exercise.a, exercise.b, exercise.c))
        steps = reading(exercise, separator).steps;
    std::vector<WorkedStep> solution =
        deriveSolution({exercise.a.get_str(), exercise.b.get_str(), exercise.c.get_str(), "0"}, separator);
    steps.insert(steps.end(), std::make_move_iterator(solution.begin()), std::make_move_iterator(solution.end()));
    return steps;
}

}  // namespace trx::practice
