// Splitting a text into lines, one rule for every reader of the museum's files:
// LF ends a line, a CR just before the LF belongs to the line end, and any other
// CR stays in the line.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace text_lines {

// Calls onLine for every line of text, without its line end. A last line without
// line end counts; an empty text has no lines. onLine returns false to stop early.
template <typename OnLine>
void ForEachLine(std::string_view text, OnLine onLine) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        std::size_t stop = end == std::string_view::npos ? text.size() : end;
        if (end != std::string_view::npos && stop > start && text[stop - 1] == '\r') --stop;
        if (!onLine(text.substr(start, stop - start))) return;
        start = next;
    }
}

// The lines of the regular file at path, read piece by piece, as ForEachLine gives
// them. Reading ends when onLine returns false: the rest of the file is never read,
// so a reader with a limit costs by what it keeps. Returns false when path is no
// regular file or cannot be opened or read (nothing is thrown).
bool ForEachFileLine(const std::string& path, const std::function<bool(std::string_view)>& onLine);

}  // namespace text_lines
