// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_rules/placement_check.h"

#include <gtest/gtest.h>

namespace trx {
namespace {

struct PlacementCase {
    const char* name;
    PixelRect frame;
    std::vector<PixelRect> screens;
    bool reachable;
};

TEST(PlacementCheck, KeepsAPlaceOnlyWhereTheTitleBarCanBeGrabbed)
{
    const PixelRect laptop{0, 0, 1280, 800};
    const PixelRect leftOfIt{-1920, 0, 1920, 1080};
    const PixelRect panelAtTop{0, 30, 1280, 770};
    const int titleBar = 24;
    const PlacementCase cases[] = {
        {"Inside", {100, 100, 500, 400}, {laptop}, true},
        {"TopLeftCorner", {0, 0, 500, 400}, {laptop}, true},
        {"FarOffAboveAndLeft", {-197, -159, 500, 400}, {laptop}, false},
        {"TitleBarHalfAboveTheTop", {100, -12, 500, 400}, {laptop}, false},
        {"TitleBarUnderThePanel", {100, 10, 500, 400}, {panelAtTop}, false},
        {"OnlyTheBodyOnScreen", {100, 790, 500, 400}, {laptop}, false},
        {"GrabbableStripAtTheLeftEdge", {-436, 100, 500, 400}, {laptop}, true},
        {"TooNarrowAStripAtTheLeftEdge", {-437, 100, 500, 400}, {laptop}, false},
        {"StripAtTheRightEdge", {1216, 100, 500, 400}, {laptop}, true},
        {"OnTheScreenLeftOfThePrimary", {-1500, 200, 500, 400}, {leftOfIt, laptop}, true},
        {"ThatScreenSinceRemoved", {-1500, 200, 500, 400}, {laptop}, false},
        {"AcrossBothScreens", {-250, 200, 500, 400}, {leftOfIt, laptop}, true},
        {"NarrowWindowWhollyOn", {1240, 100, 40, 100}, {laptop}, true},
    };
    for (const PlacementCase& c : cases)
        EXPECT_EQ(titleBarReachable(c.frame, titleBar, c.screens), c.reachable) << c.name;
}

}  // namespace
}  // namespace trx
