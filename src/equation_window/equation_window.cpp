// SPDX-License-Identifier: GPL-3.0-or-later
#include "equation_window/equation_window.h"

#include "equation/equation.h"
#include "services/translated.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

namespace {

QString phraseText(const trx::Phrase& phrase)
{
    return QString::fromStdString(trx::filled(translated("Derivation", phrase.pattern), phrase.arguments));
}

// The UTF-16 position of a column counted in code points.
int positionOf(const QString& text, std::size_t column)
{
    int at = 0;
    for (std::size_t counted = 0; counted < column && at < text.size(); ++counted)
        at += text.at(at).isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
    return at;
}

// Where the middle of the character at `position` stands in the field,
// wherever the field has scrolled its text: the field maps every point left
// of it to a cursor before the character, and every point right of it to
// one after.  Empty when the character is out of sight.
std::optional<int> middleOf(QLineEdit& edit, int position)
{
    const auto after = [&](int x) { return edit.cursorPositionAt(QPoint(x, edit.height() / 2)) > position; };
    int left = 0;
    int right = edit.width() - 1;
    if (after(left) || !after(right))
        return std::nullopt;
    while (left < right) {
        const int middle = (left + right) / 2;
        if (after(middle))
            right = middle;
        else
            left = middle + 1;
    }
    return left;
}

}  // namespace

EquationWindow::EquationWindow(QWidget* owner, trx::SettingsStore& store, char separator, Solve solve)
    : QDialog(owner), store_(store), separator_(separator), solve_(std::move(solve))
{
    setObjectName(QStringLiteral("Ecuacion"));
    setWindowTitle(tr("Ecuación"));
    history_.load(store_);

    auto* prompt = new QLabel(tr("&Ecuación (por ejemplo x(x + 3) = 10):"), this);
    equation_ = new QLineEdit(this);
    equation_->setObjectName(QStringLiteral("TxtEcuacion"));
    equation_->setAccessibleName(tr("Ecuación"));
    equation_->setAccessibleDescription(tr("Arriba y Abajo recorren las últimas ecuaciones resueltas"));
    equation_->setMinimumWidth(equation_->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 50);
    equation_->installEventFilter(this);
    prompt->setBuddy(equation_);
    caret_ = new QLabel(this);
    caret_->setObjectName(QStringLiteral("LblMarca"));
    caret_->setAccessibleName(tr("Dónde se detuvo la lectura"));
    caret_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);  // a marker never widens the window
    reading_ = new QLabel(this);
    reading_->setObjectName(QStringLiteral("LblLectura"));
    reading_->setAccessibleName(tr("Lectura"));
    reading_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    reading_->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* solveButton = buttons->addButton(tr("&Resolver"), QDialogButtonBox::AcceptRole);
    solveButton->setObjectName(QStringLiteral("CmdResolver"));
    solveButton->setDefault(true);
    QPushButton* closeButton = buttons->addButton(tr("&Cerrar"), QDialogButtonBox::RejectRole);
    closeButton->setObjectName(QStringLiteral("CmdCerrar"));
    connect(solveButton, &QPushButton::clicked, this, &EquationWindow::solveTyped);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(equation_);
    layout->addSpacing(-layout->spacing());  // the caret right under the text
    layout->addWidget(caret_);
    layout->addWidget(reading_);
    layout->addWidget(buttons);

    connect(equation_, &QLineEdit::textChanged, this, &EquationWindow::showReading);
    connect(equation_, &QLineEdit::textEdited, this, [this] { browsed_ = -1; });
    showReading();
}

void EquationWindow::showReading()
{
    caret_->clear();
    const QString text = equation_->text();
    if (text.trimmed().isEmpty()) {
        reading_->clear();
        return;
    }
    const trx::EquationResult result = trx::readEquation(text.toStdString(), separator_);
    if (result.reading)
        reading_->setText(QString::fromStdString(result.reading->readAs));
    else
        showRefusal(QString::fromStdString(result.error.text(translated)), result.error.column);
}

// The caret stands under the character where the reading stopped, or at
// the end of the text when it stopped there; none when the field has
// scrolled that place out of sight.
void EquationWindow::showRefusal(const QString& sentence, std::size_t column)
{
    reading_->setText(sentence);
    layout()->activate();
    equation_->repaint();  // the field scrolls its text as it paints it
    const QString text = equation_->text();
    const int position = positionOf(text, column);
    const QFontMetrics metrics(equation_->font());
    std::optional<int> under = middleOf(*equation_, position);
    if (position >= text.size() && !text.isEmpty()) {
        const int last = text.size() - 1;
        under = middleOf(*equation_, last);
        if (under)
            *under += (metrics.horizontalAdvance(text.at(last)) + 1) / 2;
    }
    if (!under || *under >= equation_->width())
        return;
    caret_->setFont(equation_->font());
    const int caretWidth = metrics.horizontalAdvance(QLatin1Char('^'));
    const int indent = equation_->x() - caret_->x() + *under - caretWidth / 2;
    caret_->setIndent(std::clamp(indent, 0, std::max(0, caret_->width() - caretWidth)));
    caret_->setText(QStringLiteral("^"));
}

void EquationWindow::solveTyped()
{
    const std::string text = equation_->text().trimmed().toStdString();
    const trx::EquationResult result = trx::readEquation(text, separator_, trx::EquationSteps::Record);
    if (!result.reading)
        return;  // the reading line already says why
    history_.add(text);
    history_.save(store_);
    browsed_ = -1;
    const trx::EquationReading& reading = *result.reading;
    if (reading.verdict) {
        reading_->setText(
            tr("%1. Los campos no cambian: no es una ecuación de segundo grado.").arg(phraseText(*reading.verdict)));
        return;
    }
    const trx::NormalForm& normal = reading.normal;
    trx::WorkingRequest request{{normal.a.get_str(), normal.b.get_str(), normal.c.get_str(), "0"}, separator_, {}};
    request.typed = trx::TypedOrigin{reading.steps, trx::typedShape(reading.typed), normal.relation};
    solve_(request);
}

// Up: an older equation; Down: a newer one, and last what was being typed.
void EquationWindow::browseHistory(int step)
{
    const int last = static_cast<int>(history_.entries().size()) - 1;
    const int next = std::clamp(browsed_ + step, -1, last);
    if (next == browsed_)
        return;
    if (browsed_ == -1)
        typed_ = equation_->text();
    browsed_ = next;
    equation_->setText(next == -1 ? typed_ : QString::fromStdString(history_.entries()[next]));
}

bool EquationWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == equation_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            browseHistory(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
