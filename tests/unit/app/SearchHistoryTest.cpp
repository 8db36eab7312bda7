#include <gtest/gtest.h>

#include <tuple>

#include "app/SearchHistory.h"

namespace {

std::vector<std::string> InsertAll(const std::vector<std::string>& texts) {
    std::vector<std::string> list;
    for (const std::string& t : texts)
        list.insert(list.begin() + static_cast<long>(HistoryInsertPosition(list, t)), t);
    return list;
}

// Entries sort without regard to ASCII case, a case variant going after its equal; double-
// byte texts sort by their bytes with trail bytes unfolded ("ア" is 83 41: folding its
// 'A' to 'a' would put it after 83 5F); long entries compare in full.
TEST(SearchHistory, OrderAndMembership) {
    const std::string longA(300, 'x'), longB = longA.substr(1) + "y";
    const std::tuple<std::string, std::string, int> cases[] = {
        {"ab", "abc", -1}, {"ABC", "abc", 0}, {"\x83\x41", "\x83\x5f", -1}, {"\x88\x9f", "zzz", 1},
        {longA, longB, -1},
    };
    for (const auto& [a, b, sign] : cases) {
        const int result = CompareHistoryText(a, b);
        EXPECT_EQ((result > 0) - (result < 0), sign) << a << " : " << b;
    }
    EXPECT_EQ(InsertAll({"banana", "Apple", "cherry", "b", "a"}),
              (std::vector<std::string>{"a", "Apple", "b", "banana", "cherry"}));
    std::vector<std::string> list{"abc"};
    EXPECT_TRUE(HistoryContains(list, "abc"));
    EXPECT_FALSE(HistoryContains(list, "ABC"));
    EXPECT_EQ(HistoryInsertPosition(list, "ABC"), 1u);
    EXPECT_FALSE(HistoryContains({longA}, longB));
}

}  // namespace
