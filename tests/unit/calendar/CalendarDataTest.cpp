#include "calendar/CalendarData.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

TEST(CalendarData, EraRunsAreInOrderAndEachNameIsOneRun) {
    EXPECT_EQ(kEraRunCount, 239);
    std::set<std::string> names;
    for (int i = 0; i < kEraRunCount; ++i) {
        if (i > 0) {
            EXPECT_LT(kEraRuns[i - 1].firstYear, kEraRuns[i].firstYear);
        }
        EXPECT_TRUE(names.insert(kEraRuns[i].name).second) << kEraRuns[i].firstYear;
        EXPECT_LE(std::string(kEraRuns[i].name).size(), 11u);
    }
    EXPECT_EQ(kEraRuns[0].firstYear, 593);
    EXPECT_STREQ(kEraRuns[kEraRunCount - 1].name, "令和");
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

// The run holding a year, across run edges, and the historical spellings of the nine eras
// whose names the era list once carried misprinted.
TEST(CalendarData, FindEraRunPicksTheRunHoldingTheYear) {
    struct Case { int year; const char* name; };
    const Case cases[] = {
        {593, "推古"},   {628, "推古"},   {629, "舒明"},   {854, "斉衡"},   {1229, "寛喜"},
        {1429, "永享"},  {1452, "享徳"},  {1487, "長享"},  {1528, "享禄"},  {1716, "享保"},
        {1744, "延享"},  {1801, "享和"},  {2018, "平成"},  {2019, "令和"},  {2051, "令和"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(FindEraRun(c.year).name, c.name) << c.year;
}
