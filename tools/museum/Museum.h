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

// A death the haiku remember: the names that stand for the person in a haiku
// (an empty second name: none), and the year and season of the death.
struct Death {
    std::array<std::string_view, 2> names;
    int year;
    std::string_view season;
};

inline constexpr std::array<Death, 7> kDeaths{{
    {{"志津", "妻"}, 1930, "春"},
    {{"鶴汀", ""}, 1928, "春"},
    {{"蘆水", "師"}, 1909, "春"},
    {{"杜川", ""}, 1937, "秋"},
    {{"柿園", ""}, 1941, "夏"},
    {{"父", ""}, 1897, "春"},
    {{"母", ""}, 1919, "秋"},
}};

// A journey: its year, the seasons it lasted, its notebook, the stops of its route
// as prefaces name them, and the preface words of its return.
struct Journey {
    int year;
    std::array<std::string_view, 2> seasons;
    std::string_view notebook;
    std::array<std::string_view, 14> stops;
    std::string_view returnWord;
};

inline constexpr std::array<Journey, 2> kJourneys{{
    {1912, {"春", "夏"}, "「みちのく句帖」",
     {"奥羽", "白河", "福島", "松島", "塩竈", "平泉", "立石寺", "最上", "本合海", "出羽",
      "羽黒", "月山", "象潟", "酒田"},
     "奥羽より帰る"},
    {1935, {"春", "春"}, "「西遊句帖」",
     {"九州", "下関", "門司", "関門", "太宰府", "博多", "長崎", "雲仙", "阿蘇", "熊本",
      "鹿児島", "桜島", "別府", "筑後"},
     "旅より帰る"},
}};

const SourceWork* FindSource(std::string_view name);

}  // namespace museum
