// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/integer_helpers.h"

#include "core/run_time_error.h"

#include <cmath>
#include <limits>
#include <utility>

namespace trx {

namespace {

// Relies on the default rounding mode (to nearest, ties to even), which the
// program never changes.
template <typename Int> Int roundToInteger(double value)
{
    const double rounded = std::nearbyint(value);
    // Both limits are exact doubles for 16 and 32 bits; NaN fails too.
    if (!(rounded >= std::numeric_limits<Int>::min() && rounded <= std::numeric_limits<Int>::max())) {
        throw RunTimeError(ErrorCode::Overflow);
    }
    return static_cast<Int>(rounded);
}

}  // namespace

std::int16_t Euclides(std::int16_t a, std::int16_t b)
{
    // Remainders in int: -32768 % -1 is fine there.
    int larger = a;
    int smaller = b;
    if (larger < smaller) {
        std::swap(larger, smaller);
    }
    if (smaller == 0) {
        throw RunTimeError(ErrorCode::DivisionByZero);
    }
    // The truncating % of C++ is exactly the remainder whose signs the
    // callers correct afterwards.
    int remainder = larger % smaller;
    while (remainder != 0) {
        larger = smaller;
        smaller = remainder;
        remainder = larger % smaller;
    }
    return static_cast<std::int16_t>(smaller);
}

std::int32_t Descomponer(std::int32_t num)
{
    std::int32_t factor = 1;
    std::int32_t cofactor = num;
    // Once divisor² exceeds the cofactor, the cofactor is 1 or a prime that
    // divides num once, so it adds nothing to the square factor.  This bounds
    // the work by √num instead of by the largest prime factor.
    for (std::int32_t divisor = 2; std::int64_t{divisor} * divisor <= cofactor; divisor += (divisor == 2 ? 1 : 2)) {
        int exponent = 0;
        while (cofactor % divisor == 0) {
            cofactor /= divisor;
            ++exponent;
        }
        for (; exponent >= 2; exponent -= 2) {
            factor *= divisor;
        }
    }
    return factor;
}

std::int16_t toInt16(double value)
{
    return roundToInteger<std::int16_t>(value);
}

std::int32_t toInt32(double value)
{
    return roundToInteger<std::int32_t>(value);
}

}  // namespace trx
