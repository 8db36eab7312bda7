#include "Kana.h"

#include "platform/Cp932.h"

namespace museum {
namespace {

bool IsOneOf(std::string_view character, std::string_view set) {
    for (std::size_t pos = 0; pos + 1 < set.size(); pos += 2)
        if (set.substr(pos, 2) == character) return true;
    return false;
}

constexpr std::string_view kSmallKana = "ゃゅょぁぃぅぇぉゎ";
constexpr std::string_view kOldKana = "ゐゑ";

}  // namespace

bool IsModernHiragana(std::string_view text) {
    if (text.empty()) return false;
    for (std::size_t pos = 0; pos < text.size(); pos += 2) {
        if (cp932::CharLength(text, pos) != 2) return false;
        std::string_view character = text.substr(pos, 2);
        if (character == "ー") continue;
        auto lead = static_cast<unsigned char>(character[0]);
        auto trail = static_cast<unsigned char>(character[1]);
        if (lead != 0x82 || trail < 0x9F || trail > 0xF1) return false;  // ぁ .. ん
        if (IsOneOf(character, kOldKana)) return false;
    }
    return true;
}

int CountMorae(std::string_view text) {
    int morae = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += cp932::CharLength(text, pos)) {
        std::string_view character = text.substr(pos, cp932::CharLength(text, pos));
        if (!IsOneOf(character, kSmallKana)) ++morae;
    }
    return morae;
}

std::vector<std::string> SplitReading(std::string_view reading) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (int i = 0; i < 2; ++i) {
        std::size_t space = reading.find(' ', start);
        if (space == std::string_view::npos) break;
        parts.emplace_back(reading.substr(start, space - start));
        start = space + 1;
    }
    parts.emplace_back(reading.substr(start));
    return parts;
}

}  // namespace museum
