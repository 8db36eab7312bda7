#include "app/SearchHistory.h"

#include <algorithm>

#include "platform/Cp932.h"

namespace {
unsigned char Fold(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}
}  // namespace

int CompareHistoryText(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    while (i < a.size() && i < b.size()) {
        // Only a byte that starts a character is a letter; trail bytes stay as they are.
        std::size_t len = cp932::CharLength(a, i);
        for (std::size_t k = 0; k < len && i + k < a.size() && i + k < b.size(); ++k) {
            unsigned char ca = static_cast<unsigned char>(a[i + k]);
            unsigned char cb = static_cast<unsigned char>(b[i + k]);
            if (len == 1) {
                ca = Fold(ca);
                cb = Fold(cb);
            }
            if (ca != cb) return ca < cb ? -1 : 1;
        }
        i += len;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

std::size_t HistoryInsertPosition(const std::vector<std::string>& sorted, std::string_view text) {
    auto it = std::upper_bound(sorted.begin(), sorted.end(), text,
                               [](std::string_view t, const std::string& entry) {
                                   return CompareHistoryText(t, entry) < 0;
                               });
    return static_cast<std::size_t>(it - sorted.begin());
}

bool HistoryContains(const std::vector<std::string>& list, std::string_view text) {
    return std::find(list.begin(), list.end(), text) != list.end();
}
