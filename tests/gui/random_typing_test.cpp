// Long random sessions of keys and pastes: whatever the user does, the fields
// hold at most one separator, keys never bring in stray characters, and the
// solve command ends in one of its outcomes.

#include "solver/number_text.h"
#include "window_harness.h"

#include <QClipboard>
#include <QRegularExpression>

#include <random>

namespace {

bool isNumberCharacter(QChar c)
{
    return c.isDigit() || c == QLatin1Char(',') || c == QLatin1Char('E') || c == QLatin1Char('+') ||
           c == QLatin1Char('-');
}

int strayCharacters(const QString& text)
{
    return static_cast<int>(std::count_if(text.begin(), text.end(), [](QChar c) { return !isNumberCharacter(c); }));
}

int separators(const QString& text)
{
    return static_cast<int>(text.count(QLatin1Char(',')) + text.count(QLatin1Char('.')));
}

bool isSolveMessage(const QString& message)
{
    return message.startsWith(QStringLiteral("Texto numérico ")) ||
           message == QStringLiteral("Valor introducido elevado al cuadrado no válido.") ||
           message == QStringLiteral("Imposible continuar con la operación.\r\nOperación cancelada.");
}

bool isSolutionText(const QString& text)
{
    static const QRegularExpression complex(QStringLiteral("^[-0-9,E+]+[+-] i[0-9,E+-]+$"));
    return text.isEmpty() || text == QStringLiteral("Operación cancelada.") ||
           trx::isNumeric(text.toStdString(), ',') || complex.match(text).hasMatch();
}

TEST(RandomSession, FieldsStayWellFormed)
{
    WindowHarness window;
    std::mt19937 random(20261206);
    const auto pick = [&random](int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); };

    const QString typedKeys = QStringLiteral("0123456789012345,.,+-eEa x");
    const std::pair<Qt::Key, Qt::KeyboardModifiers> otherKeys[] = {
        {Qt::Key_Backspace, Qt::NoModifier}, {Qt::Key_Delete, Qt::NoModifier},  {Qt::Key_Return, Qt::NoModifier},
        {Qt::Key_Left, Qt::NoModifier},      {Qt::Key_Right, Qt::NoModifier},   {Qt::Key_Home, Qt::NoModifier},
        {Qt::Key_End, Qt::NoModifier},       {Qt::Key_Left, Qt::ShiftModifier}, {Qt::Key_Home, Qt::ShiftModifier},
        {Qt::Key_End, Qt::ShiftModifier},
    };
    const QString clipboards[] = {QStringLiteral("12"),
                                  QStringLiteral("2,5"),
                                  QStringLiteral("hola"),
                                  QStringLiteral("1.5"),
                                  QStringLiteral("-"),
                                  QStringLiteral("1E+5"),
                                  QString(),
                                  QStringLiteral("9E9"),
                                  QStringLiteral("3,1,4"),
                                  QStringLiteral("١٢٣"),
                                  QStringLiteral(" 7 "),
                                  QStringLiteral("0,")};

    for (int step = 0; step < 4000; ++step) {
        int index = 0;
        while (index < 4 && QApplication::focusWidget() != window.field(index))
            ++index;
        if (index == 4 || !window.field(index)->isEnabled()) {
            index = pick(3);  // the right side may be switched off; the others never stay disabled
            window.field(index)->setFocus();
        }
        QLineEdit* field = window.field(index);
        const int strayBefore = strayCharacters(field->text());
        const int choice = pick(100);
        if (choice < 70) {
            window.keys(index, QString(typedKeys.at(pick(static_cast<int>(typedKeys.size())))));
            EXPECT_LE(strayCharacters(field->text()), strayBefore) << "step " << step;
        } else if (choice < 88) {
            const auto& [key, modifiers] = otherKeys[pick(static_cast<int>(std::size(otherKeys)))];
            window.press(index, key, modifiers);
            EXPECT_LE(strayCharacters(field->text()), strayBefore) << "step " << step;
        } else if (choice < 98) {
            QApplication::clipboard()->setText(clipboards[pick(static_cast<int>(std::size(clipboards)))]);
            field->paste();
        } else {
            const std::size_t shown = window.platform.messages.size();
            window.clickSolve();
            for (std::size_t m = shown; m < window.platform.messages.size(); ++m)
                EXPECT_TRUE(isSolveMessage(window.platform.messages[m].text)) << "step " << step;
            EXPECT_TRUE(isSolutionText(window.text(QStringLiteral("Label4")))) << "step " << step;
            EXPECT_TRUE(isSolutionText(window.text(QStringLiteral("Label5")))) << "step " << step;
        }
        for (int i = 0; i < 4; ++i)
            ASSERT_LE(separators(window.field(i)->text()), 1) << "step " << step << " field " << i;
    }
}

}  // namespace
