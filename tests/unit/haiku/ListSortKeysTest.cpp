#include "haiku/ListSortKeys.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

HaikuRecord Record(const char* r1, const char* r2, const char* r3, const char* season, const char* kigo, int year) {
    HaikuRecord record;
    std::tie(record.reading1, record.reading2, record.reading3, record.season, record.kigo) = std::tuple(r1, r2, r3, season, kigo);
    record.year = year;
    return record;
}

const std::string kSentinel = "\xEE\xEC\xEE\xEC";  // 黑黑

}  // namespace

TEST(SortKeys, EachColumnComposesItsPartsCutToTheirBytes) {
    const HaikuRecord r = Record("ゆきどけの", "ちくまのせおと", "たかまりぬ", "春", "雪解け", 1894);
    // 13 kana = 26 bytes: the first phrase key keeps 22 of them and two of the next
    // phrase; the season key takes 10 bytes of the season word.
    const HaikuRecord cut = Record("あいうえおかきくけこさしす", "たちつ", "", "新年", "あいうえおかき", 1900);
    const HaikuRecord empty = Record("", "", "", "", "", 0);
    const std::tuple<const HaikuRecord*, int, std::string> cases[] = {
        {&r, 0, "00070007"},         {&r, 1, "ゆきどけのち0007"},
        {&r, 2, "ちくまのせおと0007"}, {&r, 3, "たかまりぬ0007"},
        {&r, 4, "春雪解け0007"},     {&r, 5, "雪解け0007"},
        {&r, 6, "18940007"},         {&cut, 1, "あいうえおかきくけこさた0007"},
        {&cut, 4, "新年あいうえお0007"}, {&empty, 2, kSentinel + "0007"},
        {&empty, 6, "00007"},  // the year key is never empty, even for year 0
    };
    for (const auto& [record, column, key] : cases) EXPECT_EQ(sortkeys::HaikuKey(*record, 7, column), key) << key;
    const std::tuple<const char*, int, std::string> kigo[] = {
        {"はるかぜ", 1, "春風は0005"}, {"はるかぜ", 2, "はるかぜ0005"}, {"はるかぜ", 3, "春0005"},
        {"", 2, kSentinel + "0005"},  {"", 0, "00050005"}};
    for (const auto& [reading, column, key] : kigo) EXPECT_EQ(sortkeys::KigoKey("春風", reading, "春", 5, column), key);
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
