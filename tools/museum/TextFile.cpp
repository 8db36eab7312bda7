#include "TextFile.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "platform/Cp932.h"

namespace museum {

std::size_t FindText(std::string_view text, std::string_view needle, std::size_t from) {
    if (needle.empty()) return std::string_view::npos;
    for (std::size_t pos = text.find(needle, from); pos != std::string_view::npos;
         pos = text.find(needle, pos + 1))
        if (cp932::IsCharStart(text, pos)) return pos;
    return std::string_view::npos;
}

bool WriteWholeFile(const std::string& path, std::string_view text) {
    std::error_code error;
    std::filesystem::path target(path);
    if (target.has_parent_path()) std::filesystem::create_directories(target.parent_path(), error);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    return static_cast<bool>(out);
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

namespace {

// Length of the UTF-8 sequence that starts with byte c (1 for a stray byte).
std::size_t Utf8Length(unsigned char c) {
    if (c >= 0xF0) return 4;
    if (c >= 0xE0) return 3;
    if (c >= 0xC0) return 2;
    return 1;
}

unsigned CodePoint(std::string_view character) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(character[i]); };
    switch (character.size()) {
    case 2: return (byte(0) & 0x1Fu) << 6 | (byte(1) & 0x3Fu);
    case 3: return (byte(0) & 0x0Fu) << 12 | (byte(1) & 0x3Fu) << 6 | (byte(2) & 0x3Fu);
    case 4: return (byte(0) & 0x07u) << 18 | (byte(1) & 0x3Fu) << 12 | (byte(2) & 0x3Fu) << 6 | (byte(3) & 0x3Fu);
    default: return byte(0);
    }
}

}  // namespace

std::string LineToCp932(std::string_view utf8Line, std::string_view file, int line,
                        Findings& findings) {
    if (auto whole = cp932::FromUtf8(utf8Line)) return *whole;
    // Convert character by character to name the culprits.
    std::string out;
    int column = 1;
    for (std::size_t pos = 0; pos < utf8Line.size(); ++column) {
        std::size_t length = std::min(Utf8Length(static_cast<unsigned char>(utf8Line[pos])),
                                      utf8Line.size() - pos);
        std::string_view character = utf8Line.substr(pos, length);
        if (auto converted = cp932::FromUtf8(character)) {
            out += *converted;
        } else {
            char text[96];
            if (cp932::IsValidUtf8(character))
                std::snprintf(text, sizeof text, "column %d: the character U+%04X has no cp932 form",
                              column, CodePoint(character));
            else
                std::snprintf(text, sizeof text, "column %d: the bytes are not UTF-8", column);
            findings.Add(Where(file, line), "no-cp932", text);
            out += '?';
        }
        pos += length;
    }
    return out;
}

}  // namespace museum
