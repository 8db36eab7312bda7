#include "CollectionDocumentRules.h"

#include <map>
#include <set>

#include "Kana.h"
#include "Listing.h"

namespace museum {
namespace {

std::map<std::string, std::size_t> ListingIndex(const std::vector<TableRecord>& table) {
    std::map<std::string, std::size_t> index;
    for (std::size_t i = 0; i < table.size(); ++i) index.emplace(ListingKey(table[i].phrases), i);
    return index;
}

// The haiku listed in a topic's body, by number (0-based).
std::vector<std::size_t> ListedHaiku(const ScannedDocument& document, const ScannedTopic& topic,
                                     const std::map<std::string, std::size_t>& index) {
    std::vector<std::size_t> listed;
    if (topic.body < 0) return listed;
    for (auto i = static_cast<std::size_t>(topic.body); i < topic.end; ++i) {
        auto found = index.find(ListingKey(document.lines[i].text));
        if (found != index.end()) listed.push_back(found->second);
    }
    return listed;
}

std::string HaikuName(std::size_t number) { return "haiku " + std::to_string(number + 1); }

}  // namespace

void CheckKigoDocument(const ScannedDocument& document, const std::vector<CommentarySection>& sections,
                       const std::vector<TableRecord>& table, std::string_view file, Findings& findings) {
    const std::string name(file);
    if (document.topics.empty() || document.topics.front().key1 != kKigoTitle ||
        document.topics.front().indexColumns == 0)
        findings.Add(name, "kigo-index", "the document does not open with the index topic 季語");
    int marked = 0;
    for (const ScannedTopic& topic : document.topics) marked += topic.indexColumns > 0 ? 1 : 0;
    if (marked > 1) findings.Add(name, "kigo-index", "more than one topic carries an index mark");

    std::map<std::string, std::vector<std::size_t>> uses;
    std::size_t n = std::min(sections.size(), table.size());
    for (std::size_t i = 0; i < n; ++i) uses[sections[i].kigo].push_back(i);
    std::map<std::string, std::size_t> topicOf;
    for (std::size_t t = 0; t < document.topics.size(); ++t)
        topicOf.emplace(document.topics[t].key1, t);
    auto index = ListingIndex(table);

    for (const auto& [kigo, haiku] : uses) {
        auto found = topicOf.find(kigo);
        if (found == topicOf.end()) {
            findings.Add(name, "kigo-topic", "no topic for the season word " + kigo + " (" +
                         HaikuName(haiku.front()) + ")");
            continue;
        }
        const ScannedTopic& topic = document.topics[found->second];
        std::string where = WhereLine(document, topic.start);
        for (std::size_t h : haiku)
            if (sections[h].season != topic.key3)
                findings.Add(where, "kigo-season", "the season word " + kigo + " is " + topic.key3 +
                             " here and " + sections[h].season + " in " + HaikuName(h));
        if (!IsModernHiragana(topic.key2))
            findings.Add(where, "kigo-reading", "the reading of " + kigo + " is not hiragana: " + topic.key2);
        std::vector<std::size_t> listed = ListedHaiku(document, topic, index);
        std::size_t least = std::min<std::size_t>(2, haiku.size());
        if (listed.size() < least || listed.size() > 3)
            findings.Add(where, "kigo-examples", "the topic of " + kigo + " shows " +
                         std::to_string(listed.size()) + " haiku, not two or three");
        for (std::size_t h : listed)
            if (sections[h].kigo != kigo)
                findings.Add(where, "kigo-examples", HaikuName(h) + " shown under " + kigo +
                             " does not use it");
        // The explanation comes first: the first text of the body is no haiku.
        bool explained = false;
        if (topic.body >= 0)
            for (auto i = static_cast<std::size_t>(topic.body); i < topic.end; ++i) {
                std::string text = document.lines[i].text.substr(i == static_cast<std::size_t>(topic.body) ? 2 : 0);
                if (ListingKey(text).empty()) continue;
                explained = !index.count(ListingKey(text));
                break;
            }
        if (!explained)
            findings.Add(where, "kigo-explanation", "the topic of " + kigo + " has no explanation");
    }
    for (const ScannedTopic& topic : document.topics)
        if (!topic.key3.empty() && !uses.count(topic.key1))
            findings.Add(WhereLine(document, topic.start), "kigo-unused",
                         "the season word " + topic.key1 + " is used by no haiku");
}

void CheckAnthology(const ScannedDocument& document, const Anthology& anthology,
                    const std::vector<CommentarySection>& sections,
                    const std::vector<TableRecord>& table, Findings& findings) {
    const std::string name(anthology.file);
    if (document.topics.empty() || document.topics.front().key1 != anthology.title) {
        findings.Add(name, "anthology-title", "the document does not open at the topic " +
                     std::string(anthology.title));
    } else {
        const ScannedTopic& title = document.topics.front();
        std::string body;
        if (title.body >= 0)
            for (auto i = static_cast<std::size_t>(title.body); i < title.end; ++i)
                body += document.lines[i].text + "\n";
        for (std::size_t t = 1; t < document.topics.size(); ++t)
            if (body.find(document.topics[t].key1) == std::string::npos)
                findings.Add(WhereLine(document, title.start), "anthology-index",
                             "the index does not name the topic " + document.topics[t].key1);
    }

    auto index = ListingIndex(table);
    std::set<std::size_t> listed;
    for (const ScannedTopic& topic : document.topics) {
        for (std::size_t h : ListedHaiku(document, topic, index)) {
            if (!listed.insert(h).second)
                findings.Add(WhereLine(document, topic.start), "anthology-listing",
                             HaikuName(h) + " is listed twice");
            std::string year = std::to_string(table[h].year) + "年";
            if (!topic.key1.starts_with(year))
                findings.Add(WhereLine(document, topic.start), "anthology-year",
                             HaikuName(h) + " of " + year + " stands under " + topic.key1);
        }
    }
    std::size_t held = 0;
    std::size_t n = std::min(sections.size(), table.size());
    for (std::size_t i = 0; i < n; ++i) {
        bool ofAnthology = sections[i].source == anthology.source;
        held += ofAnthology ? 1 : 0;
        if (ofAnthology && !listed.count(i))
            findings.Add(name, "anthology-listing", HaikuName(i) + " names " +
                         std::string(anthology.source) + " as its source but is not listed");
        if (!ofAnthology && listed.count(i))
            findings.Add(name, "anthology-listing", HaikuName(i) + " is listed, but its source is " +
                         sections[i].source);
    }
    if (held != static_cast<std::size_t>(anthology.count))
        findings.Add(name, "anthology-count", std::to_string(held) + " haiku name " +
                     std::string(anthology.source) + " as their source, not " +
                     std::to_string(anthology.count));
    if (listed.size() != static_cast<std::size_t>(anthology.count))
        findings.Add(name, "anthology-count", "the document lists " + std::to_string(listed.size()) +
                     " haiku, not " + std::to_string(anthology.count));
}

}  // namespace museum
