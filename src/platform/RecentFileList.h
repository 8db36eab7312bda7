// The recent-file list: the newest path first, no path twice, at most N entries,
// kept in the INI file under [Recent File List] as File1, File2, ...
// Paths are the file system's bytes and are stored as they are.
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
