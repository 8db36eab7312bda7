#include "haiku/HaikuTable.h"

#include "haiku/BuiltinHaiku.h"
#include "haiku/FieldText.h"

CHaikuTable::CHaikuTable() {
    m_records.reserve(kCapacity);
    for (int i = 0; i < kBuiltinHaikuCount; ++i) {
        const BuiltinHaiku& haiku = kBuiltinHaiku[i];
        AddHaiku(haiku.line1, haiku.line2, haiku.line3, haiku.year);
    }
}

bool CHaikuTable::AddHaiku(std::string_view line1, std::string_view line2,
                           std::string_view line3, int year) {
    if (GetCount() >= kCapacity) return false;
    HaikuRecord record;
    record.number = GetCount() + 1;
    record.year = year;
    record.line1 = FieldText(line1, HaikuRecord::kLineWidth);
    record.line2 = FieldText(line2, HaikuRecord::kLineWidth);
    record.line3 = FieldText(line3, HaikuRecord::kLineWidth);
    m_records.push_back(std::move(record));
    return true;
}

HaikuRecord CHaikuTable::GetHaiku(int index) const {
    if (index < 0 || index >= GetCount()) return {};
    return m_records[static_cast<std::size_t>(index)];
}

void CHaikuTable::SetCommentary(const CommentaryEntry& entry, int index) {
    if (index < 0 || index >= GetCount()) {
        m_notice.MessageBox("error");
        return;
    }
    HaikuRecord& record = m_records[static_cast<std::size_t>(index)];
    record.season = FieldText(entry.season, HaikuRecord::kSeasonWidth);
    record.kigo = FieldText(entry.kigo, HaikuRecord::kKigoWidth);
    record.source = FieldText(entry.source, HaikuRecord::kSourceWidth);
    record.reading1 = FieldText(entry.reading1, HaikuRecord::kReadingWidth);
    record.reading2 = FieldText(entry.reading2, HaikuRecord::kReadingWidth);
    record.reading3 = FieldText(entry.reading3, HaikuRecord::kReadingWidth);
    record.hasReading = true;
}
