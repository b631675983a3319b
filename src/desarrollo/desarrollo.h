// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Desarrollo" window: the worked solution of the last solve, drawn like
// a textbook (formula_painter.h), one focusable step after another so that a
// screen reader reads each sentence and its formula in words.  It copies the
// whole working as plain text, LaTeX and MathML at once, prints it and
// exports it to PDF.  A second tab plots the parabola (plot/plot_panel.h),
// loaded the first time that tab is shown or the working is printed.  When the last solve ended in a message, it says
// why there is nothing to show instead.  Form1 builds it the first time it is opened and feeds it every solve after
// that.

#include "worked/working.h"

#include <QWidget>

#include <array>
#include <string>
#include <vector>

class Platform;
class PlotPanel;
class QLabel;
class QPagedPaintDevice;
class QScrollArea;
class QTabWidget;
class QVBoxLayout;

class Desarrollo : public QWidget {
    Q_OBJECT
public:
    Desarrollo(QWidget* owner, Platform& platform);

    void showWorking(const std::array<std::string, 4>& fields, char separator);
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
    PlotPanel* plot_ = nullptr;          // null until first needed
    std::array<std::string, 4> fields_;  // of the working shown
    char separator_ = ',';
    std::vector<QWidget*> actions_;  // enabled only while there is a working
};
