#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "TempDir.h"
#include "app/ProfileStore.h"

namespace {

class ProfileStoreTest : public ::testing::Test {
protected:
    void SetUp() override { store.SetupProfile(dir.Path(), "quillary"); }
    std::string Ini() const { return dir.Read("quillary.INI"); }

    TempDir dir;
    CProfileStore store;
};

TEST(ProfileStoreSetup, KeepsTheWorkingDirectoryWholeAndExactlyAsTheSystemReportsIt) {
    // Capitals, spaces and double-byte characters stay; a path over 255 bytes is not cut.
    TempDir dir;
    std::string deepest = dir.Path();
    while (deepest.size() < 600) deepest += "/" + std::string(60, 'D');
    for (const std::string& deep : {dir.Path() + "/Haiku Museum/俳句", deepest}) {
        std::filesystem::create_directories(deep);
        const std::string previous = std::filesystem::current_path().string();
        ASSERT_EQ(::chdir(deep.c_str()), 0);
        CProfileStore store;
        store.SetupProfile();
        store.SetOnePoint(5);
        ASSERT_EQ(::chdir(previous.c_str()), 0);
        EXPECT_EQ(store.GetWorkDir(), std::filesystem::canonical(deep).string());
        EXPECT_EQ(store.GetIniPath(), store.GetWorkDir() + "/unit_tests.INI");  // the program's name
        EXPECT_EQ(store.GetOnePoint(), 5);
    }
    CProfileStore other;  // named after the program, in the folder given
    other.SetupProfile("/tmp", "/usr/bin/Quillary.exe");
    EXPECT_EQ(other.GetIniPath(), "/tmp/Quillary.INI");
}

TEST_F(ProfileStoreTest, SettingsHaveDefaultsAndAreWrittenUnderTheirKeys) {
    const auto settings = [&] {
        return std::vector<int>{store.GetOnePoint(), store.GetOnePointView(), store.GetHaikuView(),
                                store.GetHaikuMode(0), store.GetHaikuNo(0)};
    };
    EXPECT_EQ(settings(), (std::vector<int>{1, 1, 1, 0, 0}));
    EXPECT_EQ(store.LoadWindowPos().state, CProfileStore::SavedWindowPos::State::None);
    EXPECT_TRUE(store.LoadFindStrings().empty());
    EXPECT_FALSE(std::filesystem::exists(store.GetIniPath()));  // reading writes nothing
    store.SetOnePoint(12);
    store.SetOnePointView(0);
    store.SetHaikuView(0);
    store.SetHaikuMode(2);
    store.SetHaikuNo(345);
    EXPECT_EQ(Ini(),
              "[Settings]\r\nonepoint=12\r\nonepointview=0\r\nHaikuView=0\r\n"
              "HailuMode=2\r\nHaikuNo=345\r\n");
    EXPECT_EQ(settings(), (std::vector<int>{12, 0, 0, 2, 345}));
}

// A WindowPos that does not parse or is not usable (the two kinds: WindowPlacement's test)
// is ignored, the bar layout with it. (A usable one comes back with the bars: the window
// tests of the next start.)
TEST_F(ProfileStoreTest, AnUnusableWindowPosIsIgnoredWithTheBarLayout) {
    for (const char* value : {"1,1,3", "0,1,-1,-1,-1,-1,10,20,5,620"}) {
        dir.Write("quillary.INI",
                  std::string("[Settings]\nWindowPos=") + value + "\n[General]\nBarState=XYZ\n");
        CProfileStore::SavedWindowPos saved = store.LoadWindowPos();
        EXPECT_EQ(saved.state, CProfileStore::SavedWindowPos::State::Invalid) << value;
        EXPECT_TRUE(saved.barState.empty()) << value;
    }
}

// Sixteen entries are saved, empty ones left out (an empty value would end the history).
TEST_F(ProfileStoreTest, HistorySavesAtMost16AndLeavesHigherKeys) {
    dir.Write("quillary.INI", "[Find Strings]\nFind17=old17\nFind18=old18\n");
    std::vector<std::string> entries{"", "a", ""};
    for (char c = 'b'; c < 'a' + 20; ++c) entries.push_back(std::string(1, c));
    store.SaveFindStrings(entries);
    std::vector<std::string> loaded = store.LoadFindStrings();
    ASSERT_EQ(loaded.size(), 18u);
    EXPECT_EQ(loaded[0], "a");
    EXPECT_EQ(loaded[15], "p");
    EXPECT_EQ(loaded[16], "old17");  // untouched, and loaded again
    EXPECT_EQ(store.GetProfileString("Find Strings", "Find17", ""), "old17");
}

TEST_F(ProfileStoreTest, HistoryStopsAtTheFirstGap) {
    for (const char* gap : {"", "Find2=\n"}) {
        dir.Write("quillary.INI", std::string("[Find Strings]\nFind1=one\n") + gap + "Find3=three\n");
        EXPECT_EQ(store.LoadFindStrings(), std::vector<std::string>{"one"}) << gap;
    }
}

TEST_F(ProfileStoreTest, HistoryOfTenThousandEntriesLoadsInOnePassAndMergesNothing) {
    std::string text = "\xef\xbb\xbf[Find Strings]\r\n";
    for (int i = 10000; i >= 1; --i) text += "find" + std::to_string(i) + "=x" + std::to_string(i % 7) + "\r\n";
    dir.Write("quillary.INI", text + "[Find Strings]\r\nFind10001=second section\r\n");
    std::vector<std::string> loaded = store.LoadFindStrings();
    ASSERT_EQ(loaded.size(), 10000u);
    EXPECT_EQ(loaded[0], "x1");
    EXPECT_EQ(loaded[9999], "x4");
}

}  // namespace
