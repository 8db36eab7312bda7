#include "platform/PrivateProfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <functional>
#include <vector>

#include "platform/Cp932.h"
#include "platform/FileRead.h"

namespace {

struct Line {
    std::size_t begin;  // offset of the line's first byte
    std::size_t end;    // offset just past its content (before CR LF / LF)
    std::size_t next;   // offset of the following line
};

// LF ends a line and a CR just before it belongs to the line end; any other CR stays
// in the line. A UTF-8 byte-order mark before the first line is not part of it.
std::vector<Line> SplitLines(const std::string& text) {
    std::vector<Line> lines;
    std::size_t pos = text.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    while (pos < text.size()) {
        std::size_t lf = text.find('\n', pos);
        std::size_t next = lf == std::string::npos ? text.size() : lf + 1;
        std::size_t end = lf == std::string::npos ? text.size() : lf;
        if (lf != std::string::npos && end > pos && text[end - 1] == '\r') --end;
        lines.push_back({pos, end, next});
        pos = next;
    }
    return lines;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// The section name of a "[name]" line, or nullopt for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    line.remove_prefix(1);
    std::size_t close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;  // "[name" is no header
    return Trim(line.substr(0, close));
}

struct Entry {
    std::string_view key;
    std::string_view value;
};

std::optional<Entry> KeyLine(std::string_view line) {
    std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    return Entry{Trim(line.substr(0, eq)), Trim(line.substr(eq + 1))};
}

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string_view NewlineOf(const std::string& text) {
    std::size_t lf = text.find('\n');
    if (lf != std::string::npos && (lf == 0 || text[lf - 1] != '\r')) return "\n";
    return "\r\n";
}

// Ends an unterminated last line. A CR at its end belongs to it, and an LF straight
// after would make that CR the line end, so it gets a CR LF of its own.
void EndLastLine(std::string& text, std::string_view newline) {
    if (text.empty() || text.back() == '\n') return;
    text += text.back() == '\r' ? std::string_view("\r\n") : newline;
}

std::string OneLine(std::string_view value) {
    std::string out(value);
    for (char& c : out)
        if (c == '\r' || c == '\n') c = ' ';
    return out;
}

}  // namespace

bool EqualNoCaseCp932(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    std::size_t i = 0;
    while (i < a.size()) {
        std::size_t len = cp932::CharLength(a, i);
        if (len == 1) {
            if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
        } else if (a.substr(i, len) != b.substr(i, len)) {
            return false;
        }
        i += len;
    }
    return true;
}

int ParseProfileInt(std::string_view value, int def) {
    value = Trim(value);
    if (value.empty()) return def;
    bool negative = false;
    if (value.front() == '-' || value.front() == '+') {
        negative = value.front() == '-';
        value.remove_prefix(1);
    }
    long long n = 0;
    for (char c : value) {
        if (c < '0' || c > '9') break;
        n = n * 10 + (c - '0');
        if (n > INT_MAX) break;  // saturate rather than overflow
    }
    if (n > INT_MAX) n = INT_MAX;
    return static_cast<int>(negative ? -n : n);
}

std::optional<std::string> CIniText::Find(std::string_view section, std::string_view key) const {
    std::optional<std::string> found;
    ForEachKey(section, [&](std::string_view name, std::string_view value) {
        if (!EqualNoCaseCp932(name, key)) return true;
        found = std::string(value);
        return false;
    });
    return found;
}

void CIniText::ForEachKey(std::string_view section,
                          const std::function<bool(std::string_view, std::string_view)>& visit) const {
    bool inSection = false;
    for (const Line& line : SplitLines(m_text)) {
        std::string_view text(m_text.data() + line.begin, line.end - line.begin);
        if (auto name = SectionName(text)) {
            if (inSection) return;  // only the first section of a name counts
            inSection = EqualNoCaseCp932(*name, section);
            continue;
        }
        if (!inSection) continue;
        if (auto entry = KeyLine(text); entry && !visit(entry->key, entry->value)) return;
    }
}

void CIniText::Set(std::string_view section, std::string_view key, std::string_view value) {
    const std::string newline(NewlineOf(m_text));
    const std::string cleanValue = OneLine(value);
    const std::vector<Line> lines = SplitLines(m_text);
    bool inSection = false;
    bool sectionFound = false;
    std::size_t insertAt = 0;  // just past the last non-blank line of the first match
    for (const Line& line : lines) {
        std::string_view text(m_text.data() + line.begin, line.end - line.begin);
        if (auto name = SectionName(text)) {
            if (sectionFound && inSection) break;  // the first matching section is done
            inSection = EqualNoCaseCp932(*name, section);
            if (inSection) {
                sectionFound = true;
                insertAt = line.next;
            }
            continue;
        }
        if (!inSection) continue;
        if (auto entry = KeyLine(text); entry && EqualNoCaseCp932(entry->key, key)) {
            std::string replacement(entry->key);
            replacement += '=';
            replacement += cleanValue;
            m_text.replace(line.begin, line.end - line.begin, replacement);
            return;
        }
        if (!Trim(text).empty()) insertAt = line.next;
    }
    std::string keyLine = std::string(key) + "=" + cleanValue + newline;
    if (sectionFound) {
        // The section's last line may lack its line break at the end of the file.
        if (insertAt == m_text.size()) {
            EndLastLine(m_text, newline);
            insertAt = m_text.size();
        }
        m_text.insert(insertAt, keyLine);
        return;
    }
    EndLastLine(m_text, newline);
    m_text += "[" + std::string(section) + "]" + newline + keyLine;
}

std::string CPrivateProfile::GetString(std::string_view section, std::string_view key,
                                       std::string_view def) const {
    std::optional<std::string> text = ReadWholeFile(m_path);
    if (!text) return std::string(def);
    std::optional<std::string> value = CIniText(std::move(*text)).Find(section, key);
    return value ? *value : std::string(def);
}

int CPrivateProfile::GetInt(std::string_view section, std::string_view key, int def) const {
    std::optional<std::string> text = ReadWholeFile(m_path);
    if (!text) return def;
    std::optional<std::string> value = CIniText(std::move(*text)).Find(section, key);
    return value ? ParseProfileInt(*value, def) : def;
}

bool CPrivateProfile::WriteString(std::string_view section, std::string_view key,
                                  std::string_view value) const {
    std::optional<std::string> text = ReadWholeFile(m_path);
    if (!text) {
        struct stat st {};
        if (::stat(m_path.c_str(), &st) == 0) return false;  // there but unreadable: keep it
        text.emplace();
    }
    CIniText ini(std::move(*text));
    ini.Set(section, key, value);
    return WriteFileReplacing(m_path, ini.Text());
}

bool CPrivateProfile::WriteInt(std::string_view section, std::string_view key, int value) const {
    return WriteString(section, key, std::to_string(value));
}
