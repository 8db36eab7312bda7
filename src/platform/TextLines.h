// Splitting a text into lines, one rule for every reader of the museum's files:
// LF ends a line, a CR just before the LF belongs to the line end, and any other
// CR stays in the line.
#pragma once

#include <fstream>
#include <memory>
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

// The lines of the regular file at path, read piece by piece, as ForEachLine gives
// them. Reading ends when onLine returns false: the rest of the file is never read,
// so a reader with a limit costs by what it keeps. Returns false when path is no
// regular file or cannot be opened or read (nothing is thrown).
template <typename OnLine>
bool ForEachFileLine(const std::string& path, OnLine onLine) {
    std::ifstream in;
    if (!OpenRegularFile(path, in)) return false;
    constexpr std::size_t kPiece = 64 * 1024;
    std::unique_ptr<char[]> piece(new char[kPiece]);
    std::string pending;  // lines read but not yet handed on, the last one perhaps partial
    bool going = true;
    while (going) {
        in.read(piece.get(), static_cast<std::streamsize>(kPiece));
        const auto got = static_cast<std::size_t>(in.gcount());
        if (in.bad()) return false;
        if (got == 0) break;
        // Whole lines only: a CR at the end of a piece may belong to an LF in the next.
        // What was pending held no LF, so only the new piece is searched.
        const std::string_view read(piece.get(), got);
        const std::size_t lf = read.rfind('\n');
        if (lf == std::string_view::npos) {
            pending.append(read);
            continue;
        }
        auto hand = [&](std::string_view line) { return going = onLine(line); };
        if (pending.empty()) {
            ForEachLine(read.substr(0, lf + 1), hand);
        } else {
            pending.append(read.substr(0, lf + 1));
            ForEachLine(pending, hand);
            pending.clear();
        }
        pending.append(read.substr(lf + 1));
    }
    if (going && !pending.empty()) onLine(std::string_view(pending));
    return true;
}

}  // namespace text_lines
