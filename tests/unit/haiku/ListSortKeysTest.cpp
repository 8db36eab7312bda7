#include "haiku/ListSortKeys.h"

#include <gtest/gtest.h>

#include <tuple>

const std::string kSentinel = "\xEE\xEC\xEE\xEC";  // 黑黑

TEST(SortKeys, PartsAreCutToTheirBytesAndEmptyTextsBecomeTheSentinel) {
    // 13 kana = 26 bytes: the first phrase key keeps 22 of them and two of the next
    // phrase; the season key takes 10 bytes of the season word.
    HaikuRecord cut, empty;
    cut.reading1 = "あいうえおかきくけこさしす";
    cut.reading2 = "たちつ";
    cut.season = "新年";
    cut.kigo = "あいうえおかき";
    cut.year = 1894;
    EXPECT_EQ(sortkeys::HaikuKey(cut, 7, 1), "あいうえおかきくけこさた0007");
    EXPECT_EQ(sortkeys::HaikuKey(cut, 7, 4), "新年あいうえお0007");
    EXPECT_EQ(sortkeys::HaikuKey(cut, 7, 6), "18940007");
    EXPECT_EQ(sortkeys::HaikuKey(empty, 7, 2), kSentinel + "0007");
    EXPECT_EQ(sortkeys::HaikuKey(empty, 7, 6), "00007");  // the year key is never empty
    EXPECT_EQ(sortkeys::KigoKey("春風", "はるかぜ", "春", 5, 1), "春風は0005");
    EXPECT_EQ(sortkeys::KigoKey("春風", "", "春", 5, 2), kSentinel + "0005");
    EXPECT_EQ(sortkeys::KigoKey("", "", "", 5, 0), "00050005");
}

TEST(SortKeys, ComparisonFoldsAsciiLettersOnlyAndEmptyGoesLast) {
    const std::tuple<std::string, std::string, bool> cases[] = {
        {"ABC0001", "abc0001", false}, {"abc0001", "ABC0001", false}, {"abc0001", "ABD0001", true},
        {"ab", "abc", true},  // a prefix comes first
        {"\x82\xA0", "\x82\xA2", true}, {"z", "\x82\xA0", true},  // bytes compare unsigned
        // A trail byte in 'A'-'Z' folds like a letter: ア (83 41) ties with ャ (83 61).
        {"\x83\x61", "\x83\x41", false}, {"\x83\x41", "\x83\x61", false},
        {"\x88\x9F" "0001", kSentinel + "0001", true},  // first level-1 kanji
        {"\xEA\xA4" "0001", kSentinel + "0001", true},  // last level-2 kanji
    };
    for (const auto& [a, b, less] : cases) EXPECT_EQ(sortkeys::Less(a, b), less) << a << " < " << b;
}
