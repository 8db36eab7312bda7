#include "calendar/NewCalendar.h"

#include <gtest/gtest.h>

TEST(NewCalendar, MonthLengthsFollowTheGregorianRuleAndKnownDatesTheirWeekdays) {
    // February of a year (proleptic: 700 has no Julian leap day) and the year's length.
    for (auto [year, february] : {std::pair{1900, 28}, {2000, 29}, {1876, 29}, {1874, 28}, {700, 28}}) {
        EXPECT_EQ(CNewCalendar::GetFebruaryDays(year), february) << year;
        EXPECT_EQ(CNewCalendar::GetYearDays(year), 337 + february) << year;
    }
    EXPECT_EQ(CNewCalendar::GetMonthDays(1876, 2), 29);
    CNewCalendar calendar;  // the table's rows show the names of weekdays 0 to 6
    EXPECT_STREQ(calendar.GetWeekdayName(7), "");
    EXPECT_STREQ(calendar.GetWeekdayName(-1), "");
}

TEST(NewCalendar, WeekdaysRunOnDayByDayOverTwoCenturies) {
    // Every day from 1900 to 2099 is the weekday after the day before it; the old/new
    // table's weekdays of 1874 and 1959 pin it.
    int weekday = CNewCalendar::GetWeekday(1900, 1, 1);
    for (int y = 1900; y < 2100; ++y) {
        for (int m = 1; m <= 12; ++m) {
            for (int d = 1; d <= CNewCalendar::GetMonthDays(y, m); ++d) {
                ASSERT_EQ(CNewCalendar::GetWeekday(y, m, d), weekday) << y << "-" << m << "-" << d;
                weekday = (weekday + 1) % 7;
            }
        }
    }
}
