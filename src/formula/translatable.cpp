// SPDX-License-Identifier: GPL-3.0-or-later
#include "formula/translatable.h"

namespace trx {

std::string untranslated(const char*, const char* source)
{
    return source;
}

std::string filled(const std::string& pattern, const std::vector<std::string>& arguments)
{
    std::string out;
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        const char digit = at + 1 < pattern.size() ? pattern[at + 1] : '\0';
        if (pattern[at] == '%' && digit >= '1' && digit <= '9' &&
            static_cast<std::size_t>(digit - '1') < arguments.size()) {
            out += arguments[static_cast<std::size_t>(digit - '1')];
            ++at;
        } else {
            out += pattern[at];
        }
    }
    return out;
}

}  // namespace trx
