// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/run_time_error.h"

#include <string>

namespace trx {

RunTimeError::RunTimeError(ErrorCode code)
    : std::runtime_error("run-time error " + std::to_string(static_cast<int>(code))), code_(code)
{
}

}  // namespace trx
