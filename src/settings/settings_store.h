// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The per-user settings store and the table of what the program keeps in it.
//
// SettingsStore holds text values by key in the program's main section, with
// key names compared without regard to case; lists that would crowd the
// main section (the Ecuación window's history) keep a section of their own.  The window hands in the real
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

    // The same in another section; the main section is left as it is.
    virtual std::optional<std::string> read(std::string_view section, std::string_view key) const = 0;
    virtual bool write(std::string_view section, const SettingValues& values) = 0;
};

class MemoryStore final : public SettingsStore {
public:
    bool writable = true;

    std::optional<std::string> read(std::string_view key) const override { return read(kMain, key); }
    bool write(const SettingValues& values) override { return write(kMain, values); }
    std::string location() const override { return "memoria"; }
    std::optional<std::string> read(std::string_view section, std::string_view key) const override;
    bool write(std::string_view section, const SettingValues& values) override;

private:
    static constexpr std::string_view kMain = "";
    struct CaseInsensitiveLess {
        using is_transparent = void;
        bool operator()(std::string_view left, std::string_view right) const;
    };
    using Section = std::map<std::string, std::string, CaseInsensitiveLess>;
    std::map<std::string, Section, CaseInsensitiveLess> sections_;
};

}  // namespace trx
