// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one sentence that tells the result of a solve, for the status bar and
// for screen readers.  A solution the exact display shows as a fraction is
// said as one ("3 medios", "menos un medio"); any other as its decimal text.

#include "formula/translatable.h"

#include <string>

namespace trx {

struct SolveResult;

// Empty when the solve has no result to tell (cancelled, a = 0, not a number).
std::string solveSummary(const SolveResult& result, const Translator& translate);

}  // namespace trx
