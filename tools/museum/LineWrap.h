// Wrapping cp932 text into rows of at most a given number of bytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace museum {

// True when the character at text[pos] should not begin a row (。、」 and the
// like: closing brackets and punctuation).
bool IsNoStartCharacter(std::string_view text, std::size_t pos);

// True when the character at text[pos] should not end a row (opening brackets).
bool IsNoEndCharacter(std::string_view text, std::size_t pos);

// Cuts text into rows of at most width bytes (width >= 4), never splitting a
// double-byte character. A row neither begins with a closing bracket or a
// punctuation mark nor ends with an opening bracket when characters can be
// carried over to the next row instead (keeping at least half a row).
// Empty text gives no rows.
std::vector<std::string> WrapRows(std::string_view text, std::size_t width);

}  // namespace museum
