// SPDX-License-Identifier: GPL-3.0-or-later
// The scientific notation option as the window shows it (every road to the
// commands is walked by the routing tests).

#include "window_harness.h"

namespace {

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
