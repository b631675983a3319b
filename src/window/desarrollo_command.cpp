// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the Desarrollo window and feeding it the solves, and the two
// settings that bring it back where the user left it.

#include "settings/settings_table.h"
#include "desarrollo/desarrollo.h"
#include "window/form1.h"
#include "services/platform.h"

#include <QScreen>

#include <algorithm>

// Shows the working of the last solve, saying so when the fields have
// changed since.
void Form1::mnuDesarrollo_Click()
{
    openDesarrollo();
    std::array<std::string, 4> typed;
    for (std::size_t i = 0; i < typed.size(); ++i)
        typed[i] = controls_.Text1[i]->text().toStdString();
    desarrollo_->noteFieldsChanged(lastWorking_.request.has_value() && lastWorking_.request->fields != typed);
    desarrollo_->raise();
    desarrollo_->activateWindow();
}

// From the typed equation while the fields hold what Ecuación wrote.
void Form1::showWorking(const std::array<std::string, 4>& fields)
{
    trx::WorkingRequest request{fields, SeparadorDecimal, std::nullopt};
    if (typedEquation_ && typedEquation_->fields == fields)
        request.typed = typedEquation_->typed;
    lastWorking_ = {request, nullptr};
    if (desarrollo_ != nullptr)
        desarrollo_->showWorking(request);
}

void Form1::explainNoWorking(const char* why)
{
    lastWorking_ = {std::nullopt, why};
    if (desarrollo_ != nullptr)
        desarrollo_->showMessage(tr(why));
}

// Built the first time with the last solve's working, where it stood at the
// last exit or else beside this window.
void Form1::openDesarrollo()
{
    if (desarrollo_ == nullptr) {
        desarrollo_ = new Desarrollo(this, *platform_);
        if (lastWorking_.request)
            desarrollo_->showWorking(*lastWorking_.request);
        else if (lastWorking_.why != nullptr)
            desarrollo_->showMessage(tr(lastWorking_.why));
        const trx::StoredSettings stored = trx::loadSettings(platform_->settingsStore(), SeparadorDecimal);
        const QByteArray geometry =
            QByteArray::fromBase64(QByteArray::fromStdString(stored.workingGeometry.value_or(std::string())));
        if (geometry.isEmpty() || !desarrollo_->restoreGeometry(geometry))
            desarrollo_->move(besideThisWindow(desarrollo_->frameGeometry().size()));
    }
    desarrollo_->show();
}

// Right of this window where the screen has room for `size`, else left of
// it, else on the side with more room; never off the screen.
QPoint Form1::besideThisWindow(const QSize& size) const
{
    const QRect area = screen()->availableGeometry();
    const QRect main = frameGeometry();
    const int gap = 8;
    const int roomRight = area.right() - main.right() - gap;
    const int roomLeft = main.left() - area.left() - gap;
    const bool right = roomRight >= size.width() || roomRight >= roomLeft;
    const int x = right ? main.right() + 1 + gap : main.left() - gap - size.width();
    return {std::clamp(x, area.left(), std::max(area.left(), area.right() + 1 - size.width())),
            std::clamp(main.top(), area.top(), std::max(area.top(), area.bottom() + 1 - size.height()))};
}

// Never opened in this run: what is stored is still true.
void Form1::rememberDesarrollo(trx::StoredSettings& settings) const
{
    if (desarrollo_ == nullptr)
        return;
    settings.workingOpen = desarrollo_->isVisible();
    settings.workingGeometry = desarrollo_->saveGeometry().toBase64().toStdString();
}
