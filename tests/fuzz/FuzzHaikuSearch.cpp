// Fuzz target: the haiku search's match rule on any bytes. The first byte cuts the
// rest into a cell and a search text; a match must begin where a character begins.
#include <vector>

#include "FuzzSupport.h"
#include "haiku/TextSearch.h"
#include "platform/Cp932.h"

void fuzz::Test(const std::string& bytes) {
    if (bytes.empty()) return;
    const std::string_view rest = std::string_view(bytes).substr(1);
    const std::string_view cell = rest.substr(0, Byte(bytes, 0, 0) % (rest.size() + 1));
    const std::string_view text = rest.substr(cell.size());
    std::vector<bool> starts(cell.size() + 1, true);  // the end counts for an empty text
    for (std::size_t i = 0; i + 1 < cell.size(); ++i) {
        if (cp932::IsLeadByte(static_cast<unsigned char>(cell[i]))) starts[++i] = false;
    }
    bool expected = false;
    for (std::size_t pos = 0; pos + text.size() <= cell.size() && !expected; ++pos)
        expected = starts[pos] && cell.substr(pos, text.size()) == text;
    FUZZ_CHECK(textsearch::HoldsAtCharStart(cell, text) == expected);
    FUZZ_CHECK(textsearch::HoldsAtCharStart(cell, "") && textsearch::HoldsAtCharStart(text, text));
}
