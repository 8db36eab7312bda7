#include "CollectionDocumentRules.h"

#include <algorithm>
#include <map>
#include <set>

#include "Kana.h"
#include "Listing.h"

namespace museum {
namespace {

// The haiku by their listing key; haiku alike (a fault of their own) share a key.
using ListingMap = std::map<std::string, std::vector<std::size_t>>;

ListingMap ListingIndex(const std::vector<TableRecord>& table) {
    ListingMap index;
    for (std::size_t i = 0; i < table.size(); ++i) index[ListingKey(table[i].phrases)].push_back(i);
    return index;
}

// The haiku listed in a topic's body, by number (0-based). Of haiku alike, the
// first that fits (as the caller judges) is taken, else the first.
template <typename Fits>
std::vector<std::size_t> ListedHaiku(const ScannedDocument& document, const ScannedTopic& topic,
                                     const ListingMap& index, Fits fits) {
    std::vector<std::size_t> listed;
    if (topic.body < 0) return listed;
    for (auto i = static_cast<std::size_t>(topic.body); i < topic.end; ++i) {
        auto found = index.find(ListingKey(document.lines[i].text));
        if (found == index.end()) continue;
        std::size_t chosen = found->second.front();
        for (std::size_t candidate : found->second)
            if (fits(candidate)) {
                chosen = candidate;
                break;
            }
        listed.push_back(chosen);
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
        if (!topic.key2.empty() && !IsModernHiragana(topic.key2))
            findings.Add(where, "kigo-reading", "the reading of " + kigo + " is not hiragana: " + topic.key2);
        std::vector<std::size_t> listed = ListedHaiku(document, topic, index,
            [&](std::size_t h) { return h < sections.size() && sections[h].kigo == kigo; });
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
        if (topic.key2.empty() && !explained)
            findings.Add(where, "kigo-entry", "the topic of " + kigo +
                         " has neither reading nor explanation (no row in data/kigo?)");
        else if (topic.key2.empty())
            findings.Add(where, "kigo-reading", "the topic of " + kigo + " has no reading");
        else if (!explained)
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
        auto fits = [&](std::size_t h) {
            return h < sections.size() && sections[h].source == anthology.source && !listed.count(h);
        };
        for (std::size_t h : ListedHaiku(document, topic, index, fits)) {
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

void CheckSourcesNamed(const ScannedDocument& works, std::string_view file,
                       const std::vector<CommentarySection>& sections, Findings& findings) {
    std::set<std::string> sources;
    for (const CommentarySection& section : sections) sources.insert(section.source);
    for (const std::string& source : sources) {
        bool named = std::any_of(works.lines.begin(), works.lines.end(), [&](const ScannedLine& line) {
            return line.text.find(source) != std::string::npos;
        });
        if (!named)
            findings.Add(std::string(file), "source-in-works",
                         "the works document does not name the source " + source);
    }
}

}  // namespace museum
