// 元嘉暦 (593-697): mean new moons and mean principal terms on a 19-year cycle of 235
// months, in exact integer arithmetic.
#pragma once

#include "LunarMonth.h"

#include <cstdint>
#include <vector>

namespace lunisolar {

// Months from the epoch to the first month of old year x.
std::int64_t GenkaMonthsBeforeYear(int year);

// JDN of the first day of month n counted from the epoch.
std::int64_t GenkaMonthStart(std::int64_t n);

// JDN of principal term q counted from the epoch's 雨水 (q = 12 (x + 1612) + i is
// term i of year x, i = 0 雨水).
std::int64_t GenkaTermDay(std::int64_t q);

// Months of the old years firstYear..lastYear and the first month after.
std::vector<LunarMonth> ComputeGenkaMonths(int firstYear, int lastYear);

} // namespace lunisolar
