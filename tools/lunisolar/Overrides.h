// Months that documentary records fixed differently from the computation (日本暦日原典's
// adopted values, the issued almanacs). Each override moves or renames one computed
// month and names its source.
#pragma once

#include "LunarMonth.h"

#include <cstdint>
#include <istream>
#include <string>
#include <vector>

namespace lunisolar {

struct MonthOverride {
    int year = 0;                   // old year of the adopted month
    int number = 0;                 // adopted month number
    bool leap = false;
    std::int64_t computedStart = 0; // first day of the month as computed (identifies it)
    std::int64_t adoptedStart = 0;  // first day as adopted
    std::string source;
    std::string fact;
    int line = 0;                   // line in the override file
};

// Reads the override table: '#' comment lines, a header line, then tab-separated
// year, month ("7" or "閏7"), computed first day, adopted first day (YYYY-MM-DD, Julian
// before 1582-10-15), source, fact. Throws std::runtime_error naming the line on
// anything malformed, on a row without a source, or on a move of more than two days.
std::vector<MonthOverride> ReadOverrides(std::istream& in);

// Applies the overrides to the computed month line. Throws std::runtime_error when an
// override's computed month is not in the line, when it changes nothing, or when the
// months come out of order.
void ApplyOverrides(const std::vector<MonthOverride>& overrides, std::vector<LunarMonth>& months);

// "7" or "閏7".
std::string MonthLabel(int number, bool leap);

} // namespace lunisolar
