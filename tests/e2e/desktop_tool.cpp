// SPDX-License-Identifier: GPL-3.0-or-later
// A second program on the test desktop.  "drag TEXT": a window to drag TEXT
// from, ending when the drag is over.  "grab X Y WIDTH HEIGHT": a digest of
// the screen's pixels there, to compare what a user sees.
#include <QApplication>
#include <QCryptographicHash>
#include <QDrag>
#include <QLabel>
#include <QMimeData>
#include <QScreen>

#include <cstdio>

class DragSource : public QLabel {
protected:
    void mousePressEvent(QMouseEvent* /*press*/) override
    {
        auto* drag = new QDrag(this);
        drag->setMimeData(new QMimeData);
        drag->mimeData()->setText(text());
        // Qt deletes the drag once refused or once the target has the text.
        connect(drag, &QObject::destroyed, qApp, &QCoreApplication::quit);
        drag->exec(Qt::CopyAction);
    }
};

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() == 6 && arguments[1] == QLatin1String("grab")) {
        const auto at = [&arguments](int i) { return arguments[i].toInt(); };
        const QImage shot = QApplication::primaryScreen()->grabWindow(0, at(2), at(3), at(4), at(5)).toImage();
        const QByteArrayView pixels(shot.constBits(), shot.sizeInBytes());
        return std::puts(QCryptographicHash::hash(pixels, QCryptographicHash::Sha1).toHex().constData()) < 0;
    }
    DragSource source;
    source.setText(arguments.value(2));
    source.resize(120, 60);
    source.show();
    return QApplication::exec();
}
