// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything a window asks of the world outside itself: modal boxes, the
// beep, file dialogs, the clipboard, printing, the per-user settings store,
// starting programs, the About box and opening addresses.  The program uses
// QtPlatform (platform/); tests hand the windows a recording implementation
// and see what a user would have seen.

#include "settings/settings_store.h"
#include "window_rules/calculator_retry.h"

#include <QString>

#include <functional>

class QIcon;
class QMimeData;
class QPagedPaintDevice;
class QWidget;

using LaunchOutcome = trx::LaunchOutcome;

// The Caps Lock and Num Lock keys, which Qt does not report.
struct LockStates {
    bool caps = false;
    bool num = false;
};

class Platform {
public:
    enum class Icon { Critical, Question };

    virtual ~Platform() = default;

    // A modal box with one "Aceptar" button.
    virtual void messageBox(QWidget* owner, const QString& text, const QString& title, Icon icon) = 0;
    // A Critical box whose text the user can select and copy.
    virtual void selectableMessageBox(QWidget* owner, const QString& text, const QString& title) = 0;
    // A modal box with "Sí" (default) and "No"; true for "Sí".
    virtual bool askYesNo(QWidget* owner, const QString& text, const QString& title) = 0;
    // A modal input box; the empty text when the user cancels.
    virtual QString inputBox(QWidget* owner, const QString& prompt, const QString& title, const QString& proposed) = 0;
    virtual void beep() = 0;
    // A file to write, asked for in a save dialog; the empty text when the
    // user cancels.  `filter` as QFileDialog takes it.
    virtual QString saveFileName(QWidget* owner, const QString& title, const QString& proposed,
                                 const QString& filter) = 0;
    // Puts `data` on the clipboard, which takes it over.
    virtual void setClipboard(QMimeData* data) = 0;
    // Asks for a printer and has `paint` draw the pages on it; false when the
    // user cancels.
    virtual bool print(QWidget* owner, const std::function<void(QPagedPaintDevice&)>& paint) = 0;

    // The per-user settings store.
    virtual trx::SettingsStore& settingsStore() = 0;

    // The calculator to start when the user has not named one.
    virtual QString defaultCalculator() = 0;
    // Starts a program from a command text (program and arguments, double
    // quotes group words) without waiting for it.
    virtual LaunchOutcome launch(const QString& commandText) = 0;
    virtual void aboutBox(QWidget* owner, const QString& programName, const QString& text, const QIcon& icon) = 0;
    // Opens the address in the web browser; false when none would open it.
    virtual bool openAddress(const QString& address) = 0;
    // Both off where the desktop does not tell them.
    virtual LockStates lockStates() = 0;
};
