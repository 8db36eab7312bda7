#include <gtest/gtest.h>

#include "Kana.h"
#include "LineWrap.h"
#include "platform/Cp932.h"

using namespace museum;

TEST(MuseumLineWrap, RowsFitAndKeepEveryByte) {
    std::string text = "山の雪が解けはじめ、千曲川の瀬の音が日ごとに大きくなる。耳で春を知った素朴な写生。";
    for (std::size_t width : {44u, 45u, 20u, 7u}) {
        std::vector<std::string> rows = WrapRows(text, width);
        std::string joined;
        for (const std::string& row : rows) {
            EXPECT_LE(row.size(), width);
            EXPECT_TRUE(cp932::IsValidCp932(row)) << "a character was split at width " << width;
            joined += row;
        }
        EXPECT_EQ(joined, text);
    }
}

TEST(MuseumLineWrap, WhereRowsBreak) {
    using Rows = std::vector<std::string>;
    const struct {
        std::string text;
        std::size_t width;
        Rows rows;
    } cases[] = {
        // 22 characters fill a row of 44 bytes: "。" does not begin the next one,
        {"あいうえおかきくけこさしすせそたちつてとなに。ぬ", 44, {"あいうえおかきくけこさしすせそたちつてとな", "に。ぬ"}},
        // an opening bracket does not end a row, and a half-width number stays whole.
        {"あいうえおかきくけこさしすせそたちつてとな「に」", 44, {"あいうえおかきくけこさしすせそたちつてとな", "「に」"}},
        {"あいうえおかきくけこさしすせそたちつてとな1945年に。", 44, {"あいうえおかきくけこさしすせそたちつてとな", "1945年に。"}},
        {"", 44, {}},
        {"abcdef", 4, {"abcd", "ef"}},  // a word too long is cut
        {"ab cdef", 6, {"ab ", "cdef"}},
        {"aあい", 4, {"aあ", "い"}},  // a character that would straddle the width moves on
    };
    for (const auto& c : cases) EXPECT_EQ(WrapRows(c.text, c.width), c.rows) << c.text;
}

// Small kana join the kana before them (a small っ, ー and ん count); only modern
// hiragana is a reading; readings split at their first two half-width spaces.
TEST(MuseumKana, MoraeReadingsAndTheirParts) {
    for (auto [text, morae] : {std::pair{"しょうじかな", 5}, {"きゃっと", 3}, {"らーめん", 4}, {"くゎし", 2}, {"", 0}})
        EXPECT_EQ(CountMorae(text), morae) << text;
    for (auto [text, modern] : {std::pair{"ゆきどけの", true}, {"すーぷ", true}, {"ユキ", false}, {"雪どけ", false},
                                {"ゐる", false}, {"こゑ", false}, {"ゆき ", false}, {"", false}})
        EXPECT_EQ(IsModernHiragana(text), modern) << text;
    using Parts = std::vector<std::string>;
    for (auto [text, parts] : {std::pair{"あ い う", Parts{"あ", "い", "う"}}, {"あ  う", Parts{"あ", "", "う"}},
                               {"あ い う え", Parts{"あ", "い", "う え"}}, {"あいう", Parts{"あいう"}},
                               {"あ　い　う", Parts{"あ　い　う"}}})
        EXPECT_EQ(SplitReading(text), parts) << text;
}
