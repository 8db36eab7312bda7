// Loading, sorting, index generation and selection of TxtData topic documents.
// This file is compiled with a cp932 execution character set: its Japanese
// literals are cp932 bytes, as in the documents.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "RecordingNoticeSink.h"
#include "TempDir.h"
#include "reader/TopicDocument.h"

namespace {

const std::string kUnreadable = "ファイル を読み出し出来ません.";

// Loads text (lines joined with "\n") as main.txt of a temporary TxtData folder.
class TopicDocumentTest : public ::testing::Test {
protected:
    int Load(const std::string& text) {
        m_document.SetIncludeFolder(m_folder.Path());
        return m_document.Load(m_folder.Write("main.txt", text));
    }
    std::vector<std::string> Body(const std::string& key) { return m_document.SelectTopic(key).body; }
    std::vector<std::string> SortedKeys(int kind) {
        std::vector<std::string> keys;
        for (int i = 0; i < m_document.GetKeyCount(kind); ++i) keys.push_back(m_document.GetSortedKey(kind, i));
        return keys;
    }

    RecordingNoticeSink m_notices;
    TempDir m_folder;
    CTopicDocument m_document;
};

using Lines = std::vector<std::string>;

// A missing file, a directory and a FIFO are unreadable: the notice at once, -1.
TEST_F(TopicDocumentTest, MissingOrIrregularFileShowsTheNoticeAndFails) {
    for (const char* kind : {"missing", "directory", "fifo"}) {
        std::string path = m_folder.File(kind);
        if (kind == std::string("directory")) std::filesystem::create_directory(path);
        if (kind == std::string("fifo")) {
            ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
        }
        m_notices.messages.clear();
        EXPECT_EQ(m_document.Load(path), -1) << kind;
        ASSERT_EQ(m_notices.messages.size(), 1u) << kind;
        EXPECT_EQ(m_notices.messages[0], path + "\n" + kUnreadable);
        EXPECT_EQ(m_document.GetTopicCount(), 0);
        EXPECT_EQ(m_document.GetLineCount(), 0);
    }
}

TEST_F(TopicDocumentTest, EmptyFileAndCommentsOnlyLoadWithoutTopics) {
    EXPECT_EQ(Load(""), 0);
    EXPECT_EQ(m_document.GetLineCount(), 0);
    EXPECT_EQ(Load("// one\n\n//two\n\n\n// [*]\n"), 0);
    EXPECT_EQ(m_document.GetLineCount(), 3);  // the empty lines are kept
    EXPECT_EQ(m_document.GetTopicCount(), 0);
    EXPECT_TRUE(m_notices.messages.empty());
}

TEST_F(TopicDocumentTest, WithoutTopicStartNothingIsATopic) {
    EXPECT_EQ(Load("k1:鍵\nd:本文\n"), 0);
    EXPECT_EQ(m_document.GetTopicCount(), 0);
    EXPECT_EQ(m_document.SelectTopic("鍵").topic.index, -1);
}

TEST_F(TopicDocumentTest, ScansKeysAndBodies) {
    ASSERT_EQ(Load("序文は表示されない\n"
                   "[*]\nk1:春\nk2:はる\nk3:spring\nd:一行目\n二行目\n\n"
                   "[*]\nk1:夏\nd:\n暑い\n"),
              0);
    ASSERT_EQ(m_document.GetTopicCount(), 2);
    TopicRecord spring = m_document.GetTopic(0);
    EXPECT_EQ(spring.index, 0);
    EXPECT_EQ(spring.key1, "春");
    EXPECT_EQ(spring.key2, "はる");
    EXPECT_EQ(spring.key3, "spring");
    EXPECT_EQ(spring.bodyLine, 5);
    EXPECT_EQ(Body("春"), (Lines{"一行目", "二行目", ""}));
    EXPECT_EQ(Body("はる"), (Lines{"一行目", "二行目", ""}));
    EXPECT_EQ(Body("spring"), (Lines{"一行目", "二行目", ""}));
    EXPECT_EQ(Body("夏"), (Lines{"", "暑い"}));  // a bare "d:" gives an empty first line
    EXPECT_EQ(m_document.GetKey1(1), "夏");
    EXPECT_EQ(m_notices.beeps, 0);
}

TEST_F(TopicDocumentTest, KeysKeepTheirSpacesAndTheLastMarkerCounts) {
    ASSERT_EQ(Load("[*]\nk1:旧\nk1: 新 \nk2:\nd:本文\nk1:後\n"), 0);
    TopicRecord topic = m_document.GetTopic(0);
    EXPECT_EQ(topic.key1, "後");  // a marker after "d:" still sets its field...
    EXPECT_EQ(topic.key2, "");
    EXPECT_EQ(Body("後"), (Lines{"本文", "k1:後"}));  // ...and is shown
    EXPECT_EQ(m_document.GetKeyCount(2), 0);
}

TEST_F(TopicDocumentTest, MarkersIgnoreCaseButTopicStartIsExact) {
    ASSERT_EQ(Load("[*]\nK1:甲\nd:甲の本文\n"
                   "[*]\nK1:乙\nK2:おつ\nD:乙の本文\n"
                   "[*] \nk1:丙\n"
                   "[*]\t\nk1:丁\n"
                   "[*]\nk1:戊\nd:戊の本文\n"),
              0);
    EXPECT_EQ(m_document.GetTopicCount(), 3);
    // An upper-case body marker shows its own body, not the next topic's.
    EXPECT_EQ(Body("おつ"), (Lines{"乙の本文", "[*] ", "k1:丙", "[*] ", "k1:丁"}));
    EXPECT_EQ(m_document.GetTopic(1).key1, "丁");  // "[*] " and "[*]\t" are text
    EXPECT_EQ(m_document.GetTopic(1).key2, "おつ");
}

TEST_F(TopicDocumentTest, TopicWithoutBodyBeepsAndShowsNothing) {
    ASSERT_EQ(Load("[*]\nk1:空\n[*]\nk1:有\nd:有の本文"), 0);
    TopicSelection empty = m_document.SelectTopic("空");
    EXPECT_EQ(empty.topic.key1, "空");
    EXPECT_EQ(empty.topic.bodyLine, -1);
    EXPECT_TRUE(empty.body.empty());
    EXPECT_EQ(m_notices.beeps, 1);
    EXPECT_EQ(Body("有"), (Lines{"有の本文"}));  // body marker on the last line
}

TEST_F(TopicDocumentTest, SelectionFindsTheEarlierTopicAndKeepsThePreviousOne) {
    ASSERT_EQ(Load("[*]\nk1:同じ\nd:前\n[*]\nk1:別\nk2:同じ\nd:後\n"), 0);
    EXPECT_EQ(Body("同じ"), (Lines{"前"}));
    EXPECT_EQ(m_document.SelectTopic("別").topic.index, 1);
    TopicSelection kept = m_document.SelectTopic("ない");
    EXPECT_EQ(kept.topic.index, 1);
    EXPECT_EQ(kept.body, (Lines{"後"}));
    EXPECT_EQ(m_document.SelectTopic("べつ").topic.index, 1);  // case and kana matter
}

TEST_F(TopicDocumentTest, TabsExpandToColumnsOfFourBytes) {
    ASSERT_EQ(Load("[*]\nk1:t\nd:\ta\nab\tc\nあい\tx\n\t\t!\n"), 0);
    EXPECT_EQ(Body("t"), (Lines{"  a", "ab  c", "あい    x", "        !"}));
}

TEST_F(TopicDocumentTest, IncludesAreAppendedAfterTheMainFile) {
    m_folder.Write("inc1.txt", "[*]\nk1:含一\nd:一\nf:main.txt\n// comment\n");
    m_folder.Write("sub/inc2.txt", "[*]\nk1:含二\nd:二\n");
    ASSERT_EQ(Load("F:inc1.txt\n[*]\nk1:主\nd:主\nf:sub/inc2.txt\n"), 0);
    ASSERT_EQ(m_document.GetTopicCount(), 3);
    EXPECT_EQ(m_document.GetKey1(0), "主");
    EXPECT_EQ(m_document.GetKey1(1), "含一");
    EXPECT_EQ(m_document.GetKey1(2), "含二");
    // Includes do not nest: an "f:" line of an included file is text.
    EXPECT_EQ(Body("含一"), (Lines{"一", "f:main.txt"}));
    EXPECT_TRUE(m_notices.messages.empty());
}

TEST_F(TopicDocumentTest, IncludingItselfReadsItOnceMore) {
    ASSERT_EQ(Load("f:main.txt\n[*]\nk1:自\nd:本文\n"), 0);
    EXPECT_EQ(m_document.GetTopicCount(), 2);
    // The first of the two; the copy's "f:" line is text.
    EXPECT_EQ(Body("自"), (Lines{"本文", "f:main.txt"}));
}

TEST_F(TopicDocumentTest, MissingIncludeIsReportedAndLoadingGoesOn) {
    m_folder.Write("there.txt", "[*]\nk1:有\nd:有\n");
    ASSERT_EQ(Load("f:gone.txt\nf:there.txt\n"), 0);
    ASSERT_EQ(m_notices.messages.size(), 1u);
    EXPECT_EQ(m_notices.messages[0], m_folder.File("gone.txt") + "\n" + kUnreadable);
    EXPECT_EQ(m_document.GetTopicCount(), 1);
}

TEST_F(TopicDocumentTest, IncludesLeavingTheFolderAreRefused) {
    TempDir outside;
    std::string secret = outside.Write("secret.txt", "[*]\nk1:秘密\nd:秘密\n");
    std::string relative = "../" + std::filesystem::path(outside.Path()).filename().string() + "/secret.txt";
    std::string longName(128, 'a');
    m_folder.Write(longName.substr(0, 100), "[*]\nk1:長\nd:\n");
    ASSERT_EQ(Load("f:" + secret + "\nf:" + relative + "\nf:sub/../../x.txt\nf:c:\\x.txt\nf:" +
                   longName + "\n[*]\nk1:主\nd:\n"),
              0);
    EXPECT_EQ(m_document.GetTopicCount(), 1);
    ASSERT_EQ(m_notices.messages.size(), 5u);
    EXPECT_EQ(m_notices.messages[1], m_folder.Path() + "/" + relative + "\n" + kUnreadable);
    EXPECT_EQ(m_notices.messages[4], m_folder.Path() + "/" + longName + "\n" + kUnreadable);
}

TEST_F(TopicDocumentTest, OnlyTwentyIncludesAreRead) {
    std::string main;
    for (int i = 0; i < 25; ++i) {
        std::string name = "inc" + std::to_string(i) + ".txt";
        m_folder.Write(name, "[*]\nk1:" + std::to_string(i) + "\nd:\n");
        main += "f:" + name + "\n";
    }
    ASSERT_EQ(Load(main), 0);
    EXPECT_EQ(m_document.GetTopicCount(), 20);
    EXPECT_EQ(m_document.GetKey1(19), "19");
}

TEST_F(TopicDocumentTest, TablesStopAtTheirLimits) {
    std::string text;
    for (int i = 0; i < 1100; ++i) text += "[*]\nk1:key" + std::to_string(i) + "\nd:\n";
    ASSERT_EQ(Load(text), 0);
    EXPECT_EQ(m_document.GetTopicCount(), CTopicDocument::kMaxTopics);
    EXPECT_EQ(m_document.GetKeyCount(1), 1000);

    text = "[*]\nk1:長文\nd:\n";
    for (int i = 0; i < 10500; ++i) text += std::to_string(i) + "\n";
    ASSERT_EQ(Load(text), 0);
    EXPECT_EQ(m_document.GetLineCount(), CTopicDocument::kMaxLines);
    EXPECT_EQ(Body("長文").size(), 9998u);
}

TEST_F(TopicDocumentTest, SortsByFoldedUnsignedBytesWithEmptyKeysLast) {
    ASSERT_EQ(Load("[*]\nk1:beta\nk2:x\n[*]\nk1:Alpha\n[*]\nk1:あ\nk3:z\n[*]\nk1:alpha2\n[*]\nk1:zz\n"), 0);
    EXPECT_EQ(SortedKeys(1), (Lines{"Alpha", "alpha2", "beta", "zz", "あ"}));
    EXPECT_EQ(m_document.GetKeyCount(2), 1);
    EXPECT_EQ(m_document.GetKeyCount(3), 1);
    EXPECT_EQ(SortedKeys(2), (Lines{"x"}));
    EXPECT_EQ(m_document.GetSortedKey(3, 0), "z");
    // The order fields form a permutation of the topics.
    std::vector<int> seen(5, 0);
    for (int i = 0; i < 5; ++i) ++seen[static_cast<std::size_t>(m_document.GetTopic(i).order2)];
    EXPECT_EQ(seen, (std::vector<int>{1, 1, 1, 1, 1}));
    EXPECT_EQ(m_document.GetTopic(0).order2, 0);  // "x" first, the empty keys behind it
}

TEST_F(TopicDocumentTest, KeysBehindTheEmptyKeySentinelStillListFirst) {
    // 0xFD sorts behind FC 4B, the sentinel of an empty key, yet a real key must
    // stay among the first keyCount positions.
    ASSERT_EQ(Load("[*]\nk2:\xFD\n[*]\nk2:b\n[*]\nk1:x\n[*]\nk2:\xFC\x4C\n"), 0);
    EXPECT_EQ(m_document.GetKeyCount(2), 3);
    EXPECT_EQ(SortedKeys(2), (Lines{"b", "\xFC\x4C", "\xFD"}));
    EXPECT_EQ(m_document.GetSortedKey(2, 3), "");
}

TEST_F(TopicDocumentTest, OnlyTheFirstTwentyFiveBytesSort) {
    std::string prefix(25, 'p');
    ASSERT_EQ(Load("[*]\nk1:" + prefix + "b\n[*]\nk1:" + prefix + "a\n[*]\nk1:a\n"), 0);
    Lines keys = SortedKeys(1);
    EXPECT_EQ(keys[0], "a");
    EXPECT_TRUE((keys[1] == prefix + "a" && keys[2] == prefix + "b") ||
                (keys[1] == prefix + "b" && keys[2] == prefix + "a"));
}

TEST_F(TopicDocumentTest, LongKeysAreCutAtACharacterBoundary) {
    std::string key;
    for (int i = 0; i < 70; ++i) key += "あ";  // 140 bytes
    ASSERT_EQ(Load("[*]\nk1:x" + key + "\n"), 0);
    std::string cut = m_document.GetKey1(0);
    EXPECT_EQ(cut.size(), 127u);  // "x" and 63 whole characters
    EXPECT_EQ(cut, "x" + key.substr(0, 126));
}

TEST_F(TopicDocumentTest, ThreeColumnIndexWithSevenKeys) {
    ASSERT_EQ(Load("[*]\nk1:目次\nl3:\nd:無視される本文\n"
                   "[*]\nk1:a\n[*]\nk1:b\n[*]\nk1:c\n[*]\nk1:d\n[*]\nk1:e\n[*]\nk1:f\n[*]\nk1:g\n"),
              0);
    EXPECT_EQ(m_document.GetIndexTopic(), 0);
    EXPECT_EQ(m_document.GetTopic(0).bodyLine, m_document.GetLineCount() - 5);
    std::string pad29(29, ' ');
    EXPECT_EQ(Body("目次"), (Lines{"", "a" + pad29 + "b" + pad29 + "c", "d" + pad29 + "e" + pad29 + "f",
                                   "g" + pad29}));
}

TEST_F(TopicDocumentTest, IndexLayouts) {
    // Two columns whose last line is full get an empty line after it; long keys
    // are not padded.
    std::string longKey(45, 'L');
    ASSERT_EQ(Load("[*]\nk1:索引\nl2:\n[*]\nk1:" + longKey + "\n[*]\nk1:M\n"), 0);
    EXPECT_EQ(Body("索引"), (Lines{"", longKey + "M", ""}));

    ASSERT_EQ(Load("[*]\nk1:索引\nl5:\n[*]\nk1:a\n[*]\nk1:b\n"), 0);
    EXPECT_EQ(Body("索引"), (Lines{"", "a" + std::string(14, ' ') + "b" + std::string(14, ' ')}));

    // One column; "l1:" beats "l2:", whichever topic carries it.
    ASSERT_EQ(Load("[*]\nk1:二\nl2:\n[*]\nk1:一\nl1:\nl2:\n[*]\nk1:x\n"), 0);
    EXPECT_EQ(m_document.GetIndexTopic(), 1);
    EXPECT_EQ(Body("一"), (Lines{"", "x", "二"}));

    // An index topic with no other key.
    ASSERT_EQ(Load("[*]\nk1:独り\nL4:\n"), 0);
    EXPECT_EQ(Body("独り"), (Lines{"", ""}));
}

TEST_F(TopicDocumentTest, IndexIsCompleteWhenTheTableIsFull) {
    std::string text = "[*]\nk1:索引\nl1:\n";
    for (int i = 0; i < 999; ++i) text += "[*]\nk1:k" + std::to_string(1000 + i) + "\nd:\n";
    for (int i = 0; i < 8000; ++i) text += "filler\n";
    ASSERT_EQ(Load(text), 0);
    EXPECT_EQ(m_document.GetLineCount(), CTopicDocument::kMaxLines + 2 + 999);
    Lines body = Body("索引");
    ASSERT_EQ(body.size(), 1000u);
    EXPECT_EQ(body[1], "k1000");
    EXPECT_EQ(body[999], "k1998");
}

// LF and CR LF end a line; any other CR stays in the line.
TEST_F(TopicDocumentTest, LineEndsOfAnyKind) {
    ASSERT_EQ(Load("[*]\nk1:CR\nd:一\r二\r\r\n[*]\r\nk1:CRLF\r\nd:三\n\n四"), 0);
    EXPECT_EQ(Body("CR"), (Lines{"一\r二\r"}));
    EXPECT_EQ(Body("CRLF"), (Lines{"三", "", "四"}));
}

TEST_F(TopicDocumentTest, OddBytesAreKeptAsTheyAre) {
    std::string text = std::string("[*]\nk1:\x82\nd:\x80\xA0\xFD\xFE\xFF\n") +
                       std::string("a\0b", 3) + "\n\x82";
    ASSERT_EQ(Load(text), 0);
    EXPECT_EQ(Body("\x82"), (Lines{"\x80\xA0\xFD\xFE\xFF", std::string("a\0b", 3), "\x82"}));
}

TEST_F(TopicDocumentTest, MegabyteLineIsReadWhole) {
    std::string big(1 << 20, 'x');
    ASSERT_EQ(Load("[*]\nk1:x\nd:" + big + "\n"), 0);
    Lines body = Body("x");
    ASSERT_EQ(body.size(), 1u);
    EXPECT_EQ(body[0].size(), big.size());
}

TEST_F(TopicDocumentTest, Utf8WithByteOrderMarkIsConverted) {
    // "[*]", "k1:季語", "d:春" in UTF-8 after a byte-order mark.
    // An include in UTF-8 is converted too; one in cp932 stays as it is.
    m_folder.Write("utf8.txt", "\xEF\xBB\xBF[*]\nk1:\xE6\x98\xA5\n");
    m_folder.Write("sjis.txt", "[*]\nk1:夏\n");
    ASSERT_EQ(Load("\xEF\xBB\xBF[*]\nk1:\xE5\xAD\xA3\xE8\xAA\x9E\nd:\xE6\x98\xA5\nf:utf8.txt\nf:sjis.txt\n"), 0);
    EXPECT_EQ(m_document.GetKey1(0), "季語");
    EXPECT_EQ(Body("季語"), (Lines{"春"}));
    EXPECT_EQ(m_document.GetKey1(1), "春");
    EXPECT_EQ(m_document.GetKey1(2), "夏");
}

// Links: first keys found in a body line.
class FindLinksTest : public TopicDocumentTest {
protected:
    void LoadKeys(const std::vector<std::string>& keys) {
        std::string text;
        for (const std::string& key : keys) text += "[*]\nk1:" + key + "\nk2:second" + key + "\nd:\n";
        ASSERT_EQ(Load(text), 0);
    }
    std::vector<TopicLink> Links(const std::string& line, const std::string& current = "") {
        return m_document.FindLinks(line, current);
    }
};

TEST_F(FindLinksTest, LongerKeyWinsOverTheKeyItContains) {
    LoadKeys({"芭", "芭蕉"});
    EXPECT_EQ(Links("芭蕉の句"), (std::vector<TopicLink>{{"芭蕉", 0, 4}}));
    EXPECT_EQ(Links("芭の字と芭蕉"), (std::vector<TopicLink>{{"芭蕉", 8, 12}, {"芭", 0, 2}}));
    EXPECT_TRUE(Links("").empty());
    EXPECT_TRUE(Links("secondab").empty());  // only first keys link
}

TEST_F(FindLinksTest, OverlappingAndEqualSpansAreKept) {
    LoadKeys({"abc", "cde", "xy", "xy"});
    std::vector<TopicLink> links = Links("abcde xy");
    EXPECT_EQ(links, (std::vector<TopicLink>{{"xy", 6, 8}, {"xy", 6, 8}, {"cde", 2, 5}, {"abc", 0, 3}}));
}

TEST_F(FindLinksTest, OwnKeyIsNeverALink) {
    LoadKeys({"春", "春風"});
    EXPECT_EQ(Links("春風と春", "春"), (std::vector<TopicLink>{{"春風", 0, 4}}));
    EXPECT_EQ(Links("春風と春", "春風"), (std::vector<TopicLink>{{"春", 6, 8}}));
}

TEST_F(FindLinksTest, AtMostTenMatchesAreConsidered) {
    LoadKeys({"a", "ab"});
    // "ab" sorts last and is searched first: its ten matches use up the limit,
    // so "a" is never searched, and none of them is nested.
    std::string line;
    for (int i = 0; i < 12; ++i) line += "ab ";
    std::vector<TopicLink> links = Links(line);
    ASSERT_EQ(links.size(), 10u);
    EXPECT_EQ(links[9], (TopicLink{"ab", 27, 29}));
    // Nested matches still count towards the ten before they are dropped.
    std::vector<TopicLink> nested = Links("ab ab ab ab ab a a a a a a a");
    EXPECT_EQ(nested.size(), 5u);
}

TEST_F(FindLinksTest, NoMatchFromATrailByte) {
    LoadKeys({"A", "\x41\x83"});
    // "ア" is 83 41: its trail byte is an 'A', and "Aア" hides "A\x83" at byte 0.
    EXPECT_TRUE(Links("ア").empty());
    EXPECT_EQ(Links("アA"), (std::vector<TopicLink>{{"A", 2, 3}}));
    EXPECT_EQ(Links("Aア"), (std::vector<TopicLink>{{"\x41\x83", 0, 2}}));
    EXPECT_EQ(Links("x\x82"), (std::vector<TopicLink>{}));  // a lone lead byte at the end
}

}  // namespace
