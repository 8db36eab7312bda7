#include "YearAssembly.h"

#include "DayMath.h"

#include <stdexcept>
#include <string>

namespace lunisolar {

namespace {

std::string Describe(const LunarMonth& month)
{
    return std::to_string(month.year) + (month.leap ? " leap " : " month ") + std::to_string(month.number) + " ("
        + FormatHistoricalDate(month.start) + ")";
}

} // namespace

std::vector<LunarMonth> AssembleMonths(const std::vector<CalendarPeriod>& periods)
{
    std::vector<LunarMonth> line;
    for (std::size_t p = 0; p < periods.size(); ++p) {
        const CalendarPeriod& period = periods[p];
        const std::vector<LunarMonth> months = period.compute(period.firstYear, period.lastYear);
        bool seenFirst = false;
        for (const LunarMonth& month : months) {
            if (month.year >= period.firstYear && month.year <= period.lastYear) {
                line.push_back(month);
                seenFirst = true;
            }
        }
        if (!seenFirst)
            throw std::runtime_error(period.name + " produced no months");
        if (p + 1 == periods.size()) {
            for (const LunarMonth& month : months) {
                if (month.year == period.lastYear + 1) {
                    line.push_back(month);
                    break;
                }
            }
        }
    }
    return line;
}

std::vector<YearRow> CutIntoYears(const std::vector<LunarMonth>& months)
{
    std::vector<YearRow> rows;
    if (months.size() < 2)
        return rows;
    const int lastYear = months.back().year - 1;
    for (std::size_t i = 0; i + 1 < months.size(); ++i) {
        const LunarMonth& month = months[i];
        const std::int64_t length = months[i + 1].start - month.start;
        if (length != 29 && length != 30)
            throw std::runtime_error(Describe(month) + " has " + std::to_string(length) + " days");
        if (month.number == 1 && !month.leap) {
            if (!rows.empty() && rows.back().year + 1 != month.year)
                throw std::runtime_error("year missing before " + Describe(month));
            YearRow row;
            row.year = month.year;
            rows.push_back(row);
        }
        if (rows.empty() || rows.back().year != month.year)
            throw std::runtime_error(Describe(month) + " is out of order");
        YearRow& row = rows.back();
        if (month.leap) {
            if (row.leapMonth != 0)
                throw std::runtime_error(Describe(month) + " is a second leap month");
            row.leapMonth = month.number;
            row.leapBig = length == 30;
        } else {
            row.bigMonths[month.number - 1] = length == 30;
        }
        const LunarMonth& next = months[i + 1];
        const bool nextFollows = next.leap ? next.number == month.number && !month.leap
                                           : next.number == month.number % 12 + 1;
        if (!nextFollows)
            throw std::runtime_error(Describe(next) + " does not follow " + Describe(month));
        if (next.number == 1 && !next.leap && next.year != month.year + 1)
            throw std::runtime_error(Describe(next) + " does not follow " + Describe(month));
    }
    if (!rows.empty() && rows.back().year != lastYear)
        throw std::runtime_error("the month line does not end with a first month");
    return rows;
}

} // namespace lunisolar
