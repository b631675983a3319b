// SPDX-License-Identifier: GPL-3.0-or-later
// Renders a square SVG icon to a PNG of one size:
//
//   render_icon SOURCE.svg SIZE OUTPUT.png
//
// The build makes the fixed-size icons of the hicolor theme with it, so they
// are always drawn from the scalable icon and never drift from it.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[])
{
    // Builds run without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList arguments = QGuiApplication::arguments();
    bool isNumber = false;
    const int size = arguments.size() == 4 ? arguments[2].toInt(&isNumber) : 0;
    if (!isNumber || size <= 0) {
        std::fprintf(stderr, "usage: render_icon SOURCE.svg SIZE OUTPUT.png\n");
        return 2;
    }
    const QString& source = arguments[1];
    const QString& output = arguments[3];

    QSvgRenderer renderer(source);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "render_icon: %s is not a readable SVG file\n", qPrintable(source));
        return 1;
    }
    // Icon themes want square icons; a wider drawing would be squashed.
    const QRectF drawing = renderer.viewBoxF();
    if (drawing.width() != drawing.height()) {
        std::fprintf(stderr, "render_icon: %s is not square (%gx%g)\n", qPrintable(source), drawing.width(),
                     drawing.height());
        return 1;
    }

    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    if (!image.save(output, "PNG")) {
        std::fprintf(stderr, "render_icon: cannot write %s\n", qPrintable(output));
        return 1;
    }
    return 0;
}
