#include "EraTable.h"

#include "TsvRows.h"

#include <sstream>
#include <stdexcept>

namespace lunisolar {

std::vector<EraRun> ReadEraRuns(std::istream& in)
{
    std::vector<EraRun> runs;
    ForEachTsvRow(in, [&](int lineNumber, const std::string& line) {
        std::istringstream fields(line);
        EraRun run;
        std::string first, eraYear;
        if (!std::getline(fields, first, '\t') || !std::getline(fields, eraYear, '\t') || !std::getline(fields, run.name)
            || run.name.empty())
            throw std::runtime_error("era table line " + std::to_string(lineNumber) + ": expected three fields");
        try {
            std::size_t used1 = 0, used2 = 0;
            run.firstYear = std::stoi(first, &used1);
            run.firstEraYear = std::stoi(eraYear, &used2);
            if (used1 != first.size() || used2 != eraYear.size())
                throw std::invalid_argument("trailing text");
        } catch (const std::logic_error&) {
            throw std::runtime_error("era table line " + std::to_string(lineNumber) + ": bad number");
        }
        if (!runs.empty() && run.firstYear <= runs.back().firstYear)
            throw std::runtime_error("era table line " + std::to_string(lineNumber) + ": years out of order");
        runs.push_back(run);
    });
    return runs;
}

void ApplyEras(const std::vector<EraRun>& runs, std::vector<YearRow>& rows)
{
    for (YearRow& row : rows) {
        const EraRun* current = nullptr;
        for (const EraRun& run : runs) {
            if (run.firstYear > row.year)
                break;
            current = &run;
        }
        if (!current)
            throw std::runtime_error("no era for the year " + std::to_string(row.year));
        row.eraName = current->name;
        row.eraYear = current->firstEraYear + (row.year - current->firstYear);
    }
}

} // namespace lunisolar
