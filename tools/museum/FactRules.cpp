#include "FactRules.h"

#include <map>
#include <string>
#include <string_view>

#include "Museum.h"
#include "TextFile.h"
#include "platform/Cp932.h"

namespace museum {
namespace {

std::string At(const Haiku& h, std::size_t i) {
    return h.file + ":" + std::to_string(h.line) + " (haiku " + std::to_string(i + 1) + ")";
}

std::string Text(const Haiku& h) { return h.preface + h.phrases[0] + h.phrases[1] + h.phrases[2]; }

std::string Year(int year) { return std::to_string(year); }

// The years after a death that each memorial falls in (一周忌 the next year, N回忌 in
// year N - 1), longest names first so that 十三回忌 is not read as 三回忌.
struct Memorial {
    std::string_view name;
    int yearsAfter;
};
constexpr Memorial kMemorials[] = {
    {"三十三回忌", 32}, {"二十七回忌", 26}, {"二十三回忌", 22}, {"十七回忌", 16},
    {"十三回忌", 12},   {"七回忌", 6},      {"三回忌", 2},      {"一周忌", 1},
};

// The death a memorial text names: the person whose name stands nearest before the
// memorial word, or any person the text names.
const Death* PersonOf(std::string_view text, std::size_t memorialAt) {
    const Death* nearest = nullptr;
    std::size_t best = std::string_view::npos;
    for (const Death& death : kDeaths)
        for (std::string_view name : death.names) {
            if (name.empty()) continue;
            std::size_t pos = FindText(text, name);
            if (pos == std::string_view::npos) continue;
            std::size_t distance = pos < memorialAt ? memorialAt - pos : text.size() + pos;
            if (distance < best) best = distance, nearest = &death;
        }
    return nearest;
}

// "志津忌", "妻の忌": a yearly memorial of a named person.
bool NamesYearlyMemorial(std::string_view text, const Death& death) {
    for (std::string_view name : death.names) {
        if (name.empty()) continue;
        std::string direct = std::string(name) + "忌";
        std::string of = std::string(name) + "の忌";
        if (ContainsText(text, direct) || ContainsText(text, of)) return true;
    }
    return false;
}

bool IsKanji(std::string_view text, std::size_t pos) {
    auto lead = static_cast<unsigned char>(text[pos]);
    return cp932::CharLength(text, pos) == 2 && ((lead >= 0x88 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xEA));
}

// The run of kanji that ends at end (a byte position on a character boundary).
std::string_view KanjiRunBefore(std::string_view text, std::size_t end) {
    std::size_t runStart = end;
    for (std::size_t pos = 0; pos < end; pos += cp932::CharLength(text, pos))
        if (!IsKanji(text, pos)) runStart = end;
        else if (runStart == end) runStart = pos;
    return text.substr(runStart, end - runStart);
}

// A building of its own name: three kanji at least ending in the kind of place
// ("瑞泉寺", "上田城", "丸田屋"), or the poet's birth house. Two-kanji words such as
// 茶屋 or 鐘楼 name any such building, so another one may well stand.
bool NamesBuilding(std::string_view name) {
    static constexpr std::string_view kKinds[] = {"家", "屋", "寺", "堂", "院", "庵", "楼",
                                                  "館", "宿", "城", "塔", "門", "社", "駅"};
    if (name == "生家") return true;
    if (name.size() < 6) return false;
    std::string_view last = name.substr(name.size() - 2);
    for (std::string_view kind : kKinds)
        if (last == kind) return true;
    return false;
}

}  // namespace

void CheckMemorials(const std::vector<Haiku>& haiku, Findings& findings) {
    for (std::size_t i = 0; i < haiku.size(); ++i) {
        const Haiku& h = haiku[i];
        const std::string text = Text(h);
        const Death* death = nullptr;
        int expectedYear = 0;
        std::string what;
        for (const Memorial& memorial : kMemorials) {
            std::size_t at = FindText(text, memorial.name);
            if (at == std::string_view::npos) continue;
            death = PersonOf(text, at);
            if (death) expectedYear = death->year + memorial.yearsAfter, what = std::string(memorial.name);
            break;
        }
        if (!death) {
            for (const Death& d : kDeaths)
                if (NamesYearlyMemorial(text, d)) death = &d, what = "忌";
            if (death && h.year <= death->year)
                findings.Add(At(h, i), "memorial-year", "a memorial of " + std::string(death->names[0]) +
                             " in " + Year(h.year) + ", not after the death in " + Year(death->year));
        } else if (h.year != expectedYear) {
            findings.Add(At(h, i), "memorial-year", "the " + what + " of " + std::string(death->names[0]) +
                         " falls in " + Year(expectedYear) + ", not " + Year(h.year));
        }
        if (death && h.season != death->season)
            findings.Add(At(h, i), "memorial-season", "a memorial of " + std::string(death->names[0]) +
                         " in " + h.season + "; the death was in " + std::string(death->season));
    }
}

void CheckJourneys(const std::vector<Haiku>& haiku, Findings& findings) {
    for (std::size_t i = 0; i < haiku.size(); ++i) {
        const Haiku& h = haiku[i];
        for (const Journey& journey : kJourneys) {
            bool ofJourney = h.source == journey.notebook;
            if (h.year == journey.year) {
                for (std::string_view stop : journey.stops)
                    ofJourney = ofJourney || ContainsText(h.preface, stop);
                ofJourney = ofJourney || ContainsText(h.preface, journey.returnWord);
            }
            if (!ofJourney) continue;
            if (h.year != journey.year)
                findings.Add(At(h, i), "journey-dates", journey.notebook.data() +
                             std::string(" holds haiku of ") + Year(journey.year) + ", not " + Year(h.year));
            else if (h.season != journey.seasons[0] && h.season != journey.seasons[1])
                findings.Add(At(h, i), "journey-dates", "a haiku of the journey of " + Year(journey.year) +
                             " in " + h.season + ", outside the journey's seasons");
        }
    }
}

void CheckGonePlaces(const std::vector<Haiku>& haiku, Findings& findings) {
    static constexpr std::string_view kGone = "の跡";
    std::map<std::string, std::size_t> gone;  // building -> the haiku that names it gone
    for (std::size_t i = 0; i < haiku.size(); ++i) {
        const Haiku& h = haiku[i];
        const std::string text = Text(h) + h.interpretation;
        for (const auto& [place, where] : gone) {
            if (haiku[where].year >= h.year) continue;
            for (std::size_t pos = FindText(text, place); pos != std::string::npos;
                 pos = FindText(text, place, pos + place.size())) {
                std::string_view after = std::string_view(text).substr(pos + place.size());
                if (after.substr(0, kGone.size()) == kGone || after.substr(0, 2) == "跡") continue;
                findings.Add(At(h, i), "gone-place", place + " stands here, but " + At(haiku[where], where) +
                             " names it gone");
                break;
            }
        }
        for (std::size_t pos = FindText(text, kGone); pos != std::string::npos;
             pos = FindText(text, kGone, pos + kGone.size())) {
            std::string_view name = KanjiRunBefore(text, pos);
            if (NamesBuilding(name)) gone.emplace(std::string(name), i);
        }
    }
}

}  // namespace museum
