// SPDX-License-Identifier: GPL-3.0-or-later
// The equation reader: what textbook equations become, what it refuses and
// where, the steps it shows, the shapes it recognises, and two properties
// over generated equations (the normal form is the typed equation times a
// number; writing back and reading again changes nothing).

#include "equation/equation.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>

namespace {

using trx::readEquation;
constexpr auto kRecord = trx::EquationSteps::Record;

// "= 1 -5 6" for x² − 5x + 6 = 0, the verdict below degree 2, or
// "@column sentence" for a refusal.
std::string described(const trx::EquationResult& result)
{
    if (!result.reading)
        return "@" + std::to_string(result.error.column) + " " + result.error.text();
    const trx::EquationReading& reading = *result.reading;
    if (reading.verdict)
        return trx::filled(reading.verdict->pattern, reading.verdict->arguments);
    const trx::NormalForm& n = reading.normal;
    return std::string(trx::relationSign(n.relation)) + " " + n.a.get_str() + " " + n.b.get_str() + " " + n.c.get_str();
}

struct Case {
    const char* typed;
    const char* expected;
    char separator = ',';
};

const char* const kDegree3 = "La ecuación es de grado 3; este programa resuelve las de grado 2";

const Case kCases[] = {
    // Plain normal forms.
    {"x² − 5x + 6 = 0", "= 1 -5 6"},
    {"x^2 - 5x + 6", "= 1 -5 6"},
    {"2x**2 + 3x - 2 = 0", "= 2 3 -2"},
    {"3x² = 27", "= 1 0 -9"},
    {"x² − 5x = 0", "= 1 -5 0"},
    {"−x² + 4 = 0", "= 1 0 -4"},
    {"4x² + 8x + 4 = 0", "= 1 2 1"},
    {"5 = x²", "= 1 0 -5"},
    {"X² + X = 2", "= 1 1 -2"},
    {"x^2 + x^1 + x^0 = 0", "= 1 1 1"},
    {"  x ²   +   1  ", "= 1 0 1"},
    {"123456789012345678901234567890x² = 1", "= 123456789012345678901234567890 0 -1"},
    // Implicit products.
    {"8x² − 4 = 3x(3x − 1) + 7x", "= 1 4 4"},
    {"x(x + 3) = 10", "= 1 3 -10"},
    {"2x(x − 1) = 0", "= 1 -1 0"},
    {"3(x − 1)(x + 2) = 0", "= 1 1 -2"},
    {"(x + 1)(x + 2) = 0", "= 1 3 2"},
    {"(x − 3)(2x + 1) = 0", "= 2 -5 -3"},
    {"2 x · x − 8 = 0", "= 1 0 -4"},
    {"x × 2x = 8", "= 1 0 -4"},
    {"2(x − 1)² = 8", "= 1 -2 -3"},
    // Notable products.
    {"(2x − 1)² = 9", "= 1 -1 -2"},
    {"(x + 3)² = 0", "= 1 6 9"},
    {"(x + 1)(x − 1) = 3", "= 1 0 -4"},
    {"(x − 2)² + (x + 2)² = 16", "= 1 0 -4"},
    {"−(x − 1)² = −4", "= 1 -2 -3"},
    // Fractions.
    {"x²/2 − (x + 1)/3 = 1", "= 3 -2 -8"},
    {"3/4x² = 3", "= 1 0 -4"},
    {"x²/4 + x/2 = 2", "= 1 2 -8"},
    {"x² ÷ 3 = 3", "= 1 0 -9"},
    {"(x² − 1)/(1 + 1) = 4", "= 1 0 -9"},
    {"x(x + 1)/2 = 3", "= 1 1 -6"},
    {"x²/2/3 = 1", "= 1 0 -6"},
    {"x² : 2 = 2", "= 1 0 -4"},
    // Decimals, with either separator.
    {"0,5x² − 1,25 = 0", "= 2 0 -5"},
    {"0.5x² − 1.25 = 0", "= 2 0 -5"},
    {"1,5x² = 6", "= 1 0 -4", '.'},
    {"x² − 0,1x = 0,2", "= 10 -1 -2"},
    {"1,000x² = 1", "= 1 0 -1"},
    {"0,3333x² = 1", "= 3333 0 -10000"},
    {"x²/3 + 0,5x = 0", "= 2 3 0"},
    // Unicode signs and relations.
    {"x² − 4 ≥ 0", "≥ 1 0 -4"},
    {"x^2 <= 4", "≤ 1 0 -4"},
    {"4 > x²", "< 1 0 -4"},
    {"−2x² + 8x ≤ 0", "≥ 1 -4 0"},
    {"x² – 1 = 0", "= 1 0 -1"},
    {"3⋅x² − 12 = 0", "= 1 0 -4"},
    {"x²\u00a0=\u00a01", "= 1 0 -1"},
    {"x²−2x+1=0", "= 1 -2 1"},
    // Degree that reduces.
    {"x² + 3x = x² + 6", "No es de segundo grado: queda 3x − 6 = 0, x = 2"},
    {"x(x + 1) = x² + 1", "No es de segundo grado: queda x − 1 = 0, x = 1"},
    {"(x + 1)² = x² + 2x + 1", "Es una identidad: se cumple para cualquier valor de x"},
    {"x² = x² + 1", "No tiene solución"},
    {"x² + 2x < x² + 4", "No es de segundo grado: queda 2x − 4 < 0, x < 2"},
    {"5 − 2x ≥ 0", "No es de segundo grado: queda −2x + 5 ≥ 0, x ≤ 5/2"},
    {"0,5x = 0,25", "No es de segundo grado: queda 50x − 25 = 0, x = 0,5"},
    {"x² < x² + 1", "Se cumple para cualquier valor de x"},
    // Refused, with the column where the reading stopped.
    {"", "@0 La ecuación está vacía"},
    {"(x + 1 = 0", "@7 Falta cerrar un paréntesis"},
    {"x + 1) = 0", "@5 Sobra un paréntesis de cierre"},
    {"1/x = 2", "@2 La x no puede estar en un denominador"},
    {"−x² ÷ (x − 1) = 0", "@6 La x no puede estar en un denominador"},
    {"x³ = 1", "@1 La ecuación es de grado 3; este programa resuelve las de grado 2"},
    {"x = 1 = 2", "@6 Sobra un signo de relación: solo puede haber un =, <, >, ≤ o ≥"},
    {"= 3", "@0 Falta el primer miembro"},
    {"x² =", "@4 Falta el segundo miembro"},
    {"x² + = 1", "@5 Falta un número, la x o un paréntesis"},
    {"()", "@1 Falta un número, la x o un paréntesis"},
    {"2 3x = 0", "@2 Falta un signo de operación"},
    {"x² + 1,2,3 = 0", "@8 El número está mal escrito"},
    {"x² + y = 0", "@5 No se entiende el signo «y»"},
    {"x² + \x01", "@5 No se entiende el signo «U+0001»"},
    {"\xff x", "@0 No se entiende el signo «\xEF\xBF\xBD»"},
    {"2^3 x² = 1", "@1 Solo se admiten los exponentes 0, 1 y 2"},
    {"x^-1 = 2", "@2 Solo se admiten los exponentes 0, 1 y 2"},
    {"x² / (1 − 1) = 1", "@5 No se puede dividir entre cero"},
    {"((x² = 1", "@5 Falta cerrar un paréntesis"},
    {"(x²)² = 1", "@4 La ecuación es de grado 4; este programa resuelve las de grado 2"},
};

TEST(EquationReader, NormalFormsAndRefusals)
{
    for (const Case& c : kCases)
        EXPECT_EQ(described(readEquation(c.typed, c.separator)), c.expected) << c.typed;
}

TEST(EquationReader, DegreeIsJudgedAsTypedBeforeExpanding)
{
    for (const char* typed : {"x·x·x = 1", "x³ − x³ + x² = 0", "x²x = 1"})
        EXPECT_NE(described(readEquation(typed, ',')).find(kDegree3), std::string::npos) << typed;
}

TEST(EquationReader, LimitsOfLengthDepthAndSize)
{
    EXPECT_EQ(described(readEquation(std::string(1001, '1'), ',')),
              "@1000 La ecuación es demasiado larga: caben 1000 caracteres");
    EXPECT_EQ(described(readEquation(std::string(101, '(') + "x", ',')),
              "@100 Hay demasiados paréntesis, uno dentro de otro: caben 100");
    std::string tower = "9";
    for (int i = 0; i < 20; ++i)
        tower = "(" + tower + ")²";
    EXPECT_EQ(described(readEquation(tower + " = x²", ',')), "@8 Los números son demasiado grandes");
}

struct Written {
    const char* typed;
    const char* readAs;
    char separator;
};

TEST(EquationReader, WritesWhatItRead)
{
    const Written cases[] = {
        {"8x² − 4 = 3x(3x − 1) + 7x", "8x² − 4 = 3x·(3x − 1) + 7x", ','},
        {"x^2/2 - (x+1)/3 = 1", "x²/2 − (x + 1)/3 = 1", ','},
        {"x² − 5x", "x² − 5x = 0", ','},
        {"0,50x ** 2 <= 2", "0.50x² ≤ 2", '.'},
        {"2(x-1)^2=8/(2+1)", "2·(x − 1)² = 8/(2 + 1)", ','},
        {"-x*x >= (-3)", "−x·x ≥ (−3)", ','},
        {"(x / 2)x/(- 1) *2 = 1", "((x/2)·x)/(−1)·2 = 1", ','},
        {"x^2/2 - (− 1)/3 = 1", "x²/2 − (−1)/3 = 1", ','},
    };
    for (const Written& c : cases)
        EXPECT_EQ(readEquation(c.typed, c.separator).reading->readAs, c.readAs) << c.typed;
}

std::string working(const char* typed)
{
    auto steps = readEquation(typed, ',', kRecord).reading->steps;
    trx::translateSentences(steps, trx::untranslated);
    return trx::workingPlainText(steps);
}

TEST(EquationReader, StepsOfATeacher)
{
    EXPECT_EQ(working("8x² − 4 = 3x(3x − 1) + 7x"), "Ecuación:\n    8x² − 4 = 3x·(3x − 1) + 7x\n"
                                                    "Quitamos los paréntesis:\n    8x² − 4 = 9x² − 3x + 7x\n"
                                                    "Pasamos todos los términos al primer miembro:\n"
                                                    "    8x² − 4 − 9x² + 3x − 7x = 0\n"
                                                    "Agrupamos los términos semejantes:\n    −x² − 4x − 4 = 0\n"
                                                    "Multiplicamos por −1 para que el coeficiente de x² sea positivo:\n"
                                                    "    x² + 4x + 4 = 0\n"
                                                    "Coeficientes de la forma normal:\n    a = 1, b = 4, c = 4\n");
    EXPECT_EQ(working("x²/2 − (x + 1)/3 = 1"),
              "Ecuación:\n    x²/2 − (x + 1)/3 = 1\n"
              "Quitamos los paréntesis:\n    x²/2 − x/3 − 1/3 = 1\n"
              "Multiplicamos los dos miembros por 6, el mínimo común múltiplo de los denominadores:\n"
              "    3x² − 2x − 2 = 6\n"
              "Pasamos todos los términos al primer miembro:\n    3x² − 2x − 2 − 6 = 0\n"
              "Agrupamos los términos semejantes:\n    3x² − 2x − 8 = 0\n"
              "Coeficientes de la forma normal:\n    a = 3, b = −2, c = −8\n");
    const std::string notable = working("(x − 1)² + (x + 2)(x − 2) = 1");
    EXPECT_NE(notable.find("Quitamos los paréntesis con los productos notables (a − b)² = a² − 2ab + b², "
                           "(a + b)(a − b) = a² − b²:\n    x² − 2x + 1 + x² − 4 = 1\n"),
              std::string::npos);
    EXPECT_NE(working("0,5x² = 1,25")
                  .find("Multiplicamos por 100 para trabajar con números enteros:\n"
                        "    50x² = 125\n"),
              std::string::npos);
    EXPECT_NE(working("1 − x² > 0").find("la desigualdad cambia de sentido:\n    x² − 1 < 0\n"), std::string::npos);
    EXPECT_NE(trx::workingLatex(readEquation("x² ≤ 4", ',', kRecord).reading->steps).find("{x}^{2} - 4 \\le 0"),
              std::string::npos);
    EXPECT_EQ(working("x² − 5x = 0"),
              "Ecuación:\n    x² − 5x = 0\nCoeficientes de la forma normal:\n    a = 1, b = −5, c = 0\n");
}

std::string factorText(const trx::LinearFactor& f)
{
    return f.slope.get_str() + "x+" + f.constant.get_str();
}

TEST(EquationReader, ShapesAsTyped)
{
    const std::pair<const char*, const char*> products[] = {
        {"(x − 3)(2x + 1) = 0", "1 1x+-3 2x+1 ="},
        {"x(x − 5) = 0", "1 1x+0 1x+-5 ="},
        {"0 < −2x(x + 1)/3", "-2/3 1x+0 1x+1 >"},
        {"(x − 1)² = 0", "1 1x+-1 1x+-1 ="},
        {"x(x − 5) = 1", ""},
        {"(x − 1)(x + 1) + 1 = 0", ""},
    };
    for (const auto& [typed, expected] : products) {
        const auto form = trx::productFactors(readEquation(typed, ',').reading->typed);
        EXPECT_EQ(form ? form->constant.get_str() + " " + factorText(form->first) + " " + factorText(form->second) +
                             " " + trx::relationSign(form->relation)
                       : "",
                  expected)
            << typed;
    }
    const std::pair<const char*, const char*> squares[] = {
        {"(x − 1)² = 9", "1 1x+-1 -9 h=1 ="},
        {"2(x + 3)² − 8 = 0", "2 1x+3 -8 h=-3 ="},
        {"(2x − 1)² = 9", "1 2x+-1 -9 h=1/2 ="},
        {"3x² = 27", "3 1x+0 -27 h=0 ="},
        {"5 ≥ −(x + 1)²/2 + 1", "-1/2 1x+1 -4 h=-1 ≤"},
        {"(x − 1)² = x", ""},
        {"x² − 5x = 0", ""},
    };
    for (const auto& [typed, expected] : squares) {
        const auto form = trx::squareForm(readEquation(typed, ',').reading->typed);
        EXPECT_EQ(form ? form->a.get_str() + " " + factorText(form->base) + " " + form->k.get_str() +
                             " h=" + form->h().get_str() + " " + trx::relationSign(form->relation)
                       : "",
                  expected)
            << typed;
    }
}

// The shapes as the methods take them: "product constant·first·second",
// "square scale(x − shift)² = value", or "-" for none.
TEST(EquationReader, TypedShapeForTheMethods)
{
    const std::pair<const char*, const char*> cases[] = {
        {"x(x + 3) = 0", "1·(1x+0)(1x+3) -"},
        {"0 = −2x(x + 1)/3", "-2/3·(1x+0)(1x+1) -"},
        {"(x − 1)² = 0", "1·(1x+-1)(1x+-1) 1(x-1)²=0"},
        {"(2x − 1)² = 9", "- 4(x-1/2)²=9"},
        {"2(x + 1)² − 8 = 0", "- 2(x--1)²=8"},
        {"3x² = 27", "- 3(x-0)²=27"},
        {"x(x + 3) = 10", "- -"},
    };
    for (const auto& [typed, expected] : cases) {
        const trx::TypedShape shape = trx::typedShape(readEquation(typed, ',').reading->typed);
        const auto& p = shape.product;
        const auto& q = shape.square;
        EXPECT_EQ(
            (p ? p->constant.get_str() + "·(" + factorText(p->first) + ")(" + factorText(p->second) + ")"
               : std::string("-")) +
                " " +
                (q ? q->scale.get_str() + "(x-" + q->shift.get_str() + ")²=" + q->value.get_str() : std::string("-")),
            expected)
            << typed;
    }
}

// A random expression of degree `degree` at most, written as a user would,
// with its values at kPoints.
constexpr std::array<int, 4> kPoints = {-3, 0, 2, 7};
struct Generated {
    std::string text;
    std::array<mpq_class, 4> values;
    bool atom = true;  // needs no brackets as a factor
};

class Generator {
public:
    explicit Generator(unsigned seed) : random_(seed) { }
    Generated expression(int degree, int depth);

private:
    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }
    Generated leaf(int degree);
    static std::string factor(const Generated& g) { return g.atom ? g.text : "(" + g.text + ")"; }
    std::mt19937 random_;
};

Generated Generator::leaf(int degree)
{
    Generated out;
    if (degree > 0 && pick(2) == 0) {
        out.text = pick(2) == 0 ? "x" : "X";
        for (std::size_t i = 0; i < kPoints.size(); ++i)
            out.values[i] = kPoints[i];
        return out;
    }
    const int whole = pick(12);
    const int tenths = pick(3) == 0 ? pick(10) : -1;
    out.text = std::to_string(whole) + (tenths >= 0 ? (pick(2) == 0 ? "," : ".") + std::to_string(tenths) : "");
    out.values.fill(mpq_class(whole * 10 + std::max(tenths, 0), 10));
    for (mpq_class& value : out.values)
        value.canonicalize();
    return out;
}

Generated Generator::expression(int degree, int depth)
{
    if (depth == 0)
        return leaf(degree);
    Generated out;
    switch (pick(5)) {
    case 0: {  // a sum or difference
        const Generated x = expression(degree, depth - 1), y = expression(degree, depth - 1);
        const bool minus = pick(2) == 0;
        out.text = x.text + (minus ? " − " : " + ") + factor(y);
        for (std::size_t i = 0; i < kPoints.size(); ++i)
            out.values[i] = minus ? mpq_class(x.values[i] - y.values[i]) : mpq_class(x.values[i] + y.values[i]);
        out.atom = false;
        return out;
    }
    case 1: {  // a product, implicit when the second factor is bracketed
        const int first = pick(degree + 1);
        const Generated x = expression(first, depth - 1), y = expression(degree - first, depth - 1);
        const char* const signs[] = {"·", "*", "×", ""};
        const char* sign = y.atom ? signs[pick(3)] : signs[pick(4)];
        out.text = factor(x) + sign + factor(y);
        for (std::size_t i = 0; i < kPoints.size(); ++i)
            out.values[i] = x.values[i] * y.values[i];
        out.atom = false;
        return out;
    }
    case 2: {  // a fraction over a nonzero number
        const Generated x = expression(degree, depth - 1);
        const int divisor = 1 + pick(9);
        out.text = factor(x) + (pick(2) == 0 ? "/" : "÷") + std::to_string(divisor);
        for (std::size_t i = 0; i < kPoints.size(); ++i)
            out.values[i] = x.values[i] / divisor;
        out.atom = false;
        return out;
    }
    case 3: {  // a square
        const Generated x = expression(degree / 2, depth - 1);
        out.text = "(" + x.text + ")" + (pick(2) == 0 ? "²" : "^2");
        for (std::size_t i = 0; i < kPoints.size(); ++i)
            out.values[i] = x.values[i] * x.values[i];
        return out;
    }
    default:
        return leaf(degree);
    }
}

mpq_class normalValue(const trx::NormalForm& n, int x)
{
    return mpq_class(n.a * x * x + n.b * x + n.c);
}

TEST(EquationReader, GeneratedEquationsReduceExactlyAndRoundTrip)
{
    Generator generate(2024);
    for (int round = 0; round < 400; ++round) {
        const Generated left = generate.expression(2, 3), right = generate.expression(2, 3);
        const std::string typed = left.text + " = " + right.text;
        const auto result = readEquation(typed, ',');
        ASSERT_TRUE(result.reading) << typed << ": " << result.error.text();
        const trx::NormalForm& normal = result.reading->normal;
        // normal(x) = k·(left(x) − right(x)) for one k ≠ 0 at every point.
        std::size_t reference = 0;
        while (reference + 1 < kPoints.size() && left.values[reference] == right.values[reference])
            ++reference;
        const mpq_class typedAtReference = left.values[reference] - right.values[reference];
        for (std::size_t i = 0; i < kPoints.size(); ++i) {
            EXPECT_EQ(normalValue(normal, kPoints[i]) * typedAtReference,
                      normalValue(normal, kPoints[reference]) * (left.values[i] - right.values[i]))
                << typed;
            if (typedAtReference == 0) {
                EXPECT_EQ(normalValue(normal, kPoints[i]), 0) << typed;
            }
        }
        const auto recorded = readEquation(typed, ',', kRecord);
        EXPECT_EQ(described(recorded), described(result)) << typed;
        EXPECT_EQ(recorded.reading->readAs, result.reading->readAs) << typed;
        const auto again = readEquation(result.reading->readAs, ',');
        ASSERT_TRUE(again.reading) << result.reading->readAs;
        EXPECT_EQ(described(again), described(result)) << typed;
        EXPECT_EQ(again.reading->readAs, result.reading->readAs) << typed;
    }
}

}  // namespace
