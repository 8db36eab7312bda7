#include "AnthologyWriter.h"

#include <map>

#include "Listing.h"

namespace museum {

std::string YearKey(int year, const EraNames& eras) {
    std::string key = std::to_string(year) + "年";
    std::string era = eras.EraYear(year);
    if (!era.empty()) key += "（" + era + "）";
    return key;
}

std::string AnthologyDocument(const Anthology& anthology, const std::vector<Haiku>& haiku,
                              const EraNames& eras, const std::vector<std::string>& preface) {
    std::map<int, std::vector<const Haiku*>> byYear;
    for (const Haiku& h : haiku)
        if (h.source == anthology.source) byYear[h.year].push_back(&h);

    std::string out = GeneratedNotice(std::string(anthology.file),
                                      "data/haiku/*.tsv and data/prefaces/" + std::string(anthology.file));
    out += "[*]\nk1:" + std::string(anthology.title) + "\nd:\n";
    for (const std::string& line : WrapParagraphs(preface, kBodyWidth)) out += line + "\n";

    // The index: every year's key, two to a line.
    out += "\n　目次（年ごと）\n";
    std::string row;
    for (const auto& [year, list] : byYear) {
        std::string entry = "　" + YearKey(year, eras);
        if (row.empty()) {
            row = entry;
            continue;
        }
        row.resize(std::max<std::size_t>(row.size() + 1, 38), ' ');
        out += row + entry + "\n";
        row.clear();
    }
    if (!row.empty()) out += row + "\n";

    for (const auto& [year, list] : byYear) {
        out += "\n[*]\nk1:" + YearKey(year, eras) + "\nk2:" + eras.EraYear(year) + "\nd:\n";
        out += "　" + std::string(anthology.title) + "より、" + std::to_string(year) + "年の句" +
               std::to_string(list.size()) + "句。\n\n";
        for (const Haiku* h : list) out += HaikuListingLine(h->phrases) + "\n";
    }
    return out;
}

}  // namespace museum
