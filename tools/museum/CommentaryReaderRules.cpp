#include "CommentaryReaderRules.h"

#include "CollectingNoticeSink.h"
#include "CommentaryFile.h"
#include "Kana.h"
#include "LineWrap.h"
#include "Museum.h"
#include "haiku/CommentaryReader.h"
#include "haiku/HaikuTable.h"

namespace museum {
namespace {

constexpr std::size_t kCardSample = 20;  // every 20th haiku, and the last

std::string HaikuWhere(std::size_t i, const char* reader) {
    return std::string("tavelo.txt (haiku ") + std::to_string(i + 1) + ", " + reader + ")";
}

}  // namespace

void CheckWithCommentaryReader(const std::string& museumDir, const std::vector<Haiku>& sources,
                               Findings& findings) {
    CollectingNoticeSink sink;
    CHaikuTable table;
    CCommentaryReader bulk(museumDir);
    int count = table.GetCount();
    if (bulk.LoadAll("tavelo.txt", 0, static_cast<int>(kInterpretationRow), table, count) != 0) {
        findings.Add("tavelo.txt", "commentary-reader", "the commentary reader cannot read the file");
        return;
    }
    std::size_t n = std::min(sources.size(), static_cast<std::size_t>(count));
    for (std::size_t i = 0; i < n; ++i) {
        const Haiku& s = sources[i];
        HaikuRecord r = table.GetHaiku(static_cast<int>(i));
        std::vector<std::string> parts = SplitReading(s.reading);
        parts.resize(3);
        if (r.season != s.season || r.kigo != s.kigo || r.source != s.source ||
            r.reading1 != parts[0] || r.reading2 != parts[1] || r.reading3 != parts[2])
            findings.Add(HaikuWhere(i, "list view"), "commentary-reader",
                         "the list view reads another reading, season, season word or source than " +
                             s.file + ":" + std::to_string(s.line) + " gives");

        // The card reader reads the whole file for every haiku, so it is asked for
        // a sample; the rules of the file's lines cover the rest.
        if (i % kCardSample != 0 && i + 1 != n) continue;
        CCommentaryReader card(museumDir);
        card.ReadEntry("tavelo.txt", 0, static_cast<int>(i), static_cast<int>(kInterpretationRow), &table);
        CommentaryEntry e = card.GetEntry();
        std::string rows = PaddedInterpretation(WrapRows(s.interpretation, kInterpretationRow),
                                                kInterpretationRow);
        if (e.preface != s.preface || e.season != s.season || e.kigo != s.kigo ||
            e.source != s.source || e.reading1 != parts[0] || e.reading2 != parts[1] ||
            e.reading3 != parts[2] || e.interpretation != rows)
            findings.Add(HaikuWhere(i, "card"), "commentary-reader",
                         "the card reads other fields than " + s.file + ":" + std::to_string(s.line) +
                             " gives");
    }
    for (const std::string& message : sink.messages)
        findings.Add("tavelo.txt", "loader-notice", "reading shows the notice: " + message);
}

}  // namespace museum
