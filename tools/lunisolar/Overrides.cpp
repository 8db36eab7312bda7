#include "Overrides.h"

#include "DayMath.h"
#include "TsvRows.h"

#include <algorithm>
#include <sstream>
#include <stdexcept>

namespace lunisolar {

namespace {

constexpr const char* kLeapPrefix = "閏";

std::vector<std::string> SplitTabs(const std::string& line)
{
    std::vector<std::string> fields;
    std::istringstream in(line);
    std::string field;
    while (std::getline(in, field, '\t'))
        fields.push_back(field);
    return fields;
}

bool ParseInt(const std::string& text, int& value)
{
    try {
        std::size_t used = 0;
        value = std::stoi(text, &used);
        return used == text.size();
    } catch (const std::logic_error&) {
        return false;
    }
}

bool ParseMonthLabel(std::string text, int& number, bool& leap)
{
    const std::string prefix = kLeapPrefix;
    leap = text.rfind(prefix, 0) == 0;
    if (leap)
        text.erase(0, prefix.size());
    return ParseInt(text, number) && number >= 1 && number <= 12;
}

} // namespace

std::string MonthLabel(int number, bool leap)
{
    return (leap ? std::string(kLeapPrefix) : std::string()) + std::to_string(number);
}

std::vector<MonthOverride> ReadOverrides(std::istream& in)
{
    std::vector<MonthOverride> overrides;
    ForEachTsvRow(in, [&](int lineNumber, const std::string& line) {
        const std::vector<std::string> fields = SplitTabs(line);
        const std::string where = "override line " + std::to_string(lineNumber) + ": ";
        if (fields.size() != 6)
            throw std::runtime_error(where + "expected 6 tab-separated fields");
        MonthOverride entry;
        entry.line = lineNumber;
        if (!ParseInt(fields[0], entry.year))
            throw std::runtime_error(where + "bad year");
        if (!ParseMonthLabel(fields[1], entry.number, entry.leap))
            throw std::runtime_error(where + "bad month");
        if (!ParseHistoricalDate(fields[2], entry.computedStart) || !ParseHistoricalDate(fields[3], entry.adoptedStart))
            throw std::runtime_error(where + "bad date");
        if (std::abs(entry.adoptedStart - entry.computedStart) > 2)
            throw std::runtime_error(where + "moves a month by more than two days");
        entry.source = fields[4];
        entry.fact = fields[5];
        if (entry.source.empty() || entry.fact.empty())
            throw std::runtime_error(where + "an override needs its source and the fact");
        overrides.push_back(entry);
    });
    return overrides;
}

void ApplyOverrides(const std::vector<MonthOverride>& overrides, std::vector<LunarMonth>& months)
{
    const std::vector<LunarMonth> computed = months;
    for (const MonthOverride& entry : overrides) {
        const std::string where = "override line " + std::to_string(entry.line) + ": ";
        const auto found = std::find_if(computed.begin(), computed.end(),
                                        [&](const LunarMonth& month) { return month.start == entry.computedStart; });
        if (found == computed.end())
            throw std::runtime_error(where + "no computed month begins on " + FormatHistoricalDate(entry.computedStart));
        if (found->start == entry.adoptedStart && found->year == entry.year && found->number == entry.number
            && found->leap == entry.leap)
            throw std::runtime_error(where + "changes nothing");
        LunarMonth& month = months[static_cast<std::size_t>(found - computed.begin())];
        month = {entry.adoptedStart, entry.year, entry.number, entry.leap};
    }
    for (std::size_t i = 1; i < months.size(); ++i) {
        if (months[i].start <= months[i - 1].start)
            throw std::runtime_error("overrides put the month of " + FormatHistoricalDate(months[i].start) + " out of order");
    }
}

} // namespace lunisolar
