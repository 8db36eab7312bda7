// A notice sink for window tests: a RecordingNoticeSink that also keeps every message
// box as a QString, and answers Yes/No/Cancel questions from a queue (Cancel when it
// runs dry, which keeps everything as it is). Nothing blocks on a real message box.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "../unit/RecordingNoticeSink.h"

class GuiNoticeRecorder final : public RecordingNoticeSink {
public:
    void MessageBox(std::string_view cp932Text) override {
        RecordingNoticeSink::MessageBox(cp932Text);
        messages.append(QString::fromStdString(messagesUtf8.back()));
    }
    NoticeAnswer AskYesNoCancel(std::string_view cp932Text) override {
        questions.append(QString::fromStdString(cp932::ToUtf8Lossy(cp932Text)));
        return answers.isEmpty() ? NoticeAnswer::Cancel : answers.takeFirst();
    }

    QStringList messages;  // as QString; hides the cp932 list of RecordingNoticeSink
    QStringList questions;
    QList<NoticeAnswer> answers;
};
