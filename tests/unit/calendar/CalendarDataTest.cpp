#include "calendar/CalendarData.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

TEST(CalendarData, EraRunsAreInOrderAndEachNameIsOneRun) {
    EXPECT_EQ(kEraRunCount, 238);
    std::set<std::string> names;
    for (int i = 0; i < kEraRunCount; ++i) {
        if (i > 0) {
            EXPECT_LT(kEraRuns[i - 1].firstYear, kEraRuns[i].firstYear);
        }
        EXPECT_TRUE(names.insert(kEraRuns[i].name).second) << kEraRuns[i].firstYear;
        EXPECT_LE(std::string(kEraRuns[i].name).size(), 11u);
    }
    EXPECT_EQ(kEraRuns[0].firstYear, 593);
    EXPECT_STREQ(kEraRuns[kEraRunCount - 1].name, "平成");
}

TEST(CalendarData, LunisolarRowsCoverEveryYearOnceAndAgreeWithTheEraRuns) {
    ASSERT_EQ(kLunisolarRowCount, 1459);
    for (int i = 0; i < kLunisolarRowCount; ++i) {
        const LunisolarRow& row = kLunisolarRows[i];
        ASSERT_EQ(row.year, 593 + i);
        EXPECT_TRUE(row.leapMonth >= 0 && row.leapMonth <= 12) << row.year;
        if (row.leapMonth == 0) {
            EXPECT_EQ(row.leapKind, 0) << row.year;
        }
        const EraRun& era = FindEraRun(row.year);
        EXPECT_STREQ(row.eraName, era.name) << row.year;
        EXPECT_EQ(row.eraYear, era.firstEraYear + row.year - era.firstYear) << row.year;
    }
}

TEST(CalendarData, FindEraRunPicksTheRunHoldingTheYear) {
    EXPECT_STREQ(FindEraRun(593).name, "推古");
    EXPECT_STREQ(FindEraRun(628).name, "推古");
    EXPECT_STREQ(FindEraRun(629).name, "舒明");
    EXPECT_STREQ(FindEraRun(2051).name, "平成");
}
