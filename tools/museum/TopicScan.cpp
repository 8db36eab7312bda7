#include "TopicScan.h"

#include <algorithm>

#include "TextFile.h"
#include "platform/Cp932.h"

namespace museum {
namespace {

bool HasMarker(std::string_view line, std::string_view marker) {
    if (line.size() < marker.size()) return false;
    for (std::size_t i = 0; i < marker.size(); ++i) {
        char c = line[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != marker[i]) return false;
    }
    return true;
}

std::string ExpandTabs(const std::string& line) {
    if (line.find('\t') == std::string::npos) return line;
    std::string out;
    for (char c : line) {
        if (c == '\t') out.append(4 - out.size() % 4, ' ');
        else out += c;
    }
    return out;
}

void AppendLines(const std::string& text, const std::string& file, bool mainFile,
                 std::vector<std::string>& includes, ScannedDocument& document, Findings& findings) {
    int number = 0;
    for (const std::string& line : SplitLines(text)) {
        ++number;
        if (!cp932::IsValidCp932(line))
            findings.Add(Where(file, number), "cp932", "the line is not valid cp932");
        if (line.starts_with("//")) continue;
        if (mainFile && HasMarker(line, "f:")) {
            includes.push_back(line.substr(2));
            continue;
        }
        document.lines.push_back({ExpandTabs(line), file, number});
    }
}

std::string FoldedSortKey(const std::string& key) {
    if (key.empty()) return "\xFC\x4B\xFC\x4B";
    std::string folded = key.substr(0, 25);
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return folded;
}

}  // namespace

ScannedDocument ScanDocumentText(const std::string& text, const std::string& folder,
                                 const std::string& file, Findings& findings) {
    ScannedDocument document;
    std::vector<std::string> includes;
    AppendLines(text, file, true, includes, document, findings);
    document.includes = static_cast<int>(includes.size());
    for (const std::string& include : includes) {
        auto name = cp932::ToUtf8(include);
        auto included = name ? ReadWholeFile(folder + "/" + *name) : std::nullopt;
        if (!included) {
            findings.Add(file, "include", "the included file " + include + " cannot be read");
            continue;
        }
        std::vector<std::string> nested;
        AppendLines(*included, *name, false, nested, document, findings);
    }

    for (std::size_t i = 0; i < document.lines.size(); ++i) {
        if (document.lines[i].text != "[*]") continue;
        if (!document.topics.empty()) document.topics.back().end = i;
        ScannedTopic topic;
        topic.start = i;
        topic.end = document.lines.size();
        document.topics.push_back(topic);
    }
    for (ScannedTopic& topic : document.topics) {
        for (std::size_t i = topic.start + 1; i < topic.end; ++i) {
            const std::string& line = document.lines[i].text;
            if (HasMarker(line, "k1:")) topic.key1 = line.substr(3);
            else if (HasMarker(line, "k2:")) topic.key2 = line.substr(3);
            else if (HasMarker(line, "k3:")) topic.key3 = line.substr(3);
            else if (HasMarker(line, "d:")) topic.body = static_cast<long>(i);
            else if (line.size() >= 3 && (line[0] == 'l' || line[0] == 'L') && line[1] >= '1' &&
                     line[1] <= '5' && line[2] == ':')
                topic.indexColumns = line[1] - '0';
        }
    }
    return document;
}

ScannedDocument ScanDocument(const std::string& folder, const std::string& file, Findings& findings) {
    auto text = ReadWholeFile(folder + "/" + file);
    if (!text) {
        findings.Add(file, "unreadable", "the document cannot be read");
        return {};
    }
    return ScanDocumentText(*text, folder, file, findings);
}

std::vector<std::string> GenerateIndexLines(const ScannedDocument& document, std::size_t indexTopic,
                                            int columns) {
    static constexpr std::size_t kStarts[5][5] = {
        {0}, {0, 40}, {0, 30, 60}, {0, 20, 40, 60}, {0, 15, 30, 45, 60}};
    std::vector<std::string> keys;
    for (const ScannedTopic& topic : document.topics)
        if (!topic.key1.empty()) keys.push_back(topic.key1);
    std::stable_sort(keys.begin(), keys.end(), [](const std::string& a, const std::string& b) {
        std::string ka = FoldedSortKey(a), kb = FoldedSortKey(b);
        return std::lexicographical_compare(ka.begin(), ka.end(), kb.begin(), kb.end(),
            [](char x, char y) { return static_cast<unsigned char>(x) < static_cast<unsigned char>(y); });
    });
    const std::string& own = document.topics[indexTopic].key1;
    std::vector<std::string> lines{"d:"};
    std::string current;
    int column = 0;
    for (const std::string& key : keys) {
        if (key == own) continue;
        if (columns <= 1) {
            lines.push_back(key);
            continue;
        }
        current += key;
        if (++column == columns) {
            lines.push_back(current);
            current.clear();
            column = 0;
        } else if (current.size() < kStarts[columns - 1][column]) {
            current.resize(kStarts[columns - 1][column], ' ');
        }
    }
    if (columns > 1) lines.push_back(current);
    return lines;
}

long FindTopic(const ScannedDocument& document, const std::string& key) {
    for (std::size_t i = 0; i < document.topics.size(); ++i) {
        const ScannedTopic& t = document.topics[i];
        if (t.key1 == key || t.key2 == key || t.key3 == key) return static_cast<long>(i);
    }
    return -1;
}

std::string WhereLine(const ScannedDocument& document, std::size_t line) {
    if (line >= document.lines.size()) return "?";
    return Where(document.lines[line].file, document.lines[line].line);
}

}  // namespace museum
