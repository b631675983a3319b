// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/command_line.h"
#include "shell/form1.h"
#include "shell/qt_platform.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    if (argc > 1)
        return answerCommandLine(argc, argv);
    QApplication app(argc, argv);
    prepareApplication();
    Form1 window;
    window.show();
    return QApplication::exec();
}
