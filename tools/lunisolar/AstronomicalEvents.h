// New moons and principal terms in a stretch of time, found from the ephemeris, and
// the civil day on which an instant falls in each time base the tables use.
#pragma once

#include <cstdint>
#include <vector>

namespace lunisolar {

struct TermInstant {
    double jde = 0;
    int index = 0; // 0 冬至 ... 11 小雪
};

// Every new moon (JDE) and every principal term (true, 定気) from one JDE to another.
std::vector<double> NewMoonsBetween(double fromJde, double toJde);
std::vector<TermInstant> PrincipalTermsBetween(double fromJde, double toJde);

// Civil day (JDN) of an instant given in TT, in the named time base.
std::int64_t KyotoMeanTimeDay(double jde);     // UT + 9h03m01s (寛政暦)
std::int64_t KyotoApparentTimeDay(double jde); // Kyoto local apparent time (天保暦)
std::int64_t MeijiCivilDay(double jde);        // Tokyo mean time to 1887, JST from 1888

} // namespace lunisolar
