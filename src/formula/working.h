// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The steps of a worked solution (derivation.h makes them) and what is done
// with them without redoing the mathematics: their sentences translated, and
// the whole working as plain text, LaTeX and MathML.

#include "formula/formula.h"
#include "formula/translatable.h"

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

// Rewrites every sentence from its phrases in the translator's language.
void translateSentences(std::vector<WorkedStep>& steps, const Translator& translate);

std::string workingPlainText(const std::vector<WorkedStep>& steps);
std::string workingLatex(const std::vector<WorkedStep>& steps);
// One <math> element with the MathML namespace, a table of sentences and formulas.
std::string workingMathml(const std::vector<WorkedStep>& steps);

}  // namespace trx
