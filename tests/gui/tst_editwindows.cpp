// The plain-text edit windows: new and open, loading and saving in the file's own
// encoding, read-only files, and the questions asked before closing a modified one.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QtTest>

#include "AppSession.h"
#include "GuiNoticeRecorder.h"
#include "app/QuillaryDoc.h"
#include "app/QuillaryView.h"
#include "platform/CommandIds.h"
#include "platform/FileDialog.h"

namespace {

CQuillaryView* ActiveEditView(CMainFrame* frame) {
    return dynamic_cast<CQuillaryView*>(frame->GetActiveView());
}

bool SaveEnabled(CMainFrame* frame) {
    QAction* save = frame->CommandAction(ID_FILE_SAVE);
    frame->UpdateCommandUI();
    return save->isEnabled();
}

const QByteArray kCp932Text =
    QByteArray::fromHex("94 6f 8b e5 0d 0a 8b 47 8c ea 0d 0a");  // 俳句 季語

}  // namespace

class EditWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }
    void ctrlNTwiceGivesQuillar1AndQuillar2();
    void openLoadsTheTextAndSaveWritesItBack_data();
    void openLoadsTheTextAndSaveWritesItBack();
    void bytesNoEncodingCarriesOpenReadOnly();
    void unreadableFileIsReportedAndOpensNothing();
    void openingAnOpenFileActivatesItsWindow();
    void untitledSaveAsksForANameAndKeepsCp932();
    void textCp932CannotCarryIsNotSavedOverACp932File();
    void closingAModifiedWindowAsks();
    void cancellingCloseOfTheMainFrameKeepsItOpenButWritesWindowPos();

private:
    QString File(const QString& name) const { return m_dir->filePath(name); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void EditWindowsTest::ctrlNTwiceGivesQuillar1AndQuillar2() {
    AppSession app(m_dir->path());
    CMainFrame* frame = app.Frame();
    frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame));
    QTest::keyClick(frame, Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(frame, Qt::Key_N, Qt::ControlModifier);
    const QList<QMdiSubWindow*> windows = frame->MdiArea()->subWindowList();
    QCOMPARE(windows.size(), 2);
    QCOMPARE(windows[0]->windowTitle(), u"Quillar1"_qs);
    QCOMPARE(windows[1]->windowTitle(), u"Quillar2"_qs);
    CQuillaryView* view = ActiveEditView(frame);
    QVERIFY(view);
    QVERIFY(view->GetEditCtrl()->toPlainText().isEmpty());
    QCOMPARE(view->GetEditCtrl()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(view->GetEditCtrl()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QVERIFY(!frame->GetActiveDocument()->IsModified());
}

void EditWindowsTest::openLoadsTheTextAndSaveWritesItBack_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("cp932, CR LF") << kCp932Text << u"俳句\n季語\n"_qs;
    QTest::newRow("UTF-8, LF") << u"俳句\n🌸 spring\n"_qs.toUtf8() << u"俳句\n🌸 spring\n"_qs;
    QTest::newRow("no-break space kept") << QByteArray(
                                                "a\xc2\xa0"
                                                "b\n")
                                         << u"a\u00a0b\n"_qs;
}

void EditWindowsTest::openLoadsTheTextAndSaveWritesItBack() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    GuiNoticeRecorder notices;
    const QString path = File(u"poem.txt"_qs);
    WriteBytes(path, bytes);
    AppSession app(m_dir->path());
    CMainFrame* frame = app.Frame();
    SetNextFileDialogAnswer(path);
    QVERIFY(frame->RouteCommand(ID_FILE_OPEN));
    CQuillaryView* view = ActiveEditView(frame);
    QVERIFY(view);
    QCOMPARE(frame->GetActiveDocument()->GetTitle(), u"poem.txt"_qs);
    QCOMPARE(view->GetText(), shown);
    QVERIFY(!frame->GetActiveDocument()->IsModified());
    QVERIFY(SaveEnabled(frame));
    QVERIFY(frame->RouteCommand(ID_FILE_SAVE));  // Ctrl+S right away: same bytes
    QCOMPARE(ReadBytes(path), bytes);
    view->GetEditCtrl()->moveCursor(QTextCursor::End);
    view->GetEditCtrl()->insertPlainText(u"追加\n"_qs);
    QVERIFY(frame->GetActiveDocument()->IsModified());
    QVERIFY(frame->RouteCommand(ID_FILE_SAVE));
    QVERIFY(!frame->GetActiveDocument()->IsModified());
    const QByteArray added =
        bytes.contains("\r\n") ? QByteArray::fromHex("92 c7 89 c1 0d 0a") : u"追加\n"_qs.toUtf8();
    QCOMPARE(ReadBytes(path), bytes + added);
    QVERIFY(notices.messages.isEmpty());
    QCOMPARE(QString::fromStdString(theApp.GetRecentFileList()->Entries().front()),
             QFileInfo(path).absoluteFilePath());
}

void EditWindowsTest::bytesNoEncodingCarriesOpenReadOnly() {
    GuiNoticeRecorder notices;
    const QString path = File(u"mixed.txt"_qs);
    const QByteArray bytes("abc\x81\x0a\xff\xfe\n");
    WriteBytes(path, bytes);
    AppSession app(m_dir->path());
    CMainFrame* frame = app.Frame();
    QVERIFY(theApp.OpenDocumentFile(path));
    QCOMPARE(notices.messages.size(), 1);
    QVERIFY(notices.messages[0].startsWith(path + u'\n'));
    QVERIFY(notices.messages[0].contains(u"読み取り専用"_qs));
    QVERIFY(ActiveEditView(frame)->GetEditCtrl()->isReadOnly());
    QVERIFY(!SaveEnabled(frame));
    QVERIFY(!frame->RouteCommand(ID_FILE_SAVE));
    QVERIFY(app.Close());
    QCOMPARE(ReadBytes(path), bytes);
}

void EditWindowsTest::unreadableFileIsReportedAndOpensNothing() {
    GuiNoticeRecorder notices;
    AppSession app(m_dir->path());
    const QString path = File(u"missing.txt"_qs);
    QVERIFY(!theApp.OpenDocumentFile(path));
    QCOMPARE(notices.messages, QStringList{path + u"\nファイル を読み出し出来ません."_qs});
    QCOMPARE(app.Frame()->MdiArea()->subWindowList().size(), 0);
}

void EditWindowsTest::openingAnOpenFileActivatesItsWindow() {
    AppSession app(m_dir->path());
    WriteBytes(File(u"a.txt"_qs), "a\n");
    CDocument* first = theApp.OpenDocumentFile(File(u"a.txt"_qs));
    theApp.OnFileNew();
    QCOMPARE(theApp.OpenDocumentFile(File(u"a.txt"_qs)), first);
    QCOMPARE(app.Frame()->MdiArea()->subWindowList().size(), 2);
    QCOMPARE(app.Frame()->GetActiveDocument(), first);
}

void EditWindowsTest::untitledSaveAsksForANameAndKeepsCp932() {
    AppSession app(m_dir->path());
    CMainFrame* frame = app.Frame();
    theApp.OnFileNew();
    ActiveEditView(frame)->GetEditCtrl()->insertPlainText(u"俳句\n季語\n"_qs);
    SetNextFileDialogAnswer(QString());  // Cancel: nothing written
    QVERIFY(frame->RouteCommand(ID_FILE_SAVE));
    QVERIFY(frame->GetActiveDocument()->IsModified());
    const QString path = File(u"new.txt"_qs);
    SetNextFileDialogAnswer(path);
    QVERIFY(frame->RouteCommand(ID_FILE_SAVE));
    QCOMPARE(ReadBytes(path), kCp932Text);
    QCOMPARE(frame->GetActiveDocument()->GetTitle(), u"new.txt"_qs);
    QCOMPARE(frame->MdiArea()->activeSubWindow()->windowTitle(), u"new.txt"_qs);
}

void EditWindowsTest::textCp932CannotCarryIsNotSavedOverACp932File() {
    GuiNoticeRecorder notices;
    const QString path = File(u"sjis.txt"_qs);
    WriteBytes(path, kCp932Text);
    AppSession app(m_dir->path());
    CMainFrame* frame = app.Frame();
    QVERIFY(theApp.OpenDocumentFile(path));
    ActiveEditView(frame)->GetEditCtrl()->insertPlainText(u"🌸"_qs);
    QVERIFY(frame->RouteCommand(ID_FILE_SAVE));
    QCOMPARE(notices.messages.size(), 1);
    QVERIFY(notices.messages[0].contains(u"保存しませんでした"_qs));
    QCOMPARE(ReadBytes(path), kCp932Text);
    QVERIFY(frame->GetActiveDocument()->IsModified());
}

void EditWindowsTest::closingAModifiedWindowAsks() {
    GuiNoticeRecorder notices;
    AppSession app(m_dir->path());
    CMainFrame* frame = app.Frame();
    theApp.OnFileNew();
    ActiveEditView(frame)->GetEditCtrl()->insertPlainText(u"draft"_qs);
    notices.answers = {NoticeAnswer::Cancel};
    frame->RouteCommand(ID_FILE_CLOSE);
    QCOMPARE(notices.questions, QStringList{u"Quillar1 への変更を保存しますか?"_qs});
    QCOMPARE(frame->MdiArea()->subWindowList().size(), 1);
    notices.answers = {NoticeAnswer::Cancel};
    frame->MdiArea()->subWindowList().first()->close();
    QCOMPARE(frame->MdiArea()->subWindowList().size(), 1);
    notices.answers = {NoticeAnswer::No};
    frame->RouteCommand(ID_FILE_CLOSE);
    QCOMPARE(frame->MdiArea()->subWindowList().size(), 0);
}

void EditWindowsTest::cancellingCloseOfTheMainFrameKeepsItOpenButWritesWindowPos() {
    GuiNoticeRecorder notices;
    AppSession app(m_dir->path());
    theApp.OnFileNew();
    ActiveEditView(app.Frame())->GetEditCtrl()->insertPlainText(u"draft"_qs);
    notices.answers = {NoticeAnswer::Cancel};
    QVERIFY(!app.Close());
    QVERIFY(app.Frame() && app.Frame()->isVisible());
    QVERIFY(ReadBytes(app.IniPath()).contains("WindowPos="));
    notices.answers = {NoticeAnswer::No};
    QVERIFY(app.Close());
}

QTEST_MAIN(EditWindowsTest)
#include "tst_editwindows.moc"
