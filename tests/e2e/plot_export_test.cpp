// SPDX-License-Identifier: GPL-3.0-or-later
// The plot of the Desarrollo window exported as a user does it: F2, a solve,
// the Gráfica tab, then "Exportar gráfica…" through the real file and size
// dialogs, once as PNG and once as SVG.

#include "desktop.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace {

// A folder whose path types with plain keysyms.
const QString kFolder = QStringLiteral("/tmp/trxplot");

// The keysyms that type `path` in the file dialog's name field.
QString typed(const QString& path)
{
    QStringList keysyms;
    for (const QChar c : path)
        keysyms << (c == QLatin1Char('/')   ? QStringLiteral("slash")
                    : c == QLatin1Char('.') ? QStringLiteral("period")
                                            : QString(c));
    return keysyms.join(QLatin1Char(' '));
}

QByteArray written(const QString& path)
{
    QFile file(path);
    waitFor([&file] { return file.exists() && file.size() > 0; });
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(PlotExport, PngAndSvgThroughTheDialogs)
{
    QDir(kFolder).removeRecursively();
    ASSERT_TRUE(QDir().mkpath(kFolder));
    Session session;
    session.play(QStringLiteral("F2 @box:Desarrollo @click:CmdCal @activate:Desarrollo alt+g"));
    for (const char* name : {"plot.png", "plot.svg"}) {
        const QString path = kFolder + QLatin1Char('/') + QLatin1String(name);
        session.play(QStringLiteral("alt+x @box:Exportar ctrl+a %1 Return @box:Tama Return").arg(typed(path)));
        const QByteArray contents = written(path);
        const bool png = path.endsWith(QLatin1String("png"));
        EXPECT_TRUE(png ? contents.startsWith("\x89PNG") : contents.contains("<svg")) << name;
    }
    session.play(QStringLiteral("@activate:Trinomix"));
    EXPECT_EQ(session.quit().toStdString(), "1|1|0|0");
    QDir(kFolder).removeRecursively();
}

}  // namespace
