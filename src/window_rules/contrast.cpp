// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_rules/contrast.h"

#include <algorithm>
#include <cmath>

namespace trx {
namespace {

double linear(int channel)
{
    const double value = channel / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

}  // namespace

double relativeLuminance(const Rgb& colour)
{
    return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) + 0.0722 * linear(colour.blue);
}

double contrastRatio(const Rgb& first, const Rgb& second)
{
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

Rgb readableOn(const Rgb& background, const std::vector<Rgb>& wanted)
{
    for (const Rgb& colour : wanted) {
        if (contrastRatio(colour, background) >= kReadableContrast)
            return colour;
    }
    const Rgb black{0, 0, 0};
    const Rgb white{255, 255, 255};
    return contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
}

}  // namespace trx
