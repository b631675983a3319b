// SPDX-License-Identifier: GPL-3.0-or-later
// Focus tracking and the repair of texts that reached a field by roads the
// keystroke filter does not guard.

#include "window_harness.h"

#include <QClipboard>

namespace {

const char kSecondSeparator[] = "No puede copiar el texto del portapapeles porque\r\nel texto numérico actual ya "
                                "contiene un separador decimal (,).";
const char kRepaired[] = "Valor actual del texto (3) no válido\r\nSe procede a reparar el texto.";

QColor base(QLineEdit* field)
{
    return field->palette().color(QPalette::Base);
}

TEST(FocusTracking, FocusedFieldIsSelectedAndLightYellow)
{
    WindowHarness window;
    window.type(1, QStringLiteral("12,5"));
    QLineEdit* field = window.field(1);
    window.field(2)->setFocus();
    EXPECT_EQ(base(field), QColor(255, 255, 255));
    window.label(QStringLiteral("StatusBar1(1)"))->setText(QStringLiteral("pista"));

    field->setFocus();
    EXPECT_EQ(field->selectedText(), QStringLiteral("12,5"));
    EXPECT_EQ(base(field), QColor(255, 255, 192));
    window.field(0)->setFocus();
    EXPECT_EQ(base(field), QColor(255, 255, 255));
    EXPECT_TRUE(window.label(QStringLiteral("StatusBar1(1)"))->text().isEmpty());
}

struct PasteCase {
    const char* name;
    const char* before;  // typed into the field
    int caret;           // where the paste goes
    const char* clipboard;
    const char* after;
    const char* message;
};

const PasteCase kPasteCases[] = {
    {"WordAfterNumber", "3", 1, "hola", "3", kRepaired},
    {"SecondSeparator", "1,5", 1, "2,5", "1,5", kSecondSeparator},
    {"NumberIntoNumber", "15", 1, "23", "1235", ""},
    {"OtherSeparatorIsNoNumber", "4", 1, "0.5", "4", kRepaired},
};

void PrintTo(const PasteCase& c, std::ostream* out)
{
    *out << c.name;
}

class PasteRepair : public ::testing::TestWithParam<PasteCase> { };

// The text box's own context menu pastes with QLineEdit::paste().
TEST_P(PasteRepair, RestoresTheLastGoodValue)
{
    const PasteCase& c = GetParam();
    WindowHarness window;
    window.type(2, QString::fromUtf8(c.before));
    QLineEdit* field = window.field(2);
    field->setCursorPosition(c.caret);
    QApplication::clipboard()->setText(QString::fromUtf8(c.clipboard));
    window.press(2, Qt::Key_Right);  // an ordinary key: nothing is being typed any more
    field->setCursorPosition(c.caret);
    window.forgetWhatWasShown();

    field->paste();
    EXPECT_EQ(field->text(), QString::fromUtf8(c.after));
    EXPECT_EQ(window.platform.messageTexts(), *c.message ? QStringList{QString::fromUtf8(c.message)} : QStringList{});
}

INSTANTIATE_TEST_SUITE_P(Clipboard, PasteRepair, ::testing::ValuesIn(kPasteCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TextRepair, PasteRightAfterASignIsLeftAlone)
{
    WindowHarness window;
    window.type(0, QStringLiteral("-"));
    QApplication::clipboard()->setText(QStringLiteral("hola"));
    window.field(0)->paste();
    EXPECT_EQ(window.field(0)->text(), QStringLiteral("-hola"));
    EXPECT_TRUE(window.platform.messages.empty());
}

TEST(TextRepair, UnfinishedNumberSurvivesWithoutAClipboardToBlame)
{
    WindowHarness window;
    QApplication::clipboard()->clear();
    window.type(0, QStringLiteral("-5"));
    window.press(0, Qt::Key_Left);
    window.press(0, Qt::Key_Delete);
    EXPECT_EQ(window.field(0)->text(), QStringLiteral("-"));
    EXPECT_TRUE(window.platform.messages.empty());
}

TEST(TextRepair, RepairRestoresTheValueOfTheFieldBeingEdited)
{
    WindowHarness window;
    window.type(0, QStringLiteral("7"));
    window.type(1, QStringLiteral("9"));
    window.press(1, Qt::Key_End);
    QApplication::clipboard()->setText(QStringLiteral("x"));
    window.field(1)->paste();
    EXPECT_EQ(window.field(1)->text(), QStringLiteral("9"));
}

}  // namespace
