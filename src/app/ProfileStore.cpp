#include "app/ProfileStore.h"

#include <errno.h>
#include <unistd.h>

#include <charconv>
#include <cstdlib>
#include <unordered_map>

#include "platform/FileRead.h"
#include "platform/PrivateProfile.h"

CProfileStore theProfile;

namespace {

constexpr const char* kSettings = "Settings";
constexpr const char* kFindStrings = "Find Strings";
constexpr const char* kBarSection = "General";
constexpr const char* kBarKey = "BarState";
constexpr const char* kStatusBarKey = "StatusBar";

// The current directory at whatever length the system allows.
std::string CurrentDirectory() {
    std::string buffer(256, '\0');
    for (;;) {
        if (::getcwd(buffer.data(), buffer.size()) != nullptr) {
            buffer.resize(std::char_traits<char>::length(buffer.c_str()));
            return buffer;
        }
        if (errno != ERANGE) return ".";
        buffer.resize(buffer.size() * 2);
    }
}

std::string BaseNameWithoutExtension(std::string_view name) {
    std::size_t slash = name.rfind('/');
    if (slash != std::string_view::npos) name.remove_prefix(slash + 1);
    std::size_t dot = name.rfind('.');
    if (dot != std::string_view::npos && dot > 0) name = name.substr(0, dot);
    return std::string(name);
}

std::string FindKey(int index) { return "Find" + std::to_string(index); }

}  // namespace

int CProfileStore::SetupProfile() {
    return SetupProfile(CurrentDirectory(), program_invocation_short_name);
}

int CProfileStore::SetupProfile(std::string workDir, std::string_view programName) {
    m_workDir = std::move(workDir);
    std::string base = BaseNameWithoutExtension(programName);
    if (base.empty()) base = "quillary";
    m_iniPath =
        m_workDir + (m_workDir.empty() || m_workDir.back() != '/' ? "/" : "") + base + ".INI";
    return 0;
}

std::string CProfileStore::TxtDataPath(std::string_view fileName) const {
    std::string path = m_workDir;
    if (path.empty() || path.back() != '/') path += '/';
    path += "TxtData/";
    path += fileName;
    return path;
}

void CProfileStore::SaveWindowPos(const WindowPlacement& placement,
                                  std::string_view barState, bool statusBarShown) const {
    WriteProfileString(kSettings, "WindowPos", placement.Format());
    WriteProfileString(kBarSection, kBarKey, barState);
    WriteProfileInt(kBarSection, kStatusBarKey, statusBarShown ? 1 : 0);
}

CProfileStore::SavedWindowPos CProfileStore::LoadWindowPos() const {
    SavedWindowPos saved;
    std::string text = GetProfileString(kSettings, "WindowPos", "");
    if (text.empty()) return saved;
    std::optional<WindowPlacement> placement = WindowPlacement::Parse(text);
    if (!placement || !placement->IsUsable()) {
        saved.state = SavedWindowPos::State::Invalid;
        return saved;
    }
    saved.state = SavedWindowPos::State::Usable;
    saved.placement = *placement;
    saved.barState = GetProfileString(kBarSection, kBarKey, "");
    saved.statusBarShown = GetProfileInt(kBarSection, kStatusBarKey, 1) != 0;
    return saved;
}

int CProfileStore::GetOnePoint() const { return GetProfileInt(kSettings, "onepoint", 1); }
void CProfileStore::SetOnePoint(int value) const { WriteProfileInt(kSettings, "onepoint", value); }
int CProfileStore::GetOnePointView() const { return GetProfileInt(kSettings, "onepointview", 1); }
void CProfileStore::SetOnePointView(int value) const {
    WriteProfileInt(kSettings, "onepointview", value);
}
int CProfileStore::GetHaikuView() const { return GetProfileInt(kSettings, "HaikuView", 1); }
void CProfileStore::SetHaikuView(int value) const {
    WriteProfileInt(kSettings, "HaikuView", value);
}
// The key is spelled "HailuMode" in every INI file the program has written.
int CProfileStore::GetHaikuMode(int def) const {
    return GetProfileInt(kSettings, "HailuMode", def);
}
void CProfileStore::SetHaikuMode(int value) const {
    WriteProfileInt(kSettings, "HailuMode", value);
}
int CProfileStore::GetHaikuNo(int def) const { return GetProfileInt(kSettings, "HaikuNo", def); }
void CProfileStore::SetHaikuNo(int value) const { WriteProfileInt(kSettings, "HaikuNo", value); }

void CProfileStore::SaveFindStrings(const std::vector<std::string>& sortedEntries) const {
    int written = 0;
    for (const std::string& entry : sortedEntries) {
        if (written == kMaxSavedFindStrings) break;
        if (entry.empty()) continue;  // an empty value would end the history at loading
        ++written;
        WriteProfileString(kFindStrings, FindKey(written), entry);
    }
}

std::vector<std::string> CProfileStore::LoadFindStrings() const {
    std::vector<std::string> entries;
    std::optional<std::string> text = ReadWholeFile(m_iniPath);
    if (!text) return entries;
    // One pass over the section: "FindN" keys by their number (the first of a name wins).
    std::unordered_map<int, std::string> byNumber;
    CIniText(std::move(*text)).ForEachKey(kFindStrings, [&](std::string_view key, std::string_view value) {
        if (key.size() > 4 && EqualNoCaseCp932(key.substr(0, 4), "Find")) {
            std::string_view digits = key.substr(4);
            int n = 0;
            auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
            if (error == std::errc() && end == digits.data() + digits.size() && n > 0 &&
                digits.front() != '0')
                byNumber.try_emplace(n, value);
        }
        return true;
    });
    for (int i = 1;; ++i) {
        auto it = byNumber.find(i);
        if (it == byNumber.end() || it->second.empty()) break;
        entries.push_back(std::move(it->second));
    }
    return entries;
}

int CProfileStore::GetProfileInt(std::string_view section, std::string_view key, int def) const {
    return CPrivateProfile(m_iniPath).GetInt(section, key, def);
}

std::string CProfileStore::GetProfileString(std::string_view section, std::string_view key,
                                            std::string_view def) const {
    return CPrivateProfile(m_iniPath).GetString(section, key, def);
}

bool CProfileStore::WriteProfileInt(std::string_view section, std::string_view key,
                                    int value) const {
    return CPrivateProfile(m_iniPath).WriteInt(section, key, value);
}

bool CProfileStore::WriteProfileString(std::string_view section, std::string_view key,
                                       std::string_view value) const {
    return CPrivateProfile(m_iniPath).WriteString(section, key, value);
}
