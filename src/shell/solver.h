// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The solve and the worked solution, as the window reaches them.  Their exact
// arithmetic, on GMP and MPFR, lives in a module of its own (trx_solver)
// that the first solve loads, so that neither library costs start-up
// anything; the module hands out its functions through trxSolver.

#include "core/solve.h"
#include "worked/working.h"

#include <array>
#include <string>
#include <vector>

struct Solver {
    trx::SolveResult (*solve)(const trx::SolveRequest& request);
    std::vector<trx::WorkedStep> (*deriveSolution)(const std::array<std::string, 4>& fields, char separator);
};

// The module's functions, loaded by the first call; null when the module
// is missing.
const Solver* solver();
