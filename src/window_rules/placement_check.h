// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether the window may open where it last closed.  The screens may have
// changed since (a monitor removed, another resolution) or the stored place
// may be damaged: the place is kept only if the user can grab the title bar
// there, otherwise the window opens centred.

#include <vector>

namespace trx {

// A rectangle in pixels of the virtual desktop; coordinates may be negative
// (a screen left of or above the primary one).
struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// How much of the title bar's width must lie on one screen: enough to grab.
constexpr int kGrabbableWidth = 64;

// True when the whole height of the title bar along the top of `frame`, over
// kGrabbableWidth pixels of its width at least (all of it for a narrower
// window), lies on one of the screens' available areas.
bool titleBarReachable(const PixelRect& frame, int titleBarHeight, const std::vector<PixelRect>& screens);

}  // namespace trx
