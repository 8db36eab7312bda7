// Catches the notices the program's loaders show while the checker uses them, so
// a notice becomes a finding instead of a message box.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/NoticeWnd.h"

namespace museum {

class CollectingNoticeSink final : public NoticeSink {
public:
    CollectingNoticeSink() : m_previous(SetNoticeSink(this)) {}
    ~CollectingNoticeSink() override { SetNoticeSink(m_previous); }
    CollectingNoticeSink(const CollectingNoticeSink&) = delete;
    CollectingNoticeSink& operator=(const CollectingNoticeSink&) = delete;

    void MessageBox(std::string_view text) override { messages.emplace_back(text); }
    void Beep() override { ++beeps; }

    std::vector<std::string> messages;  // cp932
    int beeps = 0;

private:
    NoticeSink* m_previous;
};

}  // namespace museum
