// A small collection for the museum tools' tests: five haiku of 1894-1895 in two
// files (tests/data/museum/data), one of each season, with figures that fit it.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "Collection.h"
#include "CommentaryFile.h"
#include "CommentaryWriter.h"
#include "Findings.h"
#include "HaikuRules.h"

inline std::string FixtureDataDir() { return std::string(QUILLARY_TEST_DATA) + "/museum/data"; }

inline museum::Collection LoadFixture() {
    museum::Findings findings;
    museum::Collection collection = museum::LoadCollection(FixtureDataDir(), findings);
    EXPECT_TRUE(findings.Empty());
    return collection;
}

inline museum::CollectionLimits FixtureLimits() {
    museum::CollectionLimits limits;
    limits.haikuCount = 5;
    limits.firstYear = 1894;
    limits.lastYear = 1895;
    limits.minSeasonWords = 5;
    limits.maxHaikuPerSeasonWord = 1;
    limits.maxHaikuPerPhrase = 1;
    limits.newYearShareMax = 0.30;
    limits.maxOffCountShare = 0.20;  // one haiku in five
    return limits;
}

inline std::vector<museum::TableRecord> TableOf(const std::vector<museum::Haiku>& haiku) {
    std::vector<museum::TableRecord> table;
    for (const museum::Haiku& h : haiku) table.push_back({h.phrases, h.year});
    return table;
}

inline std::vector<museum::CommentarySection> SectionsOf(const std::vector<museum::Haiku>& haiku) {
    museum::Findings findings;
    auto sections = museum::ParseCommentary(museum::CommentaryText(haiku), "tavelo.txt", findings);
    EXPECT_TRUE(findings.Empty());
    return sections;
}

// The fixture with its table and commentary sections, for rules that take them.
struct FixtureParts {
    FixtureParts() = default;
    FixtureParts(const FixtureParts&) = delete;  // haiku refers to this collection
    museum::Collection collection = LoadFixture();
    std::vector<museum::Haiku>& haiku = collection.haiku;
    std::vector<museum::TableRecord> table = TableOf(haiku);
    std::vector<museum::CommentarySection> sections = SectionsOf(haiku);
};

// The findings as text, for failure messages.
inline std::string Shown(const museum::Findings& findings) {
    std::ostringstream out;
    findings.Print(out);
    return out.str();
}
