#include "haiku/HaikuTable.h"

#include <gtest/gtest.h>

#include "RecordingNoticeSink.h"
#include "TempDir.h"
#include "haiku/CommentaryReader.h"

// The built-in table, with the notices it gives recorded.
class HaikuTableTest : public ::testing::Test {
protected:
    RecordingNoticeSink sink;
    CHaikuTable table;
};

// The built-in haiku (their figures are rules of the museum check) numbered from 1 in
// table order, then added ones up to the capacity.
TEST_F(HaikuTableTest, NumbersTheHaikuInTableOrderUpToTheCapacity) {
    const int builtin = table.GetCount();
    ASSERT_GT(builtin, 1000);
    while (table.AddHaiku("a", "b", "c", 1945)) {
    }
    ASSERT_EQ(table.GetCount(), CHaikuTable::kCapacity);
    for (int i = 0; i < table.GetCount(); ++i) {
        const HaikuRecord record = table.GetHaiku(i);
        ASSERT_EQ(record.number, i + 1);
        ASSERT_FALSE(record.line1.empty() || record.line2.empty() || record.line3.empty()) << i;
        ASSERT_FALSE(record.hasReading);
    }
    EXPECT_EQ(table.GetHaiku(builtin).line1, "a");
}

TEST_F(HaikuTableTest, SetCommentaryOutsideTheTableSaysErrorAndStoresNothing) {
    CommentaryEntry entry;
    entry.season = "春";
    table.SetCommentary(entry, table.GetCount());
    table.SetCommentary(entry, -1);
    ASSERT_EQ(sink.messages.size(), 2u);
    EXPECT_EQ(sink.messages[0], "error");
    EXPECT_EQ(table.GetHaiku(table.GetCount() - 1).season, "");
    table.SetCommentary(entry, 0);
    EXPECT_EQ(table.GetHaiku(0).season, "春");
    EXPECT_TRUE(table.GetHaiku(0).hasReading);
}

namespace {

// Loads text as TxtData/tavelo.txt into the built-in table, reading at most maxCount
// sections; returns LoadAll's result.
int LoadAll(CHaikuTable& table, const std::string& text, int maxCount) {
    TempDir dir;
    dir.Write("TxtData/tavelo.txt", text);
    CCommentaryReader reader(dir.Path());
    return reader.LoadAll("tavelo.txt", 0, 44, table, maxCount);
}

}  // namespace

TEST_F(HaikuTableTest, BulkLoadFieldsSectionsAndLimits) {
    // Only a line that begins with a marker is a field ("季節 3:秋" is none, and "3:冬"
    // after "6:" continues the interpretation); an empty line ends the section.
    const std::string text = "[*]\n2:あ い う\n季節 3:秋\n4:月\n6:解釈\n3:冬\n[*]\n3:夏\n\n4:桜\n[*]\n3:秋\n";
    ASSERT_EQ(LoadAll(table, text, 2), 0);  // the third section is beyond the count
    const std::tuple<int, const char*, const char*, const char*, bool> rows[] = {
        {0, "い", "", "月", true}, {1, "", "夏", "", true}, {2, "", "", "", false}};
    for (const auto& [row, reading2, season, kigo, hasReading] : rows) {
        const HaikuRecord record = table.GetHaiku(row);
        EXPECT_EQ(record.reading2, reading2) << row;
        EXPECT_EQ(record.season, season) << row;
        EXPECT_EQ(record.kigo, kigo) << row;
        EXPECT_EQ(record.hasReading, hasReading) << row;
    }
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(HaikuTableTest, BulkLoadOfALongFileFillsEveryRecordAndOneSectionTooManySaysErrorOnce) {
    std::string text;  // over fifteen thousand lines
    for (int i = 0; i < table.GetCount(); ++i)
        text += "[*]\n2:あ い う\n3:冬\n4:雪\n5:「六百句」\n6:一行目\n二行目\n三行目\n四行目\n\n";
    text += "[*]\n3:春\n";
    LoadAll(table, text, table.GetCount() + 1);
    EXPECT_EQ(table.GetHaiku(table.GetCount() - 1).kigo, "雪");
    EXPECT_EQ(sink.messages, std::vector<std::string>{"error"});
}
