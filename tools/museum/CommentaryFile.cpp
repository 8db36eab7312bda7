#include "CommentaryFile.h"

#include "TextFile.h"

namespace museum {
namespace {

bool IsBracketLine(const std::string& line) {
    return !line.empty() && line.front() == '[' && line.back() == ']';
}

// The first of the markers "1:" .. "6:" found anywhere in the line, as the
// card reader looks for them; 0 when there is none.
int MarkerAnywhere(std::string_view line) {
    for (char digit = '1'; digit <= '6'; ++digit)
        if (line.find(std::string{digit, ':'}) != std::string_view::npos) return digit - '0';
    return 0;
}

int MarkerAtStart(std::string_view line) {
    if (line.size() >= 2 && line[0] >= '1' && line[0] <= '6' && line[1] == ':') return line[0] - '0';
    return 0;
}

}  // namespace

std::string PaddedInterpretation(const std::vector<std::string>& rows, std::size_t rowWidth) {
    std::string text;
    for (const std::string& row : rows) {
        text += row;
        std::size_t rest = row.size() % rowWidth;
        if (rest != 0) text.append(rowWidth - rest, ' ');
    }
    return text;
}

std::vector<CommentarySection> ParseCommentary(std::string_view text, std::string_view file,
                                               Findings& findings) {
    std::vector<CommentarySection> sections;
    std::vector<std::string> lines = SplitLines(text);
    auto fault = [&](std::size_t index, const std::string& message) {
        findings.Add(Where(file, static_cast<int>(index) + 1), "commentary-format", message);
    };
    CommentarySection* current = nullptr;
    bool inRows = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.size() > 254) fault(i, "a line longer than 254 bytes is cut by the card reader");
        if (line.starts_with("//")) continue;
        if (line == "[*]") {
            sections.emplace_back();
            current = &sections.back();
            current->line = static_cast<int>(i) + 1;
            inRows = false;
            continue;
        }
        if (line.empty() || IsBracketLine(line)) {
            if (IsBracketLine(line)) fault(i, "a bracket line that is not \"[*]\"");
            current = nullptr;
            inRows = false;
            continue;
        }
        if (!current) {
            fault(i, "a line outside every section");
            continue;
        }
        if (inRows) {
            if (MarkerAnywhere(line) != 0)
                fault(i, "an interpretation row holds a field marker; the card reader stops there");
            if (line.size() == 1)
                fault(i, "an interpretation row of one byte");
            current->rows.push_back(line);
            continue;
        }
        int marker = MarkerAtStart(line);
        if (marker == 0) {
            fault(i, "a line in a section that is no field");
            continue;
        }
        if (MarkerAnywhere(line) != marker)
            fault(i, "the value holds another field marker; the card reader takes the wrong field");
        std::string value = line.substr(2);
        switch (marker) {
        case 1: current->preface = value; break;
        case 2: current->reading = value; current->hasReading = true; break;
        case 3: current->season = value; current->hasSeason = true; break;
        case 4: current->kigo = value; current->hasKigo = true; break;
        case 5: current->source = value; current->hasSource = true; break;
        case 6:
            current->hasInterpretation = true;
            current->rows.push_back(value);
            inRows = true;
            break;
        }
    }
    for (const CommentarySection& s : sections) {
        if (!(s.hasReading && s.hasSeason && s.hasKigo && s.hasSource && s.hasInterpretation))
            findings.Add(Where(file, s.line), "commentary-format",
                         "the section lacks one of the fields 2: to 6:");
    }
    return sections;
}

}  // namespace museum
