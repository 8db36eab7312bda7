#include "AstronomicalEvents.h"
#include "DayMath.h"
#include "Ephemeris.h"
#include "TableFixture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace lunisolar {
namespace {

using testing::AdoptedMonthOn;

struct Expected {
    int year, month, day; // Gregorian first day
    int oldYear;
    int number;
    bool leap;
};

void ExpectMonthStarts(const Expected& e)
{
    const std::int64_t jdn = JdnFromGregorian(e.year, e.month, e.day);
    const LunarMonth* month = AdoptedMonthOn(jdn);
    ASSERT_NE(month, nullptr);
    EXPECT_EQ(month->start, jdn) << e.year << '-' << e.month << '-' << e.day << " is not a first day";
    EXPECT_EQ(month->year, e.oldYear) << e.year << '-' << e.month << '-' << e.day;
    EXPECT_EQ(month->number, e.number) << e.year << '-' << e.month << '-' << e.day;
    EXPECT_EQ(month->leap, e.leap) << e.year << '-' << e.month << '-' << e.day;
}

TEST(TrueTermCalendarTest, LeapMonthsOfTheTrueTermRule)
{
    const Expected cases[] = {
        {1852, 3, 21, 1852, 2, true},    // anchor rule: 閏2, not 閏11 of 1851
        {1851, 11, 23, 1851, 11, false}, // holds 小雪 and 冬至
        {1873, 7, 24, 1873, 6, true},
        {1890, 1, 21, 1889, 12, true},
        {1947, 3, 23, 1947, 2, true},    // the astronomical rule, not the almanac's 閏3
        {1984, 11, 23, 1984, 10, true},
        {1984, 12, 22, 1984, 11, false}, // holds 冬至 and 大寒
        {2033, 9, 23, 2033, 9, false},   // 2033: anchors leave no room; counted from 冬至 to 冬至
        {2033, 10, 23, 2033, 10, false},
        {2033, 11, 22, 2033, 11, false},
        {2033, 12, 22, 2033, 11, true},
        {2034, 1, 20, 2033, 12, false},
        {2034, 2, 19, 2034, 1, false},
    };
    for (const Expected& e : cases)
        ExpectMonthStarts(e);
}

TEST(TrueTermCalendarTest, NewMoonsNearMidnight)
{
    const Expected cases[] = {
        {1884, 4, 26, 1884, 4, false},   // Tokyo mean time: 00:17 (23:58 JST the day before)
        {1877, 6, 11, 1877, 5, false},   // 23:52 Tokyo mean time
        {1886, 4, 4, 1886, 3, false},    // 23:50 Tokyo mean time
        {1908, 9, 25, 1908, 9, false},
        {1913, 12, 27, 1913, 12, false},
        {1932, 10, 29, 1932, 10, false},
        {1967, 5, 9, 1967, 4, false},
        {2005, 12, 2, 2005, 11, false},
        {2012, 6, 20, 2012, 5, false},
        {2017, 2, 26, 2017, 2, false},
        {2035, 1, 10, 2034, 12, false},
        {2044, 11, 19, 2044, 10, false},
        {2050, 2, 22, 2050, 2, false},
        {2051, 11, 3, 2051, 10, false},  // 23:58:44 JST
    };
    for (const Expected& e : cases)
        ExpectMonthStarts(e);
}

// Minutes after local midnight of the new moon nearest to the date, in the offset's time.
double NewMoonMinutes(int year, int month, int day, double offsetHours)
{
    const double jde = NewMoonNear(static_cast<double>(JdnFromGregorian(year, month, day)));
    const double local = UtFromTt(jde) + 0.5 + offsetHours / 24;
    return (local - std::floor(local)) * 1440;
}

TEST(TrueTermCalendarTest, EphemerisInstants)
{
    EXPECT_NEAR(NewMoonMinutes(2017, 2, 26, 9), 23 * 60 + 58.3, 0.5);
    EXPECT_NEAR(NewMoonMinutes(2051, 11, 3, 9), 23 * 60 + 58.7, 0.5);
    EXPECT_NEAR(NewMoonMinutes(2000, 1, 6, 0), 18 * 60 + 14, 1.0);
    const double equinox = SolarLongitudeNear(180, static_cast<double>(JdnFromGregorian(2033, 9, 23)));
    const double local = UtFromTt(equinox) + 0.5 + 9.0 / 24;
    EXPECT_EQ(FormatHistoricalDate(static_cast<std::int64_t>(std::floor(local))), "2033-09-23");
    EXPECT_NEAR((local - std::floor(local)) * 1440, 1 * 60 + 52, 2.0);
    EXPECT_NEAR(DeltaTSeconds(static_cast<double>(JdnFromGregorian(2017, 1, 1))), 69, 2.0);
}

// TT instant of a local clock reading (hours after midnight of the Gregorian date).
double Instant(int year, int month, int day, double localHours, double offsetHours)
{
    const double ut = static_cast<double>(JdnFromGregorian(year, month, day)) - 0.5 + (localHours - offsetHours) / 24;
    return ut + DeltaTSeconds(ut) / 86400;
}

TEST(TrueTermCalendarTest, TimeBases)
{
    // 23:50 JST is 00:08:59 Tokyo mean time of the next day: Tokyo time until 1887, JST after.
    EXPECT_EQ(MeijiCivilDay(Instant(1884, 4, 25, 23 + 50.0 / 60, 9)), JdnFromGregorian(1884, 4, 26));
    EXPECT_EQ(MeijiCivilDay(Instant(1890, 4, 25, 23 + 50.0 / 60, 9)), JdnFromGregorian(1890, 4, 25));
    // In early November apparent time runs about 16 min ahead of mean time.
    const double kyotoMean = 9 + 3.0 / 60 + 1.0 / 3600;
    const double lateEvening = Instant(1850, 11, 2, 23 + 50.0 / 60, kyotoMean);
    EXPECT_EQ(KyotoMeanTimeDay(lateEvening), JdnFromGregorian(1850, 11, 2));
    EXPECT_EQ(KyotoApparentTimeDay(lateEvening), JdnFromGregorian(1850, 11, 3));
    EXPECT_NEAR(EquationOfTimeDays(lateEvening) * 1440, 16.4, 0.3);
}

TEST(TrueTermCalendarTest, FragileMonthsOfTheEdoCalendars)
{
    const Expected cases[] = {
        {1857, 5, 23, 1857, 5, false}, // 天保暦: about 5 min from Kyoto apparent midnight
        {1860, 10, 14, 1860, 9, false},
        {1866, 5, 15, 1866, 4, false},
        // 寛政暦: the ephemeris puts the new moon 24 s before Kyoto mean midnight; the issued
        // almanac began the month the next day, and the override follows it.
        {1825, 9, 13, 1825, 8, false},
    };
    for (const Expected& e : cases)
        ExpectMonthStarts(e);
}

} // namespace
} // namespace lunisolar
