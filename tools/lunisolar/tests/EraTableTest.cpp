#include "EraTable.h"
#include "TableFixture.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace lunisolar {
namespace {

TEST(EraTableTest, ReadsTheCommittedRuns)
{
    std::ifstream in(testing::SourcePath("data/eras.tsv"));
    ASSERT_TRUE(in);
    const std::vector<EraRun> runs = ReadEraRuns(in);
    ASSERT_EQ(runs.size(), 239u);
    EXPECT_EQ(runs.front().firstYear, 593);
    EXPECT_EQ(runs.front().name, "推古");
    EXPECT_EQ(runs.back().firstYear, 2019);
    EXPECT_EQ(runs.back().name, "令和");
}

TEST(EraTableTest, RunsGiveNameAndYear)
{
    std::istringstream in("# comment\nfirst_year\tfirst_era_year\tname\n593\t1\tA\n600\t4\tB\n");
    const std::vector<EraRun> runs = ReadEraRuns(in);
    std::vector<YearRow> rows(3);
    rows[0].year = 599;
    rows[1].year = 600;
    rows[2].year = 610;
    ApplyEras(runs, rows);
    EXPECT_EQ(rows[0].eraName, "A");
    EXPECT_EQ(rows[0].eraYear, 7);
    EXPECT_EQ(rows[1].eraName, "B");
    EXPECT_EQ(rows[1].eraYear, 4);
    EXPECT_EQ(rows[2].eraYear, 14);

    std::vector<YearRow> early(1);
    early[0].year = 500;
    EXPECT_THROW(ApplyEras(runs, early), std::runtime_error);
}

TEST(EraTableTest, MalformedLinesAreRejectedWithTheirLineNumber)
{
    const char* bad[] = {
        "h\n593\t1\n",               // missing name
        "h\n59x\t1\tA\n",            // bad number
        "h\n593\t1\tA\n593\t1\tB\n", // not ascending
        "h\n593\t\tA\n",             // empty number
    };
    for (const char* text : bad) {
        std::istringstream in(text);
        try {
            ReadEraRuns(in);
            ADD_FAILURE() << "accepted: " << text;
        } catch (const std::runtime_error& error) {
            EXPECT_NE(std::string(error.what()).find("line"), std::string::npos);
        }
    }
}

} // namespace
} // namespace lunisolar
