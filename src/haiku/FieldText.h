// Fits a cp932 text into a fixed field of the given width (bytes including the
// terminator the field once had): at most width - 1 bytes, never half a character.
#pragma once

#include <string>
#include <string_view>

#include "platform/Cp932.h"

inline std::string FieldText(std::string_view text, std::size_t width) {
    return std::string(cp932::CutAtCharBoundary(text, width - 1));
}
