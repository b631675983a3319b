// SPDX-License-Identifier: GPL-3.0-or-later
// The display options, the scientific copies and the window's placement
// commands (every road to them is walked by the routing tests).

#include "window_harness.h"

#include <QMenu>
#include <QScreen>

namespace {

TEST(Options, ScientificNotationReformatsTheFields)
{
    WindowHarness window;
    window.typeEquation(QStringLiteral("1"), QStringLiteral("-3"), QStringLiteral("2"), QStringLiteral("0"));
    window.action(QStringLiteral("mnuNota"))->trigger();
    QStringList on, off;
    for (int i = 0; i < 4; ++i)
        on << window.text(QStringLiteral("Text1(%1)").arg(i));
    EXPECT_EQ(on, (QStringList{"1,00E+00", "-3,00E+00", "2,00E+00", "0,00E+00"}));
    window.action(QStringLiteral("mnuNota"))->trigger();
    for (int i = 0; i < 4; ++i)
        off << window.text(QStringLiteral("Text1(%1)").arg(i));
    EXPECT_EQ(off, (QStringList{"1,0", "-3,0", "2,0", "0,0"}));
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

TEST(Options, SolutionsAlwaysHaveScientificCopies)
{
    WindowHarness window;
    window.typeEquation(QStringLiteral("1"), QStringLiteral("-3"), QStringLiteral("2"), QStringLiteral("0"));
    window.clickSolve();
    EXPECT_EQ(window.text(QStringLiteral("Text2")), QStringLiteral("2,00E+00"));
    EXPECT_EQ(window.text(QStringLiteral("Text3")), QStringLiteral("1,00E+00"));

    window.typeEquation(QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("5"), QStringLiteral("0"));
    window.clickSolve();
    EXPECT_EQ(window.text(QStringLiteral("Text2")), QStringLiteral("-1+ i2"));
    EXPECT_EQ(window.text(QStringLiteral("Text3")), QStringLiteral("-1- i2"));
}

TEST(Options, CopiesAreScientificWheneverTheOptionIsOn)
{
    WindowHarness window;
    QAction* notation = window.action(QStringLiteral("mnuNota"));
    notation->trigger();
    window.typeEquation(QStringLiteral("1"), QStringLiteral("-3"), QStringLiteral("2"), QStringLiteral("0"));
    window.clickSolve();
    notation->trigger();
    EXPECT_EQ(window.text(QStringLiteral("Text2")), QStringLiteral("2,0"));
    notation->trigger();
    EXPECT_EQ(window.text(QStringLiteral("Text2")), QStringLiteral("2,00E+00"));
    EXPECT_EQ(window.text(QStringLiteral("Text3")), QStringLiteral("1,00E+00"));
}

TEST(Options, RightSideAlwaysZero)
{
    WindowHarness window;
    window.type(3, QStringLiteral("5"));
    QLineEdit* rightSide = window.box(QStringLiteral("Text1(3)"));
    window.action(QStringLiteral("mnuIgualacero"))->trigger();
    EXPECT_EQ(rightSide->text(), QStringLiteral("0"));
    EXPECT_FALSE(rightSide->isEnabled());
    window.action(QStringLiteral("mnuIgualacero"))->trigger();
    EXPECT_EQ(rightSide->text(), QStringLiteral("0"));
    EXPECT_TRUE(rightSide->isEnabled());
}

TEST(Options, AdvancedMenuShowsItsItemsTogether)
{
    WindowHarness window;
    const QStringList advanced{"mnuPi", "mnuElv", "mnuInvertir", "mnusepa6"};
    for (const QString& name : advanced)
        EXPECT_FALSE(window.action(name)->isVisible()) << name.toStdString();
    window.action(QStringLiteral("mnuAvanzado"))->trigger();
    for (const QString& name : advanced)
        EXPECT_TRUE(window.action(name)->isVisible()) << name.toStdString();
    window.action(QStringLiteral("mnuAvanzado"))->trigger();
    for (const QString& name : advanced)
        EXPECT_FALSE(window.action(name)->isVisible()) << name.toStdString();
}

TEST(Options, LinearTermSwitchedTwiceIsBackAndEmpty)
{
    WindowHarness window;
    QLabel* x = window.label(QStringLiteral("Label3"));
    QLineEdit* field = window.box(QStringLiteral("Text1(1)"));
    QTest::mouseClick(x, Qt::LeftButton);
    EXPECT_TRUE(x->text().isEmpty());
    EXPECT_FALSE(field->isEnabled());
    QTest::mouseClick(x, Qt::LeftButton);
    EXPECT_EQ(x->text(), QStringLiteral("X"));
    EXPECT_TRUE(field->isEnabled());
    EXPECT_TRUE(field->text().isEmpty());
}

TEST(Placement, AlwaysOnTopKeepsBothItemsAndThePosition)
{
    WindowHarness window;
    const QPoint before = window.form.pos();
    window.action(QStringLiteral("mnuVisible"))->trigger();
    EXPECT_TRUE(window.form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window.action(QStringLiteral("mnuVisible1"))->isChecked());
    EXPECT_TRUE(window.action(QStringLiteral("Sie"))->isChecked());
    EXPECT_TRUE(window.form.isVisible());
    EXPECT_EQ(window.form.pos(), before);
    window.action(QStringLiteral("mnuVisible1"))->trigger();
    EXPECT_FALSE(window.form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(window.action(QStringLiteral("mnuVisible"))->isChecked());
}

TEST(Placement, CentreUsesWholeTwipsHalved)
{
    WindowHarness window;
    window.action(QStringLiteral("mnuCentrar1"))->trigger();
    const QRect screen = window.form.screen()->geometry();
    const int dpi = qRound(window.form.screen()->logicalDotsPerInch());
    const auto twips = [dpi](int pixels) { return pixels * 1440 / dpi; };
    const auto pixels = [dpi](int twipsValue) { return (twipsValue * dpi + 720) / 1440; };
    const QSize outer = window.form.frameGeometry().size();
    EXPECT_EQ(window.form.pos(), QPoint(pixels((twips(screen.width()) - twips(outer.width())) / 2),
                                        pixels((twips(screen.height()) - twips(outer.height())) / 2)));
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
    EXPECT_TRUE(panel->text().isEmpty());
    QTest::keyClick(window.form.windowHandle(), Qt::Key_Insert);
    EXPECT_EQ(panel->text(), QStringLiteral("INS"));
    QTest::keyClick(window.form.windowHandle(), Qt::Key_Insert);
    EXPECT_TRUE(panel->text().isEmpty());
}

}  // namespace
