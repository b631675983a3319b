// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_rules/contrast.h"

#include <gtest/gtest.h>

namespace trx {
namespace {

const Rgb kBlack{0, 0, 0};
const Rgb kWhite{255, 255, 255};
const Rgb kBlue{0, 0, 255};
const Rgb kDarkGrey{53, 53, 53};  // a dark palette's window
const Rgb kLightGrey{239, 239, 239};

TEST(Contrast, RatiosAsTheWcagGivesThem)
{
    struct Case {
        Rgb first, second;
        double ratio;
    } const cases[] = {
        {kBlack, kWhite, 21.0},          {kWhite, kBlack, 21.0},   {kWhite, kWhite, 1.0},
        {kBlue, kWhite, 8.59},           {kBlue, kDarkGrey, 1.43}, {{118, 118, 118}, kWhite, 4.54},
        {{238, 238, 236}, kWhite, 1.16},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(contrastRatio(c.first, c.second), c.ratio, 0.01);
}

TEST(Contrast, KeepsTheFirstReadableColourElseBlackOrWhite)
{
    struct Case {
        const char* name;
        Rgb background;
        std::vector<Rgb> wanted;
        Rgb chosen;
    } const cases[] = {
        {"LightTextOnWhite", kWhite, {{238, 238, 236}}, kBlack},
        {"BlackOnWhiteKept", kWhite, {kBlack}, kBlack},
        {"BlueLinkOnLightGrey", kLightGrey, {kBlue}, kBlue},
        {"BlueOnDarkFallsToTheNext", kDarkGrey, {kBlue, {153, 193, 241}}, {153, 193, 241}},
        {"NothingWantedOnDark", kDarkGrey, {}, kWhite},
        {"MidGreyPicksTheStronger", {119, 119, 119}, {}, kBlack},
    };
    for (const Case& c : cases)
        EXPECT_EQ(readableOn(c.background, c.wanted), c.chosen) << c.name;
}

}  // namespace
}  // namespace trx
