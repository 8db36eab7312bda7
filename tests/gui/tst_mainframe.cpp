// The main frame: its menus with and without a child window, the greying of commands
// by the routing (menus, tool bar and accelerators alike), prompts and tool tips, the
// window arrangements and the About box.
#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include "AppSession.h"
#include "GuiNoticeRecorder.h"
#include "StandInListViews.h"
#include "app/AboutDlg.h"
#include "app/QuillaryView.h"
#include "app/Resource.h"
#include "app/SearchBar.h"
#include "platform/CommandIds.h"
#include "platform/Document.h"
#include "platform/MDIChildWnd.h"

namespace {

// The visible items of a popup: captions, with "-" for a separator.
QStringList Items(QMenu* menu) {
    QStringList items;
    for (QAction* a : menu->actions()) {
        if (!a->isVisible()) continue;
        items.append(a->isSeparator() ? u"-"_qs : a->text());
    }
    return items;
}

QStringList Popups(QMenuBar* bar) {
    QStringList popups;
    for (QAction* a : bar->actions())
        if (a->isVisible()) popups.append(a->text());
    return popups;
}

bool Enabled(CMainFrame* frame, int id) {
    QAction* action = frame->CommandAction(id);
    frame->UpdateCommandUI();
    return action->isEnabled();
}

const QStringList kHallItems[] = {
    {u"閉じる(&C)"_qs, u"-"_qs, u"Quillaryの終了(&X)"_qs},
    {u"ﾂｰﾙ ﾊﾞｰ(&T)"_qs, u"ｽﾃｰﾀｽ ﾊﾞｰ(&S)"_qs},
    {u"登録全句"_qs},
    {u"作品集"_qs, u"「五百句」"_qs, u"「五百五十句」"_qs, u"「六百句」"_qs},
    {u"Tavelo略年譜"_qs, u"Taveloの弟子・友人"_qs},
    {u"Taveloの俳句"_qs, u"季語"_qs, u"季語一覧"_qs},
    {u"旧暦・西暦対照表"_qs, u"-"_qs, u"表示年の設定"_qs},
};

}  // namespace

class MainFrameTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }
    void menu128WithoutAChildWindow();
    void childMenusWithOneOpen();
    void windowMenuListsTheOpenWindows();
    void searchIsGreyedUnlessAHaikuListIsActive();
    void hallsWithoutTheirWindowsStayGreyed();
    void listCommandsOpenANewWindowEachTime();
    void saveAndEditCommandsFollowTheActiveWindow();
    void accelerators();
    void toolBarOrderTipsAndPrompts();
    void statusBarShowsPromptsAndIdleText();
    void windowArrangements();
    void viewCommandsToggleTheBars();
    void aboutBoxShowsTheTitle();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void MainFrameTest::menu128WithoutAChildWindow() {
    AppSession app(m_dir->path());
    CMainFrame* frame = app.Frame();
    QCOMPARE(frame->CurrentMenuId(), IDR_MAINFRAME);
    QCOMPARE(Popups(frame->menuBar()),
             (QStringList{u"ﾌｧｲﾙ(&F)"_qs, u"表示(&V)"_qs, u"俳句館(&B)"_qs, u"作品館(&S)"_qs,
                          u"生涯館(&L)"_qs, u"データ館(&D)"_qs, u"暦館(&K)"_qs, u"ﾍﾙﾌﾟ(&H)"_qs}));
    for (int i = 0; i < 7; ++i) QCOMPARE(Items(frame->Menu(i)), kHallItems[i]);
    QCOMPARE(Items(frame->Menu(8)),
             (QStringList{u"目次(&C)"_qs, u"-"_qs, u"ﾊﾞｰｼﾞｮﾝ情報(Quillary)(&A)..."_qs, u"-"_qs,
                          u"ワンポイント(&O)"_qs}));
    QVERIFY(!Enabled(frame, ID_FILE_CLOSE));
    QVERIFY(!Enabled(frame, ID_DISP_YEAR));
    QVERIFY(Enabled(frame, ID_APP_EXIT));
    QVERIFY(Enabled(frame, ID_APP_ABOUT));
    QCOMPARE(frame->windowTitle(), u"『Tavelo』博物館 V1.02"_qs);
}

void MainFrameTest::childMenusWithOneOpen() {
    AppSession app(m_dir->path());
    CMainFrame* frame = app.Frame();
    theApp.OnFileNew();
    QCOMPARE(frame->CurrentMenuId(), IDR_QUILLARTYPE);
    QCOMPARE(Popups(frame->menuBar()),
             (QStringList{u"ﾌｧｲﾙ(&F)"_qs, u"表示(&V)"_qs, u"俳句館(&B)"_qs, u"作品館(&S)"_qs,
                          u"生涯館(&L)"_qs, u"データ館(&D)"_qs, u"暦館(&K)"_qs, u"ｳｨﾝﾄﾞｳ(&W)"_qs,
                          u"ﾍﾙﾌﾟ(&H)"_qs}));
    for (int i = 0; i < 7; ++i) QCOMPARE(Items(frame->Menu(i)), kHallItems[i]);
    QCOMPARE(Items(frame->Menu(7)),
             (QStringList{u"重ねて表示(&C)"_qs, u"上下に並べて表示(&T)"_qs,
                          u"左右に並べて表示(&V)"_qs, u"ｱｲｺﾝの整列(&A)"_qs}));
    QCOMPARE(Items(frame->Menu(8)),
             (QStringList{u"目次(&C)"_qs, u"-"_qs, u"ﾊﾞｰｼﾞｮﾝ情報(Quillary)(&A)..."_qs, u"-"_qs,
                          u"ワンポイント(&O)"_qs, u"-"_qs, u"検索(&F)"_qs}));
    QVERIFY(Enabled(frame, ID_FILE_CLOSE));
    QCOMPARE(frame->windowTitle(), u"『Tavelo』博物館 V1.02 - Quillar1"_qs);

    RegisterStandInListTemplates();
    frame->RouteCommand(ID_ALL_HAIKU);
    QCOMPARE(frame->CurrentMenuId(), IDR_HAIKU_LIST);
    QCOMPARE(Items(frame->Menu(8)).last(), u"検索(&F)"_qs);

    // Closing every child brings menu 128 back.
    frame->RouteCommand(ID_FILE_CLOSE);
    frame->RouteCommand(ID_FILE_CLOSE);
    QCOMPARE(frame->MdiArea()->subWindowList().size(), 0);
    QCOMPARE(frame->CurrentMenuId(), IDR_MAINFRAME);
    QVERIFY(!Popups(frame->menuBar()).contains(u"ｳｨﾝﾄﾞｳ(&W)"_qs));
}

void MainFrameTest::windowMenuListsTheOpenWindows() {
    AppSession app(m_dir->path());
    CMainFrame* frame = app.Frame();
    theApp.OnFileNew();
    theApp.OnFileNew();
    QMenu* window = frame->Menu(7);
    emit window->aboutToShow();
    const QStringList items = Items(window);
    QCOMPARE(items.mid(4), (QStringList{u"-"_qs, u"&1 Quillar1"_qs, u"&2 Quillar2"_qs}));
    QAction* first = window->actions().at(window->actions().size() - 2);
    QAction* second = window->actions().last();
    QVERIFY(second->isChecked());
    QVERIFY(!first->isChecked());
    first->trigger();
    QCOMPARE(frame->GetActiveDocument()->GetTitle(), u"Quillar1"_qs);
}

void MainFrameTest::searchIsGreyedUnlessAHaikuListIsActive() {
    AppSession app(m_dir->path());
    CMainFrame* frame = app.Frame();
    RegisterStandInListTemplates();
    QToolBar* bar = theSearchBar.GetBar();
    auto button = [bar] { return bar->widgetForAction(bar->actions().last()); };
    QVERIFY(!Enabled(frame, ID_SEARCH));
    QVERIFY(!button()->isEnabled());
    QVERIFY(!theSearchBar.GetCombo()->isEnabled());

    frame->RouteCommand(ID_ALL_HAIKU);
    QVERIFY(Enabled(frame, ID_SEARCH));
    QVERIFY(button()->isEnabled());
    QVERIFY(theSearchBar.GetCombo()->isEnabled());

    frame->RouteCommand(ID_KIGO_LIST);  // another kind of list becomes active
    QVERIFY(!Enabled(frame, ID_SEARCH));
    QVERIFY(!theSearchBar.GetCombo()->isEnabled());

    theApp.OnFileNew();  // an edit window
    QVERIFY(!Enabled(frame, ID_SEARCH));

    frame->MdiArea()->setActiveSubWindow(frame->MdiArea()->subWindowList().first());
    QVERIFY(Enabled(frame, ID_SEARCH));
    QVERIFY(theSearchBar.GetCombo()->isEnabled());
    frame->RouteCommand(ID_FILE_CLOSE);  // closing the active haiku list greys the box
    QVERIFY(!theSearchBar.GetCombo()->isEnabled());
    frame->RouteCommand(ID_ALL_HAIKU);
    QVERIFY(theSearchBar.GetCombo()->isEnabled());
    frame->MdiArea()->closeAllSubWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!Enabled(frame, ID_SEARCH));
    QVERIFY(!theSearchBar.GetCombo()->isEnabled());
}

void MainFrameTest::hallsWithoutTheirWindowsStayGreyed() {
    AppSession app(m_dir->path());
    CMainFrame* frame = app.Frame();
    // theApp outlives each session: clear what an earlier case registered.
    theApp.m_pHaikuTemplate = nullptr;
    theApp.m_pKigoTemplate = nullptr;
    theApp.m_pOldNewTemplate = nullptr;
    for (int id : {ID_ALL_HAIKU, ID_KIGO_LIST, ID_OLDNEW_TABLE}) QVERIFY(!Enabled(frame, id));
    // Routing a greyed command opens nothing.
    frame->RouteCommand(ID_OLDNEW_TABLE);
    frame->RouteCommand(ID_ALL_HAIKU);
    QCOMPARE(frame->MdiArea()->subWindowList().size(), 0);
    RegisterStandInListTemplates();
    QVERIFY(Enabled(frame, ID_ALL_HAIKU));
    QVERIFY(Enabled(frame, ID_KIGO_LIST));
}

void MainFrameTest::listCommandsOpenANewWindowEachTime() {
    AppSession app(m_dir->path());
    CMainFrame* frame = app.Frame();
    RegisterStandInListTemplates();
    frame->RouteCommand(ID_ALL_HAIKU);
    frame->RouteCommand(ID_ALL_HAIKU);
    const QList<QMdiSubWindow*> windows = frame->MdiArea()->subWindowList();
    QCOMPARE(windows.size(), 2);
    for (QMdiSubWindow* w : windows) QCOMPARE(w->windowTitle(), u"登録全句"_qs);
    CDocument* document = frame->GetActiveDocument();
    QCOMPARE(document->GetPathName(), QDir::current().absoluteFilePath(u"登録全句"_qs));
    // The path joins the recent-file list, once.
    QCOMPARE(theApp.GetRecentFileList()->Entries().size(), 1u);
}

void MainFrameTest::saveAndEditCommandsFollowTheActiveWindow() {
    AppSession app(m_dir->path());
    CMainFrame* frame = app.Frame();
    RegisterStandInListTemplates();
    QVERIFY(!Enabled(frame, ID_FILE_SAVE));  // nothing open
    theApp.OnFileNew();
    QVERIFY(Enabled(frame, ID_FILE_SAVE));
    QVERIFY(Enabled(frame, ID_FILE_PRINT));
    auto* view = static_cast<CQuillaryView*>(frame->GetActiveView());
    QVERIFY(!Enabled(frame, ID_EDIT_COPY));  // nothing selected
    view->GetEditCtrl()->insertPlainText(u"text"_qs);
    view->GetEditCtrl()->selectAll();
    QVERIFY(Enabled(frame, ID_EDIT_COPY));
    QVERIFY(Enabled(frame, ID_EDIT_CUT));
    QVERIFY(Enabled(frame, ID_EDIT_UNDO));

    frame->RouteCommand(ID_ALL_HAIKU);  // a list window: no text to save or edit
    QVERIFY(!Enabled(frame, ID_FILE_SAVE));
    QVERIFY(!Enabled(frame, ID_FILE_PRINT));
    QVERIFY(!Enabled(frame, ID_EDIT_COPY));
    QVERIFY(!Enabled(frame, ID_EDIT_PASTE));
    QVERIFY(Enabled(frame, ID_FILE_CLOSE));
    // Next and previous pane: no window is split, nobody serves them.
    QVERIFY(!Enabled(frame, ID_NEXT_PANE));
    QVERIFY(!Enabled(frame, ID_PREV_PANE));
}

void MainFrameTest::accelerators() {
    AppSession app(m_dir->path());
    CMainFrame* frame = app.Frame();
    struct Row {
        int id;
        QList<QKeySequence> keys;
    };
    const Row rows[] = {
        {ID_CONTENTS, {QKeySequence(u"F1"_qs)}},
        {ID_FILE_NEW, {QKeySequence(u"Ctrl+N"_qs)}},
        {ID_FILE_OPEN, {QKeySequence(u"Ctrl+O"_qs)}},
        {ID_FILE_SAVE, {QKeySequence(u"Ctrl+S"_qs)}},
        {ID_FILE_PRINT, {QKeySequence(u"Ctrl+P"_qs)}},
        {ID_EDIT_UNDO, {QKeySequence(u"Ctrl+Z"_qs), QKeySequence(u"Alt+Backspace"_qs)}},
        {ID_EDIT_CUT, {QKeySequence(u"Ctrl+X"_qs), QKeySequence(u"Shift+Del"_qs)}},
        {ID_EDIT_COPY, {QKeySequence(u"Ctrl+C"_qs), QKeySequence(u"Ctrl+Ins"_qs)}},
        {ID_EDIT_PASTE, {QKeySequence(u"Ctrl+V"_qs), QKeySequence(u"Shift+Ins"_qs)}},
        {ID_NEXT_PANE, {QKeySequence(u"F6"_qs)}},
        {ID_PREV_PANE, {QKeySequence(u"Shift+F6"_qs)}},
    };
    for (const Row& row : rows) {
        QAction* accel = frame->AcceleratorAction(row.id);
        QVERIFY2(accel, qPrintable(QString::number(row.id)));
        QCOMPARE(accel->shortcuts(), row.keys);
    }
    // Menu items show their captions alone.
    QVERIFY(frame->CommandAction(ID_CONTENTS)->shortcuts().isEmpty());

    // Keys reach the command through the routing, and are greyed with it.
    QVERIFY(frame->AcceleratorAction(ID_FILE_NEW)->isEnabled());
    QVERIFY(!frame->AcceleratorAction(ID_FILE_SAVE)->isEnabled());
    frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame));
    QTest::keyClick(frame, Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(frame, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(frame->MdiArea()->subWindowList().size(), 2);
    QVERIFY(frame->AcceleratorAction(ID_FILE_SAVE)->isEnabled());
    QVERIFY(!frame->AcceleratorAction(ID_NEXT_PANE)->isEnabled());
}

void MainFrameTest::toolBarOrderTipsAndPrompts() {
    AppSession app(m_dir->path());
    CMainFrame* frame = app.Frame();
    QList<int> order;
    for (QAction* a : frame->ToolBar()->actions())
        order.append(a->isSeparator() ? 0 : a->data().toInt());
    QCOMPARE(order, (QList<int>{ID_WORKS, 0, ID_LIFE, ID_FRIENDS, 0, ID_TAVELO_HAIKU, 0,
                                ID_ONEPOINT, ID_CONTENTS}));
    for (QAction* a : frame->ToolBar()->actions()) {
        if (a->isSeparator()) continue;
        QVERIFY(!a->icon().isNull());
        QCOMPARE(frame->ToolBar()->iconSize(), QSize(16, 15));
    }
    QCOMPARE(frame->ToolBar()->widgetForAction(frame->CommandAction(ID_CONTENTS))->toolTip(),
             u"目次"_qs);
    QCOMPARE(frame->ToolBar()->widgetForAction(frame->CommandAction(ID_FRIENDS))->toolTip(),
             u"Taveloの弟子・友人など"_qs);
    QCOMPARE(frame->CommandAction(ID_ALL_HAIKU)->statusTip(),
             u"『Tavelo』博物館に登録されている全句を表示します."_qs);
    QCOMPARE(frame->CommandAction(ID_WINDOW_ARRANGE)->statusTip(), u"ｳｨﾝﾄﾞｳの下部にｱｲｺﾝを整列"_qs);
    QCOMPARE(frame->CommandAction(ID_SEARCH)->toolTip(), u"検索"_qs);
    QCOMPARE(theSearchBar.GetBar()->windowTitle(), u"検索"_qs);
}

void MainFrameTest::statusBarShowsPromptsAndIdleText() {
    AppSession app(m_dir->path());
    CMainFrame* frame = app.Frame();
    const QString idle = u"ﾍﾙﾌﾟを表示するには [F1] を押してください。"_qs;
    QCOMPARE(frame->StatusBar()->currentMessage(), idle);
    QMenu* help = frame->Menu(8);
    frame->menuBar()->setActiveAction(help->menuAction());  // opened from the menu bar
    QVERIFY(QTest::qWaitForWindowExposed(help));
    help->setActiveAction(frame->CommandAction(ID_APP_ABOUT));
    QCOMPARE(frame->StatusBar()->currentMessage(), u"ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示"_qs);
    // A greyed item shows its prompt as well.
    QTest::mouseMove(help, help->actionGeometry(frame->CommandAction(ID_CONTENTS)).center());
    QTRY_COMPARE(frame->StatusBar()->currentMessage(), u"目次を表示"_qs);
    help->hide();
    frame->StatusBar()->clearMessage();
    QCOMPARE(frame->StatusBar()->currentMessage(), idle);
}

void MainFrameTest::windowArrangements() {
    AppSession app(m_dir->path());
    CMainFrame* frame = app.Frame();
    frame->resize(800, 600);
    theApp.OnFileNew();
    theApp.OnFileNew();
    theApp.OnFileNew();
    const QRect area = frame->MdiArea()->viewport()->rect();
    const QList<QMdiSubWindow*> windows = frame->MdiArea()->subWindowList();

    frame->RouteCommand(ID_WINDOW_TILE_HORZ);  // one above the other
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(windows[i]->geometry().width(), area.width());
        QCOMPARE(windows[i]->geometry().top(), i * (area.height() / 3));
    }
    frame->RouteCommand(ID_WINDOW_TILE_VERT);  // side by side
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(windows[i]->geometry().height(), area.height());
        QCOMPARE(windows[i]->geometry().left(), i * (area.width() / 3));
    }
    frame->RouteCommand(ID_WINDOW_CASCADE);
    QVERIFY(windows[0]->geometry().topLeft() != windows[1]->geometry().topLeft());
    for (QMdiSubWindow* w : windows) w->showMinimized();
    frame->RouteCommand(ID_WINDOW_ARRANGE);
    for (QMdiSubWindow* w : windows) QCOMPARE(w->geometry().bottom(), area.bottom());
    QVERIFY(windows[0]->geometry().right() < windows[1]->geometry().left());
}

void MainFrameTest::viewCommandsToggleTheBars() {
    AppSession app(m_dir->path());
    CMainFrame* frame = app.Frame();
    QAction* toolBar = frame->CommandAction(ID_VIEW_TOOLBAR);
    frame->UpdateCommandUI();
    QVERIFY(toolBar->isChecked());
    toolBar->trigger();
    QVERIFY(!frame->ToolBar()->isVisible());
    QVERIFY(!toolBar->isChecked());
    frame->RouteCommand(ID_VIEW_STATUS_BAR);
    QVERIFY(!frame->StatusBar()->isVisible());
    QVERIFY(!frame->CommandAction(ID_VIEW_STATUS_BAR)->isChecked());
}

void MainFrameTest::aboutBoxShowsTheTitle() {
    AppSession app(m_dir->path());
    CMainFrame* frame = app.Frame();
    QString shown;
    QString caption;
    QTimer::singleShot(0, [&] {
        auto* about = qobject_cast<CAboutDlg*>(QApplication::activeModalWidget());
        if (!about) return;
        shown = about->VersionLabel()->text();
        caption = about->windowTitle();
        about->accept();
    });
    QVERIFY(frame->RouteCommand(ID_APP_ABOUT));
    QCOMPARE(shown, u"『Tavelo』博物館 V1.02"_qs);
    QCOMPARE(caption, u"ﾊﾞｰｼﾞｮﾝ情報(Quillary)"_qs);
    CAboutDlg about;
    QCOMPARE(about.VersionLabel()->objectName(), QString::number(IDC_VERSION_LABEL));
    QCOMPARE(about.VersionLabel()->text(), u"『Tavelo』博物館 V1.02"_qs);
}

QTEST_MAIN(MainFrameTest)
#include "tst_mainframe.moc"
