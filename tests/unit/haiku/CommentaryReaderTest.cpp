#include "haiku/CommentaryReader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <sys/stat.h>

#include "RecordingNoticeSink.h"
#include "haiku/HaikuTable.h"

namespace fs = std::filesystem;

namespace {

// A museum folder in the temp directory with a TxtData/tavelo.txt of our own.
class CommentaryReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("quillary-commentary-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                 "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(m_dir / "TxtData");
    }
    void TearDown() override { fs::remove_all(m_dir); }

    void Write(const std::string& text) {
        std::ofstream(m_dir / "TxtData" / "tavelo.txt", std::ios::binary) << text;
    }
    std::string WorkDir() const { return m_dir.string(); }

    RecordingNoticeSink sink;
    fs::path m_dir;
};

const char kTwoSections[] =
    "// 俳句の解説\n"
    "[*]\n"
    "1:上田にて\n"
    "2:はるかぜや とおきやまなみ ゆきのこる\n"
    "3:春\n"
    "4:春風\n"
    "5:「五百句」\n"
    "6:山の雪と春の風。\n"
    "続きの行。\n"
    "\n"
    "[*]\n"
    "2:あ い う\n"
    "3:夏\n"
    "6:二つ目\n";

}  // namespace

TEST_F(CommentaryReaderTest, ReadEntrySplitsTheReadingAndPadsRows) {
    Write(kTwoSections);
    CCommentaryReader reader(WorkDir());
    ASSERT_EQ(reader.ReadEntry("tavelo.txt", 0, 0, 44, nullptr), 0);
    CommentaryEntry entry = reader.GetEntry();
    EXPECT_EQ(entry.preface, "上田にて");
    EXPECT_EQ(entry.reading1, "はるかぜや");
    EXPECT_EQ(entry.reading2, "とおきやまなみ");
    EXPECT_EQ(entry.reading3, "ゆきのこる");
    EXPECT_EQ(entry.season, "春");
    EXPECT_EQ(entry.kigo, "春風");
    EXPECT_EQ(entry.source, "「五百句」");
    std::string first = "山の雪と春の風。";
    std::string expected = first + std::string(44 - first.size(), ' ') + "続きの行。";
    expected += std::string(44 - std::string("続きの行。").size(), ' ');
    // The empty line after the interpretation is a row of its own for the card reader.
    EXPECT_EQ(entry.interpretation.substr(0, expected.size()), expected);
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(CommentaryReaderTest, ReadEntryBeyondTheLastSectionIsEmpty) {
    Write(kTwoSections);
    CCommentaryReader reader(WorkDir());
    ASSERT_EQ(reader.ReadEntry("tavelo.txt", 0, 1, 44, nullptr), 0);
    EXPECT_EQ(reader.GetEntry().season, "夏");
    ASSERT_EQ(reader.ReadEntry("tavelo.txt", 0, 2, 44, nullptr), 0);
    EXPECT_EQ(reader.GetEntry().season, "");
    EXPECT_EQ(reader.GetEntry().reading1, "");
}

TEST(CommentaryRows, PaddingFillsToTheNextMultipleOfTheRowWidth) {
    std::string text;
    CCommentaryReader::AppendRow(text, std::string(10, 'a'), 44);
    EXPECT_EQ(text.size(), 44u);
    EXPECT_EQ(text.substr(10), std::string(34, ' '));
    text.clear();
    CCommentaryReader::AppendRow(text, std::string(44, 'a'), 44);
    EXPECT_EQ(text.size(), 44u);
    text.clear();
    CCommentaryReader::AppendRow(text, std::string(45, 'a'), 44);
    EXPECT_EQ(text.size(), 88u);
    EXPECT_EQ(text.substr(45), std::string(43, ' '));
}

TEST(CommentaryRows, InterpretationNeverOutgrowsItsFieldNorSplitsACharacter) {
    std::string text;
    for (int i = 0; i < 100; ++i) CCommentaryReader::AppendRow(text, "あいうえお", 44);
    EXPECT_LE(text.size(), 2047u);
    EXPECT_TRUE(cp932::IsValidCp932(text));
}

TEST_F(CommentaryReaderTest, CardReaderEndsTheInterpretationAtAnyMarker) {
    Write("[*]\n6:解釈\n続き\n年は3:ここで終わる\n後ろ\n");
    CCommentaryReader reader(WorkDir());
    reader.ReadEntry("tavelo.txt", 0, 0, 44, nullptr);
    CommentaryEntry entry = reader.GetEntry();
    EXPECT_EQ(entry.interpretation.size(), 88u);  // "解釈" and "続き", one row each
    EXPECT_EQ(entry.season, "");                  // the read ended at the marker line
}

TEST_F(CommentaryReaderTest, CardReaderFindsMarkersAnywhereInTheLine) {
    Write("[*]\n季節 3:秋\n  4:月\n");
    CCommentaryReader reader(WorkDir());
    reader.ReadEntry("tavelo.txt", 0, 0, 44, nullptr);
    EXPECT_EQ(reader.GetEntry().season, "秋");
    EXPECT_EQ(reader.GetEntry().kigo, "月");
}

TEST_F(CommentaryReaderTest, ReadingWithFewerThanTwoSpacesLeavesPartsEmpty) {
    Write("[*]\n2:ひとつ\n[*]\n2:ふた つ\n[*]\n2:a b c d\n[*]\n2:全角　空白 で\n");
    CCommentaryReader reader(WorkDir());
    reader.ReadEntry("tavelo.txt", 0, 0, 44, nullptr);
    EXPECT_EQ(reader.GetEntry().reading1, "ひとつ");
    EXPECT_EQ(reader.GetEntry().reading2, "");
    reader.ReadEntry("tavelo.txt", 0, 1, 44, nullptr);
    EXPECT_EQ(reader.GetEntry().reading2, "つ");
    EXPECT_EQ(reader.GetEntry().reading3, "");
    reader.ReadEntry("tavelo.txt", 0, 2, 44, nullptr);
    EXPECT_EQ(reader.GetEntry().reading3, "c d");
    reader.ReadEntry("tavelo.txt", 0, 3, 44, nullptr);
    EXPECT_EQ(reader.GetEntry().reading1, "全角　空白");  // full-width spaces do not split
    EXPECT_EQ(reader.GetEntry().reading2, "で");
}

TEST_F(CommentaryReaderTest, LongValuesAreCutOnCharacterBoundaries) {
    std::string longSource(30, 'x');
    for (int i = 0; i < 10; ++i) longSource += "あ";
    Write("[*]\n5:" + longSource + "\n");
    CCommentaryReader reader(WorkDir());
    reader.ReadEntry("tavelo.txt", 0, 0, 44, nullptr);
    std::string source = reader.GetEntry().source;
    EXPECT_EQ(source.size(), 38u);  // 39 would split a character
    EXPECT_TRUE(cp932::IsValidCp932(source));
}

TEST_F(CommentaryReaderTest, MissingFileIsReportedAndLeavesTheEntryEmpty) {
    Write(kTwoSections);
    CCommentaryReader reader(WorkDir());
    reader.ReadEntry("tavelo.txt", 0, 0, 44, nullptr);
    EXPECT_EQ(reader.ReadEntry("nosuch.txt", 0, 0, 44, nullptr), -1);
    EXPECT_EQ(reader.GetEntry().season, "");
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0], WorkDir() + "/TxtData/nosuch.txt\nファイル を読み出し出来ません.");
}

// CR LF ends a line; a lone CR stays in the line.
TEST_F(CommentaryReaderTest, CrLfLineEndsAreLineEnds) {
    Write("[*]\r\n3:冬\r\n4:雪\r\n5:a\rb\n");
    CCommentaryReader reader(WorkDir());
    reader.ReadEntry("tavelo.txt", 0, 0, 44, nullptr);
    EXPECT_EQ(reader.GetEntry().season, "冬");
    EXPECT_EQ(reader.GetEntry().kigo, "雪");
    EXPECT_EQ(reader.GetEntry().source, "a\rb");
}

// A directory or a FIFO as tavelo.txt is an unreadable file for both readers: the
// notice, then -1; nothing throws and nothing blocks.
TEST_F(CommentaryReaderTest, DirectoryOrFifoIsReportedUnreadableByBothReaders) {
    const fs::path path = m_dir / "TxtData" / "tavelo.txt";
    for (bool fifo : {false, true}) {
        fs::remove_all(path);
        if (fifo) ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
        else fs::create_directory(path);
        sink.messages.clear();
        CCommentaryReader reader(WorkDir());
        CHaikuTable table;
        EXPECT_EQ(reader.ReadEntry("tavelo.txt", 0, 0, 44, nullptr), -1) << fifo;
        EXPECT_EQ(reader.LoadAll("tavelo.txt", 0, 44, table, 10), -1) << fifo;
        EXPECT_EQ(sink.messages.size(), 2u) << fifo;
    }
}

TEST_F(CommentaryReaderTest, SecondReadingLineReplacesAllOfTheFirst) {
    Write("[*]\n2:ふる いけや かわず\n2:ひとつ\n3:春\n");
    CCommentaryReader reader(WorkDir());
    reader.ReadEntry("tavelo.txt", 0, 0, 44, nullptr);
    EXPECT_EQ(reader.GetEntry().reading1, "ひとつ");
    EXPECT_EQ(reader.GetEntry().reading2, "");
    EXPECT_EQ(reader.GetEntry().reading3, "");
}
