// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt_platform.h"

#include "platform/lock_keys.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>

namespace {

// Our texts break lines with CR LF; Qt's labels want a bare LF.
QString shown(const QString& text)
{
    QString lines = text;
    return lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace

void QtPlatform::messageBox(QWidget* owner, const QString& text, const QString& title, Icon icon)
{
    QMessageBox box(icon == Icon::Critical ? QMessageBox::Critical : QMessageBox::Question, title, shown(text),
                    QMessageBox::NoButton, owner);
    box.setDefaultButton(box.addButton(QCoreApplication::translate("QtPlatform", "Aceptar"), QMessageBox::AcceptRole));
    box.exec();
}

bool QtPlatform::askYesNo(QWidget* owner, const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::Question, title, shown(text), QMessageBox::NoButton, owner);
    QPushButton* yes = box.addButton(QCoreApplication::translate("QtPlatform", "&Sí"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QCoreApplication::translate("QtPlatform", "&No"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

QString QtPlatform::inputBox(QWidget* owner, const QString& prompt, const QString& title, const QString& proposed)
{
    QInputDialog dialog(owner);
    dialog.setWindowTitle(title);
    dialog.setLabelText(shown(prompt));
    dialog.setTextValue(proposed);
    dialog.setOkButtonText(QCoreApplication::translate("QtPlatform", "Aceptar"));
    dialog.setCancelButtonText(QCoreApplication::translate("QtPlatform", "Cancelar"));
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

void QtPlatform::beep()
{
    QApplication::beep();
}

QString QtPlatform::saveFileName(QWidget* owner, const QString& title, const QString& proposed, const QString& filter)
{
    return QFileDialog::getSaveFileName(owner, title, proposed, filter);
}

void QtPlatform::setClipboard(QMimeData* data)
{
    QApplication::clipboard()->setMimeData(data);
}

bool QtPlatform::print(QWidget* owner, const std::function<void(QPagedPaintDevice&)>& paint)
{
    QPrinter printer;
    QPrintDialog dialog(&printer, owner);
    dialog.setWindowTitle(QCoreApplication::translate("QtPlatform", "Imprimir"));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    paint(printer);
    return true;
}

// The first of the usual desktop calculators that is installed.
QString QtPlatform::defaultCalculator()
{
    for (const char* name : {"gnome-calculator", "kcalc", "galculator", "qalculate-gtk", "xcalc"}) {
        QString path = QStandardPaths::findExecutable(QLatin1String(name));
        if (!path.isEmpty())
            return path;
    }
    return QStringLiteral("/usr/bin/gnome-calculator");
}

LaunchOutcome QtPlatform::launch(const QString& commandText)
{
    QStringList arguments = QProcess::splitCommand(commandText);
    if (arguments.isEmpty() || arguments.first().isEmpty())
        return LaunchOutcome::TypeMismatch;
    const QString program = arguments.takeFirst();
    if (!program.contains(QLatin1Char('/'))) {
        if (QStandardPaths::findExecutable(program).isEmpty())
            return LaunchOutcome::FileNotFound;
    } else {
        const QFileInfo file(program);
        if (!file.dir().exists())
            return LaunchOutcome::PathNotFound;
        if (!file.exists())
            return LaunchOutcome::FileNotFound;
        if (file.isDir())
            return LaunchOutcome::Folder;
        if (!file.isExecutable())
            return LaunchOutcome::NotExecutable;
    }
    return QProcess::startDetached(program, arguments) ? LaunchOutcome::Started : LaunchOutcome::OtherFailure;
}

void QtPlatform::aboutBox(QWidget* owner, const QString& programName, const QString& text, const QIcon& icon)
{
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::translate("QtPlatform", "Acerca de %1").arg(programName),
                    QStringLiteral("<b>%1</b><p>%2</p>")
                        .arg(programName.toHtmlEscaped(),
                             text.toHtmlEscaped().replace(QStringLiteral("\r\n"), QStringLiteral("<br>"))),
                    QMessageBox::NoButton, owner);
    box.setIconPixmap(icon.pixmap(64, 64));
    box.setDefaultButton(box.addButton(QCoreApplication::translate("QtPlatform", "Aceptar"), QMessageBox::AcceptRole));
    box.exec();
}

bool QtPlatform::openAddress(const QString& address)
{
    return QDesktopServices::openUrl(QUrl(address));
}

void QtPlatform::selectableMessageBox(QWidget* owner, const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::Critical, title, shown(text), QMessageBox::NoButton, owner);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.setDefaultButton(box.addButton(QCoreApplication::translate("QtPlatform", "Aceptar"), QMessageBox::AcceptRole));
    box.exec();
}

LockStates QtPlatform::lockStates()
{
    return readLockStates();
}
