// One haiku of the collection: its three phrases and year from the built-in data,
// and the commentary fields the list view loads for it. Texts are cp932; every
// text stays within its field width (bytes including the terminator of the
// original fixed fields), cut on a character boundary.
#pragma once

#include <string>

struct HaikuRecord {
    static constexpr std::size_t kLineWidth = 30;
    static constexpr std::size_t kReadingWidth = 30;
    static constexpr std::size_t kSeasonWidth = 10;
    static constexpr std::size_t kKigoWidth = 30;
    static constexpr std::size_t kSourceWidth = 40;

    std::string line1;
    std::string line2;
    std::string line3;
    int number = 0;  // 1-based position in the table
    int year = 0;    // Gregorian year of composition; 0 = unknown
    bool hasReading = false;  // false until the commentary is stored
    std::string reading1;
    std::string reading2;
    std::string reading3;
    std::string season;
    std::string kigo;
    std::string source;
};
