// SPDX-License-Identifier: GPL-3.0-or-later
// The window's session with the desktop: start-up and the exit command
// that store the settings, the calculator, the display options of the
// Opciones menu, and the pop-up menu.

#include "window/form1.h"

#include "services/platform.h"
#include "settings/settings_table.h"
#include "window/coefficient_fields.h"
#include "window/command_toolbar.h"
#include "window/status_bar.h"

#include <QAction>
#include <QCursor>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>

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
    placement_.restore(stored);
    working_.rememberOpenAtExit(stored);
    desktop_.rememberCalculator(stored.calculator);
    setWindowTitle(tr("Trinomix v%1.%2.%3 by %4")
                       .arg(TRX_VERSION_MAJOR)
                       .arg(TRX_VERSION_MINOR)
                       .arg(TRX_VERSION_PATCH)
                       .arg(DesktopHandoff::kProgramHandle));
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
    working_.reopenIfOpenAtExit();
}

void Form1::CmdSal_Click()
{
    trx::StoredSettings current;
    placement_.storeCorner(current);
    current.coefficients = typedFields();
    current.options = options_;
    working_.storePlace(current);
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

void Form1::mnuVisible_Click()
{
    options_.alwaysOnTop = !options_.alwaysOnTop;
    showOptions();
    placement_.keepOnTop(options_.alwaysOnTop);
}

void Form1::StatusBar1_PanelClick(int panel)
{
    StatusBar1->showTimeTip(panel);
}

void Form1::showTaskMenu(Qt::MouseButton button)
{
    if (button != Qt::RightButton)
        return;
    if (menus_.mnuTarea == nullptr) {
        menus_.mnuTarea = new QMenu(tr("Menú"), this);
        menus_.mnuTarea->setObjectName(QStringLiteral("mnuTarea"));
        menus_.mnuTarea->menuAction()->setObjectName(QStringLiteral("mnuTarea"));
        createMenus(true);
        showOptions();
    }
    menus_.mnuTarea->exec(QCursor::pos());
}

void Form1::mnuCalcu_Click()
{
    if (!desktop_.startCalculator())
        MostrarError(DesktopHandoff::calculatorFailed());
}

void Form1::showOptions()
{
    const auto show = [this](bool on, std::initializer_list<QAction*> items, const char* key) {
        for (QAction* item : items) {
            if (item != nullptr)  // the pop-up menu's, once it exists
                item->setChecked(on);
        }
        Toolbar1->button(key)->setChecked(on);
    };
    show(options_.alwaysOnTop, {menus_.mnuVisible, menus_.mnuVisible1}, "Sie");
    show(options_.rightSideZero, {menus_.mnuIgualacero}, "Si=0");
    show(options_.scientific, {menus_.mnuNota}, "Not");
    show(options_.simplify, {menus_.mnusimpli}, "Sim");
    show(options_.advanced, {menus_.mnuAvanzado}, "Ava");
    for (QAction* item : {menus_.mnusepa6, menus_.mnuPi->menuAction(), menus_.mnuElv->menuAction(), menus_.mnuInvertir})
        item->setVisible(options_.advanced);
}

void Form1::mnuNota_Click()
{
    if (const auto checked = fields_->ComprobarDatos(CoefficientFields::ErrorFocus::Keep)) {
        options_.scientific = !options_.scientific;
        controls_.showNotation(*checked, options_.scientific, SeparadorDecimal);
    }
    showOptions();
}

void Form1::mnuIgualacero_Click()
{
    options_.rightSideZero = !options_.rightSideZero;
    showOptions();
    controls_.Text1[3]->setText(QStringLiteral("0"));
    controls_.Text1[3]->setEnabled(!options_.rightSideZero);
}

void Form1::mnusimpli_Click()
{
    options_.simplify = !options_.simplify;
    showOptions();
}

void Form1::mnuAvanzado_Click()
{
    options_.advanced = !options_.advanced;
    showOptions();
}

// A click on the "X" label removes the linear term or brings it back; either
// way the coefficient field is left empty.
void Form1::Label3_Click()
{
    if (controls_.Label3->text() == QLatin1String("X")) {
        controls_.Label3->clear();
        controls_.Text1[1]->clear();
        controls_.Text1[1]->setEnabled(false);
    } else {
        controls_.Label3->setText(QStringLiteral("X"));
        controls_.Text1[1]->setEnabled(true);
        controls_.Text1[1]->clear();
    }
}

// The power command, whose exponent the window stores.
void Form1::mnuElevar_Click()
{
    if (const std::optional<trx::StoredSettings> typed = fields_->mnuElevar_Click())
        saveSettings(*typed, trx::SettingsWriter::PowerCommand);
}
