#include "LineWrap.h"

#include "platform/Cp932.h"

namespace museum {
namespace {

// The start of the last character in text[start, end).
std::size_t LastCharStart(std::string_view text, std::size_t start, std::size_t end) {
    std::size_t last = start;
    for (std::size_t pos = start; pos < end; pos += cp932::CharLength(text, pos)) last = pos;
    return last;
}

}  // namespace

bool IsNoStartCharacter(std::string_view text, std::size_t pos) {
    static constexpr std::string_view kNoStart[] = {
        "。", "、", "」", "』", "）", "】", "〕", "・", "ー", "ゃ", "ゅ", "ょ", "っ",
        "！", "？", "，", "．", "…", ")", ",", ".", "!", "?"};
    std::string_view rest = text.substr(pos);
    for (std::string_view mark : kNoStart)
        if (rest.substr(0, mark.size()) == mark) return true;
    return false;
}

bool IsNoEndCharacter(std::string_view text, std::size_t pos) {
    static constexpr std::string_view kNoEnd[] = {"「", "『", "（", "【", "〔", "("};
    std::string_view rest = text.substr(pos);
    for (std::string_view mark : kNoEnd)
        if (rest.substr(0, mark.size()) == mark) return true;
    return false;
}

std::vector<std::string> WrapRows(std::string_view text, std::size_t width) {
    std::vector<std::string> rows;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t cut = start + cp932::CutAtCharBoundary(text.substr(start), width).size();
        // Carry characters over with a mark that may not begin a row, and an
        // opening bracket that may not end one, as long as the row keeps at
        // least half its width.
        while (cut < text.size() &&
               (IsNoStartCharacter(text, cut) || IsNoEndCharacter(text, LastCharStart(text, start, cut)))) {
            std::size_t back = LastCharStart(text, start, cut);
            if (back <= start || back - start < width / 2) break;
            cut = back;
        }
        // Keep a half-width word or number whole.
        auto isWordByte = [&](std::size_t pos) {
            auto c = static_cast<unsigned char>(text[pos]);
            return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        };
        if (cut < text.size() && cut > start && isWordByte(cut) && isWordByte(cut - 1) &&
            cp932::IsCharStart(text, cut - 1)) {
            std::size_t wordStart = cut - 1;
            while (wordStart > start && isWordByte(wordStart - 1) && cp932::IsCharStart(text, wordStart - 1))
                --wordStart;
            if (wordStart - start >= width / 2) cut = wordStart;
        }
        if (cut == start) cut = start + cp932::CharLength(text, start);
        rows.emplace_back(text.substr(start, cut - start));
        start = cut;
    }
    return rows;
}

}  // namespace museum
