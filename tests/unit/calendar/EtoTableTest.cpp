#include "calendar/EtoTable.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

TEST(EtoTable, NamesCombineStemsAndBranches) {
    CEtoTable table;
    EXPECT_STREQ(table.GetEtoName(0), "甲子");
    EXPECT_STREQ(table.GetEtoName(10), "甲戌");
    EXPECT_STREQ(table.GetEtoName(38), "壬寅");
    EXPECT_STREQ(table.GetEtoName(59), "癸亥");
    std::set<std::string> distinct;
    for (int i = 0; i < 60; ++i) distinct.insert(table.GetEtoName(i));
    EXPECT_EQ(distinct.size(), 60u);
}

TEST(EtoTable, ValuesOfSixtyOrMoreAreYearsAndNegativeOnesHaveNoName) {
    CEtoTable table;
    for (auto [value, name] : {std::pair{60, "庚申"}, {1874, "甲戌"}, {1924, "甲子"}, {2000, "庚辰"},
                               {-1, ""}, {-61, ""}})
        EXPECT_STREQ(table.GetEtoName(value), name) << value;
    for (auto [year, sign] : {std::pair{1874, 10}, {1864, 0}, {2000, 16}, {1894, 30}})  // 1894 甲午
        EXPECT_EQ(CEtoTable::GetYearEto(year), sign) << year;
}
