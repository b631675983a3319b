// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ini_document.h"

#include <gtest/gtest.h>

namespace trx {
namespace {

// Values as stored by QSettings, both ways.
struct ValueCase {
    const char* stored;
    const char* text;
};

const ValueCase kValueCases[] = {
    {"2,5E+00", "2,5E+00"},  // read as a list, joined back
    {"\"2,5E+00\"", "2,5E+00"},
    {"\" a \"", " a "},
    {"C:\\\\calc \\\"x\\\"", "C:\\calc \"x\""},
    {"\\n\\t\\x1\\x31", "\n\t\x01"
                        "1"},
    {"\"a;b=c\"", "a;b=c"},
    {"@@x", "@x"},
    {"\xC3\xB1", "\xC3\xB1"},
};

TEST(IniValue, EscapedAsQSettingsWritesIt)
{
    for (const ValueCase& c : kValueCases) {
        EXPECT_EQ(unescapedIniValue(c.stored), c.text) << c.stored;
        EXPECT_EQ(unescapedIniValue(escapedIniValue(c.text)), c.text) << c.stored;
    }
    EXPECT_EQ(escapedIniValue("2,5E+00"), "\"2,5E+00\"");
    EXPECT_EQ(escapedIniValue("\x01"
                              "1"),
              "\\x1\\x31");
    // Hand-edited: blanks around list items, a comment, an unknown escape.
    EXPECT_EQ(unescapedIniValue("  1 , 2 ; note"), "1,2");
    EXPECT_EQ(unescapedIniValue("a\\qb\\101 "), "abA");
}

struct ReadCase {
    const char* name;
    const char* text;
    const char* val1;  // "-" when missing
};

const ReadCase kReadCases[] = {
    {"OwnSpellingWins", "[VALORS]\nval1=9\n[Valors]\nVAL1=8\nval1=2\n", "2"},
    {"FirstInCharacterOrder", "[valors]\nval1=9\n[VALORS]\nval1=8\n", "8"},
    {"OtherSectionsIgnored", "[Otra]\nval1=9\n  [ valors ]  \r\n val1 = 3 \r\n", "3"},
    {"UnparsedLinesSkipped", "# comentario\n[roto\n[Valors]\nbasura\n;val1=5\nval1=4", "4"},
    {"BrokenHeaderKeepsTheSection", "[Valors]\n[roto\nval1=6\n", "6"},
    {"Missing", "val1=1\n[General]\nval1=1\n", "-"},
};

TEST(IniDocument, ReadsTheSectionsKeys)
{
    for (const ReadCase& c : kReadCases)
        EXPECT_EQ(IniDocument(c.text, "Valors").value("val1").value_or("-"), c.val1) << c.name;
}

struct UpdateCase {
    const char* name;
    const char* before;
    const char* after;
};

const UpdateCase kUpdateCases[] = {
    {"Empty", "", "[Valors]\nval1=7\nval2=\"1,5\"\n"},
    {"SectionAppended", "# mio\n[Otra]\nx=1", "# mio\n[Otra]\nx=1\n\n[Valors]\nval1=7\nval2=\"1,5\"\n"},
    {"ReplacedInPlace", "[Valors]\r\nVAL2=0 ; nota\r\n# c\r\n\r\n[B]\r\n",
     "[Valors]\r\nval2=\"1,5\"\r\nval1=7\r\n# c\r\n\r\n[B]\r\n"},
    {"OtherSpellingsGo", "[VALORS]\nval1=9\nbasura\n[Valors]\nVal1=8\n[roto\n",
     "[VALORS]\nbasura\n[Valors]\nval1=7\nval2=\"1,5\"\n[roto\n"},
};

TEST(IniDocument, SetChangesOnlyTheKeysLines)
{
    for (const UpdateCase& c : kUpdateCases) {
        IniDocument document(c.before, "Valors");
        document.set("val1", "6");
        document.set("val1", "7");
        document.set("val2", "1,5");
        EXPECT_EQ(document.text(), c.after) << c.name;
        EXPECT_EQ(document.value("VAL2"), "1,5") << c.name;
        EXPECT_EQ(IniDocument(document.text(), "Valors").value("val1"), "7") << c.name;
    }
}

}  // namespace
}  // namespace trx
