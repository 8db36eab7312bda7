#include "haiku/TextSearch.h"

#include "platform/Cp932.h"

namespace textsearch {

bool HoldsAtCharStart(std::string_view cell, std::string_view text) {
    // Walk the cell character by character, so the trail byte of one character and
    // the lead byte of the next never make a match.
    for (std::size_t pos = 0; pos + text.size() <= cell.size();
         pos += cp932::CharLength(cell, pos)) {
        if (cell.compare(pos, text.size(), text) == 0) return true;
    }
    return false;
}

}  // namespace textsearch
