// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_rules/solve_summary.h"

#include "exact/solve.h"

#include <charconv>
#include <optional>

namespace trx {
namespace {

// The names of the parts from halves to tenths, as one and as several.
struct PartName {
    const char* one;
    const char* several;
};
constexpr PartName kPartNames[] = {
    {QT_TRANSLATE_NOOP("SolveSummary", "un medio"), QT_TRANSLATE_NOOP("SolveSummary", "%1 medios")},
    {QT_TRANSLATE_NOOP("SolveSummary", "un tercio"), QT_TRANSLATE_NOOP("SolveSummary", "%1 tercios")},
    {QT_TRANSLATE_NOOP("SolveSummary", "un cuarto"), QT_TRANSLATE_NOOP("SolveSummary", "%1 cuartos")},
    {QT_TRANSLATE_NOOP("SolveSummary", "un quinto"), QT_TRANSLATE_NOOP("SolveSummary", "%1 quintos")},
    {QT_TRANSLATE_NOOP("SolveSummary", "un sexto"), QT_TRANSLATE_NOOP("SolveSummary", "%1 sextos")},
    {QT_TRANSLATE_NOOP("SolveSummary", "un séptimo"), QT_TRANSLATE_NOOP("SolveSummary", "%1 séptimos")},
    {QT_TRANSLATE_NOOP("SolveSummary", "un octavo"), QT_TRANSLATE_NOOP("SolveSummary", "%1 octavos")},
    {QT_TRANSLATE_NOOP("SolveSummary", "un noveno"), QT_TRANSLATE_NOOP("SolveSummary", "%1 novenos")},
    {QT_TRANSLATE_NOOP("SolveSummary", "un décimo"), QT_TRANSLATE_NOOP("SolveSummary", "%1 décimos")},
};

std::optional<long> wholeNumber(const std::string& text)
{
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string fractionInWords(long numerator, long denominator, const Translator& translate)
{
    if (numerator < 0)
        return translate("SpokenFormula", "menos") + " " + fractionInWords(-numerator, denominator, translate);
    const std::string over = std::to_string(numerator);
    if (denominator == 1)
        return over;
    if (denominator > 10)
        return filled(translate("SpokenFormula", "%1 entre %2"), {over, std::to_string(denominator)});
    const PartName& part = kPartNames[denominator - 2];
    return numerator == 1 ? translate("SolveSummary", part.one)
                          : filled(translate("SolveSummary", part.several), {over});
}

// Solution `row` in words when the exact display shows it as a fraction of
// whole numbers, else as the solve wrote it.
std::string solutionInWords(const SolveResult& result, std::size_t row, const Translator& translate)
{
    const ExactForms& exact = result.exact;
    const std::string& decimal = row == 0 ? result.solution1 : result.solution2;
    if (exact.complexCaptions || !exact.reducedRowUncovered[row])
        return decimal;
    const auto numerator = wholeNumber(exact.reducedNumerator[row]);
    const auto denominator = wholeNumber(exact.reducedDenominator[row]);
    if (!numerator || !denominator || *denominator < 1)
        return decimal;
    return fractionInWords(*numerator, *denominator, translate);
}

}  // namespace

std::string solveSummary(const SolveResult& result, const Translator& translate)
{
    const auto both = [&](const char* sentence) {
        return filled(translate("StatusBar", sentence),
                      {solutionInWords(result, 0, translate), solutionInWords(result, 1, translate)});
    };
    switch (result.outcome) {
    case SolveOutcome::TwoRealRoots:
        return both(QT_TRANSLATE_NOOP("StatusBar", "Dos soluciones reales: x uno igual a %1, x dos igual a %2"));
    case SolveOutcome::DoubleRoot:
        return filled(translate("StatusBar", QT_TRANSLATE_NOOP("StatusBar", "Una solución real doble: x igual a %1")),
                      {solutionInWords(result, 0, translate)});
    case SolveOutcome::ComplexRoots:
        return both(QT_TRANSLATE_NOOP("StatusBar", "Dos soluciones complejas: x uno igual a %1, x dos igual a %2"));
    default:
        return {};
    }
}

}  // namespace trx
