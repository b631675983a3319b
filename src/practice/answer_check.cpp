// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/answer_check.h"

#include <algorithm>

namespace trx::practice {

namespace {

enum class Closeness { None, TooFewDigits, Rounded, Exact };

struct Given {
    ExactValue value;
    const AnswerLine* line;
};

// A part of a root against the decimal typed for it.
Closeness partCloseness(const SurdPart& root, const mpz_class& radicand, const mpq_class& given,
                        const std::optional<DecimalPrecision>& precision)
{
    if (root.surd == 0 && root.rational == given) {
        return Closeness::Exact;
    }
    if (!precision) {
        return Closeness::None;
    }
    const mpq_class offset = root.rational - given;
    const bool within = signOf(offset - precision->halfUnit, root.surd, radicand) <= 0 &&
                        signOf(offset + precision->halfUnit, root.surd, radicand) >= 0;
    if (!within) {
        return Closeness::None;
    }
    return precision->significantDigits >= 3 ? Closeness::Rounded : Closeness::TooFewDigits;
}

Closeness closeness(const Given& given, const ExactValue& root)
{
    if (given.value == root) {
        return Closeness::Exact;
    }
    const AnswerLine& line = *given.line;
    if (!line.realPrecision && !line.imaginaryPrecision) {
        return Closeness::None;
    }
    // A decimal line holds rationals only: its radicand is 1.
    return std::min(
        partCloseness(root.real, root.radicand, given.value.real.rational, line.realPrecision),
        partCloseness(root.imaginary, root.radicand, given.value.imaginary.rational, line.imaginaryPrecision));
}

bool isClose(Closeness closeness)
{
    return closeness >= Closeness::Rounded;
}

ExactValue half(const ExactValue& x)
{
    return *quotient(x, ExactValue::rational(2));
}

bool isSimplest(const AnswerLine& line)
{
    std::vector<std::string> spellings;
    if (line.plusMinus) {
        spellings = simplestPairSpellings(half(*sum(line.values[0], line.values[1])),
                                          half(*sum(line.values[0], -line.values[1])));
    } else {
        spellings = simplestSpellings(line.values[0]);
    }
    return std::any_of(spellings.begin(), spellings.end(),
                       [&](const std::string& spelling) { return compactSpelling(spelling) == line.compact; });
}

Verdict wrong(const char* pattern)
{
    return {Verdict::Kind::Wrong, {pattern, {}}, "", -1, -1};
}

// What is wrong, where it can be told, for two roots that differ.
Verdict diagnosis(const std::vector<Given>& given, const std::array<ExactValue, 2>& roots)
{
    auto close = [&](std::size_t g, std::size_t k) { return isClose(closeness(given[g], roots[k])); };
    auto closeToAny = [&](std::size_t g) { return close(g, 0) || close(g, 1); };
    auto negated = [&](std::size_t g, std::size_t k) { return given[g].value == -roots[k]; };
    if (given.size() == 1) {
        return closeToAny(0) ? wrong(QT_TRANSLATE_NOOP("Practica", "Falta la otra solución."))
                             : wrong(QT_TRANSLATE_NOOP("Practica", "Eso no es una solución de la ecuación."));
    }
    if ((close(0, 0) && close(1, 0)) || (close(0, 1) && close(1, 1))) {
        return wrong(QT_TRANSLATE_NOOP("Practica", "Has escrito la misma solución dos veces; falta la otra."));
    }
    if (closeToAny(0) || closeToAny(1)) {
        const std::size_t other = closeToAny(0) ? 1 : 0;
        const std::size_t missing = close(1 - other, 0) ? 1 : 0;
        return negated(other, missing)
                   ? wrong(QT_TRANSLATE_NOOP("Practica", "Una solución está bien; la otra tiene el signo cambiado."))
                   : wrong(QT_TRANSLATE_NOOP("Practica", "Una solución está bien; la otra no."));
    }
    if ((negated(0, 0) && negated(1, 1)) || (negated(0, 1) && negated(1, 0))) {
        return wrong(QT_TRANSLATE_NOOP("Practica", "Las dos soluciones tienen el signo cambiado."));
    }
    return wrong(QT_TRANSLATE_NOOP("Practica", "Ninguna de las dos es solución de la ecuación."));
}

bool matches(const std::vector<Given>& given, const std::array<ExactValue, 2>& roots, bool allowTooFew)
{
    auto close = [&](std::size_t g, std::size_t k) {
        const Closeness c = closeness(given[g], roots[k]);
        return isClose(c) || (allowTooFew && c == Closeness::TooFewDigits);
    };
    if (roots[0] == roots[1]) {
        return std::all_of(given.begin(), given.end(), [&](const Given& g) { return close(&g - given.data(), 0); });
    }
    return given.size() == 2 && ((close(0, 0) && close(1, 1)) || (close(0, 1) && close(1, 0)));
}

Verdict rightVerdict(const std::vector<Given>& given, const std::array<ExactValue, 2>& roots,
                     const std::array<const AnswerLine*, 2>& lines)
{
    const bool rounded = std::any_of(given.begin(), given.end(), [&](const Given& g) {
        return closeness(g, roots[0]) != Closeness::Exact && closeness(g, roots[1]) != Closeness::Exact;
    });
    if (rounded) {
        return {
            Verdict::Kind::RightDecimal,
            {QT_TRANSLATE_NOOP("Practica", "Correcto; la forma exacta es mejor: %1"), {rootsText(roots[0], roots[1])}},
            rootsText(roots[0], roots[1]),
            -1,
            -1};
    }
    std::string simpler;
    for (const AnswerLine* line : lines) {
        if (line->shape != AnswerLine::Shape::Values || line->hasDecimal || isSimplest(*line)) {
            continue;
        }
        const std::string text =
            line->plusMinus ? rootsText(line->values[1], line->values[0]) : valueText(line->values[0]);
        simpler += (simpler.empty() ? "" : "; ") + text;
    }
    if (simpler.empty()) {
        return {Verdict::Kind::Right, {nullptr, {}}, "", -1, -1};
    }
    return {Verdict::Kind::RightNotSimplest,
            {QT_TRANSLATE_NOOP("Practica", "Correcto; más simple: %1"), {simpler}},
            simpler,
            -1,
            -1};
}

Verdict noRealSolutionVerdict(const std::array<ExactValue, 2>& roots, const std::array<const AnswerLine*, 2>& lines)
{
    const bool otherLineSaysMore = std::any_of(
        lines.begin(), lines.end(), [](const AnswerLine* line) { return line->shape == AnswerLine::Shape::Values; });
    if (otherLineSaysMore) {
        return wrong(QT_TRANSLATE_NOOP("Practica", "Dices que no hay solución real, pero escribes una solución."));
    }
    if (roots[0].isReal()) {
        return wrong(QT_TRANSLATE_NOOP("Practica", "La ecuación sí tiene soluciones reales."));
    }
    return {Verdict::Kind::Right, {nullptr, {}}, "", -1, -1};
}

Verdict verdictOn(const std::array<ExactValue, 2>& roots, const std::array<const AnswerLine*, 2>& lines)
{
    if (lines[0]->shape == AnswerLine::Shape::NoRealSolution || lines[1]->shape == AnswerLine::Shape::NoRealSolution) {
        return noRealSolutionVerdict(roots, lines);
    }
    std::vector<Given> given;
    for (const AnswerLine* line : lines) {
        for (const ExactValue& value : line->values) {
            given.push_back({value, line});
        }
    }
    if (given.empty()) {
        return wrong(QT_TRANSLATE_NOOP("Practica", "Escribe las soluciones, una en cada línea."));
    }
    if (given.size() > 2) {
        return wrong(QT_TRANSLATE_NOOP("Practica", "Una ecuación de segundo grado tiene dos soluciones como mucho."));
    }
    if (matches(given, roots, false)) {
        return rightVerdict(given, roots, lines);
    }
    if (matches(given, roots, true)) {
        return wrong(QT_TRANSLATE_NOOP("Practica", "Escribe al menos tres cifras significativas, o la forma exacta."));
    }
    if (roots[0] == roots[1]) {
        return wrong(QT_TRANSLATE_NOOP("Practica", "No es la solución de la ecuación."));
    }
    return diagnosis(given, roots);
}

}  // namespace

std::string rootsText(const ExactValue& first, const ExactValue& second)
{
    if (first == second) {
        return valueText(first);
    }
    const ExactValue center = half(*sum(first, second));
    const ExactValue offset = half(*sum(second, -first));
    if (!offset.isRational() || center.isZero()) {
        return pairText(center, offset);
    }
    return valueText(first) + "; " + valueText(second);
}

Verdict checkAnswer(const std::array<ExactValue, 2>& roots, std::string_view firstLine, std::string_view secondLine)
{
    const std::array<LineReading, 2> readings = {readAnswerLine(firstLine), readAnswerLine(secondLine)};
    for (int index = 0; index < 2; ++index) {
        if (const auto& error = readings[static_cast<std::size_t>(index)].error) {
            return {Verdict::Kind::Malformed, error->sentence, "", index, error->column};
        }
    }
    return verdictOn(roots, {&*readings[0].line, &*readings[1].line});
}

std::string noteText(const Verdict& verdict, const Translator& translate)
{
    if (!verdict.note.pattern) {
        return {};
    }
    return filled(translate(kPracticeContext, verdict.note.pattern), verdict.note.arguments);
}

}  // namespace trx::practice
