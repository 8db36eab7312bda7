#include "Ephemeris.h"

#include <libnova/libnova.h>

#include <cmath>

namespace lunisolar {

namespace {

constexpr double kDegreesPerRadian = 57.29577951308232;
constexpr double kAberrationArcsec = 20.4898;

// Relative amplitude below which libnova skips ELP terms. The fine setting stays within
// 0.02" of the full series (0.04 s of a new moon) at a fifth of its cost; the coarse
// one (within 0.6") only brings the search near the root.
constexpr double kFineLunarPrecision = 1e-9;
constexpr double kCoarseLunarPrecision = 1e-7;

double NormalizeDegrees(double degrees)
{
    double result = std::fmod(degrees, 360.0);
    return result < 0 ? result + 360.0 : result;
}

// Angle difference folded into (-180, 180].
double SignedDifference(double degrees)
{
    double result = NormalizeDegrees(degrees);
    return result > 180.0 ? result - 360.0 : result;
}

double DecimalYear(double jde)
{
    return 2000.0 + (jde - 2451544.5) / 365.2425;
}

// Ecliptic longitude of date from longitude and latitude referred to the ecliptic and
// equinox of J2000 (libnova's VSOP87 and ELP 2000-82B), by the rigorous rotation of
// the ecliptic (Lieske's precession angles).
double PrecessFromJ2000(double jde, double longitude, double latitude)
{
    constexpr double kArcsec = 1.0 / 3600.0;
    const double t = (jde - 2451545.0) / 36525.0;
    const double eta = (47.0029 * t - 0.03302 * t * t + 0.000060 * t * t * t) * kArcsec / kDegreesPerRadian;
    const double pi = (174.876384 + (-869.8089 * t + 0.03536 * t * t) * kArcsec) / kDegreesPerRadian;
    const double p = (5029.0966 * t + 1.11113 * t * t - 0.000006 * t * t * t) * kArcsec;
    const double lambda0 = longitude / kDegreesPerRadian;
    const double beta0 = latitude / kDegreesPerRadian;
    const double a = std::cos(eta) * std::cos(beta0) * std::sin(pi - lambda0) - std::sin(eta) * std::sin(beta0);
    const double b = std::cos(beta0) * std::cos(pi - lambda0);
    return NormalizeDegrees(p + (pi - std::atan2(a, b)) * kDegreesPerRadian);
}

double MoonLongitude(double jde, double precision)
{
    // ELP 2000-82B referred to J2000, terms down to `precision`: precessed to date, plus nutation
    // (the Moon's own aberration, about 0.7", is a second of time and left out).
    ln_lnlat_posn position;
    ln_get_lunar_ecl_coords(jde, &position, precision);
    ln_nutation nutation;
    ln_get_nutation(jde, &nutation);
    return NormalizeDegrees(PrecessFromJ2000(jde, position.lng, position.lat) + nutation.longitude);
}

} // namespace

double SunApparentLongitude(double jde)
{
    // libnova's geometric position is referred to J2000: precess it to the equinox of
    // date, then add the nutation in longitude and the annual aberration.
    ln_helio_posn geometric;
    ln_get_solar_geom_coords(jde, &geometric);
    ln_nutation nutation;
    ln_get_nutation(jde, &nutation);
    const double ofDate = PrecessFromJ2000(jde, geometric.L, geometric.B);
    return NormalizeDegrees(ofDate + nutation.longitude - kAberrationArcsec / 3600.0 / geometric.R);
}

double MoonApparentLongitude(double jde)
{
    return MoonLongitude(jde, kFineLunarPrecision);
}

double DeltaTSeconds(double jde)
{
    const double y = DecimalYear(jde);
    if (y < 1800) {
        const double t = y - 1700;
        return 8.83 + 0.1603 * t - 0.0059285 * t * t + 0.00013336 * t * t * t - std::pow(t, 4) / 1174000;
    }
    if (y < 1860) {
        const double t = y - 1800;
        return 13.72 - 0.332447 * t + 0.0068612 * t * t + 0.0041116 * std::pow(t, 3) - 0.00037436 * std::pow(t, 4)
            + 0.0000121272 * std::pow(t, 5) - 0.0000001699 * std::pow(t, 6) + 0.000000000875 * std::pow(t, 7);
    }
    if (y < 1900) {
        const double t = y - 1860;
        return 7.62 + 0.5737 * t - 0.251754 * t * t + 0.01680668 * std::pow(t, 3) - 0.0004473624 * std::pow(t, 4)
            + std::pow(t, 5) / 233174;
    }
    if (y < 1920) {
        const double t = y - 1900;
        return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * std::pow(t, 3) - 0.000197 * std::pow(t, 4);
    }
    if (y < 1941) {
        const double t = y - 1920;
        return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * std::pow(t, 3);
    }
    if (y < 1961) {
        const double t = y - 1950;
        return 29.07 + 0.407 * t - t * t / 233 + std::pow(t, 3) / 2547;
    }
    if (y < 1986) {
        const double t = y - 1975;
        return 45.45 + 1.067 * t - t * t / 260 - std::pow(t, 3) / 718;
    }
    if (y < 2005) {
        const double t = y - 2000;
        return 63.86 + 0.3345 * t - 0.060374 * t * t + 0.0017275 * std::pow(t, 3) + 0.000651814 * std::pow(t, 4)
            + 0.00002373599 * std::pow(t, 5);
    }
    if (y < 2050) {
        const double t = y - 2000;
        return 62.92 + 0.32217 * t + 0.005589 * t * t;
    }
    const double u = (y - 1820) / 100;
    return -20 + 32 * u * u - 0.5628 * (2150 - y);
}

double UtFromTt(double jde)
{
    return jde - DeltaTSeconds(jde) / 86400.0;
}

double NewMoonNear(double jdeGuess)
{
    // Newton steps with the mean relative speed of the Moon; the remaining error
    // shrinks by a factor of about ten per step.
    constexpr double kRelativeSpeed = 360.0 / 29.530588861;
    double jde = jdeGuess;
    auto refine = [&](double precision, double tolerance) {
        for (int step = 0; step < 12; ++step) {
            const double gap = SignedDifference(MoonLongitude(jde, precision) - SunApparentLongitude(jde));
            const double correction = gap / kRelativeSpeed;
            jde -= correction;
            if (std::fabs(correction) < tolerance)
                break;
        }
    };
    refine(kCoarseLunarPrecision, 1e-5);
    refine(kFineLunarPrecision, 1e-7);
    return jde;
}

double SolarLongitudeNear(double targetDegrees, double jdeGuess)
{
    constexpr double kSolarSpeed = 360.0 / 365.2422;
    double jde = jdeGuess;
    for (int step = 0; step < 12; ++step) {
        const double gap = SignedDifference(SunApparentLongitude(jde) - targetDegrees);
        const double correction = gap / kSolarSpeed;
        jde -= correction;
        if (std::fabs(correction) < 1e-7)
            break;
    }
    return jde;
}

double EquationOfTimeDays(double jde)
{
    const double tau = (jde - 2451545.0) / 365250.0;
    const double meanLongitude = 280.4664567 + 360007.6982779 * tau + 0.03032028 * tau * tau
        + std::pow(tau, 3) / 49931 - std::pow(tau, 4) / 15300 - std::pow(tau, 5) / 2000000;
    ln_nutation nutation;
    ln_get_nutation(jde, &nutation);
    const double obliquity = nutation.ecliptic / kDegreesPerRadian;
    const double lambda = SunApparentLongitude(jde) / kDegreesPerRadian;
    const double rightAscension = std::atan2(std::cos(obliquity) * std::sin(lambda), std::cos(lambda)) * kDegreesPerRadian;
    const double equation = SignedDifference(meanLongitude - 0.0057183 - rightAscension
        + nutation.longitude * std::cos(obliquity));
    return equation / 360.0;
}

double MeanNewMoonJde(double k)
{
    const double t = k / 1236.85;
    return 2451550.09766 + 29.530588861 * k + 0.00015437 * t * t - 0.00000015 * t * t * t;
}

} // namespace lunisolar
