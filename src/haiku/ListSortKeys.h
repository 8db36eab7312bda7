// Sort keys of the list views (haiku and season words). A key is one byte string:
// the column's text parts cut to their byte counts, then the record's 4-digit index,
// so keys never tie. Keys compare byte by byte with ASCII letters folded to lower
// case; a key that is a prefix of another comes first.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "haiku/HaikuRecord.h"

namespace sortkeys {

// "%.*s" + "%.*s" + "%04d": up to firstBytes of first, up to secondBytes of second, index.
std::string Compose(std::string_view first, std::size_t firstBytes, std::string_view second,
                    std::size_t secondBytes, int index);

// A key whose text part is empty (only the 4 index digits) becomes the sentinel key
// made of "黑黑" (EE EC EE EC), which sorts behind every real text.
std::string ReplaceEmpty(std::string key, int index);

// The key of a haiku record for column 0-6 of the haiku list.
std::string HaikuKey(const HaikuRecord& record, int index, int column);

// Keys for the season-word list, column 0-3, from the topic's three keys.
std::string KigoKey(std::string_view key1, std::string_view key2, std::string_view key3,
                    int index, int column);

bool Less(std::string_view a, std::string_view b);

// Sorts order (row -> record index) by the keys built for each row's record.
void SortOrder(std::vector<int>& order, std::vector<std::string> keys);

}  // namespace sortkeys
