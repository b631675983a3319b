// SPDX-License-Identifier: GPL-3.0-or-later
// The solve command end to end: typed coefficients, a click on Calcular, and
// what the window then shows.

#include "window_harness.h"

#include <array>

namespace {

struct SolveCase {
    const char* name;
    std::array<const char*, 4> typed;
    const char* solution1;
    const char* solution2;
    // Left numerator, left denominator, right numerator, right denominator,
    // first for row 1, then for row 2.
    std::array<const char*, 8> exact;
    std::array<const char*, 4> fieldsAfter;
    const char* message;  // empty when none
};

const std::array<const char*, 8> kExactBoxes = {"Lblarri(0)", "Lblaba(0)", "Lblarri2(0)", "lbl2(0)",
                                                "Lblarri(1)", "Lblaba(1)", "Lblarri2(1)", "lbl2(1)"};

// What the window adds to the solver: fields read as typed, the normal form
// written back, the fraction display, messages and focus.  The solver's own
// tests go through every kind of equation.
const SolveCase kCases[] = {
    {"TwoWholeRoots",
     {"1", "-5", "6", "0"},
     "3",
     "2",
     {"6", "2", "3", "1", "4", "2", "2", "1"},
     {"1", "-5", "6", "0"},
     ""},
    {"NegativeLeadingCoefficientIsNegated",
     {"-1", "5", "-6", "0"},
     "3",
     "2",
     {"6", "2", "3", "1", "4", "2", "2", "1"},
     {"1", "-5", "6", "0"},
     ""},
    {"ComplexRoots",
     {"1", "2", "5", "0"},
     "-1+ i2",
     "-1- i2",
     {"-2/2+1/2 i(16)^½", "", "-1/1+1/2 i(16)^½", "Solución compleja", "-2/2-1/2 i(16)^½", "", "-1/1-1/2 i(16)^½",
      "Solución compleja"},
     {"1", "2", "5", "0"},
     ""},
    {"EmptyFieldsTakeTheirDefaults",
     {"", "", "", ""},
     "0",
     "-1",
     {"0", "2", "", "", "-2", "2", "", ""},
     {"1", "1", "0", "0"},
     ""},
    {"ZeroSquareCoefficientIsRefused",
     {"0,0", "3", "2", "0"},
     "",
     "",
     {"", "", "", "", "", "", "", ""},
     {"0,0", "3", "2", "0"},
     "Valor introducido elevado al cuadrado no válido."},
    {"OverflowBeforeAnyResultCancels",
     {"1", "0", "1E+308", "-1E+308"},
     "Operación cancelada.",
     "Operación cancelada.",
     {"", "", "", "", "", "", "", ""},
     {"1", "0", "1E+308", "-1E+308"},
     "Imposible continuar con la operación.\r\n"
     "Operación cancelada."},
};

void PrintTo(const SolveCase& c, std::ostream* out)
{
    *out << c.name;
}

class SolveThroughWindow : public ::testing::TestWithParam<SolveCase> { };

TEST_P(SolveThroughWindow, ShowsSolutionsAndNormalForm)
{
    const SolveCase& c = GetParam();
    WindowHarness window;
    window.typeEquation(c.typed[0], c.typed[1], c.typed[2], c.typed[3]);
    window.clickSolve();

    EXPECT_EQ(window.text(QStringLiteral("Label4")), QString::fromUtf8(c.solution1));
    EXPECT_EQ(window.text(QStringLiteral("Label5")), QString::fromUtf8(c.solution2));
    for (std::size_t i = 0; i < kExactBoxes.size(); ++i)
        EXPECT_EQ(window.text(QLatin1String(kExactBoxes[i])), QString::fromUtf8(c.exact[i])) << kExactBoxes[i];
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(window.text(QStringLiteral("Text1(%1)").arg(i)), QString::fromUtf8(c.fieldsAfter[i])) << i;
    if (*c.message == '\0')
        EXPECT_TRUE(window.platform.messages.empty()) << window.platform.messageTexts().join('|').toStdString();
    else
        EXPECT_EQ(window.platform.messageTexts(), QStringList{QString::fromUtf8(c.message)});
    // Whatever happened, the user goes on typing in the first field.
    EXPECT_EQ(QApplication::focusWidget(), window.box(QStringLiteral("Text1(0)")));
}

INSTANTIATE_TEST_SUITE_P(Equations, SolveThroughWindow, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SolveCommand, PanelsUncoverOnlyWhatWasFilled)
{
    struct Expected {
        std::array<const char*, 4> typed;
        bool leftCovered, row1Covered, row2Covered;
    };
    const Expected cases[] = {
        {{"1", "-5", "6", "0"}, false, false, false},  // both rows reduced
        {{"1", "-4", "0", "0"}, false, false, true},   // second row cannot be reduced
        {{"1", "2", "5", "0"}, true, true, true},      // complex forms need no fraction bars
    };
    for (const Expected& e : cases) {
        WindowHarness window;
        window.typeEquation(e.typed[0], e.typed[1], e.typed[2], e.typed[3]);
        window.clickSolve();
        EXPECT_EQ(window.label(QStringLiteral("lblpantalla1"))->isVisible(), e.leftCovered) << e.typed[1];
        EXPECT_EQ(window.label(QStringLiteral("Lblpantalla2(0)"))->isVisible(), e.row1Covered) << e.typed[1];
        EXPECT_EQ(window.label(QStringLiteral("Lblpantalla2(1)"))->isVisible(), e.row2Covered) << e.typed[1];
    }
}

TEST(SolveCommand, RemovedLinearTermIsRestoredAsZero)
{
    WindowHarness window;
    window.typeEquation(QStringLiteral("1"), QStringLiteral("7"), QStringLiteral("-4"), QStringLiteral("0"));
    QTest::mouseClick(window.label(QStringLiteral("Label3")), Qt::LeftButton);
    ASSERT_FALSE(window.box(QStringLiteral("Text1(1)"))->isEnabled());

    window.clickSolve();
    EXPECT_EQ(window.text(QStringLiteral("Label4")), QStringLiteral("2"));
    EXPECT_EQ(window.text(QStringLiteral("Label5")), QStringLiteral("-2"));
    EXPECT_EQ(window.label(QStringLiteral("Label3"))->text(), QStringLiteral("X"));
    EXPECT_TRUE(window.box(QStringLiteral("Text1(1)"))->isEnabled());
    EXPECT_EQ(window.text(QStringLiteral("Text1(1)")), QStringLiteral("0"));
}

// The offscreen platform draws the box as a desktop does: with the caret at
// the start, the text that does not fit is cut off at its end.
TEST(SolveCommand, LongResultShowsItsStartAndAllOfItInTheToolTip)
{
    WindowHarness window;
    window.typeEquation(QStringLiteral("11"), QStringLiteral("-3"), QStringLiteral("2"), QStringLiteral("0"));
    window.clickSolve();
    QLineEdit* result = window.box(QStringLiteral("Label4"));
    ASSERT_EQ(result->text(), QStringLiteral("0,136363636363636+ i0,404008837150709"));
    EXPECT_EQ(result->cursorPosition(), 0);
    EXPECT_EQ(result->toolTip(), result->text());
}

TEST(SolveCommand, FirstFieldThatIsNotANumberIsReported)
{
    WindowHarness window;
    window.typeEquation(QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("-"), QStringLiteral("-"));
    window.clickSolve();

    ASSERT_EQ(window.platform.messages.size(), 1u);
    EXPECT_TRUE(window.platform.messages[0].text.startsWith(QStringLiteral("Texto numérico 3 no válido.")));
    EXPECT_EQ(window.platform.messages[0].title, QStringLiteral("Error"));
    EXPECT_EQ(window.platform.messages[0].icon, Platform::Icon::Critical);
    QLineEdit* faulty = window.box(QStringLiteral("Text1(2)"));
    EXPECT_EQ(QApplication::focusWidget(), faulty);
    EXPECT_EQ(faulty->selectedText(), QStringLiteral("-"));
    EXPECT_TRUE(window.text(QStringLiteral("Label4")).isEmpty());
}

TEST(SolveCommand, OverflowAfterFirstSolutionEndsSilently)
{
    WindowHarness window;
    window.typeEquation(QStringLiteral("1E-300"), QStringLiteral("1E+10"), QStringLiteral("0"), QStringLiteral("0"));
    window.clickSolve();
    EXPECT_EQ(window.text(QStringLiteral("Label4")), QStringLiteral("0"));
    EXPECT_TRUE(window.text(QStringLiteral("Label5")).isEmpty());
    EXPECT_TRUE(window.label(QStringLiteral("lblpantalla1"))->isVisible());
    EXPECT_TRUE(window.platform.messages.empty());
}

TEST(SolveCommand, PointSeparatorLocaleReadsAndWritesPoints)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    {
        WindowHarness window;
        window.typeEquation(QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("-1"), QStringLiteral("0"));
        window.clickSolve();
        EXPECT_EQ(window.text(QStringLiteral("Label4")), QStringLiteral("0.414213562373095"));
        // Whole numerators are those without a separator in any locale.
        EXPECT_EQ(window.text(QStringLiteral("Lblarri2(0)")), QStringLiteral("-2+(8)^½"));
    }
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
}

}  // namespace
