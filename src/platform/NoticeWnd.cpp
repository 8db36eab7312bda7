#include "platform/NoticeWnd.h"

#include <cstdio>

#include "platform/Cp932.h"

namespace {

class StderrSink final : public NoticeSink {
public:
    void MessageBox(std::string_view cp932Text) override {
        std::string text = cp932::ToUtf8Lossy(cp932Text);
        std::fprintf(stderr, "%s\n", text.c_str());
    }
    void Beep() override { std::fputc('\a', stderr); }
};

StderrSink g_fallback;
NoticeSink* g_sink = &g_fallback;

constexpr std::string_view kUnreadable = "ファイル を読み出し出来ません.";

}  // namespace

NoticeSink* SetNoticeSink(NoticeSink* sink) {
    NoticeSink* previous = g_sink == &g_fallback ? nullptr : g_sink;
    g_sink = sink ? sink : &g_fallback;
    return previous;
}

NoticeSink& CurrentNoticeSink() { return *g_sink; }

void MessageBeep() { CurrentNoticeSink().Beep(); }

int ReportUnreadableFile(const CNoticeWnd& notice, std::string_view path) {
    std::string text = cp932::FromUtf8Lossy(path);
    text += '\n';
    text += kUnreadable;
    notice.MessageBox(text);
    return -1;
}
