#include "app/WindowPlacement.h"

#include <cstdio>

namespace {

constexpr long long kFarAway = 1000000;  // beyond any real desktop

// One number as sscanf's %d reads it: spaces, a sign, at least one digit.
std::optional<long long> ReadNumber(std::string_view text, std::size_t& pos) {
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) negative = text[pos++] == '-';
    std::size_t start = pos;
    long long value = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        value = value * 10 + (text[pos] - '0');
        if (value > 0xFFFFFFFFLL) return std::nullopt;
        ++pos;
    }
    if (pos == start) return std::nullopt;
    return negative ? -value : value;
}

}  // namespace

std::string WindowPlacement::Format() const {
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d", flags, showCmd, minX,
                  minY, maxX, maxY, left, top, right, bottom);
    return buffer;
}

std::optional<WindowPlacement> WindowPlacement::Parse(std::string_view text) {
    long long n[10];
    std::size_t pos = 0;
    for (int i = 0; i < 10; ++i) {
        if (i > 0) {
            if (pos >= text.size() || text[pos] != ',') return std::nullopt;
            ++pos;
        }
        std::optional<long long> value = ReadNumber(text, pos);
        if (!value) return std::nullopt;
        if (i >= 2 && (*value < -2147483648LL || *value > 2147483647LL)) return std::nullopt;
        n[i] = *value;
    }
    if (n[0] < 0 || n[1] < 0) return std::nullopt;
    WindowPlacement p;
    p.flags = static_cast<unsigned>(n[0]);
    p.showCmd = static_cast<unsigned>(n[1]);
    p.minX = static_cast<int>(n[2]);
    p.minY = static_cast<int>(n[3]);
    p.maxX = static_cast<int>(n[4]);
    p.maxY = static_cast<int>(n[5]);
    p.left = static_cast<int>(n[6]);
    p.top = static_cast<int>(n[7]);
    p.right = static_cast<int>(n[8]);
    p.bottom = static_cast<int>(n[9]);
    return p;
}

bool WindowPlacement::IsUsable() const {
    if (showCmd > 11) return false;  // not a show state the platform knows
    if (right <= left || bottom <= top) return false;
    auto near = [](long long v) { return v > -kFarAway && v < kFarAway; };
    return near(left) && near(top) && near(right) && near(bottom);
}
