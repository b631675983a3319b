// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_rules/notation_switch.h"

#include "core/display_formats.h"

#include <algorithm>
#include <cctype>

namespace trx {
namespace {

bool containsDigit(const std::string& text)
{
    return std::any_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
}

}  // namespace

NotationTexts switchNotation(NotationTexts texts, bool scientific, char separator)
{
    const auto format = scientific ? scientificForm : fixedForm;
    for (std::string& field : texts.fields)
        field = format(field, separator);
    for (std::size_t i = 0; i < texts.copies.size(); ++i) {
        if (!scientific)
            texts.copies[i] = fixedForm(texts.copies[i], separator);
        // Copies put in fixed form by an earlier switch come back from the
        // solutions themselves, not from their rounded fixed form.
        else if (!texts.copiesFromSolve && containsDigit(texts.copies[i]))
            texts.copies[i] = scientificForm(texts.solutions[i], separator);
    }
    texts.copiesFromSolve = false;
    return texts;
}

}  // namespace trx
