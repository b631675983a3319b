// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the equation reader: any bytes are read or refused with a column
// inside the text, and whatever is read writes back to a line that reads
// again to the same normal form, written the same way.

#include "equation/equation.h"
#include "fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

bool sameNormalForm(const trx::NormalForm& x, const trx::NormalForm& y)
{
    return x.a == y.a && x.b == y.b && x.c == y.c && x.relation == y.relation;
}

void checkText(std::string_view text, char separator)
{
    const auto result = trx::readEquation(text, separator, trx::EquationSteps::Record);
    if (!result.reading) {
        require(result.error.column <= text.size() && !result.error.text().empty(),
                "a refusal without a sentence or past the end", text);
        return;
    }
    const trx::EquationReading& reading = *result.reading;
    require(!reading.steps.empty(), "a reading without steps", text);
    const auto quick = trx::readEquation(text, separator);
    require(quick.reading && sameNormalForm(quick.reading->normal, reading.normal) &&
                quick.reading->readAs == reading.readAs &&
                quick.reading->verdict.has_value() == reading.verdict.has_value(),
            "the reading without steps differs", text);
    require(reading.normal.degree() < 2 || reading.normal.a > 0, "a quadratic normal form with a <= 0", text);
    const auto again = trx::readEquation(reading.readAs, separator);
    require(again.reading.has_value(), "the line written back is refused", text);
    require(sameNormalForm(again.reading->normal, reading.normal), "the line written back reads differently", text);
    require(again.reading->readAs == reading.readAs, "the line written back is written differently", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkText(text, ',');
    checkText(text, '.');
    return 0;
}
