// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/widgets.h"

#include "window_rules/contrast.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

bool TextBox::event(QEvent* event)
{
    // A line edit claims Ctrl+Z/X/C/V and friends before the window's
    // shortcuts see them; give back the ones the window owns.
    if (event->type() == QEvent::ShortcutOverride && ownsShortcut) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (ownsShortcut(QKeySequence(key->keyCombination()))) {
            event->ignore();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void TextBox::keyPressEvent(QKeyEvent* event)
{
    if (keyFilter && keyFilter(*event))
        return;
    QLineEdit::keyPressEvent(event);
}

void TextBox::keyReleaseEvent(QKeyEvent* event)
{
    QLineEdit::keyReleaseEvent(event);
    emit keyReleased();
}

// Opening a menu (by the mouse or by Alt and a letter), a message box or
// another window takes the focus away from the box and gives it back without
// the user moving between controls: the box keeps its caret and selection,
// and the window hears nothing.  A box that was given the focus while the
// window was inactive receives it with such a reason too, and does count.
QPointer<TextBox> TextBox::holder_;

void TextBox::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    const bool returning = isTransientReason(event->reason()) && holder_ == this;
    if (returning)
        return;
    if (holder_ != nullptr && holder_ != this && holder_->window() == window())
        emit holder_->focusLost();  // its loss was put off while the window was inactive
    holder_ = this;
    emit focusGained();
}

void TextBox::focusOutEvent(QFocusEvent* event)
{
    // The line edit drops its selection when the menu bar takes the focus,
    // but the menu that opens acts on that selection: keep it.
    const int start = selectionStart();
    const int length = static_cast<int>(selectedText().size());
    const bool caretAtStart = cursorPosition() == start;
    QLineEdit::focusOutEvent(event);
    if (event->reason() == Qt::MenuBarFocusReason && length > 0)
        caretAtStart ? setSelection(start + length, -length) : setSelection(start, length);
    if (isTransientReason(event->reason()) || holder_ != this)
        return;
    holder_ = nullptr;
    emit focusLost();
}

bool TextBox::isTransientReason(Qt::FocusReason reason)
{
    return reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason || reason == Qt::ActiveWindowFocusReason;
}

// Text that an input method commits is typed, one character at a time,
// through the same filter as the keyboard's.  A character beyond the BMP
// stays whole: its two UTF-16 units are one key.
void TextBox::inputMethodEvent(QInputMethodEvent* event)
{
    if (!keyFilter)
        return QLineEdit::inputMethodEvent(event);
    for (const char32_t typed : event->commitString().toUcs4()) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUcs4(&typed, 1));
        keyPressEvent(&key);
    }
    event->accept();
}

void TextBox::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        emit clicked();
}

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    // Accepted, so the press does not also reach the window behind the label.
    event->accept();
    emit mousePressed(event->button());
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void Line::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::WindowText));
}

namespace {

trx::Rgb rgb(const QColor& colour)
{
    return {colour.red(), colour.green(), colour.blue()};
}

}  // namespace

QColor readableOn(const QColor& background, std::initializer_list<QColor> wanted)
{
    std::vector<trx::Rgb> candidates;
    for (const QColor& colour : wanted)
        candidates.push_back(rgb(colour));
    const trx::Rgb chosen = trx::readableOn(rgb(background), candidates);
    return {chosen.red, chosen.green, chosen.blue};
}

void setReadableText(QPalette& palette, QPalette::ColorRole text, const QColor& background)
{
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, text, readableOn(background, {palette.color(group, text)}));
}
