// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_rules/solve_summary.h"

#include "exact/solve.h"

#include <gtest/gtest.h>

#include <map>

namespace trx {
namespace {

TEST(SolveSummary, FractionsInWordsOtherValuesAsShown)
{
    struct Case {
        std::array<std::string, 4> fields;
        const char* summary;
    };
    const Case cases[] = {
        {{"4", "-4", "-3", "0"}, "Dos soluciones reales: x uno igual a 3 medios, x dos igual a menos un medio"},
        {{"1", "-5", "6", "0"}, "Dos soluciones reales: x uno igual a 3, x dos igual a 2"},
        {{"9", "0", "-1", "0"}, "Dos soluciones reales: x uno igual a un tercio, x dos igual a menos un tercio"},
        {{"10", "-7", "1", "0"}, "Dos soluciones reales: x uno igual a un medio, x dos igual a un quinto"},
        {{"100", "-70", "-44", "0"}, "Dos soluciones reales: x uno igual a 11 décimos, x dos igual a menos 2 quintos"},
        {{"11", "-12", "1", "0"}, "Dos soluciones reales: x uno igual a 1, x dos igual a 1 entre 11"},
        {{"1", "-2", "1", "0"}, "Una solución real doble: x igual a 1"},
        // Irrational roots, a zero root (its fraction stays covered) and
        // complex roots: the decimals the solutions show.
        {{"1", "2", "-1", "0"},
         "Dos soluciones reales: x uno igual a 0,414213562373095, x dos igual a -2,4142135623731"},
        {{"1", "4", "0", "0"}, "Dos soluciones reales: x uno igual a 0, x dos igual a -4"},
        {{"1", "2", "5", "0"}, "Dos soluciones complejas: x uno igual a -1+ i2, x dos igual a -1- i2"},
        {{"0", "2", "5", "0"}, ""},
        {{"1E308", "9", "-5", "0"}, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(solveSummary(solve({c.fields}), untranslated), c.summary) << c.fields[0] << " " << c.fields[1];
}

TEST(SolveSummary, EveryWordThroughTheTranslation)
{
    const std::map<std::string, std::string> english = {
        {"Dos soluciones reales: x uno igual a %1, x dos igual a %2",
         "Two real solutions: x one equals %1, x two equals %2"},
        {"%1 medios", "%1 halves"},
        {"un medio", "one half"},
        {"menos", "minus"},
    };
    const Translator translate = [&](const char*, const char* source) { return english.at(source); };
    EXPECT_EQ(solveSummary(solve({{"4", "-4", "-3", "0"}}), translate),
              "Two real solutions: x one equals 3 halves, x two equals minus one half");
}

}  // namespace
}  // namespace trx
