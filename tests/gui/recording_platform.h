#pragma once
// A platform that records what a user would see instead of showing it, and
// answers the program's questions from scripted answers.

#include "shell/platform.h"

#include <QIcon>

#include <deque>
#include <map>
#include <vector>

class RecordingPlatform : public Platform {
public:
    struct Message {
        QString text;
        QString title;
        Icon icon;
    };
    struct Prompt {
        QString prompt;
        QString title;
        QString proposed;
    };

    std::vector<Message> messages;
    std::vector<Prompt> prompts;
    std::deque<bool> yesNoAnswers;      // missing answers count as "No"
    std::deque<QString> inputAnswers;   // missing answers count as Cancel
    std::vector<QString> launches;
    std::deque<LaunchOutcome> launchOutcomes;  // missing outcomes count as Started
    std::vector<QString> openedAddresses;
    std::vector<QString> aboutTexts;
    int beeps = 0;
    // The store, by lower-cased "section/key".
    std::map<QString, QString> settings;

    void messageBox(QWidget*, const QString& text, const QString& title, Icon icon) override
    {
        messages.push_back({text, title, icon});
    }
    bool askYesNo(QWidget*, const QString& text, const QString& title) override
    {
        messages.push_back({text, title, Icon::Question});
        const bool yes = !yesNoAnswers.empty() && yesNoAnswers.front();
        if (!yesNoAnswers.empty())
            yesNoAnswers.pop_front();
        return yes;
    }
    QString inputBox(QWidget*, const QString& prompt, const QString& title, const QString& proposed) override
    {
        prompts.push_back({prompt, title, proposed});
        if (inputAnswers.empty())
            return {};
        QString answer = inputAnswers.front();
        inputAnswers.pop_front();
        return answer;
    }
    void beep() override { ++beeps; }
    QString readSetting(const QString& section, const QString& key, const QString& fallback) override
    {
        const auto found = settings.find(storeKey(section, key));
        return found == settings.end() ? fallback : found->second;
    }
    void writeSetting(const QString& section, const QString& key, const QString& value) override
    {
        settings[storeKey(section, key)] = value;
    }
    QString defaultCalculator() override { return QStringLiteral("/usr/bin/gnome-calculator"); }
    LaunchOutcome launch(const QString& commandText) override
    {
        launches.push_back(commandText);
        if (launchOutcomes.empty())
            return LaunchOutcome::Started;
        const LaunchOutcome outcome = launchOutcomes.front();
        launchOutcomes.pop_front();
        return outcome;
    }
    void aboutBox(QWidget*, const QString& programName, const QString& text, const QIcon&) override
    {
        aboutTexts.push_back(programName + QLatin1Char('\n') + text);
    }
    void openAddress(const QString& address) override { openedAddresses.push_back(address); }

    QStringList messageTexts() const
    {
        QStringList texts;
        for (const Message& message : messages)
            texts << message.text;
        return texts;
    }

private:
    static QString storeKey(const QString& section, const QString& key)
    {
        return (section + QLatin1Char('/') + key).toLower();
    }
};
