#include "platform/QtNoticeSink.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/Cp932.h"

namespace {
QString ToQString(std::string_view cp932Text) {
    return QString::fromStdString(cp932::ToUtf8Lossy(cp932Text));
}
}  // namespace

void CQtNoticeSink::MessageBox(std::string_view cp932Text) {
    QMessageBox box(QMessageBox::Warning, m_strCaption, ToQString(cp932Text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

void CQtNoticeSink::Beep() { QApplication::beep(); }

NoticeAnswer CQtNoticeSink::AskYesNoCancel(std::string_view cp932Text) {
    QMessageBox box(QMessageBox::Warning, m_strCaption, ToQString(cp932Text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                    QApplication::activeWindow());
    switch (box.exec()) {
        case QMessageBox::Yes:
            return NoticeAnswer::Yes;
        case QMessageBox::No:
            return NoticeAnswer::No;
        default:
            return NoticeAnswer::Cancel;
    }
}
