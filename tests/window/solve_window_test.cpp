// SPDX-License-Identifier: GPL-3.0-or-later
// The solve command through the window: what it writes back into the fields,
// which result boxes and panels it fills, its messages, the focus; and the
// notation switched over what it wrote.

#include "window_harness.h"

namespace {

struct SolveCase {
    const char* typed;    // the four fields
    const char* results;  // Label4, Label5, then the exact-form boxes, row by row
    const char* fieldsAfter;
    const char* covered;  // which of lblpantalla1 and Lblpantalla2(0/1) stay visible
    const char* message;  // the start of the only message, empty when none
    int focused;          // the field that has the focus afterwards
};

// clang-format off
const SolveCase kCases[] = {
    {"1|-5|6|0", "3|2|6|2|3|1|4|2|2|1", "1|-5|6|0", "000", "", 0},
    {"-1|5|-6|0", "3|2|6|2|3|1|4|2|2|1", "1|-5|6|0", "000", "", 0},
    {"1|-4|0|0", "4|0|8|2|4|1|0|2||", "1|-4|0|0", "001", "", 0},
    {"1|2|5|0", "-1+ i2|-1- i2|-2/2+1/2 i(16)^½||-1/1+1/2 i(16)^½|Solución compleja|-2/2-1/2 i(16)^½||-1/1-1/2 i(16)^½|Solución compleja", "1|2|5|0", "111", "", 0},
    {"|||", "0|-1|0|2|||-2|2||", "1|1|0|0", "011", "", 0},
    {"0,0|3|2|0", "|||||||||", "0,0|3|2|0", "111", "Valor introducido elevado al cuadrado no válido.", 0},
    {"1|0|1E+308|-1E+308", "Operación cancelada.|Operación cancelada.||||||||", "1|0|1E+308|-1E+308", "111", "Imposible continuar con la operación.\r\nOperación cancelada.", 0},
    {"1E+308|9|-5|0", "Operación cancelada.|Operación cancelada.|4,47213595499958E+154|||||||", "1E+308|9|-5|0", "011", "Imposible continuar con la operación.\r\nOperación cancelada.", 0},
    {"1|2|-|-", "|||||||||", "1|2|-|-", "111", "Texto numérico 3 no válido.", 2},
    {"11|-3|2|0", "0,136363636363636+ i0,404008837150709|0,136363636363636- i0,404008837150709|3/22+1/22 i(79)^½||3/22+1/22 i(79)^½|Solución compleja|3/22-1/22 i(79)^½||3/22-1/22 i(79)^½|Solución compleja", "11|-3|2|0", "111", "", 0},
};
// clang-format on

class SolveThroughWindow : public ::testing::TestWithParam<SolveCase> { };

TEST_P(SolveThroughWindow, ShowsResultsMessagesAndFocus)
{
    const SolveCase& c = GetParam();
    WindowHarness window;
    const QStringList typed = QString::fromUtf8(c.typed).split(QLatin1Char('|'));
    window.typeEquation(typed[0], typed[1], typed[2], typed[3]);
    window.clickSolve();

    QStringList results, covered;
    for (const char* box : {"Label4", "Label5", "Lblarri(0)", "Lblaba(0)", "Lblarri2(0)", "lbl2(0)", "Lblarri(1)",
                            "Lblaba(1)", "Lblarri2(1)", "lbl2(1)"})
        results << window.text(QLatin1String(box));
    for (const char* panel : {"lblpantalla1", "Lblpantalla2(0)", "Lblpantalla2(1)"})
        covered << (window.label(QLatin1String(panel))->isVisible() ? "1" : "0");
    EXPECT_EQ(results.join('|'), QString::fromUtf8(c.results));
    EXPECT_EQ(window.fieldTexts().join('|'), QString::fromUtf8(c.fieldsAfter));
    EXPECT_EQ(covered.join(QString()), QLatin1String(c.covered));
    EXPECT_EQ(window.platform.messages.size(), *c.message == '\0' ? 0u : 1u);
    EXPECT_TRUE(window.platform.messageTexts().value(0, QStringLiteral("")).startsWith(QString::fromUtf8(c.message)));
    EXPECT_EQ(QApplication::focusWidget(), window.field(c.focused));
    // A result longer than its box shows its start, and all of it in the tool tip.
    EXPECT_EQ(window.box(QStringLiteral("Label4"))->cursorPosition(), 0);
    EXPECT_EQ(window.box(QStringLiteral("Label4"))->toolTip(), window.text(QStringLiteral("Label4")));
}

INSTANTIATE_TEST_SUITE_P(Equations, SolveThroughWindow, ::testing::ValuesIn(kCases));

TEST(SolveCommand, RemovedLinearTermIsRestoredAsZero)
{
    WindowHarness window;
    window.typeEquation(QStringLiteral("1"), QStringLiteral("7"), QStringLiteral("-4"), QStringLiteral("0"));
    QTest::mouseClick(window.label(QStringLiteral("Label3")), Qt::LeftButton);
    window.clickSolve();
    EXPECT_EQ(window.text(QStringLiteral("Label4")), QStringLiteral("2"));
    EXPECT_EQ(window.label(QStringLiteral("Label3"))->text(), QStringLiteral("X"));
    EXPECT_TRUE(window.field(1)->isEnabled());
    EXPECT_EQ(window.field(1)->text(), QStringLiteral("0"));
}

// The solution copies are scientific until the option is switched off, and
// again once it is back on; the fields follow the option.
TEST(Options, ScientificNotationReformatsFieldsAndCopies)
{
    WindowHarness window;
    window.typeEquation(QStringLiteral("1"), QStringLiteral("-3"), QStringLiteral("2"), QStringLiteral("0"));
    window.clickSolve();
    const auto shown = [&window] {
        return (window.fieldTexts() << window.text(QStringLiteral("Text2")) << window.text(QStringLiteral("Text3")))
            .join(' ');
    };
    EXPECT_EQ(shown(), QStringLiteral("1 -3 2 0 2,00E+00 1,00E+00"));
    for (const char* expected : {"1,00E+00 -3,00E+00 2,00E+00 0,00E+00 2,00E+00 1,00E+00", "1,0 -3,0 2,0 0,0 2,0 1,0",
                                 "1,00E+00 -3,00E+00 2,00E+00 0,00E+00 2,00E+00 1,00E+00"}) {
        window.action(QStringLiteral("mnuNota"))->trigger();
        EXPECT_EQ(shown(), QLatin1String(expected));
    }
    // Refused while a field is not a number: the option and its marks stay.
    window.type(2, QStringLiteral("-"));
    window.action(QStringLiteral("mnuNota"))->trigger();
    ASSERT_EQ(window.platform.messages.size(), 1u);
    EXPECT_TRUE(window.platform.messages[0].text.startsWith(QStringLiteral("Texto numérico 3 no válido.")));
    EXPECT_TRUE(window.action(QStringLiteral("mnuNota"))->isChecked() &&
                window.action(QStringLiteral("Not"))->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), window.field(2));
}

}  // namespace

// The first panel says the result in one sentence, which screen readers read.
TEST(SolveCommand, SummarisesTheResultInTheStatusBar)
{
    const struct {
        const char* typed;
        const char* summary;
    } cases[] = {
        {"4|-4|-3|0", "Dos soluciones reales: x uno igual a 3 medios, x dos igual a menos un medio"},
        {"0|1|1|0", ""},
    };
    for (const auto& c : cases) {
        WindowHarness window;
        const QStringList typed = QString::fromUtf8(c.typed).split(QLatin1Char('|'));
        window.typeEquation(typed[0], typed[1], typed[2], typed[3]);
        window.clickSolve();
        EXPECT_EQ(window.label(QStringLiteral("StatusBar1(1)"))->text(), QString::fromUtf8(c.summary)) << c.typed;
    }
}
