// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Desarrollo" window: the worked solution of the last solve, drawn like
// a textbook (formula_painter.h), one focusable step after another so that a
// screen reader reads each sentence and its formula in words.  It copies the
// whole working as plain text, LaTeX and MathML at once, prints it and
// exports it to PDF, all by the method shown: the teacher's first, or any
// other that applies, chosen above the steps.  An inequality is worked after
// its equation.  A second tab plots the parabola (plot/plot_panel.h), with
// an inequality's solution shaded, loaded the first time that tab is shown
// or the working is printed.  When the last solve ended in a message, it
// says why there is nothing to show instead.  Form1 builds it the first time
// it is opened and feeds it every solve after that.

#include "formula/working.h"
#include "worked/inequality.h"
#include "worked/method.h"
#include "worked/working_request.h"

#include <QWidget>

#include <optional>
#include <vector>

class Platform;
class PlotPanel;
class QComboBox;
class QLabel;
class QPagedPaintDevice;
class QScrollArea;
class QTabWidget;
class QVBoxLayout;

class Desarrollo : public QWidget {
    Q_OBJECT
public:
    Desarrollo(QWidget* owner, Platform& platform);

    void showWorking(const trx::WorkingRequest& request);
    void showMessage(const QString& why);
    // A line above the working that says the main window's fields are no
    // longer the ones worked.
    void noteFieldsChanged(bool changed);

    const std::vector<trx::WorkedStep>& steps() const { return steps_; }
    void copyWorking();
    bool exportPdf(const QString& path);
    // The working as a UTF-8 web page with MathML; false without a working
    // or when the file cannot be written.
    bool saveWebPage(const QString& path);
    // The plot to PNG, SVG or PDF after the suffix; false without a working.
    bool exportPlot(const QString& path, const QSize& size);

private:
    QWidget* workingPage();
    void showMethod(trx::Method method);
    void feedPlot();
    void printWorking();
    void askAndExportPdf();
    void askAndSaveWebPage();
    bool paintPages(QPagedPaintDevice& device);  // false when the device cannot be painted on
    void clearSteps();
    PlotPanel* plot();

    Platform& platform_;
    std::vector<trx::WorkedStep> steps_;
    QLabel* message_ = nullptr;
    QLabel* fieldsChanged_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QWidget* page_ = nullptr;
    QVBoxLayout* stepList_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QComboBox* method_ = nullptr;
    PlotPanel* plot_ = nullptr;                 // null until first needed
    trx::WorkingRequest request_;               // of the working shown
    std::vector<trx::Method> methods_;          // that apply to it, as the selector lists them
    std::optional<trx::SolutionSet> solution_;  // of an inequality, for the plot
    QString solutionInWords_;
    std::vector<QWidget*> actions_;  // enabled only while there is a working
};
