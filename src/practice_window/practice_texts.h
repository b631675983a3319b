// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The practice's words in the user's language: the kinds of equation, the
// difficulties, and an exercise's working with its sentences translated.

#include "formula/working.h"
#include "practice/exercise_generator.h"

#include <QString>

#include <vector>

QString kindName(trx::practice::ExerciseKind kind);
QString difficultyName(trx::practice::Difficulty difficulty);
std::vector<trx::WorkedStep> translatedWorking(const trx::practice::Exercise& exercise, char separator);
