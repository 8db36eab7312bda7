// Rules for the reading matter: the topic documents and the tips file.
#pragma once

#include <string>
#include <string_view>

#include "Findings.h"
#include "TopicScan.h"

namespace museum {

// The document fits the loader's tables (lines, topics, includes, key lengths),
// every body line (generated index lines too) is at most 76 bytes, no first key
// repeats, and the topic a command opens with initialKey exists with a
// non-empty first key and a body. An empty initialKey skips that rule.
void CheckDocument(const ScannedDocument& document, std::string_view file,
                   const std::string& initialKey, Findings& findings);

// onepoint.txt: tips numbered 1, 2, 3 ... in order; each has a title of at most
// 28 bytes as its first text line, then at most 12 body lines of at most 65
// bytes; no text line is mistaken for a header.
void CheckTips(std::string_view text, std::string_view file, Findings& findings);

}  // namespace museum
