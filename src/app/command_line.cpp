// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include "app/application.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

constexpr int kUsageError = 2;

void print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

int refuse(const QString& reason)
{
    print(stderr,
          QCoreApplication::translate("CommandLine", "trinomix: %1\nEscriba «trinomix --help» para ver las opciones.\n")
              .arg(reason));
    return kUsageError;
}

}  // namespace

// A core application is enough here: no window, no display.
int answerCommandLine(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Trinomix"));
    QCoreApplication::setApplicationVersion(
        QStringLiteral("%1.%2.%3").arg(TRX_VERSION_MAJOR).arg(TRX_VERSION_MINOR).arg(TRX_VERSION_PATCH));
    installTranslations();

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Resuelve ecuaciones de segundo grado, a·x² + b·x + c = d, en una ventana."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QCoreApplication::translate("CommandLine", "Muestra esta ayuda y termina."));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("CommandLine", "Muestra la versión del programa y termina."));
    parser.addOption(help);
    parser.addOption(version);

    if (!parser.parse(QCoreApplication::arguments()))
        return refuse(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return refuse(QCoreApplication::translate("CommandLine", "Argumento no admitido «%1».")
                          .arg(parser.positionalArguments().first()));
    if (parser.isSet(help))
        print(stdout, parser.helpText());
    else
        print(stdout, QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                    QCoreApplication::applicationVersion()));
    return 0;
}
