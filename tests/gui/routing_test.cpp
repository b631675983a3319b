// SPDX-License-Identifier: GPL-3.0-or-later
// Every road to every command: menu items, their shortcut keys, toolbar
// keys, pop-up items, buttons and labels, each checked by what the command
// visibly does.

#include "window_harness.h"

#include <QClipboard>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QToolBar>

#include <functional>

namespace {

using Check = std::function<void(WindowHarness&)>;

// Each command: what to prepare, and what the user sees afterwards.
struct Command {
    std::function<void(WindowHarness&)> prepare;
    Check check;
};

void focusFirstField(WindowHarness& window)
{
    window.type(0, QStringLiteral("2"));
    window.field(0)->end(false);
}

bool checked(WindowHarness& window, const char* item)
{
    return window.action(QLatin1String(item))->isChecked();
}

const Command kSolve{[](WindowHarness&) {},
                     [](WindowHarness& w) { EXPECT_EQ(w.text(QStringLiteral("Label4")), QStringLiteral("0")); }};
const Command kExit{[](WindowHarness&) {},
                    [](WindowHarness& w) {
                        ASSERT_EQ(w.platform.messages.size(), 1u);
                        EXPECT_EQ(w.platform.messages[0].title, QStringLiteral("Salir"));
                    }};
const Command kUndo{[](WindowHarness& w) {
                        focusFirstField(w);
                        w.keys(0, QStringLiteral("5"));
                    },
                    [](WindowHarness& w) { EXPECT_EQ(w.field(0)->text(), QStringLiteral("2")); }};
const Command kCut{focusFirstField, [](WindowHarness& w) {
                       EXPECT_TRUE(w.field(0)->text().isEmpty());
                       EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("2"));
                   }};
const Command kCopy{[](WindowHarness& w) {
                        focusFirstField(w);
                        QApplication::clipboard()->setText(QStringLiteral("x"));
                    },
                    [](WindowHarness& w) {
                        EXPECT_EQ(w.field(0)->text(), QStringLiteral("2"));
                        EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("2"));
                    }};
const Command kPaste{[](WindowHarness& w) {
                         focusFirstField(w);
                         w.field(0)->selectAll();
                         QApplication::clipboard()->setText(QStringLiteral("4"));
                     },
                     [](WindowHarness& w) { EXPECT_EQ(w.field(0)->text(), QStringLiteral("4")); }};
const Command kDelete{focusFirstField, [](WindowHarness& w) {
                          EXPECT_TRUE(w.field(0)->text().isEmpty());
                          EXPECT_EQ(w.field(1)->text(), QStringLiteral("1"));
                      }};
const Command kDeleteAll{[](WindowHarness& w) {
                             focusFirstField(w);
                             QApplication::clipboard()->setText(QStringLiteral("5"));
                         },
                         [](WindowHarness& w) {
                             for (int i = 0; i < 4; ++i)
                                 EXPECT_TRUE(w.field(i)->text().isEmpty()) << i;
                             EXPECT_TRUE(QApplication::clipboard()->text().isEmpty());
                             w.openMenu(QStringLiteral("mnuEdi"));
                             EXPECT_FALSE(w.action(QStringLiteral("mnuBorrarTodo"))->isEnabled());
                         }};
const Command kSelect{focusFirstField,
                      [](WindowHarness& w) { EXPECT_EQ(w.field(0)->selectedText(), QStringLiteral("2")); }};
const Command kCentre{[](WindowHarness& w) { w.form.move(0, 0); },
                      [](WindowHarness& w) {
                          const QRect screen = w.form.screen()->geometry();
                          EXPECT_NEAR(w.form.frameGeometry().center().x(), screen.center().x(), 2);
                      }};
const Command kCalculator{
    [](WindowHarness&) {},
    [](WindowHarness& w) { EXPECT_EQ(w.platform.launches, std::vector<QString>{"/usr/bin/gnome-calculator"}); }};
const Command kAbout{[](WindowHarness&) {}, [](WindowHarness& w) { EXPECT_EQ(w.platform.aboutTexts.size(), 1u); }};
const Command kTimesPi{focusFirstField,
                       [](WindowHarness& w) { EXPECT_EQ(w.field(0)->text(), QStringLiteral("6,28318530717958")); }};
const Command kOverPi{focusFirstField,
                      [](WindowHarness& w) { EXPECT_EQ(w.field(0)->text(), QStringLiteral("0,636619772367582")); }};
const Command kSquare{focusFirstField, [](WindowHarness& w) { EXPECT_EQ(w.field(0)->text(), QStringLiteral("4")); }};
const Command kPower{[](WindowHarness& w) {
                         focusFirstField(w);
                         w.platform.inputAnswers = {QStringLiteral("3")};
                     },
                     [](WindowHarness& w) { EXPECT_EQ(w.field(0)->text(), QStringLiteral("8")); }};
const Command kReciprocal{focusFirstField,
                          [](WindowHarness& w) { EXPECT_EQ(w.field(0)->text(), QStringLiteral("0,5")); }};

// An option switched on once, whatever the road, with its toolbar button
// mirroring the item.
Command option(const char* item, const char* key)
{
    return {[](WindowHarness&) {},
            [item, key](WindowHarness& w) {
                EXPECT_TRUE(checked(w, item)) << item;
                EXPECT_TRUE(checked(w, key)) << key;
            }};
}

enum class Road { Item, Shortcut, ToolbarKey };

struct Route {
    Road road;
    const char* source;  // item name, or toolbar key
    QKeySequence keys;   // for Road::Shortcut
    Command command;
};

const Route kRoutes[] = {
    {Road::ToolbarKey, "Eje", {}, kSolve},
    {Road::Item, "mnuSalir2", {}, kExit},
    {Road::Item, "mnuSalir", {}, kExit},
    {Road::Item, "mnuDeshacer", {}, kUndo},
    {Road::ToolbarKey, "Des", {}, kUndo},
    {Road::ToolbarKey, "Cor", {}, kCut},
    {Road::Shortcut, "mnuCopiar", Qt::CTRL | Qt::Key_C, kCopy},
    {Road::ToolbarKey, "Cop", {}, kCopy},
    {Road::ToolbarKey, "Peg", {}, kPaste},
    {Road::Item, "mnuBorrar1", {}, kDelete},
    {Road::ToolbarKey, "Bor", {}, kDelete},
    {Road::ToolbarKey, "BoTo", {}, kDeleteAll},
    {Road::Item, "mnuseleccionar", {}, kSelect},
    {Road::Item, "mnuPorpi", {}, kTimesPi},
    {Road::Item, "mnuDivipi", {}, kOverPi},
    {Road::Shortcut, "mnuDivipi", Qt::CTRL | Qt::Key_F2, kOverPi},
    {Road::Item, "mnuEleva2", {}, kSquare},
    {Road::Item, "mnuElevar", {}, kPower},
    {Road::Item, "mnuInvertir", {}, kReciprocal},
    {Road::Item, "mnuCentrar1", {}, kCentre},
    {Road::Shortcut, "mnuCentrar1", Qt::Key_F3, kCentre},
    {Road::ToolbarKey, "Cen", {}, kCentre},
    {Road::Item, "mnuCentrar", {}, kCentre},
    {Road::Item, "mnuCalcu1", {}, kCalculator},
    {Road::Shortcut, "mnuCalcu1", Qt::Key_F6, kCalculator},
    {Road::ToolbarKey, "Cal", {}, kCalculator},
    {Road::Item, "mnuCalcu", {}, kCalculator},
    {Road::ToolbarKey, "Not", {}, option("mnuNota", "Not")},
    {Road::Item, "mnuVisible1", {}, option("mnuVisible", "Sie")},
    {Road::ToolbarKey, "Sie", {}, option("mnuVisible", "Sie")},
    {Road::Item, "mnuVisible", {}, option("mnuVisible1", "Sie")},
    {Road::Item, "mnuIgualacero", {}, option("mnuIgualacero", "Si=0")},
    {Road::ToolbarKey, "Si=0", {}, option("mnuIgualacero", "Si=0")},
    {Road::Item, "mnusimpli", {}, option("mnusimpli", "Sim")},
    {Road::Shortcut, "mnusimpli", Qt::Key_F11, option("mnusimpli", "Sim")},
    {Road::ToolbarKey, "Sim", {}, option("mnusimpli", "Sim")},
    {Road::Item, "mnuAvanzado", {}, option("mnuAvanzado", "Ava")},
    {Road::ToolbarKey, "Ava", {}, option("mnuAvanzado", "Ava")},
    {Road::ToolbarKey, "Ace", {}, kAbout},
};

void PrintTo(const Route& route, std::ostream* out)
{
    *out << route.source << (route.road == Road::Shortcut ? " key" : "");
}

class Routing : public ::testing::TestWithParam<Route> { };

TEST_P(Routing, ReachesItsCommand)
{
    const Route& route = GetParam();
    WindowHarness window;
    const bool advancedItem = QByteArray(route.source).contains("pi") || QByteArray(route.source).contains("Elev") ||
                              QByteArray(route.source).contains("Invertir");
    if (advancedItem)
        window.action(QStringLiteral("mnuAvanzado"))->trigger();
    route.command.prepare(window);
    window.forgetWhatWasShown();

    switch (route.road) {
    case Road::Item:
        window.action(QLatin1String(route.source))->trigger();
        break;
    case Road::Shortcut:
        // Pressed where the user types: the window's keys win over the field's.
        if (QApplication::focusWidget() == nullptr)
            window.field(0)->setFocus();
        QTest::keySequence(QApplication::focusWidget(), route.keys);
        break;
    case Road::ToolbarKey: {
        auto* toolbar = window.find<QToolBar>(QStringLiteral("Toolbar1"));
        QTest::mouseClick(toolbar->widgetForAction(window.action(QLatin1String(route.source))), Qt::LeftButton);
        break;
    }
    }
    route.command.check(window);
}

INSTANTIATE_TEST_SUITE_P(Sources, Routing, ::testing::ValuesIn(kRoutes), [](const auto& info) {
    std::string name = std::string(info.param.source) + (info.param.road == Road::Shortcut ? "Key" : "");
    std::replace(name.begin(), name.end(), '=', '_');
    return name + std::to_string(info.index);
});

TEST(Routing, ButtonsAndLabels)
{
    WindowHarness window;
    QTest::mouseClick(window.find<QWidget>(QStringLiteral("CmdCal")), Qt::LeftButton);
    kSolve.check(window);
    // A button's access key presses it visibly: the click comes a moment later.
    window.box(QStringLiteral("Label4"))->clear();
    QTest::keyClick(&window.form, Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.text(QStringLiteral("Label4")).isEmpty(); }));
    kSolve.check(window);
    QTest::keyClick(&window.form, Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.platform.messages.empty(); }));
    kExit.check(window);

    QTest::mouseClick(window.label(QStringLiteral("Label1")), Qt::LeftButton);
    EXPECT_EQ(window.platform.openedAddresses, std::vector<QString>{Form1::kProjectAddress});
    EXPECT_EQ(window.label(QStringLiteral("Label1"))->text(), Form1::kProjectAddress);
}

TEST(Routing, KeysAreComparedExactly)
{
    WindowHarness window;
    QAction* lookalike = window.find<QToolBar>(QStringLiteral("Toolbar1"))->addAction(QStringLiteral("x"));
    lookalike->setObjectName(QStringLiteral("ace"));
    lookalike->trigger();
    EXPECT_TRUE(window.platform.aboutTexts.empty());
}

// Which pop-up menu a mouse press opened, if any.
QWidget* popupAfter(const std::function<void()>& press)
{
    QWidget* opened = nullptr;
    QTimer::singleShot(0, [&opened] {
        opened = QApplication::activePopupWidget();
        if (opened != nullptr)
            opened->close();
    });
    press();
    QCoreApplication::processEvents();
    return opened;
}

TEST(TaskMenu, OpensOnRightPressOverBackgroundAndPanels)
{
    WindowHarness window;
    QWidget* background = window.form.centralWidget();
    const QPoint empty(3, background->height() - 3);
    ASSERT_EQ(background->childAt(empty), nullptr);
    QWidget* taskMenu = window.find<QWidget>(QStringLiteral("mnuTarea"));

    EXPECT_EQ(popupAfter([&] { QTest::mousePress(background, Qt::RightButton, {}, empty); }), taskMenu);
    for (const char* panel : {"lblpantalla1", "Lblpantalla2(0)", "Lblpantalla2(1)"})
        EXPECT_EQ(popupAfter([&] { QTest::mousePress(window.label(QLatin1String(panel)), Qt::RightButton); }), taskMenu)
            << panel;

    EXPECT_EQ(popupAfter([&] { QTest::mousePress(background, Qt::LeftButton, {}, empty); }), nullptr);
    EXPECT_EQ(popupAfter([&] { QTest::mousePress(background, Qt::MiddleButton, {}, empty); }), nullptr);
    for (const char* field : {"Text1(0)", "Label4", "Lblarri(0)"})
        EXPECT_EQ(popupAfter([&] { QTest::mousePress(window.box(QLatin1String(field)), Qt::RightButton); }), nullptr)
            << field;
}

TEST(Keyboard, LabelsThatActOnClickHaveKeysToo)
{
    WindowHarness window;
    QTest::keyClick(window.field(0), Qt::Key_X, Qt::AltModifier);
    EXPECT_FALSE(window.field(1)->isEnabled());
    QTest::keyClick(window.field(0), Qt::Key_F1);
    EXPECT_EQ(window.platform.openedAddresses, std::vector<QString>{Form1::kProjectAddress});
}

TEST(Accessibility, InputsAndResultsAreNamed)
{
    WindowHarness window;
    for (QLineEdit* box : window.form.findChildren<QLineEdit*>())
        EXPECT_FALSE(box->accessibleName().isEmpty()) << box->objectName().toStdString();
    EXPECT_EQ(window.field(0)->accessibleName(), QStringLiteral("Coeficiente de x²"));
    EXPECT_EQ(window.box(QStringLiteral("Label5"))->accessibleName(), QStringLiteral("Solución 2"));
}

}  // namespace
