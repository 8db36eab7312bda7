// 寛政暦 (1798-1843): mean principal terms by its own formula (麻田's secular change
// of the year, evaluated per decade), new moons from the ephemeris in Kyoto local mean
// time.
#pragma once

#include "LunarMonth.h"

#include <vector>

namespace lunisolar {

// Chronological Julian date (Kyoto mean time) of mean principal term `index` (0 冬至)
// of the 冬至-year that begins with the 冬至 before old year 1797 + n.
double KanseiMeanTerm(int n, int index);

// Months of the old years firstYear..lastYear (>= 1798) and the first month after.
std::vector<LunarMonth> ComputeKanseiMonths(int firstYear, int lastYear);

} // namespace lunisolar
