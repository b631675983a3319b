// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_table.h"

#include <gtest/gtest.h>

namespace trx {
namespace {

// The loaded values on one line: the four fields, the corner ("-" for the
// centre), the options in table order (ontop, sieg, nota, simpli, avan), the
// calculator and the exponent.
std::string summary(const StoredSettings& loaded)
{
    std::string text;
    for (const std::string& coefficient : loaded.coefficients)
        text += coefficient + ' ';
    for (const std::optional<int>& edge : {loaded.left, loaded.top})
        text += (edge ? std::to_string(*edge) : "-") + ' ';
    const DisplayOptions& o = loaded.options;
    for (bool on : {o.alwaysOnTop, o.rightSideZero, o.scientific, o.simplify, o.advanced})
        text += on ? '1' : '0';
    return text + " [" + loaded.calculator + "] " + loaded.exponent;
}

struct LoadCase {
    const char* name;
    char separator;
    const char* loaded;
    SettingValues stored;
};

const LoadCase kLoadCases[] = {
    {"EmptyStore", ',', "1 1 0 0 - - 00000 [] 3", {}},
    {"FieldsAsTyped", ',', "2,5 0 -1E+300 0 - - 00000 [] 3", {{"val1", "2,5"}, {"val2", "0"}, {"val3", "-1E+300"}}},
    {"CornerInWholeTwips", ',', "1 1 0 0 1500 -30 00000 [] x", {{"lft", "1500,7"}, {"tp", "-30"}, {"Elev", "x"}}},
    {"NotANumberTakesOne", ',', "1 1 1 0 - - 00000 [] 3", {{"val1", "abc"}, {"val2", ""}, {"val3", "1,5x"}}},
    {"RightSideTakesZero", ',', "1 1 0 0 - - 00000 [] 3", {{"val4", "#"}, {"lft", "abc"}, {"avan", "si"}}},
    {"WrongSeparator", ',', "1 1 0 0 - - 00000 [] 3", {{"val1", "1.5"}, {"lft", "15.5"}, {"avan", "1.0"}}},
    {"PointSeparator", '.', "1.5 1 0 0 15 - 00001 [] 3", {{"val1", "1.5"}, {"lft", "15.5"}, {"avan", "1.0"}}},
    {"OutOfRange", ',', "1 1 0 0 - - 00000 [] 3", {{"val1", "1E999"}, {"val4", "NaN"}, {"tp", "-2E9"}}},
    {"HugeValue", ',', "1 1 0 0 - - 00000 [] 3", {{"val2", std::string(200000, '9')}, {"lft", std::string(5000, '7')}}},
    {"OptionsOnlyAsOne", ',', "1 1 0 0 - - 10000 [] 3", {{"ontop", "1"}, {"sieg", "01"}, {"nota", "yes"}}},
    {"AdvancedAsWholeNumber", ',', "1 1 0 0 - - 00011 [] 3", {{"avan", "01"}, {"simpli", "1"}}},
    {"NamesRegardlessOfCase", ',', "5 1 0 0 - - 00100 [c] 3", {{"VAL1", "5"}, {"Nota", "1"}, {"ADRECA", "c"}}},
};

class LoadSettings : public ::testing::TestWithParam<LoadCase> { };

TEST_P(LoadSettings, UnusableValuesTakeTheirDefaults)
{
    MemoryStore store;
    store.write(GetParam().stored);
    EXPECT_EQ(summary(loadSettings(store, GetParam().separator)), GetParam().loaded);
}

INSTANTIATE_TEST_SUITE_P(Stored, LoadSettings, ::testing::ValuesIn(kLoadCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StoreSettings, EachCommandWritesOnlyItsOwnKeys)
{
    StoredSettings values;
    values.coefficients = {"2,5", "", "abc", "0"};
    values.left = -45;
    values.top = 300;
    values.options = {true, false, true, false, true};
    values.calculator = "/opt/calc";
    values.exponent = "0,5";
    MemoryStore store;
    ASSERT_TRUE(storeSettings(store, values, SettingsWriter::ExitCommand));
    EXPECT_EQ(store.read("val3"), "abc");  // the texts as they stand, valid or not
    EXPECT_EQ(summary(loadSettings(store, ',')), "2,5 1 1 0 -45 300 10101 [] 3");

    // A minimised window keeps the corner stored before.
    values.left = values.top = std::nullopt;
    ASSERT_TRUE(storeSettings(store, values, SettingsWriter::CalculatorCommand));
    ASSERT_TRUE(storeSettings(store, values, SettingsWriter::PowerCommand));
    ASSERT_TRUE(storeSettings(store, values, SettingsWriter::ExitCommand));
    EXPECT_EQ(summary(loadSettings(store, ',')), "2,5 1 1 0 -45 300 10101 [/opt/calc] 0,5");
    store.writable = false;
    EXPECT_FALSE(storeSettings(store, values, SettingsWriter::ExitCommand));
}

}  // namespace
}  // namespace trx
