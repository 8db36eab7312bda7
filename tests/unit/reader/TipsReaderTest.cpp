// Reading tips from "onepoint.txt": numbering, wrap-around and the title rules.
// Compiled with a cp932 execution character set, like the tips file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RecordingNoticeSink.h"
#include "TempDir.h"
#include "reader/TipsReader.h"

namespace {

const char kTips[] =
    "// 先頭のコメント\n"
    "1:\n一番目\n本文一\n\n"
    "2:\n二番目\n// 途中のコメント\n本文二\n"
    "3:\n三番目\n"
    "4:\n四番目\n"
    " +5:\n五番目\n本文五\n";

// The tip shown for a requested number: its number, title and body.
TEST(TipsReader, ReadsTheRequestedTip) {
    RecordingNoticeSink notices;
    TempDir folder;
    const std::string t28(28, 't'), u29(29, 'u'), v65(65, 'v'), p66(66, 'p');
    const std::string sizes = "1:\n" + t28 + "\n" + v65 + "\n2:\n" + u29 + "\nnext\n";
    const std::string odd = "abc:\nゼロ\n-2:\n負\n3:\n三\n1:\n一\n";
    const std::string split = std::string(65, 'a') + "あ" + "bcd";
    const struct {
        std::string file;
        int requested, shown;
        std::string title, body;
    } cases[] = {
        {kTips, 2, 2, "二番目\n", "\n本文二\n"},
        {kTips, 3, 3, "三番目\n", "\n"},
        {kTips, 5, 5, "五番目\n", "\n本文五\n"},
        {kTips, 6, 1, "一番目\n", "\n本文一\n"},  // the next after the last is the first
        {kTips, 0, 5, "五番目\n", "\n本文五\n"},  // the previous before the first is the last
        {sizes, 1, 1, t28 + "\n", "\n" + v65 + "\n"},          // 28 bytes make a title,
        {sizes, 2, 2, "豆知識...\n", "\n" + u29 + "\nnext\n"},  // 29 go to the body
        {"text only\nmore\n", 1, 1, "", "\n"},  // no headers: nothing is read
        {"text only\nmore\n", 0, 0, "", "\n"},  // and lines before a header belong to no tip
        // "abc:" is number 0 and negative numbers are no tips (two tips: 0 wraps to 2);
        // out of order, the first header at or above the target is read.
        {odd, 1, 1, "三\n", "\n"},
        {odd, 0, 2, "三\n", "\n"},
        // Long lines are cut in 66-byte pieces, never inside a character; a long first
        // line leaves the title empty.
        {"1:\n" + split + "\n" + std::string(140, 'p') + "\n", 1, 1, "",
         "\n" + std::string(65, 'a') + "\nあbcd\n" + p66 + "\n" + p66 + "\npppppppp\n\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file + " requested " + std::to_string(c.requested));
        CTipsReader reader;
        EXPECT_EQ(reader.LoadTip(folder.Write("onepoint.txt", c.file), c.requested), c.shown);
        EXPECT_EQ(reader.Title(), c.title);
        EXPECT_EQ(reader.Body(), c.body);
    }
    // A huge line uses its first 660 bytes only.
    CTipsReader reader;
    const std::string huge = "1:\n" + std::string(100000, 'h') + "\n";
    EXPECT_EQ(reader.LoadTip(folder.Write("onepoint.txt", huge), 1), 1);
    EXPECT_EQ(reader.Body().size(), 1 + 660 + 10u);
    EXPECT_TRUE(notices.messages.empty());
}

TEST(TipsReader, HeaderNumbers) {
    int number = 0;
    EXPECT_TRUE(CTipsReader::ParseHeader(" -12x:", number));
    EXPECT_EQ(number, -12);
    EXPECT_TRUE(CTipsReader::ParseHeader("99999999999999:", number));
    EXPECT_EQ(number, 2147483647);
    EXPECT_FALSE(CTipsReader::ParseHeader("1: ", number));
}

}  // namespace
