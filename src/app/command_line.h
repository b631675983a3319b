// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line.  The program takes no arguments of its own besides
// --help and --version, which answer without opening a window, so they work
// where there is no display.

// Answers a command line with arguments: prints the help or the version and
// returns 0, or refuses the arguments on the error output and returns 2.
int answerCommandLine(int argc, char* argv[]);
