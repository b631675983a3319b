// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"
#include "app/command_line.h"
#include "platform/qt_platform.h"
#include "window/form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    if (argc > 1)
        return answerCommandLine(argc, argv);
    QApplication app(argc, argv);
    prepareApplication();
    QtPlatform platform;
    Form1 window(platform);
    window.show();
    return QApplication::exec();
}
