// SPDX-License-Identifier: GPL-3.0-or-later
// The coefficient fields in the window: key events reach the rules and their
// effects land in the field, changes run the repair nested, the focus is
// tracked, and the Edición and Opciones commands act on the right field.

#include "window_harness.h"

#include <QClipboard>

namespace {

const QString kCancel = QStringLiteral("Imposible continuar con la operación.\r\nOperación cancelada.");
const QString kCannotGoOn = QStringLiteral("Error: No se puede continuar con la operación");

struct KeyCase {
    const char* before;
    const char* typed;
    const char* after;
    int beeps;
    QString message;
};

TEST(FieldKeys, EffectsLandInTheField)
{
    const KeyCase cases[] = {
        {"", "-5", "-5", 0, {}},
        {"5", "e-3", "5E-3", 0, {}},
        {"1", ".5", "1,5", 0, {}},
        {"", "E", "1E", 0, {}},
        {"12", "-", "12", 0, QStringLiteral("¡¡No puede introducir un menos(-)!!")},
        {"5E", ",", "5E", 2, QStringLiteral("¡¡No puede introducir un separador decimal(,)!!")},
        {"3", " ", "3", 1, {}},
    };
    WindowHarness window;
    for (const KeyCase& c : cases) {
        window.type(0, QString::fromUtf8(c.before));
        window.forgetWhatWasShown();
        window.keys(0, QString::fromUtf8(c.typed));
        EXPECT_EQ(window.field(0)->text(), QString::fromUtf8(c.after)) << c.typed;
        EXPECT_EQ(window.platform.beeps, c.beeps) << c.typed;
        EXPECT_EQ(window.platform.messageTexts(), c.message.isEmpty() ? QStringList{} : QStringList{c.message});
    }
}

TEST(FieldKeys, HintCaretAndFocusMoves)
{
    WindowHarness window;
    QLabel* hint = window.label(QStringLiteral("StatusBar1(1)"));
    window.type(0, QStringLiteral("5E3"));
    EXPECT_EQ(hint->text(), QStringLiteral("Introduzca el signo"));
    window.keys(0, QStringLiteral("-"));
    EXPECT_TRUE(hint->text().isEmpty());

    window.type(1, QStringLiteral("5"));
    window.field(1)->home(false);
    window.keys(1, QStringLiteral(","));  // completed as the key is released
    EXPECT_EQ(window.field(1)->text(), QStringLiteral("0,5"));
    EXPECT_EQ(window.field(1)->cursorPosition(), 3);

    window.type(3, QStringLiteral("1"));
    window.press(3, Qt::Key_Enter);
    EXPECT_EQ(QApplication::focusWidget(), window.find<QWidget>(QStringLiteral("CmdCal")));
}

// Text that an input method commits is typed through the rules; dropped
// text is not taken at all; the solution copies take no keys.
TEST(FieldKeys, InputMethodDropsAndSolutionCopies)
{
    WindowHarness window;
    window.type(0, QStringLiteral("3"));
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("x7q"));
    QCoreApplication::sendEvent(window.field(0), &commit);
    EXPECT_EQ(window.field(0)->text(), QStringLiteral("37"));
    EXPECT_FALSE(window.field(0)->acceptDrops());

    window.forgetWhatWasShown();
    for (const char* name : {"Text2", "Text3"}) {
        window.box(QLatin1String(name))->setFocus();
        QTest::keyClicks(window.box(QLatin1String(name)), QStringLiteral("1a"));
        EXPECT_TRUE(window.text(QLatin1String(name)).isEmpty()) << name;
    }
    EXPECT_EQ(window.platform.beeps, 4);
}

// The messages name the separator in use, in the range of numbers and in
// the power's prompt alike.
TEST(FieldKeys, PointLocaleTypesAndNamesThePoint)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    {
        WindowHarness window;
        window.type(0, QStringLiteral(",5"));
        EXPECT_EQ(window.field(0)->text(), QStringLiteral("0.5"));
        window.keys(0, QStringLiteral(","));
        window.type(2, QStringLiteral("-"));
        window.clickSolve();
        ASSERT_EQ(window.platform.messages.size(), 2u);
        EXPECT_EQ(window.platform.messages[0].text, QStringLiteral("¡¡No puede introducir un separador decimal(.)!!"));
        EXPECT_TRUE(window.platform.messages[1].text.contains(QStringLiteral("-1.79769313486232E308 a -4.9406")));
        window.action(QStringLiteral("mnuElevar"))->trigger();
        EXPECT_TRUE(window.platform.prompts.at(0).prompt.endsWith(QStringLiteral("use el PUNTO (.)")));
    }
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
}

TEST(FieldFocus, FocusedFieldIsSelectedAndLightYellow)
{
    WindowHarness window;
    window.type(1, QStringLiteral("12,5"));
    QLineEdit* field = window.field(1);
    window.field(2)->setFocus();
    EXPECT_EQ(field->palette().color(QPalette::Base), QColor(255, 255, 255));
    window.label(QStringLiteral("StatusBar1(1)"))->setText(QStringLiteral("pista"));
    field->setFocus();
    EXPECT_EQ(field->selectedText(), QStringLiteral("12,5"));
    EXPECT_EQ(field->palette().color(QPalette::Base), QColor(255, 255, 192));
    window.field(0)->setFocus();
    EXPECT_TRUE(window.label(QStringLiteral("StatusBar1(1)"))->text().isEmpty());
}

// The text box's own context menu pastes with QLineEdit::paste(); the
// repair runs nested in it and writes back the value of the field being
// edited, unless a sign has just been typed.
TEST(FieldRepair, PasteIsRepairedInsideTheChange)
{
    WindowHarness window;
    window.type(0, QStringLiteral("7"));
    window.type(2, QStringLiteral("3"));
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
    EXPECT_EQ(window.field(0)->text(), QStringLiteral("-hola"));
}

TEST(EditMenu, CaptionsNameTheActiveField)
{
    WindowHarness window;
    window.type(1, QStringLiteral("7,5"));
    QApplication::clipboard()->setText(QStringLiteral("abc"));
    window.openMenu(QStringLiteral("mnuEdi"));
    EXPECT_EQ(window.action(QStringLiteral("mnuseleccionar"))->text(), QStringLiteral("&Seleccionar (2º)"));
    EXPECT_EQ(window.action(QStringLiteral("mnuBorrar1"))->text(), QStringLiteral("&Borrar (2º)"));
    EXPECT_FALSE(window.action(QStringLiteral("mnuPegar"))->isEnabled());

    window.field(1)->selectAll();
    QApplication::clipboard()->setText(QStringLiteral("3,25"));
    window.openMenu(QStringLiteral("mnuEdi"));
    EXPECT_FALSE(window.action(QStringLiteral("mnuseleccionar"))->isEnabled());
    EXPECT_EQ(window.action(QStringLiteral("mnuseleccionar"))->text(), QStringLiteral("&Seleccionar"));
    EXPECT_TRUE(window.action(QStringLiteral("mnuPegar"))->isEnabled());
}

TEST(EditMenu, FocusOnAButtonDisablesTheFieldItems)
{
    WindowHarness window;
    window.action(QStringLiteral("mnuAvanzado"))->trigger();  // hidden items report themselves disabled
    window.find<QWidget>(QStringLiteral("CmdCal"))->setFocus();
    window.openMenu(QStringLiteral("mnuEdi"));
    for (const char* item : {"mnuPi", "mnuPegar", "mnuCortar", "mnuCopiar", "mnuBorrar1", "mnuBorrarTodo",
                             "mnuseleccionar", "mnuElv", "mnuInvertir"})
        EXPECT_FALSE(window.action(QLatin1String(item))->isEnabled()) << item;
    EXPECT_TRUE(window.platform.messages.empty());

    // The Opciones menu gives the value items back.
    window.openMenu(QStringLiteral("mnuOpci"));
    EXPECT_TRUE(window.action(QStringLiteral("mnuInvertir"))->isEnabled());
}

struct ValueCase {
    const char* item;
    const char* before;
    const char* answer;  // for the power's input box
    const char* after;
    QString message;
};

TEST(ValueCommands, ReplaceTheNumberOrReportWhy)
{
    const ValueCase cases[] = {
        {"mnuPorpi", "2", "", "6,28318530717958", {}},
        {"mnuEleva2", "1E+200", "", "1E+200", kCancel},
        {"mnuElevar", "-8", "0,5", "-8", kCannotGoOn},
        {"mnuElevar", "2", "abc", "2", QStringLiteral("Valor no válido u Operación cancelada.")},
        {"mnuInvertir", "-", "", "-", kCancel},
    };
    WindowHarness window;
    window.action(QStringLiteral("mnuAvanzado"))->trigger();
    for (const ValueCase& c : cases) {
        window.type(0, QString::fromUtf8(c.before));
        window.forgetWhatWasShown();
        window.platform.inputAnswers = {QString::fromUtf8(c.answer)};
        window.action(QLatin1String(c.item))->trigger();
        EXPECT_EQ(window.field(0)->text(), QString::fromUtf8(c.after)) << c.item;
        EXPECT_EQ(window.platform.messageTexts(), c.message.isEmpty() ? QStringList{} : QStringList{c.message});
    }
}

TEST(ValueCommands, PowerRemembersTheExponent)
{
    WindowHarness window;
    window.type(0, QStringLiteral("2"));
    window.platform.inputAnswers = {QStringLiteral("0,5")};
    window.action(QStringLiteral("mnuElevar"))->trigger();
    window.action(QStringLiteral("mnuElevar"))->trigger();
    ASSERT_EQ(window.platform.prompts.size(), 2u);
    EXPECT_EQ(window.field(0)->text(), QStringLiteral("1,4142135623731"));
    EXPECT_EQ(window.platform.prompts[0].proposed, QStringLiteral("3"));
    EXPECT_EQ(window.platform.prompts[0].title, QStringLiteral("Atención"));
    EXPECT_EQ(window.platform.prompts[1].proposed, QStringLiteral("0,5"));
}

TEST(OptionsMenu, CaptionsAndValueItemsFollowTheActiveField)
{
    WindowHarness window;
    window.openMenu(QStringLiteral("mnuOpci"));
    EXPECT_EQ(window.action(QStringLiteral("mnuPorpi"))->text(), QStringLiteral("&Multiplicar por PI (1º)"));
    window.type(3, QString());
    window.openMenu(QStringLiteral("mnuOpci"));
    EXPECT_EQ(window.action(QStringLiteral("mnuInvertir"))->text(), QStringLiteral("&Invertir 1/X (4º)"));
    EXPECT_EQ(window.action(QStringLiteral("mnuEleva2"))->text(), QStringLiteral("&2 (4º)"));
    for (const char* item : {"mnuPi", "mnuElv", "mnuInvertir"})
        EXPECT_FALSE(window.action(QLatin1String(item))->isEnabled()) << item;
}

}  // namespace
