// SPDX-License-Identifier: GPL-3.0-or-later
// The plot module: the parabola of the last solve drawn with Qt Charts, its
// special points marked and labelled, zoomed with the wheel, panned by
// dragging, and exported to PNG, SVG or PDF.  What is drawn where comes from
// the program's PlotGeometry; this file only hands it to the chart.

#include "plot/plot_chart.h"
#include "plot/plot_panel.h"
#include "services/platform.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QSpinBox>
#include <QSvgGenerator>
#include <QVBoxLayout>

namespace {

class Grafica final : public QWidget, public PlotPanel {
    Q_OBJECT
public:
    Grafica(QWidget* parent, Platform& platform, const PlotGeometry& geometry);

    QWidget* widget() override { return this; }
    void showEquation(const std::array<std::string, 4>& fields, char separator) override;
    void showSolution(const std::vector<trx::plot::Shade>& parts, const QString& inWords) override;
    void showNothing() override;
    void paint(QPainter& painter, const QRectF& target, const QSize& size) override;
    bool exportTo(const QString& path, const QSize& size) override;

private:
    static QSize askSize(QWidget* owner, QSize initial);
    void askAndExport();

    Platform& platform_;
    const PlotGeometry& geometry_;
    PlotChart* chart_;
    std::vector<QWidget*> actions_;  // enabled only while there is a parabola
};

// Asks for the picture's size in pixels; an empty size when cancelled.
QSize Grafica::askSize(QWidget* owner, QSize initial)
{
    QDialog dialog(owner);
    dialog.setWindowTitle(tr("Tamaño de la gráfica"));
    auto* width = new QSpinBox(&dialog);
    auto* height = new QSpinBox(&dialog);
    for (QSpinBox* box : {width, height}) {
        box->setRange(100, 8000);
        box->setSuffix(tr(" px"));
    }
    width->setValue(initial.width());
    height->setValue(initial.height());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* form = new QFormLayout(&dialog);
    form->addRow(tr("&Ancho:"), width);
    form->addRow(tr("A&lto:"), height);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return {width->value(), height->value()};
}

Grafica::Grafica(QWidget* parent, Platform& platform, const PlotGeometry& geometry)
    : QWidget(parent), platform_(platform), geometry_(geometry), chart_(new PlotChart(this, geometry))
{
    setObjectName(QStringLiteral("Grafica"));
    setAccessibleName(tr("Gráfica"));
    auto* reset = new QPushButton(tr("&Vista inicial"), this);
    reset->setObjectName(QStringLiteral("CmdVistaInicial"));
    connect(reset, &QPushButton::clicked, chart_, &PlotChart::resetView);
    auto* save = new QPushButton(tr("E&xportar gráfica…"), this);
    save->setObjectName(QStringLiteral("CmdExportarGrafica"));
    connect(save, &QPushButton::clicked, this, &Grafica::askAndExport);
    actions_ = {reset, save};
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(reset);
    buttons->addWidget(save);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(chart_, 1);
    layout->addLayout(buttons);
    showNothing();
}

void Grafica::showEquation(const std::array<std::string, 4>& fields, char separator)
{
    chart_->setEquation(geometry_.features(fields, separator), separator);
    setAccessibleDescription(chart_->accessibleDescription());
    for (QWidget* action : actions_)
        action->setEnabled(true);
}

void Grafica::showSolution(const std::vector<trx::plot::Shade>& parts, const QString& inWords)
{
    chart_->setSolution(parts, inWords);
    setAccessibleDescription(chart_->accessibleDescription());
}

void Grafica::showNothing()
{
    chart_->clear();
    setAccessibleDescription(chart_->accessibleDescription());
    for (QWidget* action : actions_)
        action->setEnabled(false);
}

// Laid out at `size` on a chart of its own, so that the labels keep their
// size in pixels, then scaled into `target`.
void Grafica::paint(QPainter& painter, const QRectF& target, const QSize& size)
{
    PlotChart copy(nullptr, geometry_);
    copy.resize(size);
    copy.copyFrom(*chart_);
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / size.width(), target.height() / size.height());
    copy.QWidget::render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    painter.restore();
}

void Grafica::askAndExport()
{
    const QString path = platform_.saveFileName(this, tr("Exportar gráfica"), tr("grafica.png"),
                                                tr("Imagen PNG (*.png);;Dibujo SVG (*.svg);;Documento PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    const QSize size = askSize(this, chart_->size());
    if (size.isEmpty())
        return;
    if (!exportTo(path, size))
        platform_.messageBox(this, tr("No se ha podido guardar la gráfica en %1.").arg(path), tr("Exportar gráfica"),
                             Platform::Icon::Critical);
}

bool Grafica::exportTo(const QString& path, const QSize& size)
{
    if (!actions_.front()->isEnabled() || size.isEmpty())
        return false;
    const QString suffix = QFileInfo(path).suffix().toLower();
    const QRectF whole(QPointF(0, 0), QSizeF(size));
    if (suffix == QLatin1String("svg")) {
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setSize(size);
        svg.setViewBox(whole);
        svg.setTitle(tr("Gráfica"));
        svg.setDescription(accessibleDescription());
        QPainter painter;
        if (!painter.begin(&svg))
            return false;
        paint(painter, whole, size);
        return painter.end();
    }
    if (suffix == QLatin1String("pdf")) {
        QPdfWriter pdf(path);
        pdf.setResolution(96);
        pdf.setPageSize(QPageSize(QSizeF(size) * 0.75, QPageSize::Point));  // 96 pixels are 72 points
        pdf.setPageMargins(QMarginsF());
        pdf.setTitle(tr("Gráfica"));
        QPainter painter;
        if (!painter.begin(&pdf))
            return false;
        paint(painter, whole, size);
        return painter.end();
    }
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return false;  // too large for the memory at hand
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(painter, whole, size);
    painter.end();
    // Any other picture format Qt knows by its suffix; PNG without one.
    return image.save(path, suffix.isEmpty() ? "PNG" : nullptr);
}

}  // namespace

class GraficaFactory final : public QObject, public PlotPanelFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TRX_PLOT_PANEL_FACTORY_IID)
    Q_INTERFACES(PlotPanelFactory)
public:
    PlotPanel* makePanel(QWidget* parent, Platform& platform, const PlotGeometry& geometry) override
    {
        return new Grafica(parent, platform, geometry);
    }
};

#include "grafica.moc"
