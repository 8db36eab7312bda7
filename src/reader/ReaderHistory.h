// The reader's back/forward history: visited topics with the top line each was
// left at, oldest first.
#pragma once

#include <array>
#include <cstdint>

class CReaderHistory {
public:
    static constexpr int kCapacity = 100;

    struct Entry {
        int32_t topic = -1;   // -1: empty
        int32_t topLine = 0;
    };

    // Starts again with one entry, the topic shown first, at line 0.
    void Start(int32_t topic);
    // A new jump: the topic becomes the current entry at line 0 and the forward
    // history is discarded. A full history drops its oldest entry.
    void Jump(int32_t topic);
    // Steps back or forward; the entry stepped to keeps its topic and its saved
    // top line.
    void Back();
    void Forward();

    bool CanGoBack() const { return m_count >= 2; }
    bool CanGoForward() const { return m_count < kCapacity && m_entries[static_cast<std::size_t>(m_count)].topic != -1; }

    int Count() const { return m_count; }
    int32_t Topic() const { return m_entries[static_cast<std::size_t>(m_count - 1)].topic; }
    const Entry& EntryAt(int i) const { return m_entries[static_cast<std::size_t>(i)]; }
    // The shown entry's top line, kept up to date while the pane scrolls.
    int32_t& TopLine() { return m_entries[static_cast<std::size_t>(m_count - 1)].topLine; }
    int32_t TopLine() const { return m_entries[static_cast<std::size_t>(m_count - 1)].topLine; }

private:
    std::array<Entry, kCapacity> m_entries{};
    int m_count = 1;
};
