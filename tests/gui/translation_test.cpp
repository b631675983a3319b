// SPDX-License-Identifier: GPL-3.0-or-later
// The program's language: the translation the desktop's languages choose,
// and every text the window shows going through the translation system.

#include "shell/desarrollo.h"
#include "shell/qt_platform.h"
#include "window_harness.h"

#include <QTranslator>

namespace {

TEST(Language, FirstDesktopLanguageWithATranslationElseSpanish)
{
    // French has none; Spanish first wins over English.
    for (const auto& [desktop, chosen] : {std::pair{"en-US en", "en"}, {"ca-ES-valencia", "ca"},
                                          {"fr-FR fr ca-ES ca", "ca"}, {"es-ES en-US", ""}, {"fr-FR", ""}, {"C", ""},
                                          {"", ""}})
        EXPECT_EQ(translationFor(QString::fromLatin1(desktop).split(' ', Qt::SkipEmptyParts)), QLatin1String(chosen))
            << desktop;
}

// Brackets every text it is asked for: a text shown without them never went
// through the translation system.
class MarkingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override
    {
        return QLatin1Char('[') + QString::fromUtf8(source) + QLatin1Char(']');
    }
};

// Names and symbols are the same in every language.  Outside the brackets,
// which nest where a translated template holds translated words, only
// formulas may be left, whose letters come alone or in pairs (x, D, 4ac,
// 1E+300): three letters in a row are a word.
bool escapes(const QString& text)
{
    const QStringList names{Form1::kProgramHandle, Form1::kProjectAddress, QStringLiteral("Trinomix")};
    int depth = 0;
    int letters = 0;
    for (const QChar c : text) {
        depth += c == QLatin1Char('[') ? 1 : c == QLatin1Char(']') ? -1 : 0;
        letters = depth == 0 && c.isLetter() ? letters + 1 : 0;
        if (letters == 3)
            return !names.contains(text);
    }
    return false;
}

QStringList shownTexts(const WindowHarness& window)
{
    QStringList texts{window.form.windowTitle()};
    for (const QWidget* widget : window.form.findChildren<QWidget*>()) {
        texts << widget->toolTip() << widget->accessibleName() << widget->accessibleDescription();
        if (widget->isWindow())
            texts << widget->windowTitle();
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            texts << label->text();
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            texts << button->text();
        if (const auto* menu = qobject_cast<const QMenu*>(widget))
            texts << menu->title();
    }
    for (const QAction* action : window.form.findChildren<QAction*>())
        texts << action->text() << action->toolTip();
    for (const RecordingPlatform::Message& message : window.platform.messages)
        texts << message.text << message.title;
    for (const QString& about : window.platform.aboutTexts)  // the program's name, a newline and the text
        texts << about.section(QLatin1Char('\n'), 1);
    return texts;
}

TEST(Translation, NoShownTextEscapesIt)
{
    MarkingTranslator marking;
    QCoreApplication::installTranslator(&marking);
    {
        WindowHarness window;
        window.action(QStringLiteral("mnuDesarrollo"))->trigger();
        // Complex solutions, worked from d ≠ 0 and a < 0 with a square factor.
        window.typeEquation(QStringLiteral("-2"), QStringLiteral("0"), QStringLiteral("-10"), QStringLiteral("2"));
        window.clickSolve();
        window.field(0)->setFocus();  // the edit commands name the field
        window.action(QStringLiteral("mnuAcerca"))->trigger();
        window.action(QStringLiteral("mnuSalir2"))->trigger();  // asks whether to leave
        for (const QString& text : shownTexts(window))
            EXPECT_FALSE(escapes(text)) << text.toStdString();
    }
    QCoreApplication::removeTranslator(&marking);
}

}  // namespace
