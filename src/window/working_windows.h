// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The windows of the working beside the main one: Desarrollo, which follows
// every solve once it has been opened, and Ecuación, whose Resolver hands a
// typed equation to the main window's fields.  Each is built when first
// opened; the main window owns them as its children.

#include "worked/working_request.h"

#include <array>
#include <functional>
#include <optional>
#include <string>

class Desarrollo;
class EquationWindow;
class Platform;
class QPoint;
class QSize;
class QWidget;

namespace trx {
struct StoredSettings;
}

class WorkingWindows {
public:
    using Fields = std::array<std::string, 4>;
    // Writes the coefficients into the fields and solves them.
    using SolveFields = std::function<void(const Fields&)>;

    WorkingWindows(QWidget& main, Platform& platform, const char& separator, SolveFields solve);

    void openEcuacion();
    // Shows the working of the last solve, saying so when `typed`, what the
    // fields hold now, differs from what was solved.
    void openDesarrollo(const Fields& typed);

    // The outcome of each solve: the working of `fields`, or why there is
    // none (why: a text marked for translation in the context "Form1").
    void showWorking(const Fields& fields);
    void explainNoWorking(const char* why);

    // Whether Desarrollo was open at the last exit, and reopening it then.
    void rememberOpenAtExit(const trx::StoredSettings& stored);
    void reopenIfOpenAtExit();
    // Where Desarrollo stands and whether it is open, for the next run.
    void storePlace(trx::StoredSettings& settings) const;

private:
    void solveTypedEquation(const trx::WorkingRequest& request);
    void showDesarrollo();
    void placeBesideMain();
    QPoint besideMain(const QSize& size) const;

    QWidget* main_;
    Platform* platform_;
    const char* separator_;
    SolveFields solve_;

    Desarrollo* desarrollo_ = nullptr;
    bool reopenDesarrollo_ = false;
    struct {
        std::optional<trx::WorkingRequest> request;  // the last good solve
        const char* why = nullptr;                   // else why there is no working, if solved
    } lastWorking_;
    // What Ecuación's Resolver wrote into the fields, for the working while
    // they still hold it.
    EquationWindow* ecuacion_ = nullptr;
    std::optional<trx::WorkingRequest> typedEquation_;
};
