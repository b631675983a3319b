// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_rules/calculator_retry.h"

#include "formula/translatable.h"

namespace trx {

namespace {

// Quoted, so a path with blanks stays one program; an answer the user
// quoted already is kept as typed.
std::string quotedCommand(const std::string& answer)
{
    const bool quoted = answer.size() >= 2 && answer.front() == '"' && answer.back() == '"';
    return quoted ? answer : '"' + answer + '"';
}

}  // namespace

const char* launchFailureReason(LaunchOutcome outcome)
{
    switch (outcome) {
    case LaunchOutcome::Started:
        return nullptr;
    case LaunchOutcome::FileNotFound:
    case LaunchOutcome::PathNotFound:
        return QT_TRANSLATE_NOOP("Form1", "%1 no existe.");
    case LaunchOutcome::Folder:
        return QT_TRANSLATE_NOOP("Form1", "%1 es una carpeta, no un programa.");
    case LaunchOutcome::NotExecutable:
        return QT_TRANSLATE_NOOP("Form1", "%1 no es un programa que se pueda ejecutar.");
    case LaunchOutcome::TypeMismatch:
        return QT_TRANSLATE_NOOP("Form1", "«%1» no nombra ningún programa.");
    case LaunchOutcome::OtherFailure:
        break;
    }
    return QT_TRANSLATE_NOOP("Form1", "El sistema no ha podido poner en marcha %1.");
}

bool CalculatorRetry::run(std::string command) const
{
    for (;;) {
        const char* const reason = launchFailureReason(hooks_.launch(command));
        if (reason == nullptr)
            return true;
        const std::string answer = hooks_.ask(reason, command);
        if (answer.empty())
            return false;
        command = quotedCommand(answer);
        hooks_.remember(command);
    }
}

}  // namespace trx
