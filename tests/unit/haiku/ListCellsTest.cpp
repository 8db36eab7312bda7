#include "haiku/ListCells.h"

#include <gtest/gtest.h>

#include "RecordingNoticeSink.h"
#include "calendar/EtoTable.h"
#include "calendar/OldCalendar.h"
#include "haiku/HaikuTable.h"
#include "reader/TopicRecord.h"

TEST(HaikuListCells, NumberIsRightAlignedInFourCharacters) {
    EXPECT_EQ(listcells::NumberCell(0), "   1");
    EXPECT_EQ(listcells::NumberCell(1730), "1731");
    EXPECT_EQ(listcells::NumberCell(9999), "10000");  // wider numbers are not cut
}

TEST(HaikuListCells, EachColumnShowsItsField) {
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
    const char* expected[] = {"   1", "雪解けの", "千曲の瀬音", "高まりぬ", "春", "雪解け",
                              "明治 27年甲午(1894)(27才)"};
    for (int c = 0; c < listcells::kHaikuColumns; ++c) {
        EXPECT_EQ(listcells::HaikuCell(r, 0, c, calendar, eto), expected[c]) << "column " << c;
    }
    r.year = 0;  // unknown year: the cell stays empty
    EXPECT_EQ(listcells::HaikuCell(r, 0, 6, calendar, eto), "");
}

TEST(KigoListCells, ColumnsShowNumberAndTheThreeKeys) {
    TopicRecord topic;
    topic.key1 = "雪解け";
    topic.key2 = "ゆきどけ";
    topic.key3 = "春";
    EXPECT_EQ(listcells::KigoCell(topic, 41, 0), "  42");
    EXPECT_EQ(listcells::KigoCell(topic, 41, 1), "雪解け");
    EXPECT_EQ(listcells::KigoCell(topic, 41, 2), "ゆきどけ");
    EXPECT_EQ(listcells::KigoCell(topic, 41, 3), "春");
}

class PhraseSearch : public ::testing::Test {
protected:
    void SetUp() override {
        first = table.GetCount();
        ASSERT_TRUE(table.AddHaiku("春の海", "終日のたり", "のたりかな", 1900));
        ASSERT_TRUE(table.AddHaiku("古池や", "蛙飛びこむ", "水の音", 1901));
        CommentaryEntry entry;
        entry.reading1 = "ふるいけや";
        entry.reading2 = "かわずとびこむ";
        entry.reading3 = "みずのおと";
        table.SetCommentary(entry, first + 1);
        order = {first, first + 1};
    }
    CHaikuTable table;
    int first = 0;
    std::vector<int> order;
};

TEST_F(PhraseSearch, FindsTheFirstRowInDisplayOrderWhosePhrasesHoldTheText) {
    EXPECT_EQ(listcells::FindPhraseRow(table, order, 2, "水の"), 1);
    EXPECT_EQ(listcells::FindPhraseRow(table, order, 2, "のたり"), 0);
    std::swap(order[0], order[1]);
    EXPECT_EQ(listcells::FindPhraseRow(table, order, 2, "の"), 0);  // 古池や row now first
    EXPECT_EQ(listcells::FindPhraseRow(table, order, 2, "春の海"), 1);
}

TEST_F(PhraseSearch, EmptyTextIsFoundInRowZero) {
    EXPECT_EQ(listcells::FindPhraseRow(table, order, 2, ""), 0);
    EXPECT_EQ(listcells::FindPhraseRow(table, order, 0, ""), -1);  // no rows at all
}

TEST_F(PhraseSearch, ReadingsAndRowsBeyondTheCountAreNotSearched) {
    EXPECT_EQ(listcells::FindPhraseRow(table, order, 2, "かわず"), -1);
    EXPECT_EQ(listcells::FindPhraseRow(table, order, 1, "古池"), -1);
    EXPECT_EQ(listcells::FindPhraseRow(table, order, 5, "古池"), 1);  // count past the order
}

TEST_F(PhraseSearch, AsciiIsMatchedWithItsCase) {
    ASSERT_TRUE(table.AddHaiku("ABC", "def", "ghi", 1902));
    std::vector<int> one = {table.GetCount() - 1};
    EXPECT_EQ(listcells::FindPhraseRow(table, one, 1, "abc"), -1);
    EXPECT_EQ(listcells::FindPhraseRow(table, one, 1, "ABC"), 0);
}

TEST(HaikuListCells, NotFoundMessageQuotesTheText) {
    EXPECT_EQ(listcells::SearchNotFoundMessage("かわず"),
              "検索文字列 : かわず が見つかりません.");
}
