// SPDX-License-Identifier: GPL-3.0-or-later
// The display options, the scientific copies and the window's placement
// commands (every road to them is walked by the routing tests).

#include "window_harness.h"

namespace {

TEST(Options, ScientificNotationReformatsTheFields)
{
    WindowHarness window;
    window.typeEquation(QStringLiteral("1"), QStringLiteral("-3"), QStringLiteral("2"), QStringLiteral("0"));
    for (const QStringList& expected :
         {QStringList{"1,00E+00", "-3,00E+00", "2,00E+00", "0,00E+00"}, QStringList{"1,0", "-3,0", "2,0", "0,0"}}) {
        window.action(QStringLiteral("mnuNota"))->trigger();
        EXPECT_EQ(window.fieldTexts(), expected);
    }
}

TEST(Options, ScientificNotationRefusedWhileAFieldIsNotANumber)
{
    WindowHarness window;
    window.type(2, QStringLiteral("-"));
    QWidget* focused = QApplication::focusWidget();
    window.action(QStringLiteral("mnuNota"))->trigger();
    ASSERT_EQ(window.platform.messages.size(), 1u);
    EXPECT_TRUE(window.platform.messages[0].text.startsWith(QStringLiteral("Texto numérico 3 no válido.")));
    EXPECT_FALSE(window.action(QStringLiteral("mnuNota"))->isChecked());
    EXPECT_FALSE(window.action(QStringLiteral("Not"))->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), focused);
}

// The solution copies are scientific until the option is switched off, and
// again once it is back on; complex solutions are copied as they are.
TEST(Options, SolutionCopies)
{
    WindowHarness window;
    const auto copies = [&window] {
        return QStringList{window.text(QStringLiteral("Text2")), window.text(QStringLiteral("Text3"))};
    };
    window.typeEquation(QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("5"), QStringLiteral("0"));
    window.clickSolve();
    EXPECT_EQ(copies(), (QStringList{"-1+ i2", "-1- i2"}));
    window.typeEquation(QStringLiteral("1"), QStringLiteral("-3"), QStringLiteral("2"), QStringLiteral("0"));
    window.clickSolve();
    const QStringList scientific{"2,00E+00", "1,00E+00"};
    EXPECT_EQ(copies(), scientific);
    QAction* notation = window.action(QStringLiteral("mnuNota"));
    for (const QStringList& expected : {scientific, QStringList{"2,0", "1,0"}, scientific}) {
        notation->trigger();
        EXPECT_EQ(copies(), expected);
    }
}

TEST(Options, RightSideAlwaysZero)
{
    WindowHarness window;
    window.type(3, QStringLiteral("5"));
    for (const bool on : {true, false}) {
        window.action(QStringLiteral("mnuIgualacero"))->trigger();
        EXPECT_EQ(window.field(3)->text(), QStringLiteral("0"));
        EXPECT_EQ(window.field(3)->isEnabled(), !on);
    }
}

TEST(Options, AdvancedMenuShowsItsItemsTogether)
{
    WindowHarness window;
    for (const bool shown : {false, true, false}) {
        for (const char* name : {"mnuPi", "mnuElv", "mnuInvertir", "mnusepa6"})
            EXPECT_EQ(window.action(QLatin1String(name))->isVisible(), shown) << name;
        window.action(QStringLiteral("mnuAvanzado"))->trigger();
    }
}

TEST(Options, LinearTermSwitchedTwiceIsBackAndEmpty)
{
    WindowHarness window;
    QLabel* x = window.label(QStringLiteral("Label3"));
    for (const bool present : {false, true}) {
        QTest::mouseClick(x, Qt::LeftButton);
        EXPECT_EQ(x->text(), present ? QStringLiteral("X") : QString());
        EXPECT_EQ(window.field(1)->isEnabled(), present);
        EXPECT_TRUE(window.field(1)->text().isEmpty());
    }
}

// Both items and the toolbar button follow the option (see the routing tests).
TEST(Placement, AlwaysOnTopKeepsThePosition)
{
    WindowHarness window;
    const QPoint before = window.form.pos();
    for (const bool onTop : {true, false}) {
        window.action(QStringLiteral("mnuVisible"))->trigger();
        EXPECT_EQ(window.form.windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
        EXPECT_TRUE(window.form.isVisible());
        EXPECT_EQ(window.form.pos(), before);
    }
}

TEST(Placement, TheWindowKeepsItsSize)
{
    WindowHarness window;
    const QSize size = window.form.size();
    window.form.resize(size * 2);
    EXPECT_EQ(window.form.size(), size);
}

TEST(StatusBar, PanelClickShowsTheTimeOfTheClick)
{
    WindowHarness window;
    QLabel* panel = window.label(QStringLiteral("StatusBar1(4)"));
    EXPECT_TRUE(panel->toolTip().isEmpty());
    QTest::mouseClick(panel, Qt::LeftButton);
    const QString date = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
    EXPECT_TRUE(panel->toolTip().startsWith(QStringLiteral("Son las "))) << panel->toolTip().toStdString();
    EXPECT_TRUE(panel->toolTip().endsWith(QStringLiteral(" del día ") + date)) << panel->toolTip().toStdString();
}

TEST(StatusBar, InsertKeyTogglesItsPanel)
{
    WindowHarness window;
    QLabel* panel = window.label(QStringLiteral("StatusBar1(6)"));
    for (const char* shown : {"", "INS", ""}) {
        EXPECT_EQ(panel->text(), QLatin1String(shown));
        QTest::keyClick(window.form.windowHandle(), Qt::Key_Insert);
    }
}

}  // namespace
