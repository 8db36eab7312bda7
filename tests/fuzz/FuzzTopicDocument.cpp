// Fuzz target: loads any bytes as a topic document that includes its own second
// half, then selects every topic and finds the links of its body lines, checking
// what the reader relies on.
#include <vector>

#include "FuzzSupport.h"
#include "platform/Cp932.h"
#include "reader/TopicDocument.h"

void fuzz::Test(const std::string& bytes) {
    // The main file always includes its second half, which makes the include path
    // reachable without the fuzzer having to guess the include's name.
    WriteScratch("inc.txt", std::string_view(bytes).substr(bytes.size() / 2));
    const std::string path = WriteScratch("main.txt", bytes + "\nf:inc.txt\n");

    CTopicDocument document;
    document.SetIncludeFolder(ScratchFolder());
    FUZZ_CHECK(document.Load(path) == 0);
    const int topics = document.GetTopicCount();
    FUZZ_CHECK(topics >= 0 && topics <= CTopicDocument::kMaxTopics);

    for (int kind = 1; kind <= 3; ++kind) {
        FUZZ_CHECK(document.GetKeyCount(kind) <= topics);
        for (int position = 0; position < document.GetKeyCount(kind); ++position)
            FUZZ_CHECK(!document.GetSortedKey(kind, position).empty());
    }
    // Each selection searches all topics and each line all keys: a sample of 64
    // topics and 300 lines keeps a run of a thousand topics short.
    const int step = topics / 64 + 1;
    std::size_t linesChecked = 0;
    for (int i = 0; i < topics; ++i) {
        TopicRecord topic = document.GetTopic(i);
        FUZZ_CHECK(topic.index == i);
        FUZZ_CHECK(topic.key1.size() <= CTopicDocument::kMaxTextBytes);
        if (i % step != 0) continue;
        const std::string& key = !topic.key1.empty() ? topic.key1 : !topic.key2.empty() ? topic.key2 : topic.key3;
        TopicSelection shown = document.SelectTopic(key);
        FUZZ_CHECK(shown.topic.key1 == key || shown.topic.key2 == key || shown.topic.key3 == key);
        FUZZ_CHECK(shown.topic.index <= i);
        for (const std::string& line : shown.body) {
            if (++linesChecked > 300) break;
            const std::vector<TopicLink> links = document.FindLinks(line, key);
            FUZZ_CHECK(links.size() <= CTopicDocument::kMaxLinksPerLine);
            for (const TopicLink& link : links) {
                FUZZ_CHECK(link.start >= 0 && link.start < link.end);
                FUZZ_CHECK(static_cast<std::size_t>(link.end) <= line.size());
                FUZZ_CHECK(line.compare(static_cast<std::size_t>(link.start), link.key.size(), link.key) == 0);
                FUZZ_CHECK(cp932::IsCharStart(line, static_cast<std::size_t>(link.start)));
                FUZZ_CHECK(link.key != key);
            }
        }
    }
}
