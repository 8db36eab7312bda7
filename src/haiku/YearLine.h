// The year of a haiku as the halls show it: era name, era year, sexagenary name,
// Gregorian year and the poet's age, e.g. "明治 27年甲午(1894)(27才)" (cp932).
#pragma once

#include <string>

class COldCalendar;
class CEtoTable;

// Empty for year 0 (unknown) and for years the old calendar does not hold.
std::string FormatYearLine(const COldCalendar& calendar, const CEtoTable& eto, int year);
