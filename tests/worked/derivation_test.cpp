// SPDX-License-Identifier: GPL-3.0-or-later
// The worked solution, read as its plain-text copy: each equation's working
// must hold the lines a textbook would write for it.

#include "exact/exact_numbers.h"
#include "worked/derivation.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace {

struct WorkedCase {
    std::array<const char*, 4> fields;
    std::initializer_list<const char*> lines;  // each found in the copy
};

const WorkedCase kCases[] = {
    {{"1", "0", "-2", "0"},
     {"√8 = √(2²·2) = 2√2", "x = (0 ± 2√2)/2 = ±√2", "x₁ ≈ 1,4142135623731, x₂ ≈ −1,4142135623731",
      "x² − 2 = (x − √2)(x + √2)", "V(0, −2)", "(√2)² − 2 = 2 − 2 = 0"}},
    {{"1", "0", "1", "0"},
     {"√(−4) = √4·i = 2i", "= ±i\n", "x₁ = i, x₂ = −i", "x² + 1 = (x − i)(x + i)", "i² + 1 = −1 + 1 = 0"}},
    {{"1", "0", "2", "0"},
     {"x = (0 ± 2√2·i)/2 = ±√2·i", "x₁ = √2·i, x₂ = −√2·i", "x² + 2 = (x − √2·i)(x + √2·i)",
      "(√2·i)² + 2 = −2 + 2 = 0"}},
    {{"4", "-4", "-3", "0"},
     {"x₁ = (4 + 8)/8 = 12/8 = 3/2", "x₂ = (4 − 8)/8 = −4/8 = −1/2", "4x² − 4x − 3 = 4(x − 3/2)(x + 1/2)",
      "4(x − 1/2)² − 4", "V(1/2, −4)", "x = 1/2\n", "(0, −3)", "4·(3/2)² − 4·(3/2) − 3 = 9 − 6 − 3 = 0"}},
    {{"2", "2", "5", "0"},
     {"D = b² − 4ac = 2² − 4·2·5 = −36", "√(−36) = √36·i = 6i", "x = (−2 ± 6i)/4 = −1/2 ± (3/2)i",
      "2(x + 1/2 − (3/2)i)(x + 1/2 + (3/2)i)", "2(x + 1/2)² + 9/2", "V(−1/2, 9/2)", "= (−4 − 3i) + (−1 + 3i) + 5 = 0"}},
    {{"0,5", "-0,1", "-0,04", "0"},
     {"0,5x² − 0,1x − 0,04 = 0", "Multiplicamos por 100", "50x² − 10x − 4 = 0", "Dividimos entre 2",
      "25x² − 5x − 2 = 0", "= 20/50 = 2/5", "25(x − 2/5)(x + 1/5)", "V(1/10, −9/4)"}},
    // Moving d, then the negation.
    {{"-1", "5", "-6,5", "2,5"},
     {"−x² + 5x − 6,5 = 2,5", "−x² + 5x − 9 = 0", "Multiplicamos por −1", "x² − 5x + 9 = 0", "= 5/2 ± (√11/2)i",
      "x₁ ≈ 2,5 + 1,6583123951777i"}},
    // Double root, c = d, no square factor, √3 with i.
    {{"1", "-2", "1", "0"}, {"x = 2/2 = 1", "x₁ = x₂ = 1", "= (x − 1)²", "V(1, 0)", "1² − 2·1 + 1 = 1 − 2 + 1 = 0"}},
    {{"1", "-5", "3", "3"},
     {"x² − 5x = 0", "x₂ = (5 − 5)/2 = 0/2 = 0", "x² − 5x = x(x − 5)", "0² − 5·0 = 0\n", "(0, 0)"}},
    {{"1", "1", "-1", "0"},
     {"que no tiene factores cuadrados:\n    √5\n", "x₁ = (−1 + √5)/2", "(x + 1/2 − √5/2)(x + 1/2 + √5/2)",
      "= (3/2 − √5/2) + (−1/2 + √5/2) − 1 = 0"}},
    // 3001² · 3011: beyond the search for square factors; the 2² of D = 4c still comes out.
    {{"1", "0", "-27117069011", "0"},
     {"no se han buscado factores cuadrados mayores que 3000, pero el resultado es exacto:\n"
      "    √108468276044 = √(2²·27117069011) = 2√27117069011",
      "x = (0 ± 2√27117069011)/2 = ±√27117069011"}},
    // The ends of the double range stay exact.
    {{"1E308", "1E308", "-1E308", "0"}, {"10³⁰⁸x² + 10³⁰⁸x − 10³⁰⁸ = 0", "Dividimos entre 10³⁰⁸", "x = (−1 ± √5)/2"}},
    {{"1E-300", "1", "0", "0"},
     {"10⁻³⁰⁰x² + x = 0", "10 elevado a 300", "x² + 10³⁰⁰x = 0", "x₂ = (−10³⁰⁰ − 10³⁰⁰)/2 = (−2·10³⁰⁰)/2 = −10³⁰⁰",
      "x₁ = 0, x₂ = −1E+300", "(−10³⁰⁰)² + 10³⁰⁰·(−10³⁰⁰) = 10⁶⁰⁰ − 10⁶⁰⁰ = 0"}},
};

TEST(Derivation, WorksEachEquationLikeATextbook)
{
    for (const WorkedCase& example : kCases) {
        const std::array<std::string, 4> fields{example.fields[0], example.fields[1], example.fields[2],
                                                example.fields[3]};
        const std::string copy = trx::workingPlainText(trx::deriveSolution(fields, ',', trx::Method::Formula));
        for (const char* line : example.lines)
            EXPECT_NE(copy.find(line), std::string::npos) << "missing: " << line << "\nin:\n" << copy;
    }
}

TEST(Derivation, HasNothingToWorkWithoutAnEquation)
{
    EXPECT_TRUE(trx::deriveSolution({"0", "1", "2", "0"}, ',').empty());
    EXPECT_TRUE(trx::deriveSolution({"1", "1,2,", "2", "0"}, ',').empty());
}

TEST(Derivation, CopiesAsLatexAndMathml)
{
    const auto steps = trx::deriveSolution({"1", "0", "-2", "0"}, ',', trx::Method::Formula);
    const std::string tex = trx::workingLatex(steps);
    EXPECT_NE(tex.find("\\frac{0 \\pm 2\\sqrt{2}}{2} = \\pm \\sqrt{2}"), std::string::npos) << tex;
    EXPECT_NE(tex.find("{\\left(\\sqrt{2}\\right)}^{2}"), std::string::npos) << tex;
    const std::string xml = trx::workingMathml(steps);
    EXPECT_EQ(xml.rfind("<math xmlns=\"http://www.w3.org/1998/Math/MathML\"", 0), 0U);
    EXPECT_NE(xml.find("<mfrac><mrow><mn>0</mn><mo>±</mo><mrow><mn>2</mn><msqrt><mn>2</mn></msqrt></mrow></mrow>"
                       "<mn>2</mn></mfrac>"),
              std::string::npos)
        << xml;
    // What XML reserves, and an exponent that is no number.
    EXPECT_EQ(trx::math::xmlEscaped("a<b & \"c\">"), "a&lt;b &amp; &quot;c&quot;&gt;");
    EXPECT_EQ(trx::math::plainText(trx::math::power(trx::math::identifier("x"), trx::math::identifier("n"))), "x^n");
}

TEST(ExactNumbers, RoundsDecimalValuesCorrectly)
{
    struct Case {
        long x, y, r, z;
        const char* text;
        bool negative, exact;
    };
    const Case cases[] = {
        {0, 1, 2, 1, "1,4142135623731", false, false},               // √2 = 1,41421356237309|5…
        {-1, 1, 5, 2, "0,618033988749895", false, false},            //
        {1, 0, 0, 1024, "0,0009765625", false, true},                // terminates within 15 digits
        {1, 0, 0, 3, "0,333333333333333", false, false},             //
        {2, 0, 0, 3, "0,666666666666667", false, false},             //
        {-1, 0, 0, 8, "0,125", true, true},                          //
        {9999999999999995, 0, 0, 10, "1E+15", false, false},         // a tie, carried into a new digit
        {1, 0, 0, 1000000, "1E-06", false, true},                    //
        {10000, -1, 99999999, 1, "5,0000000125E-05", false, false},  // 10⁴ − √(10⁸ − 1): no cancellation
    };
    for (const Case& c : cases) {
        const trx::DecimalValue value = trx::decimalValue(c.x, c.y, c.r, c.z, ',');
        EXPECT_EQ(value.magnitude, c.text) << c.x << " " << c.y << " " << c.r << " " << c.z;
        EXPECT_EQ(value.negative, c.negative) << c.text;
        EXPECT_EQ(value.exact, c.exact) << c.text;
    }
}

TEST(ExactNumbers, TakesSquareFactorsOutUpToItsSearchLimit)
{
    // 3001² · 3011 · 2: both primes lie beyond the search, so only the part
    // below it comes out; what is left is still the same number.
    const mpz_class big = mpz_class(3001) * 3001 * 3011 * 3011 * 3019 * 2 * 9;
    const trx::SquareSplit split = trx::splitSquareFactor(big * big * big + 1);
    EXPECT_EQ(split.factor * split.factor * split.radicand, big * big * big + 1);
    const trx::SquareSplit partial = trx::splitSquareFactor(big * 3023);
    EXPECT_EQ(partial.factor, 3);
    EXPECT_FALSE(partial.complete);
}

}  // namespace
