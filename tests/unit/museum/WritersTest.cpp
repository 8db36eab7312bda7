#include <gtest/gtest.h>

#include "BuiltinHaikuWriter.h"
#include "CommentaryFile.h"
#include "CommentaryWriter.h"
#include "DocumentConverter.h"
#include "KigoWriter.h"
#include "Listing.h"
#include "MuseumFixture.h"
#include "TextFile.h"
#include "TopicScan.h"

using namespace museum;

// The built-in table's source, of the fixture and of no haiku (it still compiles).
TEST(MuseumBuiltinTable, PhrasesAreHexEscapedBytesInTableOrder) {
    Collection collection = LoadFixture();
    std::string source = BuiltinHaikuSource(collection.haiku);
    // 初 is 8F 89 in cp932.
    EXPECT_NE(source.find("{\"\\x8F\\x89"), std::string::npos);
    EXPECT_NE(source.find("const int kBuiltinHaikuCount = 5;"), std::string::npos);
    EXPECT_LT(source.find(", 1894},  // 1"), source.find(", 1895},  // 4"));
    for (unsigned char c : source) EXPECT_TRUE(c >= 0x0A && c < 0x80) << "only ASCII is written";
    std::string none = BuiltinHaikuSource({});
    EXPECT_NE(none.find("kBuiltinHaiku[1]"), std::string::npos);
    EXPECT_NE(none.find("kBuiltinHaikuCount = 0;"), std::string::npos);
}

// The fields in order; a long interpretation in rows the card pads to 44 bytes each. (That
// the sections read back as the sources is a rule the fixture passes.)
TEST(MuseumCommentary, SectionsCarryTheFieldsInOrder) {
    Collection collection = LoadFixture();
    std::vector<std::string> lines = SplitLines(CommentaryText(collection.haiku));
    // Preamble comment, empty line, then the first section without a preface.
    ASSERT_GE(lines.size(), 11u);
    EXPECT_TRUE(lines[0].starts_with("//"));
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 2, lines.begin() + 11),
              (std::vector<std::string>{"[*]", "2:はつひさす あさまのみねの ゆきあかり", "3:新年", "4:初日",
                                        "5:「五百句」", "6:元日の朝日が浅間山の雪の峰を照らす。", "",
                                        "[*]", "1:上田にて"}));
    auto sections = SectionsOf(collection.haiku);
    ASSERT_EQ(sections.size(), 5u);
    EXPECT_GT(sections[2].rows.size(), 2u);
    EXPECT_EQ(PaddedInterpretation(sections[2].rows, 44).size() % 44, 0u);
}

TEST(MuseumKigoDocument, AWordWithoutARowIsWrittenAndReported) {
    Collection collection = LoadFixture();
    collection.kigo.erase(collection.kigo.begin());
    Findings warnings;
    std::string text = KigoDocument(collection, {}, warnings);
    EXPECT_TRUE(warnings.Has("kigo-missing"));
    EXPECT_NE(text.find("k1:初日\nk2:\nk3:新年"), std::string::npos);
}

TEST(MuseumKigoDocument, IndexColumnsKeepLinesWithinTheBody) {
    // Key width and columns; at 17, 60 + 17 > 76 rules out three and more.
    for (auto [width, columns] : {std::pair{8, 5}, {14, 5}, {15, 4}, {16, 4}, {17, 2}, {36, 2}, {40, 1}})
        EXPECT_EQ(IndexColumnsFor(width), columns) << width;
    EXPECT_EQ(PickExamples({4, 5}), (std::vector<std::size_t>{4, 5}));
    EXPECT_EQ(PickExamples({1, 2, 3, 4, 5}), (std::vector<std::size_t>{1, 3, 5}));
}

// (Listing lines and their keys, indented and with notes: the anthology and kigo rule tests.)
TEST(MuseumListing, ANoteAloneIsItsOwnKey) { EXPECT_EQ(ListingKey("（注）"), "（注）"); }

TEST(MuseumDocuments, ConversionToCp932NamesTheLineOfAFault) {
    Findings findings;
    std::string converted = ConvertDocument("\xEF\xBB\xBF[*]\r\nk1:\xE7\x9B\xAE\xE6\xAC\xA1\n\xF0\x9F\x98\x80\n", "Topics.txt", findings);
    EXPECT_EQ(converted, "[*]\nk1:目次\n?\n");
    ASSERT_EQ(findings.Size(), 1u);
    EXPECT_EQ(findings.All()[0].where, "Topics.txt:3");
    EXPECT_EQ(findings.All()[0].rule, "no-cp932");

    Findings clean;
    EXPECT_EQ(ConvertDocument("d:text", "x.txt", clean), "d:text\n");
    EXPECT_TRUE(clean.Empty());
}
