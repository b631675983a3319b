// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and shutdown: restoring the user's coefficients, position,
// calculator path and options from the settings store, and the exit command
// that writes them back.

#include "settings/settings_table.h"
#include "window/form1.h"
#include "services/platform.h"
#include "window_rules/placement_check.h"

#include <QGuiApplication>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>

#include <algorithm>
#include <vector>

namespace {

char localeSeparator()
{
    return QLocale().decimalPoint() == QLatin1String(".") ? '.' : ',';
}

}  // namespace

void Form1::Form_Load()
{
    // The separator comes first: the change handling of each coefficient
    // restored below reads the field with it.
    SeparadorDecimal = localeSeparator();
    const trx::StoredSettings stored = trx::loadSettings(platform_->settingsStore(), SeparadorDecimal);
    RestaurarCoeficientes(stored);
    restorePosition(stored);
    reopenDesarrollo_ = stored.workingOpen.value_or(false);
    RutaCalculadora = QString::fromStdString(stored.calculator);
    setWindowTitle(tr("Trinomix v%1.%2.%3 by %4")
                       .arg(TRX_VERSION_MAJOR)
                       .arg(TRX_VERSION_MINOR)
                       .arg(TRX_VERSION_PATCH)
                       .arg(kProgramHandle));
    controls_.CmdCal->setDefault(false);
    restoreOptions(stored.options);
}

// Each stored option is switched on by running its own command.
void Form1::restoreOptions(const trx::DisplayOptions& stored)
{
    if (stored.alwaysOnTop)
        mnuVisible_Click();
    if (stored.rightSideZero)
        mnuIgualacero_Click();
    if (stored.scientific)
        mnuNota_Click();
    if (stored.simplify)
        mnusimpli_Click();
    if (stored.advanced)
        mnuAvanzado_Click();
}

// The stored texts are numbers already (the settings table replaces any
// other), so the fields' change handling finds nothing to repair.
void Form1::RestaurarCoeficientes(const trx::StoredSettings& stored)
{
    for (int i = 0; i < 4; ++i)
        controls_.Text1[i]->setText(QString::fromStdString(stored.coefficients[i]));
    if (controls_.Text1[1]->text() == QLatin1String("0"))
        Label3_Click();
}

// The stored top-left corner; by default the window is centred.  A corner
// that would leave the title bar out of the user's reach (a monitor since
// removed, a damaged store) counts as missing.
void Form1::restorePosition(const trx::StoredSettings& stored)
{
    const QPoint centre = centredPosition();
    const QPoint corner(stored.left ? controls_.px(*stored.left) : centre.x(), stored.top ? controls_.px(*stored.top) : centre.y());

    const auto pixels = [](const QRect& r) { return trx::PixelRect{r.x(), r.y(), r.width(), r.height()}; };
    std::vector<trx::PixelRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.push_back(pixels(screen->availableGeometry()));
    // Before the window is first shown its frame is unknown: the style's
    // title bar height stands in for the window manager's.
    const int titleBar =
        std::max(geometry().top() - frameGeometry().top(), style()->pixelMetric(QStyle::PM_TitleBarHeight));
    const bool reachable = trx::titleBarReachable(pixels(QRect(corner, frameGeometry().size())), titleBar, screens);
    move(reachable ? corner : centre);
}

// Tells the user when the store could not take the values, naming the file.
bool Form1::saveSettings(const trx::StoredSettings& values, trx::SettingsWriter writer)
{
    trx::SettingsStore& store = platform_->settingsStore();
    if (trx::storeSettings(store, values, writer))
        return true;
    MostrarError(tr("No se ha podido guardar la configuración en el archivo\r\n%1\r\nCompruebe que "
                    "se puede escribir en su carpeta y que queda espacio en el disco.")
                     .arg(QString::fromStdString(store.location())));
    return false;
}

bool Form1::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && !activated_) {
        activated_ = true;
        Form_Activate();
    }
    return QMainWindow::event(event);
}

// The first activation after start: ready to type the first coefficient.
void Form1::Form_Activate()
{
    controls_.Text1[0]->setFocus();
    controls_.Text1[0]->selectAll();
    if (reopenDesarrollo_)
        openDesarrollo();  // beside the main window, which keeps the focus
}

void Form1::CmdSal_Click()
{
    trx::StoredSettings current;
    if (!isMinimized()) {
        current.left = toTwips(x());
        current.top = toTwips(y());
    }
    for (int i = 0; i < 4; ++i)
        current.coefficients[i] = controls_.Text1[i]->text().toStdString();
    current.options = options_;
    rememberDesarrollo(current);
    // Unsaved values are not given up silently: the window stays.
    if (!saveSettings(current, trx::SettingsWriter::ExitCommand))
        return;

    if (platform_->askYesNo(this, tr("¿Desea salir de la aplicación?"), tr("Salir"))) {
        close();
        return;
    }
    // Declined: from now on Esc anywhere in the window asks again.
    exitOnEscape_->setEnabled(true);
}
