// SPDX-License-Identifier: GPL-3.0-or-later
#include "worked/relation.h"

namespace trx {

const char* relationSign(Relation relation)
{
    switch (relation) {
    case Relation::Less:
        return "<";
    case Relation::Greater:
        return ">";
    case Relation::LessOrEqual:
        return "≤";
    case Relation::GreaterOrEqual:
        return "≥";
    case Relation::Equal:
        break;
    }
    return "=";
}

Relation flipped(Relation relation)
{
    switch (relation) {
    case Relation::Less:
        return Relation::Greater;
    case Relation::Greater:
        return Relation::Less;
    case Relation::LessOrEqual:
        return Relation::GreaterOrEqual;
    case Relation::GreaterOrEqual:
        return Relation::LessOrEqual;
    case Relation::Equal:
        break;
    }
    return Relation::Equal;
}

}  // namespace trx
