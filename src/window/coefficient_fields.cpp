// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/coefficient_fields.h"

#include "core/number_text.h"
#include "field/text_repair.h"
#include "field/validation.h"
#include "services/platform.h"
#include "settings/settings_table.h"
#include "window/menus.h"
#include "window/widgets.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMenu>

#include <algorithm>

namespace {

const QColor kFocusedColour(255, 255, 192);
const QColor kUnfocusedColour(255, 255, 255);

void setBase(QLineEdit* field, const QColor& colour)
{
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, colour);
    setReadableText(palette, QPalette::Text, colour);
    field->setPalette(palette);
}

// The character a key stands for, when it stands for one to insert.  Control
// characters are editing keys (a real keyboard's Delete carries U+007F),
// except the two that the rules handle: Backspace and Enter.  A character
// beyond the BMP comes as two UTF-16 units; no number holds one, so it
// reaches the rules as the replacement character, refused like a letter.
std::optional<char16_t> typedCharacter(const QString& text)
{
    if (text.size() == 2 && text.at(0).isHighSurrogate() && text.at(1).isLowSurrogate())
        return QChar::ReplacementCharacter;
    if (text.size() != 1)
        return std::nullopt;
    const char16_t code = text.at(0).unicode();
    if (text.at(0).isPrint() || code == trx::kBackspace || code == trx::kEnter)
        return code;
    return std::nullopt;
}

trx::FieldView viewOf(const QLineEdit& field)
{
    const int length = static_cast<int>(field.selectedText().size());
    return {field.text().toStdU16String(), length > 0 ? field.selectionStart() : field.cursorPosition(), length};
}

// A key delivered to the focused control after the current one, as if the
// user had typed it.
void sendKey(Qt::Key key, const QString& text)
{
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr)
        return;
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text));
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, text));
}

}  // namespace

CoefficientFields::CoefficientFields(const std::array<TextBox*, 4>& fields, QLabel& hint, Form1Menus& menus,
                                     Platform& platform, QWidget& window, const char& separator)
    : Text1(fields), hint_(hint), menus_(menus), platform_(platform), window_(window), SeparadorDecimal(separator)
{
    connectFields();
}

void CoefficientFields::connectFields()
{
    for (int i = 0; i < 4; ++i) {
        TextBox* field = Text1[i];
        field->keyFilter = [this, i](QKeyEvent& event) { return Text1_KeyPress(i, event); };
        QObject::connect(field, &QLineEdit::textChanged, &window_, [this, i] { Text1_Change(i); });
        QObject::connect(field, &TextBox::focusGained, &window_, [this, i] { Text1_GotFocus(i); });
        QObject::connect(field, &TextBox::focusLost, &window_, [this, i] { Text1_LostFocus(i); });
        QObject::connect(field, &TextBox::clicked, &window_, [this, i] { Text1_Click(i); });
        QObject::connect(field, &TextBox::keyReleased, &window_, [this] { Text1_KeyUp(); });
    }
}

// Returns whether the key was consumed; a key that passes is inserted by the
// field, replacing any selection.
bool CoefficientFields::Text1_KeyPress(int index, QKeyEvent& event)
{
    const Qt::KeyboardModifiers commandModifiers =
        event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const std::optional<char16_t> typed = typedCharacter(event.text());
    char16_t code = trx::kCtrlL;
    if (commandModifiers & (Qt::AltModifier | Qt::MetaModifier))
        return typed.has_value();  // a combination the window does not use types nothing
    if (commandModifiers != Qt::ControlModifier || event.key() != Qt::Key_L) {
        if (commandModifiers != Qt::NoModifier || !typed)
            return false;  // the field's own moves, shortcuts and editing keys
        code = *typed;
    }

    TextBox* field = Text1[index];
    const trx::KeyOutcome outcome = keyRules_.press(code, viewOf(*field), SeparadorDecimal);
    for (const trx::KeyEffect& effect : outcome.effects)
        applyKeyEffect(field, effect);
    if (outcome.key != 0 && outcome.key != code)
        field->insert(QString(QChar(outcome.key)));  // the other separator, typed as ours
    return outcome.key != code;
}

void CoefficientFields::applyKeyEffect(TextBox* field, const trx::KeyEffect& effect)
{
    using Kind = trx::KeyEffect::Kind;
    switch (effect.kind) {
    case Kind::ClearHint:
        return setStatusHint(QString());
    case Kind::AskForSign:
        return setStatusHint(tr("Introduzca el signo"));
    case Kind::DeleteSelection:
        field->del();
        return SituarCursor(field);
    case Kind::SetText:
        field->setText(QString::fromStdU16String(effect.text));
        return SituarCursor(field);
    case Kind::Beep:
        return platform_.beep();
    case Kind::Refuse:
        return MostrarError(refusalMessage(effect.key));
    case Kind::Resend:
        return effect.key == trx::kTab ? sendKey(Qt::Key_Tab, QString()) : sendKey(Qt::Key_E, QStringLiteral("E"));
    }
}

QString CoefficientFields::refusalMessage(char16_t key) const
{
    switch (key) {
    case u'E':
        return tr("¡¡No puede introducir un exponente(E)!!");
    case u'-':
        return tr("¡¡No puede introducir un menos(-)!!");
    case u'+':
        return tr("¡¡No puede introducir un más(+)!!");
    default:
        return tr("¡¡No puede introducir un separador decimal(%1)!!").arg(QChar(key));
    }
}

// After a text the rules wrote for the user ("0,", "1E", a lone digit, an
// emptied field), typing goes on at its end.
void CoefficientFields::SituarCursor(TextBox* field)
{
    field->end(false);
    field->setFocus();
}

void CoefficientFields::setStatusHint(const QString& hint)
{
    hint_.setText(hint);
}

void CoefficientFields::Text1_GotFocus(int index)
{
    TextBox* field = Text1[index];
    field->selectAll();
    setBase(field, kFocusedColour);
    CampoActivo = index;
    rememberValue(field->text());
}

void CoefficientFields::Text1_LostFocus(int index)
{
    setBase(Text1[index], kUnfocusedColour);
    setStatusHint(QString());
}

void CoefficientFields::Text1_Click(int index)
{
    rememberValue(Text1[index]->text());
}

// A repair writes the last good value back, which runs this once more,
// nested, on a text that is a number.
void CoefficientFields::Text1_Change(int index)
{
    TextBox* field = Text1[index];
    // The change only views these texts: they live here, for its whole use.
    const std::string text = field->text().toStdString();
    const std::string active = CampoActivo ? Text1[*CampoActivo]->text().toStdString() : std::string();
    trx::FieldChange change{text, field->isEnabled(), std::nullopt, keyRules_.typing()};
    if (CampoActivo)
        change.activeText = active;
    const auto clipboard = [] { return QApplication::clipboard()->text().toStdString(); };
    const trx::Repair repair = trx::decideRepair(change, SeparadorDecimal, clipboard);
    if (repair != trx::Repair::None) {
        MostrarError(
            repair == trx::Repair::SecondSeparator
                ? MsgPortapapeles()
                : tr("Valor actual del texto (%1) no válido\r\nSe procede a reparar el texto.").arg(index + 1));
        field->setText(valueText());
    }
    rememberValue(field->text());
}

QString CoefficientFields::MsgPortapapeles() const
{
    return tr("No puede copiar el texto del portapapeles porque\r\nel texto numérico "
              "actual ya contiene un separador decimal (%1).")
        .arg(QLatin1Char(SeparadorDecimal));
}

// A separator typed at the start of a number ends as "0" and the separator.
void CoefficientFields::Text1_KeyUp()
{
    TextBox* field = activeField();
    const QString text = field->text();
    if (!text.startsWith(QLatin1Char(SeparadorDecimal)))
        return;
    field->setText(QStringLiteral("0") + text);
    SituarCursor(field);
}

void CoefficientFields::rememberValue(const QString& text)
{
    if (const auto value = trx::parseNumber(text.toStdString(), SeparadorDecimal))
        ValorCampo = *value;
}

TextBox* CoefficientFields::activeField() const
{
    return Text1[CampoActivo.value_or(0)];
}

QString CoefficientFields::activeFieldNumber() const
{
    return QString::number(CampoActivo.value_or(0) + 1);
}

QString CoefficientFields::valueText() const
{
    return QString::fromStdString(trx::editableNumberText(ValorCampo, SeparadorDecimal));
}

// Writes the defaults of empty fields, then reports the first field that is
// not a number and, unless told to keep it where it is, moves the focus
// there.  Returns whether all four hold numbers.
std::optional<std::array<std::string, 4>> CoefficientFields::ComprobarDatos(ErrorFocus focus)
{
    std::array<std::string, 4> texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = Text1[i]->text().toStdString();
    const trx::CheckedFields checked = trx::ComprobarDatos(texts, Text1[1]->isEnabled(), SeparadorDecimal);
    if (!checked.firstBad)
        return checked.texts;
    writeFields(checked.texts);
    MostrarError(notANumberMessage(*checked.firstBad));
    if (focus == ErrorFocus::Move)
        EnfocarError(*checked.firstBad);
    return std::nullopt;
}

void CoefficientFields::writeFields(const std::array<std::string, 4>& texts)
{
    for (std::size_t i = 0; i < texts.size(); ++i)
        Text1[i]->setText(QString::fromStdString(texts[i]));
}

QString CoefficientFields::notANumberMessage(int field) const
{
    // The limits of the range are written with the separator in use.
    const QChar separator = QLatin1Char(SeparadorDecimal);
    const QString largest = QStringLiteral("1") + separator + QStringLiteral("79769313486232E308");
    const QString smallest = QStringLiteral("4") + separator + QStringLiteral("94065645841247E-324");
    return tr("Texto numérico %1 no válido. Este error puede deberse a que hay uno o más "
              "caracteres no válidos en el cuadro de texto.\r\nCompruebe que el número está "
              "entre los intervalos -%2 a -%3 para valores negativos y de %3 a %2 para "
              "valores positivos.")
        .arg(QString::number(field + 1), largest, smallest);
}

void CoefficientFields::EnfocarError(int field)
{
    Text1[field]->setFocus();
    Text1[field]->selectAll();
}

void CoefficientFields::MostrarError(const QString& message)
{
    platform_.messageBox(&window_, message, tr("Error"), Platform::Icon::Critical);
}

QString CoefficientFields::MensajeCancelacion()
{
    return tr("Imposible continuar con la operación.\r\nOperación cancelada.");
}

void CoefficientFields::TratarError(trx::ErrorCode pending)
{
    switch (pending) {
    case trx::ErrorCode::None:
        return;
    case trx::ErrorCode::Overflow:
    case trx::ErrorCode::TypeMismatch:
        MostrarError(MensajeCancelacion());
        return;
    case trx::ErrorCode::NotSupported:
        // The focus is on a control that is no text box: the edit and value
        // items have nothing to work on.
        for (QAction* item :
             {menus_.mnuPi->menuAction(), menus_.mnuPegar, menus_.mnuCortar, menus_.mnuCopiar, menus_.mnuBorrar1,
              menus_.mnuBorrarTodo, menus_.mnuseleccionar, menus_.mnuElv->menuAction(), menus_.mnuInvertir})
            item->setEnabled(false);
        menus_.mnuBorrar1->setText(tr("&Borrar"));
        menus_.mnuseleccionar->setText(tr("&Seleccionar"));
        return;
    default:
        MostrarError(tr("Error: No se puede continuar con la operación"));
        return;
    }
}

QLineEdit* CoefficientFields::focusedTextBox() const
{
    return qobject_cast<QLineEdit*>(QApplication::focusWidget());
}

void CoefficientFields::Deshacer()
{
    if (QLineEdit* box = focusedTextBox(); box != nullptr && box->isUndoAvailable())
        box->undo();
}

// Runs an edit operation on the focused text box; with nothing selected,
// the operations that need a selection take the whole text.  A result box
// is read-only: operations that change the text leave it alone.
void CoefficientFields::editFocused(const std::function<void(QLineEdit&)>& operation, bool needsSelection,
                                    bool changesText)
{
    QLineEdit* box = focusedTextBox();
    if (box == nullptr)
        return TratarError(trx::ErrorCode::NotSupported);
    if (changesText && box->isReadOnly())
        return;
    if (needsSelection && !box->hasSelectedText())
        box->selectAll();
    operation(*box);
}

void CoefficientFields::Cortar()
{
    editFocused(&QLineEdit::cut, true, true);
}

void CoefficientFields::Copiar()
{
    editFocused(&QLineEdit::copy, true, false);
}

void CoefficientFields::Pegar()
{
    editFocused(&QLineEdit::paste, false, true);
}

void CoefficientFields::mnuBorrar1_Click()
{
    editFocused(&QLineEdit::del, true, true);
}

void CoefficientFields::mnuBorrarTodo_Click()
{
    for (TextBox* field : Text1) {
        field->selectAll();
        field->del();
    }
    QApplication::clipboard()->clear();
}

void CoefficientFields::mnuseleccionar_Click()
{
    editFocused(&QLineEdit::selectAll, false, false);
}

// Runs as the Edición menu opens: what can be done, and on which field.
void CoefficientFields::mnuEdi_Click()
{
    const QLineEdit* box = focusedTextBox();
    if (box == nullptr)
        return TratarError(trx::ErrorCode::NotSupported);
    const QString field = activeFieldNumber();

    const QString selected = box->selectedText();
    const bool wholeTextSelected = !selected.isEmpty() && selected == box->text();
    const bool somethingToSelect = !wholeTextSelected && !box->text().isEmpty();
    const bool somethingToCopy = !selected.isEmpty() || !box->text().isEmpty();
    menus_.mnuCopiar->setEnabled(somethingToCopy);
    menus_.mnuCortar->setEnabled(somethingToCopy);
    menus_.mnuseleccionar->setEnabled(somethingToSelect);
    menus_.mnuseleccionar->setText(somethingToSelect ? tr("&Seleccionar (%1º)").arg(field) : tr("&Seleccionar"));

    const QString clipboard = QApplication::clipboard()->text();
    menus_.mnuPegar->setEnabled(!clipboard.isEmpty() && trx::isNumeric(clipboard.toStdString(), SeparadorDecimal));
    menus_.mnuDeshacer->setEnabled(box->isUndoAvailable());

    const bool activeHasText = !activeField()->text().isEmpty();
    menus_.mnuBorrar1->setEnabled(activeHasText);
    menus_.mnuBorrar1->setText(activeHasText ? tr("&Borrar (%1º)").arg(field) : tr("&Borrar"));
    menus_.mnuBorrarTodo->setEnabled(
        std::any_of(Text1.begin(), Text1.end(), [](const TextBox* f) { return !f->text().isEmpty(); }));
}

// Replaces the number in `box`; a failure leaves it as it was and is
// reported.  Returns whether the number was replaced.
bool CoefficientFields::applyValueCommand(QLineEdit* box, trx::ValueCommand command, double exponent)
{
    const trx::ValueOutcome outcome =
        trx::applyValueCommand(command, box->text().toStdString(), SeparadorDecimal, exponent);
    if (outcome.error != trx::ErrorCode::None) {
        TratarError(outcome.error);
        return false;
    }
    box->setText(QString::fromStdString(outcome.text));
    return true;
}

void CoefficientFields::valueOfFocused(trx::ValueCommand command)
{
    QLineEdit* box = focusedTextBox();
    if (box == nullptr)
        return TratarError(trx::ErrorCode::NotSupported);
    if (!box->isReadOnly())  // a result stays as the solve wrote it
        applyValueCommand(box, command);
}

void CoefficientFields::mnuPorpi_Click()
{
    valueOfFocused(trx::ValueCommand::TimesPi);
}

void CoefficientFields::mnuDivipi_Click()
{
    valueOfFocused(trx::ValueCommand::OverPi);
}

void CoefficientFields::mnuEleva2_Click()
{
    applyValueCommand(activeField(), trx::ValueCommand::Square);
}

std::optional<trx::StoredSettings> CoefficientFields::mnuElevar_Click()
{
    const QString stored =
        QString::fromStdString(trx::loadSettings(platform_.settingsStore(), SeparadorDecimal).exponent);
    const QString prompt =
        SeparadorDecimal == ','
            ? tr("Por favor introduzca un valor.\r\nPara introducir un valor decimal use la COMA (,)")
            : tr("Por favor introduzca un valor.\r\nPara introducir un valor decimal use el PUNTO (.)");
    const QString answer = platform_.inputBox(&window_, prompt, tr("Atención"), stored);
    const std::optional<double> exponent = trx::parseNumber(answer.toStdString(), SeparadorDecimal);
    if (!exponent) {
        MostrarError(tr("Valor no válido u Operación cancelada."));
        return std::nullopt;
    }
    if (!applyValueCommand(activeField(), trx::ValueCommand::Power, *exponent))
        return std::nullopt;
    trx::StoredSettings typed;
    typed.exponent = answer.toStdString();
    return typed;
}

void CoefficientFields::mnuInvertir_Click()
{
    applyValueCommand(activeField(), trx::ValueCommand::Reciprocal);
}

// Runs as the Opciones menu opens: the captions name the active field, and
// the value items need a value to work on.
void CoefficientFields::mnuOpci_Click()
{
    const QString field = activeFieldNumber();
    menus_.mnuPorpi->setText(tr("&Multiplicar por PI (%1º)").arg(field));
    menus_.mnuDivipi->setText(tr("&Dividir entre PI (%1º)").arg(field));
    menus_.mnuInvertir->setText(tr("&Invertir 1/X (%1º)").arg(field));
    menus_.mnuElevar->setText(tr("&Y (%1º)").arg(field));
    menus_.mnuEleva2->setText(QStringLiteral("&2 (%1º)").arg(field));
    const bool hasValue = !activeField()->text().isEmpty();
    menus_.mnuPi->menuAction()->setEnabled(hasValue);
    menus_.mnuInvertir->setEnabled(hasValue);
    menus_.mnuElv->menuAction()->setEnabled(hasValue);
}
