// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_rules/placement_check.h"

#include <algorithm>

namespace trx {

bool titleBarReachable(const PixelRect& frame, int titleBarHeight, const std::vector<PixelRect>& screens)
{
    const int needed = std::min(kGrabbableWidth, frame.width);
    return std::any_of(screens.begin(), screens.end(), [&](const PixelRect& screen) {
        const bool wholeHeight = frame.top >= screen.top && frame.top + titleBarHeight <= screen.top + screen.height;
        const int overlap =
            std::min(frame.left + frame.width, screen.left + screen.width) - std::max(frame.left, screen.left);
        return wholeHeight && overlap >= needed;
    });
}

}  // namespace trx
