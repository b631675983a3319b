// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/answer_check.h"

#include <gtest/gtest.h>

namespace {

using trx::practice::ExactValue;
using Kind = trx::practice::Verdict::Kind;

ExactValue valueOf(const char* text)
{
    return trx::practice::readAnswerLine(text).line->values.at(0);
}

struct Case {
    const char* roots[2];
    const char* lines[2];
    Kind kind;
    const char* expected;  // the note filled in, or for Malformed "line:column sentence"
};

const Case kCases[] = {
    // Right in many spellings, in either order.
    {{"2", "3"}, {"3", "x = 2"}, Kind::Right, ""},
    {{"3/2", "-1"}, {"x1 = 1,5", "x₂ = −1"}, Kind::Right, ""},
    {{"3/2", "-1"}, {"-1", "1.5"}, Kind::Right, ""},
    {{"-1+√2", "-1-√2"}, {"-1+sqrt(2)", "-1 - raíz(2)"}, Kind::Right, ""},
    {{"-1+√2", "-1-√2"}, {"√2 − 1", "−√(2) − 1"}, Kind::Right, ""},
    {{"-1+√2", "-1-√2"}, {"−1 ± √2", ""}, Kind::Right, ""},
    {{"-1+√2", "-1-√2"}, {"", "-1 +- √2"}, Kind::Right, ""},
    {{"(1+√5)/2", "(1-√5)/2"}, {"1/2 ± √5/2", ""}, Kind::Right, ""},
    {{"2√2", "-2√2"}, {"±2·√2", ""}, Kind::Right, ""},
    {{"2√2", "-2√2"}, {"2*sqrt(2)", "-2√2"}, Kind::Right, ""},
    {{"2-3i", "2+3i"}, {"2 - 3i", "2 + i3"}, Kind::Right, ""},
    {{"i", "-i"}, {"±i", ""}, Kind::Right, ""},
    {{"(-1+i√3)/2", "(-1-i√3)/2"}, {"(−1 ± √3i)/2", ""}, Kind::Right, ""},
    {{"(-1+i√3)/2", "(-1-i√3)/2"}, {"no tiene solución real", ""}, Kind::Right, ""},
    {{"(-1+i√3)/2", "(-1-i√3)/2"}, {"No Té Solució Real.", ""}, Kind::Right, ""},
    {{"(-1+i√3)/2", "(-1-i√3)/2"}, {"no real solution", "no real solution"}, Kind::Right, ""},
    {{"5", "5"}, {"5", ""}, Kind::Right, ""},
    {{"5", "5"}, {"5", "5"}, Kind::Right, ""},
    {{"5", "1"}, {" x = 3 +/- 2", ""}, Kind::Right, ""},
    {{"1+i", "-1-i"}, {"±(1 + i)", ""}, Kind::Right, ""},
    // Right, but a simpler form exists.
    {{"-1+√2", "-1-√2"}, {"(−2 ± √8)/2", ""}, Kind::RightNotSimplest, "Correcto; más simple: −1 ± √2"},
    {{"2√2", "1"}, {"√8", "1"}, Kind::RightNotSimplest, "Correcto; más simple: 2√2"},
    {{"3/2", "2"}, {"6/4", "4/2"}, Kind::RightNotSimplest, "Correcto; más simple: 3/2; 2"},
    {{"2i", "-2i"}, {"±√(-4)", ""}, Kind::RightNotSimplest, "Correcto; más simple: ±2i"},
    {{"2", "-2"}, {"±−2", ""}, Kind::RightNotSimplest, "Correcto; más simple: ±2"},
    // Decimals: rounded at the digits given, at least three of them.
    {{"-1+√2", "-1-√2"}, {"0,414", "-2,41"}, Kind::RightDecimal, "Correcto; la forma exacta es mejor: −1 ± √2"},
    {{"-1+√2", "-1-√2"}, {"0.4142136", "-2.414214"}, Kind::RightDecimal, "Correcto; la forma exacta es mejor: −1 ± √2"},
    {{"-1+√2", "-1-√2"}, {"±1,41 - 1", ""}, Kind::Wrong, "Ninguna de las dos es solución de la ecuación."},
    {{"1/8", "2"}, {"0,125", "2"}, Kind::Right, ""},
    {{"3", "2"}, {"1,5·2", "2"}, Kind::Right, ""},
    {{"1/800", "2"}, {"0,00125", "2"}, Kind::Right, ""},
    {{"1/8", "2"}, {"0,13", "2"}, Kind::Wrong, "Escribe al menos tres cifras significativas, o la forma exacta."},
    {{"1/2000", "2"}, {"0,0005", "2"}, Kind::Right, ""},
    {{"1/3", "2"}, {"0,333", "2"}, Kind::RightDecimal, "Correcto; la forma exacta es mejor: 1/3; 2"},
    {{"1/3", "1/3"}, {"0,3333", ""}, Kind::RightDecimal, "Correcto; la forma exacta es mejor: 1/3"},
    {{"1+i", "1-i"}, {"1,00", "1-i"}, Kind::Wrong, "Una solución está bien; la otra no."},
    {{"1/3", "2"}, {"0,334", "2"}, Kind::Wrong, "Una solución está bien; la otra no."},
    {{"201/200", "3"}, {"1,00", "3"}, Kind::RightDecimal, "Correcto; la forma exacta es mejor: 201/200; 3"},
    {{"201/200", "3"}, {"1,01", "3"}, Kind::RightDecimal, "Correcto; la forma exacta es mejor: 201/200; 3"},
    {{"201/200", "3"}, {"1,02", "3"}, Kind::Wrong, "Una solución está bien; la otra no."},
    {{"-1+i√3", "-1-i√3"}, {"-1 ± 1,73i", ""}, Kind::RightDecimal, "Correcto; la forma exacta es mejor: −1 ± i√3"},
    {{"-1+i√3", "-1-i√3"}, {"-1 ± 1,74i", ""}, Kind::Wrong, "Ninguna de las dos es solución de la ecuación."},
    // Wrong, with what can be told.
    {{"2", "3"}, {"-2", "-3"}, Kind::Wrong, "Las dos soluciones tienen el signo cambiado."},
    {{"2", "3"}, {"2", "-3"}, Kind::Wrong, "Una solución está bien; la otra tiene el signo cambiado."},
    {{"2", "3"}, {"2", ""}, Kind::Wrong, "Falta la otra solución."},
    {{"2", "3"}, {"2", "2"}, Kind::Wrong, "Has escrito la misma solución dos veces; falta la otra."},
    {{"2", "3"}, {"", ""}, Kind::Wrong, "Escribe las soluciones, una en cada línea."},
    {{"2", "3"}, {"±2", "3"}, Kind::Wrong, "Una ecuación de segundo grado tiene dos soluciones como mucho."},
    {{"2", "3"}, {"no tiene solución real", ""}, Kind::Wrong, "La ecuación sí tiene soluciones reales."},
    {{"2-3i", "2+3i"}, {"2 + 3i", "2 + 3i"}, Kind::Wrong, "Has escrito la misma solución dos veces; falta la otra."},
    {{"5", "5"}, {"-5", ""}, Kind::Wrong, "No es la solución de la ecuación."},
    {{"i", "-i"},
     {"no tiene solución real", "i"},
     Kind::Wrong,
     "Dices que no hay solución real, pero escribes una solución."},
    // Lines that cannot be read: the line, the column and why.
    {{"2", "3"}, {"2", "2 3"}, Kind::Malformed, "1:2 Sobra algo aquí: escribe una sola solución por línea."},
    {{"2", "3"}, {"(2", "3"}, Kind::Malformed, "0:2 Falta cerrar un paréntesis."},
    {{"2", "3"}, {"2)", "3"}, Kind::Malformed, "0:1 Sobra un paréntesis de cierre."},
    {{"2", "3"}, {"2 +", "3"}, Kind::Malformed, "0:3 Falta un número aquí."},
    {{"2", "3"}, {"1/0", "3"}, Kind::Malformed, "0:1 No se puede dividir entre cero."},
    {{"2", "3"}, {"±1 ± 2", "3"}, Kind::Malformed, "0:3 Escribe un solo signo ± en cada línea."},
    {{"2", "3"}, {"√2 + √3", "3"}, Kind::Malformed, "0:3 No sé combinar raíces distintas, como √2 y √3."},
    {{"2", "3"}, {"√(1 + √2)", "3"}, Kind::Malformed, "0:0 Solo sé sacar la raíz cuadrada de un número racional."},
    {{"2", "3"}, {"1,2,3", "3"}, Kind::Malformed, "0:3 Un número tiene un solo separador decimal."},
    {{"2", "3"}, {"2y", "3"}, Kind::Malformed, "0:1 No sé leer «y» en una solución."},
    {{"2", "3"}, {"2 😀", "3"}, Kind::Malformed, "0:2 No sé leer «😀» en una solución."},
    {{"2", "3"}, {"2\xff", "3"}, Kind::Malformed, "0:1 No sé leer «\uFFFD» en una solución."},
    {{"2", "3"}, {"1,+2", "3"}, Kind::Malformed, "0:2 Falta una cifra después del separador decimal."},
    {{"2", "3"}, {"2·)", "3"}, Kind::Malformed, "0:2 Falta un número aquí."},
    {{"2", "3"}, {"√)", "3"}, Kind::Malformed, "0:1 Falta un número aquí."},
    {{"2", "3"}, {"(1 + √2)√3", "3"}, Kind::Malformed, "0:8 No sé combinar raíces distintas, como √2 y √3."},
    {{"2", "3"}, {"√1000073001431003663", "3"}, Kind::Malformed, "0:0 El número bajo la raíz es demasiado grande."},
    {{"2", "3"}, {"x = 2 = 3", "3"}, Kind::Malformed, "0:6 Escribe solo la solución, sin otro signo «=»."},
    {{"2", "3"}, {"2^17", "3"}, Kind::Malformed, "0:2 El exponente ha de ser un número natural hasta 16."},
    {{"2", "3"},
     {"(((((((((((((((((((((2)))))))))))))))))))))", "3"},
     Kind::Malformed,
     "0:20 Hay demasiados paréntesis, raíces o signos unos dentro de otros."},
    {{"2", "3"},
     {"---------------------2", "3"},
     Kind::Malformed,
     "0:20 Hay demasiados paréntesis, raíces o signos unos dentro de otros."},
    {{"2", "3"},
     {"√√√√√√√√√√√√√√√√√√√√√2", "3"},
     Kind::Malformed,
     "0:20 Hay demasiados paréntesis, raíces o signos unos dentro de otros."},
    {{"2", "3"}, {"99999^16^16", "3"}, Kind::Malformed, "0:8 Los números son demasiado grandes."},
};

TEST(AnswerCheck, Verdicts)
{
    for (const Case& test : kCases) {
        SCOPED_TRACE(std::string(test.lines[0]) + " | " + test.lines[1]);
        const trx::practice::Verdict verdict =
            trx::practice::checkAnswer({valueOf(test.roots[0]), valueOf(test.roots[1])}, test.lines[0], test.lines[1]);
        EXPECT_EQ(verdict.kind, test.kind);
        std::string shown = trx::practice::noteText(verdict, trx::untranslated);
        if (verdict.kind == Kind::Malformed) {
            shown = std::to_string(verdict.line) + ":" + std::to_string(verdict.column) + " " + shown;
        }
        EXPECT_EQ(shown, test.expected);
    }
}

TEST(AnswerCheck, LongLinesAreRefusedAtTheLimit)
{
    const std::string line(201, '1');
    const auto verdict = trx::practice::checkAnswer({valueOf("1"), valueOf("2")}, "1", line);
    EXPECT_EQ(verdict.kind, Kind::Malformed);
    EXPECT_EQ(verdict.line, 1);
    EXPECT_EQ(verdict.column, 200);
}

TEST(ExactValue, SimplestTexts)
{
    const std::pair<const char*, const char*> cases[] = {
        {"6/4", "3/2"},
        {"-1 + √2", "−1 + √2"},
        {"(2 + √20)/4", "(1 + √5)/2"},
        {"√(1/2)", "√2/2"},
        {"√-12", "2i√3"},
        {"(−1 − √-3)/2", "(−1 − i√3)/2"},
        {"√2·√6", "2√3"},
        {"1/(1 + √2)", "−1 + √2"},
        {"1/(1 + i)", "(1 − i)/2"},
        {"(1 + √2)²", "3 + 2√2"},
        {"i^3", "−i"},
        {"√0", "0"},
        {"√-2·√-3", "−√6"},
        {"√-2·√3", "i√6"},
    };
    for (const auto& [typed, simplest] : cases) {
        EXPECT_EQ(trx::practice::valueText(valueOf(typed)), simplest) << typed;
    }
}

}  // namespace
