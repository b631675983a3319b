// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A user session on the real window, one step at a time: typed keys, editing
// keys, pastes of assorted clipboard texts, moves to another field and solve
// commands, each chosen by a number.  After every step it checks what must
// always hold: no field holds two decimal separators, keys alone never bring
// in a character a number cannot have, and a solve ends in one of its
// outcomes.  The key fuzzer drives it.

#include "core/number_text.h"
#include "recording_platform.h"
#include "window/form1.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <array>
#include <iterator>
#include <string>
#include <utility>

class FieldSession {
public:
    FieldSession(Form1& form, RecordingPlatform& platform) : form_(form), platform_(platform)
    {
        for (int i = 0; i < 4; ++i)
            fields_[i] = form.findChild<QLineEdit*>(QStringLiteral("Text1(%1)").arg(i));
    }

    // Runs the step that `choice` picks; returns what went wrong, or an empty
    // text when every check holds.
    std::string step(unsigned choice)
    {
        QLineEdit* field = focusedField(choice);
        const int strayBefore = strayCharacters(field->text());
        choice %= kTypedKeys.size() + std::size(kOtherKeys) + std::size(kClipboards) + 1;
        if (choice < kTypedKeys.size()) {
            QTest::keyClicks(field, QString(QLatin1Char(kTypedKeys[choice])));
            QCoreApplication::sendPostedEvents();
            if (strayCharacters(field->text()) > strayBefore)
                return "a typed key brought in a stray character: " + field->text().toStdString();
        } else if ((choice -= kTypedKeys.size()) < std::size(kOtherKeys)) {
            QTest::keyClick(field, kOtherKeys[choice].first, kOtherKeys[choice].second);
            QCoreApplication::sendPostedEvents();
            if (strayCharacters(field->text()) > strayBefore)
                return "an editing key brought in a stray character: " + field->text().toStdString();
        } else if ((choice -= std::size(kOtherKeys)) < std::size(kClipboards)) {
            QApplication::clipboard()->setText(QString::fromUtf8(kClipboards[choice]));
            field->paste();
        } else if (std::string failure = solve(); !failure.empty()) {
            return failure;
        }
        for (const QLineEdit* each : fields_) {
            if (each->text().count(QLatin1Char(',')) + each->text().count(QLatin1Char('.')) > 1)
                return "two separators in a field: " + each->text().toStdString();
        }
        return {};
    }

private:
    static constexpr std::string_view kTypedKeys = "0123456789012345,.,+-eEa x";
    static constexpr std::pair<Qt::Key, Qt::KeyboardModifiers> kOtherKeys[] = {
        {Qt::Key_Backspace, Qt::NoModifier}, {Qt::Key_Delete, Qt::NoModifier},  {Qt::Key_Return, Qt::NoModifier},
        {Qt::Key_Left, Qt::NoModifier},      {Qt::Key_Right, Qt::NoModifier},   {Qt::Key_Home, Qt::NoModifier},
        {Qt::Key_End, Qt::NoModifier},       {Qt::Key_Left, Qt::ShiftModifier}, {Qt::Key_Home, Qt::ShiftModifier},
        {Qt::Key_End, Qt::ShiftModifier},    {Qt::Key_Tab, Qt::NoModifier},     {Qt::Key_F4, Qt::NoModifier},
    };
    static constexpr const char* kClipboards[] = {"12", "2,5", "hola",  "1.5", "-",   "1E+5",
                                                  "",   "9E9", "3,1,4", "١٢٣", " 7 ", "0,"};

    // The field the step acts on: the focused one, or another when the focus
    // has moved off the fields (Enter and Tab move it on).
    QLineEdit* focusedField(unsigned choice)
    {
        for (QLineEdit* field : fields_) {
            if (QApplication::focusWidget() == field && field->isEnabled())
                return field;
        }
        QLineEdit* field = fields_[choice % 3];  // the right side may be switched off
        field->setFocus();
        return field;
    }

    std::string solve()
    {
        const std::size_t shown = platform_.messages.size();
        QTest::mouseClick(form_.findChild<QPushButton*>(QStringLiteral("CmdCal")), Qt::LeftButton);
        for (std::size_t m = shown; m < platform_.messages.size(); ++m) {
            if (!isSolveMessage(platform_.messages[m].text))
                return "the solve command showed " + platform_.messages[m].text.toStdString();
        }
        for (const char* name : {"Label4", "Label5"}) {
            const QString text = form_.findChild<QLineEdit*>(QLatin1String(name))->text();
            if (!isSolutionText(text))
                return std::string(name) + " shows " + text.toStdString();
        }
        return {};
    }

    static int strayCharacters(const QString& text)
    {
        return static_cast<int>(std::count_if(text.begin(), text.end(), [](QChar c) {
            return !(c.isDigit() || c == QLatin1Char(',') || c == QLatin1Char('E') || c == QLatin1Char('+') ||
                     c == QLatin1Char('-'));
        }));
    }

    static bool isSolveMessage(const QString& message)
    {
        return message.startsWith(QStringLiteral("Texto numérico ")) ||
               message == QStringLiteral("Valor introducido elevado al cuadrado no válido.") ||
               message == QStringLiteral("Imposible continuar con la operación.\r\nOperación cancelada.");
    }

    static bool isSolutionText(const QString& text)
    {
        static const QRegularExpression complex(QStringLiteral("^[-0-9,E+]+[+-] i[0-9,E+-]+$"));
        return text.isEmpty() || text == QStringLiteral("Operación cancelada.") ||
               trx::isNumeric(text.toStdString(), ',') || complex.match(text).hasMatch();
    }

    Form1& form_;
    RecordingPlatform& platform_;
    std::array<QLineEdit*, 4> fields_{};
};
