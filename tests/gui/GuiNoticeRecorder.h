// A notice sink for window tests: records every message box (as QString) and beep,
// answers Yes/No/Cancel questions from a queue (Cancel when it runs dry, which keeps
// everything as it is), and restores the previous sink when it goes out of scope.
// Nothing ever blocks on a real message box.
//
//   GuiNoticeRecorder notices;
//   notices.answers.append(NoticeAnswer::No);
//   ... ; QCOMPARE(notices.messages.size(), 1);
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "platform/Cp932.h"
#include "platform/NoticeWnd.h"

class GuiNoticeRecorder final : public NoticeSink {
public:
    GuiNoticeRecorder() : m_previous(SetNoticeSink(this)) {}
    ~GuiNoticeRecorder() override { SetNoticeSink(m_previous); }
    GuiNoticeRecorder(const GuiNoticeRecorder&) = delete;
    GuiNoticeRecorder& operator=(const GuiNoticeRecorder&) = delete;

    void MessageBox(std::string_view cp932Text) override {
        messages.append(QString::fromStdString(cp932::ToUtf8Lossy(cp932Text)));
    }
    void Beep() override { ++beeps; }
    NoticeAnswer AskYesNoCancel(std::string_view cp932Text) override {
        questions.append(QString::fromStdString(cp932::ToUtf8Lossy(cp932Text)));
        return answers.isEmpty() ? NoticeAnswer::Cancel : answers.takeFirst();
    }

    QStringList messages;
    QStringList questions;
    QList<NoticeAnswer> answers;
    int beeps = 0;

private:
    NoticeSink* m_previous;
};
