#include "DayMath.h"

#include <gtest/gtest.h>

namespace lunisolar {
namespace {

TEST(DayMathTest, FloorDivisionRoundsTowardMinusInfinity)
{
    EXPECT_EQ(FloorDiv(7, 2), 3);
    EXPECT_EQ(FloorDiv(-7, 2), -4);
    EXPECT_EQ(FloorDiv(-8, 2), -4);
    EXPECT_EQ(FloorMod(-7, 60), 53);
    EXPECT_EQ(FloorMod(-35412747829, 60), 11);
}

TEST(DayMathTest, DayNumbersOfKnownDates)
{
    EXPECT_EQ(JdnFromGregorian(2000, 1, 1), 2451545);
    EXPECT_EQ(DaySign(2451545), 54); // 戊午
    EXPECT_EQ(JdnFromJulian(593, 2, 7), 1937689);
    EXPECT_EQ(JdnFromGregorian(593, 2, 9), 1937689);
    EXPECT_EQ(DaySign(1937689), 38); // 壬寅
    EXPECT_EQ(JdnFromJulian(1582, 10, 4) + 1, JdnFromGregorian(1582, 10, 15));
}

TEST(DayMathTest, HistoricalDatesSwitchAtTheGregorianReform)
{
    EXPECT_EQ(FormatHistoricalDate(kGregorianStartJdn), "1582-10-15");
    EXPECT_EQ(FormatHistoricalDate(kGregorianStartJdn - 1), "1582-10-04");
    for (std::int64_t jdn = 1900000; jdn < 2500000; jdn += 997) {
        std::int64_t back = 0;
        ASSERT_TRUE(ParseHistoricalDate(FormatHistoricalDate(jdn), back));
        EXPECT_EQ(back, jdn);
    }
}

TEST(DayMathTest, ParseRejectsMalformedDates)
{
    std::int64_t jdn = 0;
    EXPECT_FALSE(ParseHistoricalDate("", jdn));
    EXPECT_FALSE(ParseHistoricalDate("1825-9-31", jdn));
    EXPECT_FALSE(ParseHistoricalDate("1582-10-10", jdn)); // dropped by the reform
    EXPECT_FALSE(ParseHistoricalDate("1825-13-01", jdn));
    EXPECT_FALSE(ParseHistoricalDate("1825-09-12x", jdn));
    EXPECT_TRUE(ParseHistoricalDate("0697-4-26", jdn));
    EXPECT_EQ(jdn, JdnFromJulian(697, 4, 26));
}

} // namespace
} // namespace lunisolar
