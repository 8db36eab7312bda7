#include "DayMath.h"
#include "TableGenerator.h"
#include "TableFixture.h"
#include "TableWriter.h"
#include "YearAssembly.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <stdexcept>

namespace lunisolar {
namespace {

using testing::AdoptedMonthLine;
using testing::AdoptedYearRows;
using testing::RowOf;

std::string Kinds(const YearRow& row)
{
    std::string text;
    for (bool big : row.bigMonths)
        text += big ? '1' : '0';
    return text;
}

int DaysOf(const YearRow& row)
{
    int days = 0;
    for (bool big : row.bigMonths)
        days += big ? 30 : 29;
    if (row.leapMonth != 0)
        days += row.leapBig ? 30 : 29;
    return days;
}

std::string GregorianNewYear(int year)
{
    for (const LunarMonth& month : AdoptedMonthLine()) {
        if (month.year == year && month.number == 1 && !month.leap) {
            const CivilDate date = GregorianFromJdn(month.start);
            char text[16];
            std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
            return text;
        }
    }
    return {};
}

struct TellingRow {
    int year;
    const char* kinds;
    int leapMonth;
    bool leapBig;
    int days;
    const char* newYear;
};

TEST(YearTableTest, TellingRows)
{
    const TellingRow rows[] = {
        {593, "010101010101", 0, false, 354, "0593-02-09"},  {594, "101010101101", 9, false, 384, "0594-01-29"},
        {1872, "010110110101", 0, false, 355, "1872-02-09"}, {1873, "001010101101", 6, true, 384, "1873-01-29"},
        {1874, "001010101110", 0, false, 354, "1874-02-17"}, {1876, "110100101101", 5, false, 384, "1876-01-26"},
        {1889, "101101010101", 12, false, 384, "1889-01-31"}, {1959, "011010101010", 0, false, 354, "1959-02-08"},
        {2000, "110010010110", 0, false, 354, "2000-02-05"}, {2033, "010010101111", 11, false, 384, "2033-01-31"},
        {2051, "100101010111", 0, false, 355, "2051-02-11"},
    };
    for (const TellingRow& expected : rows) {
        const YearRow& row = RowOf(expected.year);
        EXPECT_EQ(Kinds(row), expected.kinds) << expected.year;
        EXPECT_EQ(row.leapMonth, expected.leapMonth) << expected.year;
        EXPECT_EQ(row.leapBig, expected.leapBig) << expected.year;
        EXPECT_EQ(DaysOf(row), expected.days) << expected.year;
        EXPECT_EQ(GregorianNewYear(expected.year), expected.newYear) << expected.year;
    }
}

TEST(YearTableTest, EveryYearIsAWholeLunarYear)
{
    const std::vector<YearRow>& rows = AdoptedYearRows();
    ASSERT_EQ(rows.size(), 1459u);
    EXPECT_EQ(rows.front().year, 593);
    EXPECT_EQ(rows.back().year, 2051);
    for (const YearRow& row : rows) {
        const int days = DaysOf(row);
        if (row.leapMonth == 0)
            EXPECT_TRUE(days >= 353 && days <= 356) << row.year << ": " << days;
        else
            EXPECT_TRUE(days >= 383 && days <= 385) << row.year << ": " << days;
        EXPECT_EQ(row.leapBig && row.leapMonth == 0, false) << row.year;
        // Old New Year's day between 21 January and 23 February (proleptic Gregorian).
        const std::string newYear = GregorianNewYear(row.year);
        const int monthDay = std::stoi(newYear.substr(5, 2)) * 100 + std::stoi(newYear.substr(8, 2));
        EXPECT_TRUE(monthDay >= 121 && monthDay <= 223) << row.year << ": " << newYear;
    }
    // The month line tiles the days: 29 or 30 days, no gap, no overlap.
    const std::vector<LunarMonth>& line = AdoptedMonthLine();
    for (std::size_t i = 0; i + 1 < line.size(); ++i) {
        const std::int64_t length = line[i + 1].start - line[i].start;
        EXPECT_TRUE(length == 29 || length == 30) << FormatHistoricalDate(line[i].start);
    }
}

TEST(YearTableTest, ErasOfTheTable)
{
    struct Era {
        int year;
        const char* name;
        int eraYear;
    };
    const Era eras[] = {{593, "推古", 1},  {1392, "元中", 9}, {1393, "明徳", 4}, {1874, "明治", 7},
                        {2018, "平成", 30}, {2019, "令和", 1}, {2051, "令和", 33}};
    for (const Era& era : eras) {
        EXPECT_EQ(RowOf(era.year).eraName, era.name) << era.year;
        EXPECT_EQ(RowOf(era.year).eraYear, era.eraYear) << era.year;
    }
}

TEST(YearTableTest, TextFormat)
{
    YearRow row;
    row.year = 1876;
    row.bigMonths = {true, true, false, true, false, false, true, false, true, true, false, true};
    row.leapMonth = 5;
    row.leapBig = false;
    row.eraName = "明治";
    row.eraYear = 9;
    EXPECT_EQ(FormatYearTable({row}),
              "year\tkinds\tleap_month\tleap_kind\tera_name\tera_year\n1876\t110100101101\t5\t0\t明治\t9\n");
}

TEST(YearTableTest, MissingInputFilesAreNamed)
{
    const std::string eras = testing::SourcePath("data/eras.tsv");
    const std::string overrides = testing::SourcePath("tools/lunisolar/overrides.tsv");
    for (const auto& [erasPath, overridesPath] : {std::pair{std::string("/nonexistent/eras.tsv"), overrides},
                                                  std::pair{eras, std::string("/nonexistent/overrides.tsv")}}) {
        try {
            GenerateYearTable(erasPath, overridesPath);
            ADD_FAILURE() << "no error";
        } catch (const std::runtime_error& error) {
            EXPECT_NE(std::string(error.what()).find("/nonexistent/"), std::string::npos) << error.what();
        }
    }
}

TEST(YearTableTest, CuttingRejectsBrokenMonthLines)
{
    // Months 1..12 of one year, closed by the next year's first month.
    std::vector<LunarMonth> line;
    std::int64_t start = 2000000;
    for (int number = 1; number <= 12; ++number) {
        line.push_back({start, 1000, number, false});
        start += number % 2 ? 30 : 29;
    }
    line.push_back({start, 1001, 1, false});
    EXPECT_EQ(CutIntoYears(line).size(), 1u);

    std::vector<LunarMonth> longMonth = line;
    longMonth[5].start -= 2; // month 5 becomes 31 days
    EXPECT_THROW(CutIntoYears(longMonth), std::runtime_error);

    std::vector<LunarMonth> skipped = line;
    skipped[6].number = 8; // month 7 missing
    EXPECT_THROW(CutIntoYears(skipped), std::runtime_error);

    std::vector<LunarMonth> wrongYear = line;
    wrongYear.back().year = 1002;
    EXPECT_THROW(CutIntoYears(wrongYear), std::runtime_error);
}

} // namespace
} // namespace lunisolar
