// SPDX-License-Identifier: GPL-3.0-or-later
#include "desarrollo/desarrollo.h"

#include "desarrollo/formula_painter.h"
#include "desarrollo/plot_plugin.h"
#include "formula/web_page.h"
#include "plot/plot_panel.h"
#include "services/platform.h"
#include "services/translated.h"
#include "worked/derivation.h"
#include "worked/inequality.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMimeData>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollArea>
#include <QShortcut>
#include <QStyleOptionFocusRect>
#include <QTabWidget>

namespace {

QAccessibleInterface* stepAccessible(const QString& className, QObject* object);

// One step, reached with Tab; a screen reader gets the sentence as its name
// and the formula in words as its description, and reads it as static text.
class StepView final : public QWidget {
public:
    StepView(const trx::WorkedStep& step, QWidget* parent) : QWidget(parent), step_(step)
    {
        static const bool readAsText = (QAccessible::installFactory(stepAccessible), true);
        Q_UNUSED(readAsText);
        setFocusPolicy(Qt::TabFocus);
        setAccessibleName(QString::fromStdString(step.sentence));
        setAccessibleDescription(QString::fromStdString(trx::math::spoken(step.formula, translated)));
        setToolTip(QString::fromStdString(trx::math::plainText(step.formula)));
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        // A long formula widens the page, and the window scrolls sideways.
        setMinimumWidth(qCeil(stepWidth(step_, font())));
    }
    QSize sizeHint() const override
    {
        const int width = std::max(minimumWidth(), 300);
        return {width, heightForWidth(width)};
    }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return qCeil(paintStep(nullptr, step_, font(), {}, width)); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(palette().color(QPalette::Text));
        paintStep(&painter, step_, font(), QPointF(0, 0), width());
        if (hasFocus()) {
            QStyleOptionFocusRect option;
            option.initFrom(this);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
        }
    }
    void focusInEvent(QFocusEvent* event) override
    {
        QWidget::focusInEvent(event);
        for (QWidget* outer = parentWidget(); outer != nullptr; outer = outer->parentWidget()) {
            if (auto* area = qobject_cast<QScrollArea*>(outer)) {
                area->ensureWidgetVisible(this);
                break;
            }
        }
    }
    void resizeEvent(QResizeEvent* event) override
    {
        QWidget::resizeEvent(event);
        setMinimumHeight(heightForWidth(width()));
    }

private:
    trx::WorkedStep step_;
};

// A plain widget is an anonymous "filler" to screen readers.
QAccessibleInterface* stepAccessible(const QString&, QObject* object)
{
    auto* step = dynamic_cast<StepView*>(object);
    return step != nullptr ? new QAccessibleWidget(step, QAccessible::StaticText) : nullptr;
}

}  // namespace

Desarrollo::Desarrollo(QWidget* owner, Platform& platform) : QWidget(owner, Qt::Window), platform_(platform)
{
    setObjectName(QStringLiteral("Desarrollo"));
    setWindowTitle(tr("Desarrollo"));
    setAccessibleName(tr("Desarrollo"));
    setAccessibleDescription(tr("Resolución paso a paso de la última ecuación calculada"));
    resize(620, 640);
    // The working reads at the desktop's own size, not the main window's.
    setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));

    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("DesarrolloMensaje"));
    message_->setWordWrap(true);
    message_->setFocusPolicy(Qt::TabFocus);
    scroll_ = new QScrollArea(this);
    scroll_->setWidgetResizable(true);
    scroll_->setFrameShape(QFrame::NoFrame);
    page_ = new QWidget(scroll_);
    page_->setBackgroundRole(QPalette::Base);
    page_->setAutoFillBackground(true);
    stepList_ = new QVBoxLayout(page_);
    stepList_->setContentsMargins(16, 12, 16, 12);
    stepList_->addStretch();
    scroll_->setWidget(page_);
    // Tabs rather than a splitter: the window is narrow and tall, and the
    // plot needs the room to zoom; its module loads only when it is shown.
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("DesarrolloPestanas"));
    tabs_->addTab(workingPage(), tr("&Desarrollo"));
    auto* plotPage = new QWidget(tabs_);
    new QVBoxLayout(plotPage);
    tabs_->addTab(plotPage, tr("&Gráfica"));
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == 1)
            plot();
    });

    const auto button = [this](const char* name, const QString& caption, void (Desarrollo::*command)()) {
        auto* push = new QPushButton(caption, this);
        push->setObjectName(QLatin1String(name));
        connect(push, &QPushButton::clicked, this, command);
        actions_.push_back(push);
        return push;
    };
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(button("CmdCopiar", tr("&Copiar"), &Desarrollo::copyWorking));
    buttons->addWidget(button("CmdImprimir", tr("&Imprimir…"), &Desarrollo::printWorking));
    buttons->addWidget(button("CmdPdf", tr("&Exportar PDF…"), &Desarrollo::askAndExportPdf));
    buttons->addWidget(button("CmdHtml", tr("Guardar como &HTML…"), &Desarrollo::askAndSaveWebPage));
    buttons->addStretch();
    auto* close = new QPushButton(tr("Ce&rrar"), this);
    close->setObjectName(QStringLiteral("CmdCerrar"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    fieldsChanged_ = new QLabel(tr("Los coeficientes han cambiado desde este cálculo: pulse Calcular para "
                                   "desarrollar los nuevos."),
                                this);
    fieldsChanged_->setObjectName(QStringLiteral("DesarrolloAviso"));
    fieldsChanged_->setWordWrap(true);
    fieldsChanged_->hide();
    layout->addWidget(fieldsChanged_);
    layout->addWidget(message_);
    layout->addWidget(tabs_, 1);
    layout->addLayout(buttons);

    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this, &Desarrollo::copyWorking);
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QWidget::close);
    showMessage(tr("Pulse Calcular para ver aquí el desarrollo de la ecuación."));
}

// The method selector above the scrolled steps.
QWidget* Desarrollo::workingPage()
{
    auto* working = new QWidget(this);
    method_ = new QComboBox(working);
    method_->setObjectName(QStringLiteral("CboMetodo"));
    method_->setAccessibleName(tr("Método de resolución"));
    auto* label = new QLabel(tr("Mé&todo:"), working);
    label->setBuddy(method_);
    connect(method_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0 && static_cast<std::size_t>(index) < methods_.size())
            showMethod(methods_[static_cast<std::size_t>(index)]);
    });
    auto* choice = new QHBoxLayout;
    choice->addWidget(label);
    choice->addWidget(method_, 1);
    auto* layout = new QVBoxLayout(working);
    layout->setContentsMargins(0, 6, 0, 0);
    layout->addLayout(choice);
    layout->addWidget(scroll_, 1);
    return working;
}

void Desarrollo::clearSteps()
{
    steps_.clear();
    while (stepList_->count() > 1) {
        QLayoutItem* item = stepList_->takeAt(0);
        delete item->widget();
        delete item;
    }
}

// By the method a teacher would use first, the others offered above.
void Desarrollo::showWorking(const trx::WorkingRequest& request)
{
    request_ = request;
    methods_ =
        trx::applicableMethods(request.fields, request.separator, request.typed ? &request.typed->shape : nullptr);
    if (methods_.empty()) {
        showMessage(tr("No hay ninguna ecuación de segundo grado que desarrollar."));
        return;
    }
    const QSignalBlocker quiet(method_);
    method_->clear();
    for (const trx::Method method : methods_)
        method_->addItem(QCoreApplication::translate("Derivation", trx::methodName(method)));
    method_->setCurrentIndex(0);
    showMethod(methods_.front());
    fieldsChanged_->hide();
    feedPlot();
    message_->hide();
    tabs_->show();
    for (QWidget* action : actions_)
        action->setEnabled(true);
}

// The equation as typed when it was, the working by `method`, and an
// inequality's steps after it.
void Desarrollo::showMethod(trx::Method method)
{
    clearSteps();
    const std::optional<trx::TypedOrigin>& typed = request_.typed;
    const trx::TypedShape* shape = typed ? &typed->shape : nullptr;
    std::vector<trx::WorkedStep> worked;
    solution_.reset();
    if (typed && typed->relation != trx::Relation::Equal) {
        if (auto inequality =
                trx::deriveInequality(request_.fields, request_.separator, typed->relation, method, shape)) {
            worked = std::move(inequality->steps);
            solution_ = std::move(inequality->solution);
        }
    } else {
        worked = trx::deriveSolution(request_.fields, request_.separator, method, shape);
    }
    if (typed)
        steps_ = typed->steps;
    steps_.insert(steps_.end(), worked.begin(), worked.end());
    trx::translateSentences(steps_, translated);
    // An inequality's steps end with its solution as a set.
    solutionInWords_ =
        solution_ ? QString::fromStdString(trx::math::spoken(steps_.back().formula, translated)) : QString();
    for (const trx::WorkedStep& step : steps_)
        stepList_->insertWidget(stepList_->count() - 1, new StepView(step, page_));
    setWindowTitle(tr("Desarrollo: %1").arg(QString::fromStdString(trx::math::plainText(steps_.front().formula))));
}

// The parabola, shaded where it solves an inequality.
void Desarrollo::feedPlot()
{
    if (plot_ == nullptr || steps_.empty())
        return;
    plot_->showEquation(request_.fields, request_.separator);
    if (solution_)
        plot_->showSolution(trx::shading(*solution_), solutionInWords_);
}

void Desarrollo::showMessage(const QString& why)
{
    clearSteps();
    setWindowTitle(tr("Desarrollo"));
    fieldsChanged_->hide();
    message_->setText(why);
    message_->setAccessibleName(why);
    message_->show();
    tabs_->hide();
    if (plot_ != nullptr)
        plot_->showNothing();
    for (QWidget* action : actions_)
        action->setEnabled(false);
}

void Desarrollo::copyWorking()
{
    if (steps_.empty())
        return;
    auto* data = new QMimeData;
    data->setText(QString::fromStdString(trx::workingPlainText(steps_)));
    data->setData(QStringLiteral("text/x-tex"), QByteArray::fromStdString(trx::workingLatex(steps_)));
    data->setData(QStringLiteral("application/mathml+xml"), QByteArray::fromStdString(trx::workingMathml(steps_)));
    platform_.setClipboard(data);
}

PlotPanel* Desarrollo::plot()
{
    if (plot_ != nullptr)
        return plot_;
    QWidget* page = tabs_->widget(1);
    PlotPanelFactory* factory = plotPanelFactory();
    if (factory == nullptr) {
        if (page->layout()->isEmpty())
            page->layout()->addWidget(new QLabel(tr("No se encuentra el módulo de la gráfica del programa."), page));
        return nullptr;
    }
    plot_ = factory->makePanel(page, platform_, plotGeometry());
    page->layout()->addWidget(plot_->widget());
    feedPlot();
    return plot_;
}

bool Desarrollo::exportPlot(const QString& path, const QSize& size)
{
    return !steps_.empty() && plot() != nullptr && plot()->exportTo(path, size);
}

bool Desarrollo::paintPages(QPagedPaintDevice& device)
{
    // Laid out in screen pixels, as the measurements are, and scaled up to
    // the device's resolution; a pixel-sized font scales with the painter.
    const qreal scale = device.logicalDpiY() / 96.0;
    QPainter painter(&device);
    if (!painter.isActive())
        return false;  // the file could not be opened
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    QFont font = this->font();
    font.setPixelSize(15);  // 11 points
    const qreal width = device.width() / scale;
    const qreal pageHeight = device.height() / scale;
    qreal top = 0;
    for (const trx::WorkedStep& step : steps_) {
        const qreal height = paintStep(nullptr, step, font, {}, width);
        if (top > 0 && top + height > pageHeight) {
            device.newPage();
            top = 0;
        }
        paintStep(&painter, step, font, QPointF(0, top), width);
        top += height;
    }
    // The plot after the working, on a page of its own when it does not fit.
    if (plot() == nullptr)
        return true;
    const qreal gap = 12;
    const QSizeF plotSize(width, width * 0.75);
    if (top > 0 && top + gap + plotSize.height() > pageHeight) {
        device.newPage();
        top = 0;
    }
    plot_->paint(painter, QRectF(QPointF(0, top + gap), plotSize), QSize(640, 480));
    return true;
}

bool Desarrollo::exportPdf(const QString& path)
{
    if (steps_.empty())
        return false;
    QPdfWriter writer(path);
    writer.setTitle(tr("Desarrollo"));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    return paintPages(writer);
}

void Desarrollo::askAndExportPdf()
{
    const QString path =
        platform_.saveFileName(this, tr("Exportar PDF"), tr("desarrollo.pdf"), tr("Documentos PDF (*.pdf)"));
    if (!path.isEmpty() && !exportPdf(path))
        platform_.messageBox(this, tr("No se ha podido guardar el documento en %1.").arg(path), tr("Exportar PDF"),
                             Platform::Icon::Critical);
}

bool Desarrollo::saveWebPage(const QString& path)
{
    QSaveFile file(path);
    if (steps_.empty() || !file.open(QIODevice::WriteOnly))
        return false;
    const QString language = QLocale().name().section(QLatin1Char('_'), 0, 0);
    file.write(
        QByteArray::fromStdString(trx::workingWebPage(steps_, windowTitle().toStdString(), language.toStdString())));
    return file.commit();
}

void Desarrollo::askAndSaveWebPage()
{
    const QString path =
        platform_.saveFileName(this, tr("Guardar como HTML"), tr("desarrollo.html"), tr("Páginas web (*.html *.htm)"));
    if (!path.isEmpty() && !saveWebPage(path))
        platform_.messageBox(this, tr("No se ha podido guardar la página en %1.").arg(path), tr("Guardar como HTML"),
                             Platform::Icon::Critical);
}

void Desarrollo::printWorking()
{
    platform_.print(this, [this](QPagedPaintDevice& device) { paintPages(device); });
}

void Desarrollo::noteFieldsChanged(bool changed)
{
    fieldsChanged_->setVisible(changed && !steps_.empty());
}
