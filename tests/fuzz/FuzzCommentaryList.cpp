// Fuzz target: any bytes as tavelo.txt, read by the list view's reader into a
// table of a length the input chooses. Every "[*]" line fills the next record
// until the table is full, every field fits its width, and a section added at
// the end of the file changes no earlier record.
#include <vector>

#include "FuzzSupport.h"
#include "haiku/CommentaryReader.h"
#include "haiku/HaikuTable.h"

namespace {

std::vector<HaikuRecord> LoadTable(const std::string& bytes, int count, int rowWidth) {
    fuzz::WriteScratch("TxtData/tavelo.txt", bytes);
    CHaikuTable table;
    while (table.GetCount() < count) table.AddHaiku("a", "b", "c", 1890);
    CCommentaryReader reader(fuzz::ScratchFolder());
    FUZZ_CHECK(reader.LoadAll("tavelo.txt", 0, rowWidth, table, count) == 0);
    std::vector<HaikuRecord> records;
    for (int i = 0; i < count; ++i) records.push_back(table.GetHaiku(i));
    return records;
}

bool SameCommentary(const HaikuRecord& a, const HaikuRecord& b) {
    return a.hasReading == b.hasReading && a.reading1 == b.reading1 && a.reading2 == b.reading2 &&
           a.reading3 == b.reading3 && a.season == b.season && a.kigo == b.kigo &&
           a.source == b.source;
}

}  // namespace

void fuzz::Test(const std::string& bytes) {
    const int count = 1 + Byte(bytes, 0, 0) % 40;
    const int rowWidth = Byte(bytes, 1, 44) % 50;
    const int sections = CountSectionLines(bytes);
    const std::vector<HaikuRecord> records = LoadTable(bytes, count, rowWidth);
    const std::vector<HaikuRecord> extended = LoadTable(bytes + kExtraSection, count, rowWidth);
    for (int i = 0; i < count; ++i) {
        const HaikuRecord& record = records[static_cast<std::size_t>(i)];
        const HaikuRecord& after = extended[static_cast<std::size_t>(i)];
        FUZZ_CHECK(record.hasReading == (i < sections));
        FUZZ_CHECK(record.season.size() < HaikuRecord::kSeasonWidth);
        FUZZ_CHECK(record.kigo.size() < HaikuRecord::kKigoWidth);
        FUZZ_CHECK(record.source.size() < HaikuRecord::kSourceWidth);
        for (const std::string* reading : {&record.reading1, &record.reading2, &record.reading3})
            FUZZ_CHECK(reading->size() < HaikuRecord::kReadingWidth);
        if (i != sections) FUZZ_CHECK(SameCommentary(after, record));
        else FUZZ_CHECK(after.season == "s");
    }
}
