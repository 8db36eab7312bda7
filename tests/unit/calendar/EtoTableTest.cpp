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

TEST(EtoTable, ValuesOfSixtyOrMoreAreYears) {
    CEtoTable table;
    EXPECT_STREQ(table.GetEtoName(60), "庚申");
    EXPECT_STREQ(table.GetEtoName(1874), "甲戌");
    EXPECT_STREQ(table.GetEtoName(1924), "甲子");
    EXPECT_STREQ(table.GetEtoName(2000), "庚辰");
    EXPECT_EQ(CEtoTable::GetYearEto(1874), 10);
    EXPECT_EQ(CEtoTable::GetYearEto(1864), 0);
    EXPECT_EQ(CEtoTable::GetYearEto(2000), 16);
    EXPECT_EQ(CEtoTable::GetYearEto(1894), 30);  // 甲午
}

TEST(EtoTable, NegativeValueGivesAnEmptyNameInsteadOfReadingOutside) {
    CEtoTable table;
    EXPECT_STREQ(table.GetEtoName(-1), "");
    EXPECT_STREQ(table.GetEtoName(-61), "");
}
