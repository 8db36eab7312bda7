#include "TrueTermCalendar.h"

#include "AstronomicalEvents.h"
#include "DayMath.h"
#include "MonthLabels.h"

#include <cstdint>

namespace lunisolar {

namespace {

using DayFunction = std::int64_t (*)(double);

std::vector<LunarMonth> ComputeTrueTermMonths(int firstYear, int lastYear, DayFunction dayOf)
{
    // From the autumn before the first year to the spring after the last one, so the
    // 冬至 months on both sides are included.
    const double fromJde = static_cast<double>(JdnFromGregorian(firstYear - 1, 10, 1));
    const double toJde = static_cast<double>(JdnFromGregorian(lastYear + 2, 4, 1));
    MonthSkeleton skeleton;
    for (double jde : NewMoonsBetween(fromJde, toJde))
        skeleton.starts.push_back(dayOf(jde));
    for (const TermInstant& term : PrincipalTermsBetween(fromJde, toJde))
        skeleton.terms.push_back({dayOf(term.jde), term.index});
    return LabelByTrueTerms(skeleton);
}

} // namespace

std::vector<LunarMonth> ComputeTenpoMonths(int firstYear, int lastYear)
{
    return ComputeTrueTermMonths(firstYear, lastYear, KyotoApparentTimeDay);
}

std::vector<LunarMonth> ComputeModernMonths(int firstYear, int lastYear)
{
    return ComputeTrueTermMonths(firstYear, lastYear, MeijiCivilDay);
}

} // namespace lunisolar
