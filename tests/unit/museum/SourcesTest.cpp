#include <gtest/gtest.h>

#include "Collection.h"
#include "MuseumFixture.h"
#include "TextFile.h"
#include "Tsv.h"
#include "TempDir.h"

using namespace museum;

TEST(MuseumSources, HaikuFilesAreReadInNameOrderAsOneTable) {
    Collection collection = LoadFixture();
    ASSERT_EQ(collection.haiku.size(), 5u);
    EXPECT_EQ(collection.haiku[0].phrases[0], "初日さす");
    EXPECT_EQ(collection.haiku[2].file, "b.tsv");
    EXPECT_EQ(collection.haiku[2].line, 2);
    EXPECT_EQ(collection.haiku[4].year, 1895);
    EXPECT_EQ(collection.haiku[1].preface, "上田にて");
    EXPECT_EQ(collection.haiku[0].reading, "はつひさす あさまのみねの ゆきあかり");
}

TEST(MuseumSources, TheFirstRowOfASeasonWordWins) {
    Collection collection = LoadFixture();
    ASSERT_EQ(collection.kigo.size(), 5u);
    EXPECT_EQ(collection.kigo[0].kigo, "初日");
    EXPECT_EQ(collection.kigo[0].reading, "はつひ");
}

TEST(MuseumSources, MalformedRowsAreNamedByFileAndLine) {
    TempDir folder;
    folder.Write("haiku/x.tsv", "# comment\n"
                                "1894\ta\tb\n"                                  // too few fields
                                "18x4\ta\tb\tc\td\te\tf\tg\th\ti\t\n"           // year not a number
                                "1894\t\xF0\x9F\x98\x80\tb\tc\td\te\tf\tg\th\ti\t\n");  // U+1F600 has no cp932 form
    Findings findings;
    Collection collection = LoadCollection(folder.Path(), findings);
    EXPECT_EQ(collection.haiku.size(), 2u);  // the short row is left out
    ASSERT_EQ(findings.Size(), 3u) << Shown(findings);
    auto find = [&](const std::string& rule) {
        for (const Finding& f : findings.All())
            if (f.rule == rule) return f;
        return Finding{};
    };
    EXPECT_EQ(find("tsv-columns").where, "x.tsv:2");
    EXPECT_EQ(find("year").where, "x.tsv:3");
    EXPECT_EQ(find("no-cp932").where, "x.tsv:4");
    EXPECT_NE(find("no-cp932").message.find("U+1F600"), std::string::npos);
    EXPECT_NE(find("no-cp932").message.find("column 1"), std::string::npos);
}

TEST(MuseumSources, AMissingFileIsAFinding) {
    Findings findings;
    ReadTsv("/nonexistent/haiku.tsv", 11, findings);
    EXPECT_TRUE(findings.Has("unreadable"));
}

TEST(MuseumSources, EraYearsNameTheFirstYearOfAnEraGannen) {
    EraNames eras;
    Findings findings;
    ASSERT_TRUE(eras.Load(FixtureDataDir() + "/eras.tsv", findings)) << Shown(findings);
    EXPECT_EQ(eras.EraYear(1894), "明治27年");
    EXPECT_EQ(eras.EraYear(1912), "大正元年");
    EXPECT_EQ(eras.EraYear(1926), "昭和元年");
    EXPECT_EQ(eras.EraYear(1945), "昭和20年");
    EXPECT_EQ(eras.EraYear(1800), "");
}

TEST(MuseumSources, TheProjectsEraTableNamesTheCollectionsYears) {
    EraNames eras;
    Findings findings;
    ASSERT_TRUE(eras.Load(std::string(QUILLARY_SOURCE_DIR) + "/data/eras.tsv", findings));
    EXPECT_EQ(eras.EraYear(1921), "大正10年");
    EXPECT_EQ(eras.EraYear(1933), "昭和8年");
}

TEST(MuseumSources, LinesSplitAtLfAndCrLf) {
    EXPECT_EQ(SplitLines("a\r\nb\n\nc"), (std::vector<std::string>{"a", "b", "", "c"}));
    EXPECT_TRUE(SplitLines("").empty());
}
