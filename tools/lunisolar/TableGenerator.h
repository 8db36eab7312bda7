// The whole generation: calendar systems, overrides, era runs, text.
#pragma once

#include "LunarMonth.h"
#include "YearRow.h"

#include <string>
#include <vector>

namespace lunisolar {

// The month line 593-2051 as the calendar systems compute it (closed by 2052's first month).
std::vector<LunarMonth> ComputeMonthLine();

// The table text from the era table and the override table files; when monthLine is
// given, also one line per adopted month (year, month label, first day) for review.
// Throws std::runtime_error naming the file or the fault.
std::string GenerateYearTable(const std::string& erasPath, const std::string& overridesPath,
                              std::string* monthLine = nullptr);

} // namespace lunisolar
