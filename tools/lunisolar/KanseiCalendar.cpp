#include "KanseiCalendar.h"

#include "AstronomicalEvents.h"
#include "DayMath.h"
#include "MonthLabels.h"

#include <cmath>

namespace lunisolar {

namespace {

constexpr int kEpochYear = 1797;
constexpr double kEpochSolstice = 2377391.107112; // 寛政9年天正冬至, 1796-12-21 02:34 Kyoto
constexpr double kYear = 365.242347071;           // 歳実 at the epoch
constexpr double kSecularChange = -0.217685e-6;   // 消長 per year

} // namespace

double KanseiMeanTerm(int n, int index)
{
    const int decade = n / 10;
    const int rest = n % 10;
    const double start = 10.0 * decade * (kYear - 10.0 * (decade - 1) * kSecularChange);
    const double end = 10.0 * (decade + 1) * (kYear - 10.0 * decade * kSecularChange);
    const double solstice = start + (end - start) * rest / 10.0;
    const double yearLength = kYear - 20.0 * kSecularChange * decade;
    return kEpochSolstice + solstice + yearLength * index / 12.0;
}

std::vector<LunarMonth> ComputeKanseiMonths(int firstYear, int lastYear)
{
    MonthSkeleton skeleton;
    for (int n = firstYear - kEpochYear - 1; n <= lastYear + 2 - kEpochYear; ++n) {
        for (int index = 0; index < 12; ++index)
            skeleton.terms.push_back({static_cast<std::int64_t>(std::floor(KanseiMeanTerm(n, index))), index});
    }
    const double fromJde = static_cast<double>(JdnFromGregorian(firstYear - 1, 11, 1));
    const double toJde = static_cast<double>(JdnFromGregorian(lastYear + 2, 4, 1));
    for (double jde : NewMoonsBetween(fromJde, toJde))
        skeleton.starts.push_back(KyotoMeanTimeDay(jde));
    return LabelByMeanTerms(skeleton);
}

} // namespace lunisolar
