// SPDX-License-Identifier: GPL-3.0-or-later
#include "field/text_repair.h"

#include "core/number_text.h"

#include <algorithm>

namespace trx {

Repair decideRepair(const FieldChange& change, char separator, const std::function<std::string()>& clipboardText)
{
    if (change.activeText) {
        const auto separators = std::count_if(change.activeText->begin(), change.activeText->end(),
                                              [](char c) { return c == ',' || c == '.'; });
        if (separators >= 2)
            return Repair::SecondSeparator;
    }
    // A number in the making ("-", "5E-") must survive while it is typed.
    if (change.typing || !change.enabled || change.text.empty() || isNumeric(change.text, separator))
        return Repair::None;
    const std::string clipboard = clipboardText();
    return clipboard.empty() || isNumeric(clipboard, separator) ? Repair::None : Repair::NotANumber;
}

}  // namespace trx
