// Reading tips from "onepoint.txt": numbering, wrap-around and the title rules.
// Compiled with a cp932 execution character set, like the tips file.
#include <gtest/gtest.h>

#include <string>

#include "RecordingNoticeSink.h"
#include "TempDir.h"
#include "reader/TipsReader.h"

namespace {

class TipsReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_path = m_folder.Write("onepoint.txt",
                                "// 先頭のコメント\n"
                                "1:\n一番目\n本文一\n\n"
                                "2:\n二番目\n// 途中のコメント\n本文二\n"
                                "3:\n三番目\n"
                                "4:\n四番目\n"
                                " +5:\n五番目\n本文五\n");
    }
    int Load(int requested) { return m_reader.LoadTip(m_path, requested); }

    RecordingNoticeSink m_notices;
    TempDir m_folder;
    std::string m_path;
    CTipsReader m_reader;
};

TEST_F(TipsReaderTest, ReadsTheRequestedTip) {
    EXPECT_EQ(Load(2), 2);
    EXPECT_EQ(m_reader.Title(), "二番目\n");
    EXPECT_EQ(m_reader.Body(), "\n本文二\n");
    EXPECT_EQ(Load(5), 5);
    EXPECT_EQ(m_reader.Title(), "五番目\n");
    EXPECT_EQ(Load(3), 3);
    EXPECT_EQ(m_reader.Body(), "\n");
}

TEST_F(TipsReaderTest, WrapsAroundAtBothEnds) {
    EXPECT_EQ(Load(6), 1);  // next after the last
    EXPECT_EQ(m_reader.Title(), "一番目\n");
    EXPECT_EQ(m_reader.Body(), "\n本文一\n");
    EXPECT_EQ(Load(9), 1);
    EXPECT_EQ(Load(0), 5);  // previous before the first
    EXPECT_EQ(m_reader.Title(), "五番目\n");
    EXPECT_EQ(Load(-3), 5);
}

TEST_F(TipsReaderTest, MissingFileShowsTheNotice) {
    std::string path = m_folder.File("gone.txt");
    EXPECT_EQ(m_reader.LoadTip(path, 1), -1);
    ASSERT_EQ(m_notices.messages.size(), 1u);
    EXPECT_EQ(m_notices.messages[0], path + "\nファイル を読み出し出来ません.");
}

TEST_F(TipsReaderTest, TitleAndBodyRules) {
    std::string line28(28, 't');
    std::string line29(29, 'u');
    std::string line65(65, 'v');
    m_folder.Write("onepoint.txt", "1:\n" + line28 + "\n" + line65 + "\n2:\n" + line29 + "\nnext\n");
    EXPECT_EQ(Load(1), 1);
    EXPECT_EQ(m_reader.Title(), line28 + "\n");
    EXPECT_EQ(m_reader.Body(), "\n" + line65 + "\n");
    EXPECT_EQ(Load(2), 2);
    EXPECT_EQ(m_reader.Title(), "豆知識...\n");
    EXPECT_EQ(m_reader.Body(), "\n" + line29 + "\nnext\n");
}

TEST_F(TipsReaderTest, LongLinesAreCutWithoutSplittingACharacter) {
    // 65 ASCII bytes, then a double-byte character at offset 65, then 3 bytes:
    // the first piece ends before the character.
    std::string split = std::string(65, 'a') + "あ" + "bcd";
    std::string plain(140, 'p');
    m_folder.Write("onepoint.txt", "1:\n" + split + "\n" + plain + "\n");
    EXPECT_EQ(Load(1), 1);
    EXPECT_EQ(m_reader.Title(), "");  // a long first line leaves the title empty
    EXPECT_EQ(m_reader.Body(), "\n" + std::string(65, 'a') + "\nあbcd\n" + std::string(66, 'p') + "\n" +
                                   std::string(66, 'p') + "\n" + std::string(8, 'p') + "\n\n");
}

TEST_F(TipsReaderTest, LinesLongerThanTheOldBufferAreReadWhole) {
    std::string line(300, 'w');
    m_folder.Write("onepoint.txt", "1:\nt\n" + line + "\n2:\nz\n");
    EXPECT_EQ(Load(1), 1);
    EXPECT_EQ(m_reader.Body(), "\n" + std::string(66, 'w') + "\n" + std::string(66, 'w') + "\n" +
                                   std::string(66, 'w') + "\n" + std::string(66, 'w') + "\n" +
                                   std::string(36, 'w') + "\n\n");
    // A huge line uses its first 660 bytes only.
    m_folder.Write("onepoint.txt", "1:\n" + std::string(100000, 'h') + "\n");
    EXPECT_EQ(Load(1), 1);
    EXPECT_EQ(m_reader.Body().size(), 1 + 660 + 10u);
}

TEST_F(TipsReaderTest, OddHeaders) {
    // No headers at all: nothing is read.
    m_folder.Write("onepoint.txt", "text only\nmore\n");
    EXPECT_EQ(Load(1), 1);
    EXPECT_EQ(m_reader.Title(), "");
    EXPECT_EQ(m_reader.Body(), "\n");
    EXPECT_EQ(Load(0), 0);
    EXPECT_EQ(m_reader.Title(), "");  // lines before any header belong to no tip

    // "abc:" counts as number 0, negative numbers are no tips; out of order, the
    // first header at or above the target is read.
    m_folder.Write("onepoint.txt", "abc:\nゼロ\n-2:\n負\n3:\n三\n1:\n一\n");
    EXPECT_EQ(Load(1), 1);
    EXPECT_EQ(m_reader.Title(), "三\n");
    EXPECT_EQ(Load(2), 2);
    EXPECT_EQ(m_reader.Title(), "三\n");
    EXPECT_EQ(Load(0), 2);  // two headers above 0: the last tip is 2
    EXPECT_EQ(Load(3), 1);

    int number = 0;
    EXPECT_TRUE(CTipsReader::ParseHeader(" -12x:", number));
    EXPECT_EQ(number, -12);
    EXPECT_TRUE(CTipsReader::ParseHeader("99999999999999:", number));
    EXPECT_EQ(number, 2147483647);
    EXPECT_FALSE(CTipsReader::ParseHeader("1: ", number));
}

}  // namespace
