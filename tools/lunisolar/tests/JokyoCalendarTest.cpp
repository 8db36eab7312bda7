#include "DayMath.h"
#include "JokyoCalendar.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace lunisolar {
namespace {

const LunarMonth* MonthStartingOn(const std::vector<LunarMonth>& months, std::int64_t jdn)
{
    const auto found = std::find_if(months.begin(), months.end(), [&](const LunarMonth& m) { return m.start == jdn; });
    return found == months.end() ? nullptr : &*found;
}

TEST(JokyoCalendarTest, FirstMonthsOfEachCalendar)
{
    struct Case {
        const JokyoParameters& parameters;
        int year, month, day;
    };
    const Case cases[] = {
        {JokyoCalendarParameters(), 1685, 2, 4},
        {HorekiCalendarParameters(), 1755, 2, 11},
        {RevisedHorekiCalendarParameters(), 1771, 2, 15},
    };
    for (const Case& c : cases) {
        const std::vector<LunarMonth> months = ComputeJokyoMonths(c.parameters, c.year, c.year);
        const LunarMonth* month = MonthStartingOn(months, JdnFromGregorian(c.year, c.month, c.day));
        ASSERT_NE(month, nullptr) << c.year;
        EXPECT_EQ(month->year, c.year);
        EXPECT_EQ(month->number, 1);
        EXPECT_FALSE(month->leap);
    }
    // 元禄15年12月14日 = 1703-01-30: the 12th month of 1702 begins 1703-01-17.
    const std::vector<LunarMonth> genroku = ComputeJokyoMonths(JokyoCalendarParameters(), 1702, 1702);
    const LunarMonth* twelfth = MonthStartingOn(genroku, JdnFromGregorian(1703, 1, 30) - 13);
    ASSERT_NE(twelfth, nullptr);
    EXPECT_EQ(twelfth->year, 1702);
    EXPECT_EQ(twelfth->number, 12);
}

TEST(JokyoCalendarTest, NewMoonsWithinMinutesOfKyotoMidnight)
{
    // The computed new moon of each of these months lies within about three minutes of
    // the midnight at one end of its first day; the recipe lands on the issued
    // calendar's side of it.
    struct Case {
        const JokyoParameters& parameters;
        int year, month, day;
    };
    const Case cases[] = {
        {JokyoCalendarParameters(), 1692, 4, 16},         {JokyoCalendarParameters(), 1711, 5, 18},
        {JokyoCalendarParameters(), 1748, 2, 28},         {JokyoCalendarParameters(), 1751, 9, 20},
        {RevisedHorekiCalendarParameters(), 1771, 5, 14}, {RevisedHorekiCalendarParameters(), 1774, 5, 11},
        {RevisedHorekiCalendarParameters(), 1787, 3, 20},
    };
    for (const Case& c : cases) {
        const std::vector<LunarMonth> months = ComputeJokyoMonths(c.parameters, c.year - 1, c.year);
        EXPECT_NE(MonthStartingOn(months, JdnFromGregorian(c.year, c.month, c.day)), nullptr)
            << c.year << '-' << c.month << '-' << c.day;
    }
    // 天明7年2月朔 = 1787-03-20, the new moon at 00:01 Kyoto.
    const std::vector<LunarMonth> tenmei = ComputeJokyoMonths(RevisedHorekiCalendarParameters(), 1787, 1787);
    const LunarMonth* second = MonthStartingOn(tenmei, JdnFromGregorian(1787, 3, 20));
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->number, 2);
}

TEST(JokyoCalendarTest, TrueNewMoonStaysNearTheMeanOne)
{
    // The equations of centre move a new moon by at most about 14 hours.
    const JokyoParameters& p = JokyoCalendarParameters();
    for (long c = 0; c < 1000; ++c) {
        const double mean = p.epoch + static_cast<double>(c) * 29.530590 - p.leapOffset;
        EXPECT_NEAR(JokyoTrueNewMoon(p, c), mean, 0.65) << c;
    }
}

} // namespace
} // namespace lunisolar
