// SPDX-License-Identifier: GPL-3.0-or-later
// The solver module's one entry point.

#include "shell/solver.h"
#include "worked/derivation.h"

extern "C" const Solver* trxSolver()
{
    static const Solver functions{&trx::solve, &trx::deriveSolution};
    return &functions;
}
