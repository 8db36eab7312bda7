// The fixed facts the museum's files are built from and checked against: the
// sources a haiku may name, the seasons, the anthologies and the documents the
// menu commands open. Texts are cp932 (this header is used only by the museum
// tools, which are compiled with cp932 literals).
#pragma once

#include <array>
#include <string_view>

namespace museum {

// A source a haiku may name and the years its haiku may come from.
struct SourceWork {
    std::string_view name;
    int firstYear;
    int lastYear;
};

inline constexpr std::array<SourceWork, 7> kSources{{
    {"「五百句」", 1894, 1920},
    {"「五百五十句」", 1921, 1932},
    {"「六百句」", 1933, 1945},
    {"「草笛」", 1898, 1945},
    {"「みちのく句帖」", 1912, 1912},
    {"「句日記」", 1921, 1945},
    {"「西遊句帖」", 1935, 1935},
}};

inline constexpr std::array<std::string_view, 5> kSeasons{"新年", "春", "夏", "秋", "冬"};

// An anthology document: its file, the title topic its command opens, the source
// name its haiku carry, and how many haiku it holds.
struct Anthology {
    std::string_view file;
    std::string_view title;
    std::string_view source;
    int count;
};

inline constexpr std::array<Anthology, 3> kAnthologies{{
    {"500.txt", "「五百句」", "「五百句」", 500},
    {"550.txt", "「五百五十句」", "「五百五十句」", 550},
    {"600.txt", "「六百句」", "「六百句」", 600},
}};

// The documents the reader commands open, with the initial key (the title).
struct ReaderCommand {
    std::string_view file;
    std::string_view initialKey;
};

inline constexpr std::array<ReaderCommand, 8> kReaderCommands{{
    {"Topics.txt", "目次"},
    {"life.txt", "Tavelo略年譜"},
    {"friend.txt", "Taveloの弟子・友人"},
    {"work.txt", "作品集"},
    {"500.txt", "「五百句」"},
    {"550.txt", "「五百五十句」"},
    {"600.txt", "「六百句」"},
    {"kigo.txt", "季語"},
}};

inline constexpr std::string_view kKigoTitle = "季語";
inline constexpr std::size_t kBodyWidth = 76;        // widest body line of a document
inline constexpr std::size_t kInterpretationRow = 44;  // a row of the card's field

// Field widths of a commentary entry, terminator included.
inline constexpr std::size_t kPrefaceWidth = 80;
inline constexpr std::size_t kReadingWidth = 30;
inline constexpr std::size_t kSeasonWidth = 10;
inline constexpr std::size_t kKigoWidth = 30;
inline constexpr std::size_t kSourceWidth = 40;
inline constexpr std::size_t kInterpretationWidth = 2048;

// Byte limits of the three phrases.
inline constexpr std::array<std::size_t, 3> kPhraseLimits{14, 18, 12};

const SourceWork* FindSource(std::string_view name);

}  // namespace museum
