// The main frame (menus, greying by the routing, the reader commands, prompts, lock
// panes, window arrangements, a picture) and its plain-text edit windows (encodings,
// read-only files, the questions before closing a modified one).
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QToolBar>
#include <QtTest>

#include "AppSession.h"
#include "ReaderTestSupport.h"
#include "app/LockIndicators.h"
#include "app/QuillaryDoc.h"
#include "app/QuillaryView.h"
#include "app/Resource.h"
#include "app/SearchBar.h"
#include "platform/CloseSignals.h"
#include "platform/CommandIds.h"
#include "platform/Document.h"
#include "platform/FileDialog.h"
#include "reader/ReaderDialog.h"

// The visible entries of a popup (or the menu bar): captions, "-" for a separator.
static QStringList Items(QWidget* menu) {
    QStringList items;
    for (QAction* a : menu->actions())
        if (a->isVisible()) items.append(a->isSeparator() ? u"-"_qs : a->text());
    return items;
}

static bool Enabled(CMainFrame* frame, int id) {
    QAction* action = frame->CommandAction(id);  // made on first use: before the update
    frame->UpdateCommandUI();
    return action->isEnabled();
}

static CQuillaryView* ActiveEditView(CMainFrame* frame) {
    return dynamic_cast<CQuillaryView*>(frame->GetActiveView());
}

const QByteArray kCp932Text =
    QByteArray::fromHex("94 6f 8b e5 0d 0a 8b 47 8c ea 0d 0a");  // 俳句 季語

class MainFrameTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_frame = m_session.emplace().app.Frame();
        m_notices = &m_session->notices;
        RegisterStandInListTemplates();
        m_frame->activateWindow();  // where the user's keys arrive
        QVERIFY(QTest::qWaitForWindowActive(m_frame));
    }
    void cleanup() { m_session.reset(); }
    void menusFollowTheActiveWindow() {
        // Menu 128: no window popup, no search item; the display year greyed (closing: with the
        // save and edit commands below).
        const QStringList bar = Items(m_frame->menuBar()), help = Items(m_frame->Menu(8));
        QVERIFY(!Enabled(m_frame, ID_DISP_YEAR));
        theApp.OnFileNew();
        QCOMPARE(Items(m_frame->menuBar()), (bar.mid(0, 7) << u"ｳｨﾝﾄﾞｳ(&W)"_qs << bar.last()));
        QCOMPARE(Items(m_frame->Menu(8)), (help + QStringList{u"-"_qs, u"検索(&F)"_qs}));
        QCOMPARE(m_frame->windowTitle(), u"『Tavelo』博物館 V1.02 - Quillar1"_qs);
        m_frame->RouteCommand(ID_ALL_HAIKU);
        QCOMPARE(m_frame->CurrentMenuId(), IDR_HAIKU_LIST);
        // The window popup lists the open windows, the active one checked.
        QMenu* window = m_frame->Menu(7);
        emit window->aboutToShow();
        QCOMPARE(Items(window).mid(4), (QStringList{u"-"_qs, u"&1 Quillar1"_qs, u"&2 登録全句"_qs}));
        QAction* first = window->actions().at(window->actions().size() - 2);
        QVERIFY(window->actions().last()->isChecked() && !first->isChecked());
        first->trigger();
        QCOMPARE(m_frame->GetActiveDocument()->GetTitle(), u"Quillar1"_qs);

        // Closing every child brings menu 128 back.
        m_frame->RouteCommand(ID_FILE_CLOSE);
        m_frame->RouteCommand(ID_FILE_CLOSE);
        QCOMPARE(m_frame->MdiArea()->subWindowList().size(), 0);
        QCOMPARE(Items(m_frame->menuBar()), bar);
    }
    void searchIsGreyedUnlessAHaikuListIsActive() {
        QToolBar* bar = theSearchBar.GetBar();
        QWidget* button = bar->widgetForAction(bar->actions().last());
        // The command, its button and the search box alike.
        const auto search = [&] {
            const bool on = Enabled(m_frame, ID_SEARCH);
            return on == button->isEnabled() && on == theSearchBar.GetCombo()->isEnabled()
                       ? QString::number(on)
                       : u"mixed"_qs;
        };
        QCOMPARE(search(), u"0"_qs);
        m_frame->RouteCommand(ID_ALL_HAIKU);
        QCOMPARE(search(), u"1"_qs);
        m_frame->RouteCommand(ID_KIGO_LIST);  // another kind of list becomes active
        QCOMPARE(search(), u"0"_qs);
        m_frame->MdiArea()->setActiveSubWindow(m_frame->MdiArea()->subWindowList().first());
        QCOMPARE(search(), u"1"_qs);
        m_frame->RouteCommand(ID_FILE_CLOSE);  // closing the active haiku list greys it
        QCOMPARE(search(), u"0"_qs);
        m_frame->RouteCommand(ID_ALL_HAIKU);
        m_frame->MdiArea()->closeAllSubWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(search(), u"0"_qs);
        QVERIFY(button->isVisibleTo(m_frame));  // on the bar while no child window is open
    }
    void hallsWithoutTheirWindowsStayGreyed() {
        // Without the templates init() registered: greyed, and routing them opens nothing.
        theApp.m_pHaikuTemplate = nullptr;
        theApp.m_pKigoTemplate = nullptr;
        theApp.m_pOldNewTemplate = nullptr;
        for (int id : {ID_ALL_HAIKU, ID_KIGO_LIST, ID_OLDNEW_TABLE})
            QVERIFY(!Enabled(m_frame, id) && !m_frame->RouteCommand(id));
        QCOMPARE(m_frame->MdiArea()->subWindowList().size(), 0);
        RegisterStandInListTemplates();
        // A new window every time, also beside one of the same kind.
        m_frame->RouteCommand(ID_ALL_HAIKU);
        m_frame->RouteCommand(ID_ALL_HAIKU);
        const QList<QMdiSubWindow*> windows = m_frame->MdiArea()->subWindowList();
        QCOMPARE(windows.size(), 2);
        for (QMdiSubWindow* w : windows) QCOMPARE(w->windowTitle(), u"登録全句"_qs);
        CDocument* document = m_frame->GetActiveDocument();
        QCOMPARE(document->GetPathName(), QDir::current().absoluteFilePath(u"登録全句"_qs));
        // The path joins the recent-file list, once.
        QCOMPARE(theApp.GetRecentFileList()->Entries().size(), 1u);
    }
    // A reader command opens its document at the topic its title names (every reader
    // command is this call with its own names; without the document: the reader's test).
    void readerCommandOpensItsDocumentAtItsTopic() {
        QDir(m_session->dir.path()).mkpath(u"TxtData"_qs);
        WriteBytes(QString::fromStdString(theProfile.TxtDataPath("life.txt")),
                   "[*]\nk1:other\nd:x\n[*]\nk1:" + QByteArray::fromStdString(Cp("Tavelo略年譜")) +
                       "\nd:x\n");
        QString shown;
        QTimer::singleShot(0, [&shown] {
            auto* reader = qobject_cast<CReaderDialog*>(QApplication::activeModalWidget());
            if (!reader) return;
            shown = reader->windowTitle() + u'|' + Shown(reader->Current().topic.key1);
            reader->reject();
        });
        QVERIFY(m_frame->RouteCommand(ID_LIFE));
        QCOMPARE(shown, u"簡易ヘルプ V1.03 - Tavelo略年譜|Tavelo略年譜"_qs);
        QVERIFY(m_notices->messages.isEmpty() && m_notices->beeps == 0);
    }
    void saveEditAndTheirKeysFollowTheActiveWindow() {
        const auto enabled = [this](std::initializer_list<int> ids) {
            QString on;
            for (int id : ids) on += Enabled(m_frame, id) ? u'1' : u'0';
            return on;
        };
        const auto commands = {ID_FILE_SAVE,  ID_FILE_PRINT, ID_EDIT_COPY, ID_EDIT_CUT,
                               ID_EDIT_UNDO,  ID_FILE_CLOSE, ID_NEXT_PANE, ID_PREV_PANE};
        QCOMPARE(enabled(commands), u"00000000"_qs);  // nothing open
        // Keys live on actions of their own (menu items show their captions alone), reach
        // their commands through the routing and are greyed with them.
        QVERIFY(m_frame->CommandAction(ID_CONTENTS)->shortcuts().isEmpty());
        QVERIFY(!m_frame->AcceleratorAction(ID_FILE_SAVE)->isEnabled());
        QTest::keyClick(m_frame, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(enabled(commands), u"11000100"_qs);  // nothing selected, nothing to undo
        QVERIFY(m_frame->AcceleratorAction(ID_FILE_SAVE)->isEnabled());
        QVERIFY(!m_frame->AcceleratorAction(ID_NEXT_PANE)->isEnabled());
        ActiveEditView(m_frame)->GetEditCtrl()->insertPlainText(u"text"_qs);
        ActiveEditView(m_frame)->GetEditCtrl()->selectAll();
        QCOMPARE(enabled(commands), u"11111100"_qs);  // no window is split into panes
        m_frame->RouteCommand(ID_ALL_HAIKU);  // a list window: no text to save or edit
        QCOMPARE(enabled(commands), u"00000100"_qs);
        QVERIFY(!Enabled(m_frame, ID_EDIT_PASTE));
    }
    void statusBarShowsPromptsIdleTextAndLocks() {
        const QString idle = u"ﾍﾙﾌﾟを表示するには [F1] を押してください。"_qs;
        QCOMPARE(m_frame->StatusBar()->currentMessage(), idle);
        QMenu* help = m_frame->Menu(8);
        m_frame->menuBar()->setActiveAction(help->menuAction());  // opened from the menu bar
        QVERIFY(QTest::qWaitForWindowExposed(help));
        help->setActiveAction(m_frame->CommandAction(ID_APP_ABOUT));
        QCOMPARE(m_frame->StatusBar()->currentMessage(), u"ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示"_qs);
        // A greyed item shows its prompt as well.
        QTest::mouseMove(help, help->actionGeometry(m_frame->CommandAction(ID_CONTENTS)).center());
        QTRY_COMPARE(m_frame->StatusBar()->currentMessage(), u"目次を表示"_qs);
        help->hide();
        m_frame->StatusBar()->clearMessage();
        QCOMPARE(m_frame->StatusBar()->currentMessage(), idle);

        // The lock panes, lit while their lock is on.
        const auto panes = [this] {
            QStringList shown;
            for (QLabel* pane : m_frame->StatusBar()->findChildren<QLabel*>())
                shown << pane->text() + (pane->isEnabled() ? u"+"_qs : u"-"_qs);
            return shown.join(u' ');
        };
        QCOMPARE(panes(), u"ｶﾅ- CAP- NUM- SCRL-"_qs);  // offscreen: no keyboard to ask
        struct Locks final : CLockIndicators {
            LockStates states;
            LockStates Read() const override { return states; }
        };
        auto* locks = new Locks;
        m_frame->SetLockIndicators(std::unique_ptr<CLockIndicators>(locks));
        theApp.OnFileNew();
        const std::pair<LockStates, QString> cases[] = {
            {{.caps = true, .scroll = true}, u"ｶﾅ- CAP+ NUM- SCRL+"_qs},
            {{.kana = true, .num = true}, u"ｶﾅ+ CAP- NUM+ SCRL-"_qs}};
        for (const auto& [states, shown] : cases) {
            locks->states = states;
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_CapsLock);
            QCOMPARE(panes(), shown);
        }
    }
    void windowArrangements() {
        m_frame->resize(800, 600);
        for (int i = 0; i < 3; ++i) theApp.OnFileNew();
        const QRect area = m_frame->MdiArea()->viewport()->rect();
        const QList<QMdiSubWindow*> windows = m_frame->MdiArea()->subWindowList();
        QCOMPARE(windows[2]->windowTitle(), u"Quillar3"_qs);  // each new window numbered on
        for (const bool rows : {true, false}) {  // one above the other, then side by side
            m_frame->RouteCommand(rows ? ID_WINDOW_TILE_HORZ : ID_WINDOW_TILE_VERT);
            const int w = area.width() / (rows ? 1 : 3), h = area.height() / (rows ? 3 : 1);
            for (int i = 0; i < 3; ++i)
                QCOMPARE(windows[i]->geometry(), QRect(rows ? 0 : i * w, rows ? i * h : 0, w, h));
        }
        m_frame->RouteCommand(ID_WINDOW_CASCADE);
        QVERIFY(windows[0]->geometry().topLeft() != windows[1]->geometry().topLeft());
        for (QMdiSubWindow* w : windows) w->showMinimized();
        m_frame->RouteCommand(ID_WINDOW_ARRANGE);
        for (QMdiSubWindow* w : windows) QCOMPARE(w->geometry().bottom(), area.bottom());
        QVERIFY(windows[0]->geometry().right() < windows[1]->geometry().left());
    }
    void pictureOfTheMainWindowWithAnEditWindow() {
        m_frame->resize(760, 480);
        theApp.OnFileNew();
        ActiveEditView(m_frame)->GetEditCtrl()->setPlainText(
            u"春の風\n句帳をひらく\n窓の下\n\nTavelo の句をここに書き留める。長い行は"
            "ウィンドウの幅で折り返され、横スクロールバーは出ません。"_qs);
        m_frame->MdiArea()->activeSubWindow()->setGeometry(20, 16, 420, 260);
        QVERIFY(QTest::qWaitForWindowExposed(m_frame));
        QVERIFY(KeepPicture(m_frame, u"main-window"_qs));
    }

    void openLoadsTheTextAndSaveWritesItBack_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        // "追加" and a line end as saved after the text; mixed line ends and the byte-order
        // mark are the codec's unit test, these rows are what the edit control could alter.
        QTest::addColumn<QByteArray>("added");
        const QByteArray cp932Added = QByteArray::fromHex("92 c7 89 c1");
        const QByteArray utf8Added = u"追加"_qs.toUtf8();
        QTest::newRow("cp932, CR LF") << kCp932Text << u"俳句\n季語\n"_qs << cp932Added + "\r\n";
        QTest::newRow("no-break space kept") << QByteArray("a\xc2\xa0" "b\n") << u"a\u00a0b\n"_qs
                                             << utf8Added + "\n";
        QTest::newRow("U+2029") << u"俳\u2029句\u2029"_qs.toUtf8() << u"俳\n句\n"_qs
                                << utf8Added + "\u2029";
    }
    void openLoadsTheTextAndSaveWritesItBack() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        QFETCH(QByteArray, added);
        const QString path = File(u"poem.txt"_qs);
        WriteBytes(path, bytes);
        SetNextFileDialogAnswer(path);
        QVERIFY(m_frame->RouteCommand(ID_FILE_OPEN));
        CQuillaryView* view = ActiveEditView(m_frame);
        QVERIFY(view);
        CDocument* document = m_frame->GetActiveDocument();
        QCOMPARE(document->GetTitle(), u"poem.txt"_qs);
        QCOMPARE(view->GetText(), shown);
        QVERIFY(!document->IsModified());
        QVERIFY(m_frame->RouteCommand(ID_FILE_SAVE));  // Ctrl+S right away: same bytes
        QCOMPARE(ReadBytes(path), bytes);
        view->GetEditCtrl()->moveCursor(QTextCursor::End);
        view->GetEditCtrl()->insertPlainText(u"追加\n"_qs);
        QVERIFY(m_frame->RouteCommand(ID_FILE_SAVE));
        QVERIFY(!document->IsModified());
        QCOMPARE(ReadBytes(path), bytes + added);
        QVERIFY(m_notices->messages.isEmpty());
        theApp.OnFileNew();  // opening the file again brings its window back
        QCOMPARE(theApp.OpenDocumentFile(path), document);
        QCOMPARE(m_frame->GetActiveDocument(), document);
        QCOMPARE(m_frame->MdiArea()->subWindowList().size(), 2);
    }
    void oddFileIsReportedAtOnceAndOpensReadOnlyOrNot_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");  // of name, for a file made here
        QTest::addColumn<QString>("message");   // after the path and a line break
        const QString unreadable = u"ファイル を読み出し出来ません."_qs;
        QTest::newRow("FIFO") << u"fifo.txt"_qs << QByteArray() << unreadable;  // not a plain file
        QTest::newRow("too large")
            << u"large.txt"_qs << QByteArray(CQuillaryDoc::kMaxFileBytes + 1, 'x')
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
        if (!bytes.isEmpty()) WriteBytes(File(name), bytes);
        const bool opened = theApp.OpenDocumentFile(File(name)) != nullptr;
        QCOMPARE(m_notices->messages.size(), 1);
        QVERIFY(m_notices->messages[0].startsWith(File(name) + u'\n'));
        QVERIFY2(m_notices->messages[0].contains(message), qPrintable(m_notices->messages[0]));
        QCOMPARE(m_frame->MdiArea()->subWindowList().size(), opened ? 1 : 0);
        QCOMPARE(opened, message == u"読み取り専用"_qs);
        if (!opened) return;
        QVERIFY(ActiveEditView(m_frame)->GetEditCtrl()->isReadOnly());
        QVERIFY(!m_frame->RouteCommand(ID_FILE_SAVE));  // greyed
        QVERIFY(m_session->app.Close());
        QCOMPARE(ReadBytes(File(name)), bytes);
    }
    void saveUpdatesWhatALinkLeadsToAndRefusesASplitOfHardLinks() {
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
        QCOMPARE(m_notices->messages.size(), 1);
        QVERIFY(m_notices->messages[0].contains(u"ハードリンク"_qs));
        QCOMPARE(ReadBytes(File(u"hard2.txt"_qs)), QByteArray("a\n"));
        QVERIFY(m_frame->GetActiveDocument()->IsModified());
        m_notices->answers = {NoticeAnswer::No};
        QVERIFY(m_session->app.Close());
    }
    void untitledSaveAsksForANameAndKeepsCp932() {
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
        QCOMPARE(m_notices->messages.size(), 1);
        QVERIFY(m_notices->messages[0].contains(u"保存しませんでした"_qs));
        QCOMPARE(ReadBytes(path), kCp932Text);
        QVERIFY(m_frame->GetActiveDocument()->IsModified());
    }
    void closingAModifiedWindowAsksAndSignalsCloseAsExitDoes() {
        CCloseSignals::Install([] { theApp.OnAppExit(); });  // as Run() does
        theApp.OnFileNew();
        ActiveEditView(m_frame)->GetEditCtrl()->insertPlainText(u"draft"_qs);
        // Closing the window by its command or its close box: Cancel keeps it.
        m_frame->RouteCommand(ID_FILE_CLOSE);
        m_frame->MdiArea()->subWindowList().first()->close();
        QCOMPARE(m_notices->questions, QStringList(2, u"Quillar1 への変更を保存しますか?"_qs));
        QCOMPARE(m_frame->MdiArea()->subWindowList().size(), 1);
        ::raise(SIGTERM);
        QTRY_COMPARE(m_notices->questions.size(), 3);
        // Cancelled: the program goes on, but the placement was written first.
        QVERIFY(m_session->app.Frame() && m_session->app.Frame()->isVisible());
        QVERIFY(ReadBytes(File(u"tst_mainframe.INI"_qs)).contains("WindowPos="));
        m_notices->answers = {NoticeAnswer::No};
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
        QCOMPARE(m_notices->questions.size(), 4);
    }

private:
    QString File(const QString& name) const { return m_session->dir.filePath(name); }
    std::optional<TempSession> m_session;
    CMainFrame* m_frame = nullptr;
    GuiNoticeRecorder* m_notices = nullptr;
};

QTEST_MAIN(MainFrameTest)
#include "tst_mainframe.moc"
