// Each rule of the collection passes on the fixture and fails on a copy broken
// on purpose.
#include <gtest/gtest.h>

#include "CommentaryFile.h"
#include "HaikuRules.h"
#include "MuseumFixture.h"

using namespace museum;

namespace {


// Runs the table, commentary and range rules over haiku as sources, table and
// commentary alike.
Findings CheckAll(const std::vector<Haiku>& haiku, const CollectionLimits& limits = FixtureLimits()) {
    Findings findings;
    auto table = TableOf(haiku);
    auto sections = SectionsOf(haiku);
    CheckTable(table, haiku, limits, findings);
    CheckCommentary(sections, table, haiku, limits, "tavelo.txt", findings);
    CheckCollectionRange(sections, table, haiku, limits, "tavelo.txt", findings);
    return findings;
}

}  // namespace

TEST(MuseumHaikuRules, TheFixturePassesEveryRule) {
    Findings findings = CheckAll(LoadFixture().haiku);
    EXPECT_TRUE(findings.Empty()) << Shown(findings);
}

TEST(MuseumHaikuRules, CountYearRangeOrderAndGaps) {
    auto haiku = LoadFixture().haiku;
    CollectionLimits limits = FixtureLimits();
    limits.haikuCount = 6;
    EXPECT_TRUE(CheckAll(haiku, limits).Has("haiku-count"));

    auto decreasing = haiku;
    std::swap(decreasing[2], decreasing[3]);  // 1895 before 1894
    EXPECT_TRUE(CheckAll(decreasing).Has("year-order"));

    limits = FixtureLimits();
    limits.lastYear = 1897;  // 1896 and 1897 have none, and the last is not of 1897
    Findings gaps = CheckAll(haiku, limits);
    EXPECT_EQ(gaps.Count("year-gap"), 2u) << Shown(gaps);
    EXPECT_TRUE(gaps.Has("year-range"));
}

TEST(MuseumHaikuRules, PhraseBytesAndTableAgainstSources) {
    auto haiku = LoadFixture().haiku;
    auto table = TableOf(haiku);
    table[1].phrases[2] = "夕べなりけるかな";  // 16 bytes in the third phrase
    table[3].phrases[0].clear();
    Findings findings;
    CheckTable(table, haiku, FixtureLimits(), findings);
    EXPECT_EQ(findings.Count("phrase-bytes"), 2u) << Shown(findings);
    EXPECT_EQ(findings.Count("table-source"), 2u);
}

TEST(MuseumHaikuRules, ReadingsAreThreeHiraganaPartsOf575) {
    auto haiku = LoadFixture().haiku;
    haiku[0].reading = "はつひさす  あさまのみねの ゆきあかり";  // two spaces
    haiku[1].reading = "サンモンニ はるのあめふる ゆうべかな";
    haiku[2].reading = "すずしさや かわせにひやして うりひとつ";  // 5-8-5
    Findings findings = CheckAll(haiku);
    EXPECT_TRUE(findings.Has("reading-parts")) << Shown(findings);
    EXPECT_TRUE(findings.Has("reading-kana"));
    EXPECT_EQ(findings.Count("mora-count"), 1u);
}

TEST(MuseumHaikuRules, AnOffCountIsAllowedWhenMarkedAndRare) {
    auto haiku = LoadFixture().haiku;
    haiku[2].reading = "すずしさや かわせにひやして うりひとつ";
    haiku[2].note = "字余り";
    EXPECT_TRUE(CheckAll(haiku).Empty()) << Shown(CheckAll(haiku));

    haiku[2].note = "字足らず";  // but it is an excess
    EXPECT_TRUE(CheckAll(haiku).Has("mora-count"));

    haiku[2].note = "字余り";
    haiku[3].reading = "めいげつや くらのしらかべを てらしけり";
    haiku[3].note = "字余り";
    EXPECT_TRUE(CheckAll(haiku).Has("mora-share"));  // two in five, more than 20%

    auto exact = LoadFixture().haiku;
    exact[0].note = "字余り";
    EXPECT_TRUE(CheckAll(exact).Has("mora-note"));
}

TEST(MuseumHaikuRules, SeasonSeasonWordAndSource) {
    auto haiku = LoadFixture().haiku;
    haiku[0].season = "正月";
    haiku[1].kigo = "春雨";            // not as it stands in the phrases
    haiku[2].source = "「草枕」";       // no such work
    haiku[3].source = "「六百句」";     // holds no haiku of 1895
    Findings findings = CheckAll(haiku);
    EXPECT_TRUE(findings.Has("season")) << Shown(findings);
    EXPECT_TRUE(findings.Has("kigo-in-phrases"));
    EXPECT_TRUE(findings.Has("source"));
    EXPECT_TRUE(findings.Has("source-years"));
}

TEST(MuseumHaikuRules, FieldWidthsAreLimitsNothingMayCross) {
    auto haiku = LoadFixture().haiku;
    haiku[0].preface = std::string(40, 'a') + "上田にて、千曲川の岸を歩いた日の句と友に";  // 80 bytes
    haiku[1].source = "「五百句」" + std::string(30, ' ');  // 40 bytes
    Findings findings = CheckAll(haiku);
    EXPECT_EQ(findings.Count("field-width"), 2u) << Shown(findings);
}

TEST(MuseumHaikuRules, InterpretationRowsAndSentences) {
    auto haiku = LoadFixture().haiku;
    haiku[0].interpretation = "句点のない解釈";  // one sentence without a mark is fine
    EXPECT_FALSE(CheckAll(haiku).Has("interpretation-sentences"));
    haiku[0].interpretation = "一。二。三。四。五。六。七。";
    EXPECT_TRUE(CheckAll(haiku).Has("interpretation-sentences"));

    auto fixture = LoadFixture().haiku;
    auto table = TableOf(fixture);
    auto sections = SectionsOf(fixture);
    sections[2].rows[0] += "あ";  // 46 bytes
    Findings findings;
    CheckCommentary(sections, table, fixture, FixtureLimits(), "tavelo.txt", findings);
    EXPECT_TRUE(findings.Has("interpretation-row")) << Shown(findings);
    EXPECT_TRUE(findings.Has("commentary-source"));
    EXPECT_EQ(CountSentences("一つ目。「二つ目！」三つ目"), 3);
}

TEST(MuseumHaikuRules, TheCommentaryMustHoldOneSectionPerHaiku) {
    auto haiku = LoadFixture().haiku;
    auto table = TableOf(haiku);
    auto sections = SectionsOf(haiku);
    sections.pop_back();
    Findings findings;
    CheckCommentary(sections, table, haiku, FixtureLimits(), "tavelo.txt", findings);
    EXPECT_TRUE(findings.Has("commentary-count"));
}

TEST(MuseumHaikuRules, CommentaryLinesTheReadersWouldTakeOtherwise) {
    std::string text =
        "// comment\n"
        "stray line\n"                         // outside every section
        "[*]\n2:あ い う\n3:春\n4:春3:x\n5:「草笛」\n6:一行目\n二行目に5:がある\n\n"
        "[*]\n2:あ い う\n3:春\n"              // no 4: 5: 6:
        "[note]\n";
    Findings findings;
    auto sections = ParseCommentary(text, "tavelo.txt", findings);
    ASSERT_EQ(sections.size(), 2u);
    EXPECT_EQ(sections[0].rows.size(), 2u);
    EXPECT_EQ(findings.Count("commentary-format"), 5u) << Shown(findings);
    EXPECT_EQ(findings.All()[0].where, "tavelo.txt:2");
}

TEST(MuseumHaikuRules, RangeRulesOverTheWholeCollection) {
    auto haiku = LoadFixture().haiku;
    haiku[4].kigo = "初日";  // a second use of a word, one season word less
    haiku[4].phrases[0] = "初日さす";  // the phrase now stands twice
    haiku[4].season = "新年";
    Findings findings = CheckAll(haiku);
    EXPECT_TRUE(findings.Has("kigo-range")) << Shown(findings);
    EXPECT_TRUE(findings.Has("phrase-repeat"));
    EXPECT_TRUE(findings.Has("season-share"));  // no winter left, and New Year doubled
}

TEST(MuseumHaikuRules, DuplicatesAndNearCopies) {
    auto haiku = LoadFixture().haiku;
    CollectionLimits limits = FixtureLimits();
    limits.maxHaikuPerPhrase = 2;
    limits.maxHaikuPerSeasonWord = 2;
    limits.minSeasonWords = 4;
    limits.seasonShareMax = 1.0;
    limits.seasonShareMin = 0.0;
    limits.newYearShareMin = 0.0;
    limits.newYearShareMax = 1.0;
    auto copy = haiku[1];
    copy.phrases[2] = "朝かな";
    copy.reading = "さんもんに はるのあめふる あしたかな";
    haiku[4] = copy;
    haiku[4].year = 1895;
    Findings near = CheckAll(haiku, limits);
    EXPECT_TRUE(near.Has("near-copy")) << Shown(near);
    EXPECT_FALSE(near.Has("duplicate"));

    haiku[4].reading = haiku[1].reading;
    EXPECT_TRUE(CheckAll(haiku, limits).Has("duplicate"));
}
