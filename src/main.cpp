#include "shell/form1.h"
#include "shell/qt_platform.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    prepareApplication();
    Form1 window;
    window.show();
    return QApplication::exec();
}
