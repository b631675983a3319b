// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the main window hands to the desktop: the calculator, the About box
// and the project's web page, each through Platform.

#include <QString>

#include <functional>
#include <string>

class Platform;
class QWidget;

namespace trx {
struct StoredSettings;
enum class SettingsWriter;
}  // namespace trx

class DesktopHandoff {
public:
    // Stores settings, telling the user when the store cannot take them.
    using SaveSettings = std::function<bool(const trx::StoredSettings&, trx::SettingsWriter)>;

    DesktopHandoff(QWidget& window, Platform& platform, SaveSettings save);

    // The calculator the user named; empty for the desktop's.
    void rememberCalculator(const std::string& command);
    // Starts the calculator, asking for another while one will not start;
    // false when the user cancelled.
    bool startCalculator();
    // What the window then says.
    static QString calculatorFailed();

    void showAbout();
    void openProjectPage();

    // Who made the program and where it lives, as the window also shows.
    static const QString kProgramHandle;
    static const QString kProjectAddress;

private:
    std::string askCalculatorPath(const char* reason, const std::string& command);

    QWidget* window_;
    Platform* platform_;
    SaveSettings save_;
    QString calculator_;
};
