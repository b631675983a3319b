// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The four coefficient fields in the window: each typed key goes to the
// keystroke rules (field/key_rules.h) before the field inserts it, every
// change of a text, by any road, to the repair decision
// (field/text_repair.h), and both run nested inside whatever wrote the
// text.  Here too are the check before a solve, the error reporting the
// fields share, the Edición commands on the focused text box and the
// Opciones commands that replace a field's number by a function of itself
// (core/value_commands.h).  The texts belong to the main window's
// translations.

#include "core/run_time_error.h"
#include "core/value_commands.h"
#include "field/key_rules.h"

#include <QCoreApplication>
#include <QString>

#include <array>
#include <functional>
#include <optional>

class Platform;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QWidget;
class TextBox;
struct Form1Menus;

namespace trx {
struct StoredSettings;
}

class CoefficientFields {
    Q_DECLARE_TR_FUNCTIONS(Form1)
public:
    // The fields' events reach this object for as long as `window` lives.
    // `hint` is the status bar panel for the typing hints; `separator` is the
    // window's decimal separator, read at each use.
    CoefficientFields(const std::array<TextBox*, 4>& fields, QLabel& hint, Form1Menus& menus, Platform& platform,
                      QWidget& window, const char& separator);

    // Validation and error reporting.
    // The four texts with the defaults written in, when each is a number;
    // otherwise the fields show the defaults and the error is reported.
    enum class ErrorFocus { Move, Keep };
    std::optional<std::array<std::string, 4>> ComprobarDatos(ErrorFocus focus = ErrorFocus::Move);
    // Writes the four fields, once each.
    void writeFields(const std::array<std::string, 4>& texts);
    void EnfocarError(int field);
    void MostrarError(const QString& message);
    static QString MensajeCancelacion();

    // Edición commands on the focused text box, and the menu as it opens.
    void Deshacer();
    void Cortar();
    void Copiar();
    void Pegar();
    void mnuBorrar1_Click();
    void mnuBorrarTodo_Click();
    void mnuseleccionar_Click();
    void mnuEdi_Click();

    // Opciones commands on a field's value, and the menu as it opens.
    void mnuPorpi_Click();
    void mnuDivipi_Click();
    void mnuEleva2_Click();
    // Returns the exponent to remember when the power was applied.
    std::optional<trx::StoredSettings> mnuElevar_Click();
    void mnuInvertir_Click();
    void mnuOpci_Click();

private:
    void connectFields();

    // The keystroke filter.
    bool Text1_KeyPress(int index, QKeyEvent& event);
    void applyKeyEffect(TextBox* field, const trx::KeyEffect& effect);
    QString refusalMessage(char16_t key) const;
    void SituarCursor(TextBox* field);
    void setStatusHint(const QString& hint);

    // Text repair and focus tracking.
    void Text1_GotFocus(int index);
    void Text1_LostFocus(int index);
    void Text1_Click(int index);
    void Text1_Change(int index);
    QString MsgPortapapeles() const;
    void Text1_KeyUp();
    void rememberValue(const QString& text);
    TextBox* activeField() const;
    QString activeFieldNumber() const;
    QString valueText() const;

    QString notANumberMessage(int field) const;
    void TratarError(trx::ErrorCode pending);
    QLineEdit* focusedTextBox() const;
    void editFocused(const std::function<void(QLineEdit&)>& operation, bool needsSelection, bool changesText);
    void valueOfFocused(trx::ValueCommand command);
    bool applyValueCommand(QLineEdit* box, trx::ValueCommand command, double exponent = 0);

    std::array<TextBox*, 4> Text1;
    QLabel& hint_;
    Form1Menus& menus_;
    Platform& platform_;
    QWidget& window_;
    const char& SeparadorDecimal;

    trx::KeyRules keyRules_;
    std::optional<int> CampoActivo;  // the field that last had the focus
    double ValorCampo = 1;           // last numeric value of the field being edited
};
