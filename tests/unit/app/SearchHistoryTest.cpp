#include <gtest/gtest.h>

#include "app/SearchHistory.h"

namespace {

std::vector<std::string> InsertAll(const std::vector<std::string>& texts) {
    std::vector<std::string> list;
    for (const std::string& t : texts)
        list.insert(list.begin() + static_cast<long>(HistoryInsertPosition(list, t)), t);
    return list;
}

TEST(SearchHistory, SortsWithoutRegardToAsciiCase) {
    EXPECT_EQ(InsertAll({"b", "a"}), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(InsertAll({"banana", "Apple", "cherry"}),
              (std::vector<std::string>{"Apple", "banana", "cherry"}));
    EXPECT_LT(CompareHistoryText("ab", "abc"), 0);
    EXPECT_EQ(CompareHistoryText("ABC", "abc"), 0);
}

TEST(SearchHistory, ACaseVariantIsANewEntryBesideTheOld) {
    std::vector<std::string> list{"abc"};
    EXPECT_TRUE(HistoryContains(list, "abc"));
    EXPECT_FALSE(HistoryContains(list, "ABC"));
    EXPECT_EQ(HistoryInsertPosition(list, "ABC"), 1u);  // after the equal entry
}

TEST(SearchHistory, DoubleByteTextsSortByTheirBytesWithTrailBytesUnfolded) {
    // "ア" is 0x83 0x41 and "ビ" is 0x83 0x72: folding the trail byte 'A' to 'a' (0x61)
    // would put "ア" after 0x83 0x5F. Trail bytes are not letters.
    EXPECT_LT(CompareHistoryText("\x83\x41", "\x83\x5f"), 0);
    EXPECT_GT(CompareHistoryText("\x88\x9f", "zzz"), 0);  // kanji after ASCII
    EXPECT_EQ(InsertAll({"\x83\x72", "b", "\x83\x41", "A"}),
              (std::vector<std::string>{"A", "b", "\x83\x41", "\x83\x72"}));
}

TEST(SearchHistory, LongEntriesCompareInFull) {
    std::string a(300, 'x');
    std::string b = a;
    b.back() = 'y';
    EXPECT_LT(CompareHistoryText(a, b), 0);
    EXPECT_FALSE(HistoryContains({a}, b));
}

}  // namespace
