#include "TableFixture.h"

#include "EraTable.h"
#include "Overrides.h"
#include "TableGenerator.h"
#include "YearAssembly.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace lunisolar::testing {

std::string SourcePath(const std::string& relative)
{
    return std::string(LUNISOLAR_SOURCE_DIR) + "/" + relative;
}

std::string ReferencePath(const std::string& file)
{
    const std::string path = std::string(LUNISOLAR_REFERENCE_DIR) + "/" + file;
    return std::filesystem::exists(path) ? path : std::string();
}

const std::vector<LunarMonth>& ComputedMonthLine()
{
    static const std::vector<LunarMonth> line = ComputeMonthLine();
    return line;
}

const std::vector<LunarMonth>& AdoptedMonthLine()
{
    static const std::vector<LunarMonth> line = [] {
        std::ifstream in(SourcePath("tools/lunisolar/overrides.tsv"));
        std::vector<LunarMonth> months = ComputedMonthLine();
        ApplyOverrides(ReadOverrides(in), months);
        return months;
    }();
    return line;
}

const std::vector<YearRow>& AdoptedYearRows()
{
    static const std::vector<YearRow> rows = [] {
        std::ifstream in(SourcePath("data/eras.tsv"));
        std::vector<YearRow> result = CutIntoYears(AdoptedMonthLine());
        ApplyEras(ReadEraRuns(in), result);
        return result;
    }();
    return rows;
}

const LunarMonth* AdoptedMonthOn(std::int64_t jdn)
{
    const std::vector<LunarMonth>& line = AdoptedMonthLine();
    for (std::size_t i = 0; i + 1 < line.size(); ++i) {
        if (line[i].start <= jdn && jdn < line[i + 1].start)
            return &line[i];
    }
    return nullptr;
}

const YearRow& RowOf(int year)
{
    const std::vector<YearRow>& rows = AdoptedYearRows();
    if (year < rows.front().year || year > rows.back().year)
        throw std::out_of_range("no row for the year");
    return rows[static_cast<std::size_t>(year - rows.front().year)];
}

} // namespace lunisolar::testing
