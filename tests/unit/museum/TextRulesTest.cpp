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

TEST(MuseumKana, SmallKanaJoinTheKanaBeforeThem) {
    EXPECT_EQ(CountMorae("しょうじかな"), 5);
    EXPECT_EQ(CountMorae("きゃっと"), 3);      // small っ counts
    EXPECT_EQ(CountMorae("らーめん"), 4);      // ー and ん count
    EXPECT_EQ(CountMorae("くゎし"), 2);
    EXPECT_EQ(CountMorae(""), 0);
}

TEST(MuseumKana, OnlyModernHiraganaIsAReading) {
    EXPECT_TRUE(IsModernHiragana("ゆきどけの"));
    EXPECT_TRUE(IsModernHiragana("すーぷ"));
    EXPECT_FALSE(IsModernHiragana("ユキ"));      // katakana
    EXPECT_FALSE(IsModernHiragana("雪どけ"));    // kanji
    EXPECT_FALSE(IsModernHiragana("ゐる"));      // historical kana
    EXPECT_FALSE(IsModernHiragana("こゑ"));
    EXPECT_FALSE(IsModernHiragana("ゆき "));     // half-width space
    EXPECT_FALSE(IsModernHiragana(""));
}

TEST(MuseumKana, ReadingsSplitAtTheFirstTwoSpaces) {
    EXPECT_EQ(SplitReading("あ い う"), (std::vector<std::string>{"あ", "い", "う"}));
    EXPECT_EQ(SplitReading("あ  う"), (std::vector<std::string>{"あ", "", "う"}));
    EXPECT_EQ(SplitReading("あ い う え"), (std::vector<std::string>{"あ", "い", "う え"}));
    EXPECT_EQ(SplitReading("あいう"), (std::vector<std::string>{"あいう"}));
    EXPECT_EQ(SplitReading("あ　い　う").size(), 1u);  // full-width spaces do not separate
}
