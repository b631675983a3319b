// SPDX-License-Identifier: GPL-3.0-or-later
// The worked solution and the solver read the same four texts on roads of
// their own; over many equations they must tell the same story: the class,
// the normal form (up to a factor) and the solutions' decimal values.

#include "exact/exact_decimal.h"
#include "exact/solve.h"
#include "worked/derivation.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

namespace trx {
namespace {

using Fields = std::array<std::string, 4>;

// The line after the first sentence that starts with `heading`.
std::string lineAfter(const std::string& working, const std::string& heading)
{
    std::istringstream lines(working);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind(heading, 0) == 0 && std::getline(lines, line))
            return line.substr(line.find_first_not_of(' '));
    }
    return {};
}

std::string withPlainMinus(std::string text)
{
    for (std::size_t at = text.find("−"); at != std::string::npos; at = text.find("−"))
        text.replace(at, std::string("−").size(), "-");
    return text;
}

mpq_class rational(const std::string& text)
{
    return parseExactDecimal(withPlainMinus(text), ',')->toRational();
}

// "a = 4, b = 1, c = -8" against the solver's normal form: the same up to a
// positive factor.
bool sameNormalForm(const std::string& coefficients, const Fields& solved)
{
    std::array<mpq_class, 3> worked;
    std::istringstream in(withPlainMinus(coefficients));
    for (mpq_class& value : worked) {
        std::string name, equals, number;
        in >> name >> equals >> number;
        if (!number.empty() && number.back() == ',')
            number.pop_back();
        value = rational(number);
    }
    const mpq_class factor = rational(solved[0]) / worked[0];
    return factor > 0 && rational(solved[1]) == factor * worked[1] && rational(solved[2]) == factor * worked[2];
}

// The solver's "re+ iim" and "re- iim" as the working writes them: "re + imi".
std::string workedComplex(const std::string& solved)
{
    const std::size_t sign = solved.find(" i");
    const std::string real = solved.substr(0, sign - 1);
    const std::string imaginary = solved.substr(sign + 2);
    const std::string between = solved[sign - 1] == '+' ? " + " : " - ";
    const std::string factor = imaginary == "1" ? "" : imaginary;
    return (real == "0" ? (between == " - " ? "-" : "") : real + between) + factor + "i";
}

std::string expectedValues(const SolveResult& result)
{
    const auto value = [&result](const std::string& text) {
        return result.outcome == SolveOutcome::ComplexRoots ? workedComplex(text) : text;
    };
    if (result.outcome == SolveOutcome::DoubleRoot)
        return "x1 = x2 = " + value(result.solution1);
    return "x1 = " + value(result.solution1) + ", x2 = " + value(result.solution2);
}

std::string workedValues(const std::string& working)
{
    std::string line = withPlainMinus(lineAfter(working, "Valor"));
    for (const char* from : {"x₁", "x₂", "≈"}) {
        const std::string to = std::string(from) == "≈" ? "=" : std::string(from) == "x₁" ? "x1" : "x2";
        for (std::size_t at = line.find(from); at != std::string::npos; at = line.find(from))
            line.replace(at, std::string(from).size(), to);
    }
    return line;
}

Fields randomEquation(std::mt19937& random)
{
    std::uniform_int_distribution<int> whole(-60, 60), places(0, 2);
    const auto number = [&] {
        const int n = whole(random), p = places(random);
        std::string text = std::to_string(n);
        if (p > 0)
            text += "," + std::to_string(std::abs(whole(random)) % 10);
        return text;
    };
    Fields fields{number(), number(), number(), number()};
    if (rational(fields[0]) == 0)
        fields[0] = "3";
    return fields;
}

TEST(WorkingAndSolver, AgreeOnClassNormalFormAndValues)
{
    const char* const classSentence[] = {"", "Como D > 0", "Como D = 0", "Como D < 0"};
    std::mt19937 random(20261207);
    for (int i = 0; i < 1000; ++i) {
        const Fields fields = randomEquation(random);
        SCOPED_TRACE(fields[0] + " | " + fields[1] + " | " + fields[2] + " | " + fields[3]);
        const SolveResult solved = solve({fields});
        const std::string working = workingPlainText(deriveSolution(fields, ',', Method::Formula));
        ASSERT_GE(static_cast<int>(solved.outcome), 1);
        ASSERT_LE(static_cast<int>(solved.outcome), 3);
        EXPECT_NE(working.find(classSentence[static_cast<int>(solved.outcome)]), std::string::npos) << working;
        EXPECT_TRUE(sameNormalForm(lineAfter(working, "Coeficientes de la forma normal"), solved.fields));
        EXPECT_EQ(workedValues(working), withPlainMinus(expectedValues(solved)));
    }
}

}  // namespace
}  // namespace trx
