#include "DayMath.h"
#include "Overrides.h"
#include "TableFixture.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>

namespace lunisolar {
namespace {

const char* const kHeader = "year\tmonth\tcomputed\tadopted\tsource\tfact\n";

std::vector<MonthOverride> Read(const std::string& body)
{
    std::istringstream in(std::string("# comment\n") + kHeader + body);
    return ReadOverrides(in);
}

TEST(OverridesTest, ReadsLabelsAndDates)
{
    const std::vector<MonthOverride> rows = Read("762\t閏12\t0763-01-19\t0763-01-19\tnote 1\tleap moved\n"
                                                 "1802\t7\t1802-07-30\t1802-07-29\tpaper\t朔 a day earlier\n");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].year, 762);
    EXPECT_EQ(rows[0].number, 12);
    EXPECT_TRUE(rows[0].leap);
    EXPECT_EQ(rows[0].computedStart, JdnFromJulian(763, 1, 19));
    EXPECT_EQ(rows[1].adoptedStart, JdnFromGregorian(1802, 7, 29));
    EXPECT_FALSE(rows[1].leap);
    EXPECT_EQ(rows[1].line, 4);
}

TEST(OverridesTest, MalformedRowsAreRejectedWithTheirLine)
{
    const char* bad[] = {
        "762\t12\t0763-01-19\t0763-01-19\tnote\n",           // five fields
        "762\t閏13\t0763-01-19\t0763-01-19\tnote\tfact\n",  // no such month
        "762\t12\t0763-02-30\t0763-01-19\tnote\tfact\n",    // no such date
        "762\t12\t0763-01-19\t0763-01-23\tnote\tfact\n",    // moves four days
        "762\t12\t0763-01-19\t0763-01-19\t\tfact\n",        // no source
        "76x\t12\t0763-01-19\t0763-01-19\tnote\tfact\n",    // bad year
    };
    for (const char* row : bad) {
        try {
            Read(row);
            ADD_FAILURE() << "accepted: " << row;
        } catch (const std::runtime_error& error) {
            EXPECT_NE(std::string(error.what()).find("line 3"), std::string::npos) << error.what();
        }
    }
}

std::vector<LunarMonth> ThreeMonths()
{
    return {{2000000, 700, 5, false}, {2000030, 700, 6, false}, {2000059, 700, 7, false}, {2000089, 700, 8, false}};
}

TEST(OverridesTest, MovesAndRenamesTheIdentifiedMonth)
{
    std::vector<LunarMonth> months = ThreeMonths();
    MonthOverride move;
    move.year = 700;
    move.number = 6;
    move.computedStart = 2000030;
    move.adoptedStart = 2000029;
    MonthOverride rename = move;
    rename.number = 5;
    rename.leap = true;
    rename.computedStart = rename.adoptedStart = 2000059;
    ApplyOverrides({move, rename}, months);
    EXPECT_EQ(months[1].start, 2000029);
    EXPECT_EQ(months[2].number, 5);
    EXPECT_TRUE(months[2].leap);
    EXPECT_EQ(months[2].start, 2000059);
}

TEST(OverridesTest, OverridesThatDoNothingOrDoNotFitAreRejected)
{
    MonthOverride entry;
    entry.year = 700;
    entry.number = 6;
    entry.computedStart = entry.adoptedStart = 2000030;
    std::vector<LunarMonth> months = ThreeMonths();
    EXPECT_THROW(ApplyOverrides({entry}, months), std::runtime_error); // changes nothing

    entry.computedStart = 2000031;
    months = ThreeMonths();
    EXPECT_THROW(ApplyOverrides({entry}, months), std::runtime_error); // no such month

    entry.computedStart = 2000059;
    entry.adoptedStart = 2000029 - 1;
    entry.number = 7;
    months = ThreeMonths();
    EXPECT_THROW(ApplyOverrides({entry}, months), std::runtime_error); // out of order
}

// Minimal CSV reading (quoted fields may hold commas and doubled quotes).
std::vector<std::string> CsvFields(const std::string& line)
{
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"')
                fields.back() += line[++i];
            else if (c == '"')
                quoted = false;
            else
                fields.back() += c;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

TEST(OverridesTest, CommittedOverridesEachChangeOneMonthAndCiteTheirSource)
{
    std::ifstream in(testing::SourcePath("tools/lunisolar/overrides.tsv"));
    const std::vector<MonthOverride> overrides = ReadOverrides(in);
    ASSERT_FALSE(overrides.empty());

    // Without the overrides the table is the pure computation: every changed month has a row.
    const std::vector<LunarMonth>& computed = testing::ComputedMonthLine();
    const std::vector<LunarMonth>& adopted = testing::AdoptedMonthLine();
    ASSERT_EQ(computed.size(), adopted.size());
    std::size_t changed = 0;
    for (std::size_t i = 0; i < computed.size(); ++i) {
        const LunarMonth& c = computed[i];
        const LunarMonth& a = adopted[i];
        if (c.start != a.start || c.year != a.year || c.number != a.number || c.leap != a.leap)
            ++changed;
    }
    EXPECT_EQ(changed, overrides.size());

    std::set<std::int64_t> identified;
    const std::string notePrefix = "日本暦日原典 note ";
    const std::set<int> publicationYears = {1773, 1775, 1786, 1802, 1806, 1819, 1824, 1825};
    for (const MonthOverride& entry : overrides) {
        EXPECT_TRUE(identified.insert(entry.computedStart).second) << "line " << entry.line << " repeats a month";
        if (entry.source.rfind(notePrefix, 0) != 0) {
            EXPECT_TRUE(publicationYears.count(entry.year)) << "line " << entry.line << ": " << entry.source;
        }
    }

    // Each cited note exists and, where it gives the adopted Julian date, agrees with the row.
    const std::string notesPath = testing::ReferencePath("rekijitsu-notes.csv");
    if (notesPath.empty())
        GTEST_SKIP() << "reference notes not present";
    std::ifstream notesFile(notesPath);
    std::map<std::string, std::string> adoptedDateOfNote;
    std::string line;
    while (std::getline(notesFile, line)) {
        const std::vector<std::string> fields = CsvFields(line);
        if (fields.size() > 25)
            adoptedDateOfNote[fields[1]] = fields[25];
    }
    for (const MonthOverride& entry : overrides) {
        if (entry.source.rfind(notePrefix, 0) != 0)
            continue;
        const std::string id = entry.source.substr(notePrefix.size());
        const auto note = adoptedDateOfNote.find(id);
        ASSERT_NE(note, adoptedDateOfNote.end()) << "line " << entry.line << ": no note " << id;
        std::int64_t noteDate = 0;
        if (ParseHistoricalDate(note->second, noteDate)) {
            EXPECT_EQ(noteDate, entry.adoptedStart) << "line " << entry.line << ": note " << id;
        }
    }
}

} // namespace
} // namespace lunisolar
