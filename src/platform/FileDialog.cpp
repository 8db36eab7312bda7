#include "platform/FileDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QQueue>

namespace {
QQueue<QString>& Answers() {
    static QQueue<QString> answers;
    return answers;
}
}  // namespace

void SetNextFileDialogAnswer(const QString& path) { Answers().enqueue(path); }

QString PromptForFileName(QWidget* parent, FileDialogKind kind, const QString& suggestedName) {
    if (!Answers().isEmpty()) return Answers().dequeue();
    const QString filter = u"すべてのﾌｧｲﾙ (*)"_qs;
    if (kind == FileDialogKind::Open)
        return QFileDialog::getOpenFileName(parent, u"開く"_qs, QDir::currentPath(), filter);
    return QFileDialog::getSaveFileName(parent, u"名前を付けて保存"_qs,
                                        QDir::current().filePath(suggestedName), filter);
}
