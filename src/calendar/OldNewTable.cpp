#include "calendar/OldNewTable.h"

#include <cstdio>

#include "calendar/EtoTable.h"
#include "calendar/NewCalendar.h"
#include "calendar/OldCalendar.h"

namespace {

std::string Format(const char* format, int value) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

}  // namespace

void FillOldColumns(std::vector<OldNewRow>& rows, const COldCalendar& calendar,
                    const CEtoTable& eto, int year) {
    rows.clear();
    int leap = calendar.GetLeapPosition(year);
    if (leap < 0) return;
    int positions = leap != 0 ? 13 : 12;
    int month = 1;
    for (int j = 1; j <= positions; ++j) {
        std::string label = (leap != 0 && j == leap) ? Format("閏%2d", j - 1) : Format("%2d", month++);
        int days = calendar.GetMonthDays(year, j);
        for (int d = 1; d <= days; ++d) {
            OldNewRow row;
            if (d == 1) row[0] = label;
            row[1] = Format("%2d", d);
            row[2] = eto.GetEtoName(calendar.GetDayEto(year, j, d));
            rows.push_back(std::move(row));
        }
    }
}

void FillNewColumns(std::vector<OldNewRow>& rows, const COldCalendar& calendar,
                    const CNewCalendar& newCalendar, int year) {
    int positions = calendar.GetMonthCount(year);
    std::size_t r = 0;
    int shownYear = 0;
    int shownMonth = 0;
    for (int j = 1; j <= positions; ++j) {
        int days = calendar.GetMonthDays(year, j);
        for (int d = 1; d <= days && r < rows.size(); ++d, ++r) {
            NewDate date = calendar.ToNewDate(year, j, d);
            OldNewRow& row = rows[r];
            if (d == 1 || date.year != shownYear) {
                row[3] = Format("%4d", date.year);
                shownYear = date.year;
            }
            if (d == 1 || date.month != shownMonth) {
                row[4] = Format("%2d", date.month);
                shownMonth = date.month;
            }
            row[5] = Format("%2d", date.day);
            row[6] = newCalendar.GetWeekdayName(
                CNewCalendar::GetWeekday(date.year, date.month, date.day));
        }
    }
}

std::string OldNewTitle(const COldCalendar& calendar, const CEtoTable& eto, int year) {
    const char* era = calendar.GetEraName(year);
    char text[128];
    std::snprintf(text, sizeof text, "%s 旧暦  %d年(%s %d年 %s)", "旧暦／西暦対照表", year,
                  era ? era : "", calendar.GetEraYear(year), eto.GetEtoName(year));
    return text;
}
