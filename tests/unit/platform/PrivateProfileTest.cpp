#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "TempDir.h"
#include "platform/PrivateProfile.h"
#include "platform/RecentFileList.h"

namespace {

TEST(IniText, ReadsAsThePrivateProfileFunctionsDo) {
    const struct {
        std::string text, section, key;
        std::optional<std::string> value;
    } cases[] = {
        {"[settings]\r\nONEPOINT=7\r\n", "SETTINGS", "OnePoint", "7"},    // case folded
        {"[S]\n\x83\x41=1\n", "S", "\x83\x61", std::nullopt},            // never a trail byte
        {"[S]\nk=first\nk=second\n", "S", "k", "first"},                   // first key wins
        {"[S]\nk=1\n[S]\nj=later\n", "S", "j", std::nullopt},            // only the first [S]
        {"  [ S ]  \n  key  =  a value \t\n", "S", "key", "a value"},
        {"[A]\nx=1\n", "B", "x", std::nullopt},
        {"x=1\n", "", "x", std::nullopt},                                  // before any section
        {"[A]\n[Settings\nk=2\n", "A", "k", "2"},                         // "[" alone: no header
        {"\xef\xbb\xbf[A]\r\nk=1\r\n", "A", "k", "1"},                    // a byte-order mark
        {"[A]\nk=a\rb\r\r\n", "A", "k", "a\rb\r"},                        // only CR LF ends
        {"[A]\r\nk=a\r", "A", "k", "a\r"},                                 // also at the end
    };
    for (const auto& c : cases) EXPECT_EQ(CIniText(c.text).Find(c.section, c.key), c.value) << c.text;
}

TEST(IniText, SetChangesOneLineOfTheFirstSectionAndKeepsEverythingElse) {
    const struct {
        std::string before, section, key, value, after;
    } cases[] = {
        {"; c\r\n[O]\r\nk=9\r\n[s]\r\nK=1\r\nk=2\r\nodd\r\n", "S", "k", "5",
         "; c\r\n[O]\r\nk=9\r\n[s]\r\nK=5\r\nk=2\r\nodd\r\n"},
        {"[A]\nx=1\n\n[B]\ny=2\n[A]\n", "a", "z", "3", "[A]\nx=1\nz=3\n\n[B]\ny=2\n[A]\n"},
        {"[A]\nx=1", "B", "y", "2", "[A]\nx=1\n[B]\ny=2\n"},
        {"[A]\nx=1\r", "B", "y", "2", "[A]\nx=1\r\r\n[B]\ny=2\n"},  // the last line keeps its CR
        {"", "S", "k", "v", "[S]\r\nk=v\r\n"},
        {"[Settings\nk=1\n", "Settings", "k", "2", "[Settings\nk=1\n[Settings]\nk=2\n"},
        {"", "S", "k", "a\r\n[Evil]\nb", "[S]\r\nk=a  [Evil] b\r\n"},  // no line break
    };
    for (const auto& c : cases) {
        CIniText ini(c.before);
        ini.Set(c.section, c.key, c.value);
        EXPECT_EQ(ini.Text(), c.after);
    }
}

TEST(ParseProfileInt, ReadsLeadingDecimalDigits) {
    for (auto [text, value] : {std::pair{"12abc", 12}, {"abc", 0}, {"", 5}, {"-3", -3}, {"0x10", 0},
                               {"99999999999999999999", 2147483647}})
        EXPECT_EQ(ParseProfileInt(text, 5), value) << text;
}

// A temporary folder with q.INI in it (made by the first write).
class PrivateProfile : public ::testing::Test {
protected:
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
            names.push_back(entry.path().filename().string());
        return names;
    }

    TempDir dir;
    CPrivateProfile ini{dir.File("q.INI")};
};

TEST_F(PrivateProfile, MissingOrBinaryFileGivesDefaultsAndKeepsItsBytes) {
    EXPECT_EQ(ini.GetString("Settings", "WindowPos", "dflt"), "dflt");
    ASSERT_TRUE(ini.WriteInt("Settings", "onepoint", 4));
    EXPECT_EQ(dir.Read("q.INI"), "[Settings]\r\nonepoint=4\r\n");
    const std::string junk("\0\xff\xfe[\x01=\n\x83", 9);
    dir.Write("q.INI", junk);
    EXPECT_EQ(ini.GetInt("Settings", "onepoint", 1), 1);
    ASSERT_TRUE(ini.WriteInt("Settings", "onepoint", 0));
    EXPECT_EQ(dir.Read("q.INI").substr(0, junk.size()), junk);
    EXPECT_EQ(ini.GetInt("Settings", "onepoint", 1), 0);
}

TEST_F(PrivateProfile, RefusedWritesLeaveEverythingAsItWas) {
    const std::string text = "[Settings]\nonepoint=3\n";
    dir.Write("ro.INI", text);
    ::chmod(dir.File("ro.INI").c_str(), 0444);
    dir.Write("linked.INI", text);  // two names of one file: renaming would split them
    ::link(dir.File("linked.INI").c_str(), dir.File("other").c_str());
    std::filesystem::create_directory(dir.File("dir.INI"));
    for (std::string name : {"ro.INI", "linked.INI", "dir.INI"})
        EXPECT_FALSE(CPrivateProfile(dir.File(name)).WriteInt("Settings", "onepoint", 9)) << name;
    EXPECT_EQ(dir.Read("ro.INI"), text);
    EXPECT_EQ(dir.Read("other"), text);
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("dir.INI")));
    EXPECT_EQ(Names().size(), 4u);
}

TEST_F(PrivateProfile, WriteUpdatesTheFileALinkLeadsToAndKeepsItsModeAndOwner) {
    dir.Write("real/q.INI", "[S]\nk=1\n");
    ::chmod(dir.File("real/q.INI").c_str(), 0640);
    ASSERT_EQ(::chown(dir.File("real/q.INI").c_str(), 12345, 54321), 0);  // the tests run as root
    ::symlink("real/q.INI", dir.File("q.INI").c_str());
    ASSERT_TRUE(ini.WriteInt("S", "k", 2));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("q.INI")));
    EXPECT_EQ(dir.Read("real/q.INI"), "[S]\nk=2\n");
    struct stat st {};
    ASSERT_EQ(::stat(dir.File("real/q.INI").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(st.st_uid, 12345u);
    EXPECT_EQ(st.st_gid, 54321u);
}

TEST_F(PrivateProfile, KillsDuringWritesLeaveACompleteFileAndNothingThatStays) {
    dir.Write(".q.INI.Ab12Cd", "left by an older version");
    dir.Write(".q.INI.quillary-0f3a9b", "left by a kill");
    ASSERT_TRUE(ini.WriteString("S", "pad", std::string(200000, 'p')));
    for (int round = 0; round < 40; ++round) {
        pid_t child = ::fork();
        if (child == 0) {
            for (int i = 0;; ++i) ini.WriteInt("S", "k", i);
        }
        ::usleep(static_cast<useconds_t>(2000 + round * 250));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        EXPECT_EQ(ini.GetString("S", "pad", "").size(), 200000u) << round;  // never a half file
    }
    ASSERT_TRUE(ini.WriteInt("S", "k", -1));
    EXPECT_EQ(Names(), std::vector<std::string>{"q.INI"});
}

TEST_F(PrivateProfile, RecentFilesAreStoredInCp932LeavingOutWhatCp932CannotCarry) {
    CRecentFileList list(4);
    list.Add("/museum/\xf0\x9f\x8c\xb8.txt");        // no cp932 for this character
    list.Add("/museum/\xe4\xbf\xb3\xe5\x8f\xa5.txt");  // 俳句.txt
    ASSERT_TRUE(list.WriteList(ini));
    EXPECT_EQ(dir.Read("q.INI"), "[Recent File List]\r\nFile1=/museum/俳句.txt\r\n");
    CRecentFileList again(4);
    again.ReadList(ini);
    EXPECT_EQ(again.Entries(), std::vector<std::string>{"/museum/\xe4\xbf\xb3\xe5\x8f\xa5.txt"});
}

}  // namespace
