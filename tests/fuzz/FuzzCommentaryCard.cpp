// Fuzz target: any bytes as tavelo.txt, read by the card's reader for a few
// sections. Every field fits its width, and a section added at the end of the
// file changes no earlier section (the reader stops at the end of the one asked for).
#include "FuzzSupport.h"
#include "haiku/CommentaryReader.h"

namespace {

bool SameEntry(const CommentaryEntry& a, const CommentaryEntry& b) {
    return a.preface == b.preface && a.reading1 == b.reading1 && a.reading2 == b.reading2 &&
           a.reading3 == b.reading3 && a.season == b.season && a.kigo == b.kigo &&
           a.source == b.source && a.interpretation == b.interpretation;
}

}  // namespace

void fuzz::Test(const std::string& bytes) {
    const int rowWidth = Byte(bytes, 0, 44) % 50;
    const int sections = CountSectionLines(bytes);
    const int indices[] = {-1, 0, 1, 2, Byte(bytes, bytes.size() - 1, 3) % 32, sections};
    CCommentaryReader reader(ScratchFolder());
    for (int index : indices) {
        WriteScratch("TxtData/tavelo.txt", bytes);
        FUZZ_CHECK(reader.ReadEntry("tavelo.txt", 0, index, rowWidth, nullptr) == 0);
        const CommentaryEntry entry = reader.GetEntry();
        FUZZ_CHECK(entry.preface.size() < CommentaryEntry::kPrefaceWidth);
        FUZZ_CHECK(entry.season.size() < CommentaryEntry::kSeasonWidth);
        FUZZ_CHECK(entry.kigo.size() < CommentaryEntry::kKigoWidth);
        FUZZ_CHECK(entry.source.size() < CommentaryEntry::kSourceWidth);
        for (const std::string* reading : {&entry.reading1, &entry.reading2, &entry.reading3})
            FUZZ_CHECK(reading->size() < CommentaryEntry::kReadingWidth);
        FUZZ_CHECK(entry.interpretation.size() < CommentaryEntry::kInterpretationWidth);
        if (index < 0 || index > sections) FUZZ_CHECK(SameEntry(entry, CommentaryEntry()));

        WriteScratch("TxtData/tavelo.txt", bytes + kExtraSection);
        FUZZ_CHECK(reader.ReadEntry("tavelo.txt", 0, index, rowWidth, nullptr) == 0);
        if (index != sections) FUZZ_CHECK(SameEntry(reader.GetEntry(), entry));
        else FUZZ_CHECK(reader.GetEntry().season == "s");
    }
}
