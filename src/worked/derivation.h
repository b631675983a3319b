// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The worked solution: how a textbook gets from the equation as typed to its
// simplest exact solutions.  The four coefficient texts of a·x² + b·x + c = d
// go in, a list of steps comes out, each a short sentence and a formula (see
// formula.h).  The sentences are Spanish, made of templates that the window
// translates (translatable.h).  Everything is exact: the typed decimals are
// scaled to integers, and the discriminant, the roots, the factored and
// vertex forms and the check are worked on GMP's integers and rationals.
// Only the decimal values are rounded, and they say so with "≈".
//
// The window (shell/desarrollo.h) shows the steps and copies them in the
// three forms below.

#include "worked/formula.h"
#include "worked/translatable.h"

#include <array>
#include <string>
#include <vector>

namespace trx {

// A piece of a step's sentence: a Spanish template marked for translation
// and what fills its %1, %2…
struct Phrase {
    const char* pattern;
    std::vector<std::string> arguments;
};

struct WorkedStep {
    std::string sentence;  // the phrases filled in, Spanish until translated
    math::Node formula;
    std::vector<Phrase> phrases;
};

// Nothing when a text is not a number or a = 0.
std::vector<WorkedStep> deriveSolution(const std::array<std::string, 4>& fields, char separator);

// Rewrites every sentence from its phrases in the translator's language.
void translateSentences(std::vector<WorkedStep>& steps, const Translator& translate);

std::string workingPlainText(const std::vector<WorkedStep>& steps);
std::string workingLatex(const std::vector<WorkedStep>& steps);
// One <math> element with the MathML namespace, a table of sentences and formulas.
std::string workingMathml(const std::vector<WorkedStep>& steps);

}  // namespace trx
