#include "haiku/ListCells.h"

#include <gtest/gtest.h>

#include "calendar/EtoTable.h"
#include "calendar/OldCalendar.h"
#include "haiku/HaikuTable.h"
#include "reader/TopicRecord.h"

TEST(ListCells, EachColumnShowsItsField) {
    COldCalendar calendar;
    CEtoTable eto;
    HaikuRecord r;
    r.line1 = "雪解けの";
    r.line2 = "千曲の瀬音";
    r.line3 = "高まりぬ";
    r.reading1 = "ゆきどけの";
    r.season = "春";
    r.kigo = "雪解け";
    r.year = 1894;
    const char* expected[] = {"1731", "雪解けの", "千曲の瀬音", "高まりぬ", "春", "雪解け",
                              "明治 27年甲午(1894)(27才)"};
    for (int c = 0; c < listcells::kHaikuColumns; ++c) {
        EXPECT_EQ(listcells::HaikuCell(r, 1730, c, calendar, eto), expected[c]) << "column " << c;
    }
    r.year = 0;  // unknown year: the cell stays empty
    EXPECT_EQ(listcells::HaikuCell(r, 0, 6, calendar, eto), "");
    EXPECT_EQ(listcells::NumberCell(0), "   1");
    EXPECT_EQ(listcells::NumberCell(9999), "10000");  // wider numbers are not cut
    TopicRecord topic{.key1 = "雪解け", .key2 = "ゆきどけ", .key3 = "春"};
    const char* kigo[] = {"  42", "雪解け", "ゆきどけ", "春"};
    for (int c = 0; c < listcells::kKigoColumns; ++c) EXPECT_EQ(listcells::KigoCell(topic, 41, c), kigo[c]);
}

TEST(ListCells, SearchFindsTheFirstRowShowingTheTextInAPhrase) {
    CHaikuTable table;
    const int first = table.GetCount();
    // 遠 is 89 93, which also lies across 初日 (8F 89 93 FA); A (41) is the trail byte of ア (83 41).
    ASSERT_TRUE(table.AddHaiku("新しき", "世紀の初日", "アイ", 1900));
    ASSERT_TRUE(table.AddHaiku("古池や", "遠き蛙の", "水の音", 1901));
    ASSERT_TRUE(table.AddHaiku("ABC", "def", "ghi", 1902));
    CommentaryEntry entry;
    entry.reading2 = "かわずとびこむ";
    table.SetCommentary(entry, first + 1);
    const std::vector<int> order = {first, first + 1, first + 2};
    const std::pair<const char*, int> cases[] = {
        {"遠", 1}, {"A", 2},   {"ABC", 2}, {"abc", -1}, {"の", 0},
        {"水の音", 1}, {"初日", 0}, {"", 0},   {"かわず", -1},  // readings are not searched
    };
    for (const auto& [text, row] : cases) {
        EXPECT_EQ(listcells::FindPhraseRow(table, order, 3, text), row) << text;
    }
    EXPECT_EQ(listcells::FindPhraseRow(table, {first + 2, first + 1}, 2, "の"), 1);  // display order
    EXPECT_EQ(listcells::FindPhraseRow(table, order, 1, "古池"), -1);  // rows beyond the count
    EXPECT_EQ(listcells::FindPhraseRow(table, order, 9, "ghi"), 2);   // count past the order
    EXPECT_EQ(listcells::FindPhraseRow(table, order, 0, ""), -1);
    EXPECT_EQ(listcells::SearchNotFoundMessage("かわず"), "検索文字列 : かわず が見つかりません.");
}
