#include "calendar/EtoTable.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

// Sixty distinct names of stem and branch; values of sixty or more are years (1924 甲子),
// negative ones have no name; 1864 starts a cycle of year signs.
TEST(EtoTable, NamesOfSignsAndYears) {
    CEtoTable table;
    std::set<std::string> distinct;
    for (int i = 0; i < 60; ++i) distinct.insert(table.GetEtoName(i));
    EXPECT_EQ(distinct.size(), 60u);
    for (auto [value, name] : {std::pair{0, "甲子"}, {10, "甲戌"}, {38, "壬寅"}, {59, "癸亥"}, {60, "庚申"},
                               {1874, "甲戌"}, {1924, "甲子"}, {2000, "庚辰"}, {-1, ""}, {-61, ""}})
        EXPECT_STREQ(table.GetEtoName(value), name) << value;
    for (auto [year, sign] : {std::pair{1874, 10}, {1864, 0}, {2000, 16}, {1894, 30}})  // 1894 甲午
        EXPECT_EQ(CEtoTable::GetYearEto(year), sign) << year;
}
