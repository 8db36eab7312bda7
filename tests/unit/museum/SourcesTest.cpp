#include <gtest/gtest.h>

#include <tuple>

#include "Collection.h"
#include "MuseumFixture.h"
#include "TextFile.h"
#include "Tsv.h"
#include "TempDir.h"

using namespace museum;

// Both haiku files in name order as one table; the first row of a season word wins.
TEST(MuseumSources, HaikuFilesAreReadInNameOrderAsOneTable) {
    Collection collection = LoadFixture();
    ASSERT_EQ(collection.haiku.size(), 5u);
    EXPECT_EQ(collection.haiku[0].phrases[0], "初日さす");
    EXPECT_EQ(collection.haiku[0].reading, "はつひさす あさまのみねの ゆきあかり");
    EXPECT_EQ(collection.haiku[1].preface, "上田にて");
    EXPECT_EQ(collection.haiku[2].file + ":" + std::to_string(collection.haiku[2].line), "b.tsv:2");
    EXPECT_EQ(collection.haiku[4].year, 1895);
    ASSERT_EQ(collection.kigo.size(), 5u);
    EXPECT_EQ(collection.kigo[0].kigo + collection.kigo[0].reading, "初日はつひ");
}

// Malformed rows and a missing file are findings, the rows named by file and line.
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
    ReadTsv(folder.File("haiku/gone.tsv"), 11, findings);  // a missing file
    EXPECT_TRUE(findings.Has("unreadable"));
}

// The first year of an era is its gannen; the project's own table names the collection's years.
TEST(MuseumSources, EraYearsNameTheFirstYearOfAnEraGannen) {
    const std::string fixture = FixtureDataDir() + "/eras.tsv", project = QUILLARY_SOURCE_DIR "/data/eras.tsv";
    for (auto [file, year, name] : {std::tuple{fixture, 1894, "明治27年"}, {fixture, 1912, "大正元年"},
                                    {fixture, 1800, ""}, {project, 1921, "大正10年"}, {project, 1933, "昭和8年"}}) {
        EraNames eras;
        Findings findings;
        ASSERT_TRUE(eras.Load(file, findings)) << Shown(findings);
        EXPECT_EQ(eras.EraYear(year), name) << file << " " << year;
    }
}

TEST(MuseumSources, LinesSplitAtLfAndCrLf) {
    EXPECT_EQ(SplitLines("a\r\nb\n\nc"), (std::vector<std::string>{"a", "b", "", "c"}));
    EXPECT_TRUE(SplitLines("").empty());
}
