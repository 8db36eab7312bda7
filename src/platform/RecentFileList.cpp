#include "platform/RecentFileList.h"

#include <algorithm>

#include "platform/Cp932.h"
#include "platform/PrivateProfile.h"

namespace {
constexpr const char* kSection = "Recent File List";
std::string KeyOf(int index) { return "File" + std::to_string(index + 1); }
}  // namespace

void CRecentFileList::Add(const std::string& path) {
    if (path.empty() || m_nSize == 0) return;
    m_entries.erase(std::remove(m_entries.begin(), m_entries.end(), path), m_entries.end());
    m_entries.insert(m_entries.begin(), path);
    if (m_entries.size() > static_cast<std::size_t>(m_nSize)) m_entries.resize(m_nSize);
}

void CRecentFileList::ReadList(const CPrivateProfile& profile) {
    m_entries.clear();
    for (int i = 0; i < m_nSize; ++i) {
        std::optional<std::string> path = cp932::ToUtf8(profile.GetString(kSection, KeyOf(i), ""));
        if (!path) continue;  // not cp932: not a list entry of ours
        if (!path->empty() && std::find(m_entries.begin(), m_entries.end(), *path) == m_entries.end())
            m_entries.push_back(std::move(*path));
    }
}

bool CRecentFileList::WriteList(const CPrivateProfile& profile) const {
    // The INI is cp932 throughout; a path cp932 cannot carry is left out of the list.
    std::vector<std::string> stored;
    for (const std::string& path : m_entries)
        if (std::optional<std::string> bytes = cp932::FromUtf8(path)) stored.push_back(std::move(*bytes));
    bool ok = true;
    for (int i = 0; i < m_nSize; ++i) {
        std::string value = i < static_cast<int>(stored.size()) ? stored[i] : std::string();
        // An unused slot that is not in the file stays out of it.
        if (value.empty() && profile.GetString(kSection, KeyOf(i), "").empty()) continue;
        ok = profile.WriteString(kSection, KeyOf(i), value) && ok;
    }
    return ok;
}
