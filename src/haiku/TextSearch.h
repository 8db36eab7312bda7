// Searching cp932 text as the user sees it: a match starts on a character, never on
// the trail byte of a double-byte character.
#pragma once

#include <string_view>

namespace textsearch {

// True when text occurs in cell starting on a character boundary (bytes compared
// case-sensitively). An empty text is held by every cell.
bool HoldsAtCharStart(std::string_view cell, std::string_view text);

}  // namespace textsearch
