// A TxtData topic document in memory: the reading matter of the museum.
//
// How to use it:
//     CTopicDocument document;
//     document.SetIncludeFolder(workDir + "/TxtData");   // where "f:" names are found
//     if (document.Load(workDir + "/TxtData/life.txt") != 0) return;  // notice shown
//     TopicSelection shown = document.SelectTopic(key);   // key: cp932 bytes
//     if (shown.topic.index < 0) ...                      // no topic carries that key
//     for (const std::string& line : shown.body) ...      // body lines, cp932
//
// A document is a text file in cp932, one line per line. Lines starting "//" are
// comments; "f:name" lines (main file only) append the file TxtData/name; a line
// that is exactly "[*]" starts a topic; "k1:", "k2:", "k3:" give its three keys,
// "d:" starts its body, "l1:" to "l5:" make it the index topic, whose body is
// generated from all first keys in 1 to 5 columns. Markers ignore ASCII case.
// Every length, column and comparison counts cp932 bytes.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/NoticeWnd.h"
#include "reader/TopicRecord.h"

// A link found in a body line: a first key and the bytes [start, end) it covers.
struct TopicLink {
    std::string key;
    int32_t start = 0;
    int32_t end = 0;

    bool operator==(const TopicLink&) const = default;
};

class CTopicDocument {
public:
    static constexpr int kMaxLines = 10000;      // lines read from the files
    static constexpr int kMaxTopics = 1000;
    static constexpr int kMaxIncludes = 20;
    static constexpr int kMaxTextBytes = 127;    // keys, include names
    static constexpr int kSortKeyBytes = 25;
    static constexpr int kMaxLinksPerLine = 10;

    // The folder "f:" names are looked up in (a file-system path). Without it,
    // the folder of the main file is used.
    void SetIncludeFolder(std::string folder);

    // Reads the document at path with its includes, finds the topics, sorts the
    // three key orders and generates the index topic. Returns 0, or -1 after the
    // unreadable-file notice when the main file cannot be read.
    int Load(const std::string& path);

    // Selects the first topic (file order) whose first, second or third key equals
    // key byte for byte and returns the selection with its body. When no topic
    // matches, the previous selection stays and a copy of it is returned. A topic
    // without body beeps and yields an empty body.
    TopicSelection SelectTopic(std::string_view key);
    // Selects the topic with that index (file order) in the same way.
    TopicSelection SelectTopicAt(int topicIndex);
    const TopicSelection& Selection() const { return m_selection; }

    int GetTopicCount() const { return static_cast<int>(m_topics.size()); }
    int GetKeyCount(int kind) const;                        // kind 1, 2 or 3
    std::string GetSortedKey(int kind, int position) const; // 0 <= position < key count
    std::string GetKey1(int topicIndex) const;
    TopicRecord GetTopic(int topicIndex) const;

    // The first keys of other topics that occur in line, at most ten, in the
    // order found; a key never matches from the trail byte of a double-byte
    // character, matches inside longer matches are dropped, and currentKey (the
    // shown topic's key) is never a link.
    std::vector<TopicLink> FindLinks(std::string_view line, std::string_view currentKey) const;

    // The line table: the kept lines of the files, then the generated index lines.
    int GetLineCount() const { return static_cast<int>(m_lines.size()); }
    const std::string& GetLine(int line) const { return m_lines.at(static_cast<std::size_t>(line)); }
    // The generated index topic, or -1.
    int GetIndexTopic() const { return m_indexTopic; }

private:
    void Reset();
    // Appends the kept lines of the file at path; false when it cannot be read.
    bool ReadLines(const std::string& path, bool mainFile);
    void ReadInclude(const std::string& name);
    void ExpandTabs();
    void ScanTopics();
    void SortKeys(int kind);
    void GenerateIndex();
    const std::string& KeyOf(const TopicRecord& topic, int kind) const;
    int32_t& OrderOf(TopicRecord& topic, int kind);
    int32_t OrderOf(const TopicRecord& topic, int kind) const;

    std::string m_includeFolder;
    std::string m_mainFolder;
    std::vector<std::string> m_lines;
    std::vector<TopicRecord> m_topics;
    std::array<int32_t, 3> m_keyCounts{};
    std::vector<std::string> m_includes;      // names from "f:" lines, cp932
    std::array<int32_t, 5> m_indexCandidates{-1, -1, -1, -1, -1};  // per column count
    int32_t m_indexTopic = -1;
    TopicSelection m_selection;
    CNoticeWnd m_notice;
};
