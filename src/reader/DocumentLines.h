// Reading a text file of the museum into lines of cp932 bytes.
#pragma once

#include <string>
#include <string_view>

#include "platform/TextLines.h"

namespace document_lines {

// Lines of a file or text: see text_lines.
using text_lines::ForEachFileLine;
using text_lines::ForEachLine;

// Gives the lines of one file as cp932, called on each line in order. A file whose
// first line begins with a UTF-8 byte-order mark was saved by a curator in UTF-8: the
// mark is removed and every line converted (characters cp932 cannot carry become
// '?'). The lines of any other file are returned as they are.
class LineConverter {
public:
    std::string_view operator()(std::string_view line);

private:
    bool m_first = true;
    bool m_utf8 = false;
    std::string m_converted;
};

}  // namespace document_lines
