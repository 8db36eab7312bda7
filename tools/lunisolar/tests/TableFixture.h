// The month line and year table 593-2051, computed once per test process and shared.
#pragma once

#include "LunarMonth.h"
#include "YearRow.h"

#include <cstdint>
#include <string>
#include <vector>

namespace lunisolar::testing {

std::string SourcePath(const std::string& relative);
std::string ReferencePath(const std::string& file); // empty when the reference data is absent

const std::vector<LunarMonth>& ComputedMonthLine(); // the calendar systems alone
const std::vector<LunarMonth>& AdoptedMonthLine();  // with the committed overrides
const std::vector<YearRow>& AdoptedYearRows();      // with eras

// The adopted month that contains the day, or nullptr.
const LunarMonth* AdoptedMonthOn(std::int64_t jdn);
const YearRow& RowOf(int year);

} // namespace lunisolar::testing
