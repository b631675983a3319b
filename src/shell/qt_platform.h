#pragma once
// The real platform services, on Qt.

#include "shell/platform.h"
#include "shell/qt_settings_store.h"

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
    QtSettingsStore store_;
};

// Qt's own texts (the text boxes' context menu, standard buttons) in
// Spanish whatever the system language, from Qt's Spanish catalogue where it
// is installed.  Call once, after the application object exists.
bool installQtSpanishTexts();

// Everything the program sets on its application object before the window
// is built: its name, its desktop entry and Qt's Spanish texts.
void prepareApplication();
