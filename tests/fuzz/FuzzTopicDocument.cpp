// Fuzz target: loads any bytes as a topic document (also reachable as an
// include), then selects every topic and finds the links of every body line,
// checking what the reader relies on.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "platform/Cp932.h"
#include "reader/TopicDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static fuzz::QuietSink sink;
    SetNoticeSink(&sink);
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    fuzz::WriteScratch("inc.txt", bytes.substr(bytes.size() / 2));
    std::string path = fuzz::WriteScratch("main.txt", bytes);

    CTopicDocument document;
    document.SetIncludeFolder(fuzz::ScratchFolder());
    FUZZ_CHECK(document.Load(path) == 0);
    const int topics = document.GetTopicCount();
    FUZZ_CHECK(topics >= 0 && topics <= CTopicDocument::kMaxTopics);

    for (int kind = 1; kind <= 3; ++kind) {
        FUZZ_CHECK(document.GetKeyCount(kind) <= topics);
        for (int position = 0; position < document.GetKeyCount(kind); ++position)
            FUZZ_CHECK(!document.GetSortedKey(kind, position).empty());
    }
    std::size_t linesChecked = 0;
    for (int i = 0; i < topics; ++i) {
        TopicRecord topic = document.GetTopic(i);
        FUZZ_CHECK(topic.index == i);
        FUZZ_CHECK(topic.key1.size() <= CTopicDocument::kMaxTextBytes);
        const std::string& key = !topic.key1.empty() ? topic.key1 : !topic.key2.empty() ? topic.key2 : topic.key3;
        TopicSelection shown = document.SelectTopic(key);
        FUZZ_CHECK(shown.topic.key1 == key || shown.topic.key2 == key || shown.topic.key3 == key);
        FUZZ_CHECK(shown.topic.index <= i);
        for (const std::string& line : shown.body) {
            if (++linesChecked > 2000) break;  // keep one run short
            for (const TopicLink& link : document.FindLinks(line, key)) {
                FUZZ_CHECK(link.start >= 0 && link.start < link.end);
                FUZZ_CHECK(static_cast<std::size_t>(link.end) <= line.size());
                FUZZ_CHECK(line.compare(static_cast<std::size_t>(link.start), link.key.size(), link.key) == 0);
                FUZZ_CHECK(cp932::IsCharStart(line, static_cast<std::size_t>(link.start)));
                FUZZ_CHECK(link.key != key);
            }
            FUZZ_CHECK(document.FindLinks(line, key).size() <= CTopicDocument::kMaxLinksPerLine);
        }
    }
    return 0;
}
