// The one way core code reports to the user: modal message boxes captioned with
// the application title, and the default beep. Core code calls CNoticeWnd; the
// application installs a sink that shows real message boxes, tests install a
// recording sink.
#pragma once

#include <string>
#include <string_view>

enum class NoticeAnswer { Yes, No, Cancel };

// Receives every notice. Texts are cp932 bytes.
class NoticeSink {
public:
    virtual ~NoticeSink() = default;
    virtual void MessageBox(std::string_view cp932Text) = 0;
    virtual void Beep() = 0;
    // A Yes/No/Cancel question (whether to save changes). A sink that cannot ask
    // shows the text and answers Cancel, which keeps everything as it is.
    virtual NoticeAnswer AskYesNoCancel(std::string_view cp932Text) {
        MessageBox(cp932Text);
        return NoticeAnswer::Cancel;
    }
};

// Installs the process-wide sink and returns the previous one. nullptr restores the
// fallback sink, which writes notices to standard error.
NoticeSink* SetNoticeSink(NoticeSink* sink);
NoticeSink& CurrentNoticeSink();

// The small notice object each loader, document, dialog and view keeps.
class CNoticeWnd {
public:
    void MessageBox(std::string_view cp932Text) const { CurrentNoticeSink().MessageBox(cp932Text); }
    void Beep() const { CurrentNoticeSink().Beep(); }
    NoticeAnswer AskYesNoCancel(std::string_view cp932Text) const {
        return CurrentNoticeSink().AskYesNoCancel(cp932Text);
    }
};

// The default beep, for code that has no notice object at hand.
void MessageBeep();

// "<path>\nファイル を読み出し出来ません." for a file that cannot be opened. The path is
// the file system's own bytes (UTF-8) and is converted for display. Returns -1 so a
// loader can write `return ReportUnreadableFile(...)`.
int ReportUnreadableFile(const CNoticeWnd& notice, std::string_view path);
