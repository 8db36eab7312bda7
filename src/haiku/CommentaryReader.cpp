#include "haiku/CommentaryReader.h"

#include <array>

#include "haiku/FieldText.h"
#include "haiku/HaikuTable.h"
#include "platform/TextLines.h"

namespace {

constexpr std::array<std::string_view, 6> kMarkers = {"1:", "2:", "3:", "4:", "5:", "6:"};

bool IsComment(std::string_view line) {
    return line.size() >= 2 && line[0] == '/' && line[1] == '/';
}

bool IsSectionLine(std::string_view line) { return line == "[*]"; }

bool IsBracketLine(std::string_view line) {
    return line.starts_with('[') && line.ends_with(']');
}

// Splits "2:" into three parts at the first two half-width spaces.
// A later "2:" line replaces all three parts.
void SetReading(CommentaryEntry& entry, std::string_view value) {
    entry.reading1.clear();
    entry.reading2.clear();
    entry.reading3.clear();
    std::size_t first = value.find(' ');
    if (first == std::string_view::npos) {
        SetFieldText(entry.reading1, value, CommentaryEntry::kReadingWidth);
        return;
    }
    SetFieldText(entry.reading1, value.substr(0, first), CommentaryEntry::kReadingWidth);
    std::string_view rest = value.substr(first + 1);
    std::size_t second = rest.find(' ');
    if (second == std::string_view::npos) {
        SetFieldText(entry.reading2, rest, CommentaryEntry::kReadingWidth);
        return;
    }
    SetFieldText(entry.reading2, rest.substr(0, second), CommentaryEntry::kReadingWidth);
    SetFieldText(entry.reading3, rest.substr(second + 1), CommentaryEntry::kReadingWidth);
}

// Sets field 1-5 from its value.
void SetField(CommentaryEntry& entry, int marker, std::string_view value) {
    switch (marker) {
        case 1: SetFieldText(entry.preface, value, CommentaryEntry::kPrefaceWidth); break;
        case 2: SetReading(entry, value); break;
        case 3: SetFieldText(entry.season, value, CommentaryEntry::kSeasonWidth); break;
        case 4: SetFieldText(entry.kigo, value, CommentaryEntry::kKigoWidth); break;
        case 5: SetFieldText(entry.source, value, CommentaryEntry::kSourceWidth); break;
        default: break;
    }
}

// The marker (1-6) a line begins with, or 0. Asked of every line of the file, so
// the two bytes are compared directly.
int LeadingMarker(std::string_view line) {
    if (line.size() < 2 || line[1] != ':' || line[0] < '1' || line[0] > '6') return 0;
    return line[0] - '0';
}

// The first marker, in the order 1-6, found anywhere in the line, with its
// position; 0 when the line holds none.
int MarkerAnywhere(std::string_view line, std::size_t& position) {
    for (std::size_t i = 0; i < kMarkers.size(); ++i) {
        position = line.find(kMarkers[i]);
        if (position != std::string_view::npos) return static_cast<int>(i) + 1;
    }
    return 0;
}

}  // namespace

CCommentaryReader::CCommentaryReader(std::string workDir) : m_workDir(std::move(workDir)) {}

std::string CCommentaryReader::PathOf(std::string_view fileName) const {
    return m_workDir + "/TxtData/" + std::string(fileName);
}

void CCommentaryReader::AppendRow(std::string& interpretation, std::string_view line,
                                  int rowWidth) {
    std::string row(line);
    if (rowWidth > 0) {
        std::size_t width = static_cast<std::size_t>(rowWidth);
        std::size_t rest = row.size() % width;
        if (rest != 0) row.append(width - rest, ' ');
    }
    std::size_t room = CommentaryEntry::kInterpretationWidth - 1;
    if (interpretation.size() >= room) return;
    interpretation += cp932::CutAtCharBoundary(row, room - interpretation.size());
}

int CCommentaryReader::LoadAll(std::string_view fileName, int /*mode*/, int /*rowWidth*/,
                               CHaikuTable& table, int maxCount) {
    std::string path = PathOf(fileName);
    // Sections one line at a time; reading ends with the last section that is stored.
    int stored = 0;
    bool inSection = false;
    CommentaryEntry entry;
    auto store = [&] {
        table.SetCommentary(entry, stored++);
        inSection = false;
        return stored < maxCount;
    };
    bool read = text_lines::ForEachFileLine(path, [&](std::string_view line) {
        if (stored >= maxCount) return false;
        if (inSection) {
            if (line.empty() || IsBracketLine(line)) {
                if (!store()) return false;  // and the line may start the next section
            } else if (line.size() == 1 || IsComment(line)) {
                return true;
            } else if (int marker = LeadingMarker(line); marker == 6) {
                return store();  // the list shows no interpretation
            } else {
                if (marker != 0) SetField(entry, marker, line.substr(2));
                return true;
            }
        }
        if (IsSectionLine(line)) {
            entry.Clear();
            inSection = true;
        }
        return true;
    });
    if (!read) return ReportUnreadableFile(m_notice, path);
    if (inSection) store();
    return 0;
}

int CCommentaryReader::ReadEntry(std::string_view fileName, int /*mode*/, int index,
                                 int rowWidth, CHaikuTable* /*table*/) {
    m_fileName = std::string(fileName);
    m_index = index;
    m_entry = CommentaryEntry();
    std::string path = PathOf(fileName);
    // Reads up to the end of the section asked for and no further; the sections
    // before it are passed over by their "[*]" lines alone.
    bool inInterpretation = false;
    bool read = text_lines::ForEachFileLineAfter(path, "[*]", index, [&](std::string_view line) {
        if (IsComment(line)) return true;
        if (line.starts_with('[') && (line.ends_with(']') || line.starts_with("[*]"))) return false;
        std::size_t position = 0;
        int marker = MarkerAnywhere(line, position);
        if (inInterpretation) {
            if (marker != 0) return false;
            AppendRow(m_entry.interpretation, line, rowWidth);
            return true;
        }
        if (marker == 6) {
            // The interpretation is the text after the line's first two bytes.
            AppendRow(m_entry.interpretation, line.size() >= 2 ? line.substr(2) : "", rowWidth);
            inInterpretation = true;
        } else if (marker != 0) {
            SetField(m_entry, marker, line.substr(position + 2));
        }
        return true;
    });
    if (!read) return ReportUnreadableFile(m_notice, path);
    return 0;
}
