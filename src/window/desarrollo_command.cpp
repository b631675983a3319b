// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the Desarrollo window and feeding it the solves, and the two
// settings that bring it back where the user left it.

#include "settings/settings_table.h"
#include "desarrollo/desarrollo.h"
#include "window/form1.h"
#include "services/platform.h"

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

void Form1::explainNoWorking(const char* why)
{
    if (desarrollo_ != nullptr)
        desarrollo_->showMessage(tr(why));
}

void Form1::openDesarrollo()
{
    if (desarrollo_ == nullptr) {
        desarrollo_ = new Desarrollo(this);
        const trx::StoredSettings stored = trx::loadSettings(platform_->settingsStore(), SeparadorDecimal);
        const QByteArray geometry =
            QByteArray::fromBase64(QByteArray::fromStdString(stored.workingGeometry.value_or(std::string())));
        if (!geometry.isEmpty())
            desarrollo_->restoreGeometry(geometry);
    }
    desarrollo_->show();
}

// Never opened in this run: what is stored is still true.
void Form1::rememberDesarrollo(trx::StoredSettings& settings) const
{
    if (desarrollo_ == nullptr)
        return;
    settings.workingOpen = desarrollo_->isVisible();
    settings.workingGeometry = desarrollo_->saveGeometry().toBase64().toStdString();
}
