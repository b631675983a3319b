#pragma once
// A main window on a recording platform, shown and active, with helpers to
// reach its controls by name the way a user reaches them by sight.

#include "recording_platform.h"
#include "shell/form1.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <ostream>

// Readable QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

struct WindowHarness {
    RecordingPlatform platform;
    Form1 form;

    // With realStore, the window reads and writes the real settings store
    // (point it at a TemporaryStore first).
    explicit WindowHarness(bool realStore = false) : platform(makePlatform(realStore)), form(platform)
    {
        form.show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    template <typename T>
    T* find(const QString& name)
    {
        T* control = form.findChild<T*>(name);
        EXPECT_NE(control, nullptr) << name.toStdString();
        return control;
    }
    QLineEdit* box(const QString& name) { return find<QLineEdit>(name); }
    QLabel* label(const QString& name) { return find<QLabel>(name); }
    QAction* action(const QString& name) { return find<QAction>(name); }
    QString text(const QString& name) { return box(name)->text(); }

    // Replaces a field's text by typing, as a user would after selecting it.
    void type(int field, const QString& text)
    {
        QLineEdit* entry = box(QStringLiteral("Text1(%1)").arg(field));
        entry->setFocus();
        entry->selectAll();
        QTest::keyClick(entry, Qt::Key_Delete);
        QTest::keyClicks(entry, text);
    }
    void typeEquation(const QString& a, const QString& b, const QString& c, const QString& d)
    {
        for (const auto& [field, text] : {std::pair{0, a}, {1, b}, {2, c}, {3, d}})
            type(field, text);
    }
    static RecordingPlatform makePlatform(bool realStore)
    {
        RecordingPlatform recording;
        recording.useRealStore = realStore;
        return recording;
    }

    void clickSolve() { QTest::mouseClick(find<QAbstractButton>(QStringLiteral("CmdCal")), Qt::LeftButton); }
};
