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

// Old dates (month positions count a leap month as its own position) and the
// Gregorian days and day signs they fall on, at year, table and record edges (those of
// the hall's years, 1874-1959: the old/new table's test).
TEST_F(OldCalendarTest, OldDatesFallOnTheirDaysAndDaySigns) {
    struct Case { int year, position, day; NewDate date; const char* sign; };
    const Case cases[] = {
        {593, 1, 1, {593, 2, 9}, "壬寅"},     {1872, 12, 2, {1872, 12, 31}, nullptr},
        {1873, 1, 1, {1873, 1, 29}, nullptr}, {1889, 1, 1, {1889, 1, 31}, nullptr},
        {2000, 1, 1, {2000, 2, 5}, nullptr},  {2033, 1, 1, {2033, 1, 31}, nullptr},
        {2051, 12, 30, {2052, 1, 31}, nullptr},
        // First days the records fix a day after the computed new moon: 延暦13年5月
        // (日本暦日原典 note 130-1-1) and 文政8年8月 (that year's issued almanac).
        {794, 5, 1, {794, 6, 7}, "癸酉"},     {1825, 8, 1, {1825, 9, 13}, "丙辰"},
        // A day past the month's end runs into the next month; 1874-03-18 is 27,590 days
        // before 1949-10-01, a 甲子 day.
        {1874, 1, 30, {1874, 3, 18}, "甲戌"}, {1874, 2, 1, {1874, 3, 18}, "甲戌"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(calendar.ToNewDate(c.year, c.position, c.day), c.date) << c.year << "-" << c.position;
        if (c.sign) {
            EXPECT_STREQ(eto.GetEtoName(calendar.GetDayEto(c.year, c.position, c.day)), c.sign);
        }
    }
    EXPECT_TRUE(sink.messages.empty());
}

// Month lengths (1 = 30 days) and leap positions of telling years, with the months the
// records fix (794: month 4 has 30 days; 1825: 7月大 8月小).
TEST_F(OldCalendarTest, MonthLengthsAndLeapPositionsOfTellingYears) {
    struct Row { int year; const char* kinds; int leap; };
    const Row rows[] = {
        {593, "010101010101", 0},  {594, nullptr, 10},         {794, "???1", 0},
        {1825, "??????10", 0},     {1872, "010110110101", 0},  {1873, nullptr, 7},
        {1874, "001010101110", 0}, {1876, "1101000101101", 6}, {1959, "011010101010", 0},
        {2000, "110010010110", 0}, {2033, nullptr, 12},        {2051, "100101010111", 0},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(calendar.GetLeapPosition(row.year), row.leap) << row.year;
        for (int p = 1; row.kinds && row.kinds[p - 1]; ++p) {
            if (row.kinds[p - 1] == '?') continue;
            EXPECT_EQ(calendar.GetMonthDays(row.year, p), row.kinds[p - 1] == '1' ? 30 : 29)
                << row.year << " month " << p;
        }
    }
}

TEST_F(OldCalendarTest, EveryYearIsALunarYearAndTheDaysRunOn) {
    // Each old year starts the day after the previous one ends, between 21 January
    // and 23 February, and lasts 353-355 or 383-385 days. Records fixed 854 and 891
    // at 356 days.
    for (int y = 593; y <= 2051; ++y) {
        int positions = calendar.GetMonthCount(y);
        int days = 0;
        for (int p = 1; p <= positions; ++p) days += calendar.GetMonthDays(y, p);
        const bool fixed = y == 854 || y == 891;
        const int shortest = fixed ? 356 : positions == 12 ? 353 : 383;
        EXPECT_TRUE(days >= shortest && days <= shortest + (fixed ? 0 : 2)) << y << ": " << days;
        NewDate first = calendar.ToNewDate(y, 1, 1);
        EXPECT_EQ(first.year, y);
        int dayOfYear = first.month == 1 ? first.day : 31 + first.day;
        EXPECT_TRUE(first.month <= 2 && dayOfYear >= 21 && dayOfYear <= 54) << y;
        if (y > 593) {
            int last = calendar.GetMonthCount(y - 1);
            EXPECT_EQ(calendar.ToNewDate(y - 1, last, calendar.GetMonthDays(y - 1, last) + 1), first) << y;
        }
    }
    EXPECT_TRUE(sink.messages.empty());
}

// Era names and years across run edges, with the historical spellings of the nine eras
// whose names the era list once carried misprinted (寛喜 to 享和).
TEST_F(OldCalendarTest, EraNamesAndYears) {
    struct Era { int year; const char* name; int eraYear; };
    const Era eras[] = {
        {593, "推古", 1},   {628, "推古", 36},  {629, "舒明", 1},   {749, "天平勝宝", 1},
        {854, "斉衡", 1},   {1229, "寛喜", 1},  {1392, "元中", 9},  {1393, "明徳", 4},
        {1394, "応永", 1},  {1429, "永享", 1},  {1452, "享徳", 1},  {1487, "長享", 1},
        {1528, "享禄", 1},  {1716, "享保", 1},  {1744, "延享", 1},  {1801, "享和", 1},
        {1868, "明治", 1},  {1911, "明治", 44}, {1912, "大正", 1},  {1925, "大正", 14},
        {1926, "昭和", 1},  {1959, "昭和", 34}, {1989, "平成", 1},  {2018, "平成", 30},
        {2019, "令和", 1},  {2051, "令和", 33},
    };
    for (const Era& era : eras) {
        EXPECT_STREQ(calendar.GetEraName(era.year), era.name) << era.year;
        EXPECT_EQ(calendar.GetEraYear(era.year), era.eraYear) << era.year;
    }
}

TEST_F(OldCalendarTest, YearsOutsideTheTableAreRefusedWithTheirCodesAndMonthsQuietly) {
    EXPECT_EQ(calendar.CheckYear(593, 1), 0);
    EXPECT_EQ(calendar.CheckYear(2051, 1), 0);
    EXPECT_EQ(calendar.GetEraName(592), nullptr);
    // Years outside the table give -1 with a notice, month positions outside a year quietly.
    EXPECT_EQ((std::vector<int>{calendar.GetEraYear(2052), calendar.GetLeapPosition(592),
                                calendar.GetMonthDays(2052, 1), calendar.GetDayEto(592, 1, 1),
                                calendar.GetMonthDays(1874, 13), calendar.GetMonthDays(1874, 0),
                                calendar.GetMonthDays(1876, 14), calendar.GetDayEto(1874, -1, 1)}),
              std::vector<int>(8, -1));
    EXPECT_EQ(calendar.ToNewDate(2100, 1, 1), (NewDate{0, 0, 0}));
    EXPECT_EQ(calendar.ToNewDate(1874, 13, 1), (NewDate{0, 0, 0}));
    EXPECT_STREQ(eto.GetEtoName(calendar.GetDayEto(1874, 13, 1)), "");
    int kinds[12] = {};
    calendar.StoreYear(2052, kinds, 0, 0, "x", 1);
    EXPECT_EQ(sink.messages, (std::vector<std::string>{
                                 "592年の旧暦は計算できません.4", "2052年の旧暦は計算できません.5",
                                 "592年の旧暦は計算できません.10", "2052年の旧暦は計算できません.11",
                                 "592年の旧暦は計算できません.13", "2100年の旧暦は計算できません.7",
                                 "2052年の旧暦は計算できません.3"}));
    // The table is unchanged by the refused store.
    EXPECT_EQ(calendar.ToNewDate(2051, 1, 1), (NewDate{2051, 2, 11}));
}
