// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/lock_keys.h"

#ifdef TRX_HAVE_X11
#include <QGuiApplication>

// The X headers define macros (None, Bool, KeyPress...) that clash with
// Qt's names: they come after Qt's, in a file of their own.
#include <X11/XKBlib.h>

LockStates readLockStates()
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display* display = x11 != nullptr ? x11->display() : nullptr;
    unsigned int indicators = 0;
    if (display == nullptr || XkbGetIndicatorState(display, XkbUseCoreKbd, &indicators) != Success)
        return {};
    return {(indicators & 1U) != 0, (indicators & 2U) != 0};
}
#else
// Qt itself does not report the lock keys.
LockStates readLockStates()
{
    return {};
}
#endif
