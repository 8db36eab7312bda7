// The order of the search history, as a sorted combo box keeps it: texts compared
// byte by byte with ASCII letters folded to one case; a new text goes after the
// entries that compare equal to it. Finding a text already in the history compares
// with regard to case, so "Abc" is a new entry beside "abc". Texts are cp932.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Negative, zero or positive as a sorts before, with or after b.
int CompareHistoryText(std::string_view a, std::string_view b);
// Where text goes in a sorted list.
std::size_t HistoryInsertPosition(const std::vector<std::string>& sorted, std::string_view text);
// Whether the list holds text exactly (same bytes, same case).
bool HistoryContains(const std::vector<std::string>& list, std::string_view text);
