// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The state of the Caps Lock and Num Lock keys, which Qt does not report.

#include "services/platform.h"

// Read from the X server's keyboard indicators; both off where there is no
// X display (offscreen, Wayland without XWayland) and in a build without
// X11 (macOS, Windows, or configured with TRX_WITH_X11=OFF).
LockStates readLockStates();
