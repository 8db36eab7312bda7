// Fuzz target: the haiku search's match rule on any bytes. The first byte cuts the
// rest into a cell and a search text; a match must begin where a character begins.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "FuzzSupport.h"
#include "haiku/TextSearch.h"
#include "platform/Cp932.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::string_view cell = rest.substr(0, data[0] % (rest.size() + 1));
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
    return 0;
}
