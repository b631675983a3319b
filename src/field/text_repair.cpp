// SPDX-License-Identifier: GPL-3.0-or-later
#include "field/text_repair.h"

#include "core/number_text.h"

#include <algorithm>

namespace trx {

namespace {

bool separatorInExponent(std::string_view text)
{
    const auto mark = text.find_first_of("Ee");
    return mark != std::string_view::npos && text.find_first_of(",.", mark) != std::string_view::npos;
}

}  // namespace

Repair decideRepair(const FieldChange& change, char separator, const std::function<std::string()>& clipboardText)
{
    if (change.activeText) {
        const auto separators = std::count_if(change.activeText->begin(), change.activeText->end(),
                                              [](char c) { return c == ',' || c == '.'; });
        if (separators >= 2)
            return Repair::SecondSeparator;
    }
    // No key puts a separator after the exponent mark, nor can a number
    // in the making hold one there: whatever its road in, it goes.
    if (change.enabled && separatorInExponent(change.text))
        return Repair::NotANumber;
    // A number in the making ("-", "5E-") must survive while it is typed.
    if (change.typing || !change.enabled || change.text.empty() || isNumeric(change.text, separator))
        return Repair::None;
    const std::string clipboard = clipboardText();
    return clipboard.empty() || isNumeric(clipboard, separator) ? Repair::None : Repair::NotANumber;
}

}  // namespace trx
