#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "TempDir.h"
#include "platform/PrivateProfile.h"

namespace {

TEST(IniText, NamesMatchWithoutRegardToAsciiCase) {
    CIniText ini("[settings]\r\nONEPOINT=7\r\n");
    EXPECT_EQ(ini.Find("Settings", "onepoint"), "7");
    EXPECT_EQ(ini.Find("SETTINGS", "OnePoint"), "7");
}

TEST(IniText, FoldsOnlyLettersThatStartACharacter) {
    // 0x83 0x41 is the katakana "ア"; its trail byte is the letter A's code.
    CIniText ini("[S]\n\x83\x41=1\n");
    EXPECT_EQ(ini.Find("S", "\x83\x41"), "1");
    EXPECT_EQ(ini.Find("S", "\x83\x61"), std::nullopt);
}

TEST(IniText, FirstOfDuplicateKeysWins) {
    CIniText ini("[S]\nk=first\nk=second\n[S]\nk=third\nj=later\n");
    EXPECT_EQ(ini.Find("S", "k"), "first");
    EXPECT_EQ(ini.Find("S", "j"), "later");  // a repeated section is still searched
}

TEST(IniText, SpacesAroundNamesAndValuesAreNotPartOfThem) {
    CIniText ini("  [ S ]  \n  key  =  a value \t\n");
    EXPECT_EQ(ini.Find("S", "key"), "a value");
}

TEST(IniText, MissingSectionOrKeyIsNotFound) {
    CIniText ini("[A]\nx=1\n");
    EXPECT_EQ(ini.Find("B", "x"), std::nullopt);
    EXPECT_EQ(ini.Find("A", "y"), std::nullopt);
    EXPECT_EQ(CIniText("x=1\n").Find("", "x"), std::nullopt);  // keys before any section
}

TEST(IniText, SetReplacesTheFirstKeyAndKeepsEverythingElse) {
    const std::string before =
        "; comment\r\n[Other]\r\nk=9\r\n[settings]\r\nK=1\r\nk=2\r\nodd line\r\n";
    CIniText ini(before);
    ini.Set("Settings", "k", "5");
    EXPECT_EQ(ini.Text(),
              "; comment\r\n[Other]\r\nk=9\r\n[settings]\r\nK=5\r\nk=2\r\nodd line\r\n");
}

TEST(IniText, SetAddsAKeyAtTheEndOfItsSection) {
    CIniText ini("[A]\nx=1\n\n[B]\ny=2\n");
    ini.Set("a", "z", "3");
    EXPECT_EQ(ini.Text(), "[A]\nx=1\nz=3\n\n[B]\ny=2\n");
}

TEST(IniText, SetAddsASectionAtTheEnd) {
    CIniText ini("[A]\nx=1");  // no line break at the end
    ini.Set("B", "y", "2");
    EXPECT_EQ(ini.Text(), "[A]\nx=1\n[B]\ny=2\n");
    CIniText empty;
    empty.Set("S", "k", "v");
    EXPECT_EQ(empty.Text(), "[S]\r\nk=v\r\n");
}

TEST(IniText, LineBreaksInAValueCannotBreakTheFile) {
    CIniText ini;
    ini.Set("S", "k", "a\r\n[Evil]\nb");
    EXPECT_EQ(ini.Find("S", "k"), "a  [Evil] b");
    EXPECT_EQ(ini.Find("Evil", "b"), std::nullopt);
}

TEST(ParseProfileInt, ReadsLeadingDecimalDigits) {
    EXPECT_EQ(ParseProfileInt("12abc", 5), 12);
    EXPECT_EQ(ParseProfileInt("abc", 5), 0);
    EXPECT_EQ(ParseProfileInt("", 5), 5);
    EXPECT_EQ(ParseProfileInt("-3", 5), -3);
    EXPECT_EQ(ParseProfileInt("0x10", 5), 0);
    EXPECT_EQ(ParseProfileInt("99999999999999999999", 5), 2147483647);
}

TEST(PrivateProfile, MissingFileGivesDefaultsAndIsCreatedOnWrite) {
    TempDir dir;
    CPrivateProfile ini(dir.File("q.INI"));
    EXPECT_EQ(ini.GetInt("Settings", "onepoint", 1), 1);
    EXPECT_EQ(ini.GetString("Settings", "WindowPos", "dflt"), "dflt");
    ASSERT_TRUE(ini.WriteInt("Settings", "onepoint", 4));
    EXPECT_EQ(ini.GetInt("settings", "ONEPOINT", 1), 4);
    EXPECT_EQ(dir.Read("q.INI"), "[Settings]\r\nonepoint=4\r\n");
}

TEST(PrivateProfile, BinaryFileReadsAsDefaultsAndKeepsItsBytes) {
    TempDir dir;
    const std::string junk("\0\xff\xfe[\x01=\n\x83", 9);
    dir.Write("q.INI", junk);
    CPrivateProfile ini(dir.File("q.INI"));
    EXPECT_EQ(ini.GetInt("Settings", "HaikuView", 1), 1);
    ASSERT_TRUE(ini.WriteInt("Settings", "HaikuView", 0));
    const std::string after = dir.Read("q.INI");
    EXPECT_EQ(after.substr(0, junk.size()), junk);
    EXPECT_EQ(ini.GetInt("Settings", "HaikuView", 1), 0);
}

TEST(PrivateProfile, ReadOnlyFileIsNeitherChangedNorReplaced) {
    TempDir dir;
    dir.Write("q.INI", "[Settings]\nonepoint=3\n");
    ::chmod(dir.File("q.INI").c_str(), 0444);
    CPrivateProfile ini(dir.File("q.INI"));
    EXPECT_FALSE(ini.WriteInt("Settings", "onepoint", 9));
    EXPECT_EQ(dir.Read("q.INI"), "[Settings]\nonepoint=3\n");
    EXPECT_EQ(ini.GetInt("Settings", "onepoint", 1), 3);
}

TEST(PrivateProfile, FailedWriteLeavesTheOldFileAndNoTemporaryFile) {
    TempDir dir;
    dir.Write("q.INI", "[Settings]\nonepoint=3\n");
    // A folder that cannot take the temporary file: the write fails as a whole.
    ::chmod(dir.Path().c_str(), 0555);
    CPrivateProfile ini(dir.File("q.INI"));
    bool written = ini.WriteInt("Settings", "onepoint", 9);
    ::chmod(dir.Path().c_str(), 0755);
    if (::geteuid() != 0) {
        EXPECT_FALSE(written);
    }
    if (!written) {
        EXPECT_EQ(dir.Read("q.INI"), "[Settings]\nonepoint=3\n");
    }
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        (void)entry;
        ++files;
    }
    EXPECT_EQ(files, 1);
}

TEST(PrivateProfile, WriteKeepsTheFilesPermissions) {
    TempDir dir;
    dir.Write("q.INI", "[S]\nk=1\n");
    ::chmod(dir.File("q.INI").c_str(), 0600);
    ASSERT_TRUE(CPrivateProfile(dir.File("q.INI")).WriteInt("S", "k", 2));
    struct stat st {};
    ASSERT_EQ(::stat(dir.File("q.INI").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST(PrivateProfile, DirectoryInPlaceOfTheFileIsLeftAlone) {
    TempDir dir;
    std::filesystem::create_directory(dir.File("q.INI"));
    CPrivateProfile ini(dir.File("q.INI"));
    EXPECT_EQ(ini.GetInt("S", "k", 7), 7);
    EXPECT_FALSE(ini.WriteInt("S", "k", 1));
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("q.INI")));
}

}  // namespace
