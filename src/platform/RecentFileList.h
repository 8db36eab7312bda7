// The recent-file list: the newest path first, no path twice, at most N entries,
// kept in the INI file under [Recent File List] as File1, File2, ...
// Paths are held as UTF-8 and stored in cp932 like the rest of the INI; a path that
// cp932 cannot carry is left out of the stored list.
#pragma once

#include <string>
#include <vector>

class CPrivateProfile;

class CRecentFileList {
public:
    explicit CRecentFileList(int size) : m_nSize(size < 0 ? 0 : size) {}

    void Add(const std::string& path);
    const std::vector<std::string>& Entries() const { return m_entries; }

    void ReadList(const CPrivateProfile& profile);
    // False when the file could not be written.
    bool WriteList(const CPrivateProfile& profile) const;

private:
    int m_nSize;
    std::vector<std::string> m_entries;
};
