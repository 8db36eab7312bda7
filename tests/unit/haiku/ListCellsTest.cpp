#include "haiku/ListCells.h"

#include <gtest/gtest.h>

#include "haiku/HaikuTable.h"

// Case, display order and the row count; texts across two characters, the empty text,
// readings and the message are the hall's search test.
TEST(ListCells, SearchFindsTheFirstRowShowingTheTextInAPhrase) {
    CHaikuTable table;
    const int first = table.GetCount();
    ASSERT_TRUE(table.AddHaiku("新しき", "世紀の初日", "アイ", 1900));  // A (41) is ア's trail byte
    ASSERT_TRUE(table.AddHaiku("冬川や", "遠き舟の", "水の音", 1901));
    ASSERT_TRUE(table.AddHaiku("ABC", "def", "ghi", 1902));
    const std::vector<int> order = {first, first + 1, first + 2};
    for (const auto& [text, row] : {std::pair{"A", 2}, {"abc", -1}, {"の", 0}, {"水の音", 1}})
        EXPECT_EQ(listcells::FindPhraseRow(table, order, 3, text), row) << text;
    EXPECT_EQ(listcells::FindPhraseRow(table, {first + 2, first + 1}, 2, "の"), 1);  // display order
    EXPECT_EQ(listcells::FindPhraseRow(table, order, 1, "冬川"), -1);  // rows beyond the count
    EXPECT_EQ(listcells::FindPhraseRow(table, order, 9, "ghi"), 2);   // count past the order
    EXPECT_EQ(listcells::FindPhraseRow(table, order, 0, ""), -1);
}
