#include "haiku/ListCells.h"

#include <algorithm>
#include <cstdio>

#include "haiku/HaikuTable.h"
#include "haiku/TextSearch.h"
#include "haiku/YearLine.h"
#include "reader/TopicRecord.h"

namespace listcells {

std::string NumberCell(int index) {
    char text[16];
    std::snprintf(text, sizeof text, "%4d", index + 1);
    return text;
}

std::string HaikuCell(const HaikuRecord& record, int index, int column,
                      const COldCalendar& calendar, const CEtoTable& eto) {
    switch (column) {
        case 0: return NumberCell(index);
        case 1: return record.line1;
        case 2: return record.line2;
        case 3: return record.line3;
        case 4: return record.season;
        case 5: return record.kigo;
        case 6: return FormatYearLine(calendar, eto, record.year);
        default: return {};
    }
}

std::string KigoCell(const TopicRecord& topic, int index, int column) {
    switch (column) {
        case 0: return NumberCell(index);
        case 1: return topic.key1;
        case 2: return topic.key2;
        case 3: return topic.key3;
        default: return {};
    }
}

int FindPhraseRow(const CHaikuTable& table, const std::vector<int>& order, int count,
                  std::string_view text) {
    const int rows = std::min(count, static_cast<int>(order.size()));
    for (int row = 0; row < rows; ++row) {
        const HaikuRecord record = table.GetHaiku(order[static_cast<std::size_t>(row)]);
        for (const std::string* line : {&record.line1, &record.line2, &record.line3}) {
            if (textsearch::HoldsAtCharStart(*line, text)) return row;
        }
    }
    return -1;
}

std::string SearchNotFoundMessage(std::string_view text) {
    std::string message = "検索文字列 : ";
    message += text;
    message += " が見つかりません.";
    return message;
}

}  // namespace listcells
