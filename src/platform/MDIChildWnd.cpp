#include "platform/MDIChildWnd.h"

#include <QCloseEvent>

#include "platform/Document.h"
#include "platform/MDIFrameWnd.h"
#include "platform/View.h"
#include "platform/WinApp.h"

CMDIChildWnd::CMDIChildWnd() { setAttribute(Qt::WA_DeleteOnClose); }

CMDIChildWnd::~CMDIChildWnd() {
    if (CMDIFrameWnd* main = AfxGetMainWnd()) main->OnChildDestroyed(this);
}

CView* CMDIChildWnd::GetView() const { return qobject_cast<CView*>(widget()); }

void CMDIChildWnd::SetView(CView* view) {
    setWidget(view);
    OnUpdateFrameTitle();
}

void CMDIChildWnd::OnUpdateFrameTitle() {
    CView* view = GetView();
    if (view && view->GetDocument()) setWindowTitle(view->GetDocument()->GetTitle());
}

void CMDIChildWnd::closeEvent(QCloseEvent* event) {
    CView* view = GetView();
    CDocument* document = view ? view->GetDocument() : nullptr;
    // Only the last frame of a document asks whether to save it.
    if (document && document->GetViews().size() == 1 && !document->SaveModified()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}
