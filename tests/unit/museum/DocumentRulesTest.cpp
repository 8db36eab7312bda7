// The reading-matter rules and the rules of the documents made from the collection: each
// fails on a document broken on purpose (the built museum passes them: museum_check).
#include <gtest/gtest.h>

#include "AnthologyWriter.h"
#include "CollectionDocumentRules.h"
#include "DocumentRules.h"
#include "KigoWriter.h"
#include "LoaderRules.h"
#include "MuseumFixture.h"
#include "TopicScan.h"
#include "TempDir.h"

using namespace museum;

namespace {

ScannedDocument Scan(const std::string& text, const std::string& folder = ".") {
    Findings findings;
    ScannedDocument document = ScanDocumentText(text, folder, "doc.txt", findings);
    EXPECT_TRUE(findings.Empty()) << Shown(findings);
    return document;
}

Findings CheckText(const std::string& text, const std::string& initialKey) {
    Findings findings;
    CheckDocument(Scan(text), "doc.txt", initialKey, findings);
    return findings;
}

// The findings of check over text with its first from replaced by to.
template <typename Check>
Findings Broken(std::string text, const std::string& from, const std::string& to, Check check) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    Findings findings;
    check(Scan(text), findings);
    return findings;
}

const std::string kSound =
    "// contents\n"
    "[*]\nk1:目次\nl2:\n"
    "[*]\nk1:生涯\nk2:しょうがい\nd:一行目\n\t字下げ\n"
    "[*]\nK1:作品\nD:\n本文\n";

}  // namespace

TEST(MuseumDocumentRules, ASoundDocumentPasses) {
    Findings findings = CheckText(kSound, "目次");
    EXPECT_TRUE(findings.Empty()) << Shown(findings);
    ScannedDocument document = Scan(kSound);
    ASSERT_EQ(document.topics.size(), 3u);
    EXPECT_EQ(document.topics[0].indexColumns, 2);
    EXPECT_EQ(document.topics[2].key1, "作品");  // markers ignore case
    EXPECT_EQ(document.lines[document.topics[1].start + 4].text, "    字下げ");
    EXPECT_EQ(FindTopic(document, "しょうがい"), 1);
}

// The initial key must open a topic with a first key and a body; body lines, generated
// index lines included, are at most 76 bytes (a tab widens a line); first keys are
// unique and at most 127 bytes.
TEST(MuseumDocumentRules, EachDocumentRuleFailsOnADocumentBrokenForIt) {
    const std::string wide(76, 'x');
    std::string index = "[*]\nk1:index\nl5:\n";  // keys wider than their columns
    for (int i = 0; i < 5; ++i) index += "[*]\nk1:key" + std::string(14, static_cast<char>('a' + i)) + "\nd:x\n";
    const std::string keys = "[*]\nk1:a\nd:\n[*]\nk1:a\nd:\n[*]\nk1:" + std::string(128, 'k') + "\n";
    const struct {
        std::string text, initialKey, rule;
        bool found;
    } cases[] = {
        {kSound, "略年譜", "initial-key", true},
        {"[*]\nk2:目次\nd:x\n", "目次", "initial-key", true},
        {"[*]\nk1:目次\nk2:x\n", "目次", "initial-key", true},
        {"[*]\nk1:a\nd:" + wide + "\n" + wide + "\n", "", "body-width", false},
        {"[*]\nk1:a\nd:\n\t" + std::string(73, 'x') + "\n", "", "body-width", true},
        {index, "index", "body-width", true},
        {keys, "", "duplicate-key", true},
        {keys, "", "key-length", true},
    };
    for (const auto& c : cases) EXPECT_EQ(CheckText(c.text, c.initialKey).Has(c.rule), c.found) << c.text;
    Findings findings = CheckText("[*]\nk1:a\nd:x\n" + wide + "y\n", "");
    ASSERT_TRUE(findings.Has("body-width"));
    EXPECT_EQ(findings.All()[0].where, "doc.txt:4");
    std::vector<std::string> lines = GenerateIndexLines(Scan(index), 0, 5);
    ASSERT_EQ(lines.size(), 3u);  // "d:", one full line, the empty rest
    EXPECT_GT(lines[1].size(), 76u);
    EXPECT_EQ(lines[2], "");
}

TEST(MuseumDocumentRules, IncludesAreReadFromTheSameFolder) {
    TempDir folder;
    folder.Write("part.txt", "[*]\nk1:b\nd:" + std::string(80, 'x') + "\n");
    Findings findings;
    ScannedDocument document = ScanDocumentText("[*]\nk1:a\nd:\nf:part.txt\nF:missing.txt\n",
                                                folder.Path(), "main.txt", findings);
    EXPECT_TRUE(findings.Has("include"));
    ASSERT_EQ(document.topics.size(), 2u);
    Findings rules;
    CheckDocument(document, "main.txt", "a", rules);
    ASSERT_TRUE(rules.Has("body-width"));
    EXPECT_EQ(rules.All()[0].where, "part.txt:3");
}

TEST(MuseumDocumentRules, TheLoaderReportsItsNoticesAndTopicsItCannotShow) {
    TempDir folder;
    folder.Write("broken.txt", "f:missing.txt\n[*]\nk1:a\n[*]\nk1:b\nd:x\n[*]\nk1:x\nk2:b\nd:\n");
    Findings broken;
    CheckWithLoader(folder.Path(), "broken.txt", "c", broken);
    EXPECT_TRUE(broken.Has("loader-notice")) << Shown(broken);
    EXPECT_TRUE(broken.Has("initial-key"));
    EXPECT_TRUE(broken.Has("loader-topic"));  // "a" has no body
}

// The findings of the tips rules, and of the loader's reading of the same file.
std::pair<Findings, Findings> CheckTipsBothWays(const std::string& tips) {
    std::pair<Findings, Findings> findings;
    CheckTips(tips, "onepoint.txt", findings.first);
    TempDir folder;
    CheckTipsWithLoader(folder.Write("onepoint.txt", tips), findings.second);
    return findings;
}

TEST(MuseumTipsRules, NumberingTitleBodyAndFalseHeaders) {
    std::string body;
    for (int i = 0; i < 13; ++i) body += "行\n";
    auto [rules, loaded] = CheckTipsBothWays(
        "1:\nt\nx\n3:\n" + std::string(29, 'a') + "\n" +  // tip 2 missing, long title
        "4:\nt\n" + std::string(66, 'b') + "\n" +             // a line broken apart
        "5:\nt\n" + body +                                     // 13 body lines
        "6:\n注意:\nt\n" +                                     // text read as a header
        "7:\n");                                                // no text
    EXPECT_TRUE(rules.Has("tip-number")) << Shown(rules);
    EXPECT_TRUE(rules.Has("tip-title"));
    EXPECT_EQ(rules.Count("tip-body"), 2u);
    EXPECT_EQ(rules.Count("tip-format"), 2u);
    EXPECT_TRUE(loaded.Has("tip-title")) << Shown(loaded);
    EXPECT_TRUE(loaded.Has("tip-body"));
}

TEST(MuseumKigoRules, TheGeneratedDocumentPassesAndABrokenCopyFails) {
    FixtureParts f;
    Findings warnings;
    std::string text = KigoDocument(f.collection, {"説明。"}, warnings);
    Findings findings;
    CheckKigoDocument(Scan(text), f.sections, f.table, "kigo.txt", findings);
    CheckDocument(Scan(text), "kigo.txt", "季語", findings);
    EXPECT_TRUE(findings.Empty() && warnings.Empty()) << Shown(findings) << Shown(warnings);
    // The index, the introduction, then one topic per word, New Year first and spring next.
    const ScannedDocument document = Scan(text);
    std::vector<std::string> keys;
    for (const ScannedTopic& topic : document.topics) keys.push_back(topic.key1 + "|" + topic.key3);
    ASSERT_EQ(keys.size(), 7u);
    EXPECT_EQ(std::vector<std::string>(keys.begin(), keys.begin() + 4),
              (std::vector<std::string>{"季語|", std::string(kKigoIntroKey) + "|", "初日|新年", "春の雨|春"}));

    auto broken = [&](std::string from, std::string to) {
        return Broken(text, from, to, [&](const ScannedDocument& copy, Findings& result) {
            CheckKigoDocument(copy, f.sections, f.table, "kigo.txt", result);
        });
    };
    EXPECT_TRUE(broken("k3:秋", "k3:冬").Has("kigo-season"));
    EXPECT_TRUE(broken("k2:めいげつ", "k2:メイゲツ").Has("kigo-reading"));
    EXPECT_TRUE(broken("k1:名月", "k1:明月").Has("kigo-topic"));
    EXPECT_TRUE(broken("k1:名月", "k1:明月").Has("kigo-unused"));
    EXPECT_TRUE(broken("　　名月や　蔵の白壁　照らしけり（1895年「五百句」）\n", "").Has("kigo-examples"));
    EXPECT_TRUE(broken("　陰暦八月十五日の月。", "").Has("kigo-explanation"));
    EXPECT_TRUE(broken("k2:めいげつ", "k2:").Has("kigo-reading"));
    Findings bare = broken("k2:めいげつ\nk3:秋\nd:　陰暦八月十五日の月。", "k2:\nk3:秋\nd:");
    EXPECT_TRUE(bare.Has("kigo-entry")) << Shown(bare);
    EXPECT_TRUE(broken("\nl4:\n", "\n").Has("kigo-index"));
}

TEST(MuseumAnthologyRules, TheGeneratedDocumentPassesAndABrokenCopyFails) {
    FixtureParts f;
    EraNames eras;
    eras.Add(1868, 1, "明治");
    Anthology five{"500.txt", "「五百句」", "「五百句」", 5};
    std::string text = AnthologyDocument(five, f.haiku, eras, {"前書。"});
    Findings findings;
    CheckAnthology(Scan(text), five, f.sections, f.table, findings);
    EXPECT_TRUE(findings.Empty()) << Shown(findings);
    // The title topic with its index, then the years by their eras, in columns.
    const ScannedDocument document = Scan(text);
    ASSERT_EQ(document.topics.size(), 3u);
    EXPECT_EQ(document.topics[2].key1, "1895年（明治28年）");
    EXPECT_NE(text.find("　1894年（明治27年）                  　1895年（明治28年）\n"), std::string::npos);
    EXPECT_EQ(AnthologyDocument(kAnthologies[1], f.haiku, eras, {}).find("名月や"), std::string::npos);

    auto broken = [&](std::string from, std::string to) {
        return Broken(text, from, to, [&](const ScannedDocument& copy, Findings& result) {
            CheckAnthology(copy, five, f.sections, f.table, result);
        });
    };
    Findings dropped = broken("　名月や　蔵の白壁　照らしけり\n", "");
    EXPECT_TRUE(dropped.Has("anthology-listing"));
    EXPECT_TRUE(dropped.Has("anthology-count"));
    EXPECT_TRUE(broken("　名月や　蔵の白壁　照らしけり\n", "　名月や　蔵の白壁　照らしけり\n　初日さす　浅間の峰の　雪明り\n")
                    .Has("anthology-year"));
    EXPECT_TRUE(broken("k1:「五百句」", "k1:五百句").Has("anthology-title"));
    EXPECT_TRUE(broken("　1894年（明治27年）     ", "　").Has("anthology-index"));

    Anthology six = five;
    six.count = 6;
    Findings count;
    CheckAnthology(Scan(text), six, f.sections, f.table, count);
    EXPECT_EQ(count.Count("anthology-count"), 2u);
}

TEST(MuseumWorksRules, TheWorksDocumentNamesEverySource) {
    auto sections = SectionsOf(LoadFixture().haiku);
    Findings unnamed;
    CheckSourcesNamed(Scan("[*]\nk1:作品集\nd:「五百五十句」\n"), "work.txt", sections, unnamed);
    EXPECT_TRUE(unnamed.Has("source-in-works"));
}
