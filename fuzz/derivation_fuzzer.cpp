// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the worked solution with four arbitrary coefficient texts (the
// input split at its first three line breaks, as for the solver).  Every
// equation with a ≠ 0 must be worked to the end, and substituting each exact
// solution must give 0: the algebra of the working checks itself.

#include "exact/exact_decimal.h"
#include "fuzz_check.h"
#include "worked/derivation.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::array<std::string, 4> fields;
    std::string_view rest = input;
    for (std::size_t i = 0; i < 3; ++i) {
        const std::size_t lineBreak = std::min(rest.find('\n'), rest.size());
        fields[i] = std::string(rest.substr(0, lineBreak));
        rest.remove_prefix(std::min(lineBreak + 1, rest.size()));
    }
    fields[3] = std::string(rest);

    bool equation = true;
    for (const std::string& field : fields) {
        equation = equation && trx::parseExactDecimal(field, ',').has_value();
    }
    equation = equation && trx::parseExactDecimal(fields[0], ',')->significand != 0;

    const std::vector<trx::WorkedStep> steps = trx::deriveSolution(fields, ',');
    require(steps.empty() != equation, "worked an equation that is not one, or not one that is", input);
    int checks = 0;
    for (const trx::WorkedStep& step : steps) {
        if (step.sentence.rfind("Comprobación", 0) != 0) {
            continue;
        }
        ++checks;
        const std::string line = trx::math::plainText(step.formula);
        require(line.size() >= 4 && line.compare(line.size() - 4, 4, " = 0") == 0, "a solution does not give 0", input);
    }
    require(!equation || checks >= 1, "no check of the solutions", input);
    return 0;
}
