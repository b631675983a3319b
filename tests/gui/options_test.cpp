// SPDX-License-Identifier: GPL-3.0-or-later
// The display options and placement commands as the window shows them
// (every road to them is walked by the routing tests).

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
}

TEST(Options, ScientificNotationRefusedWhileAFieldIsNotANumber)
{
    WindowHarness window;
    window.type(2, QStringLiteral("-"));
    window.action(QStringLiteral("mnuNota"))->trigger();
    ASSERT_EQ(window.platform.messages.size(), 1u);
    EXPECT_TRUE(window.platform.messages[0].text.startsWith(QStringLiteral("Texto numérico 3 no válido.")));
    EXPECT_FALSE(window.action(QStringLiteral("mnuNota"))->isChecked());
    EXPECT_FALSE(window.action(QStringLiteral("Not"))->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), window.field(2));
}

// Right side always 0, the advanced items, the linear term and always on
// top: each switched on and off again.
TEST(Options, EachSwitchesBackAndForth)
{
    WindowHarness window;
    window.type(3, QStringLiteral("5"));
    const QPoint position = window.form.pos();
    for (const bool on : {true, false}) {
        window.action(QStringLiteral("mnuIgualacero"))->trigger();
        window.action(QStringLiteral("mnuAvanzado"))->trigger();
        window.action(QStringLiteral("mnuVisible1"))->trigger();
        QTest::mouseClick(window.label(QStringLiteral("Label3")), Qt::LeftButton);
        EXPECT_EQ(window.field(3)->text(), QStringLiteral("0"));
        EXPECT_EQ(window.field(3)->isEnabled(), !on);
        for (const char* name : {"mnuPi", "mnuElv", "mnuInvertir", "mnusepa6"})
            EXPECT_EQ(window.action(QLatin1String(name))->isVisible(), on) << name;
        EXPECT_EQ(window.label(QStringLiteral("Label3"))->text(), on ? QString() : QStringLiteral("X"));
        EXPECT_EQ(window.field(1)->isEnabled(), !on);
        EXPECT_TRUE(window.field(1)->text().isEmpty());
        EXPECT_EQ(window.form.windowFlags().testFlag(Qt::WindowStaysOnTopHint), on);
        EXPECT_TRUE(window.form.isVisible());
        EXPECT_EQ(window.form.pos(), position);
    }
}

TEST(StatusBar, PanelClickAndInsertKey)
{
    WindowHarness window;
    QLabel* clock = window.label(QStringLiteral("StatusBar1(4)"));
    QTest::mouseClick(clock, Qt::LeftButton);
    const QString date = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
    EXPECT_TRUE(clock->toolTip().startsWith(QStringLiteral("Son las "))) << clock->toolTip().toStdString();
    EXPECT_TRUE(clock->toolTip().endsWith(QStringLiteral(" del día ") + date)) << clock->toolTip().toStdString();
    for (const char* shown : {"INS", ""}) {
        QTest::keyClick(window.form.windowHandle(), Qt::Key_Insert);
        EXPECT_EQ(window.label(QStringLiteral("StatusBar1(6)"))->text(), QLatin1String(shown));
    }
}

}  // namespace
