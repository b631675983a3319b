#include "shell/form1.h"
#include "shell/qt_platform.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trinomix"));
    // Ties the window to the desktop entry (its icon and name in task bars).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.trinomix.Trinomix"));
    installQtSpanishTexts();

    Form1 window;
    window.show();
    return QApplication::exec();
}
