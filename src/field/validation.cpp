// SPDX-License-Identifier: GPL-3.0-or-later
#include "field/validation.h"

#include "core/number_text.h"

namespace trx {

CheckedFields ComprobarDatos(std::array<std::string, 4> texts, bool linearTerm, char separator)
{
    // A coefficient left out is 1 (and a bare "-" is -1); a term left out is 0.
    for (int i : {0, 1}) {
        if (texts[i] == "-")
            texts[i] = "-1";
        else if (texts[i].empty())
            texts[i] = "1";
    }
    if (!linearTerm)
        texts[1] = "0";
    for (int i : {2, 3}) {
        if (texts[i].empty())
            texts[i] = "0";
    }

    CheckedFields checked{texts, std::nullopt};
    for (int i = 0; i < 4 && !checked.firstBad; ++i) {
        if (!isNumeric(texts[i], separator))
            checked.firstBad = i;
    }
    return checked;
}

}  // namespace trx
