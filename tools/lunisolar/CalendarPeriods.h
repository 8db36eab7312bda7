// The calendar systems in force over the old years 593-2051.
#pragma once

#include "YearAssembly.h"

#include <vector>

namespace lunisolar {

inline constexpr int kFirstTableYear = 593;
inline constexpr int kLastTableYear = 2051;

std::vector<CalendarPeriod> HistoricalPeriods();

} // namespace lunisolar
