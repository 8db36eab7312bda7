// Readers stop at their limits: what lies beyond is never read, however large the
// file. Each file here ends in 50 MB of NUL bytes (a hole, so making it costs
// nothing); the bytes this process has read (/proc/self/io) tell how far a reader went.
// And they read regular files only.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "RecordingNoticeSink.h"
#include "TempDir.h"
#include "haiku/CommentaryReader.h"
#include "haiku/HaikuTable.h"
#include "reader/TipsReader.h"
#include "reader/TopicDocument.h"

namespace {

constexpr std::uintmax_t kTail = 50u * 1024 * 1024;

long long BytesReadSoFar() {
    std::ifstream io("/proc/self/io");
    std::string key;
    long long value = 0;
    while (io >> key >> value)
        if (key == "rchar:") return value;
    return -1;
}

std::string WithLargeTail(const TempDir& dir, std::string_view name, const std::string& head) {
    std::string path = dir.Write(name, head);
    std::filesystem::resize_file(path, head.size() + kTail);
    return path;
}

TEST(ReadingLimitsTest, ReadersReadNoFurtherThanWhatTheyKeep) {
    RecordingNoticeSink sink;
    TempDir dir;
    std::string life = "[*]\nk1:年譜\nd:\n";
    for (int i = 0; i < CTopicDocument::kMaxLines; ++i) life += "行\n";
    const std::string lifePath = WithLargeTail(dir, "TxtData/life.txt", life);
    WithLargeTail(dir, "TxtData/tavelo.txt", "[*]\n3:春\n\n[*]\n3:夏\n[*]\n");
    CCommentaryReader reader(dir.Path());
    CTopicDocument document;
    CHaikuTable table;
    const struct {
        const char* reader;
        std::function<bool()> readsAsItShould;
    } cases[] = {
        {"topic document: its 10000 lines",
         [&] { return document.Load(lifePath) == 0 && document.GetLineCount() == CTopicDocument::kMaxLines; }},
        {"card: up to the end of the section asked for",
         [&] { return reader.ReadEntry("tavelo.txt", 0, 1, 44, nullptr) == 0 && reader.GetEntry().season == "夏"; }},
        {"list: up to its last section",
         [&] { return reader.LoadAll("tavelo.txt", 0, 44, table, 2) == 0 && table.GetHaiku(1).season == "夏"; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reader);
        const long long before = BytesReadSoFar();
        ASSERT_GE(before, 0);
        EXPECT_TRUE(c.readsAsItShould());
        EXPECT_LT(BytesReadSoFar() - before, 1024 * 1024);
    }
    EXPECT_TRUE(sink.messages.empty());
}

// A missing file, a directory or a FIFO in place of the file is unreadable for every
// reader: the notice at once, -1, and nothing left of the read before; nothing blocks.
TEST(ReadingLimitsTest, UnreadableFilesAreReportedByEveryReader) {
    RecordingNoticeSink sink;
    TempDir dir;
    const std::string path = dir.File("TxtData/tavelo.txt");
    CCommentaryReader reader(dir.Path());
    CTopicDocument document;
    CTipsReader tips;
    CHaikuTable table;
    for (const std::string kind : {"missing", "directory", "fifo"}) {
        SCOPED_TRACE(kind);
        dir.Write("TxtData/tavelo.txt", "1:\n[*]\nk1:a\nd:\n3:春\n");  // read by each reader
        ASSERT_EQ(document.Load(path), 0);
        ASSERT_EQ(tips.LoadTip(path, 1), 1);
        ASSERT_EQ(reader.ReadEntry("tavelo.txt", 0, 0, 44, nullptr), 0);
        ASSERT_EQ(reader.GetEntry().season, "春");
        std::filesystem::remove(path);
        if (kind == "directory") std::filesystem::create_directory(path);
        ASSERT_TRUE(kind != "fifo" || ::mkfifo(path.c_str(), 0600) == 0);
        sink.messages.clear();
        EXPECT_EQ(document.Load(path), -1);
        EXPECT_EQ(tips.LoadTip(path, 1), -1);
        EXPECT_EQ(reader.ReadEntry("tavelo.txt", 0, 0, 44, nullptr), -1);
        EXPECT_EQ(reader.LoadAll("tavelo.txt", 0, 44, table, 10), -1);
        EXPECT_EQ(document.GetTopicCount() + document.GetLineCount(), 0);
        EXPECT_EQ(tips.Body(), "\n");
        EXPECT_EQ(reader.GetEntry().season, "");
        EXPECT_FALSE(table.GetHaiku(0).hasReading);  // the table is left as it was
        EXPECT_EQ(sink.messages,
                  std::vector<std::string>(4, path + "\nファイル を読み出し出来ません."));
        std::filesystem::remove(path);  // writing into a FIFO would wait for a reader
    }
}

}  // namespace
