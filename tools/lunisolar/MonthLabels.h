// Month numbering and leap months from principal terms, and the old year of each
// month.
#pragma once

#include "LunarMonth.h"

#include <vector>

namespace lunisolar {

// Mean-term rule (593-1843): a month holds at most one principal term and is named by
// it; a month without one is the leap month of the number before it. The skeleton's
// last start only closes the last month. Throws std::runtime_error when a month holds
// two terms or the first month holds none.
std::vector<LunarMonth> LabelByMeanTerms(const MonthSkeleton& skeleton);

// True-term rule (1844 on): the months holding 冬至, 春分, 夏至 and 秋分 are 11, 2, 5
// and 8; of three months between two such anchors the first without a principal term
// is leap. A 冬至-year in which the anchors leave no room falls back to counting from
// one 冬至 month to the next, the first month without a term after 11 being leap.
// Months before the first 冬至 month or after the last one are dropped.
std::vector<LunarMonth> LabelByTrueTerms(const MonthSkeleton& skeleton);

// Sets the old year of every month: the year of a 正月 is the civil year of its first
// day, months before the first 正月 belong to the year before.
void AssignOldYears(std::vector<LunarMonth>& months);

} // namespace lunisolar
