// Joins the months of the calendar systems in force into one month line and cuts it
// into old years.
#pragma once

#include "LunarMonth.h"
#include "YearRow.h"

#include <functional>
#include <string>
#include <vector>

namespace lunisolar {

// A calendar system and the old years it governs. compute(first, last) returns the
// months of those years and at least the first month of the year after.
struct CalendarPeriod {
    std::string name;
    int firstYear = 0;
    int lastYear = 0;
    std::function<std::vector<LunarMonth>(int, int)> compute;
};

// The months of every period's own years in order, closed by the first month of the
// year after the last period. Throws std::runtime_error when a period leaves a gap.
std::vector<LunarMonth> AssembleMonths(const std::vector<CalendarPeriod>& periods);

// One row per old year from the first to the last year of the month line (era fields
// left empty). Throws std::runtime_error on a month that is not 29 or 30 days long,
// on months out of order, or on a year that is not 12 regular months with at most one
// leap month.
std::vector<YearRow> CutIntoYears(const std::vector<LunarMonth>& months);

} // namespace lunisolar
