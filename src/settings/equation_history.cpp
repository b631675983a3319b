// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/equation_history.h"

#include <algorithm>

namespace trx {
namespace {

// h01 … h50: two digits, so that the keys sort in order in the file.
std::string keyOf(std::size_t index)
{
    const std::size_t number = index + 1;
    return {'h', static_cast<char>('0' + number / 10), static_cast<char>('0' + number % 10)};
}

}  // namespace

void EquationHistory::load(const SettingsStore& store)
{
    entries_.clear();
    for (std::size_t i = 0; i < kMaxEntries; ++i) {
        const auto stored = store.read(kSection, keyOf(i));
        if (stored && !stored->empty() && std::find(entries_.begin(), entries_.end(), *stored) == entries_.end())
            entries_.push_back(*stored);
    }
}

void EquationHistory::add(std::string_view equation)
{
    if (equation.empty())
        return;
    const auto earlier = std::find(entries_.begin(), entries_.end(), equation);
    if (earlier != entries_.end())
        entries_.erase(earlier);
    entries_.insert(entries_.begin(), std::string(equation));
    if (entries_.size() > kMaxEntries)
        entries_.pop_back();
}

bool EquationHistory::save(SettingsStore& store) const
{
    SettingValues values;
    for (std::size_t i = 0; i < entries_.size(); ++i)
        values.emplace_back(keyOf(i), entries_[i]);
    return store.write(kSection, values);
}

}  // namespace trx
