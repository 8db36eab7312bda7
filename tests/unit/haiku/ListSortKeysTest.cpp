#include "haiku/ListSortKeys.h"

#include <gtest/gtest.h>

#include "calendar/EtoTable.h"
#include "calendar/OldCalendar.h"
#include "haiku/YearLine.h"

namespace {

HaikuRecord Record(const char* r1, const char* r2, const char* r3, const char* season,
                   const char* kigo, int year) {
    HaikuRecord record;
    record.reading1 = r1;
    record.reading2 = r2;
    record.reading3 = r3;
    record.season = season;
    record.kigo = kigo;
    record.year = year;
    return record;
}

}  // namespace

TEST(HaikuSortKeys, EachColumnComposesItsPartsCutToTheirBytes) {
    HaikuRecord r = Record("ゆきどけの", "ちくまのせおと", "たかまりぬ", "春", "雪解け", 1894);
    EXPECT_EQ(sortkeys::HaikuKey(r, 7, 0), "00070007");
    EXPECT_EQ(sortkeys::HaikuKey(r, 7, 1), "ゆきどけのち0007");
    EXPECT_EQ(sortkeys::HaikuKey(r, 7, 2), "ちくまのせおと0007");
    EXPECT_EQ(sortkeys::HaikuKey(r, 7, 3), "たかまりぬ0007");
    EXPECT_EQ(sortkeys::HaikuKey(r, 7, 4), "春雪解け0007");
    EXPECT_EQ(sortkeys::HaikuKey(r, 7, 5), "雪解け0007");
    EXPECT_EQ(sortkeys::HaikuKey(r, 7, 6), "18940007");
}

TEST(HaikuSortKeys, LongTextsAreCutByteForByte) {
    // 13 kana = 26 bytes: the first phrase key keeps 22 bytes of it and two of the next.
    HaikuRecord r = Record("あいうえおかきくけこさしす", "たちつ", "", "", "", 1900);
    EXPECT_EQ(sortkeys::HaikuKey(r, 1, 1), "あいうえおかきくけこさた0001");
    EXPECT_EQ(sortkeys::HaikuKey(r, 1, 2), "たちつ0001");
    // The season key takes 10 bytes of the season word.
    HaikuRecord s = Record("", "", "", "新年", "あいうえおかき", 1900);
    EXPECT_EQ(sortkeys::HaikuKey(s, 12, 4), "新年あいうえお0012");
}

TEST(HaikuSortKeys, EmptyTextsGoBehindEveryRealText) {
    HaikuRecord empty = Record("", "", "", "", "", 0);
    std::string key = sortkeys::HaikuKey(empty, 3, 2);
    EXPECT_EQ(key, "\xEE\xEC\xEE\xEC" "0003");
    EXPECT_TRUE(sortkeys::Less("漢字0001", key));
    EXPECT_TRUE(sortkeys::Less("\x88\x9F" "0001", key));  // first level-1 kanji
    EXPECT_TRUE(sortkeys::Less("\xEA\xA4" "0001", key));  // last level-2 kanji
    // The year key is never empty, even for year 0.
    EXPECT_EQ(sortkeys::HaikuKey(empty, 3, 6), "00003");
}

TEST(HaikuSortKeys, ComparisonFoldsAsciiLettersOnly) {
    EXPECT_FALSE(sortkeys::Less("ABC0001", "abc0001"));
    EXPECT_FALSE(sortkeys::Less("abc0001", "ABC0001"));
    EXPECT_TRUE(sortkeys::Less("abc0001", "ABD0001"));
    EXPECT_TRUE(sortkeys::Less("ab", "abc"));  // a prefix comes first
    EXPECT_TRUE(sortkeys::Less("\x82\xA0", "\x82\xA2"));  // bytes compare unsigned
    EXPECT_TRUE(sortkeys::Less("z", "\x82\xA0"));
    // A trail byte in 'A'-'Z' folds like a letter: 0x83 0x41 ("ア") ties with 0x83 0x61 ("ャ").
    EXPECT_FALSE(sortkeys::Less("\x83\x61", "\x83\x41"));
    EXPECT_FALSE(sortkeys::Less("\x83\x41", "\x83\x61"));
}

TEST(HaikuSortKeys, SortOrderMovesRecordIndicesWithTheirKeys) {
    std::vector<HaikuRecord> records = {
        Record("c", "", "", "秋", "", 1900), Record("a", "", "", "春", "", 1899),
        Record("", "", "", "", "", 1899), Record("b", "", "", "春", "", 1901)};
    std::vector<int> order = {0, 1, 2, 3};
    auto sortBy = [&](int column) {
        std::vector<std::string> keys;
        for (int row : order) keys.push_back(sortkeys::HaikuKey(records[row], row, column));
        sortkeys::SortOrder(order, keys);
    };
    sortBy(1);
    EXPECT_EQ(order, (std::vector<int>{1, 3, 0, 2}));
    sortBy(6);  // same year keeps table order
    EXPECT_EQ(order, (std::vector<int>{1, 2, 0, 3}));
    sortBy(4);  // 春 (8F 74) before 秋 (8F 48)? compare bytes: 秋 8F48 < 春 8F74
    EXPECT_EQ(order, (std::vector<int>{0, 1, 3, 2}));
    sortBy(0);
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 3}));
}

TEST(KigoSortKeys, ColumnsAndEmptyReadings) {
    EXPECT_EQ(sortkeys::KigoKey("春風", "はるかぜ", "春", 5, 1), "春風は0005");
    EXPECT_EQ(sortkeys::KigoKey("春風", "はるかぜ", "春", 5, 2), "はるかぜ0005");
    EXPECT_EQ(sortkeys::KigoKey("春風", "はるかぜ", "春", 5, 3), "春0005");
    EXPECT_EQ(sortkeys::KigoKey("春風", "", "春", 5, 2), "\xEE\xEC\xEE\xEC" "0005");
    EXPECT_EQ(sortkeys::KigoKey("", "", "", 5, 0), "00050005");
}

TEST(YearLine, EraSignYearAndAge) {
    COldCalendar calendar;
    CEtoTable eto;
    EXPECT_EQ(FormatYearLine(calendar, eto, 1894), "明治 27年甲午(1894)(27才)");
    EXPECT_EQ(FormatYearLine(calendar, eto, 1912), "大正 1年壬子(1912)(45才)");
    EXPECT_EQ(FormatYearLine(calendar, eto, 1945), "昭和 20年乙酉(1945)(78才)");
    EXPECT_EQ(FormatYearLine(calendar, eto, 0), "");
}
