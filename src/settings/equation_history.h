// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Ecuación window's history: the last equations typed there, distinct,
// most recent first, kept in a settings section of their own ("Ecuaciones",
// keys h01 to h50) so that the main section stays as it was.

#include "settings/settings_store.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace trx {

class EquationHistory {
public:
    static constexpr std::size_t kMaxEntries = 50;
    static constexpr std::string_view kSection = "Ecuaciones";

    // Missing and empty keys are skipped, repeats kept once.
    void load(const SettingsStore& store);
    // `equation` goes first; an earlier copy and the oldest past the limit go.
    void add(std::string_view equation);
    bool save(SettingsStore& store) const;

    const std::vector<std::string>& entries() const { return entries_; }

private:
    std::vector<std::string> entries_;
};

}  // namespace trx
