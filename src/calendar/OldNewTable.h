// The rows of the old/new correspondence table: one row per day of an old year,
// old month label, day and day sign beside the Gregorian year, month, day and
// weekday. Cells a row leaves unset are empty. Texts are cp932.
#pragma once

#include <array>
#include <string>
#include <vector>

class COldCalendar;
class CNewCalendar;
class CEtoTable;

using OldNewRow = std::array<std::string, 7>;

// Columns 0-2: month label ("%2d", or "閏%2d" on the leap month's first row) on the
// first row of each month, "%2d" day, day sign.
void FillOldColumns(std::vector<OldNewRow>& rows, const COldCalendar& calendar,
                    const CEtoTable& eto, int year);
// Columns 3-6 of the same rows: "%4d" year and "%2d" month on each month's first row
// and where they change, "%2d" day and the weekday name on every row.
void FillNewColumns(std::vector<OldNewRow>& rows, const COldCalendar& calendar,
                    const CNewCalendar& newCalendar, int year);

// "旧暦／西暦対照表 旧暦  1874年(明治 7年 甲戌)".
std::string OldNewTitle(const COldCalendar& calendar, const CEtoTable& eto, int year);
