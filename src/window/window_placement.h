// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the main window stands: the stored corner at start-up when the title
// bar can be reached there, else centred; the Centrar command; the corner
// kept at exit, in twips; above the other windows or among them.

#include <QPoint>

class QWidget;
struct Form1Controls;

namespace trx {
struct StoredSettings;
}

class WindowPlacement {
public:
    // `controls` give the screen's dots per inch.
    WindowPlacement(QWidget& window, const Form1Controls& controls);

    void restore(const trx::StoredSettings& stored);
    void centre();
    void storeCorner(trx::StoredSettings& settings) const;
    void keepOnTop(bool onTop);

private:
    int toTwips(int pixels) const;
    QPoint centredPosition() const;

    QWidget* window_;
    const Form1Controls* controls_;
};
