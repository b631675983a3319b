// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Records what a user would see instead of showing it; answers from a script.

#include "platform/qt_platform.h"
#include "services/platform.h"

#include <QIcon>
#include <QMimeData>
#include <QTemporaryDir>

#include <deque>
#include <memory>
#include <vector>

class RecordingPlatform : public Platform {
public:
    struct Message {
        QString text;
        QString title;
        Icon icon;
        bool selectable = false;  // the user can select and copy the text
    };
    struct Prompt {
        QString prompt;
        QString title;
        QString proposed;
    };

    std::vector<Message> messages;
    std::vector<Prompt> prompts;
    std::deque<bool> yesNoAnswers;         // missing answers count as "No"
    std::deque<QString> inputAnswers;      // missing answers count as Cancel
    std::deque<QString> fileAnswers;       // likewise, for the save dialogs
    std::unique_ptr<QMimeData> clipboard;  // what a window copied
    int printRequests = 0;
    std::vector<QString> launches;
    std::deque<LaunchOutcome> launchOutcomes;  // missing outcomes count as Started
    std::vector<QString> openedAddresses;
    bool browserOpens = true;
    std::vector<QString> aboutTexts;
    int beeps = 0;
    trx::MemoryStore memoryStore;

    // With realStore, the program's INI file (point it at a TemporaryStore
    // first) instead of memoryStore.
    explicit RecordingPlatform(bool realStore = false) : useRealStore_(realStore) { }

    LockStates lockStates() override { return {}; }

    void messageBox(QWidget*, const QString& text, const QString& title, Icon icon) override
    {
        messages.push_back({text, title, icon});
    }
    void selectableMessageBox(QWidget*, const QString& text, const QString& title) override
    {
        messages.push_back({text, title, Icon::Critical, true});
    }
    bool askYesNo(QWidget*, const QString& text, const QString& title) override
    {
        messages.push_back({text, title, Icon::Question});
        return next(yesNoAnswers, false);
    }
    QString inputBox(QWidget*, const QString& prompt, const QString& title, const QString& proposed) override
    {
        prompts.push_back({prompt, title, proposed});
        return next(inputAnswers, QString());
    }
    void beep() override { ++beeps; }
    QString saveFileName(QWidget*, const QString& title, const QString&, const QString&) override
    {
        prompts.push_back({QString(), title, QString()});
        return next(fileAnswers, QString());
    }
    void setClipboard(QMimeData* data) override { clipboard.reset(data); }
    bool print(QWidget*, const std::function<void(QPagedPaintDevice&)>&) override
    {
        ++printRequests;
        return false;
    }
    trx::SettingsStore& settingsStore() override
    {
        return useRealStore_ ? static_cast<trx::SettingsStore&>(realStore_) : memoryStore;
    }
    QString defaultCalculator() override { return QStringLiteral("/usr/bin/gnome-calculator"); }
    LaunchOutcome launch(const QString& commandText) override
    {
        launches.push_back(commandText);
        return next(launchOutcomes, LaunchOutcome::Started);
    }
    void aboutBox(QWidget*, const QString& programName, const QString& text, const QIcon&) override
    {
        aboutTexts.push_back(programName + QLatin1Char('\n') + text);
    }
    bool openAddress(const QString& address) override
    {
        openedAddresses.push_back(address);
        return browserOpens;
    }

    QStringList messageTexts() const
    {
        QStringList texts;
        for (const Message& message : messages)
            texts << message.text;
        return texts;
    }

private:
    template <typename T> static T next(std::deque<T>& answers, T otherwise)
    {
        if (answers.empty())
            return otherwise;
        const T answer = answers.front();
        answers.pop_front();
        return answer;
    }

    bool useRealStore_;
    SettingsFile realStore_;
};

// A settings folder of its own in a temporary folder, for the stores made
// while it lives.
class TemporaryStore {
public:
    TemporaryStore()
    {
        for (const char* variable : kVariables) {
            saved_.push_back(qgetenv(variable));
            qputenv(variable, folder_.path().toLocal8Bit());
        }
    }
    ~TemporaryStore()
    {
        for (std::size_t i = 0; i < std::size(kVariables); ++i)
            qputenv(kVariables[i], saved_[i]);
    }
    QString iniPath() const { return folder_.filePath(QStringLiteral("Trx/Trx.ini")); }

private:
    static constexpr const char* kVariables[] = {"XDG_CONFIG_HOME", "APPDATA"};
    QTemporaryDir folder_;
    std::vector<QByteArray> saved_;
};
