// A notice sink for tests: records every message box (as UTF-8) and beep, and
// restores the previous sink when it goes out of scope.
#pragma once

#include <string>
#include <vector>

#include "platform/Cp932.h"
#include "platform/NoticeWnd.h"

class RecordingNoticeSink : public NoticeSink {
public:
    RecordingNoticeSink() : m_previous(SetNoticeSink(this)) {}
    ~RecordingNoticeSink() override { SetNoticeSink(m_previous); }
    RecordingNoticeSink(const RecordingNoticeSink&) = delete;
    RecordingNoticeSink& operator=(const RecordingNoticeSink&) = delete;

    void MessageBox(std::string_view cp932Text) override {
        messages.push_back(std::string(cp932Text));
        messagesUtf8.push_back(cp932::ToUtf8Lossy(cp932Text));
    }
    void Beep() override { ++beeps; }

    std::vector<std::string> messages;      // cp932, as the program composed them
    std::vector<std::string> messagesUtf8;  // the same, readable in test output
    int beeps = 0;

private:
    NoticeSink* m_previous;
};
