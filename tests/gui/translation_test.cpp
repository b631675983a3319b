// SPDX-License-Identifier: GPL-3.0-or-later
// The program's language: the translation the desktop's languages choose,
// and every text the window shows going through the translation system.

#include "shell/qt_platform.h"
#include "window_harness.h"

#include <QTranslator>

#include <algorithm>

namespace {

TEST(Language, FirstDesktopLanguageWithATranslationElseSpanish)
{
    const struct {
        QStringList desktop;
        const char* chosen;
    } cases[] = {
        {{"en-US", "en"}, "en"},
        {{"ca-ES-valencia"}, "ca"},
        {{"fr-FR", "fr", "ca-ES", "ca"}, "ca"},  // French has none
        {{"es-ES", "en-US"}, ""},                // Spanish first
        {{"fr-FR"}, ""},
        {{"C"}, ""},
        {{}, ""},
    };
    for (const auto& [desktop, chosen] : cases)
        EXPECT_EQ(translationFor(desktop), QLatin1String(chosen)) << desktop.join(QLatin1Char(' ')).toStdString();
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

// Names and symbols are the same in every language.
bool escapes(const QString& text)
{
    const QStringList names{Form1::kProgramHandle, Form1::kProjectAddress, QStringLiteral("Trinomix"),
                            QStringLiteral("X"), QStringLiteral("X²")};
    const bool words = std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
    return words && !names.contains(text) && !(text.startsWith(QLatin1Char('[')) && text.endsWith(QLatin1Char(']')));
}

QStringList shownTexts(const WindowHarness& window)
{
    QStringList texts{window.form.windowTitle()};
    for (const QWidget* widget : window.form.findChildren<QWidget*>()) {
        texts << widget->toolTip() << widget->accessibleName() << widget->accessibleDescription();
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
        window.typeEquation(QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("0"));
        window.clickSolve();          // complex solutions
        window.field(0)->setFocus();  // the edit commands name the field
        window.action(QStringLiteral("mnuAcerca"))->trigger();
        window.action(QStringLiteral("mnuSalir2"))->trigger();  // asks whether to leave
        for (const QString& text : shownTexts(window))
            EXPECT_FALSE(escapes(text)) << text.toStdString();
    }
    QCoreApplication::removeTranslator(&marking);
}

}  // namespace
