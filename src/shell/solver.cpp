// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/solver.h"

#include "shell/program_module.h"

const Solver* solver()
{
    using Entry = const Solver* (*)();
    static const Solver* const loaded = [] {
        const auto entry = reinterpret_cast<Entry>(programModuleFunction("trx_solver", "trxSolver"));
        return entry != nullptr ? entry() : nullptr;
    }();
    return loaded;
}
