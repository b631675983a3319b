// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Starting the calculator: the stored or default command first, then
// whatever the user names instead, until one starts or the user cancels.
// Nothing is given up for good: a cancel ends only this attempt, and the
// next one tries the remembered command again.

#include <functional>
#include <string>

namespace trx {

// How starting another program ended.
enum class LaunchOutcome {
    Started,
    FileNotFound,   // the program file does not exist
    PathNotFound,   // a folder on the program's path does not exist
    Folder,         // the program's path names a folder
    NotExecutable,  // a file the user may not run
    TypeMismatch,   // the command text is empty or cannot be split into a program
    OtherFailure,   // the system would not start it (not a program, no memory...)
};

// Why a launch failed: a Spanish template with %1 for the command, marked
// for translation in the context "Form1"; nullptr for Started.
const char* launchFailureReason(LaunchOutcome outcome);

class CalculatorRetry {
public:
    struct Hooks {
        std::function<LaunchOutcome(const std::string& command)> launch;
        // Asks for another command, saying why `command` failed; the empty
        // text when the user cancels.
        std::function<std::string(const char* reason, const std::string& command)> ask;
        // Keeps a command the user named, for the next attempts.
        std::function<void(const std::string& command)> remember;
    };

    explicit CalculatorRetry(Hooks hooks) : hooks_(std::move(hooks)) { }

    // Tries `command`, then each answer; false when the user cancelled.
    bool run(std::string command) const;

private:
    Hooks hooks_;
};

}  // namespace trx
