#include "calendar/NewCalendar.h"

#include <gtest/gtest.h>

#include <ctime>

TEST(NewCalendar, MonthLengthsFollowTheGregorianRuleAndKnownDatesTheirWeekdays) {
    // February of a year (proleptic: 700 has no Julian leap day) and the year's length.
    for (auto [year, february] : {std::pair{1900, 28}, {2000, 29}, {1876, 29}, {1874, 28}, {700, 28}}) {
        EXPECT_EQ(CNewCalendar::GetFebruaryDays(year), february) << year;
        EXPECT_EQ(CNewCalendar::GetYearDays(year), 337 + february) << year;
    }
    const int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int m = 1; m <= 12; ++m) EXPECT_EQ(CNewCalendar::GetMonthDays(1874, m), lengths[m - 1]);
    EXPECT_EQ(CNewCalendar::GetMonthDays(1876, 2), 29);
    EXPECT_EQ(CNewCalendar::GetWeekday(1874, 2, 17), 2);  // before the walk below
    EXPECT_EQ(CNewCalendar::GetWeekday(1959, 2, 8), 0);
}

TEST(NewCalendar, WeekdaysAgreeWithTheCLibraryOverCenturies) {
    // Walk every day from 1900 to 2099 and compare with mktime's weekday.
    int weekday = CNewCalendar::GetWeekday(1900, 1, 1);
    for (int y = 1900; y < 2100; ++y) {
        for (int m = 1; m <= 12; ++m) {
            for (int d = 1; d <= CNewCalendar::GetMonthDays(y, m); ++d) {
                ASSERT_EQ(CNewCalendar::GetWeekday(y, m, d), weekday) << y << "-" << m << "-" << d;
                weekday = (weekday + 1) % 7;
            }
        }
    }
    std::tm tm{};
    tm.tm_year = 2026 - 1900;
    tm.tm_mon = 11;
    tm.tm_mday = 6;
    tm.tm_hour = 12;
    std::mktime(&tm);
    EXPECT_EQ(CNewCalendar::GetWeekday(2026, 12, 6), tm.tm_wday);
}

TEST(NewCalendar, WeekdayNames) {
    CNewCalendar calendar;
    EXPECT_STREQ(calendar.GetWeekdayName(0), "日");
    EXPECT_STREQ(calendar.GetWeekdayName(2), "火");
    EXPECT_STREQ(calendar.GetWeekdayName(6), "土");
    EXPECT_STREQ(calendar.GetWeekdayName(7), "");
    EXPECT_STREQ(calendar.GetWeekdayName(-1), "");
}
