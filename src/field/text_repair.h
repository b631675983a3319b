// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a change of a coefficient field's text must undo.  A field's text can
// change by roads the keystroke rules do not guard (the text box's own
// context menu, the edit and value commands); the window then writes the
// last good value back.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace trx {

enum class Repair {
    None,
    SecondSeparator,  // the field being edited holds two separators
    NotANumber,       // a paste of text that is not a number
};

struct FieldChange {
    std::string_view text;  // the changed field's text
    bool enabled = true;
    std::optional<std::string_view> activeText;  // the field that last had the focus, if one has
    bool typing = false;                         // KeyRules::typing()
};

// Both separators count, whatever the locale's is, and a separator after the
// exponent mark is always undone.  The clipboard is read
// only when the verdict depends on it: a non-numeric text is blamed on a paste
// only when the clipboard holds text that is no number either.
Repair decideRepair(const FieldChange& change, char separator, const std::function<std::string()>& clipboardText);

}  // namespace trx
