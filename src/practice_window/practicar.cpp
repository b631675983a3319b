// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice_window/practicar.h"
#include "services/translated.h"

#include "practice/answer_check.h"
#include "practice/exercise_working.h"
#include "practice_window/formula_views.h"
#include "practice_window/practice_texts.h"
#include "practice_window/worksheet.h"
#include "services/platform.h"
#include "settings/settings_table.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPdfWriter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QShortcut>
#include <QVBoxLayout>

#include <charconv>
#include <limits>

namespace {

using trx::practice::Verdict;

// Up to 18 digits: every such number fits a seed.
const QRegularExpression& seedPattern()
{
    static const QRegularExpression digits(QRegularExpression::anchoredPattern(QStringLiteral("[0-9]{1,18}")));
    return digits;
}

// A seed the user can read and type again.
std::uint64_t freshSeed()
{
    return QRandomGenerator::global()->bounded(1, 1000000);
}

bool isRight(Verdict::Kind kind)
{
    return kind == Verdict::Kind::Right || kind == Verdict::Kind::RightNotSimplest ||
           kind == Verdict::Kind::RightDecimal;
}

QLabel* buddyLabel(const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text, buddy->parentWidget());
    label->setBuddy(buddy);
    return label;
}

}  // namespace

Practicar::Practicar(QWidget* owner, Platform& platform, char separator)
    : QWidget(owner, Qt::Window), platform_(platform), separator_(separator)
{
    setObjectName(QStringLiteral("Practicar"));
    setWindowTitle(tr("Practicar"));
    setAccessibleName(tr("Practicar"));
    setAccessibleDescription(tr("Ecuaciones para resolver, una cada vez, con su comprobación"));
    resize(640, 620);

    auto* layout = new QVBoxLayout(this);
    buildChoices(this);
    number_ = new QLabel(this);
    number_->setObjectName(QStringLiteral("PracticaNumero"));
    equation_ = new FormulaView(this);
    equation_->setObjectName(QStringLiteral("PracticaEcuacion"));

    auto* answers = new QFormLayout;
    for (int line = 0; line < 2; ++line) {
        answers_[line] = new QLineEdit(this);
        answers_[line]->setObjectName(QStringLiteral("PracticaSolucion%1").arg(line + 1));
        answers_[line]->setAccessibleName(tr("Solución %1").arg(line + 1));
        connect(answers_[line], &QLineEdit::returnPressed, this, &Practicar::check);
        answers->addRow(buddyLabel(tr("Solución &%1:").arg(line + 1), answers_[line]), answers_[line]);
    }
    verdict_ = new QLineEdit(this);
    verdict_->setObjectName(QStringLiteral("PracticaVeredicto"));
    verdict_->setReadOnly(true);
    verdict_->setAccessibleName(tr("Resultado"));
    answers->addRow(buddyLabel(tr("Res&ultado:"), verdict_), verdict_);
    score_ = new QLabel(this);
    score_->setObjectName(QStringLiteral("PracticaAciertos"));
    score_->setFocusPolicy(Qt::TabFocus);
    answers->addRow(QString(), score_);

    steps_ = new StepsView(this);
    steps_->setObjectName(QStringLiteral("PracticaDesarrollo"));
    stepsArea_ = new QScrollArea(this);
    stepsArea_->setWidgetResizable(true);
    stepsArea_->setWidget(steps_);
    stepsArea_->hide();

    layout->addWidget(number_);
    layout->addWidget(equation_);
    layout->addLayout(answers);
    layout->addWidget(stepsArea_, 1);
    layout->addStretch();
    layout->addWidget(buildButtons());

    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), this), &QShortcut::activated, this,
            &Practicar::copyEquation);
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QWidget::close);
    restoreChoices();
    restart();
    showScore();
}

void Practicar::buildChoices(QWidget* page)
{
    auto* kinds = new QGroupBox(tr("Tipos de ecuación"), page);
    auto* grid = new QGridLayout(kinds);
    for (const trx::practice::ExerciseKind kind : trx::practice::kAllExerciseKinds) {
        auto* box = new QCheckBox(kindName(kind), kinds);
        box->setObjectName(QStringLiteral("PracticaTipo%1").arg(kindBoxes_.size()));
        grid->addWidget(box, static_cast<int>(kindBoxes_.size() / 2), static_cast<int>(kindBoxes_.size() % 2));
        connect(box, &QCheckBox::toggled, this, [this] { restart(); });
        kindBoxes_.push_back(box);
    }
    difficulty_ = new QComboBox(page);
    difficulty_->setObjectName(QStringLiteral("PracticaDificultad"));
    for (const auto level :
         {trx::practice::Difficulty::Easy, trx::practice::Difficulty::Medium, trx::practice::Difficulty::Hard})
        difficulty_->addItem(difficultyName(level));
    connect(difficulty_, &QComboBox::currentIndexChanged, this, [this] { restart(); });
    seed_ = new QLineEdit(page);
    seed_->setObjectName(QStringLiteral("PracticaSemilla"));
    seed_->setValidator(new QRegularExpressionValidator(seedPattern(), seed_));
    connect(seed_, &QLineEdit::editingFinished, this, [this] {
        if (seed() != sessionSeed_)
            restart();
    });
    auto* fresh = new QPushButton(tr("&Nueva semilla"), page);
    fresh->setObjectName(QStringLiteral("PracticaNuevaSemilla"));
    connect(fresh, &QPushButton::clicked, this, &Practicar::newSeed);

    auto* row = new QHBoxLayout;
    row->addWidget(buddyLabel(tr("&Dificultad:"), difficulty_));
    row->addWidget(difficulty_);
    row->addWidget(buddyLabel(tr("S&emilla:"), seed_));
    row->addWidget(seed_);
    row->addWidget(fresh);
    auto* layout = static_cast<QVBoxLayout*>(page->layout());
    layout->addWidget(kinds);
    layout->addLayout(row);
}

QWidget* Practicar::buildButtons()
{
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    const auto button = [this, bar, row](const char* name, const QString& caption, void (Practicar::*command)()) {
        auto* push = new QPushButton(caption, bar);
        push->setObjectName(QLatin1String(name));
        push->setAutoDefault(false);
        connect(push, &QPushButton::clicked, this, command);
        row->addWidget(push);
        return push;
    };
    button("PracticaComprobar", tr("&Comprobar"), &Practicar::check);
    hint_ = button("PracticaPista", tr("&Pista"), &Practicar::hint);
    button("PracticaVerDesarrollo", tr("&Ver desarrollo"), &Practicar::showWorking);
    button("PracticaSiguiente", tr("&Siguiente"), &Practicar::next);
    button("PracticaCopiar", tr("Copiar ecuación"), &Practicar::copyEquation)
        ->setToolTip(tr("Copia la ecuación (Ctrl+Mayús+C)"));
    button("PracticaHoja", tr("&Hoja de ejercicios…"), &Practicar::askForWorksheet);
    row->addStretch();
    auto* close = new QPushButton(tr("Ce&rrar"), bar);
    close->setObjectName(QStringLiteral("PracticaCerrar"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    row->addWidget(close);
    return bar;
}

// Kinds as the digits of their places in kAllExerciseKinds; anything else in
// the stored texts is passed over.
void Practicar::restoreChoices()
{
    const trx::StoredSettings stored = trx::loadSettings(platform_.settingsStore(), separator_);
    for (std::size_t kind = 0; kind < kindBoxes_.size(); ++kind) {
        const QSignalBlocker quiet(kindBoxes_[kind]);
        kindBoxes_[kind]->setChecked(stored.practiceKinds.find(char('0' + kind)) != std::string::npos);
    }
    const int level = stored.practiceDifficulty.size() == 1 ? stored.practiceDifficulty[0] - '0' : 0;
    const QSignalBlocker quiet(difficulty_);
    difficulty_->setCurrentIndex(level >= 0 && level < difficulty_->count() ? level : 0);
    const QString storedSeed = QString::fromStdString(stored.practiceSeed);
    seed_->setText(seedPattern().match(storedSeed).hasMatch() ? storedSeed : QString::number(freshSeed()));
}

void Practicar::storeChoices()
{
    trx::StoredSettings values;
    values.practiceKinds.clear();
    for (std::size_t kind = 0; kind < kindBoxes_.size(); ++kind)
        if (kindBoxes_[kind]->isChecked())
            values.practiceKinds += char('0' + kind);
    values.practiceDifficulty = std::to_string(difficulty_->currentIndex());
    values.practiceSeed = std::to_string(sessionSeed_);
    // A failed write costs only the choices of the next session: no box.
    trx::storeSettings(platform_.settingsStore(), values, trx::SettingsWriter::PracticeWindow);
}

std::vector<trx::practice::ExerciseKind> Practicar::kinds() const
{
    std::vector<trx::practice::ExerciseKind> ticked;
    for (std::size_t kind = 0; kind < kindBoxes_.size(); ++kind)
        if (kindBoxes_[kind]->isChecked())
            ticked.push_back(trx::practice::kAllExerciseKinds[kind]);
    return ticked;  // none ticked: every kind
}

trx::practice::Difficulty Practicar::difficulty() const
{
    return static_cast<trx::practice::Difficulty>(difficulty_->currentIndex());
}

std::uint64_t Practicar::seed() const
{
    const std::string text = seed_->text().toStdString();
    std::uint64_t value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

void Practicar::restart()
{
    sessionSeed_ = seed();
    seed_->setText(QString::number(sessionSeed_));
    exercises_.clear();
    index_ = 0;
    storeChoices();
    propose();
}

void Practicar::propose()
{
    // Ahead in blocks, as the same prefix of one long worksheet.
    if (index_ >= exercises_.size())
        exercises_ = trx::practice::makeWorksheet(kinds(), difficulty(), sessionSeed_, static_cast<int>(index_) + 20);
    number_->setText(tr("Ejercicio %1").arg(index_ + 1));
    equation_->showFormula(trx::practice::exerciseFormula(exercise(), separator_));
    for (QLineEdit* answer : answers_)
        answer->clear();
    verdict_->clear();
    working_.clear();
    showSteps(0);
    answered_ = false;
    solved_ = false;
    answers_[0]->setFocus();
}

void Practicar::check()
{
    const Verdict verdict = trx::practice::checkAnswer(exercise().roots, answers_[0]->text().toStdString(),
                                                       answers_[1]->text().toStdString());
    const QString note = QString::fromStdString(trx::practice::noteText(verdict, translated));
    if (verdict.kind == Verdict::Kind::Malformed) {
        showVerdict(tr("Solución %1, carácter %2: %3").arg(verdict.line + 1).arg(verdict.column + 1).arg(note));
        answers_[verdict.line]->setFocus();
        answers_[verdict.line]->setCursorPosition(verdict.column);
        return;
    }
    showVerdict(verdict.kind == Verdict::Kind::Right ? tr("Correcto.") : note);
    answeredCount_ += answered_ ? 0 : 1;
    answered_ = true;
    if (isRight(verdict.kind) && !solved_) {
        solved_ = true;
        ++solvedCount_;
    }
    showScore();
}

// Set as the line's text and announced, as a status line would be.
void Practicar::showVerdict(const QString& text)
{
    verdict_->setText(text);
    verdict_->setAccessibleDescription(text);
    QAccessibleEvent alert(verdict_, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void Practicar::showScore()
{
    score_->setText(tr("Aciertos: %1 de %2").arg(solvedCount_).arg(answeredCount_));
    score_->setAccessibleName(score_->text());
}

void Practicar::showSteps(std::size_t count)
{
    if (count > 0 && working_.empty())
        working_ = translatedWorking(exercise(), separator_);
    stepsShown_ = std::min(count, working_.size());
    steps_->showSteps({working_.begin(), working_.begin() + static_cast<std::ptrdiff_t>(stepsShown_)});
    stepsArea_->setVisible(stepsShown_ > 0);
    hint_->setEnabled(stepsShown_ == 0 || stepsShown_ < working_.size());
}

void Practicar::hint()
{
    showSteps(stepsShown_ + 1);
    stepsArea_->ensureVisible(0, steps_->height());
}

void Practicar::showWorking()
{
    showSteps(std::numeric_limits<std::size_t>::max());
}

void Practicar::next()
{
    ++index_;
    propose();
}

void Practicar::newSeed()
{
    seed_->setText(QString::number(freshSeed()));
    restart();
}

void Practicar::copyEquation()
{
    auto* data = new QMimeData;
    data->setText(QString::fromStdString(exercise().text));
    const trx::math::Node formula = trx::practice::exerciseFormula(exercise(), separator_);
    data->setData(QStringLiteral("text/x-tex"), QByteArray::fromStdString(trx::math::latex(formula)));
    platform_.setClipboard(data);
}

bool Practicar::exportWorksheet(const QString& path, int count, bool fullWorking)
{
    QPdfWriter writer(path);
    writer.setTitle(tr("Hoja de ejercicios"));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    return paintWorksheet(writer, {kinds(), difficulty(), sessionSeed_, count, fullWorking, separator_}, font());
}

void Practicar::askForWorksheet()
{
    WorksheetDialog dialog(this, sheetCount_, sheetWorking_);
    if (dialog.exec() != QDialog::Accepted)
        return;
    sheetCount_ = dialog.count();
    sheetWorking_ = dialog.fullWorking();
    if (dialog.output() == WorksheetDialog::Printer) {
        const WorksheetRequest request{kinds(), difficulty(), sessionSeed_, sheetCount_, sheetWorking_, separator_};
        platform_.print(this, [&](QPagedPaintDevice& device) { paintWorksheet(device, request, font()); });
        return;
    }
    const QString path = platform_.saveFileName(this, tr("Exportar PDF"), tr("hoja-%1.pdf").arg(sessionSeed_),
                                                tr("Documentos PDF (*.pdf)"));
    if (!path.isEmpty() && !exportWorksheet(path, sheetCount_, sheetWorking_))
        platform_.messageBox(this, tr("No se ha podido guardar el documento en %1.").arg(path), tr("Exportar PDF"),
                             Platform::Icon::Critical);
}
