// SPDX-License-Identifier: GPL-3.0-or-later
// Window placement: centring, keeping the window above others; and a click
// on a status-bar panel.

#include "window/form1.h"
#include "window/status_bar.h"

#include <QAction>
#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include <algorithm>

int Form1::toTwips(int pixels) const
{
    return pixels * 1440 / controls_.dpi;
}

// Where the window opens when no stored place is usable: centred on the
// screen that holds the mouse pointer, whole, with its title bar on it.
QPoint Form1::centredPosition() const
{
    const QScreen* pointerScreen = QGuiApplication::screenAt(QCursor::pos());
    const QRect area = (pointerScreen != nullptr ? pointerScreen : screen())->availableGeometry();
    const QSize size = frameGeometry().size();
    return {std::max(area.left(), area.center().x() - size.width() / 2),
            std::max(area.top(), area.center().y() - size.height() / 2)};
}

void Form1::mnuCentrar_Click()
{
    if (isMinimized())
        return;
    const QRect area = screen()->geometry();
    const int dx = toTwips(area.width()) - toTwips(frameGeometry().width());
    const int dy = toTwips(area.height()) - toTwips(frameGeometry().height());
    // Integer halves, truncated toward zero: a window larger than the screen
    // gets a negative edge.
    move(area.x() + controls_.px(dx / 2), area.y() + controls_.px(dy / 2));
}

void Form1::mnuVisible_Click()
{
    options_.alwaysOnTop = !options_.alwaysOnTop;
    showOptions();

    // setWindowFlag() would hide the window and build a new native one: keys
    // typed meanwhile are lost, and a box closed while the old window is gone
    // counts as the last window closed, which ends the program.  The window
    // system moves the shown window to the other band instead.
    overrideWindowFlags(windowFlags().setFlag(Qt::WindowStaysOnTopHint, options_.alwaysOnTop));
    if (QWindow* native = windowHandle())
        native->setFlags(windowFlags());
}

void Form1::StatusBar1_PanelClick(int panel)
{
    StatusBar1->showTimeTip(panel);
}
