// The building blocks every calendar system hands to the month-assembly rules:
// the first day of each month and the day of each principal term (中気).
#pragma once

#include <cstdint>
#include <vector>

namespace lunisolar {

// A principal term on a civil day. index: 0 冬至, 1 大寒, 2 雨水, 3 春分, 4 穀雨, 5 小満,
// 6 夏至, 7 大暑, 8 処暑, 9 秋分, 10 霜降, 11 小雪.
struct MidTerm {
    std::int64_t jdn = 0;
    int index = 0;
};

// The regular month number a principal term names (冬至 -> 11, 雨水 -> 1, ...).
constexpr int MonthOfTerm(int index)
{
    return (index + 10) % 12 + 1;
}

// A month of the old calendar: its first day (朔日), old year, number and leap flag.
struct LunarMonth {
    std::int64_t start = 0;
    int year = 0;
    int number = 0;
    bool leap = false;
};

// Month starts (ascending JDNs; the last entry only closes the month before it) and
// the principal terms of the same stretch of time, as a calendar system computes them.
struct MonthSkeleton {
    std::vector<std::int64_t> starts;
    std::vector<MidTerm> terms;
};

} // namespace lunisolar
