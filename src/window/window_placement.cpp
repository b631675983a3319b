// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/window_placement.h"

#include "settings/settings_table.h"
#include "window/form1_controls.h"
#include "window_rules/placement_check.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <vector>

WindowPlacement::WindowPlacement(QWidget& window, const Form1Controls& controls)
    : window_(&window), controls_(&controls)
{
}

// The stored top-left corner; by default the window is centred.  A corner
// that would leave the title bar out of the user's reach (a monitor since
// removed, a damaged store) counts as missing.
void WindowPlacement::restore(const trx::StoredSettings& stored)
{
    const QPoint centre = centredPosition();
    const QPoint corner(stored.left ? controls_->px(*stored.left) : centre.x(),
                        stored.top ? controls_->px(*stored.top) : centre.y());

    const auto pixels = [](const QRect& r) { return trx::PixelRect{r.x(), r.y(), r.width(), r.height()}; };
    std::vector<trx::PixelRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.push_back(pixels(screen->availableGeometry()));
    // Before the window is first shown its frame is unknown: the style's
    // title bar height stands in for the window manager's.
    const int titleBar = std::max(window_->geometry().top() - window_->frameGeometry().top(),
                                  window_->style()->pixelMetric(QStyle::PM_TitleBarHeight));
    const QRect frame(corner, window_->frameGeometry().size());
    window_->move(trx::titleBarReachable(pixels(frame), titleBar, screens) ? corner : centre);
}

void WindowPlacement::centre()
{
    if (window_->isMinimized())
        return;
    const QRect area = window_->screen()->geometry();
    const int dx = toTwips(area.width()) - toTwips(window_->frameGeometry().width());
    const int dy = toTwips(area.height()) - toTwips(window_->frameGeometry().height());
    // Integer halves, truncated toward zero: a window larger than the screen
    // gets a negative edge.
    window_->move(area.x() + controls_->px(dx / 2), area.y() + controls_->px(dy / 2));
}

// A minimised window has no corner to keep.
void WindowPlacement::storeCorner(trx::StoredSettings& settings) const
{
    if (window_->isMinimized())
        return;
    settings.left = toTwips(window_->x());
    settings.top = toTwips(window_->y());
}

// setWindowFlag() would hide the window and build a new native one: keys
// typed meanwhile are lost, and a box closed while the old window is gone
// counts as the last window closed, which ends the program.  The window
// system moves the shown window to the other band instead.
void WindowPlacement::keepOnTop(bool onTop)
{
    window_->overrideWindowFlags(window_->windowFlags().setFlag(Qt::WindowStaysOnTopHint, onTop));
    if (QWindow* native = window_->windowHandle())
        native->setFlags(window_->windowFlags());
}

int WindowPlacement::toTwips(int pixels) const
{
    return pixels * Form1Controls::kTwipsPerInch / controls_->dpi;
}

// Where the window opens when no stored place is usable: centred on the
// screen that holds the mouse pointer, whole, with its title bar on it.
QPoint WindowPlacement::centredPosition() const
{
    const QScreen* pointerScreen = QGuiApplication::screenAt(QCursor::pos());
    const QRect area = (pointerScreen != nullptr ? pointerScreen : window_->screen())->availableGeometry();
    const QSize size = window_->frameGeometry().size();
    return {std::max(area.left(), area.center().x() - size.width() / 2),
            std::max(area.top(), area.center().y() - size.height() / 2)};
}
