#include "haiku/CardText.h"

#include <algorithm>
#include <cstdio>

#include "platform/Cp932.h"

namespace cardtext {
namespace {

std::string JoinThree(const std::string& a, const std::string& b, const std::string& c) {
    return a + " " + b + " " + c;
}

}  // namespace

std::string HaikuLine(const HaikuRecord& record) {
    return JoinThree(record.line1, record.line2, record.line3);
}

std::string ReadingLine(const CommentaryEntry& entry) {
    return JoinThree(entry.reading1, entry.reading2, entry.reading3);
}

std::string NumberLine(std::string_view orderTitle, int index) {
    char number[32];
    std::snprintf(number, sizeof number, "の番号 : %d", index + 1);
    return std::string(orderTitle) + number;
}

std::string InterpretationLines(std::string_view interpretation, int rowWidth) {
    const std::size_t width = rowWidth > 0 ? static_cast<std::size_t>(rowWidth)
                                           : std::max<std::size_t>(interpretation.size(), 1);
    std::string lines;
    std::string row;
    auto endRow = [&lines, &row](bool last) {
        const std::size_t end = row.find_last_not_of(' ');
        lines.append(row, 0, end == std::string::npos ? 0 : end + 1);
        if (!last) lines += '\n';
        row.clear();
    };
    // Rows are fixed byte ranges. The characters are read from the start of the
    // text, so a character whose lead byte ends a row is shown whole at that row's
    // end and the next row goes on after its trail byte: no row moves.
    std::size_t rowEnd = width;
    for (std::size_t pos = 0; pos < interpretation.size();) {
        while (pos >= rowEnd) {
            endRow(false);
            rowEnd += width;
        }
        const std::size_t length = cp932::CharLength(interpretation, pos);
        row.append(interpretation.substr(pos, length));
        pos += length;
    }
    if (!interpretation.empty()) endRow(true);
    return lines;
}

int ClampIndex(int index, int maxIndex) { return std::clamp(index, 0, std::max(maxIndex, 0)); }

int StepIndex(int index, int delta, int maxIndex) {
    return ClampIndex(delta > 0 ? index + 1 : index - 1, maxIndex);
}

}  // namespace cardtext
