// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ends a start-up measurement: the event loop quits once the window has been
// painted for the first time, the moment the user sees it.

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

class QuitAfterFirstPaint : public QObject {
public:
    explicit QuitAfterFirstPaint(QWidget& window)
    {
        window.installEventFilter(this);
        // A window that never paints fails the measurement instead of hanging it.
        QTimer::singleShot(10000, this, [] { QCoreApplication::exit(1); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued: the children and the flush to the screen belong to this
            // same paint and finish first.
            QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        }
        return false;
    }
};
