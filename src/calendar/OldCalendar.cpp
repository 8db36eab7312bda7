#include "calendar/OldCalendar.h"

#include <cstdio>
#include <cstring>
#include <string_view>

#include "calendar/CalendarData.h"
#include "platform/Cp932.h"

COldCalendar::COldCalendar() : m_records(kYearCount), m_daysBefore(kYearCount + 1, 0) {
    for (int i = 0; i < kLunisolarRowCount; ++i) {
        const LunisolarRow& row = kLunisolarRows[i];
        int kinds[12];
        for (int m = 0; m < 12; ++m) kinds[m] = row.kinds[m] == '1' ? 1 : 0;
        const EraRun& era = FindEraRun(row.year);
        StoreYear(row.year, kinds, row.leapMonth, row.leapKind, era.name,
                  era.firstEraYear + (row.year - era.firstYear));
    }
    for (int i = 0; i < kYearCount; ++i) {
        m_daysBefore[i + 1] = m_daysBefore[i] + m_records[i].daysInYear;
    }
}

int COldCalendar::CheckYear(int year, int code) const {
    if (year >= kFirstYear && year <= kLastYear) return 0;
    char text[64];
    std::snprintf(text, sizeof text, "%d年の旧暦は計算できません.%d", year, code);
    m_notice.MessageBox(text);
    return -1;
}

void COldCalendar::StoreYear(int year, const int kinds[12], int leapMonth, int leapKind,
                             const char* eraName, int eraYear) {
    if (CheckYear(year, 3) != 0) return;
    if (leapMonth < 0 || leapMonth > 12) leapMonth = 0;
    OldYearRecord record;
    int positions = leapMonth > 0 ? 13 : 12;
    int regular = 0;
    for (int p = 1; p <= positions; ++p) {
        bool big;
        if (leapMonth > 0 && p == leapMonth + 1) {
            big = leapKind != 0;
            record.leapPosition = p;
        } else {
            big = kinds[regular++] != 0;
        }
        record.monthKinds[p] = big ? 1 : 0;
        record.daysInYear += big ? kBigMonth : kSmallMonth;
    }
    std::string_view name = cp932::CutAtCharBoundary(eraName ? eraName : "",
                                                     sizeof record.eraName - 1);
    std::memcpy(record.eraName, name.data(), name.size());
    record.eraYear = eraYear;
    m_records[year - kFirstYear] = record;
}

const char* COldCalendar::GetEraName(int year) const {
    if (CheckYear(year, 4) != 0) return nullptr;
    return Record(year).eraName;
}

int COldCalendar::GetEraYear(int year) const {
    if (CheckYear(year, 5) != 0) return -1;
    return Record(year).eraYear;
}

int COldCalendar::GetMonthCount(int year) const {
    if (year < kFirstYear || year > kLastYear) return 0;
    return Record(year).leapPosition != 0 ? 13 : 12;
}

bool COldCalendar::HasPosition(int year, int position) const {
    return position >= 1 && position <= GetMonthCount(year);
}

long COldCalendar::DayNumber(int year, int position, int day) const {
    long n = m_daysBefore[year - kFirstYear];
    const OldYearRecord& record = Record(year);
    for (int p = 1; p < position; ++p) n += record.monthKinds[p] ? kBigMonth : kSmallMonth;
    return n + day;
}

NewDate COldCalendar::ToNewDate(int year, int position, int day) const {
    if (CheckYear(year, 7) != 0) return {};
    if (!HasPosition(year, position)) return {};
    // Old 593-1-1 is day number 1 and falls on the 40th day of Gregorian 593.
    long rest = DayNumber(year, position, day) + 39;
    if (rest < 1) return {};
    int g = kFirstYear;
    while (rest > CNewCalendar::GetYearDays(g)) {
        rest -= CNewCalendar::GetYearDays(g);
        ++g;
    }
    int m = 1;
    while (rest > CNewCalendar::GetMonthDays(g, m)) {
        rest -= CNewCalendar::GetMonthDays(g, m);
        ++m;
    }
    return {g, m, static_cast<int>(rest)};
}

int COldCalendar::GetLeapPosition(int year) const {
    if (CheckYear(year, 10) != 0) return -1;
    return Record(year).leapPosition;
}

int COldCalendar::GetMonthDays(int year, int position) const {
    if (CheckYear(year, 11) != 0) return -1;
    if (!HasPosition(year, position)) return -1;
    return Record(year).monthKinds[position] ? kBigMonth : kSmallMonth;
}

int COldCalendar::GetDayEto(int year, int position, int day) const {
    if (CheckYear(year, 13) != 0) return -1;
    if (!HasPosition(year, position)) return -1;
    long index = (DayNumber(year, position, day) + 37) % 60;
    return static_cast<int>(index < 0 ? index + 60 : index);
}
