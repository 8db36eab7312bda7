// Cell texts of the two list views (cp932), kept apart from the windows so they
// can be checked without a display.
//
//   haiku list: "No" "%4d" of index + 1, the three phrases, season, season word,
//               and the year line (FormatYearLine) - columns 0-6;
//   season words: "No", the topic's key1, key2 and key3 - columns 0-3.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "haiku/HaikuRecord.h"

class COldCalendar;
class CEtoTable;
class CHaikuTable;
struct TopicRecord;

namespace listcells {

constexpr int kHaikuColumns = 7;
constexpr int kKigoColumns = 4;

// "%4d" of index + 1: the number right-aligned in four characters.
std::string NumberCell(int index);

// The text of column 0-6 for the record at table index.
std::string HaikuCell(const HaikuRecord& record, int index, int column,
                      const COldCalendar& calendar, const CEtoTable& eto);

// The text of column 0-3 for the topic at index (file order).
std::string KigoCell(const TopicRecord& topic, int index, int column);

// The first of the first count rows of order whose record holds text in one of its
// three phrases, starting on a character (textsearch::HoldsAtCharStart), or -1.
// Readings, season, season word and year are not searched; an empty text is found
// in row 0.
int FindPhraseRow(const CHaikuTable& table, const std::vector<int>& order, int count,
                  std::string_view text);

// "検索文字列 : " + text + " が見つかりません."
std::string SearchNotFoundMessage(std::string_view text);

}  // namespace listcells
