// The facts of the poet's life that the haiku must agree with: each rule passes on
// haiku that keep the facts and names the haiku that breaks one.
#include <gtest/gtest.h>

#include "FactRules.h"
#include "MuseumFixture.h"

using namespace museum;

namespace {

Haiku Make(int year, const char* season, const char* phrase, const char* preface = "",
           const char* source = "「六百句」", const char* interpretation = "") {
    return {.year = year, .phrases = {phrase, "", ""}, .reading = "", .season = season, .kigo = "",
            .source = source, .preface = preface, .interpretation = interpretation, .note = "", .file = "test.tsv"};
}

struct Case {
    const char* what;
    std::vector<Haiku> haiku;
    const char* rule;
    std::size_t count;
};

Findings CheckFacts(const std::vector<Haiku>& haiku) {
    Findings findings;
    CheckMemorials(haiku, findings);
    CheckJourneys(haiku, findings);
    CheckGonePlaces(haiku, findings);
    return findings;
}

}  // namespace

TEST(MuseumFactRules, EachFactIsKeptOrNamed) {
    const Case cases[] = {
        {"memorials in their year and season", {Make(1931, "春", "花の下", "志津一周忌"),
                                                Make(1942, "春", "十三回忌の妻の墓"),
                                                Make(1938, "秋", "冷やか", "杜川一周忌")}, "", 0},
        {"a seventh-year memorial in autumn", {Make(1936, "秋", "桔梗", "志津七回忌")}, "memorial-season", 1},
        {"a thirteenth-year memorial read as third", {Make(1932, "春", "十三回忌の妻")}, "memorial-year", 1},
        {"a yearly memorial before the death", {Make(1927, "春", "鶴汀忌の雨")}, "memorial-year", 1},
        {"a yearly memorial out of season", {Make(1933, "冬", "妻の忌の炉")}, "memorial-season", 1},
        {"journeys in their seasons", {Make(1912, "夏", "川", "酒田", "「五百句」"),
                                       Make(1935, "春", "藤", "", "「西遊句帖」"),
                                       Make(1935, "秋", "九州の地図")}, "", 0},
        {"a notebook haiku in summer", {Make(1935, "夏", "鵜舟", "", "「西遊句帖」")}, "journey-dates", 1},
        {"the return in summer", {Make(1935, "夏", "若葉", "旅より帰る")}, "journey-dates", 1},
        {"a stop of the route in autumn", {Make(1912, "秋", "島", "松島", "「五百句」")}, "journey-dates", 1},
        {"a notebook haiku of another year", {Make(1913, "春", "桃", "", "「みちのく句帖」")}, "journey-dates", 1},
        {"a birth house gone, then lived in", {Make(1944, "春", "生家の跡の石"),
                                                Make(1945, "夏", "涼し", "", "「六百句」", "生家の離れに住む。")},
         "gone-place", 1},
        {"a temple gone, then only its ruin", {Make(1930, "秋", "瑞泉寺の跡"), Make(1931, "春", "瑞泉寺跡")}, "", 0},
        {"a temple standing before it is gone", {Make(1929, "春", "瑞泉寺"), Make(1930, "秋", "瑞泉寺の跡")}, "", 0},
        {"a teahouse gone, another visited", {Make(1930, "秋", "茶屋の跡"), Make(1933, "春", "茶屋の椅子")}, "", 0},
    };
    for (const Case& c : cases) {
        Findings findings = CheckFacts(c.haiku);
        if (c.count == 0) {
            EXPECT_TRUE(findings.Empty()) << c.what << "\n" << Shown(findings);
        } else {
            EXPECT_EQ(findings.Count(c.rule), c.count) << c.what << "\n" << Shown(findings);
            EXPECT_EQ(findings.Size(), c.count) << c.what << "\n" << Shown(findings);
        }
    }
}
