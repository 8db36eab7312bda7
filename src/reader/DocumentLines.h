// Reading a text file of the museum into lines of cp932 bytes.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/TextLines.h"

namespace document_lines {

// A file that begins with a UTF-8 byte-order mark was saved by a curator in UTF-8:
// the mark is removed and the text converted to cp932 (characters cp932 cannot
// carry become '?'). Any other text is returned as it is.
std::string ToCp932(std::string bytes);

// Lines of a text: see text_lines::ForEachLine.
using text_lines::ForEachLine;

}  // namespace document_lines
