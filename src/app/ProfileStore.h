// CProfileStore: the only access to the program's INI file and the keeper of the
// working directory. theProfile.SetupProfile() runs first at start-up: it captures
// the current directory (exactly as the system reports it, at any length) and names
// the INI file "<workDir>/<program name>.INI". Every value is read from and written
// to the file at once; nothing is cached.
//
//   std::string path = theProfile.TxtDataPath("life.txt");  // <workDir>/TxtData/life.txt
//   if (theProfile.GetOnePointView() != 0) ...
//   theProfile.SetHaikuNo(no);
//
// Texts are cp932 bytes except paths, which are the file system's own bytes.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/WindowPlacement.h"

class CProfileStore {
public:
    // Captures the current directory and installs "<workDir>/<program name>.INI". Returns 0.
    int SetupProfile();
    // The same with a given directory and program name (the tests' entry).
    int SetupProfile(std::string workDir, std::string_view programName);

    const std::string& GetWorkDir() const { return m_workDir; }
    const std::string& GetIniPath() const { return m_iniPath; }
    // "<workDir>/TxtData/<fileName>", fileName given in file-system bytes.
    std::string TxtDataPath(std::string_view fileName) const;

    // "WindowPos" and the bar layout under "General": the docked bars' state and
    // whether the status bar is shown.
    void SaveWindowPos(const WindowPlacement& placement, std::string_view barState,
                       bool statusBarShown = true) const;
    struct SavedWindowPos {
        enum class State { None, Invalid, Usable };
        State state = State::None;
        WindowPlacement placement;
        std::string barState;  // the bar layout is only read when the placement is usable
        bool statusBarShown = true;
    };
    SavedWindowPos LoadWindowPos() const;

    int GetOnePoint() const;
    void SetOnePoint(int value) const;
    int GetOnePointView() const;
    void SetOnePointView(int value) const;
    int GetHaikuView() const;
    void SetHaikuView(int value) const;
    int GetHaikuMode(int def) const;
    void SetHaikuMode(int value) const;
    int GetHaikuNo(int def) const;
    void SetHaikuNo(int value) const;

    // Writes the first 16 entries as Find1, Find2, ...; higher keys stay as they are.
    void SaveFindStrings(const std::vector<std::string>& sortedEntries) const;
    // Find1, Find2, ... up to the first missing or empty one.
    std::vector<std::string> LoadFindStrings() const;

    // Plain access, for the framework's own keys.
    int GetProfileInt(std::string_view section, std::string_view key, int def) const;
    std::string GetProfileString(std::string_view section, std::string_view key,
                                 std::string_view def) const;
    bool WriteProfileInt(std::string_view section, std::string_view key, int value) const;
    bool WriteProfileString(std::string_view section, std::string_view key,
                            std::string_view value) const;

    static constexpr int kMaxSavedFindStrings = 16;

private:
    std::string m_workDir;
    std::string m_iniPath;
};

extern CProfileStore theProfile;
