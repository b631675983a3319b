// SPDX-License-Identifier: GPL-3.0-or-later
// The window's session with the desktop: start-up and the exit command
// that store the settings, where the window stands, the calculator, the
// About box and the web page, and the display options of the Opciones menu.

#include "window/form1.h"

#include "services/platform.h"
#include "settings/settings_table.h"
#include "window/coefficient_fields.h"
#include "window/status_bar.h"
#include "window_rules/calculator_retry.h"
#include "window_rules/placement_check.h"

#include <QAction>
#include <QCursor>
#include <QGuiApplication>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QWindow>

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
    const QPoint corner(stored.left ? controls_.px(*stored.left) : centre.x(),
                        stored.top ? controls_.px(*stored.top) : centre.y());

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

int Form1::toTwips(int pixels) const
{
    return pixels * 1440 / controls_.dpi;
}

// Where the window opens when no stored place is usable: centred on the
// screen that holds the mouse pointer, whole, with its title bar on it.
QPoint Form1::centredPosition() const
{
    const QScreen* pointerScreen = QGuiApplication::screenAt(QCursor::pos());
    const QRect area = (pointerScreen != nullptr ? pointerScreen : screen())->availableGeometry();
    const QSize size = frameGeometry().size();
    return {std::max(area.left(), area.center().x() - size.width() / 2),
            std::max(area.top(), area.center().y() - size.height() / 2)};
}

void Form1::mnuCentrar_Click()
{
    if (isMinimized())
        return;
    const QRect area = screen()->geometry();
    const int dx = toTwips(area.width()) - toTwips(frameGeometry().width());
    const int dy = toTwips(area.height()) - toTwips(frameGeometry().height());
    // Integer halves, truncated toward zero: a window larger than the screen
    // gets a negative edge.
    move(area.x() + controls_.px(dx / 2), area.y() + controls_.px(dy / 2));
}

void Form1::mnuVisible_Click()
{
    options_.alwaysOnTop = !options_.alwaysOnTop;
    showOptions();

    // setWindowFlag() would hide the window and build a new native one: keys
    // typed meanwhile are lost, and a box closed while the old window is gone
    // counts as the last window closed, which ends the program.  The window
    // system moves the shown window to the other band instead.
    overrideWindowFlags(windowFlags().setFlag(Qt::WindowStaysOnTopHint, options_.alwaysOnTop));
    if (QWindow* native = windowHandle())
        native->setFlags(windowFlags());
}

void Form1::StatusBar1_PanelClick(int panel)
{
    StatusBar1->showTimeTip(panel);
}

namespace {

const char* const kCalculatorFailed = QT_TRANSLATE_NOOP("Form1", "No se ha podido ejecutar la calculadora");

}  // namespace

// Starts the stored calculator or the desktop's, looked up only now; while
// it will not start, says why, asks for another and remembers the answer.
void Form1::mnuCalcu_Click()
{
    const trx::CalculatorRetry retry({
        [this](const std::string& command) { return platform_->launch(QString::fromStdString(command)); },
        [this](const char* reason, const std::string& command) { return askCalculatorPath(reason, command); },
        [this](const std::string& command) {
            RutaCalculadora = QString::fromStdString(command);
            trx::StoredSettings path;
            path.calculator = command;
            saveSettings(path, trx::SettingsWriter::CalculatorCommand);
        },
    });
    if (!retry.run((RutaCalculadora.isEmpty() ? platform_->defaultCalculator() : RutaCalculadora).toStdString()))
        MostrarError(tr(kCalculatorFailed));
}

// Asks where the calculator is, saying why `command` failed and proposing
// the default one; the empty text when the user cancels.
std::string Form1::askCalculatorPath(const char* reason, const std::string& command)
{
    const QString prompt = tr(kCalculatorFailed) + QStringLiteral("\r\n") +
                           tr(reason).arg(QString::fromStdString(command)) +
                           tr("\r\nEscriba la dirección de la calculadora");
    return platform_->inputBox(this, prompt, tr("Error"), platform_->defaultCalculator()).toStdString();
}

void Form1::mnuAcerca_Click()
{
    platform_->aboutBox(this, QStringLiteral("Trinomix"),
                        tr("Autor: %1\r\nVersión: %2.%3.%4\r\nLicencia: GPL-3.0-or-later\r\n%5")
                            .arg(kProgramHandle)
                            .arg(TRX_VERSION_MAJOR)
                            .arg(TRX_VERSION_MINOR)
                            .arg(TRX_VERSION_PATCH)
                            .arg(kProjectAddress),
                        windowIcon());
}

void Form1::Label1_Click()
{
    if (!platform_->openAddress(kProjectAddress))
        platform_->selectableMessageBox(
            this,
            tr("No se ha podido abrir ningún navegador web.\r\nLa dirección del proyecto es:\r\n%1")
                .arg(kProjectAddress),
            tr("Error"));
}

void Form1::showOptions()
{
    const auto show = [this](bool on, std::initializer_list<QAction*> items, const char* key) {
        for (QAction* item : items) {
            if (item != nullptr)  // the pop-up menu's, once it exists
                item->setChecked(on);
        }
        toolbarButton(key)->setChecked(on);
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
