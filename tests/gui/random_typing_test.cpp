// SPDX-License-Identifier: GPL-3.0-or-later
// Long random sessions of keys and pastes on the real window.

#include "field_session.h"
#include "window_harness.h"

#include <random>

namespace {

TEST(RandomSession, FieldsStayWellFormed)
{
    WindowHarness window;
    FieldSession session(window.form, window.platform);
    std::mt19937 random(20261206);
    for (int step = 0; step < 4000; ++step)
        ASSERT_EQ(session.step(random()), "") << "step " << step;
}

}  // namespace
