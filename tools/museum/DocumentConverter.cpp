#include "DocumentConverter.h"

#include "TextFile.h"

namespace museum {

std::string ConvertDocument(std::string_view utf8Text, std::string_view file, Findings& findings) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (utf8Text.starts_with(kByteOrderMark)) utf8Text.remove_prefix(kByteOrderMark.size());
    std::string out;
    int number = 0;
    for (const std::string& line : SplitLines(utf8Text))
        out += LineToCp932(line, file, ++number, findings) + "\n";
    return out;
}

}  // namespace museum
