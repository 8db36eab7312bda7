// The old Japanese lunisolar calendar, 593-2051, and its conversion to Gregorian
// dates. An old year carries the number of the Gregorian year in which its New
// Year's day falls; its months are addressed by position 1-12, or 1-13 in a year
// with a leap month (the leap month directly follows the month it repeats).
//
// Every operation checks the year first: outside 593-2051 it shows
// "<year>年の旧暦は計算できません.<code>" and returns its failure value. A month
// position outside the year's months fails quietly with the same value.
#pragma once

#include <vector>

#include "calendar/NewCalendar.h"
#include "calendar/NewDate.h"
#include "platform/NoticeWnd.h"

struct OldYearRecord {
    unsigned char monthKinds[14] = {};  // by position 1-13: 1 = 30 days, 0 = 29 days
    int leapPosition = 0;               // 0, or the leap month's position 2-13
    int daysInYear = 0;
    int eraYear = 0;
    char eraName[12] = {};
};

class COldCalendar {
public:
    static constexpr int kFirstYear = 593;
    static constexpr int kLastYear = 2051;
    static constexpr int kYearCount = kLastYear - kFirstYear + 1;
    static constexpr int kBigMonth = 30;
    static constexpr int kSmallMonth = 29;

    COldCalendar();

    int CheckYear(int year, int code) const;
    void StoreYear(int year, const int kinds[12], int leapMonth, int leapKind, const char* eraName,
                   int eraYear);

    const char* GetEraName(int year) const;  // nullptr on failure
    int GetEraYear(int year) const;
    NewDate ToNewDate(int year, int position, int day) const;
    int GetLeapPosition(int year) const;
    int GetMonthDays(int year, int position) const;
    int GetDayEto(int year, int position, int day) const;

    // Number of month positions of a year in range (12 or 13).
    int GetMonthCount(int year) const;

private:
    const OldYearRecord& Record(int year) const { return m_records[year - kFirstYear]; }
    bool HasPosition(int year, int position) const;
    // Days from old 593-1-1 (day number 1) to the given date.
    long DayNumber(int year, int position, int day) const;

    std::vector<OldYearRecord> m_records;
    std::vector<long> m_daysBefore;  // days of all years before each year
    CNewCalendar m_newCalendar;
    CNoticeWnd m_notice;
};
