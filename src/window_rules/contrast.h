// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The contrast between two colours as the WCAG measures it, and the choice
// of a text colour that stays readable on a background the window fixes,
// whatever the desktop's palette.

#include <vector>

namespace trx {

struct Rgb {
    int red = 0;  // 0 to 255 each
    int green = 0;
    int blue = 0;
    bool operator==(const Rgb& other) const { return red == other.red && green == other.green && blue == other.blue; }
};

// Body text needs 4.5:1 (WCAG 2, level AA).
constexpr double kReadableContrast = 4.5;

double relativeLuminance(const Rgb& colour);
// From 1 (the same luminance) to 21 (black on white).
double contrastRatio(const Rgb& first, const Rgb& second);

// The first of `wanted` that is readable on `background`; black or white,
// whichever contrasts more, when none is.
Rgb readableOn(const Rgb& background, const std::vector<Rgb>& wanted);

}  // namespace trx
