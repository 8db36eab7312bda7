#include "HaikuRules.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "Kana.h"
#include "Museum.h"
#include "TextFile.h"
#include "platform/Cp932.h"

namespace museum {
namespace {

std::string Number(std::size_t value) { return std::to_string(value); }

void CheckWidth(const std::string& value, std::size_t width, const char* field,
                const std::string& where, Findings& findings) {
    if (value.size() > width - 1)
        findings.Add(where, "field-width",
                     std::string(field) + " of " + Number(value.size()) + " bytes is cut to " +
                         Number(width - 1) + ": " + value);
}

void CheckReading(const CommentarySection& s, const Haiku* source, const std::string& where,
                  int& offCount, Findings& findings) {
    std::vector<std::string> parts = SplitReading(s.reading);
    if (parts.size() != 3 || parts[2].find(' ') != std::string::npos ||
        std::any_of(parts.begin(), parts.end(), [](const std::string& p) { return p.empty(); })) {
        findings.Add(where, "reading-parts",
                     "the reading is not three parts separated by single spaces: " + s.reading);
        return;
    }
    static constexpr int kMorae[3] = {5, 7, 5};
    bool off = false;
    int total = 0;
    for (std::size_t i = 0; i < 3; ++i) {
        CheckWidth(parts[i], kReadingWidth, "a reading part", where, findings);
        if (!IsModernHiragana(parts[i]))
            findings.Add(where, "reading-kana",
                         "the reading part is not hiragana of modern usage: " + parts[i]);
        int morae = CountMorae(parts[i]);
        total += morae;
        if (morae != kMorae[i]) off = true;
    }
    std::string note = source ? source->note : std::string();
    if (!note.empty() && note != "字余り" && note != "字足らず")
        findings.Add(where, "mora-note", "the note is neither 字余り nor 字足らず: " + note);
    if (!off) {
        if (!note.empty())
            findings.Add(where, "mora-note", "marked " + note + " but the reading counts 5-7-5");
        return;
    }
    bool allowed = (note == "字余り" && total > 17) || (note == "字足らず" && total < 17);
    if (!allowed) {
        findings.Add(where, "mora-count",
                     "the reading counts " + std::to_string(CountMorae(parts[0])) + "-" +
                         std::to_string(CountMorae(parts[1])) + "-" +
                         std::to_string(CountMorae(parts[2])) +
                         " morae without a fitting note (字余り/字足らず): " + s.reading);
    }
    ++offCount;
}

// "tavelo.txt:120 (haiku 17, 1894-1921.tsv:18)": the section and its source row.
std::string HaikuAt(std::string_view file, const std::vector<CommentarySection>& sections,
                    const std::vector<Haiku>& sources, std::size_t i) {
    std::string where = Where(file, sections[i].line) + " (haiku " + Number(i + 1);
    if (i < sources.size()) where += ", " + sources[i].file + ":" + std::to_string(sources[i].line);
    return where + ")";
}

// "haiku 358 (1904-1921.tsv:40: 初日さす 浅間の峰の 雪明り)": another haiku in a message.
std::string OtherHaiku(const std::vector<TableRecord>& table, const std::vector<Haiku>& sources,
                       std::size_t i) {
    std::string text = "haiku " + Number(i + 1) + " (";
    if (i < sources.size()) text += sources[i].file + ":" + std::to_string(sources[i].line) + ": ";
    return text + table[i].phrases[0] + " " + table[i].phrases[1] + " " + table[i].phrases[2] + ")";
}

}  // namespace

int CountSentences(std::string_view text) {
    int count = 0;
    bool open = false;  // text since the last mark
    for (std::size_t pos = 0; pos < text.size(); pos += cp932::CharLength(text, pos)) {
        std::string_view c = text.substr(pos, cp932::CharLength(text, pos));
        if (c == "。" || c == "！" || c == "？") {
            if (open) ++count;
            open = false;
        } else if (c != " " && c != "」" && c != "』" && c != "）") {
            open = true;
        }
    }
    return count + (open ? 1 : 0);
}

void CheckTable(const std::vector<TableRecord>& table, const std::vector<Haiku>& sources,
                const CollectionLimits& limits, Findings& findings) {
    const std::string file = "built-in table";
    if (static_cast<int>(table.size()) != limits.haikuCount)
        findings.Add(file, "haiku-count",
                     "the table has " + Number(table.size()) + " records, not " +
                         Number(static_cast<std::size_t>(limits.haikuCount)));
    if (table.size() > 2200)
        findings.Add(file, "haiku-count", "the table holds more than its 2200 slots");
    if (table.empty()) return;
    if (table.front().year != limits.firstYear)
        findings.Add(file, "year-range", "record 0 is of " + Number(static_cast<std::size_t>(table.front().year)));
    if (table.back().year != limits.lastYear)
        findings.Add(file, "year-range", "the last record is of " + Number(static_cast<std::size_t>(table.back().year)));
    std::set<int> years;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const TableRecord& r = table[i];
        std::string where = file + " record " + Number(i) + " (haiku " + Number(i + 1) + ")";
        years.insert(r.year);
        if (r.year < limits.firstYear || r.year > limits.lastYear)
            findings.Add(where, "year-range", "the year " + Number(static_cast<std::size_t>(r.year)) + " is out of range");
        if (i > 0 && r.year < table[i - 1].year)
            findings.Add(where, "year-order", "the year decreases from " +
                         Number(static_cast<std::size_t>(table[i - 1].year)) + " to " +
                         Number(static_cast<std::size_t>(r.year)));
        for (std::size_t p = 0; p < 3; ++p) {
            if (r.phrases[p].empty())
                findings.Add(where, "phrase-bytes", "phrase " + Number(p + 1) + " is empty");
            if (r.phrases[p].size() > kPhraseLimits[p])
                findings.Add(where, "phrase-bytes",
                             "phrase " + Number(p + 1) + " has " + Number(r.phrases[p].size()) +
                                 " bytes, more than " + Number(kPhraseLimits[p]) + ": " + r.phrases[p]);
            if (!cp932::IsValidCp932(r.phrases[p]))
                findings.Add(where, "cp932", "phrase " + Number(p + 1) + " is not valid cp932");
        }
        if (i < sources.size()) {
            const Haiku& s = sources[i];
            if (s.phrases != r.phrases || s.year != r.year)
                findings.Add(where, "table-source",
                             "the record differs from its source row " + s.file + ":" +
                                 std::to_string(s.line));
        }
    }
    if (sources.size() != table.size())
        findings.Add(file, "table-source", "the sources hold " + Number(sources.size()) +
                     " haiku, the table " + Number(table.size()));
    for (int year = limits.firstYear; year <= limits.lastYear; ++year)
        if (!years.count(year))
            findings.Add(file, "year-gap", "no haiku of " + Number(static_cast<std::size_t>(year)));
}

void CheckCommentary(const std::vector<CommentarySection>& sections,
                     const std::vector<TableRecord>& table, const std::vector<Haiku>& sources,
                     const CollectionLimits& limits, std::string_view file, Findings& findings) {
    if (sections.size() != table.size())
        findings.Add(std::string(file), "commentary-count",
                     Number(sections.size()) + " sections for " + Number(table.size()) + " haiku");
    int offCount = 0;
    std::size_t n = std::min(sections.size(), table.size());
    for (std::size_t i = 0; i < n; ++i) {
        const CommentarySection& s = sections[i];
        const TableRecord& r = table[i];
        const Haiku* source = i < sources.size() ? &sources[i] : nullptr;
        std::string where = HaikuAt(file, sections, sources, i);

        CheckWidth(s.preface, kPrefaceWidth, "the preface", where, findings);
        CheckWidth(s.season, kSeasonWidth, "the season", where, findings);
        CheckWidth(s.kigo, kKigoWidth, "the season word", where, findings);
        CheckWidth(s.source, kSourceWidth, "the source", where, findings);
        CheckReading(s, source, where, offCount, findings);

        if (std::find(kSeasons.begin(), kSeasons.end(), s.season) == kSeasons.end())
            findings.Add(where, "season", "not a season: " + s.season);
        if (!ContainsText(r.phrases[0] + r.phrases[1] + r.phrases[2], s.kigo))
            findings.Add(where, "kigo-in-phrases",
                         "the season word " + s.kigo + " does not stand in the phrases");
        const SourceWork* work = FindSource(s.source);
        if (!work)
            findings.Add(where, "source", "not one of the poet's sources: " + s.source);
        else if (r.year < work->firstYear || r.year > work->lastYear)
            findings.Add(where, "source-years",
                         s.source + " holds no haiku of " + Number(static_cast<std::size_t>(r.year)));

        for (const std::string& row : s.rows)
            if (row.size() > kInterpretationRow)
                findings.Add(where, "interpretation-row",
                             "a row of " + Number(row.size()) + " bytes: " + row);
        std::string interpretation;
        for (const std::string& row : s.rows) interpretation += row;
        std::size_t padded = PaddedInterpretation(s.rows, kInterpretationRow).size();
        if (padded > kInterpretationWidth - 1)
            findings.Add(where, "field-width", "the interpretation takes " + Number(padded) +
                         " bytes with its padding, more than " + Number(kInterpretationWidth - 1));
        int sentences = CountSentences(interpretation);
        if (sentences < 1 || sentences > 6)
            findings.Add(where, "interpretation-sentences",
                         "the interpretation has " + Number(static_cast<std::size_t>(sentences)) +
                             " sentences, not one to six");

        if (source) {
            auto differs = [&](const char* field, const std::string& got, const std::string& want) {
                if (got != want)
                    findings.Add(where, "commentary-source",
                                 std::string(field) + " differs from " + source->file + ":" +
                                     std::to_string(source->line) + ": " + got);
            };
            differs("the preface", s.preface, source->preface);
            differs("the reading", s.reading, source->reading);
            differs("the season", s.season, source->season);
            differs("the season word", s.kigo, source->kigo);
            differs("the source", s.source, source->source);
            differs("the interpretation", interpretation, source->interpretation);
        }
    }
    auto allowed = static_cast<int>(std::floor(limits.maxOffCountShare * static_cast<double>(table.size())));
    if (offCount > allowed)
        findings.Add(std::string(file), "mora-share",
                     Number(static_cast<std::size_t>(offCount)) + " haiku are off 5-7-5, more than " +
                         Number(static_cast<std::size_t>(allowed)));
}

void CheckCollectionRange(const std::vector<CommentarySection>& sections,
                          const std::vector<TableRecord>& table, const std::vector<Haiku>& sources,
                          const CollectionLimits& limits, std::string_view file, Findings& findings) {
    const std::string all(file);
    std::size_t n = std::min(sections.size(), table.size());
    if (n == 0) return;

    std::map<std::string, std::vector<std::size_t>> byKigo;
    std::map<std::string, std::size_t> bySeason;
    for (std::size_t i = 0; i < n; ++i) {
        byKigo[sections[i].kigo].push_back(i);
        ++bySeason[sections[i].season];
    }
    if (static_cast<int>(byKigo.size()) < limits.minSeasonWords)
        findings.Add(all, "kigo-range", Number(byKigo.size()) + " different season words, fewer than " +
                     Number(static_cast<std::size_t>(limits.minSeasonWords)));
    for (const auto& [kigo, uses] : byKigo)
        if (static_cast<int>(uses.size()) > limits.maxHaikuPerSeasonWord)
            findings.Add(HaikuAt(file, sections, sources, uses.front()),
                         "kigo-range", "the season word " + kigo + " is used by " + Number(uses.size()) +
                         " haiku, more than " + Number(static_cast<std::size_t>(limits.maxHaikuPerSeasonWord)));

    for (std::string_view season : kSeasons) {
        double share = static_cast<double>(bySeason[std::string(season)]) / static_cast<double>(n);
        bool newYear = season == "新年";
        double low = newYear ? limits.newYearShareMin : limits.seasonShareMin;
        double high = newYear ? limits.newYearShareMax : limits.seasonShareMax;
        if (share < low || share > high) {
            char text[96];
            std::snprintf(text, sizeof text, " holds %.1f%% of the collection, not %.0f-%.0f%%",
                          share * 100, low * 100, high * 100);
            findings.Add(all, "season-share", std::string(season) + text);
        }
    }

    std::map<std::string, std::set<std::size_t>> byPhrase;
    for (std::size_t i = 0; i < n; ++i)
        for (const std::string& phrase : table[i].phrases) byPhrase[phrase].insert(i);
    for (const auto& [phrase, uses] : byPhrase) {
        if (static_cast<int>(uses.size()) <= limits.maxHaikuPerPhrase) continue;
        std::string others;
        for (std::size_t h : uses)
            if (h != *uses.begin()) others += (others.empty() ? "" : ", ") + OtherHaiku(table, sources, h);
        findings.Add(HaikuAt(file, sections, sources, *uses.begin()), "phrase-repeat",
                     "the phrase " + phrase + " stands in " + Number(uses.size()) + " haiku; also in " + others);
    }

    // Duplicates and near-copies: the same reading, or two phrases alike in place.
    std::map<std::string, std::size_t> byReading;
    std::map<std::string, std::size_t> byPair;
    for (std::size_t i = 0; i < n; ++i) {
        std::string where = HaikuAt(file, sections, sources, i);
        auto [it, added] = byReading.emplace(sections[i].reading, i);
        if (!added)
            findings.Add(where, "duplicate", "the same reading as " + OtherHaiku(table, sources, it->second));
        const auto& p = table[i].phrases;
        std::string pairs[3] = {"1\t" + p[0] + "\t" + p[1], "2\t" + p[1] + "\t" + p[2],
                                "3\t" + p[0] + "\t" + p[2]};
        std::set<std::size_t> reported;
        for (const std::string& pair : pairs) {
            auto [other, fresh] = byPair.emplace(pair, i);
            if (!fresh && other->second != i && reported.insert(other->second).second)
                findings.Add(where, "near-copy", "two phrases alike with " +
                             OtherHaiku(table, sources, other->second));
        }
    }
}

}  // namespace museum
