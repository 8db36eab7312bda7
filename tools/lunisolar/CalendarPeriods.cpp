#include "CalendarPeriods.h"

#include "GenkaCalendar.h"
#include "JokyoCalendar.h"
#include "KanseiCalendar.h"
#include "TangCalendar.h"
#include "TrueTermCalendar.h"

namespace lunisolar {

namespace {

CalendarPeriod TangPeriod(const char* name, int first, int last, const TangParameters& parameters)
{
    return {name, first, last, [&parameters](int a, int b) { return ComputeTangMonths(parameters, a, b); }};
}

CalendarPeriod JokyoPeriod(const char* name, int first, int last, const JokyoParameters& parameters)
{
    return {name, first, last, [&parameters](int a, int b) { return ComputeJokyoMonths(parameters, a, b); }};
}

} // namespace

std::vector<CalendarPeriod> HistoricalPeriods()
{
    return {
        {"元嘉暦", kFirstTableYear, 697, ComputeGenkaMonths},
        TangPeriod("儀鳳暦", 698, 763, GihoParameters()),
        TangPeriod("大衍暦", 764, 861, TaienParameters()),
        TangPeriod("宣明暦", 862, 1684, SenmyoParameters()),
        JokyoPeriod("貞享暦", 1685, 1754, JokyoCalendarParameters()),
        JokyoPeriod("宝暦暦", 1755, 1770, HorekiCalendarParameters()),
        JokyoPeriod("修正宝暦暦", 1771, 1797, RevisedHorekiCalendarParameters()),
        {"寛政暦", 1798, 1843, ComputeKanseiMonths},
        {"天保暦", 1844, 1872, ComputeTenpoMonths},
        {"modern", 1873, kLastTableYear, ComputeModernMonths},
    };
}

} // namespace lunisolar
