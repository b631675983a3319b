// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's toolbar: a button for each button row of the command
// table, and a click on one runs that row's command.

#include <QToolBar>

class Form1;

class CommandToolbar : public QToolBar {
public:
    // Built at the top of `window`.
    explicit CommandToolbar(Form1& window);

    // The button of a row's key.
    QAction* button(const char* key) const;

private:
    void addButtons();
    void Toolbar1_ButtonClick(QAction* button);

    Form1* window_;
};
