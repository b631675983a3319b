// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/working_windows.h"

#include "window/form1_text.h"

#include "desarrollo/desarrollo.h"
#include "equation_window/equation_window.h"
#include "services/platform.h"
#include "settings/settings_table.h"

#include <QScreen>

#include <algorithm>
#include <utility>

WorkingWindows::WorkingWindows(QWidget& main, Platform& platform, const char& separator, SolveFields solve)
    : main_(&main), platform_(&platform), separator_(&separator), solve_(std::move(solve))
{
}

void WorkingWindows::openEcuacion()
{
    if (ecuacion_ == nullptr)
        ecuacion_ = new EquationWindow(main_, platform_->settingsStore(), *separator_,
                                       [this](const trx::WorkingRequest& request) { solveTypedEquation(request); });
    ecuacion_->show();
    ecuacion_->raise();
    ecuacion_->activateWindow();
}

// Kept before the solve, whose working looks for it.
void WorkingWindows::solveTypedEquation(const trx::WorkingRequest& request)
{
    typedEquation_ = request;
    solve_(request.fields);
}

void WorkingWindows::openDesarrollo(const Fields& typed)
{
    showDesarrollo();
    desarrollo_->noteFieldsChanged(lastWorking_.request.has_value() && lastWorking_.request->fields != typed);
    desarrollo_->raise();
    desarrollo_->activateWindow();
}

// From the typed equation while the fields hold what Ecuación wrote.
void WorkingWindows::showWorking(const Fields& fields)
{
    trx::WorkingRequest request{fields, *separator_, std::nullopt};
    if (typedEquation_ && typedEquation_->fields == fields)
        request.typed = typedEquation_->typed;
    lastWorking_ = {request, nullptr};
    if (desarrollo_ != nullptr)
        desarrollo_->showWorking(request);
}

void WorkingWindows::explainNoWorking(const char* why)
{
    lastWorking_ = {std::nullopt, why};
    if (desarrollo_ != nullptr)
        desarrollo_->showMessage(form1Text(why));
}

void WorkingWindows::rememberOpenAtExit(const trx::StoredSettings& stored)
{
    reopenDesarrollo_ = stored.workingOpen.value_or(false);
}

// Beside the main window, which keeps the focus.
void WorkingWindows::reopenIfOpenAtExit()
{
    if (reopenDesarrollo_)
        showDesarrollo();
}

// Built the first time with the last solve's working, where it stood at the
// last exit or else beside the main window.
void WorkingWindows::showDesarrollo()
{
    if (desarrollo_ == nullptr) {
        desarrollo_ = new Desarrollo(main_, *platform_);
        if (lastWorking_.request)
            desarrollo_->showWorking(*lastWorking_.request);
        else if (lastWorking_.why != nullptr)
            desarrollo_->showMessage(form1Text(lastWorking_.why));
        const trx::StoredSettings stored = trx::loadSettings(platform_->settingsStore(), *separator_);
        const QByteArray geometry =
            QByteArray::fromBase64(QByteArray::fromStdString(stored.workingGeometry.value_or(std::string())));
        if (geometry.isEmpty() || !desarrollo_->restoreGeometry(geometry))
            placeBesideMain();
    }
    desarrollo_->show();
}

// Until it is first shown the window has no frame: it is fitted to the
// screen with the frame the desktop gives the main window.
void WorkingWindows::placeBesideMain()
{
    const QSize frame = main_->frameGeometry().size() - main_->size();
    const QSize room = main_->screen()->availableGeometry().size() - frame;
    desarrollo_->resize(desarrollo_->size().boundedTo(room));
    desarrollo_->move(besideMain(desarrollo_->size() + frame));
}

// Right of the main window where the screen has room for `size`, else left
// of it, else on the side with more room; never off the screen.
QPoint WorkingWindows::besideMain(const QSize& size) const
{
    const QRect area = main_->screen()->availableGeometry();
    const QRect main = main_->frameGeometry();
    const int gap = 8;
    const int roomRight = area.right() - main.right() - gap;
    const int roomLeft = main.left() - area.left() - gap;
    const bool right = roomRight >= size.width() || roomRight >= roomLeft;
    const int x = right ? main.right() + 1 + gap : main.left() - gap - size.width();
    return {std::clamp(x, area.left(), std::max(area.left(), area.right() + 1 - size.width())),
            std::clamp(main.top(), area.top(), std::max(area.top(), area.bottom() + 1 - size.height()))};
}

// Never opened in this run: what is stored is still true.
void WorkingWindows::storePlace(trx::StoredSettings& settings) const
{
    if (desarrollo_ == nullptr)
        return;
    settings.workingOpen = desarrollo_->isVisible();
    settings.workingGeometry = desarrollo_->saveGeometry().toBase64().toStdString();
}
