// 天保暦 (1844-1872) and the modern reckoning (1873 on): true new moons and true
// principal terms from the ephemeris, numbered by the true-term rule.
#pragma once

#include "LunarMonth.h"

#include <vector>

namespace lunisolar {

// Months of the old years firstYear..lastYear and the first month of lastYear + 1.
std::vector<LunarMonth> ComputeTenpoMonths(int firstYear, int lastYear);  // Kyoto apparent time
std::vector<LunarMonth> ComputeModernMonths(int firstYear, int lastYear); // Tokyo mean time, JST from 1888

} // namespace lunisolar
