// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice_window/worksheet.h"

#include "desarrollo/formula_painter.h"
#include "practice/exercise_working.h"
#include "practice_window/practice_texts.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QString translated(const char* source)
{
    return QCoreApplication::translate("Practicar", source);
}

// Blocks one under another, a new page when the next does not fit.  Laid
// out in screen pixels, as the formulas are measured, and scaled up to the
// device's resolution.
class PageWriter {
public:
    PageWriter(QPagedPaintDevice& device, QPainter& painter, const QFont& font)
        : device_(device), painter_(painter), font_(font), scale_(device.logicalDpiY() / 96.0)
    {
        painter_.setRenderHint(QPainter::Antialiasing);
        painter_.scale(scale_, scale_);
        width_ = device.width() / scale_;
        height_ = device.height() / scale_;
    }

    void heading(const QString& title, const QString& line)
    {
        QFont bold = font_;
        bold.setBold(true);
        bold.setPixelSize(font_.pixelSize() * 4 / 3);
        text(title, bold);
        text(line, font_);
        top_ += QFontMetricsF(font_).height();
    }
    qreal stepHeight(const trx::WorkedStep& step) const { return paintStep(nullptr, step, font_, {}, width_); }
    void step(const trx::WorkedStep& step)
    {
        const qreal height = stepHeight(step);
        makeRoom(height);
        paintStep(&painter_, step, font_, QPointF(0, top_), width_);
        top_ += height;
    }
    // `keptWith`: the height of what follows, kept on the same page.
    void text(const QString& line, const QFont& font, qreal keptWith = 0)
    {
        const QRectF area = QFontMetricsF(font).boundingRect(QRectF(0, 0, width_, 1e6), Qt::TextWordWrap, line);
        makeRoom(area.height() + keptWith);
        painter_.setFont(font);
        painter_.drawText(area.translated(0, top_), Qt::TextWordWrap, line);
        top_ += area.height();
    }
    void newPage()
    {
        device_.newPage();
        top_ = 0;
    }

private:
    void makeRoom(qreal height)
    {
        if (top_ > 0 && top_ + height > height_)
            newPage();
    }

    QPagedPaintDevice& device_;
    QPainter& painter_;
    QFont font_;
    qreal scale_;
    qreal width_ = 0;
    qreal height_ = 0;
    qreal top_ = 0;
};

QString detailsLine(const WorksheetRequest& request)
{
    return translated(QT_TRANSLATE_NOOP("Practicar", "Semilla: %1. Dificultad: %2. Ejercicios: %3."))
        .arg(request.seed)
        .arg(difficultyName(request.difficulty))
        .arg(request.count);
}

QString exerciseName(const trx::practice::Exercise& exercise)
{
    return translated(QT_TRANSLATE_NOOP("Practicar", "Ejercicio %1")).arg(exercise.serial + 1);
}

void paintKey(PageWriter& page, const std::vector<trx::practice::Exercise>& sheet, const WorksheetRequest& request,
              const QFont& font)
{
    QFont bold = font;
    bold.setBold(true);
    for (const trx::practice::Exercise& exercise : sheet) {
        if (!request.fullWorking) {
            const QString sentence = translated(QT_TRANSLATE_NOOP("Practicar", "%1: %2"))
                                         .arg(exerciseName(exercise), QString::fromStdString(exercise.text));
            page.step({sentence.toStdString(), trx::practice::solutionsFormula(exercise), {}});
            continue;
        }
        const std::vector<trx::WorkedStep> working = translatedWorking(exercise, request.separator);
        page.text(exerciseName(exercise), bold, page.stepHeight(working.front()));
        for (const trx::WorkedStep& step : working)
            page.step(step);
    }
}

}  // namespace

bool paintWorksheet(QPagedPaintDevice& device, const WorksheetRequest& request, const QFont& textFont)
{
    QPainter painter(&device);
    if (!painter.isActive())
        return false;
    QFont font = textFont;
    font.setPixelSize(15);  // 11 points
    PageWriter page(device, painter, font);
    const std::vector<trx::practice::Exercise> sheet =
        trx::practice::makeWorksheet(request.kinds, request.difficulty, request.seed, request.count);
    page.heading(translated(QT_TRANSLATE_NOOP("Practicar", "Ecuaciones de segundo grado")), detailsLine(request));
    for (const trx::practice::Exercise& exercise : sheet)
        page.step(
            {exerciseName(exercise).toStdString(), trx::practice::exerciseFormula(exercise, request.separator), {}});
    page.newPage();
    page.heading(translated(QT_TRANSLATE_NOOP("Practicar", "Soluciones")), detailsLine(request));
    paintKey(page, sheet, request, font);
    return true;
}

WorksheetDialog::WorksheetDialog(QWidget* owner, int count, bool fullWorking) : QDialog(owner)
{
    setObjectName(QStringLiteral("HojaEjercicios"));
    setWindowTitle(tr("Hoja de ejercicios"));
    count_ = new QSpinBox(this);
    count_->setObjectName(QStringLiteral("HojaNumero"));
    count_->setRange(1, 40);
    count_->setValue(count);
    auto* solutionsOnly = new QRadioButton(tr("Solo las &soluciones"), this);
    solutionsOnly->setObjectName(QStringLiteral("HojaSoluciones"));
    fullWorking_ = new QRadioButton(tr("Con el &desarrollo completo"), this);
    fullWorking_->setObjectName(QStringLiteral("HojaDesarrollo"));
    (fullWorking ? fullWorking_ : solutionsOnly)->setChecked(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton* print = buttons->addButton(tr("&Imprimir…"), QDialogButtonBox::AcceptRole);
    QPushButton* pdf = buttons->addButton(tr("Exportar &PDF…"), QDialogButtonBox::AcceptRole);
    print->setDefault(true);
    connect(print, &QPushButton::clicked, this, [this] { output_ = Printer; });
    connect(pdf, &QPushButton::clicked, this, [this] { output_ = Pdf; });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(tr("&Número de ejercicios:"), count_);
    form->addRow(tr("Clave:"), solutionsOnly);
    form->addRow(QString(), fullWorking_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

int WorksheetDialog::count() const
{
    return count_->value();
}

bool WorksheetDialog::fullWorking() const
{
    return fullWorking_->isChecked();
}
