// The main frame: its menus with and without a child window, the greying of commands
// by the routing (menus, tool bar and accelerators alike), the reader commands, prompts
// and tool tips, the lock indicators, the window arrangements and a picture of it all.
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QToolBar>
#include <QtTest>

#include "../unit/RecordingNoticeSink.h"
#include "AppSession.h"
#include "ReaderTestSupport.h"
#include "StandInListViews.h"
#include "app/LockIndicators.h"
#include "app/QuillaryView.h"
#include "app/Resource.h"
#include "app/SearchBar.h"
#include "platform/CommandIds.h"
#include "platform/Document.h"
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

class MainFrameTest : public QObject {
    Q_OBJECT
private slots:
    void init() { m_frame = m_session.emplace().app.Frame(); }
    void cleanup() { m_session.reset(); }
    void menusFollowTheActiveWindow() {
        // Menu 128: no window popup, no search item; closing and the display year greyed.
        QCOMPARE(m_frame->CurrentMenuId(), IDR_MAINFRAME);
        const QStringList bar = Items(m_frame->menuBar()), help = Items(m_frame->Menu(8));
        QVERIFY(!Enabled(m_frame, ID_FILE_CLOSE) && !Enabled(m_frame, ID_DISP_YEAR));
        QVERIFY(Enabled(m_frame, ID_APP_EXIT) && Enabled(m_frame, ID_APP_ABOUT));
        theApp.OnFileNew();
        QCOMPARE(m_frame->CurrentMenuId(), IDR_QUILLARTYPE);
        QCOMPARE(Items(m_frame->menuBar()), (bar.mid(0, 7) << u"ｳｨﾝﾄﾞｳ(&W)"_qs << bar.last()));
        QCOMPARE(Items(m_frame->Menu(8)), (help + QStringList{u"-"_qs, u"検索(&F)"_qs}));
        QVERIFY(Enabled(m_frame, ID_FILE_CLOSE));
        QCOMPARE(m_frame->windowTitle(), u"『Tavelo』博物館 V1.02 - Quillar1"_qs);
        RegisterStandInListTemplates();
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
        RegisterStandInListTemplates();
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
        QVERIFY(button->isVisibleTo(m_frame));  // on the bar while no child window is open
        m_frame->RouteCommand(ID_ALL_HAIKU);
        QCOMPARE(search(), u"1"_qs);
        m_frame->RouteCommand(ID_KIGO_LIST);  // another kind of list becomes active
        QCOMPARE(search(), u"0"_qs);
        theApp.OnFileNew();  // an edit window
        QCOMPARE(search(), u"0"_qs);
        m_frame->MdiArea()->setActiveSubWindow(m_frame->MdiArea()->subWindowList().first());
        QCOMPARE(search(), u"1"_qs);
        m_frame->RouteCommand(ID_FILE_CLOSE);  // closing the active haiku list greys it
        QCOMPARE(search(), u"0"_qs);
        m_frame->RouteCommand(ID_ALL_HAIKU);
        m_frame->MdiArea()->closeAllSubWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(search(), u"0"_qs);
        QVERIFY(button->isVisibleTo(m_frame));
    }
    void hallsWithoutTheirWindowsStayGreyed() {
        // theApp outlives each session: clear what an earlier case registered.
        theApp.m_pHaikuTemplate = nullptr;
        theApp.m_pKigoTemplate = nullptr;
        theApp.m_pOldNewTemplate = nullptr;
        for (int id : {ID_ALL_HAIKU, ID_KIGO_LIST, ID_OLDNEW_TABLE}) QVERIFY(!Enabled(m_frame, id));
        // Routing a greyed command opens nothing.
        m_frame->RouteCommand(ID_OLDNEW_TABLE);
        m_frame->RouteCommand(ID_ALL_HAIKU);
        QCOMPARE(m_frame->MdiArea()->subWindowList().size(), 0);
        RegisterStandInListTemplates();
        QVERIFY(Enabled(m_frame, ID_ALL_HAIKU) && Enabled(m_frame, ID_KIGO_LIST));
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
    // Each reader command opens its document at the topic its title names; without the
    // document, the unreadable-file notice and nothing else.
    void readerCommandOpensItsDocumentAtItsTopic_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("title");
        QTest::newRow("contents") << ID_CONTENTS << u"Topics.txt"_qs << u"目次"_qs;
        QTest::newRow("chronology") << ID_LIFE << u"life.txt"_qs << u"Tavelo略年譜"_qs;
        QTest::newRow("friends") << ID_FRIENDS << u"friend.txt"_qs << u"Taveloの弟子・友人"_qs;
        QTest::newRow("works") << ID_WORKS << u"work.txt"_qs << u"作品集"_qs;
        QTest::newRow("first collection") << ID_WORKS_500 << u"500.txt"_qs << u"「五百句」"_qs;
        QTest::newRow("second collection") << ID_WORKS_550 << u"550.txt"_qs << u"「五百五十句」"_qs;
        QTest::newRow("third collection") << ID_WORKS_600 << u"600.txt"_qs << u"「六百句」"_qs;
        QTest::newRow("season words") << ID_KIGO << u"kigo.txt"_qs << u"季語"_qs;
    }
    void readerCommandOpensItsDocumentAtItsTopic() {
        QFETCH(int, command);
        QFETCH(QString, file);
        QFETCH(QString, title);
        RecordingNoticeSink notices;
        const std::string path = theProfile.TxtDataPath(file.toStdString());
        QVERIFY(m_frame->RouteCommand(command));
        QCOMPARE(notices.messagesUtf8, std::vector<std::string>{path + "\nファイル を読み出し出来ません."});
        QCOMPARE(notices.beeps, 0);
        const std::string key = Cp(title.toStdString().c_str());
        QDir(m_session->dir.path()).mkpath(u"TxtData"_qs);
        WriteBytes(QString::fromStdString(path),
                   QByteArray::fromStdString("[*]\nk1:other\nd:x\n[*]\nk1:" + key + "\nd:x\n"));
        QString shown;
        QTimer::singleShot(0, [&] {
            auto* reader = qobject_cast<CReaderDialog*>(QApplication::activeModalWidget());
            if (!reader) return;
            shown = reader->windowTitle() + u'|' + Shown(reader->Current().topic.key1);
            reader->reject();
        });
        QVERIFY(m_frame->RouteCommand(command));
        QCOMPARE(shown, u"簡易ヘルプ V1.03 - "_qs + title + u'|' + title);
        QCOMPARE(notices.messagesUtf8.size(), std::size_t(1));
    }
    void saveEditAndTheirKeysFollowTheActiveWindow() {
        RegisterStandInListTemplates();
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
        QCOMPARE(QKeySequence::listToString(m_frame->AcceleratorAction(ID_EDIT_PASTE)->shortcuts()),
                 u"Ctrl+V; Shift+Ins"_qs);
        QVERIFY(m_frame->AcceleratorAction(ID_FILE_NEW)->isEnabled());
        QVERIFY(!m_frame->AcceleratorAction(ID_FILE_SAVE)->isEnabled());
        m_frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_frame));
        QTest::keyClick(m_frame, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(enabled(commands), u"11000100"_qs);  // nothing selected, nothing to undo
        QVERIFY(m_frame->AcceleratorAction(ID_FILE_SAVE)->isEnabled());
        QVERIFY(!m_frame->AcceleratorAction(ID_NEXT_PANE)->isEnabled());
        auto* view = static_cast<CQuillaryView*>(m_frame->GetActiveView());
        view->GetEditCtrl()->insertPlainText(u"text"_qs);
        view->GetEditCtrl()->selectAll();
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
        m_frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_frame));
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
        m_frame->RouteCommand(ID_WINDOW_TILE_HORZ);  // one above the other
        for (int i = 0; i < 3; ++i)
            QCOMPARE(windows[i]->geometry(), QRect(0, i * (area.height() / 3), area.width(),
                                                   area.height() / 3));
        m_frame->RouteCommand(ID_WINDOW_TILE_VERT);  // side by side
        for (int i = 0; i < 3; ++i)
            QCOMPARE(windows[i]->geometry(), QRect(i * (area.width() / 3), 0, area.width() / 3,
                                                   area.height()));
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
        static_cast<CQuillaryView*>(m_frame->GetActiveView())
            ->GetEditCtrl()
            ->setPlainText(u"春の風\n句帳をひらく\n窓の下\n\nTavelo の句をここに書き留める。長い行は"
                           "ウィンドウの幅で折り返され、横スクロールバーは出ません。"_qs);
        m_frame->MdiArea()->activeSubWindow()->setGeometry(20, 16, 420, 260);
        QVERIFY(QTest::qWaitForWindowExposed(m_frame));
        QVERIFY(KeepPicture(m_frame, u"main-window"_qs));
    }

private:
    std::optional<TempSession> m_session;
    CMainFrame* m_frame = nullptr;
};

QTEST_MAIN(MainFrameTest)
#include "tst_mainframe.moc"
