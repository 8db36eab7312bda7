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
    SetFieldText(record.line1, line1, HaikuRecord::kLineWidth);
    SetFieldText(record.line2, line2, HaikuRecord::kLineWidth);
    SetFieldText(record.line3, line3, HaikuRecord::kLineWidth);
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
    SetFieldText(record.season, entry.season, HaikuRecord::kSeasonWidth);
    SetFieldText(record.kigo, entry.kigo, HaikuRecord::kKigoWidth);
    SetFieldText(record.source, entry.source, HaikuRecord::kSourceWidth);
    SetFieldText(record.reading1, entry.reading1, HaikuRecord::kReadingWidth);
    SetFieldText(record.reading2, entry.reading2, HaikuRecord::kReadingWidth);
    SetFieldText(record.reading3, entry.reading3, HaikuRecord::kReadingWidth);
    record.hasReading = true;
}
