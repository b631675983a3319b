// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own start-up, ending at the main window's first paint: the
// same steps as src/main.cpp, so that its time and memory can be set against
// the bare window of baseline_window.cpp.

#include "app/application.h"
#include "first_paint.h"
#include "platform/qt_platform.h"
#include "window/form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    prepareApplication();
    QtPlatform platform;
    Form1 window(platform);
    QuitAfterFirstPaint quit(window);
    window.show();
    return QApplication::exec();
}
