// 貞享暦 (1685-1754), 宝暦暦 (1755-1770) and 修正宝暦暦 (1771-1797): decimal-day
// calendars of the 授時暦 family, for the Kyoto meridian. Mean principal terms with a
// secular change of the year; true new moons from cubic equations of centre for Sun
// and Moon, solved by one linear step.
#pragma once

#include "LunarMonth.h"

#include <vector>

namespace lunisolar {

struct JokyoParameters {
    int epochYear = 0;           // old year whose 天正冬至 is the epoch
    double epoch = 0;            // chronological Julian date (Kyoto) of that 冬至
    double yearAtEpoch = 0;      // 歳実
    double leapOffset = 0;       // 閏應: mean new moon before the epoch to the epoch, days
    double anomalyOffset = 0;    // 転應: lunar anomaly at the epoch, days
    double solarReference = 0;   // 暦應: epoch 冬至 to the Sun's reference point, days
};

const JokyoParameters& JokyoCalendarParameters();          // 貞享暦
const JokyoParameters& HorekiCalendarParameters();         // 宝暦暦
const JokyoParameters& RevisedHorekiCalendarParameters();  // 修正宝暦暦

// Chronological Julian date (Kyoto) of the true new moon of mean lunation c (c = 0:
// the mean new moon before the epoch).
double JokyoTrueNewMoon(const JokyoParameters& parameters, long c);

// Months of the old years firstYear..lastYear and the first month after.
std::vector<LunarMonth> ComputeJokyoMonths(const JokyoParameters& parameters, int firstYear, int lastYear);

} // namespace lunisolar
