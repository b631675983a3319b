// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The kinds of control the main window is made of, on top of Qt's widgets:
// a text box that reports the events the window reacts to, a label that
// reports clicks and mouse presses, and a plain line used as a fraction bar.

#include <QLabel>
#include <QLineEdit>
#include <QPointer>

#include <functional>
#include <initializer_list>

class TextBox : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

    // Runs before the box handles a key press, and for each character that
    // an input method commits; returns true when it has consumed the key, so
    // the box does not insert it.
    std::function<bool(QKeyEvent&)> keyFilter;
    // Key sequences that belong to the window's own commands: pressed in
    // the box they reach the window instead of the box's built-in editing.
    std::function<bool(const QKeySequence&)> ownsShortcut;

signals:
    void focusGained();
    void focusLost();
    void clicked();
    void keyReleased();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    static bool isTransientReason(Qt::FocusReason reason);
    static QPointer<TextBox> holder_;  // the box the user last moved the focus to
};

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();
    void mousePressed(Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A one-pixel horizontal line in the text colour.
class Line : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The first of `wanted` that reads at 4.5:1 on `background`, else black or
// white: text on a background the window fixes stays readable under any
// desktop palette.
QColor readableOn(const QColor& background, std::initializer_list<QColor> wanted);
// Gives `text` in the palette, for the active and inactive window, a colour
// readable on `background` (the palette's own when it is); disabled text
// keeps the palette's look.
void setReadableText(QPalette& palette, QPalette::ColorRole text, const QColor& background);
