// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Ecuación" window: one line where the user types a whole equation,
// "x(x + 3) = 10".  As the text changes, the line under it shows how the
// program reads it, or why it cannot, with a caret under the character where
// the reading stopped.  Resolver hands the main window the normal form's
// coefficients (with d = 0) and how the equation was typed, for the working;
// an equation of degree 1 or 0 is not handed on, and the reading line says
// what it is.  Up and Down walk the last equations solved here.

#include "settings/equation_history.h"
#include "worked/working_request.h"

#include <QDialog>

#include <functional>

namespace trx {
class SettingsStore;
}
class QLabel;
class QLineEdit;

class EquationWindow : public QDialog {
    Q_OBJECT
public:
    using Solve = std::function<void(const trx::WorkingRequest&)>;

    // `store` keeps the history; `separator` is the desktop's decimal one.
    EquationWindow(QWidget* owner, trx::SettingsStore& store, char separator, Solve solve);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void solveTyped();  // Resolver
    void showReading();
    void showRefusal(const QString& sentence, std::size_t column);
    void browseHistory(int step);

    trx::SettingsStore& store_;
    char separator_;
    Solve solve_;
    trx::EquationHistory history_;
    int browsed_ = -1;  // the history entry shown, -1 for what the user typed
    QString typed_;     // what the user typed, while browsing
    QLineEdit* equation_ = nullptr;
    QLabel* caret_ = nullptr;
    QLabel* reading_ = nullptr;
};
