// The whole generation: calendar systems, overrides, era runs, text.
#pragma once

#include "LunarMonth.h"
#include "YearRow.h"

#include <string>
#include <vector>

namespace lunisolar {

// The month line 593-2051 as the calendar systems compute it (closed by 2052's first month).
std::vector<LunarMonth> ComputeMonthLine();

// The table text from the era table and the override table files. Throws
// std::runtime_error naming the file or the fault.
std::string GenerateYearTable(const std::string& erasPath, const std::string& overridesPath);

} // namespace lunisolar
