// Each rule of the collection passes on the fixture and fails on a copy broken
// on purpose.
#include <gtest/gtest.h>

#include <functional>

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

// The fixture passes every rule, and a copy of it broken for a rule fails it.
TEST(MuseumHaikuRules, TheFixturePassesAndBrokenCopiesGiveTheirFindings) {
    using Break = std::function<void(std::vector<Haiku>&, CollectionLimits&)>;
    const std::string excess = "すずしさや かわせにひやして うりひとつ";  // 5-8-5
    const Break twoOffCounts = [&](std::vector<Haiku>& h, CollectionLimits&) {
        h[2].reading = excess;
        h[2].note = h[3].note = "字余り";
        h[3].reading = "めいげつや くらのしらかべを てらしけり";
    };
    // Haiku 5 as a second New Year haiku of 初日, with the same first phrase.
    const Break secondNewYear = [](std::vector<Haiku>& h, CollectionLimits&) {
        h[4].kigo = "初日";
        h[4].phrases[0] = "初日さす";
        h[4].season = "新年";
    };
    // A near copy of haiku 2 under limits that allow repeated phrases and words.
    const Break nearCopy = [](std::vector<Haiku>& h, CollectionLimits& l) {
        l.maxHaikuPerPhrase = l.maxHaikuPerSeasonWord = 2;
        l.minSeasonWords = 4;
        l.seasonShareMax = l.newYearShareMax = 1.0;
        l.seasonShareMin = l.newYearShareMin = 0.0;
        h[4] = h[1];
        h[4].phrases[2] = "朝かな";
        h[4].reading = "さんもんに はるのあめふる あしたかな";
        h[4].year = 1895;
    };
    const struct {
        std::vector<std::pair<const char*, std::size_t>> counts;  // none: no finding at all
        Break broken;
    } cases[] = {
        {{}, [](auto&, auto&) {}},
        {{{"haiku-count", 1}}, [](auto&, auto& l) { l.haikuCount = 6; }},
        {{{"year-order", 1}}, [](auto& h, auto&) { std::swap(h[2], h[3]); }},  // 1895 before 1894
        // None in 1896 and 1897, the last not of 1897.
        {{{"year-gap", 2}, {"year-range", 1}}, [](auto&, auto& l) { l.lastYear = 1897; }},
        {{{"reading-parts", 1}}, [](auto& h, auto&) { h[0].reading = "はつひさす  あさまのみねの ゆきあかり"; }},
        {{{"reading-kana", 1}}, [](auto& h, auto&) { h[1].reading = "サンモンニ はるのあめふる ゆうべかな"; }},
        {{{"mora-count", 1}}, [&](auto& h, auto&) { h[2].reading = excess; }},
        // Marked and rare, an off count passes every rule.
        {{}, [&](auto& h, auto&) { h[2].reading = excess; h[2].note = "字余り"; }},
        {{{"mora-count", 1}}, [&](auto& h, auto&) { h[2].reading = excess; h[2].note = "字足らず"; }},
        {{{"mora-share", 1}}, twoOffCounts},  // two in five, more than 20%
        {{{"mora-note", 1}}, [](auto& h, auto&) { h[0].note = "字余り"; }},
        {{{"season", 1}}, [](auto& h, auto&) { h[0].season = "正月"; }},
        {{{"kigo-in-phrases", 1}}, [](auto& h, auto&) { h[1].kigo = "春雨"; }},  // not as in the phrases
        {{{"source", 1}}, [](auto& h, auto&) { h[2].source = "「草枕」"; }},       // no such work
        {{{"source-years", 1}}, [](auto& h, auto&) { h[3].source = "「六百句」"; }},  // none of 1895
        {{{"field-width", 2}}, [](auto& h, auto&) {
             h[0].preface = std::string(40, 'a') + "上田にて、千曲川の岸を歩いた日の句と友に";  // 80 bytes
             h[1].source = "「五百句」" + std::string(30, ' ');  // 40 bytes
         }},
        {{{"interpretation-sentences", 0}}, [](auto& h, auto&) { h[0].interpretation = "句点のない解釈"; }},
        {{{"interpretation-sentences", 1}},
         [](auto& h, auto&) { h[0].interpretation = "一。二。三。四。五。六。七。"; }},
        // One word fewer and one used twice; New Year doubled, no winter left.
        {{{"kigo-range", 2}, {"phrase-repeat", 1}, {"season-share", 2}}, secondNewYear},
        {{{"near-copy", 1}, {"duplicate", 0}}, nearCopy},
        {{{"duplicate", 1}}, [&](auto& h, auto& l) { nearCopy(h, l); h[4].reading = h[1].reading; }},
    };
    for (const auto& c : cases) {
        auto haiku = LoadFixture().haiku;
        CollectionLimits limits = FixtureLimits();
        c.broken(haiku, limits);
        Findings findings = CheckAll(haiku, limits);
        for (const auto& [rule, count] : c.counts)
            EXPECT_EQ(findings.Count(rule), count) << rule << "\n" << Shown(findings);
        EXPECT_TRUE(!c.counts.empty() || findings.Empty()) << Shown(findings);
    }
}

// The table against the sources, and the commentary against both.
TEST(MuseumHaikuRules, TableAndCommentaryAgainstTheSources) {
    FixtureParts f;
    f.table[1].phrases[2] = "夕べなりけるかな";  // 16 bytes in the third phrase
    f.table[3].phrases[0].clear();
    f.sections[2].rows[0] += "あ";  // 46 bytes
    Findings findings;
    CheckTable(f.table, f.haiku, FixtureLimits(), findings);
    CheckCommentary(f.sections, TableOf(f.haiku), f.haiku, FixtureLimits(), "tavelo.txt", findings);
    EXPECT_EQ(findings.Count("phrase-bytes"), 2u) << Shown(findings);
    EXPECT_EQ(findings.Count("table-source"), 2u);
    EXPECT_TRUE(findings.Has("interpretation-row"));
    EXPECT_TRUE(findings.Has("commentary-source"));
    EXPECT_FALSE(findings.Has("commentary-count"));
    f.sections.pop_back();  // one section per haiku
    Findings fewer;
    CheckCommentary(f.sections, TableOf(f.haiku), f.haiku, FixtureLimits(), "tavelo.txt", fewer);
    EXPECT_TRUE(fewer.Has("commentary-count"));
    EXPECT_EQ(CountSentences("一つ目。「二つ目！」三つ目"), 3);
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
