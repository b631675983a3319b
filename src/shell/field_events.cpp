// SPDX-License-Identifier: GPL-3.0-or-later
// The events of the four coefficient fields: each typed key goes to the
// keystroke rules (field/key_rules.h) before the field inserts it, and every
// change of a text, by any road, to the repair decision
// (field/text_repair.h).  Both run nested inside whatever wrote the text.

#include "field/text_repair.h"
#include "shell/form1.h"
#include "shell/platform.h"
#include "shell/status_bar.h"
#include "solver/number_text.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>

namespace {

const QColor kFocusedColour(255, 255, 192);
const QColor kUnfocusedColour(255, 255, 255);

void setBase(QLineEdit* field, const QColor& colour)
{
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, colour);
    field->setPalette(palette);
}

// A key that stands for a character to insert.  Control characters are
// editing keys (a real keyboard's Delete carries U+007F), except the two that
// the rules handle: Backspace and Enter.
bool isTypedCharacter(const QString& text)
{
    if (text.size() != 1)
        return false;
    const char16_t code = text.at(0).unicode();
    return text.at(0).isPrint() || code == trx::kBackspace || code == trx::kEnter;
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

// Returns whether the key was consumed; a key that passes is inserted by the
// field, replacing any selection.
bool Form1::Text1_KeyPress(int index, QKeyEvent& event)
{
    const Qt::KeyboardModifiers commandModifiers =
        event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    char16_t code = trx::kCtrlL;
    if (commandModifiers & (Qt::AltModifier | Qt::MetaModifier))
        return isTypedCharacter(event.text());  // a combination the window does not use types nothing
    if (commandModifiers != Qt::ControlModifier || event.key() != Qt::Key_L) {
        if (commandModifiers != Qt::NoModifier || !isTypedCharacter(event.text()))
            return false;  // the field's own moves, shortcuts and editing keys
        code = event.text().at(0).unicode();
    }

    TextBox* field = Text1[index];
    const trx::KeyOutcome outcome = keyRules_.press(code, viewOf(*field), SeparadorDecimal);
    for (const trx::KeyEffect& effect : outcome.effects)
        applyKeyEffect(field, effect);
    if (outcome.key != 0 && outcome.key != code)
        field->insert(QString(QChar(outcome.key)));  // the other separator, typed as ours
    return outcome.key != code;
}

void Form1::applyKeyEffect(TextBox* field, const trx::KeyEffect& effect)
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
        return platform_->beep();
    case Kind::Refuse:
        return MostrarError(refusalMessage(effect.key));
    case Kind::Resend:
        return effect.key == trx::kTab ? sendKey(Qt::Key_Tab, QString()) : sendKey(Qt::Key_E, QStringLiteral("E"));
    }
}

QString Form1::refusalMessage(char16_t key) const
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
void Form1::SituarCursor(TextBox* field)
{
    field->end(false);
    field->setFocus();
}

// The solution copies take no typing at all.
bool Form1::swallowKey(const QKeyEvent& event)
{
    if (event.text().isEmpty() || (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    platform_->beep();
    return true;
}

bool Form1::windowOwnsShortcut(const QKeySequence& keys) const
{
    return std::any_of(shortcutItems_.begin(), shortcutItems_.end(),
                       [&keys](const QAction* item) { return item->isEnabled() && item->shortcut() == keys; });
}

void Form1::setStatusHint(const QString& hint)
{
    StatusBar1->panel(1)->setText(hint);
}

void Form1::Text1_GotFocus(int index)
{
    TextBox* field = Text1[index];
    field->selectAll();
    setBase(field, kFocusedColour);
    CampoActivo = index;
    rememberValue(field->text());
}

void Form1::Text1_LostFocus(int index)
{
    setBase(Text1[index], kUnfocusedColour);
    setStatusHint(QString());
}

void Form1::Text1_Click(int index)
{
    rememberValue(Text1[index]->text());
}

// A repair writes the last good value back, which runs this once more,
// nested, on a text that is a number.
void Form1::Text1_Change(int index)
{
    TextBox* field = Text1[index];
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
                ? MsgPortapapeles
                : tr("Valor actual del texto (%1) no válido\r\nSe procede a reparar el texto.").arg(index + 1));
        field->setText(valueText());
    }
    rememberValue(field->text());
}

// A separator typed at the start of a number ends as "0" and the separator.
void Form1::Text1_KeyUp()
{
    TextBox* field = activeField();
    const QString text = field->text();
    if (!text.startsWith(QLatin1Char(SeparadorDecimal)))
        return;
    field->setText(QStringLiteral("0") + text);
    SituarCursor(field);
}

void Form1::rememberValue(const QString& text)
{
    if (const auto value = trx::parseNumber(text.toStdString(), SeparadorDecimal))
        ValorCampo = *value;
}

TextBox* Form1::activeField() const
{
    return Text1[CampoActivo.value_or(0)];
}

QString Form1::activeFieldNumber() const
{
    return QString::number(CampoActivo.value_or(0) + 1);
}

QString Form1::valueText() const
{
    return QString::fromStdString(trx::editableNumberText(ValorCampo, SeparadorDecimal));
}
