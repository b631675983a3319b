// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings the program keeps between runs, as plain values.
//
// One table (settings_table.cpp) declares every key once: its name, the text
// it stands for when missing, the form a stored text must have to be used,
// and the command that writes it.  Loading and storing both follow it, so a
// key is added with one member below and one row there.  A stored text that
// does not have its key's form (not a number, out of range, junk) counts as
// missing; nothing here ever fails.

#include "core/display_options.h"
#include "settings/settings_store.h"

#include <array>
#include <optional>
#include <string>

namespace trx {

struct StoredSettings {
    // The four coefficient fields, each a number in the user's notation; a
    // stored text that is not one becomes "1" ("0" for the right side).
    std::array<std::string, 4> coefficients{"1", "1", "0", "0"};
    // The window's top-left corner in twips; nothing: centred when loading,
    // left as stored when storing (a minimised window has no corner to keep).
    std::optional<int> left;
    std::optional<int> top;
    DisplayOptions options;
    std::string calculator;      // empty: the desktop's own calculator
    std::string exponent = "3";  // the power command's last exponent, as typed
    // The Desarrollo window: whether it was open at the last exit, and where
    // it stood (its saved geometry in base64).  Nothing when storing: the
    // window was not built in this run, so what is stored still holds.
    std::optional<bool> workingOpen;
    std::optional<std::string> workingGeometry;
    // The Practicar window: the kinds of equation ticked (their numbers in
    // the generator's order, "0136"), the difficulty (0 to 2) and the last
    // seed, as the window wrote them.
    std::string practiceKinds = "0123456";
    std::string practiceDifficulty = "0";
    std::string practiceSeed;
};

// The commands that write settings; each writes only its own keys.
enum class SettingsWriter { ExitCommand, CalculatorCommand, PowerCommand, PracticeWindow };

// `separator` is the user's decimal separator, which stored numbers use.
StoredSettings loadSettings(const SettingsStore& store, char separator);
// Writes the keys that `writer` writes, all or none; false when the store
// could not write them.
bool storeSettings(SettingsStore& store, const StoredSettings& values, SettingsWriter writer);

}  // namespace trx
