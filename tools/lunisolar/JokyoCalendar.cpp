#include "JokyoCalendar.h"

#include "MonthLabels.h"

#include <cmath>

namespace lunisolar {

namespace {

constexpr double kSynodicMonth = 29.530590;   // 朔実
constexpr double kAnomalisticMonth = 27.5546; // 転終
constexpr double kMoonDailyMotion = 13.36875; // 月平行, degrees per day
constexpr double kSecularChange = 1.0e-6;     // 消長
constexpr double kPrecession = 0.015;         // 歳差 term, days per year
constexpr double kLunarStep = 0.1;            // 限, days
constexpr double kJokyoYear = 365.241696;     // the year the solar breakpoints are given for

// Solar equation of centre, units of 1e-8 degree, x days after the reference point;
// the breakpoints scale with the calendar's year.
double SolarEquation(double x, double year)
{
    const double scale = year / kJokyoYear;
    const double perigeeQuarter = 89.25392 * scale;
    const double half = 182.620848 * scale;
    const double apogeeQuarter = 275.987776 * scale;
    auto inner = [](double d) { return 4360000 * d - 20000 * d * d - 34 * d * d * d; };
    auto outer = [](double d) { return 4119800 * d - 17640 * d * d - 31 * d * d * d; };
    if (x < perigeeQuarter)
        return inner(x);
    if (x < half)
        return outer(half - x);
    if (x < apogeeQuarter)
        return -outer(x - half);
    return -inner(year - x);
}

// Lunar equation of centre, units of 1e-8 degree, g in 限 (0.1 day) of anomaly.
double LunarEquation(double g)
{
    constexpr double full = 275.546;
    auto inner = [](double d) { return 11731000 * d - 37000 * d * d - 400 * d * d * d; };
    auto outer = [](double d) { return 13240000 * d - 52000 * d * d - 500 * d * d * d; };
    if (g < 72.65342)
        return -inner(g);
    if (g < 137.773)
        return -outer(137.773 - g);
    if (g < 202.89258)
        return outer(g - 137.773);
    if (g <= full)
        return inner(full - g);
    return -inner(g - full);
}

struct SolarYear {
    double solstice;  // W(n): days after the epoch
    double length;    // Y(n)
    double reference; // p(n)
};

SolarYear YearOf(const JokyoParameters& parameters, int n)
{
    SolarYear year;
    year.solstice = n * (parameters.yearAtEpoch - kSecularChange * (n - 1));
    year.length = parameters.yearAtEpoch - 2 * kSecularChange * n;
    year.reference = year.solstice + kPrecession * n + parameters.solarReference;
    return year;
}

double PositiveMod(double value, double modulus)
{
    const double result = std::fmod(value, modulus);
    return result < 0 ? result + modulus : result;
}

} // namespace

const JokyoParameters& JokyoCalendarParameters()
{
    static const JokyoParameters parameters{1684, 2336118.69, 365.241696, 2.779, 22.72, 6.445};
    return parameters;
}

const JokyoParameters& HorekiCalendarParameters()
{
    static const JokyoParameters parameters{1754, 2361685.536, 365.241556, 25.654, 18.88, 6.455};
    return parameters;
}

const JokyoParameters& RevisedHorekiCalendarParameters()
{
    static const JokyoParameters parameters{1754, 2361685.681, 365.241626, 25.82, 19.307, 7.42};
    return parameters;
}

double JokyoTrueNewMoon(const JokyoParameters& parameters, long c)
{
    const double t = static_cast<double>(c) * kSynodicMonth - parameters.leapOffset;
    int n = static_cast<int>(std::floor(t / parameters.yearAtEpoch)) - 1;
    while (YearOf(parameters, n + 1).reference <= t)
        ++n;
    const SolarYear year = YearOf(parameters, n);
    const double u = (year.length + kPrecession) / parameters.yearAtEpoch;

    const double g = PositiveMod(t + parameters.anomalyOffset, kAnomalisticMonth) / kLunarStep;
    const double g0 = std::floor(g);
    const double f = g - g0;
    const double lunarHere = LunarEquation(g);
    const double lunarRate = LunarEquation(g0 + 1) - LunarEquation(g0);

    auto solarAt = [&](double tau) {
        const double x = PositiveMod((t + tau - year.reference) / u, parameters.yearAtEpoch);
        return u * SolarEquation(x, parameters.yearAtEpoch);
    };
    const double solarHere = solarAt(0);
    const double solarRate = solarAt(kLunarStep * (1 - f)) - solarAt(-kLunarStep * f);

    const double shift = (lunarHere - solarHere)
        / ((lunarRate - solarRate) / kLunarStep + (kMoonDailyMotion - 1 / u) * 1e8);
    return parameters.epoch + t - shift;
}

std::vector<LunarMonth> ComputeJokyoMonths(const JokyoParameters& parameters, int firstYear, int lastYear)
{
    MonthSkeleton skeleton;
    const int firstN = firstYear - parameters.epochYear - 1;
    const int lastN = lastYear - parameters.epochYear + 2;
    for (int n = firstN; n <= lastN; ++n) {
        const SolarYear year = YearOf(parameters, n);
        for (int index = 0; index < 12; ++index) {
            const double term = parameters.epoch + year.solstice + year.length * index / 12.0;
            skeleton.terms.push_back({static_cast<std::int64_t>(std::floor(term)), index});
        }
    }
    const double from = YearOf(parameters, firstN).solstice - 2 * kSynodicMonth;
    const double to = YearOf(parameters, lastN).solstice + kSynodicMonth;
    for (long c = static_cast<long>(std::floor((from + parameters.leapOffset) / kSynodicMonth));
         static_cast<double>(c) * kSynodicMonth - parameters.leapOffset < to; ++c)
        skeleton.starts.push_back(static_cast<std::int64_t>(std::floor(JokyoTrueNewMoon(parameters, c))));
    return LabelByMeanTerms(skeleton);
}

} // namespace lunisolar
