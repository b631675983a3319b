// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The per-user settings store and the table of what the program keeps in it.
//
// SettingsStore holds text values by key in the program's one section, with
// key names compared without regard to case.  The window hands in the real
// store (an INI file, platform/settings_file); MemoryStore keeps the values
// in memory, for tests and for tools that must leave the user's settings
// alone.  settings_table.h says which keys there are and what they hold.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace trx {

using SettingValues = std::vector<std::pair<std::string, std::string>>;

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The stored text of `key`; nothing when the key is missing.
    virtual std::optional<std::string> read(std::string_view key) const = 0;
    // Writes every value or none of them; false when they could not be
    // written (read-only folder, full disk...).
    virtual bool write(const SettingValues& values) = 0;
    // Where the values are kept, named so the user can find it.
    virtual std::string location() const = 0;
};

class MemoryStore final : public SettingsStore {
public:
    bool writable = true;

    std::optional<std::string> read(std::string_view key) const override;
    bool write(const SettingValues& values) override;
    std::string location() const override { return "memoria"; }

private:
    struct CaseInsensitiveLess {
        using is_transparent = void;
        bool operator()(std::string_view left, std::string_view right) const;
    };
    std::map<std::string, std::string, CaseInsensitiveLess> values_;
};

}  // namespace trx
