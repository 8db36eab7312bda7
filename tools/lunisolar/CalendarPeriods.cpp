#include "CalendarPeriods.h"

#include "TrueTermCalendar.h"

namespace lunisolar {

std::vector<CalendarPeriod> HistoricalPeriods()
{
    return {
        {"天保暦", 1844, 1872, ComputeTenpoMonths},
        {"modern", 1873, kLastTableYear, ComputeModernMonths},
    };
}

} // namespace lunisolar
