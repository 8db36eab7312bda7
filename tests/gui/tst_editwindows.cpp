// The plain-text edit windows: new and open, loading and saving in the file's own
// encoding, read-only files, and the questions asked before closing a modified one.
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QtTest>

#include "AppSession.h"
#include "GuiNoticeRecorder.h"
#include "app/QuillaryDoc.h"
#include "app/QuillaryView.h"
#include "platform/CloseSignals.h"
#include "platform/CommandIds.h"
#include "platform/FileDialog.h"

static CQuillaryView* ActiveEditView(CMainFrame* frame) {
    return dynamic_cast<CQuillaryView*>(frame->GetActiveView());
}

const QByteArray kCp932Text =
    QByteArray::fromHex("94 6f 8b e5 0d 0a 8b 47 8c ea 0d 0a");  // 俳句 季語

class EditWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { m_frame = m_session.emplace().app.Frame(); }
    void cleanup() { m_session.reset(); }
    void newGivesQuillar1AndAnOpenFileIsActivatedAgain() {
        theApp.OnFileNew();  // Ctrl+N (tst_mainframe sends the keys)
        theApp.OnFileNew();
        QStringList titles;
        for (QMdiSubWindow* w : m_frame->MdiArea()->subWindowList()) titles << w->windowTitle();
        QCOMPARE(titles, (QStringList{u"Quillar1"_qs, u"Quillar2"_qs}));
        QVERIFY(ActiveEditView(m_frame)->GetEditCtrl()->toPlainText().isEmpty());
        QVERIFY(!m_frame->GetActiveDocument()->IsModified());
        WriteBytes(File(u"a.txt"_qs), "a\n");
        CDocument* opened = theApp.OpenDocumentFile(File(u"a.txt"_qs));
        theApp.OnFileNew();
        QCOMPARE(theApp.OpenDocumentFile(File(u"a.txt"_qs)), opened);
        QCOMPARE(m_frame->MdiArea()->subWindowList().size(), 4);
        QCOMPARE(m_frame->GetActiveDocument(), opened);
    }
    void openLoadsTheTextAndSaveWritesItBack_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        // "追加" and a line end as saved after the text; mixed line ends are the codec's
        // unit test, these rows are what the edit control could alter.
        QTest::addColumn<QByteArray>("added");
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
        QTest::newRow("U+2029") << u"俳\u2029句\u2029"_qs.toUtf8() << u"俳\n句\n"_qs
                                << utf8Added + "\u2029";
    }
    void openLoadsTheTextAndSaveWritesItBack() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        QFETCH(QByteArray, added);
        GuiNoticeRecorder notices;
        const QString path = File(u"poem.txt"_qs);
        WriteBytes(path, bytes);
        SetNextFileDialogAnswer(path);
        QVERIFY(m_frame->RouteCommand(ID_FILE_OPEN));
        CQuillaryView* view = ActiveEditView(m_frame);
        QVERIFY(view);
        QCOMPARE(m_frame->GetActiveDocument()->GetTitle(), u"poem.txt"_qs);
        QCOMPARE(view->GetText(), shown);
        QVERIFY(!m_frame->GetActiveDocument()->IsModified());
        QVERIFY(m_frame->RouteCommand(ID_FILE_SAVE));  // Ctrl+S right away: same bytes
        QCOMPARE(ReadBytes(path), bytes);
        view->GetEditCtrl()->moveCursor(QTextCursor::End);
        view->GetEditCtrl()->insertPlainText(u"追加\n"_qs);
        QVERIFY(m_frame->GetActiveDocument()->IsModified());
        QVERIFY(m_frame->RouteCommand(ID_FILE_SAVE));
        QVERIFY(!m_frame->GetActiveDocument()->IsModified());
        QCOMPARE(ReadBytes(path), bytes + added);
        QVERIFY(notices.messages.isEmpty());
        QCOMPARE(QString::fromStdString(theApp.GetRecentFileList()->Entries().front()),
                 QFileInfo(path).absoluteFilePath());
    }
    void oddFileIsReportedAtOnceAndOpensReadOnlyOrNot_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");  // of name, for a file made here
        QTest::addColumn<QString>("message");   // after the path and a line break
        const QString unreadable = u"ファイル を読み出し出来ません."_qs;
        QTest::newRow("missing") << u"missing.txt"_qs << QByteArray() << unreadable;
        QTest::newRow("FIFO") << u"fifo.txt"_qs << QByteArray() << unreadable;
        QTest::newRow("folder") << u"folder.txt"_qs << QByteArray() << unreadable;
        QTest::newRow("too large")
            << u"large.txt"_qs << QByteArray()
            << u"ファイルが大きすぎるため開きません (編集窓で開けるのは 4 MB までです)."_qs;
        // Bytes the window cannot keep open read-only, with a message saying why.
        QTest::newRow("neither encoding") << u"mixed.txt"_qs << QByteArray("abc\x81\x0a\xff\xfe\n")
                                          << u"読み取り専用"_qs;
        QTest::newRow("frame mark the control turns into a line break")
            << u"mixed.txt"_qs << u"a\uFDD0b\n"_qs.toUtf8() << u"読み取り専用"_qs;
    }
    void oddFileIsReportedAtOnceAndOpensReadOnlyOrNot() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        ::mkfifo(QFile::encodeName(File(u"fifo.txt"_qs)).constData(), 0644);
        QDir(m_session->dir.path()).mkdir(u"folder.txt"_qs);
        QFile large(File(u"large.txt"_qs));
        QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(CQuillaryDoc::kMaxFileBytes + 1));
        large.close();
        if (!bytes.isEmpty()) WriteBytes(File(name), bytes);
        GuiNoticeRecorder notices;
        const bool opened = theApp.OpenDocumentFile(File(name)) != nullptr;
        QCOMPARE(notices.messages.size(), 1);
        QVERIFY(notices.messages[0].startsWith(File(name) + u'\n'));
        QVERIFY2(notices.messages[0].contains(message), qPrintable(notices.messages[0]));
        QCOMPARE(m_frame->MdiArea()->subWindowList().size(), opened ? 1 : 0);
        QCOMPARE(opened, !bytes.isEmpty());
        if (!opened) return;
        QVERIFY(ActiveEditView(m_frame)->GetEditCtrl()->isReadOnly());
        QVERIFY(!m_frame->RouteCommand(ID_FILE_SAVE));  // greyed
        QVERIFY(m_session->app.Close());
        QCOMPARE(ReadBytes(File(name)), bytes);
    }
    void saveUpdatesWhatALinkLeadsToAndRefusesASplitOfHardLinks() {
        GuiNoticeRecorder notices;
        WriteBytes(File(u"real.txt"_qs), "a\n");
        QVERIFY(QFile::link(u"real.txt"_qs, File(u"link.txt"_qs)));
        WriteBytes(File(u"hard.txt"_qs), "a\n");
        ::link(QFile::encodeName(File(u"hard.txt"_qs)).constData(),
               QFile::encodeName(File(u"hard2.txt"_qs)).constData());
        for (const QString& name : {u"link.txt"_qs, u"hard.txt"_qs}) {
            QVERIFY(theApp.OpenDocumentFile(File(name)));
            ActiveEditView(m_frame)->GetEditCtrl()->insertPlainText(u"x"_qs);
            QVERIFY(m_frame->RouteCommand(ID_FILE_SAVE));
        }
        QVERIFY(QFileInfo(File(u"link.txt"_qs)).isSymLink());
        QCOMPARE(ReadBytes(File(u"real.txt"_qs)), QByteArray("xa\n"));
        QCOMPARE(notices.messages.size(), 1);
        QVERIFY(notices.messages[0].contains(u"ハードリンク"_qs));
        QCOMPARE(ReadBytes(File(u"hard2.txt"_qs)), QByteArray("a\n"));
        QVERIFY(m_frame->GetActiveDocument()->IsModified());
        notices.answers = {NoticeAnswer::No};
        QVERIFY(m_session->app.Close());
    }
    void untitledSaveAsksForANameAndKeepsCp932() {
        GuiNoticeRecorder notices;
        theApp.OnFileNew();
        QPlainTextEdit* edit = ActiveEditView(m_frame)->GetEditCtrl();
        edit->insertPlainText(u"俳句\n季語\n"_qs);
        SetNextFileDialogAnswer(QString());  // Cancel: nothing written
        QVERIFY(m_frame->RouteCommand(ID_FILE_SAVE));
        QVERIFY(m_frame->GetActiveDocument()->IsModified());
        const QString path = File(u"new.txt"_qs);
        SetNextFileDialogAnswer(path);
        QVERIFY(m_frame->RouteCommand(ID_FILE_SAVE));
        QCOMPARE(ReadBytes(path), kCp932Text);
        QCOMPARE(m_frame->MdiArea()->activeSubWindow()->windowTitle(), u"new.txt"_qs);
        // Text cp932 cannot carry is not saved over the cp932 file.
        edit->insertPlainText(u"🌸"_qs);
        QVERIFY(m_frame->RouteCommand(ID_FILE_SAVE));
        QCOMPARE(notices.messages.size(), 1);
        QVERIFY(notices.messages[0].contains(u"保存しませんでした"_qs));
        QCOMPARE(ReadBytes(path), kCp932Text);
        QVERIFY(m_frame->GetActiveDocument()->IsModified());
    }
    void closingAModifiedWindowAsksAndSignalsCloseAsExitDoes() {
        GuiNoticeRecorder notices;
        CCloseSignals::Install([] { theApp.OnAppExit(); });  // as Run() does
        theApp.OnFileNew();
        ActiveEditView(m_frame)->GetEditCtrl()->insertPlainText(u"draft"_qs);
        // Closing the window by its command or its close box: Cancel keeps it.
        m_frame->RouteCommand(ID_FILE_CLOSE);
        m_frame->MdiArea()->subWindowList().first()->close();
        QCOMPARE(notices.questions, QStringList(2, u"Quillar1 への変更を保存しますか?"_qs));
        QCOMPARE(m_frame->MdiArea()->subWindowList().size(), 1);
        ::raise(SIGTERM);
        QTRY_COMPARE(notices.questions.size(), 3);
        // Cancelled: the program goes on, but the placement was written first.
        QVERIFY(m_session->app.Frame() && m_session->app.Frame()->isVisible());
        QVERIFY(ReadBytes(m_session->app.IniPath()).contains("WindowPos="));
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
        QTRY_VERIFY(!m_session->app.Frame());  // No: closed
        QCOMPARE(notices.questions.size(), 4);
    }

private:
    QString File(const QString& name) const { return m_session->dir.filePath(name); }
    std::optional<TempSession> m_session;
    CMainFrame* m_frame = nullptr;
};

QTEST_MAIN(EditWindowsTest)
#include "tst_editwindows.moc"
