#include "DayMath.h"
#include "TangCalendar.h"

#include <gtest/gtest.h>

namespace lunisolar {
namespace {

// A scaled instant written as 大余-小余 (days mod 60, 分).
struct Sexagesimal {
    std::int64_t days;
    double fraction;
};

Sexagesimal Split(const TangParameters& p, std::int64_t instant)
{
    const std::int64_t day = p.dayUnit * p.scale;
    return {FloorMod(FloorDiv(instant, day), 60), static_cast<double>(FloorMod(instant, day)) / static_cast<double>(p.scale)};
}

Sexagesimal SplitSpan(const TangParameters& p, std::int64_t span)
{
    const std::int64_t day = p.dayUnit * p.scale;
    return {span / day, static_cast<double>(span % day) / static_cast<double>(p.scale)};
}

TEST(TangCalendarTest, SenmyoWorkedExampleOf1650)
{
    const TangParameters& p = SenmyoParameters();
    const TangSolsticeYear year = ComputeTangSolsticeYear(p, 1650);
    EXPECT_EQ(p.accumulatedYears + 1650 - p.baseYear, 7070966);
    EXPECT_EQ(Split(p, year.solstice).days, 11);
    EXPECT_EQ(Split(p, year.solstice).fraction, 2730);
    EXPECT_EQ(SplitSpan(p, year.leapRemainder).days, 18);
    EXPECT_EQ(SplitSpan(p, year.leapRemainder).fraction, 6867);

    ASSERT_GE(year.months.size(), 2u);
    const TangMonthTrace& eleventh = year.months[0];
    EXPECT_EQ(Split(p, eleventh.meanNewMoon).days, 52);
    EXPECT_EQ(Split(p, eleventh.meanNewMoon).fraction, 4263);
    EXPECT_EQ(eleventh.segment, 22); // 小雪
    EXPECT_EQ(SplitSpan(p, eleventh.segmentOffset).days, 10);
    EXPECT_DOUBLE_EQ(SplitSpan(p, eleventh.segmentOffset).fraction, 2604.25);
    EXPECT_EQ(eleventh.solarCorrection, -567);
    EXPECT_TRUE(eleventh.secondHalf); // 退
    EXPECT_EQ(SplitSpan(p, eleventh.lunarPosition).days, 1);
    EXPECT_DOUBLE_EQ(SplitSpan(p, eleventh.lunarPosition).fraction, 2446.665);
    EXPECT_EQ(eleventh.lunarCorrection, -1041);
    EXPECT_EQ(Split(p, eleventh.trueNewMoon).days, 52);
    EXPECT_EQ(Split(p, eleventh.trueNewMoon).fraction, 2655);
    EXPECT_EQ(DaySign(eleventh.firstDay), 52); // 丙辰

    const TangMonthTrace& twelfth = year.months[1];
    EXPECT_EQ(Split(p, twelfth.meanNewMoon).days, 22);
    EXPECT_EQ(Split(p, twelfth.meanNewMoon).fraction, 320);
    EXPECT_EQ(twelfth.segment, 0); // 冬至
    EXPECT_EQ(SplitSpan(p, twelfth.segmentOffset).days, 10);
    EXPECT_EQ(SplitSpan(p, twelfth.segmentOffset).fraction, 5990);
    EXPECT_EQ(twelfth.solarCorrection, 338);
    EXPECT_TRUE(twelfth.secondHalf);
    EXPECT_EQ(SplitSpan(p, twelfth.lunarPosition).days, 3);
    EXPECT_DOUBLE_EQ(SplitSpan(p, twelfth.lunarPosition).fraction, 2245.475);
    EXPECT_EQ(twelfth.lunarCorrection, -2278);
    EXPECT_EQ(Split(p, twelfth.trueNewMoon).days, 21);
    EXPECT_EQ(Split(p, twelfth.trueNewMoon).fraction, 6780);
    EXPECT_EQ(DaySign(twelfth.firstDay), 22); // 進朔: 丙戌, not 乙酉
}

TEST(TangCalendarTest, SenmyoYearsStartingInRitto)
{
    // In these years the 11th month's mean new moon lies in the 立冬 segment.
    for (int x : {1032, 1051, 1070, 1089, 1108, 1127, 1146, 1165, 1184})
        EXPECT_EQ(ComputeTangSolsticeYear(SenmyoParameters(), x).months.front().segment, 21) << x;
    EXPECT_EQ(ComputeTangSolsticeYear(SenmyoParameters(), 1050).months.front().segment, 22);
}

TEST(TangCalendarTest, AdvanceStartsAtExactly6300)
{
    const TangParameters& p = SenmyoParameters();
    const std::int64_t day = p.dayUnit * p.scale;
    const std::int64_t midnight = 1000 * day;
    EXPECT_EQ(TangFirstDay(p, midnight + 6299 * p.scale + p.scale - 1), p.epochJdn + 1000);
    EXPECT_EQ(TangFirstDay(p, midnight + 6300 * p.scale), p.epochJdn + 1001);
    EXPECT_EQ(TangFirstDay(p, midnight + day - 1), p.epochJdn + 1001);
    // 大衍暦 is computed without 進朔.
    const TangParameters& taien = TaienParameters();
    const std::int64_t taienDay = taien.dayUnit * taien.scale;
    EXPECT_EQ(TangFirstDay(taien, 5 * taienDay + taienDay - 1), taien.epochJdn + 5);
}

class TangTablesTest : public ::testing::TestWithParam<const TangParameters*> {};

TEST_P(TangTablesTest, LunarTablesChainAndCloseTheCycle)
{
    const TangParameters& p = *GetParam();
    for (const auto* table : {&p.lunar, &p.lunarSecond}) {
        if (table->empty())
            continue;
        std::int64_t span = 0;
        for (std::size_t i = 0; i + 1 < table->size(); ++i) {
            EXPECT_EQ((*table)[i].stack + (*table)[i].rate, (*table)[i + 1].stack) << "row " << i;
            span += (*table)[i].span;
        }
        EXPECT_EQ(table->back().stack + table->back().rate, 0);
        EXPECT_EQ(span + table->back().span, p.anomaly);
    }
}

TEST_P(TangTablesTest, SolarSegmentsAreSymmetricAndFillTheYear)
{
    const TangParameters& p = *GetParam();
    std::int64_t total = 0;
    for (int j = 0; j < 24; ++j) {
        EXPECT_EQ(p.solar[j].boundaryOffset, -p.solar[(j + 12) % 24].boundaryOffset) << j;
        EXPECT_EQ(p.solar[j].startCorrection, -p.solar[(j + 12) % 24].startCorrection) << j;
        EXPECT_EQ(TangSegmentLength(p, j), TangSegmentLength(p, 23 - j)) << j;
        total += TangSegmentLength(p, j);
    }
    EXPECT_EQ(total, p.year);
}

TEST_P(TangTablesTest, SolarCorrectionReachesTheNextSegmentsValue)
{
    // Accumulating a segment's daily rates lands within a few 分 of the next segment's 朓朒積.
    const TangParameters& p = *GetParam();
    for (int j = 0; j < 24; ++j) {
        const std::int64_t end = TangSolarCorrection(p, j, TangSegmentLength(p, j) - 1);
        EXPECT_NEAR(static_cast<double>(end), static_cast<double>(p.solar[(j + 1) % 24].startCorrection), 3) << j;
    }
}

INSTANTIATE_TEST_SUITE_P(AllTangCalendars, TangTablesTest,
                         ::testing::Values(&GihoParameters(), &TaienParameters(), &SenmyoParameters()));

TEST(TangCalendarTest, DerivedSegmentLengths)
{
    const TangParameters& s = SenmyoParameters();
    EXPECT_EQ(TangSegmentLength(s, 0), (14 * 8400) * 200 + 4235 * 200 + 125); // 14 d 4235 5/8
    EXPECT_EQ(TangSegmentLength(s, 6), (15 * 8400) * 200 + 2435 * 200 + 125); // 15 d 2435 5/8
    const TangParameters& g = GihoParameters();
    EXPECT_EQ(TangSegmentLength(g, 0), (14 * 1340) * 12 + 910 * 12 + 10);     // 14 d 910 5/6
    EXPECT_EQ(TangSegmentLength(g, 2), (14 * 1340) * 12 + 1118 * 12 + 10);    // 14 d 1118 5/6
}

TEST(TangCalendarTest, FirstMonthsOfEachCalendar)
{
    auto newYear = [](const TangParameters& p, int year) {
        for (const LunarMonth& m : ComputeTangMonths(p, year, year))
            if (m.year == year && m.number == 1 && !m.leap)
                return FormatHistoricalDate(m.start);
        return std::string();
    };
    EXPECT_EQ(newYear(GihoParameters(), 698), "0698-02-16");
    EXPECT_EQ(newYear(TaienParameters(), 764), "0764-02-07");
    EXPECT_EQ(newYear(SenmyoParameters(), 862), "0862-02-03");
}

} // namespace
} // namespace lunisolar
