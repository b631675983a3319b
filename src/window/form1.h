// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window and the only window of the program.
//
// Form1 owns every control and the window-level state.  Its handlers read
// controls, call the computation (core/) and write controls back; each write
// to a field raises its change handling at once, nested in the handler, as
// when the user edits it.  Everything that leaves the window goes through
// Platform, so tests can hand in their own.
//
// CoefficientFields ties the fields' rules (field/) to the four fields; the
// window's edit and value commands call it.  WorkingWindows keeps Desarrollo
// and Ecuación, DesktopHandoff starts the calculator and shows the About box
// and the web page, WindowPlacement puts the window where it stands, and
// CommandToolbar builds the toolbar from the command table.

#include "core/display_options.h"
#include "core/run_time_error.h"
#include "window/coefficient_fields.h"
#include "window/desktop_handoff.h"
#include "window/form1_controls.h"
#include "window/menus.h"
#include "window/window_placement.h"
#include "window/working_windows.h"

#include <QMainWindow>

#include <array>
#include <memory>
#include <string>
#include <vector>

class CommandToolbar;
class Platform;
class QMenu;
class QShortcut;
class StatusBar;

namespace trx {
struct SolveResult;
struct StoredSettings;
enum class SettingsWriter;
}  // namespace trx

class Form1 : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(Platform& platform);
    ~Form1() override;

    // Commands.
    void CmdCal_Click();
    void CmdSal_Click();
    void Label3_Click();
    void mnuCentrar_Click() { placement_.centre(); }
    void mnuVisible_Click();
    void mnuNota_Click();
    void mnuIgualacero_Click();
    void mnusimpli_Click();
    void mnuAvanzado_Click();
    // Edit commands.
    void Deshacer() { fields_->Deshacer(); }
    void Cortar() { fields_->Cortar(); }
    void Copiar() { fields_->Copiar(); }
    void Pegar() { fields_->Pegar(); }
    void mnuBorrar1_Click() { fields_->mnuBorrar1_Click(); }
    void mnuBorrarTodo_Click() { fields_->mnuBorrarTodo_Click(); }
    void mnuseleccionar_Click() { fields_->mnuseleccionar_Click(); }
    // Value transformations.
    void mnuPorpi_Click() { fields_->mnuPorpi_Click(); }
    void mnuDivipi_Click() { fields_->mnuDivipi_Click(); }
    void mnuEleva2_Click() { fields_->mnuEleva2_Click(); }
    void mnuElevar_Click();
    void mnuInvertir_Click() { fields_->mnuInvertir_Click(); }
    // Work handed to the desktop.
    void mnuCalcu_Click();
    void mnuAcerca_Click() { desktop_.showAbout(); }
    void Label1_Click() { desktop_.openProjectPage(); }
    // The worked solution in its own window.
    void mnuDesarrollo_Click() { working_.openDesarrollo(typedFields()); }
    void mnuEcuacion_Click() { working_.openEcuacion(); }
    // Practising equations, in a window of its own.
    void mnuPracticar_Click();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();

    // Building the window, in this order (the controls first).
    void createMenus(bool taskMenu);
    void createToolbar();
    void createStatusBar();
    void createConnections();
    void showTaskMenu(Qt::MouseButton button);
    void showResultStart(TextBox* result);

    void MostrarError(const QString& message) { fields_->MostrarError(message); }
    // The solution copies take no typing at all.
    bool swallowKey(const QKeyEvent& event);
    bool windowOwnsShortcut(const QKeySequence& keys) const;
    // Preparing the Edición and Opciones menus as they open.
    void mnuEdi_Click() { fields_->mnuEdi_Click(); }
    void mnuOpci_Click() { fields_->mnuOpci_Click(); }

    // The solve command's pieces.
    void refuseZeroSquareCoefficient();
    void showSolve(const std::array<std::string, 4>& solved, const trx::SolveResult& result);
    void finishSolve(const std::array<std::string, 4>& fields);
    void solveTypedEquation(const std::array<std::string, 4>& fields);
    std::array<std::string, 4> typedFields() const;  // what the four fields hold now

    // Start-up and shutdown.
    void Form_Load();
    void RestaurarCoeficientes(const trx::StoredSettings& stored);
    void restoreOptions(const trx::DisplayOptions& stored);
    void Form_Activate();
    bool saveSettings(const trx::StoredSettings& values, trx::SettingsWriter writer);

    // The status bar and the display options.
    void StatusBar1_PanelClick(int panel);
    void showOptions();  // the display options on their items and buttons, and the Avanzado items

    Platform* platform_;

    CommandToolbar* Toolbar1 = nullptr;
    StatusBar* StatusBar1 = nullptr;
    QShortcut* exitOnEscape_ = nullptr;    // Esc runs the exit command once it has been declined
    std::vector<QAction*> shortcutItems_;  // items whose shortcut keys win over a text box's own

    Form1Controls controls_;
    Form1Menus menus_;
    std::unique_ptr<CoefficientFields> fields_;

    // Window-level state.
    char SeparadorDecimal = ',';
    trx::DisplayOptions options_;  // what the check items and their toolbar buttons show
    bool activated_ = false;

    // The parts that do whole jobs for the handlers.
    WindowPlacement placement_;
    WorkingWindows working_;
    DesktopHandoff desktop_;
};
