// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"

#include "window/form1_controls.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// The program's translations are built into it, as trinomix_<language>.qm.
const QString kOwnTranslations = QStringLiteral(":/i18n");

// Installs one catalogue; false, with nothing installed, when it is missing.
bool installCatalogue(const QString& fileName, const QString& folder)
{
    auto* catalogue = new QTranslator(QCoreApplication::instance());
    if (!catalogue->load(fileName, folder)) {
        delete catalogue;
        return false;
    }
    return QCoreApplication::installTranslator(catalogue);
}

// Installs Qt's own catalogue for a language, where Qt's translations are
// installed.
bool installQtTexts(const QString& language)
{
    return installCatalogue(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

}  // namespace

bool installQtSpanishTexts()
{
    return installQtTexts(QStringLiteral("es"));
}

QString translationFor(const QStringList& uiLanguages)
{
    for (const QString& name : uiLanguages) {
        const QLocale::Language language = QLocale(name).language();
        if (language == QLocale::Spanish)
            return {};
        QString code = QLocale::languageToCode(language);
        if (QFileInfo::exists(QStringLiteral("%1/trinomix_%2.qm").arg(kOwnTranslations, code)))
            return code;
    }
    return {};
}

void installTranslations()
{
    const QString language = translationFor(QLocale::system().uiLanguages());
    if (language.isEmpty()) {
        installQtSpanishTexts();
        return;
    }
    installCatalogue(QStringLiteral("trinomix_") + language, kOwnTranslations);
    installQtTexts(language);
}

void prepareApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("Trinomix"));
    // Ties the window to the desktop entry (its icon and name in task bars).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.trinomix.Trinomix"));
    installTranslations();
    // The window's menus, boxes and tool tips in its own face and size, as
    // on the desktop its layout was drawn for; one face also loads faster.
    QApplication::setFont(Form1Controls::sansFont(8.25));
}
