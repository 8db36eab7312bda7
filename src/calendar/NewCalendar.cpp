#include "calendar/NewCalendar.h"

#include <cstring>

CNewCalendar::CNewCalendar() {
    static const char* const kNames[7] = {"日", "月", "火", "水", "木", "金", "土"};
    for (int i = 0; i < 7; ++i) {
        std::memcpy(m_szWeekdayNames[i], kNames[i], sizeof m_szWeekdayNames[i]);
    }
}

int CNewCalendar::GetFebruaryDays(int year) {
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return leap ? 29 : 28;
}

int CNewCalendar::GetMonthDays(int year, int month) {
    switch (month) {
        case 4: case 6: case 9: case 11: return 30;
        case 2: return GetFebruaryDays(year);
        default: return 31;
    }
}

int CNewCalendar::GetYearDays(int year) { return GetFebruaryDays(year) == 29 ? 366 : 365; }

int CNewCalendar::GetWeekday(int year, int month, int day) {
    // Zeller-style congruence with January and February counted as months 13 and 14
    // of the year before.
    if (month < 3) {
        year -= 1;
        month += 12;
    }
    int w = (day + (13 * month + 8) / 5 + year + year / 4 - year / 100 + year / 400) % 7;
    return w < 0 ? w + 7 : w;
}

const char* CNewCalendar::GetWeekdayName(int weekday) const {
    if (weekday < 0 || weekday > 6) return "";
    return m_szWeekdayNames[weekday];
}
