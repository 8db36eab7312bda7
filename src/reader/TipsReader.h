// Reads one tip from the tips file "onepoint.txt".
//
// The file is cp932 text. A line whose last character is ':' is a header; the
// text before it is the tip's number (decimal, leading blanks and a sign
// allowed, anything unreadable counts as 0). Empty lines and lines starting "//"
// are skipped; every other line belongs to the tip whose header precedes it.
// The first text line of a tip becomes its title when it is short; the rest
// goes to the body, long lines cut into pieces of about 66 bytes.
#pragma once

#include <string>
#include <string_view>

#include "platform/NoticeWnd.h"

class CTipsReader {
public:
    static constexpr std::size_t kTitleBytes = 28;     // a first line up to this long is the title
    static constexpr std::size_t kShortLineBytes = 65; // lines up to this long stay whole
    static constexpr std::size_t kPieceBytes = 66;
    static constexpr std::size_t kMaxLineBytes = 660;  // bytes of a line that are used

    // Reads the tip numbered requested and returns the number now current: the
    // requested one, 1 after the last tip, the last tip for 0 or less. Returns -1
    // after the unreadable-file notice when the file cannot be read.
    int LoadTip(const std::string& path, int requested);

    // The tip's title ending in a line feed, or empty.
    const std::string& Title() const { return m_title; }
    // The tip's text, lines ended by line feeds, starting with an empty line.
    const std::string& Body() const { return m_body; }

    // The number of a header line, or false when line is no header.
    static bool ParseHeader(std::string_view line, int& number);

private:
    void AddLine(std::string_view line, bool first);

    std::string m_title;
    std::string m_body;
    CNoticeWnd m_notice;
};
