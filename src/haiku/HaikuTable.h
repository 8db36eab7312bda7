// The built-in haiku collection: 1731 records in table order (years never
// decrease), in a table of 2200 slots. Each list view and card dialog owns one.
#pragma once

#include <string_view>
#include <vector>

#include "haiku/CommentaryEntry.h"
#include "haiku/HaikuRecord.h"
#include "platform/NoticeWnd.h"

class CHaikuTable {
public:
    static constexpr int kCapacity = 2200;
    static constexpr int kBirthYear = 1867;

    // Fills the table from the built-in data.
    CHaikuTable();

    // Appends a record; false (and nothing stored) when the table is full.
    bool AddHaiku(std::string_view line1, std::string_view line2, std::string_view line3,
                  int year);
    // A copy of record index; callers pass 0 <= index < GetCount().
    HaikuRecord GetHaiku(int index) const;
    int GetCount() const { return static_cast<int>(m_records.size()); }
    // The poet's age in a year, as the halls show it.
    static int GetAge(int year) { return year - kBirthYear; }
    // Stores the season, season word, source and readings of one section. An index
    // outside the table shows "error" and stores nothing.
    void SetCommentary(const CommentaryEntry& entry, int index);

private:
    std::vector<HaikuRecord> m_records;
    CNoticeWnd m_notice;
};
