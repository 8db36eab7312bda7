// The text form of the old-year table (data/lunisolar-years.tsv).
#pragma once

#include "YearRow.h"

#include <string>
#include <vector>

namespace lunisolar {

// A header line, then per year: year, twelve 0/1 kinds (month 1 first, 1 = 30 days),
// leap month, leap kind, era name, era year; tab separated, '\n' line ends.
std::string FormatYearTable(const std::vector<YearRow>& rows);

} // namespace lunisolar
