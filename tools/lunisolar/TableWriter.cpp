#include "TableWriter.h"

namespace lunisolar {

std::string FormatYearTable(const std::vector<YearRow>& rows)
{
    std::string text = "year\tkinds\tleap_month\tleap_kind\tera_name\tera_year\n";
    for (const YearRow& row : rows) {
        text += std::to_string(row.year) + '\t';
        for (bool big : row.bigMonths)
            text += big ? '1' : '0';
        text += '\t' + std::to_string(row.leapMonth) + '\t' + (row.leapMonth != 0 && row.leapBig ? "1" : "0");
        text += '\t' + row.eraName + '\t' + std::to_string(row.eraYear) + '\n';
    }
    return text;
}

} // namespace lunisolar
