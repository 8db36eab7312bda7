#include "calendar/OldNewTable.h"

#include <gtest/gtest.h>

#include "RecordingNoticeSink.h"
#include "calendar/EtoTable.h"
#include "calendar/NewCalendar.h"
#include "calendar/OldCalendar.h"

namespace {

class OldNewTableTest : public ::testing::Test {
protected:
    std::vector<OldNewRow> Build(int year) {
        std::vector<OldNewRow> rows;
        FillOldColumns(rows, calendar, eto, year);
        FillNewColumns(rows, calendar, newCalendar, year);
        return rows;
    }
    // The first row of an old month position.
    std::size_t FirstRowOf(int year, int position) {
        std::size_t row = 0;
        for (int p = 1; p < position; ++p) row += static_cast<std::size_t>(calendar.GetMonthDays(year, p));
        return row;
    }

    RecordingNoticeSink sink;
    COldCalendar calendar;
    CNewCalendar newCalendar;
    CEtoTable eto;
};

}  // namespace

// Rows at month changes, leap months and year changes: old month label, old day,
// day sign, Gregorian year (only where it changes), month, day, weekday.
TEST_F(OldNewTableTest, RowsShowTheDateOnlyWhereItChanges) {
    struct Case { int year, position, day; OldNewRow row; };
    const Case cases[] = {
        {1874, 1, 1, {" 1", " 1", "乙巳", "1874", " 2", "17", "火"}},
        {1874, 1, 2, {"", " 2", "丙午", "", "", "18", "水"}},
        {1874, 1, 13, {"", "13", "丁巳", "", " 3", " 1", "日"}},  // month changes, year stays
        {1874, 12, 1, {"12", " 1", "", "1875", " 1", " 8", ""}},
        {1876, 6, 1, {"閏 5", " 1", "", "1876", " 6", "22", "木"}},
        {1889, 12, 11, {"", "11", "", "1890", " 1", " 1", ""}},
        {1889, 13, 1, {"閏12", " 1", "", "1890", " 1", "21", ""}},
        {1959, 1, 1, {" 1", " 1", "辛酉", "1959", " 2", " 8", "日"}},
    };
    for (const Case& c : cases) {
        const auto rows = Build(c.year);
        OldNewRow row = rows.at(FirstRowOf(c.year, c.position) + static_cast<std::size_t>(c.day - 1));
        for (std::size_t column : {2u, 6u})
            if (c.row[column].empty()) row[column] = "";  // not every case names these
        EXPECT_EQ(row, c.row) << c.year << "-" << c.position << "-" << c.day;
    }
    EXPECT_EQ(Build(1874).size(), 354u);
    std::vector<std::string> labels;  // 1876: the leap month after the fifth
    for (const auto& row : Build(1876))
        if (!row[0].empty()) labels.push_back(row[0]);
    EXPECT_EQ(labels, (std::vector<std::string>{" 1", " 2", " 3", " 4", " 5", "閏 5", " 6", " 7", " 8", " 9", "10",
                                                "11", "12"}));
    EXPECT_EQ(Build(1876).size(), 384u);
    EXPECT_EQ(OldNewTitle(calendar, eto, 1874), "旧暦／西暦対照表 旧暦  1874年(明治 7年 甲戌)");
}

TEST_F(OldNewTableTest, EveryYearOfTheHallHasOneRowPerDayInDateOrder) {
    for (int year = 1874; year <= 1959; ++year) {
        auto rows = Build(year);
        ASSERT_TRUE(rows.size() >= 353 && rows.size() <= 385) << year;
        for (const auto& row : rows) {
            ASSERT_FALSE(row[1].empty() || row[2].empty() || row[5].empty() || row[6].empty());
        }
    }
    EXPECT_TRUE(sink.messages.empty());
}
