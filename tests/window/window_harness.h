// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A main window on a recording platform, shown and active, with helpers to
// reach its controls by name.  Qt's synthetic events differ from a desktop's:
// for keys, menus and focus the end-to-end cases under tests/e2e count.

#include "recording_platform.h"
#include "window/form1.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
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

    explicit WindowHarness(bool realStore = false) : platform(realStore), form(platform)
    {
        form.show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    template <typename T> T* find(const QString& name)
    {
        T* control = form.findChild<T*>(name);
        EXPECT_NE(control, nullptr) << name.toStdString();
        return control;
    }
    QLineEdit* box(const QString& name) { return find<QLineEdit>(name); }
    QLabel* label(const QString& name) { return find<QLabel>(name); }
    QAction* action(const QString& name) { return find<QAction>(name); }
    QString text(const QString& name) { return box(name)->text(); }
    QLineEdit* field(int index) { return box(QStringLiteral("Text1(%1)").arg(index)); }
    QStringList fieldTexts() { return {field(0)->text(), field(1)->text(), field(2)->text(), field(3)->text()}; }

    // Keys typed into a field; keys the program sends on ("E" for "e", Tab
    // for Enter) are delivered before this returns.
    void keys(int index, const QString& typed)
    {
        for (const QChar key : typed) {
            if (key.unicode() < 128)
                QTest::keyClicks(field(index), QString(key));
            else  // no key code to go with it: the character alone
                QTest::sendKeyEvent(QTest::Click, field(index), Qt::Key_unknown, QString(key), Qt::NoModifier);
            QCoreApplication::sendPostedEvents();
        }
    }
    void press(int index, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(field(index), key, modifiers);
        QCoreApplication::sendPostedEvents();
    }
    // Opens a menu of the menu bar as the user would, which prepares its
    // items, and closes it again.
    void openMenu(const QString& name)
    {
        QMenu* menu = find<QMenu>(name);
        menu->popup(QPoint());
        menu->hide();
    }
    void forgetWhatWasShown()
    {
        platform.messages.clear();
        platform.beeps = 0;
    }

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
    void clickSolve() { QTest::mouseClick(find<QAbstractButton>(QStringLiteral("CmdCal")), Qt::LeftButton); }
};
