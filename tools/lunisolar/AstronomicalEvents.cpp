#include "AstronomicalEvents.h"

#include "DayMath.h"
#include "Ephemeris.h"

#include <cmath>

namespace lunisolar {

namespace {

constexpr double kKyotoLongitudeDegrees = 135.0 + 45.0 / 60 + 20.0 / 3600;
constexpr double kKyotoMeanOffsetDays = (9 * 3600 + 3 * 60 + 1) / 86400.0;
constexpr double kTokyoMeanOffsetDays = (9 * 3600 + 18 * 60 + 59) / 86400.0;
constexpr double kJstOffsetDays = 9 / 24.0;

std::int64_t DayOf(double localJd)
{
    return static_cast<std::int64_t>(std::floor(localJd + 0.5));
}

} // namespace

std::vector<double> NewMoonsBetween(double fromJde, double toJde)
{
    std::vector<double> result;
    double k = std::floor((fromJde - 2451550.09766) / 29.530588861) - 1;
    for (;; k += 1) {
        const double jde = NewMoonNear(MeanNewMoonJde(k));
        if (jde >= toJde)
            break;
        if (jde >= fromJde)
            result.push_back(jde);
    }
    return result;
}

std::vector<TermInstant> PrincipalTermsBetween(double fromJde, double toJde)
{
    std::vector<TermInstant> result;
    // Term n (counted from the 冬至 near J2000) lies near the mean date below.
    constexpr double kTropicalYear = 365.2422;
    constexpr double kSolstice2000 = 2451900.0; // near 2000-12-21
    double n = std::floor((fromJde - kSolstice2000) / (kTropicalYear / 12)) - 1;
    for (;; n += 1) {
        const int index = static_cast<int>(FloorMod(static_cast<std::int64_t>(n), 12));
        const double target = std::fmod(270.0 + 30.0 * index, 360.0);
        const double jde = SolarLongitudeNear(target, kSolstice2000 + n * kTropicalYear / 12);
        if (jde >= toJde)
            break;
        if (jde >= fromJde)
            result.push_back({jde, index});
    }
    return result;
}

std::int64_t KyotoMeanTimeDay(double jde)
{
    return DayOf(UtFromTt(jde) + kKyotoMeanOffsetDays);
}

std::int64_t KyotoApparentTimeDay(double jde)
{
    return DayOf(UtFromTt(jde) + kKyotoLongitudeDegrees / 360.0 + EquationOfTimeDays(jde));
}

std::int64_t MeijiCivilDay(double jde)
{
    static const std::int64_t standardTimeStart = JdnFromGregorian(1888, 1, 1);
    const double ut = UtFromTt(jde);
    if (DayOf(ut + kJstOffsetDays) >= standardTimeStart)
        return DayOf(ut + kJstOffsetDays);
    return DayOf(ut + kTokyoMeanOffsetDays);
}

} // namespace lunisolar
