// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real program on a real X server.  One Xvfb with openbox serves the
// whole test binary; each Session starts `trinomix` with an empty settings
// folder, sends it real key and mouse events through XTest (xdotool, one
// keysym per key, as a keyboard sends them) and reads back what a user can:
// the clipboard, the settings file that Salir writes, the window's place.
//
// Why here and not offscreen: Qt's synthetic events differ from a real X
// server's.  Delete carries the text U+007F on X11 (QTest: none), Alt+Q
// carries "q" with the Alt modifier, Ctrl+Z carries "\x1a", and opening a
// menu or switching windows moves the focus with its own reasons, which
// QTest never sends.  Where the two disagree, the case here is the one
// that counts.
//
// Nothing waits a fixed time but a drag (whose hand-over between two
// programs shows nowhere to poll): every step polls for the state it
// expects, with a timeout, so a loaded machine is slower but not flaky.

#include <QProcess>
#include <QRect>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

// Runs a program on the test display to its end: the program and its
// arguments separated by blanks, then any `arguments`; its output, trimmed.
QString run(const QString& command, const QStringList& arguments = {});

// Polls `done` until it holds or `timeoutMs` has passed; whether it held.
bool waitFor(const std::function<bool()>& done, int timeoutMs = 15000);

class Session {
public:
    // `environment` adds or overrides variables ("LANG=en_US.UTF-8"); a
    // settings file may be put in place first with `storedSettings`.
    explicit Session(const QStringList& environment = {}, const QString& storedSettings = {});
    ~Session();

    // Steps in a small language: keysyms ("1 comma ctrl+c") are typed in order; "@click:Name" and
    // "@rclick:Name" press a mouse button on a control; "@box:Title" waits until a box whose title
    // begins so has the keyboard, another than the last "@box" found; "@activate:Title" brings the
    // program's window whose title begins so to the front; "@clip:Text" puts Text on the clipboard;
    // "@got" waits until the program has put something else there and records it; "@copy" is Ctrl+C
    // and "@got"; "@ended" waits until the program has ended; "@drop:Text" drags Text onto the first
    // field from a window that takes the keyboard.  Returns the records, each followed by " ; ".
    QString play(const QString& steps);
    void keys(const QString& keysyms);
    void activate(const QString& title);  // the title's beginning
    void click(const QString& control, int button = 1);
    void drop(const QString& text);              // onto the first field
    QString shot(const QString& control) const;  // a digest of its pixels
    bool waitForActive(const QString& title);    // the title's beginning
    void setClipboard(const QString& text);
    QString clipboard();

    // Salir, then Sí, unless the steps left already: the stored coefficients
    // "a|b|c|d", or an explanation when the process did not end well.  The
    // exit box's title is the program's language's.
    QString quit(const QString& exitTitle = QStringLiteral("Salir"));
    // What the last Salir stored for the four coefficients.
    QStringList storedFields() const;
    QString settingsFile() const;  // where the program keeps its settings
    // The program's windows on the screen: the main window, and any box or
    // menu that is open.
    int visibleWindows() const;
    // A window with its frame, in screen pixels: the main window, or the
    // one whose title begins with `title`.
    QRect frame(const QString& title = kMainTitle) const;
    QRect clientArea(const QString& title = kMainTitle) const;  // without it
    QString activeTitle() const;
    // How the program ended, or nothing while it runs.
    QString ending();

private:
    static inline const QString kMainTitle = QStringLiteral("Trinomix.v");
    QString window(const QString& title = kMainTitle) const;
    QRect placeOf(const QString& control) const;                 // on the screen
    bool waitForNewBox(const QString& title, QString& lastBox);  // another window than lastBox

    QTemporaryDir config_;
    QProcess program_;
};
