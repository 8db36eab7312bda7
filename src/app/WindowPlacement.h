// The main window's placement as "WindowPos" stores it: ten numbers in the order of
// the Windows placement record, "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d":
// flags (2 = was maximised), show state (1 normal, 2 minimised, 3 maximised),
// minimised x,y, maximised x,y, and the normal rectangle left,top,right,bottom.
#pragma once

#include <optional>
#include <string>
#include <string_view>

struct WindowPlacement {
    static constexpr unsigned kRestoreToMaximized = 2;
    static constexpr unsigned kShowNormal = 1;
    static constexpr unsigned kShowMinimized = 2;
    static constexpr unsigned kShowMaximized = 3;

    unsigned flags = 0;
    unsigned showCmd = kShowNormal;
    int minX = -1;
    int minY = -1;
    int maxX = -1;
    int maxY = -1;
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    std::string Format() const;
    // nullopt unless all ten numbers convert (text after the tenth is ignored).
    static std::optional<WindowPlacement> Parse(std::string_view text);
    // A rectangle with a size, within reach of any screen, and a known show state.
    bool IsUsable() const;
    // Whether the window should come back maximised.
    bool IsMaximized() const {
        return showCmd == kShowMaximized ||
               (showCmd == kShowMinimized && (flags & kRestoreToMaximized) != 0);
    }
};
