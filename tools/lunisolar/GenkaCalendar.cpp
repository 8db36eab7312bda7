#include "GenkaCalendar.h"

#include "DayMath.h"
#include "MonthLabels.h"

namespace lunisolar {

namespace {

constexpr std::int64_t kEpochJdn = 1132331;    // a 甲子 day: 雨水 and 正月 mean new moon coincide
constexpr std::int64_t kYearOffset = 1612;     // (積年 5703 - 443) mod 3648
constexpr std::int64_t kMonthNumerator = 22207; // 朔望月 = 22207/752 days
constexpr std::int64_t kMonthDenominator = 752;
constexpr std::int64_t kYearNumerator = 111035; // year = 111035/304 days
constexpr std::int64_t kYearDenominator = 304;

} // namespace

std::int64_t GenkaMonthsBeforeYear(int year)
{
    return FloorDiv((year + kYearOffset) * 235, 19);
}

std::int64_t GenkaMonthStart(std::int64_t n)
{
    return kEpochJdn + FloorDiv(n * kMonthNumerator, kMonthDenominator);
}

std::int64_t GenkaTermDay(std::int64_t q)
{
    return kEpochJdn + FloorDiv(q * kYearNumerator, 12 * kYearDenominator);
}

std::vector<LunarMonth> ComputeGenkaMonths(int firstYear, int lastYear)
{
    MonthSkeleton skeleton;
    for (std::int64_t n = GenkaMonthsBeforeYear(firstYear - 1); n <= GenkaMonthsBeforeYear(lastYear + 2); ++n)
        skeleton.starts.push_back(GenkaMonthStart(n));
    for (std::int64_t q = 12 * (firstYear - 1 + kYearOffset) - 3; q <= 12 * (lastYear + 2 + kYearOffset); ++q)
        skeleton.terms.push_back({GenkaTermDay(q), static_cast<int>(FloorMod(q + 2, 12))});
    return LabelByMeanTerms(skeleton);
}

} // namespace lunisolar
