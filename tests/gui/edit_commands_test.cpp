// The Edición and Opciones commands on the coefficient fields, with the real
// clipboard.

#include "window_harness.h"

#include <QClipboard>
#include <QMenu>

namespace {

const QString kCancel = QStringLiteral("Imposible continuar con la operación.\r\nOperación cancelada.");
const QString kCannotGoOn = QStringLiteral("Error: No se puede continuar con la operación");

TEST(EditMenu, CaptionsNameTheActiveField)
{
    WindowHarness window;
    window.type(1, QStringLiteral("7,5"));
    window.openMenu(QStringLiteral("mnuEdi"));
    EXPECT_EQ(window.action(QStringLiteral("mnuseleccionar"))->text(), QStringLiteral("&Seleccionar (2º)"));
    EXPECT_EQ(window.action(QStringLiteral("mnuBorrar1"))->text(), QStringLiteral("&Borrar (2º)"));
    for (const char* item : {"mnuseleccionar", "mnuBorrar1", "mnuCortar", "mnuCopiar", "mnuBorrarTodo"})
        EXPECT_TRUE(window.action(QLatin1String(item))->isEnabled()) << item;

    window.field(1)->selectAll();
    window.openMenu(QStringLiteral("mnuEdi"));
    EXPECT_FALSE(window.action(QStringLiteral("mnuseleccionar"))->isEnabled());
    EXPECT_EQ(window.action(QStringLiteral("mnuseleccionar"))->text(), QStringLiteral("&Seleccionar"));
}

TEST(EditMenu, PasteOfferedOnlyForANumber)
{
    WindowHarness window;
    window.type(0, QStringLiteral("1"));
    const std::pair<const char*, bool> clipboards[] = {{"abc", false}, {"3,25", true}, {"", false}, {"1E+3", true}};
    for (const auto& [text, offered] : clipboards) {
        QApplication::clipboard()->setText(QString::fromUtf8(text));
        window.openMenu(QStringLiteral("mnuEdi"));
        EXPECT_EQ(window.action(QStringLiteral("mnuPegar"))->isEnabled(), offered) << text;
    }
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

TEST(EditCommands, DeleteAllEmptiesFieldsAndClipboard)
{
    WindowHarness window;
    QApplication::clipboard()->setText(QStringLiteral("5"));
    window.action(QStringLiteral("mnuBorrar"))->trigger();
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(window.field(i)->text().isEmpty()) << i;
    EXPECT_TRUE(QApplication::clipboard()->text().isEmpty());
    window.openMenu(QStringLiteral("mnuEdi"));
    EXPECT_FALSE(window.action(QStringLiteral("mnuBorrarTodo"))->isEnabled());
}

struct TransformCase {
    const char* name;
    const char* item;
    const char* before;
    const char* answer;  // for the power's input box
    const char* after;
    QString message;
};

const TransformCase kTransforms[] = {
    {"TimesPi", "mnuPorpi", "2", "", "6,28318530717958", {}},
    {"OverPi", "mnuDivipi", "1", "", "0,318309886183791", {}},
    {"Square", "mnuEleva2", "-3", "", "9", {}},
    {"SquareOverflows", "mnuEleva2", "1E+200", "", "1E+200", kCancel},
    {"SquareNextToTheLargestDoubleStaysANumber",
     "mnuEleva2",
     "1,3407807929942596E+154",
     "",
     "1,7976931348623155E+308",
     {}},
    {"Power", "mnuElevar", "2", "0,5", "1,4142135623731", {}},
    {"PowerWithoutRealValue", "mnuElevar", "-8", "0,5", "-8", kCannotGoOn},
    {"PowerRefused", "mnuElevar", "2", "abc", "2", QStringLiteral("Valor no válido u Operación cancelada.")},
    {"PowerCancelled", "mnuElevar", "2", "", "2", QStringLiteral("Valor no válido u Operación cancelada.")},
    {"ReciprocalOfTheWholeValue", "mnuInvertir", "2,5", "", "0,4", {}},
    {"ReciprocalOfZero", "mnuInvertir", "0", "", "0", kCannotGoOn},
    {"ReciprocalOverflows", "mnuInvertir", "1E-310", "", "1E-310", kCancel},
    {"ReciprocalOfNoNumber", "mnuInvertir", "-", "", "-", kCancel},
};

void PrintTo(const TransformCase& c, std::ostream* out)
{
    *out << c.name;
}

class ValueTransformations : public ::testing::TestWithParam<TransformCase> { };

TEST_P(ValueTransformations, ReplaceTheNumberOrKeepIt)
{
    const TransformCase& c = GetParam();
    WindowHarness window;
    window.action(QStringLiteral("mnuAvanzado"))->trigger();
    window.type(0, QString::fromUtf8(c.before));
    window.forgetWhatWasShown();
    if (*c.answer)
        window.platform.inputAnswers = {QString::fromUtf8(c.answer)};
    window.action(QLatin1String(c.item))->trigger();
    EXPECT_EQ(window.field(0)->text(), QString::fromUtf8(c.after));
    EXPECT_EQ(window.platform.messageTexts(), c.message.isEmpty() ? QStringList{} : QStringList{c.message});
}

INSTANTIATE_TEST_SUITE_P(Opciones, ValueTransformations, ::testing::ValuesIn(kTransforms),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ValueTransformations, PowerRemembersTheExponent)
{
    WindowHarness window;
    window.type(0, QStringLiteral("2"));
    window.platform.inputAnswers = {QStringLiteral("0,5")};
    window.action(QStringLiteral("mnuElevar"))->trigger();
    window.action(QStringLiteral("mnuElevar"))->trigger();
    ASSERT_EQ(window.platform.prompts.size(), 2u);
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
