// CView: the window that shows a document inside a child frame. A view is a QWidget;
// a subclass puts its content widget in with SetContentWidget and may override:
//   OnInitialUpdate()          - once, after the document was opened (fill yourself here)
//   OnUpdate(sender, hint)     - the document changed (UpdateAllViews)
//   OnActivateView(activate)   - the view became, or stopped being, the active view
// A view is first on the command route: declare its commands with AddCommand (see
// CmdTarget.h), e.g. the haiku list view serves ID_SEARCH:
//
//   CHaikuListView::CHaikuListView() { AddCommand(ID_SEARCH, [this] { OnSearch(); }); }
#pragma once

#include <QWidget>

#include "platform/CmdTarget.h"

class CDocument;
class CMDIChildWnd;

class CView : public QWidget, public CCmdTarget {
    Q_OBJECT
public:
    explicit CView(QWidget* parent = nullptr);
    ~CView() override;

    CDocument* GetDocument() const { return m_pDocument; }
    CMDIChildWnd* GetParentFrame() const;

    virtual void OnInitialUpdate();
    virtual void OnUpdate(CView* sender, long hint);
    virtual void OnActivateView(bool activate);

protected:
    // Fills the view with one widget, edge to edge, and lets it take the focus.
    void SetContentWidget(QWidget* content);

private:
    friend class CDocument;
    CDocument* m_pDocument = nullptr;
};
