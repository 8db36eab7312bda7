// Fuzz target: any bytes as tavelo.txt, read by the card's reader for a few
// sections. Every field fits its width, and a section added at the end of the
// file changes no earlier section (the reader stops at the end of the one asked for).
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "haiku/CommentaryReader.h"

namespace {

bool SameEntry(const CommentaryEntry& a, const CommentaryEntry& b) {
    return a.preface == b.preface && a.reading1 == b.reading1 && a.reading2 == b.reading2 &&
           a.reading3 == b.reading3 && a.season == b.season && a.kigo == b.kigo &&
           a.source == b.source && a.interpretation == b.interpretation;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static fuzz::QuietSink sink;
    SetNoticeSink(&sink);
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const int rowWidth = size ? data[0] % 50 : 44;
    const int sections = fuzz::CountSectionLines(bytes);
    const int indices[] = {-1, 0, 1, 2, size ? data[size - 1] % 32 : 3, sections};
    CCommentaryReader reader(fuzz::ScratchFolder());
    for (int index : indices) {
        fuzz::WriteScratch("TxtData/tavelo.txt", bytes);
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

        fuzz::WriteScratch("TxtData/tavelo.txt", bytes + fuzz::kExtraSection);
        FUZZ_CHECK(reader.ReadEntry("tavelo.txt", 0, index, rowWidth, nullptr) == 0);
        if (index != sections) FUZZ_CHECK(SameEntry(reader.GetEntry(), entry));
        else FUZZ_CHECK(reader.GetEntry().season == "s");
    }
    return 0;
}
