// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt_settings_store.h"

#include <QSettings>

namespace {

// The program's own spelling of a key, with its section.
QString keyPath(std::string_view key)
{
    return QStringLiteral("Valors/") + QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

// Every spelling of `path` in the store, compared without regard to case:
// QSettings tells "Valors/val1", "VALORS/val1" and "valors/VAL1" apart, but
// the names are meant to be case-insensitive, and a hand-edited file may
// hold the section twice.
QStringList spellings(const QSettings& store, const QString& path)
{
    QStringList found;
    for (const QString& stored : store.allKeys()) {
        if (stored.compare(path, Qt::CaseInsensitive) == 0)
            found << stored;
    }
    return found;
}

}  // namespace

// A key stored under several spellings takes the value of the program's own
// spelling ("Valors/val1"), else that of the first spelling in character
// order; writing leaves only the program's spelling.
QtSettingsStore::QtSettingsStore() = default;
QtSettingsStore::~QtSettingsStore() = default;

QSettings& QtSettingsStore::store() const
{
    if (settings_ == nullptr)
        settings_ = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Trx"),
                                                QStringLiteral("Trx"));
    return *settings_;
}

std::optional<std::string> QtSettingsStore::read(std::string_view key) const
{
    const QSettings& store = this->store();
    const QString path = keyPath(key);
    const QStringList found = spellings(store, path);
    if (found.isEmpty())
        return std::nullopt;
    const QVariant value = store.value(found.contains(path) ? path : found.first());
    // An unquoted comma in a hand-edited file makes QSettings split the value.
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(',')).toStdString();
    return value.toString().toStdString();
}

// QSettings replaces the file through a temporary one and a rename, so a
// failed write leaves the old file whole.  Only an access error means the
// values were not written: a file it could not parse is rewritten cleanly
// and still reports a format error.
bool QtSettingsStore::write(const trx::SettingValues& values)
{
    QSettings& store = this->store();
    for (const auto& [key, value] : values) {
        const QString path = keyPath(key);
        for (const QString& spelling : spellings(store, path))
            store.remove(spelling);
        store.setValue(path, QString::fromStdString(value));
    }
    store.sync();
    return store.status() != QSettings::AccessError;
}

std::string QtSettingsStore::location() const
{
    return store().fileName().toStdString();
}
