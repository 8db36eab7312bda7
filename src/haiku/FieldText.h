// Fits a cp932 text into a fixed field of the given width (bytes including the
// terminator the field once had): at most width - 1 bytes, never half a character.
#pragma once

#include <string>
#include <string_view>

#include "platform/Cp932.h"

// Sets field to it in place, so a field that already held a text keeps its storage.
inline void SetFieldText(std::string& field, std::string_view text, std::size_t width) {
    field.assign(cp932::CutAtCharBoundary(text, width - 1));
}
