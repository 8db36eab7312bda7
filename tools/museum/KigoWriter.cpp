#include "KigoWriter.h"

#include <algorithm>
#include <map>

#include "LineWrap.h"
#include "Listing.h"
#include "Museum.h"

namespace museum {
namespace {

int SeasonRank(const std::string& season) {
    for (std::size_t i = 0; i < kSeasons.size(); ++i)
        if (kSeasons[i] == season) return static_cast<int>(i);
    return static_cast<int>(kSeasons.size());
}

struct WordTopic {
    std::string kigo;
    std::string reading;
    std::string season;
    std::string explanation;
    std::vector<std::size_t> uses;  // haiku numbers, 0-based, table order
};

}  // namespace

int IndexColumnsFor(std::size_t maxKeyBytes) {
    static constexpr std::size_t kColumnWidth[] = {0, 40, 30, 20, 15};  // by columns - 1
    for (int columns = 5; columns >= 2; --columns) {
        std::size_t width = kColumnWidth[columns - 1];
        // Keys stay apart, and a key in the last column ends within the body.
        if (maxKeyBytes + 1 <= width &&
            width * static_cast<std::size_t>(columns - 1) + maxKeyBytes <= kBodyWidth)
            return columns;
    }
    return 1;
}

std::vector<std::size_t> PickExamples(const std::vector<std::size_t>& uses) {
    if (uses.size() <= 3) return uses;
    return {uses.front(), uses[uses.size() / 2], uses.back()};
}

std::string KigoDocument(const Collection& collection,
                         const std::vector<std::string>& introduction, Findings& findings) {
    std::map<std::string, const KigoEntry*> entries;
    for (const KigoEntry& entry : collection.kigo) entries.emplace(entry.kigo, &entry);

    std::vector<WordTopic> words;
    std::map<std::string, std::size_t> wordIndex;
    for (std::size_t i = 0; i < collection.haiku.size(); ++i) {
        const Haiku& h = collection.haiku[i];
        auto [it, added] = wordIndex.emplace(h.kigo, words.size());
        if (added) {
            WordTopic word{h.kigo, {}, h.season, {}, {}};
            if (auto entry = entries.find(h.kigo); entry != entries.end()) {
                word.reading = entry->second->reading;
                word.season = entry->second->season;
                word.explanation = entry->second->explanation;
            } else {
                findings.Add(h.file + ":" + std::to_string(h.line), "kigo-missing",
                             "no row in data/kigo for the season word " + h.kigo);
            }
            words.push_back(std::move(word));
        }
        words[it->second].uses.push_back(i);
    }
    std::stable_sort(words.begin(), words.end(), [](const WordTopic& a, const WordTopic& b) {
        int ra = SeasonRank(a.season), rb = SeasonRank(b.season);
        return ra != rb ? ra < rb : a.reading < b.reading;
    });

    std::size_t longest = std::string_view(kKigoIntroKey).size();
    for (const WordTopic& word : words) longest = std::max(longest, word.kigo.size());

    std::string out = GeneratedNotice("kigo.txt", "data/kigo/*.tsv, data/haiku/*.tsv and "
                                                  "data/prefaces/kigo.txt");
    out += "[*]\nk1:" + std::string(kKigoTitle) + "\nk2:きご\nl" +
           std::to_string(IndexColumnsFor(longest)) + ":\n";
    out += "[*]\nk1:" + std::string(kKigoIntroKey) + "\nd:\n";
    for (const std::string& line : WrapParagraphs(introduction, kBodyWidth)) out += line + "\n";

    // Compact topics (the explanation on the "d:" line, no empty lines): the
    // reader holds 10000 lines and 1000 topics.
    for (const WordTopic& word : words) {
        out += "[*]\nk1:" + word.kigo + "\nk2:" + word.reading + "\nk3:" + word.season + "\nd:";
        std::vector<std::string> explanation = WrapParagraphs({word.explanation}, kBodyWidth);
        if (explanation.empty()) out += "\n";
        for (const std::string& line : explanation) out += line + "\n";
        for (std::size_t number : PickExamples(word.uses)) {
            const Haiku& h = collection.haiku[number];
            std::string example = "　" + HaikuListingLine(h.phrases);
            std::string note = "（" + std::to_string(h.year) + "年" + h.source + "）";
            if (example.size() + note.size() <= kBodyWidth) {
                out += example + note + "\n";
            } else {
                out += example + "\n";
                out += "　　　" + note + "\n";
            }
        }
    }
    return out;
}

}  // namespace museum
