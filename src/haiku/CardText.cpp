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
    const std::size_t width =
        rowWidth > 0 ? static_cast<std::size_t>(rowWidth) : interpretation.size();
    std::string lines;
    std::size_t start = 0;
    bool first = true;
    while (start < interpretation.size()) {
        // A row never ends inside a double-byte character.
        std::string_view row =
            cp932::CutAtCharBoundary(interpretation.substr(start), std::max<std::size_t>(width, 2));
        if (row.empty()) row = interpretation.substr(start, 1);
        start += row.size();
        const std::size_t end = row.find_last_not_of(' ');
        if (!first) lines += '\n';
        first = false;
        if (end != std::string_view::npos) lines += row.substr(0, end + 1);
    }
    return lines;
}

int ClampIndex(int index, int maxIndex) { return std::clamp(index, 0, std::max(maxIndex, 0)); }

int StepIndex(int index, int delta, int maxIndex) {
    return ClampIndex(delta > 0 ? index + 1 : index - 1, maxIndex);
}

}  // namespace cardtext
