// The whole museum check: every rule over the built files of a TxtData folder,
// the built-in table, and the collection's sources they were built from.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "Findings.h"
#include "HaikuRules.h"

namespace museum {

// The collection's figures as the commentary file gives them (texts cp932).
struct MuseumFigures {
    std::size_t haiku = 0;
    std::size_t seasonWords = 0;
    std::size_t offCount = 0;  // readings not 5-7-5
    std::map<std::string, std::size_t> bySeason;
    std::map<std::string, std::size_t> bySource;
};

// Runs every rule; figures, when given, receives the collection's figures.
void CheckMuseum(const std::string& txtData, const std::string& dataDir,
                 const std::vector<TableRecord>& table, const CollectionLimits& limits,
                 Findings& findings, MuseumFigures* figures = nullptr);

}  // namespace museum
