// Splitting a text into lines, one rule for every reader of the museum's files:
// LF ends a line, a CR just before the LF belongs to the line end, and any other
// CR stays in the line.
#pragma once

#include <cstring>
#include <fstream>
#include <string>
#include <string_view>

#include "platform/FileRead.h"

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

namespace detail {

// In text made of whole lines, each ending with LF, finds the lines that equal mark
// and counts them off against left. Returns the offset just past the line that
// brings left to zero, or npos when text holds fewer than left such lines.
inline std::size_t PastMarkLines(std::string_view text, std::string_view mark, int& left) {
    // Looks for mark's first byte alone: a memchr, much faster than a search for all of it.
    for (std::size_t at = text.find(mark.front()); at != std::string_view::npos;
         at = text.find(mark.front(), at + 1)) {
        if ((at != 0 && text[at - 1] != '\n') || text.compare(at, mark.size(), mark) != 0)
            continue;
        // The line holding mark ends with an LF at or after its end, so these reads
        // stay inside text.
        std::size_t end = at + mark.size();
        if (text[end] == '\r') ++end;
        if (text[end] != '\n') continue;
        if (--left == 0) return end + 1;
    }
    return std::string_view::npos;
}

// The file's lines, read piece by piece, as ForEachLine gives them, after the first
// marks lines that equal mark (not empty, no line end in it) have gone by; the lines
// up to them are searched for mark, never split. Reading ends when onLine returns false.
template <typename OnLine>
bool ReadFileLines(const std::string& path, std::string_view mark, int marks, OnLine onLine) {
    std::ifstream in;
    if (!OpenRegularFile(path, in)) return false;
    constexpr std::size_t kPiece = 64 * 1024;
    // The start of the line the last piece left open, then the next piece.
    std::string buffer;
    std::size_t kept = 0;
    bool going = true;
    auto hand = [&](std::string_view line) { return going = onLine(line); };
    while (going) {
        if (buffer.size() < kept + kPiece) buffer.resize(kept + kPiece);
        in.read(buffer.data() + kept, static_cast<std::streamsize>(kPiece));
        const auto got = static_cast<std::size_t>(in.gcount());
        if (in.bad()) return false;
        if (got == 0) break;
        // Whole lines only: a CR at the end of a piece may belong to an LF in the next.
        // What was kept held no LF, so only the new piece is searched.
        std::size_t lf = std::string_view(buffer.data() + kept, got).rfind('\n');
        if (lf == std::string_view::npos) {
            kept += got;
            continue;
        }
        lf += kept;
        std::string_view lines(buffer.data(), lf + 1);
        if (marks > 0) {
            const std::size_t past = PastMarkLines(lines, mark, marks);
            lines = past == std::string_view::npos ? std::string_view() : lines.substr(past);
        }
        ForEachLine(lines, hand);
        const std::size_t tail = kept + got - (lf + 1);
        std::memmove(buffer.data(), buffer.data() + lf + 1, tail);
        kept = tail;
    }
    if (going && marks == 0 && kept > 0) onLine(std::string_view(buffer.data(), kept));
    return true;
}

}  // namespace detail

// The lines of the regular file at path, read piece by piece, as ForEachLine gives
// them. Reading ends when onLine returns false: the rest of the file is never read,
// so a reader with a limit costs by what it keeps. Returns false when path is no
// regular file or cannot be opened or read (nothing is thrown).
template <typename OnLine>
bool ForEachFileLine(const std::string& path, OnLine onLine) {
    return detail::ReadFileLines(path, {}, 0, onLine);
}

// As ForEachFileLine, for the lines after the line-th (from 0) line that equals mark;
// the lines up to it are not handed on, and with line < 0 no line is.
template <typename OnLine>
bool ForEachFileLineAfter(const std::string& path, std::string_view mark, int line,
                          OnLine onLine) {
    if (line < 0) {
        std::ifstream in;
        return OpenRegularFile(path, in);
    }
    return detail::ReadFileLines(path, mark, line + 1, onLine);
}

}  // namespace text_lines
