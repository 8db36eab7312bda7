#include "reader/ReaderHistory.h"

#include <algorithm>

void CReaderHistory::Start(int32_t topic) {
    m_entries.fill(Entry{});
    m_entries[0] = Entry{topic, 0};
    m_count = 1;
}

void CReaderHistory::Jump(int32_t topic) {
    if (m_count == kCapacity) {
        std::shift_left(m_entries.begin(), m_entries.end(), 1);
        --m_count;
    }
    m_entries[static_cast<std::size_t>(m_count)] = Entry{topic, 0};
    ++m_count;
    std::fill(m_entries.begin() + m_count, m_entries.end(), Entry{});
}

void CReaderHistory::Back() {
    if (m_count >= 2) --m_count;
}

void CReaderHistory::Forward() {
    if (CanGoForward()) ++m_count;
}
