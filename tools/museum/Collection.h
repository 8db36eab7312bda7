// The collection as its sources give it: the haiku in table order, the season
// words, and the eras for naming years. All text is cp932.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "Findings.h"

namespace museum {

struct Haiku {
    int year = 0;
    std::array<std::string, 3> phrases;
    std::string reading;         // three parts separated by single spaces
    std::string season;
    std::string kigo;
    std::string source;
    std::string preface;
    std::string interpretation;  // one line; wrapped when written out
    std::string note;            // empty, 字余り or 字足らず
    std::string file;            // where the source row stands
    int line = 0;
};

struct KigoEntry {
    std::string kigo;
    std::string reading;
    std::string season;
    std::string explanation;
    std::string file;
    int line = 0;
};

struct Collection {
    std::vector<Haiku> haiku;
    std::vector<KigoEntry> kigo;  // first row of each word only
};

// Reads dataDir/haiku/*.tsv and dataDir/kigo/*.tsv in name order. Malformed rows
// (wrong field count, a year that is not a number, a character without cp932 form)
// are findings.
Collection LoadCollection(const std::string& dataDir, Findings& findings);

// Era names by year from data/eras.tsv: "明治27年", "大正元年".
class EraNames {
public:
    bool Load(const std::string& erasTsv, Findings& findings);
    void Add(int firstYear, int firstEraYear, std::string name);
    // The era and era year of a Gregorian year (the run that begins last at or
    // before it); empty when the year lies before every run.
    std::string EraYear(int year) const;

private:
    struct Run {
        int firstYear;
        int firstEraYear;
        std::string name;
    };
    std::vector<Run> m_runs;
};

// The whole text as a positive decimal number, or -1.
int ParseYear(const std::string& text);

}  // namespace museum
