// Proleptic Gregorian arithmetic (no Julian period, also before 1582) and
// weekdays with their one-character names.
#pragma once

class CNewCalendar {
public:
    CNewCalendar();

    static int GetFebruaryDays(int year);
    static int GetMonthDays(int year, int month);
    static int GetYearDays(int year);
    // 0 = Sunday ... 6 = Saturday.
    static int GetWeekday(int year, int month, int day);
    // cp932 name of a weekday 0-6 ("日" ... "土"); empty outside that range.
    const char* GetWeekdayName(int weekday) const;

private:
    char m_szWeekdayNames[7][3];
};
