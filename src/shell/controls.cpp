// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/controls.h"

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

void TextBox::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    emit focusGained();
}

void TextBox::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    emit focusLost();
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
