// SPDX-License-Identifier: GPL-3.0-or-later
#include "formula/web_page.h"

#include <gtest/gtest.h>

namespace trx {
namespace {

TEST(WebPage, OneParagraphAndOneFormulaPerStepEscaped)
{
    const std::vector<WorkedStep> steps = {
        {"Ecuación <dada>:", math::row({math::identifier("x"), math::op("="), math::number("1")}), {}},
        {"Soluciones:", math::identifier("x"), {}},
    };
    const std::string page = workingWebPage(steps, "Desarrollo: x & y", "es");
    EXPECT_EQ(page.rfind("<!DOCTYPE html>\n<html lang=\"es\">\n<head>\n<meta charset=\"utf-8\">\n"
                         "<title>Desarrollo: x &amp; y</title>",
                         0),
              0u);
    EXPECT_NE(page.find("<p>Ecuación &lt;dada&gt;:</p>\n<math xmlns=\"http://www.w3.org/1998/Math/MathML\" "
                        "display=\"block\"><mrow><mi>x</mi><mo>=</mo><mn>1</mn></mrow></math>\n<p>Soluciones:</p>"),
              std::string::npos)
        << page;
    EXPECT_EQ(page.substr(page.size() - 16), "</body>\n</html>\n");
}

}  // namespace
}  // namespace trx
