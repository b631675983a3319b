// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/settings_file.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSaveFile>

namespace {

constexpr const char* kSection = "Valors";
// Long enough for another instance's write, short enough for the user to
// wait for Salir's answer.
constexpr int kLockWaitMs = 2000;

// Where QSettings keeps an INI file of the user's.
QString configFolder()
{
#ifdef Q_OS_WIN
    return qEnvironmentVariable("APPDATA");
#else
    const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (xdg.isEmpty())
        return QDir::homePath() + QStringLiteral("/.config");
    return xdg.startsWith(QLatin1Char('/')) ? xdg : QDir::homePath() + QLatin1Char('/') + xdg;
#endif
}

// The whole file in one read; empty when it does not exist, nothing when it
// exists but cannot be read.
std::optional<std::string> wholeFile(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        return std::string();
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    std::string text(static_cast<std::size_t>(file.size()), '\0');
    const qint64 got = file.read(text.data(), static_cast<qint64>(text.size()));
    if (got < 0)
        return std::nullopt;
    text.resize(static_cast<std::size_t>(got));
    return text;
}

bool replaceFile(const QString& path, const std::string& text)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size()) &&
           file.commit();
}

}  // namespace

SettingsFile::SettingsFile() : path_(configFolder() + QStringLiteral("/Trx/Trx.ini"))
{
}

// A file that cannot be read counts as empty: the defaults apply, and the
// next write fails rather than replace what it could not read.
const trx::IniDocument& SettingsFile::document() const
{
    if (!document_)
        document_.emplace(wholeFile(path_).value_or(std::string()), kSection);
    return *document_;
}

std::optional<std::string> SettingsFile::read(std::string_view key) const
{
    return document().value(key);
}

bool SettingsFile::write(const trx::SettingValues& values)
{
    if (!QDir().mkpath(QFileInfo(path_).path()))
        return false;
    QLockFile lock(path_ + QStringLiteral(".lock"));
    if (!lock.tryLock(kLockWaitMs))
        return false;
    std::optional<std::string> text = wholeFile(path_);
    if (!text)
        return false;
    trx::IniDocument updated(std::move(*text), kSection);
    for (const auto& [key, value] : values)
        updated.set(key, value);
    if (!replaceFile(path_, updated.text()))
        return false;
    document_ = std::move(updated);
    return true;
}

std::string SettingsFile::location() const
{
    return QDir::toNativeSeparators(path_).toStdString();
}
