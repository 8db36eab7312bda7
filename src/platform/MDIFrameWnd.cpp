#include "platform/MDIFrameWnd.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMenu>
#include <QMouseEvent>
#include <QStatusBar>
#include <algorithm>

#include "platform/Document.h"
#include "platform/MDIChildWnd.h"
#include "platform/View.h"
#include "platform/WinApp.h"

namespace {
// Keys that can be accelerators: with Ctrl or Alt, function keys, and the Shift/Ctrl
// forms of Insert and Delete. Plain typing is left alone.
bool IsAcceleratorKey(const QKeyEvent* key) {
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return true;
    const int k = key->key();
    return (k >= Qt::Key_F1 && k <= Qt::Key_F35) || k == Qt::Key_Insert || k == Qt::Key_Delete;
}
}  // namespace

CMDIFrameWnd::CMDIFrameWnd() : m_pMdiArea(new QMdiArea(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    m_pMdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_pMdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_pMdiArea);
    connect(m_pMdiArea, &QMdiArea::subWindowActivated, this, [this] { OnSubWindowActivated(); });
    qApp->installEventFilter(this);
}

CMDIFrameWnd::~CMDIFrameWnd() {
    qApp->removeEventFilter(this);
    m_pMdiArea->disconnect(this);
    // Documents go while this frame is still whole: their views live in its MDI area.
    if (CWinApp* app = AfxGetApp(); app && app->GetMainWnd() == this) {
        app->ForgetMainWnd();
        app->CloseAllDocuments();
    }
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive() const {
    // currentSubWindow stays set while the application is in the background, as the
    // active MDI child does.
    return qobject_cast<CMDIChildWnd*>(m_pMdiArea->currentSubWindow());
}

CView* CMDIFrameWnd::GetActiveView() const {
    CMDIChildWnd* child = MDIGetActive();
    return child ? child->GetView() : nullptr;
}

CDocument* CMDIFrameWnd::GetActiveDocument() const {
    CView* view = GetActiveView();
    return view ? view->GetDocument() : nullptr;
}

QAction* CMDIFrameWnd::CommandAction(int id) {
    auto it = m_actions.find(id);
    if (it != m_actions.end()) return it->second;
    auto* action = new QAction(this);
    action->setData(id);
    connect(action, &QAction::triggered, this, [this, id] { RouteCommand(id); });
    m_actions.emplace(id, action);
    return action;
}

void CMDIFrameWnd::AddAccelerator(int id, const QList<QKeySequence>& keys) {
    auto* action = new QAction(this);
    action->setData(id);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, [this, id] { RouteCommand(id); });
    addAction(action);
    m_accelerators[id] = action;
}

QAction* CMDIFrameWnd::AcceleratorAction(int id) const {
    auto it = m_accelerators.find(id);
    return it == m_accelerators.end() ? nullptr : it->second;
}

std::array<CCmdTarget*, 5> CMDIFrameWnd::Route() const {
    CMDIChildWnd* child = MDIGetActive();
    CView* view = child ? child->GetView() : nullptr;
    CDocument* document = view ? view->GetDocument() : nullptr;
    return {view, document, child, const_cast<CMDIFrameWnd*>(this), AfxGetApp()};
}

bool CMDIFrameWnd::RouteCommand(int id) {
    bool served = false;
    for (CCmdTarget* target : Route()) {
        if (target && target->IsCommandHandled(id)) {
            CCmdUI ui(id);
            target->OnUpdateCommand(ui);
            if (ui.IsEnabled()) served = target->OnCommand(id);
            break;
        }
    }
    // The command may have closed this frame; the event loop deletes it later.
    UpdateCommandUI();
    return served;
}

bool CMDIFrameWnd::UpdateCommand(CCmdUI& ui) const {
    for (CCmdTarget* target : Route()) {
        if (target && target->IsCommandHandled(ui.ID())) {
            target->OnUpdateCommand(ui);
            return true;
        }
    }
    ui.Enable(false);
    return false;
}

void CMDIFrameWnd::UpdateCommandUI() {
    for (auto& [id, action] : m_actions) {
        CCmdUI ui(id);
        UpdateCommand(ui);
        action->setEnabled(ui.IsEnabled());
        if (ui.Checked()) {
            action->setCheckable(true);
            action->setChecked(*ui.Checked());
        }
    }
    for (auto& [id, action] : m_accelerators) {
        CCmdUI ui(id);
        UpdateCommand(ui);
        action->setEnabled(ui.IsEnabled());
    }
}

void CMDIFrameWnd::SetAppTitle(const QString& title) {
    m_strAppTitle = title;
    OnUpdateFrameTitle();
}

void CMDIFrameWnd::OnUpdateFrameTitle() {
    QString title = m_strAppTitle;
    if (CDocument* document = GetActiveDocument()) {
        CMDIChildWnd* child = MDIGetActive();
        if (child && child->isMaximized())
            title += u" - ["_qs + document->GetTitle() + u"]"_qs;
        else
            title += u" - "_qs + document->GetTitle();
    }
    m_bSettingTitle = true;
    setWindowTitle(title);
    m_bSettingTitle = false;
}

void CMDIFrameWnd::changeEvent(QEvent* event) {
    // A maximised child rewrites the main caption in its own way; keep ours.
    if (event->type() == QEvent::WindowTitleChange && !m_bSettingTitle) OnUpdateFrameTitle();
    QMainWindow::changeEvent(event);
}

void CMDIFrameWnd::SetWindowMenu(QMenu* menu) {
    m_pWindowMenu = menu;
    connect(menu, &QMenu::aboutToShow, this, [this] { RebuildWindowList(); });
}

void CMDIFrameWnd::RebuildWindowList() {
    if (!m_pWindowMenu) return;
    for (QAction* action : m_windowListActions) {
        m_pWindowMenu->removeAction(action);
        action->deleteLater();
    }
    m_windowListActions.clear();
    const QList<QMdiSubWindow*> windows = m_pMdiArea->subWindowList();
    if (windows.isEmpty()) return;
    m_windowListActions.append(m_pWindowMenu->addSeparator());
    int number = 1;
    for (QMdiSubWindow* window : windows) {
        QString text = number < 10 ? u"&%1 %2"_qs.arg(number).arg(window->windowTitle())
                                   : u"%1 %2"_qs.arg(number).arg(window->windowTitle());
        QAction* action = m_pWindowMenu->addAction(text);
        action->setCheckable(true);
        action->setChecked(window == m_pMdiArea->currentSubWindow());
        QPointer<QMdiSubWindow> target(window);
        connect(action, &QAction::triggered, this, [this, target] {
            if (target) m_pMdiArea->setActiveSubWindow(target);
        });
        m_windowListActions.append(action);
        ++number;
    }
}

namespace {
QList<QMdiSubWindow*> Arrangeable(QMdiArea* area, bool minimized) {
    QList<QMdiSubWindow*> list;
    for (QMdiSubWindow* w : area->subWindowList())
        if (w->isVisible() && w->isMinimized() == minimized) list.append(w);
    return list;
}
}  // namespace

// Qt's cascade gives every window its size hint; each keeps as much of it as the
// area has room for to the right of and below the window's new place.
void CMDIFrameWnd::MDICascade() {
    m_pMdiArea->cascadeSubWindows();
    const QSize area = m_pMdiArea->viewport()->size();
    for (QMdiSubWindow* w : Arrangeable(m_pMdiArea, false)) {
        const QSize least = w->minimumSizeHint();
        const QSize room(std::max(area.width() - w->x(), least.width()),
                         std::max(area.height() - w->y(), least.height()));
        w->resize(w->size().boundedTo(room));
    }
}

void CMDIFrameWnd::MDITileHorz() {
    QList<QMdiSubWindow*> windows = Arrangeable(m_pMdiArea, false);
    if (windows.isEmpty()) return;
    const QRect area = m_pMdiArea->viewport()->rect();
    const int height = area.height() / static_cast<int>(windows.size());
    int y = 0;
    for (QMdiSubWindow* w : windows) {
        if (w->isMaximized()) w->showNormal();
        w->setGeometry(0, y, area.width(), height);
        y += height;
    }
}

void CMDIFrameWnd::MDITileVert() {
    QList<QMdiSubWindow*> windows = Arrangeable(m_pMdiArea, false);
    if (windows.isEmpty()) return;
    const QRect area = m_pMdiArea->viewport()->rect();
    const int width = area.width() / static_cast<int>(windows.size());
    int x = 0;
    for (QMdiSubWindow* w : windows) {
        if (w->isMaximized()) w->showNormal();
        w->setGeometry(x, 0, width, area.height());
        x += width;
    }
}

void CMDIFrameWnd::MDIIconArrange() {
    const QRect area = m_pMdiArea->viewport()->rect();
    int x = 0;
    int y = area.height();
    for (QMdiSubWindow* w : Arrangeable(m_pMdiArea, true)) {
        QSize size = w->size();
        if (x > 0 && x + size.width() > area.width()) {
            x = 0;
            y -= size.height();
        }
        w->move(x, y - size.height());
        x += size.width();
    }
}

bool CMDIFrameWnd::OnClose() {
    CWinApp* app = AfxGetApp();
    if (app && !app->SaveAllModified()) return false;
    if (app) app->CloseAllDocuments();
    return true;
}

void CMDIFrameWnd::closeEvent(QCloseEvent* event) {
    if (OnClose())
        event->accept();
    else
        event->ignore();
}

bool CMDIFrameWnd::eventFilter(QObject* watched, QEvent* event) {
    // Shortcuts are matched on ShortcutOverride: bring the greying up to date first,
    // so an accelerator is live exactly when its command is served.
    if (event->type() == QEvent::ShortcutOverride &&
        IsAcceleratorKey(static_cast<QKeyEvent*>(event))) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this) UpdateCommandUI();
    }
    // Qt shows the prompt of enabled menu items only; a greyed item shows its prompt too.
    if (event->type() == QEvent::MouseMove) {
        auto* menu = qobject_cast<QMenu*>(watched);
        if (menu && statusBar() && isAncestorOf(menu->parentWidget())) {
            QAction* action =
                menu->actionAt(static_cast<QMouseEvent*>(event)->position().toPoint());
            // After the menu has handled the move (it clears the text for a greyed item).
            if (action && !action->isEnabled() && !action->statusTip().isEmpty())
                QMetaObject::invokeMethod(
                    this, [this, tip = action->statusTip()] { statusBar()->showMessage(tip); },
                    Qt::QueuedConnection);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMDIFrameWnd::OnChildDestroyed(CMDIChildWnd* child) {
    // A child deleted outright (closing its document) may go without a deactivation.
    if (m_pActiveView && child->GetView() == m_pActiveView) {
        QPointer<CView> view = m_pActiveView;
        m_pActiveView = nullptr;
        view->OnActivateView(false);
    }
}

void CMDIFrameWnd::OnSubWindowActivated() {
    CView* view = GetActiveView();
    if (view != m_pActiveView) {
        QPointer<CView> previous = m_pActiveView;
        m_pActiveView = view;
        if (previous) previous->OnActivateView(false);
        if (view) view->OnActivateView(true);
    }
    OnUpdateFrameTitle();
    OnActiveChildChanged();
    UpdateCommandUI();
    emit activeChildChanged();
}

void RefreshCommandUI() {
    if (CMDIFrameWnd* main = AfxGetMainWnd()) main->UpdateCommandUI();
}
