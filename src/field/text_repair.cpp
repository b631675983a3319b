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

// A sign, digits, one separator and an exponent mark, each where a number
// has them, however far the typing has got: "-", "5,", "5E-".
bool numberInTheMaking(std::string_view text)
{
    std::size_t at = 0;
    const auto skip = [&text, &at](std::string_view characters) {
        while (at < text.size() && characters.find(text[at]) != std::string_view::npos)
            ++at;
    };
    const auto one = [&text, &at](std::string_view characters) {
        if (at < text.size() && characters.find(text[at]) != std::string_view::npos)
            ++at;
    };
    one("+-");
    skip("0123456789");
    one(",.");
    skip("0123456789");
    if (at < text.size() && (text[at] == 'E' || text[at] == 'e')) {
        ++at;
        one("+-");
        skip("0123456789");
    }
    return at == text.size();
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
    // A number in the making ("-", "5E-") must survive while it is typed;
    // a word pasted after its sign must not.
    if ((change.typing && numberInTheMaking(change.text)) || !change.enabled || change.text.empty() ||
        isNumeric(change.text, separator))
        return Repair::None;
    const std::string clipboard = clipboardText();
    return clipboard.empty() || isNumeric(clipboard, separator) ? Repair::None : Repair::NotANumber;
}

}  // namespace trx
