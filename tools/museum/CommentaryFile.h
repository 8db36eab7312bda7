// Reading tavelo.txt back for the checker: the sections with the line each
// field stands on, strictly, so that anything the program's two commentary
// readers would take differently is a finding.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "Findings.h"

namespace museum {

struct CommentarySection {
    int line = 0;  // the "[*]" line, 1-based
    std::string preface, reading, season, kigo, source;
    std::vector<std::string> rows;  // the "6:" value and its continuation lines
    bool hasReading = false, hasSeason = false, hasKigo = false, hasSource = false,
         hasInterpretation = false;
};

// The interpretation as the program lays it out: each row padded with spaces to
// the next multiple of the row width.
std::string PaddedInterpretation(const std::vector<std::string>& rows, std::size_t rowWidth);

// Parses the file's text (cp932). Structural faults go to findings under the
// rule "commentary-format".
std::vector<CommentarySection> ParseCommentary(std::string_view text, std::string_view file,
                                               Findings& findings);

}  // namespace museum
