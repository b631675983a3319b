// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controls of the main window, built from one geometry table.  The
// layout is measured in twips (1/1440 inch) from the top of the client area,
// which the toolbar occupies down to kToolbarHeight.

#include "window/widgets.h"

#include <QFont>

#include <array>
#include <string>

class QPushButton;
namespace trx {
struct SolveResult;
}

struct Form1Controls {
    static constexpr int kTwipsPerInch = 1440;
    static constexpr int kClientWidth = 9735;
    static constexpr int kClientHeight = 3465;
    static constexpr int kToolbarHeight = 600;
    static constexpr int kStatusBarHeight = 375;

    // The face of every control not given another.
    static QFont sansFont(qreal points, bool bold = false);

    // Creates every control on `client`, bottom-most first.
    void createControls(QWidget* client, const QString& address);
    int px(int twips) const { return (twips * dpi + kTwipsPerInch / 2) / kTwipsPerInch; }
    void clearResults();
    void showResult(const trx::SolveResult& result);
    void showNotation(const std::array<std::string, 4>& fields, bool scientific, char separator);
    // Keeps the scientific copy of a numeric solution.
    void copyAsScientific(const TextBox* result, TextBox* copy, char separator);

    int dpi = 96;
    // Equation row.
    std::array<TextBox*, 4> Text1{};
    ClickLabel* Label2 = nullptr;
    ClickLabel* Label3 = nullptr;
    // Numeric solutions.
    ClickLabel* Lblsol1 = nullptr;
    ClickLabel* Lblsol2 = nullptr;
    TextBox* Label4 = nullptr;
    TextBox* Label5 = nullptr;
    TextBox* Text2 = nullptr;
    TextBox* Text3 = nullptr;
    // Exact-form display.
    std::array<ClickLabel*, 9> Lblig{};
    std::array<TextBox*, 2> Lblarri{};
    std::array<TextBox*, 2> Lblaba{};
    std::array<TextBox*, 2> Lblarri2{};
    std::array<TextBox*, 2> lbl2{};
    std::array<Line*, 4> lines{};  // Line1 to Line4
    ClickLabel* lblpantalla1 = nullptr;
    std::array<ClickLabel*, 2> Lblpantalla2{};
    // Buttons and link.
    QPushButton* CmdCal = nullptr;
    QPushButton* CmdSal = nullptr;
    ClickLabel* Label1 = nullptr;
    bool CopiaCientifica = false;  // the copies hold the scientific form a solve wrote

    void styleControls();
    void describeControls();
};
