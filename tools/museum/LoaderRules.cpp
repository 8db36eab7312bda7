#include "LoaderRules.h"

#include <set>

#include "CollectingNoticeSink.h"
#include "Museum.h"
#include "TextFile.h"
#include "reader/TipsReader.h"
#include "reader/TopicDocument.h"

namespace museum {
namespace {

// The keys an index body lists: each line read from the left as the longest key
// that starts at each place, with the spaces between keys skipped.
std::set<std::string> KeysListed(const std::vector<std::string>& body, const std::set<std::string>& keys) {
    std::set<std::string> listed;
    for (const std::string& line : body) {
        std::size_t pos = 0;
        while (pos < line.size()) {
            if (line[pos] == ' ') {
                ++pos;
                continue;
            }
            std::size_t longest = 0;
            for (const std::string& key : keys)
                if (key.size() > longest && line.compare(pos, key.size(), key) == 0) longest = key.size();
            if (longest == 0) break;  // not an index line
            listed.insert(line.substr(pos, longest));
            pos += longest;
        }
    }
    return listed;
}

}  // namespace

void CheckWithLoader(const std::string& txtData, const std::string& file,
                     const std::string& initialKey, Findings& findings) {
    CollectingNoticeSink sink;
    CTopicDocument document;
    document.SetIncludeFolder(txtData);
    int result = document.Load(txtData + "/" + file);
    for (const std::string& message : sink.messages)
        findings.Add(file, "loader-notice", "loading shows the notice: " + message);
    if (result != 0) return;

    if (!initialKey.empty()) {
        TopicSelection opened = document.SelectTopic(initialKey);
        if (opened.topic.index < 0)
            findings.Add(file, "initial-key", "the loader finds no topic " + initialKey);
        else if (opened.topic.key1.empty() || opened.body.empty())
            findings.Add(file, "initial-key", "the topic " + initialKey +
                         " has an empty first key or no body");
    }

    int beepsBefore = sink.beeps;
    for (int t = 0; t < document.GetTopicCount(); ++t) {
        std::string key = document.GetKey1(t);
        if (key.empty()) continue;
        TopicSelection shown = document.SelectTopic(key);
        if (shown.topic.index != t)
            findings.Add(file, "loader-topic", "the topic " + key +
                         " cannot be reached: an earlier topic carries that key");
        for (const std::string& line : shown.body)
            if (line.size() > kBodyWidth)
                findings.Add(file, "body-width", "the topic " + key + " shows a line of " +
                             std::to_string(line.size()) + " bytes: " + line);
    }
    if (sink.beeps > beepsBefore)
        findings.Add(file, "loader-topic", std::to_string(sink.beeps - beepsBefore) +
                     " topics have no body");

    int indexTopic = document.GetIndexTopic();
    if (indexTopic < 0) return;
    std::string own = document.GetKey1(indexTopic);
    std::set<std::string> keys;
    for (int t = 0; t < document.GetTopicCount(); ++t) keys.insert(document.GetKey1(t));
    std::set<std::string> listed = KeysListed(document.SelectTopic(own).body, keys);
    for (const std::string& key : keys)
        if (!key.empty() && key != own && !listed.count(key))
            findings.Add(file, "index-lists-all", "the index " + own + " does not list " + key);
}

void CheckTipsWithLoader(const std::string& path, Findings& findings) {
    auto text = ReadWholeFile(path);
    if (!text) return;  // CheckTips has said so
    int count = 0;
    for (const std::string& line : SplitLines(*text)) {
        int number = 0;
        if (CTipsReader::ParseHeader(line, number) && number > 0) ++count;
    }
    CollectingNoticeSink sink;
    for (int tip = 1; tip <= count; ++tip) {
        CTipsReader reader;
        std::string where = "onepoint.txt tip " + std::to_string(tip);
        if (reader.LoadTip(path, tip) != tip) {
            findings.Add(where, "tip-loader", "the tips reader does not reach this tip");
            continue;
        }
        if (reader.Title().size() <= 1 || reader.Title().starts_with("豆知識"))
            findings.Add(where, "tip-title", "the tip has no title of its own");
        std::vector<std::string> lines = SplitLines(reader.Body());
        if (lines.size() > 13)
            findings.Add(where, "tip-body", "the body takes " + std::to_string(lines.size()) +
                         " lines; the box shows 13");
    }
    for (const std::string& message : sink.messages)
        findings.Add("onepoint.txt", "loader-notice", "reading shows the notice: " + message);
}

}  // namespace museum
