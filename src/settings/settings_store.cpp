// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_store.h"

#include <algorithm>
#include <cctype>

namespace trx {

bool MemoryStore::CaseInsensitiveLess::operator()(std::string_view left, std::string_view right) const
{
    return std::lexicographical_compare(left.begin(), left.end(), right.begin(), right.end(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) < std::tolower(static_cast<unsigned char>(b));
    });
}

std::optional<std::string> MemoryStore::read(std::string_view key) const
{
    const auto found = values_.find(key);
    if (found == values_.end())
        return std::nullopt;
    return found->second;
}

bool MemoryStore::write(const SettingValues& values)
{
    if (!writable)
        return false;
    for (const auto& [key, value] : values)
        values_.insert_or_assign(key, value);
    return true;
}

}  // namespace trx
