// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Run-time failures of the program's arithmetic and conversions.  Each carries
// the error number that the window's error traps dispatch on.

#include <stdexcept>

namespace trx {

enum class ErrorCode : int {
    None = 0,
    InvalidArgument = 5,
    Overflow = 6,         // result outside the double range, 0 / 0, or an integer conversion out of range
    DivisionByZero = 11,  // non-zero / 0, or an integer remainder by 0
    TypeMismatch = 13,    // a text that cannot be converted to a number
    NotSupported = 438,   // an operation that the focused control does not support
};

class RunTimeError : public std::runtime_error {
public:
    explicit RunTimeError(ErrorCode code);
    ErrorCode code() const noexcept { return code_; }

private:
    ErrorCode code_;
};

}  // namespace trx
