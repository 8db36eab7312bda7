#include "calendar/NewCalendar.h"

#include <gtest/gtest.h>

#include <ctime>

TEST(NewCalendar, FebruaryFollowsTheGregorianRule) {
    EXPECT_EQ(CNewCalendar::GetFebruaryDays(1900), 28);
    EXPECT_EQ(CNewCalendar::GetFebruaryDays(2000), 29);
    EXPECT_EQ(CNewCalendar::GetFebruaryDays(1876), 29);
    EXPECT_EQ(CNewCalendar::GetFebruaryDays(1874), 28);
    EXPECT_EQ(CNewCalendar::GetFebruaryDays(700), 28);  // proleptic: no Julian leap day
    EXPECT_EQ(CNewCalendar::GetYearDays(2000), 366);
    EXPECT_EQ(CNewCalendar::GetYearDays(1900), 365);
}

TEST(NewCalendar, MonthLengths) {
    const int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int m = 1; m <= 12; ++m) EXPECT_EQ(CNewCalendar::GetMonthDays(1874, m), lengths[m - 1]);
    EXPECT_EQ(CNewCalendar::GetMonthDays(1876, 2), 29);
}

TEST(NewCalendar, WeekdaysOfKnownDates) {
    EXPECT_EQ(CNewCalendar::GetWeekday(2000, 1, 1), 6);
    EXPECT_EQ(CNewCalendar::GetWeekday(1900, 3, 1), 4);
    EXPECT_EQ(CNewCalendar::GetWeekday(1874, 2, 17), 2);
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
