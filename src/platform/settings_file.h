// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user's settings store: section "Valors" of the INI file Trx/Trx.ini in
// the user's configuration folder, where QSettings kept it before, and the
// program's other sections of the same file.
//
// The file is read whole once, at the first read; writing locks it (waiting
// two seconds at most), reads it again when another instance changed it in
// the meantime, and replaces it whole through a temporary file, so that a
// failed write leaves the old file as it was.

#include "settings/ini_document.h"
#include "settings/settings_store.h"

#include <QDateTime>
#include <QString>

#include <map>
#include <optional>

class SettingsFile final : public trx::SettingsStore {
public:
    // The file in the folder that $XDG_CONFIG_HOME (%APPDATA% on Windows)
    // names when the store is made; tests point the variable elsewhere.
    SettingsFile();
    std::optional<std::string> read(std::string_view key) const override;
    bool write(const trx::SettingValues& values) override;
    std::string location() const override;
    std::optional<std::string> read(std::string_view section, std::string_view key) const override;
    bool write(std::string_view section, const trx::SettingValues& values) override;

private:
    // What tells whether the file changed since it was read or written.
    struct FileStamp {
        bool exists;
        qint64 size;
        QDateTime modified;
        QDateTime changed;  // a rename over the file changes it
        static FileStamp of(const QString& path);
        bool operator==(const FileStamp& other) const;
    };

    const trx::IniDocument& document() const;
    trx::IniDocument& document(std::string_view section) const;
    void forget() const;  // the file changed: every section is read again

    QString path_;
    mutable std::optional<trx::IniDocument> document_;
    // The other sections read, each indexed over the same text as document_.
    mutable std::map<std::string, trx::IniDocument, std::less<>> sections_;
    mutable std::optional<FileStamp> readStamp_;  // nothing when unreadable
};
