// SPDX-License-Identifier: GPL-3.0-or-later
// The coefficient fields in the window: what their rules decide lands in
// the field, the boxes and the status bar, and the menus act on the right
// field.  The rules are tested without a window, real keys on the desktop.

#include "window_harness.h"

#include <QClipboard>

namespace {

TEST(FieldKeys, EffectsLandInTheFieldAndTheStatusBar)
{
    WindowHarness window;
    const std::tuple<const char*, const char*, const char*, int, const char*> cases[] = {
        {"12", "-", "12", 0, "¡¡No puede introducir un menos(-)!!"},
        {"5E", ",", "5E", 2, "¡¡No puede introducir un separador decimal(,)!!"},
        {"3", " ", "3", 1, ""},
        {"", "E", "1E", 0, ""},
    };
    for (const auto& [before, typed, after, beeps, message] : cases) {
        window.type(0, QString::fromUtf8(before));
        window.forgetWhatWasShown();
        window.keys(0, QString::fromUtf8(typed));
        EXPECT_EQ(window.field(0)->text(), QString::fromUtf8(after)) << typed;
        EXPECT_EQ(window.platform.beeps, beeps) << typed;
        EXPECT_EQ(window.platform.messageTexts().join(QString()), QString::fromUtf8(message));
    }
    window.keys(0, QStringLiteral("3"));
    EXPECT_EQ(window.label(QStringLiteral("StatusBar1(1)"))->text(), QStringLiteral("Introduzca el signo"));

    window.type(1, QStringLiteral("5"));
    window.field(1)->home(false);
    window.keys(1, QStringLiteral(","));  // completed as the key is released
    EXPECT_EQ(window.field(1)->text(), QStringLiteral("0,5"));
    EXPECT_EQ(window.field(1)->cursorPosition(), 3);
}

// The seven panels keep equal shares of the bar whatever they show: a long
// hint is cut, not given room taken from the others.
TEST(StatusBar, PanelsShareTheBarWhateverTheyShow)
{
    WindowHarness window;
    QLabel* hint = window.label(QStringLiteral("StatusBar1(1)"));
    for (const char* shown :
         {"", "Introduzca el signo", "Una indicación mucho más larga que el panel que la muestra"}) {
        hint->setText(QString::fromUtf8(shown));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        for (int panel = 2; panel <= 7; ++panel)
            EXPECT_NEAR(window.label(QStringLiteral("StatusBar1(%1)").arg(panel))->width(), hint->width(), 1) << shown;
    }
}

// Text that an input method commits is typed through the rules; the
// solution copies take no keys.
TEST(FieldKeys, InputMethodDropsAndSolutionCopies)
{
    WindowHarness window;
    window.type(0, QStringLiteral("3"));
    window.forgetWhatWasShown();
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("x7😀q"));  // beyond the BMP: refused whole, by both roads
    QCoreApplication::sendEvent(window.field(0), &commit);
    QTest::sendKeyEvent(QTest::Click, window.field(0), Qt::Key_unknown, QStringLiteral("😀"), Qt::NoModifier);
    EXPECT_EQ(window.field(0)->text(), QStringLiteral("37"));
    EXPECT_EQ(window.platform.messageTexts(), QStringList());
    EXPECT_EQ(window.platform.beeps, 8);
    window.forgetWhatWasShown();
    QLineEdit* copy = window.box(QStringLiteral("Text2"));
    copy->setFocus();
    QTest::keyClicks(copy, QStringLiteral("1a"));
    EXPECT_TRUE(copy->text().isEmpty());
    EXPECT_EQ(window.platform.beeps, 2);
}

// The messages name the separator in use, in the range of numbers and in
// the power's prompt alike.
TEST(FieldKeys, PointLocaleNamesThePoint)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    {
        WindowHarness window;
        window.type(0, QStringLiteral("1.5,"));
        window.type(2, QStringLiteral("-"));
        window.clickSolve();
        window.action(QStringLiteral("mnuElevar"))->trigger();
        const QStringList shown = window.platform.messageTexts();
        EXPECT_EQ(shown.value(0), QStringLiteral("¡¡No puede introducir un separador decimal(.)!!"));
        EXPECT_TRUE(shown.value(1).contains(QStringLiteral("-1.79769313486232E308 a -4.94065645841247E-324")));
        EXPECT_TRUE(window.platform.prompts.at(0).prompt.endsWith(QStringLiteral("use el PUNTO (.)")));
    }
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
}

// The text box's own context menu pastes with QLineEdit::paste(): the
// repair runs inside it, writes back the value of the field being edited,
// and keeps quiet right after a sign was typed.
TEST(FieldRepair, FocusAndPasteRepair)
{
    WindowHarness window;
    window.type(0, QStringLiteral("7"));
    window.type(2, QStringLiteral("3"));
    // The field being edited stands out from the one left.
    EXPECT_NE(window.field(2)->palette().color(QPalette::Base), window.field(0)->palette().color(QPalette::Base));
    QApplication::clipboard()->setText(QStringLiteral("hola"));
    window.field(2)->paste();
    EXPECT_EQ(window.field(2)->text(), QStringLiteral("3"));
    QApplication::clipboard()->setText(QStringLiteral("2,5"));
    window.type(2, QStringLiteral("1,5"));
    window.field(2)->paste();
    EXPECT_EQ(window.field(2)->text(), QStringLiteral("1,5"));
    EXPECT_EQ(window.platform.messageTexts(),
              (QStringList{QStringLiteral("Valor actual del texto (3) no válido\r\nSe procede a reparar el texto."),
                           QStringLiteral("No puede copiar el texto del portapapeles porque\r\nel texto numérico "
                                          "actual ya contiene un separador decimal (,).")}));
    window.type(0, QStringLiteral("-"));
    QApplication::clipboard()->setText(QStringLiteral("hola"));
    window.field(0)->paste();
    // A word after a sign is no number in the making: the last number comes back.
    EXPECT_EQ(window.field(0)->text(), QStringLiteral("7"));
}

TEST(FieldMenus, CaptionsAndItemsFollowTheActiveField)
{
    WindowHarness window;
    window.action(QStringLiteral("mnuAvanzado"))->trigger();  // hidden items report themselves disabled
    window.type(1, QStringLiteral("7,5"));
    QApplication::clipboard()->setText(QStringLiteral("abc"));
    window.openMenu(QStringLiteral("mnuEdi"));
    EXPECT_EQ(window.action(QStringLiteral("mnuseleccionar"))->text(), QStringLiteral("&Seleccionar (2º)"));
    EXPECT_EQ(window.action(QStringLiteral("mnuBorrar1"))->text(), QStringLiteral("&Borrar (2º)"));
    EXPECT_FALSE(window.action(QStringLiteral("mnuPegar"))->isEnabled());
    window.type(3, QString());
    window.openMenu(QStringLiteral("mnuOpci"));
    EXPECT_EQ(window.action(QStringLiteral("mnuInvertir"))->text(), QStringLiteral("&Invertir 1/X (4º)"));
    EXPECT_FALSE(window.action(QStringLiteral("mnuElv"))->isEnabled());

    window.find<QWidget>(QStringLiteral("CmdCal"))->setFocus();
    window.openMenu(QStringLiteral("mnuEdi"));
    for (const char* item : {"mnuPi", "mnuPegar", "mnuCortar", "mnuCopiar", "mnuBorrar1", "mnuBorrarTodo",
                             "mnuseleccionar", "mnuElv", "mnuInvertir"})
        EXPECT_FALSE(window.action(QLatin1String(item))->isEnabled()) << item;
    EXPECT_TRUE(window.platform.messages.empty());
}

TEST(ValueCommands, ReportWhyTheNumberStays)
{
    const std::tuple<const char*, const char*, const char*, QString> cases[] = {
        {"mnuEleva2", "1E+200", "", QStringLiteral("Imposible continuar con la operación.\r\nOperación cancelada.")},
        {"mnuElevar", "-8", "0,5", QStringLiteral("Error: No se puede continuar con la operación")},
        {"mnuElevar", "2", "abc", QStringLiteral("Valor no válido u Operación cancelada.")},
    };
    WindowHarness window;
    for (const auto& [item, before, answer, message] : cases) {
        window.type(0, QString::fromUtf8(before));
        window.forgetWhatWasShown();
        window.platform.inputAnswers = {QString::fromUtf8(answer)};
        window.action(QLatin1String(item))->trigger();
        EXPECT_EQ(window.field(0)->text(), QString::fromUtf8(before)) << item;
        EXPECT_EQ(window.platform.messageTexts(), QStringList{message});
    }
    window.type(0, QStringLiteral("2"));
    window.platform.inputAnswers = {QStringLiteral("0,5")};
    window.action(QStringLiteral("mnuElevar"))->trigger();
    window.action(QStringLiteral("mnuElevar"))->trigger();
    EXPECT_EQ(window.field(0)->text(), QStringLiteral("1,4142135623731"));
    EXPECT_EQ(window.platform.prompts.front().proposed, QStringLiteral("3"));
    EXPECT_EQ(window.platform.prompts.back().proposed, QStringLiteral("0,5"));
}

}  // namespace
