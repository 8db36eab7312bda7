// The rules of the collection, proved on what the program reads: the built-in
// table and the commentary file, each checked against the collection's sources.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "Collection.h"
#include "CommentaryFile.h"
#include "Findings.h"

namespace museum {

// One record of the built-in table as compiled into the program.
struct TableRecord {
    std::array<std::string, 3> phrases;
    int year = 0;
};

// The figures the collection must meet. The defaults are the museum's; tests
// use small collections with figures of their own.
struct CollectionLimits {
    int haikuCount = 1731;
    int firstYear = 1894;
    int lastYear = 1945;
    int minSeasonWords = 350;
    int maxHaikuPerSeasonWord = 12;
    int maxHaikuPerPhrase = 2;
    double seasonShareMin = 0.20, seasonShareMax = 0.30;
    double newYearShareMin = 0.02, newYearShareMax = 0.06;
    double maxOffCountShare = 0.03;  // 字余り and 字足らず together
};

// Count, year range and order, every year present, phrase bytes, and agreement
// with the sources record by record.
void CheckTable(const std::vector<TableRecord>& table, const std::vector<Haiku>& sources,
                const CollectionLimits& limits, Findings& findings);

// Each section against its haiku: field widths, reading (hiragana, three parts,
// morae), season, season word in the phrases, source and its years, the
// interpretation's rows and sentences, and agreement with the sources.
void CheckCommentary(const std::vector<CommentarySection>& sections,
                     const std::vector<TableRecord>& table, const std::vector<Haiku>& sources,
                     const CollectionLimits& limits, std::string_view file, Findings& findings);

// The rules over the whole collection: season words (how many, how often),
// repeated phrases, duplicates and near-copies, season shares.
// Messages name each haiku's source row too.
void CheckCollectionRange(const std::vector<CommentarySection>& sections,
                          const std::vector<TableRecord>& table, const std::vector<Haiku>& sources,
                          const CollectionLimits& limits, std::string_view file, Findings& findings);

// The number of sentences of an interpretation (marks 。！？ ending them, and a
// last sentence without a mark).
int CountSentences(std::string_view text);

}  // namespace museum
