// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user's settings store: section "Valors" of the INI file
// ~/.config/Trx/Trx.ini (under $XDG_CONFIG_HOME when set), read and
// written through QSettings.

#include "settings/settings_store.h"

#include <memory>

class QSettings;

class QtSettingsStore final : public trx::SettingsStore {
public:
    QtSettingsStore();
    ~QtSettingsStore() override;
    std::optional<std::string> read(std::string_view key) const override;
    bool write(const trx::SettingValues& values) override;
    std::string location() const override;

private:
    // Opened on first use and kept: each opening reads the file and looks for
    // the system-wide one, which start-up would otherwise pay for every key.
    QSettings& store() const;
    mutable std::unique_ptr<QSettings> settings_;
};
