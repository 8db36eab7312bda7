#include "platform/View.h"

#include <QVBoxLayout>

#include "platform/Document.h"
#include "platform/MDIChildWnd.h"

CView::CView(QWidget* parent) : QWidget(parent) {}

CView::~CView() {
    if (m_pDocument) m_pDocument->RemoveView(this);
}

CMDIChildWnd* CView::GetParentFrame() const {
    for (QWidget* w = parentWidget(); w; w = w->parentWidget())
        if (auto* frame = qobject_cast<CMDIChildWnd*>(w)) return frame;
    return nullptr;
}

void CView::OnInitialUpdate() { OnUpdate(nullptr, 0); }

void CView::OnUpdate(CView*, long) { update(); }

void CView::OnActivateView(bool) {}

void CView::SetContentWidget(QWidget* content) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content);
    setFocusProxy(content);
}
