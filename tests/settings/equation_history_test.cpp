// SPDX-License-Identifier: GPL-3.0-or-later
// The Ecuación window's history: order, repeats, the limit, and a section of
// its own beside the main one.

#include "settings/equation_history.h"

#include <gtest/gtest.h>

namespace trx {
namespace {

std::string joined(const std::vector<std::string>& entries)
{
    std::string out;
    for (const std::string& entry : entries)
        out += (out.empty() ? "" : "|") + entry;
    return out;
}

TEST(EquationHistory, MostRecentFirstDistinctAndLimited)
{
    const std::pair<std::vector<const char*>, const char*> cases[] = {
        {{"a", "b", "c"}, "c|b|a"},
        {{"a", "b", "a"}, "a|b"},
        {{"a", "", "b"}, "b|a"},
    };
    for (const auto& [added, expected] : cases) {
        EquationHistory history;
        for (const char* equation : added)
            history.add(equation);
        EXPECT_EQ(joined(history.entries()), expected);
    }
    EquationHistory full;
    for (int i = 0; i <= 50; ++i)
        full.add(std::to_string(i));
    EXPECT_EQ(full.entries().size(), EquationHistory::kMaxEntries);
    EXPECT_EQ(full.entries().front(), "50");
    EXPECT_EQ(full.entries().back(), "1");
}

TEST(EquationHistory, KeptInItsOwnSection)
{
    MemoryStore store;
    ASSERT_TRUE(store.write({{"h01", "main"}}));
    ASSERT_TRUE(
        store.write(EquationHistory::kSection, {{"h01", "x² = 4"}, {"H02", ""}, {"h03", "x = 1"}, {"h04", "x² = 4"}}));
    EquationHistory history;
    history.load(store);
    EXPECT_EQ(joined(history.entries()), "x² = 4|x = 1");
    history.add("x(x + 3) = 10");
    ASSERT_TRUE(history.save(store));
    EXPECT_EQ(store.read(EquationHistory::kSection, "h01"), "x(x + 3) = 10");
    EXPECT_EQ(store.read(EquationHistory::kSection, "h03"), "x = 1");
    EXPECT_EQ(store.read("h01"), "main");
    store.writable = false;
    EXPECT_FALSE(history.save(store));
}

}  // namespace
}  // namespace trx
