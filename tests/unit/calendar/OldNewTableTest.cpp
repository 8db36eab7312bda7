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

TEST_F(OldNewTableTest, Year1874) {
    auto rows = Build(1874);
    ASSERT_EQ(rows.size(), 354u);
    EXPECT_EQ(rows[0], (OldNewRow{" 1", " 1", "乙巳", "1874", " 2", "17", "火"}));
    // Old 1-13 is 3 March: the month changes, the year cell stays empty.
    EXPECT_EQ(rows[12], (OldNewRow{"", "13", rows[12][2], "", " 3", " 1", rows[12][6]}));
    EXPECT_EQ(rows[1][0], "");
    EXPECT_EQ(rows[1][3], "");
    EXPECT_EQ(rows[1][4], "");
    std::size_t twelfth = FirstRowOf(1874, 12);
    EXPECT_EQ(rows[twelfth][0], "12");
    EXPECT_EQ(rows[twelfth][3], "1875");
    EXPECT_EQ(rows[twelfth][4], " 1");
    EXPECT_EQ(rows[twelfth][5], " 8");
    EXPECT_EQ(OldNewTitle(calendar, eto, 1874), "旧暦／西暦対照表 旧暦  1874年(明治 7年 甲戌)");
}

TEST_F(OldNewTableTest, Year1876HasItsLeapMonthAfterTheFifth) {
    auto rows = Build(1876);
    ASSERT_EQ(rows.size(), 384u);
    std::vector<std::string> labels;
    for (const auto& row : rows) {
        if (!row[0].empty()) labels.push_back(row[0]);
    }
    EXPECT_EQ(labels, (std::vector<std::string>{" 1", " 2", " 3", " 4", " 5", "閏 5", " 6", " 7",
                                                " 8", " 9", "10", "11", "12"}));
    std::size_t leap = FirstRowOf(1876, 6);
    EXPECT_EQ(rows[leap][3], "1876");
    EXPECT_EQ(rows[leap][4], " 6");
    EXPECT_EQ(rows[leap][5], "22");
    EXPECT_EQ(rows[leap][6], "木");
}

TEST_F(OldNewTableTest, Year1889EndsWithALeapTwelfthMonthInTheNextYear) {
    auto rows = Build(1889);
    std::size_t twelfth = FirstRowOf(1889, 12);
    EXPECT_EQ(rows[twelfth][3], "1889");
    EXPECT_EQ(rows[twelfth][4], "12");
    EXPECT_EQ(rows[twelfth][5], "22");
    EXPECT_EQ(rows[twelfth + 9][3], "");
    EXPECT_EQ(rows[twelfth + 10][3], "1890");  // day 11 is 1890-01-01
    EXPECT_EQ(rows[twelfth + 10][5], " 1");
    std::size_t leap = FirstRowOf(1889, 13);
    EXPECT_EQ(rows[leap][0], "閏12");
    EXPECT_EQ(rows[leap][3], "1890");
    EXPECT_EQ(rows[leap][4], " 1");
    EXPECT_EQ(rows[leap][5], "21");
}

TEST_F(OldNewTableTest, Year1959) {
    auto rows = Build(1959);
    ASSERT_EQ(rows.size(), 354u);
    EXPECT_EQ(rows[0], (OldNewRow{" 1", " 1", "辛酉", "1959", " 2", " 8", "日"}));
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
