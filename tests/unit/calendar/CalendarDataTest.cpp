#include "calendar/CalendarData.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

// Era runs in year order, one run per name; one lunisolar row per year, naming the
// era run that holds it. (The runs' names at telling years are checked through the
// old calendar.)
TEST(CalendarData, EraRunsAndLunisolarRowsAgree) {
    std::set<std::string> names;
    for (int i = 0; i < kEraRunCount; ++i) {
        EXPECT_TRUE(i == 0 || kEraRuns[i - 1].firstYear < kEraRuns[i].firstYear) << kEraRuns[i].name;
        EXPECT_TRUE(names.insert(kEraRuns[i].name).second) << kEraRuns[i].firstYear;
        EXPECT_LE(std::string(kEraRuns[i].name).size(), 11u);
    }
    ASSERT_EQ(kLunisolarRowCount, 1459);
    for (int i = 0; i < kLunisolarRowCount; ++i) {
        const LunisolarRow& row = kLunisolarRows[i];
        ASSERT_EQ(row.year, 593 + i);
        EXPECT_TRUE(row.leapMonth >= 0 && row.leapMonth <= 12) << row.year;
        EXPECT_TRUE(row.leapMonth > 0 || row.leapKind == 0) << row.year;
        const EraRun& era = FindEraRun(row.year);
        EXPECT_STREQ(row.eraName, era.name) << row.year;
        EXPECT_EQ(row.eraYear, era.firstEraYear + row.year - era.firstYear) << row.year;
    }
}
