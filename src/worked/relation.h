// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The relation between the two sides of a typed equation or inequality.

namespace trx {

enum class Relation { Equal, Less, Greater, LessOrEqual, GreaterOrEqual };

// "=", "<", ">", "≤", "≥".
const char* relationSign(Relation relation);
// The relation after multiplying both sides by a negative number.
Relation flipped(Relation relation);

}  // namespace trx
