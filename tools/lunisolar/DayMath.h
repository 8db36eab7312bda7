// Integer arithmetic shared by every calendar system of the generator: floor
// division, Julian Day Numbers of civil days, and the conversion of day numbers to
// Julian or Gregorian calendar dates.
#pragma once

#include <cstdint>
#include <string>

namespace lunisolar {

// Quotient rounded toward minus infinity (C++ truncates toward zero).
constexpr std::int64_t FloorDiv(std::int64_t a, std::int64_t b)
{
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}

// Remainder with the sign of the divisor.
constexpr std::int64_t FloorMod(std::int64_t a, std::int64_t b)
{
    return a - FloorDiv(a, b) * b;
}

// Sexagenary index of a day: 0 = 甲子 ... 59 = 癸亥.
constexpr int DaySign(std::int64_t jdn)
{
    return static_cast<int>(FloorMod(jdn + 49, 60));
}

struct CivilDate {
    int year = 0;
    int month = 0;
    int day = 0;
    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

// First day of the Gregorian calendar (1582-10-15).
inline constexpr std::int64_t kGregorianStartJdn = 2299161;

std::int64_t JdnFromGregorian(int year, int month, int day);
std::int64_t JdnFromJulian(int year, int month, int day);
CivilDate GregorianFromJdn(std::int64_t jdn);
CivilDate JulianFromJdn(std::int64_t jdn);

// Historical dating: Julian before 1582-10-15, Gregorian from then on.
CivilDate HistoricalFromJdn(std::int64_t jdn);
std::int64_t JdnFromHistorical(const CivilDate& date);

// "YYYY-MM-DD" in the historical calendar; ParseHistoricalDate accepts the same form
// (also without leading zeros) and returns false on anything else.
std::string FormatHistoricalDate(std::int64_t jdn);
bool ParseHistoricalDate(const std::string& text, std::int64_t& jdn);

} // namespace lunisolar
