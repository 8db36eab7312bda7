// One row of the old-year table: month kinds, leap month and era of an old year.
#pragma once

#include <array>
#include <string>

namespace lunisolar {

struct YearRow {
    int year = 0;
    std::array<bool, 12> bigMonths{}; // regular months 1-12, true = 30 days
    int leapMonth = 0;                // 0, or the regular month the leap month follows
    bool leapBig = false;             // false when there is no leap month
    std::string eraName;              // UTF-8
    int eraYear = 0;
};

} // namespace lunisolar
