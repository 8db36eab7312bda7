#include "LoaderRules.h"

#include <set>

#include "Museum.h"
#include "platform/NoticeWnd.h"
#include "reader/TopicDocument.h"

namespace museum {
namespace {

// Catches the notices of a load instead of showing them.
class CollectingSink final : public NoticeSink {
public:
    CollectingSink() : m_previous(SetNoticeSink(this)) {}
    ~CollectingSink() override { SetNoticeSink(m_previous); }
    CollectingSink(const CollectingSink&) = delete;
    CollectingSink& operator=(const CollectingSink&) = delete;
    void MessageBox(std::string_view text) override { messages.emplace_back(text); }
    void Beep() override { ++beeps; }

    std::vector<std::string> messages;
    int beeps = 0;

private:
    NoticeSink* m_previous;
};

}  // namespace

void CheckWithLoader(const std::string& txtData, const std::string& file,
                     const std::string& initialKey, Findings& findings) {
    CollectingSink sink;
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
    TopicSelection index = document.SelectTopic(own);
    std::string shown;
    for (const std::string& line : index.body) shown += line + "\n";
    for (int t = 0; t < document.GetTopicCount(); ++t) {
        std::string key = document.GetKey1(t);
        if (key.empty() || key == own) continue;
        if (shown.find(key) == std::string::npos)
            findings.Add(file, "index-lists-all", "the index " + own + " does not list " + key);
    }
}

}  // namespace museum

#include "reader/TipsReader.h"
#include "TextFile.h"

namespace museum {

void CheckTipsWithLoader(const std::string& path, Findings& findings) {
    auto text = ReadWholeFile(path);
    if (!text) return;  // CheckTips has said so
    int count = 0;
    for (const std::string& line : SplitLines(*text)) {
        int number = 0;
        if (CTipsReader::ParseHeader(line, number) && number > 0) ++count;
    }
    CollectingSink sink;
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
