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

// Cuts text into rows of at most width bytes (width >= 4), never splitting a
// double-byte character. A row is not begun with a closing bracket or
// punctuation mark when the character before it can be carried over instead.
// Empty text gives no rows.
std::vector<std::string> WrapRows(std::string_view text, std::size_t width);

}  // namespace museum
