// Reads the commentary file (TxtData/tavelo.txt): one "[*]" section per haiku in
// table order, with field lines "1:" preface, "2:" reading, "3:" season,
// "4:" season word, "5:" source and "6:" interpretation (continued by the lines
// after it). Two readers on purpose:
//  - LoadAll, for the list view, reads every section once; only a line that
//    begins with a marker is a field, an empty line ends a section, and "6:" ends
//    the walk of a section.
//  - ReadEntry, for the card, reads one section afresh on every call; markers are
//    found anywhere in a line, and the interpretation runs on until a line that
//    holds any marker.
#pragma once

#include <string>
#include <string_view>

#include "haiku/CommentaryEntry.h"
#include "platform/NoticeWnd.h"

class CHaikuTable;

class CCommentaryReader {
public:
    // workDir is the museum folder; files are read from its TxtData folder.
    explicit CCommentaryReader(std::string workDir);

    // Fills season, season word, source and readings of the first records of the
    // table, at most maxCount. 0, or -1 (after the unreadable-file notice).
    int LoadAll(std::string_view fileName, int mode, int rowWidth, CHaikuTable& table,
                int maxCount);
    // Reads the section of haiku index into the reader's entry. 0, or -1 (after
    // the unreadable-file notice, with the entry empty).
    int ReadEntry(std::string_view fileName, int mode, int index, int rowWidth,
                  CHaikuTable* table);
    CommentaryEntry GetEntry() const { return m_entry; }

    // Appends one file line to an interpretation and pads it with half-width
    // spaces to the next multiple of rowWidth, so every line starts a row.
    static void AppendRow(std::string& interpretation, std::string_view line, int rowWidth);

private:
    std::string PathOf(std::string_view fileName) const;

    std::string m_workDir;
    std::string m_fileName;
    int m_index = -1;
    CommentaryEntry m_entry;
    CNoticeWnd m_notice;
};
