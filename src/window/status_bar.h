// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's status bar: seven panels, left to right a free text, the
// time, the date, the Caps Lock, Num Lock and Insert states, and the
// program's credit.  It keeps the clock and key-state panels current by
// itself; the window only reacts to panel clicks.

#include <QStatusBar>

#include <array>

namespace trx {
struct SolveResult;
}

class ClickLabel;
class Platform;
class QTimer;

class StatusBar : public QStatusBar {
    Q_OBJECT
public:
    StatusBar(int height, const QString& credit, Platform& platform, QWidget* parent);
    ~StatusBar() override;

    ClickLabel* panel(int number) const { return panels_[number - 1]; }  // 1 to 7
    void showTimeTip(int number);                                        // the time and date, in the panel's tool tip
    // One sentence on the last solve's result, in the first panel, for the
    // eye and for screen readers.
    void showSolveSummary(const trx::SolveResult& result);

signals:
    void panelClicked(int number);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refresh();

    std::array<ClickLabel*, 7> panels_{};
    Platform& platform_;
    QTimer* clock_;
    bool insertMode_ = false;
};
