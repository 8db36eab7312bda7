// Reading a text file of the museum into lines of cp932 bytes.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace document_lines {

// The whole file as bytes; nullopt when it cannot be opened or read.
std::optional<std::string> ReadFile(const std::string& path);

// A file that begins with a UTF-8 byte-order mark was saved by a curator in UTF-8:
// the mark is removed and the text converted to cp932 (characters cp932 cannot
// carry become '?'). Any other text is returned as it is.
std::string ToCp932(std::string bytes);

// Calls onLine for every line of text, without its line end. A line ends at LF,
// CR LF or a lone CR. A last line without line end counts; an empty text has no
// lines. onLine returns false to stop early.
template <typename OnLine>
void ForEachLine(std::string_view text, OnLine onLine) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            onLine(text.substr(start));
            return;
        }
        if (!onLine(text.substr(start, end - start))) return;
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
    }
}

}  // namespace document_lines
