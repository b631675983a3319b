// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the Desarrollo window and feeding it the solves, and the two
// settings that bring it back where the user left it.

#include "shell/desarrollo.h"
#include "shell/form1.h"

namespace {

const char* const kOpenKey = "desarrollo";
const char* const kGeometryKey = "desarrollo_geometria";

}  // namespace

void Form1::mnuDesarrollo_Click()
{
    openDesarrollo();
    desarrollo_->raise();
    desarrollo_->activateWindow();
}

void Form1::showWorking(const std::array<std::string, 4>& fields)
{
    if (desarrollo_ != nullptr)
        desarrollo_->showWorking(fields, SeparadorDecimal);
}

void Form1::explainNoWorking(const QString& why)
{
    if (desarrollo_ != nullptr)
        desarrollo_->showMessage(why);
}

void Form1::restoreDesarrollo()
{
    if (setting(kOpenKey, QStringLiteral("0")) == QLatin1String("1"))
        openDesarrollo();  // beside the main window, which keeps the focus
}

void Form1::openDesarrollo()
{
    if (desarrollo_ == nullptr) {
        desarrollo_ = new Desarrollo(this);
        const QByteArray geometry = QByteArray::fromBase64(setting(kGeometryKey, QString()).toLatin1());
        if (!geometry.isEmpty())
            desarrollo_->restoreGeometry(geometry);
    }
    desarrollo_->show();
}

// Never opened in this run: what is stored is still true.
void Form1::storeDesarrolloSettings()
{
    if (desarrollo_ == nullptr)
        return;
    storeSetting(kOpenKey, desarrollo_->isVisible() ? QStringLiteral("1") : QStringLiteral("0"));
    storeSetting(kGeometryKey, QString::fromLatin1(desarrollo_->saveGeometry().toBase64()));
}
