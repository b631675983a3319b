// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The working as a web page: each step a paragraph and its formula in
// MathML of its own, so that a browser's screen reader moves through the
// working formula by formula.

#include "formula/working.h"

#include <string>
#include <vector>

namespace trx {

// A UTF-8 HTML5 page; `title` heads it, `language` is its lang ("es", "en").
std::string workingWebPage(const std::vector<WorkedStep>& steps, const std::string& title, const std::string& language);

}  // namespace trx
