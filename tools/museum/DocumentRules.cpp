#include "DocumentRules.h"

#include <cstdlib>
#include <map>

#include "Museum.h"
#include "TextFile.h"
#include "platform/Cp932.h"

namespace museum {

void CheckDocument(const ScannedDocument& document, std::string_view file,
                   const std::string& initialKey, Findings& findings) {
    const std::string name(file);
    if (document.topics.size() > 1000)
        findings.Add(name, "document-size", std::to_string(document.topics.size()) +
                     " topics; the reader keeps the first 1000");
    if (document.includes > 20)
        findings.Add(name, "document-size", "more than 20 included files");
    if (document.lines.size() > 10000)
        findings.Add(name, "document-size", std::to_string(document.lines.size()) +
                     " lines; the reader keeps the first 10000");

    std::map<std::string, std::size_t> firstKeys;
    for (std::size_t t = 0; t < document.topics.size(); ++t) {
        const ScannedTopic& topic = document.topics[t];
        std::string where = WhereLine(document, topic.start);
        for (const std::string* key : {&topic.key1, &topic.key2, &topic.key3})
            if (key->size() > 127)
                findings.Add(where, "key-length", "a key longer than 127 bytes: " + *key);
        if (!topic.key1.empty()) {
            auto [it, added] = firstKeys.emplace(topic.key1, t);
            if (!added)
                findings.Add(where, "duplicate-key", "the first key " + topic.key1 +
                             " is also the key of the topic at " +
                             WhereLine(document, document.topics[it->second].start));
        }
        if (topic.indexColumns > 0) {
            std::size_t number = 0;
            for (const std::string& line : GenerateIndexLines(document, t, topic.indexColumns)) {
                ++number;
                if (line.size() > kBodyWidth)
                    findings.Add(where, "body-width", "generated index line " + std::to_string(number) +
                                 " has " + std::to_string(line.size()) + " bytes: " + line);
            }
            continue;  // the file's own body of an index topic is never shown
        }
        if (topic.body < 0) continue;
        for (auto i = static_cast<std::size_t>(topic.body); i < topic.end; ++i) {
            std::size_t width = document.lines[i].text.size() - (i == static_cast<std::size_t>(topic.body) ? 2 : 0);
            if (width > kBodyWidth)
                findings.Add(WhereLine(document, i), "body-width",
                             "a body line of " + std::to_string(width) + " bytes");
        }
    }

    if (initialKey.empty()) return;
    long opened = FindTopic(document, initialKey);
    if (opened < 0) {
        findings.Add(name, "initial-key", "no topic carries the key " + initialKey);
        return;
    }
    const ScannedTopic& topic = document.topics[static_cast<std::size_t>(opened)];
    if (topic.key1.empty())
        findings.Add(WhereLine(document, topic.start), "initial-key",
                     "the topic opened with " + initialKey + " has an empty first key");
    if (topic.body < 0 && topic.indexColumns == 0)
        findings.Add(WhereLine(document, topic.start), "initial-key",
                     "the topic opened with " + initialKey + " has no body");
}

namespace {

// The tip number of a header line (its last character is ':'), read as the
// program reads it: leading blanks and a sign, then digits; 0 if unreadable.
int HeaderNumber(const std::string& line) {
    return std::atoi(line.substr(0, line.size() - 1).c_str());
}

bool IsWholeNumber(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    if (i == text.size()) return false;
    for (; i < text.size(); ++i)
        if (text[i] < '0' || text[i] > '9') return false;
    return true;
}

}  // namespace

void CheckTips(std::string_view text, std::string_view file, Findings& findings) {
    std::vector<std::string> lines = SplitLines(text);
    int expected = 1;
    int tipLine = 0;           // the header line of the tip being read
    int textLines = 0;         // its text lines so far
    bool inTip = false;
    auto endTip = [&]() {
        if (inTip && textLines == 0)
            findings.Add(Where(file, tipLine), "tip-format", "the tip has no text");
    };
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        int number = static_cast<int>(i) + 1;
        std::string where = Where(file, number);
        if (!cp932::IsValidCp932(line)) findings.Add(where, "cp932", "the line is not valid cp932");
        if (line.size() > 253)
            findings.Add(where, "tip-format", "a line longer than 253 bytes is read in pieces");
        if (line.empty() || line.starts_with("//")) continue;
        if (line.back() == ':') {
            std::string head = line.substr(0, line.size() - 1);
            if (!IsWholeNumber(head)) {
                findings.Add(where, "tip-format",
                             "a text line ending in ':' is read as a tip header: " + line);
                continue;
            }
            endTip();
            int tip = HeaderNumber(line);
            if (tip != expected)
                findings.Add(where, "tip-number", "tip " + std::to_string(tip) + " where tip " +
                             std::to_string(expected) + " was due");
            expected = tip + 1;
            inTip = true;
            tipLine = number;
            textLines = 0;
            continue;
        }
        if (!inTip) {
            findings.Add(where, "tip-format", "text before the first tip header");
            continue;
        }
        ++textLines;
        if (textLines == 1) {
            if (line.size() > 28)
                findings.Add(where, "tip-title", "the title has " + std::to_string(line.size()) +
                             " bytes, more than 28: " + line);
        } else {
            if (line.size() > 65)
                findings.Add(where, "tip-body", "a body line of " + std::to_string(line.size()) +
                             " bytes, more than 65, is broken apart: " + line);
            if (textLines - 1 == 13)
                findings.Add(Where(file, tipLine), "tip-body",
                             "the tip has more than 12 body lines; the box shows 12");
        }
    }
    endTip();
    if (expected == 1) findings.Add(std::string(file), "tip-number", "the file holds no tip");
}

}  // namespace museum
