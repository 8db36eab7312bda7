#include "haiku/ListCells.h"

#include <gtest/gtest.h>

#include "haiku/HaikuTable.h"

TEST(ListCells, SearchFindsTheFirstRowShowingTheTextInAPhrase) {
    CHaikuTable table;
    const int first = table.GetCount();
    // 遠 is 89 93, which also lies across 初日 (8F 89 93 FA); A (41) is the trail byte of ア (83 41).
    ASSERT_TRUE(table.AddHaiku("新しき", "世紀の初日", "アイ", 1900));
    ASSERT_TRUE(table.AddHaiku("冬川や", "遠き舟の", "水の音", 1901));
    ASSERT_TRUE(table.AddHaiku("ABC", "def", "ghi", 1902));
    CommentaryEntry entry;
    entry.reading2 = "とおきふねの";
    table.SetCommentary(entry, first + 1);
    const std::vector<int> order = {first, first + 1, first + 2};
    const std::pair<const char*, int> cases[] = {
        {"遠", 1}, {"A", 2},   {"ABC", 2}, {"abc", -1}, {"の", 0},
        {"水の音", 1}, {"初日", 0}, {"", 0},   {"ふねの", -1},  // readings are not searched
    };
    for (const auto& [text, row] : cases) {
        EXPECT_EQ(listcells::FindPhraseRow(table, order, 3, text), row) << text;
    }
    EXPECT_EQ(listcells::FindPhraseRow(table, {first + 2, first + 1}, 2, "の"), 1);  // display order
    EXPECT_EQ(listcells::FindPhraseRow(table, order, 1, "冬川"), -1);  // rows beyond the count
    EXPECT_EQ(listcells::FindPhraseRow(table, order, 9, "ghi"), 2);   // count past the order
    EXPECT_EQ(listcells::FindPhraseRow(table, order, 0, ""), -1);
    EXPECT_EQ(listcells::SearchNotFoundMessage("ふねの"), "検索文字列 : ふねの が見つかりません.");
}
