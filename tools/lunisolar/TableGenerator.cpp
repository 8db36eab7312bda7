#include "TableGenerator.h"

#include "CalendarPeriods.h"
#include "DayMath.h"
#include "EraTable.h"
#include "Overrides.h"
#include "TableWriter.h"
#include "YearAssembly.h"

#include <fstream>
#include <stdexcept>

namespace lunisolar {

std::vector<LunarMonth> ComputeMonthLine()
{
    return AssembleMonths(HistoricalPeriods());
}

std::string GenerateYearTable(const std::string& erasPath, const std::string& overridesPath, std::string* monthLine)
{
    std::ifstream eras(erasPath);
    if (!eras)
        throw std::runtime_error("cannot read " + erasPath);
    std::ifstream overridesFile(overridesPath);
    if (!overridesFile)
        throw std::runtime_error("cannot read " + overridesPath);
    std::vector<LunarMonth> months = ComputeMonthLine();
    ApplyOverrides(ReadOverrides(overridesFile), months);
    if (monthLine) {
        for (const LunarMonth& month : months)
            *monthLine += std::to_string(month.year) + '\t' + MonthLabel(month.number, month.leap) + '\t'
                + FormatHistoricalDate(month.start) + '\n';
    }
    std::vector<YearRow> rows = CutIntoYears(months);
    ApplyEras(ReadEraRuns(eras), rows);
    return FormatYearTable(rows);
}

} // namespace lunisolar
