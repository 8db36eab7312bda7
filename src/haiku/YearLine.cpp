#include "haiku/YearLine.h"

#include <cstdio>

#include "calendar/EtoTable.h"
#include "calendar/OldCalendar.h"
#include "haiku/HaikuTable.h"

std::string FormatYearLine(const COldCalendar& calendar, const CEtoTable& eto, int year) {
    if (year == 0) return {};
    const char* era = calendar.GetEraName(year);
    if (era == nullptr) return {};
    char text[128];
    std::snprintf(text, sizeof text, "%s %d年%s(%d)(%d才)", era, calendar.GetEraYear(year),
                  eto.GetEtoName(CEtoTable::GetYearEto(year)), year, CHaikuTable::GetAge(year));
    return text;
}
