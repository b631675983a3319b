// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The worksheet on paper: the exercises numbered under a heading that gives
// the seed, then, from a new page, their key (the solutions alone or the
// whole working), both drawn like the worked solution.  The same request
// paints the same pages.

#include "practice/exercise_generator.h"

#include <QDialog>

#include <cstdint>
#include <vector>

class QFont;
class QPagedPaintDevice;
class QRadioButton;
class QSpinBox;

struct WorksheetRequest {
    std::vector<trx::practice::ExerciseKind> kinds;  // all when empty
    trx::practice::Difficulty difficulty = trx::practice::Difficulty::Easy;
    std::uint64_t seed = 0;
    int count = 10;  // 1 to 40
    bool fullWorking = false;
    char separator = ',';
};

// False when the device cannot be painted on (a file that cannot be written).
bool paintWorksheet(QPagedPaintDevice& device, const WorksheetRequest& request, const QFont& font);

// How many exercises, which key, and whether to print or make a PDF.
class WorksheetDialog final : public QDialog {
    Q_OBJECT
public:
    enum Output { Printer, Pdf };

    WorksheetDialog(QWidget* owner, int count, bool fullWorking);

    int count() const;
    bool fullWorking() const;
    Output output() const { return output_; }

private:
    QSpinBox* count_ = nullptr;
    QRadioButton* fullWorking_ = nullptr;
    Output output_ = Printer;
};
