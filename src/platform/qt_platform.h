// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real platform services, on Qt.

#include "platform/settings_file.h"
#include "services/platform.h"

class QtPlatform final : public Platform {
public:
    void messageBox(QWidget* owner, const QString& text, const QString& title, Icon icon) override;
    bool askYesNo(QWidget* owner, const QString& text, const QString& title) override;
    QString inputBox(QWidget* owner, const QString& prompt, const QString& title, const QString& proposed) override;
    void beep() override;
    QString saveFileName(QWidget* owner, const QString& title, const QString& proposed, const QString& filter) override;
    void setClipboard(QMimeData* data) override;
    bool print(QWidget* owner, const std::function<void(QPagedPaintDevice&)>& paint) override;
    trx::SettingsStore& settingsStore() override { return store_; }
    QString defaultCalculator() override;
    LaunchOutcome launch(const QString& commandText) override;
    void aboutBox(QWidget* owner, const QString& programName, const QString& text, const QIcon& icon) override;
    bool openAddress(const QString& address) override;
    void selectableMessageBox(QWidget* owner, const QString& text, const QString& title) override;
    LockStates lockStates() override;

private:
    SettingsFile store_;
};
