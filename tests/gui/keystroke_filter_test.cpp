// SPDX-License-Identifier: GPL-3.0-or-later
// The coefficient fields under real key events: what the filter lets in,
// completes or refuses.

#include "window_harness.h"

namespace {

enum class Caret { AtEnd, AtStart, AllSelected };

struct KeyCase {
    const char* name;
    const char* before;  // typed into the empty field first
    Caret caret;
    const char* typed;
    const char* after;
    int beeps;
    const char* message;  // empty when none
};

const char kMinusRefused[] = "¡¡No puede introducir un menos(-)!!";
const char kPlusRefused[] = "¡¡No puede introducir un más(+)!!";
const char kSeparatorRefused[] = "¡¡No puede introducir un separador decimal(,)!!";
const char kExponentRefused[] = "¡¡No puede introducir un exponente(E)!!";

const KeyCase kKeyCases[] = {
    {"PlusSign", "", Caret::AtEnd, "+5", "+5", 0, ""},
    {"SignAfterDigits", "12", Caret::AtEnd, "-", "12", 0, kMinusRefused},
    {"PlusAfterDigits", "12", Caret::AtEnd, "+", "12", 0, kPlusRefused},
    {"SignBeforeSign", "-4", Caret::AtStart, "+", "-4", 2, kPlusRefused},
    {"SignOverSelection", "12", Caret::AllSelected, "-", "-", 0, ""},
    {"SecondSeparator", "1,5", Caret::AtEnd, ",", "1,5", 0, kSeparatorRefused},
    {"SecondSeparatorAsPoint", "1,5", Caret::AtEnd, ".", "1,5", 0, kSeparatorRefused},
    {"SeparatorIntoEmptyField", "", Caret::AtEnd, ",", "0,", 0, ""},
    {"SeparatorOverSelection", "12", Caret::AllSelected, ",5", "0,5", 0, ""},
    {"ExponentNeedsItsSign", "5", Caret::AtEnd, "E3", "5E", 0, ""},
    {"SignedExponent", "5", Caret::AtEnd, "E-3", "5E-3", 0, ""},
    {"ExponentWithoutDigitBefore", "25", Caret::AtStart, "E", "25", 0, kExponentRefused},
    {"SecondExponent", "5E+3", Caret::AtEnd, "E", "5E+3", 0, kExponentRefused},
    {"ExponentOverSelection", "25", Caret::AllSelected, "E", "1E", 0, ""},
    {"SeparatorInExponent", "5E", Caret::AtEnd, ",", "5E", 2, kSeparatorRefused},
    {"DigitBeforeSign", "-4", Caret::AtStart, "7", "-4", 2, ""},
    {"DigitOverNegativeNumber", "-4", Caret::AllSelected, "7", "7", 0, ""},
    {"DigitIntoEmptyField", "", Caret::AtEnd, "7", "7", 0, ""},
    {"Letter", "3", Caret::AtEnd, "a", "3", 2, ""},
    {"LetterAtStart", "3", Caret::AtStart, "x", "3", 2, ""},
    {"BlankAfterNumber", "3", Caret::AtEnd, " ", "3", 1, ""},
    {"BlankInEmptyField", "", Caret::AtEnd, " ", "", 3, ""},
    {"OtherSymbols", "3", Caret::AtEnd, "%/²ñ", "3", 8, ""},
};

void PrintTo(const KeyCase& c, std::ostream* out)
{
    *out << c.name;
}

class KeystrokeFilter : public ::testing::TestWithParam<KeyCase> { };

TEST_P(KeystrokeFilter, AdmitsOnlyNumbersInTheMaking)
{
    const KeyCase& c = GetParam();
    WindowHarness window;
    window.type(0, QString::fromUtf8(c.before));
    QLineEdit* field = window.field(0);
    switch (c.caret) {
    case Caret::AtEnd:
        field->end(false);
        break;
    case Caret::AtStart:
        field->home(false);
        break;
    case Caret::AllSelected:
        field->selectAll();
        break;
    }
    window.forgetWhatWasShown();

    window.keys(0, QString::fromUtf8(c.typed));
    EXPECT_EQ(field->text(), QString::fromUtf8(c.after));
    EXPECT_EQ(window.platform.beeps, c.beeps);
    const QStringList expected = *c.message ? QStringList{QString::fromUtf8(c.message)} : QStringList{};
    EXPECT_EQ(window.platform.messageTexts(), expected);
}

INSTANTIATE_TEST_SUITE_P(Keys, KeystrokeFilter, ::testing::ValuesIn(kKeyCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(KeystrokeFilter, DigitRightAfterExponentAsksForTheSign)
{
    WindowHarness window;
    window.type(0, QStringLiteral("5E"));
    window.keys(0, QStringLiteral("3"));
    EXPECT_EQ(window.label(QStringLiteral("StatusBar1(1)"))->text(), QStringLiteral("Introduzca el signo"));
    window.keys(0, QStringLiteral("-"));
    EXPECT_TRUE(window.label(QStringLiteral("StatusBar1(1)"))->text().isEmpty());
}

// From field to field, real keys check it in the desktop suite.
TEST(KeystrokeFilter, EnterInTheLastFieldMovesToTheSolveButton)
{
    WindowHarness window;
    window.type(3, QStringLiteral("1"));
    window.press(3, Qt::Key_Enter);
    EXPECT_EQ(QApplication::focusWidget(), window.find<QWidget>(QStringLiteral("CmdCal")));
}

TEST(KeystrokeFilter, SeparatorBeforeTheNumberBecomesZeroSeparator)
{
    WindowHarness window;
    window.type(0, QStringLiteral("5"));
    window.field(0)->home(false);
    window.keys(0, QStringLiteral(","));
    EXPECT_EQ(window.field(0)->text(), QStringLiteral("0,5"));
    EXPECT_EQ(window.field(0)->cursorPosition(), 3);
}

// Text that an input method commits is typed through the filter; dropped
// text is not taken at all.
TEST(KeystrokeFilter, InputMethodTextIsFilteredAndDropsRefused)
{
    WindowHarness window;
    window.type(0, QStringLiteral("3"));
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("x7q"));
    QCoreApplication::sendEvent(window.field(0), &commit);
    EXPECT_EQ(window.field(0)->text(), QStringLiteral("37"));
    EXPECT_FALSE(window.field(0)->acceptDrops());
}

TEST(KeystrokeFilter, SolutionCopiesTakeNoKeys)
{
    WindowHarness window;
    for (const char* name : {"Text2", "Text3"}) {
        QLineEdit* copy = window.box(QLatin1String(name));
        copy->setFocus();
        window.forgetWhatWasShown();
        QTest::keyClicks(copy, QStringLiteral("1a"));
        EXPECT_TRUE(copy->text().isEmpty()) << name;
        EXPECT_EQ(window.platform.beeps, 2) << name;
    }
}

// The messages name the separator in use, in the range of numbers and in
// the power's prompt alike.
TEST(KeystrokeFilter, PointLocaleTypesAndNamesThePoint)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    {
        WindowHarness window;
        window.type(0, QStringLiteral(",5"));
        EXPECT_EQ(window.field(0)->text(), QStringLiteral("0.5"));
        window.keys(0, QStringLiteral(","));
        EXPECT_EQ(window.platform.messageTexts(),
                  QStringList{QStringLiteral("¡¡No puede introducir un separador decimal(.)!!")});
        window.type(2, QStringLiteral("-"));
        window.clickSolve();
        EXPECT_TRUE(window.platform.messageTexts().last().contains(
            QStringLiteral("-1.79769313486232E308 a -4.94065645841247E-324")));
        window.action(QStringLiteral("mnuElevar"))->trigger();
        EXPECT_TRUE(window.platform.prompts.at(0).prompt.endsWith(QStringLiteral("use el PUNTO (.)")));
    }
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
}

}  // namespace
