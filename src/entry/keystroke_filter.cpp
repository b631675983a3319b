// SPDX-License-Identifier: GPL-3.0-or-later
// The keystroke filter of the four coefficient fields.
//
// Every typed character passes through Text1_KeyPress before the field
// inserts it.  The filter lets through what keeps the text a number or a
// number in the making (digits, one separator, one "E" after a digit, a sign
// at the start or right after the "E"), completes the obvious ("0," for a
// leading separator, "1E" for a leading exponent, "E" for "e"), moves on with
// Enter, and refuses the rest with a message or beeps.  A key is carried as a
// character code that the rules may replace, or set to 0 to cancel it.

#include "shell/form1.h"
#include "shell/platform.h"
#include "shell/status_bar.h"
#include "solver/number_text.h"

#include <QApplication>
#include <QKeyEvent>

struct Form1::TypedKey {
    char16_t code;
    bool replacement = false;  // a digit that may stand in for the whole text
};

namespace {

constexpr char16_t kCancelled = 0;
constexpr char16_t kBackspace = 8;
constexpr char16_t kEnter = 13;
constexpr char16_t kCtrlL = 12;

int selectionStartOf(const QLineEdit* field)
{
    return field->hasSelectedText() ? field->selectionStart() : field->cursorPosition();
}

bool emptyOrWhollySelected(const QLineEdit* field)
{
    return field->text().isEmpty() || field->text() == field->selectedText();
}

// A key that stands for a character to insert.  Control characters are
// editing keys (a real keyboard's Delete carries U+007F), except the two that
// the filter's rules handle: Backspace and Enter.
bool isTypedCharacter(const QString& text)
{
    if (text.size() != 1)
        return false;
    const char16_t code = text.at(0).unicode();
    return text.at(0).isPrint() || code == kBackspace || code == kEnter;
}

// Keys that Qt delivers to a field to be processed after the current one,
// as if the user had typed them.
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
    const QString text = event.text();
    TypedKey key{0};
    if (commandModifiers == Qt::ControlModifier && event.key() == Qt::Key_L)
        key.code = kCtrlL;
    else if (commandModifiers & (Qt::AltModifier | Qt::MetaModifier))
        return isTypedCharacter(text);  // a combination the window does not use types nothing
    else if (commandModifiers != Qt::NoModifier || !isTypedCharacter(text))
        return false;  // the field's own moves, shortcuts and editing keys
    else
        key.code = text.at(0).unicode();

    const char16_t typed = key.code;
    dispatchKey(index, key);
    if (key.code == kCancelled)
        return true;
    if (key.code == typed)
        return false;
    Text1[index]->insert(QString(QChar(key.code)));  // the other separator, typed as ours
    return true;
}

void Form1::dispatchKey(int index, TypedKey& key)
{
    switch (key.code) {
    case kCtrlL:
        Tecleando = true;
        setStatusHint(QString());
        generalRule(index, key);
        return;
    case u'+':
    case u'-':
        signRule(index, key);
        return;
    case u',':
    case u'.':
        Tecleando = true;
        if (QChar(key.code) != QLatin1Char(SeparadorDecimal)) {
            // Either separator key types the locale's one.
            key.code = key.code == u',' ? u'.' : u',';
            dispatchKey(index, key);
        } else {
            separatorRule(index, key, key.code == u'.');
        }
        return;
    case u'E':
        exponentRule(index, key);
        return;
    case u'e':
        Tecleando = true;
        key.code = kCancelled;
        sendKey(Qt::Key_E, QStringLiteral("E"));
        return;
    case u' ':
        key.code = kCancelled;
        platform_->beep();
        generalRule(index, key);
        return;
    default:
        if (key.code >= u'0' && key.code <= u'9')
            digitRule(index, key);
        else
            generalRule(index, key);
        return;
    }
}

void Form1::signRule(int index, TypedKey& key)
{
    Tecleando = true;
    setStatusHint(QString());
    TextBox* field = Text1[index];
    if (emptyOrWhollySelected(field)) {
        field->del();
        SituarCursor();
        return;
    }
    checkPendingKey(index, key, QChar(key.code));
}

void Form1::separatorRule(int index, TypedKey& key, bool pointVariant)
{
    ComprobarSeparador();
    if (TeclaAceptada) {
        TeclaAceptada = false;
        return;
    }
    key.code = kCancelled;
    if (pointVariant && CeroPuesto)
        return;
    generalRule(index, key);
}

void Form1::digitRule(int index, TypedKey& key)
{
    const TextBox* field = activeField();
    const QString text = field->text();
    const int start = selectionStartOf(field);
    if (start != 0 && text.at(start - 1) == QLatin1Char('E')) {
        // An exponent needs its sign before its digits.
        setStatusHint(tr("Introduzca el signo"));
        key.code = kCancelled;
        return;
    }
    if (start == 0 && (text.startsWith(QLatin1Char('-')) || text.startsWith(QLatin1Char('+')))) {
        key.replacement = true;
        generalRule(index, key);
        return;
    }
    if (trx::isNumeric(Text1[index]->text().toStdString(), SeparadorDecimal))
        return;
    key.replacement = true;
    generalRule(index, key);
}

void Form1::exponentRule(int index, TypedKey& key)
{
    Tecleando = true;
    if (emptyOrWhollySelected(Text1[index])) {
        key.code = kCancelled;
        activeField()->setText(QStringLiteral("1E"));
        SituarCursor();
        return;
    }
    checkPendingKey(index, key, QLatin1Char('E'));
}

// A sign or exponent that is not the field's first key: it passes where
// ComprobarTecla allows it; otherwise the general rule has the last word.
void Form1::checkPendingKey(int index, TypedKey& key, QChar pending)
{
    TeclaPendiente = pending;
    ComprobarTecla();
    if (TeclaAceptada) {
        TeclaAceptada = false;
        return;
    }
    key.code = kCancelled;
    generalRule(index, key);
}

void Form1::generalRule(int index, TypedKey& key)
{
    TextBox* field = Text1[index];
    if (key.code == kEnter) {
        key.code = kCancelled;
        sendKey(Qt::Key_Tab, QString());
    } else if (key.code == kBackspace) {
        setStatusHint(QString());
        Tecleando = true;
    } else {
        Tecleando = false;
        if (key.replacement && emptyOrWhollySelected(field)) {
            field->setText(QString(QChar(key.code)));
            key.code = kCancelled;
            SituarCursor();
            return;
        }
        const QString text = field->text();
        if (!text.isEmpty() && selectionStartOf(field) == 0 &&
            (text.startsWith(QLatin1Char('-')) || text.startsWith(QLatin1Char('+')))) {
            // Nothing may stand before the sign.
            platform_->beep();
            platform_->beep();
            key.code = kCancelled;
        }
        const QString typed = key.code == kCancelled ? QString() : QString(QChar(key.code));
        if (!trx::isNumeric((text + typed).toStdString(), SeparadorDecimal)) {
            platform_->beep();
            platform_->beep();
            key.code = kCancelled;
        }
    }
    key.replacement = false;
}

// Decides on a sign, separator or exponent at the caret of the active field.
void Form1::ComprobarTecla()
{
    const TextBox* field = activeField();
    const QString text = field->text();
    const int start = selectionStartOf(field);
    const QChar previous = start > 0 ? text.at(start - 1) : QChar();
    const QChar next = start < text.length() ? text.at(start) : QChar();
    const QChar separator = QLatin1Char(SeparadorDecimal);
    const auto isSign = [](QChar c) { return c == QLatin1Char('+') || c == QLatin1Char('-'); };

    bool refused = false;
    if (isSign(TeclaPendiente)) {
        if (previous.isNull() && next != TeclaPendiente)
            refused = isSign(next);  // never right before the other sign
        else
            refused = !(previous == QLatin1Char('E') && !isSign(next));
    } else if (TeclaPendiente == separator) {
        refused = text.contains(separator) || previous == QLatin1Char('E');
    } else if (TeclaPendiente == QLatin1Char('E')) {
        refused = text.contains(QLatin1Char('E')) || !(previous >= QLatin1Char('0') && previous <= QLatin1Char('9'));
    }

    if (!refused) {
        Tecleando = true;
        TeclaAceptada = true;
        return;
    }
    TeclaAceptada = false;
    if (TeclaPendiente == QLatin1Char('E'))
        MostrarError(tr("¡¡No puede introducir un exponente(E)!!"));
    else if (TeclaPendiente == separator)
        MostrarError(tr("¡¡No puede introducir un separador decimal(%1)!!").arg(separator));
    else if (TeclaPendiente == QLatin1Char('-'))
        MostrarError(tr("¡¡No puede introducir un menos(-)!!"));
    else
        MostrarError(tr("¡¡No puede introducir un más(+)!!"));
}

void Form1::ComprobarSeparador()
{
    TextBox* field = activeField();
    if (emptyOrWhollySelected(field)) {
        CeroPuesto = true;
        field->setText(QStringLiteral("0") + QLatin1Char(SeparadorDecimal));
        SituarCursor();
    } else {
        TeclaPendiente = QLatin1Char(SeparadorDecimal);
        ComprobarTecla();
    }
}

// After a text the filter wrote for the user ("0,", "1E", a lone digit, an
// emptied field), typing goes on at its end.
void Form1::SituarCursor()
{
    TextBox* field = activeField();
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
