#include "DayMath.h"

#include <cstdio>

namespace lunisolar {

std::int64_t JdnFromGregorian(int year, int month, int day)
{
    const std::int64_t a = (14 - month) / 12;
    const std::int64_t y = std::int64_t{year} + 4800 - a;
    const std::int64_t m = month + 12 * a - 3;
    return day + (153 * m + 2) / 5 + 365 * y + FloorDiv(y, 4) - FloorDiv(y, 100) + FloorDiv(y, 400) - 32045;
}

std::int64_t JdnFromJulian(int year, int month, int day)
{
    const std::int64_t a = (14 - month) / 12;
    const std::int64_t y = std::int64_t{year} + 4800 - a;
    const std::int64_t m = month + 12 * a - 3;
    return day + (153 * m + 2) / 5 + 365 * y + FloorDiv(y, 4) - 32083;
}

namespace {

CivilDate FromMarchBasedDays(std::int64_t c, std::int64_t e)
{
    // c: the day's number counted in the March-based year, e its year offset.
    const std::int64_t m = (5 * c + 2) / 153;
    CivilDate date;
    date.day = static_cast<int>(c - (153 * m + 2) / 5 + 1);
    date.month = static_cast<int>(m + 3 - 12 * (m / 10));
    date.year = static_cast<int>(e - 4800 + m / 10);
    return date;
}

} // namespace

CivilDate GregorianFromJdn(std::int64_t jdn)
{
    const std::int64_t a = jdn + 32044;
    const std::int64_t b = FloorDiv(4 * a + 3, 146097);
    const std::int64_t c = a - FloorDiv(146097 * b, 4);
    const std::int64_t d = FloorDiv(4 * c + 3, 1461);
    const std::int64_t e = c - FloorDiv(1461 * d, 4);
    return FromMarchBasedDays(e, 100 * b + d);
}

CivilDate JulianFromJdn(std::int64_t jdn)
{
    const std::int64_t c = jdn + 32082;
    const std::int64_t d = FloorDiv(4 * c + 3, 1461);
    const std::int64_t e = c - FloorDiv(1461 * d, 4);
    return FromMarchBasedDays(e, d);
}

CivilDate HistoricalFromJdn(std::int64_t jdn)
{
    return jdn >= kGregorianStartJdn ? GregorianFromJdn(jdn) : JulianFromJdn(jdn);
}

std::int64_t JdnFromHistorical(const CivilDate& date)
{
    const std::int64_t gregorian = JdnFromGregorian(date.year, date.month, date.day);
    return gregorian >= kGregorianStartJdn ? gregorian : JdnFromJulian(date.year, date.month, date.day);
}

std::string FormatHistoricalDate(std::int64_t jdn)
{
    const CivilDate date = HistoricalFromJdn(jdn);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

bool ParseHistoricalDate(const std::string& text, std::int64_t& jdn)
{
    CivilDate date;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%d-%d-%d%c", &date.year, &date.month, &date.day, &tail) != 3)
        return false;
    if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > 31)
        return false;
    jdn = JdnFromHistorical(date);
    return HistoricalFromJdn(jdn) == date;
}

} // namespace lunisolar
