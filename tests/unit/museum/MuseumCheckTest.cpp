// The checker on the museum this build made: a copy broken on purpose shows
// more faults of exactly the rules that were broken. (That the real museum
// passes is the museum_check test.)
#include <gtest/gtest.h>

#include <filesystem>

#include "MuseumCheck.h"
#include "Listing.h"
#include "MuseumFixture.h"
#include "TextFile.h"
#include "haiku/BuiltinHaiku.h"
#include "TempDir.h"

using namespace museum;

namespace {

std::vector<TableRecord> BuiltinTable() {
    std::vector<TableRecord> table;
    for (int i = 0; i < kBuiltinHaikuCount; ++i)
        table.push_back({{kBuiltinHaiku[i].line1, kBuiltinHaiku[i].line2, kBuiltinHaiku[i].line3},
                         kBuiltinHaiku[i].year});
    return table;
}

const std::string kBuiltTxtData = std::string(QUILLARY_BINARY_DIR) + "/museum/TxtData";
const std::string kDataDir = std::string(QUILLARY_SOURCE_DIR) + "/data";

// Replaces the first occurrence of from in the copy's file; false when absent.
bool Break(const TempDir& copy, const std::string& file, const std::string& from,
           const std::string& to) {
    auto text = ReadWholeFile(copy.File(file));
    if (!text) return false;
    std::size_t at = text->find(from);
    if (at == std::string::npos) return false;
    text->replace(at, from.size(), to);
    return WriteWholeFile(copy.File(file), *text);
}

}  // namespace

TEST(MuseumCheck, TheBuiltTableIsTheGeneratedOne) {
    Findings findings;
    Collection collection = LoadCollection(kDataDir, findings);
    ASSERT_EQ(static_cast<std::size_t>(kBuiltinHaikuCount), collection.haiku.size());
    ASSERT_GT(kBuiltinHaikuCount, 0);
    EXPECT_STREQ(kBuiltinHaiku[0].line1, collection.haiku[0].phrases[0].c_str());
    EXPECT_EQ(kBuiltinHaiku[kBuiltinHaikuCount - 1].year, collection.haiku.back().year);
}

TEST(MuseumCheck, ABrokenCopyOfTheBuiltMuseumFails) {
    ASSERT_TRUE(std::filesystem::exists(kBuiltTxtData + "/tavelo.txt"));
    auto table = BuiltinTable();
    ASSERT_FALSE(table.empty());
    TempDir copy;
    std::filesystem::copy(kBuiltTxtData, copy.Path(), std::filesystem::copy_options::recursive);

    Findings before;
    CheckMuseum(copy.Path(), kDataDir, table, CollectionLimits{}, before);

    // The first haiku's reading loses a mora, its season word changes season in
    // kigo.txt, an anthology loses a haiku, the contents gain a wide line, and
    // the commentary file gains a stray line.
    const TableRecord& first = table.front();
    ASSERT_TRUE(Break(copy, "tavelo.txt", "\n2:", "\n2:あ"));
    ASSERT_TRUE(Break(copy, "tavelo.txt", "\n[*]\n", "\n[*]\nstray\n"));
    ASSERT_TRUE(Break(copy, "500.txt", ListingKey(first.phrases) + "\n", ""));
    ASSERT_TRUE(Break(copy, "kigo.txt", "\nk3:", "\nk3:x"));
    std::string contents = *ReadWholeFile(copy.File("Topics.txt"));
    ASSERT_TRUE(WriteWholeFile(copy.File("Topics.txt"), contents + std::string(77, 'x') + "\n"));

    Findings after;
    CheckMuseum(copy.Path(), kDataDir, table, CollectionLimits{}, after);
    for (const char* rule : {"mora-count", "commentary-source", "commentary-format", "anthology-listing",
                             "kigo-season", "body-width"})
        EXPECT_GT(after.Count(rule), before.Count(rule)) << rule << "\n" << Shown(after);
}
