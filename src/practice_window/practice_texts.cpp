// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice_window/practice_texts.h"
#include "services/translated.h"

#include "practice/exercise_working.h"

#include <QCoreApplication>

QString kindName(trx::practice::ExerciseKind kind)
{
    using Kind = trx::practice::ExerciseKind;
    static const char* const names[] = {
        QT_TRANSLATE_NOOP("Practicar", "Raíces enteras"),
        QT_TRANSLATE_NOOP("Practicar", "Raíces racionales"),
        QT_TRANSLATE_NOOP("Practicar", "Raíces irracionales"),
        QT_TRANSLATE_NOOP("Practicar", "Raíces complejas"),
        QT_TRANSLATE_NOOP("Practicar", "Una raíz doble"),
        QT_TRANSLATE_NOOP("Practicar", "Incompletas (b = 0 o c = 0)"),
        QT_TRANSLATE_NOOP("Practicar", "Hay que desarrollar primero"),
    };
    static_assert(std::size(names) == trx::practice::kAllExerciseKinds.size());
    static_assert(static_cast<int>(Kind::NeedsExpanding) == 6);
    return QCoreApplication::translate("Practicar", names[static_cast<int>(kind)]);
}

QString difficultyName(trx::practice::Difficulty difficulty)
{
    static const char* const names[] = {
        QT_TRANSLATE_NOOP("Practicar", "fácil"),
        QT_TRANSLATE_NOOP("Practicar", "media"),
        QT_TRANSLATE_NOOP("Practicar", "difícil"),
    };
    return QCoreApplication::translate("Practicar", names[static_cast<int>(difficulty)]);
}

std::vector<trx::WorkedStep> translatedWorking(const trx::practice::Exercise& exercise, char separator)
{
    std::vector<trx::WorkedStep> steps = trx::practice::exerciseWorking(exercise, separator);
    trx::translateSentences(steps, translated);
    return steps;
}
