#include "reader/TipsReader.h"

#include <climits>
#include <optional>
#include <vector>

#include "platform/Cp932.h"
#include "platform/FileRead.h"
#include "reader/DocumentLines.h"

namespace {

constexpr std::string_view kLongFirstLineTitle = "豆知識...\n";

bool IsSkipped(std::string_view line) { return line.empty() || line.starts_with("//"); }

// Reads a decimal integer the way the C library's atoi does, without its
// undefined overflow: the value is held at the int range.
int ParseNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) break;
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

}  // namespace

bool CTipsReader::ParseHeader(std::string_view line, int& number) {
    // ':' is never the trail byte of a cp932 character, so the last byte decides.
    if (line.empty() || line.back() != ':') return false;
    number = ParseNumber(line.substr(0, line.size() - 1));
    return true;
}

int CTipsReader::LoadTip(const std::string& path, int requested) {
    m_body = "\n";
    std::optional<std::string> bytes = ReadWholeFile(path);
    if (!bytes) return ReportUnreadableFile(m_notice, path);
    std::string text = document_lines::ToCp932(std::move(*bytes));

    int tipCount = 0;
    int number = 0;
    document_lines::ForEachLine(text, [&](std::string_view line) {
        if (!IsSkipped(line) && ParseHeader(line, number) && number > 0) ++tipCount;
        return true;
    });

    int target = requested > 0 ? (requested <= tipCount ? requested : 1) : tipCount;
    m_title.clear();
    bool reading = false;
    bool first = true;
    document_lines::ForEachLine(text, [&](std::string_view line) {
        if (IsSkipped(line)) return true;
        if (ParseHeader(line, number)) {
            if (reading) return false;
            reading = number >= target;
            return true;
        }
        if (reading) {
            AddLine(line, first);
            first = false;
        }
        return true;
    });
    return target;
}

void CTipsReader::AddLine(std::string_view line, bool first) {
    if (line.size() <= kShortLineBytes) {
        if (first && line.size() <= kTitleBytes) {
            m_title.assign(line).append("\n");
            return;
        }
        if (first) m_title = kLongFirstLineTitle;
        m_body.append(line).append("\n");
        return;
    }
    line = cp932::CutAtCharBoundary(line, kMaxLineBytes);
    // Character starts, so a piece never ends inside a double-byte character.
    std::vector<bool> charStart(line.size() + 1, false);
    for (std::size_t i = 0; i < line.size(); i += cp932::CharLength(line, i)) charStart[i] = true;
    std::size_t start = 0;
    while (start < line.size()) {
        std::size_t length = kPieceBytes;
        std::size_t last = start + kPieceBytes - 1;
        if (last < line.size() && charStart[last] && cp932::CharLength(line, last) == 2) --length;
        if (start + length > line.size()) length = line.size() - start;
        m_body.append(line.substr(start, length)).append("\n");
        start += length;
    }
    if (!first) m_body += "\n";
}
