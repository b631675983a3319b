// SPDX-License-Identifier: GPL-3.0-or-later
// Every road to every command, each known by what it visibly changes.

#include "window_harness.h"

#include <QClipboard>
#include <QScreen>
#include <QTimer>

#include <functional>

namespace {

// What the user can see, as words.
QStringList seen(WindowHarness& w)
{
    QStringList words{"F=" + w.field(0)->text(),
                      "sel=" + w.field(0)->selectedText(),
                      "clip=" + QApplication::clipboard()->text(),
                      "L4=" + w.text(QStringLiteral("Label4")),
                      QStringLiteral("run=%1").arg(w.platform.launches.size()),
                      QStringLiteral("about=%1").arg(w.platform.aboutTexts.size())};
    for (const auto& message : w.platform.messages)
        words << "box=" + message.title;
    for (QAction* item : w.form.findChildren<QAction*>()) {
        if (item->isChecked() && !item->objectName().isEmpty())
            words << item->objectName();
    }
    const QPoint offCentre = w.form.frameGeometry().center() - w.form.screen()->geometry().center();
    if (offCentre.manhattanLength() <= 4)
        words << QStringLiteral("centred");
    return words;
}

// Each command with its sources (item names, "@" and a toolbar key, "^" and a
// shortcut key) and the words it adds to what the user sees, starting from
// "25" typed into the first field, "4" on the clipboard and 3 to answer.
const std::pair<const char*, const char*> kCommands[] = {
    {"@Eje mnuCalcular", "L4=0"},
    {"mnuSalir2", "box=Salir"},
    {"@Des mnuDeshacer", "F=2"},
    {"@Cor mnuCortar", "F= clip=25"},
    {"@Cop mnuCopiar ^Ctrl+C", "sel=25 clip=25"},
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
    {"@Not mnuNota", "F=2,50E+01 mnuNota Not"},
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
        if (QByteArray("mnuPorpi mnuDivipi mnuEleva2 mnuElevar mnuInvertir")
                .contains(QByteArray(sources).split(' ')[0]))
            window.action(QStringLiteral("mnuAvanzado"))->trigger();  // shows the value commands
        window.type(0, QStringLiteral("2"));
        window.keys(0, QStringLiteral("5"));
        QApplication::clipboard()->setText(QStringLiteral("4"));
        window.platform.inputAnswers = {QStringLiteral("3")};
        window.form.move(0, 0);
        const QStringList before = seen(window);
        if (source.startsWith('^'))  // where the user types: the window's keys win over the field's
            QTest::keySequence(window.field(0), QKeySequence::fromString(source.mid(1)));
        else  // a toolbar button's click triggers its action
            window.action(source.mid(source.startsWith('@') ? 1 : 0))->trigger();
        QStringList added;
        for (const QString& word : seen(window))
            if (!before.contains(word))
                added << word;
        EXPECT_EQ(added.join(QLatin1Char(' ')), QString::fromUtf8(shows)) << source.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Commands, Routing, ::testing::ValuesIn(kCommands));

// The pop-up menu opens on a right press; `choose` is then run from it.
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

// The background and the exact-form panels open it, the boxes keep their own.
TEST(TaskMenu, OpensWhereItBelongsAndRunsItsItems)
{
    WindowHarness window;
    QWidget* background = window.form.centralWidget();
    const auto right = [](QWidget* on, QPoint at = {}) {
        return [=] { QTest::mousePress(on, Qt::RightButton, {}, at); };
    };
    const auto onBackground = right(background, QPoint(3, background->height() - 3));
    EXPECT_EQ(popupAfter(right(window.box(QStringLiteral("Label4")))), nullptr);
    EXPECT_NE(popupAfter(right(window.label(QStringLiteral("Lblpantalla2(1)")))), nullptr);
    for (const char* item : {"mnuVisible", "mnuCalcu", "mnuBorrar", "mnuSalir"})
        EXPECT_EQ(popupAfter(onBackground, item)->objectName(), QStringLiteral("mnuTarea"));
    for (const char* word : {"F=", "run=1", "box=Salir", "mnuVisible", "mnuVisible1", "Sie"})
        EXPECT_TRUE(seen(window).contains(QLatin1String(word))) << word;
}

}  // namespace
