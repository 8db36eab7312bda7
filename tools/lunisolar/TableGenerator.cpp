#include "TableGenerator.h"

#include "CalendarPeriods.h"
#include "EraTable.h"
#include "TableWriter.h"
#include "YearAssembly.h"

#include <fstream>
#include <stdexcept>

namespace lunisolar {

std::vector<LunarMonth> ComputeMonthLine()
{
    return AssembleMonths(HistoricalPeriods());
}

std::string GenerateYearTable(const std::string& erasPath, const std::string& overridesPath)
{
    std::ifstream eras(erasPath);
    if (!eras)
        throw std::runtime_error("cannot read " + erasPath);
    (void)overridesPath;
    std::vector<LunarMonth> months = ComputeMonthLine();
    std::vector<YearRow> rows = CutIntoYears(months);
    ApplyEras(ReadEraRuns(eras), rows);
    return FormatYearTable(rows);
}

} // namespace lunisolar
