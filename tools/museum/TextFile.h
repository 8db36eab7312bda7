// Reading and writing the museum's files, and turning UTF-8 sources into cp932.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Findings.h"
#include "platform/FileRead.h"

namespace museum {

// Writes text to path, creating its folders. False when it cannot be written.
bool WriteWholeFile(const std::string& path, std::string_view text);

// The lines of a text, without their line ends (LF, CR LF). A last line without
// line end counts; an empty text has no lines.
std::vector<std::string> SplitLines(std::string_view text);

// The first place at or after from where needle stands in cp932 text starting on a
// character boundary (never on the trail byte of a pair), or npos.
std::size_t FindText(std::string_view text, std::string_view needle, std::size_t from = 0);
inline bool ContainsText(std::string_view text, std::string_view needle) {
    return FindText(text, needle) != std::string_view::npos;
}

// One line of a UTF-8 source in cp932. A character cp932 cannot carry (or bytes
// that are not UTF-8) is a finding naming the file, line, column and character;
// the line is then returned with '?' for it, so the run can go on and find more.
std::string LineToCp932(std::string_view utf8Line, std::string_view file, int line,
                        Findings& findings);

}  // namespace museum
