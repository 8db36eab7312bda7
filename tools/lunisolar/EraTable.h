// Era runs (data/eras.tsv) and the era name and era year they give each old year.
#pragma once

#include "YearRow.h"

#include <istream>
#include <string>
#include <vector>

namespace lunisolar {

struct EraRun {
    int firstYear = 0;
    int firstEraYear = 0;
    std::string name; // UTF-8
};

// Reads the runs: '#' comment lines, a header line, then "first_year, first_era_year,
// name" separated by tabs, in ascending order. Throws std::runtime_error naming the
// line on anything malformed.
std::vector<EraRun> ReadEraRuns(std::istream& in);

// Fills the era fields of every row; throws when a row's year lies before the first run.
void ApplyEras(const std::vector<EraRun>& runs, std::vector<YearRow>& rows);

} // namespace lunisolar
