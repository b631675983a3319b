// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user's settings store: section "Valors" of the INI file
// ~/.config/Trx/Trx.ini (under $XDG_CONFIG_HOME when set), read and
// written through QSettings.

#include "settings/settings_store.h"

class QtSettingsStore final : public trx::SettingsStore {
public:
    std::optional<std::string> read(std::string_view key) const override;
    bool write(const trx::SettingValues& values) override;
    std::string location() const override;
};
