// The notice sink of the running program: OK-only warning boxes captioned with the
// application title, Yes/No/Cancel questions, and QApplication::beep. main() installs
// it; window tests install a recording sink instead (tests/gui/GuiNoticeRecorder.h).
#pragma once

#include <QString>

#include "platform/NoticeWnd.h"

class CQtNoticeSink final : public NoticeSink {
public:
    explicit CQtNoticeSink(QString caption) : m_strCaption(std::move(caption)) {}

    void MessageBox(std::string_view cp932Text) override;
    void Beep() override;
    NoticeAnswer AskYesNoCancel(std::string_view cp932Text) override;

private:
    QString m_strCaption;
};
