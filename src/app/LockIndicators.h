// The keyboard's lock states behind the status bar's indicator panes ｶﾅ, CAP, NUM and
// SCRL. CreatePlatformLockIndicators() reads them from the X server's keyboard
// indicators (the LEDs "Kana", "Caps Lock", "Num Lock" and "Scroll Lock") when the
// program runs on X11; elsewhere (Wayland, offscreen) the platform does not tell them
// and every state reads off.
//
//   std::unique_ptr<CLockIndicators> locks = CreatePlatformLockIndicators();
//   if (locks->Read().caps) ...
#pragma once

#include <memory>

struct LockStates {
    bool kana = false;
    bool caps = false;
    bool num = false;
    bool scroll = false;
};

class CLockIndicators {
public:
    virtual ~CLockIndicators() = default;
    virtual LockStates Read() const = 0;
};

std::unique_ptr<CLockIndicators> CreatePlatformLockIndicators();
