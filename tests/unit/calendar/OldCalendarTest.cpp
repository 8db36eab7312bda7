#include "calendar/OldCalendar.h"

#include <gtest/gtest.h>

#include <ostream>

#include "RecordingNoticeSink.h"
#include "calendar/EtoTable.h"

// Dates print as y-m-d in failure messages.
void PrintTo(const NewDate& date, std::ostream* out) {
    *out << date.year << "-" << date.month << "-" << date.day;
}

namespace {

class OldCalendarTest : public ::testing::Test {
protected:
    RecordingNoticeSink sink;
    COldCalendar calendar;
    CEtoTable eto;
};

}  // namespace

TEST_F(OldCalendarTest, NewYearsDaysOfTellingYears) {
    EXPECT_EQ(calendar.ToNewDate(593, 1, 1), (NewDate{593, 2, 9}));
    EXPECT_EQ(calendar.ToNewDate(594, 1, 1), (NewDate{594, 1, 29}));
    EXPECT_EQ(calendar.ToNewDate(1872, 1, 1), (NewDate{1872, 2, 9}));
    EXPECT_EQ(calendar.ToNewDate(1873, 1, 1), (NewDate{1873, 1, 29}));
    EXPECT_EQ(calendar.ToNewDate(1874, 1, 1), (NewDate{1874, 2, 17}));
    EXPECT_EQ(calendar.ToNewDate(1876, 1, 1), (NewDate{1876, 1, 26}));
    EXPECT_EQ(calendar.ToNewDate(1889, 1, 1), (NewDate{1889, 1, 31}));
    EXPECT_EQ(calendar.ToNewDate(1959, 1, 1), (NewDate{1959, 2, 8}));
    EXPECT_EQ(calendar.ToNewDate(2000, 1, 1), (NewDate{2000, 2, 5}));
    EXPECT_EQ(calendar.ToNewDate(2033, 1, 1), (NewDate{2033, 1, 31}));
    EXPECT_EQ(calendar.ToNewDate(2051, 1, 1), (NewDate{2051, 2, 11}));
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(OldCalendarTest, LeapMonthsAndTheirFirstDays) {
    EXPECT_EQ(calendar.GetLeapPosition(1874), 0);
    EXPECT_EQ(calendar.GetLeapPosition(1876), 6);
    EXPECT_EQ(calendar.ToNewDate(1876, 6, 1), (NewDate{1876, 6, 22}));
    EXPECT_EQ(calendar.GetLeapPosition(1889), 13);
    EXPECT_EQ(calendar.ToNewDate(1889, 13, 1), (NewDate{1890, 1, 21}));
    EXPECT_EQ(calendar.ToNewDate(1889, 12, 1), (NewDate{1889, 12, 22}));
    EXPECT_EQ(calendar.GetLeapPosition(2033), 12);
    EXPECT_EQ(calendar.GetLeapPosition(594), 10);
    EXPECT_EQ(calendar.GetLeapPosition(1873), 7);
}

TEST_F(OldCalendarTest, ConversionsAtTheEdgesOfYearsAndTable) {
    EXPECT_EQ(calendar.ToNewDate(1872, 12, 2), (NewDate{1872, 12, 31}));
    EXPECT_EQ(calendar.ToNewDate(1874, 1, 13), (NewDate{1874, 3, 1}));
    EXPECT_EQ(calendar.ToNewDate(1874, 12, 1), (NewDate{1875, 1, 8}));
    EXPECT_EQ(calendar.ToNewDate(2051, 12, 30), (NewDate{2052, 1, 31}));
}

TEST_F(OldCalendarTest, DaySigns) {
    EXPECT_EQ(calendar.GetDayEto(593, 1, 1), 38);
    EXPECT_STREQ(eto.GetEtoName(calendar.GetDayEto(1874, 1, 1)), "乙巳");
    EXPECT_STREQ(eto.GetEtoName(calendar.GetDayEto(1959, 1, 1)), "辛酉");
    // Months whose first day the records fix a day after the computed new moon:
    // 延暦13年5月 (日本暦日原典 note 130-1-1) and 文政8年8月 (that year's issued almanac).
    EXPECT_EQ(calendar.ToNewDate(794, 5, 1), (NewDate{794, 6, 7}));
    EXPECT_STREQ(eto.GetEtoName(calendar.GetDayEto(794, 5, 1)), "癸酉");
    EXPECT_EQ(calendar.GetMonthDays(794, 4), 30);
    EXPECT_EQ(calendar.ToNewDate(1825, 8, 1), (NewDate{1825, 9, 13}));
    EXPECT_STREQ(eto.GetEtoName(calendar.GetDayEto(1825, 8, 1)), "丙辰");
    EXPECT_EQ(calendar.GetMonthDays(1825, 7), 30);
    // Find the old date that converts to 1949-10-01 and check it is 甲子.
    bool found = false;
    for (int p = 1; p <= calendar.GetMonthCount(1949) && !found; ++p) {
        for (int d = 1; d <= calendar.GetMonthDays(1949, p); ++d) {
            if (calendar.ToNewDate(1949, p, d) == NewDate{1949, 10, 1}) {
                EXPECT_EQ(calendar.GetDayEto(1949, p, d), 0);
                found = true;
                break;
            }
        }
    }
    EXPECT_TRUE(found);
}

TEST_F(OldCalendarTest, YearLengthsOfTellingRows) {
    struct Row { int year; const char* kinds; int days; };
    const Row rows[] = {
        {593, "010101010101", 354},  {1872, "010110110101", 355}, {1874, "001010101110", 354},
        {1959, "011010101010", 354}, {2000, "110010010110", 354}, {2051, "100101010111", 355},
    };
    for (const Row& row : rows) {
        int total = 0;
        for (int p = 1; p <= 12; ++p) {
            int expected = row.kinds[p - 1] == '1' ? 30 : 29;
            EXPECT_EQ(calendar.GetMonthDays(row.year, p), expected) << row.year << " month " << p;
            total += calendar.GetMonthDays(row.year, p);
        }
        EXPECT_EQ(total, row.days) << row.year;
    }
    // 1876: 110 100 101 101 with a small leap month after the fifth.
    const int months1876[13] = {30, 30, 29, 30, 29, 29, 29, 30, 29, 30, 30, 29, 30};
    for (int p = 1; p <= 13; ++p) EXPECT_EQ(calendar.GetMonthDays(1876, p), months1876[p - 1]);
}

TEST_F(OldCalendarTest, EveryYearIsALunarYearAndTheDaysRunOn) {
    // Each old year starts the day after the previous one ends, between 21 January
    // and 23 February, and lasts 353-355 or 383-385 days. Records fixed 854 and 891
    // at 356 days.
    for (int y = 593; y <= 2051; ++y) {
        int positions = calendar.GetMonthCount(y);
        int days = 0;
        for (int p = 1; p <= positions; ++p) days += calendar.GetMonthDays(y, p);
        if (y == 854 || y == 891) {
            EXPECT_EQ(days, 356) << y;
        } else if (positions == 12) {
            EXPECT_TRUE(days >= 353 && days <= 355) << y << ": " << days;
        } else {
            EXPECT_TRUE(days >= 383 && days <= 385) << y << ": " << days;
        }
        NewDate first = calendar.ToNewDate(y, 1, 1);
        EXPECT_EQ(first.year, y);
        int dayOfYear = first.month == 1 ? first.day : 31 + first.day;
        EXPECT_TRUE(first.month <= 2 && dayOfYear >= 21 && dayOfYear <= 54) << y;
        if (y > 593) {
            int prev = y - 1;
            int last = calendar.GetMonthCount(prev);
            NewDate end = calendar.ToNewDate(prev, last, calendar.GetMonthDays(prev, last) + 1);
            EXPECT_EQ(end, first) << y;
        }
    }
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(OldCalendarTest, EraNamesAndYears) {
    struct Era { int year; const char* name; int eraYear; };
    const Era eras[] = {
        {593, "推古", 1},  {1392, "元中", 9},  {1393, "明徳", 4},  {1394, "応永", 1},
        {1868, "明治", 1}, {1874, "明治", 7},  {1911, "明治", 44}, {1912, "大正", 1},
        {1920, "大正", 9}, {1925, "大正", 14}, {1926, "昭和", 1},  {1959, "昭和", 34},
        {1989, "平成", 1}, {2018, "平成", 30}, {2019, "令和", 1},  {2051, "令和", 33},
        {749, "天平勝宝", 1},
    };
    for (const Era& era : eras) {
        EXPECT_STREQ(calendar.GetEraName(era.year), era.name) << era.year;
        EXPECT_EQ(calendar.GetEraYear(era.year), era.eraYear) << era.year;
    }
}

TEST_F(OldCalendarTest, YearsOutsideTheTableAreRefusedWithTheirCodes) {
    EXPECT_EQ(calendar.CheckYear(593, 1), 0);
    EXPECT_EQ(calendar.CheckYear(2051, 1), 0);
    EXPECT_EQ(calendar.GetEraName(592), nullptr);
    EXPECT_EQ(calendar.GetEraYear(2052), -1);
    EXPECT_EQ(calendar.ToNewDate(2100, 1, 1), (NewDate{0, 0, 0}));
    EXPECT_EQ(calendar.GetLeapPosition(592), -1);
    EXPECT_EQ(calendar.GetMonthDays(2052, 1), -1);
    EXPECT_EQ(calendar.GetDayEto(592, 1, 1), -1);
    int kinds[12] = {};
    calendar.StoreYear(2052, kinds, 0, 0, "x", 1);
    ASSERT_EQ(sink.messages.size(), 7u);
    EXPECT_EQ(sink.messages[0], "592年の旧暦は計算できません.4");
    EXPECT_EQ(sink.messages[1], "2052年の旧暦は計算できません.5");
    EXPECT_EQ(sink.messages[2], "2100年の旧暦は計算できません.7");
    EXPECT_EQ(sink.messages[3], "592年の旧暦は計算できません.10");
    EXPECT_EQ(sink.messages[4], "2052年の旧暦は計算できません.11");
    EXPECT_EQ(sink.messages[5], "592年の旧暦は計算できません.13");
    EXPECT_EQ(sink.messages[6], "2052年の旧暦は計算できません.3");
    // The table is unchanged by the refused store.
    EXPECT_EQ(calendar.ToNewDate(2051, 1, 1), (NewDate{2051, 2, 11}));
}

TEST_F(OldCalendarTest, MonthPositionOutsideTheYearFailsQuietly) {
    EXPECT_EQ(calendar.GetMonthDays(1874, 13), -1);
    EXPECT_EQ(calendar.GetMonthDays(1874, 0), -1);
    EXPECT_EQ(calendar.GetMonthDays(1876, 14), -1);
    EXPECT_EQ(calendar.ToNewDate(1874, 13, 1), (NewDate{0, 0, 0}));
    EXPECT_EQ(calendar.GetDayEto(1874, -1, 1), -1);
    EXPECT_STREQ(eto.GetEtoName(calendar.GetDayEto(1874, 13, 1)), "");
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(OldCalendarTest, DaysBeyondTheMonthRunIntoTheNextMonth) {
    EXPECT_EQ(calendar.ToNewDate(1874, 1, 30), calendar.ToNewDate(1874, 2, 1));
    EXPECT_EQ(calendar.GetDayEto(1874, 1, 30), calendar.GetDayEto(1874, 2, 1));
}
