// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// UTF-8 to code points and back, for the readers of typed text, which count
// columns in characters.

#include <string>
#include <string_view>

namespace trx {

// A malformed, overlong or surrogate sequence becomes U+FFFD, one byte at a time.
std::u32string decodeUtf8(std::string_view text);
std::string encodeUtf8(char32_t code);

}  // namespace trx
