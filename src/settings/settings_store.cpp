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

std::optional<std::string> MemoryStore::read(std::string_view section, std::string_view key) const
{
    const auto inSection = sections_.find(section);
    if (inSection == sections_.end())
        return std::nullopt;
    const auto found = inSection->second.find(key);
    if (found == inSection->second.end())
        return std::nullopt;
    return found->second;
}

bool MemoryStore::write(std::string_view section, const SettingValues& values)
{
    if (!writable)
        return false;
    Section& stored = sections_[std::string(section)];
    for (const auto& [key, value] : values)
        stored.insert_or_assign(key, value);
    return true;
}

}  // namespace trx
