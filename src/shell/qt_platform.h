// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real platform services, on Qt.

#include "shell/platform.h"
#include "shell/settings_file.h"

#include <QStringList>

class QtPlatform final : public Platform {
public:
    void messageBox(QWidget* owner, const QString& text, const QString& title, Icon icon) override;
    bool askYesNo(QWidget* owner, const QString& text, const QString& title) override;
    QString inputBox(QWidget* owner, const QString& prompt, const QString& title, const QString& proposed) override;
    void beep() override;
    trx::SettingsStore& settingsStore() override { return store_; }
    QString defaultCalculator() override;
    LaunchOutcome launch(const QString& commandText) override;
    void aboutBox(QWidget* owner, const QString& programName, const QString& text, const QIcon& icon) override;
    void openAddress(const QString& address) override;

private:
    SettingsFile store_;
};

// Qt's own texts (the text boxes' context menu, standard buttons) in
// Spanish whatever the system language, from Qt's Spanish catalogue where it
// is installed.  Call once, after the application object exists.
bool installQtSpanishTexts();

// The language of the program's translation for the first of the desktop's
// languages (most wanted first, as QLocale::uiLanguages gives them) that has
// one, as a code ("en", "ca"); the empty text when Spanish, the program's
// own language, comes first or none of them has a translation.
QString translationFor(const QStringList& uiLanguages);

// Installs the program's texts and Qt's own in the language translationFor
// chooses for the desktop, or Qt's Spanish texts when the program keeps to
// Spanish.  Call once, after the application object exists.
void installTranslations();

// Everything the program sets on its application object before the window
// is built: its name, its desktop entry and its language.
void prepareApplication();
