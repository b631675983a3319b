// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sentences and words that other languages translate, in code that knows
// nothing of Qt.  Each is a Spanish template with numbered arguments (%1…),
// marked with QT_TRANSLATE_NOOP so that lupdate finds it; whoever shows it
// translates the template first and fills in the arguments after, so that
// numbers and formulas never pass through a translation.

#include <functional>
#include <string>
#include <vector>

// The same definition as Qt's, for the files that do not include Qt.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace trx {

// A template in the reader's language, looked up by the context and the
// Spanish source given to QT_TRANSLATE_NOOP.
using Translator = std::function<std::string(const char* context, const char* source)>;

// The Spanish template as it is.
std::string untranslated(const char* context, const char* source);

// The template with %1…%9 replaced by the arguments, in one pass: an
// argument that holds "%1" stays as it is.
std::string filled(const std::string& pattern, const std::vector<std::string>& arguments);

}  // namespace trx
