#include "haiku/HaikuTable.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "RecordingNoticeSink.h"
#include "haiku/CommentaryReader.h"

namespace fs = std::filesystem;

TEST(HaikuTable, HoldsTheWholeCollectionInYearOrder) {
    CHaikuTable table;
    ASSERT_EQ(table.GetCount(), 1731);
    EXPECT_EQ(table.GetHaiku(0).number, 1);
    EXPECT_EQ(table.GetHaiku(0).year, 1894);
    EXPECT_EQ(table.GetHaiku(1730).number, 1731);
    EXPECT_EQ(table.GetHaiku(1730).year, 1945);
    for (int i = 1; i < table.GetCount(); ++i) {
        HaikuRecord record = table.GetHaiku(i);
        ASSERT_LE(table.GetHaiku(i - 1).year, record.year) << i;
        ASSERT_EQ(record.number, i + 1);
        ASSERT_FALSE(record.line1.empty() || record.line2.empty() || record.line3.empty()) << i;
        ASSERT_LE(record.line1.size(), 14u);
        ASSERT_LE(record.line2.size(), 18u);
        ASSERT_LE(record.line3.size(), 12u);
        ASSERT_FALSE(record.hasReading);
    }
}

TEST(HaikuTable, AgeCountsFromTheYearOfBirth) {
    EXPECT_EQ(CHaikuTable::GetAge(1894), 27);
    EXPECT_EQ(CHaikuTable::GetAge(1945), 78);
}

TEST(HaikuTable, AddHaikuStopsAtTheCapacity) {
    CHaikuTable table;
    int before = table.GetCount();
    while (table.AddHaiku("a", "b", "c", 1945)) {
    }
    EXPECT_EQ(table.GetCount(), CHaikuTable::kCapacity);
    EXPECT_EQ(table.GetHaiku(before).number, before + 1);
    EXPECT_EQ(table.GetHaiku(CHaikuTable::kCapacity - 1).number, CHaikuTable::kCapacity);
}

TEST(HaikuTable, SetCommentaryOutsideTheTableSaysErrorAndStoresNothing) {
    RecordingNoticeSink sink;
    CHaikuTable table;
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

class BulkLoadTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                (std::string("quillary-bulk-") +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(m_dir / "TxtData");
    }
    void TearDown() override { fs::remove_all(m_dir); }
    void Write(const std::string& text) {
        std::ofstream(m_dir / "TxtData" / "tavelo.txt", std::ios::binary) << text;
    }

    RecordingNoticeSink sink;
    fs::path m_dir;
    CHaikuTable table;
};

}  // namespace

TEST_F(BulkLoadTest, OnlyLinesThatBeginWithAMarkerAreFields) {
    Write("[*]\n2:あ い う\n季節 3:秋\n4:月\n6:解釈\n3:冬\n[*]\n3:夏\n");
    CCommentaryReader reader(m_dir.string());
    ASSERT_EQ(reader.LoadAll("tavelo.txt", 0, 44, table, table.GetCount()), 0);
    EXPECT_EQ(table.GetHaiku(0).reading2, "い");
    EXPECT_EQ(table.GetHaiku(0).season, "");  // "季節 3:秋" is not a field line; "3:冬" follows "6:"
    EXPECT_EQ(table.GetHaiku(0).kigo, "月");
    EXPECT_EQ(table.GetHaiku(1).season, "夏");
    EXPECT_FALSE(table.GetHaiku(2).hasReading);
}

TEST_F(BulkLoadTest, AnEmptyLineEndsTheSectionAndTheNextSectionFillsTheNextRecord) {
    Write("[*]\n3:春\n\n4:桜\n[*]\n3:秋\n");
    CCommentaryReader reader(m_dir.string());
    reader.LoadAll("tavelo.txt", 0, 44, table, table.GetCount());
    EXPECT_EQ(table.GetHaiku(0).season, "春");
    EXPECT_EQ(table.GetHaiku(0).kigo, "");
    EXPECT_EQ(table.GetHaiku(1).season, "秋");
}

TEST_F(BulkLoadTest, StopsAtTheMaximumCount) {
    Write("[*]\n3:春\n[*]\n3:夏\n[*]\n3:秋\n");
    CCommentaryReader reader(m_dir.string());
    reader.LoadAll("tavelo.txt", 0, 44, table, 2);
    EXPECT_EQ(table.GetHaiku(1).season, "夏");
    EXPECT_EQ(table.GetHaiku(2).season, "");
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(BulkLoadTest, MoreSectionsThanRecordsSayErrorOnceTheTableIsFull) {
    std::string text;
    for (int i = 0; i < table.GetCount() + 1; ++i) text += "[*]\n3:春\n";
    Write(text);
    CCommentaryReader reader(m_dir.string());
    reader.LoadAll("tavelo.txt", 0, 44, table, table.GetCount() + 1);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0], "error");
}

TEST_F(BulkLoadTest, ReadsFilesLongerThanFifteenThousandLines) {
    std::string text;
    for (int i = 0; i < 1731; ++i) {
        text += "[*]\n2:あ い う\n3:冬\n4:雪\n5:「六百句」\n6:一行目\n二行目\n三行目\n四行目\n\n";
    }
    Write(text);
    CCommentaryReader reader(m_dir.string());
    reader.LoadAll("tavelo.txt", 0, 44, table, table.GetCount());
    EXPECT_EQ(table.GetHaiku(1730).kigo, "雪");
}

TEST_F(BulkLoadTest, MissingFileLeavesTheTableUnchanged) {
    CCommentaryReader reader(m_dir.string());
    EXPECT_EQ(reader.LoadAll("tavelo.txt", 0, 44, table, table.GetCount()), -1);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(table.GetCount(), 1731);
    EXPECT_FALSE(table.GetHaiku(0).hasReading);
    EXPECT_FALSE(table.GetHaiku(0).line1.empty());
}
