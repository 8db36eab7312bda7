#include "app/MainFrame.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

#include "app/AppStrings.h"
#include "app/LockIndicators.h"
#include "app/ProfileStore.h"
#include "app/QuillaryApp.h"
#include "app/Resource.h"
#include "app/SearchBar.h"
#include "app/ToolBarImages.h"
#include "haiku/HaikuCardDlg.h"
#include "platform/CommandIds.h"
#include "platform/Cp932.h"
#include "platform/DocTemplate.h"
#include "platform/Document.h"
#include "platform/MDIChildWnd.h"
#include "platform/View.h"
#include "reader/ReaderDialog.h"
#include "reader/TipsDialog.h"

namespace {

// A rectangle that lies off every screen moves onto the nearest one, and one larger
// than that screen shrinks to fit it.
QRect OntoNearestScreen(QRect rect) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.isEmpty()) return rect;
    QScreen* best = nullptr;
    qint64 bestArea = 0;
    for (QScreen* screen : screens) {
        QRect overlap = screen->availableGeometry().intersected(rect);
        qint64 area = overlap.isEmpty() ? 0 : qint64(overlap.width()) * overlap.height();
        if (area > bestArea) best = screen, bestArea = area;
    }
    if (!best) {
        qint64 bestDistance = -1;
        for (QScreen* screen : screens) {
            QPoint d = screen->availableGeometry().center() - rect.center();
            qint64 distance = qint64(d.x()) * d.x() + qint64(d.y()) * d.y();
            if (bestDistance < 0 || distance < bestDistance) best = screen, bestDistance = distance;
        }
    }
    const QRect area = best->availableGeometry();
    rect.setWidth(std::min(rect.width(), area.width()));
    rect.setHeight(std::min(rect.height(), area.height()));
    if (rect.left() < area.left()) rect.moveLeft(area.left());
    if (rect.top() < area.top()) rect.moveTop(area.top());
    if (rect.right() > area.right()) rect.moveRight(area.right());
    if (rect.bottom() > area.bottom()) rect.moveBottom(area.bottom());
    return rect;
}

}  // namespace

CMainFrame::CMainFrame() {
    SetAppTitle(AppString(AFX_IDS_APP_TITLE));
    setWindowIcon(AppIcon());
    resize(800, 600);
    DeclareCommands();
}

CMainFrame::~CMainFrame() = default;

// The command table of the main frame: one line per command it serves.
void CMainFrame::DeclareCommands() {
    AddCommand(ID_ALL_HAIKU, [this] { OnAllHaiku(); });
    SetCommandServed(ID_ALL_HAIKU, [] { return theApp.m_pHaikuTemplate != nullptr; });
    AddCommand(ID_KIGO_LIST, [this] { OnKigoList(); });
    SetCommandServed(ID_KIGO_LIST, [] { return theApp.m_pKigoTemplate != nullptr; });
    AddCommand(ID_OLDNEW_TABLE, [this] { OnOldNewTable(); });
    SetCommandServed(ID_OLDNEW_TABLE, [] { return theApp.m_pOldNewTemplate != nullptr; });
    AddCommand(ID_TAVELO_HAIKU, [this] { OnTaveloHaiku(); });

    AddCommand(ID_VIEW_TOOLBAR, [this] { OnViewToolBar(); },
               [this](CCmdUI& ui) { ui.SetCheck(m_wndToolBar && m_wndToolBar->isVisible()); });
    AddCommand(ID_VIEW_STATUS_BAR, [this] { OnViewStatusBar(); }, [this](CCmdUI& ui) {
        ui.SetCheck(m_wndStatusBar && m_wndStatusBar->isVisible());
    });

    auto hasChild = [this](CCmdUI& ui) { ui.Enable(MDIGetActive() != nullptr); };
    AddCommand(ID_WINDOW_CASCADE, [this] { MDICascade(); }, hasChild);
    AddCommand(ID_WINDOW_TILE_HORZ, [this] { MDITileHorz(); }, hasChild);
    AddCommand(ID_WINDOW_TILE_VERT, [this] { MDITileVert(); }, hasChild);
    AddCommand(ID_WINDOW_ARRANGE, [this] { MDIIconArrange(); }, hasChild);

    AddCommand(ID_CONTENTS, [this] { OnContents(); });
    AddCommand(ID_LIFE, [this] { OnLife(); });
    AddCommand(ID_FRIENDS, [this] { OnFriends(); });
    AddCommand(ID_WORKS, [this] { OnWorks(); });
    AddCommand(ID_WORKS_500, [this] { OnWorks500(); });
    AddCommand(ID_WORKS_550, [this] { OnWorks550(); });
    AddCommand(ID_WORKS_600, [this] { OnWorks600(); });
    AddCommand(ID_KIGO, [this] { OnKigo(); });
    AddCommand(ID_ONEPOINT, [this] { OnOnePoint(); });
}

bool CMainFrame::LoadFrame() {
    CreateActions();
    CreateMenus();
    if (!CreateToolBar() || !CreateStatusBar() || !CreateSearchBar()) return false;
    LoadWindowPos();
    UpdateCommandUI();
    return true;
}

void CMainFrame::CreateActions() {
    const int withImage[] = {ID_WORKS,        ID_LIFE,     ID_FRIENDS,
                             ID_TAVELO_HAIKU, ID_ONEPOINT, ID_CONTENTS};
    for (int id : withImage) CommandAction(id)->setIcon(ToolBarIcon(id));
    CommandAction(ID_SEARCH)->setIcon(ToolBarIcon(IDB_SEARCH));

    // Accelerator table 128. The keys live on hidden actions so that the menu items
    // show their captions alone; they are greyed with their commands.
    struct Accel {
        int id;
        QList<QKeySequence> keys;
    };
    const Accel accelerators[] = {
        {ID_CONTENTS, {QKeySequence(Qt::Key_F1)}},
        {ID_FILE_NEW, {QKeySequence(Qt::CTRL | Qt::Key_N)}},
        {ID_FILE_OPEN, {QKeySequence(Qt::CTRL | Qt::Key_O)}},
        {ID_FILE_SAVE, {QKeySequence(Qt::CTRL | Qt::Key_S)}},
        {ID_FILE_PRINT, {QKeySequence(Qt::CTRL | Qt::Key_P)}},
        {ID_EDIT_UNDO,
         {QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)}},
        {ID_EDIT_CUT,
         {QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete)}},
        {ID_EDIT_COPY,
         {QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)}},
        {ID_EDIT_PASTE,
         {QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)}},
        {ID_NEXT_PANE, {QKeySequence(Qt::Key_F6)}},
        {ID_PREV_PANE, {QKeySequence(Qt::SHIFT | Qt::Key_F6)}},
    };
    for (const Accel& a : accelerators) AddAccelerator(a.id, a.keys);
}

void CMainFrame::CreateMenus() {
    QMenuBar* bar = menuBar();
    auto item = [this](QMenu* menu, int id, const QString& text) {
        QAction* action = CommandAction(id);
        action->setText(text);
        action->setStatusTip(CommandPrompt(id));
        action->setToolTip(CommandTip(id));
        menu->addAction(action);
    };
    auto popup = [this, bar](const QString& title) {
        QMenu* menu = bar->addMenu(title);
        connect(menu, &QMenu::aboutToShow, this, [this] { UpdateCommandUI(); });
        m_menus.append(menu);
        return menu;
    };

    QMenu* file = popup(u"ﾌｧｲﾙ(&F)"_qs);
    item(file, ID_FILE_CLOSE, u"閉じる(&C)"_qs);
    file->addSeparator();
    item(file, ID_APP_EXIT, u"Quillaryの終了(&X)"_qs);

    QMenu* view = popup(u"表示(&V)"_qs);
    item(view, ID_VIEW_TOOLBAR, u"ﾂｰﾙ ﾊﾞｰ(&T)"_qs);
    item(view, ID_VIEW_STATUS_BAR, u"ｽﾃｰﾀｽ ﾊﾞｰ(&S)"_qs);

    QMenu* haiku = popup(u"俳句館(&B)"_qs);
    item(haiku, ID_ALL_HAIKU, u"登録全句"_qs);

    QMenu* works = popup(u"作品館(&S)"_qs);
    item(works, ID_WORKS, u"作品集"_qs);
    item(works, ID_WORKS_500, u"「五百句」"_qs);
    item(works, ID_WORKS_550, u"「五百五十句」"_qs);
    item(works, ID_WORKS_600, u"「六百句」"_qs);

    QMenu* life = popup(u"生涯館(&L)"_qs);
    item(life, ID_LIFE, u"Tavelo略年譜"_qs);
    item(life, ID_FRIENDS, u"Taveloの弟子・友人"_qs);

    QMenu* dataHall = popup(u"データ館(&D)"_qs);
    item(dataHall, ID_TAVELO_HAIKU, u"Taveloの俳句"_qs);
    item(dataHall, ID_KIGO, u"季語"_qs);
    item(dataHall, ID_KIGO_LIST, u"季語一覧"_qs);

    QMenu* calendar = popup(u"暦館(&K)"_qs);
    item(calendar, ID_OLDNEW_TABLE, u"旧暦・西暦対照表"_qs);
    calendar->addSeparator();
    item(calendar, ID_DISP_YEAR, u"表示年の設定"_qs);

    QMenu* window = popup(u"ｳｨﾝﾄﾞｳ(&W)"_qs);
    item(window, ID_WINDOW_CASCADE, u"重ねて表示(&C)"_qs);
    item(window, ID_WINDOW_TILE_HORZ, u"上下に並べて表示(&T)"_qs);
    item(window, ID_WINDOW_TILE_VERT, u"左右に並べて表示(&V)"_qs);
    item(window, ID_WINDOW_ARRANGE, u"ｱｲｺﾝの整列(&A)"_qs);
    SetWindowMenu(window);
    m_pWindowMenuAction = window->menuAction();

    QMenu* help = popup(u"ﾍﾙﾌﾟ(&H)"_qs);
    item(help, ID_CONTENTS, u"目次(&C)"_qs);
    help->addSeparator();
    item(help, ID_APP_ABOUT, u"ﾊﾞｰｼﾞｮﾝ情報(Quillary)(&A)..."_qs);
    help->addSeparator();
    item(help, ID_ONEPOINT, u"ワンポイント(&O)"_qs);
    m_pSearchSeparator = help->addSeparator();
    item(help, ID_SEARCH, u"検索(&F)"_qs);
    m_pSearchItem = CommandAction(ID_SEARCH);

    OnActiveChildChanged();
}

bool CMainFrame::CreateToolBar() {
    m_wndToolBar = new QToolBar(u"ﾂｰﾙ ﾊﾞｰ"_qs, this);
    m_wndToolBar->setObjectName(u"ToolBar"_qs);
    m_wndToolBar->setIconSize(QSize(16, 15));
    const int buttons[] = {ID_WORKS,        0, ID_LIFE,     ID_FRIENDS, 0,
                           ID_TAVELO_HAIKU, 0, ID_ONEPOINT, ID_CONTENTS};
    for (int id : buttons) {
        if (id == 0) {
            m_wndToolBar->addSeparator();
            continue;
        }
        QAction* action = CommandAction(id);
        action->setStatusTip(CommandPrompt(id));
        action->setToolTip(CommandTip(id));
        m_wndToolBar->addAction(action);
    }
    addToolBar(Qt::TopToolBarArea, m_wndToolBar);
    return true;
}

bool CMainFrame::CreateStatusBar() {
    m_wndStatusBar = new QStatusBar(this);
    m_wndStatusBar->setObjectName(u"StatusBar"_qs);
    setStatusBar(m_wndStatusBar);
    // The lock indicators: lit (enabled) while their lock is on, dim otherwise.
    const QString texts[] = {u"ｶﾅ"_qs, u"CAP"_qs, u"NUM"_qs, u"SCRL"_qs};
    for (int i = 0; i < 4; ++i) {
        m_indicators[i] = new QLabel(texts[i], m_wndStatusBar);
        m_indicators[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        m_wndStatusBar->addPermanentWidget(m_indicators[i]);
    }
    SetLockIndicators(CreatePlatformLockIndicators());
    connect(m_wndStatusBar, &QStatusBar::messageChanged, this,
            [this](const QString& message) { ShowIdleMessage(message); });
    ShowIdleMessage(QString());
    return true;
}

void CMainFrame::SetLockIndicators(std::unique_ptr<CLockIndicators> source) {
    m_locks = std::move(source);
    UpdateLockIndicators();
}

void CMainFrame::UpdateLockIndicators() {
    const LockStates states = m_locks ? m_locks->Read() : LockStates();
    const bool lit[] = {states.kana, states.caps, states.num, states.scroll};
    for (int i = 0; i < 4; ++i) m_indicators[i]->setEnabled(lit[i]);
}

// A lock key changes its state at the key press; a lock switched while another program
// had the keyboard shows when this one is active again.
bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (m_locks && (type == QEvent::KeyPress || type == QEvent::KeyRelease ||
                    (type == QEvent::ApplicationStateChange &&
                     QGuiApplication::applicationState() == Qt::ApplicationActive)))
        UpdateLockIndicators();
    return CMDIFrameWnd::eventFilter(watched, event);
}

void CMainFrame::ShowIdleMessage(const QString& message) {
    if (message.isEmpty()) m_wndStatusBar->showMessage(AppString(AFX_IDS_IDLEMESSAGE));
}

bool CMainFrame::CreateSearchBar() {
    if (!theSearchBar.Create(this)) return false;
    QToolBar* bar = theSearchBar.GetBar();
    QAction* search = CommandAction(ID_SEARCH);
    search->setStatusTip(CommandPrompt(ID_SEARCH));
    search->setToolTip(CommandTip(ID_SEARCH));
    // The button has its own action: the menu item is hidden while no child window is
    // open, but the button stays, greyed with its command.
    auto* button = new QAction(search->icon(), search->text(), bar);
    button->setStatusTip(search->statusTip());
    button->setToolTip(search->toolTip());
    button->setEnabled(search->isEnabled());
    connect(search, &QAction::changed, button,
            [search, button] { button->setEnabled(search->isEnabled()); });
    connect(button, &QAction::triggered, search, &QAction::trigger);
    bar->addAction(button);
    addToolBar(Qt::TopToolBarArea, bar);
    return true;
}

QMenu* CMainFrame::Menu(int index) const {
    return index >= 0 && index < m_menus.size() ? m_menus[index] : nullptr;
}

int CMainFrame::CurrentMenuId() const {
    CView* view = GetActiveView();
    CDocument* document = view ? view->GetDocument() : nullptr;
    if (!document || !document->GetDocTemplate()) return IDR_MAINFRAME;
    return document->GetDocTemplate()->GetResourceID();
}

void CMainFrame::OnActiveChildChanged() {
    const bool childMenu = CurrentMenuId() != IDR_MAINFRAME;
    if (m_pWindowMenuAction) m_pWindowMenuAction->setVisible(childMenu);
    if (m_pSearchSeparator) m_pSearchSeparator->setVisible(childMenu);
    if (m_pSearchItem) m_pSearchItem->setVisible(childMenu);
}

void CMainFrame::OnAllHaiku() { OpenListWindow(theApp.m_pHaikuTemplate, u"登録全句"_qs); }
void CMainFrame::OnKigoList() { OpenListWindow(theApp.m_pKigoTemplate, u"季語一覧"_qs); }
void CMainFrame::OnOldNewTable() {
    OpenListWindow(theApp.m_pOldNewTemplate, u"旧暦・西暦対照表"_qs);
}

void CMainFrame::OnTaveloHaiku() { CHaikuCardDlg::RunWithStoredHaiku(); }

void CMainFrame::OnContents() { OpenReader("Topics.txt", u"目次"_qs); }
void CMainFrame::OnLife() { OpenReader("life.txt", u"Tavelo略年譜"_qs); }
void CMainFrame::OnFriends() { OpenReader("friend.txt", u"Taveloの弟子・友人"_qs); }
void CMainFrame::OnWorks() { OpenReader("work.txt", u"作品集"_qs); }
void CMainFrame::OnWorks500() { OpenReader("500.txt", u"「五百句」"_qs); }
void CMainFrame::OnWorks550() { OpenReader("550.txt", u"「五百五十句」"_qs); }
void CMainFrame::OnWorks600() { OpenReader("600.txt", u"「六百句」"_qs); }
void CMainFrame::OnKigo() { OpenReader("kigo.txt", u"季語"_qs); }

void CMainFrame::OnOnePoint() {
    CTipsDialog dialog;
    dialog.DoModal();
}

// Opens TxtData/fileName in the modal reader at the topic whose key is the title.
void CMainFrame::OpenReader(const char* fileName, const QString& title) {
    m_szDocPath = theProfile.TxtDataPath(fileName);
    const std::string key = cp932::FromUtf8Lossy(title.toStdString());
    CReaderDialog dialog;
    dialog.SetPath(m_szDocPath);
    dialog.SetTitle(key);
    dialog.SetInitialKey(key);
    dialog.DoModal();
}

void CMainFrame::OpenListWindow(CMultiDocTemplate* docTemplate, const QString& title) {
    m_szListTitle = title;
    if (docTemplate) docTemplate->OpenDocumentFile(m_szListTitle, true);
}

void CMainFrame::OnViewToolBar() { m_wndToolBar->setVisible(!m_wndToolBar->isVisible()); }
void CMainFrame::OnViewStatusBar() { m_wndStatusBar->setVisible(!m_wndStatusBar->isVisible()); }

bool CMainFrame::OnClose() {
    SaveWindowPos();  // at every close request, before anything else
    return CMDIFrameWnd::OnClose();
}

void CMainFrame::SaveWindowPos() {
    WindowPlacement p;
    p.flags = isMaximized() ? WindowPlacement::kRestoreToMaximized : 0;
    p.showCmd = isMinimized()   ? WindowPlacement::kShowMinimized
                : isMaximized() ? WindowPlacement::kShowMaximized
                                : WindowPlacement::kShowNormal;
    QRect normal = isMaximized() || isMinimized() ? normalGeometry() : geometry();
    if (!normal.isValid()) normal = geometry();
    p.left = normal.left();
    p.top = normal.top();
    p.right = normal.left() + normal.width();
    p.bottom = normal.top() + normal.height();
    theProfile.SaveWindowPos(p, saveState().toBase64().toStdString(), !m_wndStatusBar->isHidden());
}

bool CMainFrame::LoadWindowPos() {
    CProfileStore::SavedWindowPos saved = theProfile.LoadWindowPos();
    using State = CProfileStore::SavedWindowPos::State;
    if (saved.state == State::None) {
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame(QPoint(0, 0), size());
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
        return false;
    }
    if (saved.state == State::Invalid) return false;
    const WindowPlacement& p = saved.placement;
    setGeometry(OntoNearestScreen(QRect(p.left, p.top, p.right - p.left, p.bottom - p.top)));
    m_bShowMaximized = p.IsMaximized();
    if (!saved.barState.empty())
        restoreState(QByteArray::fromBase64(QByteArray::fromStdString(saved.barState)));
    m_wndStatusBar->setVisible(saved.statusBarShown);
    return true;
}

void CMainFrame::ShowFrame() {
    if (m_bShowMaximized)
        showMaximized();
    else
        show();
}
