#include "reader/TopicDocument.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "platform/Cp932.h"
#include "reader/DocumentLines.h"

namespace {

constexpr std::string_view kTopicStart = "[*]";
constexpr std::string_view kKeyMarkers[3] = {"k1:", "k2:", "k3:"};
constexpr std::string_view kBodyMarker = "d:";
constexpr std::string_view kIndexMarkers[5] = {"l1:", "l2:", "l3:", "l4:", "l5:"};
constexpr std::string_view kIncludeMarker = "f:";
constexpr std::string_view kComment = "//";
// The sort key of an empty key: the character 黑 twice (cp932 IBM extension
// row), which sorts behind practically every real key.
constexpr std::string_view kEmptySortKey = "\xFC\x4B\xFC\x4B";
constexpr int kTabWidth = 4;
// Byte columns at which the keys of a generated index start, per column count.
constexpr int kIndexColumns[5][5] = {
    {0}, {0, 40}, {0, 30, 60}, {0, 20, 40, 60}, {0, 15, 30, 45, 60}};

unsigned char Fold(char c) {
    auto u = static_cast<unsigned char>(c);
    return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u - 'A' + 'a') : u;
}

// True when line begins with marker, ignoring ASCII case.
bool HasMarker(std::string_view line, std::string_view marker) {
    if (line.size() < marker.size()) return false;
    for (std::size_t i = 0; i < marker.size(); ++i)
        if (Fold(line[i]) != Fold(marker[i])) return false;
    return true;
}

std::string CutText(std::string_view text) {
    return std::string(cp932::CutAtCharBoundary(text, CTopicDocument::kMaxTextBytes));
}

// Byte-wise comparison after folding 'A'-'Z', unsigned, as the sort orders use it.
int CompareSortKeys(const std::string& a, const std::string& b) {
    std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        unsigned char x = Fold(a[i]);
        unsigned char y = Fold(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

// Quicksort of topic indices: middle element as pivot, two indices moving
// towards each other. Recursing into the smaller part keeps the stack shallow
// whatever the input. less(a, b) compares two topic indices.
template <typename Less>
void QuickSort(std::vector<int32_t>& order, std::ptrdiff_t lo, std::ptrdiff_t hi, Less less) {
    auto at = [&](std::ptrdiff_t i) -> int32_t& { return order[static_cast<std::size_t>(i)]; };
    while (lo < hi) {
        const int32_t pivot = at(lo + (hi - lo) / 2);
        std::ptrdiff_t i = lo;
        std::ptrdiff_t j = hi;
        while (i <= j) {
            while (less(at(i), pivot)) ++i;
            while (less(pivot, at(j))) --j;
            if (i <= j) std::swap(at(i++), at(j--));
        }
        if (j - lo < hi - i) {
            QuickSort(order, lo, j, less);
            lo = i;
        } else {
            QuickSort(order, i, hi, less);
            hi = j;
        }
    }
}

// An include name may only name a file inside the TxtData folder.
bool IsSafeIncludeName(std::string_view name) {
    if (name.empty() || name.find('\0') != std::string_view::npos) return false;
    if (name.front() == '/' || name.front() == '\\') return false;
    if (name.size() >= 2 && name[1] == ':') return false;  // a drive letter
    std::size_t start = 0;
    while (start <= name.size()) {
        std::size_t end = name.find_first_of("/\\", start);
        if (end == std::string_view::npos) end = name.size();
        if (name.substr(start, end - start) == "..") return false;
        start = end + 1;
    }
    return true;
}

std::string FolderOf(const std::string& path) {
    std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

}  // namespace

void CTopicDocument::SetIncludeFolder(std::string folder) { m_includeFolder = std::move(folder); }

void CTopicDocument::Reset() {
    m_lines.clear();
    m_topics.clear();
    m_keyCounts = {};
    m_includes.clear();
    m_indexCandidates = {-1, -1, -1, -1, -1};
    m_indexTopic = -1;
    m_selection = TopicSelection{};
}

int CTopicDocument::Load(const std::string& path) {
    Reset();
    if (!ReadLines(path, true)) {
        Reset();
        return ReportUnreadableFile(m_notice, path);
    }
    m_mainFolder = FolderOf(path);
    std::vector<std::string> includes = m_includes;
    for (const std::string& name : includes)
        if (!name.empty()) ReadInclude(name);
    ExpandTabs();
    ScanTopics();
    for (int kind = 1; kind <= 3; ++kind) SortKeys(kind);
    GenerateIndex();
    return 0;
}

bool CTopicDocument::ReadLines(const std::string& path, bool mainFile) {
    // Reading stops once the table is full, however long the file.
    if (m_lines.size() >= static_cast<std::size_t>(kMaxLines)) return true;
    document_lines::LineConverter toCp932;
    return document_lines::ForEachFileLine(path, [&](std::string_view bytes) {
        std::string_view line = toCp932(bytes);
        if (line.starts_with(kComment)) return true;
        if (mainFile && HasMarker(line, kIncludeMarker)) {
            if (m_includes.size() < static_cast<std::size_t>(kMaxIncludes))
                m_includes.emplace_back(line.substr(kIncludeMarker.size()));
            return true;
        }
        m_lines.emplace_back(line);
        return m_lines.size() < static_cast<std::size_t>(kMaxLines);
    });
}

void CTopicDocument::ReadInclude(const std::string& name) {
    const std::string& folder = m_includeFolder.empty() ? m_mainFolder : m_includeFolder;
    std::optional<std::string> fileName = cp932::ToUtf8(name);
    std::string shownPath = folder + "/" + (fileName ? *fileName : cp932::ToUtf8Lossy(name));
    if (name.size() > static_cast<std::size_t>(kMaxTextBytes) || !fileName ||
        !IsSafeIncludeName(*fileName)) {
        ReportUnreadableFile(m_notice, shownPath);
        return;
    }
    std::replace(fileName->begin(), fileName->end(), '\\', '/');
    if (!ReadLines(folder + "/" + *fileName, false)) ReportUnreadableFile(m_notice, shownPath);
}

void CTopicDocument::ExpandTabs() {
    for (std::string& line : m_lines) {
        if (line.find('\t') == std::string::npos) continue;
        std::string expanded;
        expanded.reserve(line.size() + kTabWidth * 4);
        for (char c : line) {
            if (c != '\t') {
                expanded += c;
                continue;
            }
            do expanded += ' ';
            while (expanded.size() % kTabWidth != 0);
        }
        line = std::move(expanded);
    }
}

void CTopicDocument::ScanTopics() {
    const std::size_t count = m_lines.size();
    std::size_t i = 0;
    while (i < count && m_lines[i] != kTopicStart) ++i;
    while (i < count && m_topics.size() < static_cast<std::size_t>(kMaxTopics)) {
        TopicRecord topic;
        topic.index = static_cast<int32_t>(m_topics.size());
        std::size_t j = i + 1;
        for (; j < count && m_lines[j] != kTopicStart; ++j) {
            std::string_view line = m_lines[j];
            bool isKey = false;
            for (int kind = 0; kind < 3 && !isKey; ++kind) {
                if (!HasMarker(line, kKeyMarkers[kind])) continue;
                std::string key = CutText(line.substr(kKeyMarkers[kind].size()));
                (kind == 0 ? topic.key1 : kind == 1 ? topic.key2 : topic.key3) = std::move(key);
                isKey = true;
            }
            if (isKey) continue;
            if (HasMarker(line, kBodyMarker)) {
                topic.bodyLine = static_cast<int32_t>(j);
                continue;
            }
            for (int columns = 0; columns < 5; ++columns) {
                if (HasMarker(line, kIndexMarkers[columns])) {
                    m_indexCandidates[static_cast<std::size_t>(columns)] = topic.index;
                    break;
                }
            }
        }
        m_topics.push_back(std::move(topic));
        i = j;
    }
}

const std::string& CTopicDocument::KeyOf(const TopicRecord& topic, int kind) const {
    return kind == 1 ? topic.key1 : kind == 2 ? topic.key2 : topic.key3;
}

int32_t& CTopicDocument::OrderOf(TopicRecord& topic, int kind) {
    return kind == 1 ? topic.order1 : kind == 2 ? topic.order2 : topic.order3;
}

int32_t CTopicDocument::OrderOf(const TopicRecord& topic, int kind) const {
    return kind == 1 ? topic.order1 : kind == 2 ? topic.order2 : topic.order3;
}

void CTopicDocument::SortKeys(int kind) {
    std::vector<std::string> sortKeys;
    sortKeys.reserve(m_topics.size());
    int32_t keyCount = 0;
    for (const TopicRecord& topic : m_topics) {
        const std::string& key = KeyOf(topic, kind);
        if (key.empty()) {
            sortKeys.emplace_back(kEmptySortKey);
        } else {
            // Only the first 25 bytes count, even if that halves a character.
            sortKeys.push_back(key.substr(0, kSortKeyBytes));
            ++keyCount;
        }
    }
    m_keyCounts[static_cast<std::size_t>(kind - 1)] = keyCount;
    // Empty keys go behind every real key, even one whose bytes sort behind the
    // sentinel (such as a stray 0xFD-0xFF byte), so the first keyCount positions
    // are always the topics that have a key.
    auto less = [&](int32_t a, int32_t b) {
        const std::size_t x = static_cast<std::size_t>(a);
        const std::size_t y = static_cast<std::size_t>(b);
        const bool emptyA = KeyOf(m_topics[x], kind).empty();
        const bool emptyB = KeyOf(m_topics[y], kind).empty();
        if (emptyA != emptyB) return emptyB;
        return CompareSortKeys(sortKeys[x], sortKeys[y]) < 0;
    };
    std::vector<int32_t> order(m_topics.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int32_t>(i);
    QuickSort(order, 0, static_cast<std::ptrdiff_t>(order.size()) - 1, less);
    for (std::size_t i = 0; i < order.size(); ++i) OrderOf(m_topics[i], kind) = order[i];
}

void CTopicDocument::GenerateIndex() {
    int columns = 0;
    for (int c = 1; c <= 5 && columns == 0; ++c)
        if (m_indexCandidates[static_cast<std::size_t>(c - 1)] >= 0) columns = c;
    if (columns == 0) return;
    m_indexTopic = m_indexCandidates[static_cast<std::size_t>(columns - 1)];
    TopicRecord& index = m_topics[static_cast<std::size_t>(m_indexTopic)];
    // The generated lines follow the loaded ones; the table grows by them so the
    // index is always complete.
    index.bodyLine = static_cast<int32_t>(m_lines.size());
    m_lines.emplace_back(kTopicStart);
    m_lines.emplace_back(kBodyMarker);
    const std::string ownKey = index.key1;
    const int* starts = kIndexColumns[columns - 1];
    std::string current;
    int column = 0;
    for (int position = 0; position < m_keyCounts[0]; ++position) {
        std::string key = GetSortedKey(1, position);
        if (key == ownKey) continue;
        if (columns == 1) {
            m_lines.push_back(std::move(key));
            continue;
        }
        current += key;
        if (column < columns - 1) {
            ++column;
            if (current.size() < static_cast<std::size_t>(starts[column]))
                current.resize(static_cast<std::size_t>(starts[column]), ' ');
        } else {
            m_lines.push_back(std::move(current));
            current.clear();
            column = 0;
        }
    }
    if (columns > 1) m_lines.push_back(std::move(current));
}

TopicSelection CTopicDocument::SelectTopic(std::string_view key) {
    auto chosen = std::find_if(m_topics.begin(), m_topics.end(), [&](const TopicRecord& t) {
        return t.key1 == key || t.key2 == key || t.key3 == key;
    });
    if (chosen == m_topics.end()) return m_selection;
    return SelectTopicAt(chosen->index);
}

TopicSelection CTopicDocument::SelectTopicAt(int topicIndex) {
    if (topicIndex < 0 || topicIndex >= GetTopicCount()) return m_selection;
    const TopicRecord* chosen = &m_topics[static_cast<std::size_t>(topicIndex)];
    m_selection.topic = *chosen;
    m_selection.body.clear();
    if (chosen->bodyLine < 0) {
        m_notice.Beep();
        return m_selection;
    }
    // The body starts at the topic's body marker, in either case.
    std::size_t start = static_cast<std::size_t>(chosen->bodyLine);
    while (start < m_lines.size() && !HasMarker(m_lines[start], kBodyMarker)) ++start;
    if (start >= m_lines.size()) {
        m_notice.Beep();
        return m_selection;
    }
    std::size_t end = start + 1;
    while (end < m_lines.size() && m_lines[end] != kTopicStart) ++end;
    m_selection.body.reserve(end - start);
    m_selection.body.push_back(m_lines[start].substr(kBodyMarker.size()));
    for (std::size_t i = start + 1; i < end; ++i) m_selection.body.push_back(m_lines[i]);
    return m_selection;
}

int CTopicDocument::GetKeyCount(int kind) const {
    if (kind < 1 || kind > 3) return 0;
    return m_keyCounts[static_cast<std::size_t>(kind - 1)];
}

std::string CTopicDocument::GetSortedKey(int kind, int position) const {
    if (kind < 1 || kind > 3 || position < 0 || position >= GetTopicCount()) return {};
    int32_t topic = OrderOf(m_topics[static_cast<std::size_t>(position)], kind);
    return KeyOf(m_topics[static_cast<std::size_t>(topic)], kind);
}

std::string CTopicDocument::GetKey1(int topicIndex) const {
    if (topicIndex < 0 || topicIndex >= GetTopicCount()) return {};
    return m_topics[static_cast<std::size_t>(topicIndex)].key1;
}

TopicRecord CTopicDocument::GetTopic(int topicIndex) const {
    if (topicIndex < 0 || topicIndex >= GetTopicCount()) return {};
    return m_topics[static_cast<std::size_t>(topicIndex)];
}

std::vector<TopicLink> CTopicDocument::FindLinks(std::string_view line,
                                                 std::string_view currentKey) const {
    std::vector<TopicLink> found;
    if (line.empty()) return found;
    std::vector<bool> charStart(line.size(), false);
    for (std::size_t i = 0; i < line.size(); i += cp932::CharLength(line, i)) charStart[i] = true;

    for (int position = m_keyCounts[0] - 1; position >= 0; --position) {
        if (found.size() >= static_cast<std::size_t>(kMaxLinksPerLine)) break;
        // The key in place: a copy per key and line cost more than the search.
        const TopicRecord& sorted = m_topics[static_cast<std::size_t>(position)];
        const std::string& key = m_topics[static_cast<std::size_t>(sorted.order1)].key1;
        if (key.empty()) continue;
        std::size_t from = 0;
        while (found.size() < static_cast<std::size_t>(kMaxLinksPerLine)) {
            std::size_t at = line.find(key, from);
            while (at != std::string_view::npos && !charStart[at]) at = line.find(key, at + 1);
            if (at == std::string_view::npos) break;
            std::size_t end = at + key.size();
            found.push_back({key, static_cast<int32_t>(at), static_cast<int32_t>(end)});
            if (end >= line.size()) break;
            from = end;
        }
    }

    auto containedInLonger = [&](const TopicLink& link) {
        return std::any_of(found.begin(), found.end(), [&](const TopicLink& other) {
            return other.start <= link.start && other.end >= link.end &&
                   other.end - other.start > link.end - link.start;
        });
    };
    std::vector<TopicLink> links;
    for (const TopicLink& link : found)
        if (!containedInLonger(link) && link.key != currentKey) links.push_back(link);
    return links;
}
