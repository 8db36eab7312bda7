// A topic document as the checker sees it: the kept lines with the file and
// line each came from, and the topics with their keys, body and index mark. It
// follows the document format (comments, "f:" includes from the same folder,
// tab expansion, markers that ignore ASCII case) without the program's table
// limits, so the checker can say when a document outgrows them.
#pragma once

#include <string>
#include <vector>

#include "Findings.h"

namespace museum {

struct ScannedLine {
    std::string text;  // cp932, tabs expanded
    std::string file;
    int line = 0;
};

struct ScannedTopic {
    std::size_t start = 0;      // the "[*]" line
    std::size_t end = 0;        // one past its last line
    std::string key1, key2, key3;
    long body = -1;             // the (last) "d:" line, or -1
    int indexColumns = 0;       // 1 to 5 when an "l" mark stands in the topic
};

struct ScannedDocument {
    std::vector<ScannedLine> lines;
    std::vector<ScannedTopic> topics;
    int includes = 0;
};

// Reads folder/file and its includes. An unreadable file or include, and bytes
// that are not cp932, are findings.
ScannedDocument ScanDocument(const std::string& folder, const std::string& file, Findings& findings);
ScannedDocument ScanDocumentText(const std::string& text, const std::string& folder,
                                 const std::string& file, Findings& findings);

// The lines the loader generates for an index topic in the given columns from
// the first keys (in the loader's sort order; the index topic's own key left out).
std::vector<std::string> GenerateIndexLines(const ScannedDocument& document, std::size_t indexTopic,
                                            int columns);

// The topic a reader command opens: the first topic carrying the key as any of
// its three keys, or -1.
long FindTopic(const ScannedDocument& document, const std::string& key);

// Where a line stands, for messages.
std::string WhereLine(const ScannedDocument& document, std::size_t line);

}  // namespace museum
