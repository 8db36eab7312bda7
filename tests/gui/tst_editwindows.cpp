// The plain-text edit windows: new and open, loading and saving in the file's own
// encoding, read-only files, and the questions asked before closing a modified one.
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QtTest>

#include "AppSession.h"
#include "GuiNoticeRecorder.h"
#include "app/QuillaryDoc.h"
#include "app/QuillaryView.h"
#include "platform/CloseSignals.h"
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
    void bytesTheWindowCannotKeepOpenReadOnly_data();
    void bytesTheWindowCannotKeepOpenReadOnly();
    void oddFileIsReportedAtOnceAndOpensNothing_data();
    void oddFileIsReportedAtOnceAndOpensNothing();
    void saveUpdatesWhatALinkLeadsToAndRefusesASplitOfHardLinks();
    void openingAnOpenFileActivatesItsWindow();
    void untitledSaveAsksForANameAndKeepsCp932();
    void textCp932CannotCarryIsNotSavedOverACp932File();
    void closingAModifiedWindowAsks();
    void cancellingCloseOfTheMainFrameKeepsItOpenButWritesWindowPos();
    void terminationSignalsCloseAsExitDoesAndASecondOneEndsAtOnce();

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
    QTest::addColumn<QByteArray>("added");  // "追加" and a line end as saved after the text
    const QByteArray cp932Added = QByteArray::fromHex("92 c7 89 c1");
    const QByteArray utf8Added = u"追加"_qs.toUtf8();
    QTest::newRow("cp932, CR LF") << kCp932Text << u"俳句\n季語\n"_qs << cp932Added + "\r\n";
    QTest::newRow("UTF-8, LF") << u"俳句\n🌸 spring\n"_qs.toUtf8() << u"俳句\n🌸 spring\n"_qs
                               << utf8Added + "\n";
    QTest::newRow("no-break space kept") << QByteArray("a\xc2\xa0" "b\n") << u"a\u00a0b\n"_qs
                                         << utf8Added + "\n";
    QTest::newRow("byte-order mark") << QByteArray("\xef\xbb\xbf" "a\r\n") << u"a\n"_qs
                                     << utf8Added + "\r\n";
    QTest::newRow("CR only") << QByteArray("a\rb\r") << u"a\nb\n"_qs << cp932Added + "\r";
    QTest::newRow("lone CR in LF") << QByteArray("a\rb\nc\n") << u"a\nb\nc\n"_qs << cp932Added + "\n";
    QTest::newRow("lone CR in CR LF") << QByteArray("a\rb\r\nc\r\n") << u"a\nb\nc\n"_qs
                                      << cp932Added + "\r\n";
    QTest::newRow("LF and CR LF") << QByteArray("a\nb\r\nc\n") << u"a\nb\nc\n"_qs << cp932Added + "\n";
    QTest::newRow("U+2029") << u"俳\u2029句\u2029"_qs.toUtf8() << u"俳\n句\n"_qs
                            << utf8Added + "\u2029";
}

void EditWindowsTest::openLoadsTheTextAndSaveWritesItBack() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    QFETCH(QByteArray, added);
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
    QCOMPARE(ReadBytes(path), bytes + added);
    QVERIFY(notices.messages.isEmpty());
    QCOMPARE(QString::fromStdString(theApp.GetRecentFileList()->Entries().front()),
             QFileInfo(path).absoluteFilePath());
}

void EditWindowsTest::bytesTheWindowCannotKeepOpenReadOnly_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("neither encoding") << QByteArray("abc\x81\x0a\xff\xfe\n");
    QTest::newRow("frame mark the control turns into a line break") << u"a\uFDD0b\n"_qs.toUtf8();
}

void EditWindowsTest::bytesTheWindowCannotKeepOpenReadOnly() {
    QFETCH(QByteArray, bytes);
    GuiNoticeRecorder notices;
    const QString path = File(u"mixed.txt"_qs);
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

void EditWindowsTest::oddFileIsReportedAtOnceAndOpensNothing_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing") << u"missing.txt"_qs << u"ファイル を読み出し出来ません."_qs;
    QTest::newRow("FIFO") << u"fifo.txt"_qs << u"ファイル を読み出し出来ません."_qs;
    QTest::newRow("folder") << u"folder.txt"_qs << u"ファイル を読み出し出来ません."_qs;
    QTest::newRow("too large") << u"large.txt"_qs
                               << u"ファイルが大きすぎるため開きません (編集窓で開けるのは 4 MB までです)."_qs;
}

void EditWindowsTest::oddFileIsReportedAtOnceAndOpensNothing() {
    QFETCH(QString, name);
    QFETCH(QString, message);
    ::mkfifo(QFile::encodeName(File(u"fifo.txt"_qs)).constData(), 0644);
    QDir(m_dir->path()).mkdir(u"folder.txt"_qs);
    QFile large(File(u"large.txt"_qs));
    QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(CQuillaryDoc::kMaxFileBytes + 1));
    large.close();
    GuiNoticeRecorder notices;
    AppSession app(m_dir->path());
    QVERIFY(!theApp.OpenDocumentFile(File(name)));
    QCOMPARE(notices.messages, QStringList{File(name) + u'\n' + message});
    QCOMPARE(app.Frame()->MdiArea()->subWindowList().size(), 0);
}

void EditWindowsTest::saveUpdatesWhatALinkLeadsToAndRefusesASplitOfHardLinks() {
    GuiNoticeRecorder notices;
    WriteBytes(File(u"real.txt"_qs), "a\n");
    QVERIFY(QFile::link(u"real.txt"_qs, File(u"link.txt"_qs)));
    WriteBytes(File(u"hard.txt"_qs), "a\n");
    ::link(QFile::encodeName(File(u"hard.txt"_qs)).constData(),
           QFile::encodeName(File(u"hard2.txt"_qs)).constData());
    AppSession app(m_dir->path());
    for (const QString& name : {u"link.txt"_qs, u"hard.txt"_qs}) {
        QVERIFY(theApp.OpenDocumentFile(File(name)));
        ActiveEditView(app.Frame())->GetEditCtrl()->insertPlainText(u"x"_qs);
        QVERIFY(app.Frame()->RouteCommand(ID_FILE_SAVE));
    }
    QVERIFY(QFileInfo(File(u"link.txt"_qs)).isSymLink());
    QCOMPARE(ReadBytes(File(u"real.txt"_qs)), QByteArray("xa\n"));
    QCOMPARE(notices.messages.size(), 1);
    QVERIFY(notices.messages[0].contains(u"ハードリンク"_qs));
    QCOMPARE(ReadBytes(File(u"hard2.txt"_qs)), QByteArray("a\n"));
    QVERIFY(app.Frame()->GetActiveDocument()->IsModified());
    notices.answers = {NoticeAnswer::No};
    QVERIFY(app.Close());
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

void EditWindowsTest::terminationSignalsCloseAsExitDoesAndASecondOneEndsAtOnce() {
    GuiNoticeRecorder notices;
    AppSession app(m_dir->path());
    CCloseSignals::Install([] { theApp.OnAppExit(); });  // as Run() does
    theApp.OnFileNew();
    ActiveEditView(app.Frame())->GetEditCtrl()->insertPlainText(u"draft"_qs);
    notices.answers = {NoticeAnswer::Cancel};
    ::raise(SIGTERM);
    QTRY_COMPARE(notices.questions, QStringList{u"Quillar1 への変更を保存しますか?"_qs});
    QVERIFY(app.Frame() && app.Frame()->isVisible());  // cancelled: the program goes on
    QVERIFY(ReadBytes(app.IniPath()).contains("WindowPos="));
    notices.answers = {NoticeAnswer::No};
    const pid_t child = ::fork();
    if (child == 0) {  // two signals in a row: the second ends the process at once
        ::raise(SIGINT);
        ::raise(SIGINT);
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGINT);
    ::raise(SIGHUP);  // (the child's first signal reached this process's pipe as well)
    QTRY_VERIFY(!app.Frame());
    QCOMPARE(notices.questions.size(), 2);
}

QTEST_MAIN(EditWindowsTest)
#include "tst_editwindows.moc"
