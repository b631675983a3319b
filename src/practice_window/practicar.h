// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Practicar" window: one equation at a time, of the kinds the user
// ticks and at the difficulty chosen, from a seed that is shown and can be
// typed (the same seed proposes the same equations, in the order of the
// worksheet with that seed).  The student types the two solutions, one a
// line, and Comprobar (Enter) checks them exactly (practice/answer_check.h);
// the verdict is a read-only line that screen readers announce and the user
// can select and copy.  Pista shows the working one step further, Ver
// desarrollo all of it, in a panel below.  The window keeps a score for the
// session, remembers its choices in the settings store, and makes worksheets
// (worksheet.h).  Form1 builds it the first time it is opened.

#include "formula/working.h"
#include "practice/exercise_generator.h"

#include <QWidget>

#include <cstdint>
#include <vector>

class Platform;
class FormulaView;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class StepsView;

class Practicar : public QWidget {
    Q_OBJECT
public:
    Practicar(QWidget* owner, Platform& platform, char separator);

    // The commands.
    void check();
    void hint();
    void showWorking();
    void next();
    void newSeed();
    void copyEquation();
    void askForWorksheet();
    bool exportWorksheet(const QString& path, int count, bool fullWorking);

    const trx::practice::Exercise& exercise() const { return exercises_[index_]; }

private:
    void buildChoices(QWidget* page);
    QWidget* buildButtons();
    void restoreChoices();
    void storeChoices();
    void restart();  // from the first exercise of the chosen kinds, difficulty and seed
    void propose();  // the exercise at index_
    void showSteps(std::size_t count);
    void showVerdict(const QString& text);
    void showScore();
    std::vector<trx::practice::ExerciseKind> kinds() const;
    trx::practice::Difficulty difficulty() const;
    std::uint64_t seed() const;

    Platform& platform_;
    char separator_;
    std::vector<QCheckBox*> kindBoxes_;
    QComboBox* difficulty_ = nullptr;
    QLineEdit* seed_ = nullptr;
    QLabel* number_ = nullptr;
    FormulaView* equation_ = nullptr;
    QLineEdit* answers_[2] = {nullptr, nullptr};
    QLineEdit* verdict_ = nullptr;
    QLabel* score_ = nullptr;
    QPushButton* hint_ = nullptr;
    QScrollArea* stepsArea_ = nullptr;
    StepsView* steps_ = nullptr;

    std::uint64_t sessionSeed_ = 0;                   // of the exercises below
    std::vector<trx::practice::Exercise> exercises_;  // those proposed so far, and a few ahead
    std::size_t index_ = 0;
    std::vector<trx::WorkedStep> working_;  // of the exercise shown; empty until asked for
    std::size_t stepsShown_ = 0;
    bool answered_ = false;  // checked once at least: it counts in the score
    bool solved_ = false;
    int answeredCount_ = 0;
    int solvedCount_ = 0;
    int sheetCount_ = 10;
    bool sheetWorking_ = false;
};
