// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/settings_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

#include <tuple>

namespace {

constexpr const char* kSection = "Valors";
// Long enough for another instance's write, short enough for the user to
// wait for Salir's answer.
constexpr int kLockWaitMs = 2000;

// Where QSettings keeps an INI file of the user's.
QString configFolder()
{
#ifdef Q_OS_WIN
    return QDir::fromNativeSeparators(qEnvironmentVariable("APPDATA"));
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

bool replaceFile(const QString& path, const trx::IniDocument& document)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    bool written = true;
    document.writeTo([&](std::string_view piece) {
        const auto size = static_cast<qint64>(piece.size());
        written = written && file.write(piece.data(), size) == size;
    });
    return written && file.commit();
}

}  // namespace

SettingsFile::FileStamp SettingsFile::FileStamp::of(const QString& path)
{
    const QFileInfo file(path);
    return {file.exists(), file.size(), file.lastModified(), file.metadataChangeTime()};
}

bool SettingsFile::FileStamp::operator==(const FileStamp& other) const
{
    return std::tie(exists, size, modified, changed) ==
           std::tie(other.exists, other.size, other.modified, other.changed);
}

SettingsFile::SettingsFile() : path_(configFolder() + QStringLiteral("/Trx/Trx.ini"))
{
}

// A file that cannot be read counts as empty: the defaults apply, and the
// next write fails rather than replace what it could not read.
const trx::IniDocument& SettingsFile::document() const
{
    if (!document_) {
        // Before the read: a change in between makes the next write read again.
        readStamp_ = FileStamp::of(path_);
        std::optional<std::string> text = wholeFile(path_);
        if (!text)
            readStamp_.reset();
        document_.emplace(std::move(text).value_or(std::string()), kSection);
    }
    return *document_;
}

trx::IniDocument& SettingsFile::document(std::string_view section) const
{
    if (section == kSection) {
        document();
        return *document_;
    }
    auto found = sections_.find(section);
    if (found == sections_.end())
        found = sections_.emplace(std::string(section), trx::IniDocument(document().text(), section)).first;
    return found->second;
}

void SettingsFile::forget() const
{
    document_.reset();
    sections_.clear();
}

std::optional<std::string> SettingsFile::read(std::string_view key) const
{
    return document().value(key);
}

std::optional<std::string> SettingsFile::read(std::string_view section, std::string_view key) const
{
    return document(section).value(key);
}

bool SettingsFile::write(const trx::SettingValues& values)
{
    return write(kSection, values);
}

// Under the lock the file is read again when it changed since this store
// read or wrote it: another instance may have written it in between.
bool SettingsFile::write(std::string_view section, const trx::SettingValues& values)
{
    if (!QDir().mkpath(QFileInfo(path_).path()))
        return false;
    QLockFile lock(path_ + QStringLiteral(".lock"));
    if (!lock.tryLock(kLockWaitMs))
        return false;
    if (document_ && !(readStamp_ && *readStamp_ == FileStamp::of(path_)))
        forget();
    document();
    if (!readStamp_)
        return false;
    trx::IniDocument& written = document(section);
    for (const auto& [key, value] : values)
        written.set(key, value);
    if (!replaceFile(path_, written)) {
        forget();  // the values set are not the file's: read it again
        return false;
    }
    // The other indexes are of the text before this write.
    if (section != kSection)
        document_.emplace(written.text(), kSection);
    sections_.clear();
    readStamp_ = FileStamp::of(path_);
    return true;
}

std::string SettingsFile::location() const
{
    return QDir::toNativeSeparators(path_).toStdString();
}
