// SPDX-License-Identifier: GPL-3.0-or-later
#include "formula/web_page.h"

namespace trx {

std::string workingWebPage(const std::vector<WorkedStep>& steps, const std::string& title, const std::string& language)
{
    const std::string heading = math::xmlEscaped(title);
    std::string page = "<!DOCTYPE html>\n<html lang=\"" + math::xmlEscaped(language) +
                       "\">\n<head>\n<meta charset=\"utf-8\">\n<title>" + heading + "</title>\n</head>\n<body>\n<h1>" +
                       heading + "</h1>\n";
    for (const WorkedStep& step : steps) {
        page += "<p>" + math::xmlEscaped(step.sentence) + "</p>\n";
        page += "<math xmlns=\"http://www.w3.org/1998/Math/MathML\" display=\"block\">" + math::mathml(step.formula) +
                "</math>\n";
    }
    return page + "</body>\n</html>\n";
}

}  // namespace trx
