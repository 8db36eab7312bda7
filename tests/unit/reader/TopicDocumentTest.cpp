// Loading, sorting, index generation and selection of TxtData topic documents.
// This file is compiled with a cp932 execution character set: its Japanese
// literals are cp932 bytes, as in the documents.
#include <gtest/gtest.h>

#include <array>
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
        for (int i = 0; i < m_document.GetTopicCount(); ++i)
            keys.push_back(m_document.GetSortedKey(kind, i));
        return keys;
    }

    RecordingNoticeSink m_notices;
    TempDir m_folder;
    CTopicDocument m_document;
};

using Lines = std::vector<std::string>;

// The body selected by a key: the lines after the topic's "d:" (its rest first) up to
// the next "[*]", tabs expanded, or the index generated for an "l1:" to "l5:" topic.
TEST_F(TopicDocumentTest, BodiesOfTheSelectedTopic) {
    const std::string pad14(14, ' '), pad29(29, ' '), longKey(45, 'L'), big(1 << 20, 'x');
    const std::string nul("a\0b", 3), letters = "[*]\nk1:a\n[*]\nk1:b\n[*]\nk1:c\n[*]\nk1:d\n";
    const std::string piece(64 * 1024 - 12, 'p');  // after "[*]\nk1:p\nd:", to a piece's end
    const std::string spring = "序文\n[*]\nk1:春\nk2:はる\nk3:spring\nd:一\n二\n\n[*]\nk1:夏\nd:\n";
    const struct {
        std::string text, key;
        Lines body;
    } cases[] = {
        {"[*]\nk1:夏\nd:\n暑い\n", "夏", {"", "暑い"}},  // a bare "d:" gives an empty first line
        {spring, "はる", {"一", "二", ""}},  // any of the three keys selects
        {spring, "spring", {"一", "二", ""}},
        {"[*]\nk1:旧\nk1: 新 \nk2:\nd:本文\nk1:後\n", "後", {"本文", "k1:後"}},  // the last marker counts
        // Markers ignore case, but "[*] " and "[*]\t" are text.
        {"[*]\nK1:甲\nd:甲\n[*]\nK2:おつ\nD:乙\n[*] \nk1:丙\n[*]\t\n[*]\nk1:戊\nd:戊\n", "おつ",
         {"乙", "[*] ", "k1:丙", "[*] "}},
        {"[*]\nk1:空\n[*]\nk1:有\nd:有の本文", "有", {"有の本文"}},  // a body marker on the last line
        {"[*]\nk1:同じ\nd:前\n[*]\nk1:別\nk2:同じ\nd:後\n", "同じ", {"前"}},  // the earlier topic
        {"[*]\nk1:t\nd:\ta\nab\tc\nあい\tx\n\t\t!\n", "t", {"  a", "ab  c", "あい    x", "        !"}},
        {"f:main.txt\n[*]\nk1:自\nd:本文\n", "自", {"本文", "f:main.txt"}},  // itself, once more
        // LF and CR LF end a line; any other CR stays in the line.
        {"[*]\nk1:CR\nd:一\r二\r\r\n[*]\r\nk1:CRLF\r\nd:三\n\n四", "CR", {"一\r二\r"}},
        {"[*]\nk1:CR\nd:一\r二\r\r\n[*]\r\nk1:CRLF\r\nd:三\n\n四", "CRLF", {"三", "", "四"}},
        {"[*]\nk1:\x82\nd:\x80\xA0\xFD\xFE\xFF\n" + nul + "\n\x82", "\x82",
         {"\x80\xA0\xFD\xFE\xFF", nul, "\x82"}},  // odd bytes are kept
        {"[*]\nk1:x\nd:" + big + "\n", "x", {big}},
        // The file is read in 64 KiB pieces: a CR LF across two of them is one line end.
        {"[*]\nk1:p\nd:" + piece + "\r\nb", "p", {piece, "b"}},
        // "[*]", "k1:季語", "d:春" in UTF-8 after a byte-order mark.
        {"\xEF\xBB\xBF[*]\nk1:\xE5\xAD\xA3\xE8\xAA\x9E\nd:\xE6\x98\xA5\n", "季語", {"春"}},
        // Generated indexes: the body marker's topic lists the other first keys in
        // order, in the columns "l1:" to "l5:" ask for ("l1:" wins); a full last line
        // of several columns is followed by an empty one, long keys are not padded.
        {"[*]\nk1:目次\nl3:\nd:無視\n" + letters + "[*]\nk1:e\n[*]\nk1:f\n[*]\nk1:g\n",
         "目次", {"", "a" + pad29 + "b" + pad29 + "c", "d" + pad29 + "e" + pad29 + "f", "g" + pad29}},
        {"[*]\nk1:索引\nl2:\n[*]\nk1:" + longKey + "\n[*]\nk1:M\n", "索引", {"", longKey + "M", ""}},
        {"[*]\nk1:索引\nl5:\n[*]\nk1:a\n[*]\nk1:b\n", "索引", {"", "a" + pad14 + "b" + pad14}},
        {"[*]\nk1:二\nl2:\n[*]\nk1:一\nl1:\nl2:\n[*]\nk1:x\n", "一", {"", "x", "二"}},
        {"[*]\nk1:独り\nL4:\n", "独り", {"", ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 60));
        ASSERT_EQ(Load(c.text), 0);
        EXPECT_EQ(Body(c.key), c.body);
    }
    EXPECT_EQ(m_notices.beeps, 0);
}

TEST_F(TopicDocumentTest, SelectionWithoutBodyBeepsAndNoMatchKeepsThePreviousOne) {
    ASSERT_EQ(Load("[*]\nk1:空\n[*]\nk1:別\nd:後\n"), 0);
    TopicSelection empty = m_document.SelectTopic("空");
    EXPECT_EQ(empty.topic.key1, "空");
    EXPECT_TRUE(empty.body.empty());
    EXPECT_EQ(m_notices.beeps, 1);
    EXPECT_EQ(m_document.SelectTopic("別").topic.index, 1);
    TopicSelection kept = m_document.SelectTopic("ない");
    EXPECT_EQ(kept.topic.index, 1);
    EXPECT_EQ(kept.body, (Lines{"後"}));
    EXPECT_EQ(m_document.SelectTopic("べつ").topic.index, 1);  // case and kana matter
}

// Includes follow the main file, the first twenty of them; one that is missing, leaves
// the folder or has too long a name is reported, and loading goes on.
TEST_F(TopicDocumentTest, IncludesAreAppendedAfterTheMainFile) {
    TempDir outside;
    const std::string secret = outside.Write("secret.txt", "[*]\nk1:秘密\nd:秘密\n");
    const std::string relative =
        "../" + std::filesystem::path(outside.Path()).filename().string() + "/secret.txt";
    const std::string longName(128, 'a');
    m_folder.Write(longName.substr(0, 100), "[*]\nk1:長\nd:\n");
    m_folder.Write("inc1.txt", "[*]\nk1:含一\nd:一\nf:main.txt\n// comment\n");
    m_folder.Write("sub/inc2.txt", "[*]\nk1:含二\nd:二\n");
    // An include in UTF-8 is converted; one in cp932 stays as it is.
    m_folder.Write("utf8.txt", "\xEF\xBB\xBF[*]\nk1:\xE6\x98\xA5\n");
    m_folder.Write("late.txt", "[*]\nk1:遅\n");
    std::string main = "F:inc1.txt\nf:gone.txt\n[*]\nk1:主\nd:主\nf:sub/inc2.txt\nf:utf8.txt\n";
    main += "f:" + secret + "\nf:" + relative + "\nf:sub/../../x.txt\nf:c:\\x.txt\nf:" + longName;
    for (int i = 10; i <= 20; ++i) main += "\nf:sub/inc2.txt";
    ASSERT_EQ(Load(main + "\nf:late.txt\n"), 0);  // the 21st is not read
    Lines keys{"主", "含一", "含二", "春"}, read;
    keys.resize(15, "含二");
    for (int i = 0; i < m_document.GetTopicCount(); ++i) read.push_back(m_document.GetKey1(i));
    EXPECT_EQ(read, keys);
    // Includes do not nest: an "f:" line of an included file is text.
    EXPECT_EQ(Body("含一"), (Lines{"一", "f:main.txt"}));
    ASSERT_EQ(m_notices.messages.size(), 6u);
    EXPECT_EQ(m_notices.messages[0], m_folder.File("gone.txt") + "\n" + kUnreadable);
    EXPECT_EQ(m_notices.messages[2], m_folder.Path() + "/" + relative + "\n" + kUnreadable);
    EXPECT_EQ(m_notices.messages[5], m_folder.Path() + "/" + longName + "\n" + kUnreadable);
}

// At most 1000 topics and 10000 read lines; the index of a full table lists every other
// topic, in lines of its own beyond the 10000.
TEST_F(TopicDocumentTest, TablesStopAtTheirLimits) {
    std::string text;
    for (int i = 0; i < 1100; ++i) text += "[*]\nk1:key" + std::to_string(i) + "\nd:\n";
    ASSERT_EQ(Load(text), 0);
    EXPECT_EQ(m_document.GetTopicCount(), CTopicDocument::kMaxTopics);
    EXPECT_EQ(m_document.GetKeyCount(1), 1000);

    text = "[*]\nk1:索引\nl1:\n";
    for (int i = 0; i < 998; ++i) text += "[*]\nk1:k" + std::to_string(1000 + i) + "\nd:\n";
    text += "[*]\nk1:長文\nd:\n";  // its body runs to line 10000
    for (int i = 0; i < 8000; ++i) text += std::to_string(i) + "\n";
    ASSERT_EQ(Load(text), 0);
    EXPECT_EQ(m_document.GetLineCount(), CTopicDocument::kMaxLines + 2 + 999);
    EXPECT_EQ(Body("長文").size(), 1 + 10000 - 3000u);
    Lines index = Body("索引");
    ASSERT_EQ(index.size(), 1000u);
    EXPECT_EQ(index[1], "k1000");
    EXPECT_EQ(index[999], "長文");
}

// Lines kept (not comments), topics, and each kind's keys in order: ASCII letters
// folded, bytes unsigned, empty keys behind every real one, even one that sorts behind
// FC 4B, the sentinel of an empty key; a long key cut to 127 bytes between characters.
TEST_F(TopicDocumentTest, ScansLinesTopicsAndSortedKeys) {
    std::string longKey;
    for (int i = 0; i < 70; ++i) longKey += "あ";  // 140 bytes
    const struct {
        std::string text;
        int lines, topics;
        std::array<Lines, 3> keys;
    } cases[] = {
        {"", 0, 0, {}},
        {"// one\n\n//two\n\n\n// [*]\n", 3, 0, {}},
        {"k1:鍵\nd:本文\n", 2, 0, {}},  // without a topic start nothing is a topic
        {"[*]\nk1:x" + longKey + "\n", 2, 1, {Lines{"x" + longKey.substr(0, 126)}, {}, {}}},
        {"[*]\nk2:\xFD\n[*]\nk2:b\n[*]\nk1:x\n[*]\nk2:\xFC\x4C\n", 8, 4,
         {Lines{"x"}, {"b", "\xFC\x4C", "\xFD"}, {}}},
        {"[*]\nk1:beta\nk2:x\n[*]\nk1:Alpha\n[*]\nk1:あ\nk3:z\n[*]\nk1:alpha2\n[*]\nk1:zz\n",
         12, 5, {Lines{"Alpha", "alpha2", "beta", "zz", "あ"}, {"x"}, {"z"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        ASSERT_EQ(Load(c.text), 0);
        EXPECT_EQ(m_document.GetLineCount(), c.lines);
        EXPECT_EQ(m_document.GetTopicCount(), c.topics);
        for (int kind = 1; kind <= 3; ++kind) {
            Lines keys = c.keys[static_cast<std::size_t>(kind - 1)];
            EXPECT_EQ(m_document.GetKeyCount(kind), static_cast<int>(keys.size()));
            keys.resize(static_cast<std::size_t>(c.topics));  // the empty keys behind
            EXPECT_EQ(SortedKeys(kind), keys) << kind;
        }
    }
    // The order fields form a permutation of the topics.
    std::vector<int> seen(5, 0);
    for (int i = 0; i < 5; ++i) ++seen[static_cast<std::size_t>(m_document.GetTopic(i).order2)];
    EXPECT_EQ(seen, (std::vector<int>{1, 1, 1, 1, 1}));
    EXPECT_TRUE(m_notices.messages.empty());
}

// Links: first keys found in a body line.
class FindLinksTest : public TopicDocumentTest {
protected:
    void LoadKeys(const std::vector<std::string>& keys) {
        std::string text;
        for (const std::string& key : keys) text += "[*]\nk1:" + key + "\nk2:second" + key + "\nd:\n";
        ASSERT_EQ(Load(text), 0);
    }
    std::vector<TopicLink> Links(const std::string& line) { return m_document.FindLinks(line, ""); }
};

TEST_F(FindLinksTest, LinksOfALine) {
    using LinkList = std::vector<TopicLink>;
    const struct {
        std::vector<std::string> keys;
        std::string line, current;
        LinkList links;
    } cases[] = {
        // A longer key wins over the key it contains; only first keys link.
        {{"芭", "芭蕉"}, "芭蕉の句", "", {{"芭蕉", 0, 4}}},
        {{"芭", "芭蕉"}, "芭の字と芭蕉", "", {{"芭蕉", 8, 12}, {"芭", 0, 2}}},
        {{"芭", "芭蕉"}, "second芭蕉", "", {{"芭蕉", 6, 10}}},
        // Overlapping and equal spans are kept.
        {{"abc", "cde", "xy", "xy"}, "abcde xy", "",
         {{"xy", 6, 8}, {"xy", 6, 8}, {"cde", 2, 5}, {"abc", 0, 3}}},
        // The shown topic's own key is never a link.
        {{"春", "春風"}, "春風と春", "春", {{"春風", 0, 4}}},
        {{"春", "春風"}, "春風と春", "春風", {{"春", 6, 8}}},
        // No match from a trail byte: "ア" is 83 41, and "Aア" hides "A\x83" at byte 0.
        {{"A", "\x41\x83"}, "ア", "", {}},
        {{"A", "\x41\x83"}, "アA", "", {{"A", 2, 3}}},
        {{"A", "\x41\x83"}, "Aア", "", {{"\x41\x83", 0, 2}}},
        {{"A", "\x41\x83"}, "x\x82", "", {}},  // a lone lead byte at the end
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        LoadKeys(c.keys);
        EXPECT_EQ(m_document.FindLinks(c.line, c.current), c.links);
    }
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

}  // namespace
