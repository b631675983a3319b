// SPDX-License-Identifier: GPL-3.0-or-later
#include "formula/working.h"

#include <utility>

namespace trx {

namespace {

// Text with the few symbols the sentences use, made safe for LaTeX.
std::string latexSentence(const std::string& sentence)
{
    static const std::pair<std::string, std::string> symbols[] = {{"−", "$-$"},    {"²", "$^2$"}, {"≈", "$\\approx$"},
                                                                  {">", "$>$"},    {"<", "$<$"},  {"≤", "$\\le$"},
                                                                  {"≥", "$\\ge$"}, {"₁", "$_1$"}, {"₂", "$_2$"}};
    std::string out = sentence;
    for (const auto& [symbol, replacement] : symbols) {
        for (std::size_t at = out.find(symbol); at != std::string::npos; at = out.find(symbol, at + replacement.size()))
            out.replace(at, symbol.size(), replacement);
    }
    return out;
}

}  // namespace

void translateSentences(std::vector<WorkedStep>& steps, const Translator& translate)
{
    for (WorkedStep& step : steps) {
        step.sentence.clear();
        for (const Phrase& phrase : step.phrases)
            step.sentence += filled(translate("Derivation", phrase.pattern), phrase.arguments);
    }
}

std::string workingPlainText(const std::vector<WorkedStep>& steps)
{
    std::string out;
    for (const WorkedStep& step : steps)
        out += step.sentence + "\n    " + math::plainText(step.formula) + "\n";
    return out;
}

std::string workingLatex(const std::vector<WorkedStep>& steps)
{
    std::string out;
    for (const WorkedStep& step : steps)
        out += latexSentence(step.sentence) + "\n\\[ " + math::latex(step.formula) + " \\]\n\n";
    return out;
}

std::string workingMathml(const std::vector<WorkedStep>& steps)
{
    std::string out = "<math xmlns=\"http://www.w3.org/1998/Math/MathML\" display=\"block\">"
                      "<mtable columnalign=\"left\">";
    for (const WorkedStep& step : steps) {
        out += "<mtr><mtd><mtext>" + math::xmlEscaped(step.sentence) + "</mtext></mtd></mtr>";
        out += "<mtr><mtd>" + math::mathml(step.formula) + "</mtd></mtr>";
    }
    return out + "</mtable></math>";
}

}  // namespace trx
