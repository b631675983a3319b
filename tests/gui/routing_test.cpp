// SPDX-License-Identifier: GPL-3.0-or-later
// Every road to every command: menu items, shortcut keys, toolbar keys,
// pop-up items, buttons and labels, each known by what it visibly changes.

#include "window_harness.h"

#include <QClipboard>
#include <QScreen>
#include <QTimer>
#include <QToolBar>

#include <functional>

namespace {

// What the user can see, as words; a command shows in the words it adds.
QStringList seen(WindowHarness& w)
{
    QStringList words{"F=" + w.field(0)->text(), "sel=" + w.field(0)->selectedText(),
                      "clip=" + QApplication::clipboard()->text(), "L4=" + w.text(QStringLiteral("Label4")),
                      QStringLiteral("run=%1").arg(w.platform.launches.size()),
                      QStringLiteral("about=%1").arg(w.platform.aboutTexts.size())};
    for (const auto& message : w.platform.messages)
        words << "box=" + message.title;
    for (QAction* item : w.form.findChildren<QAction*>()) {
        if (item->isChecked())
            words << item->objectName();
    }
    const QPoint offCentre = w.form.frameGeometry().center() - w.form.screen()->geometry().center();
    if (offCentre.manhattanLength() <= 4)
        words << QStringLiteral("centred");
    return words;
}

// Each command with its sources: item names, "@" and a toolbar key, "^" and
// a shortcut key; and the words it shows.  Before it, the first field holds
// "25", typed, with the caret at its end, the clipboard "4", and the
// exponent asked for will be 3.
const std::pair<const char*, const char*> kCommands[] = {
    {"@Eje mnuCalcular", "L4=0"},
    {"mnuSalir2", "box=Salir"},
    {"@Des mnuDeshacer", "F=2"},
    {"@Cor mnuCortar", "F= clip=25"},
    {"@Cop mnuCopiar ^Ctrl+C", "clip=25"},
    {"@Peg mnuPegar", "F=254"},
    {"@Bor mnuBorrar1", "F="},
    {"@BoTo mnuBorrarTodo", "F= clip="},
    {"mnuseleccionar", "sel=25"},
    {"mnuPorpi", "F=78,5398163397447"},
    {"mnuDivipi ^Ctrl+F2", "F=7,95774715459477"},
    {"mnuEleva2", "F=625"},
    {"mnuElevar", "F=15625"},
    {"mnuInvertir", "F=0,04"},
    {"@Cen mnuCentrar1 ^F3", "centred"},
    {"@Cal mnuCalcu1 ^F6", "run=1"},
    {"@Not mnuNota", "mnuNota Not"},
    {"@Sie mnuVisible1", "mnuVisible1 Sie"},
    {"@Si=0 mnuIgualacero", "mnuIgualacero Si=0"},
    {"@Sim mnusimpli ^F11", "mnusimpli Sim"},
    {"@Ava mnuAvanzado", "mnuAvanzado Ava"},
    {"@Ace mnuAcerca", "about=1"},
};

class Routing : public ::testing::TestWithParam<std::pair<const char*, const char*>> { };

TEST_P(Routing, EverySourceReachesTheCommand)
{
    const auto& [sources, shows] = GetParam();
    for (const QString& source : QString::fromUtf8(sources).split(QLatin1Char(' '))) {
        WindowHarness window;
        if (QStringLiteral("mnuPorpi mnuDivipi mnuEleva2 mnuElevar mnuInvertir").contains(QString::fromUtf8(sources).section(QLatin1Char(' '), 0, 0)))
            window.action(QStringLiteral("mnuAvanzado"))->trigger();  // shows the value commands
        window.type(0, QStringLiteral("2"));
        window.keys(0, QStringLiteral("5"));
        QApplication::clipboard()->setText(QStringLiteral("4"));
        window.platform.inputAnswers = {QStringLiteral("3")};
        window.form.move(0, 0);
        const QStringList before = seen(window);
        if (source.startsWith('@'))
            QTest::mouseClick(window.find<QToolBar>(QStringLiteral("Toolbar1"))
                                  ->widgetForAction(window.action(source.mid(1))),
                              Qt::LeftButton);
        else if (source.startsWith('^'))  // where the user types: the window's keys win over the field's
            QTest::keySequence(window.field(0), QKeySequence::fromString(source.mid(1)));
        else
            window.action(source)->trigger();
        const QStringList after = seen(window);
        for (const QString& word : QString::fromUtf8(shows).split(QLatin1Char(' ')))
            EXPECT_TRUE(after.contains(word) && !before.contains(word)) << source.toStdString() << ": " << after.join(QLatin1Char(' ')).toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Commands, Routing, ::testing::ValuesIn(kCommands));

// Which pop-up menu a mouse press opened, if any; it runs `choose` on it.
QMenu* popupAfter(const std::function<void()>& press, const char* choose = nullptr)
{
    QMenu* opened = nullptr;
    QTimer::singleShot(0, [&opened, choose] {
        opened = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (opened != nullptr && choose != nullptr)
            opened->findChild<QAction*>(QLatin1String(choose))->trigger();
        if (opened != nullptr)
            opened->close();
    });
    press();
    QCoreApplication::processEvents();
    return opened;
}

TEST(TaskMenu, OpensOnRightPressOverBackgroundAndPanelsAndRunsItsItems)
{
    WindowHarness window;
    QWidget* background = window.form.centralWidget();
    const QPoint empty(3, background->height() - 3);
    const auto right = [&](QWidget* on, QPoint at = {}) { return [=] { QTest::mousePress(on, Qt::RightButton, {}, at); }; };
    const QMenu* taskMenu = popupAfter(right(background, empty));
    ASSERT_NE(taskMenu, nullptr);
    EXPECT_EQ(taskMenu->objectName(), QStringLiteral("mnuTarea"));
    for (const char* panel : {"lblpantalla1", "Lblpantalla2(0)", "Lblpantalla2(1)"})
        EXPECT_NE(popupAfter(right(window.label(QLatin1String(panel)))), nullptr) << panel;
    EXPECT_EQ(popupAfter([&] { QTest::mousePress(background, Qt::LeftButton, {}, empty); }), nullptr);
    for (const char* field : {"Text1(0)", "Label4", "Lblarri(0)"})
        EXPECT_EQ(popupAfter(right(window.box(QLatin1String(field)))), nullptr) << field;

    popupAfter(right(background, empty), "mnuVisible");
    EXPECT_TRUE(window.action(QStringLiteral("mnuVisible1"))->isChecked());
    EXPECT_TRUE(window.action(QStringLiteral("mnuVisible"))->isChecked());
    popupAfter(right(background, empty), "mnuCalcu");
    popupAfter(right(background, empty), "mnuBorrar");
    popupAfter(right(background, empty), "mnuSalir");
    EXPECT_EQ(window.platform.launches.size(), 1u);
    EXPECT_TRUE(window.field(0)->text().isEmpty());
    EXPECT_EQ(window.platform.messageTexts(), QStringList{QStringLiteral("¿Desea salir de la aplicación?")});
}

TEST(Keyboard, ButtonsAndLabelsHaveKeys)
{
    WindowHarness window;
    QTest::keyClick(&window.form, Qt::Key_C, Qt::AltModifier);  // the click comes a moment later
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.text(QStringLiteral("Label4")).isEmpty(); }));
    QTest::keyClick(window.field(0), Qt::Key_X, Qt::AltModifier);
    EXPECT_FALSE(window.field(1)->isEnabled());
    QTest::keyClick(window.field(0), Qt::Key_F1);
    QTest::mouseClick(window.label(QStringLiteral("Label1")), Qt::LeftButton);
    EXPECT_EQ(window.platform.openedAddresses, std::vector<QString>(2, Form1::kProjectAddress));
}

}  // namespace
