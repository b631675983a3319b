#pragma once
// The state of the Caps Lock and Num Lock keys, which Qt does not report.

struct LockStates {
    bool caps = false;
    bool num = false;
};

// Read from the X server's keyboard indicators; both off where there is no
// X display (offscreen, Wayland without XWayland).
LockStates readLockStates();
