// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_table.h"

#include "core/number_text.h"

#include <cmath>
#include <type_traits>
#include <variant>

namespace trx {
namespace {

// Beyond any desktop, and small enough for the pixel arithmetic in int.
constexpr double kMaxTwips = 1e9;

// The forms a stored text can take.  Each reads a text into its place in
// StoredSettings, leaving the value alone when the text does not fit, and
// gives the text to write, nothing when there is none to write.

// A coefficient field's text, kept as typed when it is a number.
struct Coefficient {
    std::size_t field;
    const char* whenUnusable;

    void read(const std::string& text, char separator, StoredSettings& values) const
    {
        values.coefficients[field] = isNumeric(text, separator) ? text : whenUnusable;
    }
    std::optional<std::string> written(const StoredSettings& values) const { return values.coefficients[field]; }
};

// A window edge in twips: a number in the user's notation, truncated.
struct Twips {
    std::optional<int> StoredSettings::*edge;

    void read(const std::string& text, char separator, StoredSettings& values) const
    {
        const std::optional<double> twips = parseNumber(text, separator);
        if (twips && std::abs(*twips) <= kMaxTwips)
            values.*edge = static_cast<int>(*twips);
    }
    std::optional<std::string> written(const StoredSettings& values) const
    {
        if (!(values.*edge))
            return std::nullopt;
        return std::to_string(*(values.*edge));
    }
};

// An option, written "1" or "0".  It is on when stored as "1", or, with
// `wholeNumber`, as any number that rounds to 1 ("01", "1,0").
struct Flag {
    bool DisplayOptions::*option;
    bool wholeNumber;

    void read(const std::string& text, char separator, StoredSettings& values) const
    {
        const std::optional<double> number = wholeNumber ? parseNumber(text, separator) : std::nullopt;
        values.options.*option = text == "1" || (number && std::nearbyint(*number) == 1.0);
    }
    std::optional<std::string> written(const StoredSettings& values) const
    {
        return values.options.*option ? "1" : "0";
    }
};

// Any text, kept as it is.
struct Text {
    std::string StoredSettings::*text;

    void read(const std::string& stored, char, StoredSettings& values) const { values.*text = stored; }
    std::optional<std::string> written(const StoredSettings& values) const { return values.*text; }
};

// A setting of a window built only when the user asks for it: written only
// when the window was there to tell.
template <typename Value> struct WhenKnown {
    std::optional<Value> StoredSettings::*member;

    void read(const std::string& text, char, StoredSettings& values) const
    {
        if constexpr (std::is_same_v<Value, bool>)
            values.*member = text == "1";
        else
            values.*member = text;
    }
    std::optional<std::string> written(const StoredSettings& values) const
    {
        const std::optional<Value>& value = values.*member;
        if (!value)
            return std::nullopt;
        if constexpr (std::is_same_v<Value, bool>)
            return *value ? "1" : "0";
        else
            return *value;
    }
};

struct SettingKey {
    const char* name;
    const char* whenMissing;
    std::variant<Coefficient, Twips, Flag, Text, WhenKnown<bool>, WhenKnown<std::string>> form;
    SettingsWriter writtenBy;
};

constexpr auto kExit = SettingsWriter::ExitCommand;

const SettingKey kSettingKeys[] = {
    {"val1", "1", Coefficient{0, "1"}, kExit},
    {"val2", "1", Coefficient{1, "1"}, kExit},
    {"val3", "0", Coefficient{2, "1"}, kExit},
    {"val4", "0", Coefficient{3, "0"}, kExit},
    {"lft", "", Twips{&StoredSettings::left}, kExit},
    {"tp", "", Twips{&StoredSettings::top}, kExit},
    {"ontop", "0", Flag{&DisplayOptions::alwaysOnTop, false}, kExit},
    {"sieg", "0", Flag{&DisplayOptions::rightSideZero, false}, kExit},
    {"nota", "0", Flag{&DisplayOptions::scientific, false}, kExit},
    {"simpli", "0", Flag{&DisplayOptions::simplify, false}, kExit},
    {"avan", "0", Flag{&DisplayOptions::advanced, true}, kExit},
    {"adreca", "", Text{&StoredSettings::calculator}, SettingsWriter::CalculatorCommand},
    {"Elev", "3", Text{&StoredSettings::exponent}, SettingsWriter::PowerCommand},
    {"desarrollo", "0", WhenKnown<bool>{&StoredSettings::workingOpen}, kExit},
    {"desarrollo_geometria", "", WhenKnown<std::string>{&StoredSettings::workingGeometry}, kExit},
    {"practica_tipos", "0123456", Text{&StoredSettings::practiceKinds}, SettingsWriter::PracticeWindow},
    {"practica_dificultad", "0", Text{&StoredSettings::practiceDifficulty}, SettingsWriter::PracticeWindow},
    {"practica_semilla", "", Text{&StoredSettings::practiceSeed}, SettingsWriter::PracticeWindow},
};

}  // namespace

StoredSettings loadSettings(const SettingsStore& store, char separator)
{
    StoredSettings values;
    for (const SettingKey& key : kSettingKeys) {
        const std::string text = store.read(key.name).value_or(key.whenMissing);
        std::visit([&](const auto& form) { form.read(text, separator, values); }, key.form);
    }
    return values;
}

bool storeSettings(SettingsStore& store, const StoredSettings& values, SettingsWriter writer)
{
    SettingValues texts;
    for (const SettingKey& key : kSettingKeys) {
        if (key.writtenBy != writer)
            continue;
        if (auto text = std::visit([&](const auto& form) { return form.written(values); }, key.form))
            texts.emplace_back(key.name, std::move(*text));
    }
    return store.write(texts);
}

}  // namespace trx
