// SPDX-License-Identifier: GPL-3.0-or-later
// The method a teacher would choose, each method's own steps, and that every
// method reaches the same simplest solutions.

#include "worked/derivation.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <random>
#include <string>

namespace {

using trx::Method;

std::string copy(const std::array<std::string, 4>& fields, std::optional<Method> method,
                 const trx::TypedShape* shape = nullptr)
{
    return trx::workingPlainText(method ? trx::deriveSolution(fields, ',', *method, shape)
                                        : trx::deriveSolution(fields, ','));
}

trx::TypedShape product(long p1, long q1, long p2, long q2)
{
    return {trx::TypedProduct{1, {p1, q1}, {p2, q2}}, std::nullopt};
}

trx::TypedShape square(long scale, long shift, long value)
{
    return {std::nullopt, trx::TypedSquare{scale, shift, value}};
}

struct MethodCase {
    std::array<std::string, 4> fields;
    std::optional<trx::TypedShape> shape;
    Method first;                              // the teacher's choice
    std::optional<Method> shown;               // the teacher's choice when empty
    std::initializer_list<const char*> lines;  // each found in the copy
};

const MethodCase kCases[] = {
    {{"1", "0", "-9", "0"},
     {},
     Method::IsolatingTheSquare,
     {},
     {"Método: Ecuación incompleta: despejamos x²\n    x² = 9", "x = ±√9 = ±3", "x₁ = 3, x₂ = −3"}},
    {{"2", "0", "8", "0"},
     {},
     Method::IsolatingTheSquare,
     {},
     {"no tiene solución real", "x = ±√(−4) = ±2i", "x₁ = 2i, x₂ = −2i"}},
    {{"2", "0", "-1", "0"},
     {},
     Method::IsolatingTheSquare,
     {},
     {"2x² = 1", "Dividimos entre 2:\n    x² = 1/2", "x = ±√(1/2) = ±√2/2", "x₁ = √2/2, x₂ = −√2/2"}},
    {{"3", "0", "0", "0"}, {}, Method::IsolatingTheSquare, {}, {"x² = 0", "x₁ = x₂ = 0"}},
    {{"1", "-5", "0", "0"},
     {},
     Method::CommonFactor,
     {},
     {"Método: Sacamos factor común x\n    x(x − 5) = 0", "x − 5 = 0, x = 5", "x₁ = 5, x₂ = 0"}},
    {{"2", "3", "0", "0"},
     {},
     Method::CommonFactor,
     {},
     {"x(2x + 3) = 0", "2x + 3 = 0, x = −3/2", "x₁ = 0, x₂ = −3/2"}},
    {{"2", "-5", "-3", "0"},
     product(1, -3, 2, 1),
     Method::ZeroProduct,
     {},
     {"Método: Un producto es cero si lo es uno de sus factores\n    (x − 3)(2x + 1) = 0", "2x + 1 = 0, x = −1/2",
      "x₁ = 3, x₂ = −1/2"}},
    // A product that is another equation is ignored.
    {{"1", "-5", "6", "0"}, product(1, -3, 2, 1), Method::SumAndProduct, {}, {"3 + 2 = 5, 3·2 = 6", "x₁ = 3, x₂ = 2"}},
    {{"1", "-4", "-5", "0"},
     square(1, 2, 9),
     Method::SquareRoot,
     {},
     {"Método: Raíz cuadrada de los dos miembros\n    (x − 2)² = 9", "x − 2 = ±√9 = ±3", "x = 2 ± 3",
      "x₁ = 5, x₂ = −1"}},
    {{"2", "4", "-6", "0"},
     square(2, -1, 8),
     Method::SquareRoot,
     {},
     {"2(x + 1)² = 8", "(x + 1)² = 4", "x = −1 ± 2", "x₁ = 1, x₂ = −3"}},
    {{"1", "-2", "5", "0"},
     square(1, 1, -4),
     Method::SquareRoot,
     {},
     {"x − 1 = ±√(−4) = ±2i", "x₁ = 1 + 2i, x₂ = 1 − 2i"}},
    {{"1", "1", "-6", "0"},
     {},
     Method::SumAndProduct,
     {},
     {"x₁ + x₂ = −b = −1, x₁·x₂ = c = −6", "2 − 3 = −1, 2·(−3) = −6"}},
    {{"1", "-102", "101", "0"}, {}, Method::Formula, {}, {"Método: Fórmula general", "x₁ = 101, x₂ = 1"}},
    {{"2", "3", "-2", "0"}, {}, Method::Formula, {}, {"x₂ = (−3 − 5)/4 = −8/4 = −2", "x₁ = 1/2, x₂ = −2"}},
    {{"2", "3", "-2", "0"},
     {},
     Method::Formula,
     Method::CompletingTheSquare,
     {"x² + (3/2)x = 1", "x² + (3/2)x + (3/4)² = 1 + (3/4)² = 25/16", "(x + 3/4)² = 25/16",
      "x + 3/4 = ±√(25/16) = ±5/4", "x = −3/4 ± 5/4"}},
    {{"1", "2", "3", "0"},
     {},
     Method::Formula,
     Method::CompletingTheSquare,
     {"(x + 1)² = −2", "x + 1 = ±√(−2) = ±√2·i", "x₁ = −1 + √2·i"}},
    // A method that does not apply gives way to the formula.
    {{"1", "2", "3", "0"}, {}, Method::Formula, Method::CommonFactor, {"Método: Fórmula general"}},
};

TEST(Methods, ChoosesAsATeacherAndWorksEachMethod)
{
    for (const MethodCase& example : kCases) {
        const trx::TypedShape* shape = example.shape ? &*example.shape : nullptr;
        const std::vector<Method> methods = trx::applicableMethods(example.fields, ',', shape);
        ASSERT_FALSE(methods.empty());
        EXPECT_EQ(methods.front(), example.first) << example.fields[0] << " " << example.fields[1];
        // Without a typed shape, the two-argument form chooses by itself.
        const std::string text =
            copy(example.fields, shape ? example.shown.value_or(example.first) : example.shown, shape);
        for (const char* line : example.lines)
            EXPECT_NE(text.find(line), std::string::npos) << "missing: " << line << "\nin:\n" << text;
    }
    EXPECT_TRUE(trx::applicableMethods({"0", "1", "1", "0"}, ',').empty());
}

// Everything from the simplest solutions on: the same whatever the method.
std::string ending(const std::string& text)
{
    std::size_t at = text.rfind("\nSoluciones:\n");
    if (at == std::string::npos)
        at = text.rfind("\nSolución doble:\n");
    return at == std::string::npos ? "no solutions in:\n" + text : text.substr(at);
}

void expectAgreement(const std::array<std::string, 4>& fields, const trx::TypedShape* shape)
{
    const std::vector<Method> methods = trx::applicableMethods(fields, ',', shape);
    ASSERT_GE(methods.size(), 2U);
    const std::string expected = ending(copy(fields, Method::Formula));
    for (const Method method : methods)
        ASSERT_EQ(ending(copy(fields, method, shape)), expected)
            << trx::methodName(method) << " on " << fields[0] << " " << fields[1] << " " << fields[2];
}

TEST(Methods, AllReachTheSameSolutions)
{
    std::mt19937 random(22);
    const auto draw = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    const auto text = [](const mpq_class& value) { return value.get_str(); };
    for (int i = 0; i < 300; ++i) {
        const int a = draw(1, 4) * (draw(0, 1) ? 1 : -1);
        expectAgreement({std::to_string(a), std::to_string(draw(-12, 12) * draw(0, 1)),
                         std::to_string(draw(-20, 20) * draw(0, 1)), std::to_string(draw(-3, 3))},
                        nullptr);
    }
    for (int i = 0; i < 100; ++i) {
        const trx::TypedShape typedProduct = product(draw(1, 3), draw(-6, 6), draw(-3, 3) | 1, draw(-6, 6));
        const trx::TypedSquare typedSquare{draw(1, 3) * (draw(0, 1) ? 1 : -1), draw(-5, 5), draw(-20, 20)};
        const trx::TypedProduct& f = *typedProduct.product;
        const mpq_class p = f.first.slope * f.second.slope,
                        q = f.first.slope * f.second.constant + f.first.constant * f.second.slope,
                        r = f.first.constant * f.second.constant;
        expectAgreement({text(p), text(q), text(r), "0"}, &typedProduct);
        const trx::TypedShape shaped{std::nullopt, typedSquare};
        const mpq_class& s = typedSquare.scale;
        const mpq_class& h = typedSquare.shift;
        expectAgreement({text(s), text(-2 * s * h), text(s * h * h), text(typedSquare.value)}, &shaped);
    }
}

}  // namespace
