// What one section of the commentary file yields. Texts are cp932 and stay
// within their field widths (bytes including the terminator of the fixed fields).
#pragma once

#include <initializer_list>
#include <string>

struct CommentaryEntry {
    static constexpr std::size_t kPrefaceWidth = 80;
    static constexpr std::size_t kReadingWidth = 30;
    static constexpr std::size_t kSeasonWidth = 10;
    static constexpr std::size_t kKigoWidth = 30;
    static constexpr std::size_t kSourceWidth = 40;
    static constexpr std::size_t kInterpretationWidth = 2048;

    std::string preface;         // "1:"
    std::string reading1;        // "2:" up to the first half-width space
    std::string reading2;        //      up to the second
    std::string reading3;        //      the rest
    std::string season;          // "3:"
    std::string kigo;            // "4:"
    std::string source;          // "5:"
    std::string interpretation;  // "6:" and its continuation lines, in rows

    // Empties every text and keeps its storage, for the next section's.
    void Clear() {
        for (std::string* text : {&preface, &reading1, &reading2, &reading3, &season, &kigo,
                                  &source, &interpretation})
            text->clear();
    }
};
