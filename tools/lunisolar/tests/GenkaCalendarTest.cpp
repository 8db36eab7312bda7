#include "DayMath.h"
#include "GenkaCalendar.h"

#include <gtest/gtest.h>

namespace lunisolar {
namespace {

TEST(GenkaCalendarTest, WorkedExampleOf529)
{
    // (1612 + 529) x 235 / 19 = 26480 rem 15; 26480 x 22207 / 752 = 781969 rem 672.
    EXPECT_EQ(GenkaMonthsBeforeYear(529), 26480);
    const std::int64_t newYear = GenkaMonthStart(26480);
    EXPECT_EQ(newYear, 1914300);
    EXPECT_EQ(DaySign(newYear), 49); // 癸丑
    EXPECT_EQ(FormatHistoricalDate(newYear), "0529-01-25");
    EXPECT_EQ(26480 * 22207 % 752, 672);

    // 雨水 of 529: 大余 13, 小余 63/304.
    EXPECT_EQ(DaySign(GenkaTermDay(12 * (529 + 1612))), 13);
    EXPECT_EQ((529 + 1612) * 111035 % 304, 63);
}

TEST(GenkaCalendarTest, FirstYearOfTheTable)
{
    const std::vector<LunarMonth> months = ComputeGenkaMonths(593, 594);
    const auto first = std::find_if(months.begin(), months.end(),
                                    [](const LunarMonth& m) { return m.year == 593 && m.number == 1; });
    ASSERT_NE(first, months.end());
    EXPECT_EQ(first->start, 1937689);
    const auto leap = std::find_if(months.begin(), months.end(), [](const LunarMonth& m) { return m.leap; });
    ASSERT_NE(leap, months.end());
    EXPECT_EQ(leap->year, 594);
    EXPECT_EQ(leap->number, 9);
}

} // namespace
} // namespace lunisolar
